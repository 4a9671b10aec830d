// The saved column layout of a grid: its text, how a stored text is applied (case rules, bad values,
// fields that came or went, order), and its row in syscols.
#include "data/client_dataset.h"
#include "data/database.h"
#include "data/record_set.h"
#include "exchange/grid_layout.h"
#include "exchange/grid_layout_store.h"
#include "scripted_interaction.h"
#include "test_database.h"

#include <QTest>

namespace {

// Code (8 characters), Name (20), Qty (integer, 10), a hidden Note; 10 pixels a character.
struct TLayoutFixture
{
    TQzClientDataSet table;

    TLayoutFixture()
    {
        table.AddFieldDef(TFieldType::String, QStringLiteral("Code"), 8, true, QStringLiteral("编码"));
        table.AddFieldDef(TFieldType::String, QStringLiteral("Name"), 20, true, QStringLiteral("名称"));
        table.AddField(TFieldType::Integer, QStringLiteral("Qty"), true, QStringLiteral("数量"));
        table.AddFieldDef(TFieldType::String, QStringLiteral("Note"), 20, false);
        table.CreateDataSet();
    }
    TGridColumns Defaults() const { return DefaultGridColumns(table.DataSet(), 10); }
};

// A default column is at most 18 characters wide (Name is declared wider).
const QString DefaultLayout = QStringLiteral("Code=True84\r\nName=True184\r\nQty=True104\r\n");

} // namespace

class TestGridLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultColumnsAndText()
    {
        TLayoutFixture fixture;
        TGridColumns columns = fixture.Defaults();
        QCOMPARE(GetLayoutText(columns), DefaultLayout); // the hidden field has no column
        QCOMPARE(columns.at(1).Caption, QStringLiteral("名称"));
        columns[2].Visible = false;
        columns[2].Width = 64;
        QCOMPARE(GetLayoutText(columns), QStringLiteral("Code=True84\r\nName=True184\r\nQty=False64\r\n"));
        QCOMPARE(FindGridColumn(columns, QStringLiteral("qty")), 2);
        QCOMPARE(FindGridColumn(columns, QStringLiteral("Note")), -1);
    }

    void applyLayoutText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty text keeps the defaults") << QString() << DefaultLayout;
        QTest::newRow("saved text comes back, order included")
            << QStringLiteral("Qty=False50\r\nCode=True60\r\nName=True70\r\n")
            << QStringLiteral("Qty=False50\r\nCode=True60\r\nName=True70\r\n");
        QTest::newRow("lower-case true hides but its width applies")
            << QStringLiteral("Code=true80\r\n")
            << QStringLiteral("Code=False80\r\nName=True184\r\nQty=True104\r\n");
        QTest::newRow("mixed-case FALSE and spaces around the width")
            << QStringLiteral("Name=FALSE 33\r\n")
            << QStringLiteral("Name=False33\r\nCode=True84\r\nQty=True104\r\n");
        QTest::newRow("values match names in any case, order only exact names")
            << QStringLiteral("QTY=True20\r\ncode=True30\r\n")
            << QStringLiteral("Code=True30\r\nName=True184\r\nQty=True20\r\n");
        QTest::newRow("a value without width hides and stops there")
            << QStringLiteral("Name=True90\r\nCode=False\r\nQty=False10\r\n")
            << QStringLiteral("Code=False84\r\nName=True184\r\nQty=True104\r\n");
        QTest::newRow("a width that is no number stops after what was set")
            << QStringLiteral("Code=True40\r\nName=True7x\r\nQty=False10\r\n")
            << QStringLiteral("Code=True40\r\nName=True184\r\nQty=True104\r\n");
        QTest::newRow("negative width is a bad value")
            << QStringLiteral("Code=True-5\r\n")
            << QStringLiteral("Code=True84\r\nName=True184\r\nQty=True104\r\n");
        QTest::newRow("removed field is ignored and the others keep their order")
            << QStringLiteral("Gone=True10\r\nQty=True11\r\nName=True12\r\nCode=True13\r\n")
            << QStringLiteral("Qty=True11\r\nName=True12\r\nCode=True13\r\n");
        QTest::newRow("new field keeps its default")
            << QStringLiteral("Name=False5\r\nCode=True6\r\n")
            << QStringLiteral("Name=False5\r\nCode=True6\r\nQty=True104\r\n");
        QTest::newRow("LF line ends and junk lines")
            << QStringLiteral("junk\nQty=True1\n=True5\nCode=True2")
            << QStringLiteral("Qty=True1\r\nCode=True2\r\nName=True184\r\n");
        QTest::newRow("first of two lines for a field wins")
            << QStringLiteral("Code=True1\r\nCode=False2\r\n")
            << QStringLiteral("Code=True1\r\nName=True184\r\nQty=True104\r\n");
    }

    void applyLayoutText()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        TLayoutFixture fixture;
        TGridColumns columns = fixture.Defaults();
        ApplyLayoutText(columns, stored);
        QCOMPARE(GetLayoutText(columns), expected);
    }

    void storeInsertsThenUpdatesOneRow()
    {
        TTestDatabase db;
        QVERIFY(db.IsValid());
        TScriptedScope scripted;
        QCOMPARE(LoadLayoutText(6), QString());
        QVERIFY(SaveLayoutText(6, DefaultLayout));
        QCOMPARE(LoadLayoutText(6), DefaultLayout);
        const QString changed = QStringLiteral("Qty=False1\r\nCode=True2\r\n");
        QVERIFY(SaveLayoutText(6, changed));
        QVERIFY(SaveLayoutText(7, DefaultLayout));
        QCOMPARE(LoadLayoutText(6), changed);
        QCOMPARE(LoadLayoutText(7), DefaultLayout);
        TRecordSet rows;
        QCOMPARE(rows.Query(QStringLiteral("select F02 from syscols where F02=6")), 1);
        QVERIFY(scripted->Messages.isEmpty());
    }

    void storedNullIsEmpty()
    {
        TTestDatabase db;
        QVERIFY(db.IsValid());
        db.Exec(QStringLiteral("insert into syscols (F02,F06) values (11, null)"));
        QCOMPARE(LoadLayoutText(11), QString());
    }
};

QTEST_GUILESS_MAIN(TestGridLayout)
#include "test_grid_layout.moc"
