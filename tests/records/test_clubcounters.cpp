// Club counters: rating after a game, storing the counters, the 20th game and
// the local top ten, leaving a game and changing a name.

#include "records/codec/ClubFile.h"
#include "records/codec/GameCounters.h"
#include "records/codec/PlayerLine.h"
#include "tests/records/MemberLineFixture.h"
#include "records/codec/TopTenLine.h"

#include <QTest>

using namespace halvane;

namespace {
ClubFile FiveMembers()
{
    ClubFile club = ClubFile::Fresh();
    club.setLine(1, Member("Ann", 5.0, 10, 40));
    club.setLine(2, Member("Bob", 4.0, 10, 30));
    club.setLine(3, Member("Cid", 3.0, 10, 20));
    club.setLine(4, Member("Dan", 2.0, 10, 10));
    club.setLine(5, Member("Eve", 1.0, 10, 0));
    club.UpdateSums();
    return club;
}

QString NameAt(const ClubFile &club, int line)
{
    return QString::fromStdString(TrimmedName(club.line(line).substr(0, 20)));
}

void SetTopTen(ClubFile &club, const std::vector<int> &scores)
{
    for (int k = 0; k < 10; ++k) {
        std::string line = PlayerNameField("P" + std::to_string(k + 1));
        line += k < int(scores.size()) ? std::string(6 - std::to_string(scores[k]).size(), ' ') + std::to_string(scores[k])
                                       : std::string(UnfilledTopTenLine.substr(20));
        club.setLine(k + 6, line);
    }
}
} // namespace

class TestClubCounters : public QObject
{
    Q_OBJECT
private slots:
    void ratingAfterGame_data()
    {
        QTest::addColumn<int>("gamesBefore");
        QTest::addColumn<double>("startRating");
        QTest::addColumn<int>("score");
        QTest::addColumn<double>("rating");
        QTest::newRow("first game 30") << 0 << 0.0 << 30 << 1.5;
        QTest::newRow("first game -10") << 0 << 0.0 << -10 << -0.5;
        QTest::newRow("average of two") << 1 << 1.5 << -10 << 0.5;
        QTest::newRow("six decimals, thirds") << 2 << 0.0 << 20 << 0.333333;
        QTest::newRow("clamped high") << 0 << 0.0 << 4000 << 99.99;
        QTest::newRow("clamped low") << 0 << 0.0 << -4000 << -99.99;
    }
    void ratingAfterGame()
    {
        QFETCH(int, gamesBefore);
        QFETCH(double, startRating);
        QFETCH(int, score);
        QFETCH(double, rating);
        QCOMPARE(RatingAfterGame(gamesBefore, startRating, score, gamesBefore + 1), rating);
    }

    void loadCounters()
    {
        const ClubFile club = FiveMembers();
        const GameCounters c = LoadCounters(club, 2);
        QCOMPARE(c.Name, std::string("Bob                 "));
        QCOMPARE(c.GamesBeforeText, std::string("     10"));
        QCOMPARE(c.Kon, 11);
        QCOMPARE(c.StartScore, 30);
        QCOMPARE(c.StartRating, 4.0);
        const GameCounters n = LoadCounters(club, 6, "Zed", "12345");
        QCOMPARE(n.Kon, 1);
        QCOMPARE(n.StartScore, 0);
        QCOMPARE(n.GamesBeforeText, std::string("  0"));
        QCOMPARE(n.Name, std::string("Zed                 "));
        QVERIFY(PasswordMatches(n.PasswordField, "12345"));
    }

