// The pick lists: rows in [Key] order addressed by position, a working copy written only by SaveLists,
// every row written by its position, and a missing row reported as an error.
#include "data/database.h"
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "settings/options.h"
#include "support/errors.h"
#include "test_database.h"

#include <memory>
#include <QTest>

namespace {

// The List of the row with this [Key], read past the wrapper.
QString StoredList(int key)
{
    TRecordSet rs;
    if (rs.Query(QStringLiteral("select List from options where [Key]=:Key"),
                 {DBParam(QStringLiteral("Key"), key)}) == 0)
        return QStringLiteral("<no row>");
    return rs.DataSet()->Field(0)->AsString();
}

// Replaces the options rows by rows with the given keys, each list "L" + key.
void FillOptions(const TTestDatabase &fixture, const QList<int> &keys)
{
    fixture.Exec(QStringLiteral("delete from options"));
    for (const int key : keys)
        fixture.Exec(QStringLiteral("insert into options([Key], List) values (%1, 'L%1')").arg(key));
}

const char *const PropertyNames[] = {"AssetName", "AssetKind",  "AddKind",    "UseDept",  "UseState",
                                     "LayPlace",  "Depositary", "DestroyWay", "AssetUnit"};

QString Get(const TRovoOptions &options, int position)
{
    switch (position) {
    case 0:
        return options.AssetName();
    case 1:
        return options.AssetKind();
    case 2:
        return options.AddKind();
    case 3:
        return options.UseDept();
    case 4:
        return options.UseState();
    case 5:
        return options.LayPlace();
    case 6:
        return options.Depositary();
    case 7:
        return options.DestroyWay();
    default:
        return options.AssetUnit();
    }
}

void Set(TRovoOptions &options, int position, const QString &text)
{
    switch (position) {
    case 0:
        options.SetAssetName(text);
        break;
    case 1:
        options.SetAssetKind(text);
        break;
    case 2:
        options.SetAddKind(text);
        break;
    case 3:
        options.SetUseDept(text);
        break;
    case 4:
        options.SetUseState(text);
        break;
    case 5:
        options.SetLayPlace(text);
        break;
    case 6:
        options.SetDepositary(text);
        break;
    case 7:
        options.SetDestroyWay(text);
        break;
    default:
        options.SetAssetUnit(text);
        break;
    }
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fieldsAndStatement();
    void suppliedLists();
    void propertiesByPosition();
    void propertiesFollowKeyOrder();
    void writeChangesOnlyWorkingCopy();
    void saveListsByPosition();
    void saveListsWritesEveryRow();
    void saveListsByPositionNotKey();
    void missingRowRaises();
    void saveListsErrorReachesCaller();
    void entries_data();
    void entries();
};

void TestOptions::fieldsAndStatement()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TOptions options;
    QCOMPARE(options.SqlText(), QStringLiteral("select * from options order by [Key]"));
    QCOMPARE(options.DataSet()->FieldCount(), 2);
    QCOMPARE(options.KeyFld()->FieldName(), QStringLiteral("Key"));
    QCOMPARE(options.KeyFld()->DisplayLabel(), QStringLiteral("Key"));
    QCOMPARE(options.KeyFld()->DataType(), TFieldType::Integer);
    QCOMPARE(options.ListFld()->FieldName(), QStringLiteral("List"));
    QCOMPARE(options.ListFld()->DisplayLabel(), QStringLiteral("List"));
    QCOMPARE(options.ListFld()->DataType(), TFieldType::Memo);
    // the field "Key" is bound to the column [Key]
    QCOMPARE(options.DataSet()->RecordCount(), 9);
    int position = 0;
    for (options.DataSet()->First(); !options.DataSet()->Eof(); options.DataSet()->Next())
        QCOMPARE(options.KeyFld()->AsInteger(), position++);
}

void TestOptions::suppliedLists()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    TRovoOptions options;
    QVERIFY(options.AssetName().startsWith(QStringLiteral("电脑\r\n")));
    QVERIFY(TRovoOptions::Entries(options.UseDept()).contains(QStringLiteral("财务部")));
    QVERIFY(TRovoOptions::Entries(options.UseState()).contains(QStringLiteral("在用")));
    QVERIFY(TRovoOptions::Entries(options.Depositary()).contains(QStringLiteral("张三")));
    QVERIFY(TRovoOptions::Entries(options.DestroyWay()).contains(QStringLiteral("报废")));
}

