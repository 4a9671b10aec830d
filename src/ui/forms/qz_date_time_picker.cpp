#include "qz_date_time_picker.h"

#include "app/globals.h"
#include "data/field.h"
#include "focus_mover.h"
#include "support/edit_rules.h"
#include "support/interaction.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

TqzDateTimePicker::TqzDateTimePicker(QWidget *parent) : QDateTimeEdit(parent), m_checkBox(new QCheckBox(this))
{
    // Calendar values of no time zone: no daylight-saving rule shifts a date or drops a midnight.
    setTimeSpec(Qt::UTC);
    setDisplayFormat(ShortDateFormat);
    setCalendarPopup(true);

    m_checkBox->setObjectName(QStringLiteral("CheckBox1"));
    m_checkBox->setFocusPolicy(Qt::NoFocus);
    m_checkBox->setChecked(false);
    m_checkBox->hide();
    connect(m_checkBox, &QCheckBox::toggled, this, [this](bool checked) {
        UpdateLook();
        Q_EMIT CheckedChanged(checked);
    });
    // Picking or typing a date means there is one.
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!m_settingValue && m_showCheckbox)
            SetChecked(true);
    });

    SetMoment(CalendarDateTime(Interaction().Now()));
}

void TqzDateTimePicker::SetShowCheckbox(bool value)
{
    m_showCheckbox = value;
    m_checkBox->setVisible(value);
    PlaceCheckBox();
    UpdateLook();
}

bool TqzDateTimePicker::Checked() const
{
    return m_checkBox->isChecked();
}

void TqzDateTimePicker::SetChecked(bool value)
{
    m_checkBox->setChecked(value);
}

QVariant TqzDateTimePicker::AsDateTime() const
{
    if (m_showCheckbox && !Checked())
        return {};
    const QDateTime moment = dateTime();
    return CalendarDateTime(moment.date(), moment.time());
}

void TqzDateTimePicker::SetAsDateTime(const QVariant &value)
{
    QDateTime moment = VariantToCalendarDateTime(value);
    if (!moment.isValid()) {
        if (m_showCheckbox) {
            SetChecked(false);
            return;
        }
        moment = CalendarDateTime(Interaction().Now());
    }
    SetMoment(moment);
    SetChecked(true);
}

QVariant TqzDateTimePicker::AsDate() const
{
    const QVariant moment = AsDateTime();
    return moment.isNull() ? QVariant() : QVariant(CalendarDateTime(moment.toDateTime().date()));
}

void TqzDateTimePicker::SetAsDate(const QVariant &value)
{
    const QDateTime moment = VariantToCalendarDateTime(value);
    SetAsDateTime(moment.isValid() ? QVariant(CalendarDateTime(moment.date())) : QVariant());
}

void TqzDateTimePicker::keyPressEvent(QKeyEvent *event)
{
    if (MoveFocusOnEnter(this, event))
        return;
    if (m_showCheckbox && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        SetChecked(!Checked());
        return;
    }
    QDateTimeEdit::keyPressEvent(event);
}

void TqzDateTimePicker::resizeEvent(QResizeEvent *event)
{
    QDateTimeEdit::resizeEvent(event);
    PlaceCheckBox();
}

void TqzDateTimePicker::SetMoment(const QDateTime &moment)
{
    m_settingValue = true;
    setDateTime(moment);
    m_settingValue = false;
}

void TqzDateTimePicker::PlaceCheckBox()
{
    const QSize box = m_checkBox->sizeHint();
    lineEdit()->setTextMargins(m_showCheckbox ? box.width() : 0, 0, 0, 0);
    if (!m_showCheckbox)
        return;
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
    m_checkBox->setGeometry(field.left() + 2, field.top() + (field.height() - box.height()) / 2, box.width(),
                            box.height());
}

void TqzDateTimePicker::UpdateLook()
{
    // Without a date the text is greyed, as the date is then only a suggestion.
    QPalette colors = lineEdit()->palette();
    const bool hasDate = !m_showCheckbox || Checked();
    colors.setColor(QPalette::Text,
                    palette().color(hasDate ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    lineEdit()->setPalette(colors);
}
