// The asset editor dialog driven as a person would: a new dialog's boxes, lists and captions, typing and the
// amounts filled in on entering their boxes, OK refused with the exact messages, the values read and written
// through its boxes, and adding an asset through the real dialog.
#include "assets/asset_set.h"
#include "form_driving.h"
#include "forms/qz_combo_box.h"
#include "forms/qz_edit.h"
#include "mainwin/asset_editor_frm.h"
#include "scripted_interaction.h"
#include "settings/custom_labels.h"
#include "settings/options.h"
#include "support/action.h"
#include "support/errors.h"
#include "test_database.h"
#include "users/operator.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList Methods{u"不计提折旧"_s, u"平均年限法"_s, u"年数总和法"_s};

// Every value box in tab order, then the "确定后" list.
const QStringList TabOrder{
    u"cmbClassId1"_s,  u"edtCode1"_s,        u"cmbAssetName1"_s,    u"edtPartNo1"_s,   u"edtGBCode1"_s,
    u"edtFactory1"_s,  u"edtBuildDate1"_s,   u"cmbAssetUnit1"_s,    u"edtConfig1"_s,   u"cmbUseState1"_s,
    u"cmbUseDept1"_s,  u"cmbDepositary1"_s,  u"cmbLayPlace1"_s,     u"cmbAddKind1"_s,  u"edtAccountDate1"_s,
    u"edtUseYears1"_s, u"edtOriginValue1"_s, u"edtEndValueRate1"_s, u"edtEndValue1"_s, u"cmbMethod1"_s,
    u"edtQty1"_s,      u"edtPrice1"_s,       u"edtAssetNote1"_s,    u"edtStr1"_s,      u"edtStr2"_s,
    u"edtStr3"_s,      u"edtStr4"_s,         u"edtStr5"_s,          u"edtStr6"_s,      u"edtFloat1"_s,
    u"edtFloat2"_s,    u"edtFloat3"_s,       u"edtDate1"_s,         u"edtDate2"_s,     u"edtDate3"_s,
    u"cmbAfterOk1"_s};

TqzEdit *Edit(QWidget *dialog, const QString &name)
{
    return Child<TqzEdit>(dialog, name);
}

// The control the focus is in: the drop-down, not its text field.
QString FocusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && qobject_cast<QComboBox *>(focus->parentWidget()))
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

// Types into a box as a person does: focus by the mouse, select what is there, type over it.
void TypeInto(QWidget *box, const QString &text)
{
    QWidget *target = box;
    if (auto *combo = qobject_cast<QComboBox *>(box))
        target = combo->lineEdit();
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
    if (auto *edit = qobject_cast<QLineEdit *>(target))
        edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(target, Qt::Key_Delete);
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void ClickOk(QWidget *dialog)
{
    QTest::mouseClick(Child<QPushButton>(dialog, u"OkBtn1"_s), Qt::LeftButton);
}

} // namespace

class TestAssetEditorFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newDialog();
    void layoutAtNaturalSize();
    void enterMovesInTabOrder();
    void typingAndComputedAmounts();
    void okRefused_data();
    void okRefused();
    void valuesThroughTheBoxes();
    void wrongTextRaisesOnReading();
    void addThroughTheDialog();
    void failingSaveShowsTheDialogAgain();

private:
    std::unique_ptr<TTestDatabase> m_db;
    std::unique_ptr<TScriptedScope> m_scripted;
};

void TestAssetEditorFrm::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    m_scripted = std::make_unique<TScriptedScope>();
    (*m_scripted)->FixedNow = QDateTime(QDate(2008, 1, 26), QTime(9, 0));
    CustomFieldLabels().Reset();
    CurrentOperator().Clear();
    CurrentOperator().LoginId = TOperator::SuperUser;
}

void TestAssetEditorFrm::cleanup()
{
    CurrentOperator().Clear();
    CustomFieldLabels().Reset();
    m_scripted.reset();
    m_db.reset();
}

