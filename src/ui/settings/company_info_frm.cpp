#include "company_info_frm.h"

#include "ui_company_info_frm.h"

#include "support/edit_rules.h"
#include "support/interaction.h"

#include <QPushButton>

TCompanyInfoFrm::TCompanyInfoFrm(QWidget *parent)
    : TADlgFrm(parent), ui(std::make_unique<Ui::TCompanyInfoFrm>())
{
    SetupUi(*ui);
}

TCompanyInfoFrm::~TCompanyInfoFrm() = default;

QString TCompanyInfoFrm::CompanyName() const
{
    return ui->edtCompanyName1->text();
}

void TCompanyInfoFrm::SetCompanyName(const QString &value)
{
    ui->edtCompanyName1->setText(value);
}

QString TCompanyInfoFrm::Lawman() const
{
    return ui->edtLawman1->text();
}

void TCompanyInfoFrm::SetLawman(const QString &value)
{
    ui->edtLawman1->setText(value);
}

QString TCompanyInfoFrm::Tel() const
{
    return ui->edtTel1->text();
}

void TCompanyInfoFrm::SetTel(const QString &value)
{
    ui->edtTel1->setText(value);
}

QString TCompanyInfoFrm::Fax() const
{
    return ui->edtFax1->text();
}

void TCompanyInfoFrm::SetFax(const QString &value)
{
    ui->edtFax1->setText(value);
}

QString TCompanyInfoFrm::Address() const
{
    return ui->edtAddress1->text();
}

void TCompanyInfoFrm::SetAddress(const QString &value)
{
    ui->edtAddress1->setText(value);
}

QString TCompanyInfoFrm::Zip() const
{
    return ui->edtZip1->text();
}

void TCompanyInfoFrm::SetZip(const QString &value)
{
    ui->edtZip1->setText(value);
}

QString TCompanyInfoFrm::Profile() const
{
    // The box separates lines by LF; the profile keeps the CR LF of the stored text, like every memo.
    return MemoText(ui->memProfile1->toPlainText());
}

void TCompanyInfoFrm::SetProfile(const QString &value)
{
    ui->memProfile1->setPlainText(value);
}

void TCompanyInfoFrm::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    OkBtn1->setEnabled(!readOnly);
}

void TCompanyInfoFrm::FillFrom(const TCompany &company)
{
    SetCompanyName(company.CompanyName);
    SetLawman(company.Manager);
    SetTel(company.Tel);
    SetFax(company.Fax);
    SetAddress(company.Address);
    SetZip(company.Zip);
    SetProfile(company.Profile);
}

bool TCompanyInfoFrm::Execute()
{
    return Interaction().ExecDialog(this) == Accepted;
}

void TCompanyInfoFrm::CopyTo(TCompany &company) const
{
    company.CompanyName = CompanyName();
    company.Manager = Lawman();
    company.Tel = Tel();
    company.Fax = Fax();
    company.Address = Address();
    company.Zip = Zip();
    company.Profile = Profile();
}

bool TCompanyInfoFrm::CanCloseOk()
{
    return !m_readOnly;
}
