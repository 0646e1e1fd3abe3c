#pragma once
// The state of the game on the table, as one plain copyable value: the deal
// under way (the rules' own DealState), the scores of the game and where the
// flow stands between the deals.

#include "Contract.h"
#include "Deal.h"
#include "DealState.h"
#include "GameState.h"
#include "OrderedSet.h"
#include "Turn.h"

#include <array>
#include <string>

namespace halvane {

// What kind of game is on the table, fixed when it starts.
struct GameSetup {
    GameOptions Options;
    GameKind Kind = GameKind::Computer;
    bool AccountGame = false;      // an account game (AccountMode 3)
    bool RatedAccountGame = false;
    bool Tournament = false;
    int OwnNetworkSeat = 1;        // LAN and online games
};

// The local player as the records know them when the game starts.
struct PlayerRecord {
    std::string Name;   // Windows-1251
    int GamesPlayed = 0; // the flow's Kon is this + 1
    int StartScore = 0;  // the score column of the player line
    int PlayerSlot = 6;  // 1..5 a member, 6 a new player, 7 account, 8 tournament
};

struct GameFlowState {
    GameSetup Setup;
    bool GameRunning = false;
    // 1..3 that seat plays, 4 trick complete, 5 deal over, 6 deal settled, 7 game over.
    int Turn = 0;
    GameState Game;                          // deal count, scores, Kon, ordered sets
    DealState Deal;                          // hands, contract, trick, points, knowledge
    int StartButtonState = 0;                // 1 laid out, 2 under way
    bool GameFinished = false;
    std::array<std::string, 3> Names;        // Windows-1251
    int PlayerSlot = 6;
    bool OrderPending = false;               // the deal leader has still to order
    bool OpenHands = false;                  // the hidden test switch: opponents face up

    int Contract() const { return Deal.contract; }
    int DealNumber() const { return Game.dealNumber; }
    const Hand &hand(int seat) const { return Deal.hands[seat - 1]; }
    // The trick's cards by seat rather than by position.
    std::array<Card, 3> TrickBySeat() const;
};

} // namespace halvane