void TestAssetEditorFrm::newDialog()
{
    m_db->Exec(u"update options set List='台式机' || char(13) || char(10) || '笔记本' where [Key]=0"_s);
    CustomFieldLabels().SetLabel(0, u"资产条码"_s);
    CustomFieldLabels().SetLabel(11, u"保修到期"_s);
    TAssetEditorFrm dialog;
    dialog.SetMethodItems(Methods);

    QCOMPARE(dialog.objectName(), u"AssetEditorFrm"_s);
    QCOMPARE(Child<QComboBox>(&dialog, u"cmbAfterOk1"_s)->currentText(), u"关闭"_s);
    QCOMPARE(dialog.AfterOk(), int(AfterOkClose));
    QCOMPARE(Child<QComboBox>(&dialog, u"cmbMethod1"_s)->currentText(), u"不计提折旧"_s);
    QCOMPARE(dialog.MethodItems(), Methods);
    for (const QString &name : TabOrder) {
        if (name == u"edtAccountDate1"_s)
            QCOMPARE(Edit(&dialog, name)->text(), u"2008-01-26"_s);
        else if (auto *edit = dialog.findChild<QLineEdit *>(name))
            QVERIFY2(edit->text().isEmpty(), qPrintable(name));
        else if (auto *combo = Child<QComboBox>(&dialog, name); combo->isEditable())
            QVERIFY2(combo->currentText().isEmpty(), qPrintable(name));
    }

    // the pick lists as stored when the dialog was made; the drop-downs take any text
    auto *names = Child<QComboBox>(&dialog, u"cmbAssetName1"_s);
    QCOMPARE(names->count(), 2);
    QCOMPARE(names->itemText(1), u"笔记本"_s);
    QVERIFY(names->isEditable());
    const TRovoOptions options;
    const QList<QPair<QString, QString>> lists{
        {u"cmbClassId1"_s, options.AssetKind()},     {u"cmbAssetUnit1"_s, options.AssetUnit()},
        {u"cmbUseState1"_s, options.UseState()},     {u"cmbUseDept1"_s, options.UseDept()},
        {u"cmbDepositary1"_s, options.Depositary()}, {u"cmbLayPlace1"_s, options.LayPlace()},
        {u"cmbAddKind1"_s, options.AddKind()}};
    for (const auto &[name, list] : lists) {
        auto *combo = Child<QComboBox>(&dialog, name);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        QCOMPARE(items, TRovoOptions::Entries(list));
        QVERIFY(!items.isEmpty());
    }
    QVERIFY(!Child<QComboBox>(&dialog, u"cmbMethod1"_s)->isEditable());
    QVERIFY(!Child<QComboBox>(&dialog, u"cmbAfterOk1"_s)->isEditable());

    // captions: the fixed ones beside their boxes, the custom ones from the labels
    for (const TAssetEditorProperty &property : AssetEditorProperties()) {
        QWidget *box = dialog.Box(property.Name);
        QVERIFY2(box, qPrintable(property.Name));
        QLabel *caption = nullptr;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            if (label->buddy() == box)
                caption = label;
        QVERIFY2(caption, qPrintable(property.Name));
        if (!property.Caption.isEmpty())
            QCOMPARE(caption->text(), property.Caption);
    }
    QCOMPARE(Child<QLabel>(&dialog, u"lblStr1"_s)->text(), u"资产条码"_s);
    QCOMPARE(Child<QLabel>(&dialog, u"lblStr2"_s)->text(), u"字符型2"_s);
    QCOMPARE(Child<QLabel>(&dialog, u"lblFloat3"_s)->text(), u"数字型3"_s);
    QCOMPARE(Child<QLabel>(&dialog, u"lblDate3"_s)->text(), u"保修到期"_s);

    // number boxes: the typing rule and right alignment
    const QStringList integers{u"edtUseYears1"_s, u"edtEndValueRate1"_s, u"edtQty1"_s};
    const QStringList numbers{u"edtOriginValue1"_s, u"edtEndValue1"_s, u"edtPrice1"_s,
                              u"edtFloat1"_s,       u"edtFloat2"_s,    u"edtFloat3"_s};
    for (TqzEdit *edit : dialog.findChildren<TqzEdit *>()) {
        const QString name = edit->objectName();
        const TEditType expected = integers.contains(name)  ? etInteger
                                   : numbers.contains(name) ? etNumber
                                                            : etFree;
        QCOMPARE(edit->EditType(), expected);
        QCOMPARE(edit->Alignment(), expected == etFree ? Qt::AlignLeft : Qt::AlignRight);
    }

    // the title and the "确定后" choice as the actions set them
    dialog.SetTitle(u"复制增加"_s);
    QCOMPARE(dialog.windowTitle(), u"复制增加"_s);
    QCOMPARE(Child<QLabel>(&dialog, u"LblTitle1"_s)->text(), u"复制增加"_s);
    QVERIFY(!Child<QLabel>(&dialog, u"Image1"_s)->pixmap().isNull());
    dialog.SetAfterOkVisible(false);
    QVERIFY(Child<QWidget>(&dialog, u"cmbAfterOk1"_s)->isHidden());
    QVERIFY(Child<QWidget>(&dialog, u"lblAfterOk1"_s)->isHidden());
    dialog.SetAfterOkVisible(true);
    QVERIFY(!Child<QWidget>(&dialog, u"cmbAfterOk1"_s)->isHidden());
    QVERIFY(!Child<QWidget>(&dialog, u"lblAfterOk1"_s)->isHidden());
}

