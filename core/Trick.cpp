#include "Trick.h"

namespace halvane {

int TrickWinner(const TrickCards &trick)
{
    const unsigned char led = trick[0].suit;
    int best = 1;
    for (int pos = 2; pos <= 3; ++pos) {
        const Card c = trick[pos - 1];
        if (c.suit == led && RankValue(c) > RankValue(trick[best - 1]))
            best = pos;
    }
    return best;
}

} // namespace halvane
