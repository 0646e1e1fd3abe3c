#pragma once
// What a trick is worth, and how trick points add up into the game score.

#include "Contract.h"
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
// Inline: the computer player's search calls it at every completed trick.
inline int ScoreTrick(int cardsLeft, int contract, const TrickCards &trick, bool ordered, int points)
{
    int kings = 0, queens = 0, hearts = 0, kingOfHearts = 0;
    for (Card c : trick) {
        kings += c.rank == RankChar::King;
        queens += c.rank == RankChar::Queen;
        hearts += c.suit == SuitChar::Hearts;
        kingOfHearts += c == KingOfHearts;
    }
    const int lastTwo = (cardsLeft == 0 || cardsLeft == 1) ? 1 : 0;
    const int all = 4 + 10 * kings + 10 * queens + 5 * hearts + 40 * kingOfHearts + 20 * lastTwo;

    using namespace Contracts;
    switch (contract) {
    case NoTricks: return points - 4;
    case NoBoys: return points - 10 * kings;
    case NoGirls: return points - 10 * queens;
    case NoHearts: return points - 5 * hearts;
    case NoKing: return points - 40 * kingOfHearts;
    case NoLastTwo: return points - 20 * lastTwo;
    case Eralash: return points - all;
    case TakeTricks: return points + (ordered ? 12 : 4);
    case TakeBoys: return points + 10 * kings;
    case TakeGirls: return points + 10 * queens;
    case TakeHearts: return points + 5 * hearts;
    case TakeKing: return points + 40 * kingOfHearts;
    case TakeLastTwo: return points + 20 * lastTwo;
    case TakeAll: return points + all;
    default: return points;
    }
}


// Each player's points minus the other two players' points.
SeatPoints RelativeScore(int a, int b, int c);
inline SeatPoints RelativeScore(const SeatPoints &p) { return RelativeScore(p[0], p[1], p[2]); }

// The total a fully played deal of the contract hands out over the three seats.
int ContractTotal(int contract, bool ordered);

} // namespace halvane
