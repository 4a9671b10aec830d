// The field binder: every kind of control shows its field and writes what was entered as the focus leaves
// it, an emptied box writes null, a text that does not convert keeps the focus and the old value, and the
// controls follow the data set's row.
#include "data/client_dataset.h"
#include "data/field.h"
#include "form_driving.h"
#include "forms/field_binder.h"
#include "forms/qz_combo_box.h"
#include "forms/qz_date_time_picker.h"
#include "forms/qz_edit.h"
#include "scripted_interaction.h"
#include "support/errors.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A row of every field type and a window with one control of each kind bound to it, and one unbound box
// to move to.
struct TBoundWindow
{
    TQzClientDataSet Table;
    QWidget Window;
    TFieldBinder Binder;
    QLineEdit *edtOther1 = new QLineEdit(&Window);

    TBoundWindow()
    {
        Table.AddFieldDef(TFieldType::String, u"Name"_s, 10, true);
        Table.AddFieldDef(TFieldType::Integer, u"Qty"_s, 0, true);
        Table.AddFieldDef(TFieldType::Float, u"Price"_s, 0, true);
        Table.AddFieldDef(TFieldType::DateTime, u"Day"_s, 0, true);
        Table.AddFieldDef(TFieldType::Boolean, u"Done"_s, 0, true);
        Table.CreateDataSet();
        Table.DataSet()->Append();
        Table.DataSet()->Post();

        auto *layout = new QFormLayout(&Window);
        auto add = [&](QWidget *control, const QString &name, const QString &field) {
            control->setObjectName(name);
            layout->addRow(name, control);
            if (!field.isEmpty())
                Binder.Bind(control, Table.DataSet()->FieldByName(field));
        };
        auto *qty = new TqzEdit(&Window);
        qty->SetEditType(etInteger);
        add(new TqzEdit(&Window), u"edtName1"_s, u"Name"_s);
        add(qty, u"edtQty1"_s, u"Qty"_s);
        add(new TqzEdit(&Window), u"edtPrice1"_s, u"Price"_s); // free typing: the field converts
        add(new TqzEdit(&Window), u"edtDay1"_s, u"Day"_s);
        add(new QLineEdit(&Window), u"edtPlain1"_s, u"Name"_s);
        auto *combo = new TqzComboBox(&Window);
        combo->addItems({u"办公室"_s, u"财务部"_s});
        add(combo, u"cmbName1"_s, u"Name"_s);
        add(new QCheckBox(&Window), u"chkDone1"_s, u"Done"_s);
        auto *picker = new TqzDateTimePicker(&Window);
        picker->SetShowCheckbox(true);
        add(picker, u"dtpDay1"_s, u"Day"_s);
        add(edtOther1, u"edtOther1"_s, QString());
    }

    bool Show()
    {
        Window.show();
        return QTest::qWaitForWindowActive(&Window);
    }
    QWidget *Control(const QString &name) { return Window.findChild<QWidget *>(name); }
    TField *Field(const QString &name) { return Table.DataSet()->FieldByName(name); }
    void Store(const QString &field, const QVariant &value)
    {
        Table.DataSet()->Edit();
        Field(field)->SetValue(value);
        Table.DataSet()->Post();
    }
};

// What a control shows: its text, its tick, or its date (null when unticked).
QVariant Shown(QWidget *control)
{
    if (auto *picker = qobject_cast<TqzDateTimePicker *>(control))
        return picker->AsDate();
    if (auto *check = qobject_cast<QCheckBox *>(control))
        return check->isChecked();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    return qobject_cast<QLineEdit *>(control)->text();
}

// Enters a value the way a person does: replaces the text by typing, ticks with the space bar, picks a date.
void Enter(QWidget *control, const QVariant &value)
{
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);
    if (auto *picker = qobject_cast<TqzDateTimePicker *>(control)) {
        picker->SetAsDate(value);
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        if (check->isChecked() != value.toBool())
            QTest::keyClick(check, Qt::Key_Space);
    } else {
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(control, Qt::Key_Backspace);
        TypeText(control, value.toString());
    }
}

QDateTime Day(int year, int month, int day)
{
    return CalendarDateTime(QDate(year, month, day));
}

} // namespace

