// Whole games through the conductor with a view that only records: the Turn
// sequence, the button captions, the sounds, the waits and the end-of-game steps.

// QTest first: moc cannot parse <compare>, which it then finds already read.
#include <QTest>

#include "RecordingGameView.h"
#include "core/ComputerSeat.h"
#include "core/GameFlow.h"
#include "core/LocalSeat.h"

#include <algorithm>
#include <map>
#include <set>

using namespace halvane;
using halvane::test::RecordingGameView;

namespace {

// Remembers the end-of-game steps in the order they ran.
class RecordingSteps : public GameEndSteps
{
public:
    std::vector<std::string> steps;
    GameResult last;
    void SendRatedGameEndReport(const GameResult &) override { steps.push_back("rated-report"); }
    double RatingAfterGame(const GameResult &r) override
    {
        last = r;
        steps.push_back("rating");
        return 12.5;
    }
    void WriteHistory(const GameResult &, double rating) override
    {
        steps.push_back("history " + std::to_string(int(rating * 10)));
    }
    void SendStatistics(const GameResult &, double) override { steps.push_back("statistics"); }
    void StoreCounters(const GameResult &, double) override { steps.push_back("counters"); }
    void CloseLanSocket() override { steps.push_back("lan-close"); }
    void ShowEndOfGameScreen(const GameResult &, double) override { steps.push_back("end-screen"); }
    void SubmitWorldTopTen(const GameResult &) override { steps.push_back("world-top-ten"); }
    void SubmitRatedCycle(const GameResult &) override { steps.push_back("rated-cycle"); }
    void LeaveAccountGame() override { steps.push_back("leave-account"); }
    void RestartMusic() override { steps.push_back("music"); }
};

int FirstLegal(const GameFlow &flow, int seat)
{
    for (int slot = 1; slot <= HandSlotsUsed; ++slot)
        if (flow.Legality(seat, slot) == Legality::Legal)
            return slot;
    return 0;
}

// One game on the table with two computer seats and a local seat that a
// scripted person plays through the buttons, as the window would.
struct Table {
    RecordingGameView view;
    RecordingSteps steps;
    GameFlow flow{view, steps};
    ComputerSeat computer1, computer2;
    LocalSeat local;
    std::uint64_t nextSeed = 1;
    std::vector<OrderChoices> ordersAsked;
    std::vector<PlateText> plateWhenAsked;

    Table()
    {
        flow.SetSeat(1, &computer1);
        flow.SetSeat(2, &computer2);
        flow.SetSeat(3, &local);
        flow.SetSeedSource([this] { return nextSeed++; });
        local.SetAskOrder([this](const OrderChoices &open) {
            ordersAsked.push_back(open);
            plateWhenAsked.push_back(view.plates[2]);
            for (int k = 1; k <= 8; ++k)
                if (open[k])
                    return k;
            return 0;
        });
    }

    const GameFlowState &state() const { return flow.State(); }
    int cardsPlayed() const
    {
        return int(std::count_if(view.log.begin(), view.log.end(), [](const std::string &s) {
            return s.rfind("card ", 0) == 0;
        }));
    }

    // What a person at the table does next: press an enabled button, or play
    // the first legal card when it is their turn; otherwise the heartbeat ticks.
    void step()
    {
        const GameFlowState &s = state();
        if (view.start.visible && view.start.enabled)
            flow.Button7Click();
        else if (view.exitVisible && view.exitEnabled)
            flow.Button8Click();
        else if (s.Turn == 3 && s.StartButtonState == 2 && !s.OrderPending) {
            local.Offer(FirstLegal(flow, 3));
            flow.SeatReady(3);
        } else {
            const int before = cardsPlayed();
            flow.Heartbeat();
            QVERIFY2(cardsPlayed() - before <= 1, "more than one card in one heartbeat");
        }
    }
};

bool AllowedTurnChange(int from, int to)
{
    if (TurnState::IsSeat(from))
        return to == NextSeat(from) || to == TurnState::TrickComplete;
    if (from == TurnState::TrickComplete)
        return TurnState::IsSeat(to) || to == TurnState::DealOver;
    if (from == TurnState::DealOver)
        return to == TurnState::DealSettled || to == TurnState::GameOver;
    if (from == TurnState::DealSettled)
        return TurnState::IsSeat(to);
    return false;
}

} // namespace

