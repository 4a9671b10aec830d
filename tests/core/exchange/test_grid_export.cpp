// What the grid exports: the plain values of the visible columns read from the first row to the last
// with the current row kept, the web page text, the GBK file behind it, the .xlsx workbook, and the
// footer sums.
#include "asset_table_fixture.h"
#include "exchange/export_table.h"
#include "exchange/gbk_text_file.h"
#include "exchange/grid_footer.h"
#include "exchange/html_export.h"
#include "exchange/xlsx_export.h"
#include "support/errors.h"

#include <QFile>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <QProcess>

namespace {

TGridColumns ExportColumns()
{
    return {{QStringLiteral("Code"), QStringLiteral("编码"), true, 80, true},
            {QStringLiteral("Note"), QStringLiteral("备注"), false, 80, true},
            {QStringLiteral("Name"), QStringLiteral("名称<全称>"), true, 120, true},
            {QStringLiteral("Price"), QStringLiteral("原值"), true, 90, true},
            {QStringLiteral("Gone"), QStringLiteral("已删字段"), true, 50, true}};
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef LANSHI_ZIP_READER
// One entry of the zip file, read by the helper program.
QString ReadZipEntry(const QString &zipPath, const QString &entry)
{
    QProcess reader;
    reader.start(QStringLiteral(LANSHI_ZIP_READER), {zipPath, entry});
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        return QString();
    return QString::fromUtf8(reader.readAllStandardOutput());
}
#endif

} // namespace

class TestGridExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsPlainValuesAndKeepsTheCurrentRow()
    {
        TAssetTableFixture fixture;
        fixture.Fill();
        fixture.ds->SetRecNo(2);
        QSignalSpy moves(fixture.ds, &TDataSet::CurrentChanged);
        const TExportTable table = ReadExportTable(fixture.ds, ExportColumns());
        QCOMPARE(table.Captions, QStringList({QStringLiteral("编码"), QStringLiteral("名称<全称>"),
                                              QStringLiteral("原值"), QStringLiteral("已删字段")}));
        QCOMPARE(table.Widths, QList<int>({80, 120, 90, 50}));
        QCOMPARE(table.Rows.size(), 3);
        // plain value, not the ",0.00" display text; an unknown field gives blank cells
        QCOMPARE(table.Rows.at(0), QStringList({QStringLiteral("0101"), QStringLiteral("电脑"),
                                                QStringLiteral("4500.5"), QString()}));
        QCOMPARE(fixture.ds->RecNo(), 2);
        QVERIFY(!fixture.ds->ControlsDisabled());
        // the views saw one reset at the end, not every row
        QCOMPARE(moves.size(), 1);
    }

    void closedDataSetGivesTitlesOnly()
    {
        TAssetTableFixture fixture;
        fixture.ds->Close();
        const TExportTable table = ReadExportTable(fixture.ds, ExportColumns());
        QCOMPARE(table.Captions.size(), 4);
        QVERIFY(table.Rows.isEmpty());
        QVERIFY(ReadExportTable(nullptr, ExportColumns()).Rows.isEmpty());
    }

