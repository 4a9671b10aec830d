#pragma once
// The parameter records every statement takes: a name (without the colon) and a value.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

struct TDBParameter
{
    QString Name;
    QVariant Value; // null, boolean, integer, float, date-time or text
};
using TDBParameters = QList<TDBParameter>;

inline TDBParameter DBParam(const QString &name, const QVariant &value)
{
    return TDBParameter{name, value};
}

// A binary parameter (pictures, report templates): the bytes are read from the caller's stream.
struct TxDBParameter
{
    QString Name;
    QByteArray Data;
};
using TxDBParameters = QList<TxDBParameter>;
