#include "Knowledge.h"

#include "Hand.h"

namespace halvane {

void UpdateKnowledge(int position, const TrickCards &trick, int trickLeader, KnownAbsent &knownAbsent)
{
    if (position < 1 || position > 3)
        return;
    const Card played = trick[position - 1];
    if (played.isEmpty())
        return;
    for (CardList &list : knownAbsent)
        AddToList(played, list);
    const unsigned char led = trick[0].suit;
    if (position == 1 || played.suit == led)
        return;
    CardList &list = knownAbsent[SeatAtPosition(trickLeader, position) - 1];
    const int lowest = (led == SuitChar::Hearts || led == SuitChar::Diamonds) ? 1 : 2;
    for (int rank = lowest; rank <= 8; ++rank)
        AddToList(Card(RankCharOf(rank), led), list);
}

int ListCount(const CardList &list)
{
    int n = 0;
    for (Card c : list)
        n += !c.isEmpty();
    return n;
}

} // namespace halvane
