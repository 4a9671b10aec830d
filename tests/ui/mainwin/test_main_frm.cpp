// The main window driven as a clerk would: the first list, the browse tree and quick filters, the finder on
// the conditions in force, the rights in front of every command, the login and the start of a session with
// its prompts, the menus built from the database, and the close path.
#include "app/app_init.h"
#include "app/application.h"
#include "app/startup.h"
#include "assets/asset_set.h"
#include "data/database.h"
#include "form_driving.h"
#include "grid/qz_db_grid.h"
#include "mainwin/main_frm.h"
#include "scripted_interaction.h"
#include "settings/company.h"
#include "support/messages.h"
#include "test_database.h"
#include "users/operator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// Six assets: two of them reduced, a kind that begins with another kind, and places "仓库" and "仓库二".
void InsertAssets(const TTestDatabase &db)
{
    db.Exec(u"insert into assets(Id,Code,Kind,Name,UseDept,LayPlace,OriginValue,EndValue,MethodId,Reduced) "
            u"values "
            "(1,'A01','0301计算机设备','电脑','技术部','机房',6000,300,0,0),"
            "(2,'A02','0302办公设备','打印机','财务部','仓库',2000,100,0,0),"
            "(3,'A03','0301计算机设备-台式','复印机','财务部','仓库二',9000,450,0,0),"
            "(4,'A04','0401汽车','汽车','办公室','车库',150000,7500,0,1),"
            "(5,'A05','0301计算机设备','服务器','财务部','机房',30000,1500,0,1),"
            "(6,'A06','05家具用具','办公桌','技术部','仓库',800,40,0,0)"_s);
}

// The codes of the listed assets, in list order.
QStringList ListedCodes()
{
    QStringList codes;
    TDataSet *ds = AssetManager().DataSet();
    for (ds->First(); !ds->Eof(); ds->Next())
        codes << AssetManager().CodeFld()->AsString();
    return codes;
}

QTreeWidgetItem *Node(TmainFrm &frm, const QString &category, const QString &leaf = QString())
{
    auto *tree = frm.findChild<QTreeWidget *>(u"TreeView1"_s);
    QTreeWidgetItem *root = tree->topLevelItem(0);
    if (category.isEmpty())
        return root;
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem *node = root->child(i);
        if (node->text(0) != category)
            continue;
        if (leaf.isEmpty())
            return node;
        for (int j = 0; j < node->childCount(); ++j)
            if (node->child(j)->text(0) == leaf)
                return node->child(j);
    }
    return nullptr;
}

void Select(TmainFrm &frm, QTreeWidgetItem *node)
{
    frm.findChild<QTreeWidget *>(u"TreeView1"_s)->setCurrentItem(node);
}

void LogInAs(const QString &loginId)
{
    CurrentOperator().Clear();
    QVERIFY(CurrentOperator().LoadOperator(loginId));
}

// A login dialog script: types the id and the password and presses OK.
std::function<int(QWidget *)> LoginScript(const QString &loginId, const QString &password)
{
    return [loginId, password](QWidget *dialog) {
        dialog->findChild<QComboBox *>(u"cmbUserId1"_s)->setEditText(loginId);
        dialog->findChild<QLineEdit *>(u"edtPasswd1"_s)->setText(password);
        dialog->findChild<QPushButton *>(u"OkBtn1"_s)->click();
        return static_cast<QDialog *>(dialog)->result();
    };
}

int Cancel(QWidget *)
{
    return QDialog::Rejected;
}

// One database with the fixture, the shared data loaded and sa logged in, for each test.
struct TSession
{
    TTestDatabase db;
    TScriptedScope scripted;

    TSession()
    {
        InsertAssets(db);
        CurrentOperator().Clear();
        CurrentOperator().LoadOperator(u"sa"_s);
        InitApplication();
    }
    ~TSession() { FreeApplication(); }
};

} // namespace

