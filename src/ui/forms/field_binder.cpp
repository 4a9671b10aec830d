#include "field_binder.h"

#include "data/dataset.h"
#include "data/field.h"
#include "focus_mover.h"
#include "qz_date_time_picker.h"
#include "support/action.h"
#include "support/errors.h"
#include "support/messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

enum class TControlKind
{
    Text,
    Combo,
    Check,
    Date
};

bool IsTextField(const TField *field)
{
    return field->DataType() == TFieldType::String || field->DataType() == TFieldType::Memo;
}

// The picker's value as its field takes it: with the time of day only when the picker shows one.
QVariant PickerValue(const TqzDateTimePicker *picker)
{
    const bool showsTime = picker->displayedSections() & QDateTimeEdit::TimeSections_Mask;
    return showsTime ? picker->AsDateTime() : picker->AsDate();
}

} // namespace

struct TFieldBinder::TBinding
{
    QPointer<QWidget> Control;
    TControlKind Kind = TControlKind::Text;
    TField *Field = nullptr;
    QPointer<TDataSet> DataSet;
    // What the control held after it last showed its field: a text, a tick or a date.
    QVariant Shown;
    QList<QMetaObject::Connection> Connections;

    QVariant Raw() const
    {
        switch (Kind) {
        case TControlKind::Text:
            return static_cast<QLineEdit *>(Control.data())->text();
        case TControlKind::Combo:
            return static_cast<QComboBox *>(Control.data())->currentText();
        case TControlKind::Check:
            return static_cast<QCheckBox *>(Control.data())->isChecked();
        case TControlKind::Date:
            return PickerValue(static_cast<TqzDateTimePicker *>(Control.data()));
        }
        return {};
    }
};

TFieldBinder::TFieldBinder(QObject *parent) : QObject(parent) {}

TFieldBinder::~TFieldBinder()
{
    for (const auto &binding : m_bindings) {
        if (binding->Control)
            binding->Control->removeEventFilter(this);
    }
}

void TFieldBinder::Bind(QWidget *control, TField *field)
{
    if (!control)
        return;
    Unbind(control);
    if (!field)
        return;
    if (!field->DataSet())
        throw Exception(QStringLiteral("字段 %1 不属于任何数据集").arg(field->FieldName()));

    auto binding = std::make_unique<TBinding>();
    binding->Control = control;
    binding->Field = field;
    binding->DataSet = field->DataSet();
    QList<QMetaObject::Connection> &links = binding->Connections;
    if (auto *picker = qobject_cast<TqzDateTimePicker *>(control)) {
        binding->Kind = TControlKind::Date;
        links << connect(picker, &TqzDateTimePicker::CheckedChanged, this,
                         [this, picker] { WriteFromSignal(picker); });
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        binding->Kind = TControlKind::Check;
        links << connect(check, &QCheckBox::toggled, this, [this, check] { WriteFromSignal(check); });
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        binding->Kind = TControlKind::Combo;
        // Picking an entry from the list is a finished choice.
        links << connect(combo, &QComboBox::activated, this, [this, combo] { WriteFromSignal(combo); });
        if (combo->lineEdit() && field->DataType() == TFieldType::String && field->Size() > 0)
            combo->lineEdit()->setMaxLength(field->Size());
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        binding->Kind = TControlKind::Text;
        if (field->DataType() == TFieldType::String && field->Size() > 0)
            edit->setMaxLength(field->Size());
    } else {
        throw Exception(QStringLiteral("控件 %1 不能绑定到字段").arg(control->objectName()));
    }
    control->installEventFilter(this);
    Watch(field->DataSet());
    m_bindings.push_back(std::move(binding));
    Show(*m_bindings.back());
}

void TFieldBinder::Unbind(QWidget *control)
{
    for (auto it = m_bindings.begin(); it != m_bindings.end(); ++it) {
        if ((*it)->Control != control)
            continue;
        for (const QMetaObject::Connection &link : std::as_const((*it)->Connections))
            disconnect(link);
        control->removeEventFilter(this);
        m_bindings.erase(it);
        return;
    }
}

TField *TFieldBinder::FieldOf(QWidget *control) const
{
    const TBinding *binding = Find(control);
    return binding && binding->DataSet ? binding->Field : nullptr;
}

TFieldBinder::TBinding *TFieldBinder::Find(const QObject *control) const
{
    for (const auto &binding : m_bindings) {
        if (binding->Control && binding->Control == control)
            return binding.get();
    }
    return nullptr;
}

void TFieldBinder::Watch(TDataSet *dataSet)
{
    for (const QPointer<TDataSet> &watched : std::as_const(m_dataSets)) {
        if (watched == dataSet)
            return;
    }
    m_dataSets.emplace_back(dataSet);
    // Whatever changes the row (a move, a load, a post, a cancel, a reset of the conditions) shows anew.
    connect(dataSet, &TDataSet::DataReset, this, &TFieldBinder::Refresh);
    connect(dataSet, &TDataSet::CurrentChanged, this, &TFieldBinder::Refresh);
    connect(dataSet, &TDataSet::RowChanged, this, &TFieldBinder::Refresh);
    connect(dataSet, &TDataSet::RowInserted, this, &TFieldBinder::Refresh);
    connect(dataSet, &TDataSet::RowRemoved, this, &TFieldBinder::Refresh);
}

