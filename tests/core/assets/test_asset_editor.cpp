// The rules of the asset editor without its window: reading and writing values through the boxes, the reset,
// the amounts computed on entering a box and the checks before it closes with OK.
#include "data/field.h"
#include "fake_asset_editor.h"
#include "scripted_interaction.h"
#include "support/errors.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

const QStringList Methods{u"不计提折旧"_s, u"平均年限法"_s, u"年数总和法"_s};

// A date-time as the editor reads it: midnight of the day, of no time zone.
QVariant Day(int y, int m, int d)
{
    return CalendarDateTime(QDate(y, m, d));
}

// "Qty=3;Price=2.5" into the boxes of the editor.
void Fill(TAssetEditor &editor, const QString &boxes)
{
    for (const QString &pair : boxes.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(u'=');
        editor.SetBoxText(pair.left(eq), pair.mid(eq + 1));
    }
}

const QString DateMessage = u"日期格式不正确,应当类似于2006-2-13."_s;
const QString NameMessage = u"资产名称必须填写."_s;

QString DepreciationMessage(const QString &lines)
{
    return u"计提折旧必须填写以下信息:\t\t\r\n"_s + lines + u"\r\n\r\n请补充完整."_s;
}

} // namespace

class TestAssetEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void methodPosition();
    void resetEmptiesAndDatesToday();
    void computedAmounts_data();
    void computedAmounts();
    void enteringAmountBoxes_data();
    void enteringAmountBoxes();
    void okChecks_data();
    void okChecks();
};

void TestAssetEditor::reading_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("value"); // invalid for NULL
    QTest::addColumn<QString>("error");  // the conversion message when reading fails

    QTest::newRow("empty code is empty text") << u"Code"_s << QString() << QVariant(u""_s) << QString();
    QTest::newRow("name as typed") << u"AssetName"_s << u" 电脑 "_s << QVariant(u" 电脑 "_s) << QString();
    QTest::newRow("build date is free text")
        << u"BuildDate"_s << u"1998年春"_s << QVariant(u"1998年春"_s) << QString();
    QTest::newRow("empty custom text is NULL") << u"Str1"_s << QString() << QVariant() << QString();
    QTest::newRow("custom text") << u"Str6"_s << u"A-01"_s << QVariant(u"A-01"_s) << QString();
    QTest::newRow("empty quantity is NULL") << u"Qty"_s << QString() << QVariant() << QString();
    QTest::newRow("quantity") << u"Qty"_s << u"12"_s << QVariant(12) << QString();
    QTest::newRow("quantity not whole") << u"Qty"_s << u"1.5"_s << QVariant() << u"\"1.5\" 不是有效的整数."_s;
    QTest::newRow("rate too large") << u"EndValueRate"_s << u"99999999999"_s << QVariant()
                                    << u"\"99999999999\" 不是有效的整数."_s;
    QTest::newRow("years zero") << u"UseYears"_s << u"0"_s << QVariant(0) << QString();
    QTest::newRow("price") << u"Price"_s << u"2.5"_s << QVariant(2.5) << QString();
    QTest::newRow("empty price is NULL") << u"Price"_s << QString() << QVariant() << QString();
    QTest::newRow("wrong origin value")
        << u"OriginValue"_s << u"1.2.3"_s << QVariant() << u"\"1.2.3\" 不是有效的数字."_s;
    QTest::newRow("custom number") << u"Float2"_s << u"0.125"_s << QVariant(0.125) << QString();
    QTest::newRow("wrong custom number")
        << u"Float3"_s << u"abc"_s << QVariant() << u"\"abc\" 不是有效的数字."_s;
    QTest::newRow("service date") << u"AccountDate"_s << u"2008-1-26"_s << Day(2008, 1, 26) << QString();
    QTest::newRow("empty service date is NULL") << u"AccountDate"_s << QString() << QVariant() << QString();
    QTest::newRow("wrong service date")
        << u"AccountDate"_s << u"2008/01/26"_s << QVariant() << u"\"2008/01/26\" 不是有效的日期."_s;
    QTest::newRow("custom date") << u"Date3"_s << u"2006-2-13"_s << Day(2006, 2, 13) << QString();
    QTest::newRow("impossible custom date")
        << u"Date1"_s << u"2006-2-30"_s << QVariant() << u"\"2006-2-30\" 不是有效的日期."_s;
}

