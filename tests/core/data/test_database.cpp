// The database session: provider mapping, connection texts, statements with parameters, transactions,
// query errors, and the desktop dialect on SQLite.
#include "test_database.h"
#include "data/database.h"
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "support/errors.h"

#include <QTest>

namespace {

const QString JetString = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data "
                                         "Source=/opt/lanshi/lanshi.mdb;Jet OLEDB:Database Password=mirotabe;"
                                         "Persist Security Info=True");
const QString ServerString =
    QStringLiteral("Provider=SQLOLEDB.1;Data Source=db1;User ID=sa;Password=pw;Initial "
                   "Catalog=assets;Persist Security Info=True");

int CountRows(const QString &sql)
{
    GlobalRecordSet().Query(sql);
    return GlobalRecordSet().DataSet()->Field(0)->AsInteger();
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void connectionParam_data();
    void connectionParam();
    void providerMapping();
    void dateLiteral();
    void connectFailureMessage();
    void missingFileIsNotCreated();
    void executeErrors();
    void parameterNotInStatement();
    void transactionRollsBack();
    void queryError();
    void declaredFieldMissing();
    void scratchRecordSet();
    void recordSetHelpers();
    void desktopDialect_data();
    void desktopDialect();
};

void TestDatabase::connectionParam_data()
{
    QTest::addColumn<QString>("connection");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("data source of the built-in string") << JetString << "Data Source"
                                                        << "/opt/lanshi/lanshi.mdb";
    QTest::newRow("provider") << JetString << "Provider"
                              << "Microsoft.Jet.OLEDB.4.0";
    QTest::newRow("last item has no value") << JetString << "Persist Security Info"
                                            << "";
    QTest::newRow("absent key") << JetString << "Initial Catalog"
                                << "";
    QTest::newRow("case-sensitive key") << ServerString << "data source"
                                        << "";
    QTest::newRow("server catalog") << ServerString << "Initial Catalog"
                                    << "assets";
}

void TestDatabase::connectionParam()
{
    QFETCH(QString, connection);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TScriptedScope scripted; // the server string cannot connect here; its message is scripted
    TDatabase db;
    db.Connect(connection);
    QCOMPARE(db.ConnectionParam(key), expected);
}

void TestDatabase::providerMapping()
{
    const TConnectionTarget jet = TDatabase::ParseConnectionString(JetString);
    QCOMPARE(jet.Driver, QStringLiteral("QSQLITE"));
    QCOMPARE(jet.DatabaseName, QStringLiteral("/opt/lanshi/lanshi.mdb"));

    TDatabase::SetServerAliasResolver([](const QString &server) {
        return server == QLatin1String("db1") ? QStringLiteral("10.1.2.3,1500") : QString();
    });
    const TConnectionTarget server = TDatabase::ParseConnectionString(ServerString);
    TDatabase::SetServerAliasResolver({});
    QCOMPARE(server.Driver, QStringLiteral("QODBC"));
    QCOMPARE(
        server.DatabaseName,
        QStringLiteral("DRIVER={FreeTDS};SERVER=10.1.2.3;PORT=1500;DATABASE=assets;ClientCharset=UTF-8;"));
    QCOMPARE(server.UserName, QStringLiteral("sa"));
    QCOMPARE(server.Password, QStringLiteral("pw"));

    QVERIFY_THROWS_EXCEPTION(EDatabaseError,
                             TDatabase::ParseConnectionString(QStringLiteral("Provider=MSDASQL;")));
}

void TestDatabase::dateLiteral()
{
    TScriptedScope scripted;
    TDatabase db;
    db.Connect(JetString);
    QVERIFY(!db.IsNotJet());
    QCOMPARE(db.DateLiteral(QDate(2008, 1, 26)), QStringLiteral("#2008-01-26#"));
    db.Connect(ServerString);
    QVERIFY(db.IsNotJet());
    QCOMPARE(db.DateLiteral(QDateTime(QDate(2008, 1, 26), QTime(13, 0))), QStringLiteral("'2008-01-26'"));
}

