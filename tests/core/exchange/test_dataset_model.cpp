// The table model over a data set: columns, texts, alignment and titles, and how it follows the data
// set's changes (checked by Qt's model tester) and its cursor.
#include "asset_table_fixture.h"
#include "data/dataset_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TestDataSetModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsFieldsAndRows()
    {
        TAssetTableFixture fixture;
        fixture.Fill();
        TDataSetModel model;
        model.SetDataSet(fixture.ds);
        QCOMPARE(model.columnCount(), fixture.ds->FieldCount()); // hidden fields too: the grid picks
        QCOMPARE(model.rowCount(), 3);
        const int price = model.ColumnOf(QStringLiteral("price"));
        QCOMPARE(model.headerData(price, Qt::Horizontal).toString(), QStringLiteral("原值"));
        QCOMPARE(model.data(model.index(0, price)).toString(), QStringLiteral("4,500.50"));
        QCOMPARE(model.data(model.index(0, model.ColumnOf(QStringLiteral("BuyDate")))).toString(),
                 QStringLiteral("2008-03-05"));
        QCOMPARE(Qt::Alignment(model.data(model.index(0, price), Qt::TextAlignmentRole).toInt()),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(Qt::Alignment(model.data(model.index(0, 0), Qt::TextAlignmentRole).toInt()),
                 Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(model.FieldAt(price)->FieldName(), QStringLiteral("Price"));
        QVERIFY(!model.FieldAt(99));
    }

    void followsChanges()
    {
        TAssetTableFixture fixture;
        TDataSetModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.SetDataSet(fixture.ds);
        fixture.Fill();
        QCOMPARE(model.rowCount(), 3);
        fixture.ds->SetRecNo(2);
        fixture.ds->Edit();
        fixture.ds->FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("笔记本"));
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("笔记本")); // the edit buffer shows
        fixture.ds->Cancel();
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("电脑"));
        fixture.ds->SetRecNo(1);
        fixture.ds->Insert();
        QCOMPARE(model.rowCount(), 4);
        fixture.ds->Cancel();
        QCOMPARE(model.rowCount(), 3);
        fixture.ds->Delete();
        QCOMPARE(model.rowCount(), 2);
        fixture.ds->SetSort(QStringLiteral("Code DESC"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("0103"));
        fixture.ds->DisableControls();
        fixture.Add(QStringLiteral("0201"), QStringLiteral("桌子"), 300, 4);
        QCOMPARE(model.rowCount(), 2); // views wait for EnableControls
        fixture.ds->EnableControls();
        QCOMPARE(model.rowCount(), 3);
        fixture.ds->Close();
        QCOMPARE(model.rowCount(), 0);
    }

    void currentRow()
    {
        TAssetTableFixture fixture;
        fixture.Fill();
        TDataSetModel model;
        model.SetDataSet(fixture.ds);
        fixture.ds->First();
        QSignalSpy spy(&model, &TDataSetModel::CurrentRowChanged);
        model.SetCurrentRow(2);
        QCOMPARE(fixture.ds->RecNo(), 3);
        QCOMPARE(model.CurrentRow(), 2);
        fixture.ds->Prior();
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.last().first().toInt(), 1);
        model.SetCurrentRow(7); // out of range: stays
        QCOMPARE(model.CurrentRow(), 1);
    }

    void letsGoOfDestroyedDataSet()
    {
        TDataSetModel model;
        {
            TAssetTableFixture fixture;
            fixture.Fill();
            model.SetDataSet(fixture.ds);
            QCOMPARE(model.rowCount(), 3);
        }
        QVERIFY(!model.DataSet());
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
        QCOMPARE(model.CurrentRow(), -1);
    }
};

QTEST_GUILESS_MAIN(TestDataSetModel)
#include "test_dataset_model.moc"
