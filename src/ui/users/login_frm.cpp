#include "login_frm.h"

#include "ui_login_frm.h"

#include "app/globals.h"
#include "support/action.h"
#include "users/login.h"
#include "users/operator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

TLoginFrm::TLoginFrm(QWidget *parent) : TADlgFrm(parent), ui(std::make_unique<Ui::TLoginFrm>())
{
    SetupUi(*ui);
    // A title without buttons: the dialog ends only through its own buttons or Esc.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowSystemMenuHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FormCreate();
}

TLoginFrm::~TLoginFrm() = default;

void TLoginFrm::FormCreate()
{
    ui->pnlBanner1->setStyleSheet(QStringLiteral(
        "#pnlBanner1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #0b3d91, stop:1 #6f9fd8); }"
        "#lblTitle1 { color: white; background: transparent; }"));
    ui->Image1->setPixmap(BannerPicture());
    QFont titleFont = ui->lblTitle1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    ui->lblTitle1->setFont(titleFont);
    ui->lblTitle1->setText(AppTitle);

    ui->cmbUserId1->addItems(LoginIds());
    const QString last = LastLoginId();
    ui->cmbUserId1->setEditText(last.isEmpty() ? TOperator::SuperUser : last);

    // Enter in the password presses OK.
    ui->edtPasswd1->SetTabOnEnter(false);
    connect(ui->edtPasswd1, &QLineEdit::returnPressed, this, [this] {
        if (OkBtn1->isEnabled())
            OkBtn1->click();
    });
    // The login id is filled in already: the password is what is left to type.
    ui->edtPasswd1->setFocus();
}

bool TLoginFrm::CanCloseOk()
{
    if (TryLogin(ui->cmbUserId1->currentText(), ui->edtPasswd1->text()))
        return true;
    ui->edtPasswd1->setFocus();
    ui->edtPasswd1->selectAll();
    return false;
}

void TLoginFrm::showEvent(QShowEvent *event)
{
    TADlgFrm::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        // Centred on the screen, also when the main window behind it is not shown yet.
        if (const QScreen *shown = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(shown->availableGeometry().center());
            move(frame.topLeft());
        }
    }
}

QPixmap TLoginFrm::BannerPicture()
{
    const int size = 48;
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A key on a light disc: the door to the register.
    QLinearGradient disc(0, 0, size, size);
    disc.setColorAt(0, QColor(0xff, 0xff, 0xff, 235));
    disc.setColorAt(1, QColor(0xc8, 0xdc, 0xf4, 235));
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));

    const QColor key(0x0b, 0x3d, 0x91);
    painter.setBrush(key);
    painter.drawEllipse(QRectF(9, 15, 18, 18));
    painter.setBrush(QColor(0xee, 0xf4, 0xfb));
    painter.drawEllipse(QRectF(14, 20, 8, 8));
    painter.setBrush(key);
    QPainterPath shaft;
    shaft.addRect(QRectF(25, 21.5, 16, 5));
    shaft.addRect(QRectF(33, 26, 3.5, 6));
    shaft.addRect(QRectF(38, 26, 3, 4));
    painter.drawPath(shaft);
    painter.end();
    return picture;
}
