#pragma once
// The main window: the asset list with its browse tree and quick filters, and the menus, tool bar and grid
// commands from which every other function starts. It stays open for the whole run; closing it ends the
// program.

#include <functional>
#include <memory>
#include <QMainWindow>

class QLabel;
class QMenu;
class QTreeWidgetItem;
class TAssetManager;

namespace Ui {
class mainFrm;
}

class TmainFrm : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window hidden, bound to the asset set, and lists the assets in service.
    explicit TmainFrm(TAssetManager &assets, QWidget *parent = nullptr);
    ~TmainFrm() override;

    // Shows the login dialog; after OK the status bar shows the operator. Returns whether it ended with OK.
    bool Login();
    // The tools menu's links and the output menu's report templates.
    void LoadMenus();
    void LoadToolsMenu();
    void LoadReportMenu();
    // Lists the assets that pass the quick filters and the selected tree node.
    void RefreshList();

    // A command of the menus by its object name ("mnuCompanyInfo"); null when there is none.
    QAction *Command(const QString &objectName) const;
    // The text of a status bar panel (0 … 3).
    QString StatusText(int panel) const;

protected:
    // The close path: the feedback prompt, the backup due on exit, then the session is closed.
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using THandler = std::function<void()>;

    void BuildStatusBar();
    void BuildGrid();
    void BuildBrowseTree();
    void BuildMenus();
    void BuildToolBar();
    QAction *AddCommand(QMenu *menu, const char *name, const QString &caption, int right, THandler handler,
                        const QKeySequence &shortcut = {});
    QAction *AddPlaceholder(QMenu *menu, const char *name, const QString &caption, int right = 0);
    void RemoveEntriesAfter(QMenu *menu, int keep);

    void TreeView1Change(QTreeWidgetItem *node);
    void CompanyInfoClick();
    void ChangePasswordClick();
    void FinderClick();
    void ShutDown();

    std::unique_ptr<Ui::mainFrm> ui;
    TAssetManager &m_assets;
    QList<QLabel *> m_statusPanels;
    QMenu *m_outputMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QMenu *PopupMenu2 = nullptr;
    bool m_shutDown = false;
};
