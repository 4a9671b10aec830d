#include "depreciation_calc.h"

namespace {

// The date system's day zero, the service date of an asset that has none.
const QDate DayZero(1899, 12, 30);

std::int64_t Round(double value)
{
    return RoundHalfEven(value);
}

TDepreciationResult StraightLine(double origin, double end, int years, int n)
{
    TDepreciationResult result;
    if (n <= 0)
        return result;
    if (12 * years >= n) {
        const std::int64_t monthly = Round((origin - end) / years / 12 * 10000);
        result.Month = TMoney::FromRaw(monthly);
        result.Total = TMoney::FromRaw(n * monthly);
    } else {
        result.Total = TMoney::FromRaw(Round((origin - end) * 10000));
    }
    return result;
}

// Methods that work in raw amounts: nothing before the first month, everything above the residual value
// once the life is over (and whenever there is no life).
template <typename Method>
TDepreciationResult WithinLife(std::int64_t origin, std::int64_t end, int years, int n, Method method)
{
    TDepreciationResult result;
    if (n <= 0)
        return result;
    if (n > 12 * years) {
        result.Total = TMoney::FromRaw(origin - end);
        return result;
    }
    return method(origin, end, years, n);
}

TDepreciationResult SumOfYears(std::int64_t origin, std::int64_t end, int years, int n)
{
    TDepreciationResult result;
    const double digits = double(years) * (years + 1) / 2;
    std::int64_t accumulated = 0;
    for (int i = 1; i <= years; ++i) {
        const std::int64_t yearly = Round(double(origin - end) * ((years - i + 1) / digits));
        accumulated += yearly;
        if (n <= 12 * i) {
            const std::int64_t monthly = Round(double(yearly) / 12);
            result.Month = TMoney::FromRaw(monthly);
            result.Total = TMoney::FromRaw(accumulated - (12 * i - n) * monthly);
            break;
        }
    }
    return result;
}

TDepreciationResult DoubleDeclining(std::int64_t origin, std::int64_t end, int years, int n)
{
    TDepreciationResult result;
    const int decliningYears = years > 2 ? years - 2 : 0;
    std::int64_t accumulated = 0;
    for (int i = 1; i <= decliningYears; ++i) {
        // on the net book value, without deducting the residual value
        const std::int64_t yearly = Round(double(origin - accumulated) * 2 / years);
        accumulated += yearly;
        if (n <= 12 * i) {
            const std::int64_t monthly = Round(double(yearly) / 12);
            result.Month = TMoney::FromRaw(monthly);
            result.Total = TMoney::FromRaw(accumulated - (12 * i - n) * monthly);
            return result;
        }
    }
    // The last two years spread what remains above the residual value evenly over 24 months.
    const std::int64_t monthly = Round(double((origin - accumulated) - end) / 2 / 12);
    result.Month = TMoney::FromRaw(monthly);
    result.Total = TMoney::FromRaw(accumulated + (n - 12 * decliningYears) * monthly);
    return result;
}

} // namespace

int ElapsedMonths(const QDate &accountDate, int year, int month)
{
    const QDate start = accountDate.isValid() ? accountDate : DayZero;
    if (start.year() < year)
        return (year - start.year()) * 12 + (month - start.month());
    if (start.year() == year)
        return month - start.month();
    return 0;
}

TDepreciationResult CalcDepreciation(const TDepreciationInput &asset, int year, int month)
{
    const int n = ElapsedMonths(asset.AccountDate, year, month);
    const std::int64_t origin = TMoney::FromDouble(asset.OriginValue).Raw();
    const std::int64_t end = TMoney::FromDouble(asset.EndValue).Raw();
    TDepreciationResult result;
    switch (asset.MethodId) {
    case dmStraightLine:
        result = StraightLine(asset.OriginValue, asset.EndValue, asset.UseYears, n);
        break;
    case dmSumOfYears:
        result = WithinLife(origin, end, asset.UseYears, n, SumOfYears);
        break;
    case dmDoubleDeclining:
        result = WithinLife(origin, end, asset.UseYears, n, DoubleDeclining);
        break;
    default:
        break; // not depreciated, or a method that yields no amount
    }
    return {result.Month.RoundedToCents(), result.Total.RoundedToCents()};
}

TMoney NetValue(double originValue, TMoney totalDepreciation)
{
    return TMoney::FromRaw(RoundHalfEven(originValue * 10000 - double(totalDepreciation.Raw())));
}
