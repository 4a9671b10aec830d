#pragma once
// The title row of the application grid: titles with several levels ("折旧|1月" shows "1月" under a
// band "折旧" that spans the neighbouring columns of the same group) and a sort marker per column.

#include "exchange/grid_sort_marks.h"

#include <QHash>
#include <QHeaderView>

class TqzGridHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit TqzGridHeader(QWidget *parent = nullptr);

    // The title of each section (by model column); sections without one show the model's title.
    void SetCaptions(const QHash<int, QString> &captions);
    QString Caption(int logicalIndex) const;
    // The sort marker of each marked section and its place in the marking order.
    void SetMarkers(const QHash<int, QPair<TSortMarker, int>> &markers);
    // Title levels: 1 + the largest number of "|" in a shown title.
    int Levels() const { return m_levels; }
    // The band of a section's title at a level: the rectangle (in header coordinates) that the group
    // spans, and its text; empty text when the section's title has no group at that level.
    QPair<QRect, QString> GroupBand(int logicalIndex, int level) const;

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    QStringList Parts(int logicalIndex) const;
    int LineHeight() const;
    int LevelTop(int level, int height) const;
    void UpdateLevels();

    QHash<int, QString> m_captions;
    QHash<int, QPair<TSortMarker, int>> m_markers;
    int m_levels = 1;
};
