#pragma once
// A forward-only query result read row by row: the one way record sets receive rows from any engine.

#include "field.h"

#include <memory>
#include <QString>
#include <QVariant>

class QSqlQuery;

class TRowReader
{
public:
    virtual ~TRowReader() = default;
    virtual int ColumnCount() const = 0;
    virtual QString ColumnName(int column) const = 0;
    // The field type a column gets when no field was declared for it.
    virtual TFieldType ColumnType(int column) const = 0;
    // Moves to the next row; false after the last. Throws EDatabaseError when reading fails.
    virtual bool Next() = 0;
    // The value of a column in the current row; null is an invalid QVariant.
    virtual QVariant Value(int column) const = 0;
};

// Over a Qt query that has been executed (server engines).
std::unique_ptr<TRowReader> MakeQtRowReader(QSqlQuery &&query, const QString &sql);
