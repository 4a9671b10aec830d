#pragma once
// Where grid layouts are kept: table syscols, one row per layout key (F02) with the layout text (F06).

#include <QString>

// The stored layout text of the key; empty when there is none.
QString LoadLayoutText(int layoutId);
// Stores the layout text under the key (updating its row, or inserting the first one); answers whether
// the statement changed one row. Database errors are raised.
bool SaveLayoutText(int layoutId, const QString &text);
