// The value of a trick under every contract, the relative score and the
// settlement of a deal into the game score.
#include "CoreTestUtil.h"

#include "core/GameState.h"
#include "core/Scoring.h"

#include <QTest>

using namespace halvane;
using namespace halvane::testutil;

class TestScoring : public QObject
{
    Q_OBJECT
private slots:
    void scoreTrick_data()
    {
        QTest::addColumn<int>("contract");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<QString>("trick");
        QTest::addColumn<int>("cardsLeft");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("expected");
        QTest::newRow("1 any trick") << 1 << false << "8к 9к 1к" << 5 << 0 << -4;
        QTest::newRow("2 two kings") << 2 << false << "Кк Кб 9к" << 5 << -10 << -30;
        QTest::newRow("2 no king") << 2 << false << "Дк Дб 9к" << 5 << -10 << -10;
        QTest::newRow("3 girls") << 3 << true << "Дк Дб Дч" << 5 << 0 << -30;
        QTest::newRow("4 hearts") << 4 << false << "8ч Кч 9к" << 5 << 0 << -10;
        QTest::newRow("5 King only") << 5 << false << "8ч Кч 9к" << 5 << 0 << -40;
        QTest::newRow("5 other hearts nothing") << 5 << false << "8ч Тч 9ч" << 5 << -40 << -40;
        QTest::newRow("6 eighth trick") << 6 << false << "8ч Тч 9ч" << 2 << 0 << 0;
        QTest::newRow("6 ninth trick") << 6 << false << "8ч Тч 9ч" << 1 << 0 << -20;
        QTest::newRow("6 tenth trick") << 6 << false << "8ч Тч 9ч" << 0 << -20 << -40;
        QTest::newRow("7 worked example") << 7 << false << "Кч Кб Дч" << 5 << 0 << -84;
        QTest::newRow("7 worked example, ninth trick") << 7 << false << "Кч Кб Дч" << 1 << 0 << -104;
        QTest::newRow("7 worked example, tenth trick") << 7 << false << "Кч Кб Дч" << 0 << -4 << -108;
        QTest::newRow("8 fixed") << 8 << false << "8к 9к 1к" << 5 << 4 << 8;
        QTest::newRow("8 ordered") << 8 << true << "8к 9к 1к" << 5 << 12 << 24;
        QTest::newRow("9 boys") << 9 << false << "Кк Кб 9к" << 5 << 0 << 20;
        QTest::newRow("10 girls") << 10 << false << "Дк Кб 9к" << 5 << 0 << 10;
        QTest::newRow("11 hearts") << 11 << false << "8ч Кч 9ч" << 5 << 0 << 15;
        QTest::newRow("12 King") << 12 << false << "8ч Кч 9ч" << 5 << 0 << 40;
        QTest::newRow("13 last") << 13 << false << "8ч Кч 9ч" << 0 << 20 << 40;
        QTest::newRow("13 not last") << 13 << false << "8ч Кч 9ч" << 2 << 0 << 0;
        QTest::newRow("14 worked example") << 14 << false << "Кч Кб Дч" << 5 << 0 << 84;
        QTest::newRow("14 worked example, last") << 14 << false << "Кч Кб Дч" << 1 << 0 << 104;
        QTest::newRow("unknown contract") << 0 << false << "Кч Кб Дч" << 1 << 7 << 7;
    }
    void scoreTrick()
    {
        QFETCH(int, contract);
        QFETCH(bool, ordered);
        QFETCH(QString, trick);
        QFETCH(int, cardsLeft);
        QFETCH(int, points);
        QFETCH(int, expected);
        QCOMPARE(ScoreTrick(cardsLeft, contract, T(trick), ordered, points), expected);
    }

    // Dealing all 30 cards into ten tricks and scoring each for some seat
    // always distributes the contract's total.
    void fullDealTotals()
    {
        const Deck &deck = DeckIndexTable();
        for (bool ordered : {false, true}) {
            for (int contract = 1; contract <= 14; ++contract) {
                int sum = 0;
                for (int t = 0; t < 10; ++t) {
                    const TrickCards trick{deck[t], deck[t + 10], deck[t + 20]};
                    sum += ScoreTrick(9 - t, contract, trick, ordered, 0);
                }
                const int expected =
                    contract == 7 ? -240 : contract == 14 ? 240 : contract == 8 && ordered ? 120
                                                              : contract <= 6 ? -40 : 40;
                QCOMPARE(sum, expected);
                QCOMPARE(ContractTotal(contract, ordered), expected);
            }
        }
    }

    void relativeScore()
    {
        QCOMPARE(RelativeScore(10, -20, 4), (SeatPoints{36, -54, 18}));
        const SeatPoints r = RelativeScore(-40, 0, 0);
        QCOMPARE(r, (SeatPoints{-80, 40, 40}));
        QCOMPARE(r[0] + r[1] + r[2], 0);
    }

    void settleDeal()
    {
        GameState game = GameState::NewGame(GameOptions{}, 7, 150);
        QCOMPARE(game.cycleScore, 0);
        game.SettleDeal(DealPoints{-20, -10, -10});
        QCOMPARE(game.gameScore, (GameScore{-20, -10, -10}));
        QCOMPARE(game.finalScore, -10);
        QCOMPARE(game.cycleScore, 140);
        game.SettleDeal(DealPoints{0, 16, 24});
        QCOMPARE(game.gameScore, (GameScore{-20, 6, 14}));
        QCOMPARE(game.finalScore, 14);
        QCOMPARE(game.cycleScore, 164);
    }
};

QTEST_APPLESS_MAIN(TestScoring)
#include "test_scoring.moc"
