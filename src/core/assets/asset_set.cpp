#include "asset_set.h"

#include "depreciation/depreciation_calc.h"
#include "settings/custom_labels.h"
#include "support/errors.h"
#include "support/messages.h"
#include "users/operator.h"
#include "users/rights.h"

#include <QStringEncoder>

namespace {

struct TAssetField
{
    const char *Name;
    TFieldType Type;
    int Size;
    const char *Caption;
    TFieldKind Kind;
    bool Visible;
    int CustomLabel; // index of the custom caption, -1 for the fixed ones
};

const TAssetField AssetFields[TCustomAssetsSet::FieldTotal] = {
    {"Id", TFieldType::Integer, -1, "Id", TFieldKind::Data, true, -1},
    {"Code", TFieldType::String, 50, "编码", TFieldKind::Data, true, -1},
    {"Kind", TFieldType::String, 50, "类别", TFieldKind::Data, true, -1},
    {"Name", TFieldType::String, 50, "名称", TFieldKind::Data, true, -1},
    {"PartNo", TFieldType::String, 50, "规格型号", TFieldKind::Data, true, -1},
    {"GBCode", TFieldType::String, 50, "国标编号", TFieldKind::Data, true, -1},
    {"Config", TFieldType::String, 250, "详细配置", TFieldKind::Data, true, -1},
    {"Factory", TFieldType::String, 50, "生产厂家", TFieldKind::Data, true, -1},
    {"BuildDate", TFieldType::String, 20, "出厂日期", TFieldKind::Data, true, -1},
    {"Qty", TFieldType::Integer, -1, "数量", TFieldKind::Data, true, -1},
    {"Price", TFieldType::Float, -1, "单价", TFieldKind::Data, true, -1},
    {"Unit", TFieldType::String, 10, "单位", TFieldKind::Data, true, -1},
    {"AddKind", TFieldType::String, 50, "增加方式", TFieldKind::Data, true, -1},
    {"UseDept", TFieldType::String, 50, "使用部门", TFieldKind::Data, true, -1},
    {"UseState", TFieldType::String, 50, "使用情况", TFieldKind::Data, true, -1},
    {"LayPlace", TFieldType::String, 50, "存放地点", TFieldKind::Data, true, -1},
    {"Depositary", TFieldType::String, 50, "保管人员", TFieldKind::Data, true, -1},
    {"AccountDate", TFieldType::DateTime, -1, "启用日期", TFieldKind::Data, true, -1},
    {"OriginValue", TFieldType::Currency, -1, "原值", TFieldKind::Data, true, -1},
    {"EndValue", TFieldType::Currency, -1, "残值", TFieldKind::Data, true, -1},
    {"EndValueRate", TFieldType::Integer, -1, "残值率", TFieldKind::Data, true, -1},
    {"UseYears", TFieldType::Integer, -1, "折旧年限", TFieldKind::Data, true, -1},
    {"EndDateCalc", TFieldType::DateTime, -1, "折旧到期", TFieldKind::Calculated, true, -1},
    {"AssetNote", TFieldType::String, 250, "备注", TFieldKind::Data, true, -1},
    {"MethodId", TFieldType::Integer, -1, "折旧法代码", TFieldKind::Data, false, -1},
    {"MethodName", TFieldType::String, -1, "折旧法", TFieldKind::Lookup, true, -1},
    {"Reduced", TFieldType::Integer, -1, "Reduced", TFieldKind::Data, false, -1},
    {"ReduceDate", TFieldType::DateTime, -1, "减少日期", TFieldKind::Data, true, -1},
    {"ReduceWay", TFieldType::String, -1, "减少方式", TFieldKind::Data, true, -1},
    {"ReduceHandman", TFieldType::String, -1, "减少经手人", TFieldKind::Data, true, -1},
    {"ReduceCheckman", TFieldType::String, -1, "减少批准人", TFieldKind::Data, true, -1},
    {"ReduceNote", TFieldType::String, -1, "减少备注", TFieldKind::Data, true, -1},
    {"Str1", TFieldType::String, 50, "", TFieldKind::Data, true, 0},
    {"Str2", TFieldType::String, 50, "", TFieldKind::Data, true, 1},
    {"Str3", TFieldType::String, 50, "", TFieldKind::Data, true, 2},
    {"Str4", TFieldType::String, 50, "", TFieldKind::Data, true, 3},
    {"Str5", TFieldType::String, 50, "", TFieldKind::Data, true, 4},
    {"Str6", TFieldType::String, 50, "", TFieldKind::Data, true, 5},
    {"Float1", TFieldType::Float, -1, "", TFieldKind::Data, true, 6},
    {"Float2", TFieldType::Float, -1, "", TFieldKind::Data, true, 7},
    {"Float3", TFieldType::Float, -1, "", TFieldKind::Data, true, 8},
    {"Date1", TFieldType::DateTime, -1, "", TFieldKind::Data, true, 9},
    {"Date2", TFieldType::DateTime, -1, "", TFieldKind::Data, true, 10},
    {"Date3", TFieldType::DateTime, -1, "", TFieldKind::Data, true, 11}};

// Day zero of the date system, the service date of an asset that has none.
const QDate DayZero(1899, 12, 30);

// Columns a caption takes on screen: a Chinese character counts two.
int DisplayColumns(const QString &text)
{
    QStringEncoder gbk("GBK");
    return gbk.isValid() ? int(QByteArray(gbk(text)).size()) : int(text.size());
}

const char *const InsertSql = "insert into assets(Id, Code, Kind, Name, PartNo, GBCode, Config, Factory, "
                              "BuildDate, Qty, Price, Unit, AddKind, "
                              "UseDept, UseState, LayPlace, Depositary, AccountDate, OriginValue, EndValue, "
                              "EndValueRate, UseYears, MethodId, "
                              "AssetNote, Reduced, Str1, Str2, Str3, Str4, Str5, Str6, Float1, Float2, "
                              "Float3, Date1, Date2, Date3)values(:Id, "
                              ":Code, :Kind, :Name, :PartNo, :GBCode, :Config, :Factory, :BuildDate, :Qty, "
                              ":Price, :Unit, :AddKind, :UseDept, "
                              ":UseState, :LayPlace, :Depositary, :AccountDate, :OriginValue, :EndValue, "
                              ":EndValueRate, :UseYears, :MethodId, "
                              ":AssetNote, :Reduced, :Str1, :Str2, :Str3, :Str4, :Str5, :Str6, :Float1, "
                              ":Float2, :Float3, :Date1, :Date2, :Date3)";

const char *const UpdateSql =
    "update assets set Code=:Code, Kind=:Kind, Name=:Name, PartNo=:PartNo, GBCode=:GBCode, Config=:Config, "
    "Factory=:Factory, BuildDate=:BuildDate, Qty=:Qty, Price=:Price, Unit=:Unit, AddKind=:AddKind, "
    "UseDept=:UseDept, "
    "UseState=:UseState, LayPlace=:LayPlace, Depositary=:Depositary, Reduced=:Reduced, "
    "AccountDate=:AccountDate, "
    "OriginValue=:OriginValue, EndValue=:EndValue, EndValueRate=:EndValueRate, UseYears=:UseYears, "
    "MethodId=:MethodId, AssetNote=:AssetNote, Str1=:Str1, Str2=:Str2, Str3=:Str3, Str4=:Str4, Str5=:Str5, "
    "Str6=:Str6, Float1=:Float1, Float2=:Float2, Float3=:Float3, Date1=:Date1, Date2=:Date2, Date3=:Date3 "
    "where Id=:Id";

// The columns saved by name, besides Id and Reduced.
const char *const SavedColumns[] = {
    "Code",      "Kind",       "Name",        "PartNo",      "GBCode",   "Config",       "Factory",
    "BuildDate", "Qty",        "Price",       "Unit",        "AddKind",  "UseDept",      "UseState",
    "LayPlace",  "Depositary", "AccountDate", "OriginValue", "EndValue", "EndValueRate", "UseYears",
    "MethodId",  "AssetNote",  "Str1",        "Str2",        "Str3",     "Str4",         "Str5",
    "Str6",      "Float1",     "Float2",      "Float3",      "Date1",    "Date2",        "Date3"};

// The fields of the brief text, in order.
const char *const BriefFields[] = {"Code",        "Name",     "Kind",      "PartNo",     "GBCode",
                                   "Config",      "Factory",  "BuildDate", "Unit",       "AddKind",
                                   "UseDept",     "UseState", "LayPlace",  "Depositary", "AccountDate",
                                   "OriginValue", "UseYears", "AssetNote"};

} // namespace