class TestMainFrm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstListShowsAssetsInService();
    void browseTree();
    void menusInTheirOrder();
    void helpOpensTheMainTopic();
    void refreshList_data();
    void refreshList();
    void quickFilters();
    void finderKeepsTheConditionsInForce();
    void missingRightRefuses_data();
    void missingRightRefuses();
    void initialisingNeedsSa();
    void loginAgain();
    void startSession_data();
    void startSession();
    void cancelledLoginClosesThroughTheClosePath();
    void failuresAtStartAreReported();
    void menusFromTheDatabase();
    void statusPanelsKeepTheirWidths();
    void gridPopupMenuStartsTheAssetCommands();
    void listLayoutIsSavedAndComesBack();
};

void TestMainFrm::firstListShowsAssetsInService()
{
    TSession session;
    TmainFrm frm(AssetManager());
    QCOMPARE(ListedCodes(), (QStringList{u"A01"_s, u"A03"_s, u"A02"_s, u"A06"_s}));
    QCOMPARE(frm.StatusText(2), u"共 4 条"_s);
    QCOMPARE(frm.StatusText(0), GlobalDatabase().DataSourceName());
    QCOMPARE(frm.windowTitle(), u"澜石固定资产管理系统 - 单机版 1.91.80126"_s);
    QCOMPARE(frm.findChild<QComboBox *>(u"cmbState1"_s)->currentText(), u"现有资产"_s);
    QVERIFY(frm.findChild<QComboBox *>(u"cmbAssetName1"_s)->currentText().isEmpty());
    QVERIFY(frm.findChild<QComboBox *>(u"cmbAssetName1"_s)->count() > 0);
}

void TestMainFrm::browseTree()
{
    TSession session;
    TmainFrm frm(AssetManager());
    QTreeWidgetItem *root = Node(frm, QString());
    QCOMPARE(root->text(0), u"浏览方式"_s);
    QStringList categories;
    for (int i = 0; i < root->childCount(); ++i)
        categories << root->child(i)->text(0);
    QCOMPARE(categories, (QStringList{u"资产分类"_s, u"增加方式"_s, u"使用部门"_s, u"使用情况"_s,
                                      u"存放地点"_s, u"保管人员"_s}));
    // leaves follow their pick list, in its order
    QTreeWidgetItem *depts = Node(frm, u"使用部门"_s);
    QCOMPARE(depts->childCount(), 8);
    QCOMPARE(depts->child(1)->text(0), u"财务部"_s);
    QVERIFY(depts->icon(0).cacheKey() != depts->child(0)->icon(0).cacheKey());

    // the root opens again when collapsed; a category may close
    auto *tree = frm.findChild<QTreeWidget *>(u"TreeView1"_s);
    tree->collapseItem(root);
    QVERIFY(root->isExpanded());
    tree->expandItem(depts);
    tree->collapseItem(depts);
    QVERIFY(!depts->isExpanded());
}

void TestMainFrm::menusInTheirOrder()
{
    TSession session;
    TmainFrm frm(AssetManager());
    QStringList menus;
    for (QAction *menu : frm.menuBar()->actions()) {
        QStringList entries{menu->text()};
        for (QAction *entry : menu->menu()->actions())
            entries << (entry->isSeparator() ? u"-"_s : entry->text());
        menus << entries.join(u'|');
    }
    QCOMPARE(
        menus,
        (QStringList{
            u"文件(&F)|公司信息|操作员及权限|-|选项...|初始化数据...|自动备份与恢复|-|重新登陆|更改我的密码|-|退出系统"_s,
            u"资产(&M)|增加|复制增加|从 Excel "
            u"批量导入|-|修改|删除|-|附属设备及图片|-|变更|维修|减少|盘点|-|折旧表|-|"
            "查找..."_s,
            u"视图(&V)|分类列表|状态栏|-|排序|-|栏目选择|保存当前列表样式"_s,
            u"输出(&O)|导出|报表设计...|-"_s, u"报表(&J)|资产构成分析表|-|资产维修报表|资产变更报表"_s,
            u"工具(&T)|记事本|计算器|-|配置工具...|-"_s,
            u"帮助(&H)|帮助文件|每日一贴|常见问题|-|自述文件|最新功能|-|浏览作者的网站|给作者发电子邮件|在线反馈...|-|关于..."_s}));
    QCOMPARE(frm.Command(u"mnuAdd"_s)->shortcut(), QKeySequence(Qt::Key_Insert));
    QCOMPARE(frm.Command(u"mnuModify"_s)->shortcut(), QKeySequence(u"Ctrl+E"_s));
    QCOMPARE(frm.Command(u"mnuHelpFile"_s)->shortcut(), QKeySequence(u"Ctrl+F1"_s));
    QCOMPARE(frm.Command(u"mnuStocktakeCollector"_s)->text(), u"通过数据采集器盘点..."_s);

    QStringList buttons;
    for (QAction *button : frm.findChild<QToolBar *>(u"ToolBar1"_s)->actions())
        buttons << (button->isSeparator() ? u"-"_s : button->text());
    QCOMPARE(buttons.join(u'|'), u"帮助|-|增加|减少|变更|维修|折旧|-|查找|-|打印|导出|-|退出系统"_s);
}

