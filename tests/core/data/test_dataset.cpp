// The in-memory dataset engine: states and edit buffers, navigation, sort, filter, calculated and lookup
// fields, locate, and the notifications the grid follows.
#include "data/client_dataset.h"
#include "support/errors.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A small asset-like table: Id, Name, Qty, Price (money), Day, and a calculated Total.
struct TFixture
{
    TQzClientDataSet table;
    TDataSet *ds = table.DataSet();

    TFixture()
    {
        table.AddField(TFieldType::Integer, QStringLiteral("Id"));
        table.AddFieldDef(TFieldType::String, QStringLiteral("Name"), 50, true, QStringLiteral("名称"));
        table.AddField(TFieldType::Integer, QStringLiteral("Qty"));
        table.AddField(TFieldType::Currency, QStringLiteral("Price"));
        table.AddField(TFieldType::DateTime, QStringLiteral("Day"));
        ds->AddField(QStringLiteral("Total"), TFieldType::Currency, 0, TFieldKind::Calculated);
        ds->SetOnCalcFields([](TDataSet &d) {
            d.FieldByName(QStringLiteral("Total"))
                ->SetAsFloat(d.FieldByName(QStringLiteral("Qty"))->AsInteger() *
                             d.FieldByName(QStringLiteral("Price"))->AsFloat());
        });
        table.CreateDataSet();
    }

    void Add(int id, const QString &name, const QVariant &qty, double price, const QDate &day = {})
    {
        ds->Append();
        ds->FieldByName(QStringLiteral("Id"))->SetAsInteger(id);
        ds->FieldByName(QStringLiteral("Name"))->SetAsString(name);
        ds->FieldByName(QStringLiteral("Qty"))->SetValue(qty);
        ds->FieldByName(QStringLiteral("Price"))->SetAsFloat(price);
        ds->FieldByName(QStringLiteral("Day"))->SetValue(day.isValid() ? QVariant(day) : QVariant());
        ds->Post();
    }

    QList<int> Ids()
    {
        QList<int> ids;
        for (ds->First(); !ds->Eof(); ds->Next())
            ids.append(ds->FieldByName(QStringLiteral("Id"))->AsInteger());
        return ids;
    }

    void Fill()
    {
        Add(1, QStringLiteral("电脑"), 2, 4500.5, QDate(2008, 3, 5));
        Add(2, QStringLiteral("打印机"), 0, 1200, QDate(2007, 1, 1));
        Add(3, QStringLiteral("电脑"), 1, 6000);
        Add(4, QStringLiteral("空调"), QVariant(), 3000, QDate(2009, 12, 31));
    }
};

} // namespace

class TestDataSet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void editBuffer();
    void appendCancelAndDelete();
    void navigation();
    void writeOutsideEditFails();
    void conversions_data();
    void conversions();
    void calculatedField();
    void sort_data();
    void sort();
    void filter_data();
    void filter();
    void lookupField();
    void locate();
    void notifications();
};

void TestDataSet::editBuffer()
{
    TFixture f;
    f.Fill();
    f.ds->SetRecNo(2);
    TField *name = f.ds->FieldByName(QStringLiteral("Name"));
    f.ds->Edit();
    QCOMPARE(f.ds->State(), TDataSetState::Edit);
    name->SetAsString(QStringLiteral("激光打印机"));
    QCOMPARE(name->AsString(), QStringLiteral("激光打印机"));
    f.ds->Cancel();
    QCOMPARE(name->AsString(), QStringLiteral("打印机"));

    f.ds->Edit();
    f.ds->FieldByName(QStringLiteral("Qty"))->SetAsInteger(3);
    f.ds->Next(); // moving posts the pending edit
    QCOMPARE(f.ds->State(), TDataSetState::Browse);
    f.ds->SetRecNo(2);
    QCOMPARE(f.ds->FieldByName(QStringLiteral("Qty"))->AsInteger(), 3);
    QCOMPARE(f.ds->FieldByName(QStringLiteral("Total"))->AsFloat(), 3600.0); // recalculated on post
}

