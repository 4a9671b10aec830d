#pragma once
// The page "下拉选择项目" of the options dialog: the nine pick lists, one shown at a time in a multi-line
// box, edited in a working copy that the dialog saves on OK.

#include <memory>
#include <QWidget>

class TRovoOptions;
namespace Ui {
class TfraPickList;
}

class TfraPickList : public QWidget
{
    Q_OBJECT

public:
    // Takes the working copy of the lists (a query on table options) and shows the first list. Throws
    // EDatabaseError when the lists cannot be read.
    explicit TfraPickList(QWidget *parent = nullptr);
    ~TfraPickList() override;

    // The working copy, with what is in the text box put into it first.
    TRovoOptions &Options();

    // Puts the list of the selected name into the text box.
    void ShowList();
    // Puts an edited text box into the list it shows, in the working copy only.
    void StoreList();

Q_SIGNALS:
    // "保存(&S)" and "取消(&Q)": the dialog closes with OK or with Cancel.
    void SaveRequested();
    void CancelRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lstListName1Change();

    std::unique_ptr<Ui::TfraPickList> ui;
    std::unique_ptr<TRovoOptions> m_options;
    // The position of the list the text box shows, -1 before the first.
    int m_shownPosition = -1;
};
