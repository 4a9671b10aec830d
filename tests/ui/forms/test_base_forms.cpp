// The base forms: the closing rules of the dialogs, the help key and its topic, the button rows, a form built
// from a Designer file, and the non-modal window that frees itself.
#include "form_driving.h"
#include "forms/a_dlg_frm.h"
#include "forms/a_info_dlg_frm.h"
#include "forms/qz_combo_box.h"
#include "forms/qz_date_time_picker.h"
#include "forms/qz_edit.h"
#include "forms/win_frm.h"
#include "scripted_interaction.h"
#include "support/app_paths.h"
#include "support/messages.h"
#include "ui_test_editor_frm.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// An editing dialog as the program's windows make them: controls from a Designer file, a check on OK.
class TTestEditorFrm : public TADlgFrm
{
public:
    explicit TTestEditorFrm(QWidget *parent = nullptr) : TADlgFrm(parent) { SetupUi(ui); }

    Ui::TTestEditorFrm ui;
    int Checks = 0;

protected:
    bool CanCloseOk() override
    {
        ++Checks;
        if (ui.edtName1->text().trimmed().isEmpty()) {
            ShowInfo(u"请输入名称."_s);
            ui.edtName1->setFocus();
            return false;
        }
        ui.edtValue1->AsDouble(); // a wrong number raises its conversion error
        return true;
    }
};

class TTestInfoFrm : public TAInfoDlgFrm
{
public:
    TTestInfoFrm() { setObjectName(u"AboutFrm"_s); }
};

QString HelpPage(const QString &topic)
{
    return QDir(AppPaths::ProgramDir()).filePath(u"help/%1.htm"_s.arg(topic));
}

template <typename T> T *Child(QWidget &form, const QString &name)
{
    T *child = form.findChild<T *>(name);
    if (!child)
        qFatal("no control %s", qUtf8Printable(name));
    return child;
}

} // namespace

class TestBaseForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dialogFromDesignerFile()
    {
        TScriptedScope scripted;
        TTestEditorFrm frm;
        QCOMPARE(frm.objectName(), u"OperatorEditorFrm"_s);
        QCOMPARE(frm.windowTitle(), u"操作员"_s);
        QVERIFY(frm.isModal());
        QCOMPARE(Child<QPushButton>(frm, u"OkBtn1"_s)->text(), u"确定(&O)"_s);
        QCOMPARE(Child<QPushButton>(frm, u"CancelBtn1"_s)->text(), u"取消"_s);
        QCOMPARE(Child<QPushButton>(frm, u"HelpBtn1"_s)->text(), u"帮助"_s);
        // Properties given in the Designer file reach the promoted controls.
        QCOMPARE(frm.ui.edtValue1->EditType(), etNumber);
        QCOMPARE(frm.ui.edtValue1->Alignment(), Qt::Alignment(Qt::AlignRight));
        QVERIFY(frm.ui.dtpDate1->ShowCheckbox());

        QVERIFY(ShowActive(&frm));
        // The dialog's own fields come first; the buttons follow the last one, right-aligned in that order.
        QCOMPARE(QApplication::focusWidget(), frm.ui.edtName1);
        frm.ui.dtpDate1->setFocus();
        QTest::keyClick(frm.ui.dtpDate1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Child<QWidget>(frm, u"OkBtn1"_s));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Child<QWidget>(frm, u"CancelBtn1"_s));
        const int ok = Child<QPushButton>(frm, u"OkBtn1"_s)->geometry().left();
        const int cancel = Child<QPushButton>(frm, u"CancelBtn1"_s)->geometry().left();
        const int help = Child<QPushButton>(frm, u"HelpBtn1"_s)->geometry().left();
        QVERIFY(ok < cancel && cancel < help);
        QVERIFY(frm.width() - Child<QPushButton>(frm, u"HelpBtn1"_s)->geometry().right() < 30);
        QVERIFY(frm.ui.edtName1->geometry().bottom() < Child<QWidget>(frm, u"Bevel1"_s)->geometry().top());
    }

    void okRefusedKeepsInput()
    {
        TScriptedScope scripted;
        TTestEditorFrm frm;
        QVERIFY(ShowActive(&frm));
        QSignalSpy finished(&frm, &QDialog::finished);
        QTest::keyClicks(frm.ui.edtValue1, u"12.5"_s);
        frm.ui.cmbDept1->setCurrentText(u"财务部"_s);
        Child<QPushButton>(frm, u"OkBtn1"_s)->click();

        QVERIFY(frm.isVisible());
        QVERIFY(finished.isEmpty());
        QCOMPARE(scripted->MessageTexts(), QStringList{u"\r\n请输入名称.\t"_s});
        QCOMPARE(QApplication::focusWidget(), frm.ui.edtName1);
        QCOMPARE(frm.ui.edtValue1->text(), u"12.5"_s);
        QCOMPARE(frm.ui.cmbDept1->currentText(), u"财务部"_s);

        QTest::keyClicks(frm.ui.edtName1, u"Zhang San"_s);
        Child<QPushButton>(frm, u"OkBtn1"_s)->click();
        QVERIFY(!frm.isVisible());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(frm.result(), int(QDialog::Accepted));
    }

    void conversionErrorKeepsDialogOpen()
    {
        // A number that does not convert is shown in the information box, and the dialog keeps the input.
        TScriptedScope scripted;
        TTestEditorFrm frm;
        QVERIFY(ShowActive(&frm));
        frm.ui.edtName1->setText(u"张三"_s);
        frm.ui.edtValue1->setText(u"abc"_s);
        Child<QPushButton>(frm, u"OkBtn1"_s)->click();
        QVERIFY(frm.isVisible());
        QCOMPARE(scripted->Messages.size(), 1);
        QCOMPARE(scripted->Messages.first().Caption, u"信息"_s);
        QCOMPARE(scripted->LastMessageText(), u"\r\n\"abc\" 不是有效的数字.\t"_s);
        QCOMPARE(frm.ui.edtValue1->text(), u"abc"_s);
    }

    void cancelNeverRefused_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("esc in a field") << true;
        QTest::newRow("cancel button") << false;
    }

    void cancelNeverRefused()
    {
        QFETCH(bool, byEsc);
        TScriptedScope scripted;
        TTestEditorFrm frm;
        QVERIFY(ShowActive(&frm));
        frm.ui.edtValue1->setText(u"abc"_s); // and no name: the input is wrong twice over
        if (byEsc)
            QTest::keyClick(frm.ui.edtValue1, Qt::Key_Escape);
        else
            Child<QPushButton>(frm, u"CancelBtn1"_s)->click();
        QVERIFY(!frm.isVisible());
        QCOMPARE(frm.result(), int(QDialog::Rejected));
        QCOMPARE(frm.Checks, 0);
        QVERIFY(scripted->Messages.isEmpty());
    }

    void ctrlEnterPressesOk()
    {
        TScriptedScope scripted;
        TTestEditorFrm frm;
        QVERIFY(ShowActive(&frm));
        QTest::keyClick(frm.ui.edtName1, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(frm.Checks, 1);
        QVERIFY(frm.isVisible());
        frm.ui.edtName1->setText(u"张三"_s);
        QTest::keyClick(frm.ui.edtName1, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(frm.result(), int(QDialog::Accepted));
    }

    void helpKeyAndButton_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("f1 in a text box") << u"edtName1"_s;
        QTest::newRow("f1 in a drop-down field") << u"cmbDept1"_s;
        QTest::newRow("f1 in the date picker") << u"dtpDate1"_s;
        QTest::newRow("f1 on a button") << u"CancelBtn1"_s;
        QTest::newRow("help button") << QString();
    }

    void helpKeyAndButton()
    {
        QFETCH(QString, control);
        TScriptedScope scripted;
        TTestEditorFrm frm;
        QVERIFY(ShowActive(&frm));
        if (control.isEmpty())
            Child<QPushButton>(frm, u"HelpBtn1"_s)->click();
        else
            QTest::keyClick(Child<QWidget>(frm, control), Qt::Key_F1);
        // No compiled help viewer on this system: the page of the help set is opened.
        QCOMPARE(scripted->OpenedDocuments, QStringList{HelpPage(u"OperatorEditor"_s)});
        QVERIFY(scripted->StartedPrograms.isEmpty());
        QVERIFY(frm.isVisible());
    }

    void helpNotReported()
    {
        TScriptedScope scripted;
        scripted->OpenDocumentResult = false;
        TTestEditorFrm frm;
        QVERIFY(ShowActive(&frm));
        QTest::keyClick(frm.ui.edtName1, Qt::Key_F1);
        QCOMPARE(scripted->OpenedDocuments.size(), 1);
        QVERIFY(scripted->Messages.isEmpty());
    }

    void helpOfTheWindowWithTheKeyboard()
    {
        // F1 in a dialog over another window opens the dialog's page only.
        TScriptedScope scripted;
        TWinFrm owner;
        owner.setObjectName(u"DepreFrm"_s);
        QVERIFY(ShowActive(&owner));
        TTestInfoFrm info;
        QVERIFY(ShowActive(&info));
        QTest::keyClick(Child<QWidget>(info, u"CloseBtn1"_s), Qt::Key_F1);
        QCOMPARE(scripted->OpenedDocuments, QStringList{HelpPage(u"About"_s)});
        QTest::keyClick(&owner, Qt::Key_F1);
        QCOMPARE(scripted->OpenedDocuments.last(), HelpPage(u"Depre"_s));
    }

    void infoDialogCloses_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("esc") << true;
        QTest::newRow("close button") << false;
    }

    void infoDialogCloses()
    {
        QFETCH(bool, byEsc);
        TScriptedScope scripted;
        TTestInfoFrm info;
        QCOMPARE(Child<QPushButton>(info, u"CloseBtn1"_s)->text(), u"关闭"_s);
        QCOMPARE(Child<QPushButton>(info, u"HelpBtn1"_s)->text(), u"帮助"_s);
        QVERIFY(ShowActive(&info));
        if (byEsc)
            QTest::keyClick(&info, Qt::Key_Escape);
        else
            Child<QPushButton>(info, u"CloseBtn1"_s)->click();
        QVERIFY(!info.isVisible());
        QCOMPARE(info.result(), int(QDialog::Rejected));
    }

    void windowFreesItselfOnClose()
    {
        TScriptedScope scripted;
        QWidget main;
        QVERIFY(ShowActive(&main));
        QPointer<TWinFrm> win = new TWinFrm(&main);
        QVERIFY(win->isWindow());
        QVERIFY(!win->isModal());
        QCOMPARE(win->parentWidget(), &main);
        auto *button = new QPushButton(u"功能 ▼"_s, win);
        QSignalSpy clicked(button, &QPushButton::clicked);
        QVERIFY(ShowActive(win));
        // Esc is no close key of a table window, and Enter passed on by a control presses no button.
        QTest::keyClick(win.data(), Qt::Key_Escape);
        QVERIFY(win->isVisible());
        QTest::keyClick(win.data(), Qt::Key_Return);
        QVERIFY(clicked.isEmpty());
        QVERIFY(win->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(win.isNull());
    }

    void ownerFreesOpenWindows()
    {
        QPointer<TWinFrm> win;
        {
            QWidget main;
            win = new TWinFrm(&main);
            win->show();
        }
        QVERIFY(win.isNull());
    }
};

QTEST_MAIN(TestBaseForms)
#include "test_base_forms.moc"
