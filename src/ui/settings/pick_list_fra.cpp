#include "pick_list_fra.h"

#include "ui_pick_list_fra.h"

#include "settings/option_saving.h"
#include "settings/options.h"
#include "support/action.h"

#include <QEvent>

TfraPickList::TfraPickList(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TfraPickList>()), m_options(std::make_unique<TRovoOptions>())
{
    ui->setupUi(this);
    ui->memList1->installEventFilter(this);
    ui->lstListName1->setCurrentRow(0);
    // A table that cannot give the first list fails the opening with the data access error.
    ShowList();
    connect(ui->lstListName1, &QListWidget::currentRowChanged, this,
            [this] { RunAction([this] { lstListName1Change(); }); });
    connect(ui->btnSave1, &QPushButton::clicked, this, &TfraPickList::SaveRequested);
    connect(ui->btnCancel1, &QPushButton::clicked, this, &TfraPickList::CancelRequested);
}

TfraPickList::~TfraPickList() = default;

TRovoOptions &TfraPickList::Options()
{
    // A shortcut ("保存(&S)" by Alt+S) presses OK while the text box keeps the focus, so it never lost it.
    StoreList();
    return *m_options;
}

void TfraPickList::ShowList()
{
    // Until the list is read the box belongs to no list, so nothing typed can land in the wrong one.
    m_shownPosition = -1;
    ui->memList1->clear();
    ui->memList1->setReadOnly(true);
    const int position = ui->lstListName1->currentRow();
    if (position < 0)
        return;
    const QString list = m_options->List(position);
    ui->memList1->setPlainText(list);
    ui->memList1->document()->setModified(false);
    ui->memList1->setReadOnly(false);
    m_shownPosition = position;
}

void TfraPickList::StoreList()
{
    // Only an edited box is stored, so a list nobody touched keeps its text exactly.
    if (m_shownPosition < 0 || !ui->memList1->document()->isModified())
        return;
    m_options->SetList(m_shownPosition, PickListText(ui->memList1->toPlainText()));
    ui->memList1->document()->setModified(false);
}

void TfraPickList::lstListName1Change()
{
    // The box still holds the list chosen before: it goes into that list before the new one replaces it, also
    // when the choice changed without the box losing the focus.
    StoreList();
    ShowList();
}

bool TfraPickList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->memList1 && event->type() == QEvent::FocusOut)
        RunAction([this] { StoreList(); });
    return QWidget::eventFilter(watched, event);
}
