#include "ComputerSeat.h"

#include "GameFlowState.h"

namespace halvane {

void ComputerSeat::Done() const
{
    if (m_progress)
        m_progress(-1);
}

void ComputerSeat::Run(int cardsHeld, const std::function<void()> &decide)
{
    if (m_runner)
        m_runner(cardsHeld, decide);
    else
        decide();
}

int ComputerSeat::TakeCard(const GameFlowState &state, int seat)
{
    const auto legal = state.Deal.LegalSlots(seat);
    // The decision works on its own copy of the position.
    const MovePosition position = MovePosition::Of(state.Deal, seat);
    MoveChoice choice;
    Run(position.hand.cardsLeft, [&] { choice = m_player.EvaluateMove(position, m_progress); });
    Done();
    if (choice.slot >= 1 && choice.slot <= HandSlotsUsed && legal[choice.slot])
        return choice.slot;
    // The search always answers with a legal slot; should it ever not, the
    // lowest legal card keeps the game going.
    for (int slot = 1; slot <= HandSlotsUsed; ++slot)
        if (legal[slot])
            return slot;
    return 0;
}

int ComputerSeat::TakeOrder(const GameFlowState &state, int seat, const OrderChoices &open)
{
    const DealState deal = state.Deal;
    const OrderedSet ordered = state.Game.orderedSets[seat - 1];
    int choice = 0;
    Run(deal.hands[size_t(seat - 1)].cardsLeft, [&] { choice = m_player.ChooseOrder(deal, seat, ordered, m_progress); });
    Done();
    if (choice >= 1 && choice <= 8 && open[choice])
        return choice;
    for (int k = 1; k <= 8; ++k)
        if (open[k])
            return k;
    return 0;
}

} // namespace halvane
