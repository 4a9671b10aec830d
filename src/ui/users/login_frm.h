#pragma once
// The login dialog "登陆": decides who the current operator is. OK closes only for a known login id with
// its exact password.

#include "forms/a_dlg_frm.h"

#include <memory>
#include <QPixmap>

namespace Ui {
class TLoginFrm;
}

class TLoginFrm : public TADlgFrm
{
    Q_OBJECT

public:
    // Lists the login ids (every operator but sa) and puts the last login id, or "sa", into the box.
    // Throws EDatabaseError when the operators cannot be read.
    explicit TLoginFrm(QWidget *parent = nullptr);
    ~TLoginFrm() override;

    // The picture at the left of the banner.
    static QPixmap BannerPicture();

protected:
    // Logs in with what was typed; a refusal says nothing, selects the whole password and stays open.
    bool CanCloseOk() override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();

    std::unique_ptr<Ui::TLoginFrm> ui;
    bool m_centred = false;
};
