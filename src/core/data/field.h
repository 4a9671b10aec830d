#pragma once
// A typed column of a TDataSet: its definition (name, type, caption, width, visibility, format) and
// typed access to its value in the data set's current row.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <Qt>
#include <QVariant>

class TDataSet;

// Variant keeps whatever the database returned (columns of mixed type, untyped one-off queries).
enum class TFieldType
{
    Integer,
    Float,
    Currency,
    String,
    Memo,
    DateTime,
    Boolean,
    Blob,
    Variant
};
enum class TFieldKind
{
    Data,
    Calculated,
    Lookup
};

class TField
{
public:
    // size is the width of text fields in characters (0: the default of 20); ignored by other types.
    TField(const QString &name, TFieldType type, int size = 0, TFieldKind kind = TFieldKind::Data);
    virtual ~TField();
    TField(const TField &) = delete;
    TField &operator=(const TField &) = delete;

    // Definition
    const QString &FieldName() const { return m_name; }
    TFieldType DataType() const { return m_type; }
    TFieldKind FieldKind() const { return m_kind; }
    int Size() const { return m_size; }
    void SetSize(int size);
    int Index() const { return m_index; }
    TDataSet *DataSet() const { return m_dataSet; }
    // The caption; the field name when no label was given.
    QString DisplayLabel() const { return m_label.isEmpty() ? m_name : m_label; }
    void SetDisplayLabel(const QString &label) { m_label = label; }
    int DisplayWidth() const;
    void SetDisplayWidth(int width) { m_displayWidth = width; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    const QString &DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString &format) { m_displayFormat = format; }
    Qt::Alignment Alignment() const;
    bool IsNumeric() const;

    // Lookup definition: the value of LookupResultField in the row of LookupDataSet whose LookupKeyFields
    // equal this data set's KeyFields ("A;B" for several).
    void SetLookup(TDataSet *lookupDataSet, const QString &keyFields, const QString &lookupKeyFields,
                   const QString &resultField);
    TDataSet *LookupDataSet() const { return m_lookupDataSet; }
    const QString &KeyFields() const { return m_keyFields; }
    const QString &LookupKeyFields() const { return m_lookupKeyFields; }
    const QString &LookupResultField() const { return m_lookupResultField; }

    // Value in the current row (the edit buffer while editing). Null is an invalid QVariant.
    QVariant Value() const;
    void SetValue(const QVariant &value);
    bool IsNull() const { return !Value().isValid(); }
    void Clear() { SetValue(QVariant()); }
    QString AsString() const;
    void SetAsString(const QString &text);
    int AsInteger() const;
    void SetAsInteger(int value) { SetValue(value); }
    double AsFloat() const;
    void SetAsFloat(double value) { SetValue(value); }
    QDateTime AsDateTime() const;
    void SetAsDateTime(const QDateTime &value) { SetValue(value.isValid() ? QVariant(value) : QVariant()); }
    bool AsBoolean() const;
    void SetAsBoolean(bool value) { SetValue(value); }
    QByteArray AsBytes() const;
    // The value as shown in grids and exports (display format, dates as yyyy-mm-dd).
    QString DisplayText() const { return FormatValue(Value()); }

    // The given value in this field's storage type; throws EConvertError when it does not convert.
    QVariant Coerce(const QVariant &value) const;
    // A stored value of this field as display text.
    QString FormatValue(const QVariant &value) const;

private:
    friend class TDataSet;
    QString m_name;
    QString m_label;
    TFieldType m_type;
    TFieldKind m_kind;
    int m_size = 0;
    int m_index = -1;
    int m_displayWidth = 0;
    bool m_visible = true;
    QString m_displayFormat;
    TDataSet *m_dataSet = nullptr;
    TDataSet *m_lookupDataSet = nullptr;
    QString m_keyFields;
    QString m_lookupKeyFields;
    QString m_lookupResultField;
};

// The program's money field: a float shown with the format ",0.00".
class TCurrencyField : public TField
{
public:
    explicit TCurrencyField(const QString &name, TFieldKind kind = TFieldKind::Data);
};

// A calendar date and time as the program keeps them: wall-clock values of no time zone, held as UTC so
// that no daylight-saving rule shifts or drops a date (local midnight does not exist on some days).
QDateTime CalendarDateTime(const QDate &date, const QTime &time = QTime(0, 0));
inline QDateTime CalendarDateTime(const QDateTime &value)
{
    return value.isValid() ? CalendarDateTime(value.date(), value.time()) : QDateTime();
}

// Text of a value that is a date-time, in the process date format ("yyyy-mm-dd", with the time when it has
// one).
QString FormatDateTime(const QDateTime &value);
// A number formatted with a Delphi-style format such as ",0.00" or "0.00"; empty format = general.
QString FormatNumber(double value, const QString &format);
