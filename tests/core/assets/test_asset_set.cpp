// The asset table wrapper: saving, the cascading delete, calculated and looked-up fields, the brief text,
// and the asset lookup field of other record sets.
#include "assets/asset_id_field.h"
#include "assets/asset_set.h"
#include "scripted_interaction.h"
#include "settings/custom_labels.h"
#include "support/errors.h"
#include "test_database.h"

#include <QTest>

namespace {

int Count(const QString &sql)
{
    GlobalRecordSet().Query(sql);
    return GlobalRecordSet().DataSet()->Field(0)->AsInteger();
}

void AppendAsset(TAssetsSet &assets, const QString &name, const QDate &service = QDate(2004, 1, 15))
{
    assets.DataSet()->Append();
    assets.NameFld()->SetAsString(name);
    assets.KindFld()->SetAsString(QStringLiteral("0301计算机设备"));
    assets.AccountDateFld()->SetValue(service);
    assets.OriginValueFld()->SetAsFloat(12000);
    assets.EndValueFld()->SetAsFloat(0);
    assets.UseYearsFld()->SetAsInteger(5);
    assets.MethodIdFld()->SetAsInteger(1);
    assets.Save();
}

} // namespace

class TestAssetSet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fieldsInGridOrder();
    void saveAllocatesIds();
    void updateKeepsReduction();
    void failedSaveCancelsTheRow();
    void cascadingDelete();
    void failedDeleteRollsBack();
    void endDate_data();
    void endDate();
    void openList();
    void brief();
    void depreciationOfTheCurrentRow();
    void quantityAndReduction();
    void assetIdLookups();
};

void TestAssetSet::fieldsInGridOrder()
{
    TTestDatabase fixture;
    TAssetsSet assets;
    const QStringList names = assets.DataSet()->FieldNames();
    QCOMPARE(names.size(), 44);
    QCOMPARE(names.mid(20, 7), (QStringList{QStringLiteral("EndValueRate"), QStringLiteral("UseYears"),
                                            QStringLiteral("EndDateCalc"), QStringLiteral("AssetNote"),
                                            QStringLiteral("MethodId"), QStringLiteral("MethodName"),
                                            QStringLiteral("Reduced")}));
    QCOMPARE(assets.Str1Fld()->DisplayLabel(), QStringLiteral("字符型1"));
    QCOMPARE(assets.Date3Fld()->DisplayLabel(), QStringLiteral("日期型3"));
    QVERIFY(!assets.MethodIdFld()->Visible());
    QCOMPARE(assets.OriginValueFld()->DisplayFormat(), QStringLiteral(",0.00"));

    // an asset set takes the labels current when it is made
    CustomFieldLabels().SetLabel(0, QStringLiteral("资产条码"));
    TAssetsSet relabelled;
    QCOMPARE(relabelled.Str1Fld()->DisplayLabel(), QStringLiteral("资产条码"));
    QCOMPARE(assets.Str1Fld()->DisplayLabel(), QStringLiteral("字符型1"));
    CustomFieldLabels().Reset();
}

void TestAssetSet::saveAllocatesIds()
{
    TTestDatabase fixture;
    TAssetsSet assets;
    assets.OpenList(-1);
    AppendAsset(assets, QStringLiteral("电脑"));
    QCOMPARE(assets.IdFld()->AsInteger(), 1);
    QCOMPARE(assets.DataSet()->State(), TDataSetState::Browse);
    Count(QStringLiteral("select Reduced from assets where Id=1"));
    QCOMPARE(GlobalRecordSet().DataSet()->Field(0)->AsString(),
             QStringLiteral("0")); // a null Reduced is written as 0

    fixture.Exec(QStringLiteral("insert into assets(Id, Name) values (41, '旧')"));
    AppendAsset(assets, QStringLiteral("打印机"));
    QCOMPARE(assets.IdFld()->AsInteger(), 42);
    QCOMPARE(assets.DataSet()->RecNo(), 2); // the new row stays at the end, no re-query
    QCOMPARE(Count(QStringLiteral("select count(*) from assets where Name='打印机' and MethodId=1")), 1);
}

void TestAssetSet::updateKeepsReduction()
{
    TTestDatabase fixture;
    fixture.Exec(
        QStringLiteral("insert into assets(Id, Name, Reduced, ReduceWay) values (7, 'a', 1, '报废')"));
    TAssetsSet assets;
    assets.OpenById(7);
    assets.DataSet()->Edit();
    assets.NameFld()->SetAsString(QStringLiteral("b"));
    assets.ReduceWayFld()->SetAsString(QStringLiteral("出售"));
    assets.Save();
    GlobalRecordSet().Query(QStringLiteral("select Name, ReduceWay, Reduced from assets where Id=7"));
    QCOMPARE(GlobalRecordSet().DataSet()->Field(0)->AsString(), QStringLiteral("b"));
    QCOMPARE(GlobalRecordSet().DataSet()->Field(1)->AsString(), QStringLiteral("报废"));
    QCOMPARE(GlobalRecordSet().DataSet()->Field(2)->AsInteger(), 1);
}