class TestGameFlow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wholeGame_data();
    void wholeGame();
    void nothingMovesBeforeStart();
    void thirdCardWaitsForOk();
    void illegalOfferIsRefused();
    void noReentryDuringWaits();
    void localOrderDialog();
    void endOfGameSteps_data();
    void endOfGameSteps();
    void abandonedGameStops();
    void decisionsGoThroughTheRunner_data();
    void decisionsGoThroughTheRunner();
};

void TestGameFlow::wholeGame_data()
{
    QTest::addColumn<bool>("ordered");
    QTest::addColumn<bool>("eralash");
    QTest::addColumn<bool>("longGame");
    QTest::addColumn<bool>("flights");
    QTest::addColumn<int>("deals");
    QTest::newRow("fixed order") << false << false << false << true << 12;
    QTest::newRow("fixed order with Eralash") << false << true << false << false << 14;
    QTest::newRow("ordered, short") << true << false << false << true << 12;
    QTest::newRow("ordered, long") << true << false << true << false << 24;
}

void TestGameFlow::wholeGame()
{
    QFETCH(bool, ordered);
    QFETCH(bool, eralash);
    QFETCH(bool, longGame);
    QFETCH(bool, flights);
    QFETCH(int, deals);

    Table t;
    t.view.flights = flights;
    GameSetup setup;
    setup.Options.orderedKing = ordered;
    setup.Options.playEralash = eralash;
    setup.Options.longGame = longGame;
    t.flow.StartGame(setup, PlayerRecord{"Tester   ", 4, 100, 6});

    const GameFlowState &s = t.state();
    QCOMPARE(s.Game.kon, 5);
    QCOMPARE(s.Names[0], std::string("PC"));
    QCOMPARE(s.Names[2], std::string("Tester"));

    std::vector<int> turns{s.Turn};
    std::vector<int> contracts;
    int dealsSeen = 0;
    int lastDeal = 0;
    for (int guard = 0; guard < 20000 && s.GameRunning; ++guard) {
        if (s.DealNumber() != lastDeal) {
            // A deal has just been laid out: nothing moves until its start button.
            lastDeal = s.DealNumber();
            ++dealsSeen;
            QCOMPARE(t.view.start.caption, s.DealNumber() == 1 ? StartCaption::ToBegin : StartCaption::ToBeginOfRound);
            QVERIFY(t.view.start.enabled);
            QVERIFY(t.view.exitVisible && !t.view.exitEnabled);
            QCOMPARE(t.view.heartbeatMs, 200);
            QVERIFY(!t.view.heartbeatRunning);
            QCOMPARE(t.view.contract, ordered ? 0 : s.Contract());
        }
        t.step();
        if (QTest::currentTestFailed())
            return;
        if (s.Turn != turns.back()) {
            QVERIFY2(AllowedTurnChange(turns.back(), s.Turn),
                     qPrintable(QStringLiteral("Turn %1 -> %2").arg(turns.back()).arg(s.Turn)));
            turns.push_back(s.Turn);
            if (s.Turn == TurnState::TrickComplete)
                QVERIFY(t.view.start.caption == StartCaption::Ok && t.view.start.enabled);
            if (s.Turn == TurnState::DealSettled) {
                contracts.push_back(s.Contract());
                QCOMPARE(t.view.start.caption, StartCaption::NextRound);
                QVERIFY(t.view.start.enabled && !t.view.exitEnabled);
                QCOMPARE(t.view.faceUp, (std::array<bool, 3>{true, true, true}));
            }
            if (s.Turn == TurnState::GameOver) {
                contracts.push_back(s.Contract());
                QCOMPARE(t.view.start.caption, StartCaption::NextRound);
                QVERIFY(!t.view.start.enabled && t.view.exitEnabled);
                QVERIFY(t.view.tablets[2].finalColours);
            }
        }
        if (TurnState::IsSeat(s.Turn) && s.StartButtonState == 2 && !s.OrderPending)
            QVERIFY(!t.view.start.enabled);
    }
    QVERIFY(!s.GameRunning);
    QCOMPARE(dealsSeen, deals);
    QCOMPARE(turns.back(), int(TurnState::GameOver));
    QVERIFY(t.view.menuShown);
    QCOMPARE(t.view.heartbeatMs, 20);
    QVERIFY(t.view.heartbeatRunning);

    // Fixed order plays the contracts in their sequence.
    if (!ordered) {
        std::vector<int> expected;
        for (int d = 1; d <= deals; ++d)
            expected.push_back(ContractForDeal(d, eralash));
        QCOMPARE(contracts, expected);
    } else {
        // Every seat orders "take tricks" once per 12 deals; it is played as contract 8.
        QCOMPARE(int(std::count(contracts.begin(), contracts.end(), 8)), longGame ? 6 : 3);
    }
    // The game sums to zero over the three seats.
    QCOMPARE(s.Game.gameScore[0] + s.Game.gameScore[1] + s.Game.gameScore[2], 0);
    QCOMPARE(s.Game.finalScore, s.Game.gameScore[2]);
    QCOMPARE(s.Game.cycleScore, 100 + s.Game.finalScore);

    // Sounds: one "WTasoKo" per deal, one card sound per card played to its end,
    // "WSays40" exactly for the King of hearts, one result per deal.
    std::map<std::string, int> count;
    for (const std::string &w : t.view.waves)
        ++count[w];
    QCOMPARE(count["WTasoKo"], deals);
    QCOMPARE(count["WHodsDo!"] + count["WSays40!"], t.cardsPlayed());
    QCOMPARE(count["WSays40!"], int(std::count(t.view.played.begin(), t.view.played.end(), KingOfHearts)));
    QCOMPARE(count["WKoGutX!"] + count["WKoBadX!"], deals - 1);
    QCOMPARE(count["WKoGood!"] + count["WKoBads!"] >= 1, true);
    QCOMPARE(count["WDing_1"] + count["WPlMore"], ordered ? deals : 0);
    QCOMPARE(count["WPlMore"], ordered ? (longGame ? 6 : 3) : 0);
    QCOMPARE(int(std::count(t.view.pauses.begin(), t.view.pauses.end(), 1000)), ordered ? deals : 0);
    const int tricks = int(std::count(t.view.log.begin(), t.view.log.end(), std::string("cleartrick"))) +
                       int(std::count_if(t.view.log.begin(), t.view.log.end(),
                                         [](const std::string &l) { return l.rfind("trickflight", 0) == 0; }));
    QCOMPARE(tricks * 3, t.cardsPlayed());
    QCOMPARE(int(std::count(t.view.pauses.begin(), t.view.pauses.end(), 200)), flights ? tricks : 0);
    // The last sounds of the game: the result played to its end, and after the
    // records (not a 20th game) once more without waiting unless it is 0.
    const std::string last = t.view.waves.back();
    QVERIFY(last == "WKoGood" || last == "WKoBads" || last == "WKoGood!" || last == "WKoBads!");
}

