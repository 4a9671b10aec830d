// Reading and rewriting cfg.ini: Windows syntax, GBK bytes, CR LF, other content kept.
#include "app/ini_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void missingFileReadsEmpty();
    void readString_data();
    void readString();
    void readNumbers_data();
    void readNumbers();
    void rewriteKeepsTheRest();
    void writeCreatesFile();
    void gbkValueRoundTrips();
    void rawBytesRoundTrip_data();
    void rawBytesRoundTrip();
    void writeKeepsOtherWritersValues();
    void unwritableFileKeepsValueInMemory();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("cfg.ini"));
}

void TestIniFile::missingFileReadsEmpty()
{
    const TIniFile ini(m_path);
    QCOMPARE(ini.ReadString(QStringLiteral("db"), QStringLiteral("mssqlServer"), QStringLiteral("x")),
             QStringLiteral("x"));
    QCOMPARE(ini.ReadInteger(QStringLiteral("db"), QStringLiteral("mssqlPort"), 1433), 1433);
    QVERIFY(ini.ReadBytes(QStringLiteral("db"), QStringLiteral("mssqlPw")).isNull());
    QVERIFY(ini.ReadSection(QStringLiteral("db")).isEmpty());
    QVERIFY(!QFile::exists(m_path));
}

void TestIniFile::readString_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact names") << QStringLiteral("db") << QStringLiteral("mssqlDb") << true
                                 << QStringLiteral("assets");
    QTest::newRow("names in other case")
        << QStringLiteral("DB") << QStringLiteral("MSSQLDB") << true << QStringLiteral("assets");
    QTest::newRow("blanks around key and value")
        << QStringLiteral("db") << QStringLiteral("mssqlUser") << true << QStringLiteral("sa");
    QTest::newRow("enclosing quotes dropped")
        << QStringLiteral("db") << QStringLiteral("dipUrl") << true << QStringLiteral(" http://h/dip ");
    QTest::newRow("split at the first equals sign")
        << QStringLiteral("db") << QStringLiteral("jetUser") << true << QStringLiteral("a=b");
    QTest::newRow("first of two equal keys")
        << QStringLiteral("db") << QStringLiteral("dipUser") << true << QStringLiteral("first");
    QTest::newRow("empty value") << QStringLiteral("db") << QStringLiteral("mssqlPw") << true << QString();
    QTest::newRow("commented key") << QStringLiteral("db") << QStringLiteral("providerIdx") << false
                                   << QStringLiteral("default");
    QTest::newRow("key of another section")
        << QStringLiteral("db") << QStringLiteral("LastLoginId") << false << QStringLiteral("default");
    QTest::newRow("line before any section")
        << QString() << QStringLiteral("stray") << false << QStringLiteral("default");
    QTest::newRow("bracketed section name with blanks")
        << QStringLiteral("Login") << QStringLiteral("LastLoginId") << true << QStringLiteral("7");
}

void TestIniFile::readString()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(bool, exists);
    QFETCH(QString, expected);

    WriteFile(m_path, "stray=1\r\n"
                      "[db]\r\n"
                      "mssqlDb=assets\r\n"
                      "  mssqlUser  =  sa  \r\n"
                      "dipUrl=\" http://h/dip \"\n"
                      "jetUser=a=b\r\n"
                      "dipUser=first\r\n"
                      "DIPUSER=second\r\n"
                      "mssqlPw=\r\n"
                      ";providerIdx=2\r\n"
                      "\r\n"
                      "[ Login ]\r\n"
                      "LastLoginId=7\r\n");
    const TIniFile ini(m_path);
    QCOMPARE(ini.ValueExists(section, key), exists);
    QCOMPARE(ini.ReadString(section, key, QStringLiteral("default")), expected);
}

void TestIniFile::readNumbers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("boolean");

    // Defaults used below: integer 99, boolean true.
    QTest::newRow("one") << QByteArray("1") << 1 << true;
    QTest::newRow("zero") << QByteArray("0") << 0 << false;
    QTest::newRow("other number") << QByteArray("5") << 5 << true;
    QTest::newRow("negative") << QByteArray("-3") << -3 << true;
    QTest::newRow("blanks around") << QByteArray(" 0 ") << 0 << false;
    QTest::newRow("word") << QByteArray("false") << 99 << true;
    QTest::newRow("number and text") << QByteArray("0x") << 99 << true;
    QTest::newRow("empty") << QByteArray("") << 99 << true;
}

void TestIniFile::readNumbers()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, integer);
    QFETCH(bool, boolean);

    WriteFile(m_path, "[db]\r\nvalue=" + stored + "\r\n");
    const TIniFile ini(m_path);
    QCOMPARE(ini.ReadInteger(QStringLiteral("db"), QStringLiteral("value"), 99), integer);
    QCOMPARE(ini.ReadBool(QStringLiteral("db"), QStringLiteral("value"), true), boolean);
    QCOMPARE(ini.ReadBool(QStringLiteral("db"), QStringLiteral("absent"), false), false);
}

