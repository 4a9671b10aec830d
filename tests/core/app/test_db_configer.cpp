// The connection settings: scrambling, the stored keys, the connection string of each provider, the
// client alias and the connection details fetched over HTTP.
#include "app/db_configer.h"
#include "data/database.h"
#include "local_http_server.h"
#include "scripted_interaction.h"
#include "support/app_paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Db = QStringLiteral("db");
const QString DipFailure = QStringLiteral("\r\n无法获得DIP连接信息,请检查网络是否畅通.\t");

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Settings touching every key, with text outside ASCII in the scrambled ones.
void FillSettings(TDBConfiger &cfg)
{
    cfg.mssqlServer = QStringLiteral("finance");
    cfg.mssqlPort = 1500;
    cfg.mssqlDb = QStringLiteral("assets");
    cfg.mssqlUser = QStringLiteral("clerk");
    cfg.mssqlPw = QStringLiteral("密码 pw!");
    cfg.jetfile = QStringLiteral("/data/资产.mdb");
    cfg.jetUser = QStringLiteral("admin");
    cfg.jetPw = QStringLiteral("jet;pw");
    cfg.dipUrl = QStringLiteral("http://dip.example/conn");
    cfg.dipUser = QStringLiteral("branch");
}

} // namespace

class TestDBConfiger : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void scramble_data();
    void scramble();
    void scrambleReversesEveryByte();
    void templates_data();
    void templates();
    void absentKeysTakeDefaults_data();
    void absentKeysTakeDefaults();
    void saveSettingsStoresEveryKey();
    void connectionStringPerProvider_data();
    void connectionStringPerProvider();
    void storedStringIsReadFromFileEachTime();
    void dipProviderStoresEmptyString();
    void smartConnectionRemovesAlias();
    void aliasWithoutPort();
    void dipReply_data();
    void dipReply();
    void dipFailure_data();
    void dipFailure();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_ini;
    std::unique_ptr<TScriptedScope> m_scripted;
};

void TestDBConfiger::initTestCase()
{
    static QTemporaryDir profile;
    QVERIFY(profile.isValid());
    AppPaths::SetProfileDir(profile.path());
}

void TestDBConfiger::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_ini = m_dir->filePath(QStringLiteral("cfg.ini"));
    m_scripted = std::make_unique<TScriptedScope>();
}

void TestDBConfiger::cleanup()
{
    m_scripted.reset();
    TDatabase::SetServerAliasResolver({});
}

void TestDBConfiger::scramble_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("scrambled");

    // Key bytes mod 10 from position 1 on: o 1, v 8, e 1, b 8, r 4, i 5, n 0, a 7, l 8, then t 6, o 1 again.
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("ascii") << QByteArray("abc") << QByteArray("`jb");
    QTest::newRow("key wraps after ten bytes") << QByteArray("00000000000") << QByteArray("18184507861");
    // 密码 in GBK is C3 DC C2 EB.
    QTest::newRow("gbk") << QByteArray("\xc3\xdc\xc2\xeb") << QByteArray("\xc2\xd4\xc3\xe3");
}

void TestDBConfiger::scramble()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, scrambled);
    QCOMPARE(Scramble(plain), scrambled);
    QCOMPARE(Scramble(scrambled), plain);
}

void TestDBConfiger::scrambleReversesEveryByte()
{
    QByteArray all;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
    }
    const QByteArray once = Scramble(all);
    QCOMPARE(once.size(), all.size());
    QVERIFY(once != all);
    QCOMPARE(Scramble(once), all);
    for (qsizetype i = 0; i < all.size(); ++i)
        QCOMPARE(static_cast<unsigned char>(once.at(i)) & 0xF0, static_cast<unsigned char>(all.at(i)) & 0xF0);
}