void TestGameFlow::nothingMovesBeforeStart()
{
    Table t;
    // Kon 1, deal 1: (1 + 1) mod 3 = 2, a computer seat leads.
    t.flow.StartGame(GameSetup{}, PlayerRecord{"P", 0, 0, 6});
    QCOMPARE(t.state().Turn, 2);
    for (int i = 0; i < 5; ++i)
        t.flow.Heartbeat();
    QCOMPARE(t.cardsPlayed(), 0);
    QCOMPARE(t.state().StartButtonState, 1);
    QCOMPARE(t.view.waves, std::vector<std::string>{"WTasoKo"});

    t.flow.Button7Click();
    QCOMPARE(t.state().StartButtonState, 2);
    QVERIFY(t.view.heartbeatRunning);
    QCOMPARE(t.view.start.caption, StartCaption::Ok);
    QVERIFY(!t.view.start.enabled);
    QCOMPARE(t.cardsPlayed(), 0);
    t.flow.Heartbeat();
    QCOMPARE(t.cardsPlayed(), 1);
    QVERIFY(t.view.waves.back() == "WHodsDo!" || t.view.waves.back() == "WSays40!");
    QCOMPARE(t.state().Turn, 3);
    // The local seat's turn: ticks wait for the person.
    t.flow.Heartbeat();
    t.flow.Heartbeat();
    QCOMPARE(t.cardsPlayed(), 1);
}

