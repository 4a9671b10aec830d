#pragma once
// The texts an export writes: the titles of the visible columns and, row by row, each column's plain
// field value (not its display format).

#include "grid_column.h"

#include <functional>
#include <QStringList>

struct TExportTable
{
    QStringList Captions;
    QList<int> Widths; // pixels, for writers that size their columns
    QList<QStringList> Rows;
};

// Visits every row of an open data set from the first to the last with display updates suspended; the
// current row and the display are restored afterwards, also when visit throws.
void ForEachRow(TDataSet *dataSet, const std::function<void()> &visit);

// The visible columns' titles and, when the data set is open, the rows' plain values.
TExportTable ReadExportTable(TDataSet *dataSet, const TGridColumns &columns);
