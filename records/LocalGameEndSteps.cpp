#include "LocalGameEndSteps.h"

#include "records/codec/ClubStore.h"
#include "records/codec/Settings.h"
#include "table/Dictionary.h"
#include "table/TFormEndGame.h"
#include "table/phrases/GameTablePhrases.h"
#include "table/phrases/MainWindowPhrases.h"
#include "table/phrases/RecordsPhrases.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTime>

#include <cstdio>

namespace halvane {

namespace {
// The time and date of the history lines in this computer's short formats.
GameRecorder::Stamp SystemClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString time = now.time().toString(QStringLiteral("hh:mm"));
    const QString date = QLocale::system().toString(now.date(), QLocale::ShortFormat);
    return {time.toStdString(), date.toStdString()};
}

void ShowError(QWidget *window, const QString &message)
{
    std::fprintf(stderr, "halvane: %s\n", qPrintable(message));
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QMessageBox::critical(window, Phrase(ph::ProductName), DisplayLines(message));
}
} // namespace

LocalGameEndSteps::LocalGameEndSteps(const QString &programFolder, QWidget *window, WavePlayer *sounds,
                                     GameCounters &counters)
    : ClubEndSteps(CurrentClubFiles().local, CurrentClubFiles().network,
                   std::filesystem::path(QDir(programFolder).filePath(QStringLiteral("History")).toStdString()),
                   SystemClock),
      m_window(window), m_sounds(sounds)
{
    ShareCounters(counters);
    setReportFailure([this](Failure failure) {
        ShowError(m_window, Phrase(failure == Failure::HistoryNotSaved ? ph::CantSaveHistory : ph::DiskWriteError));
    });
    setShowCycleEnd([this](int place, int score) {
        TFormEndGame::Inputs in;
        in.TopTenPlace = place;
        in.LastCycleScore = score;
        in.AccountMode = m_accountMode ? m_accountMode() : 1;
        in.NetGame = CurrentSettings().NetGame;
        TFormEndGame screen(in, m_sounds, m_window);
        screen.exec();
    });
}

bool LocalGameEndSteps::UsesNetworkClub(const GameResult &result) const
{
    return result.Kind == GameKind::Lan || CurrentSettings().NetGame;
}

} // namespace halvane
