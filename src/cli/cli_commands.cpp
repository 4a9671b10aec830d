#include "cli_commands.h"

#include "data/schema.h"
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
  lanshi-cli --help            show this text

Options for commands that open a database:
  --db FILE                    the SQLite database file to work on
  --profile DIR                the folder of cfg.ini and the default database
)";

void PrintError(const QString &message)
{
    std::fprintf(stderr, "lanshi-cli: %s\n", qUtf8Printable(message));
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
    std::printf("%s\n", qUtf8Printable(QDir::toNativeSeparators(path)));
    return 0;
}

} // namespace

int RunCli(const QStringList &arguments)
{
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
        std::fputs(Usage, rest.isEmpty() ? stderr : stdout);
        return rest.isEmpty() ? 2 : 0;
    }
    const QString command = rest.takeFirst();
    if (command == QLatin1String("init-db"))
        return InitDb(rest);
    PrintError(QStringLiteral("未知的命令: %1 (lanshi-cli --help 列出所有命令)").arg(command));
    return 2;
}
