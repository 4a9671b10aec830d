#pragma once
// The one place for SQL dialect differences. The program writes its SQL once, in the desktop database's
// dialect; just before a statement is sent, the dialect of the connected engine rewrites it outside string
// literals. Everything above TDatabase sees only the original text.

#include "db_parameter.h"

#include <memory>
#include <QString>
#include <QStringList>

class QSqlDatabase;

// A statement with its :Name parameters replaced by "?" in order of appearance.
struct TParsedStatement
{
    QString Sql;
    QStringList ParameterNames; // one entry per "?", in order
};

// Finds :Name parameters outside string literals and bracketed names. A name may appear more than once.
TParsedStatement ParseNamedParameters(const QString &sql);

// Checks the parameter list against the statement: every name the statement uses has a value and every
// value belongs to a name the statement uses. Throws EDatabaseError naming the parameter and the SQL.
void CheckParameters(const TParsedStatement &statement, const TDBParameters &params,
                     const TxDBParameters &blobParams, const QString &originalSql);

class TSqlDialect
{
public:
    virtual ~TSqlDialect() = default;
    // The statement in this engine's dialect.
    virtual QString Translate(const QString &sql) const = 0;
    // A parameter value as this engine wants it bound (dates as canonical text on SQLite).
    virtual QVariant BindValue(const QVariant &value) const { return value; }
    // Called once after the connection opened (SQLite registers its functions here).
    virtual void Prepare(QSqlDatabase &db) const;
};

// SQLite: "#2008-03-05#" literals, "select top n", DateDiff('m', a, b), len, left.
std::unique_ptr<TSqlDialect> MakeSqliteDialect();
// SQL Server over ODBC: "#…#" literals and DateDiff('m', …) written the server's way.
std::unique_ptr<TSqlDialect> MakeSqlServerDialect();

// The canonical stored form of a date-time on SQLite: "YYYY-MM-DD HH:MM:SS".
QString SqliteDateText(const QDateTime &value);
// Parses the canonical form (and a date alone, or an ISO "T" separator); invalid when it is not a date.
QDateTime ParseSqliteDate(QStringView text);