    void htmlLinesEscapeCellTexts()
    {
        TExportTable table;
        table.Captions = {QStringLiteral("名称<全称>"), QStringLiteral("原值")};
        table.Rows = {{QStringLiteral("打印机 <A4> & \"B\""), QStringLiteral("1200.25")}};
        const QStringList expected = {
            QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title></title>"),
            QStringLiteral("</head>"),
            QStringLiteral("<body>"),
            QStringLiteral("<table>"),
            QStringLiteral("<tr>"),
            QStringLiteral("<td nowrap>名称&lt;全称&gt;&nbsp;</td>"),
            QStringLiteral("<td nowrap>原值&nbsp;</td>"),
            QStringLiteral("</tr>"),
            QStringLiteral("<tr>"),
            QStringLiteral("<td nowrap>打印机 &lt;A4&gt; &amp; &quot;B&quot;&nbsp;</td>"),
            QStringLiteral("<td nowrap>1200.25&nbsp;</td>"),
            QStringLiteral("</tr>"),
            QStringLiteral("</table>"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>"),
        };
        QCOMPARE(HtmlExportLines(table), expected);
    }

    void htmlFileIsGbkWithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("资产.html"));
        TExportTable table;
        table.Captions = {QStringLiteral("名称")};
        table.Rows = {{QStringLiteral("电脑\U0001F600")}}; // an emoji has no GBK code
        WriteHtmlExport(path, table);
        const QByteArray bytes = ReadFile(path);
        QVERIFY(bytes.startsWith("<html>\r\n<head>\r\n"));
        QVERIFY(bytes.endsWith("</html>\r\n"));
        QStringDecoder gbk("GBK");
        const QString text = gbk.decode(bytes);
        QVERIFY(text.contains(QStringLiteral("<td nowrap>电脑&#128512;&nbsp;</td>\r\n")));
        QVERIFY(!bytes.contains("\n\n"));
    }

    void unwritableFileRaisesClearError()
    {
        TExportTable table;
        table.Captions = {QStringLiteral("名称")};
        const QString path = QStringLiteral("/nonexistent-folder/a.html");
        try {
            WriteHtmlExport(path, table);
            QFAIL("no error");
        } catch (const Exception &error) {
            QVERIFY(error.Message().contains(path));
        }
        QVERIFY_THROWS_EXCEPTION(Exception,
                                 WriteXlsxExport(QStringLiteral("/nonexistent-folder/a.xlsx"), table));
    }

    void xlsxWorkbook()
    {
        TAssetTableFixture fixture;
        fixture.Fill();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("资产.xlsx"));
        WriteXlsxExport(path, ReadExportTable(fixture.ds, ExportColumns()));
        const QByteArray bytes = ReadFile(path);
        QVERIFY(bytes.size() > 100);
        QVERIFY(bytes.startsWith("PK"));
#ifdef LANSHI_ZIP_READER
        const QString strings = ReadZipEntry(path, QStringLiteral("xl/sharedStrings.xml"));
        QVERIFY(strings.contains(QStringLiteral("<t>编码</t>")));
        QVERIFY(strings.contains(QStringLiteral("<t>名称&lt;全称&gt;</t>")));
        QVERIFY(strings.contains(QStringLiteral("<t>0101</t>"))); // leading zero kept: a text cell
        QVERIFY(strings.contains(QStringLiteral("<t>4500.5</t>")));
        const QString sheet = ReadZipEntry(path, QStringLiteral("xl/worksheets/sheet1.xml"));
        QVERIFY(sheet.contains(QStringLiteral("<c r=\"A2\"")));
        QVERIFY(!sheet.contains(QStringLiteral("<v>4500.5</v>"))); // no number cells
        QVERIFY(!sheet.contains(QStringLiteral("t=\"n\"")));
#else
        QSKIP("QuaZip is not available to read the workbook back");
#endif
    }

    void footerSums_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("sum");
        QTest::newRow("money with grouping")
            << QStringLiteral("Price") << QString() << QStringLiteral("11,700.75");
        QTest::newRow("integer skips nulls") << QStringLiteral("Qty") << QString() << QStringLiteral("3");
        QTest::newRow("calculated money")
            << QStringLiteral("Total") << QString() << QStringLiteral("15,001.00");
        QTest::newRow("only the filtered rows")
            << QStringLiteral("Price") << QStringLiteral("Qty = 1") << QStringLiteral("6,000.00");
        QTest::newRow("text field has no sum") << QStringLiteral("Name") << QString() << QString();
        QTest::newRow("unknown field") << QStringLiteral("Nope") << QString() << QString();
    }

    void footerSums()
    {
        QFETCH(QString, field);
        QFETCH(QString, filter);
        QFETCH(QString, sum);
        TAssetTableFixture fixture;
        fixture.Fill();
        if (!filter.isEmpty()) {
            fixture.ds->SetFilterText(filter);
            fixture.ds->SetFiltered(true);
        }
        QCOMPARE(FooterSumText(fixture.ds, field), sum);
    }

    void footerSumOfManyCentsIsExact()
    {
        TAssetTableFixture fixture;
        for (int i = 0; i < 1000; ++i)
            fixture.Add(QString::number(i), QStringLiteral("椅子"), 0.1, 1);
        QCOMPARE(FooterSumText(fixture.ds, QStringLiteral("Price")), QStringLiteral("100.00"));
        fixture.ds->Close();
        QCOMPARE(FooterSumText(fixture.ds, QStringLiteral("Price")), QString());
    }
};

QTEST_GUILESS_MAIN(TestGridExport)
#include "test_grid_export.moc"
