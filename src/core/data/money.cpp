#include "money.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>

std::int64_t RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even unless changed.
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (previous != FE_TONEAREST)
        std::fesetround(previous);
    return static_cast<std::int64_t>(rounded);
}

std::int64_t DivRoundHalfEven(std::int64_t raw, std::int64_t divisor)
{
    if (divisor < 0) {
        raw = -raw;
        divisor = -divisor;
    }
    std::int64_t quotient = raw / divisor;
    const std::int64_t remainder = raw % divisor; // same sign as raw
    const std::int64_t twice = 2 * std::llabs(remainder);
    if (twice > divisor || (twice == divisor && (quotient % 2) != 0))
        quotient += raw < 0 ? -1 : 1;
    return quotient;
}

TMoney TMoney::FromDouble(double value)
{
    return TMoney(RoundHalfEven(value * Scale));
}

TMoney TMoney::RoundedToCents() const
{
    return TMoney(DivRoundHalfEven(m_raw, 100) * 100);
}

static QString GroupThousands(std::int64_t cents)
{
    const bool negative = cents < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t(-(cents + 1)) + 1 : std::uint64_t(cents);
    QString whole = QString::number(magnitude / 100);
    for (int i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, QLatin1Char(','));
    const QString fraction = QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("-") : QString()) + whole + QLatin1Char('.') + fraction;
}

QString TMoney::Format() const
{
    return GroupThousands(DivRoundHalfEven(m_raw, 100));
}

double RoundTo(double value, int decimals)
{
    const double unit = std::pow(10.0, -decimals);
    return double(RoundHalfEven(value / unit)) * unit;
}

QString FormatMoney(double value)
{
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text.remove(0, 1);
    const int sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (int i = text.indexOf(QLatin1Char('.')) - 3; i > sign; i -= 3)
        text.insert(i, QLatin1Char(','));
    return text;
}
