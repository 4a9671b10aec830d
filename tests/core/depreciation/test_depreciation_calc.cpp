// The monthly depreciation computation: every method, the life boundaries and the rounding rules.
#include "depreciation/depreciation_calc.h"

#include <QTest>

class TestDepreciationCalc : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void elapsedMonths_data();
    void elapsedMonths();
    void calc_data();
    void calc();
    void yearEndsSumYearlyAmounts_data();
    void yearEndsSumYearlyAmounts();
};

void TestDepreciationCalc::elapsedMonths_data()
{
    QTest::addColumn<QDate>("service");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("expected");
    const QDate service(2004, 1, 15);
    QTest::newRow("service month") << service << 2004 << 1 << 0;
    QTest::newRow("next month") << service << 2004 << 2 << 1;
    QTest::newRow("years later") << service << 2009 << 1 << 60;
    QTest::newRow("earlier in the same year") << QDate(2004, 6, 1) << 2004 << 2 << -4;
    QTest::newRow("earlier year") << service << 2003 << 12 << 0;
    QTest::newRow("month 13 is next January") << service << 2004 << 13 << 12;
    QTest::newRow("no service date") << QDate() << 1900 << 1 << 1;
}

void TestDepreciationCalc::elapsedMonths()
{
    QFETCH(QDate, service);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, expected);
    QCOMPARE(ElapsedMonths(service, year, month), expected);
}

void TestDepreciationCalc::calc_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<double>("origin");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("monthly");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("net");

    // Service date 15 January 2004 throughout.
    auto row = [](const char *name, int method, double o, double e, int y, int year, int month,
                  const char *monthly, const char *total, const char *net) {
        QTest::newRow(name) << method << o << e << y << year << month << QString::fromLatin1(monthly)
                            << QString::fromLatin1(total) << QString::fromLatin1(net);
    };
    row("line: service month", 1, 12000, 0, 5, 2004, 1, "0.00", "0.00", "12,000.00");
    row("line: first month", 1, 12000, 0, 5, 2004, 2, "200.00", "200.00", "11,800.00");
    row("line: December 2008", 1, 12000, 0, 5, 2008, 12, "200.00", "11,800.00", "200.00");
    row("line: last month", 1, 12000, 0, 5, 2009, 1, "200.00", "12,000.00", "0.00");
    row("line: life over", 1, 12000, 0, 5, 2009, 2, "0.00", "12,000.00", "0.00");
    row("line: accumulated from raw months", 1, 1000, 0, 3, 2005, 7, "27.78", "500.00", "500.00");
    row("digits: first month", 2, 15000, 0, 5, 2004, 2, "416.67", "416.67", "14,583.33");
    row("digits: December 2004", 2, 15000, 0, 5, 2004, 12, "416.67", "4,583.33", "10,416.67");
    row("digits: end of year one", 2, 15000, 0, 5, 2005, 1, "416.67", "5,000.00", "10,000.00");
    row("digits: year two", 2, 15000, 0, 5, 2005, 2, "333.33", "5,333.33", "9,666.67");
    row("digits: last month", 2, 15000, 0, 5, 2009, 1, "83.33", "15,000.00", "0.00");
    row("digits: life over", 2, 15000, 0, 5, 2009, 2, "0.00", "15,000.00", "0.00");
    row("declining: first month", 3, 10000, 400, 5, 2004, 2, "333.33", "333.33", "9,666.67");
    row("declining: end of year one", 3, 10000, 400, 5, 2005, 1, "333.33", "4,000.00", "6,000.00");
    row("declining: end of year three", 3, 10000, 400, 5, 2007, 1, "120.00", "7,840.00", "2,160.00");
    row("declining: straight last years", 3, 10000, 400, 5, 2007, 2, "73.33", "7,913.33", "2,086.67");
    row("declining: last month", 3, 10000, 400, 5, 2009, 1, "73.33", "9,600.00", "400.00");
    row("declining: life over", 3, 10000, 400, 5, 2009, 2, "0.00", "9,600.00", "400.00");
    row("declining: two years straight", 3, 10000, 400, 2, 2004, 2, "400.00", "400.00", "9,600.00");
    row("declining: two years, last month", 3, 10000, 400, 2, 2006, 1, "400.00", "9,600.00", "400.00");
    row("line: no life", 1, 5000, 200, 0, 2004, 2, "0.00", "4,800.00", "200.00");
    row("digits: no life", 2, 5000, 200, 0, 2004, 2, "0.00", "4,800.00", "200.00");
    row("declining: no life", 3, 5000, 200, 0, 2004, 2, "0.00", "4,800.00", "200.00");
    row("no life, service month", 1, 5000, 200, 0, 2004, 1, "0.00", "0.00", "5,000.00");
    row("method without amount", 4, 5000, 200, 5, 2006, 6, "0.00", "0.00", "5,000.00");
    row("unknown method", 9, 5000, 200, 5, 2006, 6, "0.00", "0.00", "5,000.00");
    row("not depreciated", 0, 5000, 200, 5, 2006, 6, "0.00", "0.00", "5,000.00");
    row("month before service, same year", 1, 12000, 0, 5, 2003, 12, "0.00", "0.00", "12,000.00");
    row("residual above original", 1, 1000, 1200, 1, 2004, 3, "-16.67", "-33.33", "1,033.33");
    // 0.01 / 12 years / 12 months = 0.0000694: a raw monthly amount of 1, 12 x 1 = 0.0012 rounds to 0.00.
    row("tiny amount rounds to nothing", 1, 0.01, 0, 12, 2005, 1, "0.00", "0.00", "0.01");
    // 0.03 / 10 / 12 = 2.5 ten-thousandths exactly: the monthly raw amount is the even 2, not 3, which
    // shows after 100 months as 0.02 accumulated rather than 0.03.
    row("half a ten-thousandth to even", 1, 0.03, 0, 10, 2012, 5, "0.00", "0.02", "0.01");
    // 30.005 per month: the half cent goes to the even neighbour, 30.00; two months 60.01.
    row("half a cent to even", 1, 3600.6, 0, 10, 2004, 2, "30.00", "30.00", "3,570.60");
    row("two months after a half cent", 1, 3600.6, 0, 10, 2004, 3, "30.00", "60.01", "3,540.59");
}

