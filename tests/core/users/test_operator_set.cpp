// The operator table wrapper: every operator but sa, the exact statements, the working copy following a
// write only after it succeeded.
#include "data/database.h"
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "support/errors.h"
#include "test_database.h"
#include "users/operator.h"
#include "users/operator_set.h"

#include <QTest>

namespace {

void AddOperators(const TTestDatabase &fixture)
{
    fixture.Exec(QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
                                "('zhang', 'p1', '张三', 'c1', 'n1', ',9,')"));
    fixture.Exec(QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) values "
                                "('li', 'p2', '李四', 'c2', 'n2', ',12,')"));
}

// LoginId, Password, Name, Contact, Note, Rights of the stored row; empty when there is none.
QStringList Stored(const QString &loginId)
{
    TRecordSet rs;
    if (rs.Query(QStringLiteral(
                     "select LoginId,[Password],Name,Contact,[Note],Rights from operator where LoginId=:Id"),
                 {DBParam(QStringLiteral("Id"), loginId)}) == 0)
        return {};
    QStringList values;
    for (int i = 0; i < 6; ++i)
        values.append(rs.DataSet()->Field(i)->AsString());
    return values;
}

// The same six values of the cached row with this login id; empty when there is none.
QStringList Cached(TOperatorSet &set, const QString &loginId)
{
    if (!set.DataSet()->Locate(QStringLiteral("LoginId"), {loginId}))
        return {};
    return {set.UserIdField()->AsString(),  set.PasswdField()->AsString(), set.NameField()->AsString(),
            set.ContactField()->AsString(), set.NoteField()->AsString(),   set.RightsField()->AsString()};
}

QStringList CachedIds(TOperatorSet &set)
{
    QStringList ids;
    for (int row = 0; row < set.DataSet()->RecordCount(); ++row)
        ids.append(set.DataSet()->RowValue(row, set.UserIdField()->Index()).toString());
    return ids;
}

} // namespace

class TestOperatorSet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensWithoutSa();
    void insertMirrors();
    void duplicateInsertLeavesCopy();
    void updateMirrors();
    void updateUnknownOperator();
    void failingUpdateLeavesCopy();
    void deleteMirrors();
    void failingDeleteLeavesCopy();
    void loginSeesInsertedOperator();
};

void TestOperatorSet::opensWithoutSa()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    AddOperators(fixture);
    TOperatorSet set;
    QCOMPARE(set.SqlText(), QStringLiteral("select * from operator where LoginId<>'sa'"));
    QCOMPARE(set.DataSet()->FieldCount(), 6);
    const QList<TField *> fields{set.UserIdField(),  set.PasswdField(), set.NameField(),
                                 set.ContactField(), set.NoteField(),   set.RightsField()};
    const QStringList names{QStringLiteral("LoginId"), QStringLiteral("Password"), QStringLiteral("Name"),
                            QStringLiteral("Contact"), QStringLiteral("Note"),     QStringLiteral("Rights")};
    const QStringList captions{QStringLiteral("登陆名"),   QStringLiteral("密码"), QStringLiteral("姓名"),
                               QStringLiteral("联系方式"), QStringLiteral("备注"), QStringLiteral("权限")};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(fields[i]->Index(), i);
        QCOMPARE(fields[i]->FieldName(), names[i]);
        QCOMPARE(fields[i]->DisplayLabel(), captions[i]);
    }
    QCOMPARE(set.RightsField()->DataType(), TFieldType::Memo);
    QCOMPARE(set.UserIdField()->DataType(), TFieldType::String);
    QCOMPARE(set.DataSet()->RecordCount(), 2);
    QVERIFY(!set.DataSet()->Locate(QStringLiteral("LoginId"), {QStringLiteral("sa")}));
    // the reserved-word columns are bound
    QCOMPARE(Cached(set, QStringLiteral("zhang")),
             (QStringList{QStringLiteral("zhang"), QStringLiteral("p1"), QStringLiteral("张三"),
                          QStringLiteral("c1"), QStringLiteral("n1"), QStringLiteral(",9,")}));
}

void TestOperatorSet::insertMirrors()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    AddOperators(fixture);
    TOperatorSet set;
    // parameters in the description's order: login id, password, rights, note, contact, name
    set.InsertOperator(QStringLiteral("wang"), QStringLiteral("Pw"), QStringLiteral(",9,,12,"),
                       QStringLiteral("备注"), QStringLiteral("电话"), QStringLiteral("王五"));
    const QStringList expected{QStringLiteral("wang"), QStringLiteral("Pw"),   QStringLiteral("王五"),
                               QStringLiteral("电话"), QStringLiteral("备注"), QStringLiteral(",9,,12,")};
    QCOMPARE(Stored(QStringLiteral("wang")), expected);
    QCOMPARE(set.DataSet()->RecordCount(), 3);
    QCOMPARE(CachedIds(set).last(), QStringLiteral("wang"));
    QCOMPARE(Cached(set, QStringLiteral("wang")), expected);
    QCOMPARE(set.DataSet()->State(), TDataSetState::Browse);
}