void TestAssetEditor::reading()
{
    QFETCH(QString, property);
    QFETCH(QString, text);
    QFETCH(QVariant, value);
    QFETCH(QString, error);
    TFakeAssetEditor editor;
    editor.SetBoxText(property, text);
    try {
        const QVariant read = editor.Value(property);
        QVERIFY2(error.isEmpty(), "the text should not convert");
        QCOMPARE(read.isNull(), value.isNull());
        if (!value.isNull()) {
            QCOMPARE(read.typeId(), value.typeId());
            QCOMPARE(read, value);
        }
    } catch (const EConvertError &e) {
        QCOMPARE(e.Message(), error);
    }
}

void TestAssetEditor::writing_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("after");

    const QVariant null;
    QTest::newRow("text") << u"Code"_s << u"old"_s << QVariant(u"0301-001"_s) << u"0301-001"_s;
    QTest::newRow("NULL text empties") << u"PartNo"_s << u"old"_s << null << QString();
    QTest::newRow("custom text") << u"Str2"_s << u"old"_s << QVariant(u"x"_s) << u"x"_s;
    QTest::newRow("NULL custom text keeps") << u"Str2"_s << u"old"_s << null << u"old"_s;
    QTest::newRow("quantity") << u"Qty"_s << QString() << QVariant(5) << u"5"_s;
    QTest::newRow("quantity 0 empties") << u"Qty"_s << u"7"_s << QVariant(0) << QString();
    QTest::newRow("NULL quantity keeps") << u"Qty"_s << u"7"_s << null << u"7"_s;
    QTest::newRow("rate 0 empties") << u"EndValueRate"_s << u"4"_s << QVariant(0) << QString();
    QTest::newRow("years 0 shows 0") << u"UseYears"_s << QString() << QVariant(0) << u"0"_s;
    QTest::newRow("NULL years keeps") << u"UseYears"_s << u"5"_s << null << u"5"_s;
    QTest::newRow("price two decimals") << u"Price"_s << QString() << QVariant(2.5) << u"2.50"_s;
    QTest::newRow("price rounded") << u"Price"_s << QString() << QVariant(1234.567) << u"1234.57"_s;
    QTest::newRow("origin value 0") << u"OriginValue"_s << QString() << QVariant(0.0) << u"0.00"_s;
    QTest::newRow("NULL end value keeps") << u"EndValue"_s << u"1.00"_s << null << u"1.00"_s;
    QTest::newRow("custom number shortest") << u"Float1"_s << QString() << QVariant(2.5) << u"2.5"_s;
    QTest::newRow("custom number 15 digits")
        << u"Float1"_s << QString() << QVariant(1.0 / 3) << u"0.333333333333333"_s;
    QTest::newRow("custom number 0 empties") << u"Float2"_s << u"9"_s << QVariant(0.0) << QString();
    QTest::newRow("NULL custom number keeps") << u"Float3"_s << u"9"_s << null << u"9"_s;
    QTest::newRow("service date") << u"AccountDate"_s << QString() << Day(2004, 1, 15) << u"2004-01-15"_s;
    QTest::newRow("NULL service date empties") << u"AccountDate"_s << u"2008-01-26"_s << null << QString();
    QTest::newRow("custom date") << u"Date1"_s << QString() << QVariant(QDate(2001, 3, 4)) << u"2001-03-04"_s;
    QTest::newRow("NULL custom date keeps") << u"Date2"_s << u"2001-03-04"_s << null << u"2001-03-04"_s;
}

void TestAssetEditor::writing()
{
    QFETCH(QString, property);
    QFETCH(QString, before);
    QFETCH(QVariant, value);
    QFETCH(QString, after);
    TFakeAssetEditor editor;
    editor.SetBoxText(property, before);
    editor.SetValue(property, value);
    QCOMPARE(editor.BoxText(property), after);
}

void TestAssetEditor::methodPosition()
{
    TFakeAssetEditor editor;
    editor.SetMethodItems(Methods);
    editor.SetValue(u"MethodId"_s, 2);
    QCOMPARE(editor.MethodIndex(), 2);
    QCOMPARE(editor.Value(u"MethodId"_s), QVariant(2));
    editor.SetValue(u"MethodId"_s, QVariant()); // NULL reads as the first method
    QCOMPARE(editor.MethodIndex(), 0);
    // a position the list does not have selects none, which is saved as no depreciation
    editor.SetValue(u"MethodId"_s, 9);
    QCOMPARE(editor.Value(u"MethodId"_s), QVariant(0));
    QVERIFY_THROWS_EXCEPTION(Exception, editor.Value(u"NoSuchBox"_s));
}