void TestDepreciationCalc::calc()
{
    QFETCH(int, method);
    QFETCH(double, origin);
    QFETCH(double, end);
    QFETCH(int, years);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, monthly);
    QFETCH(QString, total);
    QFETCH(QString, net);
    const TDepreciationInput asset{method, origin, end, years, QDate(2004, 1, 15)};
    const TDepreciationResult result = CalcDepreciation(asset, year, month);
    QCOMPARE(result.Month.Format(), monthly);
    QCOMPARE(result.Total.Format(), total);
    QCOMPARE(NetValue(origin, result.Total).Format(), net);
}

void TestDepreciationCalc::yearEndsSumYearlyAmounts_data()
{
    QTest::addColumn<int>("method");
    QTest::newRow("sum of the years' digits") << 2;
    QTest::newRow("double declining") << 3;
}

void TestDepreciationCalc::yearEndsSumYearlyAmounts()
{
    // Within each year the monthly amount is constant, and the year-end totals add up month by month.
    QFETCH(int, method);
    const TDepreciationInput asset{method, 98765.43, 1234.5, 7, QDate(2001, 3, 9)};
    TMoney previous;
    for (int n = 1; n <= 7 * 12; ++n) {
        const int year = 2001 + (3 + n - 1) / 12;
        const int month = (3 + n - 1) % 12 + 1;
        const TDepreciationResult result = CalcDepreciation(asset, year, month);
        const TMoney step = result.Total - previous;
        QVERIFY2(qAbs(step.Raw() - result.Month.Raw()) <= 100, qPrintable(QString::number(n)));
        previous = result.Total;
    }
    QCOMPARE(previous.Format(), QStringLiteral("97,530.93"));
    QCOMPARE(CalcDepreciation(asset, 2010, 1).Month.Format(), QStringLiteral("0.00"));
}

QTEST_GUILESS_MAIN(TestDepreciationCalc)
#include "test_depreciation_calc.moc"
