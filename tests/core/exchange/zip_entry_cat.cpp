// Prints one entry of a zip file to standard output: zip_entry_cat FILE ENTRY. The workbook test reads
// its .xlsx back through it because QuaZip carries its own copy of the zip functions the spreadsheet
// writer uses, so the two cannot share one process.
#include <quazip.h>
#include <quazipfile.h>

#include <cstdio>
#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    QuaZip zip(args.at(1));
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(args.at(2)))
        return 1;
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = file.readAll();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
