// The connection settings of section [db] in cfg.ini and the connection strings built from them.
#include "db_configer.h"

#include "data/database.h"
#include "support/app_paths.h"
#include "support/interaction.h"
#include "support/messages.h"

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {

const QString DbSection = QStringLiteral("db");
// Where the SQL Server client aliases live when there is no Windows registry.
const QString AliasSection = QStringLiteral("ConnectTo");
// The client alias value: the TCP/IP network library, then the address.
const QString TcpLibrary = QStringLiteral("DBMSSOCN,");
#ifdef Q_OS_WIN
const QString AliasRegistryKey =
    QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\MSSQLServer\\Client\\ConnectTo");
#endif

const QByteArray ScrambleKey = QByteArrayLiteral("tovebrinal");

QString ReadScrambled(const TIniFile &ini, const QString &key)
{
    return TIniFile::FromGbk(Scramble(ini.ReadBytes(DbSection, key)));
}

void WriteScrambled(TIniFile &ini, const QString &key, const QString &value)
{
    ini.WriteBytes(DbSection, key, Scramble(TIniFile::ToGbk(value)));
}

// Lines as a text list sees them: CR LF, LF or CR end a line, and a break after the last line adds no
// empty line ("a\r\nb\r\n" is two lines, "a\r\nb\r\n\r\n" three).
QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        lines.append(text.mid(pos, end - pos));
        if (end < text.size() && text.at(end) == QLatin1Char('\r'))
            ++end;
        if (end < text.size() && text.at(end) == QLatin1Char('\n'))
            ++end;
        pos = end;
    }
    return lines;
}

} // namespace

QByteArray Scramble(const QByteArray &bytes)
{
    QByteArray result = bytes;
    for (qsizetype i = 1; i <= result.size(); ++i) {
        const auto keyByte = static_cast<unsigned char>(ScrambleKey.at(i % ScrambleKey.size()));
        result[i - 1] = char(static_cast<unsigned char>(result.at(i - 1)) ^ (keyByte % 10));
    }
    return result;
}

const QString TDBConfiger::WorkstationName = QStringLiteral("LANSHI");

TDBConfiger::TDBConfiger(const QString &iniPath) : m_ini(iniPath.isEmpty() ? AppPaths::ConfigFile() : iniPath)
{
    providerIdx = m_ini.ReadInteger(DbSection, QStringLiteral("providerIdx"), 0);
    defaultCon = m_ini.ReadBool(DbSection, QStringLiteral("defaultCon"), true);
    mssqlServer = m_ini.ReadString(DbSection, QStringLiteral("mssqlServer"));
    mssqlPort = m_ini.ReadInteger(DbSection, QStringLiteral("mssqlPort"), 1433);
    mssqlDb = m_ini.ReadString(DbSection, QStringLiteral("mssqlDb"));
    mssqlUser = m_ini.ReadString(DbSection, QStringLiteral("mssqlUser"));
    mssqlPw = ReadScrambled(m_ini, QStringLiteral("mssqlPw"));
    jetfile = ReadScrambled(m_ini, QStringLiteral("jetfile"));
    jetUser = m_ini.ReadString(DbSection, QStringLiteral("jetUser"));
    jetPw = ReadScrambled(m_ini, QStringLiteral("jetPw"));
    dipUrl = m_ini.ReadString(DbSection, QStringLiteral("dipUrl"));
    dipUser = m_ini.ReadString(DbSection, QStringLiteral("dipUser"));

    // The SQL Server connection string carries no port; the data layer finds it through the client alias
    // kept beside these settings. The path is copied: the resolver outlives this object.
    const QString path = m_ini.FileName();
    TDatabase::SetServerAliasResolver([path](const QString &server) { return ResolveAlias(path, server); });
}

void TDBConfiger::SaveSettings()
{
    m_ini.WriteString(DbSection, QStringLiteral("mssqlServer"), mssqlServer);
    m_ini.WriteInteger(DbSection, QStringLiteral("mssqlPort"), mssqlPort);
    m_ini.WriteString(DbSection, QStringLiteral("mssqlDb"), mssqlDb);
    m_ini.WriteString(DbSection, QStringLiteral("mssqlUser"), mssqlUser);
    WriteScrambled(m_ini, QStringLiteral("mssqlPw"), mssqlPw);
    WriteScrambled(m_ini, QStringLiteral("jetfile"), jetfile);
    m_ini.WriteString(DbSection, QStringLiteral("jetUser"), jetUser);
    WriteScrambled(m_ini, QStringLiteral("jetPw"), jetPw);
    m_ini.WriteString(DbSection, QStringLiteral("dipUrl"), dipUrl);
    m_ini.WriteString(DbSection, QStringLiteral("dipUser"), dipUser);
    m_ini.WriteInteger(DbSection, QStringLiteral("providerIdx"), providerIdx);
    m_ini.WriteBool(DbSection, QStringLiteral("defaultCon"), defaultCon);

    QString stored;
    if (providerIdx == ProviderSqlServer) {
        stored = SqlServerConnectionString(mssqlUser, mssqlPw, mssqlDb, mssqlServer);
        RegisterAlias(mssqlServer, QString::number(mssqlPort), SmartConnection);
    } else if (providerIdx == ProviderJet) {
        // Kept even while the built-in connection is chosen, so unticking it later finds the file.
        stored = JetConnectionString(jetPw, jetfile);
    }
    WriteScrambled(m_ini, QStringLiteral("ConnStr"), stored);
}

