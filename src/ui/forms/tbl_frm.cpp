#include "tbl_frm.h"

#include "data/dataset_model.h"
#include "grid/rovo_db_grid.h"
#include "ui_tbl_frm.h"

#include <QProgressBar>

TTblFrm::TTblFrm(QWidget *parent) : TWinFrm(parent), ui(std::make_unique<Ui::TblFrm>())
{
    SetupUi(*ui);
    Image1 = ui->Image1;
    LblTitle1 = ui->LblTitle1;
    DBGrid1 = ui->DBGrid1;
    StatusPanel1 = ui->StatusPanel1;
    ProgressBar1 = ui->ProgressBar1;
    DataSource1 = new TDataSetModel(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DBGrid1->SetDataSource(DataSource1);

    // The title band: a soft gradient until a window puts its own picture in, the title over it.
    Image1->setAutoFillBackground(true);
    Image1->setStyleSheet(QStringLiteral(
        "#Image1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2f5f98, stop:1 #9fbfe0); }"));
    LblTitle1->setStyleSheet(QStringLiteral("#LblTitle1 { color: white; background: transparent; }"));
    QFont titleFont = LblTitle1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    LblTitle1->setFont(titleFont);
    ProgressBar1->hide();
    setWindowState(windowState() | Qt::WindowMaximized);
}

TTblFrm::~TTblFrm() = default;

void TTblFrm::PopupGridMenu(QWidget *sender)
{
    DBGrid1->PopupButtonClick(sender);
}
