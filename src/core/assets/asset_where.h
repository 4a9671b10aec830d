#pragma once
// The condition set of every narrowed asset list: one row of condition fields from which the asset
// query is built (the main window's tree and quick filters, the finder, the depreciation tables).

#include "data/client_dataset.h"

#include <array>

class TDatabase;

class TAssetWhere : public TQzClientDataSet
{
    Q_OBJECT
public:
    static constexpr int FieldTotal = 43;

    explicit TAssetWhere(QObject *parent = nullptr);

    // Every condition to null, except Changed and Repaired, which become no.
    void Clear();
    // The statement the conditions make for the given session's provider. Commits a pending edit of the
    // condition row. Throws EConvertError when YearR and MonthR do not name a month.
    QString SqlText(const TDatabase &db) const;

    TField *IsDeprFld() const { return m_fields[0]; }
    TField *ReducedFld() const { return m_fields[1]; }
    TField *AddTypeFld() const { return m_fields[2]; }
    TField *LayPlaceFld() const { return m_fields[3]; }
    TField *DepositaryFld() const { return m_fields[4]; }
    TField *AssetCodeFld() const { return m_fields[5]; }
    TField *AssetNameFld() const { return m_fields[6]; }
    TField *PartNoFld() const { return m_fields[7]; }
    TField *GBCodeFld() const { return m_fields[8]; }
    TField *FactoryFld() const { return m_fields[9]; }
    TField *AssetKindFld() const { return m_fields[10]; }
    TField *UseStateFld() const { return m_fields[11]; }
    TField *UseDeptFld() const { return m_fields[12]; }
    TField *AccountDate1Fld() const { return m_fields[13]; }
    TField *AccountDate2Fld() const { return m_fields[14]; }
    TField *OriginValue1Fld() const { return m_fields[15]; }
    TField *OriginValue2Fld() const { return m_fields[16]; }
    TField *EndValue1Fld() const { return m_fields[17]; }
    TField *EndValue2Fld() const { return m_fields[18]; }
    TField *UseYears1Fld() const { return m_fields[19]; }
    TField *UseYears2Fld() const { return m_fields[20]; }
    TField *YearRFld() const { return m_fields[21]; }
    TField *MonthRFld() const { return m_fields[22]; }
    TField *Str1Fld() const { return m_fields[23]; }
    TField *Str2Fld() const { return m_fields[24]; }
    TField *Str3Fld() const { return m_fields[25]; }
    TField *Str4Fld() const { return m_fields[26]; }
    TField *Str5Fld() const { return m_fields[27]; }
    TField *Str6Fld() const { return m_fields[28]; }
    TField *Float11Fld() const { return m_fields[29]; }
    TField *Float12Fld() const { return m_fields[30]; }
    TField *Float21Fld() const { return m_fields[31]; }
    TField *Float22Fld() const { return m_fields[32]; }
    TField *Float31Fld() const { return m_fields[33]; }
    TField *Float32Fld() const { return m_fields[34]; }
    TField *Date11Fld() const { return m_fields[35]; }
    TField *Date12Fld() const { return m_fields[36]; }
    TField *Date21Fld() const { return m_fields[37]; }
    TField *Date22Fld() const { return m_fields[38]; }
    TField *Date31Fld() const { return m_fields[39]; }
    TField *Date32Fld() const { return m_fields[40]; }
    TField *ChangedFld() const { return m_fields[41]; }
    TField *RepairedFld() const { return m_fields[42]; }

private:
    std::array<TField *, FieldTotal> m_fields{};
};
