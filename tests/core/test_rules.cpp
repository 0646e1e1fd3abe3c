// Contracts, the order of a game, the ordering bookkeeping, legality,
// trick winners and the early end of a deal.
#include "CoreTestUtil.h"

#include "core/Contract.h"
#include "core/OrderedSet.h"
#include "core/Rules.h"

#include <QTest>

using namespace halvane;
using namespace halvane::testutil;

Q_DECLARE_METATYPE(halvane::GameOptions)

class TestRules : public QObject
{
    Q_OBJECT
private slots:
    void fixedOrder()
    {
        QList<int> without, with;
        for (int deal = 1; deal <= 14; ++deal) {
            without << ContractForDeal(deal, false);
            with << ContractForDeal(deal, true);
        }
        QCOMPARE(without, (QList<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 0, 0}));
        QCOMPARE(with, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
        QCOMPARE(ContractForDeal(0, false), 0);
    }

    void gameLength_data()
    {
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<bool>("eralash");
        QTest::addColumn<bool>("longGame");
        QTest::addColumn<int>("length");
        QTest::newRow("fixed") << false << false << false << 12;
        QTest::newRow("fixed, long ignored") << false << false << true << 12;
        QTest::newRow("fixed with Eralash") << false << true << false << 14;
        QTest::newRow("ordered short") << true << false << false << 12;
        QTest::newRow("ordered short, Eralash ignored") << true << true << false << 12;
        QTest::newRow("ordered long") << true << false << true << 24;
    }
    void gameLength()
    {
        QFETCH(bool, ordered);
        QFETCH(bool, eralash);
        QFETCH(bool, longGame);
        QFETCH(int, length);
        QCOMPARE(GameLength(GameOptions{ordered, eralash, longGame}), length);
    }

    void contractWords()
    {
        auto joined = [](int contract) {
            QStringList words;
            for (std::string_view w : ContractWords(contract))
                words << QString::fromUtf8(w.data(), int(w.size()));
            return words.join('|');
        };
        QCOMPARE(joined(1), QStringLiteral("To not|take|tricks"));
        QCOMPARE(joined(6), QStringLiteral("To not|take|two|last"));
        QCOMPARE(joined(7), QStringLiteral("To not|take|all"));
        QCOMPARE(joined(8), QStringLiteral("To Take|tricks"));
        QCOMPARE(joined(12), QStringLiteral("To Take|King"));
        QCOMPARE(joined(14), QStringLiteral("To Take|all"));
        QVERIFY(ContractWords(0).empty());
        QCOMPARE(QString::fromUtf8(OrderChoiceName(5).data()), QStringLiteral("To not take King"));
        QCOMPARE(OrderChoiceName(7), OrderChoiceName(8));
        QVERIFY(IsHeartContract(4) && IsHeartContract(14) && !IsHeartContract(8) && !IsHeartContract(6));
    }

    // A sequence of button presses for one seat, with the contract each gives
    // and the buttons enabled afterwards.
    void orderBookkeeping_data()
    {
        QTest::addColumn<bool>("longGame");
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QList<int>>("contracts");
        QTest::addColumn<QString>("enabledAfter");
        QTest::newRow("short: take tricks closes 7 and 8")
            << false << QList<int>{3, 8} << QList<int>{3, 8} << "12456";
        QTest::newRow("short: button 7 also closes both")
            << false << QList<int>{7} << QList<int>{8} << "123456";
        QTest::newRow("long: 7 first marks 8, 7 stays")
            << true << QList<int>{7} << QList<int>{8} << "1234567";
        QTest::newRow("long: 7 twice") << true << QList<int>{7, 7} << QList<int>{8, 8} << "123456";
        QTest::newRow("long: 8 then 7") << true << QList<int>{8, 7} << QList<int>{8, 8} << "123456";
        QTest::newRow("disabled button refused")
            << false << QList<int>{2, 2, 9, 0} << QList<int>{2, 0, 0, 0} << "1345678";
        QTest::newRow("long: all eight")
            << true << QList<int>{1, 2, 3, 4, 5, 6, 7, 7} << QList<int>{1, 2, 3, 4, 5, 6, 8, 8} << "";
        QTest::newRow("long: 8 refused after 7") << true << QList<int>{7, 8} << QList<int>{8, 0} << "1234567";
    }
    void orderBookkeeping()
    {
        QFETCH(bool, longGame);
        QFETCH(QList<int>, choices);
        QFETCH(QList<int>, contracts);
        QFETCH(QString, enabledAfter);
        OrderedSet set;
        QList<int> got;
        for (int c : choices)
            got << RecordOrderChoice(set, c, longGame);
        QCOMPARE(got, contracts);
        QString enabled;
        for (int b = 1; b <= 8; ++b)
            if (OrderButtonEnabled(set, b))
                enabled += QString::number(b);
        QCOMPARE(enabled, enabledAfter);
        QCOMPARE(CanOrder(set), !enabledAfter.isEmpty());
    }

    void shortGameRule()
    {
        OrderedSets sets;
        RecordOrderChoice(sets[0], 1, false);
        RecordOrderChoice(sets[0], 2, false);
        RecordOrderChoice(sets[0], 3, false); // three negatives by deal 9
        RecordOrderChoice(sets[1], 8, false); // already ordered take tricks
        RecordOrderChoice(sets[1], 4, false);
        const OrderedSets before = sets;

        ApplyShortGameRule(sets, 9, false);
        QCOMPARE(sets, before);
        ApplyShortGameRule(sets, 10, true); // not in a long game
        QCOMPARE(sets, before);

        ApplyShortGameRule(sets, 10, false);
        for (int b = 1; b <= 8; ++b) {
            QCOMPARE(OrderButtonEnabled(sets[0], b), b == 7);
            QCOMPARE(OrderButtonEnabled(sets[2], b), b == 7);
        }
        QCOMPARE(sets[1], before[1]);
        QCOMPARE(RecordOrderChoice(sets[0], 7, false), 8);
        QVERIFY(!CanOrder(sets[0]));
    }