    void storeMovesTheLineByRating()
    {
        ClubFile club = FiveMembers();
        GameCounters c = LoadCounters(club, 5); // Eve, 1.0 after 10 games
        c.AddDeal(700);                         // (10 x 1 + 35) / 11 = 4.090909
        const StoreOutcome out = StoreCounters(club, c);
        QCOMPARE(out.Rating, 4.090909);
        QCOMPARE(out.Line, 2);
        QCOMPARE(NameAt(club, 1), QStringLiteral("Ann"));
        QCOMPARE(NameAt(club, 2), QStringLiteral("Eve"));
        QCOMPARE(NameAt(club, 3), QStringLiteral("Bob"));
        QCOMPARE(NameAt(club, 5), QStringLiteral("Dan"));
        QCOMPARE(club.line(2), std::string("Eve                   4,090909     11    700") + PasswordField("pw"));
        QVERIFY(!out.CycleEnded);
    }

    void newPlayerBelowAllFiveIsNotStored()
    {
        ClubFile club = FiveMembers();
        GameCounters c = LoadCounters(club, 6, "New", "x");
        c.AddDeal(10); // 0.5, below Eve's 1.0
        const std::string before = club.Bytes();
        QCOMPARE(StoreCounters(club, c).Line, 0);
        QCOMPARE(club.Bytes(), before);
    }

    void newPlayerEqualToTheFifthTakesItsLine()
    {
        ClubFile club = FiveMembers();
        GameCounters c = LoadCounters(club, 6, "New", "x");
        c.AddDeal(20); // 1.0, equal to Eve
        QCOMPARE(StoreCounters(club, c).Line, 5);
        QCOMPARE(NameAt(club, 5), QStringLiteral("New"));
        for (int k = 1; k <= 5; ++k)
            QVERIFY(NameAt(club, k) != QStringLiteral("Eve"));
    }

    void twentiethGameClosesTheCycle()
    {
        ClubFile club = ClubFile::Fresh();
        club.setLine(1, Member("Ann", 1.0, 19, 250));
        GameCounters c = LoadCounters(club, 1);
        QCOMPARE(c.Kon, 20);
        c.AddDeal(-15);
        const StoreOutcome out = StoreCounters(club, c);
        QVERIFY(out.CycleEnded);
        QCOMPARE(out.TopTenPlace, 1);
        QCOMPARE(out.LastCycleScore, 235);
        QCOMPARE(club.line(6), std::string("Ann                    235"));
        QCOMPARE(club.line(1).substr(37, 7), std::string("      0")); // blank, then five blanks and "0"
        const GameCounters next = LoadCounters(club, 1);
        QCOMPARE(next.Kon, 21);
        QCOMPARE(next.StartScore, 0);
        // The 21st game is no cycle end.
        GameCounters c21 = next;
        c21.AddDeal(5);
        QVERIFY(!StoreCounters(club, c21).CycleEnded);
        QCOMPARE(club.line(6), std::string("Ann                    235"));
    }