void TestMainFrm::helpOpensTheMainTopic()
{
    TSession session;
    TmainFrm frm(AssetManager());
    QVERIFY(ShowActive(&frm));
    QTest::keyClick(&frm, Qt::Key_F1);
    frm.Command(u"mnuFaq"_s)->trigger();
    QCOMPARE(session.scripted->OpenedDocuments.size(), 2);
    QVERIFY(session.scripted->OpenedDocuments.at(0).endsWith(u"/help/main.htm"_s));
    QVERIFY(session.scripted->OpenedDocuments.at(1).endsWith(u"/help/faq.htm"_s));
    frm.hide();
}

void TestMainFrm::refreshList_data()
{
    QTest::addColumn<QString>("scope");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("leaf");
    QTest::addColumn<QStringList>("codes");

    // the list is ordered by Kind, Name, PartNo
    QTest::newRow("root") << u"现有资产"_s << QString() << QString()
                          << QStringList{u"A01"_s, u"A03"_s, u"A02"_s, u"A06"_s};
    QTest::newRow("category sets nothing")
        << u"现有资产"_s << u"资产分类"_s << QString() << QStringList{u"A01"_s, u"A03"_s, u"A02"_s, u"A06"_s};
    QTest::newRow("kind begins with the leaf")
        << u"现有资产"_s << u"资产分类"_s << u"0301计算机设备"_s << QStringList{u"A01"_s, u"A03"_s};
    QTest::newRow("kind leaf, every scope")
        << u"所有"_s << u"资产分类"_s << u"0301计算机设备"_s << QStringList{u"A05"_s, u"A01"_s, u"A03"_s};
    QTest::newRow("place equals the leaf")
        << u"现有资产"_s << u"存放地点"_s << u"仓库"_s << QStringList{u"A02"_s, u"A06"_s};
    QTest::newRow("reduced of a department")
        << u"已减少资产"_s << u"使用部门"_s << u"财务部"_s << QStringList{u"A05"_s};
    QTest::newRow("all of a department")
        << u"所有"_s << u"使用部门"_s << u"财务部"_s << QStringList{u"A05"_s, u"A03"_s, u"A02"_s};
}

void TestMainFrm::refreshList()
{
    QFETCH(QString, scope);
    QFETCH(QString, category);
    QFETCH(QString, leaf);
    QFETCH(QStringList, codes);

    TSession session;
    TmainFrm frm(AssetManager());
    frm.findChild<QComboBox *>(u"cmbState1"_s)->setCurrentText(scope);
    QTreeWidgetItem *node = Node(frm, category, leaf);
    QVERIFY(node);
    Select(frm, node);
    QCOMPARE(ListedCodes(), codes);
    QCOMPARE(frm.StatusText(2), u"共 %1 条"_s.arg(codes.size()));
    QVERIFY(session.scripted->Messages.isEmpty());
}

