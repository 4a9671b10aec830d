#pragma once
// The connection dialog: edits the [db] settings of cfg.ini after a connection attempt failed.

#include <memory>
#include <QDialog>

class TDBConfiger;
namespace Ui {
class TDBConfigFrm;
}

class TDBConfigFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TDBConfigFrm(QWidget *parent = nullptr);
    ~TDBConfigFrm() override;

    // The connection string of the settings as last saved (provider 2 asks the service each time).
    QString ConnectionString();
    TDBConfiger &Configer() { return *m_configer; }

private:
    void FormCreate();
    void cmbProvider1Change(int index);
    void chkDefault1Click();
    void btnBrowse1Click();
    void OkBtn1Click();
    // Copies the fields into the settings object and saves them; throws EConvertError for a bad port.
    void SaveFields();

    std::unique_ptr<Ui::TDBConfigFrm> ui;
    std::unique_ptr<TDBConfiger> m_configer;
};