void TestDataSet::appendCancelAndDelete()
{
    TFixture f;
    f.Fill();
    f.ds->Append();
    QCOMPARE(f.ds->RecordCount(), 5);
    QCOMPARE(f.ds->RecNo(), 5);
    QVERIFY(f.ds->FieldByName(QStringLiteral("Id"))->IsNull());
    f.ds->Cancel();
    QCOMPARE(f.ds->RecordCount(), 4);

    f.ds->SetRecNo(2);
    f.ds->Insert();
    f.ds->FieldByName(QStringLiteral("Id"))->SetAsInteger(9);
    f.ds->Post();
    QCOMPARE(f.Ids(), (QList<int>{1, 9, 2, 3, 4}));

    f.ds->SetRecNo(1);
    f.ds->Delete();
    QCOMPARE(f.ds->RecNo(), 1);
    QCOMPARE(f.ds->FieldByName(QStringLiteral("Id"))->AsInteger(), 9);
    f.ds->Last();
    f.ds->Delete(); // the last row: the cursor moves to the new last row
    QCOMPARE(f.ds->FieldByName(QStringLiteral("Id"))->AsInteger(), 3);
    QCOMPARE(f.Ids(), (QList<int>{9, 2, 3}));
    f.ds->EmptyDataSet();
    QVERIFY(f.ds->IsEmpty());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.ds->Delete());
}

void TestDataSet::navigation()
{
    TFixture f;
    QVERIFY(f.ds->Eof() && f.ds->Bof());
    QCOMPARE(f.ds->RecNo(), 0);
    f.Fill();
    f.ds->First();
    QVERIFY(f.ds->Bof() && !f.ds->Eof());
    f.ds->Last();
    f.ds->Next();
    QVERIFY(f.ds->Eof());
    QCOMPARE(f.ds->RecNo(), 4);
    f.ds->First();
    f.ds->Prior();
    QVERIFY(f.ds->Bof());
    QCOMPARE(f.ds->RecNo(), 1);
}

void TestDataSet::writeOutsideEditFails()
{
    TFixture f;
    f.Fill();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.ds->FieldByName(QStringLiteral("Qty"))->SetAsInteger(1));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.ds->FieldByName(QStringLiteral("NoSuchField")));
    f.table.DataSet()->Close();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, f.ds->Edit());
}

void TestDataSet::conversions_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QString>("display"); // empty with error set: the conversion fails
    QTest::addColumn<QString>("error");
    QTest::newRow("integer from text") << "Qty" << QVariant(QStringLiteral(" 12 ")) << "12" << QString();
    QTest::newRow("integer from bad text")
        << "Qty" << QVariant(QStringLiteral("abc")) << QString() << QStringLiteral("\"abc\" 不是有效的整数.");
    QTest::newRow("money display") << "Price" << QVariant(1234567.5) << "1,234,567.50" << QString();
    QTest::newRow("money zero") << "Price" << QVariant(0.0) << "0.00" << QString();
    QTest::newRow("money negative") << "Price" << QVariant(-1234.5) << "-1,234.50" << QString();
    QTest::newRow("date from stored text")
        << "Day" << QVariant(QStringLiteral("2008-01-26 00:00:00")) << "2008-01-26" << QString();
    QTest::newRow("date with time") << "Day" << QVariant(QStringLiteral("2008-01-26 08:30:00"))
                                    << "2008-01-26 08:30:00" << QString();
    QTest::newRow("date typed short")
        << "Day" << QVariant(QStringLiteral("2008-1-6")) << "2008-01-06" << QString();
    QTest::newRow("bad date") << "Day" << QVariant(QStringLiteral("2008/01/26")) << QString()
                              << QStringLiteral("\"2008/01/26\" 不是有效的日期.");
    QTest::newRow("null") << "Qty" << QVariant() << "" << QString();
}

