#include "rovo_db_grid.h"

#include "users/operator.h"
#include "users/rights.h"

void TRovoDBGrid::SaveToExcelClick()
{
    if (!CurrentOperator().CheckRight(Right::Export, false))
        return;
    TqzDBGrid::SaveToExcelClick();
}

void TRovoDBGrid::SaveToHtmlClick()
{
    if (!CurrentOperator().CheckRight(Right::Export, false))
        return;
    TqzDBGrid::SaveToHtmlClick();
}

void TRovoDBGrid::SaveLayoutClick()
{
    if (!CurrentOperator().CheckRight(Right::FixedAssetColumnLayout, false))
        return;
    TqzDBGrid::SaveLayoutClick();
}
