// The rights table (numbers, captions, groups, order of the operator editor) and the rights text rule.
#include "users/operator.h"
#include "users/rights.h"

#include <QSet>
#include <QTest>

namespace {

QList<int> Numbers(const QList<TRightInfo> &rights)
{
    QList<int> numbers;
    for (const TRightInfo &right : rights)
        numbers.append(right.Number);
    return numbers;
}

} // namespace

class TestRights : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void groupsInEditorOrder();
    void captions_data();
    void captions();
    void numbersAreUnique();
    void namedConstants();
    void rightsText_data();
    void rightsText();
    void addRight();
};

void TestRights::groupsInEditorOrder()
{
    const QList<int> editor{9, 12, 10, 26, 19, 21, 22, 23, 24, 25, 18, 27, 13, 28, 11, 14, 16, 1};
    const QList<int> management{10000, 100001, 10002, 10003, 10004, 10008, 10006, 10005, 10007};
    const QList<int> unlisted{3, 17};
    QCOMPARE(editor.size(), 18);
    QCOMPARE(Numbers(RightsOfGroup(TRightGroup::Editor)), editor);
    QCOMPARE(Numbers(RightsOfGroup(TRightGroup::Management)), management);
    QCOMPARE(Numbers(RightsOfGroup(TRightGroup::Unlisted)), unlisted);
    QCOMPARE(Numbers(AllRights()), editor + management + unlisted);
}

void TestRights::captions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::newRow("9") << 9 << QStringLiteral("资产增加权限");
    QTest::newRow("12") << 12 << QStringLiteral("资产修改权限");
    QTest::newRow("10") << 10 << QStringLiteral("资产删除权限");
    QTest::newRow("26") << 26 << QStringLiteral("资产附件查看权限");
    QTest::newRow("19") << 19 << QStringLiteral("资产附件添加权限");
    QTest::newRow("21") << 21 << QStringLiteral("资产附件修改权限");
    QTest::newRow("22") << 22 << QStringLiteral("资产附件删除权限");
    QTest::newRow("23") << 23 << QStringLiteral("资产图片添加权限");
    QTest::newRow("24") << 24 << QStringLiteral("资产图片修改权限");
    QTest::newRow("25") << 25 << QStringLiteral("资产图片删除权限");
    QTest::newRow("18") << 18 << QStringLiteral("资产变更管理权限");
    QTest::newRow("27") << 27 << QStringLiteral("资产变更报表查阅权限");
    QTest::newRow("13") << 13 << QStringLiteral("资产维修管理权限");
    QTest::newRow("28") << 28 << QStringLiteral("资产维修报表查阅权限");
    QTest::newRow("11") << 11 << QStringLiteral("资产减少权限");
    QTest::newRow("14") << 14 << QStringLiteral("固定资产折旧表");
    QTest::newRow("16") << 16 << QStringLiteral("固定资产构成分析");
    QTest::newRow("1") << 1 << QStringLiteral("选项设定权限");
    QTest::newRow("10000") << 10000 << QStringLiteral("公司信息设置");
    QTest::newRow("100001") << 100001 << QStringLiteral("操作员及权限管理");
    QTest::newRow("10002") << 10002 << QStringLiteral("打印");
    QTest::newRow("10003") << 10003 << QStringLiteral("打印设计");
    QTest::newRow("10004") << 10004 << QStringLiteral("数据导出");
    QTest::newRow("10008") << 10008 << QStringLiteral("列选择");
    QTest::newRow("10006") << 10006 << QStringLiteral("列样式保存");
    QTest::newRow("10005") << 10005 << QStringLiteral("备份设置");
    QTest::newRow("10007") << 10007 << QStringLiteral("工具菜单设置");
    QTest::newRow("3 without caption") << 3 << QString();
    QTest::newRow("17 without caption") << 17 << QString();
    QTest::newRow("unknown") << 2 << QString();
}

void TestRights::captions()
{
    QFETCH(int, number);
    QFETCH(QString, caption);
    QCOMPARE(RightCaption(number), caption);
    const TRightInfo *right = FindRight(number);
    QCOMPARE(right != nullptr, number != 2);
    if (right)
        QCOMPARE(right->CaptionText(), caption);
}

void TestRights::numbersAreUnique()
{
    QSet<int> seen;
    for (const TRightInfo &right : AllRights()) {
        QVERIFY2(!seen.contains(right.Number), qPrintable(QString::number(right.Number)));
        seen.insert(right.Number);
    }
    QCOMPARE(seen.size(), 29);
}

void TestRights::namedConstants()
{
    QCOMPARE(Right::AssetAdd, 9);
    QCOMPARE(Right::AssetModify, 12);
    QCOMPARE(Right::AssetDelete, 10);
    QCOMPARE(Right::Options, 1);
    QCOMPARE(Right::FixedAssetColumnLayout, 3);
    QCOMPARE(Right::Backup, 17);
    QCOMPARE(Right::Company, 10000);
    QCOMPARE(Right::Operators, 100001);
    QCOMPARE(Right::ColumnChoice, 10008);
    QCOMPARE(Right::ColumnLayoutSave, 10006);
    QCOMPARE(Right::ToolsMenu, 10007);
}

void TestRights::rightsText_data()
{
    QTest::addColumn<QList<int>>("rights");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QList<int>{} << QString();
    QTest::newRow("one") << QList<int>{1} << QStringLiteral(",1,");
    QTest::newRow("description") << QList<int>{9, 12, 10000} << QStringLiteral(",9,,12,,10000,");
    QTest::newRow("list order kept") << QList<int>{12, 9} << QStringLiteral(",12,,9,");
    QTest::newRow("large") << QList<int>{100001} << QStringLiteral(",100001,");
}

void TestRights::rightsText()
{
    QFETCH(QList<int>, rights);
    QFETCH(QString, text);
    QCOMPARE(RightsText(rights), text);
    for (const int right : rights)
        QVERIFY(RightsTextHolds(text, right));
}

void TestRights::addRight()
{
    QCOMPARE(AddRight(QString(), 9), QStringLiteral(",9,"));
    QCOMPARE(AddRight(QStringLiteral(",9,"), 12), QStringLiteral(",9,,12,"));
    QCOMPARE(RightToken(10000), QStringLiteral(",10000,"));
}

QTEST_GUILESS_MAIN(TestRights)
#include "test_rights.moc"
