// The add, copy-add, modify and delete actions of the asset manager, driven through an editor without a
// window: the add loop and its "确定后" choices, the copy between editor and row, saving in place, the delete
// confirmation, failing saves that bring the editor back with the input, and the rights and the empty list
// that end an action before it starts.
#include "assets/asset_set.h"
#include "fake_asset_editor.h"
#include "scripted_interaction.h"
#include "support/action.h"
#include "test_database.h"
#include "users/operator.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The editor's columns of table assets, for comparing stored rows.
const QString EditorColumns =
    u"Code, Kind, Name, PartNo, GBCode, Config, Factory, BuildDate, Qty, Price, Unit, AddKind, UseDept, "
    "UseState, LayPlace, Depositary, AccountDate, OriginValue, EndValue, EndValueRate, UseYears, MethodId, "
    "AssetNote, Str1, Str2, Str3, Str4, Str5, Str6, Float1, Float2, Float3, Date1, Date2, Date3"_s;

QStringList StoredRow(int id)
{
    return TTestDatabase::Rows(u"select %1 from assets where Id=%2"_s.arg(EditorColumns).arg(id));
}

QStringList Ids()
{
    return TTestDatabase::Rows(u"select Id from assets order by Id"_s);
}

// An answer that types into the boxes, chooses what follows OK and presses OK.
std::function<bool(TFakeAssetEditor &)> TypeAndOk(const QHash<QString, QString> &boxes,
                                                  int afterOk = AfterOkClose)
{
    return [boxes, afterOk](TFakeAssetEditor &editor) {
        for (auto it = boxes.begin(); it != boxes.end(); ++it)
            editor.SetBoxText(it.key(), it.value());
        editor.Choice = afterOk;
        return true;
    };
}

std::function<bool(TFakeAssetEditor &)> Cancel()
{
    return [](TFakeAssetEditor &) { return false; };
}

enum TAction
{
    actAdd,
    actCopyAdd,
    actModify,
    actDelete
};

void Run(TAssetManager &manager, TAction action)
{
    RunAction([&] {
        switch (action) {
        case actAdd:
            manager.AddClick();
            break;
        case actCopyAdd:
            manager.CopyAddClick();
            break;
        case actModify:
            manager.ModifyClick();
            break;
        case actDelete:
            manager.DeleteClick();
            break;
        }
    });
}

} // namespace

class TestAssetActions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void addLoopNewThreeTimes();
    void addLoopCopyKeepsAllButCode();
    void copyAddCopiesTheCode();
    void modifyUpdatesInPlace();
    void modifyShowsTheRowAsItIs();
    void deleteAsksFirst();
    void failingSaveBringsTheEditorBack_data();
    void failingSaveBringsTheEditorBack();
    void wrongNumberBringsTheEditorBack_data();
    void wrongNumberBringsTheEditorBack();
    void missingRightEndsTheAction_data();
    void missingRightEndsTheAction();
    void emptyListEndsTheAction_data();
    void emptyListEndsTheAction();

private:
    std::unique_ptr<TTestDatabase> m_db;
    std::unique_ptr<TScriptedScope> m_scripted;
    std::unique_ptr<TAssetManager> m_manager;
    TAssetEditorLog m_log;

    // Two assets in the table and the list (Ids 3 and 5), the second of them current.
    void TwoAssets();
};

void TestAssetActions::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    m_scripted = std::make_unique<TScriptedScope>();
    (*m_scripted)->FixedNow = QDateTime(QDate(2008, 1, 26), QTime(9, 0));
    CurrentOperator().Clear();
    CurrentOperator().LoginId = TOperator::SuperUser;
    m_log = TAssetEditorLog();
    m_manager = std::make_unique<TAssetManager>();
    m_manager->SetEditorFactory([this] { return std::make_unique<TFakeAssetEditor>(&m_log); });
}

void TestAssetActions::cleanup()
{
    m_manager.reset();
    CurrentOperator().Clear();
    m_scripted.reset();
    m_db.reset();
}

