#pragma once
// The typing rules and typed accessors of the program's text boxes, apart from the widget so they hold
// without a display.

#include <QDateTime>
#include <QObject>
#include <QVariant>

namespace QzEdit {
Q_NAMESPACE

// Which keys a text box accepts.
enum TEditType
{
    etFree = 0,
    etNumber = 1,
    etInteger = 2
};
Q_ENUM_NS(TEditType)

} // namespace QzEdit

using QzEdit::etFree;
using QzEdit::etInteger;
using QzEdit::etNumber;
using QzEdit::TEditType;

// Whether a box of editType whose whole text is currentText takes the typed character ch; backspace and
// Enter always pass. The caret and the selection play no part.
bool AcceptsKey(TEditType editType, const QString &currentText, QChar ch);

// The accessors of a text box. Reading an empty (or blank) text gives 0 or null; a text that does not convert
// raises EConvertError with the quoted text and " 不是有效的数字." (整数, 日期).
double EditTextToDouble(const QString &text);
// 0 gives an empty text, anything else the general format of at most 15 significant digits.
QString DoubleToEditText(double value);
int EditTextToInteger(const QString &text);
// 0 gives an empty text.
QString IntegerToEditText(int value);
// A date typed as yyyy-mm-dd, months and days of one or two digits ("2008-1-26"); a calendar date-time at
// midnight, null when empty.
QVariant EditTextToDate(const QString &text);
// Null (or an invalid date) gives an empty text; a date, date-time or date text gives yyyy-mm-dd.
QString DateToEditText(const QVariant &value);
// A date, a date-time (with its time of day) or a date text as a calendar date-time; invalid for null (or an
// invalid date); anything else raises the date error with the value's text.
QDateTime VariantToCalendarDateTime(const QVariant &value);
// The text as a floating-point number, null when empty.
QVariant EditTextToVariant(const QString &text);
// Null gives an empty text, a floating-point number its general format, anything else its text.
QString VariantToEditText(const QVariant &value);
// The text of a multi-line box in its stored form: lines separated by CR LF, whatever the box used. Lines
// stay as typed (empty lines too).
QString MemoText(const QString &editorText);
