#include "database.h"

#include "schema.h"
#include "sqlite_reader.h"
#include "support/app_paths.h"
#include "support/errors.h"
#include "support/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>

namespace {

std::function<QString(const QString &)> &AliasResolver()
{
    static std::function<QString(const QString &)> resolver;
    return resolver;
}

QString DriverMessage(const QSqlError &error)
{
    const QString database = error.databaseText().trimmed();
    const QString driver = error.driverText().trimmed();
    if (database.isEmpty())
        return driver.isEmpty() ? QStringLiteral("未知错误") : driver;
    return database;
}

// Items of a connection string: "Key=Value" separated by ";", keys compared without case and spaces.
QString Item(const QString &connectionString, const QString &key)
{
    for (const QString &item : connectionString.split(QLatin1Char(';'))) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (item.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return item.mid(eq + 1).trimmed();
    }
    return {};
}

bool SameFile(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

TDatabase::TDatabase()
    : m_connectionName(QStringLiteral("lanshi-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_dialect(MakeSqliteDialect())
{
    // Qt's registry of connections must exist before the session does, so that it is destroyed after the
    // session at exit: the session closes its connection through it.
    QSqlDatabase::connectionNames();
}

TDatabase::~TDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isValid())
            db.close();
    }
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

QString TDatabase::OdbcDriverName()
{
    const QString configured = qEnvironmentVariable("LANSHI_ODBC_DRIVER");
    return configured.isEmpty() ? QStringLiteral("FreeTDS") : configured;
}

void TDatabase::SetServerAliasResolver(std::function<QString(const QString &)> resolver)
{
    AliasResolver() = std::move(resolver);
}

TConnectionTarget TDatabase::ParseConnectionString(const QString &connectionString)
{
    TConnectionTarget target;
    target.Provider = Item(connectionString, QStringLiteral("Provider"));
    const QString dataSource = Item(connectionString, QStringLiteral("Data Source"));
    if (target.Provider.compare(JetProvider, Qt::CaseInsensitive) == 0) {
        // The desktop database is an SQLite file; its database password has no meaning there.
        target.Driver = QStringLiteral("QSQLITE");
        target.DatabaseName = dataSource;
        target.ConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
        return target;
    }
    if (target.Provider.compare(SqlServerProvider, Qt::CaseInsensitive) == 0) {
        target.Driver = QStringLiteral("QODBC");
        QString address = dataSource;
        if (AliasResolver()) {
            const QString alias = AliasResolver()(dataSource);
            if (!alias.isEmpty())
                address = alias;
        }
        QString host = address, port;
        const qsizetype comma = address.indexOf(QLatin1Char(','));
        if (comma >= 0) {
            host = address.left(comma).trimmed();
            port = address.mid(comma + 1).trimmed();
        }
        target.UserName = Item(connectionString, QStringLiteral("User ID"));
        target.Password = Item(connectionString, QStringLiteral("Password"));
        target.DatabaseName = QStringLiteral("DRIVER={%1};SERVER=%2;%3DATABASE=%4;ClientCharset=UTF-8;")
                                  .arg(OdbcDriverName(), host,
                                       port.isEmpty() ? QString() : QStringLiteral("PORT=%1;").arg(port),
                                       Item(connectionString, QStringLiteral("Initial Catalog")));
        target.ConnectOptions = QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=120;SQL_ATTR_CONNECTION_TIMEOUT=120");
        return target;
    }
    if (connectionString.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("没有设置数据库连接参数"));
    throw EDatabaseError(QStringLiteral("不支持的数据提供者: %1").arg(target.Provider));
}

QSqlDatabase TDatabase::Connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool TDatabase::Connect(const QString &connectionString)
{
    SetConnected(false);
    m_connectionString = connectionString;
    try {
        Open();
    } catch (const Exception &error) {
        ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(error.Message()));
    }
    return Connected();
}

void TDatabase::Open()
{
    const TConnectionTarget target = ParseConnectionString(m_connectionString);
    if (target.Driver == QLatin1String("QSQLITE")) {
        if (target.DatabaseName.isEmpty())
            throw EDatabaseError(QStringLiteral("没有指定数据库文件"));
        if (!QFileInfo::exists(target.DatabaseName)) {
            // Only the built-in database is made on first use; a configured file that is missing is an error.
            if (!SameFile(target.DatabaseName, AppPaths::DefaultDatabasePath()))
                throw EDatabaseError(QStringLiteral("找不到数据库文件 %1").arg(target.DatabaseName));
            CreateDatabaseFile(target.DatabaseName);
        }
    }
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
    QSqlDatabase db = QSqlDatabase::addDatabase(target.Driver, m_connectionName);
    if (!db.isValid())
        throw EDatabaseError(QStringLiteral("没有安装数据库驱动 %1").arg(target.Driver));
    db.setDatabaseName(target.DatabaseName);
    db.setUserName(target.UserName);
    db.setPassword(target.Password);
    db.setConnectOptions(target.ConnectOptions);
    if (!db.open())
        throw EDatabaseError(DriverMessage(db.lastError()));
    m_dialect = target.Driver == QLatin1String("QSQLITE") ? MakeSqliteDialect() : MakeSqlServerDialect();
    m_dialect->Prepare(db);
    if (target.Driver == QLatin1String("QSQLITE")) {
        // A file that is not an SQLite database opens lazily; ask it something now.
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("select count(*) from sqlite_master"))) {
            const QString message = DriverMessage(probe.lastError());
            db.close();
            throw EDatabaseError(message);
        }
        probe.exec(QStringLiteral("pragma foreign_keys=off"));
    }
    m_inTransaction = false;
}

