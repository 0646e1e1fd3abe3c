#include "GameFlowState.h"

namespace halvane {

std::array<Card, 3> GameFlowState::TrickBySeat() const
{
    std::array<Card, 3> bySeat{};
    for (int p = 1; p <= 3; ++p)
        bySeat[SeatAtPosition(Deal.trick.leader, p) - 1] = Deal.trick.card(p);
    return bySeat;
}

} // namespace halvane
