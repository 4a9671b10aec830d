#include "db_config_frm.h"

#include "ui_db_config_frm.h"

#include "app/db_configer.h"
#include "forms/focus_mover.h"
#include "support/action.h"
#include "support/errors.h"
#include "support/interaction.h"

#include <QStyle>

TDBConfigFrm::TDBConfigFrm(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::TDBConfigFrm>())
{
    ui->setupUi(this);
    connect(ui->cmbProvider1, &QComboBox::currentIndexChanged, this, &TDBConfigFrm::cmbProvider1Change);
    // Like the check box's click event, the rule follows every change of the mark, also one made in code.
    connect(ui->chkDefault1, &QCheckBox::toggled, this, &TDBConfigFrm::chkDefault1Click);
    connect(ui->btnBrowse1, &QPushButton::clicked, this,
            [this] { RunAction([this] { btnBrowse1Click(); }); });
    connect(ui->OkBtn1, &QPushButton::clicked, this, &TDBConfigFrm::OkBtn1Click);
    connect(ui->CancelBtn1, &QPushButton::clicked, this, &TDBConfigFrm::reject);
    FormCreate();
}

TDBConfigFrm::~TDBConfigFrm() = default;

void TDBConfigFrm::FormCreate()
{
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    ui->Image1->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));

    // Enter moves to the next field, Shift+Enter back; the form sees the key before its controls do.
    TEnterFocusMover::Install(this);

    m_configer = std::make_unique<TDBConfiger>();
    const TDBConfiger &cfg = *m_configer;
    ui->edtServer1->setText(cfg.mssqlServer);
    ui->edtPort1->setText(QString::number(cfg.mssqlPort));
    ui->edtDb1->setText(cfg.mssqlDb);
    ui->edtUser1->setText(cfg.mssqlUser);
    ui->edtPassword1->setText(cfg.mssqlPw);
    ui->chkSmart1->setChecked(false);
    ui->chkDefault1->setChecked(cfg.defaultCon);
    ui->edtJetFile1->setText(cfg.jetfile);
    ui->edtJetUser1->setText(cfg.jetUser);
    ui->edtJetPassword1->setText(cfg.jetPw);
    ui->edtDipUrl1->setText(cfg.dipUrl);
    ui->edtDipUser1->setText(cfg.dipUser);
    chkDefault1Click();
    ui->cmbProvider1->setCurrentIndex(cfg.providerIdx);
    cmbProvider1Change(ui->cmbProvider1->currentIndex());
}

QString TDBConfigFrm::ConnectionString()
{
    return m_configer->GetConnectionString();
}

void TDBConfigFrm::cmbProvider1Change(int index)
{
    if (index >= 0)
        ui->stkParams1->setCurrentIndex(index);
}

void TDBConfigFrm::chkDefault1Click()
{
    // The built-in connection needs no file, user or password: those fields rest in the button-face colour.
    const bool own = !ui->chkDefault1->isChecked();
    const QColor color = palette().color(own ? QPalette::Base : QPalette::Button);
    for (QLineEdit *edit : {ui->edtJetFile1, ui->edtJetUser1, ui->edtJetPassword1}) {
        edit->setEnabled(own);
        QPalette editPalette = edit->palette();
        editPalette.setColor(QPalette::Base, color);
        edit->setPalette(editPalette);
    }
    ui->btnBrowse1->setEnabled(own);
}

void TDBConfigFrm::btnBrowse1Click()
{
    const QString file = Interaction().OpenFileName(QStringLiteral("打开"), ui->edtJetFile1->text(),
                                                    QStringLiteral("所有文件 (*)"));
    if (!file.isEmpty())
        ui->edtJetFile1->setText(file);
}

void TDBConfigFrm::OkBtn1Click()
{
    // A port that does not convert shows the conversion error and saves nothing; the dialog still closes with
    // OK, so the next attempt uses the settings last saved.
    RunAction([this] { SaveFields(); });
    accept();
}

void TDBConfigFrm::SaveFields()
{
    bool isNumber = false;
    const int port = ui->edtPort1->text().toInt(&isNumber);
    if (!isNumber)
        throw EConvertError(QStringLiteral("\"%1\" 不是有效的整数.").arg(ui->edtPort1->text()));

    TDBConfiger &cfg = *m_configer;
    cfg.providerIdx = ui->cmbProvider1->currentIndex();
    cfg.mssqlServer = ui->edtServer1->text();
    cfg.mssqlPort = port;
    cfg.mssqlDb = ui->edtDb1->text();
    cfg.mssqlUser = ui->edtUser1->text();
    cfg.mssqlPw = ui->edtPassword1->text();
    cfg.SmartConnection = ui->chkSmart1->isChecked();
    cfg.defaultCon = ui->chkDefault1->isChecked();
    cfg.jetfile = ui->edtJetFile1->text();
    cfg.jetUser = ui->edtJetUser1->text();
    cfg.jetPw = ui->edtJetPassword1->text();
    cfg.dipUrl = ui->edtDipUrl1->text();
    cfg.dipUser = ui->edtDipUser1->text();
    cfg.SaveSettings();
}
