#pragma once
// Lets the rows of a small list be dragged to another place by their row header; the list's owner moves
// its own data and fills the list again.

#include <functional>

class QPushButton;
class QTableWidget;

void EnableRowDrag(QTableWidget *grid, std::function<void(int from, int to)> moved);

// The up and down buttons beside such a list: enabled when the current row can move that way.
void UpdateRowButtons(QPushButton *up, QPushButton *down, int row, int count);
// The current row of grid moved one place up (step -1) or down (step 1) through moved; nothing at the ends.
void MoveCurrentRow(QTableWidget *grid, int step, int count,
                    const std::function<void(int from, int to)> &moved);
