#pragma once
// A seat's hand: card slots packed from slot 1 in display order, and the count.
// Slots are numbered 1..HandSlotsUsed as the rest of the game refers to them.

#include "Card.h"

#include <array>
#include <span>

namespace halvane {

inline constexpr int HandSlotsUsed = 10;
inline constexpr int PlayerCount = 3;
inline constexpr int RankCount = 8;

struct Hand {
    std::array<Card, HandSlotsUsed> cards{};
    int cardsLeft = 0;

    // 1-based slot access; slot 0 or past the end reads as the empty card.
    Card card(int slot) const;
    int rankValue(int slot) const { return RankValue(card(slot)); }
    void setCard(int slot, Card c);
    // Empties the slot and lowers CardsLeft; the next SortHand packs the hand again.
    void removeSlot(int slot);
    std::span<const Card> held() const { return {cards.data(), size_t(cardsLeft)}; }
};

// One hand per seat: index seat - 1.
using Hands = std::array<Hand, PlayerCount>;

// Puts the hand in display order (clubs, diamonds, spades, hearts; ascending
// rank inside a suit), packs it from slot 1 and recounts CardsLeft.
void SortHand(Hand &hand);

// Position of a card in display order; lower sorts first.
int DisplayKey(Card card);

// The look-ups used throughout the game: over the first `count` slots of a list.
bool Contains(int count, std::span<const Card> list, Card card);
// The last slot 1..count holding the card, 0 when none.
int IndexOf(int count, Card card, std::span<const Card> list);
// Whether any of the first count slots holds the suit (an empty slot never matches).
bool HasSuit(int count, std::span<const Card> list, unsigned char suit);
// Puts the card into the first empty slot of a 30-slot list unless it is listed already.
void AddToList(Card card, std::array<Card, 30> &list);

} // namespace halvane
