#pragma once
// The dialog "公司信息": the organisation's name, representative, telephone, fax, address, postal code and
// profile. Saving is TCompany::EditCompany's; a read-only view (from the about box) has OK disabled.

#include "forms/a_dlg_frm.h"
#include "settings/company.h"

#include <memory>

namespace Ui {
class TCompanyInfoFrm;
}

class TCompanyInfoFrm : public TADlgFrm, public TCompanyPrompt
{
    Q_OBJECT
    Q_PROPERTY(QString CompanyName READ CompanyName WRITE SetCompanyName)
    Q_PROPERTY(QString Lawman READ Lawman WRITE SetLawman)
    Q_PROPERTY(QString Tel READ Tel WRITE SetTel)
    Q_PROPERTY(QString Fax READ Fax WRITE SetFax)
    Q_PROPERTY(QString Address READ Address WRITE SetAddress)
    Q_PROPERTY(QString Zip READ Zip WRITE SetZip)
    Q_PROPERTY(QString Profile READ Profile WRITE SetProfile)

public:
    explicit TCompanyInfoFrm(QWidget *parent = nullptr);
    ~TCompanyInfoFrm() override;

    QString CompanyName() const;
    void SetCompanyName(const QString &value);
    QString Lawman() const;
    void SetLawman(const QString &value);
    QString Tel() const;
    void SetTel(const QString &value);
    QString Fax() const;
    void SetFax(const QString &value);
    QString Address() const;
    void SetAddress(const QString &value);
    QString Zip() const;
    void SetZip(const QString &value);
    QString Profile() const;
    void SetProfile(const QString &value);

    void SetReadOnly(bool readOnly) override;
    void FillFrom(const TCompany &company) override;
    // Runs the dialog through the interaction layer.
    bool Execute() override;
    void CopyTo(TCompany &company) const override;

protected:
    // A read-only view never closes with OK, also not through a shortcut.
    bool CanCloseOk() override;

private:
    std::unique_ptr<Ui::TCompanyInfoFrm> ui;
    bool m_readOnly = false;
};
