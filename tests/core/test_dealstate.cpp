// Whole deals and games through DealState and GameState: the order of play,
// trick resolution, early ends, knowledge and zero-sum games.
#include "CoreTestUtil.h"

#include "core/GameState.h"

#include <QTest>

#include <random>

using namespace halvane;
using namespace halvane::testutil;

namespace {

// Plays a uniformly random legal card for whoever is to play.
void PlayRandomCard(DealState &deal, std::mt19937_64 &rng)
{
    const int seat = deal.turn;
    const auto legal = deal.LegalSlots(seat);
    std::vector<int> choices;
    for (int s = 1; s <= 10; ++s)
        if (legal[s])
            choices.push_back(s);
    QVERIFY(!choices.empty());
    const int slot = choices[std::uniform_int_distribution<size_t>(0, choices.size() - 1)(rng)];
    QCOMPARE(deal.PlayCard(seat, slot), Legality::Legal);
}

void PlayOut(DealState &deal, std::mt19937_64 &rng)
{
    while (!deal.Over()) {
        if (deal.TrickComplete())
            deal.CollectTrick();
        else
            PlayRandomCard(deal, rng);
    }
}

} // namespace

class TestDealState : public QObject
{
    Q_OBJECT
private slots:
    void playOrderAndResolution()
    {
        Hands hands{H("8к 9к 1к 8б 9б 1б 8п 9п 1п 8ч"), H("Вк Дк Кк Вб Дб Кб Вп Дп Кп 9ч"),
                    H("Тк Тб Тп Тч Кч Дч Вч 1ч 7ч 7б")};
        DealState deal = DealState::Begin(hands, 2, 1, false);
        QCOMPARE(deal.turn, 2);
        QCOMPARE(deal.PlayCard(1, 1), Legality::NoCardInSlot); // not seat 1's turn
        const int kk = IndexOf(10, C("Кк"), deal.hands[1].cards);
        QCOMPARE(deal.PlayCard(2, kk), Legality::Legal);
        QCOMPARE(deal.hands[1].cardsLeft, 9);
        QCOMPARE(deal.turn, 3);
        QCOMPARE(deal.PlaceOf(3), 2);
        QCOMPARE(deal.PlayCard(3, IndexOf(10, C("Тб"), deal.hands[2].cards)), Legality::MustFollow);
        QCOMPARE(deal.PlayCard(3, IndexOf(10, C("Тк"), deal.hands[2].cards)), Legality::Legal);
        QCOMPARE(deal.PlayCard(1, IndexOf(10, C("1к"), deal.hands[0].cards)), Legality::Legal);
        QVERIFY(deal.TrickComplete());
        QCOMPARE(deal.leader, 3);
        QCOMPARE(deal.points, (DealPoints{0, 0, -4}));
        QCOMPARE(deal.trickNumber, 1);
        QCOMPARE(deal.CollectTrick(), 3);
        QCOMPARE(deal.trickNumber, 2);
        QCOMPARE(deal.trick.leader, 3);
        QCOMPARE(deal.trick.position, 1);
        QCOMPARE(deal.trick.ledSuit(), SuitChar::None);
        QCOMPARE(deal.tricksTaken, (SeatPoints{0, 0, 1}));
        QVERIFY(Contains(30, deal.taken[2], C("Кк")));
        for (const CardList &list : deal.knownAbsent)
            QCOMPARE(ListCount(list), 3);
    }

    // A seat discarding off the led suit is known to hold none of it.
    void knowledgeFromDiscard()
    {
        KnownAbsent known{};
        const TrickCards trick = T("9б 8п Тб");
        for (int pos = 1; pos <= 3; ++pos)
            UpdateKnowledge(pos, trick, 3, known);
        // Seat 3 led, seat 1 discarded a spade on diamonds.
        QCOMPARE(ListCount(known[0]), 3 + 8 - 2); // eight diamonds, two of them already played
        for (const char *code : {"7б", "8б", "1б", "Вб", "Дб", "Кб"})
            QVERIFY2(Contains(30, known[0], C(code)), code);
        QCOMPARE(ListCount(known[1]), 3);
        QCOMPARE(ListCount(known[2]), 3);

        KnownAbsent clubs{};
        const TrickCards offClubs = T("9к 8ч 8п");
        for (int pos = 1; pos <= 3; ++pos)
            UpdateKnowledge(pos, offClubs, 1, clubs);
        QCOMPARE(ListCount(clubs[1]), 3 + 7 - 1); // clubs have no seven
        QCOMPARE(ListCount(clubs[2]), 3 + 7 - 1);
        QVERIFY(!Contains(30, clubs[1], Card(RankChar::Seven, SuitChar::Clubs)));
    }

