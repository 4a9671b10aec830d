#pragma once
// The grid's column chooser ("列选择"): one row per column of the grid; OK shows the marked columns, hides
// the others and puts them in the rows' order. The layout is saved only by "保存表格样式".

#include "x_visible_frm.h"

class TqzDBGrid;

class TehVisibleFrm : public TxVisibleFrm
{
    Q_OBJECT

public:
    explicit TehVisibleFrm(TqzDBGrid *grid);

    // Called by the grid when the dialog closed with OK.
    void ApplyToGrid();

private:
    TqzDBGrid *m_grid;
};