void TestGameFlow::thirdCardWaitsForOk()
{
    Table t;
    t.flow.StartGame(GameSetup{}, PlayerRecord{"P", 0, 0, 6});
    t.flow.Button7Click();
    t.flow.Heartbeat(); // seat 2
    t.local.Offer(FirstLegal(t.flow, 3));
    t.flow.SeatReady(3);
    t.flow.Heartbeat(); // seat 1 completes the trick
    QCOMPARE(t.cardsPlayed(), 3);
    QCOMPARE(t.state().Turn, int(TurnState::TrickComplete));
    QVERIFY(t.view.start.enabled);
    for (int i = 0; i < 5; ++i)
        t.flow.Heartbeat();
    QCOMPARE(t.state().Turn, int(TurnState::TrickComplete));
    QCOMPARE(t.state().Deal.trickNumber, 1);
    const int winner = t.state().Deal.leader;
    QVERIFY(t.view.tablets[winner - 1].isTurn);
    t.flow.Button7Click();
    QCOMPARE(t.state().Turn, winner);
    QCOMPARE(t.state().Deal.trickNumber, 2);
    QVERIFY(!t.view.start.enabled);
    QCOMPARE(t.view.pauses.back(), 200);
}

void TestGameFlow::illegalOfferIsRefused()
{
    Table t;
    t.flow.StartGame(GameSetup{}, PlayerRecord{"P", 0, 0, 6});
    t.flow.Button7Click();
    t.flow.Heartbeat(); // seat 2 leads, seat 3 must follow when it can
    const Hand hand = t.state().hand(3);
    int illegal = 0;
    for (int slot = 1; slot <= 10 && !illegal; ++slot)
        if (t.flow.Legality(3, slot) != Legality::Legal)
            illegal = slot;
    if (!illegal)
        QSKIP("the seeded deal gives seat 3 no illegal card on the first trick");
    t.local.Offer(illegal);
    t.flow.SeatReady(3);
    QCOMPARE(t.cardsPlayed(), 1);
    QCOMPARE(t.state().hand(3).cardsLeft, 10);
    // The refused offer is forgotten: a later tick plays nothing either.
    t.flow.SeatReady(3);
    t.flow.Heartbeat();
    QCOMPARE(t.cardsPlayed(), 1);
    // Another seat's slot is never taken for seat 3's turn.
    QCOMPARE(t.flow.Legality(1, 1), int(Legality::NoCardInSlot));
}

