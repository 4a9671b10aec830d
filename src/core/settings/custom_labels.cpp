#include "custom_labels.h"

#include "key_value.h"

TCustomFieldLabels::TCustomFieldLabels()
{
    Reset();
}

QString TCustomFieldLabels::FieldName(int index)
{
    if (index < 0 || index >= Count)
        return {};
    if (index < 6)
        return QStringLiteral("Str%1").arg(index + 1);
    if (index < 9)
        return QStringLiteral("Float%1").arg(index - 5);
    return QStringLiteral("Date%1").arg(index - 8);
}

int TCustomFieldLabels::IndexOf(const QString &fieldName)
{
    for (int i = 0; i < Count; ++i) {
        if (fieldName.compare(FieldName(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TCustomFieldLabels::DefaultLabel(int index)
{
    if (index < 0 || index >= Count)
        return {};
    if (index < 6)
        return QStringLiteral("字符型%1").arg(index + 1);
    if (index < 9)
        return QStringLiteral("数字型%1").arg(index - 5);
    return QStringLiteral("日期型%1").arg(index - 8);
}

QString TCustomFieldLabels::Label(int index) const
{
    if (index < 0 || index >= Count)
        return {};
    return m_labels[size_t(index)];
}

QString TCustomFieldLabels::Label(const QString &fieldName) const
{
    const int index = IndexOf(fieldName);
    return index < 0 ? QString() : m_labels[size_t(index)];
}

QStringList TCustomFieldLabels::Labels() const
{
    return QStringList(m_labels.begin(), m_labels.end());
}

void TCustomFieldLabels::SetLabel(int index, const QString &label)
{
    if (index >= 0 && index < Count)
        m_labels[size_t(index)] = label;
}

void TCustomFieldLabels::Reset()
{
    for (int i = 0; i < Count; ++i)
        m_labels[size_t(i)] = DefaultLabel(i);
}

void TCustomFieldLabels::Load(const TKeyValue &settings)
{
    std::array<QString, Count> labels;
    for (int i = 0; i < Count; ++i)
        labels[size_t(i)] = settings.GetText(SettingKey(i), DefaultLabel(i));
    m_labels = labels;
}

void TCustomFieldLabels::Load()
{
    Load(GlobalKeyValue());
}

void TCustomFieldLabels::Save(const QStringList &labels, const TKeyValue &settings)
{
    std::array<QString, Count> stored;
    for (int i = 0; i < Count; ++i) {
        // an empty label is stored as an empty text, never as null
        stored[size_t(i)] = i < labels.size() && !labels.at(i).isNull() ? labels.at(i) : QStringLiteral("");
        settings.SetValue(SettingKey(i), stored[size_t(i)]);
    }
    m_labels = stored;
}

void TCustomFieldLabels::Save(const QStringList &labels)
{
    Save(labels, GlobalKeyValue());
}

TCustomFieldLabels &CustomFieldLabels()
{
    static TCustomFieldLabels labels;
    return labels;
}

void LoadCustomFieldLabels()
{
    CustomFieldLabels().Load();
}
