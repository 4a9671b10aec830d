#include "password_changer_frm.h"

#include "ui_password_changer_frm.h"

#include "app/globals.h"
#include "support/interaction.h"

TPasswordChangerFrm::TPasswordChangerFrm(QWidget *parent)
    : TADlgFrm(parent), ui(std::make_unique<Ui::TPasswordChangerFrm>())
{
    SetupUi(*ui);
}

TPasswordChangerFrm::~TPasswordChangerFrm() = default;

QString TPasswordChangerFrm::UserId() const
{
    return ui->edtUserId1->text();
}

void TPasswordChangerFrm::SetUserId(const QString &loginId)
{
    ui->edtUserId1->setText(loginId);
}

bool TPasswordChangerFrm::Execute()
{
    return Interaction().ExecDialog(this) == Accepted;
}

QString TPasswordChangerFrm::PrePasswd() const
{
    return ui->edtPrePasswd1->text();
}

QString TPasswordChangerFrm::NewPasswd() const
{
    return ui->edtNewPasswd1->text();
}

bool TPasswordChangerFrm::CanCloseOk()
{
    if (ui->edtNewPasswd1->text() == ui->edtNewPasswd2->text())
        return true;
    TMessageRequest request;
    request.Kind = TMsgKind::Information;
    request.Caption = AppTitle;
    request.Text = QStringLiteral("两次输入的新密码不一样,请确认并重新输入.");
    Interaction().MessageBox(request);
    ui->edtNewPasswd1->clear();
    ui->edtNewPasswd2->clear();
    ui->edtNewPasswd1->setFocus();
    return false;
}
