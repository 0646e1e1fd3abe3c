// The computer player: sampling from what is known, the moves the search
// tries, the position tables, the decision rules and the contract choice.
#include "CoreTestUtil.h"

#include "core/ComputerPlayer.h"
#include "core/MoveSearch.h"

#include <QTest>

#include <set>

using namespace halvane;
using namespace halvane::testutil;

namespace {

QString ShowSlots(const SearchHand &hand, std::uint16_t mask)
{
    QStringList codes;
    for (int slot = 0; slot < 10; ++slot)
        if (mask >> slot & 1u)
            codes << Show(hand.cards[slot]);
    return codes.join(' ');
}

SearchPosition RootFor(const Hand &hand, const QString &trick)
{
    SearchPosition root;
    root.hands[0] = SearchHand::From(hand.cards);
    const Trick t = Partial(trick);
    root.trick = t.cards;
    for (int p = 0; p < 3; ++p)
        root.trickRanks[p] = t.cards[p].isEmpty() ? 0 : std::uint8_t(RankValue(t.cards[p]));
    root.place = t.position;
    return root;
}

// Seat 3 leads a spade; seat 1, void in spades, holds "Кч".
DealState KingOfHeartsDeal()
{
    Hands hands{H("8к 9к Тк 8б 9б 1б 7ч 8ч Кч Тч"), H("1к Вк Дк Кк Вб Дб Кб 9п 9ч 1ч"),
                H("Тб 7б 8п 1п Вп Дп Кп Тп Вч Дч")};
    DealState deal = DealState::Begin(hands, 3, Contracts::TakeTricks, false);
    deal.PlayCard(3, IndexOf(10, C("8п"), deal.hands[2].cards));
    return deal;
}

} // namespace

