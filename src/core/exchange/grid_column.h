#pragma once
// What a grid column is to the rules that do not need the widget: the field it shows, its title, whether
// it is shown, its width in pixels and whether its title sorts.

#include <QList>
#include <QString>

class TDataSet;

struct TGridColumn
{
    QString FieldName;
    QString Caption;
    bool Visible = true;
    int Width = 64;
    // Clicking the title sorts by the column (not for calculated fields).
    bool TitleButton = true;
};
using TGridColumns = QList<TGridColumn>;

// One column per field whose visible flag is set, in field order: title = display label, width = the
// field's display width in characters (at most 40) times charWidth plus a small margin.
TGridColumns DefaultGridColumns(const TDataSet *dataSet, int charWidth);
// The position of the last column showing the field, -1 when there is none.
int FindGridColumn(const TGridColumns &columns, const QString &fieldName);
// The visible columns, in grid order.
TGridColumns VisibleGridColumns(const TGridColumns &columns);
