#pragma once
// What a trick is worth, and how trick points add up into the game score.

#include "Trick.h"

#include <array>

namespace halvane {

// Points by seat (index seat - 1).
using SeatPoints = std::array<int, 3>;
using DealPoints = SeatPoints; // the current deal; 0 at its start
using GameScore = SeatPoints;  // the finished deals of the current game

inline constexpr Card KingOfHearts{RankChar::King, SuitChar::Hearts};

// The winner's new points for a collected trick. `cardsLeft` is the winner's
// CardsLeft after the trick (1 after the ninth, 0 after the tenth).
int ScoreTrick(int cardsLeft, int contract, const TrickCards &trick, bool ordered, int points);

// Each player's points minus the other two players' points.
SeatPoints RelativeScore(int a, int b, int c);
inline SeatPoints RelativeScore(const SeatPoints &p) { return RelativeScore(p[0], p[1], p[2]); }

// The total a fully played deal of the contract hands out over the three seats.
int ContractTotal(int contract, bool ordered);

} // namespace halvane
