// A new database made from the creation script holds every table the program's statements name and the
// rows a first start needs.
#include "data/database.h"
#include "data/record_set.h"
#include "data/schema.h"
#include "support/errors.h"
#include "test_database.h"

#include <QTest>

class TestSchema : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splitScript();
    void seedRows();
    void statementsRun_data();
    void statementsRun();
    void keyValueKeepsTypes();
    void linkNumbersItself();
    void existingFileIsRefused();
};

void TestSchema::splitScript()
{
    const QString script =
        QStringLiteral("-- comment;\ncreate table a (x int);\n\ninsert into a values ('x;y'\n);\nselect 1");
    QCOMPARE(SplitScript(script),
             (QStringList{QStringLiteral("create table a (x int)"),
                          QStringLiteral("insert into a values ('x;y'\n)"), QStringLiteral("select 1")}));
}

void TestSchema::seedRows()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TRecordSet rs;
    QCOMPARE(rs.Query(QStringLiteral("select * from method order by Id")), 5);
    QCOMPARE(rs.JoinValues(rs.DataSet()->FieldByName(QStringLiteral("Id")), QStringLiteral(",")),
             QStringLiteral("0,1,2,3,4"));
    QCOMPARE(rs.Query(QStringLiteral("select [Password] from operator where LoginId='sa'")), 1);
    QCOMPARE(rs.DataSet()->Field(0)->AsString(), QString());
    QCOMPARE(rs.Query(QStringLiteral("select * from options order by [Key]")), 9);
    QVERIFY(rs.DataSet()->FieldByName(QStringLiteral("List"))->AsString().contains(QStringLiteral("\r\n")));
    QCOMPARE(rs.Query(QStringLiteral("select TypeId, BackDir from [backup]")), 1);
    QCOMPARE(rs.Query(QStringLiteral("select [Value] from keyvalue where KeyId<=1")), 2);
    QCOMPARE(rs.Query(QStringLiteral("select * from Company")), 0);
}

void TestSchema::statementsRun_data()
{
    QTest::addColumn<QString>("sql");
    QTest::newRow("asset insert") << QStringLiteral(
        "insert into assets(Id, Code, Kind, Name, PartNo, GBCode, Config, Factory, BuildDate, Qty, Price, "
        "Unit, AddKind, "
        "UseDept, UseState, LayPlace, Depositary, AccountDate, OriginValue, EndValue, EndValueRate, "
        "UseYears, MethodId, "
        "AssetNote, Reduced, Str1, Str2, Str3, Str4, Str5, Str6, Float1, Float2, Float3, Date1, Date2, "
        "Date3)values(1, "
        "'A1', '03', '电脑', 'X', 'G', 'C', 'F', '2007', 1, 5000, '台', '购入', '财务部', '在用', '仓库', "
        "'张三', "
        "#2008-01-26#, 5000, 250, 5, 5, 1, '', 0, '', '', '', '', '', '', 0, 0, 0, null, null, null)");
    QTest::newRow("reduction") << QStringLiteral("update assets set Reduced=1, ReduceDate=#2009-01-01#, "
                                                 "ReduceWay='报废', ReduceHandman='a', ReduceCheckman='b', "
                                                 "ReduceNote='c' where Id=1");
    QTest::newRow("cascading deletes") << QStringLiteral(
        "delete from modification where AssetId=1; delete from accessories where AssetId=1");
    QTest::newRow("record tables") << QStringLiteral(
        "select m.Id, m.ModifyDate, m.UseDept1, m.Qty2, m.Description, r.SendDate, r.[Note], r.Fund, "
        "a.ProductName, "
        "i.Subject, i.Ext, i.Photo from modification m, repair r, accessories a, assetimages i");
    QTest::newRow("reduce and depreciation")
        << QStringLiteral("select AssetId from reduce union select AssetId from depreciation");
    QTest::newRow("report key") << QStringLiteral("select top 1 Id from report order by Id desc");
    QTest::newRow("layouts") << QStringLiteral("insert into syscols(F02, F06) values (1, 'True80')");
    QTest::newRow("operators") << QStringLiteral(
        "select LoginId, [Password], Name, Contact, [Note], Rights from operator");
    QTest::newRow("company") << QStringLiteral(
        "insert into Company(Id, CompanyName, Manager, Tel, Fax, Address, Zip, Profile, Updated) values (0, "
        "'某公司', '', '', '', '', '', '', 0)");
    QTest::newRow("backup") << QStringLiteral("update [backup] set TypeId=1, BackDir='/tmp'");
    QTest::newRow("pick lists") << QStringLiteral("update options set List='a' where [Key]=8");
}

void TestSchema::statementsRun()
{
    QFETCH(QString, sql);
    TTestDatabase fixture;
    for (const QString &statement : sql.split(QStringLiteral("; ")))
        fixture.Exec(statement);
}

void TestSchema::keyValueKeepsTypes()
{
    TTestDatabase fixture;
    GlobalDatabase().Execute(
        QStringLiteral("insert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)"),
        {DBParam(QStringLiteral("KeyId"), 4), DBParam(QStringLiteral("Value"), QStringLiteral("型号"))});
    GlobalDatabase().Execute(QStringLiteral("update keyvalue set [Value]=:Value where KeyId=:KeyId"),
                             {DBParam(QStringLiteral("KeyId"), 1), DBParam(QStringLiteral("Value"), true)});
    GlobalRecordSet().Query(QStringLiteral("select [Value] from keyvalue where KeyId=:KeyId"),
                            {DBParam(QStringLiteral("KeyId"), 4)});
    QCOMPARE(GlobalRecordSet().DataSet()->Field(0)->AsString(), QStringLiteral("型号"));
    GlobalRecordSet().Query(QStringLiteral("select [Value] from keyvalue where KeyId=:KeyId"),
                            {DBParam(QStringLiteral("KeyId"), 1)});
    QVERIFY(GlobalRecordSet().DataSet()->Field(0)->AsBoolean());
    GlobalRecordSet().Query(QStringLiteral("select [Value] from keyvalue where KeyId=:KeyId"),
                            {DBParam(QStringLiteral("KeyId"), 0)});
    QVERIFY(!GlobalRecordSet().DataSet()->Field(0)->AsBoolean());
}

void TestSchema::linkNumbersItself()
{
    TTestDatabase fixture;
    for (int i = 0; i < 2; ++i)
        fixture.Exec(QStringLiteral("insert into link(GroupId, Title, lpFile, lpParameters, [Note]) values "
                                    "(0, '记事本', 'notepad', '', '')"));
    GlobalRecordSet().Query(QStringLiteral("select max(Id) from link"));
    QCOMPARE(GlobalRecordSet().DataSet()->Field(0)->AsInteger(), 2);
}

void TestSchema::existingFileIsRefused()
{
    TTestDatabase fixture;
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, CreateDatabaseFile(fixture.Path()));
    QVERIFY(GlobalDatabase().Connected());
}

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"