void TestAssetEditorFrm::layoutAtNaturalSize()
{
    // long custom captions and the longest fixed ones still fit
    for (int i = 0; i < TCustomFieldLabels::Count; ++i)
        CustomFieldLabels().SetLabel(i, u"自定义项目名称%1"_s.arg(i + 1));
    TAssetEditorFrm dialog;
    dialog.SetMethodItems(Methods + QStringList{u"双倍余额递减法"_s});
    dialog.SetTitle(u"资产增加"_s);
    QVERIFY(ShowActive(&dialog));
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        QVERIFY2(label->height() >= label->minimumSizeHint().height(), qPrintable(label->objectName()));
    }
    for (const QString &name : TabOrder) {
        auto *box = Child<QWidget>(&dialog, name);
        QVERIFY2(box->width() >= box->minimumSizeHint().width(), qPrintable(name));
        QVERIFY2(box->height() >= box->minimumSizeHint().height(), qPrintable(name));
        QVERIFY2(dialog.rect().contains(QRect(box->mapTo(&dialog, QPoint(0, 0)), box->size())),
                 qPrintable(name));
    }
    // the method list shows its longest name whole
    auto *methods = Child<QComboBox>(&dialog, u"cmbMethod1"_s);
    QVERIFY(methods->width() >= methods->sizeHint().width());
    // captions of one column line up on their right edge
    const int right = Child<QLabel>(&dialog, u"lblClassId1"_s)->geometry().right();
    QCOMPARE(Child<QLabel>(&dialog, u"lblUseDept1"_s)->geometry().right(), right);
    QCOMPARE(Child<QLabel>(&dialog, u"lblAssetNote1"_s)->geometry().right(), right);
}

void TestAssetEditorFrm::enterMovesInTabOrder()
{
    TAssetEditorFrm dialog;
    dialog.SetMethodItems(Methods);
    QVERIFY(ShowActive(&dialog));
    QCOMPARE(FocusName(), TabOrder.first()); // the first box has the focus on opening
    QStringList visited{FocusName()};
    for (int i = 1; i < TabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visited.append(FocusName());
    }
    QCOMPARE(visited, TabOrder);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(FocusName(), u"edtDate3"_s);
}

