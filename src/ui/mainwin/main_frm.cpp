#include "main_frm.h"
#include "ui_main_frm.h"

#include "app/app_init.h"
#include "app/globals.h"
#include "app/pub_frm.h"
#include "asset_editor_frm.h"
#include "assets/asset_list_filter.h"
#include "assets/asset_set.h"
#include "data/database.h"
#include "finder_frm.h"
#include "forms/popup_menu.h"
#include "reports/rep_set.h"
#include "settings/company.h"
#include "settings/company_info_frm.h"
#include "settings/option_editor_frm.h"
#include "settings/option_saving.h"
#include "settings/options.h"
#include "support/action.h"
#include "support/help_request.h"
#include "support/interaction.h"
#include "support/link_set.h"
#include "support/messages.h"
#include "users/login_frm.h"
#include "users/operator.h"
#include "users/password_changer_frm.h"
#include "users/rights.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

namespace {

constexpr int NoRight = 0;
// Fixed widths of the status panels 1 … 3; panel 0 takes the rest.
constexpr int StatusPanelWidths[] = {50, 80, 200};

// Entries of the asset grid's pop-up menu, in front of the grid's own.
constexpr const char *GridCommands[] = {"mnuAdd",    "mnuCopyAdd", "mnuModify",      "mnuDelete", nullptr,
                                        "mnuChange", "mnuRepair",  "mnuAccessories", "mnuReduce", nullptr};

// Windows that later versions bring: their entries are there and guarded, and say so when chosen.
void ShowNotProvided(const QString &what)
{
    ShowInfo(QStringLiteral("“%1”功能尚未提供.").arg(what));
}

} // namespace

TmainFrm::TmainFrm(TAssetManager &assets, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::mainFrm>()), m_assets(assets)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("%1 - %2").arg(AppTitle, AppVersion));

    ui->cmbState1->addItems(ListScopeItems());
    ui->cmbState1->setCurrentIndex(int(TListScope::Current));
    BuildStatusBar();
    BuildGrid();
    BuildBrowseTree();
    BuildMenus();
    BuildToolBar();

    const TRovoOptions options;
    ui->cmbAssetName1->addItems(TRovoOptions::Entries(options.AssetName()));
    ui->cmbAssetName1->setCurrentIndex(-1);
    ui->cmbAssetName1->setEditText(QString());

    connect(ui->cmbState1, &QComboBox::currentIndexChanged, this,
            [this] { RunAction([this] { RefreshList(); }); });
    connect(ui->Button1, &QPushButton::clicked, this, [this] { RunAction([this] { RefreshList(); }); });
    connect(ui->TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *node) { RunAction([this, node] { TreeView1Change(node); }); });
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { RunAction([this] { ShowHelpTopic(HelpTopicOf(objectName())); }); });
    SetProgramCloser([this] { close(); });
    m_assets.SetEditorFactory([this] { return std::make_unique<TAssetEditorFrm>(this); });
    ui->Image1->installEventFilter(this);

    // Selecting the root lists every asset in service.
    ui->TreeView1->setCurrentItem(ui->TreeView1->topLevelItem(0));
}

TmainFrm::~TmainFrm()
{
    SetProgramCloser({});
    m_assets.SetEditorFactory({});
}

void TmainFrm::BuildStatusBar()
{
    QStatusBar *bar = ui->StatusBar1;
    bar->setSizeGripEnabled(true);
    for (int panel = 0; panel < 4; ++panel) {
        auto *label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        if (panel == 0) {
            label->setMinimumWidth(1);
            bar->addWidget(label, 1);
        } else {
            label->setFixedWidth(StatusPanelWidths[panel - 1]);
            bar->addPermanentWidget(label);
        }
        m_statusPanels.append(label);
    }
    m_statusPanels[2]->setAlignment(Qt::AlignCenter);
    m_statusPanels[0]->setText(GlobalDatabase().DataSourceName());
    m_statusPanels[0]->setToolTip(GlobalDatabase().DataSourceName());
}

void TmainFrm::BuildGrid()
{
    ui->Splitter1->setStretchFactor(1, 1);
    ui->Splitter1->setSizes({180, 820});
    TRovoDBGrid *grid = ui->DBGrid1;
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->SetDataSet(m_assets.DataSet());
    grid->SetLayoutId(1);
    grid->SetFooterVisible(true);
    grid->SetSumFooter(QStringLiteral("OriginValue"));
    grid->SetSumFooter(QStringLiteral("EndValue"));
    connect(grid, &QAbstractItemView::doubleClicked, this,
            [this] { Command(QStringLiteral("mnuAccessories"))->trigger(); });
}

