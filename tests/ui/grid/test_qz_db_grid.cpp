// The application grid: footer sums under the columns, title-click sorting, multi-level titles, the
// saved layout, the data checks, the pop-up menu and its commands with their rights, the sort dialog and
// the column chooser, and the arrow keys.
#include "asset_table_fixture.h"
#include "data/dataset_model.h"
#include "exchange/grid_layout_store.h"
#include "forms/popup_menu.h"
#include "grid/grid_footer_bar.h"
#include "grid/grid_header.h"
#include "grid/rovo_db_grid.h"
#include "grid/sort_frm.h"
#include "scripted_interaction.h"
#include "support/action.h"
#include "test_database.h"
#include "users/operator.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename T> T *Child(QWidget *form, const char *name)
{
    T *child = form->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QString Info(const QString &text)
{
    return QStringLiteral("\r\n") + text + QStringLiteral("\t");
}

// A grid over the asset fixture, shown so that geometry and painting are real.
struct TGridFixture
{
    TAssetTableFixture assets;
    TRovoDBGrid grid;

    TGridFixture()
    {
        assets.Fill();
        grid.SetDataSet(assets.ds);
        grid.resize(900, 300);
        grid.show();
    }
    int Section(const QString &field) const { return grid.DataSource()->ColumnOf(field); }
    void ClickTitle(const QString &field)
    {
        QHeaderView *header = grid.horizontalHeader();
        const int logical = Section(field);
        const QPoint centre(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }
    void Key(int key) { QTest::keyClick(&grid, Qt::Key(key)); }
    QString CurrentField() const
    {
        const int column = grid.SelectedColumn();
        return column < 0 ? QString() : grid.Column(column).FieldName;
    }
};

void ClickCell(QTableWidget *table, int row, int column)
{
    const QRect rect = table->visualItemRect(table->item(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestQzDBGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CurrentOperator().Clear(); }

    void defaultColumns()
    {
        TGridFixture f;
        // visible fields in field order; the hidden Note gets no column; the calculated one no title button
        QStringList fields;
        for (const TGridColumn &column : f.grid.Columns())
            fields.append(column.FieldName);
        QCOMPARE(fields,
                 QStringList({QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Price"),
                              QStringLiteral("Qty"), QStringLiteral("BuyDate"), QStringLiteral("Config"),
                              QStringLiteral("Photo"), QStringLiteral("Total")}));
        QVERIFY(!f.grid.Column(f.grid.FindColumn(QStringLiteral("Total"))).TitleButton);
        QVERIFY(f.grid.isColumnHidden(f.Section(QStringLiteral("Note"))));
        QCOMPARE(f.grid.horizontalHeader()->sectionSize(f.Section(QStringLiteral("Code"))),
                 f.grid.Column(0).Width);
        QCOMPARE(f.grid.Header()->Caption(f.Section(QStringLiteral("Price"))), QStringLiteral("原值"));
        // the cursor shows as the current cell
        QCOMPARE(f.grid.currentIndex().row(), f.assets.ds->RecNo() - 1);
    }

    void footerSumFollowsDataAndColumns()
    {
        TGridFixture f;
        f.grid.SetFooterVisible(true);
        f.grid.SetSumFooter(QStringLiteral("Price"));
        f.grid.SetSumFooter(QStringLiteral("Note")); // no column: nothing shown
        const int price = f.Section(QStringLiteral("Price"));
        QCOMPARE(f.grid.Footer()->Text(price), QStringLiteral("11,700.75"));
        f.assets.Add(QStringLiteral("0201"), QStringLiteral("桌子"), 299.25, 1);
        QCOMPARE(f.grid.Footer()->Text(price), QStringLiteral("12,000.00"));
        f.assets.ds->Delete();
        QCOMPARE(f.grid.Footer()->Text(price), QStringLiteral("11,700.75"));
        QCOMPARE(f.grid.Footer()->Text(f.Section(QStringLiteral("Note"))), QString());

        // the footer sits under the rows, lined up with the title of its column, also when scrolled
        QHeaderView *header = f.grid.horizontalHeader();
        const QRect rows = f.grid.viewport()->geometry();
        QCOMPARE(f.grid.Footer()->geometry().top(), rows.bottom() + 1);
        QVERIFY(f.grid.Footer()->isVisible());
        QCOMPARE(f.grid.Footer()->CellRect(price).left(), header->sectionViewportPosition(price));
        QCOMPARE(f.grid.Footer()->CellRect(price).width(), header->sectionSize(price));
        f.grid.SetColumnWidth(f.grid.FindColumn(QStringLiteral("Code")), 300);
        const int unscrolled = f.grid.Footer()->CellRect(price).left();
        f.grid.horizontalScrollBar()->setValue(40);
        QCOMPARE(f.grid.Footer()->CellRect(price).left(), unscrolled - 40);
        QCOMPARE(f.grid.Footer()->CellRect(price).left(), header->sectionViewportPosition(price));

        // the last row can be scrolled into view above the footer
        for (int i = 0; i < 40; ++i)
            f.assets.Add(QString::number(1000 + i), QStringLiteral("椅子"), 1, 1);
        f.grid.scrollToBottom();
        const QRect last = f.grid.visualRect(f.grid.DataSource()->index(f.assets.ds->RecordCount() - 1, 0));
        QVERIFY(f.grid.viewport()->rect().contains(last));
        QVERIFY(f.grid.viewport()->geometry().bottom() < f.grid.Footer()->geometry().top());
    }

    void titleClicksCycleTheSort()
    {
        TGridFixture f;
        QStringList sorts;
        QList<QStringList> codes;
        for (int click = 0; click < 3; ++click) {
            f.ClickTitle(QStringLiteral("Code"));
            sorts.append(f.assets.ds->Sort());
            codes.append(f.assets.Column(QStringLiteral("Code")));
        }
        QCOMPARE(sorts, QStringList({QStringLiteral("Code"), QStringLiteral("Code DESC "), QString()}));
        QCOMPARE(codes.at(0),
                 QStringList({QStringLiteral("0101"), QStringLiteral("0102"), QStringLiteral("0103")}));
        QCOMPARE(codes.at(1),
                 QStringList({QStringLiteral("0103"), QStringLiteral("0102"), QStringLiteral("0101")}));
        QCOMPARE(codes.at(2),
                 QStringList({QStringLiteral("0101"), QStringLiteral("0103"), QStringLiteral("0102")}));

        // two columns in marking order
        f.ClickTitle(QStringLiteral("Name"));
        f.ClickTitle(QStringLiteral("Name"));
        f.ClickTitle(QStringLiteral("Code"));
        QCOMPARE(f.assets.ds->Sort(), QStringLiteral("Name DESC , Code"));
        QCOMPARE(f.grid.SortMarks().Marker(QStringLiteral("Name")), TSortMarker::Descending);
        // the calculated column's title does not sort, and a title click leaves the current row alone
        f.assets.ds->SetRecNo(2);
        f.ClickTitle(QStringLiteral("Total"));
        QCOMPARE(f.assets.ds->Sort(), QStringLiteral("Name DESC , Code"));
        QCOMPARE(f.assets.ds->RecNo(), 2);
        // nor does any title of a closed list
        f.assets.ds->Close();
        f.ClickTitle(QStringLiteral("Qty"));
        QCOMPARE(f.assets.ds->Sort(), QStringLiteral("Name DESC , Code"));
    }

    void multiLevelTitles()
    {
        TGridFixture f;
        QCOMPARE(f.grid.Header()->Levels(), 1);
        const int oneLine = f.grid.horizontalHeader()->height();
        f.grid.SetColumnCaption(f.grid.FindColumn(QStringLiteral("Price")), QStringLiteral("折旧|1月"));
        f.grid.SetColumnCaption(f.grid.FindColumn(QStringLiteral("Qty")), QStringLiteral("折旧|2月"));
        f.grid.SetColumnCaption(f.grid.FindColumn(QStringLiteral("Total")), QStringLiteral("折旧|合计"));
        QCOMPARE(f.grid.Header()->Levels(), 2);
        QCOMPARE(f.grid.horizontalHeader()->height(), 2 * oneLine);
        QHeaderView *header = f.grid.horizontalHeader();
        const int price = f.Section(QStringLiteral("Price"));
        const int qty = f.Section(QStringLiteral("Qty"));
        const auto band = f.grid.Header()->GroupBand(price, 0);
        QCOMPARE(band.second, QStringLiteral("折旧"));
        QCOMPARE(band.first, f.grid.Header()->GroupBand(qty, 0).first); // one band over both
        QCOMPARE(band.first.left(), header->sectionViewportPosition(price));
        QCOMPARE(band.first.right() + 1, header->sectionViewportPosition(qty) + header->sectionSize(qty));
        // Total is not next to them: a band of its own
        const auto apart = f.grid.Header()->GroupBand(f.Section(QStringLiteral("Total")), 0);
        QCOMPARE(apart.second, QStringLiteral("折旧"));
        QVERIFY(apart.first.left() > band.first.right());
        QVERIFY(f.grid.Header()->GroupBand(f.Section(QStringLiteral("Code")), 0).second.isEmpty());
        // the title row paints without trouble
        QVERIFY(!f.grid.grab().isNull());
    }

    void layoutSavedAndLoaded()
    {
        TTestDatabase db;
        QVERIFY(db.IsValid());
        TScriptedScope scripted;
        CurrentOperator().LoginId = QStringLiteral("sa");
        QString saved;
        {
            TGridFixture f;
            f.grid.SetLayoutId(1); // nothing stored yet: the default columns
            QCOMPARE(f.grid.ColumnCount(), 8);
            TGridColumns columns = f.grid.Columns();
            columns.move(2, 0);         // Price first
            columns[2].Width = 150;     // Name
            columns[3].Visible = false; // Qty
            f.grid.SetColumns(columns);
            QVERIFY(f.grid.GetLayoutText().startsWith(QStringLiteral("Price=True")));
            QVERIFY(RunAction([&] { f.grid.SaveLayoutClick(); }));
            QCOMPARE(scripted->LastMessageText(), Info(QStringLiteral("列样式保存成功.")));
            f.grid.SetColumnWidth(0, 11);
            saved = f.grid.GetLayoutText();
            QVERIFY(RunAction([&] { f.grid.SaveLayoutClick(); })); // the second save updates the row
        }
        TGridFixture f;
        f.grid.SetLayoutId(1);
        QCOMPARE(f.grid.GetLayoutText(), saved);
        QVERIFY(saved.startsWith(QStringLiteral("Price=True11\r\n")));
        QHeaderView *header = f.grid.horizontalHeader();
        QCOMPARE(header->visualIndex(f.Section(QStringLiteral("Price"))), 0);
        QCOMPARE(header->sectionSize(f.Section(QStringLiteral("Name"))), 150);
        QVERIFY(f.grid.isColumnHidden(f.Section(QStringLiteral("Qty"))));
        // a grid keyed by its tag saves under the tag
        TGridFixture tagged;
        tagged.grid.SetTag(5);
        QVERIFY(RunAction([&] { tagged.grid.SaveLayoutClick(); }));
        TGridFixture reloaded;
        reloaded.grid.SetColumnVisible(0, false);
        reloaded.grid.LoadLayout(5);
        QCOMPARE(reloaded.grid.GetLayoutText(), tagged.grid.GetLayoutText());
    }

    void userResizeAndMoveReachTheLayout()
    {
        TGridFixture f;
        QHeaderView *header = f.grid.horizontalHeader();
        header->resizeSection(f.Section(QStringLiteral("Name")), 222);
        header->moveSection(header->visualIndex(f.Section(QStringLiteral("Qty"))), 0);
        QVERIFY(f.grid.GetLayoutText().startsWith(QStringLiteral("Qty=True")));
        QVERIFY(f.grid.GetLayoutText().contains(QStringLiteral("Name=True222\r\n")));
    }

    void checkDataReady_data()
    {
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("no data source")
            << 0 << QStringLiteral("系统错误: 没有为DBGrid指定DataSource对象,请与作者联系!");
        QTest::newRow("no data set") << 1
                                     << QStringLiteral(
                                            "系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!");
        QTest::newRow("closed") << 2 << QStringLiteral("系统提示: 请先打开数据再操作!");
    }

    void checkDataReady()
    {
        QFETCH(int, situation);
        QFETCH(QString, message);
        TScriptedScope scripted;
        TGridFixture f;
        if (situation == 0)
            f.grid.SetDataSource(nullptr);
        else if (situation == 1)
            f.grid.SetDataSet(nullptr);
        else
            f.assets.ds->Close();
        QVERIFY(!f.grid.CheckDataReady());
        QCOMPARE(scripted->MessageTexts(), QStringList({Info(message)}));
        // the sort command stops there, without a dialog
        QVERIFY(RunAction([&] { f.grid.SortClick(); }));
        QCOMPARE(scripted->Messages.size(), 2);
        QVERIFY(scripted->Dialogs.isEmpty());
    }

    void popupMenu()
    {
        TGridFixture f;
        QStringList captions;
        for (QAction *action : f.grid.PopupMenuQz()->actions())
            captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(captions,
                 QStringList({QStringLiteral("排序"), QStringLiteral("-"), QStringLiteral("列选择"),
                              QStringLiteral("保存表格样式"), QStringLiteral("-"),
                              QStringLiteral("导出到Excel文档"), QStringLiteral("导出到Html网页文件")}));
        // a window's own item goes on top; the menu item runs the command through the action wrapper
        AddMenuItem(f.grid.PopupMenuQz(), QStringLiteral("修改"), true);
        QCOMPARE(f.grid.PopupMenuQz()->actions().first()->text(), QStringLiteral("修改"));
        TScriptedScope scripted;
        f.assets.ds->Close();
        f.grid.PopupMenuQz()->actions().at(1)->trigger();
        QCOMPARE(scripted->LastMessageText(), Info(QStringLiteral("系统提示: 请先打开数据再操作!")));
        // the "功能 ▼" button: the menu opens under it
        QPushButton button(QStringLiteral("功能 ▼"));
        button.show();
        f.grid.PopupButtonClick(&button);
        QVERIFY(f.grid.PopupMenuQz()->isVisible());
        f.grid.PopupMenuQz()->hide();
    }

    void sortDialogReadsAndWritesTheSort()
    {
        TScriptedScope scripted;
        TGridFixture f;
        f.ClickTitle(QStringLiteral("Name"));
        f.ClickTitle(QStringLiteral("Name"));
        f.ClickTitle(QStringLiteral("Code"));
        QString offered;
        QString labels;
        QStringList shown;
        bool buttonsAtOpening = false;
        scripted->DialogScripts.enqueue([&](QWidget *dialog) {
            dialog->show(); // as a modal run would
            offered = dialog->property("SortString").toString();
            auto *list = Child<QTableWidget>(dialog, "StringGrid1");
            auto *up = Child<QPushButton>(dialog, "UpBtn1");
            auto *down = Child<QPushButton>(dialog, "DownBtn1");
            buttonsAtOpening = !up->isEnabled() && down->isEnabled();
            // Price (third row): double click twice to descending, then up to the top
            list->setCurrentCell(2, 0);
            const QPoint price = list->visualItemRect(list->item(2, 0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              price); // select the row, then double-click
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, price);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, price);
            QTest::mouseClick(up, Qt::LeftButton);
            QTest::mouseClick(up, Qt::LeftButton);
            shown << list->item(0, 0)->text() + list->item(0, 1)->text();
            // Code (now third) dragged below Qty; its direction goes with it
            list->verticalHeader()->moveSection(2, 3);
            shown << list->item(3, 0)->text() + list->item(3, 1)->text();
            labels = dialog->property("SortLabels").toString();
            QTest::mouseClick(Child<QPushButton>(dialog, "OkBtn1"), Qt::LeftButton);
            return qobject_cast<QDialog *>(dialog)->result();
        });
        QVERIFY(RunAction([&] { f.grid.SortClick(); }));
        QCOMPARE(scripted->Dialogs.size(), 1);
        QCOMPARE(scripted->Dialogs.first().ObjectName, QStringLiteral("SortFrm"));
        QCOMPARE(offered, QStringLiteral("Name DESC,Code ASC"));
        QVERIFY(buttonsAtOpening);
        QCOMPARE(shown, QStringList({QStringLiteral("原值降序"), QStringLiteral("编码升序")}));
        QCOMPARE(labels, QStringLiteral("原值 降序,名称 降序,编码 升序"));
        QCOMPARE(f.assets.ds->Sort(), QStringLiteral("Price DESC,Name DESC,Code ASC"));
        // the title markers follow the new sort
        QCOMPARE(f.grid.SortMarks().SortText(), QStringLiteral("Price DESC , Name DESC , Code"));

        // OK with no direction removes the sort; Cancel changes nothing
        scripted->DialogScripts.enqueue([](QWidget *dialog) {
            dialog->setProperty("SortString", QString());
            return int(QDialog::Accepted);
        });
        QVERIFY(RunAction([&] { f.grid.SortClick(); }));
        QCOMPARE(f.assets.ds->Sort(), QString());
        f.ClickTitle(QStringLiteral("Qty"));
        scripted->DialogScripts.enqueue([](QWidget *dialog) {
            dialog->setProperty("SortString", QStringLiteral("Code DESC"));
            return int(QDialog::Rejected);
        });
        QVERIFY(RunAction([&] { f.grid.SortClick(); }));
        QCOMPARE(f.assets.ds->Sort(), QStringLiteral("Qty"));
    }

    void columnChooser_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK applies marks and order") << true;
        QTest::newRow("Cancel changes nothing") << false;
    }

    void columnChooser()
    {
        QFETCH(bool, ok);
        TScriptedScope scripted;
        CurrentOperator().LoginId = QStringLiteral("clerk");
        CurrentOperator().Rights = QStringLiteral(",10008,");
        TGridFixture f;
        const QString before = f.grid.GetLayoutText();
        QStringList marks;
        bool moveButtonsHidden = false;
        scripted->DialogScripts.enqueue([&](QWidget *dialog) {
            auto *list = Child<QTableWidget>(dialog, "StringGrid1");
            moveButtonsHidden = Child<QPushButton>(dialog, "UpBtn1")->isHidden();
            for (int row = 0; row < list->rowCount(); ++row)
                marks.append(list->item(row, 1)->text());
            ClickCell(list, 1, 0);                     // hide Name
            ClickCell(list, 3, 1);                     // hide Qty
            ClickCell(list, 3, 1);                     // and show it again
            list->verticalHeader()->moveSection(3, 0); // Qty first
            QTest::mouseClick(Child<QPushButton>(dialog, ok ? "OkBtn1" : "CancelBtn1"), Qt::LeftButton);
            return qobject_cast<QDialog *>(dialog)->result();
        });
        QVERIFY(RunAction([&] { f.grid.PickColumnsClick(); }));
        QCOMPARE(scripted->Dialogs.first().ObjectName, QStringLiteral("ehVisibleFrm"));
        QCOMPARE(marks, QStringList(8, QStringLiteral("√")));
        QVERIFY(moveButtonsHidden);
        if (!ok) {
            QCOMPARE(f.grid.GetLayoutText(), before);
            return;
        }
        QVERIFY(f.grid.GetLayoutText().startsWith(QStringLiteral("Qty=True")));
        QVERIFY(f.grid.GetLayoutText().contains(QStringLiteral("\r\nName=False")));
        QVERIFY(f.grid.isColumnHidden(f.Section(QStringLiteral("Name"))));
        QCOMPARE(f.grid.horizontalHeader()->visualIndex(f.Section(QStringLiteral("Qty"))), 0);
        QVERIFY(scripted->Messages.isEmpty());
    }

    void rightsGuardTheCommands_data()
    {
        QTest::addColumn<QString>("rights");
        QTest::addColumn<int>("command"); // 0 Excel, 1 web page, 2 save layout, 3 column choice
        QTest::addColumn<int>("refused");
        QTest::newRow("excel without 10004") << QStringLiteral(",3,,10006,,10008,") << 0 << 10004;
        QTest::newRow("web page without 10004") << QStringLiteral(",3,") << 1 << 10004;
        QTest::newRow("layout without 3 even with 10006") << QStringLiteral(",10006,,10004,") << 2 << 3;
        QTest::newRow("layout with 3 but without 10006") << QStringLiteral(",3,") << 2 << 10006;
        QTest::newRow("column choice without 10008") << QStringLiteral(",3,,10006,") << 3 << 10008;
    }

    void rightsGuardTheCommands()
    {
        QFETCH(QString, rights);
        QFETCH(int, command);
        QFETCH(int, refused);
        TTestDatabase db;
        TScriptedScope scripted;
        CurrentOperator().LoginId = QStringLiteral("clerk");
        CurrentOperator().Rights = rights;
        scripted->FileAnswers.enqueue(QDir(db.Dir()).filePath(QStringLiteral("list.html")));
        TGridFixture f;
        RunAction([&] {
            switch (command) {
            case 0:
                f.grid.SaveToExcelClick();
                break;
            case 1:
                f.grid.SaveToHtmlClick();
                break;
            case 2:
                f.grid.SaveLayoutClick();
                break;
            default:
                f.grid.PickColumnsClick();
                break;
            }
        });
        QCOMPARE(scripted->MessageTexts(),
                 QStringList({Info(
                     QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(refused))}));
        QVERIFY(scripted->OpenedDocuments.isEmpty());
        QVERIFY(scripted->Dialogs.isEmpty());
        QCOMPARE(scripted->FileAnswers.size(), 1); // no file was asked for
        QCOMPARE(LoadLayoutText(0), QString());
    }

    void exportToExcel()
    {
        TScriptedScope scripted;
        CurrentOperator().LoginId = QStringLiteral("sa");
        TGridFixture f;
        f.grid.SetColumnVisible(f.grid.FindColumn(QStringLiteral("Photo")), false);
        const int recNo = f.assets.ds->RecNo();
        QVERIFY(RunAction([&] { f.grid.SaveToExcelClick(); }));
        QCOMPARE(scripted->OpenedDocuments.size(), 1);
        const QString path = scripted->OpenedDocuments.first();
        QVERIFY(path.endsWith(QStringLiteral(".xlsx")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(2) == "PK");
        file.close();
        QFile::remove(path);
        QCOMPARE(f.assets.ds->RecNo(), recNo);
        QVERIFY(scripted->Messages.isEmpty());

        // no spreadsheet program to open it
        scripted->OpenDocumentResult = false;
        QVERIFY(RunAction([&] { f.grid.SaveToExcelClick(); }));
        QCOMPARE(scripted->Messages.size(), 1);
        QCOMPARE(scripted->Messages.first().Text, QStringLiteral("Excel 没有正确安装!"));
        QCOMPARE(scripted->Messages.first().Buttons, int(TMsgButton::Ok));
        QFile::remove(scripted->OpenedDocuments.last());
    }

    void exportToHtml()
    {
        TScriptedScope scripted;
        CurrentOperator().LoginId = QStringLiteral("sa");
        QTemporaryDir dir;
        TGridFixture f;
        TGridColumns columns = {{QStringLiteral("Code"), QStringLiteral("编码"), true, 80, true},
                                {QStringLiteral("Name"), QStringLiteral("名称"), true, 80, true}};
        f.grid.SetColumns(columns);
        // cancelled file choice: nothing
        QVERIFY(RunAction([&] { f.grid.SaveToHtmlClick(); }));
        QVERIFY(scripted->Messages.isEmpty());
        // a name without extension gets ".html"; OK opens it
        scripted->FileAnswers.enqueue(dir.filePath(QStringLiteral("资产")));
        scripted->MessageAnswers.enqueue(TMsgButton::Ok);
        QVERIFY(RunAction([&] { f.grid.SaveToHtmlClick(); }));
        const QString path = dir.filePath(QStringLiteral("资产.html"));
        QCOMPARE(scripted->MessageTexts(), QStringList({QStringLiteral("\r\n导出成功,是否现在就打开?    ")}));
        QCOMPARE(scripted->OpenedDocuments, QStringList({path}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("&lt;A4&gt;&nbsp;</td>\r\n"));
        QCOMPARE(bytes.count("<tr>"), 4);
    }

    void arrowKeys()
    {
        TGridFixture f;
        f.grid.SetColumnVisible(f.grid.FindColumn(QStringLiteral("Name")), false);
        QSignalSpy keys(&f.grid, &TqzDBGrid::KeyDown);
        f.assets.ds->First();
        f.grid.SetSelectedColumn(0);
        QCOMPARE(f.CurrentField(), QStringLiteral("Code"));
        f.Key(Qt::Key_Left); // first column: nothing
        QCOMPARE(f.CurrentField(), QStringLiteral("Code"));
        f.Key(Qt::Key_Right); // the hidden Name is skipped
        QCOMPARE(f.CurrentField(), QStringLiteral("Price"));
        f.Key(Qt::Key_Down);
        f.Key(Qt::Key_Down);
        QCOMPARE(f.assets.ds->RecNo(), 3);
        QCOMPARE(f.grid.currentIndex().row(), 2);
        QCOMPARE(f.CurrentField(), QStringLiteral("Price"));
        f.Key(Qt::Key_Down); // last row: stays
        QCOMPARE(f.assets.ds->RecNo(), 3);
        f.Key(Qt::Key_Up);
        QCOMPARE(f.assets.ds->RecNo(), 2);
        f.grid.SetSelectedColumn(f.grid.ColumnCount() - 1);
        f.Key(Qt::Key_Right); // last column: nothing
        QCOMPARE(f.CurrentField(), QStringLiteral("Total"));
        f.Key(Qt::Key_F5); // every key reaches the window's handler
        QCOMPARE(keys.size(), 8);
        QCOMPARE(keys.last().first().toInt(), int(Qt::Key_F5));
        // a click on a cell moves the data set
        const QModelIndex cell = f.grid.DataSource()->index(0, f.Section(QStringLiteral("Code")));
        QTest::mouseClick(f.grid.viewport(), Qt::LeftButton, {}, f.grid.visualRect(cell).center());
        QCOMPARE(f.assets.ds->RecNo(), 1);
    }
};

QTEST_MAIN(TestQzDBGrid)
#include "test_qz_db_grid.moc"
