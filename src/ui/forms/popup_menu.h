#pragma once
// The pop-up menu of the program's grids, and the helper that adds an item to any menu.

#include <QMenu>
#include <QVariant>
#include <functional>

class TqzPopupMenu : public QMenu
{
    Q_OBJECT
public:
    using QMenu::QMenu;
};

// Adds an item with the caption and a click handler that receives data; at the top (position 0) when
// atTop, else at the end. A caption of "-" makes a separator. The handler runs through the action wrapper.
QAction *AddMenuItem(QMenu *menu, const QString &caption, bool atTop,
                     std::function<void(const QVariant &data)> handler = {}, const QVariant &data = QVariant());
