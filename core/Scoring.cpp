#include "Scoring.h"

#include "Contract.h"

namespace halvane {

int ScoreTrick(int cardsLeft, int contract, const TrickCards &trick, bool ordered, int points)
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

SeatPoints RelativeScore(int a, int b, int c)
{
    return {2 * a - b - c, 2 * b - a - c, 2 * c - a - b};
}

int ContractTotal(int contract, bool ordered)
{
    if (contract == Contracts::Eralash)
        return -240;
    if (contract == Contracts::TakeAll)
        return 240;
    if (contract == Contracts::TakeTricks && ordered)
        return 120;
    if (!IsValidContract(contract))
        return 0;
    return IsPositiveContract(contract) ? 40 : -40;
}

} // namespace halvane