void TestAssetEditorFrm::typingAndComputedAmounts()
{
    TAssetEditorFrm dialog;
    dialog.SetMethodItems(Methods);
    QVERIFY(ShowActive(&dialog));
    TqzEdit *qty = Edit(&dialog, u"edtQty1"_s);
    TqzEdit *price = Edit(&dialog, u"edtPrice1"_s);
    TqzEdit *origin = Edit(&dialog, u"edtOriginValue1"_s);
    TqzEdit *rate = Edit(&dialog, u"edtEndValueRate1"_s);
    TqzEdit *endValue = Edit(&dialog, u"edtEndValue1"_s);

    // the typing rules of the number boxes
    TypeInto(qty, u"3a.-"_s);
    QCOMPARE(qty->text(), u"3"_s);
    TypeInto(price, u"2..5x"_s);
    QCOMPARE(price->text(), u"2.5"_s);

    // entering 原值 by the mouse computes 数量 × 单价
    QTest::mouseClick(origin, Qt::LeftButton);
    QCOMPARE(FocusName(), u"edtOriginValue1"_s);
    QCOMPARE(origin->text(), u"7.50"_s);
    // entering 净残值 by Enter from 净残率 computes 原值 × 净残率 ÷ 100
    TypeInto(rate, u"4"_s);
    QTest::keyClick(rate, Qt::Key_Return);
    QCOMPARE(FocusName(), u"edtEndValue1"_s);
    QCOMPARE(endValue->text(), u"0.30"_s);

    // the computed amount may be overwritten; coming back to the window does not undo that
    TypeInto(endValue, u"1"_s);
    QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(endValue, &activated);
    QCOMPARE(endValue->text(), u"1"_s);
    // a change of the rate counts only when 净残值 is entered again
    TypeInto(rate, u"10"_s);
    QCOMPARE(endValue->text(), u"1"_s);
    QTest::keyClick(rate, Qt::Key_Return);
    QCOMPARE(endValue->text(), u"0.75"_s);

    // with 数量 empty entering 原值 leaves what was typed
    TypeInto(qty, QString());
    TypeInto(origin, u"99"_s);
    QTest::mouseClick(price, Qt::LeftButton);
    QTest::mouseClick(origin, Qt::LeftButton);
    QCOMPARE(FocusName(), u"edtOriginValue1"_s);
    QCOMPARE(origin->text(), u"99"_s);
}

void TestAssetEditorFrm::okRefused_data()
{
    QTest::addColumn<QString>("boxes"); // "Property=text;…"
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty name, first method")
        << u"AssetName="_s << 0 << QStringList{u"\r\n资产名称必须填写.\t"_s} << u"cmbAssetName1"_s;
    QTest::newRow("three lines")
        << u"AssetName=电脑;OriginValue=1000;EndValue=;UseYears=0;AccountDate="_s << 1
        << QStringList{u"\r\n计提折旧必须填写以下信息:\t\t\r\n\r\n净残值必须大于零\r\n折旧年限必须大于零\r\n"
                       "启用日期必需填写\r\n\r\n请补充完整.\t"_s}
        << u"edtEndValue1"_s;
    QTest::newRow("wrong date and no name")
        << u"AssetName=;AccountDate=2008-2-30;OriginValue=1000;EndValue=40;UseYears=5"_s << 2
        << QStringList{u"\r\n日期格式不正确,应当类似于2006-2-13.\t"_s, u"\r\n资产名称必须填写.\t"_s}
        << u"edtAccountDate1"_s;
    QTest::newRow("wrong custom date")
        << u"AssetName=电脑;Date2=2008.1.1"_s << 0
        << QStringList{u"\r\n日期格式不正确,应当类似于2006-2-13.\t"_s} << u"edtDate2"_s;
}

void TestAssetEditorFrm::okRefused()
{
    QFETCH(QString, boxes);
    QFETCH(int, method);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    TAssetEditorFrm dialog;
    dialog.SetMethodItems(Methods);
    QVERIFY(ShowActive(&dialog));
    for (const QString &pair : boxes.split(u';')) {
        const qsizetype eq = pair.indexOf(u'=');
        TypeInto(dialog.Box(pair.left(eq)), pair.mid(eq + 1));
    }
    Child<QComboBox>(&dialog, u"cmbMethod1"_s)->setCurrentIndex(method);
    ClickOk(&dialog);

    QCOMPARE((*m_scripted)->MessageTexts(), messages);
    QVERIFY(dialog.isVisible());
    QCOMPARE(FocusName(), focus);
    // what was typed is all still there
    for (const QString &pair : boxes.split(u';')) {
        const qsizetype eq = pair.indexOf(u'=');
        if (pair.left(eq) != u"EndValue"_s) // entering 净残值 may have filled it in
            QCOMPARE(dialog.BoxText(pair.left(eq)), pair.mid(eq + 1));
    }

    // Esc closes without a check
    (*m_scripted)->Messages.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY((*m_scripted)->Messages.isEmpty());
}