class TestComputer : public QObject
{
    Q_OBJECT
private slots:
    void sampleCounts()
    {
        const QList<int> expected{1, 300, 200, 100, 50, 25, 25, 20, 15, 10};
        for (int held = 1; held <= 10; ++held)
            QCOMPARE(SampleCount(held), expected[held - 1]);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("expected");
        QTest::newRow("10/4") << 10 << 4 << 2;
        QTest::newRow("6/4") << 6 << 4 << 2;
        QTest::newRow("14/4") << 14 << 4 << 4;
        QTest::newRow("7/4") << 7 << 4 << 2;
        QTest::newRow("9/4") << 9 << 4 << 2;
        QTest::newRow("-10/4") << -10 << 4 << -2;
        QTest::newRow("-6/4") << -6 << 4 << -2;
        QTest::newRow("-7/4") << -7 << 4 << -2;
        QTest::newRow("-9/4") << -9 << 4 << -2;
        QTest::newRow("100/200") << 100 << 200 << 0;
        QTest::newRow("300/200") << 300 << 200 << 2;
        QTest::newRow("exact") << 12 << 4 << 3;
    }
    void roundHalfEven()
    {
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, expected);
        QCOMPARE(DivideRoundHalfEven(numerator, denominator), (long long)expected);
    }

    // The cards the search tries for the root player, by contract and trick.
    void candidateSlots_data()
    {
        QTest::addColumn<int>("contract");
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("trick");
        QTest::addColumn<QString>("tried");
        QTest::newRow("1 short: highest of each suit") << 1 << "8к Тк 9б Дб 8п" << "Тч" << "Тк Дб 8п";
        QTest::newRow("1 beaten: highest of led suit") << 1 << "8к 9к Тб 8п 9п" << "Вк" << "9к";
        QTest::newRow("1 can win: every led card") << 1 << "8к Дк Тб 8п 9п" << "Вк" << "8к Дк";
        QTest::newRow("6 beaten on the third card") << 6 << "8к 9к Тб 8п 9п" << "Вк Тк" << "9к";
        QTest::newRow("2 short: kings, king replaces ace") << 2 << "8к Кк Тк 9б Кб 8п 1п" << "Вч" << "Кк Кб 1п";
        QTest::newRow("2 beaten") << 2 << "8к Кк 9б 8п" << "Тк" << "Кк";
        QTest::newRow("3 short: queens replace king/ace above")
            << 3 << "Дк Кк Тк 8б Дб 9п Дп Тп" << "8ч" << "Дк Дб Дп";
        QTest::newRow("3 beaten: queen and highest") << 3 << "8к Дк Кк 8п 9п" << "Тк" << "Дк Кк";
        QTest::newRow("3 beaten without queen") << 3 << "8к 9к 8п 9п 1п" << "Тк" << "9к";
        QTest::newRow("8 short: lowest of each suit") << 8 << "8к Тк 9б Дб 8п" << "Тч" << "8к 9б 8п";
        QTest::newRow("8 beaten: lowest of led suit") << 8 << "8к 9к Тб 8п 9п" << "Вк" << "8к";
        QTest::newRow("13 can win: every led card") << 13 << "8к Дк Тб 8п 9п" << "Вк" << "8к Дк";
        QTest::newRow("9 short: ace above a lowest king") << 9 << "Кк Тк 9б Дб 8п" << "9ч" << "Тк 9б 8п";
        QTest::newRow("10 short: king above a lowest queen") << 10 << "Дк Кк 9б Дб Тб 8п" << "9ч" << "Кк 9б 8п";
        QTest::newRow("10 beaten: queen replacement") << 10 << "Дк Кк 8п 9п 1п" << "Тк" << "Кк";
        QTest::newRow("King of hearts rule overrides") << 8 << "8к Тк 9б Кч 8ч" << "9п" << "Кч";
        QTest::newRow("King of hearts rule, few cards") << 1 << "8к Кч" << "9п" << "Кч";
        QTest::newRow("narrow: no pruning when short") << 1 << "8к Тк 9б 8п" << "Тч" << "8к Тк 9б 8п";
        QTest::newRow("narrow: follow suit") << 1 << "8к Тк 9б 8п" << "9к" << "8к Тк";
        QTest::newRow("wide by contract with few cards") << 4 << "8к Тк 9б 8п" << "Тч" << "Тк 9б 8п";
        QTest::newRow("heart contract lead") << 4 << "8к 8ч 9ч Тч 8п" << "" << "8к 8п";
        QTest::newRow("heart contract lead, hearts only") << 12 << "8ч 9ч" << "" << "8ч 9ч";
        QTest::newRow("other lead: anything") << 8 << "8к 8ч 9ч" << "" << "8к 8ч 9ч";
    }
    void candidateSlots()
    {
        QFETCH(int, contract);
        QFETCH(QString, hand);
        QFETCH(QString, trick);
        QFETCH(QString, tried);
        std::array<PositionTable, 10> tables;
        MoveSearch search(SearchSetup{contract, false, 5}, tables);
        const SearchPosition root = RootFor(H(hand), trick);
        search.Prepare(root);
        QCOMPARE(ShowSlots(root.hands[0], search.CandidateSlots(root)), tried);
    }

    void oneCardPlaysAtOnce()
    {
        MovePosition position;
        position.hand = H("Тп");
        position.contract = 1;
        int calls = 0;
        ComputerPlayer player(1);
        const MoveChoice choice = player.EvaluateMove(position, [&](int) { ++calls; });
        QCOMPARE(choice.slot, 1);
        QCOMPARE(choice.samples, 0);
        QCOMPARE(calls, 0);
    }

    void kingOfHeartsIsDiscarded()
    {
        const DealState deal = KingOfHeartsDeal();
        QCOMPARE(deal.turn, 1);
        ComputerPlayer player(3);
        const MoveChoice choice = player.EvaluateMove(MovePosition::Of(deal, 1));
        QCOMPARE(Show(deal.hands[0].card(choice.slot)), QStringLiteral("Кч"));
    }

    void heartLeads()
    {
        for (std::uint64_t seed = 0; seed < 4; ++seed) {
            Hands hands{H("8ч 9ч 1ч Вч Дч Кч Тч 7ч 8п 9п"), H("8к 9к 1к Вк Дк Кк Тк 7б 8б 9б"),
                        H("1б Вб Дб Кб Тб 1п Вп Дп Кп Тп")};
            DealState deal = DealState::Begin(hands, 1, Contracts::NoHearts, false);
            ComputerPlayer player(seed);
            const Card led = deal.hands[0].card(player.EvaluateMove(MovePosition::Of(deal, 1)).slot);
            QVERIFY2(led.suit == SuitChar::Spades, qPrintable(Show(led)));
        }
        // Holding only hearts, a heart is led.
        MovePosition position;
        position.hand = H("8ч Кч Тч");
        position.contract = Contracts::NoKing;
        position.trickNumber = 8;
        position.cardsLeft = {3, 3, 3};
        ComputerPlayer player(2);
        const MoveChoice choice = player.EvaluateMove(position);
        QVERIFY(choice.slot >= 1 && choice.slot <= 3);
    }

    // After seat 2 discards a spade on a diamond lead, no sample gives it a diamond;
    // cards only seat 2 is known not to hold always go to seat 3.
    void samplesRespectKnowledge()
    {
        Hands hands{H("9б 8к 9к 1к Вк Дк Кк Тк 8ч 9ч"), H("8п 9п 1п Вп Дп Кп Тп 1ч Вч Дч"),
                    H("7б 8б 1б Вб Дб Кб Тб Кч Тч 7ч")};
        DealState deal = DealState::Begin(hands, 1, Contracts::NoTricks, false);
        deal.PlayCard(1, IndexOf(10, C("9б"), deal.hands[0].cards));
        deal.PlayCard(2, IndexOf(10, C("8п"), deal.hands[1].cards));
        deal.PlayCard(3, IndexOf(10, C("Тб"), deal.hands[2].cards));
        deal.CollectTrick(); // seat 3 won and leads
        deal.PlayCard(3, IndexOf(10, C("7б"), deal.hands[2].cards));
        QCOMPARE(deal.turn, 1);
        const MovePosition position = MovePosition::Of(deal, 1);
        ComputerPlayer player(9);
        std::array<std::array<Card, 10>, 3> sample;
        std::set<std::array<Card, 10>> distinct;
        for (int i = 0; i < 200; ++i) {
            player.DealSample(position, sample);
            distinct.insert(sample[1]);
            int held2 = 0, held3 = 0;
            for (Card c : sample[1]) {
                held2 += !c.isEmpty();
                QVERIFY2(c.suit != SuitChar::Diamonds, qPrintable(Show(c)));
            }
            for (Card c : sample[2])
                held3 += !c.isEmpty();
            QCOMPARE(held2, 9);
            QCOMPARE(held3, 8);
            // Every unplayed diamond not in seat 1's hand must be seat 3's.
            for (const char *d : {"8б", "1б", "Вб", "Дб", "Кб"})
                QVERIFY(Contains(10, sample[2], C(d)));
            QCOMPARE(sample[0], deal.hands[0].cards);
        }
        // Successive samples of one decision differ (a clock reseed per sample would repeat them).
        QVERIFY(distinct.size() > 50);
    }

    void progressAndDeterminism()
    {
        const DealState deal = DealState::Begin(ShuffleAndDeal(77).hands, 2, Contracts::NoGirls, false);
        QList<int> percents;
        ComputerPlayer first(5), second(5);
        const MoveChoice a = first.EvaluateMove(MovePosition::Of(deal, 2), [&](int p) { percents << p; });
        const MoveChoice b = second.EvaluateMove(MovePosition::Of(deal, 2));
        QCOMPARE(percents, (QList<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
        QCOMPARE(a.slot, b.slot);
        QCOMPARE(a.value, b.value);
        QCOMPARE(a.samples, 10);
        QVERIFY(a.nodes > 0);

        // With three cards, 200 samples: 1 * 100 / 200 = 0.5 rounds to 0, 3 * 100 / 200 = 1.5 to 2.
        MovePosition small;
        small.hand = H("8к 9к Тк");
        small.contract = 1;
        small.trickNumber = 8;
        small.cardsLeft = {3, 3, 3};
        percents.clear();
        ComputerPlayer(1).EvaluateMove(small, [&](int p) { percents << p; });
        QCOMPARE(percents.size(), 200);
        QCOMPARE(percents[0], 0);
        QCOMPARE(percents[2], 2);
        QCOMPARE(percents.last(), 100);
    }

    void noFinishedSamplePlaysFirstLegal()
    {
        const DealState deal = KingOfHeartsDeal();
        ComputerPlayer player(1);
        player.SetSamplingLimit(-1);
        const MoveChoice choice = player.EvaluateMove(MovePosition::Of(deal, 1));
        QCOMPARE(choice.samples, 0);
        QCOMPARE(Show(deal.hands[0].card(choice.slot)), QStringLiteral("Кч"));

        Hands hands{H("8к 9к Тк 8б 9б 1б 7ч 8ч Кч Тч"), H("1к Вк Дк Кк Вб Дб Кб 9п 9ч 1ч"),
                    H("Тб 7б 8п 1п Вп Дп Кп Тп Вч Дч")};
        const DealState lead = DealState::Begin(hands, 1, Contracts::TakeTricks, false);
        QCOMPARE(player.EvaluateMove(MovePosition::Of(lead, 1)).slot, 1);
    }

    // The position tables only save work: every root value is the same without them.
    void tablesChangeNothing()
    {
        for (std::uint64_t seed = 0; seed < 6; ++seed) {
            DealState deal = DealState::Begin(ShuffleAndDeal(seed).hands, 1, int(seed % 2 ? 1 : 7), false);
            // Play four random-ish tricks: always the first legal card.
            while (deal.trickNumber < 5) {
                if (deal.TrickComplete()) {
                    deal.CollectTrick();
                    continue;
                }
                const auto legal = deal.LegalSlots(deal.turn);
                int slot = 1;
                while (!legal[slot])
                    ++slot;
                deal.PlayCard(deal.turn, slot);
            }
            QCOMPARE(deal.hands[deal.turn - 1].cardsLeft, 6);
            const MovePosition position = MovePosition::Of(deal, deal.turn);
            ComputerPlayer sampler(seed);
            std::array<std::array<Card, 10>, 3> hands;
            sampler.DealSample(position, hands);
            SearchPosition root;
            for (int p = 0; p < 3; ++p)
                root.hands[p] = SearchHand::From(hands[(position.seat - 1 + p) % 3]);
            std::array<PositionTable, 10> tables;
            std::array<int, 10> with, without;
            MoveSearch withTables(SearchSetup{deal.contract, false, 5, true}, tables);
            MoveSearch withoutTables(SearchSetup{deal.contract, false, 5, false}, tables);
            QCOMPARE(withTables.SearchRoot(root, with), withoutTables.SearchRoot(root, without));
            QCOMPARE(with, without);
            QVERIFY(withTables.Nodes() < withoutTables.Nodes());
        }
    }

    // In the first four tricks the search looks three tricks ahead, so the
    // last two tricks of contract 6 are out of its sight; from trick 5 they are not.
    void horizon_data()
    {
        QTest::addColumn<int>("trickNumber");
        QTest::addColumn<bool>("seesLastTricks");
        QTest::newRow("trick 1") << 1 << false;
        QTest::newRow("trick 4") << 4 << false;
        QTest::newRow("trick 5") << 5 << true;
    }
    void horizon()
    {
        QFETCH(int, trickNumber);
        QFETCH(bool, seesLastTricks);
        const DealResult dealt = ShuffleAndDeal(31);
        SearchPosition root;
        const int held = 11 - trickNumber;
        for (int p = 0; p < 3; ++p) {
            std::array<Card, 10> cards{};
            for (int i = 0; i < held; ++i)
                cards[i] = dealt.hands[p].cards[i];
            Hand hand;
            hand.cards = cards;
            SortHand(hand);
            root.hands[p] = SearchHand::From(hand.cards);
        }
        std::array<PositionTable, 10> tables;
        MoveSearch search(SearchSetup{Contracts::NoLastTwo, false, trickNumber}, tables);
        std::array<int, 10> values;
        search.SearchRoot(root, values);
        bool anyScore = false;
        for (int v : values)
            anyScore |= v != UntriedSlot && v != 0;
        QCOMPARE(anyScore, seesLastTricks);
    }

    // Once no king is held, a "no boys" search ends; "no tricks" plays on.
    void earlyStopWithoutCountedCards()
    {
        SearchPosition root;
        root.hands[0] = SearchHand::From(H("8к 9б 1п").cards);
        root.hands[1] = SearchHand::From(H("9к 1б Вп").cards);
        root.hands[2] = SearchHand::From(H("1к Вб Дп").cards);
        std::array<PositionTable, 10> tables;
        std::array<int, 10> values;
        MoveSearch boys(SearchSetup{Contracts::NoBoys, false, 8}, tables);
        boys.SearchRoot(root, values);
        QCOMPARE(boys.Nodes(), std::uint64_t(7)); // three leads, each followed by the one card of the suit
        for (int slot = 0; slot < 3; ++slot)
            QCOMPARE(values[slot], 0);
        MoveSearch tricks(SearchSetup{Contracts::NoTricks, false, 8}, tables);
        tricks.SearchRoot(root, values);
        QVERIFY(tricks.Nodes() > 9);
    }

    void positionTable()
    {
        PositionTable table;
        std::uint64_t k1 = 0, k2 = 0, k3 = 0;
        QVERIFY(PositionTable::MakeKey({0x001, 0x002, 0x004}, 1, {-40, 0, 12}, k1));
        QVERIFY(PositionTable::MakeKey({0x002, 0x001, 0x004}, 1, {-40, 0, 12}, k2));
        QVERIFY(PositionTable::MakeKey({0x001, 0x002, 0x004}, 3, {-40, 0, 12}, k3));
        QVERIFY(k1 != k2 && k1 != k3 && k2 != k3);
        std::uint64_t bad = 0;
        QVERIFY(!PositionTable::MakeKey({0, 0, 0}, 1, {-300, 0, 0}, bad));

        SearchResult r;
        r.relative = {5, -3, -2};
        table.Store(k1, r);
        QVERIFY(table.Find(k1));
        QCOMPARE(table.Find(k1)->relative[0], std::int16_t(5));
        QVERIFY(!table.Find(k2));
        table.Clear();
        QVERIFY(!table.Find(k1));

        // Entries are added while the table holds 48 000 or fewer.
        for (std::uint64_t key = 1; key <= 50000; ++key)
            table.Store(key * 7919, r);
        QCOMPARE(table.Count(), PositionTable::EntryLimit + 1);
        QVERIFY(table.Find(48001ull * 7919));
        QVERIFY(!table.Find(48002ull * 7919));
        table.Clear();
        QCOMPARE(table.Count(), 0);
        QVERIFY(!table.Find(7919));
    }

    void contractChoice()
    {
        // Only "do not take the last two" (fixed at -10) and "take tricks" are left.
        OrderedSet set;
        for (int c : {1, 2, 3, 4, 5})
            set.insert(c);
        Hands strong{H("Тк Кк Тб Кб Тп Кп Дп Тч Кч Дч"), H("8к 9к 1к Вк Дк 7б 8б 9б 1б Вб"),
                     H("Дб 8п 9п 1п Вп 7ч 8ч 9ч 1ч Вч")};
        const DealState good = DealState::Begin(strong, 1, 0, true);
        ComputerPlayer player(4);
        QCOMPARE(player.ChooseOrder(good, 1, set), 8);

        Hands weak{strong[1], strong[0], strong[2]};
        const DealState bad = DealState::Begin(weak, 1, 0, true);
        QCOMPARE(player.ChooseOrder(bad, 1, set), 6);

        // Long game, second "take tricks": only button 7 remains for it.
        OrderedSet second = set;
        second.insert(6);
        second.insert(8);
        QCOMPARE(player.ChooseOrder(good, 1, second), 7);

        // Nothing searched: "take tricks" is closed, 6 is the only choice.
        OrderedSet onlySix;
        for (int c : {1, 2, 3, 4, 5, 7, 8})
            onlySix.insert(c);
        QCOMPARE(player.ChooseOrder(good, 1, onlySix), 6);
    }
};

QTEST_APPLESS_MAIN(TestComputer)
#include "test_computer.moc"
