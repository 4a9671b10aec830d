// The asset query built from the condition set: order of conditions, value formats, providers, quotes.
#include "assets/asset_where.h"
#include "data/database.h"
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "support/errors.h"
#include "test_database.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Order = QStringLiteral(" order by Kind, Name, PartNo");

QString Where(const QString &predicate)
{
    return QStringLiteral("select * from assets  where ") + predicate + QStringLiteral(" ") + Order;
}

// Sets the named conditions in the condition row.
void Fill(TAssetWhere &where, const QVariantMap &conditions)
{
    where.DataSet()->Edit();
    for (auto it = conditions.cbegin(); it != conditions.cend(); ++it)
        where.DataSet()->FieldByName(it.key())->SetValue(it.value());
    where.DataSet()->Post();
}

} // namespace

class TestAssetWhere : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void statement_data();
    void statement();
    void datesPerProvider();
    void quotesSelectWhatTheTextNames();
    void badMonth();
    void selections_data();
    void selections();
};

void TestAssetWhere::statement_data()
{
    QTest::addColumn<QVariantMap>("conditions");
    QTest::addColumn<QString>("sql");
    QTest::newRow("all cleared") << QVariantMap{}
                                 << QStringLiteral("select * from assets  order by Kind, Name, PartNo");
    QTest::newRow("in service, name")
        << QVariantMap{{u"Reduced"_s, false}, {u"AssetName"_s, QStringLiteral("车")}}
        << Where(QStringLiteral("Reduced=0 and Name like '%车%'"));
    QTest::newRow("depreciation table")
        << QVariantMap{{u"IsDepr"_s, true},
                       {u"Reduced"_s, false},
                       {u"AssetKind"_s, QStringLiteral("办公")},
                       {u"UseDept"_s, QStringLiteral("财务")}}
        << Where(QStringLiteral("MethodId>0 and Reduced=0 and Kind like '办公%' and UseDept like '%财务%'"));
    QTest::newRow("bounds of 0, negative and null add nothing")
        << QVariantMap{{u"OriginValue1"_s, 0.0},
                       {u"OriginValue2"_s, -5.0},
                       {u"EndValue1"_s, QVariant()},
                       {u"UseYears2"_s, 0},
                       {u"Float12"_s, 0.0}}
        << QStringLiteral("select * from assets  order by Kind, Name, PartNo");
    QTest::newRow("numbers as %g")
        << QVariantMap{{u"OriginValue1"_s, 1500.0},
                       {u"OriginValue2"_s, 1234.5},
                       {u"UseYears1"_s, 3},
                       {u"Float31"_s, 0.25}}
        << Where(
               QStringLiteral("OriginValue>=1500 and OriginValue<=1234.5 and UseYears>=3 and Float3>=0.25"));
    QTest::newRow("order follows the table, not the assignment")
        << QVariantMap{{u"Repaired"_s, true},
                       {u"Str2"_s, QStringLiteral("x")},
                       {u"AddType"_s, QStringLiteral("购入")},
                       {u"Changed"_s, true}}
        << Where(QStringLiteral("AddKind='购入' and Str2 like '%x%' and Id in (select AssetId from "
                                "modification group by AssetId)"
                                " and Id in (select AssetId from repair group by AssetId)"));
    QTest::newRow("only the year of the end month")
        << QVariantMap{{u"YearR"_s, 2008}}
        << QStringLiteral("select * from assets  order by Kind, Name, PartNo");
    QTest::newRow("quote doubled") << QVariantMap{{u"Depositary"_s, QStringLiteral("O'Neil")},
                                                  {u"PartNo"_s, QStringLiteral("a'b")}}
                                   << Where(QStringLiteral("Depositary='O''Neil' and PartNo like '%a''b%'"));
}

void TestAssetWhere::statement()
{
    QFETCH(QVariantMap, conditions);
    QFETCH(QString, sql);
    TScriptedScope scripted;
    TTestDatabase fixture;
    TAssetWhere where;
    Fill(where, conditions);
    QCOMPARE(where.SqlText(GlobalDatabase()), sql);
    where.Clear();
    QCOMPARE(where.SqlText(GlobalDatabase()),
             QStringLiteral("select * from assets  order by Kind, Name, PartNo"));
}

