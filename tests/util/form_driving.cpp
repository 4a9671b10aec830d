#include "form_driving.h"

#include <QDialog>
#include <QTest>

bool ShowActive(QWidget *form)
{
    if (auto *dialog = qobject_cast<QDialog *>(form))
        dialog->setResult(0);
    form->show();
    return QTest::qWaitForWindowActive(form);
}

void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}