void TestIniFile::rewriteKeepsTheRest()
{
    WriteFile(m_path, "; settings of the register\n"
                      "[Login]\n"
                      "LastLoginId=3\n"
                      "\n"
                      "[db]\n"
                      "# kept as it is\n"
                      "MSSQLPORT = 1433\n"
                      "mssqlDb=old\n"
                      "\n"
                      "[Other]\n"
                      "x=1\n");
    TIniFile ini(m_path);
    QVERIFY(ini.WriteInteger(QStringLiteral("db"), QStringLiteral("mssqlPort"), 1500));
    QVERIFY(ini.WriteBool(QStringLiteral("DB"), QStringLiteral("defaultCon"), false));
    QVERIFY(ini.WriteString(QStringLiteral("ConnectTo"), QStringLiteral("srv"),
                            QStringLiteral("DBMSSOCN,srv,1500")));
    QVERIFY(ini.DeleteKey(QStringLiteral("db"), QStringLiteral("MSSQLDB")));

    QCOMPARE(ReadFile(m_path), QByteArray("; settings of the register\r\n"
                                          "[Login]\r\n"
                                          "LastLoginId=3\r\n"
                                          "\r\n"
                                          "[db]\r\n"
                                          "# kept as it is\r\n"
                                          "MSSQLPORT=1500\r\n"
                                          "defaultCon=0\r\n"
                                          "\r\n"
                                          "[Other]\r\n"
                                          "x=1\r\n"
                                          "[ConnectTo]\r\n"
                                          "srv=DBMSSOCN,srv,1500\r\n"));
}

void TestIniFile::writeCreatesFile()
{
    TIniFile ini(m_path);
    QVERIFY(ini.WriteString(QStringLiteral("db"), QStringLiteral("mssqlServer"), QStringLiteral("srv")));
    QCOMPARE(ReadFile(m_path), QByteArray("[db]\r\nmssqlServer=srv\r\n"));
}

void TestIniFile::gbkValueRoundTrips()
{
    const QString value = QStringLiteral("财务部服务器");
    {
        TIniFile ini(m_path);
        QVERIFY(ini.WriteString(QStringLiteral("db"), QStringLiteral("mssqlServer"), value));
    }
    // 财 is B2 C6 in GBK (E8 B4 A2 in UTF-8).
    const QByteArray file = ReadFile(m_path);
    QVERIFY(file.contains("mssqlServer=\xb2\xc6"));
    QVERIFY(!file.contains(value.toUtf8()));
    QCOMPARE(file.size(), QByteArray("[db]\r\nmssqlServer=\r\n").size() + 2 * value.size());
    QCOMPARE(TIniFile(m_path).ReadString(QStringLiteral("db"), QStringLiteral("mssqlServer")), value);
}

void TestIniFile::rawBytesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("not valid GBK") << QByteArray("\x81\x7f\xff\x80 a");
    QTest::newRow("leading and trailing blanks") << QByteArray(" \tpass word ");
    QTest::newRow("enclosed in double quotes") << QByteArray("\"quoted\"");
    QTest::newRow("enclosed in single quotes") << QByteArray("'quoted'");
    QTest::newRow("one quote") << QByteArray("\"");
    QTest::newRow("equals signs and semicolons") << QByteArray(";a=b;");
}

void TestIniFile::rawBytesRoundTrip()
{
    QFETCH(QByteArray, value);
    TIniFile ini(m_path);
    QVERIFY(ini.WriteBytes(QStringLiteral("db"), QStringLiteral("jetPw"), value));
    QCOMPARE(ini.ReadBytes(QStringLiteral("db"), QStringLiteral("jetPw")), value);
    QCOMPARE(TIniFile(m_path).ReadBytes(QStringLiteral("db"), QStringLiteral("jetPw")), value);
}

void TestIniFile::writeKeepsOtherWritersValues()
{
    TIniFile settings(m_path);
    TIniFile login(m_path);
    QVERIFY(settings.WriteInteger(QStringLiteral("db"), QStringLiteral("providerIdx"), 2));
    QVERIFY(login.WriteInteger(QStringLiteral("Login"), QStringLiteral("LastLoginId"), 4));
    QVERIFY(settings.WriteBool(QStringLiteral("db"), QStringLiteral("defaultCon"), false));

    const TIniFile file(m_path);
    QCOMPARE(file.ReadInteger(QStringLiteral("db"), QStringLiteral("providerIdx"), 0), 2);
    QCOMPARE(file.ReadInteger(QStringLiteral("Login"), QStringLiteral("LastLoginId"), 0), 4);
    QCOMPARE(file.ReadBool(QStringLiteral("db"), QStringLiteral("defaultCon"), true), false);
}

void TestIniFile::unwritableFileKeepsValueInMemory()
{
    TIniFile ini(m_dir->filePath(QStringLiteral("missing folder/cfg.ini")));
    QVERIFY(!ini.WriteString(QStringLiteral("db"), QStringLiteral("dipUser"), QStringLiteral("u")));
    QCOMPARE(ini.ReadString(QStringLiteral("db"), QStringLiteral("dipUser")), QStringLiteral("u"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_ini_file.moc"
