#include "splash_frm.h"

#include "app/globals.h"
#include "support/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

TSplashFrm::TSplashFrm(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashFrm"));

    imgSplash1 = new QLabel(this);
    imgSplash1->setObjectName(QStringLiteral("imgSplash1"));
    imgSplash1->setPixmap(SplashPicture());

    lblStatus1 = new QLabel(QStringLiteral("正在创建数据连接..."), this);
    lblStatus1->setObjectName(QStringLiteral("lblStatus1"));
    lblStatus1->setContentsMargins(10, 4, 10, 4);
    lblStatus1->setAutoFillBackground(true);
    QPalette statusPalette = lblStatus1->palette();
    statusPalette.setColor(QPalette::Window, QColor(0xe8, 0xef, 0xf8));
    statusPalette.setColor(QPalette::WindowText, QColor(0x1b, 0x3a, 0x6b));
    lblStatus1->setPalette(statusPalette);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(imgSplash1);
    layout->addWidget(lblStatus1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A thin frame around the borderless window.
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, QColor(0x0b, 0x3d, 0x91));
    setPalette(framePalette);
    setAutoFillBackground(true);

    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSplashFrm::ShowStatus(const QString &text)
{
    lblStatus1->setText(text.isEmpty() ? lblStatus1->text() + QStringLiteral(".") : text);
    // The event loop is not running yet, so the line is painted here and now.
    lblStatus1->repaint();
    QCoreApplication::processEvents();
}

QString TSplashFrm::Status() const
{
    return lblStatus1->text();
}

QPixmap TSplashFrm::SplashPicture()
{
    const QString file = QDir(AppPaths::ProgramDir()).filePath(QStringLiteral("splash.jpg"));
    if (QFileInfo::exists(file)) {
        const QPixmap picture(file);
        if (!picture.isNull())
            return picture;
    }
    return BuiltInPicture();
}

QPixmap TSplashFrm::BuiltInPicture()
{
    const int width = 480;
    const int height = 280;
    QPixmap picture(width, height);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, width, height);
    background.setColorAt(0, QColor(0x0b, 0x3d, 0x91));
    background.setColorAt(1, QColor(0x2f, 0x80, 0xd1));
    painter.fillRect(picture.rect(), background);

    // A rising column chart in the right half: the register grows, the book value is kept.
    painter.setPen(Qt::NoPen);
    const int barWidth = 26;
    const int heights[] = {54, 78, 66, 102, 124, 150};
    for (int i = 0; i < 6; ++i) {
        const int x = 276 + i * (barWidth + 8);
        painter.setBrush(QColor(255, 255, 255, 40 + i * 14));
        painter.drawRoundedRect(QRectF(x, 214 - heights[i], barWidth, heights[i]), 3, 3);
    }
    QPainterPath trend;
    trend.moveTo(270, 170);
    trend.cubicTo(330, 160, 380, 110, 470, 52);
    painter.setPen(QPen(QColor(255, 255, 255, 170), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trend);

    // A white band carries the version at the foot of the picture.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(0, 228, width, 52);

    QFont title = painter.font();
    title.setPixelSize(28);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(28, 60, width - 56, 44), Qt::AlignLeft | Qt::AlignVCenter, AppTitle);

    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawLine(30, 112, 210, 112);

    QFont small = painter.font();
    small.setPixelSize(13);
    small.setBold(false);
    painter.setFont(small);
    painter.setPen(QColor(0x0b, 0x3d, 0x91));
    painter.drawText(QRect(28, 228, width - 56, 52), Qt::AlignLeft | Qt::AlignVCenter, AppVersion);
    painter.setPen(QColor(0x5a, 0x6b, 0x85));
    painter.drawText(QRect(28, 228, width - 56, 52), Qt::AlignRight | Qt::AlignVCenter, ProductCode);
    painter.end();
    return picture;
}
