#include "ComputerSeat.h"

#include "GameFlowState.h"

namespace halvane {

int ComputerSeat::TakeCard(const GameFlowState &state, int seat)
{
    const auto legal = state.Deal.LegalSlots(seat);
    for (int slot = 1; slot <= HandSlotsUsed; ++slot)
        if (legal[slot])
            return slot;
    return 0;
}

int ComputerSeat::TakeOrder(const GameFlowState &, int, const OrderChoices &open)
{
    for (int k = 1; k <= 8; ++k)
        if (open[k])
            return k;
    return 0;
}

} // namespace halvane
