#include "GameFlow.h"

namespace halvane {

namespace {

// Marks the flow as inside a call for as long as the guard lives.
class BusyGuard
{
public:
    explicit BusyGuard(bool &busy) : m_busy(busy) { m_busy = true; }
    ~BusyGuard() { m_busy = false; }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    bool &m_busy;
};

std::string WithoutTrailingBlanks(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

constexpr int PlayHeartbeatMs = 200;
constexpr int MenuHeartbeatMs = 20;
constexpr int OrderAnnouncementMs = 1000;
constexpr int CycleLength = 20;

// Help contexts of the window's screens.
constexpr int HelpMenu = 1;
constexpr int HelpDealLaidOut = 2;
constexpr int HelpDealStarted = 5;
constexpr int HelpDealOver = 10;

} // namespace

GameFlow::GameFlow(GameView &view, GameEndSteps &steps) : m_view(view), m_steps(&steps), m_seed(ClockSeed) {}

void GameFlow::SetSeat(int seat, SeatInput *input)
{
    if (seat >= 1 && seat <= 3)
        m_seats[seat - 1] = input;
}

void GameFlow::StartGame(const GameSetup &setup, const PlayerRecord &player)
{
    if (m_busy)
        return;
    m_state = GameFlowState{};
    m_state.Setup = setup;
    m_state.Names[2] = WithoutTrailingBlanks(player.Name);
    m_state.PlayerSlot = player.PlayerSlot;
    m_player = player;
    StartDeal(false);
}

void GameFlow::StartDeal(bool continueGame)
{
    GameFlowState &s = m_state;
    const bool local = s.Setup.Kind == GameKind::Computer;
    m_view.LayOutTable();
    m_view.SetGameMenuItems(true, true, local && !s.Setup.AccountGame);

    if (!continueGame) {
        // Scores, deal count and ordered sets start empty; this is the player's next game.
        s.Game = GameState::NewGame(s.Setup.Options, m_player.GamesPlayed + 1, m_player.StartScore);
        s.OpenHands = false;
    }
    const int contract = s.Game.NextDeal();
    if (local) {
        s.Names[0] = "PC";
        s.Names[1] = "PC";
    }

    const DealResult dealt = ShuffleAndDeal(m_seed());
    const int leader = DealLeader(s.Setup.Kind, s.Game.kon, s.Game.dealNumber, s.Setup.OwnNetworkSeat);
    s.Deal = DealState::Begin(dealt.hands, leader, contract, s.Setup.Options.orderedKing);
    s.Turn = leader;
    s.StartButtonState = 1;
    s.GameFinished = false;
    s.GameRunning = true;
    s.OrderPending = false;

    m_view.DrawContractPanel(s.Game.dealNumber, contract);
    m_view.SetStartButton(s.Game.dealNumber == 1 ? StartCaption::ToBegin : StartCaption::ToBeginOfRound, true, local);
    m_view.SetExitButton(true, false);
    DrawTablets(leader);
    DrawHands();
    DrawNamePlates();
    m_view.PlayWave("WTasoKo", false);
    m_view.SetHeartbeat(PlayHeartbeatMs, false);
    m_view.SetContractHint(s.Game.kon, s.Setup.Tournament ? 1 : CycleLength);
    m_view.SetHelpContext(HelpDealLaidOut);
    for (SeatInput *seat : m_seats)
        if (seat)
            seat->DealStarted();
}

void GameFlow::PressStart()
{
    GameFlowState &s = m_state;
    if (m_busy || !s.GameRunning || s.StartButtonState != 1)
        return;
    BusyGuard guard(m_busy);
    s.StartButtonState = 2;
    m_view.SetHeartbeat(PlayHeartbeatMs, true);
    m_view.SetStartButton(StartCaption::Ok, true, false);
    m_view.SetHelpContext(HelpDealStarted);
    if (s.Setup.Options.orderedKing) {
        s.OrderPending = true;
        m_view.DrawNamePlate(s.Deal.dealLeader, PlateText{PlateText::Kind::Thinking, {}, 0});
        TakeOrder();
    }
}

void GameFlow::Heartbeat()
{
    GameFlowState &s = m_state;
    if (m_busy || !s.GameRunning || s.StartButtonState != 2)
        return;
    BusyGuard guard(m_busy);
    if (s.OrderPending)
        TakeOrder();
    else if (TurnState::IsSeat(s.Turn))
        TakeCard(s.Turn);
    else if (s.Turn == TurnState::DealOver)
        EndOfDeal();
}

void GameFlow::SeatReady(int seat)
{
    GameFlowState &s = m_state;
    if (m_busy || !s.GameRunning || s.StartButtonState != 2)
        return;
    BusyGuard guard(m_busy);
    if (s.OrderPending) {
        if (seat == s.Deal.dealLeader)
            TakeOrder();
    } else if (s.Turn == seat) {
        TakeCard(seat);
    }
}

void GameFlow::TakeOrder()
{
    GameFlowState &s = m_state;
    const int seat = s.Deal.dealLeader;
    SeatInput *input = m_seats[seat - 1];
    if (!input)
        return;
    OrderChoices open{};
    for (int k = 1; k <= 8; ++k)
        open[k] = s.Game.OrderButtonEnabled(seat, k);
    const int choice = input->TakeOrder(s, seat, open);
    if (choice < 1 || choice > 8 || !open[choice])
        return;
    s.Deal.contract = s.Game.RecordOrder(seat, choice);
    s.OrderPending = false;
    m_view.DrawNamePlate(seat, PlateText{PlateText::Kind::Order, {}, choice});
    m_view.DrawContractPanel(s.Game.dealNumber, s.Deal.contract);
    m_view.PlayWave(s.Deal.contract == Contracts::TakeTricks ? "WPlMore" : "WDing_1", false);
    m_view.Pause(OrderAnnouncementMs);
}

void GameFlow::TakeCard(int seat)
{
    SeatInput *input = m_seats[seat - 1];
    if (!input)
        return;
    const int slot = input->TakeCard(m_state, seat);
    if (slot == 0 || Legality(seat, slot) != Legality::Legal)
        return;
    PlayCard(seat, slot, true);
    if (m_state.Turn == TurnState::TrickComplete)
        m_view.SetStartButton(StartCaption::Ok, true, m_state.Setup.Kind != GameKind::Online);
}

int GameFlow::Legality(int seat, int slot) const
{
    const GameFlowState &s = m_state;
    if (!s.GameRunning || s.StartButtonState != 2 || s.OrderPending || s.Turn != seat)
        return Legality::NoCardInSlot;
    return s.Deal.Legality(seat, slot);
}

void GameFlow::PlayCard(int seat, int slot, bool send)
{
    GameFlowState &s = m_state;
    // (send: the LAN and online tables will pass the move on here.)
    const Hand before = s.hand(seat);
    const Card card = before.card(slot);
    if (s.Deal.PlayCard(seat, slot) != Legality::Legal)
        return;
    DrawNamePlate(seat);
    m_view.ShowPlayedCard(seat, before, slot, card);
    m_view.DrawHand(seat, s.hand(seat), HandFaceUp(seat));
    m_view.PlayWave(card == KingOfHearts ? "WSays40" : "WHodsDo", true);
    s.Turn = s.Deal.turn;
    if (s.Turn == TurnState::TrickComplete)
        ResolveTrick();
    else
        DrawTablets(s.Turn);
}

void GameFlow::ResolveTrick()
{
    // The deal has scored the trick for its winner, who leads next.
    DrawTablets(m_state.Deal.leader);
}

void GameFlow::Button7Click()
{
    GameFlowState &s = m_state;
    if (m_busy || !s.GameRunning)
        return;
    if (s.StartButtonState == 1) {
        PressStart();
        return;
    }
    BusyGuard guard(m_busy);
    if (s.Turn == TurnState::TrickComplete)
        CollectTrick();
    else if (s.Turn == TurnState::DealSettled)
        NextDeal();
}

void GameFlow::CollectTrick()
{
    GameFlowState &s = m_state;
    if (m_view.CardFlightsOn()) {
        m_view.FlyTrickToWinner(s.Deal.leader, s.TrickBySeat());
    } else {
        m_view.ClearTrickArea();
    }
    s.Turn = s.Deal.CollectTrick();
    DrawNamePlates();
    m_view.SetStartButton(StartCaption::Ok, true, false);
    if (TurnState::IsSeat(s.Turn))
        DrawTablets(s.Turn);
}

void GameFlow::EndOfDeal()
{
    GameFlowState &s = m_state;
    s.Game.SettleDeal(s.Deal.points);
    m_steps->AddDeal(Result(1));
    const bool last = s.Game.LastDeal();
    if (last)
        s.Turn = TurnState::GameOver;
    DrawTablets(0);
    for (int seat = 1; seat <= 3; ++seat)
        m_view.DrawHand(seat, s.hand(seat), true);
    m_view.SetHelpContext(HelpDealOver);
    if (last) {
        s.GameFinished = true;
        m_view.PlayWave(s.Game.finalScore >= 0 ? "WKoGood" : "WKoBads", true);
        if (s.Setup.Kind != GameKind::Computer)
            m_view.Pause(2500);
        m_view.SetStartButton(StartCaption::NextRound, true, false);
        m_view.SetExitButton(true, true);
    } else {
        s.Turn = TurnState::DealSettled;
        const SeatPoints relative = RelativeScore(s.Deal.points);
        m_view.PlayWave(relative[2] >= 0 ? "WKoGutX" : "WKoBadX", true);
        if (s.Setup.Kind != GameKind::Computer)
            m_view.Pause(2500);
        m_view.SetStartButton(StartCaption::NextRound, true, s.Setup.Kind == GameKind::Computer);
        m_view.SetExitButton(true, false);
    }
}

void GameFlow::NextDeal()
{
    m_view.SetHeartbeat(PlayHeartbeatMs, false);
    StartDeal(true);
}

void GameFlow::Button8Click()
{
    if (m_busy || !m_state.GameRunning || !m_state.GameFinished)
        return;
    BusyGuard guard(m_busy);
    RecordGameEnd(m_state.Game.finalScore, 1);
}

void GameFlow::RecordGameEnd(int result, int games)
{
    GameFlowState &s = m_state;
    const GameResult r = Result(games);
    const bool account = s.Setup.AccountGame;
    const bool tournament = s.Setup.Tournament;
    const bool lan = s.Setup.Kind == GameKind::Lan;
    const bool cycleEnd = s.Game.kon % CycleLength == 0;

    m_view.LeaveTable();
    if (s.Setup.RatedAccountGame)
        m_steps->SendRatedGameEndReport(r);
    m_view.ShowWaitNotice(true);
    const double rating = tournament ? 0.0 : m_steps->RatingAfterGame(r);
    m_view.ShowWaitNotice(false);
    m_steps->WriteHistory(r, rating);
    m_steps->SendStatistics(r, rating);
    if (!cycleEnd && result != 0)
        m_view.PlayWave(result > 0 ? "WKoGood" : "WKoBads", false);
    if (!account && !tournament)
        m_steps->StoreCounters(r, rating);
    if (lan)
        m_steps->CloseLanSocket();
    if (cycleEnd && !account && !tournament) {
        m_steps->ShowEndOfGameScreen(r, rating);
        if (!lan)
            m_steps->SubmitWorldTopTen(r);
    }
    if (s.Setup.RatedAccountGame && cycleEnd && !lan && !tournament)
        m_steps->SubmitRatedCycle(r);
    if (account)
        m_steps->LeaveAccountGame();
    m_steps->RestartMusic();

    m_view.ShowMainMenu();
    m_view.SetHeartbeat(MenuHeartbeatMs, true);
    m_view.SetGameMenuItems(false, false, false);
    s.GameRunning = false;
    m_view.SetHelpContext(HelpMenu);
}

void GameFlow::Abandon()
{
    // The window has asked and shows the menu itself; a wait in progress
    // finishes first and then finds the game gone.
    m_state.GameRunning = false;
    m_state.StartButtonState = 0;
}

void GameFlow::ToggleOpenHands()
{
    m_state.OpenHands = !m_state.OpenHands;
    if (!m_state.GameRunning)
        return;
    m_view.DrawHand(1, m_state.hand(1), HandFaceUp(1));
    m_view.DrawHand(2, m_state.hand(2), HandFaceUp(2));
}

GameResult GameFlow::Result(int games) const
{
    const GameFlowState &s = m_state;
    GameResult r;
    r.FinalScore = s.Game.finalScore;
    r.CycleScore = s.Game.cycleScore;
    r.StartScore = s.Game.startScore;
    r.Kon = s.Game.kon;
    r.Games = games;
    r.PlayerSlot = s.PlayerSlot;
    r.PlayerName = s.Names[2];
    r.Names = s.Names;
    r.GameScore = s.Game.gameScore;
    r.Kind = s.Setup.Kind;
    r.AccountGame = s.Setup.AccountGame;
    r.RatedAccountGame = s.Setup.RatedAccountGame;
    r.Tournament = s.Setup.Tournament;
    r.Ordered = s.Setup.Options.orderedKing;
    r.LongGame = s.Setup.Options.longGame;
    r.Eralash = s.Setup.Options.playEralash;
    r.Deals = s.Game.dealNumber;
    return r;
}

bool GameFlow::HandFaceUp(int seat) const
{
    const GameFlowState &s = m_state;
    return seat == 3 || s.OpenHands || s.Turn > TurnState::DealOver;
}

void GameFlow::DrawTablets(int markedSeat)
{
    const GameFlowState &s = m_state;
    for (int seat = 1; seat <= 3; ++seat)
        m_view.DrawScoreTablet(seat, TabletFigures{seat == markedSeat, s.Game.gameScore[seat - 1], s.Deal.points[seat - 1],
                                                 s.Turn == TurnState::GameOver});
}

void GameFlow::DrawHands()
{
    for (int seat = 1; seat <= 3; ++seat)
        m_view.DrawHand(seat, m_state.hand(seat), HandFaceUp(seat));
}

void GameFlow::DrawNamePlate(int seat)
{
    m_view.DrawNamePlate(seat, PlateText{PlateText::Kind::Name, m_state.Names[seat - 1], 0});
}

void GameFlow::DrawNamePlates()
{
    for (int seat = 1; seat <= 3; ++seat)
        DrawNamePlate(seat);
}

} // namespace halvane
