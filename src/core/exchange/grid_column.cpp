#include "grid_column.h"

#include "data/dataset.h"

namespace {
// Room for the cell's margins beside the text, as the grids have always had it.
constexpr int CellMargin = 4;
// A long text field (a remark of 255 characters) would push every other column off the screen.
constexpr int MaxDefaultChars = 18;
} // namespace

TGridColumns DefaultGridColumns(const TDataSet *dataSet, int charWidth)
{
    TGridColumns columns;
    if (!dataSet)
        return columns;
    for (int i = 0; i < dataSet->FieldCount(); ++i) {
        const TField *field = dataSet->Field(i);
        if (!field->Visible())
            continue;
        TGridColumn column;
        column.FieldName = field->FieldName();
        column.Caption = field->DisplayLabel();
        column.Width = std::min(field->DisplayWidth(), MaxDefaultChars) * charWidth + CellMargin;
        column.TitleButton = field->FieldKind() != TFieldKind::Calculated;
        columns.append(column);
    }
    return columns;
}

int FindGridColumn(const TGridColumns &columns, const QString &fieldName)
{
    for (qsizetype i = columns.size() - 1; i >= 0; --i) {
        if (columns.at(i).FieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

TGridColumns VisibleGridColumns(const TGridColumns &columns)
{
    TGridColumns visible;
    for (const TGridColumn &column : columns) {
        if (column.Visible)
            visible.append(column);
    }
    return visible;
}
