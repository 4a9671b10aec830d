#pragma once
// The numbered rights that guard the commands: their numbers, their captions in the operator editor and
// the group each belongs to. The one table of rights of the program.

#include <QList>
#include <QString>

// Right numbers used by commands.
namespace Right {
inline constexpr int Options = 1;                // the options dialog
inline constexpr int FixedAssetColumnLayout = 3; // saving the fixed-asset grids' layout (before 10006)
inline constexpr int AssetAdd = 9;               // adding and copy-adding an asset, the import
inline constexpr int AssetDelete = 10;           // deleting an asset
inline constexpr int AssetReduce = 11;           // reducing an asset
inline constexpr int AssetModify = 12;           // modifying an asset
inline constexpr int Repair = 13;                // the repairs window and its records
inline constexpr int Depreciation = 14;          // the depreciation window
inline constexpr int Composition = 16;           // the composition analysis window
inline constexpr int Backup = 17;                // the automatic backup and restore window
inline constexpr int Modification = 18;          // modification records
inline constexpr int AccessoryAdd = 19;          // adding an accessory
inline constexpr int AccessoryModify = 21;       // modifying an accessory
inline constexpr int AccessoryDelete = 22;       // deleting an accessory
inline constexpr int ImageAdd = 23;              // adding a picture
inline constexpr int ImageModify = 24;           // replacing a picture (checked without stopping)
inline constexpr int ImageDelete = 25;           // deleting a picture
inline constexpr int AccessoryView = 26;         // opening the accessories window
inline constexpr int ModificationReport = 27;    // the modification report window
inline constexpr int RepairReport = 28;          // the repair report window
inline constexpr int Company = 10000;            // the company dialog and the start-up prompt
inline constexpr int Operators = 100001;         // the operator management window
inline constexpr int Print = 10002;              // printing through the report chooser
inline constexpr int PrintDesign = 10003;        // designing report templates
inline constexpr int Export = 10004;             // exporting a grid or the asset list
inline constexpr int BackupSettings = 10005;     // checked by no command
inline constexpr int ColumnLayoutSave = 10006;   // saving a grid's column layout
inline constexpr int ToolsMenu = 10007;          // the tools-menu configuration window
inline constexpr int ColumnChoice = 10008;       // choosing the columns of a grid
} // namespace Right

enum class TRightGroup
{
    Editor,     // offered by the operator editor; the main window hands these 18 to it
    Management, // added to the editor's list by the operator management window itself
    Unlisted    // checked by commands, offered by no list (in practice only sa passes them)
};

struct TRightInfo
{
    int Number;
    const char *Caption; // UTF-8; empty for the unlisted rights
    TRightGroup Group;

    QString CaptionText() const { return QString::fromUtf8(Caption); }
};

// Every right, in the order of the operator editor's list: the editor group, the management group, then
// the unlisted rights 3 and 17.
const QList<TRightInfo> &AllRights();
// The rights of one group in list order.
QList<TRightInfo> RightsOfGroup(TRightGroup group);
// The entry of a right number; nullptr when the program has no such right.
const TRightInfo *FindRight(int number);
// The caption of a right; empty for an unknown or unlisted right.
QString RightCaption(int number);
