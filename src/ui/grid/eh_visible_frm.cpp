#include "eh_visible_frm.h"

#include "qz_db_grid.h"

#include <QLabel>
#include <QPushButton>

TehVisibleFrm::TehVisibleFrm(TqzDBGrid *grid) : TxVisibleFrm(grid ? grid->window() : nullptr), m_grid(grid)
{
    setObjectName(QStringLiteral("ehVisibleFrm"));
    Label1()->hide();
    UpBtn1()->hide();
    DownBtn1()->hide();
    if (m_grid)
        SetChoice(TColumnChoice(m_grid->Columns()));
}

void TehVisibleFrm::ApplyToGrid()
{
    if (m_grid)
        m_grid->SetColumns(Choice().Apply(m_grid->Columns()));
}