void TmainFrm::BuildBrowseTree()
{
    QTreeWidget *tree = ui->TreeView1;
    tree->clear();
    auto *root = new QTreeWidgetItem(tree, {BrowseRootCaption()});
    root->setData(0, Qt::UserRole, BrowseRootMode);
    root->setIcon(0, TPubFrm::Image(TPubFrm::imgBrowseRoot));
    // The root stays open: it shows no expander (the tree decorates no top-level item) and opens again when
    // collapsed by keyboard or double click.
    connect(tree, &QTreeWidget::itemCollapsed, tree, [tree](QTreeWidgetItem *item) {
        if (!item->parent())
            tree->expandItem(item);
    });

    const TRovoOptions options;
    for (const TBrowseCategory &category : BrowseCategories()) {
        auto *node = new QTreeWidgetItem(root, {QString::fromUtf16(category.Caption)});
        node->setIcon(0, TPubFrm::Image(TPubFrm::imgCategory));
        for (const QString &entry : TRovoOptions::Entries(options.List(category.ListPosition))) {
            auto *leaf = new QTreeWidgetItem(node, {entry});
            leaf->setData(0, Qt::UserRole, category.Mode);
            leaf->setIcon(0, TPubFrm::Image(TPubFrm::imgLeaf));
        }
    }
    tree->expandItem(root);
}

QAction *TmainFrm::AddCommand(QMenu *menu, const char *name, const QString &caption, int right,
                              THandler handler, const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [right, handler = std::move(handler)] {
        RunAction([&] {
            if (right != NoRight)
                CurrentOperator().CheckRight(right, true);
            handler();
        });
    });
    menu->addAction(action);
    return action;
}

QAction *TmainFrm::AddPlaceholder(QMenu *menu, const char *name, const QString &caption, int right)
{
    return AddCommand(menu, name, caption, right,
                      [what = QString(caption).remove(QStringLiteral("..."))] { ShowNotProvided(what); });
}