void TestAssetWhere::datesPerProvider()
{
    TScriptedScope scripted;
    TAssetWhere where;
    Fill(where, {{u"AccountDate1"_s, QDate(2008, 3, 5)},
                 {u"YearR"_s, 2008},
                 {u"MonthR"_s, 2},
                 {u"Date32"_s, QDate(2009, 12, 31)}});
    TDatabase jet;
    jet.Connect(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=;Persist Security Info=True"));
    QCOMPARE(where.SqlText(jet),
             Where(QStringLiteral("AccountDate>=#2008-03-05# and DateDiff('m', AccountDate, #2008-02-01#) "
                                  "> UseYears*12 and Date3<=#2009-12-31#")));
    TDatabase server;
    server.Connect(QStringLiteral("Provider=SQLOLEDB.1;Data Source=db1;User ID=sa;Password=;Initial "
                                  "Catalog=x;Persist Security Info=True"));
    QCOMPARE(where.SqlText(server),
             Where(QStringLiteral("AccountDate>='2008-03-05' and DateDiff('m', AccountDate, '2008-02-01') "
                                  "> UseYears*12 and Date3<='2009-12-31'")));
}

void TestAssetWhere::quotesSelectWhatTheTextNames()
{
    TTestDatabase fixture;
    fixture.Exec(
        QStringLiteral("insert into assets(Id, Name, Depositary, Reduced) values (1, 'a', 'O''Neil', 0)"));
    fixture.Exec(
        QStringLiteral("insert into assets(Id, Name, Depositary, Reduced) values (2, 'b', 'Neil', 0)"));
    TAssetWhere where;
    Fill(where, {{u"Depositary"_s, QStringLiteral("O'Neil")}});
    QCOMPARE(GlobalRecordSet().Query(where.SqlText(GlobalDatabase())), 1);
    Fill(where, {{u"Depositary"_s, QStringLiteral("x' or '1'='1")}}); // cannot widen the selection
    QCOMPARE(GlobalRecordSet().Query(where.SqlText(GlobalDatabase())), 0);
}

void TestAssetWhere::badMonth()
{
    TTestDatabase fixture;
    TAssetWhere where;
    Fill(where, {{u"YearR"_s, 2008}, {u"MonthR"_s, 13}});
    QVERIFY_THROWS_EXCEPTION(EConvertError, where.SqlText(GlobalDatabase()));
}

void TestAssetWhere::selections_data()
{
    QTest::addColumn<QVariantMap>("conditions");
    QTest::addColumn<QString>("ids");
    QTest::newRow("kind begins with") << QVariantMap{{u"AssetKind"_s, QStringLiteral("办公")}} << "1,2,3";
    QTest::newRow("department contains") << QVariantMap{{u"UseDept"_s, QStringLiteral("财务")}} << "1,4";
    QTest::newRow("changed") << QVariantMap{{u"Changed"_s, true}} << "2,3";
    QTest::newRow("repaired") << QVariantMap{{u"Repaired"_s, true}} << "3,4";
    QTest::newRow("changed and repaired") << QVariantMap{{u"Changed"_s, true}, {u"Repaired"_s, true}} << "3";
    QTest::newRow("date bound included") << QVariantMap{{u"AccountDate2"_s, QDate(2005, 1, 31)}} << "1,2";
    // Service January 2005, one year: the life ends with January 2006, so it has ended before February.
    QTest::newRow("depreciation ended before February")
        << QVariantMap{{u"YearR"_s, 2006}, {u"MonthR"_s, 2}} << "1";
    QTest::newRow("depreciation still running in January")
        << QVariantMap{{u"YearR"_s, 2006}, {u"MonthR"_s, 1}} << "";
}

void TestAssetWhere::selections()
{
    QFETCH(QVariantMap, conditions);
    QFETCH(QString, ids);
    TTestDatabase fixture;
    fixture.Exec(QStringLiteral(
        "insert into assets(Id, Kind, Name, UseDept, AccountDate, UseYears) values "
        "(1, '办公', 'a', '财务部', '2005-01-31 00:00:00', 1), (2, '办公设备', 'b', '人事部', '2004-06-01 "
        "00:00:00', 5), "
        "(3, '办公家具', 'c', '人事部', '2007-01-01 00:00:00', 5), (4, '行政办公', 'd', '财务', null, 5)"));
    fixture.Exec(QStringLiteral("insert into modification(Id, AssetId) values (1, 2), (2, 3), (3, 3)"));
    fixture.Exec(QStringLiteral("insert into repair(Id, AssetId) values (1, 3), (2, 4)"));
    TAssetWhere where;
    Fill(where, conditions);
    TRecordSet rs;
    TField *id = rs.AddField(TFieldType::Integer, QStringLiteral("Id"));
    rs.Query(where.SqlText(GlobalDatabase()));
    rs.DataSet()->SetSort(QStringLiteral("Id"));
    QCOMPARE(rs.JoinValues(id, QStringLiteral(",")), ids);
}

QTEST_GUILESS_MAIN(TestAssetWhere)
#include "test_asset_where.moc"