void TestAssetEditorFrm::valuesThroughTheBoxes()
{
    TAssetEditorFrm dialog;
    dialog.SetMethodItems(Methods);
    // every property reaches its own box
    QStringList written, shown;
    for (const TAssetEditorProperty &property : AssetEditorProperties()) {
        if (property.Kind == TAssetEditorKind::Method)
            continue;
        written.append(QString::number(written.size() + 1));
        dialog.SetBoxText(property.Name, written.last());
    }
    for (const TAssetEditorProperty &property : AssetEditorProperties()) {
        QWidget *box = dialog.Box(property.Name);
        if (auto *edit = qobject_cast<QLineEdit *>(box))
            shown.append(edit->text());
        else if (auto *combo = qobject_cast<QComboBox *>(box); combo->isEditable())
            shown.append(combo->currentText());
    }
    QCOMPARE(shown, written);
    dialog.Reset();

    // writing: the conversions of the boxes
    dialog.SetValue(u"Qty"_s, 0);
    dialog.SetValue(u"UseYears"_s, 0);
    dialog.SetValue(u"Price"_s, 2.5);
    dialog.SetValue(u"Float1"_s, 0.125);
    dialog.SetValue(u"Str1"_s, QVariant()); // NULL leaves the box
    dialog.SetValue(u"ClassId"_s, u"0301计算机设备"_s);
    dialog.SetValue(u"AccountDate"_s, QDateTime(QDate(2004, 1, 15), QTime()));
    dialog.SetValue(u"MethodId"_s, 2);
    QCOMPARE(Edit(&dialog, u"edtQty1"_s)->text(), QString());
    QCOMPARE(Edit(&dialog, u"edtUseYears1"_s)->text(), u"0"_s);
    QCOMPARE(Edit(&dialog, u"edtPrice1"_s)->text(), u"2.50"_s);
    QCOMPARE(Edit(&dialog, u"edtFloat1"_s)->text(), u"0.125"_s);
    QCOMPARE(Edit(&dialog, u"edtStr1"_s)->text(), QString());
    auto *kinds = Child<QComboBox>(&dialog, u"cmbClassId1"_s);
    QCOMPARE(kinds->currentText(), u"0301计算机设备"_s);
    QCOMPARE(kinds->currentIndex(), kinds->findText(u"0301计算机设备"_s)); // the entry shows as chosen
    QVERIFY(kinds->currentIndex() > 0);
    QCOMPARE(Edit(&dialog, u"edtAccountDate1"_s)->text(), u"2004-01-15"_s);
    QCOMPARE(Child<QComboBox>(&dialog, u"cmbMethod1"_s)->currentText(), u"年数总和法"_s);

    // reading: an empty custom text is NULL, an empty code empty text
    QVERIFY(dialog.Value(u"Str1"_s).isNull());
    QCOMPARE(dialog.Value(u"Code"_s), QVariant(QString()));
    QVERIFY(!dialog.Value(u"Code"_s).isNull());
    QVERIFY(dialog.Value(u"Qty"_s).isNull());
    QCOMPARE(dialog.Value(u"UseYears"_s), QVariant(0));
    QCOMPARE(dialog.Value(u"Price"_s), QVariant(2.5));
    QCOMPARE(dialog.Value(u"MethodId"_s), QVariant(2));
    QCOMPARE(dialog.Value(u"AccountDate"_s).toDateTime().date(), QDate(2004, 1, 15));

    // a stored value is shown whole, however long
    const QString longCode = QString(60, u'9');
    dialog.SetValue(u"Code"_s, longCode);
    dialog.SetValue(u"UseYears"_s, 1000);
    QCOMPARE(dialog.Value(u"Code"_s), QVariant(longCode));
    QCOMPARE(dialog.Value(u"UseYears"_s), QVariant(1000));

    // a text of its own: shown as written, no entry chosen, read back as written
    dialog.SetValue(u"ClassId"_s, u"09自定类别"_s);
    QCOMPARE(kinds->currentText(), u"09自定类别"_s);
    QCOMPARE(kinds->currentIndex(), -1);
    QCOMPARE(dialog.Value(u"ClassId"_s), QVariant(u"09自定类别"_s));

    // Reset empties everything again and keeps "确定后"
    Child<QComboBox>(&dialog, u"cmbAfterOk1"_s)->setCurrentIndex(AfterOkCopy);
    dialog.Reset();
    QCOMPARE(Edit(&dialog, u"edtPrice1"_s)->text(), QString());
    QCOMPARE(Child<QComboBox>(&dialog, u"cmbClassId1"_s)->currentText(), QString());
    QCOMPARE(Edit(&dialog, u"edtAccountDate1"_s)->text(), u"2008-01-26"_s);
    QCOMPARE(dialog.MethodIndex(), 0);
    QCOMPARE(dialog.AfterOk(), int(AfterOkCopy));
}

