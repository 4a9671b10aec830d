// The current operator: the ",n," rule, sa passing every check, the refusal message with and without stop,
// RequireSa, loading an operator and checking a password.
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "support/errors.h"
#include "test_database.h"
#include "users/operator.h"
#include "users/rights.h"

#include <QTest>

namespace {

TOperator Operator(const QString &loginId, const QString &rights, const QString &password = QString())
{
    TOperator op;
    op.LoginId = loginId;
    op.Rights = rights;
    op.Password = password;
    return op;
}

QString Refusal(int n)
{
    return QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t").arg(n);
}

} // namespace

class TestOperator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hasRight_data();
    void hasRight();
    void checkRightHeld();
    void checkRightWithoutStop();
    void checkRightWithStop();
    void requireSa_data();
    void requireSa();
    void loadOperator();
    void loadOperatorNotFound();
    void checkPassword_data();
    void checkPassword();
    void currentOperator();
};

void TestOperator::hasRight_data()
{
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<int>("right");
    QTest::addColumn<bool>("held");
    const QString rights = QStringLiteral(",1,,10,");
    const QString op = QStringLiteral("op");
    QTest::newRow("1 granted") << op << rights << 1 << true;
    QTest::newRow("10 granted") << op << rights << 10 << true;
    QTest::newRow("0 not") << op << rights << 0 << false;
    QTest::newRow("11 not") << op << rights << 11 << false;
    QTest::newRow("100 not") << op << rights << 100 << false;
    QTest::newRow("empty rights") << op << QString() << 1 << false;
    QTest::newRow("10005 grantable") << op << QStringLiteral(",10005,") << 10005 << true;
    QTest::newRow("3 refused to others") << op << QStringLiteral(",9,,12,") << 3 << false;
    QTest::newRow("17 refused to others") << op << QStringLiteral(",9,,12,") << 17 << false;
    QTest::newRow("sa empty rights 1") << QStringLiteral("sa") << QString() << 1 << true;
    QTest::newRow("sa empty rights 3") << QStringLiteral("sa") << QString() << 3 << true;
    QTest::newRow("sa empty rights 17") << QStringLiteral("sa") << QString() << 17 << true;
    QTest::newRow("sa empty rights 100001") << QStringLiteral("sa") << QString() << 100001 << true;
    QTest::newRow("SA is not sa") << QStringLiteral("SA") << QString() << 1 << false;
    QTest::newRow("sa with blank is not sa") << QStringLiteral("sa ") << QString() << 1 << false;
    QTest::newRow("nobody loaded") << QString() << QString() << 1 << false;
    QTest::newRow("nobody loaded 0") << QString() << QString() << 0 << false;
}

void TestOperator::hasRight()
{
    QFETCH(QString, loginId);
    QFETCH(QString, rights);
    QFETCH(int, right);
    QFETCH(bool, held);
    QCOMPARE(Operator(loginId, rights).HasRight(right), held);
}

void TestOperator::checkRightHeld()
{
    TScriptedScope scripted;
    const TOperator op = Operator(QStringLiteral("op"), QStringLiteral(",9,"));
    QVERIFY(op.CheckRight(9, true));
    QVERIFY(op.CheckRight(9, false));
    QVERIFY(Operator(QStringLiteral("sa"), QString()).CheckRight(17, true));
    QVERIFY(scripted->Messages.isEmpty());
}

void TestOperator::checkRightWithoutStop()
{
    TScriptedScope scripted;
    const TOperator op = Operator(QStringLiteral("op"), QStringLiteral(",1,,10,"));
    bool result = true;
    try {
        result = op.CheckRight(24, false);
    } catch (...) {
        QFAIL("CheckRight without stop must not raise");
    }
    QVERIFY(!result);
    QCOMPARE(scripted->Messages.size(), 1);
    QCOMPARE(scripted->Messages.first().Text, Refusal(24));
    QCOMPARE(scripted->Messages.first().Kind, TMsgKind::Information);
    QCOMPARE(scripted->Messages.first().Buttons, int(TMsgButton::Ok));
}

void TestOperator::checkRightWithStop()
{
    TScriptedScope scripted;
    const TOperator op = Operator(QStringLiteral("op"), QStringLiteral(",1,,10,"));
    QVERIFY_THROWS_EXCEPTION(EAbort, op.CheckRight(100001, true));
    QCOMPARE(scripted->MessageTexts(), QStringList{Refusal(100001)});
    // nobody logged in: refused as well
    QVERIFY_THROWS_EXCEPTION(EAbort, TOperator().CheckRight(9, true));
    QCOMPARE(scripted->LastMessageText(), Refusal(9));
}

void TestOperator::requireSa_data()
{
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<bool>("passes");
    QTest::newRow("sa") << QStringLiteral("sa") << true;
    QTest::newRow("operator") << QStringLiteral("op") << false;
    QTest::newRow("SA") << QStringLiteral("SA") << false;
    QTest::newRow("nobody") << QString() << false;
}

