// Changing one's own password through a stand-in for the dialog: the check of the current password, a
// refused statement, an account gone meanwhile, and a change that takes effect at once and at the next
// login.
#include "scripted_interaction.h"
#include "test_database.h"
#include "users/login.h"
#include "users/operator.h"

#include <functional>
#include <QList>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One run of the dialog: OK with the two passwords typed, or Cancel.
struct TRun
{
    bool Ok = false;
    QString Current;
    QString New;
    std::function<void()> Before; // runs as the dialog opens (changing the database meanwhile)
};

TRun Ok(const QString &current, const QString &newPassword, std::function<void()> before = {})
{
    return {true, current, newPassword, std::move(before)};
}

TRun Cancel()
{
    return {};
}

class TFakePasswordPrompt : public TPasswordPrompt
{
public:
    QList<TRun> Runs; // Cancel when empty
    QString UserId;
    int Executed = 0;

    void SetUserId(const QString &loginId) override { UserId = loginId; }
    bool Execute() override
    {
        ++Executed;
        m_run = Runs.isEmpty() ? Cancel() : Runs.takeFirst();
        if (m_run.Before)
            m_run.Before();
        return m_run.Ok;
    }
    QString PrePasswd() const override { return m_run.Current; }
    QString NewPasswd() const override { return m_run.New; }

private:
    TRun m_run;
};

const QString WrongCurrent = u"\r\n当前密码验证失败,请确认并重新输入.\t"_s;
const QString Changed = u"\r\n密码更改成功! 下次登陆时请使用新密码.\t"_s;

QStringList Passwords()
{
    return TTestDatabase::Rows(u"select LoginId, [Password] from operator order by LoginId"_s);
}

} // namespace

class TestChangePassword : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void changeTakesEffectAtOnceAndAtNextLogin();
    void wrongCurrentPasswordAsksAgain();
    void cancelChangesNothing();
    void emptyNewPasswordIsAllowed();
    void refusedStatementAsksAgain();
    void deletedAccountIsNotReportedAsChanged();

private:
    std::unique_ptr<TTestDatabase> m_db;
};

void TestChangePassword::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('zhang', 'Pw1', '张三', '', '', ',9,')"_s);
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('li', 'Pw1', '李四', '', '', '')"_s);
    CurrentOperator().Clear();
    QVERIFY(TryLogin(u"zhang"_s, u"Pw1"_s));
}

void TestChangePassword::cleanup()
{
    CurrentOperator().Clear();
    m_db.reset();
}

void TestChangePassword::changeTakesEffectAtOnceAndAtNextLogin()
{
    TScriptedScope scripted;
    TFakePasswordPrompt prompt;
    prompt.Runs = {Ok(u"Pw1"_s, u"新Pw2"_s)};
    QVERIFY(CurrentOperator().ChangePassword(prompt));
    QCOMPARE(prompt.UserId, u"zhang"_s);
    QCOMPARE(prompt.Executed, 1);
    QCOMPARE(scripted->MessageTexts(), QStringList{Changed});
    QCOMPARE(scripted->Messages.first().Kind, TMsgKind::Information);
    QCOMPARE(CurrentOperator().Password, u"新Pw2"_s);
    // Only this operator's row changed.
    QCOMPARE(Passwords(), (QStringList{u"li Pw1"_s, u"sa "_s, u"zhang 新Pw2"_s}));

    // The same object now wants the new password as the current one.
    TFakePasswordPrompt again;
    again.Runs = {Ok(u"Pw1"_s, u"x"_s), Cancel()};
    QVERIFY(!CurrentOperator().ChangePassword(again));
    QCOMPARE(scripted->LastMessageText(), WrongCurrent);

    QVERIFY(!TryLogin(u"zhang"_s, u"Pw1"_s));
    QVERIFY(TryLogin(u"zhang"_s, u"新Pw2"_s));
}

