#pragma once
// The captions of the twelve custom asset fields (Str1 … Str6, Float1 … Float3, Date1 … Date3), kept for
// the whole process and loaded from the settings store (keys 4 … 15) at start-up.

#include <array>
#include <QString>
#include <QStringList>

class TKeyValue;

class TCustomFieldLabels
{
public:
    static constexpr int Count = 12;

    // Every label at its default until Load.
    TCustomFieldLabels();

    // The column of the custom field at index (0 … 11): "Str1" … "Date3".
    static QString FieldName(int index);
    // The index of a custom column (case-insensitive), -1 for any other name.
    static int IndexOf(const QString &fieldName);
    // "字符型1" … "字符型6", "数字型1" … "数字型3", "日期型1" … "日期型3".
    static QString DefaultLabel(int index);
    // The settings key of the label at index: 4 … 15.
    static int SettingKey(int index) { return 4 + index; }

    // The label at index (0 … 11); empty for an index out of range.
    QString Label(int index) const;
    // The label of a custom column by name ("Str1", "float2"); a null text for any other name.
    QString Label(const QString &fieldName) const;
    // All twelve in field order.
    QStringList Labels() const;
    // Changes the label in memory only.
    void SetLabel(int index, const QString &label);
    // Back to the defaults, in memory only.
    void Reset();

    // Reads the twelve labels with GetText of their key and their default: a missing row gives the
    // default, a stored empty label stays empty.
    void Load(const TKeyValue &settings);
    void Load();
    // Stores the twelve labels (missing entries as empty texts) with SetValue under keys 4 … 15 in field
    // order, then takes them as the current labels. An error stops at the failing key and reaches the
    // caller: what was stored before it stays stored and the current labels are unchanged.
    void Save(const QStringList &labels, const TKeyValue &settings);
    void Save(const QStringList &labels);

private:
    std::array<QString, Count> m_labels;
};

// The process-wide labels.
TCustomFieldLabels &CustomFieldLabels();
// Loads the process-wide labels from the settings store; start-up calls it once connected.
void LoadCustomFieldLabels();