void TestAssetEditor::resetEmptiesAndDatesToday()
{
    TScriptedScope scripted;
    scripted->FixedNow = QDateTime(QDate(2008, 1, 26), QTime(15, 30));
    TFakeAssetEditor editor;
    editor.SetMethodItems(Methods);
    for (const TAssetEditorProperty &property : AssetEditorProperties())
        if (property.Kind != TAssetEditorKind::Method)
            editor.SetBoxText(property.Name, u"9"_s);
    editor.SetMethodIndex(2);
    editor.Choice = AfterOkNew;

    editor.Reset();
    for (const TAssetEditorProperty &property : AssetEditorProperties()) {
        if (property.Name == u"AccountDate"_s)
            QCOMPARE(editor.BoxText(property.Name), u"2008-01-26"_s);
        else if (property.Kind != TAssetEditorKind::Method)
            QVERIFY2(editor.BoxText(property.Name).isEmpty(), qPrintable(property.Name));
    }
    QCOMPARE(editor.MethodIndex(), 0);
    QCOMPARE(editor.AfterOk(), int(AfterOkNew)); // the choice is not the reset's business
}

void TestAssetEditor::computedAmounts_data()
{
    QTest::addColumn<bool>("origin"); // 原值 from 数量 and 单价; otherwise 净残值 from 原值 and 净残率
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<std::optional<QString>>("amount");

    const std::optional<QString> none;
    QTest::newRow("3 x 2.5") << true << u"3"_s << u"2.5"_s << std::optional(u"7.50"_s);
    QTest::newRow("7.50 x 4%") << false << u"7.50"_s << u"4"_s << std::optional(u"0.30"_s);
    QTest::newRow("no quantity") << true << QString() << u"2.5"_s << none;
    QTest::newRow("no price") << true << u"3"_s << QString() << none;
    QTest::newRow("no original value") << false << QString() << u"4"_s << none;
    QTest::newRow("no rate") << false << u"1000"_s << u" "_s << none;
    QTest::newRow("zero is a value") << true << u"0"_s << u"10"_s << std::optional(u"0.00"_s);
    QTest::newRow("rounded to cents") << true << u"3"_s << u"0.1"_s << std::optional(u"0.30"_s);
    QTest::newRow("half a cent up to even") << false << u"0.30"_s << u"5"_s << std::optional(u"0.02"_s);
    QTest::newRow("half a cent down to even") << false << u"0.50"_s << u"5"_s << std::optional(u"0.02"_s);
    QTest::newRow("large amounts") << true << u"1000"_s << u"12345.67"_s << std::optional(u"12345670.00"_s);
    QTest::newRow("quantity that does not convert") << true << u"3x"_s << u"2.5"_s << none;
    QTest::newRow("amount that does not convert") << false << u"1.2.3"_s << u"4"_s << none;
}

void TestAssetEditor::computedAmounts()
{
    QFETCH(bool, origin);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(std::optional<QString>, amount);
    QCOMPARE(origin ? ComputedOriginValue(first, second) : ComputedEndValue(first, second), amount);
}

void TestAssetEditor::enteringAmountBoxes_data()
{
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("origin");
    QTest::addColumn<QString>("endValue");

    QTest::newRow("both computed") << u"Qty=3;Price=2.5;EndValueRate=4"_s << u"7.50"_s << u"0.30"_s;
    QTest::newRow("typed amounts replaced")
        << u"Qty=3;Price=2.5;EndValueRate=4;OriginValue=99;EndValue=1"_s << u"7.50"_s << u"0.30"_s;
    QTest::newRow("no quantity keeps the typed value")
        << u"Price=2.5;EndValueRate=10;OriginValue=500"_s << u"500"_s << u"50.00"_s;
    QTest::newRow("no rate keeps the end value") << u"Qty=2;Price=8;EndValue=3"_s << u"16.00"_s << u"3"_s;
    QTest::newRow("nothing typed") << QString() << QString() << QString();
}

void TestAssetEditor::enteringAmountBoxes()
{
    QFETCH(QString, boxes);
    QFETCH(QString, origin);
    QFETCH(QString, endValue);
    TFakeAssetEditor editor;
    Fill(editor, u"AccountDate=;"_s + boxes);
    // the order a person moves through the boxes: 原值 before 净残值
    editor.EnterOriginValue();
    editor.EnterEndValue();
    QCOMPARE(editor.BoxText(u"OriginValue"_s), origin);
    QCOMPARE(editor.BoxText(u"EndValue"_s), endValue);
}