void TestOperator::requireSa()
{
    QFETCH(QString, loginId);
    QFETCH(bool, passes);
    TScriptedScope scripted;
    // all rights do not make a superuser
    const TOperator op = Operator(loginId, RightsText({9, 12, 10, 1, 3, 17, 10000, 100001}));
    if (passes) {
        op.RequireSa();
        QVERIFY(scripted->Messages.isEmpty());
    } else {
        QVERIFY_THROWS_EXCEPTION(EAbort, op.RequireSa());
        QCOMPARE(scripted->MessageTexts(),
                 QStringList{QStringLiteral("\r\n只有系统用户(sa)才能执行此操作.\t")});
    }
}

void TestOperator::loadOperator()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    fixture.Exec(QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
                                "('zhang', 'Pw1', '张三', '13800000000', '财务', ',9,,12,')"));
    TOperator op;
    QVERIFY(op.LoadOperator(QStringLiteral("zhang")));
    QCOMPARE(op.LoginId, QStringLiteral("zhang"));
    QCOMPARE(op.Password, QStringLiteral("Pw1"));
    QCOMPARE(op.Name, QStringLiteral("张三"));
    QCOMPARE(op.Contact, QStringLiteral("13800000000"));
    QCOMPARE(op.Note, QStringLiteral("财务"));
    QCOMPARE(op.Rights, QStringLiteral(",9,,12,"));
    QCOMPARE(GlobalRecordSet().SqlText(),
             QStringLiteral(
                 "select LoginId,Password,Name,Contact,[Note],Rights from operator where LoginId=:LoginId"));
    QVERIFY(!GlobalRecordSet().DataSet()->Active());
    QVERIFY(op.HasRight(12));
    QVERIFY(!op.HasRight(1));

    TOperator sa;
    QVERIFY(sa.LoadOperator(QStringLiteral("sa")));
    QCOMPARE(sa.LoginId, QStringLiteral("sa"));
    QVERIFY(sa.Password.isEmpty());
    QVERIFY(sa.HasRight(Right::Backup));
}

void TestOperator::loadOperatorNotFound()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    fixture.Exec(QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
                                "('zhang', 'Pw1', '张三', '', '', ',9,')"));
    TOperator op = Operator(QStringLiteral("li"), QStringLiteral(",1,"), QStringLiteral("old"));
    op.Name = QStringLiteral("李四");
    QVERIFY(!op.LoadOperator(QStringLiteral("wang")));
    QVERIFY(!op.LoadOperator(QStringLiteral("zhang ")));
    QCOMPARE(op.LoginId, QStringLiteral("li"));
    QCOMPARE(op.Password, QStringLiteral("old"));
    QCOMPARE(op.Name, QStringLiteral("李四"));
    QCOMPARE(op.Rights, QStringLiteral(",1,"));
    QVERIFY(!GlobalRecordSet().DataSet()->Active());

    TOperator empty;
    QVERIFY(!empty.LoadOperator(QString()));
    QVERIFY(empty.IsEmpty());
}

void TestOperator::checkPassword_data()
{
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    const QString op = QStringLiteral("op");
    QTest::newRow("exact") << op << QStringLiteral("Secret") << QStringLiteral("Secret") << true;
    QTest::newRow("lower case") << op << QStringLiteral("Secret") << QStringLiteral("secret") << false;
    QTest::newRow("upper case") << op << QStringLiteral("Secret") << QStringLiteral("SECRET") << false;
    QTest::newRow("trailing blank") << op << QStringLiteral("Secret") << QStringLiteral("Secret ") << false;
    QTest::newRow("empty typed") << op << QStringLiteral("Secret") << QString() << false;
    QTest::newRow("empty password") << QStringLiteral("sa") << QString() << QString() << true;
    QTest::newRow("empty password, text typed")
        << QStringLiteral("sa") << QString() << QStringLiteral("x") << false;
    QTest::newRow("chinese") << op << QStringLiteral("密码") << QStringLiteral("密码") << true;
    QTest::newRow("nobody loaded") << QString() << QString() << QString() << false;
}

void TestOperator::checkPassword()
{
    QFETCH(QString, loginId);
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QCOMPARE(Operator(loginId, QString(), stored).CheckPassword(typed), ok);
}

void TestOperator::currentOperator()
{
    QCOMPARE(&CurrentOperator(), &CurrentOperator());
    QVERIFY(CurrentOperator().IsEmpty());
    QVERIFY(!CurrentOperator().HasRight(1));
    CurrentOperator().LoginId = QStringLiteral("sa");
    QVERIFY(CurrentOperator().HasRight(1));
    CurrentOperator().Clear();
    QVERIFY(CurrentOperator().IsEmpty());
}

QTEST_GUILESS_MAIN(TestOperator)
#include "test_operator.moc"