void TestDataSet::conversions()
{
    QFETCH(QString, field);
    QFETCH(QVariant, input);
    QFETCH(QString, display);
    QFETCH(QString, error);
    TFixture f;
    f.ds->Append();
    QString raised;
    try {
        f.ds->FieldByName(field)->SetValue(input);
    } catch (const EConvertError &e) {
        raised = e.Message();
    }
    QCOMPARE(raised, error);
    if (error.isEmpty())
        QCOMPARE(f.ds->FieldByName(field)->DisplayText(), display);
}

void TestDataSet::calculatedField()
{
    TFixture f;
    f.Fill();
    f.ds->First();
    QCOMPARE(f.ds->FieldByName(QStringLiteral("Total"))->DisplayText(), QStringLiteral("9,001.00"));
    QCOMPARE(f.ds->RowDisplayText(3, f.ds->FieldByName(QStringLiteral("Total"))->Index()),
             QStringLiteral("0.00"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError,
                             f.ds->FieldByName(QStringLiteral("Total"))->SetAsFloat(1)); // not in edit
}

void TestDataSet::sort_data()
{
    QTest::addColumn<QString>("sortText");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("none") << QString() << QList<int>{1, 2, 3, 4};
    QTest::newRow("number descending, nulls last") << QStringLiteral("Qty DESC") << QList<int>{1, 3, 2, 4};
    QTest::newRow("pinyin then price descending")
        << QStringLiteral("Name ASC,Price DESC") << QList<int>{2, 3, 1, 4};
    QTest::newRow("spaced form") << QStringLiteral("Name DESC , Id") << QList<int>{4, 1, 3, 2};
    QTest::newRow("date") << QStringLiteral("Day") << QList<int>{3, 2, 1, 4};
    QTest::newRow("calculated") << QStringLiteral("Total desc") << QList<int>{1, 3, 2, 4};
}

void TestDataSet::sort()
{
    QFETCH(QString, sortText);
    QFETCH(QList<int>, ids);
    TFixture f;
    f.Fill();
    f.ds->SetSort(sortText);
    QCOMPARE(f.Ids(), ids);
    QCOMPARE(f.ds->Sort(), sortText);
}

void TestDataSet::filter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("not zero") << QStringLiteral("Qty <> 0") << QList<int>{1, 3};
    QTest::newRow("text") << QStringLiteral("Name = '电脑'") << QList<int>{1, 3};
    QTest::newRow("and or") << QStringLiteral("Name='电脑' and Qty>1 or Id = 4") << QList<int>{1, 4};
    QTest::newRow("parentheses and not") << QStringLiteral("not (Id <= 2)") << QList<int>{3, 4};
    QTest::newRow("is null") << QStringLiteral("Day is null") << QList<int>{3};
    QTest::newRow("quote in text") << QStringLiteral("Name = 'a''b'") << QList<int>{};
}

void TestDataSet::filter()
{
    QFETCH(QString, filter);
    QFETCH(QList<int>, ids);
    TFixture f;
    f.Fill();
    f.ds->SetFilterText(filter);
    f.ds->SetFiltered(true);
    QCOMPARE(f.Ids(), ids);
    f.ds->SetFiltered(false);
    QCOMPARE(f.ds->RecordCount(), 4);
}