void TestMainFrm::quickFilters()
{
    TSession session;
    TmainFrm frm(AssetManager());
    frm.findChild<QComboBox *>(u"cmbState1"_s)->setCurrentText(u"所有"_s);
    frm.findChild<QComboBox *>(u"cmbAssetName1"_s)->setEditText(u"印机"_s);
    // typing does not refresh; the button does
    QCOMPARE(ListedCodes().size(), 6);
    frm.findChild<QPushButton *>(u"Button1"_s)->click();
    QCOMPARE(ListedCodes(), (QStringList{u"A03"_s, u"A02"_s}));

    // a quote in a filter text is only text
    frm.findChild<QLineEdit *>(u"edtPartNo1"_s)->setText(u"x' or '1'='1"_s);
    frm.findChild<QPushButton *>(u"Button1"_s)->click();
    QVERIFY(ListedCodes().isEmpty());
    QCOMPARE(frm.StatusText(2), u"共 0 条"_s);
}

void TestMainFrm::finderKeepsTheConditionsInForce()
{
    TSession session;
    TmainFrm frm(AssetManager());
    frm.findChild<QComboBox *>(u"cmbState1"_s)->setCurrentText(u"已减少资产"_s);
    Select(frm, Node(frm, u"使用部门"_s, u"财务部"_s));
    QCOMPARE(frm.StatusText(2), u"共 1 条"_s);

    QString shownDept;
    session.scripted->DialogScripts.enqueue([&](QWidget *dialog) {
        for (QComboBox *box : dialog->findChildren<QComboBox *>())
            if (box->currentText() == u"财务部"_s)
                shownDept = box->currentText();
        return int(QDialog::Accepted);
    });
    frm.Command(u"mnuFind"_s)->trigger();
    QCOMPARE(shownDept, u"财务部"_s);
    QCOMPARE(ListedCodes(), QStringList{u"A05"_s});

    // "重置" clears the unseen conditions too: every asset, current and reduced
    session.scripted->DialogScripts.enqueue([](QWidget *dialog) {
        dialog->findChild<QPushButton *>(u"ResetBtn1"_s)->click();
        return int(QDialog::Accepted);
    });
    frm.Command(u"mnuFind"_s)->trigger();
    QCOMPARE(ListedCodes().size(), 6);
    // a finder search leaves the count of the last refresh
    QCOMPARE(frm.StatusText(2), u"共 1 条"_s);

    // cancelling lists nothing new
    session.scripted->DialogScripts.enqueue(Cancel);
    frm.Command(u"mnuFind"_s)->trigger();
    QCOMPARE(ListedCodes().size(), 6);
}

void TestMainFrm::missingRightRefuses_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("right");

    QTest::newRow("增加") << u"mnuAdd"_s << 9;
    QTest::newRow("复制增加") << u"mnuCopyAdd"_s << 9;
    QTest::newRow("修改") << u"mnuModify"_s << 12;
    QTest::newRow("删除") << u"mnuDelete"_s << 10;
    QTest::newRow("公司信息") << u"mnuCompanyInfo"_s << 10000;
    QTest::newRow("操作员及权限") << u"mnuOperators"_s << 100001;
    QTest::newRow("选项") << u"mnuOptions"_s << 1;
    QTest::newRow("自动备份与恢复") << u"mnuAutoBackup"_s << 17;
    QTest::newRow("从 Excel 批量导入") << u"mnuImportExcel"_s << 9;
    QTest::newRow("附属设备及图片") << u"mnuAccessories"_s << 26;
    QTest::newRow("维修") << u"mnuRepair"_s << 13;
    QTest::newRow("减少") << u"mnuReduce"_s << 11;
    QTest::newRow("折旧表") << u"mnuDepreciation"_s << 14;
    QTest::newRow("栏目选择") << u"mnuPickColumns"_s << 10008;
    QTest::newRow("保存当前列表样式") << u"mnuSaveLayout"_s << 3;
    QTest::newRow("导出") << u"mnuExport"_s << 10004;
    QTest::newRow("报表设计") << u"mnuReportDesign"_s << 10003;
    QTest::newRow("资产构成分析表") << u"mnuComposition"_s << 16;
    QTest::newRow("资产维修报表") << u"mnuRepairReport"_s << 28;
    QTest::newRow("资产变更报表") << u"mnuChangeReport"_s << 27;
    QTest::newRow("配置工具") << u"mnuToolsConfig"_s << 10007;
    QTest::newRow("tool button 折旧") << u"tbtnDepreciation"_s << 14;
}

