// The typing rules of the program's text boxes and their typed accessors with the texts of their errors.
#include "data/field.h"
#include "support/edit_rules.h"
#include "support/errors.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TEditType)

class TestEditRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acceptsKey_data()
    {
        QTest::addColumn<TEditType>("editType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("accepted");

        const QChar backspace(0x08);
        const QChar enter(0x0D);
        QTest::newRow("second point") << etNumber << QStringLiteral("12.5") << QChar(u'.') << false;
        QTest::newRow("point in empty box") << etNumber << QString() << QChar(u'.') << false;
        QTest::newRow("point after digits") << etNumber << QStringLiteral("12") << QChar(u'.') << true;
        QTest::newRow("second leading zero") << etNumber << QStringLiteral("0") << QChar(u'0') << false;
        QTest::newRow("zero after ten") << etNumber << QStringLiteral("10") << QChar(u'0') << true;
        QTest::newRow("zero after point") << etNumber << QStringLiteral("0.") << QChar(u'0') << true;
        QTest::newRow("zero in empty box") << etNumber << QString() << QChar(u'0') << true;
        QTest::newRow("digit after zero") << etNumber << QStringLiteral("0") << QChar(u'5') << true;
        QTest::newRow("letter in number") << etNumber << QStringLiteral("1") << QChar(u'a') << false;
        QTest::newRow("minus in number") << etNumber << QString() << QChar(u'-') << false;
        QTest::newRow("plus in number") << etNumber << QString() << QChar(u'+') << false;
        QTest::newRow("exponent in number") << etNumber << QStringLiteral("1") << QChar(u'e') << false;
        QTest::newRow("full-width digit in number") << etNumber << QString() << QChar(u'１') << false;
        QTest::newRow("backspace in number") << etNumber << QStringLiteral("12.5") << backspace << true;
        QTest::newRow("enter in number") << etNumber << QStringLiteral("0") << enter << true;
        QTest::newRow("point in integer") << etInteger << QStringLiteral("12") << QChar(u'.') << false;
        QTest::newRow("minus in integer") << etInteger << QString() << QChar(u'-') << false;
        QTest::newRow("zeros in integer") << etInteger << QStringLiteral("0") << QChar(u'0') << true;
        QTest::newRow("backspace in integer") << etInteger << QStringLiteral("1") << backspace << true;
        QTest::newRow("letter in free") << etFree << QStringLiteral("12.5") << QChar(u'x') << true;
        QTest::newRow("second point in free") << etFree << QStringLiteral("12.5") << QChar(u'.') << true;
        QTest::newRow("chinese in free") << etFree << QString() << QChar(u'资') << true;
    }

    void acceptsKey()
    {
        QFETCH(TEditType, editType);
        QFETCH(QString, text);
        QFETCH(QChar, key);
        QFETCH(bool, accepted);
        QCOMPARE(AcceptsKey(editType, text, key), accepted);
    }

    void readsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("blank") << QStringLiteral("  ") << 0.0;
        QTest::newRow("decimal") << QStringLiteral("12.5") << 12.5;
        QTest::newRow("negative") << QStringLiteral("-3.25") << -3.25;
        QTest::newRow("surrounding blanks") << QStringLiteral(" 7 ") << 7.0;
        QTest::newRow("exponent") << QStringLiteral("1.5E3") << 1500.0;
    }

    void readsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(EditTextToDouble(text), value);
    }

    void conversionErrors_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters as number") << u"double"_s << u"abc"_s << u"\"abc\" 不是有效的数字."_s;
        QTest::newRow("thousands separator") << u"double"_s << u"1,000"_s << u"\"1,000\" 不是有效的数字."_s;
        QTest::newRow("two points") << u"double"_s << u"1.2.3"_s << u"\"1.2.3\" 不是有效的数字."_s;
        QTest::newRow("infinity") << u"double"_s << u"inf"_s << u"\"inf\" 不是有效的数字."_s;
        QTest::newRow("decimal as integer") << u"integer"_s << u"12.5"_s << u"\"12.5\" 不是有效的整数."_s;
        QTest::newRow("letters as integer") << u"integer"_s << u"abc"_s << u"\"abc\" 不是有效的整数."_s;
        QTest::newRow("integer overflow")
            << u"integer"_s << u"99999999999"_s << u"\"99999999999\" 不是有效的整数."_s;
        QTest::newRow("slashes in date")
            << u"date"_s << u"2008/01/26"_s << u"\"2008/01/26\" 不是有效的日期."_s;
        QTest::newRow("no such day") << u"date"_s << u"2008-02-30"_s << u"\"2008-02-30\" 不是有效的日期."_s;
        QTest::newRow("two-digit year") << u"date"_s << u"08-1-26"_s << u"\"08-1-26\" 不是有效的日期."_s;
        QTest::newRow("date with time")
            << u"date"_s << u"2008-1-26 10:00"_s << u"\"2008-1-26 10:00\" 不是有效的日期."_s;
        QTest::newRow("letters as variant") << u"variant"_s << u"abc"_s << u"\"abc\" 不是有效的数字."_s;
    }

    void conversionErrors()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            if (kind == QLatin1String("double"))
                EditTextToDouble(text);
            else if (kind == QLatin1String("integer"))
                EditTextToInteger(text);
            else if (kind == QLatin1String("date"))
                EditTextToDate(text);
            else
                EditTextToVariant(text);
            QFAIL("the text converted");
        } catch (const EConvertError &error) {
            QCOMPARE(error.Message(), message);
        }
    }

    void writesNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero empties") << 0.0 << QString();
        QTest::newRow("whole") << 1500.0 << QStringLiteral("1500");
        QTest::newRow("fraction") << 12.5 << QStringLiteral("12.5");
        QTest::newRow("no thousands separator") << 1234567.89 << QStringLiteral("1234567.89");
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << QStringLiteral("0.333333333333333");
        QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << QStringLiteral("0.3");
        QTest::newRow("negative") << -2.5 << QStringLiteral("-2.5");
    }

    void writesNumbers()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(DoubleToEditText(value), text);
        if (value != 0)
            QCOMPARE(EditTextToDouble(DoubleToEditText(value)), QString::number(value, 'g', 15).toDouble());
    }

    void integers()
    {
        QCOMPARE(IntegerToEditText(0), QString());
        QCOMPARE(EditTextToInteger(IntegerToEditText(0)), 0);
        QCOMPARE(IntegerToEditText(-42), QStringLiteral("-42"));
        QCOMPARE(EditTextToInteger(QStringLiteral(" 42 ")), 42);
    }

    void readsDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("short month") << QStringLiteral("2008-1-26") << QDate(2008, 1, 26);
        QTest::newRow("full form") << QStringLiteral("2008-01-06") << QDate(2008, 1, 6);
        QTest::newRow("leap day") << QStringLiteral("2008-2-29") << QDate(2008, 2, 29);
    }

    void readsDates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const QVariant value = EditTextToDate(text);
        QCOMPARE(value.typeId(), int(QMetaType::QDateTime));
        QCOMPARE(value.toDateTime(), CalendarDateTime(date));
        QCOMPARE(DateToEditText(value), date.toString(QStringLiteral("yyyy-MM-dd")));
    }

    void dateNullAndValues()
    {
        QVERIFY(EditTextToDate(QString()).isNull());
        QCOMPARE(DateToEditText(QVariant()), QString());
        QCOMPARE(DateToEditText(QDateTime()), QString());
        QCOMPARE(DateToEditText(QDate(2008, 1, 26)), QStringLiteral("2008-01-26"));
        // A date-time shows its date only, the wall-clock date whatever zone it carries.
        QCOMPARE(DateToEditText(CalendarDateTime(QDate(2008, 1, 26), QTime(23, 30))),
                 QStringLiteral("2008-01-26"));
        QCOMPARE(DateToEditText(QDateTime(QDate(2008, 1, 26), QTime(23, 30))), QStringLiteral("2008-01-26"));
        QCOMPARE(DateToEditText(QStringLiteral("2008-1-26")), QStringLiteral("2008-01-26"));
        QCOMPARE(VariantToCalendarDateTime(QDateTime(QDate(2008, 1, 26), QTime(23, 30))),
                 CalendarDateTime(QDate(2008, 1, 26), QTime(23, 30)));
        QVERIFY(!VariantToCalendarDateTime(QString()).isValid());
        try {
            DateToEditText(3.5);
            QFAIL("a number was shown as a date");
        } catch (const EConvertError &error) {
            QCOMPARE(error.Message(), QStringLiteral("\"3.5\" 不是有效的日期."));
        }
    }

    void variants()
    {
        QVERIFY(EditTextToVariant(QString()).isNull());
        QCOMPARE(EditTextToVariant(QStringLiteral("2.5")), QVariant(2.5));
        QCOMPARE(VariantToEditText(QVariant()), QString());
        QCOMPARE(VariantToEditText(0.0), QStringLiteral("0"));
        QCOMPARE(VariantToEditText(1.0 / 3.0), QStringLiteral("0.333333333333333"));
        QCOMPARE(VariantToEditText(7), QStringLiteral("7"));
    }
};

QTEST_APPLESS_MAIN(TestEditRules)
#include "test_edit_rules.moc"
