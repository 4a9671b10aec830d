#pragma once
// Where the database is and how to reach it: section [db] of cfg.ini, turned into the connection string of
// one of three providers.

#include "ini_file.h"

#include <QByteArray>
#include <QString>

// The same call scrambles and unscrambles: byte i (1-based) XOR (key[i mod 10] mod 10), key "tovebrinal".
QByteArray Scramble(const QByteArray &bytes);

class TDBConfiger
{
public:
    // Providers by their position in the connection dialog's list.
    enum
    {
        ProviderSqlServer = 0,
        ProviderJet = 1,
        ProviderDip = 2
    };

    // The fixed workstation name inside the SQL Server connection string.
    static const QString WorkstationName;

    // Opens cfg.ini (the profile's unless a path is given) and reads every key with its default.
    explicit TDBConfiger(const QString &iniPath = QString());

    void SaveSettings();
    QString GetConnectionString();
    // Provider 2: GET "%s?user=%s" and build the connection from its five lines; empty otherwise.
    QString FetchDipConnection();
    // Keeps the SQL Server client alias "DBMSSOCN,server,port" (registry on Windows, [ConnectTo] of cfg.ini
    // elsewhere); remove deletes it.
    void RegisterAlias(const QString &server, const QString &port, bool remove);

    // Connection-string templates filled with their arguments.
    static QString SqlServerConnectionString(const QString &user, const QString &password,
                                             const QString &database, const QString &server);
    static QString JetConnectionString(const QString &password, const QString &file);
    static QString BuiltInConnectionString();
    static QString DipConnectionString(const QString &server, const QString &user, const QString &password,
                                       const QString &database);
    // "host,port" of a registered alias, empty when there is none (used by the data layer on every platform).
    static QString ResolveAlias(const QString &iniPath, const QString &server);

    const QString &IniPath() const { return m_ini.FileName(); }

    int providerIdx = 0;
    bool defaultCon = true;
    QString mssqlServer;
    int mssqlPort = 1433;
    QString mssqlDb;
    QString mssqlUser;
    QString mssqlPw;
    QString jetfile;
    QString jetUser;
    QString jetPw;
    QString dipUrl;
    QString dipUser;
    // Not stored: set by the dialog's check box "采用智能连接".
    bool SmartConnection = false;

private:
    TIniFile m_ini;
};
