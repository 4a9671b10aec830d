#pragma once
// The asset table: its declared fields in grid order with captions, the depreciation results of the
// current row, saving, the cascading delete and the small update statements.

#include "asset_editor.h"
#include "asset_where.h"
#include "data/money.h"
#include "data/record_set.h"
#include "method_set.h"

#include <array>
#include <functional>
#include <memory>

// The field list, calculated and lookup fields, depreciation results and the reduction and quantity updates.
class TCustomAssetsSet : public TRecordSet
{
    Q_OBJECT
public:
    static constexpr int FieldTotal = 44;

    // Takes the custom field captions current now.
    explicit TCustomAssetsSet(QObject *parent = nullptr);

    TField *IdFld() const { return m_fields[0]; }
    TField *CodeFld() const { return m_fields[1]; }
    TField *KindFld() const { return m_fields[2]; }
    TField *NameFld() const { return m_fields[3]; }
    TField *PartNoFld() const { return m_fields[4]; }
    TField *GBCodeFld() const { return m_fields[5]; }
    TField *ConfigFld() const { return m_fields[6]; }
    TField *FactoryFld() const { return m_fields[7]; }
    TField *BuildDateFld() const { return m_fields[8]; }
    TField *QtyFld() const { return m_fields[9]; }
    TField *PriceFld() const { return m_fields[10]; }
    TField *UnitFld() const { return m_fields[11]; }
    TField *AddKindFld() const { return m_fields[12]; }
    TField *UseDeptFld() const { return m_fields[13]; }
    TField *UseStateFld() const { return m_fields[14]; }
    TField *LayPlaceFld() const { return m_fields[15]; }
    TField *DepositaryFld() const { return m_fields[16]; }
    TField *AccountDateFld() const { return m_fields[17]; }
    TField *OriginValueFld() const { return m_fields[18]; }
    TField *EndValueFld() const { return m_fields[19]; }
    TField *EndValueRateFld() const { return m_fields[20]; }
    TField *UseYearsFld() const { return m_fields[21]; }
    TField *AssetNoteFld() const { return m_fields[23]; }
    TField *MethodIdFld() const { return m_fields[24]; }
    TField *MethodNameFld() const { return m_fields[25]; }
    TField *ReducedFld() const { return m_fields[26]; }
    TField *ReduceDateFld() const { return m_fields[27]; }
    TField *ReduceWayFld() const { return m_fields[28]; }
    TField *ReduceHandmanFld() const { return m_fields[29]; }
    TField *ReduceCheckmanFld() const { return m_fields[30]; }
    TField *ReduceNoteFld() const { return m_fields[31]; }
    TField *Str1Fld() const { return m_fields[32]; }
    TField *Str2Fld() const { return m_fields[33]; }
    TField *Str3Fld() const { return m_fields[34]; }
    TField *Str4Fld() const { return m_fields[35]; }
    TField *Str5Fld() const { return m_fields[36]; }
    TField *Str6Fld() const { return m_fields[37]; }
    TField *Float1Fld() const { return m_fields[38]; }
    TField *Float2Fld() const { return m_fields[39]; }
    TField *Float3Fld() const { return m_fields[40]; }
    TField *Date1Fld() const { return m_fields[41]; }
    TField *Date2Fld() const { return m_fields[42]; }
    TField *Date3Fld() const { return m_fields[43]; }
    TField *EndDateCalcFld() const { return m_fields[22]; }
    TMethodSet *MethodSet() const { return m_methodSet; }

    // Depreciation of the current row for a calendar month, kept in MonthDepreciation and TotalDepreciation.
    void CalcDepreciation(int year, int month);
    TMoney MonthDepreciation() const { return m_monthDepreciation; }
    TMoney TotalDepreciation() const { return m_totalDepreciation; }
    // OriginValue x 10000 less the accumulated depreciation, rounded.
    TMoney NetValue() const;
    // One line per main field: the caption right-aligned in 10 columns, ":", the shown value.
    QString AsBrief() const;

    // Writes the reduction columns of the current row (the caller edits the row before and posts it after).
    void SaveReduce();
    // Sets and writes the quantity of the current row; nothing when there is none.
    void SetQty(int qty);

private:
    void CalcEndDate(TDataSet &ds);

    std::array<TField *, FieldTotal> m_fields{};
    TMethodSet *m_methodSet;
    TMoney m_monthDepreciation;
    TMoney m_totalDepreciation;
};

// Adds the condition set, opening, saving by insert or update, and the delete of an asset with its records.
class TAssetsSet : public TCustomAssetsSet
{
    Q_OBJECT
public:
    explicit TAssetsSet(QObject *parent = nullptr);

    TAssetWhere *Where() const { return m_where; }

    void OpenById(int id);
    // filter 0: in service, 1: reduced, anything else: all assets.
    void OpenList(int reducedFilter);
    void OpenWhere();
    // Inserts (Id 0 or null) or updates the current row, which is in edit or append state. On error the
    // edit or append is cancelled and the error passed on.
    virtual void Save();
    // Deletes the current asset and every record hanging on it in one transaction; on error everything is
    // rolled back and the error shown.
    void Delete() override;

private:
    TAssetWhere *m_where;
};

// The asset set behind the main window; one exists while the program runs. Its actions work on the current
// row, which is the row selected in the grid; each is a user action, run inside the action wrapper (a
// missing right ends it with the silent abort).
class TAssetManager : public TAssetsSet
{
    Q_OBJECT
public:
    using TEditorFactory = std::function<std::unique_ptr<TAssetEditor>()>;

    using TAssetsSet::TAssetsSet;

    // How the actions make their editor: a new, freshly reset one per call. The window layer installs it.
    void SetEditorFactory(TEditorFactory factory) { m_editorFactory = std::move(factory); }

    // "增加" (right 9): the add loop; every saved asset is appended at the end of the list, and the editor's
    // "确定后" choice decides whether it closes, comes back empty or comes back with everything but the code.
    void AddClick();
    // "复制增加" (right 9): a new asset pre-filled from the current one, the code included.
    void CopyAddClick();
    // "修改" (right 12): edits the current asset in place.
    void ModifyClick();
    // "删除" (right 10): after the confirmation deletes the current asset with all its records.
    void DeleteClick();

private:
    // A new editor with the method names and the title.
    std::unique_ptr<TAssetEditor> NewEditor(const QString &title) const;
    // Shows the editor until it is cancelled or what it holds is saved: appended as a new row, or written
    // into the current row. A failing save shows its message and shows the editor again with the input.
    bool EditAndSave(TAssetEditor &editor, bool append);

    TEditorFactory m_editorFactory;
};
