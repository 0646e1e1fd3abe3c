#pragma once
// The command line of the program.

#include <QString>
#include <QStringList>

namespace halvane {

struct ProgramOptions {
    QString folder;       // the program folder; empty = the executable's own
    bool showHelp = false;
    bool showVersion = false;
    QString error;        // a message for an option the program does not know

    static ProgramOptions parse(const QStringList &arguments);
    static QString usage();
};

// The program's own folder check: it exists, is a folder and can be written
// (the settings and club files live there). Returns an empty string when fine.
QString CheckProgramFolder(const QString &folder);

} // namespace halvane
