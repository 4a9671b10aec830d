#pragma once
// The grid of the fixed-asset lists: export needs right 10004 and saving the layout right 3 before the
// grid's own checks.

#include "qz_db_grid.h"

class TRovoDBGrid : public TqzDBGrid
{
    Q_OBJECT

public:
    using TqzDBGrid::TqzDBGrid;

    void SaveToExcelClick() override;
    void SaveToHtmlClick() override;
    void SaveLayoutClick() override;
};