void TestDBConfiger::templates_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sql server")
        << TDBConfiger::SqlServerConnectionString(QStringLiteral("u"), QStringLiteral("p%1"),
                                                  QStringLiteral("d"), QStringLiteral("s"))
        << QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=False;User ID=u;Password=p%1;Initial "
                          "Catalog=d;Data Source=s;Use Procedure for Prepare=1;Auto Translate=True;Packet "
                          "Size=4096;Workstation ID=LANSHI;Use Encryption for Data=False;Tag with column "
                          "collation when possible=False");
    QTest::newRow("jet file") << TDBConfiger::JetConnectionString(QStringLiteral("p"),
                                                                  QStringLiteral("f.mdb"))
                              << QStringLiteral(
                                     "Provider=Microsoft.Jet.OLEDB.4.0;Mode = ReadWrite;Jet "
                                     "OLEDB:Database Password=p;Data Source=f.mdb;Persist Security "
                                     "Info=True");
    QTest::newRow("built-in") << TDBConfiger::BuiltInConnectionString()
                              << QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                                     AppPaths::DefaultDatabasePath() +
                                     QStringLiteral(";Jet OLEDB:Database Password=mirotabe;Persist Security "
                                                    "Info=True");
    QTest::newRow("fetched") << TDBConfiger::DipConnectionString(QStringLiteral("s"), QStringLiteral("u"),
                                                                 QStringLiteral("p"), QStringLiteral("d"))
                             << QStringLiteral(
                                    "Provider=SQLOLEDB.1;Data Source=s;User ID=u;Password=p;Initial "
                                    "Catalog=d;Persist Security Info=True");
}

void TestDBConfiger::templates()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestDBConfiger::absentKeysTakeDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("other sections only") << QByteArray("[Login]\r\nLastLoginId=3\r\n");
    QTest::newRow("port not a number") << QByteArray("[db]\r\nmssqlPort=14x3\r\n");
}

