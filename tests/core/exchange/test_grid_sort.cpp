// Sorting a grid: the sort text its title markers give, the sort dialog's list (reading and writing the
// sort text, stepping directions, moving rows) and the column chooser's marks.
#include "asset_table_fixture.h"
#include "exchange/column_choice.h"
#include "exchange/grid_sort_marks.h"
#include "exchange/sort_choice.h"

#include <QTest>

class TestGridSort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleMarksGiveSortText()
    {
        TAssetTableFixture fixture;
        fixture.Fill();
        TGridSortMarks marks;
        marks.Cycle(QStringLiteral("Name"));
        marks.Cycle(QStringLiteral("Name"));
        marks.Cycle(QStringLiteral("Code"));
        QCOMPARE(marks.SortText(), QStringLiteral("Name DESC , Code"));
        QCOMPARE(marks.Position(QStringLiteral("Code")), 1);
        // the data set sorts by exactly that text
        fixture.ds->SetSort(marks.SortText());
        QCOMPARE(fixture.Column(QStringLiteral("Code")),
                 QStringList({QStringLiteral("0101"), QStringLiteral("0103"), QStringLiteral("0102")}));
        // stepping to descending keeps the column's place in the marking order; the text keeps the blank
        // left by the removed ", "
        marks.Cycle(QStringLiteral("Code"));
        QCOMPARE(marks.SortText(), QStringLiteral("Name DESC , Code DESC "));
        fixture.ds->SetSort(marks.SortText());
        QCOMPARE(fixture.Column(QStringLiteral("Code")),
                 QStringList({QStringLiteral("0103"), QStringLiteral("0101"), QStringLiteral("0102")}));
    }

    void thirdClickUnmarks()
    {
        TGridSortMarks marks;
        QStringList texts;
        for (int click = 0; click < 3; ++click) {
            marks.Cycle(QStringLiteral("Price"));
            texts.append(marks.SortText());
        }
        QCOMPARE(texts, QStringList({QStringLiteral("Price"), QStringLiteral("Price DESC "), QString()}));
        QCOMPARE(marks.Marker(QStringLiteral("Price")), TSortMarker::None);
    }

    void marksFromSortText()
    {
        const auto known = [](const QString &name) { return name != QLatin1String("Gone"); };
        const TGridSortMarks marks =
            TGridSortMarks::FromSortText(QStringLiteral("Name DESC , Gone,Code ASC,Qty"), known);
        QCOMPARE(marks.SortText(), QStringLiteral("Name DESC , Code, Qty"));
    }

    void offeredFields()
    {
        TAssetTableFixture fixture;
        TSortChoice choice;
        choice.SetFields(fixture.ds, true);
        QStringList names;
        for (const TSortChoice::TEntry &entry : choice.Entries())
            names.append(entry.FieldName);
        // no memo, picture or calculated field; the hidden Note is offered
        QCOMPARE(names,
                 QStringList({QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Price"),
                              QStringLiteral("Qty"), QStringLiteral("BuyDate"), QStringLiteral("Note")}));
        choice.SetFields(fixture.ds, false);
        QCOMPARE(choice.Count(), 5);
    }

    void readSortString_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("firstFields");
        QTest::newRow("dialog text") << QStringLiteral("Qty ASC,Code DESC")
                                     << QStringLiteral("Qty ASC,Code DESC")
                                     << QStringLiteral("Qty,Code,Name");
        QTest::newRow("title-click text, last name without direction")
            << QStringLiteral("Name DESC , Code") << QStringLiteral("Name DESC,Code ASC")
            << QStringLiteral("Name,Code,Price");
        QTest::newRow("letter case and quotes")
            << QStringLiteral("\"price\" desc") << QStringLiteral("Price DESC")
            << QStringLiteral("Price,Name,Code");
        QTest::newRow("field not offered is skipped")
            << QStringLiteral("Config ASC,Nope DESC,BuyDate DESC") << QStringLiteral("BuyDate DESC")
            << QStringLiteral("BuyDate,Name,Code");
        QTest::newRow("field named twice keeps the first")
            << QStringLiteral("Qty DESC,Qty ASC") << QStringLiteral("Qty DESC") << QStringLiteral("Qty,Name");
        QTest::newRow("empty text clears") << QString() << QString() << QStringLiteral("Name,Code,Price");
    }

    void readSortString()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        QFETCH(QString, firstFields);
        TAssetTableFixture fixture;
        TSortChoice choice;
        choice.SetFields(fixture.ds, true);
        // a previous text's directions are replaced, not merged; its order stays behind the new fields
        choice.SetSortString(QStringLiteral("Name ASC"));
        choice.SetSortString(written);
        QCOMPARE(choice.SortString(), read);
        const QStringList expected = firstFields.split(QLatin1Char(','));
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(choice.Entries().at(i).FieldName, expected.at(i));
        // what it reads is a text the data set sorts by
        fixture.ds->SetSort(choice.SortString());
    }

    void stepAndMove()
    {
        TAssetTableFixture fixture;
        TSortChoice choice;
        choice.SetFields(fixture.ds, true);
        choice.Step(1);    // Name ASC
        choice.Step(0);    // Code ASC
        choice.Step(0);    // Code DESC
        choice.Move(1, 0); // Name first
        QCOMPARE(choice.SortString(), QStringLiteral("Name ASC,Code DESC"));
        QCOMPARE(choice.SortLabels(), QStringLiteral("名称 升序,编码 降序"));
        choice.Step(1); // third step: Code drops out of the text but keeps its place
        QCOMPARE(choice.SortString(), QStringLiteral("Name ASC"));
        QCOMPARE(choice.Entries().at(1).FieldName, QStringLiteral("Code"));
        choice.Move(0, 9); // out of range: nothing
        QCOMPARE(choice.Entries().at(0).FieldName, QStringLiteral("Name"));
    }

    void columnChoice()
    {
        TGridColumns columns = {{QStringLiteral("Code"), QStringLiteral("编码"), true, 80, true},
                                {QStringLiteral("Name"), QStringLiteral("名称"), false, 90, true},
                                {QStringLiteral("Qty"), QStringLiteral("数量"), true, 40, true}};
        TColumnChoice choice(columns);
        QCOMPARE(TColumnChoice::MarkText(choice.Rows().at(1).Marked), QString());
        QCOMPARE(TColumnChoice::MarkText(choice.Rows().at(0).Marked), QStringLiteral("√"));
        choice.Toggle(1);
        choice.Toggle(2);
        choice.Move(2, 0);
        const TGridColumns applied = choice.Apply(columns);
        QCOMPARE(applied.size(), 3);
        QCOMPARE(applied.at(0).FieldName, QStringLiteral("Qty"));
        QVERIFY(!applied.at(0).Visible);
        QCOMPARE(applied.at(0).Width, 40);
        QVERIFY(applied.at(1).Visible && applied.at(2).Visible);
        // the grid changed under the chooser: its columns stay as they are
        columns.removeLast();
        QCOMPARE(choice.Apply(columns).size(), 2);
        QCOMPARE(choice.Apply(columns).at(0).FieldName, QStringLiteral("Code"));
    }
};

QTEST_GUILESS_MAIN(TestGridSort)
#include "test_grid_sort.moc"