void TmainFrm::BuildMenus()
{
    QMenuBar *bar = ui->MainMenu1;
    auto addMenu = [&](const char *name, const QString &title) {
        QMenu *menu = bar->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu *fileMenu = addMenu("mnuFile", QStringLiteral("文件(&F)"));
    AddCommand(fileMenu, "mnuCompanyInfo", QStringLiteral("公司信息"), Right::Company,
               [this] { CompanyInfoClick(); });
    AddPlaceholder(fileMenu, "mnuOperators", QStringLiteral("操作员及权限"), Right::Operators);
    fileMenu->addSeparator();
    AddCommand(fileMenu, "mnuOptions", QStringLiteral("选项..."), NoRight,
               [this] { ShowOptionEditor(this); });
    AddCommand(fileMenu, "mnuInitData", QStringLiteral("初始化数据..."), NoRight, [] {
        CurrentOperator().RequireSa();
        ShowNotProvided(QStringLiteral("初始化数据"));
    });
    AddPlaceholder(fileMenu, "mnuAutoBackup", QStringLiteral("自动备份与恢复"), Right::Backup);
    fileMenu->addSeparator();
    AddCommand(fileMenu, "mnuRelogin", QStringLiteral("重新登陆"), NoRight, [this] { Login(); });
    AddCommand(fileMenu, "mnuChangePassword", QStringLiteral("更改我的密码"), NoRight,
               [this] { ChangePasswordClick(); });
    fileMenu->addSeparator();
    AddCommand(fileMenu, "mnuExit", QStringLiteral("退出系统"), NoRight, [this] { close(); });

    QMenu *assetMenu = addMenu("mnuAssets", QStringLiteral("资产(&M)"));
    AddCommand(
        assetMenu, "mnuAdd", QStringLiteral("增加"), NoRight, [this] { m_assets.AddClick(); },
        QKeySequence(Qt::Key_Insert));
    AddCommand(assetMenu, "mnuCopyAdd", QStringLiteral("复制增加"), NoRight,
               [this] { m_assets.CopyAddClick(); });
    AddPlaceholder(assetMenu, "mnuImportExcel", QStringLiteral("从 Excel 批量导入"), Right::AssetAdd);
    assetMenu->addSeparator();
    AddCommand(
        assetMenu, "mnuModify", QStringLiteral("修改"), NoRight, [this] { m_assets.ModifyClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_E));
    AddCommand(assetMenu, "mnuDelete", QStringLiteral("删除"), NoRight, [this] { m_assets.DeleteClick(); });
    assetMenu->addSeparator();
    AddPlaceholder(assetMenu, "mnuAccessories", QStringLiteral("附属设备及图片"), Right::AccessoryView);
    assetMenu->addSeparator();
    AddPlaceholder(assetMenu, "mnuChange", QStringLiteral("变更"));
    AddPlaceholder(assetMenu, "mnuRepair", QStringLiteral("维修"), Right::Repair);
    AddPlaceholder(assetMenu, "mnuReduce", QStringLiteral("减少"), Right::AssetReduce);
    QMenu *stocktake = assetMenu->addMenu(QStringLiteral("盘点"));
    stocktake->setObjectName(QStringLiteral("mnuStocktake"));
    AddPlaceholder(stocktake, "mnuStocktakeCollector", QStringLiteral("通过数据采集器盘点..."));
    assetMenu->addSeparator();
    AddPlaceholder(assetMenu, "mnuDepreciation", QStringLiteral("折旧表"), Right::Depreciation);
    assetMenu->addSeparator();
    AddCommand(assetMenu, "mnuFind", QStringLiteral("查找..."), NoRight, [this] { FinderClick(); });

    QMenu *viewMenu = addMenu("mnuView", QStringLiteral("视图(&V)"));
    QAction *showTree = AddCommand(viewMenu, "mnuShowTree", QStringLiteral("分类列表"), NoRight,
                                   [this] { ui->TreeView1->setVisible(!ui->TreeView1->isVisible()); });
    showTree->setCheckable(true);
    showTree->setChecked(true);
    QAction *showStatus = AddCommand(viewMenu, "mnuShowStatusBar", QStringLiteral("状态栏"), NoRight,
                                     [this] { ui->StatusBar1->setVisible(!ui->StatusBar1->isVisible()); });
    showStatus->setCheckable(true);
    showStatus->setChecked(true);
    // The check marks follow what is shown, whoever changed it.
    connect(viewMenu, &QMenu::aboutToShow, this, [this, showTree, showStatus] {
        showTree->setChecked(!ui->TreeView1->isHidden());
        showStatus->setChecked(!ui->StatusBar1->isHidden());
    });
    viewMenu->addSeparator();
    AddCommand(viewMenu, "mnuSort", QStringLiteral("排序"), NoRight, [this] { ui->DBGrid1->SortClick(); });
    viewMenu->addSeparator();
    // The grid's own commands check their rights (10008; 3 then 10006).
    AddCommand(viewMenu, "mnuPickColumns", QStringLiteral("栏目选择"), NoRight,
               [this] { ui->DBGrid1->PickColumnsClick(); });
    AddCommand(viewMenu, "mnuSaveLayout", QStringLiteral("保存当前列表样式"), NoRight,
               [this] { ui->DBGrid1->SaveLayoutClick(); });

    m_outputMenu = addMenu("mnuOutput", QStringLiteral("输出(&O)"));
    AddPlaceholder(m_outputMenu, "mnuExport", QStringLiteral("导出"), Right::Export);
    AddPlaceholder(m_outputMenu, "mnuReportDesign", QStringLiteral("报表设计..."), Right::PrintDesign);
    m_outputMenu->addSeparator();

    QMenu *reportMenu = addMenu("mnuReports", QStringLiteral("报表(&J)"));
    AddPlaceholder(reportMenu, "mnuComposition", QStringLiteral("资产构成分析表"), Right::Composition);
    reportMenu->addSeparator();
    AddPlaceholder(reportMenu, "mnuRepairReport", QStringLiteral("资产维修报表"), Right::RepairReport);
    AddPlaceholder(reportMenu, "mnuChangeReport", QStringLiteral("资产变更报表"), Right::ModificationReport);

    m_toolsMenu = addMenu("mnuTools", QStringLiteral("工具(&T)"));
    AddPlaceholder(m_toolsMenu, "mnuNotepad", QStringLiteral("记事本"));
    AddPlaceholder(m_toolsMenu, "mnuCalculator", QStringLiteral("计算器"));
    m_toolsMenu->addSeparator();
    AddPlaceholder(m_toolsMenu, "mnuToolsConfig", QStringLiteral("配置工具..."), Right::ToolsMenu);
    m_toolsMenu->addSeparator();

    QMenu *helpMenu = addMenu("mnuHelp", QStringLiteral("帮助(&H)"));
    AddCommand(
        helpMenu, "mnuHelpFile", QStringLiteral("帮助文件"), NoRight,
        [] { ShowHelpTopic(QStringLiteral("main")); }, QKeySequence(Qt::CTRL | Qt::Key_F1));
    AddPlaceholder(helpMenu, "mnuDailyTip", QStringLiteral("每日一贴"));
    AddCommand(helpMenu, "mnuFaq", QStringLiteral("常见问题"), NoRight,
               [] { ShowHelpTopic(QStringLiteral("faq")); });
    helpMenu->addSeparator();
    AddPlaceholder(helpMenu, "mnuReadme", QStringLiteral("自述文件"));
    AddPlaceholder(helpMenu, "mnuWhatsNew", QStringLiteral("最新功能"));
    helpMenu->addSeparator();
    AddPlaceholder(helpMenu, "mnuWebSite", QStringLiteral("浏览作者的网站"));
    AddPlaceholder(helpMenu, "mnuMail", QStringLiteral("给作者发电子邮件"));
    AddPlaceholder(helpMenu, "mnuFeedback", QStringLiteral("在线反馈..."));
    helpMenu->addSeparator();
    AddPlaceholder(helpMenu, "mnuAbout", QStringLiteral("关于..."));

    // The asset commands at the top of the grid's own pop-up menu, in their menu order.
    QMenu *popup = ui->DBGrid1->PopupMenuQz();
    for (auto it = std::rbegin(GridCommands); it != std::rend(GridCommands); ++it) {
        if (!*it) {
            AddMenuItem(popup, QStringLiteral("-"), true);
            continue;
        }
        QAction *command = Command(QString::fromLatin1(*it));
        AddMenuItem(popup, command->text(), true, [command](const QVariant &) { command->trigger(); });
    }
}

void TmainFrm::BuildToolBar()
{
    QToolBar *bar = ui->ToolBar1;
    auto addButton = [&](const char *name, const QString &caption, TPubFrm::TImage image,
                         const char *command) {
        auto *button = new QAction(TPubFrm::Image(image), caption, this);
        button->setObjectName(QString::fromLatin1(name));
        if (command) {
            QAction *target = Command(QString::fromLatin1(command));
            button->setToolTip(target->text().remove(QStringLiteral("...")));
            connect(button, &QAction::triggered, target, &QAction::trigger);
        }
        bar->addAction(button);
        return button;
    };
    addButton("tbtnHelp", QStringLiteral("帮助"), TPubFrm::imgHelp, "mnuHelpFile");
    bar->addSeparator();
    addButton("tbtnAdd", QStringLiteral("增加"), TPubFrm::imgAdd, "mnuAdd");
    addButton("tbtnReduce", QStringLiteral("减少"), TPubFrm::imgReduce, "mnuReduce");
    addButton("tbtnChange", QStringLiteral("变更"), TPubFrm::imgChange, "mnuChange");
    addButton("tbtnRepair", QStringLiteral("维修"), TPubFrm::imgRepair, "mnuRepair");
    addButton("tbtnDepreciation", QStringLiteral("折旧"), TPubFrm::imgDepreciation, "mnuDepreciation");
    bar->addSeparator();
    addButton("tbtnFind", QStringLiteral("查找"), TPubFrm::imgFind, "mnuFind");
    bar->addSeparator();
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    QAction *print = addButton("tbtnPrint", QStringLiteral("打印"), TPubFrm::imgPrint, nullptr);
    print->setMenu(PopupMenu2);
    if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(print)))
        button->setPopupMode(QToolButton::InstantPopup);
    addButton("tbtnExport", QStringLiteral("导出"), TPubFrm::imgExport, "mnuExport");
    bar->addSeparator();
    addButton("tbtnExit", QStringLiteral("退出系统"), TPubFrm::imgExit, "mnuExit");
}

