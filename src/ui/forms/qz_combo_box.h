#pragma once
// The program's drop-down field: free text with a pick list, no automatic completion, highlighted while it
// has the focus, and Enter moves to the next field.

#include <QComboBox>

class TqzComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TqzComboBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void SetBackground(const QColor &color);
    // Turning the box editable again (a Designer form does) brings a completer back.
    void DropCompleter();
};
