// The numbered settings store: reads through the scratch record set, insert-then-update, defaults,
// booleans and texts kept apart in the untyped [Value] column.
#include "data/database.h"
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "settings/key_value.h"
#include "support/errors.h"
#include "test_database.h"

#include <QTest>

namespace {

// Rows of keyvalue with this key, read past the accessor.
int RowsOf(int key)
{
    TRecordSet rs;
    return rs.Query(QStringLiteral("select KeyId from keyvalue where KeyId=:KeyId"),
                    {DBParam(QStringLiteral("KeyId"), key)});
}

int AllRows()
{
    TRecordSet rs;
    rs.Query(QStringLiteral("select count(*) from keyvalue"));
    return rs.DataSet()->Field(0)->AsInteger();
}

} // namespace

class TestKeyValue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keyNumbers();
    void creatingRunsNoQuery();
    void missingRowReadsNull();
    void getTextDefaultVsStoredEmpty();
    void getTextOfNullValue();
    void setValueInsertsThenUpdates();
    void booleanRoundTrip_data();
    void booleanRoundTrip();
    void suppliedFlagsAreBooleans();
    void textStaysText_data();
    void textStaysText();
    void statementErrorReachesCaller();
    void globalInstance();
};

void TestKeyValue::keyNumbers()
{
    QCOMPARE(int(SettingKey::FeedbackPrompt), 0);
    QCOMPARE(int(SettingKey::DailyTipPrompt), 1);
    QCOMPARE(int(SettingKey::ExportSelectedFields), 3);
    QCOMPARE(int(SettingKey::Str1Label), 4);
    QCOMPARE(int(SettingKey::Str6Label), 9);
    QCOMPARE(int(SettingKey::Float1Label), 10);
    QCOMPARE(int(SettingKey::Float3Label), 12);
    QCOMPARE(int(SettingKey::Date1Label), 13);
    QCOMPARE(int(SettingKey::Date3Label), 15);
    QCOMPARE(SettingKey::LastCustomLabel - SettingKey::FirstCustomLabel + 1, 12);
}

void TestKeyValue::creatingRunsNoQuery()
{
    TScriptedScope scripted;
    // No database is connected: creating must not touch it.
    GlobalRecordSet().DataSet()->Close();
    const QString before = GlobalRecordSet().SqlText();
    [[maybe_unused]] TKeyValue settings;
    GlobalKeyValue();
    QCOMPARE(GlobalRecordSet().SqlText(), before);
    QVERIFY(scripted->Messages.isEmpty());
}

void TestKeyValue::missingRowReadsNull()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TKeyValue settings;
    QVERIFY(!settings.GetValue(SettingKey::Str1Label).isValid());
    QVERIFY(!settings.GetValue(99).isValid());
    QCOMPARE(GlobalRecordSet().SqlText(), QStringLiteral("select [Value] from keyvalue where KeyId=:KeyId"));
    QCOMPARE(settings.GetBool(SettingKey::ExportSelectedFields, true), true);
    QCOMPARE(settings.GetBool(SettingKey::ExportSelectedFields, false), false);
}

void TestKeyValue::getTextDefaultVsStoredEmpty()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TKeyValue settings;
    QCOMPARE(settings.GetText(SettingKey::Str1Label, QStringLiteral("字符型1")), QStringLiteral("字符型1"));
    settings.SetValue(SettingKey::Str1Label, QStringLiteral(""));
    const QString text = settings.GetText(SettingKey::Str1Label, QStringLiteral("字符型1"));
    QVERIFY(text.isEmpty());
    // a null text passed in is stored as an empty text too
    settings.SetValue(SettingKey::Str2Label, QString());
    QVERIFY(settings.GetText(SettingKey::Str2Label, QStringLiteral("字符型2")).isEmpty());
    QCOMPARE(settings.GetText(SettingKey::ExportSelectedFields), QString());
}

void TestKeyValue::getTextOfNullValue()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    fixture.Exec(QStringLiteral("insert into keyvalue(KeyId, [Value]) values (5, null)"));
    TKeyValue settings;
    QVERIFY(!settings.GetValue(5).isValid());
    QCOMPARE(settings.GetText(5, QStringLiteral("字符型2")), QStringLiteral("字符型2"));
}

