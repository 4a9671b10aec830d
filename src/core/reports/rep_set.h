#pragma once
// The report templates of table report, one group at a time, in title order.

#include "data/record_set.h"

// The groups of report templates: which list a template prints.
namespace ReportGroup {
enum : int
{
    AssetList = 1,
    MonthlyDepreciation = 2,
    AssetModifications = 3,
    AssetRepairs = 4,
    AssetAccessories = 5,
    AssetReduction = 6,
    Composition = 7,
    RepairReport = 8,
    ModificationReport = 9,
    YearlyDepreciation = 10
};
} // namespace ReportGroup

class TRepSet : public TRecordSet
{
    Q_OBJECT
public:
    explicit TRepSet(QObject *parent = nullptr);

    TField *IdField() const { return m_id; }
    TField *TitleField() const { return m_title; }

    // "select Id,Title from report where GrpId=:GroupId order by Title".
    void OpenGroup(int groupId);

private:
    TField *m_id;
    TField *m_title;
};