void TestAssetActions::TwoAssets()
{
    m_db->Exec(
        u"insert into assets(Id, Code, Kind, Name, PartNo, GBCode, Config, Factory, BuildDate, Qty, "
        "Price, Unit, AddKind, UseDept, UseState, LayPlace, Depositary, AccountDate, OriginValue, "
        "EndValue, EndValueRate, UseYears, MethodId, AssetNote, Reduced, Str1, Float1, Date1) values "
        "(3, 'A-01', '01办公设备', '办公桌', '1.6m', 'GB1', '实木', '木器厂', '2003年', 2, 800, '张', "
        "'购入', '财务部', '在用', '二楼', '张三', '2004-01-15 00:00:00', 1600, 64, 4, 10, 1, "
        "'无', 0, '条码9', 2.5, '2005-06-30 00:00:00'), "
        "(5, 'B-07', '03电子设备', '电脑', 'T60', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
        "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL, NULL)"_s);
    m_manager->OpenList(-1);
    QCOMPARE(m_manager->DataSet()->RecordCount(), 2);
    m_manager->DataSet()->Last();
}

void TestAssetActions::addLoopNewThreeTimes()
{
    TwoAssets();
    m_log.Answers << TypeAndOk({{u"AssetName"_s, u"椅子"_s}, {u"Qty"_s, u"1"_s}}, AfterOkNew) <<
        [](TFakeAssetEditor &editor) { // the choice stays as it was
            editor.SetBoxText(u"AssetName"_s, u"柜子"_s);
            return true;
        } << TypeAndOk({{u"AssetName"_s, u"书架"_s}}, AfterOkNew)
                  << Cancel();
    Run(*m_manager, actAdd);

    QCOMPARE(m_log.Title, u"资产增加"_s);
    QVERIFY(m_log.AfterOkVisible);
    QCOMPARE(m_log.MethodItems, (QStringList{u"不计提折旧"_s, u"平均年限法"_s, u"年数总和法"_s,
                                             u"双倍余额递减法"_s, u"工作量法"_s}));
    QCOMPARE(m_log.Shown.size(), 4);
    QCOMPARE(m_log.AfterOkShown, (QList<int>{AfterOkClose, AfterOkNew, AfterOkNew, AfterOkNew}));
    // every showing after a save starts afresh: empty boxes, today's date, the first method
    for (const QHash<QString, QString> &shown : std::as_const(m_log.Shown)) {
        QCOMPARE(shown.value(u"AssetName"_s), QString());
        QCOMPARE(shown.value(u"Qty"_s), QString());
        QCOMPARE(shown.value(u"AccountDate"_s), u"2008-01-26"_s);
        QCOMPARE(shown.value(u"MethodId"_s), u"0"_s);
    }
    // one editor for the whole loop, released at its end
    QCOMPARE(m_log.Created, 1);
    QCOMPARE(m_log.Released, 1);

    // appended at the end of the list in the order added, with the next Ids, the last one current
    TDataSet *ds = m_manager->DataSet();
    QCOMPARE(ds->RecordCount(), 5);
    QCOMPARE(ds->RecNo(), 5);
    QCOMPARE(ds->State(), TDataSetState::Browse);
    QStringList listed;
    for (int row = 0; row < ds->RecordCount(); ++row)
        listed.append(ds->RowValue(row, m_manager->IdFld()->Index()).toString() + u' ' +
                      ds->RowValue(row, m_manager->NameFld()->Index()).toString());
    QCOMPARE(listed, (QStringList{u"3 办公桌"_s, u"5 电脑"_s, u"6 椅子"_s, u"7 柜子"_s, u"8 书架"_s}));
    QCOMPARE(Ids(), (QStringList{u"3"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s}));
    QCOMPARE(TTestDatabase::Rows(u"select Name, Qty, AccountDate, MethodId, Code from assets where Id=6"_s),
             QStringList{u"椅子 1 2008-01-26 0 "_s});
}

