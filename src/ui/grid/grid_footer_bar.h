#pragma once
// The footer row under the application grid: one cell per shown column, lined up with the title row
// (widths, order and horizontal scrolling), showing the column's sum where one was asked for.

#include <QHash>
#include <QWidget>

class QHeaderView;

class TqzGridFooter : public QWidget
{
    Q_OBJECT
public:
    // header: the grid's title row, whose sections the cells follow.
    explicit TqzGridFooter(QHeaderView *header, QWidget *parent = nullptr);

    // The text of each section's cell (by model column) and its alignment.
    void SetTexts(const QHash<int, QString> &texts, const QHash<int, Qt::Alignment> &alignments);
    QString Text(int logicalIndex) const { return m_texts.value(logicalIndex); }
    // Where a section's cell is drawn, in the footer's coordinates; empty when the section is hidden.
    QRect CellRect(int logicalIndex) const;
    // Room left of the first cell (the grid's row header).
    void SetLeadWidth(int width);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QHeaderView *m_header;
    QHash<int, QString> m_texts;
    QHash<int, Qt::Alignment> m_alignments;
    int m_leadWidth = 0;
};