void TestMainFrm::missingRightRefuses()
{
    QFETCH(QString, command);
    QFETCH(int, right);

    TSession session;
    session.db.Exec(u"insert into operator(LoginId,[Password],Rights) values ('clerk','','')"_s);
    LogInAs(u"clerk"_s);
    TmainFrm frm(AssetManager());
    const QStringList before = TTestDatabase::Rows(u"select Id, Code from assets order by Id"_s);

    frm.Command(command)->trigger();
    QCOMPARE(session.scripted->MessageTexts(),
             QStringList{u"\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t"_s.arg(right)});
    QVERIFY(session.scripted->Dialogs.isEmpty());
    QCOMPARE(TTestDatabase::Rows(u"select Id, Code from assets order by Id"_s), before);
}

void TestMainFrm::initialisingNeedsSa()
{
    TSession session;
    session.db.Exec(u"insert into operator(LoginId,[Password],Rights) values ('clerk','',',9,,12,')"_s);
    LogInAs(u"clerk"_s);
    TmainFrm frm(AssetManager());
    frm.Command(u"mnuInitData"_s)->trigger();
    QCOMPARE(session.scripted->MessageTexts(), QStringList{u"\r\n只有系统用户(sa)才能执行此操作.\t"_s});

    // a double click on a row asks for right 26 first
    session.scripted->Messages.clear();
    auto *grid = frm.findChild<QAbstractItemView *>(u"DBGrid1"_s);
    Q_EMIT grid->doubleClicked(grid->model()->index(0, 1));
    QCOMPARE(session.scripted->MessageTexts(),
             QStringList{u"\r\n对不起,您没有该功能的操作权限,请与管理员联系(26).\t"_s});
}

void TestMainFrm::loginAgain()
{
    TSession session;
    session.db.Exec(u"insert into operator(LoginId,[Password],Rights) values ('clerk','pw',',9,')"_s);
    TmainFrm frm(AssetManager());
    session.scripted->DialogScripts.enqueue(LoginScript(u"sa"_s, QString()));
    frm.Command(u"mnuRelogin"_s)->trigger();
    QCOMPARE(frm.StatusText(1), u"sa"_s);

    // a cancelled login changes nothing
    session.scripted->DialogScripts.enqueue(Cancel);
    frm.Command(u"mnuRelogin"_s)->trigger();
    QCOMPARE(frm.StatusText(1), u"sa"_s);
    QCOMPARE(CurrentOperator().LoginId, u"sa"_s);

    session.scripted->DialogScripts.enqueue(LoginScript(u"clerk"_s, u"pw"_s));
    frm.Command(u"mnuRelogin"_s)->trigger();
    QCOMPARE(frm.StatusText(1), u"clerk"_s);
    QVERIFY(!CurrentOperator().HasRight(12));
}

void TestMainFrm::startSession_data()
{
    QTest::addColumn<QString>("companyName");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<bool>("dailyTip");
    QTest::addColumn<QStringList>("dialogs");

    // sa holds every right
    QTest::newRow("three characters, sa")
        << u"澜石公"_s << QString() << false << QStringList{u"LoginFrm"_s, u"CompanyInfoFrm"_s};
    QTest::newRow("four characters, sa") << u"澜石公司"_s << QString() << false << QStringList{u"LoginFrm"_s};
    QTest::newRow("no company row, right 10000")
        << QString() << u",10000,"_s << false << QStringList{u"LoginFrm"_s, u"CompanyInfoFrm"_s};
    QTest::newRow("three characters, no right 10000")
        << u"澜石公"_s << u",9,"_s << false << QStringList{u"LoginFrm"_s};
    QTest::newRow("daily tip after login")
        << u"澜石公司"_s << QString() << true << QStringList{u"LoginFrm"_s};
}

