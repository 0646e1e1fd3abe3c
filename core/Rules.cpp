#include "Rules.h"

#include "Contract.h"

namespace halvane {

namespace {
bool HoldsOtherThanHearts(const Hand &hand)
{
    for (Card c : hand.cards)
        if (!c.isEmpty() && c.suit != SuitChar::Hearts)
            return true;
    return false;
}
} // namespace

int IsLegal(const Hand &hand, int slot, const Trick &trick, int contract)
{
    const Card card = hand.card(slot);
    if (card.isEmpty())
        return Legality::NoCardInSlot;
    if (trick.position <= 1) {
        if (IsHeartContract(contract) && card.suit == SuitChar::Hearts && HoldsOtherThanHearts(hand))
            return Legality::HeartLead;
        return Legality::Legal;
    }
    const unsigned char led = trick.ledSuit();
    const bool holdsLed = HasSuit(HandSlotsUsed, hand.cards, led);
    if (holdsLed && card.suit != led)
        return Legality::MustFollow;
    if (!holdsLed && Contains(HandSlotsUsed, hand.cards, KingOfHearts) && card != KingOfHearts)
        return Legality::MustPlayKing;
    return Legality::Legal;
}

bool DealDecided(int contract, bool ordered, const DealPoints &points)
{
    const int sum = points[0] + points[1] + points[2];
    if (contract >= Contracts::NoBoys && contract <= Contracts::NoKing)
        return sum == -40;
    if (!ordered && contract >= Contracts::TakeBoys && contract <= Contracts::TakeKing)
        return sum == 40;
    return false;
}

bool CountedCardLeft(int contract, std::span<const Card> cards)
{
    const int kind = contract >= Contracts::TakeBoys ? contract - 7 : contract;
    if (kind < Contracts::NoBoys || kind > Contracts::NoKing || contract == Contracts::Eralash)
        return true;
    for (Card c : cards) {
        if (c.isEmpty())
            continue;
        switch (kind) {
        case Contracts::NoBoys: if (c.rank == RankChar::King) return true; break;
        case Contracts::NoGirls: if (c.rank == RankChar::Queen) return true; break;
        case Contracts::NoHearts: if (c.suit == SuitChar::Hearts) return true; break;
        case Contracts::NoKing: if (c == KingOfHearts) return true; break;
        default: break;
        }
    }
    return false;
}

} // namespace halvane
