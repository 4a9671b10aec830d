#include "popup_menu.h"

#include "support/action.h"

QAction *AddMenuItem(QMenu *menu, const QString &caption, bool atTop, std::function<void(const QVariant &)> handler,
                     const QVariant &data)
{
    auto *action = new QAction(caption, menu);
    if (caption == QLatin1String("-"))
        action->setSeparator(true);
    action->setData(data);
    if (handler) {
        QObject::connect(action, &QAction::triggered, action, [action, handler] {
            RunAction([&] { handler(action->data()); });
        });
    }
    const QList<QAction *> actions = menu->actions();
    if (atTop && !actions.isEmpty())
        menu->insertAction(actions.first(), action);
    else
        menu->addAction(action);
    return action;
}