void TestGameFlow::noReentryDuringWaits()
{
    Table t;
    t.flow.StartGame(GameSetup{}, PlayerRecord{"P", 0, 0, 6});
    int nestedCalls = 0;
    t.view.duringWait = [&] {
        ++nestedCalls;
        const auto before = t.view.log.size();
        const int turn = t.state().Turn;
        QVERIFY(t.flow.Busy());
        t.flow.Heartbeat();
        t.flow.Button7Click();
        t.flow.Button8Click();
        t.flow.SeatReady(3);
        t.flow.PressStart();
        QCOMPARE(t.view.log.size(), before);
        QCOMPARE(t.state().Turn, turn);
    };
    for (int i = 0; i < 400 && t.state().DealNumber() < 2; ++i)
        t.step();
    QVERIFY(nestedCalls > 30);
    QCOMPARE(t.state().DealNumber(), 2);
}

void TestGameFlow::localOrderDialog()
{
    Table t;
    GameSetup setup;
    setup.Options.orderedKing = true;
    setup.Options.longGame = true;
    // Kon 2, deal 1: (2 + 1) mod 3 = 0, the local seat orders.
    t.flow.StartGame(setup, PlayerRecord{"P", 1, 0, 6});
    QCOMPARE(t.state().Deal.dealLeader, 3);
    QCOMPARE(t.view.contract, 0);
    t.flow.Button7Click();
    QCOMPARE(int(t.ordersAsked.size()), 1);
    QCOMPARE(t.plateWhenAsked[0].kind, PlateText::Kind::Thinking);
    for (int k = 1; k <= 8; ++k)
        QVERIFY(t.ordersAsked[0][k]);
    // The first open button is 1: announced beside the seat, then the pause.
    QCOMPARE(t.state().Contract(), 1);
    QCOMPARE(t.view.plates[2], (PlateText{PlateText::Kind::Order, {}, 1}));
    QCOMPARE(t.view.contract, 1);
    const auto ding = std::find(t.view.log.begin(), t.view.log.end(), std::string("wave WDing_1"));
    QVERIFY(ding != t.view.log.end());
    QCOMPARE(*(ding + 1), std::string("pause 1000"));
    // The seat's next order offers everything but the contract it used.
    for (int guard = 0; guard < 5000 && t.ordersAsked.size() < 2 && t.state().GameRunning; ++guard)
        t.step();
    QCOMPARE(int(t.ordersAsked.size()), 2);
    QVERIFY(!t.ordersAsked[1][1]);
    QVERIFY(t.ordersAsked[1][2] && t.ordersAsked[1][7] && t.ordersAsked[1][8]);
}

void TestGameFlow::endOfGameSteps_data()
{
    QTest::addColumn<int>("gamesPlayed");
    QTest::addColumn<QStringList>("expected");
    // The result sound of step 5 sits between the statistics and the counters.
    QTest::newRow("ordinary game") << 4
                                   << QStringList{"rating", "history 125", "statistics", "<sound>", "counters", "music"};
    QTest::newRow("20th game closes the cycle")
        << 19 << QStringList{"rating", "history 125", "statistics", "counters", "end-screen", "world-top-ten", "music"};
}