    void topTenInsertion_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("place");
        QTest::newRow("equal to place 4") << 70 << 4;
        QTest::newRow("above all") << 500 << 1;
        QTest::newRow("below place 10") << 5 << 0;
        QTest::newRow("equal to place 10") << 10 << 10;
    }
    void topTenInsertion()
    {
        QFETCH(int, score);
        QFETCH(int, place);
        ClubFile club = ClubFile::Fresh();
        SetTopTen(club, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
        const ClubFile before = club;
        const int got = InsertIntoTopTen(club, Member("New", 0, 20, score));
        QCOMPARE(got, place);
        if (place == 0) {
            QCOMPARE(club.Bytes(), before.Bytes());
            return;
        }
        QCOMPARE(ReadTopTenLine(club.line(place + 5)).name, PlayerNameField("New"));
        QCOMPARE(ReadTopTenLine(club.line(place + 5)).value, score);
        // The old holder of the place moved one line down; the tenth dropped out.
        if (place < 10)
            QCOMPARE(club.line(place + 6), before.line(place + 5));
        QCOMPARE(ReadTopTenLine(club.line(6)).value, place == 1 ? score : 100);
    }

    void negativeScoreEntersAnUnfilledPlace()
    {
        ClubFile club = ClubFile::Fresh();
        SetTopTen(club, {100, 90, 80});
        QCOMPARE(InsertIntoTopTen(club, Member("Low", 0, 20, -15)), 4);
        QCOMPARE(club.line(9), std::string("Low                    -15"));
        SetTopTen(club, {100, 90, 80, 70, 60, 50, 40, 30, 20, -20});
        QCOMPARE(InsertIntoTopTen(club, Member("Low", 0, 20, -15)), 10);
        QCOMPARE(club.line(15).substr(20), std::string("   -15"));
    }

    void leavingRemovesTheLine()
    {
        ClubFile club = FiveMembers();
        RemovePlayer(club, 2);
        QCOMPARE(NameAt(club, 2), QStringLiteral("Cid"));
        QCOMPARE(NameAt(club, 4), QStringLiteral("Eve"));
        QCOMPARE(club.line(5), std::string(EmptyPlayerLine));
        const std::string before = club.Bytes();
        for (int slot : {6, 7, 8})
            RemovePlayer(club, slot);
        QCOMPARE(club.Bytes(), before);
    }

    void changeNameKeepsTheCounters()
    {
        ClubFile club = FiveMembers();
        QCOMPARE(ChangeName(club, 3, "Cyd", "new"), 3);
        const auto p = PlayerLine::Parse(club.line(3));
        QCOMPARE(NameAt(club, 3), QStringLiteral("Cyd"));
        QCOMPARE(p->games, 10);
        QCOMPARE(p->cycleScore, 20);
        QVERIFY(PasswordMatches(p->passwordField, "new"));
        QCOMPARE(ChangeName(club, 6, "x", "y"), 0); // a new player has no line
    }

    void fillCount()
    {
        ClubFile club = ClubFile::Fresh();
        club.setLine(1, Member("Ann", 1.5, 39, 12));
        GameCounters c = LoadCounters(club, 1);
        c.AddDeal(-30);
        const TCount t = FillCount(c);
        QCOMPARE(t.Count_KonAll, std::string("40"));
        QCOMPARE(t.Count_KonCur, std::string("20"));
        QCOMPARE(t.Count_ScoBeg, std::string("12"));
        QCOMPARE(t.Count_ScoCur, std::string("-30"));
        QCOMPARE(t.Count_ScoAll, std::string("-18"));
        QCOMPARE(t.Count_ReiBeg, std::string("  1,50"));
        QCOMPARE(t.Count_ReiCur, std::string("  1,42")); // (39 x 1.5 - 1.5) / 40 = 1.425, half to even
    }

    void countsOfServiceGames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("rating");
        QTest::addColumn<QString>("konCur");
        QTest::addColumn<QString>("reiBeg");
        QTest::newRow("account") << int(CountKind::Account) << 1502.5 << "7" << "1502";
        QTest::newRow("account, rating rounds up") << int(CountKind::Account) << 1503.5 << "7" << "1504";
        QTest::newRow("tournament") << int(CountKind::Tournament) << -12.7 << "-" << "-13";
    }
    void countsOfServiceGames()
    {
        QFETCH(int, kind);
        QFETCH(double, rating);
        QFETCH(QString, konCur);
        QFETCH(QString, reiBeg);
        GameCounters c;
        c.Kon = 33;
        c.StartScore = 250;
        c.StartRating = rating;
        c.AddDeal(-40);
        const TCount t = FillCount(c, CountKind(kind), 7);
        QCOMPARE(t.Count_KonAll, std::string("33"));
        QCOMPARE(QString::fromStdString(t.Count_KonCur), konCur);
        QCOMPARE(t.Count_ScoBeg, std::string("250"));
        QCOMPARE(t.Count_ScoCur, std::string("-40"));
        QCOMPARE(t.Count_ScoAll, std::string("210"));
        QCOMPARE(QString::fromStdString(t.Count_ReiBeg), reiBeg);
        QCOMPARE(t.Count_ReiCur, std::string("?"));
    }
};

QTEST_APPLESS_MAIN(TestClubCounters)
#include "test_clubcounters.moc"
