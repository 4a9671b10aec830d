#pragma once
// The depreciation of one asset for one calendar month: never stored, computed on demand by every table
// and analysis from the asset's values, life, method and service date.

#include "data/money.h"

#include <QDate>

// Method ids as the method table numbers them.
enum TDepreMethod
{
    dmNone = 0,
    dmStraightLine = 1,
    dmSumOfYears = 2,
    dmDoubleDeclining = 3,
    dmNoAmount = 4
};

struct TDepreciationInput
{
    int MethodId = dmNone;
    double OriginValue = 0;
    double EndValue = 0;
    int UseYears = 0;
    QDate AccountDate; // null counts as 30 December 1899
};

struct TDepreciationResult
{
    TMoney Month; // this month's depreciation, rounded to whole cents
    TMoney Total; // accumulated depreciation, rounded to whole cents
};

// Months from the service month to the requested one; 0 in the service month and before it.
int ElapsedMonths(const QDate &accountDate, int year, int month);
TDepreciationResult CalcDepreciation(const TDepreciationInput &asset, int year, int month);
// Original value × 10000 less the accumulated depreciation, rounded half to even.
TMoney NetValue(double originValue, TMoney totalDepreciation);
