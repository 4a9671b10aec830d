#include "option_editor_frm.h"

#include "ui_option_editor_frm.h"

#include "settings/options_asset_label_fra.h"
#include "settings/pick_list_fra.h"

#include "settings/option_saving.h"
#include "settings/options.h"
#include "support/action.h"
#include "support/interaction.h"
#include "users/operator.h"
#include "users/rights.h"

TOptionEditorFrm::TOptionEditorFrm(QWidget *parent)
    : TADlgFrm(parent), ui(std::make_unique<Ui::TOptionEditorFrm>())
{
    SetupUi(*ui);
    FormCreate();
}

TOptionEditorFrm::~TOptionEditorFrm() = default;

TOptionsAssetLabelFra *TOptionEditorFrm::LabelFrame() const
{
    return ui->OptionsAssetLabelFra1;
}

TfraPickList *TOptionEditorFrm::PickListFrame() const
{
    return ui->fraPickList1;
}

void TOptionEditorFrm::FormCreate()
{
    connect(ui->tvOption1, &QTreeWidget::currentItemChanged, this, [this] { tvOption1Change(); });
    // The page's own buttons close the dialog like the dialog's.
    connect(ui->fraPickList1, &TfraPickList::SaveRequested, this,
            [this] { RunAction([this] { OkBtn1Click(); }); });
    connect(ui->fraPickList1, &TfraPickList::CancelRequested, this,
            [this] { RunAction([this] { CancelBtn1Click(); }); });
    ui->tvOption1->setCurrentItem(ui->tvOption1->topLevelItem(0));
    tvOption1Change();
}

void TOptionEditorFrm::tvOption1Change()
{
    const int page = ui->tvOption1->indexOfTopLevelItem(ui->tvOption1->currentItem());
    if (page >= 0)
        ui->pgcOption1->setCurrentIndex(page);
}

bool TOptionEditorFrm::CanCloseOk()
{
    SaveOptionEdits(ui->OptionsAssetLabelFra1->Labels(), ui->fraPickList1->Options());
    return true;
}

void ShowOptionEditor(QWidget *parent)
{
    CurrentOperator().CheckRight(Right::Options, true);
    TOptionEditorFrm dialog(parent);
    if (Interaction().ExecDialog(&dialog) != QDialog::Accepted)
        return;
    AnnounceRestart();
}