void TestAssetEditorFrm::wrongTextRaisesOnReading()
{
    // a pasted text that is no number: reading the property raises its conversion message
    TAssetEditorFrm dialog;
    Edit(&dialog, u"edtQty1"_s)->setText(u"1.5"_s);
    Edit(&dialog, u"edtOriginValue1"_s)->setText(u"1.2.3"_s);
    try {
        dialog.Value(u"Qty"_s);
        QFAIL("1.5 is no whole number");
    } catch (const EConvertError &error) {
        QCOMPARE(error.Message(), u"\"1.5\" 不是有效的整数."_s);
    }
    try {
        dialog.Value(u"OriginValue"_s);
        QFAIL("1.2.3 is no number");
    } catch (const EConvertError &error) {
        QCOMPARE(error.Message(), u"\"1.2.3\" 不是有效的数字."_s);
    }
}

void TestAssetEditorFrm::addThroughTheDialog()
{
    TAssetManager manager;
    manager.OpenList(-1);
    manager.SetEditorFactory([] { return std::make_unique<TAssetEditorFrm>(); });

    // first showing: the name is missing, OK is refused; then filled in, saved, "全新增加"
    (*m_scripted)->DialogScripts.enqueue([this](QWidget *widget) {
        auto *dialog = qobject_cast<TAssetEditorFrm *>(widget);
        if (!dialog || !ShowActive(dialog))
            return -1;
        if (dialog->windowTitle() != u"资产增加"_s || dialog->MethodItems().size() != 5)
            return -3;
        TypeInto(dialog->Box(u"ClassId"_s), u"0301计算机设备"_s);
        TypeInto(dialog->Box(u"Code"_s), u"JS-001"_s);
        TypeInto(dialog->Box(u"Qty"_s), u"4"_s);
        TypeInto(dialog->Box(u"Price"_s), u"3000"_s);
        TypeInto(dialog->Box(u"UseYears"_s), u"5"_s);
        TypeInto(dialog->Box(u"EndValueRate"_s), u"5"_s);
        Child<QComboBox>(dialog, u"cmbMethod1"_s)->setCurrentIndex(1);
        QTest::mouseClick(dialog->Box(u"OriginValue"_s), Qt::LeftButton);
        QTest::mouseClick(dialog->Box(u"EndValue"_s), Qt::LeftButton);
        TypeInto(dialog->Box(u"Str1"_s), u"条码A"_s);
        Child<QComboBox>(dialog, u"cmbAfterOk1"_s)->setCurrentIndex(AfterOkNew);
        ClickOk(dialog);
        if (!dialog->isVisible() || (*m_scripted)->Messages.size() != 1)
            return -2;
        TypeInto(dialog->Box(u"AssetName"_s), u"台式电脑"_s);
        ClickOk(dialog);
        return dialog->isVisible() ? -2 : dialog->result();
    });
    // second showing: empty again with the choice kept; cancelled
    QString secondName = u"?"_s;
    int secondChoice = -1;
    (*m_scripted)->DialogScripts.enqueue([&](QWidget *widget) {
        auto *dialog = qobject_cast<TAssetEditorFrm *>(widget);
        secondName = dialog->BoxText(u"AssetName"_s);
        secondChoice = dialog->AfterOk();
        return int(QDialog::Rejected);
    });

    QVERIFY(RunAction([&] { manager.AddClick(); }));

    QCOMPARE((*m_scripted)->MessageTexts(), QStringList{u"\r\n资产名称必须填写.\t"_s});
    QCOMPARE((*m_scripted)->Dialogs.size(), 2);
    QCOMPARE((*m_scripted)->Dialogs.at(0).ObjectName, u"AssetEditorFrm"_s);
    QCOMPARE((*m_scripted)->Dialogs.at(0).Result, int(QDialog::Accepted));
    QCOMPARE(secondName, QString());
    QCOMPARE(secondChoice, int(AfterOkNew));
    QCOMPARE(
        TTestDatabase::Rows(u"select Id, Kind, Code, Name, Qty, Price, OriginValue, EndValueRate, EndValue, "
                            "UseYears, MethodId, AccountDate, Str1, Str2 is null from assets"_s),
        QStringList{u"1 0301计算机设备 JS-001 台式电脑 4 3000 12000 5 600 5 1 2008-01-26 条码A 1"_s});
    QCOMPARE(manager.DataSet()->RecordCount(), 1);
    QCOMPARE(manager.NameFld()->AsString(), u"台式电脑"_s);
}

