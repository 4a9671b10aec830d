#include "rights.h"

const QList<TRightInfo> &AllRights()
{
    static const QList<TRightInfo> rights{
        {Right::AssetAdd, "资产增加权限", TRightGroup::Editor},
        {Right::AssetModify, "资产修改权限", TRightGroup::Editor},
        {Right::AssetDelete, "资产删除权限", TRightGroup::Editor},
        {Right::AccessoryView, "资产附件查看权限", TRightGroup::Editor},
        {Right::AccessoryAdd, "资产附件添加权限", TRightGroup::Editor},
        {Right::AccessoryModify, "资产附件修改权限", TRightGroup::Editor},
        {Right::AccessoryDelete, "资产附件删除权限", TRightGroup::Editor},
        {Right::ImageAdd, "资产图片添加权限", TRightGroup::Editor},
        {Right::ImageModify, "资产图片修改权限", TRightGroup::Editor},
        {Right::ImageDelete, "资产图片删除权限", TRightGroup::Editor},
        {Right::Modification, "资产变更管理权限", TRightGroup::Editor},
        {Right::ModificationReport, "资产变更报表查阅权限", TRightGroup::Editor},
        {Right::Repair, "资产维修管理权限", TRightGroup::Editor},
        {Right::RepairReport, "资产维修报表查阅权限", TRightGroup::Editor},
        {Right::AssetReduce, "资产减少权限", TRightGroup::Editor},
        {Right::Depreciation, "固定资产折旧表", TRightGroup::Editor},
        {Right::Composition, "固定资产构成分析", TRightGroup::Editor},
        {Right::Options, "选项设定权限", TRightGroup::Editor},
        {Right::Company, "公司信息设置", TRightGroup::Management},
        {Right::Operators, "操作员及权限管理", TRightGroup::Management},
        {Right::Print, "打印", TRightGroup::Management},
        {Right::PrintDesign, "打印设计", TRightGroup::Management},
        {Right::Export, "数据导出", TRightGroup::Management},
        {Right::ColumnChoice, "列选择", TRightGroup::Management},
        {Right::ColumnLayoutSave, "列样式保存", TRightGroup::Management},
        {Right::BackupSettings, "备份设置", TRightGroup::Management},
        {Right::ToolsMenu, "工具菜单设置", TRightGroup::Management},
        {Right::FixedAssetColumnLayout, "", TRightGroup::Unlisted},
        {Right::Backup, "", TRightGroup::Unlisted},
    };
    return rights;
}

QList<TRightInfo> RightsOfGroup(TRightGroup group)
{
    QList<TRightInfo> result;
    for (const TRightInfo &right : AllRights()) {
        if (right.Group == group)
            result.append(right);
    }
    return result;
}

const TRightInfo *FindRight(int number)
{
    for (const TRightInfo &right : AllRights()) {
        if (right.Number == number)
            return &right;
    }
    return nullptr;
}

QString RightCaption(int number)
{
    const TRightInfo *right = FindRight(number);
    return right ? right->CaptionText() : QString();
}