void TestDatabase::connectFailureMessage()
{
    TScriptedScope scripted;
    TDatabase db;
    QVERIFY(!db.Connect(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=;Persist Security Info=True")));
    QCOMPARE(scripted->Messages.size(), 1);
    QCOMPARE(scripted->Messages.first().Caption, QStringLiteral("信息"));
    QVERIFY(scripted->LastMessageText().startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n")));
    QVERIFY(scripted->LastMessageText().endsWith(QLatin1Char('\t')));
}

void TestDatabase::missingFileIsNotCreated()
{
    TScriptedScope scripted;
    TTestDatabase fixture;
    const QString missing = fixture.Dir() + QStringLiteral("/other.mdb");
    TDatabase db;
    QVERIFY(!db.Connect(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True")
            .arg(missing)));
    QVERIFY(!QFile::exists(missing));
    QVERIFY(scripted->LastMessageText().contains(missing));
}

void TestDatabase::executeErrors()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    const QString sql = QStringLiteral("insert into nosuchtable(Id) values (:Id)");
    try {
        GlobalDatabase().Execute(sql, {DBParam(QStringLiteral("Id"), 1)});
        QFAIL("the statement should fail");
    } catch (const EDatabaseError &error) {
        QVERIFY(error.Message().endsWith(QStringLiteral("\r\n") + sql));
        QVERIFY(error.Message().contains(QStringLiteral("nosuchtable")));
    }
}

void TestDatabase::parameterNotInStatement()
{
    TTestDatabase fixture;
    const QString sql = QStringLiteral("insert into method(Id, Name) values (:Id, :Name)");
    QVERIFY_THROWS_EXCEPTION(
        EDatabaseError, GlobalDatabase().Execute(sql, {DBParam(QStringLiteral("Id"), 9),
                                                       DBParam(QStringLiteral("Name"), QStringLiteral("x")),
                                                       DBParam(QStringLiteral("Code"), 1)}));
    QCOMPARE(CountRows(QStringLiteral("select count(*) from method where Id=9")), 0);
    QCOMPARE(GlobalDatabase().ExecSQL(sql, {DBParam(QStringLiteral("Id"), 9),
                                            DBParam(QStringLiteral("Name"), QStringLiteral("x"))}),
             1);
}

void TestDatabase::transactionRollsBack()
{
    TTestDatabase fixture;
    fixture.Exec(QStringLiteral("insert into repair(Id, AssetId) values (1, 7)"));
    try {
        TTransaction transaction(GlobalDatabase());
        GlobalDatabase().Execute(QStringLiteral("delete from repair where AssetId=:AssetId"),
                                 {DBParam(QStringLiteral("AssetId"), 7)});
        GlobalDatabase().Execute(QStringLiteral("delete from nosuchtable where AssetId=:AssetId"),
                                 {DBParam(QStringLiteral("AssetId"), 7)});
        transaction.Commit();
    } catch (const EDatabaseError &) {
    }
    QVERIFY(!GlobalDatabase().InTransaction());
    QCOMPARE(CountRows(QStringLiteral("select count(*) from repair")), 1);

    {
        TTransaction transaction(GlobalDatabase());
        GlobalDatabase().Execute(QStringLiteral("delete from repair"));
        transaction.Commit();
    }
    QCOMPARE(CountRows(QStringLiteral("select count(*) from repair")), 0);
}

void TestDatabase::queryError()
{
    TScriptedScope scripted;
    TTestDatabase fixture;
    TRecordSet recordSet;
    const QString sql = QStringLiteral("select * from nosuchtable");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, recordSet.Query(sql));
    QCOMPARE(scripted->Messages.size(), 1);
    const QString text = scripted->LastMessageText();
    QVERIFY2(text.startsWith(QStringLiteral("\r\nSQL语句错误,原文如下:\r\n") + sql +
                             QStringLiteral("\r\n\r\n错误提示:\r\n")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("no such table")));
    QVERIFY(!recordSet.DataSet()->Active());
}

void TestDatabase::declaredFieldMissing()
{
    TScriptedScope scripted;
    TTestDatabase fixture;
    TRecordSet recordSet;
    recordSet.AddField(TFieldType::Integer, QStringLiteral("Id"));
    recordSet.AddField(TFieldType::String, QStringLiteral("Nonexistent"), 20);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, recordSet.Query(QStringLiteral("select * from method")));
    QVERIFY(scripted->LastMessageText().contains(QStringLiteral("Nonexistent")));
}

