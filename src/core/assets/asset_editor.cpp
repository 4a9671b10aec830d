#include "asset_editor.h"

#include "asset_set.h"
#include "data/field.h"
#include "data/money.h"
#include "support/edit_rules.h"
#include "support/errors.h"
#include "support/interaction.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using K = TAssetEditorKind;

TAssetEditorProperty Prop(const char *name, const char *column, K kind, const char *caption = "")
{
    return {QString::fromLatin1(name), QString::fromLatin1(column), kind, QString::fromUtf8(caption)};
}

const QString AccountDateProp = QStringLiteral("AccountDate");
const QString AssetNameProp = QStringLiteral("AssetName");
const QString OriginValueProp = QStringLiteral("OriginValue");
const QString EndValueProp = QStringLiteral("EndValue");
const QString UseYearsProp = QStringLiteral("UseYears");
const QString MethodIdProp = QStringLiteral("MethodId");

bool IsBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

QString Quoted(const QVariant &value)
{
    return QLatin1Char('"') + value.toString() + QLatin1Char('"');
}

int ToInteger(const QVariant &value)
{
    bool ok = false;
    double number = 0;
    if (value.typeId() == QMetaType::QString)
        number = double(value.toString().trimmed().toLongLong(&ok));
    else
        number = value.toDouble(&ok);
    // a whole number stored as a float is still a whole number
    if (!ok || number != std::floor(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        throw EConvertError(Quoted(value) + QStringLiteral(" 不是有效的整数."));
    return int(number);
}

double ToDouble(const QVariant &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw EConvertError(Quoted(value) + QStringLiteral(" 不是有效的数字."));
    return number;
}

// A number box's value, nothing when it is empty or does not convert.
std::optional<double> NumberIn(const QString &text)
{
    try {
        const QVariant value = EditTextToVariant(text);
        return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

std::optional<int> IntegerIn(const QString &text)
{
    if (IsBlank(text))
        return std::nullopt;
    try {
        return EditTextToInteger(text);
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

// A computed amount as "0.00": rounded to cents with halves to even, in whole ten-thousandths like every
// money computation, so 0.015 shows 0.02 and not the 0.01 of its binary double.
QString AmountText(double amount)
{
    if (std::fabs(amount) < 1e14)
        amount = TMoney::FromDouble(amount).RoundedToCents().ToDouble();
    return FormatNumber(amount, QStringLiteral("0.00"));
}

} // namespace

const QList<TAssetEditorProperty> &AssetEditorProperties()
{
    static const QList<TAssetEditorProperty> properties{
        Prop("ClassId", "Kind", K::Text, "资产类别"),
        Prop("Code", "Code", K::Text, "资产编码"),
        Prop("AssetName", "Name", K::Text, "资产名称"),
        Prop("PartNo", "PartNo", K::Text, "规格型号"),
        Prop("GBCode", "GBCode", K::Text, "国标编号"),
        Prop("Factory", "Factory", K::Text, "生产厂家"),
        Prop("BuildDate", "BuildDate", K::Text, "出厂日期"),
        Prop("AssetUnit", "Unit", K::Text, "单位"),
        Prop("Config", "Config", K::Text, "详细配置"),
        Prop("UseState", "UseState", K::Text, "使用情况"),
        Prop("UseDept", "UseDept", K::Text, "使用部门"),
        Prop("Depositary", "Depositary", K::Text, "保管人员"),
        Prop("LayPlace", "LayPlace", K::Text, "存放地点"),
        Prop("AddKind", "AddKind", K::Text, "增加方式"),
        Prop("AccountDate", "AccountDate", K::Date, "启用日期"),
        Prop("UseYears", "UseYears", K::Years, "折旧年限"),
        Prop("OriginValue", "OriginValue", K::Number, "原值"),
        Prop("EndValueRate", "EndValueRate", K::Integer, "净残率(%)"),
        Prop("EndValue", "EndValue", K::Number, "净残值"),
        Prop("MethodId", "MethodId", K::Method, "折旧方法"),
        Prop("Qty", "Qty", K::Integer, "数量"),
        Prop("Price", "Price", K::Number, "单价"),
        Prop("AssetNote", "AssetNote", K::Text, "备注"),
        Prop("Str1", "Str1", K::CustomText),
        Prop("Str2", "Str2", K::CustomText),
        Prop("Str3", "Str3", K::CustomText),
        Prop("Str4", "Str4", K::CustomText),
        Prop("Str5", "Str5", K::CustomText),
        Prop("Str6", "Str6", K::CustomText),
        Prop("Float1", "Float1", K::CustomNumber),
        Prop("Float2", "Float2", K::CustomNumber),
        Prop("Float3", "Float3", K::CustomNumber),
        Prop("Date1", "Date1", K::CustomDate),
        Prop("Date2", "Date2", K::CustomDate),
        Prop("Date3", "Date3", K::CustomDate)};
    return properties;
}

const TAssetEditorProperty &AssetEditorProperty(const QString &name)
{
    for (const TAssetEditorProperty &property : AssetEditorProperties())
        if (property.Name == name)
            return property;
    throw Exception(QStringLiteral("资产编辑窗口没有属性 %1").arg(name));
}

QVariant AssetEditorTextToValue(TAssetEditorKind kind, const QString &text)
{
    switch (kind) {
    case K::Text:
        return text;
    case K::CustomText:
        return text.isEmpty() ? QVariant() : QVariant(text);
    case K::Integer:
    case K::Years:
        return IsBlank(text) ? QVariant() : QVariant(EditTextToInteger(text));
    case K::Number:
    case K::CustomNumber:
        return EditTextToVariant(text);
    case K::Date:
    case K::CustomDate:
        return EditTextToDate(text);
    case K::Method:
        break;
    }
    return {};
}

std::optional<QString> AssetEditorValueToText(TAssetEditorKind kind, const QVariant &value)
{
    const bool null = value.isNull();
    switch (kind) {
    case K::Text:
        return null ? QString() : value.toString();
    case K::CustomText:
        return null ? std::nullopt : std::optional<QString>(value.toString());
    case K::Integer:
        return null ? std::nullopt : std::optional<QString>(IntegerToEditText(ToInteger(value)));
    case K::Years:
        return null ? std::nullopt : std::optional<QString>(QString::number(ToInteger(value)));
    case K::Number:
        return null ? std::nullopt
                    : std::optional<QString>(FormatNumber(ToDouble(value), QStringLiteral("0.00")));
    case K::CustomNumber:
        return null ? std::nullopt : std::optional<QString>(DoubleToEditText(ToDouble(value)));
    case K::Date:
        return DateToEditText(value);
    case K::CustomDate:
        return null ? std::nullopt : std::optional<QString>(DateToEditText(value));
    case K::Method:
        break;
    }
    return std::nullopt;
}

std::optional<QString> ComputedOriginValue(const QString &qtyText, const QString &priceText)
{
    const std::optional<int> qty = IntegerIn(qtyText);
    const std::optional<double> price = NumberIn(priceText);
    if (!qty || !price)
        return std::nullopt;
    return AmountText(*qty * *price);
}

std::optional<QString> ComputedEndValue(const QString &originValueText, const QString &rateText)
{
    const std::optional<double> origin = NumberIn(originValueText);
    const std::optional<int> rate = IntegerIn(rateText);
    if (!origin || !rate)
        return std::nullopt;
    return AmountText(*origin * *rate / 100);
}

TAssetEditor::~TAssetEditor() = default;

QVariant TAssetEditor::Value(const QString &property) const
{
    const TAssetEditorProperty &entry = AssetEditorProperty(property);
    if (entry.Kind == K::Method)
        return std::max(MethodIndex(), 0);
    return AssetEditorTextToValue(entry.Kind, BoxText(property));
}

void TAssetEditor::SetValue(const QString &property, const QVariant &value)
{
    const TAssetEditorProperty &entry = AssetEditorProperty(property);
    if (entry.Kind == K::Method) {
        SetMethodIndex(value.isNull() ? 0 : ToInteger(value));
        return;
    }
    if (const std::optional<QString> text = AssetEditorValueToText(entry.Kind, value))
        SetBoxText(property, *text);
}

void TAssetEditor::Reset()
{
    for (const TAssetEditorProperty &property : AssetEditorProperties())
        if (property.Kind != K::Method)
            SetBoxText(property.Name, QString());
    SetBoxText(AccountDateProp, DateToEditText(Interaction().Today()));
    SetMethodIndex(0);
}

void TAssetEditor::EnterOriginValue()
{
    if (const std::optional<QString> text =
            ComputedOriginValue(BoxText(QStringLiteral("Qty")), BoxText(QStringLiteral("Price"))))
        SetBoxText(OriginValueProp, *text);
}

void TAssetEditor::EnterEndValue()
{
    if (const std::optional<QString> text =
            ComputedEndValue(BoxText(OriginValueProp), BoxText(QStringLiteral("EndValueRate"))))
        SetBoxText(EndValueProp, *text);
}

QList<TAssetEditorProblem> TAssetEditor::Check() const
{
    QList<TAssetEditorProblem> problems;

    // 1. Every date box that holds text holds a date; the first wrong one is reported, the rest not looked
    // at.
    for (const QString &property :
         {AccountDateProp, QStringLiteral("Date1"), QStringLiteral("Date2"), QStringLiteral("Date3")}) {
        try {
            EditTextToDate(BoxText(property));
        } catch (const EConvertError &) {
            problems.append({QStringLiteral("日期格式不正确,应当类似于2006-2-13."), property});
            break;
        }
    }

    // 2. The name.
    if (IsBlank(BoxText(AssetNameProp)))
        problems.append({QStringLiteral("资产名称必须填写."), AssetNameProp});

    // 3. The first method means no depreciation, which needs nothing more.
    if (MethodIndex() <= 0)
        return problems;

    // 4. What the depreciation needs, listed in one message. A number box that does not convert stops the
    // checks with its conversion message. A service date that is there but wrong was reported by step 1
    // and is not listed again.
    QString list;
    QString first;
    const auto missing = [&](const QString &property, const QString &complaint) {
        list = QStringLiteral("%1\r\n%2%3").arg(list, AssetEditorProperty(property).Caption, complaint);
        if (first.isEmpty())
            first = property;
    };
    for (const QString &property : {OriginValueProp, EndValueProp, UseYearsProp}) {
        QVariant value;
        try {
            value = AssetEditorTextToValue(AssetEditorProperty(property).Kind, BoxText(property));
        } catch (const EConvertError &error) {
            problems.append({error.Message(), property});
            return problems;
        }
        if (value.isNull() || value.toDouble() <= 0)
            missing(property, QStringLiteral("必须大于零"));
    }
    if (IsBlank(BoxText(AccountDateProp)))
        missing(AccountDateProp, QStringLiteral("必需填写"));
    if (!list.isEmpty())
        problems.append(
            {QStringLiteral("计提折旧必须填写以下信息:\t\t\r\n%1\r\n\r\n请补充完整.").arg(list), first});
    return problems;
}

void FillAssetEditor(TAssetEditor &editor, const TCustomAssetsSet &assets)
{
    const TDataSet *ds = assets.DataSet();
    for (const TAssetEditorProperty &property : AssetEditorProperties())
        editor.SetValue(property.Name, ds->FieldByName(property.Column)->Value());
}

void CopyAssetEditorToRow(const TAssetEditor &editor, TCustomAssetsSet &assets)
{
    QVariantList values;
    for (const TAssetEditorProperty &property : AssetEditorProperties())
        values.append(editor.Value(property.Name));
    const TDataSet *ds = assets.DataSet();
    qsizetype i = 0;
    for (const TAssetEditorProperty &property : AssetEditorProperties())
        ds->FieldByName(property.Column)->SetValue(values.at(i++));
}