TCustomAssetsSet::TCustomAssetsSet(QObject *parent) : TRecordSet(parent), m_methodSet(new TMethodSet(this))
{
    for (int i = 0; i < FieldTotal; ++i) {
        const TAssetField &def = AssetFields[i];
        const QString name = QString::fromLatin1(def.Name);
        const QString caption =
            def.CustomLabel >= 0 ? CustomFieldLabels().Label(def.CustomLabel) : QString::fromUtf8(def.Caption);
        std::unique_ptr<TField> field = def.Type == TFieldType::Currency
                                            ? std::make_unique<TCurrencyField>(name, def.Kind)
                                            : std::make_unique<TField>(name, def.Type, def.Size, def.Kind);
        field->SetDisplayLabel(caption);
        field->SetVisible(def.Visible);
        m_fields[size_t(i)] = AddField(std::move(field));
    }
    MethodNameFld()->SetLookup(m_methodSet->DataSet(), QStringLiteral("MethodId"), QStringLiteral("Id"),
                               QStringLiteral("Name"));
    DataSet()->SetOnCalcFields([this](TDataSet &ds) { CalcEndDate(ds); });
}

void TCustomAssetsSet::CalcEndDate(TDataSet &)
{
    const QDate start = AccountDateFld()->IsNull() ? DayZero : AccountDateFld()->AsDateTime().date();
    // adding months keeps the day and clips it to the end of the target month
    EndDateCalcFld()->SetAsDateTime(CalendarDateTime(start.addMonths(UseYearsFld()->AsInteger() * 12)));
}