void TestChangePassword::wrongCurrentPasswordAsksAgain()
{
    TScriptedScope scripted;
    TFakePasswordPrompt prompt;
    prompt.Runs = {Ok(u"pw1"_s, u"New"_s), Ok(QString(), u"New"_s), Ok(u"Pw1"_s, u"New"_s)};
    QVERIFY(CurrentOperator().ChangePassword(prompt));
    QCOMPARE(prompt.Executed, 3);
    QCOMPARE(scripted->MessageTexts(), (QStringList{WrongCurrent, WrongCurrent, Changed}));
    QCOMPARE(CurrentOperator().Password, u"New"_s);
}

void TestChangePassword::cancelChangesNothing()
{
    const QStringList before = Passwords();
    TScriptedScope scripted;
    TFakePasswordPrompt prompt;
    prompt.Runs = {Ok(u"bad"_s, u"New"_s), Cancel()};
    QVERIFY(!CurrentOperator().ChangePassword(prompt));
    QCOMPARE(prompt.Executed, 2);
    QCOMPARE(scripted->MessageTexts(), QStringList{WrongCurrent});
    QCOMPARE(CurrentOperator().Password, u"Pw1"_s);
    QCOMPARE(Passwords(), before);
}

void TestChangePassword::emptyNewPasswordIsAllowed()
{
    TScriptedScope scripted;
    TFakePasswordPrompt prompt;
    prompt.Runs = {Ok(u"Pw1"_s, QString())};
    QVERIFY(CurrentOperator().ChangePassword(prompt));
    QCOMPARE(CurrentOperator().Password, QString());
    // Stored as an empty text, which an empty field matches.
    QCOMPARE(TTestDatabase::Rows(u"select count(*) from operator where LoginId='zhang' and [Password]=''"_s),
             QStringList{u"1"_s});
    QVERIFY(TryLogin(u"zhang"_s, QString()));
}

void TestChangePassword::refusedStatementAsksAgain()
{
    m_db->Exec(u"create trigger refuse_password before update on operator "
               "begin select raise(abort, 'password refused'); end"_s);
    const QStringList before = Passwords();
    TScriptedScope scripted;
    TFakePasswordPrompt prompt;
    prompt.Runs = {Ok(u"Pw1"_s, u"New"_s), Cancel()};
    QVERIFY(!CurrentOperator().ChangePassword(prompt));
    QCOMPARE(prompt.Executed, 2);
    QCOMPARE(scripted->Messages.size(), 1);
    const QString error = scripted->LastMessageText();
    QVERIFY2(error.contains(u"password refused"_s), qPrintable(error));
    QVERIFY(error.contains(u"update operator set [Password]=:Password where LoginId=:LoginId"_s));
    QCOMPARE(CurrentOperator().Password, u"Pw1"_s);
    QCOMPARE(Passwords(), before);

    // Back in the dialog after the error, the next OK saves once the database accepts it.
    scripted->Messages.clear();
    prompt.Executed = 0;
    prompt.Runs = {Ok(u"Pw1"_s, u"New"_s),
                   Ok(u"Pw1"_s, u"New"_s, [this] { m_db->Exec(u"drop trigger refuse_password"_s); })};
    QVERIFY(CurrentOperator().ChangePassword(prompt));
    QCOMPARE(prompt.Executed, 2);
    QCOMPARE(scripted->Messages.size(), 2);
    QCOMPARE(scripted->LastMessageText(), Changed);
    QCOMPARE(CurrentOperator().Password, u"New"_s);
    QVERIFY(TryLogin(u"zhang"_s, u"New"_s));
}

void TestChangePassword::deletedAccountIsNotReportedAsChanged()
{
    m_db->Exec(u"delete from operator where LoginId='zhang'"_s);
    TScriptedScope scripted;
    TFakePasswordPrompt prompt;
    prompt.Runs = {Ok(u"Pw1"_s, u"New"_s), Cancel()};
    QVERIFY(!CurrentOperator().ChangePassword(prompt));
    QCOMPARE(prompt.Executed, 2);
    QCOMPARE(scripted->Messages.size(), 1);
    QVERIFY(scripted->LastMessageText() != Changed);
    QVERIFY(scripted->LastMessageText().contains(u"zhang"_s));
    QCOMPARE(CurrentOperator().Password, u"Pw1"_s);
}

QTEST_GUILESS_MAIN(TestChangePassword)
#include "test_change_password.moc"
