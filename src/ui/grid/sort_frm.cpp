#include "sort_frm.h"

#include "row_drag.h"
#include "support/action.h"
#include "ui_sort_frm.h"

#include <QHeaderView>

TSortFrm::TSortFrm(QWidget *parent) : TaFrm(parent), ui(std::make_unique<Ui::SortFrm>())
{
    SetupUi(*ui);
    FormCreate();
}

TSortFrm::~TSortFrm() = default;

void TSortFrm::FormCreate()
{
    setModal(true);
    ui->StringGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->StringGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    EnableRowDrag(ui->StringGrid1, [this](int from, int to) { StringGrid1RowMoved(from, to); });
    connect(ui->StringGrid1, &QTableWidget::cellDoubleClicked, this,
            [this] { RunAction([this] { StringGrid1DblClick(); }); });
    connect(ui->StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row) { StringGrid1SelectCell(row); });
    connect(ui->UpBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { UpBtn1Click(); }); });
    connect(ui->DownBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { DownBtn1Click(); }); });
    connect(ui->OkBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn1, &QPushButton::clicked, this, &QDialog::reject);
    Fill(0);
}

void TSortFrm::SetFields(const TDataSet *dataSet, bool includeHidden)
{
    m_choice.SetFields(dataSet, includeHidden);
    Fill(0);
}

void TSortFrm::SetSortString(const QString &text)
{
    m_choice.SetSortString(text);
    Fill(0);
}

void TSortFrm::Fill(int selectRow)
{
    QTableWidget *grid = ui->StringGrid1;
    const QSignalBlocker blocker(grid);
    grid->setRowCount(m_choice.Count());
    for (int row = 0; row < m_choice.Count(); ++row) {
        const TSortChoice::TEntry &entry = m_choice.Entries().at(row);
        grid->setItem(row, 0, new QTableWidgetItem(entry.Label));
        grid->setItem(row, 1, new QTableWidgetItem(TSortChoice::DirectionText(entry.Direction)));
        grid->setVerticalHeaderItem(row, new QTableWidgetItem(QString()));
    }
    const int row = m_choice.Count() == 0 ? -1 : std::clamp(selectRow, 0, m_choice.Count() - 1);
    grid->setCurrentCell(row, row < 0 ? -1 : 0);
    StringGrid1SelectCell(row);
}

void TSortFrm::StringGrid1DblClick()
{
    const int row = ui->StringGrid1->currentRow();
    if (row < 0)
        return;
    m_choice.Step(row);
    Fill(row);
}

void TSortFrm::StringGrid1RowMoved(int from, int to)
{
    m_choice.Move(from, to);
    Fill(to);
}

void TSortFrm::StringGrid1SelectCell(int row)
{
    UpdateRowButtons(ui->UpBtn1, ui->DownBtn1, row, m_choice.Count());
}

void TSortFrm::UpBtn1Click()
{
    MoveCurrentRow(ui->StringGrid1, -1, m_choice.Count(),
                   [this](int from, int to) { StringGrid1RowMoved(from, to); });
}

void TSortFrm::DownBtn1Click()
{
    MoveCurrentRow(ui->StringGrid1, 1, m_choice.Count(),
                   [this](int from, int to) { StringGrid1RowMoved(from, to); });
}
