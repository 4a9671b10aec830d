#include "depreciation_tables.h"

#include "assets/asset_set.h"

namespace {

struct TColumn
{
    const char *Name;
    TFieldType Type;
    int Size;
    const char *Caption;
};

// The columns every table row starts with: the asset as the tables describe it.
const TColumn AssetColumns[] = {{"AssetId", TFieldType::Integer, 0, "ID"},
                                {"AssetCode", TFieldType::String, 50, "编码"},
                                {"AssetName", TFieldType::String, 50, "名称"},
                                {"AssetPartNo", TFieldType::String, 50, "规格型号"},
                                {"AssetKind", TFieldType::String, 50, "类别"},
                                {"AssetUsedept", TFieldType::String, 50, "使用部门"},
                                {"AccountDate", TFieldType::DateTime, 0, "启用日期"},
                                {"OriginValue", TFieldType::Currency, 0, "原值"},
                                {"EndValue", TFieldType::Currency, 0, "残值"},
                                {"EndValueRate", TFieldType::Float, 0, "残值率"},
                                {"UseYears", TFieldType::Float, 0, "折旧年限"},
                                {"AddKind", TFieldType::String, 50, "增加方式"},
                                {"DepreMethod", TFieldType::String, 50, "折旧法"}};

const TColumn MonthlyColumns[] = {{"Additional", TFieldType::Float, 0, "本月增加"},
                                  {"Depreciated", TFieldType::Currency, 0, "本月折旧"},
                                  {"TotalDepreciation", TFieldType::Currency, 0, "累计折旧"},
                                  {"NetValue", TFieldType::Currency, 0, "净值"}};

void AddColumn(TQzClientDataSet &table, const TColumn &column)
{
    table.AddFieldDef(column.Type, QString::fromLatin1(column.Name), column.Size, true,
                      QString::fromUtf8(column.Caption));
}

// The assets the tables list: depreciated, in service, of the class and department asked for.
void OpenDepreciated(TAssetsSet &assets, const QString &kind, const QString &dept)
{
    TAssetWhere *where = assets.Where();
    where->DataSet()->Edit();
    where->ReducedFld()->SetAsBoolean(false);
    where->IsDeprFld()->SetAsBoolean(true);
    where->AssetKindFld()->SetAsString(kind);
    where->UseDeptFld()->SetAsString(dept);
    where->DataSet()->Post();
    assets.OpenWhere();
}

// The thirteen descriptive columns every table row starts with.
void CopyAsset(const TAssetsSet &assets, TDataSet &row)
{
    row.Field(0)->SetValue(assets.IdFld()->Value());
    row.Field(1)->SetValue(assets.CodeFld()->Value());
    row.Field(2)->SetValue(assets.NameFld()->Value());
    row.Field(3)->SetValue(assets.PartNoFld()->Value());
    row.Field(4)->SetValue(assets.KindFld()->Value());
    row.Field(5)->SetValue(assets.UseDeptFld()->Value());
    row.Field(6)->SetValue(assets.AccountDateFld()->Value());
    row.Field(7)->SetValue(assets.OriginValueFld()->Value());
    row.Field(8)->SetValue(assets.EndValueFld()->Value());
    row.Field(9)->SetValue(assets.EndValueRateFld()->Value());
    row.Field(10)->SetValue(assets.UseYearsFld()->Value());
    row.Field(11)->SetValue(assets.AddKindFld()->Value());
    row.Field(12)->SetValue(assets.MethodNameFld()->Value());
}

// Refills a table with one row per depreciated asset; fill sets the amounts of the current asset's row.
void Fill(TDataSet &table, const QString &kind, const QString &dept,
          const std::function<void(TAssetsSet &, TDataSet &)> &fill)
{
    table.DisableControls();
    try {
        table.EmptyDataSet();
        TAssetsSet assets;
        OpenDepreciated(assets, kind, dept);
        TDataSet *rows = assets.DataSet();
        for (rows->First(); !rows->Eof(); rows->Next()) {
            table.Append();
            CopyAsset(assets, table);
            fill(assets, table);
            table.Post();
        }
    } catch (...) {
        if (table.State() == TDataSetState::Insert)
            table.Cancel();
        table.EnableControls();
        throw;
    }
    table.EnableControls();
    table.First();
}

double Amount(TMoney money)
{
    return double(money.Raw()) / TMoney::Scale;
}

} // namespace

TDepreciation::TDepreciation(QObject *parent) : TQzClientDataSet(parent)
{
    for (const TColumn &column : AssetColumns)
        AddColumn(*this, column);
    for (const TColumn &column : MonthlyColumns)
        AddColumn(*this, column);
    CreateDataSet();
}

void TDepreciation::Calculate(int year, int month, const QString &kind, const QString &dept)
{
    Fill(*DataSet(), kind, dept, [&](TAssetsSet &asset, TDataSet &row) {
        asset.CalcDepreciation(year, month);
        row.Field(14)->SetAsFloat(Amount(asset.MonthDepreciation()));
        row.Field(15)->SetAsFloat(Amount(asset.TotalDepreciation()));
        row.Field(16)->SetAsFloat(Amount(asset.NetValue()));
    });
}

TDepreciationByYear::TDepreciationByYear(QObject *parent) : TQzClientDataSet(parent)
{
    for (const TColumn &column : AssetColumns)
        AddColumn(*this, column);
    for (int month = 1; month <= 12; ++month) {
        AddFieldDef(TFieldType::Currency, QStringLiteral("Depre%1").arg(month), 0, true,
                    QStringLiteral("折旧|%1月").arg(month));
    }
    AddFieldDef(TFieldType::Currency, QStringLiteral("DepreYear"), 0, true, QStringLiteral("折旧|年度累计"));
    CreateDataSet();
}

void TDepreciationByYear::Calculate(int year, const QString &kind, const QString &dept)
{
    Fill(*DataSet(), kind, dept, [&](TAssetsSet &asset, TDataSet &row) {
        for (int month = 1; month <= 12; ++month) {
            asset.CalcDepreciation(year, month);
            row.Field(12 + month)->SetAsFloat(Amount(asset.MonthDepreciation()));
        }
    });
}
