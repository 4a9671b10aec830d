#pragma once
// The numbered settings of table keyvalue: flags, the custom field labels and the last export choice.
// Nothing is kept in memory: every read asks the database, every write is immediate.

#include <QString>
#include <QVariant>

// The setting numbers; no other number is used.
namespace SettingKey {
enum : int
{
    FeedbackPrompt = 0,       // boolean: show the feedback form on exit
    DailyTipPrompt = 1,       // boolean: show the daily tip after login
    ExportSelectedFields = 3, // text: the fields last chosen for export (default empty)
    Str1Label = 4,            // labels of Str1 … Str6: 4 … 9
    Str2Label = 5,
    Str3Label = 6,
    Str4Label = 7,
    Str5Label = 8,
    Str6Label = 9,
    Float1Label = 10, // labels of Float1 … Float3: 10 … 12
    Float2Label = 11,
    Float3Label = 12,
    Date1Label = 13, // labels of Date1 … Date3: 13 … 15
    Date2Label = 14,
    Date3Label = 15,
    FirstCustomLabel = Str1Label,
    LastCustomLabel = Date3Label
};
} // namespace SettingKey

class TKeyValue
{
public:
    // Creating it runs no query.
    TKeyValue() = default;

    // "select [Value] from keyvalue where KeyId=:KeyId" on the scratch record set: the first column of
    // the first row, null when there is no row. A stored boolean comes back as a value whose toBool() is
    // that boolean (SQLite keeps it as the integer 0 or 1); a stored text comes back as the same text.
    QVariant GetValue(int key) const;
    // GetValue as text; defaultText when it is null (an empty stored text stays empty).
    QString GetText(int key, const QString &defaultText = QString()) const;
    // GetValue converted to boolean; defaultValue when it is null.
    bool GetBool(int key, bool defaultValue = false) const;
    // Inserts the row on first use, updates it afterwards. Statement errors reach the caller.
    void SetValue(int key, const QVariant &value) const;
};

// The process-wide settings accessor.
TKeyValue &GlobalKeyValue();