void TestGameFlow::endOfGameSteps()
{
    QFETCH(int, gamesPlayed);
    QFETCH(QStringList, expected);
    Table t;
    t.flow.StartGame(GameSetup{}, PlayerRecord{"P", gamesPlayed, 0, 6});
    for (int guard = 0; guard < 20000 && !t.state().GameFinished; ++guard)
        t.step();
    QVERIFY(t.state().GameFinished);
    QVERIFY(t.state().GameRunning);
    const auto wavesBefore = t.view.waves.size();
    const auto logBefore = t.view.log.size();
    t.flow.Button8Click();
    QVERIFY(!t.state().GameRunning);

    // Interleave the view's calls and the steps by replaying the view log.
    QStringList got;
    for (const std::string &s : t.steps.steps)
        got << QString::fromStdString(s);
    const int result = t.state().Game.finalScore;
    const bool asyncSound = gamesPlayed + 1 != 20 && result != 0;
    QCOMPARE(int(t.view.waves.size() - wavesBefore), asyncSound ? 1 : 0);
    if (asyncSound) {
        QCOMPARE(t.view.waves.back(), std::string(result > 0 ? "WKoGood" : "WKoBads"));
        got.insert(3, QStringLiteral("<sound>"));
    } else {
        expected.removeAll(QStringLiteral("<sound>"));
    }
    QCOMPARE(got, expected);
    QCOMPARE(t.steps.last.Kon, gamesPlayed + 1);
    QCOMPARE(t.steps.last.FinalScore, result);
    QCOMPARE(t.steps.last.Deals, 12);

    const std::vector<std::string> viewEnd(t.view.log.begin() + long(logBefore), t.view.log.end());
    QCOMPARE(viewEnd.front(), std::string("leavetable"));
    QVERIFY(std::find(viewEnd.begin(), viewEnd.end(), "waitnotice on") <
            std::find(viewEnd.begin(), viewEnd.end(), "waitnotice off"));
    QCOMPARE(viewEnd.back(), std::string("menuitems 000"));
    QVERIFY(std::find(viewEnd.begin(), viewEnd.end(), "mainmenu") != viewEnd.end());
    QCOMPARE(t.view.helpContext, 1);
}

void TestGameFlow::abandonedGameStops()
{
    Table t;
    t.flow.StartGame(GameSetup{}, PlayerRecord{"P", 0, 0, 6});
    t.flow.Button7Click();
    t.flow.Heartbeat();
    t.flow.Abandon();
    const int played = t.cardsPlayed();
    t.local.Offer(FirstLegal(t.flow, 3));
    t.flow.SeatReady(3);
    t.flow.Heartbeat();
    t.flow.Button7Click();
    QCOMPARE(t.cardsPlayed(), played);
    QVERIFY(!t.state().GameRunning);
    QVERIFY(t.steps.steps.empty());
}

void TestGameFlow::decisionsGoThroughTheRunner_data()
{
    QTest::addColumn<bool>("ordered");
    QTest::newRow("fixed order") << false;
    QTest::newRow("ordered") << true;
}

void TestGameFlow::decisionsGoThroughTheRunner()
{
    QFETCH(bool, ordered);
    Table t;
    // The window's runner lets the window's events in while the search runs:
    // a heartbeat or a click arriving then must find the flow busy.
    std::vector<int> held;
    int cardsDuring = -1;
    std::vector<int> progress;
    t.computer2.SetProgress([&progress](int p) { progress.push_back(p); });
    t.computer2.SetRunner([&](int cardsHeld, const std::function<void()> &decide) {
        held.push_back(cardsHeld);
        const int before = t.cardsPlayed();
        t.flow.Heartbeat();
        t.flow.Button7Click();
        cardsDuring = t.cardsPlayed() - before;
        decide();
    });
    GameSetup setup;
    setup.Options.orderedKing = ordered;
    // Kon 1, deal 1: seat 2 leads (and orders in ordered play).
    t.flow.StartGame(setup, PlayerRecord{"P", 0, 0, 6});
    t.flow.Button7Click();
    if (ordered) {
        QCOMPARE(held, std::vector<int>{10});
        QVERIFY(!t.state().OrderPending);
        QVERIFY(t.state().Deal.contract >= 1);
        t.flow.Heartbeat();
    } else {
        t.flow.Heartbeat();
    }
    QCOMPARE(t.cardsPlayed(), 1);
    QCOMPARE(held.back(), 10);
    QCOMPARE(int(held.size()), ordered ? 2 : 1);
    QCOMPARE(cardsDuring, 0);
    QCOMPARE(t.state().hand(2).cardsLeft, 9);
    // The search reported its samples and the seat closed the frame afterwards.
    QVERIFY(progress.size() >= 2);
    QCOMPARE(progress.back(), -1);
    QCOMPARE(*std::max_element(progress.begin(), progress.end()), 100);
}

QTEST_APPLESS_MAIN(TestGameFlow)
#include "test_gameflow.moc"
