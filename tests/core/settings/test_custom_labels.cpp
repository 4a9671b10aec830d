// The twelve custom field captions: defaults, stored values (an empty one stays empty), access by column
// name and by index, and saving them back under keys 4 … 15.
#include "data/database.h"
#include "scripted_interaction.h"
#include "settings/custom_labels.h"
#include "settings/key_value.h"
#include "support/errors.h"
#include "test_database.h"

#include <QTest>

namespace {

const QStringList Defaults{QStringLiteral("字符型1"), QStringLiteral("字符型2"), QStringLiteral("字符型3"),
                           QStringLiteral("字符型4"), QStringLiteral("字符型5"), QStringLiteral("字符型6"),
                           QStringLiteral("数字型1"), QStringLiteral("数字型2"), QStringLiteral("数字型3"),
                           QStringLiteral("日期型1"), QStringLiteral("日期型2"), QStringLiteral("日期型3")};

const QStringList Columns{QStringLiteral("Str1"),   QStringLiteral("Str2"),   QStringLiteral("Str3"),
                          QStringLiteral("Str4"),   QStringLiteral("Str5"),   QStringLiteral("Str6"),
                          QStringLiteral("Float1"), QStringLiteral("Float2"), QStringLiteral("Float3"),
                          QStringLiteral("Date1"),  QStringLiteral("Date2"),  QStringLiteral("Date3")};

} // namespace

class TestCustomLabels : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaults();
    void byColumnName();
    void loadWithoutRows();
    void loadStoredValues();
    void saveStoresEveryKey();
    void saveErrorKeepsLabels();
    void processWide();
};

void TestCustomLabels::defaults()
{
    TCustomFieldLabels labels;
    QCOMPARE(labels.Labels(), Defaults);
    for (int i = 0; i < TCustomFieldLabels::Count; ++i) {
        QCOMPARE(TCustomFieldLabels::DefaultLabel(i), Defaults.at(i));
        QCOMPARE(TCustomFieldLabels::FieldName(i), Columns.at(i));
        QCOMPARE(TCustomFieldLabels::SettingKey(i), 4 + i);
        QCOMPARE(labels.Label(i), Defaults.at(i));
    }
    QCOMPARE(TCustomFieldLabels::SettingKey(0), int(SettingKey::Str1Label));
    QCOMPARE(TCustomFieldLabels::SettingKey(6), int(SettingKey::Float1Label));
    QCOMPARE(TCustomFieldLabels::SettingKey(9), int(SettingKey::Date1Label));
    QCOMPARE(TCustomFieldLabels::SettingKey(11), int(SettingKey::Date3Label));
    QVERIFY(labels.Label(12).isEmpty());
    QVERIFY(labels.Label(-1).isEmpty());
}

void TestCustomLabels::byColumnName()
{
    TCustomFieldLabels labels;
    QCOMPARE(labels.Label(QStringLiteral("Str1")), QStringLiteral("字符型1"));
    QCOMPARE(labels.Label(QStringLiteral("float2")), QStringLiteral("数字型2"));
    QCOMPARE(labels.Label(QStringLiteral("DATE3")), QStringLiteral("日期型3"));
    QVERIFY(labels.Label(QStringLiteral("Name")).isNull());
    QVERIFY(labels.Label(QStringLiteral("Str7")).isNull());
    QCOMPARE(TCustomFieldLabels::IndexOf(QStringLiteral("Float1")), 6);
    QCOMPARE(TCustomFieldLabels::IndexOf(QStringLiteral("Code")), -1);
    labels.SetLabel(TCustomFieldLabels::IndexOf(QStringLiteral("Date1")), QStringLiteral("保修期"));
    QCOMPARE(labels.Label(QStringLiteral("Date1")), QStringLiteral("保修期"));
    labels.Reset();
    QCOMPARE(labels.Labels(), Defaults);
}

void TestCustomLabels::loadWithoutRows()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TCustomFieldLabels labels;
    labels.SetLabel(0, QStringLiteral("旧的"));
    labels.Load();
    QCOMPARE(labels.Labels(), Defaults);
}

void TestCustomLabels::loadStoredValues()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TKeyValue settings;
    settings.SetValue(4, QStringLiteral("型号"));
    settings.SetValue(12, QStringLiteral(""));
    settings.SetValue(15, QStringLiteral("保修期"));
    TCustomFieldLabels labels;
    labels.Load(settings);
    QStringList expected = Defaults;
    expected[0] = QStringLiteral("型号");
    expected[8] = QString();
    expected[11] = QStringLiteral("保修期");
    QCOMPARE(labels.Labels(), expected);
    QVERIFY(labels.Label(QStringLiteral("Float3")).isEmpty());
    QVERIFY(!labels.Label(QStringLiteral("Float3")).isNull());
    QCOMPARE(labels.Label(QStringLiteral("Str1")), QStringLiteral("型号"));
    QCOMPARE(labels.Label(QStringLiteral("Str2")), QStringLiteral("字符型2"));
}

void TestCustomLabels::saveStoresEveryKey()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TCustomFieldLabels labels;
    QStringList wanted;
    for (int i = 0; i < TCustomFieldLabels::Count; ++i)
        wanted.append(QStringLiteral("项%1").arg(i + 1));
    wanted[3] = QString(); // an empty label is stored as an empty text
    labels.Save(wanted);
    QCOMPARE(labels.Labels(), wanted);
    TKeyValue settings;
    for (int i = 0; i < TCustomFieldLabels::Count; ++i) {
        const QVariant stored = settings.GetValue(4 + i);
        QVERIFY2(stored.isValid(), qPrintable(QString::number(4 + i)));
        QCOMPARE(stored.toString(), wanted.at(i));
    }
    TCustomFieldLabels reloaded;
    reloaded.Load();
    QCOMPARE(reloaded.Labels(), wanted);
    // saving again updates the same rows
    labels.Save(Defaults);
    reloaded.Load();
    QCOMPARE(reloaded.Labels(), Defaults);
}

void TestCustomLabels::saveErrorKeepsLabels()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    fixture.Exec(QStringLiteral("create trigger refuse before insert on keyvalue when new.KeyId=10 "
                                "begin select raise(abort, 'refused'); end"));
    TCustomFieldLabels labels;
    QStringList wanted;
    for (int i = 0; i < TCustomFieldLabels::Count; ++i)
        wanted.append(QStringLiteral("项%1").arg(i + 1));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, labels.Save(wanted));
    QCOMPARE(labels.Labels(), Defaults);
    TKeyValue settings;
    // keys 4 … 9 were stored before the error, 10 … 15 not
    for (int key = 4; key <= 9; ++key)
        QCOMPARE(settings.GetText(key), wanted.at(key - 4));
    for (int key = 10; key <= 15; ++key)
        QVERIFY(!settings.GetValue(key).isValid());
}

void TestCustomLabels::processWide()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    QCOMPARE(&CustomFieldLabels(), &CustomFieldLabels());
    QCOMPARE(CustomFieldLabels().Labels(), Defaults);
    TKeyValue().SetValue(SettingKey::Str2Label, QStringLiteral("品牌"));
    LoadCustomFieldLabels();
    QCOMPARE(CustomFieldLabels().Label(QStringLiteral("Str2")), QStringLiteral("品牌"));
    QCOMPARE(CustomFieldLabels().Label(0), QStringLiteral("字符型1"));
    CustomFieldLabels().Reset();
}

QTEST_GUILESS_MAIN(TestCustomLabels)
#include "test_custom_labels.moc"
