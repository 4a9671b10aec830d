#include "grid_header.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace {
const QChar LevelSeparator = QLatin1Char('|');
}

TqzGridHeader::TqzGridHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

void TqzGridHeader::SetCaptions(const QHash<int, QString> &captions)
{
    m_captions = captions;
    UpdateLevels();
    viewport()->update();
}

QString TqzGridHeader::Caption(int logicalIndex) const
{
    const auto found = m_captions.constFind(logicalIndex);
    if (found != m_captions.constEnd())
        return found.value();
    return model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
}

void TqzGridHeader::SetMarkers(const QHash<int, QPair<TSortMarker, int>> &markers)
{
    m_markers = markers;
    viewport()->update();
}

QStringList TqzGridHeader::Parts(int logicalIndex) const
{
    return Caption(logicalIndex).split(LevelSeparator);
}

void TqzGridHeader::UpdateLevels()
{
    int levels = 1;
    for (int i = 0; i < count(); ++i) {
        if (!isSectionHidden(i))
            levels = std::max(levels, int(Parts(i).size()));
    }
    if (levels != m_levels) {
        m_levels = levels;
        updateGeometry();
    }
}

int TqzGridHeader::LineHeight() const
{
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    return fontMetrics().height() + 2 * margin + 2;
}

int TqzGridHeader::LevelTop(int level, int height) const
{
    return height * level / m_levels;
}

QSize TqzGridHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(LineHeight() * m_levels);
    return size;
}

QSize TqzGridHeader::sectionSizeFromContents(int logicalIndex) const
{
    const QStringList parts = Parts(logicalIndex);
    return QSize(fontMetrics().horizontalAdvance(parts.last()) + 16, LineHeight() * m_levels);
}

QPair<QRect, QString> TqzGridHeader::GroupBand(int logicalIndex, int level) const
{
    const QStringList parts = Parts(logicalIndex);
    if (level >= parts.size() - 1)
        return {};
    const QStringList group = parts.mid(0, level + 1);
    const auto sameGroup = [&](int logical) {
        const QStringList other = Parts(logical);
        return other.size() - 1 > level && other.mid(0, level + 1) == group;
    };
    // Neighbours in shown order that belong to the same group widen the band.
    const int visual = visualIndex(logicalIndex);
    int first = logicalIndex;
    int last = logicalIndex;
    for (int v = visual - 1; v >= 0; --v) {
        const int logical = this->logicalIndex(v);
        if (isSectionHidden(logical))
            continue;
        if (!sameGroup(logical))
            break;
        first = logical;
    }
    for (int v = visual + 1; v < count(); ++v) {
        const int logical = this->logicalIndex(v);
        if (isSectionHidden(logical))
            continue;
        if (!sameGroup(logical))
            break;
        last = logical;
    }
    const int left = sectionViewportPosition(first);
    const int right = sectionViewportPosition(last) + sectionSize(last);
    const int top = LevelTop(level, height());
    const int bottom = LevelTop(level + 1, height());
    return {QRect(left, top, right - left, bottom - top), group.last()};
}

void TqzGridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const QStringList parts = Parts(logicalIndex);
    painter->save();
    painter->setClipRect(rect);

    QStyleOptionHeader option;
    initStyleOption(&option);
    option.section = logicalIndex;
    option.position = QStyleOptionHeader::Middle;
    option.textAlignment = Qt::AlignCenter;
    option.iconAlignment = Qt::AlignVCenter;
    option.orientation = Qt::Horizontal;
    if (isEnabled())
        option.state |= QStyle::State_Enabled;

    // Group bands above the title, each drawn over the whole span and cut to this section.
    for (int level = 0; level < parts.size() - 1; ++level) {
        const auto [band, text] = GroupBand(logicalIndex, level);
        QStyleOptionHeader groupOption = option;
        groupOption.rect = band;
        groupOption.text = text;
        groupOption.sortIndicator = QStyleOptionHeader::None;
        style()->drawControl(QStyle::CE_Header, &groupOption, painter, this);
    }

    // The title itself fills the levels below its groups.
    QStyleOptionHeader titleOption = option;
    const int top = rect.top() + LevelTop(int(parts.size()) - 1, rect.height());
    titleOption.rect = QRect(rect.left(), top, rect.width(), rect.bottom() - top + 1);
    titleOption.text = parts.last();
    const auto marker = m_markers.value(logicalIndex, {TSortMarker::None, -1});
    if (marker.first == TSortMarker::Ascending)
        titleOption.sortIndicator = QStyleOptionHeader::SortUp;
    else if (marker.first == TSortMarker::Descending)
        titleOption.sortIndicator = QStyleOptionHeader::SortDown;
    style()->drawControl(QStyle::CE_Header, &titleOption, painter, this);
    // With several marked columns a small number tells the priority.
    if (marker.first != TSortMarker::None && m_markers.size() > 1) {
        QFont small = painter->font();
        small.setPointSizeF(small.pointSizeF() * 0.75);
        painter->setFont(small);
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawText(titleOption.rect.adjusted(2, 1, -2, -1), Qt::AlignLeft | Qt::AlignTop,
                          QString::number(marker.second + 1));
    }
    painter->restore();
}
