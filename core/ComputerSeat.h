#pragma once
// A seat played by this machine's computer player: it answers within the
// heartbeat tick that asks it, reporting its progress while it thinks.

#include "SeatInput.h"

#include <functional>

namespace halvane {

class ComputerSeat : public SeatInput
{
public:
    // Percent 0..100 while the decision runs, -1 when it is over.
    using Progress = std::function<void(int percent)>;
    void SetProgress(Progress progress) { m_progress = std::move(progress); }

    int TakeCard(const GameFlowState &state, int seat) override;
    int TakeOrder(const GameFlowState &state, int seat, const OrderChoices &open) override;

private:
    Progress m_progress;
};

} // namespace halvane
