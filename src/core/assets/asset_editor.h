#pragma once
// The asset editor as the asset actions see it: its boxes by property name with the conversions between box
// texts and values, the reset, the two amounts filled in on entering a box, the checks before it closes with
// OK, and the copy between the editor and an asset row. The dialog only supplies the boxes.

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class TCustomAssetsSet;

// How the box of a property converts between its text and a value.
enum class TAssetEditorKind
{
    Text,         // the text as it is, also when empty
    CustomText,   // Str1 … Str6: an empty box reads NULL; NULL leaves the box as it is
    Integer,      // Qty, EndValueRate: an empty box reads NULL; NULL leaves the box, 0 empties it
    Years,        // UseYears: as Integer, but 0 shows "0"
    Number,       // Price, OriginValue, EndValue: NULL leaves the box, any value shows as "0.00"
    CustomNumber, // Float1 … Float3: NULL leaves the box, 0 empties it, else the shortest decimal form
    Date,         // AccountDate: yyyy-mm-dd; NULL empties the box
    CustomDate,   // Date1 … Date3: as Date, but NULL leaves the box
    Method        // MethodId: the position in the method list, 0 for the first method
};

// One published value of the editor and the asset column it is copied to and from.
struct TAssetEditorProperty
{
    QString Name;   // property of the editor ("AssetName")
    QString Column; // field of the asset set, column of table assets ("Name")
    TAssetEditorKind Kind;
    QString Caption; // the caption beside the box; empty for the custom fields, whose captions are labels
};

// Every value property in the tab order of the editor's boxes.
const QList<TAssetEditorProperty> &AssetEditorProperties();
// The entry of a property by name; raises Exception for a name the editor does not have.
const TAssetEditorProperty &AssetEditorProperty(const QString &name);

// Reading a box: the value, or an invalid QVariant for NULL. A text that does not convert raises
// EConvertError with "\"%s\" 不是有效的整数." (数字, 日期). Not for Method.
QVariant AssetEditorTextToValue(TAssetEditorKind kind, const QString &text);
// Writing a box: the text it shows afterwards, or nothing when it keeps what it shows. A value that does not
// convert raises EConvertError. Not for Method.
std::optional<QString> AssetEditorValueToText(TAssetEditorKind kind, const QVariant &value);

// 原值 filled in on entering its box: 数量 × 单价 as "0.00" when both boxes hold a number; nothing otherwise
// (a box that does not convert counts as empty: the OK checks and the save report it).
std::optional<QString> ComputedOriginValue(const QString &qtyText, const QString &priceText);
// 净残值 filled in on entering its box: 原值 × 净残率 ÷ 100 as "0.00", under the same rule.
std::optional<QString> ComputedEndValue(const QString &originValueText, const QString &rateText);

// One message of the OK checks and the property whose box gets the focus.
struct TAssetEditorProblem
{
    QString Message;
    QString Property;
    bool operator==(const TAssetEditorProblem &) const = default;
};

// Values of AfterOk, the "确定后" choice.
enum TAfterOk : int
{
    AfterOkClose = 0, // 关闭
    AfterOkNew = 1,   // 全新增加
    AfterOkCopy = 2   // 复制增加
};

// The dialog in which one asset is entered or changed. A dialog implements the box access; values,
// conversions, the reset, the computed amounts and the checks are the same for every implementation.
class TAssetEditor
{
public:
    virtual ~TAssetEditor();

    // The window caption and the large title.
    virtual void SetTitle(const QString &title) = 0;
    // Shows or hides the "确定后" caption and list together.
    virtual void SetAfterOkVisible(bool visible) = 0;
    // The names of "折旧方法"; the first is selected afterwards.
    virtual void SetMethodItems(const QStringList &items) = 0;
    virtual QStringList MethodItems() const = 0;
    // The "确定后" choice (TAfterOk).
    virtual int AfterOk() const = 0;
    // Shows the editor modally; true when it closed with OK.
    virtual bool Execute() = 0;

    // The text of the box of a value property other than MethodId.
    virtual QString BoxText(const QString &property) const = 0;
    virtual void SetBoxText(const QString &property, const QString &text) = 0;
    // The selected position in "折旧方法", -1 for none; selecting a position out of range selects none.
    virtual int MethodIndex() const = 0;
    virtual void SetMethodIndex(int index) = 0;

    // A value property read with its conversion (EConvertError for a box that does not convert). MethodId is
    // the selected position, 0 when none is selected.
    QVariant Value(const QString &property) const;
    // A value property written with its conversion; MethodId NULL selects the first method.
    void SetValue(const QString &property, const QVariant &value);

    // Empties every box, puts today's date into "启用日期" and selects the first method; "确定后" stays.
    void Reset();
    // The computed amounts, run when 原值 or 净残值 receives the focus.
    void EnterOriginValue();
    void EnterEndValue();
    // The checks run when the editor is about to close with OK, the messages in the order they are shown;
    // empty when it may close.
    QList<TAssetEditorProblem> Check() const;
};

// Fills every value property of the editor from the current row of assets (the code included).
void FillAssetEditor(TAssetEditor &editor, const TCustomAssetsSet &assets);
// Copies every value property into the current row of assets, which is in edit or insert state. All
// properties are read before the row changes, so a box that does not convert leaves the row as it was.
void CopyAssetEditorToRow(const TAssetEditor &editor, TCustomAssetsSet &assets);