    void isLegal_data()
    {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("trick");
        QTest::addColumn<int>("contract");
        QTest::addColumn<int>("result");
        QTest::newRow("lead anything") << "8ч 9к" << "8ч" << "" << 1 << 0;
        QTest::newRow("heart lead with a club, contract 4") << "8ч 9к" << "8ч" << "" << 4 << 1;
        QTest::newRow("heart lead with a club, contract 14") << "8ч 9к" << "8ч" << "" << 14 << 1;
        QTest::newRow("only hearts may lead one") << "8ч Кч" << "8ч" << "" << 4 << 0;
        QTest::newRow("club lead in heart contract") << "8ч 9к" << "9к" << "" << 5 << 0;
        QTest::newRow("follow suit") << "8ч 9к" << "9к" << "Тк" << 1 << 0;
        QTest::newRow("must follow") << "8ч 9к" << "8ч" << "Тк" << 1 << 2;
        QTest::newRow("must follow before the King rule") << "Кч 9к" << "Кч" << "Тк" << 8 << 2;
        QTest::newRow("void with Кч must play it, contract 8") << "Кч 9б" << "9б" << "Тк Вк" << 8 << 3;
        QTest::newRow("void playing Кч") << "Кч 9б" << "Кч" << "Тк" << 8 << 0;
        QTest::newRow("hearts led, Кч follows freely") << "Кч 9ч 8б" << "9ч" << "Тч" << 5 << 0;
        QTest::newRow("void without Кч plays anything") << "8ч 9б" << "8ч" << "Тк" << 4 << 0;
    }
    void isLegal()
    {
        QFETCH(QString, hand);
        QFETCH(QString, card);
        QFETCH(QString, trick);
        QFETCH(int, contract);
        QFETCH(int, result);
        const Hand h = H(hand);
        const int slot = IndexOf(10, C(card), h.cards);
        QVERIFY(slot > 0);
        QCOMPARE(IsLegal(h, slot, Partial(trick), contract), result);
    }

    void isLegalEmptySlot()
    {
        const Hand h = H("8ч 9к");
        QCOMPARE(IsLegal(h, 3, Trick{}, 1), Legality::NoCardInSlot);
        QCOMPARE(IsLegal(h, 0, Trick{}, 1), Legality::NoCardInSlot);
        QCOMPARE(IsLegal(h, 11, Trick{}, 1), Legality::NoCardInSlot);
    }

    void trickWinner_data()
    {
        QTest::addColumn<QString>("trick");
        QTest::addColumn<int>("winner");
        QTest::newRow("leader highest") << "Тк 9к 8к" << 1;
        QTest::newRow("second highest") << "9к Тк 8к" << 2;
        QTest::newRow("third highest") << "9к 8к Вк" << 3;
        QTest::newRow("off-suit ace loses") << "8б Тк Тч" << 1;
        QTest::newRow("ten beats nine") << "9п 1п 8п" << 2;
        QTest::newRow("jack beats ten") << "1п Вп 8б" << 2;
    }
    void trickWinner()
    {
        QFETCH(QString, trick);
        QFETCH(int, winner);
        QCOMPARE(TrickWinner(T(trick)), winner);
    }

    void seatsAroundTheTrick()
    {
        QCOMPARE(NextSeat(1), 2);
        QCOMPARE(NextSeat(3), 1);
        QCOMPARE(SeatAtPosition(2, 1), 2);
        QCOMPARE(SeatAtPosition(2, 2), 3);
        QCOMPARE(SeatAtPosition(2, 3), 1);
        QCOMPARE(PlaceInTrick(3, 2), 3);
        QCOMPARE(PlaceInTrick(3, 1), 2);
    }

    void dealDecided_data()
    {
        QTest::addColumn<int>("contract");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<bool>("decided");
        QTest::newRow("boys, four kings taken") << 2 << false << -20 << -10 << -10 << true;
        QTest::newRow("boys, three kings taken") << 2 << false << -20 << -10 << 0 << false;
        QTest::newRow("king taken") << 5 << true << 0 << -40 << 0 << true;
        QTest::newRow("hearts ordered") << 4 << true << -15 << -15 << -10 << true;
        QTest::newRow("no tricks never") << 1 << false << -40 << 0 << 0 << false;
        QTest::newRow("last two never") << 6 << false << -20 << -20 << 0 << false;
        QTest::newRow("take girls fixed") << 10 << false << 20 << 20 << 0 << true;
        QTest::newRow("take king fixed") << 12 << false << 40 << 0 << 0 << true;
        QTest::newRow("take tricks never") << 8 << false << 20 << 20 << 0 << false;
        QTest::newRow("take boys ordered never") << 9 << true << 20 << 20 << 0 << false;
        QTest::newRow("Eralash never") << 7 << false << -40 << 0 << 0 << false;
    }
    void dealDecided()
    {
        QFETCH(int, contract);
        QFETCH(bool, ordered);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(bool, decided);
        QCOMPARE(DealDecided(contract, ordered, DealPoints{a, b, c}), decided);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
