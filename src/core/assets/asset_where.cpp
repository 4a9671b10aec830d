#include "asset_where.h"

#include "data/database.h"
#include "support/errors.h"

namespace {

struct TConditionField
{
    const char *Name;
    TFieldType Type;
    int Size;
    const char *Caption;
};

const TConditionField ConditionFields[TAssetWhere::FieldTotal] = {
    {"IsDepr", TFieldType::Boolean, 0, ""},
    {"Reduced", TFieldType::Boolean, 0, ""},
    {"AddType", TFieldType::String, 50, ""},
    {"LayPlace", TFieldType::String, 50, ""},
    {"Depositary", TFieldType::String, 50, ""},
    {"AssetCode", TFieldType::String, 50, "资产编码"},
    {"AssetName", TFieldType::String, 50, "资产名称"},
    {"PartNo", TFieldType::String, 50, "型号规格"},
    {"GBCode", TFieldType::String, 50, "国际编号"},
    {"Factory", TFieldType::String, 50, ""},
    {"AssetKind", TFieldType::String, 50, ""},
    {"UseState", TFieldType::String, 50, ""},
    {"UseDept", TFieldType::String, 50, ""},
    {"AccountDate1", TFieldType::DateTime, 0, ""},
    {"AccountDate2", TFieldType::DateTime, 0, ""},
    {"OriginValue1", TFieldType::Float, 0, ""},
    {"OriginValue2", TFieldType::Float, 0, ""},
    {"EndValue1", TFieldType::Float, 0, ""},
    {"EndValue2", TFieldType::Float, 0, ""},
    {"UseYears1", TFieldType::Integer, 0, ""},
    {"UseYears2", TFieldType::Integer, 0, ""},
    {"YearR", TFieldType::Integer, 0, ""},
    {"MonthR", TFieldType::Integer, 0, ""},
    {"Str1", TFieldType::String, 50, ""},
    {"Str2", TFieldType::String, 50, ""},
    {"Str3", TFieldType::String, 50, ""},
    {"Str4", TFieldType::String, 50, ""},
    {"Str5", TFieldType::String, 50, ""},
    {"Str6", TFieldType::String, 50, ""},
    {"Float11", TFieldType::Float, 0, ""},
    {"Float12", TFieldType::Float, 0, ""},
    {"Float21", TFieldType::Float, 0, ""},
    {"Float22", TFieldType::Float, 0, ""},
    {"Float31", TFieldType::Float, 0, ""},
    {"Float32", TFieldType::Float, 0, ""},
    {"Date11", TFieldType::DateTime, 0, ""},
    {"Date12", TFieldType::DateTime, 0, ""},
    {"Date21", TFieldType::DateTime, 0, ""},
    {"Date22", TFieldType::DateTime, 0, ""},
    {"Date31", TFieldType::DateTime, 0, ""},
    {"Date32", TFieldType::DateTime, 0, ""},
    {"Changed", TFieldType::Boolean, 0, ""},
    {"Repaired", TFieldType::Boolean, 0, ""}};

// Texts are written into the statement between single quotes; a quote in the text is doubled so that it
// stays part of the text and cannot end the literal.
QString SqlText(const QString &text)
{
    QString quoted = text;
    return quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
}

// Numbers as C's %g writes them: at most 15 significant digits, no trailing zeros.
QString SqlNumber(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

TAssetWhere::TAssetWhere(QObject *parent) : TQzClientDataSet(parent)
{
    for (int i = 0; i < FieldTotal; ++i) {
        const TConditionField &def = ConditionFields[i];
        m_fields[size_t(i)] = AddFieldDef(def.Type, QString::fromLatin1(def.Name), def.Size, true,
                                          QString::fromUtf8(def.Caption));
    }
    CreateDataSet();
    DataSet()->Append();
    DataSet()->Post();
    Clear();
}

void TAssetWhere::Clear()
{
    TDataSet *ds = DataSet();
    ds->First();
    ds->Edit();
    for (TField *field : m_fields)
        field->Clear();
    ChangedFld()->SetAsBoolean(false);
    RepairedFld()->SetAsBoolean(false);
    ds->Post();
}

QString TAssetWhere::SqlText(const TDatabase &db) const
{
    DataSet()->CheckBrowseMode();
    QString p;
    auto text = [&](TField *field, const QString &format) {
        if (!field->AsString().isEmpty())
            p = format.arg(p, ::SqlText(field->AsString()));
    };
    auto number = [&](TField *field, const QString &format) {
        if (!field->IsNull() && field->AsFloat() > 0)
            p = format.arg(p, SqlNumber(field->AsFloat()));
    };
    auto whole = [&](TField *field, const QString &format) {
        if (!field->IsNull() && field->AsInteger() > 0)
            p = format.arg(p, QString::number(field->AsInteger()));
    };
    auto date = [&](TField *field, const QString &format) {
        if (!field->IsNull())
            p = format.arg(p, db.DateLiteral(field->AsDateTime().date()));
    };
    auto flag = [&](TField *field, const QString &yes, const QString &no) {
        if (!field->IsNull())
            p = (field->AsBoolean() ? yes : no).arg(p);
    };

    flag(IsDeprFld(), QStringLiteral("%1 and MethodId>0"), QStringLiteral("%1 and MethodId=0"));
    flag(ReducedFld(), QStringLiteral("%1 and Reduced=1"), QStringLiteral("%1 and Reduced=0"));
    text(AddTypeFld(), QStringLiteral("%1 and AddKind='%2'"));
    text(LayPlaceFld(), QStringLiteral("%1 and LayPlace='%2'"));
    text(DepositaryFld(), QStringLiteral("%1 and Depositary='%2'"));
    text(AssetCodeFld(), QStringLiteral("%1 and Code like '%%2%'"));
    text(AssetNameFld(), QStringLiteral("%1 and Name like '%%2%'"));
    text(PartNoFld(), QStringLiteral("%1 and PartNo like '%%2%'"));
    text(GBCodeFld(), QStringLiteral("%1 and GBCode like '%%2%'"));
    text(FactoryFld(), QStringLiteral("%1 and Factory like '%%2%'"));
    text(AssetKindFld(), QStringLiteral("%1 and Kind like '%2%'"));
    text(UseStateFld(), QStringLiteral("%1 and UseState like '%%2%'"));
    date(AccountDate1Fld(), QStringLiteral("%1 and AccountDate>=%2"));
    date(AccountDate2Fld(), QStringLiteral("%1 and AccountDate<=%2"));
    number(OriginValue1Fld(), QStringLiteral("%1 and OriginValue>=%2"));
    number(OriginValue2Fld(), QStringLiteral("%1 and OriginValue<=%2"));
    number(EndValue1Fld(), QStringLiteral("%1 and EndValue>=%2"));
    number(EndValue2Fld(), QStringLiteral("%1 and EndValue<=%2"));
    whole(UseYears1Fld(), QStringLiteral("%1 and UseYears>=%2"));
    whole(UseYears2Fld(), QStringLiteral("%1 and UseYears<=%2"));
    text(UseDeptFld(), QStringLiteral("%1 and UseDept like '%%2%'"));
    if (!YearRFld()->IsNull() && !MonthRFld()->IsNull()) {
        const QDate first(YearRFld()->AsInteger(), MonthRFld()->AsInteger(), 1);
        if (!first.isValid() || first.year() < 1 || first.year() > 9999)
            throw EConvertError(QStringLiteral("%1年%2月不是有效的日期.")
                                    .arg(YearRFld()->AsInteger())
                                    .arg(MonthRFld()->AsInteger()));
        p = QStringLiteral("%1 and DateDiff('m', AccountDate, %2) > UseYears*12")
                .arg(p, db.DateLiteral(first));
    }
    const QString custom[] = {QStringLiteral("Str1"), QStringLiteral("Str2"), QStringLiteral("Str3"),
                              QStringLiteral("Str4"), QStringLiteral("Str5"), QStringLiteral("Str6")};
    for (int i = 0; i < 6; ++i)
        text(m_fields[size_t(Str1Fld()->Index() + i)],
             QStringLiteral("%1 and ") + custom[i] + QStringLiteral(" like '%%2%'"));
    for (int i = 0; i < 3; ++i) {
        const QString column = QStringLiteral("Float%1").arg(i + 1);
        number(m_fields[size_t(Float11Fld()->Index() + 2 * i)],
               QStringLiteral("%1 and ") + column + QStringLiteral(">=%2"));
        number(m_fields[size_t(Float11Fld()->Index() + 2 * i + 1)],
               QStringLiteral("%1 and ") + column + QStringLiteral("<=%2"));
    }
    for (int i = 0; i < 3; ++i) {
        const QString column = QStringLiteral("Date%1").arg(i + 1);
        date(m_fields[size_t(Date11Fld()->Index() + 2 * i)],
             QStringLiteral("%1 and ") + column + QStringLiteral(">=%2"));
        date(m_fields[size_t(Date11Fld()->Index() + 2 * i + 1)],
             QStringLiteral("%1 and ") + column + QStringLiteral("<=%2"));
    }
    if (ChangedFld()->AsBoolean())
        p += QStringLiteral(" and Id in (select AssetId from modification group by AssetId)");
    if (RepairedFld()->AsBoolean())
        p += QStringLiteral(" and Id in (select AssetId from repair group by AssetId)");

    const QString where = p.isEmpty() ? QString() : QStringLiteral(" where %1 ").arg(p.mid(5));
    return QStringLiteral("select * from assets ") + where + QStringLiteral(" order by Kind, Name, PartNo");
    return p;
}
