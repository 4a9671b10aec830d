#include "edit_rules.h"

#include "app/globals.h"
#include "data/field.h"
#include "errors.h"

#include <cmath>
#include <QDate>
#include <QLocale>

namespace {

const QChar Backspace(0x08);
const QChar CarriageReturn(0x0D);
const QChar LineFeed(0x0A);

bool IsDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

QString Quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool IsBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

// One to `most` ASCII digits.
bool ParseDigits(const QString &part, int most, int &value)
{
    if (part.isEmpty() || part.size() > most)
        return false;
    value = 0;
    for (const QChar ch : part) {
        if (!IsDigit(ch))
            return false;
        value = value * 10 + (ch.unicode() - '0');
    }
    return true;
}

QDate ParseEditDate(const QString &text)
{
    // The year is written in full: a two-digit year would be read as a year of the first century.
    const QStringList parts = text.trimmed().split(QLatin1Char('-'));
    int year = 0, month = 0, day = 0;
    if (parts.size() != 3 || parts.at(0).size() != 4 || !ParseDigits(parts.at(0), 4, year) ||
        !ParseDigits(parts.at(1), 2, month) || !ParseDigits(parts.at(2), 2, day))
        return {};
    return QDate(year, month, day);
}

} // namespace

bool AcceptsKey(TEditType editType, const QString &currentText, QChar ch)
{
    if (editType == etFree || ch == Backspace || ch == CarriageReturn || ch == LineFeed)
        return true;
    if (IsDigit(ch)) {
        if (editType == etNumber && ch == QLatin1Char('0'))
            return currentText.contains(QLatin1Char('.')) || !currentText.startsWith(QLatin1Char('0'));
        return true;
    }
    if (editType == etNumber && ch == QLatin1Char('.'))
        return !currentText.isEmpty() && !currentText.contains(QLatin1Char('.'));
    return false;
}

double EditTextToDouble(const QString &text)
{
    if (IsBlank(text))
        return 0;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw EConvertError(Quoted(text) + QStringLiteral(" 不是有效的数字."));
    return value;
}

QString DoubleToEditText(double value)
{
    return value == 0 ? QString() : FormatNumber(value, QString());
}

int EditTextToInteger(const QString &text)
{
    if (IsBlank(text))
        return 0;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw EConvertError(Quoted(text) + QStringLiteral(" 不是有效的整数."));
    return value;
}

QString IntegerToEditText(int value)
{
    return value == 0 ? QString() : QString::number(value);
}

QVariant EditTextToDate(const QString &text)
{
    if (IsBlank(text))
        return {};
    const QDate date = ParseEditDate(text);
    if (!date.isValid())
        throw EConvertError(Quoted(text) + QStringLiteral(" 不是有效的日期."));
    return CalendarDateTime(date);
}

QDateTime VariantToCalendarDateTime(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return {};
    case QMetaType::QDate:
        return value.toDate().isValid() ? CalendarDateTime(value.toDate()) : QDateTime();
    case QMetaType::QDateTime:
        // The wall-clock date and time, whatever the time zone the value carries.
        return CalendarDateTime(value.toDateTime());
    case QMetaType::QString:
        return EditTextToDate(value.toString()).toDateTime();
    default:
        throw EConvertError(Quoted(value.toString()) + QStringLiteral(" 不是有效的日期."));
    }
}

QString DateToEditText(const QVariant &value)
{
    const QDateTime moment = VariantToCalendarDateTime(value);
    return moment.isValid() ? moment.date().toString(ShortDateFormat) : QString();
}

QVariant EditTextToVariant(const QString &text)
{
    if (IsBlank(text))
        return {};
    return EditTextToDouble(text);
}

QString VariantToEditText(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return FormatNumber(value.toDouble(), QString());
    return value.toString();
}

QString MemoText(const QString &editorText)
{
    QString text = editorText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}
