// Program entry: the application, its title, the main window, the message loop.

#include "GameController.h"
#include "MenuRecords.h"
#include "ProgramOptions.h"
#include "TForm1.h"
#include "TableBalloons.h"
#include "platform/ResourceRegistry.h"
#include "platform/sound/MusicPlayer.h"
#include "platform/sound/SoundChannel.h"
#include "records/LocalGameEndSteps.h"
#include "table/CardVoice.h"
#include "table/PackTableArt.h"
#include "table/SignalPlayer.h"

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

    // One channel for signals and spoken card names; the tune has its own player.
    halvane::sound::SoundChannel soundChannel;
    halvane::SignalPlayer signalPlayer(soundChannel, halvane::ResourceRegistry::instance());
    halvane::sound::MusicPlayer music;

    halvane::TForm1 window(folder);
    window.setWavePlayer(&signalPlayer);
    window.setMusicPlayer(&music);

    // The game on the table: real card pictures, sounds, spoken cards and the
    // club's end-of-game records.
    halvane::GameController game(window, window.tableArt());
    game.SetWavePlayer(&signalPlayer);
    game.SetCursors(&window.cursors());
    halvane::CardVoice voice(soundChannel, window.ProgramFolder);
    game.SetSpeakCard([&voice](halvane::Card card, bool wait) { return voice.SpeakCard(card, wait); });
    // The records work on the window's counters: they follow every deal, the
    // general score dialog shows them and a change of name edits them.
    const std::unique_ptr<halvane::LocalGameEndSteps> endSteps = halvane::MenuRecords::EndSteps(window, &signalPlayer);
    game.SetEndSteps(endSteps.get());
    window.tableBalloons().SetSeatName([&game](int seat) { return game.Flow().State().Names[size_t(seat - 1)]; });
    QObject::connect(&window, &halvane::TForm1::startupFailed, &app, [] { QCoreApplication::exit(1); });
    window.show();
    return app.exec();
}
