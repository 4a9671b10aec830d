#pragma once
// The non-modal table window built around one data grid: a title band, the grid bound to the window's
// data source, and a status panel with a progress bar for subclasses. Shown maximised.

#include "win_frm.h"

#include <memory>

namespace Ui {
class TblFrm;
}
class QLabel;
class QProgressBar;
class TDataSetModel;
class TRovoDBGrid;

class TTblFrm : public TWinFrm
{
    Q_OBJECT

public:
    explicit TTblFrm(QWidget *parent = nullptr);
    ~TTblFrm() override;

    // Shows the grid's pop-up menu with its top-left corner at the bottom-left corner of sender (the
    // windows' "功能 ▼" buttons).
    void PopupGridMenu(QWidget *sender);

protected:
    QLabel *Image1;
    QLabel *LblTitle1;
    TRovoDBGrid *DBGrid1;
    // The grid's data source; a subclass puts its data set into it.
    TDataSetModel *DataSource1;
    QLabel *StatusPanel1;
    QProgressBar *ProgressBar1;

private:
    std::unique_ptr<Ui::TblFrm> ui;
};