void TestAssetActions::addLoopCopyKeepsAllButCode()
{
    TwoAssets();
    const QHash<QString, QString> typed{
        {u"Code"_s, u"C-100"_s},     {u"ClassId"_s, u"03电子设备"_s}, {u"AssetName"_s, u"显示器"_s},
        {u"Qty"_s, u"2"_s},          {u"Price"_s, u"1500.50"_s},      {u"OriginValue"_s, u"3001.00"_s},
        {u"EndValueRate"_s, u"5"_s}, {u"UseYears"_s, u"5"_s},         {u"Str3"_s, u"批次7"_s},
        {u"Float2"_s, u"0.5"_s},     {u"Date3"_s, u"2008-2-1"_s},     {u"AccountDate"_s, u"2008-1-2"_s}};
    m_log.Answers << [typed](TFakeAssetEditor &editor) {
        for (auto it = typed.begin(); it != typed.end(); ++it)
            editor.SetBoxText(it.key(), it.value());
        editor.SetMethodIndex(2);
        editor.Choice = AfterOkCopy;
        return true;
    } << TypeAndOk({{u"Code"_s, u"C-101"_s}}, AfterOkClose);
    Run(*m_manager, actAdd);

    QCOMPARE(m_log.Shown.size(), 2);
    QHash<QString, QString> expected = m_log.Shown.at(0);
    for (auto it = typed.begin(); it != typed.end(); ++it)
        expected.insert(it.key(), it.value());
    expected.insert(u"MethodId"_s, u"2"_s);
    expected.insert(u"Code"_s, QString());
    QCOMPARE(m_log.Shown.at(1), expected);
    QCOMPARE(m_log.AfterOkShown.at(1), int(AfterOkCopy));

    // the two saved assets differ in their code only; closing after the second ends the loop
    QCOMPARE(Ids(), (QStringList{u"3"_s, u"5"_s, u"6"_s, u"7"_s}));
    QStringList first = StoredRow(6), second = StoredRow(7);
    QVERIFY(first.at(0).startsWith(u"C-100 03电子设备 显示器 "_s));
    QVERIFY(second.at(0).startsWith(u"C-101 03电子设备 显示器 "_s));
    QCOMPARE(first.at(0).mid(5), second.at(0).mid(5));
    QCOMPARE(TTestDatabase::Rows(
                 u"select Qty, Price, OriginValue, EndValueRate, UseYears, MethodId, Str3, Float2, "
                 "Date3, AccountDate, Str1 is null, Float1 is null from assets where Id=7"_s),
             QStringList{u"2 1500.5 3001 5 5 2 批次7 0.5 2008-02-01 2008-01-02 1 1"_s});
    QCOMPARE(m_log.Released, 1);
}

void TestAssetActions::copyAddCopiesTheCode()
{
    TwoAssets();
    m_manager->DataSet()->First(); // 办公桌, every column filled
    m_log.Answers << TypeAndOk({});
    Run(*m_manager, actCopyAdd);

    QCOMPARE(m_log.Title, u"复制增加"_s);
    QVERIFY(!m_log.AfterOkVisible);
    QCOMPARE(m_log.Shown.size(), 1);
    const QHash<QString, QString> &shown = m_log.Shown.at(0);
    QCOMPARE(shown.value(u"Code"_s), u"A-01"_s);
    QCOMPARE(shown.value(u"ClassId"_s), u"01办公设备"_s);
    QCOMPARE(shown.value(u"Qty"_s), u"2"_s);
    QCOMPARE(shown.value(u"Price"_s), u"800.00"_s);
    QCOMPARE(shown.value(u"OriginValue"_s), u"1600.00"_s);
    QCOMPARE(shown.value(u"EndValueRate"_s), u"4"_s);
    QCOMPARE(shown.value(u"UseYears"_s), u"10"_s);
    QCOMPARE(shown.value(u"AccountDate"_s), u"2004-01-15"_s);
    QCOMPARE(shown.value(u"MethodId"_s), u"1"_s);
    QCOMPARE(shown.value(u"Str1"_s), u"条码9"_s);
    QCOMPARE(shown.value(u"Float1"_s), u"2.5"_s);
    QCOMPARE(shown.value(u"Date1"_s), u"2005-06-30"_s);
    QCOMPARE(shown.value(u"Str2"_s), QString()); // NULL left the fresh box empty

    // a second asset with the same code and the same values, appended and current
    QCOMPARE(Ids(), (QStringList{u"3"_s, u"5"_s, u"6"_s}));
    QCOMPARE(StoredRow(6), StoredRow(3));
    QCOMPARE(m_manager->DataSet()->RecordCount(), 3);
    QCOMPARE(m_manager->IdFld()->AsInteger(), 6);
    QCOMPARE(m_manager->CodeFld()->AsString(), u"A-01"_s);
}