void TCustomAssetsSet::CalcDepreciation(int year, int month)
{
    m_monthDepreciation = TMoney();
    m_totalDepreciation = TMoney();
    if (DataSet()->IsEmpty())
        return;
    TDepreciationInput asset;
    asset.MethodId = MethodIdFld()->AsInteger();
    asset.OriginValue = OriginValueFld()->AsFloat();
    asset.EndValue = EndValueFld()->AsFloat();
    asset.UseYears = UseYearsFld()->AsInteger();
    asset.AccountDate = AccountDateFld()->IsNull() ? QDate() : AccountDateFld()->AsDateTime().date();
    const TDepreciationResult result = ::CalcDepreciation(asset, year, month);
    m_monthDepreciation = result.Month;
    m_totalDepreciation = result.Total;
}

TMoney TCustomAssetsSet::NetValue() const
{
    return ::NetValue(OriginValueFld()->AsFloat(), m_totalDepreciation);
}

QString TCustomAssetsSet::AsBrief() const
{
    if (!DataSet()->Active() || DataSet()->IsEmpty())
        return {};
    QString brief;
    for (const char *name : BriefFields) {
        const TField *field = DataSet()->FieldByName(QString::fromLatin1(name));
        const QString caption = field->DisplayLabel();
        const QString padded =
            RepeatChar(QLatin1Char(' '), 10 - DisplayColumns(caption)) + caption + QLatin1Char(':');
        brief = QStringLiteral("%1%2 %3\r\n").arg(brief, padded, field->DisplayText());
    }
    return brief;
}

