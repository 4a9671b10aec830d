#include "pub_frm.h"

#include "support/action.h"

#include <array>
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {

// A rounded tile in the colour with a white character: the tool bar's pictures.
QIcon GlyphIcon(const QColor &colour, const QString &glyph)
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QRectF tile(0.5, 0.5, side - 1.0, side - 1.0);
        QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
        fill.setColorAt(0, colour.lighter(125));
        fill.setColorAt(1, colour.darker(110));
        p.setPen(QPen(colour.darker(140), 1));
        p.setBrush(fill);
        p.drawRoundedRect(tile, side / 5.0, side / 5.0);
        QFont font = QApplication::font();
        font.setBold(true);
        font.setPixelSize(qRound(side * 0.62));
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(tile, Qt::AlignCenter, glyph);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon StyleIcon(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

QIcon DrawImage(TPubFrm::TImage image)
{
    switch (image) {
    case TPubFrm::imgHelp:
        return GlyphIcon(QColor(0x3a, 0x7b, 0xd5), QStringLiteral("?"));
    case TPubFrm::imgAdd:
        return GlyphIcon(QColor(0x2e, 0x9d, 0x57), QStringLiteral("增"));
    case TPubFrm::imgReduce:
        return GlyphIcon(QColor(0xc8, 0x4b, 0x3c), QStringLiteral("减"));
    case TPubFrm::imgChange:
        return GlyphIcon(QColor(0xd9, 0x8a, 0x1c), QStringLiteral("变"));
    case TPubFrm::imgRepair:
        return GlyphIcon(QColor(0x7a, 0x5c, 0xc2), QStringLiteral("修"));
    case TPubFrm::imgDepreciation:
        return GlyphIcon(QColor(0x1f, 0x8f, 0x9e), QStringLiteral("折"));
    case TPubFrm::imgFind:
        return GlyphIcon(QColor(0x2f, 0x6d, 0xb5), QStringLiteral("查"));
    case TPubFrm::imgPrint:
        return GlyphIcon(QColor(0x4f, 0x5d, 0x73), QStringLiteral("印"));
    case TPubFrm::imgExport:
        return GlyphIcon(QColor(0x3d, 0x8b, 0x3d), QStringLiteral("导"));
    case TPubFrm::imgExit:
        return GlyphIcon(QColor(0x8c, 0x3b, 0x3b), QStringLiteral("退"));
    case TPubFrm::imgBrowseRoot:
        return StyleIcon(QStyle::SP_DriveHDIcon);
    case TPubFrm::imgCategory:
        return StyleIcon(QStyle::SP_DirIcon);
    case TPubFrm::imgLeaf:
        return StyleIcon(QStyle::SP_FileIcon);
    case TPubFrm::ImageCount:
        break;
    }
    return {};
}

} // namespace

TPubFrm::TPubFrm(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("PubFrm"));
    SetErrorHandler([this](const std::exception &error) { ApplicationEvents1Exception(error); });
}

TPubFrm::~TPubFrm()
{
    SetErrorHandler({});
}

QIcon TPubFrm::Image(TImage image)
{
    static std::array<QIcon, ImageCount> images;
    if (image < 0 || image >= ImageCount)
        return {};
    QIcon &icon = images[size_t(image)];
    if (icon.isNull())
        icon = DrawImage(image);
    return icon;
}

QPixmap TPubFrm::Banner(const QSize &size, const QString &title)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF band(QPointF(0, 0), size);
    QLinearGradient sky(band.topLeft(), band.topRight());
    sky.setColorAt(0, QColor(0x12, 0x3d, 0x73));
    sky.setColorAt(0.6, QColor(0x1d, 0x6f, 0xa8));
    sky.setColorAt(1, QColor(0x3a, 0xa6, 0xc8));
    p.fillRect(band, sky);

    // Two soft waves along the bottom.
    const qreal h = band.height();
    const qreal w = band.width();
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath wave;
        const qreal base = h * (0.72 + 0.12 * layer);
        wave.moveTo(0, base);
        for (qreal x = 0; x < w; x += 160) {
            wave.cubicTo(x + 40, base - h * 0.12, x + 120, base + h * 0.12, x + 160, base);
        }
        wave.lineTo(w, h);
        wave.lineTo(0, h);
        wave.closeSubpath();
        p.fillPath(wave, QColor(255, 255, 255, layer == 0 ? 28 : 40));
    }

    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(qMax(12, qRound(h * 0.42)));
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(font);
    const QRectF text = band.adjusted(h * 0.4, 0, -h * 0.4, 0);
    p.setPen(QColor(0, 0, 0, 70));
    p.drawText(text.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(Qt::white);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, title);
    return pixmap;
}

void TPubFrm::ApplicationEvents1Exception(const std::exception &error)
{
    ShowErrorBox(error);
}
