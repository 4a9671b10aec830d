#include "asset_list_filter.h"

#include "asset_where.h"
#include "data/dataset.h"
#include "settings/options.h"

namespace {

void SetText(TField *field, const QString &text)
{
    if (!text.isEmpty())
        field->SetAsString(text);
}

} // namespace

QStringList ListScopeItems()
{
    return {QStringLiteral("所有"), QStringLiteral("现有资产"), QStringLiteral("已减少资产")};
}

const std::array<TBrowseCategory, 6> &BrowseCategories()
{
    static const std::array<TBrowseCategory, 6> categories{{
        {1, u"资产分类", TRovoOptions::AssetKindPos},
        {2, u"增加方式", TRovoOptions::AddKindPos},
        {3, u"使用部门", TRovoOptions::UseDeptPos},
        {4, u"使用情况", TRovoOptions::UseStatePos},
        {5, u"存放地点", TRovoOptions::LayPlacePos},
        {6, u"保管人员", TRovoOptions::DepositaryPos},
    }};
    return categories;
}

QString BrowseRootCaption()
{
    return QStringLiteral("浏览方式");
}

TField *BrowseConditionField(const TAssetWhere &where, int mode)
{
    switch (mode) {
    case 1:
        return where.AssetKindFld();
    case 2:
        return where.AddTypeFld();
    case 3:
        return where.UseDeptFld();
    case 4:
        return where.UseStateFld();
    case 5:
        return where.LayPlaceFld();
    case 6:
        return where.DepositaryFld();
    default:
        return nullptr;
    }
}

void ApplyListFilter(TAssetWhere &where, const TAssetListFilter &filter)
{
    where.Clear();
    TDataSet *row = where.DataSet();
    row->Edit();
    if (filter.Scope != TListScope::All)
        where.ReducedFld()->SetAsBoolean(filter.Scope == TListScope::Reduced);
    SetText(where.AssetNameFld(), filter.AssetName);
    SetText(where.PartNoFld(), filter.PartNo);
    SetText(where.GBCodeFld(), filter.GBCode);
    if (TField *leafField = BrowseConditionField(where, filter.Mode))
        leafField->SetAsString(filter.NodeText);
    row->Post();
}