void TCustomAssetsSet::SaveReduce()
{
    GlobalDatabase().Execute(
        QStringLiteral("update assets set Reduced=:Reduced, ReduceDate=:ReduceDate, ReduceWay=:ReduceWay, "
                       "ReduceHandman=:ReduceHandman, ReduceCheckman=:ReduceCheckman, ReduceNote=:ReduceNote "
                       "where Id=:Id"),
        {DBParam(QStringLiteral("Id"), IdFld()->AsInteger()),
         DBParam(QStringLiteral("Reduced"), ReducedFld()->AsInteger()),
         DBParam(QStringLiteral("ReduceDate"), ReduceDateFld()->Value()),
         DBParam(QStringLiteral("ReduceWay"), ReduceWayFld()->Value()),
         DBParam(QStringLiteral("ReduceHandman"), ReduceHandmanFld()->Value()),
         DBParam(QStringLiteral("ReduceCheckman"), ReduceCheckmanFld()->Value()),
         DBParam(QStringLiteral("ReduceNote"), ReduceNoteFld()->Value())});
}

void TCustomAssetsSet::SetQty(int qty)
{
    TDataSet *ds = DataSet();
    if (!ds->Active() || ds->IsEmpty())
        return;
    ds->Edit();
    try {
        QtyFld()->SetAsInteger(qty);
        GlobalDatabase().Execute(QStringLiteral("update assets set Qty=:Qty where Id=:Id"),
                                 {DBParam(QStringLiteral("Qty"), QtyFld()->AsInteger()),
                                  DBParam(QStringLiteral("Id"), IdFld()->AsInteger())});
    } catch (...) {
        ds->Cancel();
        throw;
    }
    ds->Post();
}

TAssetsSet::TAssetsSet(QObject *parent) : TCustomAssetsSet(parent), m_where(new TAssetWhere(this)) {}

void TAssetsSet::OpenById(int id)
{
    Query(QStringLiteral("select * from assets where Id=:Code"), {DBParam(QStringLiteral("Code"), id)});
}

void TAssetsSet::OpenList(int reducedFilter)
{
    const QString where = (reducedFilter == 0 || reducedFilter == 1)
                              ? QStringLiteral("where Reduced=%1").arg(reducedFilter)
                              : QString();
    Query(QStringLiteral("select * from assets %1 order by Kind, Name, PartNo").arg(where));
}

void TAssetsSet::OpenWhere()
{
    Query(m_where->SqlText(GlobalDatabase()));
}

void TAssetsSet::Save()
{
    TDataSet *ds = DataSet();
    try {
        int id = IdFld()->AsInteger();
        const bool insert = id == 0;
        if (insert) {
            GlobalRecordSet().Query(QStringLiteral("select max(Id) from assets"));
            id = GlobalRecordSet().DataSet()->Field(0)->AsInteger() + 1;
        }
        TDBParameters params{DBParam(QStringLiteral("Id"), id),
                             DBParam(QStringLiteral("Reduced"), ReducedFld()->AsInteger())};
        for (const char *column : SavedColumns) {
            const QString name = QString::fromLatin1(column);
            params.append(DBParam(name, ds->FieldByName(name)->Value()));
        }
        GlobalDatabase().Execute(QString::fromLatin1(insert ? InsertSql : UpdateSql), params);
        IdFld()->SetAsInteger(id);
        ds->Post();
    } catch (...) {
        // the new row disappears, an edited row gets its old values back; a written row stays written
        ds->Cancel();
        throw;
    }
}