void TestMainFrm::startSession()
{
    QFETCH(QString, companyName);
    QFETCH(QString, rights);
    QFETCH(bool, dailyTip);
    QFETCH(QStringList, dialogs);

    TTestDatabase db;
    TScriptedScope scripted;
    if (!companyName.isEmpty())
        db.Exec(u"insert into Company(Id,CompanyName,Updated) values (0,'%1',0)"_s.arg(companyName));
    if (dailyTip)
        db.Exec(u"update keyvalue set [Value]=1 where KeyId=1"_s);
    const QString loginId = rights.isNull() ? u"sa"_s : u"clerk"_s;
    if (!rights.isNull())
        db.Exec(u"insert into operator(LoginId,[Password],Rights) values ('clerk','',%1)"_s.arg(
            u"'"_s + rights + u"'"_s));
    CurrentOperator().Clear();
    GlobalCompany() = TCompany();
    InitApplication();
    {
        TmainFrm frm(AssetManager());
        scripted->DialogScripts.enqueue(LoginScript(loginId, QString()));
        scripted->DialogScripts.enqueue(Cancel);
        QVERIFY(StartSession(frm));
        QVERIFY(frm.isVisible());
        QStringList shown;
        for (const auto &run : scripted->Dialogs)
            shown << run.ObjectName;
        QCOMPARE(shown, dialogs);
        QCOMPARE(frm.StatusText(1), loginId);
        QCOMPARE(scripted->MessageTexts().join(QString()).contains(u"每日一贴"_s), dailyTip);
        frm.hide();
    }
    FreeApplication();
}

void TestMainFrm::cancelledLoginClosesThroughTheClosePath()
{
    TTestDatabase db;
    TScriptedScope scripted;
    db.Exec(u"update keyvalue set [Value]=1 where KeyId=0"_s);
    CurrentOperator().Clear();
    InitApplication();
    {
        TmainFrm frm(AssetManager());
        scripted->DialogScripts.enqueue(Cancel);
        QVERIFY(!StartSession(frm));
        QVERIFY(!frm.isVisible());
        // the feedback prompt still runs, then the session is closed
        QVERIFY(scripted->MessageTexts().join(QString()).contains(u"在线反馈"_s));
        QVERIFY(!GlobalDatabase().Connected());
        QVERIFY(CurrentOperator().IsEmpty());
    }
    FreeApplication();
}

void TestMainFrm::failuresAtStartAreReported()
{
    // tools menu cannot be read: reported, and the session still starts
    {
        TSession session;
        session.db.Exec(u"drop table link"_s);
        TmainFrm frm(AssetManager());
        session.scripted->DialogScripts.enqueue(LoginScript(u"sa"_s, QString()));
        QVERIFY(StartSession(frm));
        QVERIFY(frm.isVisible());
        QVERIFY(session.scripted->MessageTexts().join(QString()).contains(u"from link"_s));
        frm.hide();
    }
    // the pick lists cannot be read: no main window, the error shown, the program ends with a failure
    TTestDatabase db;
    TScriptedScope scripted;
    db.Exec(u"drop table options"_s);
    TStartup startup;
    QCOMPARE(RunApplication(startup), 1);
    QVERIFY(scripted->MessageTexts().join(QString()).contains(u"from options"_s));
    QVERIFY(!GlobalDatabase().Connected());
    QVERIFY(!HasAssetManager());
}

