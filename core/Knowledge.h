#pragma once
// KnownAbsent: per seat, the cards known not to be in that seat's hand.
// Public knowledge, grown as cards are played; the computer player reads it.

#include "Trick.h"

#include <array>

namespace halvane {

using CardList = std::array<Card, 30>; // filled from the front, "##" after the last card
using KnownAbsent = std::array<CardList, 3>; // index seat - 1

// After the card at trick position `position` (1..3) of the trick led by
// `trickLeader`: the card joins every list; a card off the led suit at
// position 2 or 3 adds the whole led suit to the list of the seat that played it.
void UpdateKnowledge(int position, const TrickCards &trick, int trickLeader, KnownAbsent &knownAbsent);

// The number of cards in a list.
int ListCount(const CardList &list);

} // namespace halvane
