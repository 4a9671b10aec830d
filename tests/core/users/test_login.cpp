// Logging in: who may log in and as whom, what a refusal leaves in place, the case rule of the lookup, the
// last login id in cfg.ini (also when cfg.ini cannot be written) and the login ids offered for choice.
#include "app/ini_file.h"
#include "scripted_interaction.h"
#include "support/app_paths.h"
#include "test_database.h"
#include "users/login.h"
#include "users/operator.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void tryLogin_data();
    void tryLogin();
    void refusalChangesNothing();
    void wrongPasswordThenUnknownIdWithThatPassword();
    void laterLoginReplacesTheWholeOperator();
    void caseInsensitiveLookupLogsInAsStoredId();
    void lastLoginIdInConfigFile();
    void unwritableConfigFileDoesNotFailLogin();
    void loginIdsLeaveOutSa();

private:
    std::unique_ptr<TTestDatabase> m_db;
};

void TestLogin::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    CurrentOperator().Clear();
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('zhang', 'Pw1', '张三', '', '', ',9,,12,')"_s);
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('li', '', '李四', '13800000000', 'x', ',1,')"_s);
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('王五', '密码', '王五', '', '', '')"_s);
}

void TestLogin::cleanup()
{
    CurrentOperator().Clear();
    m_db.reset();
}

void TestLogin::tryLogin_data()
{
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::newRow("sa, empty password") << u"sa"_s << QString() << true;
    QTest::newRow("sa, text typed") << u"sa"_s << u"x"_s << false;
    QTest::newRow("operator") << u"zhang"_s << u"Pw1"_s << true;
    QTest::newRow("wrong case of password") << u"zhang"_s << u"pw1"_s << false;
    QTest::newRow("password with trailing blank") << u"zhang"_s << u"Pw1 "_s << false;
    QTest::newRow("empty field, password stored") << u"zhang"_s << QString() << false;
    QTest::newRow("empty stored password") << u"li"_s << QString() << true;
    QTest::newRow("chinese id and password") << u"王五"_s << u"密码"_s << true;
    QTest::newRow("unknown id") << u"wang"_s << u"Pw1"_s << false;
    QTest::newRow("unknown id, empty password") << u"wang"_s << QString() << false;
    QTest::newRow("empty id") << QString() << QString() << false;
    QTest::newRow("quote in id") << u"zhang' or '1'='1"_s << u"Pw1"_s << false;
}

void TestLogin::tryLogin()
{
    QFETCH(QString, loginId);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    TScriptedScope scripted;
    QCOMPARE(TryLogin(loginId, password), ok);
    QCOMPARE(CurrentOperator().LoginId, ok ? loginId : QString());
    QCOMPARE(LastLoginId(), ok ? loginId : QString());
    QVERIFY(scripted->Messages.isEmpty());
}

void TestLogin::refusalChangesNothing()
{
    QVERIFY(TryLogin(u"zhang"_s, u"Pw1"_s));
    const TOperator before = CurrentOperator();
    QVERIFY(!TryLogin(u"li"_s, u"wrong"_s));
    QVERIFY(!TryLogin(u"nobody"_s, QString()));
    QCOMPARE(CurrentOperator().LoginId, before.LoginId);
    QCOMPARE(CurrentOperator().Password, before.Password);
    QCOMPARE(CurrentOperator().Rights, before.Rights);
    QCOMPARE(LastLoginId(), u"zhang"_s);
}

void TestLogin::wrongPasswordThenUnknownIdWithThatPassword()
{
    QVERIFY(!TryLogin(u"zhang"_s, u"bad"_s));
    QVERIFY(!TryLogin(u"wang"_s, u"Pw1"_s));
    QVERIFY(CurrentOperator().IsEmpty());
    QVERIFY(!QFile::exists(AppPaths::ConfigFile()));
}

void TestLogin::laterLoginReplacesTheWholeOperator()
{
    QVERIFY(TryLogin(u"zhang"_s, u"Pw1"_s));
    QCOMPARE(CurrentOperator().Name, u"张三"_s);
    QVERIFY(CurrentOperator().HasRight(9));
    QVERIFY(TryLogin(u"li"_s, QString()));
    const TOperator &current = CurrentOperator();
    QCOMPARE(current.LoginId, u"li"_s);
    QCOMPARE(current.Password, QString());
    QCOMPARE(current.Name, u"李四"_s);
    QCOMPARE(current.Contact, u"13800000000"_s);
    QCOMPARE(current.Note, u"x"_s);
    QCOMPARE(current.Rights, u",1,"_s);
    QVERIFY(!current.HasRight(9));
    QCOMPARE(LastLoginId(), u"li"_s);
}

void TestLogin::caseInsensitiveLookupLogsInAsStoredId()
{
    // Login ids compare without regard to case in the database, as they did in the desktop database the
    // program grew up on: whatever case is typed, the operator logged in and remembered is the one stored.
    m_db->Exec(u"update operator set LoginId='Zhang' where LoginId='zhang'"_s);
    QVERIFY(TryLogin(u"SA"_s, QString()));
    QCOMPARE(CurrentOperator().LoginId, u"sa"_s);
    QVERIFY(CurrentOperator().IsSuperUser());
    QCOMPARE(LastLoginId(), u"sa"_s);

    QVERIFY(!TryLogin(u"ZHANG"_s, u"PW1"_s)); // the password still compares exactly
    QVERIFY(TryLogin(u"zHaNg"_s, u"Pw1"_s));
    QCOMPARE(CurrentOperator().LoginId, u"Zhang"_s);
    QCOMPARE(LastLoginId(), u"Zhang"_s);
}

void TestLogin::lastLoginIdInConfigFile()
{
    QCOMPARE(LastLoginId(), QString());
    // The connection settings beside the login id survive its writing.
    {
        QFile file(AppPaths::ConfigFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[db]\r\nproviderIdx=1\r\n");
    }
    QVERIFY(TryLogin(u"王五"_s, u"密码"_s));
    QCOMPARE(LastLoginId(), u"王五"_s);
    QFile file(AppPaths::ConfigFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[db]\r\nproviderIdx=1\r\n[Login]\r\nLastLoginId=") +
                                 TIniFile::ToGbk(u"王五"_s) + "\r\n");

    SetLastLoginId(u"zhang"_s);
    QCOMPARE(LastLoginId(), u"zhang"_s);
    QCOMPARE(TIniFile(AppPaths::ConfigFile()).ReadInteger(u"db"_s, u"providerIdx"_s, 0), 1);
}

void TestLogin::unwritableConfigFileDoesNotFailLogin()
{
    // A folder where cfg.ini should be: nothing can be written there, whoever runs the program.
    QVERIFY(QDir(m_db->Dir()).mkdir(u"cfg.ini"_s));
    TScriptedScope scripted;
    QVERIFY(TryLogin(u"zhang"_s, u"Pw1"_s));
    QCOMPARE(CurrentOperator().LoginId, u"zhang"_s);
    QCOMPARE(LastLoginId(), QString());
    QVERIFY(scripted->Messages.isEmpty());
}

void TestLogin::loginIdsLeaveOutSa()
{
    m_db->Exec(u"insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
               "('aaa', '', '', '', '', '')"_s);
    QCOMPARE(LoginIds(), (QStringList{u"zhang"_s, u"li"_s, u"王五"_s, u"aaa"_s}));
    m_db->Exec(u"delete from operator where LoginId<>'sa'"_s);
    QCOMPARE(LoginIds(), QStringList());
}

QTEST_GUILESS_MAIN(TestLogin)
#include "test_login.moc"
