// The program body: wires the window interaction, the start-up and the main window together.
#include "app/globals.h"
#include "app/qt_interaction.h"
#include "app/splash_frm.h"
#include "app/startup.h"
#include "data/database.h"
#include "support/app_paths.h"

#include <cstdio>
#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QString error;
    if (!AppPaths::ApplyProfileArgument(QCoreApplication::arguments(), &error)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 2;
    }
    SetInteraction(std::make_unique<TQtInteraction>());

    TStartup startup;
    if (!startup.Run())
        return 0;

    // Stands in for the main window until the real one takes over the application start.
    QMainWindow mainFrm;
    mainFrm.setObjectName(QStringLiteral("mainFrm"));
    mainFrm.setWindowTitle(QStringLiteral("%1 - %2").arg(AppTitle, AppVersion));
    mainFrm.statusBar()->showMessage(GlobalDatabase().DataSourceName());
    mainFrm.resize(800, 600);
    startup.TakeSplash().reset();
    mainFrm.show();

    const int result = app.exec();
    GlobalDatabase().SetConnected(false);
    return result;
}