bool TDatabase::Connected() const
{
    const QSqlDatabase db = Connection();
    return db.isValid() && db.isOpen();
}

void TDatabase::SetConnected(bool connected)
{
    if (connected) {
        if (!Connected())
            Open();
        return;
    }
    QSqlDatabase db = Connection();
    if (db.isValid())
        db.close();
    m_inTransaction = false;
}

void TDatabase::Fail(const QString &driverMessage, const QString &sql) const
{
    throw EDatabaseError(driverMessage + QStringLiteral("\r\n") + sql);
}

TDatabase::TPrepared TDatabase::Prepare(const QString &sql, const TDBParameters &params,
                                        const TxDBParameters &blobParams)
{
    const TParsedStatement parsed = ParseNamedParameters(sql);
    CheckParameters(parsed, params, blobParams, sql);
    if (!Connected()) {
        try {
            Open();
        } catch (const Exception &error) {
            Fail(error.Message(), sql);
        }
    }
    TPrepared prepared;
    prepared.Sql = m_dialect->Translate(parsed.Sql);
    for (const QString &name : parsed.ParameterNames) {
        QVariant value;
        bool found = false;
        for (const TDBParameter &param : params) {
            if (param.Name.compare(name, Qt::CaseInsensitive) == 0) {
                value = m_dialect->BindValue(param.Value);
                found = true;
                break;
            }
        }
        for (int i = 0; !found && i < blobParams.size(); ++i) {
            if (blobParams.at(i).Name.compare(name, Qt::CaseInsensitive) == 0) {
                const QByteArray &data = blobParams.at(i).Data;
                value = data.isNull() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(data);
                found = true;
            }
        }
        prepared.Values.append(value);
    }
    return prepared;
}

QSqlQuery TDatabase::Run(const TPrepared &prepared, const QString &sql, bool forwardOnly)
{
    QSqlQuery query(Connection());
    query.setForwardOnly(forwardOnly);
    if (!query.prepare(prepared.Sql))
        Fail(DriverMessage(query.lastError()), sql);
    for (int i = 0; i < prepared.Values.size(); ++i)
        query.bindValue(i, prepared.Values.at(i));
    if (!query.exec())
        Fail(DriverMessage(query.lastError()), sql);
    return query;
}

void TDatabase::Execute(const QString &sql, const TDBParameters &params, const TxDBParameters &blobParams)
{
    Run(Prepare(sql, params, blobParams), sql, false);
}

int TDatabase::ExecSQL(const QString &sql, const TDBParameters &params, const TxDBParameters &blobParams)
{
    return Run(Prepare(sql, params, blobParams), sql, false).numRowsAffected();
}

std::unique_ptr<TRowReader> TDatabase::OpenQuery(const QString &sql, const TDBParameters &params)
{
    const TPrepared prepared = Prepare(sql, params, {});
    // SQLite rows are read straight from the engine; other engines go through the Qt driver.
    if (Connection().driverName() == QLatin1String("QSQLITE"))
        return OpenSqliteRows(Connection(), prepared.Sql, prepared.Values, sql);
    return MakeQtRowReader(Run(prepared, sql, true), sql);
}

QString TDatabase::ConnectionParam(const QString &key) const
{
    const qsizetype at = m_connectionString.indexOf(key);
    if (at < 0)
        return {};
    const qsizetype valueStart = at + key.size() + 1; // skips the "=" after the key
    const qsizetype end = m_connectionString.indexOf(QLatin1Char(';'), valueStart);
    if (end < 0)
        return {};
    return m_connectionString.mid(valueStart, end - valueStart);
}

QString TDatabase::DateLiteral(const QDate &date) const
{
    const QString text = QStringLiteral("%1-%2-%3")
                             .arg(date.year(), 4, 10, QLatin1Char('0'))
                             .arg(date.month(), 2, 10, QLatin1Char('0'))
                             .arg(date.day(), 2, 10, QLatin1Char('0'));
    return IsNotJet() ? QLatin1Char('\'') + text + QLatin1Char('\'')
                      : QLatin1Char('#') + text + QLatin1Char('#');
}

void TDatabase::BeginTrans()
{
    if (!Connected())
        Open();
    QSqlDatabase db = Connection();
    if (!db.transaction())
        throw EDatabaseError(DriverMessage(db.lastError()));
    m_inTransaction = true;
}

void TDatabase::CommitTrans()
{
    QSqlDatabase db = Connection();
    m_inTransaction = false;
    if (!db.commit())
        throw EDatabaseError(DriverMessage(db.lastError()));
}

void TDatabase::RollbackTrans()
{
    QSqlDatabase db = Connection();
    m_inTransaction = false;
    if (!db.rollback())
        throw EDatabaseError(DriverMessage(db.lastError()));
}

TTransaction::TTransaction(TDatabase &db) : m_db(db)
{
    m_db.BeginTrans();
}

TTransaction::~TTransaction()
{
    if (m_done)
        return;
    try {
        m_db.RollbackTrans();
    } catch (...) {
        // the transaction is gone either way; the original error is the one the caller reports
    }
}

void TTransaction::Commit()
{
    m_db.CommitTrans();
    m_done = true;
}

TDatabase &GlobalDatabase()
{
    static TDatabase database;
    return database;
}
