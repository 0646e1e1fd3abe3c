#pragma once
// The conductor of a game: lays out every deal, asks the seat whose turn it
// is for its card, plays it, resolves and collects the tricks, settles the
// deals and records the finished game. The rules and the points are the
// DealState's; the drawing, sounds and waits are the GameView's; every seat
// answers through the same SeatInput, so the conductor never asks what kind
// of player sits there.
//
// It runs from the window's heartbeat (Timer1) and its buttons. A call that
// arrives while another one is still inside a wait (a flight, a sound, a
// pause, a dialog) is ignored: nothing re-enters the flow.

#include "GameEndSteps.h"
#include "GameFlowState.h"
#include "GameView.h"
#include "SeatInput.h"

#include <cstdint>
#include <functional>

namespace halvane {

class GameFlow
{
public:
    GameFlow(GameView &view, GameEndSteps &steps);

    void SetSeat(int seat, SeatInput *input);
    void SetEndSteps(GameEndSteps &steps) { m_steps = &steps; }
    // Where every deal's shuffle seed comes from (the clock unless replaced).
    void SetSeedSource(std::function<std::uint64_t()> source) { m_seed = std::move(source); }

    // A new game for the player: StartDeal(false) with the game's setup.
    void StartGame(const GameSetup &setup, const PlayerRecord &player);
    // Lays out the next deal; continueGame = false starts a new game.
    void StartDeal(bool continueGame);
    // The start button of a laid-out deal.
    void PressStart();
    // Timer1: lets the seat to play (or the ordering seat) move, at most one card
    // per tick, and settles a finished deal.
    void Heartbeat();
    // Button7: start, "Ok" or "Next Round", by the state of the deal.
    void Button7Click();
    // Button8: "Exit to menu" once the game is finished.
    void Button8Click();
    // A seat's input has arrived between heartbeats (a click): take it now.
    void SeatReady(int seat);
    // The game was left before its end (the window's "Exit to menu").
    void Abandon();
    // The hidden test switch: the opponents' hands are drawn face up.
    void ToggleOpenHands();

    // IsLegal for the seat's slot now (Legality::NoCardInSlot when it is not its turn).
    int Legality(int seat, int slot) const;
    // Whether the flow is inside a wait.
    bool Busy() const { return m_busy; }
    const GameFlowState &State() const { return m_state; }

private:
    void TakeOrder();
    void TakeCard(int seat);
    void PlayCard(int seat, int slot, bool send);
    void ResolveTrick();
    void CollectTrick();
    void EndOfDeal();
    void NextDeal();
    void RecordGameEnd(int result, int games);

    void DrawTablets(int markedSeat);
    void DrawHands();
    void DrawNamePlates();
    void DrawNamePlate(int seat);
    bool HandFaceUp(int seat) const;
    GameResult Result(int games) const;

    GameView &m_view;
    GameEndSteps *m_steps;
    std::array<SeatInput *, 3> m_seats{};
    std::function<std::uint64_t()> m_seed;
    GameFlowState m_state;
    PlayerRecord m_player;
    bool m_busy = false;
};

} // namespace halvane