void TestAssetSet::failedSaveCancelsTheRow()
{
    TTestDatabase fixture;
    TAssetsSet assets;
    assets.OpenList(-1);
    AppendAsset(assets, QStringLiteral("电脑"));
    fixture.Exec(QStringLiteral(
        "create trigger refuse before insert on assets begin select raise(abort, 'refused'); end"));
    fixture.Exec(QStringLiteral(
        "create trigger refuseupdate before update on assets begin select raise(abort, 'refused'); end"));

    assets.DataSet()->Append();
    assets.NameFld()->SetAsString(QStringLiteral("新"));
    try {
        assets.Save();
        QFAIL("the insert should fail");
    } catch (const EDatabaseError &error) {
        QVERIFY(error.Message().startsWith(QStringLiteral("refused\r\ninsert into assets(Id, Code,")));
    }
    QCOMPARE(assets.DataSet()->RecordCount(), 1);
    QCOMPARE(assets.DataSet()->State(), TDataSetState::Browse);

    assets.DataSet()->Edit();
    assets.NameFld()->SetAsString(QStringLiteral("改"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, assets.Save());
    QCOMPARE(assets.NameFld()->AsString(), QStringLiteral("电脑")); // the old values are back
}

void TestAssetSet::cascadingDelete()
{
    TTestDatabase fixture;
    TAssetsSet assets;
    assets.OpenList(-1);
    AppendAsset(assets, QStringLiteral("电脑"));
    AppendAsset(assets, QStringLiteral("留下"));
    for (const char *table :
         {"modification", "accessories", "assetimages", "reduce", "repair", "depreciation"})
        fixture.Exec(QStringLiteral("insert into %1(Id, AssetId) values (1, 1), (2, 2)")
                         .arg(QString::fromLatin1(table)));
    assets.DataSet()->First();
    assets.Delete();
    QCOMPARE(assets.DataSet()->RecordCount(), 1);
    QCOMPARE(Count(QStringLiteral("select count(*) from assets")), 1);
    for (const char *table :
         {"modification", "accessories", "assetimages", "reduce", "repair", "depreciation"})
        QCOMPARE(
            Count(QStringLiteral("select count(*) from %1 where AssetId=1").arg(QString::fromLatin1(table))),
            0);
    QCOMPARE(Count(QStringLiteral("select count(*) from repair where AssetId=2")), 1);
}

void TestAssetSet::failedDeleteRollsBack()
{
    TScriptedScope scripted;
    TTestDatabase fixture;
    TAssetsSet assets;
    assets.OpenList(-1);
    AppendAsset(assets, QStringLiteral("电脑"));
    fixture.Exec(QStringLiteral("insert into modification(Id, AssetId) values (1, 1)"));
    fixture.Exec(QStringLiteral("insert into repair(Id, AssetId) values (1, 1)"));
    fixture.Exec(QStringLiteral(
        "create trigger refuse before delete on assets begin select raise(abort, 'in use'); end"));
    assets.Delete();
    QCOMPARE(assets.DataSet()->RecordCount(), 1);
    QCOMPARE(Count(QStringLiteral("select count(*) from modification")), 1);
    QCOMPARE(Count(QStringLiteral("select count(*) from repair")), 1);
    QCOMPARE(scripted->Messages.size(), 1);
    QCOMPARE(scripted->LastMessageText(),
             QStringLiteral("\r\nin use\r\ndelete from assets where Id=:Code\t"));
}

void TestAssetSet::endDate_data()
{
    QTest::addColumn<QDate>("service");
    QTest::addColumn<int>("years");
    QTest::addColumn<QDate>("end");
    QTest::newRow("five years") << QDate(2004, 1, 31) << 5 << QDate(2009, 1, 31);
    QTest::newRow("leap day clipped") << QDate(2004, 2, 29) << 1 << QDate(2005, 2, 28);
    QTest::newRow("no service date") << QDate() << 2 << QDate(1901, 12, 30);
}

void TestAssetSet::endDate()
{
    QFETCH(QDate, service);
    QFETCH(int, years);
    QFETCH(QDate, end);
    TTestDatabase fixture;
    TAssetsSet assets;
    assets.OpenList(-1);
    assets.DataSet()->Append();
    assets.AccountDateFld()->SetValue(service.isValid() ? QVariant(service) : QVariant());
    assets.UseYearsFld()->SetAsInteger(years);
    assets.Save();
    QCOMPARE(assets.EndDateCalcFld()->AsDateTime().date(), end);
}

void TestAssetSet::openList()
{
    TTestDatabase fixture;
    fixture.Exec(
        QStringLiteral("insert into assets(Id, Kind, Name, PartNo, Reduced) values (1, 'B', 'x', '2', 0), "
                       "(2, 'A', 'y', '1', 1), (3, 'A', 'x', '9', 0), (4, 'A', 'x', '3', 0)"));
    TAssetsSet assets;
    auto ids = [&](int filter) {
        assets.OpenList(filter);
        return assets.JoinValues(assets.IdFld(), QStringLiteral(","));
    };
    QCOMPARE(ids(0), QStringLiteral("4,3,1"));
    QCOMPARE(ids(1), QStringLiteral("2"));
    QCOMPARE(ids(-1), QStringLiteral("4,3,2,1"));
    QCOMPARE(assets.SqlText(), QStringLiteral("select * from assets  order by Kind, Name, PartNo"));
}

void TestAssetSet::brief()
{
    TTestDatabase fixture;
    TAssetsSet assets;
    assets.OpenList(-1);
    QCOMPARE(assets.AsBrief(), QString());
    AppendAsset(assets, QStringLiteral("电脑"));
    const QStringList lines = assets.AsBrief().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 19); // 18 lines and the text after the last line break
    QCOMPARE(lines.at(1), QStringLiteral("      名称: 电脑"));
    QCOMPARE(lines.at(5), QStringLiteral("  详细配置: "));
    QCOMPARE(lines.at(14), QStringLiteral("  启用日期: 2004-01-15"));
    QCOMPARE(lines.at(15), QStringLiteral("      原值: 12,000.00"));
}

