#pragma once
// An AssetId field that brings the asset's descriptive columns into another record set as lookup fields.

#include "data/field.h"

#include <memory>

class TAssetsSet;
class TRecordSet;

class TAssetIdFld : public TField
{
public:
    // Declares AssetId (hidden) and its lookup fields on owner, in order; returns the AssetId field, which
    // the record set owns. The field keeps its own asset set opened with every asset.
    static TAssetIdFld *AddTo(TRecordSet &owner);
    ~TAssetIdFld() override;

    TAssetsSet *AssetsSet() const { return m_assets.get(); }
    TField *CodeFld() const { return m_lookups[0]; }
    TField *NameFld() const { return m_lookups[1]; }
    TField *KindFld() const { return m_lookups[2]; }
    TField *PartNoFld() const { return m_lookups[3]; }
    TField *GBCodeFld() const { return m_lookups[4]; }
    TField *ConfigFld() const { return m_lookups[5]; }
    TField *FactoryFld() const { return m_lookups[6]; }
    TField *BuildDateFld() const { return m_lookups[7]; }
    TField *AddKindFld() const { return m_lookups[8]; }
    TField *UseDeptFld() const { return m_lookups[9]; }
    TField *UseStateFld() const { return m_lookups[10]; }
    TField *LayPlaceFld() const { return m_lookups[11]; }
    TField *DepositaryFld() const { return m_lookups[12]; }
    TField *AccountDateFld() const { return m_lookups[13]; }
    TField *OriginValueFld() const { return m_lookups[14]; }
    TField *EndValueFld() const { return m_lookups[15]; }
    TField *UseYearsFld() const { return m_lookups[16]; }
    TField *MethodIdFld() const { return m_lookups[17]; }
    TField *MethodNameFld() const { return m_lookups[18]; }

private:
    TAssetIdFld();
    std::unique_ptr<TAssetsSet> m_assets;
    TField *m_lookups[19] = {};
};