void TestOptions::propertiesByPosition()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    FillOptions(fixture, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    TRovoOptions options;
    for (int i = 0; i < TRovoOptions::ListCount; ++i) {
        QCOMPARE(Get(options, i), QStringLiteral("L%1").arg(i));
        QCOMPARE(options.property(PropertyNames[i]).toString(), QStringLiteral("L%1").arg(i));
        QCOMPARE(options.List(i), QStringLiteral("L%1").arg(i));
    }
    for (int i = 0; i < TRovoOptions::ListCount; ++i)
        Set(options, i, QStringLiteral("新%1\r\n第二行").arg(i));
    for (int i = 0; i < TRovoOptions::ListCount; ++i)
        QCOMPARE(Get(options, i), QStringLiteral("新%1\r\n第二行").arg(i));
    QVERIFY(options.setProperty("UseDept", QStringLiteral("财务部")));
    QCOMPARE(options.UseDept(), QStringLiteral("财务部"));
    QCOMPARE(options.DataSet()->RecordCount(), 9);
}

void TestOptions::propertiesFollowKeyOrder()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    // inserted backwards: positions still follow [Key]
    FillOptions(fixture, {8, 7, 6, 5, 4, 3, 2, 1, 0});
    TRovoOptions options;
    QCOMPARE(options.AssetName(), QStringLiteral("L0"));
    QCOMPARE(options.UseDept(), QStringLiteral("L3"));
    QCOMPARE(options.AssetUnit(), QStringLiteral("L8"));
}

void TestOptions::writeChangesOnlyWorkingCopy()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    FillOptions(fixture, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    {
        TRovoOptions options;
        options.SetUseDept(QStringLiteral("仓储部"));
        options.SetAssetUnit(QStringLiteral("台"));
        QCOMPARE(options.UseDept(), QStringLiteral("仓储部"));
        QCOMPARE(StoredList(3), QStringLiteral("L3"));
    }
    // freed without SaveLists: nothing written
    QCOMPARE(StoredList(3), QStringLiteral("L3"));
    QCOMPARE(StoredList(8), QStringLiteral("L8"));
    TRovoOptions fresh;
    QCOMPARE(fresh.UseDept(), QStringLiteral("L3"));
}

void TestOptions::saveListsByPosition()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    {
        TRovoOptions options;
        options.SetUseDept(QStringLiteral("办公室\r\n仓储部"));
        options.SetAssetName(QStringLiteral("电脑"));
        options.SetAssetUnit(QString());
        options.SaveLists();
    }
    QCOMPARE(StoredList(3), QStringLiteral("办公室\r\n仓储部"));
    QCOMPARE(StoredList(0), QStringLiteral("电脑"));
    QCOMPARE(StoredList(8), QString());
    TRovoOptions fresh;
    QCOMPARE(fresh.UseDept(), QStringLiteral("办公室\r\n仓储部"));
    QCOMPARE(fresh.AssetName(), QStringLiteral("电脑"));
    QVERIFY(fresh.AssetUnit().isEmpty());
    QVERIFY(TRovoOptions::Entries(fresh.UseState()).contains(QStringLiteral("在用")));
}

void TestOptions::saveListsWritesEveryRow()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    FillOptions(fixture, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    fixture.Exec(QStringLiteral("create table written(K integer)"));
    fixture.Exec(QStringLiteral("create trigger log_update after update on options begin insert into "
                                "written(K) values (new.[Key]); end"));
    TRovoOptions options;
    options.SaveLists(); // nothing changed: all nine rows are written anyway
    TRecordSet rs;
    QCOMPARE(rs.Query(QStringLiteral("select K from written order by rowid")), 9);
    int position = 0;
    for (rs.DataSet()->First(); !rs.DataSet()->Eof(); rs.DataSet()->Next())
        QCOMPARE(rs.DataSet()->Field(0)->AsInteger(), position++);
    for (int key = 0; key < 9; ++key)
        QCOMPARE(StoredList(key), QStringLiteral("L%1").arg(key));
}