void TestAssetSet::depreciationOfTheCurrentRow()
{
    TTestDatabase fixture;
    TAssetsSet assets;
    assets.OpenList(-1);
    AppendAsset(assets, QStringLiteral("电脑"));
    QCOMPARE(assets.MethodNameFld()->AsString(), QStringLiteral("平均年限法"));
    QCOMPARE(assets.MonthDepreciation().Raw(), 0);
    assets.CalcDepreciation(2008, 12);
    QCOMPARE(assets.MonthDepreciation().Format(), QStringLiteral("200.00"));
    QCOMPARE(assets.TotalDepreciation().Format(), QStringLiteral("11,800.00"));
    QCOMPARE(assets.NetValue().Format(), QStringLiteral("200.00"));
}

void TestAssetSet::quantityAndReduction()
{
    TTestDatabase fixture;
    TAssetsSet assets;
    assets.OpenList(-1);
    assets.SetQty(3); // nothing to change in an empty list
    AppendAsset(assets, QStringLiteral("电脑"));
    assets.SetQty(3);
    QCOMPARE(Count(QStringLiteral("select Qty from assets where Id=1")), 3);
    assets.DataSet()->Edit();
    assets.ReducedFld()->SetAsInteger(1);
    assets.ReduceDateFld()->SetValue(QDate(2009, 1, 1));
    assets.ReduceWayFld()->SetAsString(QStringLiteral("报废"));
    assets.SaveReduce();
    assets.DataSet()->Post();
    QCOMPARE(
        Count(QStringLiteral(
            "select count(*) from assets where Reduced=1 and ReduceWay='报废' and ReduceDate=#2009-01-01#")),
        1);
}

void TestAssetSet::assetIdLookups()
{
    TTestDatabase fixture;
    {
        TAssetsSet assets;
        assets.OpenList(-1);
        AppendAsset(assets, QStringLiteral("电脑"));
    }
    fixture.Exec(QStringLiteral("insert into repair(Id, AssetId, Fund) values (1, 1, 300), (2, 99, 5)"));
    TRecordSet repairs;
    repairs.AddField(TFieldType::Integer, QStringLiteral("Id"));
    TAssetIdFld *asset = TAssetIdFld::AddTo(repairs);
    repairs.Query(QStringLiteral("select * from repair order by Id"));
    QVERIFY(!asset->Visible());
    QCOMPARE(asset->NameFld()->AsString(), QStringLiteral("电脑"));
    QCOMPARE(asset->AccountDateFld()->AsString(), QStringLiteral("2004-01-15"));
    QCOMPARE(asset->OriginValueFld()->DisplayText(), QStringLiteral("12,000.00"));
    QCOMPARE(asset->MethodNameFld()->AsString(), QStringLiteral("平均年限法"));
    QCOMPARE(asset->UseDeptFld()->DisplayLabel(), QStringLiteral("使用部门"));
    repairs.DataSet()->Next();
    QVERIFY(asset->NameFld()->IsNull()); // an asset that no longer exists
}

QTEST_GUILESS_MAIN(TestAssetSet)
#include "test_asset_set.moc"