void TestDBConfiger::absentKeysTakeDefaults()
{
    QFETCH(QByteArray, content);
    if (!content.isNull()) {
        QFile file(m_ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const TDBConfiger cfg(m_ini);
    QCOMPARE(cfg.providerIdx, 0);
    QCOMPARE(cfg.defaultCon, true);
    QCOMPARE(cfg.mssqlPort, 1433);
    for (const QString &text : {cfg.mssqlServer, cfg.mssqlDb, cfg.mssqlUser, cfg.mssqlPw, cfg.jetfile,
                                cfg.jetUser, cfg.jetPw, cfg.dipUrl, cfg.dipUser})
        QVERIFY(text.isEmpty());
    QCOMPARE(cfg.SmartConnection, false);
}

void TestDBConfiger::saveSettingsStoresEveryKey()
{
    {
        TDBConfiger cfg(m_ini);
        FillSettings(cfg);
        cfg.providerIdx = TDBConfiger::ProviderJet;
        cfg.defaultCon = false;
        cfg.SaveSettings();
    }
    const TIniFile ini(m_ini);
    QCOMPARE(ini.ReadSection(Db),
             QStringList({QStringLiteral("mssqlServer"), QStringLiteral("mssqlPort"),
                          QStringLiteral("mssqlDb"), QStringLiteral("mssqlUser"), QStringLiteral("mssqlPw"),
                          QStringLiteral("jetfile"), QStringLiteral("jetUser"), QStringLiteral("jetPw"),
                          QStringLiteral("dipUrl"), QStringLiteral("dipUser"), QStringLiteral("providerIdx"),
                          QStringLiteral("defaultCon"), QStringLiteral("ConnStr")}));

    const QByteArray file = ReadFile(m_ini);
    for (const char *plain : {"mssqlServer=finance\r\n", "mssqlPort=1500\r\n", "jetUser=admin\r\n",
                              "providerIdx=1\r\n", "defaultCon=0\r\n"})
        QVERIFY2(file.contains(plain), plain);
    for (const QString &secret : {QStringLiteral("密码"), QStringLiteral("资产"), QStringLiteral("jet;pw"),
                                  QStringLiteral("Jet OLEDB")})
        QVERIFY2(!file.contains(TIniFile::ToGbk(secret)), qPrintable(secret));
    QCOMPARE(ini.ReadBytes(Db, QStringLiteral("jetPw")), Scramble("jet;pw"));

    const TDBConfiger back(m_ini);
    TDBConfiger expected(m_dir->filePath(QStringLiteral("unused.ini")));
    FillSettings(expected);
    QCOMPARE(back.providerIdx, int(TDBConfiger::ProviderJet));
    QCOMPARE(back.defaultCon, false);
    QCOMPARE(back.mssqlServer, expected.mssqlServer);
    QCOMPARE(back.mssqlPort, expected.mssqlPort);
    QCOMPARE(back.mssqlDb, expected.mssqlDb);
    QCOMPARE(back.mssqlUser, expected.mssqlUser);
    QCOMPARE(back.mssqlPw, expected.mssqlPw);
    QCOMPARE(back.jetfile, expected.jetfile);
    QCOMPARE(back.jetUser, expected.jetUser);
    QCOMPARE(back.jetPw, expected.jetPw);
    QCOMPARE(back.dipUrl, expected.dipUrl);
    QCOMPARE(back.dipUser, expected.dipUser);
}

void TestDBConfiger::connectionStringPerProvider_data()
{
    QTest::addColumn<int>("provider");
    QTest::addColumn<bool>("defaultCon");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sql server") << int(TDBConfiger::ProviderSqlServer) << true
                                << TDBConfiger::SqlServerConnectionString(
                                       QStringLiteral("clerk"), QStringLiteral("密码 pw!"),
                                       QStringLiteral("assets"), QStringLiteral("finance"));
    QTest::newRow("jet built-in ignores the file")
        << int(TDBConfiger::ProviderJet) << true << TDBConfiger::BuiltInConnectionString();
    QTest::newRow("jet file") << int(TDBConfiger::ProviderJet) << false
                              << TDBConfiger::JetConnectionString(QStringLiteral("jet;pw"),
                                                                  QStringLiteral("/data/资产.mdb"));
}

void TestDBConfiger::connectionStringPerProvider()
{
    QFETCH(int, provider);
    QFETCH(bool, defaultCon);
    QFETCH(QString, expected);
    {
        TDBConfiger cfg(m_ini);
        FillSettings(cfg);
        cfg.providerIdx = provider;
        cfg.defaultCon = defaultCon;
        cfg.SaveSettings();
    }
    TDBConfiger cfg(m_ini);
    QCOMPARE(cfg.GetConnectionString(), expected);
    QVERIFY((*m_scripted)->Messages.isEmpty());
}

void TestDBConfiger::storedStringIsReadFromFileEachTime()
{
    TDBConfiger cfg(m_ini);
    FillSettings(cfg);
    cfg.SaveSettings();

    const QString changed = TDBConfiger::JetConnectionString(QStringLiteral("x"), QStringLiteral("其他.mdb"));
    TIniFile other(m_ini);
    QVERIFY(other.WriteBytes(Db, QStringLiteral("ConnStr"), Scramble(TIniFile::ToGbk(changed))));
    QCOMPARE(cfg.GetConnectionString(), changed);
}

void TestDBConfiger::dipProviderStoresEmptyString()
{
    TDBConfiger cfg(m_ini);
    FillSettings(cfg);
    cfg.SaveSettings();
    QVERIFY(!TIniFile(m_ini).ReadBytes(Db, QStringLiteral("ConnStr")).isEmpty());

    cfg.providerIdx = TDBConfiger::ProviderDip;
    cfg.SaveSettings();
    const TIniFile ini(m_ini);
    QVERIFY(ini.ValueExists(Db, QStringLiteral("ConnStr")));
    QVERIFY(ini.ReadBytes(Db, QStringLiteral("ConnStr")).isEmpty());
}

void TestDBConfiger::smartConnectionRemovesAlias()
{
    TDBConfiger cfg(m_ini);
    FillSettings(cfg);
    cfg.SaveSettings();
    QCOMPARE(TIniFile(m_ini).ReadString(QStringLiteral("ConnectTo"), QStringLiteral("finance")),
             QStringLiteral("DBMSSOCN,finance,1500"));
    QCOMPARE(TDBConfiger::ResolveAlias(m_ini, QStringLiteral("FINANCE")), QStringLiteral("finance,1500"));
    // The data layer reaches the port through the alias.
    QVERIFY(TDatabase::ParseConnectionString(cfg.GetConnectionString())
                .DatabaseName.contains(QStringLiteral("PORT=1500;")));

    cfg.SmartConnection = true;
    cfg.SaveSettings();
    QVERIFY(!TIniFile(m_ini).ValueExists(QStringLiteral("ConnectTo"), QStringLiteral("finance")));
    QVERIFY(TDBConfiger::ResolveAlias(m_ini, QStringLiteral("finance")).isEmpty());
    QVERIFY(!TDatabase::ParseConnectionString(cfg.GetConnectionString())
                 .DatabaseName.contains(QStringLiteral("PORT=")));
}

void TestDBConfiger::aliasWithoutPort()
{
    TDBConfiger cfg(m_ini);
    cfg.RegisterAlias(QStringLiteral("srv"), QString(), false);
    QCOMPARE(TIniFile(m_ini).ReadString(QStringLiteral("ConnectTo"), QStringLiteral("srv")),
             QStringLiteral("DBMSSOCN,srv"));
    QCOMPARE(TDBConfiger::ResolveAlias(m_ini, QStringLiteral("srv")), QStringLiteral("srv"));
    QVERIFY(TDBConfiger::ResolveAlias(m_ini, QStringLiteral("other")).isEmpty());
}

void TestDBConfiger::dipReply_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("connects");

    QTest::newRow("five lines, CR LF, final break")
        << QByteArray("db.example\r\n1600\r\nsa\r\npw\r\nassets\r\n") << true;
    QTest::newRow("five lines, LF, no final break") << QByteArray("db.example\n1600\nsa\npw\nassets") << true;
    QTest::newRow("four lines") << QByteArray("db.example\r\n1600\r\nsa\r\npw\r\n") << false;
    QTest::newRow("six lines") << QByteArray("db.example\r\n1600\r\nsa\r\npw\r\nassets\r\nextra\r\n")
                               << false;
    QTest::newRow("five lines and a blank one")
        << QByteArray("db.example\r\n1600\r\nsa\r\npw\r\nassets\r\n\r\n") << false;
    QTest::newRow("empty reply") << QByteArray() << false;
}

void TestDBConfiger::dipReply()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, connects);

    TLocalHttpServer server;
    server.Replies.enqueue({200, body});
    TDBConfiger cfg(m_ini);
    cfg.providerIdx = TDBConfiger::ProviderDip;
    cfg.dipUrl = server.Url(QStringLiteral("/conn"));
    cfg.dipUser = QStringLiteral("branch");

    const QString connection = cfg.GetConnectionString();
    QCOMPARE(server.Requests.size(), 1);
    QCOMPARE(server.Requests.first().Path, QByteArray("/conn?user=branch"));
    QVERIFY((*m_scripted)->Messages.isEmpty());
    if (connects) {
        QCOMPARE(connection,
                 TDBConfiger::DipConnectionString(QStringLiteral("db.example"), QStringLiteral("sa"),
                                                  QStringLiteral("pw"), QStringLiteral("assets")));
        QCOMPARE(TDBConfiger::ResolveAlias(m_ini, QStringLiteral("db.example")),
                 QStringLiteral("db.example,1600"));
    } else {
        QVERIFY(connection.isEmpty());
        QVERIFY(!QFile::exists(m_ini));
    }
}

void TestDBConfiger::dipFailure_data()
{
    QTest::addColumn<bool>("serverRuns");
    QTest::newRow("server error") << true;
    QTest::newRow("nobody listening") << false;
}

void TestDBConfiger::dipFailure()
{
    QFETCH(bool, serverRuns);

    TLocalHttpServer server;
    server.Replies.enqueue({500, QByteArray("db.example\r\n1600\r\nsa\r\npw\r\nassets\r\n")});
    TDBConfiger cfg(m_ini);
    cfg.providerIdx = TDBConfiger::ProviderDip;
    cfg.dipUrl = server.Url(QStringLiteral("/conn"));
    if (!serverRuns)
        server.close();

    QVERIFY(cfg.FetchDipConnection().isEmpty());
    QCOMPARE((*m_scripted)->MessageTexts(), QStringList{DipFailure});
    QCOMPARE((*m_scripted)->Messages.first().Kind, TMsgKind::Information);
    QVERIFY(!QFile::exists(m_ini));
}

QTEST_GUILESS_MAIN(TestDBConfiger)
#include "test_db_configer.moc"