QAction *TmainFrm::Command(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

QString TmainFrm::StatusText(int panel) const
{
    return panel >= 0 && panel < m_statusPanels.size() ? m_statusPanels[panel]->text() : QString();
}

bool TmainFrm::Login()
{
    TLoginFrm frm(this);
    if (Interaction().ExecDialog(&frm) != QDialog::Accepted)
        return false;
    m_statusPanels[1]->setText(CurrentOperator().LoginId);
    return true;
}

void TmainFrm::LoadMenus()
{
    LoadToolsMenu();
    LoadReportMenu();
}

void TmainFrm::RemoveEntriesAfter(QMenu *menu, int keep)
{
    const QList<QAction *> entries = menu->actions();
    for (int i = keep; i < entries.size(); ++i) {
        menu->removeAction(entries[i]);
        if (entries[i]->parent() == menu)
            entries[i]->deleteLater();
    }
}

void TmainFrm::LoadToolsMenu()
{
    // Kept: 记事本, 计算器, separator, 配置工具..., separator.
    RemoveEntriesAfter(m_toolsMenu, 5);
    TLinkSet links;
    TDataSet *ds = links.DataSet();
    for (ds->First(); !ds->Eof(); ds->Next()) {
        auto *entry = new QAction(links.TitleFld()->AsString(), m_toolsMenu);
        entry->setStatusTip(links.NoteFld()->AsString());
        entry->setToolTip(links.NoteFld()->AsString());
        entry->setData(links.IdFld()->AsInteger());
        connect(entry, &QAction::triggered, this,
                [] { RunAction([] { ShowNotProvided(QStringLiteral("运行链接")); }); });
        m_toolsMenu->addAction(entry);
    }
}

void TmainFrm::LoadReportMenu()
{
    PopupMenu2->clear();
    // Kept: 导出, 报表设计..., separator.
    RemoveEntriesAfter(m_outputMenu, 3);
    TRepSet reports;
    reports.OpenGroup(ReportGroup::AssetList);
    TDataSet *ds = reports.DataSet();
    for (ds->First(); !ds->Eof(); ds->Next()) {
        const QString title = reports.TitleField()->AsString();
        const int id = reports.IdField()->AsInteger();
        for (QMenu *menu : {m_outputMenu, PopupMenu2}) {
            auto *entry = new QAction(title, menu);
            entry->setData(id);
            connect(entry, &QAction::triggered, this, [] {
                RunAction([] {
                    if (CurrentOperator().CheckRight(Right::Print, false))
                        ShowNotProvided(QStringLiteral("报表预览"));
                });
            });
            menu->addAction(entry);
        }
    }
}

void TmainFrm::TreeView1Change(QTreeWidgetItem *)
{
    RefreshList();
}

void TmainFrm::RefreshList()
{
    TAssetListFilter filter;
    filter.Scope = TListScope(qMax(0, ui->cmbState1->currentIndex()));
    filter.AssetName = ui->cmbAssetName1->currentText();
    filter.PartNo = ui->edtPartNo1->text();
    filter.GBCode = ui->edtGBCode1->text();
    if (const QTreeWidgetItem *node = ui->TreeView1->currentItem()) {
        const QVariant mode = node->data(0, Qt::UserRole);
        filter.Mode = mode.isValid() ? mode.toInt() : NoBrowseMode;
        filter.NodeText = node->text(0);
    }
    ApplyListFilter(*m_assets.Where(), filter);
    m_assets.OpenWhere();
    m_statusPanels[2]->setText(QStringLiteral("共 %1 条").arg(m_assets.DataSet()->RecordCount()));
}

void TmainFrm::CompanyInfoClick()
{
    TCompanyInfoFrm frm(this);
    GlobalCompany().EditCompany(frm, false);
}

void TmainFrm::ChangePasswordClick()
{
    TPasswordChangerFrm frm(this);
    CurrentOperator().ChangePassword(frm);
}

void TmainFrm::FinderClick()
{
    TFinderFrm frm(this);
    frm.SetWhere(m_assets.Where());
    if (Interaction().ExecDialog(&frm) == QDialog::Accepted)
        m_assets.OpenWhere();
}

void TmainFrm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        ShutDown();
}

void TmainFrm::ShutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    hide();
    RunAction([this] {
        if (FeedbackWanted())
            Command(QStringLiteral("mnuFeedback"))->trigger();
    });
    // The automatic backup due on exit runs here once the backup settings exist.
    GlobalDatabase().SetConnected(false);
}

bool TmainFrm::eventFilter(QObject *watched, QEvent *event)
{
    // The banner is painted for the width it gets.
    if (watched == ui->Image1 && event->type() == QEvent::Resize && !ui->Image1->size().isEmpty())
        ui->Image1->setPixmap(TPubFrm::Banner(ui->Image1->size(), AppTitle));
    return QMainWindow::eventFilter(watched, event);
}
