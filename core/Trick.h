#pragma once
// The trick on the table and the order of play around it.

#include "Card.h"

#include <array>

namespace halvane {

// Cards by position: 1 is the led card; "##" where no card lies yet.
using TrickCards = std::array<Card, 3>;

// Play passes seat 1 -> 2 -> 3 -> 1.
constexpr int NextSeat(int seat) { return seat % 3 + 1; }
// The seat that plays at trick position 1..3 when `trickLeader` leads.
constexpr int SeatAtPosition(int trickLeader, int position) { return (trickLeader + position - 2) % 3 + 1; }
// A seat's place 1..3 in the trick led by `trickLeader`.
constexpr int PlaceInTrick(int trickLeader, int seat) { return (seat - trickLeader + 3) % 3 + 1; }

struct Trick {
    TrickCards cards{};
    int leader = 1;   // TrickLeader: the seat that led it
    int position = 1; // TrickPosition: the place the next card takes; 4 when complete

    Card card(int pos) const { return pos >= 1 && pos <= 3 ? cards[pos - 1] : NoCard; }
    int rankValue(int pos) const { return RankValue(card(pos)); }
    // LedSuit: the suit of the first card, '#' before the lead.
    unsigned char ledSuit() const { return cards[0].isEmpty() ? SuitChar::None : cards[0].suit; }
    bool complete() const { return position > 3; }
    int seatToPlay() const { return SeatAtPosition(leader, position); }
    bool operator==(const Trick &) const = default;
};

// The position 1..3 of the winning card: the highest card of the led suit
// (there are no trumps).
int TrickWinner(const TrickCards &trick);

} // namespace halvane
