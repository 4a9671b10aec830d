#include "cli_commands.h"

#include "app/db_configer.h"
#include "assets/asset_set.h"
#include "data/schema.h"
#include "depreciation/depreciation_tables.h"
#include "support/app_paths.h"
#include "support/errors.h"

#include <cstdio>
#include <QDir>
#include <QFileInfo>

namespace {

const char *const Usage = R"(lanshi-cli - command-line tool of 澜石固定资产管理系统

Usage:
  lanshi-cli init-db FILE      create a new database file with every table and the rows a
                               new database needs (the file must not exist yet)
  lanshi-cli assets [--reduced 0|1] [--FIELD VALUE ...] [--sql]
                               the asset list as CSV; FIELD is any condition of the finder:
                               AssetCode, AssetName, PartNo, GBCode, Factory, AssetKind (begins
                               with), UseState, UseDept, AddType, LayPlace, Depositary,
                               AccountDate1/2 (yyyy-mm-dd), OriginValue1/2, EndValue1/2,
                               UseYears1/2, YearR with MonthR (depreciation ended), Str1..Str6,
                               Float11..Float32, Date11..Date32, IsDepr, Changed, Repaired (0|1);
                               --sql prints the statement instead of the rows
  lanshi-cli depreciation --year Y [--month M] [--kind K] [--dept D]
                               the monthly depreciation table as CSV, or with no month the
                               yearly table month by month; K is a class prefix, D part of a
                               department name
  lanshi-cli --help            show this text

Output is UTF-8 CSV with a header of column captions: amounts with two decimals, dates as
yyyy-mm-dd, empty for no value. The exit code is 0 on success, 1 on a database error and 2 on
a bad command line.

Options for commands that open a database:
  --db FILE                    the SQLite database file to work on
  --profile DIR                the folder of cfg.ini and the default database
)";

// Where the results go (standard output unless a test asks otherwise).
FILE *Out = stdout;

void PrintError(const QString &message)
{
    std::fprintf(stderr, "lanshi-cli: %s\n", qUtf8Printable(message));
}

// "--name value" pairs of a command line; false with a message when one has no value.
bool ParseOptions(const QStringList &arguments, QList<QPair<QString, QString>> &options, QStringList &flags)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            PrintError(QStringLiteral("多余的参数: %1").arg(argument));
            return false;
        }
        const QString name = argument.mid(2);
        if (name == QLatin1String("sql")) {
            flags.append(name);
            continue;
        }
        if (i + 1 >= arguments.size()) {
            PrintError(QStringLiteral("%1 需要一个值").arg(argument));
            return false;
        }
        options.append({name, arguments.at(++i)});
    }
    return true;
}

// Connects the session to --db FILE, or to what the profile's cfg.ini names.
bool ConnectDatabase(const QString &file)
{
    const QString connection =
        file.isEmpty() ? TDBConfiger().GetConnectionString()
                       : TDBConfiger::JetConnectionString(QString(), QFileInfo(file).absoluteFilePath());
    return GlobalDatabase().Connect(connection);
}

