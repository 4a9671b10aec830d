// The input controls: Enter and Shift+Enter moving the focus, the highlight of the focused field, typing into
// number boxes, the accessors on the widget, and the date picker's check box.
#include "data/field.h"
#include "forms/qz_combo_box.h"
#include "forms/qz_date_time_picker.h"
#include "forms/qz_edit.h"
#include "scripted_interaction.h"
#include "support/errors.h"

#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QColor Aqua(0, 255, 255);

// A window with a row of the program's fields, in tab order.
struct TFieldsWindow
{
    QWidget Window;
    TqzEdit *edtFirst1 = new TqzEdit(&Window);
    TqzComboBox *cmbMiddle1 = new TqzComboBox(&Window);
    TqzDateTimePicker *dtpDate1 = new TqzDateTimePicker(&Window);
    TqzEdit *edtLast1 = new TqzEdit(&Window);

    TFieldsWindow()
    {
        edtFirst1->setObjectName(u"edtFirst1"_s);
        cmbMiddle1->setObjectName(u"cmbMiddle1"_s);
        dtpDate1->setObjectName(u"dtpDate1"_s);
        edtLast1->setObjectName(u"edtLast1"_s);
        auto *layout = new QFormLayout(&Window);
        layout->addRow(u"first"_s, edtFirst1);
        layout->addRow(u"middle"_s, cmbMiddle1);
        layout->addRow(u"date"_s, dtpDate1);
        layout->addRow(u"last"_s, edtLast1);
        cmbMiddle1->addItems({u"办公室"_s, u"财务部"_s});
    }

    bool Show()
    {
        Window.show();
        return QTest::qWaitForWindowActive(&Window);
    }
};

QColor Background(QWidget *widget)
{
    return widget->palette().color(QPalette::Base);
}

} // namespace

class TestInputControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterMovesFocus_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("to");
        QTest::newRow("text box forwards") << u"edtFirst1"_s << false << u"cmbMiddle1"_s;
        QTest::newRow("drop-down forwards") << u"cmbMiddle1"_s << false << u"dtpDate1"_s;
        QTest::newRow("date picker forwards") << u"dtpDate1"_s << false << u"edtLast1"_s;
        QTest::newRow("text box backwards") << u"edtLast1"_s << true << u"dtpDate1"_s;
        QTest::newRow("drop-down backwards") << u"cmbMiddle1"_s << true << u"edtFirst1"_s;
    }

    void enterMovesFocus()
    {
        QFETCH(QString, from);
        QFETCH(bool, backwards);
        QFETCH(QString, to);
        TScriptedScope scripted;
        TFieldsWindow fields;
        QVERIFY(fields.Show());
        auto *start = fields.Window.findChild<QWidget *>(from);
        start->setFocus();
        QCOMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(start, Qt::Key_Return, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), fields.Window.findChild<QWidget *>(to));
        // The keypad's Enter key does the same.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter,
                        (backwards ? Qt::NoModifier : Qt::ShiftModifier) | Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), start);
    }

    void enterIsSwallowed()
    {
        TScriptedScope scripted;
        TFieldsWindow fields;
        QVERIFY(fields.Show());
        QSignalSpy returned(fields.edtFirst1, &QLineEdit::returnPressed);
        fields.edtFirst1->setFocus();
        QTest::keyClick(fields.edtFirst1, Qt::Key_Return);
        QVERIFY(returned.isEmpty());

        // The typed text of a drop-down field is not added to its pick list and not completed from it.
        QCOMPARE(fields.cmbMiddle1->completer(), nullptr);
        fields.cmbMiddle1->setFocus();
        fields.cmbMiddle1->setCurrentText(QString());
        QTest::keyClicks(fields.cmbMiddle1, u"cw"_s);
        QCOMPARE(fields.cmbMiddle1->currentText(), u"cw"_s);
        QTest::keyClick(fields.cmbMiddle1, Qt::Key_Return);
        QCOMPARE(fields.cmbMiddle1->count(), 2);
        QCOMPARE(fields.cmbMiddle1->currentText(), u"cw"_s);
    }

    void enterWithoutTabOnEnter()
    {
        TScriptedScope scripted;
        TFieldsWindow fields;
        QVERIFY(fields.Show());
        fields.edtFirst1->SetTabOnEnter(false);
        QSignalSpy returned(fields.edtFirst1, &QLineEdit::returnPressed);
        fields.edtFirst1->setFocus();
        QTest::keyClick(fields.edtFirst1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), fields.edtFirst1);
        QCOMPARE(returned.size(), 1);
    }

    void highlightWhileFocused()
    {
        TScriptedScope scripted;
        TFieldsWindow fields;
        const QColor yellow(255, 255, 128);
        QPalette own = fields.edtLast1->palette();
        own.setColor(QPalette::Base, yellow);
        fields.edtLast1->setPalette(own);
        QVERIFY(fields.Show());

        fields.edtLast1->setFocus();
        QCOMPARE(Background(fields.edtLast1), Aqua);
        QCOMPARE(Background(fields.cmbMiddle1), QColor(Qt::white));
        fields.cmbMiddle1->setFocus();
        QCOMPARE(Background(fields.edtLast1), yellow);
        QCOMPARE(Background(fields.cmbMiddle1), Aqua);
        QCOMPARE(Background(fields.cmbMiddle1->lineEdit()), Aqua);
        fields.edtFirst1->setFocus();
        QCOMPARE(Background(fields.cmbMiddle1), QColor(Qt::white));

        const QColor plain = Background(fields.edtLast1);
        fields.edtFirst1->SetColorOnEnter(Qt::green);
        fields.edtLast1->setFocus();
        fields.edtFirst1->setFocus();
        QCOMPARE(Background(fields.edtFirst1), QColor(Qt::green));
        fields.edtLast1->setFocus();
        QCOMPARE(Background(fields.edtLast1), Aqua);
        fields.edtFirst1->setFocus();
        QCOMPARE(Background(fields.edtLast1), plain);
    }

    void typingIntoNumberBoxes_data()
    {
        QTest::addColumn<TEditType>("editType");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("second point dropped") << etNumber << u"12.5.3"_s << u"12.53"_s;
        QTest::newRow("leading point dropped") << etNumber << u".5"_s << u"5"_s;
        QTest::newRow("second leading zero dropped") << etNumber << u"007"_s << u"07"_s;
        QTest::newRow("sign and letters dropped") << etNumber << u"-1a2"_s << u"12"_s;
        QTest::newRow("point dropped in integer") << etInteger << u"3.5"_s << u"35"_s;
        QTest::newRow("free") << etFree << u"-1a.2."_s << u"-1a.2."_s;
    }

    void typingIntoNumberBoxes()
    {
        QFETCH(TEditType, editType);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TqzEdit edit;
        edit.SetEditType(editType);
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), shown);
    }

    void editingKeysStayFree()
    {
        TqzEdit edit;
        edit.SetEditType(etInteger);
        QTest::keyClicks(&edit, u"123"_s);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), u"2"_s);
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit.selectedText(), u"2"_s);
    }

    void accessorsOnTheBox()
    {
        TqzEdit edit;
        edit.SetAsInteger(0);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.AsInteger(), 0);
        QCOMPARE(edit.AsDouble(), 0.0);
        QVERIFY(edit.AsDate().isNull());
        QVERIFY(edit.AsVariant().isNull());

        edit.SetAsDouble(1234.5);
        QCOMPARE(edit.text(), u"1234.5"_s);
        edit.SetAsDate(QDate(2008, 1, 26));
        QCOMPARE(edit.text(), u"2008-01-26"_s);
        edit.setText(u"2008-1-26"_s);
        QCOMPARE(edit.AsDate().toDateTime(), CalendarDateTime(QDate(2008, 1, 26)));

        edit.setText(u"abc"_s);
        QVERIFY_THROWS_EXCEPTION(EConvertError, edit.AsDouble());
        try {
            edit.AsInteger();
            QFAIL("abc read as an integer");
        } catch (const EConvertError &error) {
            QCOMPARE(error.Message(), u"\"abc\" 不是有效的整数."_s);
        }
    }

    void pickerStartsUncheckedAtNow()
    {
        TScriptedScope scripted;
        scripted->FixedNow = QDateTime(QDate(2008, 1, 26), QTime(9, 30, 15));
        TqzDateTimePicker picker;
        QVERIFY(!picker.Checked());
        QCOMPARE(picker.date(), QDate(2008, 1, 26));
        // Without a check box the picker always has a value, with its time of day.
        QCOMPARE(picker.AsDateTime().toDateTime(), CalendarDateTime(QDate(2008, 1, 26), QTime(9, 30, 15)));
        QCOMPARE(picker.AsDate().toDateTime(), CalendarDateTime(QDate(2008, 1, 26)));

        picker.SetShowCheckbox(true);
        QVERIFY(picker.AsDateTime().isNull());
        QVERIFY(picker.AsDate().isNull());
        picker.SetChecked(true);
        QCOMPARE(picker.AsDate().toDateTime(), CalendarDateTime(QDate(2008, 1, 26)));
    }

    void pickerWritesNull()
    {
        TScriptedScope scripted;
        scripted->FixedNow = QDateTime(QDate(2008, 1, 26), QTime(9, 30));
        TqzDateTimePicker picker;
        picker.SetShowCheckbox(true);
        const QDateTime moment = CalendarDateTime(QDate(2007, 12, 31), QTime(23, 59, 59));
        picker.SetAsDateTime(moment);
        QVERIFY(picker.Checked());
        QCOMPARE(picker.AsDateTime().toDateTime(), moment);
        picker.SetAsDate(QVariant());
        QVERIFY(!picker.Checked());
        QVERIFY(picker.AsDateTime().isNull());

        // Without a check box, null means now.
        picker.SetShowCheckbox(false);
        picker.SetAsDate(QVariant());
        QCOMPARE(picker.AsDateTime().toDateTime(), CalendarDateTime(QDate(2008, 1, 26), QTime(9, 30)));
        // Writing the date leaves out the time of day.
        picker.SetAsDate(moment);
        QCOMPARE(picker.AsDateTime().toDateTime(), CalendarDateTime(QDate(2007, 12, 31)));
        picker.SetAsDateTime(u"2008-2-29"_s);
        QCOMPARE(picker.AsDate().toDateTime(), CalendarDateTime(QDate(2008, 2, 29)));
        QVERIFY_THROWS_EXCEPTION(EConvertError, picker.SetAsDateTime(u"2008/02/29"_s));
        QCOMPARE(picker.AsDate().toDateTime(), CalendarDateTime(QDate(2008, 2, 29)));
    }

    void pickerChecksWhenTheDateIsChanged()
    {
        TScriptedScope scripted;
        TqzDateTimePicker picker;
        picker.SetShowCheckbox(true);
        QSignalSpy checked(&picker, &TqzDateTimePicker::CheckedChanged);
        picker.setFocus();
        QTest::keyClick(&picker, Qt::Key_Up);
        QVERIFY(picker.Checked());
        QCOMPARE(checked.size(), 1);
        QTest::keyClick(&picker, Qt::Key_Space);
        QVERIFY(!picker.Checked());
    }
};

QTEST_MAIN(TestInputControls)
#include "test_input_controls.moc"