class TestFieldBinder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsAndWrites_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("shown");
        QTest::addColumn<QVariant>("entered");
        QTest::addColumn<QString>("leave"); // Tab, Return, or none (the dialog asks for the pending write)
        QTest::addColumn<QVariant>("written");
        const QVariant null;

        QTest::newRow("text") << u"edtName1"_s << u"Name"_s << QVariant(u"旧"_s) << QVariant(u"旧"_s)
                              << QVariant(u"新名"_s) << u"Tab"_s << QVariant(u"新名"_s);
        QTest::newRow("whole number, Enter moves on")
            << u"edtQty1"_s << u"Qty"_s << QVariant(3) << QVariant(u"3"_s) << QVariant(u"12"_s) << u"Return"_s
            << QVariant(12);
        QTest::newRow("number") << u"edtPrice1"_s << u"Price"_s << QVariant(1234.5) << QVariant(u"1234.5"_s)
                                << QVariant(u" 99.250"_s) << u"Tab"_s << QVariant(99.25);
        QTest::newRow("date typed") << u"edtDay1"_s << u"Day"_s << QVariant(Day(2008, 1, 26))
                                    << QVariant(u"2008-01-26"_s) << QVariant(u"2009-2-3"_s) << u"Tab"_s
                                    << QVariant(Day(2009, 2, 3));
        QTest::newRow("plain text box, Return writes")
            << u"edtPlain1"_s << u"Name"_s << QVariant(u"a"_s) << QVariant(u"a"_s) << QVariant(u"b"_s)
            << u"Return"_s << QVariant(u"b"_s);
        QTest::newRow("drop-down") << u"cmbName1"_s << u"Name"_s << QVariant(u"财务部"_s)
                                   << QVariant(u"财务部"_s) << QVariant(u"行政部"_s) << u"Tab"_s
                                   << QVariant(u"行政部"_s);
        QTest::newRow("check box ticked") << u"chkDone1"_s << u"Done"_s << null << QVariant(false)
                                          << QVariant(true) << u"none"_s << QVariant(true);
        QTest::newRow("check box unticked") << u"chkDone1"_s << u"Done"_s << QVariant(true) << QVariant(true)
                                            << QVariant(false) << u"none"_s << QVariant(false);
        QTest::newRow("date picked") << u"dtpDay1"_s << u"Day"_s << null << null << QVariant(Day(2010, 5, 6))
                                     << u"none"_s << QVariant(Day(2010, 5, 6));
        QTest::newRow("pending text written on request")
            << u"edtPrice1"_s << u"Price"_s << null << QVariant(QString()) << QVariant(u"7"_s) << u"none"_s
            << QVariant(7.0);

        // An emptied control writes null, never an empty text or 0.
        QTest::newRow("text emptied") << u"edtName1"_s << u"Name"_s << QVariant(u"旧"_s) << QVariant(u"旧"_s)
                                      << QVariant(QString()) << u"Tab"_s << null;
        QTest::newRow("drop-down emptied") << u"cmbName1"_s << u"Name"_s << QVariant(u"x"_s)
                                           << QVariant(u"x"_s) << QVariant(QString()) << u"Tab"_s << null;
        QTest::newRow("number emptied") << u"edtPrice1"_s << u"Price"_s << QVariant(5.0) << QVariant(u"5"_s)
                                        << QVariant(QString()) << u"Tab"_s << null;
        QTest::newRow("number blanked") << u"edtPrice1"_s << u"Price"_s << QVariant(5.0) << QVariant(u"5"_s)
                                        << QVariant(u"  "_s) << u"Tab"_s << null;
        QTest::newRow("date text emptied")
            << u"edtDay1"_s << u"Day"_s << QVariant(Day(2008, 1, 26)) << QVariant(u"2008-01-26"_s)
            << QVariant(QString()) << u"Tab"_s << null;
        QTest::newRow("date unticked") << u"dtpDay1"_s << u"Day"_s << QVariant(Day(2008, 1, 26))
                                       << QVariant(Day(2008, 1, 26)) << null << u"Tab"_s << null;
    }

    void showsAndWrites()
    {
        QFETCH(QString, control);
        QFETCH(QString, field);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, shown);
        QFETCH(QVariant, entered);
        QFETCH(QString, leave);
        QFETCH(QVariant, written);
        TScriptedScope scripted;
        TBoundWindow bound;
        QVERIFY(bound.Show());
        QWidget *box = bound.Control(control);
        bound.Store(field, stored);
        QCOMPARE(Shown(box), shown);

        Enter(box, entered);
        if (leave == u"Tab"_s)
            QTest::keyClick(box, Qt::Key_Tab);
        else if (leave == u"Return"_s)
            QTest::keyClick(box, Qt::Key_Return);
        else
            QVERIFY(bound.Binder.UpdateRecord());

        QCOMPARE(bound.Field(field)->Value(), written);
        // Written into a row the data set was browsing: posted at once.
        QCOMPARE(bound.Table.DataSet()->State(), TDataSetState::Browse);
        QVERIFY(scripted->Messages.isEmpty());
        // The field's own text comes back (a number without its blanks and trailing zeros).
        if (qobject_cast<QLineEdit *>(box) || qobject_cast<QComboBox *>(box))
            QCOMPARE(Shown(box), QVariant(bound.Field(field)->AsString()));
        else
            QCOMPARE(Shown(box), written);
        // Every other control of the field shows it too.
        if (field == u"Name"_s)
            QCOMPARE(qobject_cast<QLineEdit *>(bound.Control(u"edtName1"_s))->text(), written.toString());
    }

    void wrongTextKeepsFocusAndValue_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("number") << u"edtPrice1"_s << u"Price"_s << u"12,5"_s << u"\"12,5\" 不是有效的数字."_s;
        QTest::newRow("whole number too large")
            << u"edtQty1"_s << u"Qty"_s << u"99999999999"_s << u"\"99999999999\" 不是有效的整数."_s;
        QTest::newRow("date") << u"edtDay1"_s << u"Day"_s << u"2008-13-01"_s
                              << u"\"2008-13-01\" 不是有效的日期."_s;
    }

    void wrongTextKeepsFocusAndValue()
    {
        QFETCH(QString, control);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TScriptedScope scripted;
        TBoundWindow bound;
        QVERIFY(bound.Show());
        bound.Store(u"Price"_s, 2.5);
        bound.Store(u"Qty"_s, 4);
        bound.Store(u"Day"_s, Day(2001, 2, 3));
        const QVariant before = bound.Field(field)->Value();
        auto *box = qobject_cast<QLineEdit *>(bound.Control(control));

        Enter(box, typed);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(scripted->MessageTexts(), QStringList{u"\r\n"_s + message + u"\t"_s});
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text(), typed);
        QCOMPARE(box->palette().color(QPalette::Base), QColor(0, 255, 255)); // still looks focused
        QCOMPARE(bound.Field(field)->Value(), before);
        QCOMPARE(bound.Table.DataSet()->State(), TDataSetState::Browse);

        // Asked for the pending write (a dialog's OK by key): refused the same way.
        bound.edtOther1->setFocus();
        QCOMPARE(scripted->Messages.size(), 2);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(!bound.Binder.UpdateRecord());
        QCOMPARE(scripted->Messages.size(), 3);
        QCOMPARE(bound.Field(field)->Value(), before);
        // Enter does not move on either, and says it once.
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(scripted->Messages.size(), 4);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(bound.Field(field)->Value(), before);

        // Mended, it is written and the focus moves on.
        Enter(box, QString());
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != box);
        QVERIFY(bound.Field(field)->IsNull());
        QCOMPARE(scripted->Messages.size(), 4);
    }

    void pendingTextsWrittenTogether()
    {
        TScriptedScope scripted;
        TBoundWindow bound;
        auto text = [&](const QString &name) { return qobject_cast<QLineEdit *>(bound.Control(name)); };
        // Texts put into the boxes without the focus passing through them (a dialog filling its boxes).
        text(u"edtName1"_s)->setText(u"p"_s);
        text(u"edtQty1"_s)->setText(u"9"_s);
        text(u"edtPrice1"_s)->setText(u"x"_s);
        text(u"edtDay1"_s)->setText(u"2008-1-2"_s);
        QVERIFY(!bound.Binder.UpdateRecord());
        QCOMPARE(scripted->MessageTexts(), QStringList{u"\r\n\"x\" 不是有效的数字.\t"_s});
        QCOMPARE(bound.Field(u"Name"_s)->AsString(), u"p"_s);
        QCOMPARE(bound.Field(u"Qty"_s)->AsInteger(), 9);
        QVERIFY(bound.Field(u"Price"_s)->IsNull());
        QVERIFY(bound.Field(u"Day"_s)->IsNull());
        // The refused text and the one after it wait as typed; the other boxes of a written field show it.
        QCOMPARE(text(u"edtPrice1"_s)->text(), u"x"_s);
        QCOMPARE(text(u"edtDay1"_s)->text(), u"2008-1-2"_s);
        QCOMPARE(text(u"edtPlain1"_s)->text(), u"p"_s);

        text(u"edtPrice1"_s)->setText(u"2"_s);
        QVERIFY(bound.Binder.UpdateRecord());
        QCOMPARE(bound.Field(u"Price"_s)->AsFloat(), 2.0);
        QCOMPARE(bound.Field(u"Day"_s)->AsDateTime(), Day(2008, 1, 2));
        QCOMPARE(text(u"edtDay1"_s)->text(), u"2008-01-02"_s);
    }

    void writeRefusedByTheDataSet()
    {
        TScriptedScope scripted;
        TBoundWindow bound;
        QVERIFY(bound.Show());
        bound.Store(u"Name"_s, u"a"_s);
        bound.Table.DataSet()->Close();
        auto *box = qobject_cast<QLineEdit *>(bound.Control(u"edtName1"_s));
        QCOMPARE(box->text(), QString()); // a closed data set has no row to show

        Enter(box, u"b"_s);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(scripted->MessageTexts(), QStringList{u"\r\n不能对已关闭的数据集进行操作\t"_s});
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text(), u"b"_s);
        QVERIFY(!bound.Table.DataSet()->Active());
    }

    void followsTheRow()
    {
        TScriptedScope scripted;
        TBoundWindow bound;
        QVERIFY(bound.Show());
        TDataSet *ds = bound.Table.DataSet();
        bound.Store(u"Name"_s, u"一"_s);
        ds->Append();
        bound.Field(u"Name"_s)->SetValue(u"二"_s);
        bound.Field(u"Done"_s)->SetValue(true);
        ds->Post();
        auto *name = qobject_cast<QLineEdit *>(bound.Control(u"edtName1"_s));
        auto *done = qobject_cast<QCheckBox *>(bound.Control(u"chkDone1"_s));
        QCOMPARE(name->text(), u"二"_s);
        QVERIFY(done->isChecked());
        ds->First();
        QCOMPARE(name->text(), u"一"_s);
        QVERIFY(!done->isChecked());

        // An edit of the owner's is shown as it goes and dropped by Cancel.
        ds->Edit();
        bound.Field(u"Name"_s)->SetValue(u"改"_s);
        QCOMPARE(name->text(), u"改"_s);
        ds->Cancel();
        QCOMPARE(name->text(), u"一"_s);

        // A row the owner is inserting stays in insert state for the owner to post or cancel.
        ds->Append();
        QCOMPARE(name->text(), QString());
        Enter(name, u"三"_s);
        QTest::keyClick(name, Qt::Key_Tab);
        QCOMPARE(ds->State(), TDataSetState::Insert);
        QCOMPARE(bound.Field(u"Name"_s)->AsString(), u"三"_s);
        ds->Cancel();
        QCOMPARE(ds->RecordCount(), 2);
        QCOMPARE(name->text(), bound.Field(u"Name"_s)->AsString());

        // A text longer than the field cannot be typed.
        QCOMPARE(name->maxLength(), 10);
    }

    void unboundControlsStayPut()
    {
        TScriptedScope scripted;
        TBoundWindow bound;
        auto *name = qobject_cast<QLineEdit *>(bound.Control(u"edtName1"_s));
        bound.Binder.Unbind(name);
        QCOMPARE(bound.Binder.FieldOf(name), nullptr);
        QCOMPARE(bound.Binder.FieldOf(bound.Control(u"edtQty1"_s)), bound.Field(u"Qty"_s));
        bound.Store(u"Name"_s, u"x"_s);
        QCOMPARE(name->text(), QString());
        QVERIFY_THROWS_EXCEPTION(Exception,
                                 bound.Binder.Bind(new QWidget(&bound.Window), bound.Field(u"Qty"_s)));
    }
};

QTEST_MAIN(TestFieldBinder)
#include "test_field_binder.moc"
