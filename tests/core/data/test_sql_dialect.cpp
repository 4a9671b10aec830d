// Named parameters and the rewriting of the program's SQL for each engine.
#include "data/field.h"
#include "data/sql_dialect.h"
#include "support/errors.h"

#include <QTest>

class TestSqlDialect : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parameters_data();
    void parameters();
    void parameterCheck_data();
    void parameterCheck();
    void sqlite_data();
    void sqlite();
    void sqlServer_data();
    void sqlServer();
    void storedDates();
};

void TestSqlDialect::parameters_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("plain") << QStringLiteral("select * from assets where Id=:Code")
                           << QStringLiteral("select * from assets where Id=?")
                           << QStringList{QStringLiteral("Code")};
    QTest::newRow("bracketed column") << QStringLiteral("update options set List=:List where [Key]=:Id")
                                      << QStringLiteral("update options set List=? where [Key]=?")
                                      << QStringList{QStringLiteral("List"), QStringLiteral("Id")};
    QTest::newRow("colon inside a literal")
        << QStringLiteral("select ':x', 'a''b:c' from t where a=:A")
        << QStringLiteral("select ':x', 'a''b:c' from t where a=?") << QStringList{QStringLiteral("A")};
    QTest::newRow("time literal and double colon")
        << QStringLiteral("select '10:20' from t where x::int=1")
        << QStringLiteral("select '10:20' from t where x::int=1") << QStringList{};
    QTest::newRow("list without spaces")
        << QStringLiteral("values(:Id, :Code,:Kind)") << QStringLiteral("values(?, ?,?)")
        << QStringList{QStringLiteral("Id"), QStringLiteral("Code"), QStringLiteral("Kind")};
}

void TestSqlDialect::parameters()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QFETCH(QStringList, names);
    const TParsedStatement parsed = ParseNamedParameters(sql);
    QCOMPARE(parsed.Sql, expected);
    QCOMPARE(parsed.ParameterNames, names);
}

void TestSqlDialect::parameterCheck_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QString>("error"); // empty when the list fits
    const QString sql = QStringLiteral("delete from assets where Id=:Code");
    QTest::newRow("fits") << sql << QStringList{QStringLiteral("Code")} << QString();
    QTest::newRow("case differs") << sql << QStringList{QStringLiteral("code")} << QString();
    QTest::newRow("name not in the statement")
        << sql << QStringList{QStringLiteral("Code"), QStringLiteral("Id")}
        << QStringLiteral("参数 Id 不在SQL语句中\r\n") + sql;
    QTest::newRow("value missing") << sql << QStringList{} << QStringLiteral("参数 Code 没有值\r\n") + sql;
}

void TestSqlDialect::parameterCheck()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, given);
    QFETCH(QString, error);
    TDBParameters params;
    for (const QString &name : given)
        params.append(DBParam(name, 1));
    QString raised;
    try {
        CheckParameters(ParseNamedParameters(sql), params, {}, sql);
    } catch (const EDatabaseError &e) {
        raised = e.Message();
    }
    QCOMPARE(raised, error);
}

void TestSqlDialect::sqlite_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("date literal") << QStringLiteral("select * from assets where AccountDate>=#2008-03-05#")
                                  << QStringLiteral(
                                         "select * from assets where AccountDate>='2008-03-05 00:00:00'");
    QTest::newRow("short month and day")
        << QStringLiteral("where d<=#2008-3-5#") << QStringLiteral("where d<='2008-03-05 00:00:00'");
    QTest::newRow("literal untouched")
        << QStringLiteral("select '#2008-03-05#' from t") << QStringLiteral("select '#2008-03-05#' from t");
    QTest::newRow("top") << QStringLiteral("select top 1 Id from report order by Id desc")
                         << QStringLiteral("select Id from report order by Id desc limit 1");
    QTest::newRow("top with semicolon")
        << QStringLiteral("SELECT TOP 10 * FROM assets;") << QStringLiteral("SELECT * FROM assets limit 10");
    QTest::newRow("left renamed, left join kept")
        << QStringLiteral("select Left(Kind, 2) from a left join b on a.x=b.x")
        << QStringLiteral("select jet_left(Kind, 2) from a left join b on a.x=b.x");
    QTest::newRow("jet functions stay")
        << QStringLiteral("where DateDiff('m', AccountDate, #2008-01-26#)>0 and len(Kind)=2")
        << QStringLiteral("where DateDiff('m', AccountDate, '2008-01-26 00:00:00')>0 and len(Kind)=2");
}

void TestSqlDialect::sqlite()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QCOMPARE(MakeSqliteDialect()->Translate(sql), expected);
}

void TestSqlDialect::sqlServer_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quoted date stays") << QStringLiteral("where AccountDate>='2008-03-05'")
                                       << QStringLiteral("where AccountDate>='2008-03-05'");
    QTest::newRow("hash date") << QStringLiteral("where AccountDate>=#2008-03-05#")
                               << QStringLiteral("where AccountDate>='2008-03-05'");
    QTest::newRow("DateDiff interval") << QStringLiteral("where DateDiff('m', AccountDate, '2008-01-26')>0")
                                       << QStringLiteral("where DateDiff(m, AccountDate, '2008-01-26')>0");
    QTest::newRow("top stays") << QStringLiteral("select top 1 Id from report order by Id desc")
                               << QStringLiteral("select top 1 Id from report order by Id desc");
}

void TestSqlDialect::sqlServer()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QCOMPARE(MakeSqlServerDialect()->Translate(sql), expected);
}

void TestSqlDialect::storedDates()
{
    const QDateTime moment = CalendarDateTime(QDate(2008, 3, 5), QTime(14, 5, 9));
    QCOMPARE(SqliteDateText(moment), QStringLiteral("2008-03-05 14:05:09"));
    QCOMPARE(ParseSqliteDate(u"2008-03-05 14:05:09"), moment);
    QCOMPARE(ParseSqliteDate(u"2008-03-05"), CalendarDateTime(QDate(2008, 3, 5)));
    QCOMPARE(SqliteDateText(QDateTime(QDate(2008, 3, 5), QTime(0, 0))),
             QStringLiteral("2008-03-05 00:00:00"));
    QVERIFY(!ParseSqliteDate(u"2008-02-30").isValid());
    QVERIFY(!ParseSqliteDate(u"abc").isValid());
    QCOMPARE(MakeSqliteDialect()->BindValue(QDate(2008, 1, 26)).toString(),
             QStringLiteral("2008-01-26 00:00:00"));
}

QTEST_GUILESS_MAIN(TestSqlDialect)
#include "test_sql_dialect.moc"