QString TDBConfiger::GetConnectionString()
{
    if (providerIdx == ProviderJet && defaultCon)
        return BuiltInConnectionString();
    if (providerIdx == ProviderDip)
        return FetchDipConnection();
    // Read from the file now: what was last saved counts, not what this object holds.
    const TIniFile current(m_ini.FileName());
    return ReadScrambled(current, QStringLiteral("ConnStr"));
}

QString TDBConfiger::FetchDipConnection()
{
    const THttpReply reply = Interaction().HttpGet(QStringLiteral("%1?user=%2").arg(dipUrl, dipUser));
    if (!reply.Ok) {
        ShowInfo(QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通."));
        return QString();
    }
    // Server, port, login name, password, database.
    const QStringList lines = SplitLines(reply.Body);
    if (lines.size() != 5)
        return QString();
    RegisterAlias(lines.at(0), lines.at(1), false);
    return DipConnectionString(lines.at(0), lines.at(2), lines.at(3), lines.at(4));
}

void TDBConfiger::RegisterAlias(const QString &server, const QString &port, bool remove)
{
    // A nameless alias would reach no server.
    if (server.isEmpty())
        return;
    const QString address = port.isEmpty() ? server : QStringLiteral("%1,%2").arg(server, port);
#ifdef Q_OS_WIN
    QSettings registry(AliasRegistryKey, QSettings::NativeFormat);
    if (registry.status() != QSettings::NoError || !registry.isWritable())
        return;
    if (remove)
        registry.remove(server);
    else
        registry.setValue(server, TcpLibrary + address);
    registry.sync();
#else
    if (remove)
        m_ini.DeleteKey(AliasSection, server);
    else
        m_ini.WriteString(AliasSection, server, TcpLibrary + address);
#endif
}

QString TDBConfiger::ResolveAlias(const QString &iniPath, const QString &server)
{
    if (server.isEmpty())
        return QString();
#ifdef Q_OS_WIN
    Q_UNUSED(iniPath);
    const QSettings registry(AliasRegistryKey, QSettings::NativeFormat);
    const QString value = registry.value(server).toString();
#else
    const QString value = TIniFile(iniPath).ReadString(AliasSection, server);
#endif
    // Only TCP/IP aliases name a host and port.
    if (!value.startsWith(TcpLibrary, Qt::CaseInsensitive))
        return QString();
    return value.mid(TcpLibrary.size()).trimmed();
}

QString TDBConfiger::SqlServerConnectionString(const QString &user, const QString &password,
                                               const QString &database, const QString &server)
{
    return QStringLiteral(
               "Provider=SQLOLEDB.1;Persist Security Info=False;User ID=%1;Password=%2;Initial Catalog=%3;"
               "Data Source=%4;Use Procedure for Prepare=1;Auto Translate=True;Packet Size=4096;"
               "Workstation ID=%5;Use Encryption for Data=False;"
               "Tag with column collation when possible=False")
        .arg(user, password, database, server, WorkstationName);
}

QString TDBConfiger::JetConnectionString(const QString &password, const QString &file)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Mode = ReadWrite;Jet OLEDB:Database Password=%1;"
                          "Data Source=%2;Persist Security Info=True")
        .arg(password, file);
}

QString TDBConfiger::BuiltInConnectionString()
{
    return QStringLiteral(
               "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Jet OLEDB:Database Password=mirotabe;"
               "Persist Security Info=True")
        .arg(AppPaths::DefaultDatabasePath());
}

QString TDBConfiger::DipConnectionString(const QString &server, const QString &user, const QString &password,
                                         const QString &database)
{
    return QStringLiteral("Provider=SQLOLEDB.1;Data Source=%1;User ID=%2;Password=%3;Initial Catalog=%4;"
                          "Persist Security Info=True")
        .arg(server, user, password, database);
}
