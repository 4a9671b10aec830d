// The monthly and yearly depreciation tables over a small register.
#include "depreciation/depreciation_tables.h"
#include "scripted_interaction.h"
#include "support/errors.h"
#include "test_database.h"

#include <QTest>

namespace {

// Service date 15 January 2004 for the depreciated assets.
void FillRegister(const TTestDatabase &fixture)
{
    fixture.Exec(QStringLiteral(
        "insert into assets(Id, Code, Kind, Name, UseDept, AccountDate, OriginValue, EndValue, UseYears, "
        "MethodId, Reduced) values "
        "(1, 'L', '0301电脑', '直线', '财务部', '2004-01-15 00:00:00', 12000, 0, 5, 1, 0), "
        "(2, 'S', '0302打印机', '年数', '人事部', '2004-01-15 00:00:00', 15000, 0, 5, 2, 0), "
        "(3, 'D', '0301电脑', '双倍', '财务', '2004-01-15 00:00:00', 10000, 400, 5, 3, 0), "
        "(4, 'R', '0301电脑', '已减少', '财务部', '2004-01-15 00:00:00', 9000, 0, 5, 1, 1), "
        "(5, 'N', '0301电脑', '不折旧', '财务部', '2004-01-15 00:00:00', 9000, 0, 5, 0, 0), "
        "(6, 'F', '0303车辆', '新车', '财务部', '2004-06-01 00:00:00', 200000, 10000, 10, 1, 0)"));
}

QString Column(TDataSet *ds, int field)
{
    QStringList values;
    for (ds->First(); !ds->Eof(); ds->Next())
        values.append(ds->Field(field)->DisplayText());
    return values.join(QLatin1Char(' '));
}

} // namespace

class TestDepreciationTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void monthly_data();
    void monthly();
    void yearly_data();
    void yearly();
    void failingQueryLeavesTheTableEmpty();
};

void TestDepreciationTables::monthly_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("dept");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("monthly");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("net");
    // Rows come by class, then name: 0301电脑 (双倍, 直线), 0302打印机, 0303车辆.
    QTest::newRow("February 2004") << 2004 << 2 << ""
                                   << ""
                                   << "D L S F"
                                   << "333.33 200.00 416.67 0.00"
                                   << "333.33 200.00 416.67 0.00"
                                   << "9,666.67 11,800.00 14,583.33 200,000.00";
    QTest::newRow("class prefix") << 2007 << 2 << "0301"
                                  << ""
                                  << "D L"
                                  << "73.33 200.00"
                                  << "7,913.33 7,400.00"
                                  << "2,086.67 4,600.00";
    QTest::newRow("department contains") << 2009 << 2 << ""
                                         << "财务"
                                         << "D L F"
                                         << "0.00 0.00 1,583.33"
                                         << "9,600.00 12,000.00 88,666.66"
                                         << "400.00 0.00 111,333.34";
    QTest::newRow("before any service") << 2003 << 12 << ""
                                        << ""
                                        << "D L S F"
                                        << "0.00 0.00 0.00 0.00"
                                        << "0.00 0.00 0.00 0.00"
                                        << "10,000.00 12,000.00 15,000.00 200,000.00";
}

void TestDepreciationTables::monthly()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, kind);
    QFETCH(QString, dept);
    QFETCH(QString, codes);
    QFETCH(QString, monthly);
    QFETCH(QString, total);
    QFETCH(QString, net);
    TTestDatabase fixture;
    FillRegister(fixture);
    TDepreciation table;
    table.Calculate(year, month, kind, dept);
    TDataSet *ds = table.DataSet();
    QCOMPARE(ds->RecNo(), 1);
    QCOMPARE(Column(ds, 1), codes);
    QCOMPARE(Column(ds, table.DepreciatedFld()->Index()), monthly);
    QCOMPARE(Column(ds, table.TotalDepreciationFld()->Index()), total);
    QCOMPARE(Column(ds, table.NetValueFld()->Index()), net);
    QVERIFY(table.AdditionalFld()->IsNull());
    QCOMPARE(ds->FieldByName(QStringLiteral("DepreMethod"))->DisplayLabel(), QStringLiteral("折旧法"));
}

void TestDepreciationTables::yearly_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("months");
    const QString zeros = QStringLiteral("0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00");
    QTest::newRow("digits, service year")
        << 2004 << "S"
        << "0.00 416.67 416.67 416.67 416.67 416.67 416.67 416.67 416.67 416.67 416.67 416.67";
    QTest::newRow("digits, second year")
        << 2005 << "S"
        << "416.67 333.33 333.33 333.33 333.33 333.33 333.33 333.33 333.33 333.33 333.33 333.33";
    QTest::newRow("line, last year") << 2009 << "L"
                                     << "200.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00";
    QTest::newRow("line, after the life") << 2010 << "L" << zeros;
    QTest::newRow("year before service") << 2003 << "D" << zeros;
}

void TestDepreciationTables::yearly()
{
    QFETCH(int, year);
    QFETCH(QString, code);
    QFETCH(QString, months);
    TTestDatabase fixture;
    FillRegister(fixture);
    TDepreciationByYear table;
    table.Calculate(year, QString(), QString());
    TDataSet *ds = table.DataSet();
    QCOMPARE(ds->RecordCount(), 4); // neither the reduced nor the undepreciated asset
    QVERIFY(ds->Locate(QStringLiteral("AssetCode"), {code}));
    QStringList values;
    for (int month = 1; month <= 12; ++month)
        values.append(table.DepreFld(month)->DisplayText());
    QCOMPARE(values.join(QLatin1Char(' ')), months);
    QVERIFY(table.DepreYearFld()->IsNull());
    QCOMPARE(table.DepreFld(3)->DisplayLabel(), QStringLiteral("折旧|3月"));
    QCOMPARE(table.DepreYearFld()->DisplayLabel(), QStringLiteral("折旧|年度累计"));
}

void TestDepreciationTables::failingQueryLeavesTheTableEmpty()
{
    TScriptedScope scripted;
    TTestDatabase fixture;
    FillRegister(fixture);
    TDepreciation table;
    table.Calculate(2004, 2, QString(), QString());
    QCOMPARE(table.DataSet()->RecordCount(), 4);
    fixture.Exec(QStringLiteral("alter table assets rename to assets_gone"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, table.Calculate(2004, 3, QString(), QString()));
    QVERIFY(table.DataSet()->IsEmpty());
    QVERIFY(scripted->LastMessageText().contains(QStringLiteral("SQL语句错误")));
}

QTEST_GUILESS_MAIN(TestDepreciationTables)
#include "test_depreciation_tables.moc"
