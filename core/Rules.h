#pragma once
// Leading and following, and the early end of a deal.

#include "Hand.h"
#include "Scoring.h"
#include "Trick.h"

namespace halvane {

// The results of IsLegal, in the order the rules are checked.
namespace Legality {
inline constexpr int Legal = 0;
inline constexpr int HeartLead = 1;      // a heart led in a heart contract while other suits are held
inline constexpr int MustFollow = 2;     // the led suit is held but another card was chosen
inline constexpr int MustPlayKing = 3;   // void in the led suit, holding "Кч", played another card
inline constexpr int NoCardInSlot = 4;   // the slot is empty or out of range
} // namespace Legality

// Whether the card in `slot` of the hand may be played into the trick, which
// holds `trick.position - 1` cards. A slot without a card gives NoCardInSlot.
int IsLegal(const Hand &hand, int slot, const Trick &trick, int contract);

// The early end, checked after every collected trick: in fixed order contracts
// 2..5 at -40 and 9..12 at +40 in all; in ordered play contracts 2..5 at -40.
bool DealDecided(int contract, bool ordered, const DealPoints &points);

// Whether a hand still holds any card that the contract counts (kings,
// queens, hearts or "Кч" for contracts 2..5 and 9..12); true for every other contract.
bool CountedCardLeft(int contract, std::span<const Card> cards);

} // namespace halvane
