// Rounding and display of money amounts.
#include "data/money.h"

#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundHalfEven_data();
    void roundHalfEven();
    void divRoundHalfEven_data();
    void divRoundHalfEven();
    void roundedToCents_data();
    void roundedToCents();
    void formatMoney_data();
    void formatMoney();
    void roundTo();
};

void TestMoney::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("half down to even") << 2.5 << qint64(2);
    QTest::newRow("half up to even") << 3.5 << qint64(4);
    QTest::newRow("negative half") << -2.5 << qint64(-2);
    QTest::newRow("above half") << 2.5000001 << qint64(3);
    QTest::newRow("straight line month") << 1000.0 / 3 / 12 * 10000 << qint64(277778);
}

void TestMoney::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(qint64, expected);
    QCOMPARE(qint64(RoundHalfEven(value)), expected);
}

void TestMoney::divRoundHalfEven_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<qint64>("divisor");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("exact") << qint64(500) << qint64(100) << qint64(5);
    QTest::newRow("half to even down") << qint64(250) << qint64(100) << qint64(2);
    QTest::newRow("half to even up") << qint64(350) << qint64(100) << qint64(4);
    QTest::newRow("negative half") << qint64(-250) << qint64(100) << qint64(-2);
    QTest::newRow("negative above half") << qint64(-251) << qint64(100) << qint64(-3);
    QTest::newRow("below half") << qint64(249) << qint64(100) << qint64(2);
}

void TestMoney::divRoundHalfEven()
{
    QFETCH(qint64, raw);
    QFETCH(qint64, divisor);
    QFETCH(qint64, expected);
    QCOMPARE(qint64(DivRoundHalfEven(raw, divisor)), expected);
}

void TestMoney::roundedToCents_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("27.7778") << qint64(277778) << qint64(277800);
    QTest::newRow("half cent to even down") << qint64(277750 - 100) << qint64(277600);
    QTest::newRow("half cent to even up") << qint64(277750) << qint64(277800);
    QTest::newRow("negative") << qint64(-12345) << qint64(-12300);
    QTest::newRow("500.0004") << qint64(5000004) << qint64(5000000);
}

void TestMoney::roundedToCents()
{
    QFETCH(qint64, raw);
    QFETCH(qint64, expected);
    QCOMPARE(qint64(TMoney::FromRaw(raw).RoundedToCents().Raw()), expected);
}

void TestMoney::formatMoney_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0.00");
    QTest::newRow("negative") << -1234.5 << QStringLiteral("-1,234.50");
    QTest::newRow("millions") << 1234567.5 << QStringLiteral("1,234,567.50");
    QTest::newRow("hundreds") << 999.999 << QStringLiteral("1,000.00");
    QTest::newRow("tiny negative") << -0.001 << QStringLiteral("0.00");
    QTest::newRow("negative hundreds") << -123.0 << QStringLiteral("-123.00");
}

void TestMoney::formatMoney()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatMoney(value), expected);
    QCOMPARE(TMoney::FromDouble(value).RoundedToCents().Format(), expected);
}

void TestMoney::roundTo()
{
    QCOMPARE(RoundTo(2.5, 0), 2.0);
    QCOMPARE(RoundTo(3.5, 0), 4.0);
    QCOMPARE(RoundTo(33.3333, 2), 33.33);
}

QTEST_GUILESS_MAIN(TestMoney)
#include "test_money.moc"