void TestAssetEditorFrm::failingSaveShowsTheDialogAgain()
{
    m_db->Exec(u"create trigger refuse before insert on assets begin select raise(abort, '磁盘已满'); end"_s);
    TAssetManager manager;
    manager.OpenList(-1);
    manager.SetEditorFactory([] { return std::make_unique<TAssetEditorFrm>(); });
    (*m_scripted)->DialogScripts.enqueue([](QWidget *widget) {
        auto *dialog = qobject_cast<TAssetEditorFrm *>(widget);
        if (!dialog || !ShowActive(dialog))
            return -1;
        TypeInto(dialog->Box(u"AssetName"_s), u"扫描仪"_s);
        TypeInto(dialog->Box(u"Qty"_s), u"2"_s);
        TypeInto(dialog->Box(u"Str4"_s), u"备件"_s);
        ClickOk(dialog);
        return dialog->isVisible() ? -2 : dialog->result();
    });
    QStringList shownAgain;
    (*m_scripted)->DialogScripts.enqueue([&](QWidget *widget) {
        auto *dialog = qobject_cast<TAssetEditorFrm *>(widget);
        for (const QString &property : {u"AssetName"_s, u"Qty"_s, u"Str4"_s, u"AccountDate"_s})
            shownAgain.append(dialog->BoxText(property));
        return int(QDialog::Rejected);
    });

    QVERIFY(RunAction([&] { manager.AddClick(); }));

    QCOMPARE((*m_scripted)->Messages.size(), 1);
    QVERIFY((*m_scripted)->LastMessageText().startsWith(u"\r\n磁盘已满\r\ninsert into assets("_s));
    QCOMPARE(shownAgain, (QStringList{u"扫描仪"_s, u"2"_s, u"备件"_s, u"2008-01-26"_s}));
    QCOMPARE(manager.DataSet()->RecordCount(), 0);
    QCOMPARE(manager.DataSet()->State(), TDataSetState::Browse);
    QVERIFY(TTestDatabase::Rows(u"select Id from assets"_s).isEmpty());
}

QTEST_MAIN(TestAssetEditorFrm)
#include "test_asset_editor_frm.moc"
