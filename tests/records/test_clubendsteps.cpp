// The records' end-of-game steps over real files: a cycle of 20 games from a
// new player to the top ten, network games in their own club file, and the
// failures reported.

#include "records/codec/ClubEndSteps.h"
#include "records/codec/ClubStore.h"
#include "records/codec/HistoryFile.h"
#include "records/codec/PlayerLine.h"
#include "records/codec/TopTenLine.h"

#include <QTemporaryDir>
#include <fstream>
#include <QTest>

using namespace halvane;
namespace fs = std::filesystem;

namespace {
struct Folder {
    QTemporaryDir dir;
    fs::path path{dir.path().toStdString()};
    ClubStore local{path / "Halvane.clb"};
    ClubStore network{path / "Halvane.net"};
    Folder()
    {
        local.Save(ClubFile::Fresh());
        network.Save(ClubFile::Fresh());
    }
};

GameRecorder::Stamp FixedClock() { return {"12:00", "11.12.2026"}; }

// One game's end as the game flow runs the records' steps.
void EndGame(ClubEndSteps &steps, GameResult r, bool cycleEnd)
{
    const double rating = steps.RatingAfterGame(r);
    steps.WriteHistory(r, rating);
    steps.StoreCounters(r, rating);
    if (cycleEnd)
        steps.ShowEndOfGameScreen(r, rating);
}
} // namespace

class TestClubEndSteps : public QObject
{
    Q_OBJECT
private slots:
    void aCycleOfTwentyGames()
    {
        Folder f;
        ClubEndSteps steps(f.local, f.network, f.path / "History", FixedClock);
        QList<std::pair<int, int>> screens;
        steps.setShowCycleEnd([&](int place, int score) { screens << std::pair(place, score); });
        GameCounters c = LoadCounters(*f.local.Load(), 6, "Anna", "pw");
        int total = 0;
        for (int game = 1; game <= 20; ++game) {
            steps.BeginGame(c);
            GameResult r;
            r.FinalScore = game % 3 == 0 ? -9 : 14;
            total += r.FinalScore;
            r.Kon = c.Kon;
            EndGame(steps, r, c.Kon % 20 == 0);
            QCOMPARE(steps.StoredLine(), 1);
            c = LoadCounters(*f.local.Load(), steps.StoredLine());
            QCOMPARE(c.Kon, game + 1);
        }
        QCOMPARE(screens.size(), 1);
        QCOMPARE(screens[0], std::pair(1, total));
        QCOMPARE(steps.TopTenPlace(), 1);
        QCOMPARE(steps.LastCycleScore(), total);
        const ClubFile club = *f.local.Load();
        QVERIFY(club.SumsMatch());
        const TopTenEntry first = ReadTopTenLine(club.line(6));
        QCOMPARE(first.name, PlayerNameField("Anna"));
        QCOMPARE(first.value, total);
        QCOMPARE(PlayerLine::Parse(club.line(1))->cycleScore, 0);
        QCOMPARE(c.StartScore, 0); // the 21st game starts the new cycle
        const HistoryCheck history = CheckHistoryFile(f.path / "History" / "Halvane_I0001.hst");
        QVERIFY(history.valid);
        QCOMPARE(history.entries, 20);
        QCOMPARE(history.entryLines[0].substr(0, 35), std::string("12:0011.12.2026Anna                "));
        QCOMPARE(history.entryLines[0][89], 'L');
        // The network club file was not touched.
        QCOMPARE(f.network.Load()->Bytes(), ClubFile::Fresh().Bytes());
    }

    // The deals' figures followed during the game leave the recorded game as it
    // would be without them: the score is the game's, not the sum of the deals'.
    void dealsFollowedDuringTheGame()
    {
        const std::array<int, 4> scoreAfterDeal{-12, 30, 18, 44};
        std::array<std::string, 2> clubBytes;
        std::array<std::string, 2> historyLines;
        for (int follow = 0; follow <= 1; ++follow) {
            Folder f;
            ClubEndSteps steps(f.local, f.network, f.path / "History", FixedClock);
            GameCounters shared = LoadCounters(*f.local.Load(), 6, "Anna", "pw");
            shared.StartScore = 7;
            steps.ShareCounters(shared);
            GameResult r;
            r.Kon = shared.Kon;
            for (int score : scoreAfterDeal) {
                r.FinalScore = score;
                if (follow) {
                    steps.AddDeal(r);
                    QCOMPARE(shared.FinalScore, score);
                    QCOMPARE(shared.CycleScore, 7 + score);
                }
            }
            EndGame(steps, r, false);
            clubBytes[size_t(follow)] = f.local.Load()->Bytes();
            historyLines[size_t(follow)] = CheckHistoryFile(f.path / "History" / "Halvane_I0001.hst").entryLines.at(0);
            QCOMPARE(PlayerLine::Parse(f.local.Load()->line(1))->cycleScore, 7 + 44);
        }
        QCOMPARE(clubBytes[1], clubBytes[0]);
        QCOMPARE(historyLines[1], historyLines[0]);
    }

    void networkGameUsesTheNetworkFile()
    {
        Folder f;
        ClubEndSteps steps(f.local, f.network, f.path / "History", FixedClock);
        steps.BeginGame(LoadCounters(*f.network.Load(), 6, "Olga", "x"));
        GameResult r;
        r.Kind = GameKind::Lan;
        r.FinalScore = 30;
        r.Names = {"Ivan  ", "PC    ", "Olga  "};
        EndGame(steps, r, false);
        QCOMPARE(f.local.Load()->Bytes(), ClubFile::Fresh().Bytes());
        QCOMPARE(PlayerLine::Parse(f.network.Load()->line(1))->rating, 1.5);
        const HistoryCheck history = CheckHistoryFile(f.path / "History" / "Halvane_I0001.hst");
        QCOMPARE(history.entryLines[0].substr(15, 16), std::string("Olga/PC/Ivan    "));
        QCOMPARE(history.entryLines[0][89], 'N');
    }

    void failuresAreReported()
    {
        Folder f;
        fs::remove(f.path / "Halvane.clb");
        fs::create_directory(f.path / "Halvane.clb"); // cannot be read nor replaced
        std::ofstream(f.path / "History") << "a file where the folder should be";
        ClubEndSteps steps(f.local, f.network, f.path / "History", FixedClock);
        QList<ClubEndSteps::Failure> failures;
        steps.setReportFailure([&](ClubEndSteps::Failure failure) { failures << failure; });
        steps.BeginGame(LoadCounters(ClubFile::Fresh(), 6, "Anna", "pw"));
        GameResult r;
        r.FinalScore = 5;
        EndGame(steps, r, false);
        QCOMPARE(failures.size(), 2);
        QCOMPARE(failures[0], ClubEndSteps::Failure::HistoryNotSaved);
        QCOMPARE(failures[1], ClubEndSteps::Failure::ClubNotSaved);
    }

    void playerRecordForTheFlow()
    {
        ClubFile club = ClubFile::Fresh();
        PlayerLine p;
        p.name = PlayerNameField("Anna");
        p.games = 7;
        p.cycleScore = -3;
        club.setLine(2, p.Text());
        const PlayerRecord record = ClubEndSteps::PlayerRecordOf(LoadCounters(club, 2));
        QCOMPARE(record.Name, std::string("Anna"));
        QCOMPARE(record.GamesPlayed, 7);
        QCOMPARE(record.StartScore, -3);
        QCOMPARE(record.PlayerSlot, 2);
    }
};

QTEST_APPLESS_MAIN(TestClubEndSteps)
#include "test_clubendsteps.moc"
