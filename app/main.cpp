// Program entry: the application, its title, the main window, the message loop.

#include "GameController.h"
#include "ProgramOptions.h"
#include "TForm1.h"
#include "table/DrawnTableArt.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Halvane"));
    QApplication::setApplicationVersion(QStringLiteral("5.7f"));

    const halvane::ProgramOptions options = halvane::ProgramOptions::parse(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "halvane: %s\n%s", qPrintable(options.error),
                     qPrintable(halvane::ProgramOptions::usage()));
        return 2;
    }
    if (options.showHelp) {
        std::fputs(qPrintable(halvane::ProgramOptions::usage()), stdout);
        return 0;
    }
    if (options.showVersion) {
        std::puts("Halvane V 5.7f");
        return 0;
    }

    const QString folder = options.folder.isEmpty() ? QApplication::applicationDirPath() : options.folder;
    const QString problem = halvane::CheckProgramFolder(folder);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "halvane: %s\n", qPrintable(problem));
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("Halvane"), problem);
        return 1;
    }

    halvane::TForm1 window(folder);
    halvane::DrawnTableArt tableArt;
    halvane::GameController game(window, tableArt);
    QObject::connect(&window, &halvane::TForm1::startupFailed, &app, [] { QCoreApplication::exit(1); });
    window.show();
    return app.exec();
}
