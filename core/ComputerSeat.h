#pragma once
// A seat played by this machine's computer player: it answers within the
// heartbeat tick that asks it, reporting its progress while it thinks.

#include "ComputerPlayer.h"
#include "SeatInput.h"

#include <cstdint>
#include <functional>

namespace halvane {

class ComputerSeat : public SeatInput
{
public:
    // A real game seeds from the clock; tests pass a fixed seed to replay.
    explicit ComputerSeat(std::uint64_t seed = ClockSeed()) : m_player(seed) {}

    // Percent 0..100 while the decision runs, -1 when it is over.
    using Progress = std::function<void(int percent)>;
    void SetProgress(Progress progress) { m_progress = std::move(progress); }
    // Tests may shorten the sampling limit of the search.
    void SetSamplingLimit(int ms) { m_player.SetSamplingLimit(ms); }

    int TakeCard(const GameFlowState &state, int seat) override;
    int TakeOrder(const GameFlowState &state, int seat, const OrderChoices &open) override;

private:
    void Done() const;

    ComputerPlayer m_player;
    Progress m_progress;
};

} // namespace halvane
