#pragma once
// The column chooser's list: one row per grid column with its title and a mark when shown; rows can be
// toggled and reordered, and the result is the grid's columns with that order and visibility.

#include "grid_column.h"

class TColumnChoice
{
public:
    struct TRow
    {
        int Column = 0; // the column the row stands for, by its place in the grid
        QString Caption;
        bool Marked = false;
    };

    explicit TColumnChoice(const TGridColumns &columns = {});
    const QList<TRow> &Rows() const { return m_rows; }
    int Count() const { return int(m_rows.size()); }

    // A marked row becomes unmarked and any other row marked.
    void Toggle(int row);
    void Move(int from, int to);
    // The columns in the rows' order, each shown exactly when its row is marked.
    TGridColumns Apply(const TGridColumns &columns) const;

    // The mark shown in the second column.
    static QString MarkText(bool marked);

private:
    QList<TRow> m_rows;
};
