#pragma once
// The saved column layout of a grid as text: one line "Field=True80" per column (visibility spelled
// True/False, then the width in pixels), each line ended by CR LF.

#include "grid_column.h"

// The layout text of the columns, in their order.
QString GetLayoutText(const TGridColumns &columns);

// Applies a layout text to columns that hold the list's default columns. Columns without a line keep
// their defaults and lines of fields the list no longer has are ignored. A bad value (a width that is
// not a whole number) ends the application quietly: what was set before it stays, the order is not
// applied. An empty text leaves the defaults.
void ApplyLayoutText(TGridColumns &columns, const QString &text);
