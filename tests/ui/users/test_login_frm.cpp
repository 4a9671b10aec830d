// The login dialog driven as a person would: what it offers at opening, a refusal that keeps it open with
// the password selected and nothing said, Enter in the password logging in, Enter in the login id moving
// on, and Cancel leaving the operator who was logged in.
#include "app/globals.h"
#include "form_driving.h"
#include "forms/qz_combo_box.h"
#include "forms/qz_edit.h"
#include "scripted_interaction.h"
#include "support/app_paths.h"
#include "test_database.h"
#include "users/login.h"
#include "users/login_frm.h"
#include "users/operator.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Replaces the login id box's text the way a person types it.
void TypeLoginId(QWidget *form, const QString &loginId)
{
    QLineEdit *edit = Child<QComboBox>(form, "cmbUserId1")->lineEdit();
    edit->setFocus();
    edit->selectAll();
    TypeText(edit, loginId);
}

void TypePassword(QWidget *form, const QString &password)
{
    auto *edit = Child<QLineEdit>(form, "edtPasswd1");
    edit->setFocus();
    edit->selectAll();
    TypeText(edit, password);
}

QStringList Items(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

} // namespace

class TestLoginFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithSaOnFirstStart();
    void opensWithLastLoginId();
    void refusalKeepsDialogOpenWithPasswordSelected();
    void enterInPasswordLogsIn();
    void cancelKeepsOperatorLoggedIn();

private:
    std::unique_ptr<TTestDatabase> m_db;
};

void TestLoginFrm::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    CurrentOperator().Clear();
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('zhang', 'Pw1', '张三', '', '', ',9,')"_s);
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('李四', '', '李四', '', '', '')"_s);
}

void TestLoginFrm::cleanup()
{
    CurrentOperator().Clear();
    m_db.reset();
}

void TestLoginFrm::opensWithSaOnFirstStart()
{
    QVERIFY(!QFile::exists(AppPaths::ConfigFile()));
    TLoginFrm dialog;
    QCOMPARE(dialog.objectName(), u"LoginFrm"_s);
    QCOMPARE(dialog.windowTitle(), u"登陆"_s);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(Child<QLabel>(&dialog, "lblTitle1")->text(), AppTitle);
    QVERIFY(!Child<QLabel>(&dialog, "Image1")->pixmap().isNull());
    QCOMPARE(Child<QLabel>(&dialog, "lblPrompt1")->text(), u"请输入您的用户名和密码:"_s);
    QCOMPARE(Child<QLabel>(&dialog, "lblUserId1")->text(), u"用户名(&U)"_s);
    QCOMPARE(Child<QLabel>(&dialog, "lblPasswd1")->text(), u"密码(&P)"_s);

    auto *ids = Child<TqzComboBox>(&dialog, "cmbUserId1");
    QVERIFY(ids->isEditable());
    QCOMPARE(ids->currentText(), u"sa"_s);
    QCOMPARE(Items(ids), (QStringList{u"zhang"_s, u"李四"_s}));
    auto *password = Child<TqzEdit>(&dialog, "edtPasswd1");
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QVERIFY(password->text().isEmpty());

    QVERIFY(ShowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), password);
    // Centred on the screen.
    const QPoint centre = dialog.screen()->availableGeometry().center();
    QVERIFY((dialog.frameGeometry().center() - centre).manhattanLength() <= 1);
}

void TestLoginFrm::opensWithLastLoginId()
{
    SetLastLoginId(u"李四"_s);
    TLoginFrm dialog;
    QCOMPARE(Child<QComboBox>(&dialog, "cmbUserId1")->currentText(), u"李四"_s);
}

void TestLoginFrm::refusalKeepsDialogOpenWithPasswordSelected()
{
    TScriptedScope scripted;
    TLoginFrm dialog;
    QVERIFY(ShowActive(&dialog));
    auto *password = Child<QLineEdit>(&dialog, "edtPasswd1");

    TypeLoginId(&dialog, u"zhang"_s);
    TypePassword(&dialog, u"pw1"_s);
    QTest::keyClick(password, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(QApplication::focusWidget(), password);
    QCOMPARE(password->selectedText(), u"pw1"_s);

    // An id that exists nowhere, with that operator's password.
    TypeLoginId(&dialog, u"wang"_s);
    TypePassword(&dialog, u"Pw1"_s);
    QTest::mouseClick(Child<QPushButton>(&dialog, "OkBtn1"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), password);
    QCOMPARE(password->selectedText(), u"Pw1"_s);

    QVERIFY(scripted->Messages.isEmpty());
    QVERIFY(CurrentOperator().IsEmpty());
    QVERIFY(!QFile::exists(AppPaths::ConfigFile()));
}

void TestLoginFrm::enterInPasswordLogsIn()
{
    TScriptedScope scripted;
    bool movedOnFromId = false;
    scripted->DialogScripts.enqueue([&movedOnFromId](QWidget *form) {
        auto *dialog = static_cast<QDialog *>(form);
        if (!ShowActive(dialog))
            return -1;
        TypeLoginId(form, u"zhang"_s);
        // Enter in the login id moves to the password and logs nobody in.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        movedOnFromId =
            QApplication::focusWidget() == Child<QLineEdit>(form, "edtPasswd1") && dialog->isVisible();
        TypeText(QApplication::focusWidget(), u"Pw1"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return dialog->isVisible() ? -1 : dialog->result();
    });
    TLoginFrm frm;
    QCOMPARE(Interaction().ExecDialog(&frm), int(QDialog::Accepted));
    QVERIFY(movedOnFromId);
    QCOMPARE(CurrentOperator().LoginId, u"zhang"_s);
    QCOMPARE(CurrentOperator().Rights, u",9,"_s);
    QCOMPARE(LastLoginId(), u"zhang"_s);
    QVERIFY(scripted->Messages.isEmpty());
    QCOMPARE(scripted->Dialogs.first().ObjectName, u"LoginFrm"_s);
}

void TestLoginFrm::cancelKeepsOperatorLoggedIn()
{
    QVERIFY(TryLogin(u"zhang"_s, u"Pw1"_s));
    TScriptedScope scripted;
    scripted->DialogScripts.enqueue([](QWidget *form) {
        auto *dialog = static_cast<QDialog *>(form);
        if (!ShowActive(dialog))
            return -1;
        TypeLoginId(form, u"李四"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        return dialog->isVisible() ? -1 : dialog->result();
    });
    TLoginFrm frm;
    QCOMPARE(Interaction().ExecDialog(&frm), int(QDialog::Rejected));
    QCOMPARE(CurrentOperator().LoginId, u"zhang"_s);
    QCOMPARE(LastLoginId(), u"zhang"_s);
}

QTEST_MAIN(TestLoginFrm)
#include "test_login_frm.moc"
