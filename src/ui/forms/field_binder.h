#pragma once
// Binds input controls to the fields of a data set's current row: each control shows its field, and what
// is typed is written back into the field as the focus leaves the control or Enter is pressed in it; a
// tick, a picked date or a picked entry is written at once.

#include <memory>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <vector>

class QWidget;
class TDataSet;
class TField;

class TFieldBinder : public QObject
{
    Q_OBJECT

public:
    explicit TFieldBinder(QObject *parent = nullptr);
    ~TFieldBinder() override;

    // Binds control to field and shows the field's value in it; a control bound before is bound anew.
    // Controls: a text box (QLineEdit, TqzEdit) for any field, its text converted by the field; a drop-down
    // field (QComboBox, TqzComboBox) for its text; a check box (QCheckBox) for a yes/no field; a date picker
    // (TqzDateTimePicker) for a date, with its check box shown for "no date". Anything else raises
    // Exception. Neither the control nor the field's data set is owned.
    void Bind(QWidget *control, TField *field);
    void Unbind(QWidget *control);
    // The field control is bound to, or null.
    TField *FieldOf(QWidget *control) const;

    // Shows every bound field's value again (the data set's changes do this by themselves).
    void Refresh();

    // Writes every control whose value differs from what its field showed, in binding order: the control
    // still being typed in when a dialog is closed by a key. False when a text did not convert: its
    // message was shown, the focus is back in that control and its field kept the previous value.
    bool UpdateRecord();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TBinding;

    TBinding *Find(const QObject *control) const;
    void Watch(TDataSet *dataSet);
    void Show(TBinding &binding);
    // The control's value for its field: null for an empty box.
    QVariant ControlValue(const TBinding &binding) const;
    bool Changed(const TBinding &binding) const;
    // Writes one control into its field. A row the data set was browsing is posted at once; a row already
    // being edited or inserted stays so, for its owner to post or cancel.
    bool Write(TBinding &binding);
    void WriteFromSignal(QObject *control);

    std::vector<std::unique_ptr<TBinding>> m_bindings;
    std::vector<QPointer<TDataSet>> m_dataSets;
    bool m_showing = false;
    bool m_writing = false;
    bool m_deferRefresh = false;
};
