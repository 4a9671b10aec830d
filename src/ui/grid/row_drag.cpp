#include "row_drag.h"

#include "support/action.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

void EnableRowDrag(QTableWidget *grid, std::function<void(int from, int to)> moved)
{
    QHeaderView *rows = grid->verticalHeader();
    rows->setVisible(true);
    rows->setSectionsMovable(true);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    rows->setMinimumWidth(14);
    rows->setMaximumWidth(14);
    QObject::connect(rows, &QHeaderView::sectionMoved, grid, [grid, rows, moved](int, int from, int to) {
        // The header only carries the drag: put it back and let the owner move the row itself.
        {
            const QSignalBlocker blocker(rows);
            rows->moveSection(to, from);
        }
        RunAction([&] { moved(from, to); });
        grid->viewport()->update();
    });
}

void UpdateRowButtons(QPushButton *up, QPushButton *down, int row, int count)
{
    up->setEnabled(row > 0);
    down->setEnabled(row >= 0 && row < count - 1);
}

void MoveCurrentRow(QTableWidget *grid, int step, int count,
                    const std::function<void(int from, int to)> &moved)
{
    const int row = grid->currentRow();
    const int target = row + step;
    if (row >= 0 && target >= 0 && target < count)
        moved(row, target);
}