void TestKeyValue::setValueInsertsThenUpdates()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TKeyValue settings;
    const int before = AllRows();
    QCOMPARE(RowsOf(SettingKey::ExportSelectedFields), 0);
    settings.SetValue(SettingKey::ExportSelectedFields, QStringLiteral("Code,Name"));
    QCOMPARE(RowsOf(SettingKey::ExportSelectedFields), 1);
    QCOMPARE(AllRows(), before + 1);
    QCOMPARE(settings.GetText(SettingKey::ExportSelectedFields), QStringLiteral("Code,Name"));
    settings.SetValue(SettingKey::ExportSelectedFields, QStringLiteral("Code,Kind,Name"));
    QCOMPARE(RowsOf(SettingKey::ExportSelectedFields), 1);
    QCOMPARE(AllRows(), before + 1);
    QCOMPARE(settings.GetText(SettingKey::ExportSelectedFields), QStringLiteral("Code,Kind,Name"));
}

void TestKeyValue::booleanRoundTrip_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("value");
    QTest::newRow("feedback on (existing row)") << int(SettingKey::FeedbackPrompt) << true;
    QTest::newRow("feedback off (existing row)") << int(SettingKey::FeedbackPrompt) << false;
    QTest::newRow("tip on (existing row)") << int(SettingKey::DailyTipPrompt) << true;
    QTest::newRow("new row true") << 20 << true;
    QTest::newRow("new row false") << 21 << false;
}

void TestKeyValue::booleanRoundTrip()
{
    QFETCH(int, key);
    QFETCH(bool, value);
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TKeyValue settings;
    settings.SetValue(key, !value);
    settings.SetValue(key, value);
    const QVariant stored = settings.GetValue(key);
    QVERIFY(stored.isValid());
    QCOMPARE(stored.toBool(), value);
    QCOMPARE(settings.GetBool(key, !value), value);
    QCOMPARE(RowsOf(key), 1);
}

void TestKeyValue::suppliedFlagsAreBooleans()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TKeyValue settings;
    QVERIFY(settings.GetValue(SettingKey::FeedbackPrompt).isValid());
    QCOMPARE(settings.GetValue(SettingKey::FeedbackPrompt).toBool(), false);
    QCOMPARE(settings.GetBool(SettingKey::DailyTipPrompt, true), false);
}

void TestKeyValue::textStaysText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("label") << QStringLiteral("保修期");
    QTest::newRow("digits with leading zero") << QStringLiteral("007");
    QTest::newRow("one") << QStringLiteral("1");
    QTest::newRow("decimal") << QStringLiteral("1.50");
    QTest::newRow("word true") << QStringLiteral("true");
    QTest::newRow("blanks") << QStringLiteral("  a b  ");
    QTest::newRow("quote") << QStringLiteral("O'Brien");
}

void TestKeyValue::textStaysText()
{
    QFETCH(QString, text);
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TKeyValue settings;
    settings.SetValue(SettingKey::Str3Label, text);
    const QVariant value = settings.GetValue(SettingKey::Str3Label);
    QCOMPARE(value.typeId(), int(QMetaType::QString));
    QCOMPARE(value.toString(), text);
    QCOMPARE(settings.GetText(SettingKey::Str3Label, QStringLiteral("字符型3")), text);
}

void TestKeyValue::statementErrorReachesCaller()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    fixture.Exec(QStringLiteral(
        "create trigger refuse before insert on keyvalue begin select raise(abort, 'refused'); end"));
    TKeyValue settings;
    try {
        settings.SetValue(SettingKey::Date1Label, QStringLiteral("购置日期"));
        QFAIL("SetValue should have raised");
    } catch (const EDatabaseError &error) {
        QVERIFY2(error.Message().contains(QStringLiteral("refused")), qPrintable(error.Message()));
        QVERIFY(error.Message().endsWith(
            QStringLiteral("\r\ninsert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)")));
    }
    QCOMPARE(RowsOf(SettingKey::Date1Label), 0);
    // the update of an existing row still works
    settings.SetValue(SettingKey::FeedbackPrompt, true);
    QVERIFY(settings.GetBool(SettingKey::FeedbackPrompt));
}

void TestKeyValue::globalInstance()
{
    QCOMPARE(&GlobalKeyValue(), &GlobalKeyValue());
}

QTEST_GUILESS_MAIN(TestKeyValue)
#include "test_key_value.moc"
