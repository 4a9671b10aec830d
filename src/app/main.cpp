// The program body: the window interaction, the start-up connection, then the working session.
#include "app/application.h"
#include "app/qt_interaction.h"
#include "app/startup.h"
#include "support/app_paths.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);

    QString error;
    if (!AppPaths::ApplyProfileArgument(QCoreApplication::arguments(), &error)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 2;
    }
    SetInteraction(std::make_unique<TQtInteraction>());

    TStartup startup;
    if (!startup.Run())
        return 0;
    return RunApplication(startup);
}
