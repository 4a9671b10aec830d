#include "grid_footer_bar.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyleOption>

TqzGridFooter::TqzGridFooter(QHeaderView *header, QWidget *parent) : QWidget(parent), m_header(header)
{
    setObjectName(QStringLiteral("Footer1"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    // Cells move with the title row: resized, moved or scrolled sections repaint the footer.
    connect(header, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::sectionMoved, this, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::sectionCountChanged, this, qOverload<>(&QWidget::update));
}

void TqzGridFooter::SetTexts(const QHash<int, QString> &texts, const QHash<int, Qt::Alignment> &alignments)
{
    m_texts = texts;
    m_alignments = alignments;
    update();
}

void TqzGridFooter::SetLeadWidth(int width)
{
    if (m_leadWidth == width)
        return;
    m_leadWidth = width;
    update();
}

QRect TqzGridFooter::CellRect(int logicalIndex) const
{
    if (logicalIndex < 0 || logicalIndex >= m_header->count() || m_header->isSectionHidden(logicalIndex))
        return {};
    const int x = m_leadWidth + m_header->sectionViewportPosition(logicalIndex);
    return QRect(x, 0, m_header->sectionSize(logicalIndex), height());
}

QSize TqzGridFooter::sizeHint() const
{
    return QSize(100, fontMetrics().height() + 8);
}

void TqzGridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor line = palette().color(QPalette::Mid);
    painter.setPen(line);
    painter.drawLine(0, 0, width(), 0);
    painter.setClipRect(QRect(m_leadWidth, 0, width() - m_leadWidth, height()));
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int logical = m_header->logicalIndex(visual);
        const QRect cell = CellRect(logical);
        if (cell.isEmpty() || cell.right() < m_leadWidth || cell.left() > width())
            continue;
        painter.setPen(line);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        const QString text = m_texts.value(logical);
        if (text.isEmpty())
            continue;
        painter.setPen(palette().color(QPalette::ButtonText));
        const Qt::Alignment alignment = m_alignments.value(logical, Qt::AlignLeft | Qt::AlignVCenter);
        painter.drawText(cell.adjusted(3, 1, -4, 0), int(alignment | Qt::AlignVCenter),
                         fontMetrics().elidedText(text, Qt::ElideLeft, cell.width() - 7));
    }
}