void TestAssetActions::modifyUpdatesInPlace()
{
    TwoAssets();
    m_manager->DataSet()->First();
    const QStringList before = StoredRow(5);
    m_log.Answers << TypeAndOk(
        {{u"AssetName"_s, u"会议桌"_s}, {u"Qty"_s, u""_s}, {u"Str1"_s, u""_s}, {u"UseYears"_s, u"0"_s}});
    Run(*m_manager, actModify);

    QCOMPARE(m_log.Title, u"修改"_s);
    QVERIFY(!m_log.AfterOkVisible);
    QCOMPARE(m_log.Shown.at(0).value(u"AssetName"_s), u"办公桌"_s);
    QCOMPARE(Ids(), (QStringList{u"3"_s, u"5"_s}));
    QCOMPARE(TTestDatabase::Rows(
                 u"select Name, Qty is null, Str1 is null, UseYears, Code from assets where Id=3"_s),
             QStringList{u"会议桌 1 1 0 A-01"_s});
    QCOMPARE(StoredRow(5), before);
    // the row keeps its place and shows the new values
    TDataSet *ds = m_manager->DataSet();
    QCOMPARE(ds->RecordCount(), 2);
    QCOMPARE(ds->RecNo(), 1);
    QCOMPARE(ds->State(), TDataSetState::Browse);
    QCOMPARE(m_manager->NameFld()->AsString(), u"会议桌"_s);
    QVERIFY(m_manager->QtyFld()->IsNull());
}

void TestAssetActions::modifyShowsTheRowAsItIs()
{
    // an asset with no service date and no numbers: the fresh editor's date is emptied, the number boxes
    // stay empty, and saving without a change keeps them NULL; no method reads as the first one
    TwoAssets();
    m_log.Answers << TypeAndOk({});
    Run(*m_manager, actModify);
    const QHash<QString, QString> &shown = m_log.Shown.at(0);
    QCOMPARE(shown.value(u"AccountDate"_s), QString());
    QCOMPARE(shown.value(u"Qty"_s), QString());
    QCOMPARE(shown.value(u"UseYears"_s), QString());
    QCOMPARE(shown.value(u"Price"_s), QString());
    QCOMPARE(shown.value(u"MethodId"_s), u"0"_s);
    QCOMPARE(TTestDatabase::Rows(u"select AccountDate is null, Qty is null, Price is null, UseYears is null, "
                                 "Str1 is null, Float1 is null, Date1 is null, MethodId, PartNo from assets "
                                 "where Id=5"_s),
             QStringList{u"1 1 1 1 1 1 1 0 T60"_s});
}

void TestAssetActions::deleteAsksFirst()
{
    TwoAssets();
    m_db->Exec(u"insert into repair(Id, AssetId) values (1, 3), (2, 5)"_s);
    m_manager->DataSet()->First();
    const QString question = u"\r您确定要删除 该资产的档案资料 吗?\t\t"_s;

    (*m_scripted)->MessageAnswers << TMsgButton::Cancel;
    Run(*m_manager, actDelete);
    QCOMPARE((*m_scripted)->MessageTexts(), QStringList{question});
    QCOMPARE((*m_scripted)->Messages.at(0).Kind, TMsgKind::Warning);
    QCOMPARE(Ids(), (QStringList{u"3"_s, u"5"_s}));
    QCOMPARE(m_manager->DataSet()->RecordCount(), 2);

    (*m_scripted)->MessageAnswers << TMsgButton::Ok;
    Run(*m_manager, actDelete);
    QCOMPARE((*m_scripted)->MessageTexts(), (QStringList{question, question}));
    QCOMPARE(Ids(), QStringList{u"5"_s});
    QCOMPARE(TTestDatabase::Rows(u"select AssetId from repair"_s), QStringList{u"5"_s});
    QCOMPARE(m_manager->DataSet()->RecordCount(), 1);
    QCOMPARE(m_manager->IdFld()->AsInteger(), 5); // the row after it became current
    QCOMPARE(m_log.Created, 0);
}

