#include "ProgramOptions.h"

#include <QFileInfo>
#include <QTemporaryFile>

namespace halvane {

ProgramOptions ProgramOptions::parse(const QStringList &arguments)
{
    ProgramOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.showHelp = true;
        } else if (arg == QLatin1String("--version")) {
            options.showVersion = true;
        } else if (arg == QLatin1String("--folder")) {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("--folder needs a folder");
                return options;
            }
            options.folder = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--folder="))) {
            options.folder = arg.mid(9);
        } else if (arg.startsWith(QLatin1String("-platform")) || arg.startsWith(QLatin1String("-qwindow"))) {
            // Qt's own options were taken by QApplication already.
        } else {
            options.error = QStringLiteral("unknown option: %1").arg(arg);
            return options;
        }
    }
    return options;
}

QString ProgramOptions::usage()
{
    return QStringLiteral("Usage: halvane [--folder DIR] [--version] [--help]\n"
                          "  --folder DIR  use DIR as the program folder (settings, club and history files)\n"
                          "  --version     print the version and exit\n"
                          "  --help        print this text and exit\n");
}

QString CheckProgramFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("The program folder %1 does not exist.").arg(folder);
    if (!info.isDir())
        return QStringLiteral("%1 is not a folder.").arg(folder);
    // Try a real write: permission bits alone say nothing for root or for
    // read-only mounts.
    QTemporaryFile probe(folder + QStringLiteral("/.halvane-write-XXXXXX"));
    if (!probe.open())
        return QStringLiteral("The program folder %1 cannot be written; the game keeps its settings and club files there.")
            .arg(folder);
    return {};
}

} // namespace halvane