void TestOptions::saveListsByPositionNotKey()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    // keys 1 … 9 instead of 0 … 8: the row at position i is written to [Key] i (the description's warning)
    FillOptions(fixture, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    TRovoOptions options;
    QCOMPARE(options.AssetName(), QStringLiteral("L1"));
    QCOMPARE(options.UseDept(), QStringLiteral("L4"));
    options.SetAssetName(QStringLiteral("X"));
    options.SaveLists();
    // position 0 ("X") went to [Key] 0, which does not exist; [Key] k received the list of position k
    for (int key = 1; key <= 8; ++key)
        QCOMPARE(StoredList(key), QStringLiteral("L%1").arg(key + 1));
    QCOMPARE(StoredList(9), QStringLiteral("L9"));
    QCOMPARE(StoredList(0), QStringLiteral("<no row>"));
}

void TestOptions::missingRowRaises()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    fixture.Exec(QStringLiteral("delete from options where [Key]=8"));
    TScriptedScope scripted;
    TRovoOptions options;
    QCOMPARE(options.DataSet()->RecordCount(), 8);
    QVERIFY(!options.DestroyWay().isEmpty());
    try {
        (void)options.AssetUnit();
        QFAIL("reading a missing row should raise");
    } catch (const EDatabaseError &error) {
        QVERIFY2(error.Message().contains(QStringLiteral("options")), qPrintable(error.Message()));
        QVERIFY2(error.Message().contains(QStringLiteral("9")), qPrintable(error.Message()));
    }
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, options.SetAssetUnit(QStringLiteral("台")));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, (void)options.List(-1));
    QCOMPARE(options.DataSet()->RecordCount(), 8);
    QCOMPARE(options.DataSet()->State(), TDataSetState::Browse);
    // the rows that exist still work and save
    options.SetDestroyWay(QStringLiteral("出售"));
    options.SaveLists();
    QCOMPARE(StoredList(7), QStringLiteral("出售"));
    QVERIFY(scripted->Messages.isEmpty());

    fixture.Exec(QStringLiteral("delete from options"));
    TRovoOptions empty;
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, (void)empty.AssetName());
}

void TestOptions::saveListsErrorReachesCaller()
{
    TTestDatabase fixture;
    QVERIFY(fixture.IsValid());
    FillOptions(fixture, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    fixture.Exec(QStringLiteral("create trigger refuse before update on options when new.[Key]=5 begin "
                                "select raise(abort, 'refused'); end"));
    TRovoOptions options;
    for (int i = 0; i < TRovoOptions::ListCount; ++i)
        Set(options, i, QStringLiteral("N%1").arg(i));
    try {
        options.SaveLists();
        QFAIL("SaveLists should have raised");
    } catch (const EDatabaseError &error) {
        QVERIFY2(error.Message().contains(QStringLiteral("refused")), qPrintable(error.Message()));
        QVERIFY(
            error.Message().endsWith(QStringLiteral("\r\nupdate options set List=:List where [Key]=:Id")));
    }
    // one statement per row, no transaction: rows before the failing one stay written
    for (int key = 0; key < 5; ++key)
        QCOMPARE(StoredList(key), QStringLiteral("N%1").arg(key));
    for (int key = 5; key < 9; ++key)
        QCOMPARE(StoredList(key), QStringLiteral("L%1").arg(key));
}

void TestOptions::entries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one") << QStringLiteral("台") << QStringList{QStringLiteral("台")};
    QTest::newRow("crlf") << QStringLiteral("台\r\n套")
                          << QStringList{QStringLiteral("台"), QStringLiteral("套")};
    QTest::newRow("final break") << QStringLiteral("台\r\n套\r\n")
                                 << QStringList{QStringLiteral("台"), QStringLiteral("套")};
    QTest::newRow("empty line kept") << QStringLiteral("台\r\n\r\n套")
                                     << QStringList{QStringLiteral("台"), QString(), QStringLiteral("套")};
}

void TestOptions::entries()
{
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    QCOMPARE(TRovoOptions::Entries(text), entries);
}

QTEST_GUILESS_MAIN(TestOptions)
#include "test_options.moc"