void TestAssetEditor::okChecks_data()
{
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus"); // the box of the first message

    const QString good = u"AssetName=电脑;AccountDate=2008-1-26;OriginValue=1000;EndValue=40;UseYears=5"_s;
    QTest::newRow("complete, depreciated") << good << 1 << QStringList() << QString();
    QTest::newRow("no depreciation needs only a name")
        << u"AssetName=电脑;AccountDate="_s << 0 << QStringList() << QString();
    QTest::newRow("empty name, first method")
        << u"AssetName=;OriginValue=1000"_s << 0 << QStringList{NameMessage} << u"AssetName"_s;
    QTest::newRow("blank name") << u"AssetName=  "_s << 0 << QStringList{NameMessage} << u"AssetName"_s;
    QTest::newRow("three lines") << u"AssetName=电脑;OriginValue=1000;EndValue=;UseYears=0;AccountDate="_s
                                 << 1
                                 << QStringList{DepreciationMessage(
                                        u"\r\n净残值必须大于零\r\n折旧年限必须大于零\r\n启用日期必需填写"_s)}
                                 << u"EndValue"_s;
    QTest::newRow("end value 0 is missing")
        << u"AssetName=电脑;AccountDate=2008-1-26;OriginValue=1000;EndValue=0;UseYears=5"_s << 2
        << QStringList{DepreciationMessage(u"\r\n净残值必须大于零"_s)} << u"EndValue"_s;
    QTest::newRow("everything missing")
        << u"AssetName=电脑;AccountDate="_s << 3
        << QStringList{DepreciationMessage(
               u"\r\n原值必须大于零\r\n净残值必须大于零\r\n折旧年限必须大于零\r\n启用日期必需填写"_s)}
        << u"OriginValue"_s;
    QTest::newRow("wrong service date reported once")
        << u"AssetName=电脑;AccountDate=2008-13-01;OriginValue=1000;EndValue=40;UseYears=5"_s << 1
        << QStringList{DateMessage} << u"AccountDate"_s;
    QTest::newRow("wrong date, no name, missing amounts: three messages")
        << u"AssetName=;AccountDate=2008/1/1;OriginValue=;EndValue=40;UseYears=5"_s << 1
        << QStringList{DateMessage, NameMessage, DepreciationMessage(u"\r\n原值必须大于零"_s)}
        << u"AccountDate"_s;
    QTest::newRow("first wrong custom date only") << u"AssetName=电脑;Date1=;Date2=abc;Date3=2001-02-30"_s
                                                  << 0 << QStringList{DateMessage} << u"Date2"_s;
    QTest::newRow("custom dates unchecked when right")
        << u"AssetName=电脑;Date1=2001-2-3;Date3=2001-12-31"_s << 0 << QStringList() << QString();
    QTest::newRow("amount that does not convert")
        << u"AssetName=;AccountDate=2008-1-26;OriginValue=1.2.3;EndValue=;UseYears=5"_s << 1
        << QStringList{NameMessage, u"\"1.2.3\" 不是有效的数字."_s} << u"AssetName"_s;
    QTest::newRow("years that do not convert")
        << good + u";UseYears=2.5"_s << 1 << QStringList{u"\"2.5\" 不是有效的整数."_s} << u"UseYears"_s;
    QTest::newRow("wrong amounts unchecked without depreciation")
        << u"AssetName=电脑;OriginValue=1.2.3"_s << 0 << QStringList() << QString();
}

void TestAssetEditor::okChecks()
{
    QFETCH(QString, boxes);
    QFETCH(int, method);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    TFakeAssetEditor editor;
    editor.SetMethodItems(Methods + QStringList{u"双倍余额递减法"_s});
    editor.SetMethodIndex(method);
    Fill(editor, boxes);
    const QList<TAssetEditorProblem> problems = editor.Check();
    QStringList shown;
    for (const TAssetEditorProblem &problem : problems)
        shown.append(problem.Message);
    QCOMPARE(shown, messages);
    QCOMPARE(problems.isEmpty() ? QString() : problems.first().Property, focus);
}

QTEST_GUILESS_MAIN(TestAssetEditor)
#include "test_asset_editor.moc"
