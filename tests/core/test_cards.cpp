#include "core/Cp1251.h"
#include "core/Deal.h"

#include <QTest>

#include <set>

using namespace halvane;

namespace {
Card C(const char *utf8) { return Card::fromCode(Utf8ToCp1251(utf8)); }
QString Show(Card c) { return QString::fromStdString(Cp1251ToUtf8(c.code())); }
} // namespace

class TestCards : public QObject
{
    Q_OBJECT
private slots:
    void deckIndexTable()
    {
        const Deck &deck = DeckIndexTable();
        std::set<std::string> codes;
        for (Card c : deck)
            codes.insert(c.code());
        QCOMPARE(int(codes.size()), 30);
        QVERIFY(!codes.count(C("7к").code()));
        QVERIFY(!codes.count(C("7п").code()));
        QCOMPARE(Show(deck[0]), QStringLiteral("7ч"));
        QCOMPARE(Show(deck[10]), QStringLiteral("1ч"));
        QCOMPARE(Show(deck[22]), QStringLiteral("Кч"));
        QCOMPARE(Show(deck[29]), QStringLiteral("Тп"));
    }

    void cardCodeBytes()
    {
        const Card kingOfHearts = C("Кч");
        QCOMPARE(int(kingOfHearts.rank), 0xCA);
        QCOMPARE(int(kingOfHearts.suit), 0xF7);
        QCOMPARE(kingOfHearts.code(), std::string("\xCA\xF7"));
        QVERIFY(Card::fromCode("##").isEmpty());
        QVERIFY(Card::fromCode("abc").isEmpty());
        QCOMPARE(RankValue(NoCard), EmptyRank);
    }

    void everyDealHoldsTheDeck()
    {
        for (std::uint64_t seed = 0; seed < 300; ++seed) {
            const DealResult deal = ShuffleAndDeal(seed);
            std::set<std::string> seen;
            for (const Hand &hand : deal.hands) {
                QCOMPARE(hand.cardsLeft, 10);
                for (int slot = 1; slot <= 10; ++slot) {
                    const Card c = hand.card(slot);
                    QVERIFY(!c.isEmpty());
                    QVERIFY(c != C("7к") && c != C("7п"));
                    seen.insert(c.code());
                    if (slot > 1)
                        QVERIFY(DisplayKey(hand.card(slot - 1)) < DisplayKey(c));
                }
            }
            QCOMPARE(int(seen.size()), 30);
        }
    }

    void sameSeedSameDeal()
    {
        QVERIFY(ShuffleAndDeal(42).deck == ShuffleAndDeal(42).deck);
        QVERIFY(ShuffleAndDeal(42).deck != ShuffleAndDeal(43).deck);
    }

    void displayOrder_data()
    {
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("suit order") << QStringList{"8к", "7ч", "Тп", "1б", "Кк"}
                                    << QStringList{"8к", "Кк", "1б", "Тп", "7ч"};
        QTest::newRow("ten between nine and jack") << QStringList{"Вп", "1п", "9п", "Тп", "7ч"}
                                                   << QStringList{"9п", "1п", "Вп", "Тп", "7ч"};
        QTest::newRow("gaps are packed") << QStringList{"", "Дб", "", "8б"} << QStringList{"8б", "Дб"};
    }

    void displayOrder()
    {
        QFETCH(QStringList, held);
        QFETCH(QStringList, shown);
        Hand hand;
        for (int i = 0; i < held.size(); ++i)
            hand.setCard(i + 1, held[i].isEmpty() ? NoCard : C(held[i].toUtf8().constData()));
        SortHand(hand);
        QCOMPARE(hand.cardsLeft, int(shown.size()));
        QStringList result;
        for (int slot = 1; slot <= hand.cardsLeft; ++slot)
            result << Show(hand.card(slot));
        QCOMPARE(result, shown);
        QVERIFY(hand.card(hand.cardsLeft + 1).isEmpty());
        QCOMPARE(hand.rankValue(hand.cardsLeft + 1), EmptyRank);
    }

    void lookUps()
    {
        std::array<Card, 30> list{};
        AddToList(C("Кч"), list);
        AddToList(C("8б"), list);
        AddToList(C("Кч"), list);
        QCOMPARE(Show(list[0]), QStringLiteral("Кч"));
        QCOMPARE(Show(list[1]), QStringLiteral("8б"));
        QVERIFY(list[2].isEmpty());
        QCOMPARE(IndexOf(30, C("8б"), list), 2);
        QCOMPARE(IndexOf(1, C("8б"), list), 0);
        QVERIFY(Contains(2, list, C("Кч")));
        QVERIFY(HasSuit(2, list, SuitChar::Diamonds));
        QVERIFY(!HasSuit(2, list, SuitChar::Clubs));
        QVERIFY(!HasSuit(30, list, SuitChar::None)); // empty slots never match
    }

    void dealLeader_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("kon");
        QTest::addColumn<int>("deal");
        QTest::addColumn<int>("ownSeat");
        QTest::addColumn<int>("leader");
        const int pc = int(GameKind::Computer), lan = int(GameKind::Lan), online = int(GameKind::Online);
        QTest::newRow("game 1 deal 1") << pc << 1 << 1 << 0 << 2;
        QTest::newRow("game 1 deal 2") << pc << 1 << 2 << 0 << 3;
        QTest::newRow("game 1 deal 3") << pc << 1 << 3 << 0 << 1;
        QTest::newRow("game 5 deal 12") << pc << 5 << 12 << 0 << 2;
        // LAN deal 1 goes to network seat 2; the host (network seat 1) has it on its right (table seat 1).
        QTest::newRow("lan host deal 1") << lan << 9 << 1 << 1 << 1;
        QTest::newRow("lan host deal 3") << lan << 9 << 3 << 1 << 3;
        QTest::newRow("lan guest 2 deal 1") << lan << 9 << 1 << 2 << 3;
        QTest::newRow("lan guest 3 deal 2") << lan << 9 << 2 << 3 << 3;
        QTest::newRow("online seat 3 deal 1") << online << 1 << 1 << 3 << 2;
    }

    void dealLeader()
    {
        QFETCH(int, kind);
        QFETCH(int, kon);
        QFETCH(int, deal);
        QFETCH(int, ownSeat);
        QFETCH(int, leader);
        QCOMPARE(DealLeader(GameKind(kind), kon, deal, ownSeat), leader);
    }

    void networkSeatsAreInverse()
    {
        for (int own = 1; own <= 3; ++own) {
            QCOMPARE(NetworkSeatAt(own, 3), own); // the local player is table seat 3
            for (int table = 1; table <= 3; ++table)
                QCOMPARE(TableSeatOf(own, NetworkSeatAt(own, table)), table);
        }
    }
};

QTEST_APPLESS_MAIN(TestCards)
#include "test_cards.moc"
