#pragma once
// The database session: one connection chosen by an OLE DB style connection string, statements with
// named parameters, transactions, and the provider tests the program's SQL respects.

#include "db_parameter.h"
#include "row_reader.h"
#include "sql_dialect.h"

#include <functional>
#include <memory>
#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// What a connection string names: the Qt driver and how to open it.
struct TConnectionTarget
{
    QString Provider;     // the Provider= value as written
    QString Driver;       // "QSQLITE" or "QODBC"
    QString DatabaseName; // SQLite file, or the ODBC connection text
    QString UserName;
    QString Password;
    QString ConnectOptions;
};

class TDatabase
{
public:
    static inline const QString JetProvider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");
    static inline const QString SqlServerProvider = QStringLiteral("SQLOLEDB.1");

    TDatabase();
    ~TDatabase();
    TDatabase(const TDatabase &) = delete;
    TDatabase &operator=(const TDatabase &) = delete;

    // Closes, then opens the connection the string names. On failure shows "连接时失败,提示如下:\r\n%s".
    bool Connect(const QString &connectionString);
    bool Connected() const;
    void SetConnected(bool connected);
    const QString &ConnectionString() const { return m_connectionString; }

    // Runs a statement that returns no rows. Throws EDatabaseError: driver message, "\r\n", the SQL.
    void Execute(const QString &sql, const TDBParameters &params = {}, const TxDBParameters &blobParams = {});
    // The same, returning the number of rows affected.
    int ExecSQL(const QString &sql, const TDBParameters &params = {}, const TxDBParameters &blobParams = {});
    // Runs a query for a record set: rows are read forward only. Throws as Execute.
    std::unique_ptr<TRowReader> OpenQuery(const QString &sql, const TDBParameters &params = {});

    // The value after "key=" up to the next ";" in the connection string (empty when it is the last item).
    QString ConnectionParam(const QString &key) const;
    QString DataSourceName() const { return ConnectionParam(QStringLiteral("Data Source")); }
    QString ProviderName() const { return ConnectionParam(QStringLiteral("Provider")); }
    bool IsNotJet() const { return ProviderName() != JetProvider; }
    // #2008-01-26# on the desktop database, '2008-01-26' on SQL Server.
    QString DateLiteral(const QDate &date) const;
    QString DateLiteral(const QDateTime &date) const { return DateLiteral(date.date()); }

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return m_inTransaction; }

    // The Qt connection (open or not) and the dialect of the connected engine.
    QSqlDatabase Connection() const;
    const TSqlDialect &Dialect() const { return *m_dialect; }

    // Maps the connection string to a driver. Pure; throws EDatabaseError for an unknown provider.
    static TConnectionTarget ParseConnectionString(const QString &connectionString);
    // The ODBC driver name used for SQL Server (FreeTDS unless LANSHI_ODBC_DRIVER says otherwise).
    static QString OdbcDriverName();
    // Resolves a SQL Server name to "host,port" through the client aliases the program registered.
    static void SetServerAliasResolver(std::function<QString(const QString &server)> resolver);

private:
    // A statement in the engine's dialect with its parameter values in placeholder order.
    struct TPrepared
    {
        QString Sql;
        QVariantList Values;
    };
    TPrepared Prepare(const QString &sql, const TDBParameters &params, const TxDBParameters &blobParams);
    QSqlQuery Run(const TPrepared &prepared, const QString &sql, bool forwardOnly);
    void Open();
    [[noreturn]] void Fail(const QString &driverMessage, const QString &sql) const;

    QString m_connectionName;
    QString m_connectionString;
    std::unique_ptr<TSqlDialect> m_dialect;
    bool m_inTransaction = false;
};

// Rolls back a transaction unless Commit was called.
class TTransaction
{
public:
    explicit TTransaction(TDatabase &db);
    ~TTransaction();
    TTransaction(const TTransaction &) = delete;
    TTransaction &operator=(const TTransaction &) = delete;
    void Commit();

private:
    TDatabase &m_db;
    bool m_done = false;
};

// The one session of the program.
TDatabase &GlobalDatabase();