void TestOperatorSet::duplicateInsertLeavesCopy()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    AddOperators(fixture);
    TOperatorSet set;
    const QStringList before = CachedIds(set);
    try {
        set.InsertOperator(QStringLiteral("zhang"), QStringLiteral("x"), QString(), QString(), QString(),
                           QStringLiteral("另一个张三"));
        QFAIL("a duplicate login id should fail");
    } catch (const EDatabaseError &error) {
        QVERIFY(error.Message().endsWith(QStringLiteral(
            "\r\ninsert into operator(LoginId,[Password],Name,Contact,[Note],Rights)values(:LoginId,"
            ":Password,:Name,:Contact,:Note,:Rights)")));
    }
    QCOMPARE(CachedIds(set), before);
    QCOMPARE(set.DataSet()->State(), TDataSetState::Browse);
    QCOMPARE(Cached(set, QStringLiteral("zhang")).at(2), QStringLiteral("张三"));
    QCOMPARE(Stored(QStringLiteral("zhang")).at(2), QStringLiteral("张三"));
}

void TestOperatorSet::updateMirrors()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    AddOperators(fixture);
    TOperatorSet set;
    set.UpdateOperator(QStringLiteral("li"), QStringLiteral("new"), QStringLiteral(",1,"),
                       QStringLiteral("新备注"), QStringLiteral("新电话"), QStringLiteral("李四四"));
    const QStringList expected{QStringLiteral("li"),     QStringLiteral("new"),    QStringLiteral("李四四"),
                               QStringLiteral("新电话"), QStringLiteral("新备注"), QStringLiteral(",1,")};
    QCOMPARE(Stored(QStringLiteral("li")), expected);
    QCOMPARE(Cached(set, QStringLiteral("li")), expected);
    QCOMPARE(set.DataSet()->RecordCount(), 2);
    // the other row is untouched
    QCOMPARE(Cached(set, QStringLiteral("zhang")).at(1), QStringLiteral("p1"));
    QCOMPARE(Stored(QStringLiteral("zhang")).at(1), QStringLiteral("p1"));
}

void TestOperatorSet::updateUnknownOperator()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    AddOperators(fixture);
    TOperatorSet set;
    set.UpdateOperator(QStringLiteral("nobody"), QStringLiteral("x"), QString(), QString(), QString(),
                       QString());
    QCOMPARE(CachedIds(set), (QStringList{QStringLiteral("zhang"), QStringLiteral("li")}));
    QVERIFY(Stored(QStringLiteral("nobody")).isEmpty());
}

void TestOperatorSet::failingUpdateLeavesCopy()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    AddOperators(fixture);
    fixture.Exec(QStringLiteral(
        "create trigger refuse before update on operator begin select raise(abort, 'refused'); end"));
    TOperatorSet set;
    try {
        set.UpdateOperator(QStringLiteral("li"), QStringLiteral("new"), QString(), QString(), QString(),
                           QString());
        QFAIL("the update should fail");
    } catch (const EDatabaseError &error) {
        QVERIFY2(error.Message().startsWith(QStringLiteral("refused")), qPrintable(error.Message()));
        QVERIFY(error.Message().endsWith(QStringLiteral(
            "\r\nupdate operator set [Password]=:Password,Name=:Name,Contact=:Contact,[Note]=:Note,"
            "Rights=:Rights where LoginId=:LoginId")));
    }
    QCOMPARE(Cached(set, QStringLiteral("li")),
             (QStringList{QStringLiteral("li"), QStringLiteral("p2"), QStringLiteral("李四"),
                          QStringLiteral("c2"), QStringLiteral("n2"), QStringLiteral(",12,")}));
}

void TestOperatorSet::deleteMirrors()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    AddOperators(fixture);
    TOperatorSet set;
    set.DeleteOperator(QStringLiteral("zhang"));
    QVERIFY(Stored(QStringLiteral("zhang")).isEmpty());
    QCOMPARE(CachedIds(set), QStringList{QStringLiteral("li")});
    set.DeleteOperator(QStringLiteral("nobody"));
    QCOMPARE(CachedIds(set), QStringList{QStringLiteral("li")});
    QVERIFY(!Stored(QStringLiteral("sa")).isEmpty());
}

void TestOperatorSet::failingDeleteLeavesCopy()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    AddOperators(fixture);
    fixture.Exec(QStringLiteral(
        "create trigger refuse before delete on operator begin select raise(abort, 'refused'); end"));
    TOperatorSet set;
    try {
        set.DeleteOperator(QStringLiteral("zhang"));
        QFAIL("the delete should fail");
    } catch (const EDatabaseError &error) {
        QVERIFY(error.Message().endsWith(QStringLiteral("\r\ndelete from operator where LoginId=:LoginId")));
    }
    QCOMPARE(CachedIds(set), (QStringList{QStringLiteral("zhang"), QStringLiteral("li")}));
    QVERIFY(!Stored(QStringLiteral("zhang")).isEmpty());
}

void TestOperatorSet::loginSeesInsertedOperator()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TOperatorSet set;
    set.InsertOperator(QStringLiteral("zhao"), QStringLiteral("Abc"), RightsText({9, 12}), QString(),
                       QString(), QStringLiteral("赵六"));
    // texts left empty are stored as empty texts, not as null
    TRecordSet rs;
    QCOMPARE(rs.Query(QStringLiteral(
                 "select LoginId from operator where LoginId='zhao' and [Note]='' and Contact=''")),
             1);
    TOperator op;
    QVERIFY(op.LoadOperator(QStringLiteral("zhao")));
    QVERIFY(op.CheckPassword(QStringLiteral("Abc")));
    QVERIFY(!op.CheckPassword(QStringLiteral("abc")));
    QVERIFY(op.HasRight(12));
    QVERIFY(!op.HasRight(1));
}

QTEST_GUILESS_MAIN(TestOperatorSet)
#include "test_operator_set.moc"
