#pragma once
// The finder "查找": every box edits one condition of the asset manager's condition set directly; the
// caller runs the search when the dialog closes with OK.

#include "forms/a_dlg_frm.h"

#include <memory>

namespace Ui {
class FinderFrm;
}
class QPushButton;
class TAssetWhere;
class TFieldBinder;

class TFinderFrm : public TADlgFrm
{
    Q_OBJECT

public:
    // Takes the custom field captions current now and fills the drop-down fields from the pick lists.
    explicit TFinderFrm(QWidget *parent = nullptr);
    ~TFinderFrm() override;

    // Binds every box to its field of where (not owned; it outlives the dialog), showing the conditions
    // already in force. The conditions without a box (the scope, the way of acquisition, depreciating
    // assets only) stay as they are.
    void SetWhere(TAssetWhere *where);

protected:
    void FormCreate();
    // "重置": every condition cleared, those without a box too.
    void ResetBtn1Click();
    // A box still being typed in when OK is pressed by a key is written first; a text that does not
    // convert keeps the dialog open.
    bool CanCloseOk() override;

    QPushButton *ResetBtn1;

private:
    std::unique_ptr<Ui::FinderFrm> ui;
    TFieldBinder *m_binder;
    TAssetWhere *m_where = nullptr;
};
