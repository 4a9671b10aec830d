#pragma once
// The dialog "更改密码" in which operators change their own password; the check of the current password
// and the saving are TOperator::ChangePassword's.

#include "forms/a_dlg_frm.h"
#include "users/operator.h"

#include <memory>

namespace Ui {
class TPasswordChangerFrm;
}

class TPasswordChangerFrm : public TADlgFrm, public TPasswordPrompt
{
    Q_OBJECT
    Q_PROPERTY(QString UserId READ UserId WRITE SetUserId)
    Q_PROPERTY(QString PrePasswd READ PrePasswd)
    Q_PROPERTY(QString NewPasswd READ NewPasswd)

public:
    explicit TPasswordChangerFrm(QWidget *parent = nullptr);
    ~TPasswordChangerFrm() override;

    QString UserId() const;
    void SetUserId(const QString &loginId) override;
    // Runs the dialog through the interaction layer.
    bool Execute() override;
    QString PrePasswd() const override;
    QString NewPasswd() const override;

protected:
    // The two new-password fields must agree: otherwise says so, empties both and puts the focus on the
    // first of them.
    bool CanCloseOk() override;

private:
    std::unique_ptr<Ui::TPasswordChangerFrm> ui;
};
