#include "a_frm.h"

#include "support/action.h"
#include "support/help_request.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>

TaFrm::TaFrm(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    // Watching the whole application lets the window see a key before whichever control has the focus,
    // also controls added after this constructor ran; the filter goes away with the window.
    qApp->installEventFilter(this);
}

void TaFrm::ShowHelp(const QString &topic)
{
    ShowHelpTopic(topic.isEmpty() ? HelpTopicOf(objectName()) : topic);
}

bool TaFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier &&
            static_cast<QWidget *>(watched)->window() == this) {
            RunAction([this] { ShowHelp(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TaFrm::AdoptClientArea()
{
    QWidget *client = ClientArea();
    if (client == this)
        return;
    // The Designer form named and sized its root, which is the client area here: those belong to the window.
    const QSize wanted = client->size();
    if (objectName().isEmpty())
        setObjectName(client->objectName());
    client->setObjectName(QStringLiteral("ClientArea1"));
    if (windowTitle().isEmpty())
        setWindowTitle(client->windowTitle());
    if (QLayout *frame = layout()) {
        const QMargins margins = frame->contentsMargins();
        const int width = wanted.width() + margins.left() + margins.right();
        const int height = wanted.height() + frame->sizeHint().height() - client->sizeHint().height();
        resize(QSize(width, height).expandedTo(frame->minimumSize()));
    }
}
