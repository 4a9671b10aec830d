#pragma once
// What the main window's browse tree and quick filters ask of the asset list, turned into conditions.

#include <array>
#include <QString>
#include <QStringList>

class TAssetWhere;
class TField;

// The "范围" choice of the quick filters, in the order of its list.
enum class TListScope : int
{
    All = 0,     // "所有"
    Current = 1, // "现有资产"
    Reduced = 2  // "已减少资产"
};

// The captions of the "范围" list, in TListScope order.
QStringList ListScopeItems();

// A category of the browse tree: its node text, the pick list its leaves come from, and the mode number its
// leaves carry (1 … 6). The root carries mode 0, category nodes none.
struct TBrowseCategory
{
    int Mode;
    const char16_t *Caption;
    int ListPosition; // a TRovoOptions::TListPosition
};

inline constexpr int BrowseRootMode = 0;
inline constexpr int NoBrowseMode = -1;

// The six categories in tree order: 资产分类, 增加方式, 使用部门, 使用情况, 存放地点, 保管人员.
const std::array<TBrowseCategory, 6> &BrowseCategories();
// The caption of the tree's root: "浏览方式".
QString BrowseRootCaption();
// The condition field a leaf of the mode fills; null for the root, category nodes and unknown modes.
TField *BrowseConditionField(const TAssetWhere &where, int mode);

struct TAssetListFilter
{
    TListScope Scope = TListScope::Current;
    QString AssetName;
    QString PartNo;
    QString GBCode;
    int Mode = NoBrowseMode; // of the selected tree node
    QString NodeText;
};

// Replaces the conditions with those of the filter: cleared first, then the scope, the three quick-filter
// texts (empty means no condition) and the selected leaf.
void ApplyListFilter(TAssetWhere &where, const TAssetListFilter &filter);
