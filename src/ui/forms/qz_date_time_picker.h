#pragma once
// The program's date picker: an optional check box says whether there is a date at all; created unchecked
// showing the current date and time.

#include <QDateTimeEdit>
#include <QVariant>

class QCheckBox;

class TqzDateTimePicker : public QDateTimeEdit
{
    Q_OBJECT
    Q_PROPERTY(bool ShowCheckbox READ ShowCheckbox WRITE SetShowCheckbox)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked NOTIFY CheckedChanged)

public:
    explicit TqzDateTimePicker(QWidget *parent = nullptr);

    bool ShowCheckbox() const { return m_showCheckbox; }
    void SetShowCheckbox(bool value);
    bool Checked() const;
    void SetChecked(bool value);

    // Null when the check box is shown and unchecked; otherwise the date and time as a calendar date-time.
    QVariant AsDateTime() const;
    // A value (a date, a date-time or a date text) sets the date and time and checks the box; null unchecks
    // the box when it is shown, otherwise sets the current date and time. Anything else raises EConvertError.
    void SetAsDateTime(const QVariant &value);
    // The same, the time of day left out.
    QVariant AsDate() const;
    void SetAsDate(const QVariant &value);

Q_SIGNALS:
    void CheckedChanged(bool checked);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void SetMoment(const QDateTime &moment);
    void PlaceCheckBox();
    void UpdateLook();

    QCheckBox *m_checkBox;
    bool m_showCheckbox = false;
    bool m_settingValue = false;
};
