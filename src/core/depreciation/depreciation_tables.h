#pragma once
// The monthly and yearly depreciation tables: every depreciated asset in service with its depreciation
// for a month (with the accumulated amount and net value) or for each month of a year.

#include "data/client_dataset.h"

#include <QString>

// The monthly table.
class TDepreciation : public TQzClientDataSet
{
    Q_OBJECT
public:
    explicit TDepreciation(QObject *parent = nullptr);

    // Replaces every row by the table of that month for assets whose class begins with kind and whose
    // department contains dept (an empty text adds no condition).
    void Calculate(int year, int month, const QString &kind, const QString &dept);

    TField *AssetIdFld() const { return DataSet()->Field(0); }
    TField *AdditionalFld() const { return DataSet()->Field(13); }
    TField *DepreciatedFld() const { return DataSet()->Field(14); }
    TField *TotalDepreciationFld() const { return DataSet()->Field(15); }
    TField *NetValueFld() const { return DataSet()->Field(16); }
};

// The yearly table, month by month.
class TDepreciationByYear : public TQzClientDataSet
{
    Q_OBJECT
public:
    explicit TDepreciationByYear(QObject *parent = nullptr);

    void Calculate(int year, const QString &kind, const QString &dept);

    // month 1 to 12
    TField *DepreFld(int month) const { return DataSet()->Field(12 + month); }
    TField *DepreYearFld() const { return DataSet()->Field(25); }
};