void TestDataSet::lookupField()
{
    TQzClientDataSet methods;
    methods.AddField(TFieldType::Integer, QStringLiteral("Id"));
    methods.AddField(TFieldType::String, QStringLiteral("Name"));
    methods.CreateDataSet();
    for (const auto &[id, name] :
         {std::pair{1, QStringLiteral("平均年限法")}, std::pair{2, QStringLiteral("年数总和法")}}) {
        methods.DataSet()->Append();
        methods.DataSet()->FieldByName(QStringLiteral("Id"))->SetAsInteger(id);
        methods.DataSet()->FieldByName(QStringLiteral("Name"))->SetAsString(name);
        methods.DataSet()->Post();
    }

    TQzClientDataSet assets;
    assets.AddField(TFieldType::Integer, QStringLiteral("MethodId"));
    TField *methodName =
        assets.DataSet()->AddField(QStringLiteral("MethodName"), TFieldType::String, 20, TFieldKind::Lookup);
    methodName->SetLookup(methods.DataSet(), QStringLiteral("MethodId"), QStringLiteral("Id"),
                          QStringLiteral("Name"));
    assets.CreateDataSet();
    TDataSet *ds = assets.DataSet();
    for (const QVariant &id : {QVariant(2), QVariant(7), QVariant()}) {
        ds->Append();
        ds->FieldByName(QStringLiteral("MethodId"))->SetValue(id);
        ds->Post();
    }
    QCOMPARE(ds->RowDisplayText(0, methodName->Index()), QStringLiteral("年数总和法"));
    QCOMPARE(ds->RowDisplayText(1, methodName->Index()), QString());
    QCOMPARE(ds->RowDisplayText(2, methodName->Index()), QString());

    // the lookup follows a change of the looked-up table
    methods.DataSet()->First();
    methods.DataSet()->Next();
    methods.DataSet()->Edit();
    methods.DataSet()->FieldByName(QStringLiteral("Name"))->SetAsString(QStringLiteral("年数总和"));
    methods.DataSet()->Post();
    ds->First();
    QCOMPARE(methodName->AsString(), QStringLiteral("年数总和"));
    ds->SetSort(QStringLiteral("MethodName DESC"));
    QCOMPARE(methodName->AsString(), QStringLiteral("年数总和"));
}

void TestDataSet::locate()
{
    TFixture f;
    f.Fill();
    QVERIFY(f.ds->Locate(QStringLiteral("Name;Qty"), {QStringLiteral("电脑"), 1}));
    QCOMPARE(f.ds->RecNo(), 3);
    QVERIFY(f.ds->Locate(QStringLiteral("Id"), {QStringLiteral("2")}));
    QCOMPARE(f.ds->RecNo(), 2);
    QVERIFY(!f.ds->Locate(QStringLiteral("Id"), {42}));
    QCOMPARE(f.ds->RecNo(), 2); // a failed locate keeps the cursor
    QVERIFY(f.ds->Locate(QStringLiteral("Name"), {QStringLiteral("打")}, TLocateOption::PartialKey));
    QVERIFY(f.ds->Locate(QStringLiteral("Qty"), {QVariant()}));
    QCOMPARE(f.ds->RecNo(), 4);
}

void TestDataSet::notifications()
{
    TFixture f;
    f.Fill();
    QSignalSpy reset(f.ds, &TDataSet::DataReset);
    QSignalSpy changed(f.ds, &TDataSet::RowChanged);
    QSignalSpy removed(f.ds, &TDataSet::RowRemoved);
    f.ds->SetRecNo(2);
    f.ds->Edit();
    f.ds->FieldByName(QStringLiteral("Qty"))->SetAsInteger(5);
    f.ds->Post();
    QVERIFY(!changed.isEmpty());
    QCOMPARE(changed.last().at(0).toInt(), 1);
    f.ds->Delete();
    QCOMPARE(removed.count(), 1);

    // while controls are disabled nothing is signalled; enabling resets the views once
    reset.clear();
    changed.clear();
    f.ds->DisableControls();
    f.ds->DisableControls();
    f.ds->SetSort(QStringLiteral("Name"));
    f.ds->First();
    f.ds->Edit();
    f.ds->FieldByName(QStringLiteral("Qty"))->SetAsInteger(8);
    f.ds->Post();
    f.ds->EnableControls();
    QVERIFY(reset.isEmpty() && changed.isEmpty());
    f.ds->EnableControls();
    QCOMPARE(reset.count(), 1);
    QVERIFY(changed.isEmpty());
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "test_dataset.moc"
