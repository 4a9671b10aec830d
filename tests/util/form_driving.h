#pragma once
// Driving a form as a person would: finding its controls by name, showing it active, typing into it.

#include <QObject>
#include <QString>

class QWidget;

// The control of a form by its object name; warns and gives null when there is none.
template <class T = QWidget> T *Child(const QObject *form, const QString &name)
{
    T *child = form->findChild<T *>(name);
    if (!child)
        qWarning("no control %s", qUtf8Printable(name));
    return child;
}
template <class T = QWidget> T *Child(const QObject *form, const char *name)
{
    return Child<T>(form, QString::fromLatin1(name));
}
template <class T = QWidget> T *Child(const QObject &form, const QString &name)
{
    return Child<T>(&form, name);
}

// Shows a form as a modal run would (a dialog's result cleared first) and waits until it has the focus.
bool ShowActive(QWidget *form);
// Types text key by key, each key carrying its character as an input method delivers it; a line break is
// the Enter key.
void TypeText(QWidget *widget, const QString &text);
