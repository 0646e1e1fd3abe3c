// Self-play as a club member: whole cycles recorded through the game's own
// end-of-game steps, and the club files inspected afterwards.

#ifndef Q_MOC_RUN // moc cannot read the computer player's headers
#include "ClubPlay.h"
#endif
#include "records/codec/HistoryFile.h"
#include "records/codec/PlayerLine.h"
#include "records/codec/TopTenLine.h"

#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace halvane;
using namespace halvane::selfplay;
namespace fs = std::filesystem;

class TestClubPlay : public QObject
{
    Q_OBJECT
private slots:
    void twoCyclesOfANewPlayer()
    {
        QTemporaryDir dir;
        const fs::path folder(dir.path().toStdString());
        ClubStore(folder / "Halvane.clb").Save(ClubFile::Fresh());
        ClubPlayOptions club{folder / "Halvane.clb", 6, "Tester", {}};
        QCOMPARE(CheckClubPlay(club), std::string());
        SelfPlayOptions options;
        options.games = 41;
        options.seed = 7;
        options.players = {PlayerKind::Random, PlayerKind::Random, PlayerKind::Random};
        std::ostringstream out;
        const SelfPlayResult result = RunClubPlay(options, club, nullptr, out);
        QCOMPARE(result.games.size(), std::size_t(41));

        const ClubFile file = *ClubStore(folder / "Halvane.clb").Load();
        QVERIFY(file.SumsMatch());
        const auto member = PlayerLine::Parse(file.line(1));
        QVERIFY(member);
        QCOMPARE(member->games, 41);
        QCOMPARE(member->cycleScore, result.games.back().finalScore); // the 41st game opened a cycle
        // Two cycle ends, two top-ten entries, each the sum of its 20 games.
        int first = 0, second = 0;
        for (int g = 0; g < 20; ++g) {
            first += result.games[std::size_t(g)].finalScore;
            second += result.games[std::size_t(g + 20)].finalScore;
        }
        const TopTenEntry a = ReadTopTenLine(file.line(6)), b = ReadTopTenLine(file.line(7));
        QCOMPARE(std::max(a.value, b.value), std::max(first, second));
        QCOMPARE(std::min(a.value, b.value), std::min(first, second));
        QVERIFY(!ReadTopTenLine(file.line(8)).filled);
        QCOMPARE(QString::fromStdString(out.str()).count(QStringLiteral("cycle end")), 2);
        // The rating is the average of the game scores over 20.
        double sum = 0;
        for (const GameRecord &g : result.games)
            sum += g.finalScore / 20.0;
        QVERIFY(std::abs(member->rating - sum / 41) < 1e-5);

        const HistoryCheck history = CheckHistoryFile(folder / "History" / "Halvane_I0001.hst");
        QVERIFY(history.valid);
        QCOMPARE(history.entries, 41);
    }

    void refusedOptions()
    {
        QTemporaryDir dir;
        const fs::path folder(dir.path().toStdString());
        QVERIFY(CheckClubPlay({folder / "Halvane.clb", 6, "x", {}}).find("Can`t find the file") == 0);
        ClubStore(folder / "Halvane.clb").Save(ClubFile::Fresh());
        QVERIFY(!CheckClubPlay({folder / "Halvane.clb", 3, "x", {}}).empty()); // an empty line
        QVERIFY(!CheckClubPlay({folder / "Halvane.clb", 7, "x", {}}).empty());
        QVERIFY(!CheckClubPlay({folder / "Halvane.clb", 6, "   ", {}}).empty());
    }
};

QTEST_APPLESS_MAIN(TestClubPlay)
#include "test_clubplay.moc"
