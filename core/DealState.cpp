#include "DealState.h"

namespace halvane {

DealState DealState::Begin(const Hands &hands, int dealLeader, int contract, bool ordered)
{
    DealState deal;
    deal.hands = hands;
    for (Hand &hand : deal.hands)
        SortHand(hand);
    deal.contract = contract;
    deal.ordered = ordered;
    deal.dealLeader = deal.leader = deal.turn = dealLeader;
    deal.trick.leader = dealLeader;
    return deal;
}

int DealState::Legality(int seat, int slot) const
{
    if (seat < 1 || seat > 3 || turn != seat)
        return Legality::NoCardInSlot;
    return IsLegal(hands[seat - 1], slot, trick, contract);
}

std::array<bool, HandSlotsUsed + 1> DealState::LegalSlots(int seat) const
{
    std::array<bool, HandSlotsUsed + 1> legal{};
    for (int slot = 1; slot <= HandSlotsUsed; ++slot)
        legal[slot] = Legality(seat, slot) == Legality::Legal;
    return legal;
}

int DealState::PlayCard(int seat, int slot)
{
    const int verdict = Legality(seat, slot);
    if (verdict != Legality::Legal)
        return verdict;
    Hand &hand = hands[seat - 1];
    const int position = trick.position;
    trick.cards[position - 1] = hand.card(slot);
    hand.removeSlot(slot);
    SortHand(hand);
    UpdateKnowledge(position, trick.cards, trick.leader, knownAbsent);
    ++trick.position;
    if (!trick.complete()) {
        turn = NextSeat(seat);
        return verdict;
    }
    const int winner = SeatAtPosition(trick.leader, TrickWinner(trick.cards));
    points[winner - 1] =
        ScoreTrick(hands[winner - 1].cardsLeft, contract, trick.cards, ordered, points[winner - 1]);
    leader = lastWinner = winner;
    ++tricksTaken[winner - 1];
    for (Card c : trick.cards)
        AddToList(c, taken[winner - 1]);
    turn = DealTurn::TrickComplete;
    return verdict;
}

int DealState::CollectTrick()
{
    if (turn != DealTurn::TrickComplete)
        return turn;
    trick = Trick{};
    trick.leader = leader;
    ++trickNumber;
    const bool empty = hands[0].cardsLeft == 0 && hands[1].cardsLeft == 0 && hands[2].cardsLeft == 0;
    if (empty || DealDecided(contract, ordered, points)) {
        early = !empty;
        turn = DealTurn::DealOver;
    } else {
        turn = leader;
    }
    return turn;
}

} // namespace halvane
