#include "asset_id_field.h"

#include "asset_set.h"

namespace {

struct TLookupDef
{
    const char *Name;
    TFieldType Type;
    const char *Caption;
    const char *AssetColumn;
    bool Visible;
};

const TLookupDef Lookups[19] = {
    {"AssetCode", TFieldType::String, "资产编码", "Code", true},
    {"AssetName", TFieldType::String, "资产名称", "Name", true},
    {"AssetKind", TFieldType::String, "资产类别", "Kind", true},
    {"AssetPartNo", TFieldType::String, "型号规格", "PartNo", true},
    {"AssetGBCode", TFieldType::String, "国标编码", "GBCode", true},
    {"AssetConfig", TFieldType::String, "详细配置", "Config", true},
    {"AssetFactory", TFieldType::String, "生产厂家", "Factory", true},
    {"AssetBuildDate", TFieldType::String, "出厂日期", "BuildDate", true},
    {"AssetAddKind", TFieldType::String, "增加方式", "AddKind", true},
    {"AssetUseDept", TFieldType::String, "使用部门", "UseDept", true},
    {"AssetUseState", TFieldType::String, "使用情况", "UseState", true},
    {"AssetLayPlace", TFieldType::String, "存放地点", "LayPlace", true},
    {"AssetDepositary", TFieldType::String, "保管人", "Depositary", true},
    {"AssetAccountDate", TFieldType::String, "启用日期", "AccountDate", true},
    {"AssetOriginValue", TFieldType::Currency, "原值", "OriginValue", true},
    {"AssetEndValue", TFieldType::Currency, "残值", "EndValue", true},
    {"AssetUseYears", TFieldType::Integer, "折旧年限", "UseYears", true},
    {"AssetMethodId", TFieldType::Integer, "折旧法代码lkp", "MethodId", false},
    {"AssetMethodName", TFieldType::String, "折旧方法", "MethodName", true},
};

} // namespace

TAssetIdFld::TAssetIdFld() : TField(QStringLiteral("AssetId"), TFieldType::Integer) {}

TAssetIdFld::~TAssetIdFld() = default;

TAssetIdFld *TAssetIdFld::AddTo(TRecordSet &owner)
{
    std::unique_ptr<TAssetIdFld> created(new TAssetIdFld());
    created->SetVisible(false);
    created->m_assets = std::make_unique<TAssetsSet>();
    created->m_assets->OpenList(-1);
    auto *field = static_cast<TAssetIdFld *>(owner.AddField(std::move(created)));
    for (int i = 0; i < 19; ++i) {
        const TLookupDef &def = Lookups[i];
        auto lookup =
            def.Type == TFieldType::Currency
                ? std::make_unique<TCurrencyField>(QString::fromLatin1(def.Name), TFieldKind::Lookup)
                : std::make_unique<TField>(QString::fromLatin1(def.Name), def.Type, 0, TFieldKind::Lookup);
        lookup->SetDisplayLabel(QString::fromUtf8(def.Caption));
        lookup->SetVisible(def.Visible);
        lookup->SetLookup(field->m_assets->DataSet(), QStringLiteral("AssetId"), QStringLiteral("Id"),
                          QString::fromLatin1(def.AssetColumn));
        field->m_lookups[i] = owner.AddField(std::move(lookup));
    }
    return field;
}
