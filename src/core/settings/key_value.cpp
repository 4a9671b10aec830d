#include "key_value.h"

#include "data/database.h"
#include "data/record_set.h"

namespace {

TDBParameter KeyParam(int key)
{
    return DBParam(QStringLiteral("KeyId"), key);
}

// A text is stored as text even when it is a null QString (the drivers would bind that as null, which
// reads back as "no value" and brings back the default).
QVariant StoredForm(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QVariant(QStringLiteral(""));
    return value;
}

} // namespace

QVariant TKeyValue::GetValue(int key) const
{
    TRecordSet &scratch = GlobalRecordSet();
    if (scratch.Query(QStringLiteral("select [Value] from keyvalue where KeyId=:KeyId"), {KeyParam(key)}) ==
        0)
        return {};
    scratch.DataSet()->First();
    const QVariant value = scratch.DataSet()->Field(0)->Value();
    return value.isNull() ? QVariant() : value;
}

QString TKeyValue::GetText(int key, const QString &defaultText) const
{
    const QVariant value = GetValue(key);
    if (!value.isValid())
        return defaultText;
    return value.toString();
}

bool TKeyValue::GetBool(int key, bool defaultValue) const
{
    const QVariant value = GetValue(key);
    if (!value.isValid())
        return defaultValue;
    return value.toBool();
}

void TKeyValue::SetValue(int key, const QVariant &value) const
{
    const TDBParameters params{KeyParam(key), DBParam(QStringLiteral("Value"), StoredForm(value))};
    if (GlobalRecordSet().Query(QStringLiteral("select KeyId from keyvalue where KeyId=:KeyId"),
                                {KeyParam(key)}) == 0)
        GlobalDatabase().Execute(
            QStringLiteral("insert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)"), params);
    else
        GlobalDatabase().Execute(QStringLiteral("update keyvalue set [Value]=:Value where KeyId=:KeyId"),
                                 params);
}

TKeyValue &GlobalKeyValue()
{
    static TKeyValue keyValue;
    return keyValue;
}