void TestAssetActions::failingSaveBringsTheEditorBack_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("trigger"); // the statement the database refuses
    QTest::addColumn<QString>("statement");
    QTest::newRow("add") << int(actAdd) << u"insert"_s << u"insert into assets(Id, Code,"_s;
    QTest::newRow("copy-add") << int(actCopyAdd) << u"insert"_s << u"insert into assets(Id, Code,"_s;
    QTest::newRow("modify") << int(actModify) << u"update"_s << u"update assets set Code=:Code,"_s;
}

void TestAssetActions::failingSaveBringsTheEditorBack()
{
    QFETCH(int, action);
    QFETCH(QString, trigger);
    QFETCH(QString, statement);
    TwoAssets();
    const QStringList before =
        TTestDatabase::Rows(u"select Id, %1 from assets order by Id"_s.arg(EditorColumns));
    m_db->Exec(u"create trigger refuse before %1 on assets begin select raise(abort, '磁盘已满'); end"_s.arg(
        trigger));

    const QHash<QString, QString> typed{
        {u"AssetName"_s, u"打印机"_s}, {u"Qty"_s, u"3"_s}, {u"Str2"_s, u"x"_s}};
    m_log.Answers << TypeAndOk(typed) << Cancel();
    Run(*m_manager, TAction(action));

    // the message, then the editor again with everything typed
    QCOMPARE((*m_scripted)->Messages.size(), 1);
    const QString message = (*m_scripted)->LastMessageText();
    QVERIFY2(message.startsWith(u"\r\n磁盘已满\r\n"_s + statement), qPrintable(message));
    QVERIFY(message.endsWith(u"\t"_s));
    QCOMPARE(m_log.Shown.size(), 2);
    for (auto it = typed.begin(); it != typed.end(); ++it)
        QCOMPARE(m_log.Shown.at(1).value(it.key()), it.value());
    QCOMPARE(m_log.Released, 1);

    // nothing pending, nothing written, the list as it was
    TDataSet *ds = m_manager->DataSet();
    QCOMPARE(ds->State(), TDataSetState::Browse);
    QCOMPARE(ds->RecordCount(), 2);
    QCOMPARE(m_manager->IdFld()->AsInteger(), 5);
    QCOMPARE(m_manager->NameFld()->AsString(), u"电脑"_s);
    QCOMPARE(TTestDatabase::Rows(u"select Id, %1 from assets order by Id"_s.arg(EditorColumns)), before);
}

void TestAssetActions::wrongNumberBringsTheEditorBack_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("add, quantity") << int(actAdd) << u"Qty"_s << u"12x"_s << u"\"12x\" 不是有效的整数."_s;
    QTest::newRow("add, service date")
        << int(actAdd) << u"AccountDate"_s << u"2008-2-30"_s << u"\"2008-2-30\" 不是有效的日期."_s;
    QTest::newRow("copy-add, price") << int(actCopyAdd) << u"Price"_s << u"1.2.3"_s
                                     << u"\"1.2.3\" 不是有效的数字."_s;
    QTest::newRow("modify, custom number")
        << int(actModify) << u"Float1"_s << u"--1"_s << u"\"--1\" 不是有效的数字."_s;
}

