#include "field.h"

#include "dataset.h"
#include "money.h"
#include "sql_dialect.h"
#include "support/errors.h"

namespace {

constexpr int DefaultStringSize = 20;

QString Quoted(const QVariant &value)
{
    return QLatin1Char('"') + value.toString() + QLatin1Char('"');
}

} // namespace

TField::TField(const QString &name, TFieldType type, int size, TFieldKind kind)
    : m_name(name), m_type(type), m_kind(kind)
{
    SetSize(size);
}

TField::~TField() = default;

void TField::SetSize(int size)
{
    m_size = (m_type == TFieldType::String && size <= 0) ? DefaultStringSize : size;
}

int TField::DisplayWidth() const
{
    if (m_displayWidth > 0)
        return m_displayWidth;
    switch (m_type) {
    case TFieldType::String:
        return m_size;
    case TFieldType::DateTime:
        return 18;
    case TFieldType::Boolean:
        return 5;
    case TFieldType::Memo:
    case TFieldType::Blob:
        return 10;
    default:
        return 10;
    }
}

bool TField::IsNumeric() const
{
    return m_type == TFieldType::Integer || m_type == TFieldType::Float || m_type == TFieldType::Currency;
}

Qt::Alignment TField::Alignment() const
{
    return (IsNumeric() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void TField::SetLookup(TDataSet *lookupDataSet, const QString &keyFields, const QString &lookupKeyFields,
                       const QString &resultField)
{
    m_lookupDataSet = lookupDataSet;
    m_keyFields = keyFields;
    m_lookupKeyFields = lookupKeyFields;
    m_lookupResultField = resultField;
}

QVariant TField::Value() const
{
    if (!m_dataSet)
        return {};
    return m_dataSet->CurrentValue(m_index);
}

void TField::SetValue(const QVariant &value)
{
    if (!m_dataSet)
        throw EDatabaseError(QStringLiteral("字段 %1 不属于任何数据集").arg(m_name));
    m_dataSet->SetCurrentValue(m_index, Coerce(value));
}

QString TField::AsString() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return {};
    switch (m_type) {
    case TFieldType::DateTime:
        return FormatDateTime(value.toDateTime());
    case TFieldType::Float:
    case TFieldType::Currency:
        return QString::number(value.toDouble(), 'g', 15);
    case TFieldType::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::Blob:
        return QString::fromLatin1(value.toByteArray());
    default:
        return value.toString();
    }
}

void TField::SetAsString(const QString &text)
{
    if (text.isEmpty() && m_type != TFieldType::String && m_type != TFieldType::Memo)
        SetValue(QVariant());
    else
        SetValue(text);
}

int TField::AsInteger() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return 0;
    if (m_type == TFieldType::Float || m_type == TFieldType::Currency)
        return int(RoundHalfEven(value.toDouble()));
    bool ok = false;
    const int result = value.toInt(&ok);
    if (!ok)
        throw EConvertError(Quoted(value) + QStringLiteral(" 不是有效的整数."));
    return result;
}

double TField::AsFloat() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return 0;
    bool ok = false;
    const double result = value.toDouble(&ok);
    if (!ok)
        throw EConvertError(Quoted(value) + QStringLiteral(" 不是有效的数字."));
    return result;
}

QDateTime TField::AsDateTime() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return {};
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    TField probe(m_name, TFieldType::DateTime);
    return probe.Coerce(value).toDateTime();
}

bool TField::AsBoolean() const
{
    const QVariant value = Value();
    if (!value.isValid())
        return false;
    if (m_type == TFieldType::Boolean)
        return value.toBool();
    TField probe(m_name, TFieldType::Boolean);
    return probe.Coerce(value).toBool();
}

QByteArray TField::AsBytes() const
{
    return Value().toByteArray();
}