void TestDatabase::scratchRecordSet()
{
    TTestDatabase fixture;
    GlobalRecordSet().Query(QStringLiteral("select max(Id) from assets"));
    QVERIFY(GlobalRecordSet().DataSet()->Field(0)->IsNull());
    QCOMPARE(GlobalRecordSet().DataSet()->Field(0)->AsInteger(), 0);
    GlobalRecordSet().Query(QStringLiteral("select Id, Name from method where Id=:Id"),
                            {DBParam(QStringLiteral("Id"), 1)});
    QCOMPARE(GlobalRecordSet().DataSet()->FieldCount(), 2);
    QCOMPARE(GlobalRecordSet().DataSet()->FieldByName(QStringLiteral("Name"))->AsString(),
             QStringLiteral("平均年限法"));
}

void TestDatabase::recordSetHelpers()
{
    TScriptedScope scripted;
    TTestDatabase fixture;
    TRecordSet recordSet;
    TField *name = recordSet.AddField(TFieldType::String, QStringLiteral("Name"), 50);
    QCOMPARE(recordSet.Query(QStringLiteral("select * from method where Id>:Id order by Id"),
                             {DBParam(QStringLiteral("Id"), 99)}),
             0);
    QCOMPARE(recordSet.JoinValues(name, QStringLiteral(","), QStringLiteral("unchanged")),
             QStringLiteral("unchanged"));
    QVERIFY(recordSet.CheckEmpty());
    QCOMPARE(scripted->MessageTexts(), QStringList{QStringLiteral("\r\n数据集为空, 不能进行操作.\t")});

    QCOMPARE(recordSet.Query(QStringLiteral("select * from method where Id<:Id order by Id"),
                             {DBParam(QStringLiteral("Id"), 2)}),
             2);
    QCOMPARE(recordSet.JoinValues(name, QStringLiteral("|")), QStringLiteral("不计提折旧|平均年限法"));
    QVERIFY(recordSet.DataSet()->Eof());
    QVERIFY(!recordSet.CheckEmpty());

    fixture.Exec(QStringLiteral("insert into method(Id, Name) values (-1, '测试')"));
    recordSet.Refresh(); // same statement, same parameter values
    QCOMPARE(recordSet.DataSet()->RecordCount(), 3);
    recordSet.Clear();
    QVERIFY(recordSet.DataSet()->IsEmpty());
    QCOMPARE(CountRows(QStringLiteral("select count(*) from method")),
             6); // clearing the cache writes nothing
}

void TestDatabase::desktopDialect_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("expected");
    QTest::newRow("month difference")
        << "select DateDiff('m', AccountDate, #2008-03-01#) from assets where Id=1" << 2;
    QTest::newRow("month difference across years")
        << "select DateDiff('m', #2007-12-31#, AccountDate) from assets where Id=1" << 1;
    QTest::newRow("day difference")
        << "select DateDiff('d', #2008-01-01#, AccountDate) from assets where Id=1" << 30;
    QTest::newRow("bound included by >=")
        << "select count(*) from assets where AccountDate>=#2008-01-31#" << 1;
    QTest::newRow("bound included by <=")
        << "select count(*) from assets where AccountDate<=#2008-1-31#" << 2;
    QTest::newRow("time of day after the bound")
        << "select count(*) from assets where AccountDate<=#2007-06-01#" << 0;
    QTest::newRow("len counts characters") << "select len(Name) from assets where Id=1" << 3;
    QTest::newRow("left takes characters") << "select count(*) from assets where left(Kind, 2)='03'" << 2;
    QTest::newRow("top") << "select top 1 Id from assets order by Id desc" << 2;
    QTest::newRow("bracketed names") << "select count(*) from options where [Key]>=0" << 9;
}

void TestDatabase::desktopDialect()
{
    QFETCH(QString, sql);
    QFETCH(int, expected);
    TTestDatabase fixture;
    GlobalDatabase().Execute(
        QStringLiteral(
            "insert into assets(Id, Name, Kind, AccountDate) values (:Id, :Name, :Kind, :AccountDate)"),
        {DBParam(QStringLiteral("Id"), 1), DBParam(QStringLiteral("Name"), QStringLiteral("笔记本")),
         DBParam(QStringLiteral("Kind"), QStringLiteral("0301计算机设备")),
         DBParam(QStringLiteral("AccountDate"), QDate(2008, 1, 31))});
    GlobalDatabase().Execute(
        QStringLiteral("insert into assets(Id, Kind, AccountDate) values (2, '03通用设备', :AccountDate)"),
        {DBParam(QStringLiteral("AccountDate"), QDateTime(QDate(2007, 6, 1), QTime(9, 30)))});
    QCOMPARE(CountRows(sql), expected);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"
