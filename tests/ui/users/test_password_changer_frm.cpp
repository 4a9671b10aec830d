// The password dialog driven as a person would, through the operator's password change: new passwords
// that differ keep the dialog open with both emptied, a wrong current password brings the dialog back with
// the fields as they were, and a change saves.
#include "form_driving.h"
#include "forms/qz_edit.h"
#include "scripted_interaction.h"
#include "test_database.h"
#include "users/login.h"
#include "users/operator.h"
#include "users/password_changer_frm.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void Type(QWidget *form, const char *field, const QString &text)
{
    auto *edit = Child<QLineEdit>(form, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The dialog's result once OK was pressed; -1 while it is still open.
int PressOk(QDialog *dialog)
{
    QTest::mouseClick(Child<QPushButton>(dialog, "OkBtn1"), Qt::LeftButton);
    return dialog->isVisible() ? -1 : dialog->result();
}

const QString Mismatch = u"两次输入的新密码不一样,请确认并重新输入."_s;
const QString WrongCurrent = u"\r\n当前密码验证失败,请确认并重新输入.\t"_s;
const QString Changed = u"\r\n密码更改成功! 下次登陆时请使用新密码.\t"_s;

} // namespace

class TestPasswordChangerFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void fields();
    void differentNewPasswordsKeepDialogOpen();
    void wrongCurrentPasswordComesBackAsTyped();

private:
    std::unique_ptr<TTestDatabase> m_db;
};

void TestPasswordChangerFrm::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('zhang', 'Pw1', '张三', '', '', ',9,')"_s);
    CurrentOperator().Clear();
    QVERIFY(TryLogin(u"zhang"_s, u"Pw1"_s));
}

void TestPasswordChangerFrm::cleanup()
{
    CurrentOperator().Clear();
    m_db.reset();
}

void TestPasswordChangerFrm::fields()
{
    TPasswordChangerFrm dialog;
    QCOMPARE(dialog.objectName(), u"PasswordChangerFrm"_s);
    QCOMPARE(dialog.windowTitle(), u"更改密码"_s);
    dialog.SetUserId(u"zhang"_s);
    auto *user = Child<QLineEdit>(&dialog, "edtUserId1");
    QCOMPARE(user->text(), u"zhang"_s);
    QVERIFY(user->isReadOnly());
    const char *const labels[][2] = {{"lblUserId1", "当前用户"},
                                     {"lblPrePasswd1", "当前密码"},
                                     {"lblNewPasswd1", "新密码"},
                                     {"lblNewPasswd2", "新密码验证"}};
    for (const auto &[name, caption] : labels)
        QCOMPARE(Child<QLabel>(&dialog, name)->text(), QString::fromUtf8(caption));
    for (const char *name : {"edtPrePasswd1", "edtNewPasswd1", "edtNewPasswd2"}) {
        auto *edit = Child<TqzEdit>(&dialog, name);
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QVERIFY(edit->text().isEmpty());
    }
    QVERIFY(ShowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), Child<QWidget>(&dialog, "edtPrePasswd1"));
}

void TestPasswordChangerFrm::differentNewPasswordsKeepDialogOpen()
{
    TScriptedScope scripted;
    bool keptOpen = false;
    bool emptied = false;
    bool focusOnFirst = false;
    QString currentKept;
    scripted->DialogScripts.enqueue([&](QWidget *form) {
        auto *dialog = static_cast<QDialog *>(form);
        if (!ShowActive(dialog))
            return -1;
        Type(form, "edtPrePasswd1", u"Pw1"_s);
        Type(form, "edtNewPasswd1", u"New2"_s);
        Type(form, "edtNewPasswd2", u"new2"_s);
        keptOpen = PressOk(dialog) == -1;
        emptied = Child<QLineEdit>(form, "edtNewPasswd1")->text().isEmpty() &&
                  Child<QLineEdit>(form, "edtNewPasswd2")->text().isEmpty();
        focusOnFirst = QApplication::focusWidget() == Child<QWidget>(form, "edtNewPasswd1");
        currentKept = Child<QLineEdit>(form, "edtPrePasswd1")->text();
        Type(form, "edtNewPasswd1", u"New2"_s);
        Type(form, "edtNewPasswd2", u"New2"_s);
        return PressOk(dialog);
    });
    TPasswordChangerFrm frm;
    QVERIFY(CurrentOperator().ChangePassword(frm));
    QVERIFY(keptOpen);
    QVERIFY(emptied);
    QVERIFY(focusOnFirst);
    QCOMPARE(currentKept, u"Pw1"_s);
    QCOMPARE(scripted->Dialogs.size(), 1);
    QCOMPARE(scripted->Dialogs.first().ObjectName, u"PasswordChangerFrm"_s);
    QCOMPARE(scripted->MessageTexts(), (QStringList{Mismatch, Changed}));
    QCOMPARE(CurrentOperator().Password, u"New2"_s);
    QCOMPARE(TTestDatabase::Rows(u"select [Password] from operator where LoginId='zhang'"_s),
             QStringList{u"New2"_s});
}

void TestPasswordChangerFrm::wrongCurrentPasswordComesBackAsTyped()
{
    TScriptedScope scripted;
    scripted->DialogScripts.enqueue([](QWidget *form) {
        auto *dialog = static_cast<QDialog *>(form);
        if (!ShowActive(dialog))
            return -1;
        Type(form, "edtPrePasswd1", u"pw1"_s);
        Type(form, "edtNewPasswd1", u"New2"_s);
        Type(form, "edtNewPasswd2", u"New2"_s);
        return PressOk(dialog);
    });
    QStringList shownAgain;
    scripted->DialogScripts.enqueue([&shownAgain](QWidget *form) {
        for (const char *name : {"edtUserId1", "edtPrePasswd1", "edtNewPasswd1", "edtNewPasswd2"})
            shownAgain.append(Child<QLineEdit>(form, name)->text());
        return int(QDialog::Rejected);
    });
    TPasswordChangerFrm frm;
    QVERIFY(!CurrentOperator().ChangePassword(frm));
    QCOMPARE(scripted->Dialogs.size(), 2);
    QCOMPARE(shownAgain, (QStringList{u"zhang"_s, u"pw1"_s, u"New2"_s, u"New2"_s}));
    QCOMPARE(scripted->MessageTexts(), QStringList{WrongCurrent});
    QCOMPARE(CurrentOperator().Password, u"Pw1"_s);
    QCOMPARE(TTestDatabase::Rows(u"select [Password] from operator where LoginId='zhang'"_s),
             QStringList{u"Pw1"_s});
}

QTEST_MAIN(TestPasswordChangerFrm)
#include "test_password_changer_frm.moc"
