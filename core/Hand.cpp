#include "Hand.h"

#include <algorithm>

namespace halvane {

Card Hand::card(int slot) const
{
    if (slot < 1 || slot > HandSlotsUsed)
        return NoCard;
    return cards[slot - 1];
}

void Hand::setCard(int slot, Card c)
{
    if (slot >= 1 && slot <= HandSlotsUsed)
        cards[slot - 1] = c;
}

void Hand::removeSlot(int slot)
{
    if (card(slot).isEmpty())
        return;
    setCard(slot, NoCard);
    --cardsLeft;
}

int DisplayKey(Card card)
{
    if (card.isEmpty())
        return 1000;
    int suitOrder = 4;
    switch (card.suit) {
    case SuitChar::Clubs: suitOrder = 0; break;
    case SuitChar::Diamonds: suitOrder = 1; break;
    case SuitChar::Spades: suitOrder = 2; break;
    case SuitChar::Hearts: suitOrder = 3; break;
    default: break;
    }
    return suitOrder * 100 + RankValue(card);
}

void SortHand(Hand &hand)
{
    std::array<Card, HandSlotsUsed> packed{};
    int n = 0;
    for (Card c : hand.cards)
        if (!c.isEmpty())
            packed[n++] = c;
    std::stable_sort(packed.begin(), packed.begin() + n,
                     [](Card a, Card b) { return DisplayKey(a) < DisplayKey(b); });
    hand.cards = packed;
    hand.cardsLeft = n;
}

bool Contains(int count, std::span<const Card> list, Card card)
{
    return IndexOf(count, card, list) != 0;
}

int IndexOf(int count, Card card, std::span<const Card> list)
{
    const int n = std::min<int>(count, int(list.size()));
    for (int i = n; i >= 1; --i)
        if (list[i - 1] == card)
            return i;
    return 0;
}

bool HasSuit(int count, std::span<const Card> list, unsigned char suit)
{
    const int n = std::min<int>(count, int(list.size()));
    for (int i = 0; i < n; ++i)
        if (!list[i].isEmpty() && list[i].suit == suit)
            return true;
    return false;
}

void AddToList(Card card, std::array<Card, 30> &list)
{
    if (Contains(30, list, card))
        return;
    for (Card &slot : list)
        if (slot.isEmpty()) {
            slot = card;
            return;
        }
}

} // namespace halvane