QString CsvCell(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A value as the command-line tool writes it: amounts with two decimals and no grouping, dates alone.
QString CsvValue(const TField &field)
{
    if (field.IsNull())
        return {};
    switch (field.DataType()) {
    case TFieldType::Currency:
        return TMoney::FromDouble(field.AsFloat()).RoundedToCents().Format().remove(QLatin1Char(','));
    case TFieldType::DateTime:
        return field.AsDateTime().toString(QStringLiteral("yyyy-MM-dd"));
    default:
        return field.AsString();
    }
}

// Writes the shown fields of every row.
void WriteCsv(TDataSet &ds)
{
    QList<TField *> shown;
    QStringList header;
    for (int i = 0; i < ds.FieldCount(); ++i) {
        if (ds.Field(i)->Visible()) {
            shown.append(ds.Field(i));
            header.append(CsvCell(ds.Field(i)->DisplayLabel()));
        }
    }
    std::fprintf(Out, "%s\r\n", qUtf8Printable(header.join(QLatin1Char(','))));
    for (ds.First(); !ds.Eof(); ds.Next()) {
        QStringList cells;
        for (const TField *field : shown)
            cells.append(CsvCell(CsvValue(*field)));
        std::fprintf(Out, "%s\r\n", qUtf8Printable(cells.join(QLatin1Char(','))));
    }
}

int Assets(const QStringList &arguments, const QString &dbFile)
{
    QList<QPair<QString, QString>> options;
    QStringList flags;
    if (!ParseOptions(arguments, options, flags))
        return 2;
    // The conditions are checked before any database is opened.
    TAssetWhere conditions;
    try {
        conditions.DataSet()->Edit();
        for (const auto &[name, value] : options) {
            TField *field = conditions.DataSet()->FindField(
                name == QLatin1String("reduced") ? QStringLiteral("Reduced") : name);
            if (!field) {
                PrintError(QStringLiteral("未知的条件: --%1").arg(name));
                return 2;
            }
            field->SetValue(value);
        }
        conditions.DataSet()->Post();
    } catch (const EConvertError &error) {
        PrintError(error.Message());
        return 2;
    }
    if (!ConnectDatabase(dbFile))
        return 1;
    try {
        TAssetsSet assets;
        TDataSet *where = assets.Where()->DataSet();
        where->Edit();
        for (int i = 0; i < where->FieldCount(); ++i)
            where->Field(i)->SetValue(conditions.DataSet()->Field(i)->Value());
        where->Post();
        if (flags.contains(QStringLiteral("sql"))) {
            std::fprintf(Out, "%s\n", qUtf8Printable(assets.Where()->SqlText(GlobalDatabase())));
            return 0;
        }
        assets.OpenWhere();
        WriteCsv(*assets.DataSet());
    } catch (const EConvertError &error) {
        PrintError(error.Message()); // conditions that name no month
        return 2;
    } catch (const Exception &error) {
        PrintError(error.Message());
        return 1;
    }
    return 0;
}

int Depreciation(const QStringList &arguments, const QString &dbFile)
{
    QList<QPair<QString, QString>> options;
    QStringList flags;
    if (!ParseOptions(arguments, options, flags) || !flags.isEmpty())
        return 2;
    int year = 0, month = 0;
    QString kind, dept;
    for (const auto &[name, value] : options) {
        bool ok = true;
        if (name == QLatin1String("year"))
            year = value.toInt(&ok);
        else if (name == QLatin1String("month"))
            month = value.toInt(&ok);
        else if (name == QLatin1String("kind"))
            kind = value;
        else if (name == QLatin1String("dept"))
            dept = value;
        else
            ok = false;
        if (!ok) {
            PrintError(QStringLiteral("无效的参数: --%1 %2").arg(name, value));
            return 2;
        }
    }
    if (year < 1 || year > 9999 || month < 0 || month > 12) {
        PrintError(QStringLiteral("depreciation 需要 --year 年份 (1-9999), --month 月份 (1-12)"));
        return 2;
    }
    if (!ConnectDatabase(dbFile))
        return 1;
    try {
        if (month > 0) {
            TDepreciation table;
            table.Calculate(year, month, kind, dept);
            WriteCsv(*table.DataSet());
        } else {
            TDepreciationByYear table;
            table.Calculate(year, kind, dept);
            WriteCsv(*table.DataSet());
        }
    } catch (const Exception &error) {
        PrintError(error.Message());
        return 1;
    }
    return 0;
}

int InitDb(const QStringList &arguments)
{
    if (arguments.size() != 1 || arguments.first().startsWith(QLatin1String("--"))) {
        PrintError(QStringLiteral("init-db 需要一个数据库文件名"));
        return 2;
    }
    const QString path = QFileInfo(arguments.first()).absoluteFilePath();
    if (!QFileInfo(path).absoluteDir().exists()) {
        PrintError(QStringLiteral("文件夹不存在: %1").arg(QFileInfo(path).absolutePath()));
        return 1;
    }
    try {
        CreateDatabaseFile(path);
    } catch (const Exception &error) {
        PrintError(error.Message());
        return 1;
    }
    std::fprintf(Out, "%s\n", qUtf8Printable(QDir::toNativeSeparators(path)));
    return 0;
}

} // namespace

int RunCli(const QStringList &arguments, FILE *out)
{
    Out = out;
    QStringList rest = arguments;
    QString error;
    if (!AppPaths::ApplyProfileArgument(rest, &error)) {
        PrintError(error);
        return 2;
    }
    const qsizetype profile = rest.indexOf(QStringLiteral("--profile"));
    if (profile >= 0)
        rest.remove(profile, 2);
    if (rest.isEmpty() || rest.first() == QLatin1String("--help") || rest.first() == QLatin1String("-h")) {
        std::fputs(Usage, rest.isEmpty() ? stderr : Out);
        return rest.isEmpty() ? 2 : 0;
    }
    QString dbFile;
    const qsizetype db = rest.indexOf(QStringLiteral("--db"));
    if (db >= 0) {
        if (db + 1 >= rest.size()) {
            PrintError(QStringLiteral("--db 需要一个数据库文件名"));
            return 2;
        }
        dbFile = rest.at(db + 1);
        rest.remove(db, 2);
        if (rest.isEmpty()) {
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    const QString command = rest.takeFirst();
    if (command == QLatin1String("init-db"))
        return InitDb(rest);
    if (command == QLatin1String("assets"))
        return Assets(rest, dbFile);
    if (command == QLatin1String("depreciation"))
        return Depreciation(rest, dbFile);
    PrintError(QStringLiteral("未知的命令: %1 (lanshi-cli --help 列出所有命令)").arg(command));
    return 2;
}
