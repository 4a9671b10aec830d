#pragma once
// The program's text box: Enter moves to the next field, the focused box is highlighted, number boxes take
// only digits, and typed accessors read an empty box as having no value.

#include "support/edit_rules.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>

class TqzEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QColor ColorOnEnter READ ColorOnEnter WRITE SetColorOnEnter)
    Q_PROPERTY(bool TabOnEnter READ TabOnEnter WRITE SetTabOnEnter)
    Q_PROPERTY(QzEdit::TEditType EditType READ EditType WRITE SetEditType)

public:
    explicit TqzEdit(QWidget *parent = nullptr);

    // Left, right or centre; the text stays centred vertically.
    Qt::Alignment Alignment() const { return alignment() & Qt::AlignHorizontal_Mask; }
    void SetAlignment(Qt::Alignment value);
    // The background while the box has the focus (aqua); the previous colour returns when it leaves.
    QColor ColorOnEnter() const { return m_colorOnEnter; }
    void SetColorOnEnter(const QColor &value) { m_colorOnEnter = value; }
    // Enter moves the focus (Shift+Enter backwards).
    bool TabOnEnter() const { return m_tabOnEnter; }
    void SetTabOnEnter(bool value) { m_tabOnEnter = value; }
    TEditType EditType() const { return m_editType; }
    void SetEditType(TEditType value) { m_editType = value; }

    // Readers raise EConvertError for a text that does not convert; see edit_rules.h.
    double AsDouble() const;
    void SetAsDouble(double value);
    int AsInteger() const;
    void SetAsInteger(int value);
    QVariant AsDate() const;
    void SetAsDate(const QVariant &value);
    QVariant AsVariant() const;
    void SetAsVariant(const QVariant &value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QColor m_colorOnEnter = QColor(0, 255, 255);
    bool m_tabOnEnter = true;
    TEditType m_editType = etFree;
    bool m_highlighted = false;
    QPalette m_paletteBeforeEnter;
};
