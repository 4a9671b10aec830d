#pragma once
// Reading query results straight from SQLite: rows arrive as UTF-8 and typed values without the
// per-value conversions of the generic driver, which matters for lists of a hundred thousand assets.

#include "row_reader.h"

#include <QStringList>
#include <QVariantList>

class QSqlDatabase;

// Prepares sql (already in SQLite's dialect, "?" placeholders) on the connection, binds the values in
// order and executes it. Throws EDatabaseError with the driver's message, "\r\n" and originalSql.
std::unique_ptr<TRowReader> OpenSqliteRows(const QSqlDatabase &db, const QString &sql,
                                           const QVariantList &values, const QString &originalSql);