QVariant TField::Coerce(const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return {};
    const int typeId = value.typeId();
    switch (m_type) {
    case TFieldType::Integer: {
        if (typeId == QMetaType::Int)
            return value;
        if (typeId == QMetaType::Double || typeId == QMetaType::Float)
            return int(RoundHalfEven(value.toDouble()));
        if (typeId == QMetaType::Bool)
            return value.toBool() ? 1 : 0;
        bool ok = false;
        const qlonglong number =
            typeId == QMetaType::QString ? value.toString().trimmed().toLongLong(&ok) : value.toLongLong(&ok);
        if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            throw EConvertError(Quoted(value) + QStringLiteral(" 不是有效的整数."));
        return int(number);
    }
    case TFieldType::Float:
    case TFieldType::Currency: {
        if (typeId == QMetaType::Double)
            return value;
        bool ok = false;
        const double number =
            typeId == QMetaType::QString ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (!ok)
            throw EConvertError(Quoted(value) + QStringLiteral(" 不是有效的数字."));
        return number;
    }
    case TFieldType::String:
    case TFieldType::Memo:
        if (typeId == QMetaType::QString)
            return value;
        if (typeId == QMetaType::QDateTime || typeId == QMetaType::QDate)
            return FormatDateTime(value.toDateTime());
        if (typeId == QMetaType::Double)
            return QString::number(value.toDouble(), 'g', 15);
        return value.toString();
    case TFieldType::DateTime: {
        if (typeId == QMetaType::QDateTime) {
            const QDateTime moment = value.toDateTime();
            if (!moment.isValid())
                return {};
            return moment.timeSpec() == Qt::UTC ? value : QVariant(CalendarDateTime(moment));
        }
        if (typeId == QMetaType::QDate)
            return value.toDate().isValid() ? QVariant(CalendarDateTime(value.toDate())) : QVariant();
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return {};
        QDateTime parsed = ParseSqliteDate(text);
        if (!parsed.isValid()) {
            // a date typed as yyyy-m-d
            const QStringList parts = text.split(QLatin1Char('-'));
            if (parts.size() == 3) {
                const QDate date(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
                if (date.isValid())
                    parsed = CalendarDateTime(date);
            }
        }
        if (!parsed.isValid())
            throw EConvertError(Quoted(value) + QStringLiteral(" 不是有效的日期."));
        return parsed;
    }
    case TFieldType::Boolean: {
        if (typeId == QMetaType::Bool)
            return value;
        if (typeId == QMetaType::QString) {
            const QString text = value.toString().trimmed().toLower();
            if (text == QLatin1String("true") || text == QLatin1String("1") || text == QLatin1String("-1"))
                return true;
            if (text == QLatin1String("false") || text == QLatin1String("0"))
                return false;
            throw EConvertError(Quoted(value) + QStringLiteral(" 不是有效的布尔值."));
        }
        return value.toLongLong() != 0;
    }
    case TFieldType::Blob:
        return value.toByteArray();
    case TFieldType::Variant:
        return value;
    }
    return value;
}

QString TField::FormatValue(const QVariant &value) const
{
    if (!value.isValid())
        return {};
    switch (m_type) {
    case TFieldType::Float:
    case TFieldType::Currency:
        return FormatNumber(value.toDouble(), m_displayFormat);
    case TFieldType::Integer:
        return m_displayFormat.isEmpty() ? value.toString() : FormatNumber(value.toDouble(), m_displayFormat);
    case TFieldType::DateTime:
        return FormatDateTime(value.toDateTime());
    case TFieldType::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::Blob:
        return QStringLiteral("(BLOB)");
    case TFieldType::Variant:
        if (value.typeId() == QMetaType::QDateTime)
            return FormatDateTime(value.toDateTime());
        return value.toString();
    case TFieldType::Memo:
    case TFieldType::String:
        return value.toString();
    }
    return value.toString();
}

TCurrencyField::TCurrencyField(const QString &name, TFieldKind kind)
    : TField(name, TFieldType::Currency, 0, kind)
{
    SetDisplayFormat(QStringLiteral(",0.00"));
}

QDateTime CalendarDateTime(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

QString FormatDateTime(const QDateTime &value)
{
    if (!value.isValid())
        return {};
    if (value.time() == QTime(0, 0))
        return value.toString(QStringLiteral("yyyy-MM-dd"));
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString FormatNumber(double value, const QString &format)
{
    if (format.isEmpty())
        return QString::number(value, 'g', 15);
    if (format == QLatin1String(",0.00"))
        return FormatMoney(value);
    // "0.00", "#,##0.00", "0": decimals from the part after the point, grouping when a comma is present.
    const int point = format.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(format.size() - point - 1);
    QString text = QString::number(value, 'f', decimals);
    if (format.contains(QLatin1Char(','))) {
        const int sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
        int end = text.indexOf(QLatin1Char('.'));
        if (end < 0)
            end = int(text.size());
        for (int i = end - 3; i > sign; i -= 3)
            text.insert(i, QLatin1Char(','));
    }
    return text;
}
