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

// A text parameter that is never null: a null text goes to the table as the empty text.
inline TDBParameter TextParam(const QString &name, const QString &text)
{
    return TDBParameter{name, text.isNull() ? QStringLiteral("") : text};
}

// A binary parameter (pictures, report templates): the bytes are read from the caller's stream.
struct TxDBParameter
{
    QString Name;
    QByteArray Data;
};
using TxDBParameters = QList<TxDBParameter>;