    void earlyEndOnTheFourthKing()
    {
        // Seat 1 leads its four kings and wins each trick with them.
        Hands hands{H("Кк Кб Кп Кч Тк Тб Тп Тч 9к 9б"), H("8к 8б 8п 8ч Вк Вб Вп Вч 1к 1б"),
                    H("9п 9ч Дк Дб Дп Дч 7ч 7б 1п 1ч")};
        DealState deal = DealState::Begin(hands, 1, Contracts::NoBoys, false);
        for (const char *king : {"Кк", "Кб", "Кп", "Кч"}) {
            QVERIFY(!deal.Over());
            QCOMPARE(deal.turn, 1);
            const Card k = C(king);
            QCOMPARE(deal.PlayCard(1, IndexOf(10, k, deal.hands[0].cards)), Legality::Legal);
            for (int seat : {2, 3}) {
                int slot = 1;
                while (deal.hands[seat - 1].card(slot).suit != k.suit)
                    ++slot;
                QCOMPARE(deal.PlayCard(seat, slot), Legality::Legal);
            }
            QCOMPARE(deal.lastWinner, 1);
            deal.CollectTrick();
        }
        QVERIFY(deal.Over());
        QVERIFY(deal.early);
        QCOMPARE(deal.trickNumber, 5);
        QCOMPARE(deal.points, (DealPoints{-40, 0, 0}));
        QCOMPARE(deal.hands[0].cardsLeft, 6);
        QCOMPARE(deal.CollectTrick(), int(DealTurn::DealOver));
    }

    void noTricksNeverEndsEarly()
    {
        std::mt19937_64 rng(5);
        for (int seed = 0; seed < 20; ++seed) {
            DealState deal = DealState::Begin(ShuffleAndDeal(seed).hands, 1, Contracts::NoTricks, false);
            PlayOut(deal, rng);
            QVERIFY(!deal.early);
            QCOMPARE(deal.trickNumber, 11);
            QCOMPARE(deal.points[0] + deal.points[1] + deal.points[2], -40);
        }
    }

    void wholeGamesSumToZero_data()
    {
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<bool>("eralash");
        QTest::addColumn<bool>("longGame");
        QTest::newRow("fixed") << false << false << false;
        QTest::newRow("fixed Eralash") << false << true << false;
        QTest::newRow("ordered short") << true << false << false;
        QTest::newRow("ordered long") << true << false << true;
    }
    void wholeGamesSumToZero()
    {
        QFETCH(bool, ordered);
        QFETCH(bool, eralash);
        QFETCH(bool, longGame);
        std::mt19937_64 rng(11);
        for (int g = 0; g < 5; ++g) {
            GameState game = GameState::NewGame(GameOptions{ordered, eralash, longGame}, 1 + g, 0);
            std::array<int, 3> takeTricks{};
            while (!game.LastDeal()) {
                DealState deal = game.DealCards(1000 * g + game.dealNumber);
                QCOMPARE(deal.turn, DealLeader(game.kon, game.dealNumber));
                if (ordered) {
                    QCOMPARE(deal.contract, 0);
                    const int seat = deal.dealLeader;
                    std::vector<int> open;
                    for (int b = 1; b <= 8; ++b)
                        if (game.OrderButtonEnabled(seat, b))
                            open.push_back(b);
                    QVERIFY(!open.empty());
                    const int choice = open[std::uniform_int_distribution<size_t>(0, open.size() - 1)(rng)];
                    deal.contract = game.RecordOrder(seat, choice);
                    QVERIFY(deal.contract >= 1 && deal.contract <= 8 && deal.contract != 7);
                    takeTricks[seat - 1] += deal.contract == 8;
                }
                PlayOut(deal, rng);
                const int sum = deal.points[0] + deal.points[1] + deal.points[2];
                QCOMPARE(sum, ContractTotal(deal.contract, ordered));
                game.SettleDeal(deal.points);
            }
            QCOMPARE(game.dealNumber, GameLength(game.options));
            QCOMPARE(game.gameScore[0] + game.gameScore[1] + game.gameScore[2], 0);
            QCOMPARE(game.finalScore, game.gameScore[2]);
            if (ordered)
                for (int t : takeTricks)
                    QCOMPARE(t, longGame ? 2 : 1);
        }
    }
};

QTEST_APPLESS_MAIN(TestDealState)
#include "test_dealstate.moc"
