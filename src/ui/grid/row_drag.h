#pragma once
// Lets the rows of a small list be dragged to another place by their row header; the list's owner moves
// its own data and fills the list again.

#include <functional>

class QTableWidget;

void EnableRowDrag(QTableWidget *grid, std::function<void(int from, int to)> moved);
