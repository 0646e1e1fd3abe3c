#pragma once
// The seat of the person at this machine. Cards arrive from the mouse: the
// window offers the slot it has checked and asks the flow to take it; the
// contract order comes from the order dialog, asked through a callback.

#include "SeatInput.h"

#include <functional>

namespace halvane {

class LocalSeat : public SeatInput
{
public:
    // Shows the order dialog and returns the pressed button 1..8.
    using AskOrder = std::function<int(const OrderChoices &open)>;

    void SetAskOrder(AskOrder ask) { m_askOrder = std::move(ask); }
    // The slot the player clicked; the next TakeCard hands it over once.
    void Offer(int slot) { m_offered = slot; }

    int TakeCard(const GameFlowState &, int) override;
    int TakeOrder(const GameFlowState &, int, const OrderChoices &open) override;
    void DealStarted() override { m_offered = 0; }

private:
    AskOrder m_askOrder;
    int m_offered = 0;
};

} // namespace halvane