void TestMainFrm::menusFromTheDatabase()
{
    TSession session;
    session.db.Exec(u"insert into link(GroupId,Title,lpFile,lpParameters,[Note]) values "
                    "(0,'单位网站','IEXPLORE.EXE','http://example.com','打开单位网站'),"
                    "(0,'资产制度','C:\\docs\\rules.doc','','')"_s);
    session.db.Exec(
        u"insert into report(Id,GrpId,Title) values (1,1,'资产卡片'),(2,2,'月折旧表'),(3,1,'资产清单')"_s);
    TmainFrm frm(AssetManager());
    frm.LoadMenus();
    auto captions = [](QMenu *menu) {
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << (action->isSeparator() ? u"-"_s : action->text());
        return texts;
    };
    auto *tools = frm.findChild<QMenu *>(u"mnuTools"_s);
    auto *output = frm.findChild<QMenu *>(u"mnuOutput"_s);
    auto *print = frm.findChild<QMenu *>(u"PopupMenu2"_s);
    const QStringList fixedTools{u"记事本"_s, u"计算器"_s, u"-"_s, u"配置工具..."_s, u"-"_s};
    const QStringList fixedOutput{u"导出"_s, u"报表设计..."_s, u"-"_s};
    QCOMPARE(captions(tools), (fixedTools + QStringList{u"单位网站"_s, u"资产制度"_s}));
    QCOMPARE(tools->actions().at(5)->toolTip(), u"打开单位网站"_s);
    QCOMPARE(captions(output), (fixedOutput + QStringList{u"资产卡片"_s, u"资产清单"_s}));
    QCOMPARE(captions(print), (QStringList{u"资产卡片"_s, u"资产清单"_s}));
    QCOMPARE(print->actions().at(1)->data().toInt(), 3);

    // loading again replaces the entries instead of adding to them
    session.db.Exec(u"delete from link where Title='资产制度'"_s);
    frm.LoadMenus();
    QCOMPARE(captions(tools), (fixedTools + QStringList{u"单位网站"_s}));
    QCOMPARE(captions(output), (fixedOutput + QStringList{u"资产卡片"_s, u"资产清单"_s}));
    QCOMPARE(print->actions().size(), 2);
}

void TestMainFrm::statusPanelsKeepTheirWidths()
{
    TSession session;
    TmainFrm frm(AssetManager());
    for (const int width : {900, 1400}) {
        frm.resize(width, 600);
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        auto *bar = frm.findChild<QStatusBar *>(u"StatusBar1"_s);
        QCOMPARE(bar->findChild<QLabel *>(u"StatusPanel1"_s)->width(), 50);
        QCOMPARE(bar->findChild<QLabel *>(u"StatusPanel2"_s)->width(), 80);
        QCOMPARE(bar->findChild<QLabel *>(u"StatusPanel3"_s)->width(), 200);
        QVERIFY(bar->findChild<QLabel *>(u"StatusPanel0"_s)->width() > width - 400);
    }
    frm.hide();
}

void TestMainFrm::gridPopupMenuStartsTheAssetCommands()
{
    TSession session;
    TmainFrm frm(AssetManager());
    auto *grid = frm.findChild<QAbstractItemView *>(u"DBGrid1"_s);
    QMenu *popup = grid->findChild<QMenu *>();
    QVERIFY(popup);
    QStringList top;
    for (QAction *action : popup->actions().mid(0, 10))
        top << (action->isSeparator() ? u"-"_s : action->text());
    QCOMPARE(top, (QStringList{u"增加"_s, u"复制增加"_s, u"修改"_s, u"删除"_s, u"-"_s, u"变更"_s, u"维修"_s,
                               u"附属设备及图片"_s, u"减少"_s, u"-"_s}));

    // "删除" from the pop-up asks first; cancelled, nothing goes
    session.scripted->MessageAnswers.enqueue(TMsgButton::Cancel);
    popup->actions().at(3)->trigger();
    QCOMPARE(session.scripted->Messages.size(), 1);
    QCOMPARE(TTestDatabase::Rows(u"select count(*) from assets"_s), QStringList{u"6"_s});
}

void TestMainFrm::listLayoutIsSavedAndComesBack()
{
    TSession session;
    {
        TmainFrm frm(AssetManager());
        auto *grid = frm.findChild<TqzDBGrid *>(u"DBGrid1"_s);
        const int name = grid->FindColumn(u"Name"_s);
        grid->SetColumnWidth(name, 77);
        grid->SetColumnVisible(grid->FindColumn(u"GBCode"_s), false);
        frm.Command(u"mnuSaveLayout"_s)->trigger();
        QCOMPARE(session.scripted->MessageTexts(), QStringList{u"\r\n列样式保存成功.\t"_s});
    }
    TmainFrm again(AssetManager());
    auto *grid = again.findChild<TqzDBGrid *>(u"DBGrid1"_s);
    QCOMPARE(grid->Column(grid->FindColumn(u"Name"_s)).Width, 77);
    QVERIFY(!grid->Column(grid->FindColumn(u"GBCode"_s)).Visible);
}

QTEST_MAIN(TestMainFrm)
#include "test_main_frm.moc"
