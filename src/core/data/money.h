#pragma once
// Money in computations: a 64-bit count of ten-thousandths of the currency unit, rounded half to even.

#include <cstdint>
#include <QString>

class TMoney
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr TMoney() = default;
    static constexpr TMoney FromRaw(std::int64_t raw) { return TMoney(raw); }
    // value × 10000 rounded to the nearest whole ten-thousandth, halves to even.
    static TMoney FromDouble(double value);

    constexpr std::int64_t Raw() const { return m_raw; }
    double ToDouble() const { return double(m_raw) / Scale; }
    // Rounded to whole hundredths of the unit, halves to the even neighbour.
    TMoney RoundedToCents() const;
    // "-1,234.50": thousands separated by commas, always two decimals (rounded half to even).
    QString Format() const;

    constexpr TMoney operator+(TMoney other) const { return TMoney(m_raw + other.m_raw); }
    constexpr TMoney operator-(TMoney other) const { return TMoney(m_raw - other.m_raw); }
    constexpr TMoney operator-() const { return TMoney(-m_raw); }
    constexpr TMoney operator*(std::int64_t factor) const { return TMoney(m_raw * factor); }
    TMoney &operator+=(TMoney other)
    {
        m_raw += other.m_raw;
        return *this;
    }
    TMoney &operator-=(TMoney other)
    {
        m_raw -= other.m_raw;
        return *this;
    }
    constexpr bool operator==(TMoney other) const { return m_raw == other.m_raw; }
    constexpr bool operator!=(TMoney other) const { return m_raw != other.m_raw; }
    constexpr bool operator<(TMoney other) const { return m_raw < other.m_raw; }
    constexpr bool operator<=(TMoney other) const { return m_raw <= other.m_raw; }
    constexpr bool operator>(TMoney other) const { return m_raw > other.m_raw; }
    constexpr bool operator>=(TMoney other) const { return m_raw >= other.m_raw; }

private:
    constexpr explicit TMoney(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

// The nearest whole number to value, a value exactly halfway going to the even neighbour.
std::int64_t RoundHalfEven(double value);
// raw divided by divisor, rounded to a whole number with halves to even (exact integer arithmetic).
std::int64_t DivRoundHalfEven(std::int64_t raw, std::int64_t divisor);
// value rounded to `decimals` places with halves to even, done as round(value / 10^-d) × 10^-d.
double RoundTo(double value, int decimals);
// The money display format ",0.00" of a floating-point amount.
QString FormatMoney(double value);