void TAssetsSet::Delete()
{
    TDataSet *ds = DataSet();
    if (!ds->Active() || ds->IsEmpty())
        return;
    const int assetId = IdFld()->AsInteger();
    try {
        TTransaction transaction(GlobalDatabase());
        const TDBParameters params{DBParam(QStringLiteral("AssetId"), assetId)};
        for (const char *table :
             {"modification", "accessories", "assetimages", "reduce", "repair", "depreciation"})
            GlobalDatabase().Execute(
                QStringLiteral("delete from %1 where AssetId=:AssetId").arg(QString::fromLatin1(table)),
                params);
        GlobalDatabase().Execute(QStringLiteral("delete from assets where Id=:Code"),
                                 {DBParam(QStringLiteral("Code"), assetId)});
        TRecordSet::Delete();
        transaction.Commit();
    } catch (const Exception &error) {
        ShowInfo(error.Message());
    }
}

std::unique_ptr<TAssetEditor> TAssetManager::NewEditor(const QString &title) const
{
    if (!m_editorFactory)
        throw Exception(QStringLiteral("没有可用的资产编辑窗口."));
    std::unique_ptr<TAssetEditor> editor = m_editorFactory();
    // The method names in Id order: a position in the list is the method's Id.
    const TDataSet *methods = MethodSet()->DataSet();
    QStringList names;
    for (int row = 0; row < methods->RecordCount(); ++row)
        names.append(methods->RowValue(row, MethodSet()->NameFld()->Index()).toString());
    editor->SetMethodItems(names);
    editor->SetTitle(title);
    return editor;
}

bool TAssetManager::EditAndSave(TAssetEditor &editor, bool append)
{
    TDataSet *ds = DataSet();
    const auto cancelPending = [ds] {
        if (ds->State() == TDataSetState::Edit || ds->State() == TDataSetState::Insert)
            ds->Cancel();
    };
    while (editor.Execute()) {
        try {
            if (append)
                ds->Append();
            else
                ds->Edit();
            CopyAssetEditorToRow(editor, *this);
            Save();
            return true;
        } catch (const EAbort &) {
            cancelPending();
            throw;
        } catch (const Exception &error) {
            // nothing half-done stays in the list; the editor comes back with what was typed
            cancelPending();
            ShowInfo(error.Message());
        } catch (...) {
            cancelPending();
            throw;
        }
    }
    return false;
}

void TAssetManager::AddClick()
{
    CurrentOperator().CheckRight(Right::AssetAdd, true);
    const std::unique_ptr<TAssetEditor> editor = NewEditor(QStringLiteral("资产增加"));
    editor->Reset();
    while (EditAndSave(*editor, true)) {
        switch (editor->AfterOk()) {
        case AfterOkNew:
            editor->Reset();
            break;
        case AfterOkCopy:
            editor->SetBoxText(QStringLiteral("Code"), QString());
            break;
        default:
            return;
        }
    }
}

// With no current row there is nothing to copy, change or delete: the empty check ends these three actions
// instead of inserting an asset or failing in the delete.
void TAssetManager::CopyAddClick()
{
    CurrentOperator().CheckRight(Right::AssetAdd, true);
    if (CheckEmpty())
        return;
    const std::unique_ptr<TAssetEditor> editor = NewEditor(QStringLiteral("复制增加"));
    editor->SetAfterOkVisible(false);
    FillAssetEditor(*editor, *this);
    EditAndSave(*editor, true);
}

void TAssetManager::ModifyClick()
{
    CurrentOperator().CheckRight(Right::AssetModify, true);
    if (CheckEmpty())
        return;
    const std::unique_ptr<TAssetEditor> editor = NewEditor(QStringLiteral("修改"));
    editor->SetAfterOkVisible(false);
    FillAssetEditor(*editor, *this);
    EditAndSave(*editor, false);
}

void TAssetManager::DeleteClick()
{
    CurrentOperator().CheckRight(Right::AssetDelete, true);
    if (CheckEmpty())
        return;
    if (!ConfirmDelete(QStringLiteral("该资产的档案资料")))
        return;
    Delete();
}
