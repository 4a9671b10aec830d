// The command-line tool: creating a database and refusing bad command lines.
#include "cli_commands.h"
#include "data/database.h"
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "support/app_paths.h"
#include "test_database.h"

#include <cstdio>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initDb();
    void listsAndTables_data();
    void listsAndTables();
    void badCommandLines_data();
    void badCommandLines();
};

void TestCli::initDb()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.mdb"));
    QCOMPARE(RunCli({QStringLiteral("init-db"), path}), 0);
    QCOMPARE(RunCli({QStringLiteral("init-db"), path}), 1); // an existing file is never overwritten

    TScriptedScope scripted;
    QVERIFY(GlobalDatabase().Connect(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True")
            .arg(path)));
    QCOMPARE(GlobalRecordSet().Query(QStringLiteral("select * from options")), 9);
    GlobalDatabase().SetConnected(false);
}

namespace {

// Runs a command line and returns what it wrote, with the exit code.
QPair<int, QString> Run(const QStringList &arguments)
{
    FILE *out = std::tmpfile();
    const int code = RunCli(arguments, out);
    std::fflush(out);
    std::rewind(out);
    QByteArray text;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, out))
        text.append(buffer, qsizetype(n));
    std::fclose(out);
    return {code, QString::fromUtf8(text)};
}

} // namespace

void TestCli::listsAndTables_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // the output, lines joined by "|"
    const QString header = QStringLiteral("Id,编码,类别,名称,规格型号,国标编号,详细配置,生产厂家,出厂日期,"
                                          "数量,单价,单位,增加方式,使用部门,使用情况,"
                                          "存放地点,保管人员,启用日期,原值,残值,残值率,折旧年限,折旧到期,"
                                          "备注,折旧法,减少日期,减少方式,减少经手人,"
                                          "减少批准人,减少备注,字符型1,字符型2,字符型3,字符型4,字符型5,"
                                          "字符型6,数字型1,数字型2,数字型3,日期型1,日期型2,日期型3");
    QTest::newRow("in service, name contains")
        << QStringList{u"assets"_s, u"--reduced"_s, u"0"_s, u"--AssetName"_s, u"电"_s}
        << header +
               QStringLiteral(
                   "|1,A-1,0301电脑,\"电脑, 笔记本\",,,,,,1,4500.5,,,财务部,,,,2004-01-15,12000.00,0.00,,5,"
                   "2009-01-15,,平均年限法,,,,,,,,,,,,,,,,,|");
    QTest::newRow("statement")
        << QStringList{u"assets"_s, u"--AssetKind"_s, u"03"_s, u"--Changed"_s, u"1"_s, u"--sql"_s}
        << QStringLiteral(
               "select * from assets  where Kind like '03%' and Id in (select AssetId from modification "
               "group by AssetId)  order by Kind, Name, PartNo|");
    QTest::newRow("monthly table")
        << QStringList{u"depreciation"_s, u"--year"_s, u"2004"_s, u"--month"_s, u"2"_s,
                       u"--dept"_s,       u"财务"_s}
        << QStringLiteral("ID,编码,名称,规格型号,类别,使用部门,启用日期,原值,残值,残值率,折旧年限,增加方式,"
                          "折旧法,本月增加,本月折旧,"
                          "累计折旧,净值|1,A-1,\"电脑, "
                          "笔记本\",,0301电脑,财务部,2004-01-15,12000.00,0.00,,5,,平均年限法,,"
                          "200.00,200.00,11800.00|");
    QTest::newRow("yearly table")
        << QStringList{u"depreciation"_s, u"--year"_s, u"2009"_s, u"--kind"_s, u"0301"_s}
        << QStringLiteral(
               "ID,编码,名称,规格型号,类别,使用部门,启用日期,原值,残值,残值率,折旧年限,增加方式,折旧法,折旧|"
               "1月,折旧|2月,"
               "折旧|3月,折旧|4月,折旧|5月,折旧|6月,折旧|7月,折旧|8月,折旧|9月,折旧|10月,折旧|11月,折旧|12月,"
               "折旧|年度累计|"
               "1,A-1,\"电脑, "
               "笔记本\",,0301电脑,财务部,2004-01-15,12000.00,0.00,,5,,平均年限法,200.00,0.00,0.00,0.00,"
               "0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,|");
}

void TestCli::listsAndTables()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("register.mdb"));
    QCOMPARE(RunCli({QStringLiteral("init-db"), path}, std::tmpfile()), 0);
    {
        TScriptedScope scripted;
        QVERIFY(GlobalDatabase().Connect(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True")
                .arg(path)));
        GlobalDatabase().Execute(QStringLiteral(
            "insert into assets(Id, Code, Kind, Name, Qty, Price, UseDept, AccountDate, OriginValue, "
            "EndValue, UseYears, MethodId, Reduced) "
            "values (1, 'A-1', '0301电脑', '电脑, 笔记本', 1, 4500.5, '财务部', '2004-01-15 00:00:00', "
            "12000, 0, 5, 1, 0), "
            "(2, 'A-2', '0301电脑', '旧电脑', 1, 1, '财务部', '2001-01-15 00:00:00', 100, 0, 5, 1, 1)"));
        GlobalDatabase().SetConnected(false);
    }
    const auto [code, output] = Run(QStringList{QStringLiteral("--db"), path} + arguments);
    QCOMPARE(code, 0);
    QCOMPARE(QString(output)
                 .replace(QStringLiteral("\r\n"), QStringLiteral("|"))
                 .replace(QLatin1Char('\n'), QLatin1Char('|')),
             expected);
}

void TestCli::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
    QTest::newRow("nothing") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2;
    QTest::newRow("init-db without a file") << QStringList{QStringLiteral("init-db")} << 2;
    QTest::newRow("init-db into a missing folder")
        << QStringList{QStringLiteral("init-db"), QStringLiteral("/nonexistent-folder/x.mdb")} << 1;
    QTest::newRow("profile without a folder") << QStringList{QStringLiteral("--profile")} << 2;
    QTest::newRow("database that does not exist")
        << QStringList{QStringLiteral("--db"), QStringLiteral("/nonexistent-folder/x.mdb"),
                       QStringLiteral("assets")}
        << 1;
    QTest::newRow("unknown condition")
        << QStringList{QStringLiteral("assets"), QStringLiteral("--Colour"), QStringLiteral("red")} << 2;
    QTest::newRow("condition without a value")
        << QStringList{QStringLiteral("assets"), QStringLiteral("--AssetName")} << 2;
    QTest::newRow("year that is not a number")
        << QStringList{QStringLiteral("depreciation"), QStringLiteral("--year"), QStringLiteral("二〇〇八")}
        << 2;
    QTest::newRow("month out of range")
        << QStringList{QStringLiteral("depreciation"), QStringLiteral("--year"), QStringLiteral("2008"),
                       QStringLiteral("--month"), QStringLiteral("13")}
        << 2;
}

void TestCli::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    TScriptedScope scripted;
    TTestDatabase fixture; // commands that open a database find the profile's
    QCOMPARE(Run(arguments).first, exitCode);
    AppPaths::SetProfileDir(QString());
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