void TFieldBinder::Refresh()
{
    // While a control is being written its own text stays as typed; the write shows everything after.
    if (m_writing)
        return;
    for (const auto &binding : m_bindings)
        Show(*binding);
}

void TFieldBinder::Show(TBinding &binding)
{
    if (!binding.Control)
        return;
    const bool hasRow = binding.DataSet && binding.DataSet->Active();
    const QScopedValueRollback<bool> showing(m_showing, true);
    switch (binding.Kind) {
    case TControlKind::Text: {
        auto *edit = static_cast<QLineEdit *>(binding.Control.data());
        const QString text = hasRow ? binding.Field->AsString() : QString();
        if (edit->text() != text)
            edit->setText(text);
        break;
    }
    case TControlKind::Combo: {
        auto *combo = static_cast<QComboBox *>(binding.Control.data());
        const QString text = hasRow ? binding.Field->AsString() : QString();
        if (combo->currentText() != text)
            combo->setCurrentText(text);
        break;
    }
    case TControlKind::Check: {
        bool checked = false;
        try {
            checked = hasRow && binding.Field->AsBoolean();
        } catch (const EConvertError &) {
            // a value that is no yes/no shows unticked
        }
        static_cast<QCheckBox *>(binding.Control.data())->setChecked(checked);
        break;
    }
    case TControlKind::Date: {
        auto *picker = static_cast<TqzDateTimePicker *>(binding.Control.data());
        try {
            picker->SetAsDateTime(hasRow ? binding.Field->Value() : QVariant());
        } catch (const EConvertError &) {
            picker->SetAsDateTime(QVariant()); // a value that is no date shows as none
        }
        break;
    }
    }
    binding.Shown = binding.Raw();
}

QVariant TFieldBinder::ControlValue(const TBinding &binding) const
{
    const QVariant raw = binding.Raw();
    if (binding.Kind == TControlKind::Text || binding.Kind == TControlKind::Combo) {
        const QString text = raw.toString();
        // An empty box is no value; so is a blank one, except in a text field where blanks are text.
        if (text.isEmpty() || (text.trimmed().isEmpty() && !IsTextField(binding.Field)))
            return {};
        return text;
    }
    return raw;
}

bool TFieldBinder::Changed(const TBinding &binding) const
{
    return binding.Control && binding.DataSet && binding.Raw() != binding.Shown;
}

bool TFieldBinder::Write(TBinding &binding)
{
    if (m_writing || m_showing || !Changed(binding))
        return true;
    TDataSet *dataSet = binding.DataSet;
    {
        const QScopedValueRollback<bool> writing(m_writing, true);
        bool written = false;
        try {
            // Converted first: a text that does not convert leaves the row as it was.
            const QVariant value = binding.Field->Coerce(ControlValue(binding));
            const bool browsing = dataSet->State() == TDataSetState::Browse;
            dataSet->Edit();
            try {
                binding.Field->SetValue(value);
                if (browsing)
                    dataSet->Post();
            } catch (...) {
                if (browsing)
                    dataSet->Cancel();
                throw;
            }
            written = true;
        } catch (const EAbort &) {
        } catch (const Exception &error) {
            ShowInfo(error.Message());
        } catch (const std::exception &error) {
            HandleError(error);
        }
        if (!written) {
            // The focus stays with the text to mend.
            if (QWidget *control = binding.Control; control && QApplication::focusWidget() != control) {
                control->setFocus(Qt::OtherFocusReason);
                if (auto *edit = qobject_cast<QLineEdit *>(control))
                    edit->selectAll();
                else if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
                    combo->lineEdit()->selectAll();
            }
            return false;
        }
        binding.Shown = binding.Raw();
    }
    if (!m_deferRefresh && !dataSet->ControlsDisabled())
        Refresh();
    return true;
}

void TFieldBinder::WriteFromSignal(QObject *control)
{
    if (TBinding *binding = Find(control))
        Write(*binding);
}

bool TFieldBinder::UpdateRecord()
{
    bool written = true;
    {
        const QScopedValueRollback<bool> deferring(m_deferRefresh, true);
        for (const auto &binding : m_bindings) {
            if (!Write(*binding)) {
                written = false;
                break;
            }
        }
    }
    // Shown after all the writes, so that showing one written field does not overwrite a text still waiting
    // in another control: the refused text and those after it stay as typed.
    for (const auto &binding : m_bindings) {
        if (!Changed(*binding))
            Show(*binding);
    }
    return written;
}

bool TFieldBinder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && IsFocusMoveKey(static_cast<QKeyEvent *>(event))) {
        // Enter finishes the entry: a text that does not convert keeps the key from moving the focus on.
        if (TBinding *binding = Find(watched); binding && !Write(*binding))
            return true;
    } else if (event->type() == QEvent::FocusOut) {
        // An opened pick list, menu or other window borrows the keyboard for a while: no leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::MenuBarFocusReason) {
            if (TBinding *binding = Find(watched); binding && !Write(*binding)) {
                // The focus went back into the box: it never left, as far as the box knows.
                return QApplication::focusWidget() == binding->Control;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
