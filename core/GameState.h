#pragma once
// A game as a plain copyable value: the deal count, the ordered-play
// bookkeeping and the score figures a finished game hands to the records.

#include "Contract.h"
#include "Deal.h"
#include "DealState.h"
#include "OrderedSet.h"
#include "Scoring.h"

#include <cstdint>

namespace halvane {

struct GameState {
    GameOptions options{};
    int kon = 1;            // number of this game of the local player
    int startScore = 0;     // the local player's score before this game
    int dealNumber = 0;     // 1-based once the first deal has begun
    GameScore gameScore{};
    int finalScore = 0;     // gameScore of seat 3, refreshed by SettleDeal
    int cycleScore = 0;     // startScore + finalScore
    OrderedSets orderedSets{};

    // A new game: scores, deal count and ordered sets cleared. `kon` is the
    // number of this game (already counted on from the player's games).
    static GameState NewGame(const GameOptions &options, int kon, int startScore);

    int Length() const { return GameLength(options); }
    bool LastDeal() const { return dealNumber >= Length(); }
    // Counts the next deal and applies the short-game rule; returns its
    // contract in fixed order, 0 in ordered play.
    int NextDeal();
    // The first leader of the current deal in a game against the computer.
    int Leader() const { return DealLeader(kon, dealNumber); }
    // NextDeal, then shuffles and lays out the deal against the computer.
    DealState DealCards(std::uint64_t seed);

    // Ordered play: button 1..8 of the ordering dialog for the seat.
    bool OrderButtonEnabled(int seat, int button) const;
    // Records the seat's choice 1..8 and returns the contract (0 if refused).
    int RecordOrder(int seat, int choice);

    // GameScore += DealPoints, then FinalScore and CycleScore.
    void SettleDeal(const DealPoints &points);
};

} // namespace halvane