void TestAssetActions::wrongNumberBringsTheEditorBack()
{
    QFETCH(int, action);
    QFETCH(QString, property);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TwoAssets();
    m_log.Answers << TypeAndOk({{u"AssetName"_s, u"新名"_s}, {property, text}})
                  << TypeAndOk({{property, QString()}}) << Cancel();
    Run(*m_manager, TAction(action));

    QCOMPARE((*m_scripted)->MessageTexts(), QStringList{u"\r\n"_s + message + u"\t"_s});
    QCOMPARE(m_log.Shown.size(), 2);
    QCOMPARE(m_log.Shown.at(1).value(property), text);
    QCOMPARE(m_log.Shown.at(1).value(u"AssetName"_s), u"新名"_s);
    // corrected, the second OK saves
    QCOMPARE(m_manager->DataSet()->State(), TDataSetState::Browse);
    QCOMPARE(m_manager->NameFld()->AsString(), u"新名"_s);
    QCOMPARE(m_manager->DataSet()->RecordCount(), action == actModify ? 2 : 3);
    QCOMPARE(TTestDatabase::Rows(u"select count(*) from assets where Name='新名'"_s), QStringList{u"1"_s});
}

void TestAssetActions::missingRightEndsTheAction_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("right");
    QTest::newRow("add") << int(actAdd) << 9;
    QTest::newRow("copy-add") << int(actCopyAdd) << 9;
    QTest::newRow("modify") << int(actModify) << 12;
    QTest::newRow("delete") << int(actDelete) << 10;
}

void TestAssetActions::missingRightEndsTheAction()
{
    QFETCH(int, action);
    QFETCH(int, right);
    TwoAssets();
    // every right of the four but the one the action needs
    QList<int> rights{9, 10, 12};
    rights.removeAll(right);
    CurrentOperator().LoginId = u"clerk"_s;
    CurrentOperator().Rights = RightsText(rights);
    m_log.Answers << TypeAndOk({{u"AssetName"_s, u"不该保存"_s}});
    (*m_scripted)->MessageAnswers << TMsgButton::Ok;

    Run(*m_manager, TAction(action));
    QCOMPARE((*m_scripted)->MessageTexts(),
             QStringList{u"\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t"_s.arg(right)});
    QCOMPARE(m_log.Created, 0);
    QCOMPARE(Ids(), (QStringList{u"3"_s, u"5"_s}));
    QCOMPARE(m_manager->DataSet()->RecordCount(), 2);

    // with the right the same action goes ahead
    (*m_scripted)->Messages.clear();
    CurrentOperator().Rights = RightsText({right});
    Run(*m_manager, TAction(action));
    QVERIFY((*m_scripted)->MessageTexts().filter(u"权限"_s).isEmpty());
    QCOMPARE(action == actDelete ? (*m_scripted)->Messages.size() : m_log.Created, 1);
}

void TestAssetActions::emptyListEndsTheAction_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("copy-add") << int(actCopyAdd);
    QTest::newRow("modify") << int(actModify);
    QTest::newRow("delete") << int(actDelete);
}

void TestAssetActions::emptyListEndsTheAction()
{
    QFETCH(int, action);
    m_manager->OpenList(-1);
    m_log.Answers << TypeAndOk({{u"AssetName"_s, u"不该保存"_s}});
    Run(*m_manager, TAction(action));
    QCOMPARE((*m_scripted)->MessageTexts(), QStringList{u"\r\n数据集为空, 不能进行操作.\t"_s});
    QCOMPARE(m_log.Created, 0);
    QVERIFY(Ids().isEmpty());
    QCOMPARE(m_manager->DataSet()->RecordCount(), 0);

    // adding into the empty list needs no current row
    (*m_scripted)->Messages.clear();
    m_log.Answers.clear();
    m_log.Answers << TypeAndOk({{u"AssetName"_s, u"第一件"_s}});
    Run(*m_manager, actAdd);
    QVERIFY((*m_scripted)->Messages.isEmpty());
    QCOMPARE(Ids(), QStringList{u"1"_s});
    QCOMPARE(m_manager->DataSet()->RecordCount(), 1);
}

QTEST_GUILESS_MAIN(TestAssetActions)
#include "test_asset_actions.moc"
