#include "x_visible_frm.h"

#include "row_drag.h"
#include "support/action.h"
#include "ui_x_visible_frm.h"

#include <QHeaderView>
#include <QKeyEvent>

TxVisibleFrm::TxVisibleFrm(QWidget *parent) : TaFrm(parent), ui(std::make_unique<Ui::xVisibleFrm>())
{
    SetupUi(*ui);
    setModal(true);
    ui->StringGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->StringGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    ui->StringGrid1->horizontalHeader()->resizeSection(1, 32);
    EnableRowDrag(ui->StringGrid1, [this](int from, int to) { StringGrid1RowMoved(from, to); });
    connect(ui->StringGrid1, &QTableWidget::cellClicked, this,
            [this](int row) { RunAction([this, row] { StringGrid1Click(row); }); });
    connect(ui->StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row) { StringGrid1SelectCell(row); });
    connect(ui->UpBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { UpBtn1Click(); }); });
    connect(ui->DownBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { DownBtn1Click(); }); });
    connect(ui->OkBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

TxVisibleFrm::~TxVisibleFrm() = default;

QLabel *TxVisibleFrm::Label1() const
{
    return ui->Label1;
}

QTableWidget *TxVisibleFrm::StringGrid1() const
{
    return ui->StringGrid1;
}

QPushButton *TxVisibleFrm::UpBtn1() const
{
    return ui->UpBtn1;
}

QPushButton *TxVisibleFrm::DownBtn1() const
{
    return ui->DownBtn1;
}

void TxVisibleFrm::SetChoice(const TColumnChoice &choice)
{
    m_choice = choice;
    Fill(0);
}

void TxVisibleFrm::Fill(int selectRow)
{
    QTableWidget *grid = ui->StringGrid1;
    const QSignalBlocker blocker(grid);
    grid->setRowCount(m_choice.Count());
    for (int row = 0; row < m_choice.Count(); ++row) {
        const TColumnChoice::TRow &entry = m_choice.Rows().at(row);
        grid->setItem(row, 0, new QTableWidgetItem(entry.Caption));
        auto *mark = new QTableWidgetItem(TColumnChoice::MarkText(entry.Marked));
        mark->setTextAlignment(Qt::AlignCenter);
        grid->setItem(row, 1, mark);
        grid->setVerticalHeaderItem(row, new QTableWidgetItem(QString()));
    }
    const int row = m_choice.Count() == 0 ? -1 : std::clamp(selectRow, 0, m_choice.Count() - 1);
    grid->setCurrentCell(row, row < 0 ? -1 : 0);
    StringGrid1SelectCell(row);
}

void TxVisibleFrm::StringGrid1Click(int row)
{
    if (row < 0 || row >= m_choice.Count())
        return;
    m_choice.Toggle(row);
    ui->StringGrid1->item(row, 1)->setText(TColumnChoice::MarkText(m_choice.Rows().at(row).Marked));
}

void TxVisibleFrm::StringGrid1RowMoved(int from, int to)
{
    m_choice.Move(from, to);
    Fill(to);
}

void TxVisibleFrm::StringGrid1SelectCell(int row)
{
    UpdateRowButtons(ui->UpBtn1, ui->DownBtn1, row, m_choice.Count());
}

void TxVisibleFrm::UpBtn1Click()
{
    MoveCurrentRow(ui->StringGrid1, -1, m_choice.Count(),
                   [this](int from, int to) { StringGrid1RowMoved(from, to); });
}

void TxVisibleFrm::DownBtn1Click()
{
    MoveCurrentRow(ui->StringGrid1, 1, m_choice.Count(),
                   [this](int from, int to) { StringGrid1RowMoved(from, to); });
}

void TxVisibleFrm::keyPressEvent(QKeyEvent *event)
{
    // The space bar toggles like a click, for those who work from the keyboard.
    if (event->key() == Qt::Key_Space && ui->StringGrid1->hasFocus()) {
        const int row = ui->StringGrid1->currentRow();
        RunAction([this, row] { StringGrid1Click(row); });
        return;
    }
    TaFrm::keyPressEvent(event);
}
