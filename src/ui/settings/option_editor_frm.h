#pragma once
// The options dialog "选项": the custom field labels and the nine pick lists; OK stores both and the program
// restarts so every window takes them.

#include "forms/a_dlg_frm.h"

#include <memory>

class TOptionsAssetLabelFra;
class TfraPickList;
namespace Ui {
class TOptionEditorFrm;
}

class TOptionEditorFrm : public TADlgFrm
{
    Q_OBJECT

public:
    // Reads the labels and takes a working copy of the pick lists; throws EDatabaseError when the lists
    // cannot be read.
    explicit TOptionEditorFrm(QWidget *parent = nullptr);
    ~TOptionEditorFrm() override;

    TOptionsAssetLabelFra *LabelFrame() const;
    TfraPickList *PickListFrame() const;

protected:
    // Stores the labels and the lists together; a failing statement shows its message and keeps the dialog
    // open with everything typed (nothing of it stored).
    bool CanCloseOk() override;

private:
    void FormCreate();
    void tvOption1Change();

    std::unique_ptr<Ui::TOptionEditorFrm> ui;
};

// The command "选项...": refuses an operator without right 1 (its message, then the silent abort); otherwise
// runs the dialog and, after OK, announces the restart and restarts the program. Call it inside the action
// wrapper, like every command.
void ShowOptionEditor(QWidget *parent = nullptr);
