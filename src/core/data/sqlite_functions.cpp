#include "sqlite_functions.h"

#include "support/errors.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

#include <cstring>
#include <string_view>

namespace {

struct TCivil
{
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

bool ReadDigits(std::string_view text, size_t from, size_t count, int &out)
{
    if (from + count > text.size())
        return false;
    out = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

// Dates are stored as "YYYY-MM-DD HH:MM:SS"; a date alone is midnight.
bool ParseStored(sqlite3_value *value, TCivil &out)
{
    if (sqlite3_value_type(value) == SQLITE_NULL)
        return false;
    const auto *raw = reinterpret_cast<const char *>(sqlite3_value_text(value));
    if (!raw)
        return false;
    const std::string_view text(raw);
    if (!ReadDigits(text, 0, 4, out.Year) || text.size() < 10 || text[4] != '-' ||
        !ReadDigits(text, 5, 2, out.Month) || text[7] != '-' || !ReadDigits(text, 8, 2, out.Day))
        return false;
    if (text.size() >= 19) {
        ReadDigits(text, 11, 2, out.Hour);
        ReadDigits(text, 14, 2, out.Minute);
        ReadDigits(text, 17, 2, out.Second);
    }
    return true;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// DateDiff counts the interval boundaries crossed between a and b, as the desktop database does.
void DateDiffFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    TCivil a, b;
    if (!ParseStored(argv[1], a) || !ParseStored(argv[2], b)) {
        sqlite3_result_null(context);
        return;
    }
    const auto *raw = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const std::string_view interval = raw ? raw : "";
    const long long days = DaysFromCivil(b.Year, b.Month, b.Day) - DaysFromCivil(a.Year, a.Month, a.Day);
    const long long seconds =
        days * 86400 + (b.Hour - a.Hour) * 3600LL + (b.Minute - a.Minute) * 60LL + (b.Second - a.Second);
    long long result = 0;
    if (interval == "yyyy")
        result = b.Year - a.Year;
    else if (interval == "q")
        result = (b.Year - a.Year) * 4LL + (b.Month - 1) / 3 - (a.Month - 1) / 3;
    else if (interval == "m")
        result = (b.Year - a.Year) * 12LL + b.Month - a.Month;
    else if (interval == "d" || interval == "y" || interval == "w")
        result = interval == "w" ? days / 7 : days;
    else if (interval == "h")
        result = days * 24 + b.Hour - a.Hour;
    else if (interval == "n")
        result = (days * 24 + b.Hour - a.Hour) * 60 + b.Minute - a.Minute;
    else if (interval == "s")
        result = seconds;
    else {
        sqlite3_result_error(context, "DateDiff: unknown interval", -1);
        return;
    }
    sqlite3_result_int64(context, result);
}

// Counts characters, not bytes (text is UTF-8 in the database).
void LenFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const unsigned char *>(sqlite3_value_text(argv[0]));
    long long count = 0;
    for (const unsigned char *p = text; p && *p; ++p)
        count += (*p & 0xC0) != 0x80;
    sqlite3_result_int64(context, count);
}

void LeftFunction(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const unsigned char *>(sqlite3_value_text(argv[0]));
    const long long wanted = sqlite3_value_int64(argv[1]);
    const unsigned char *p = text;
    long long taken = 0;
    while (p && *p && taken < wanted) {
        ++p;
        while (*p && (*p & 0xC0) == 0x80)
            ++p;
        ++taken;
    }
    sqlite3_result_text(context, reinterpret_cast<const char *>(text), int(p - text), SQLITE_TRANSIENT);
}

} // namespace

void RegisterSqliteFunctions(QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || std::strcmp(handle.typeName(), "sqlite3*") != 0)
        throw EDatabaseError(QStringLiteral("不是SQLite连接"));
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function(connection, "DateDiff", 3, flags, nullptr, DateDiffFunction, nullptr,
                                     nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(connection, "len", 1, flags, nullptr, LenFunction, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(connection, "jet_left", 2, flags, nullptr, LeftFunction, nullptr,
                                     nullptr);
    if (rc != SQLITE_OK)
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(connection)));
}
