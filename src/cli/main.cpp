// lanshi-cli: the command-line tool over the same core as the windows program.
#include "cli_commands.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lanshi"));
    return RunCli(QCoreApplication::arguments().mid(1));
}
