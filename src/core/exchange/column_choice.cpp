#include "column_choice.h"

TColumnChoice::TColumnChoice(const TGridColumns &columns)
{
    for (qsizetype i = 0; i < columns.size(); ++i)
        m_rows.append({int(i), columns.at(i).Caption, columns.at(i).Visible});
}

void TColumnChoice::Toggle(int row)
{
    if (row >= 0 && row < Count())
        m_rows[row].Marked = !m_rows.at(row).Marked;
}

void TColumnChoice::Move(int from, int to)
{
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to)
        return;
    m_rows.move(from, to);
}

TGridColumns TColumnChoice::Apply(const TGridColumns &columns) const
{
    if (columns.size() != m_rows.size())
        return columns; // the grid changed under the chooser: leave it as it is
    TGridColumns result;
    for (const TRow &row : m_rows) {
        TGridColumn column = columns.at(row.Column);
        column.Visible = row.Marked;
        result.append(column);
    }
    return result;
}

QString TColumnChoice::MarkText(bool marked)
{
    return marked ? QStringLiteral("√") : QString();
}
