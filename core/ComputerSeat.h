#pragma once
// A seat played by this machine's computer player: it answers within the
// heartbeat tick that asks it, reporting its progress while it thinks. The
// decision itself goes through a runner, so the window can search on another
// thread and keep painting; the default runs it at once.

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
    // Runs `decide` once and returns when it is done. `cardsHeld` is the
    // size of the hand the decision is about (the wait cursor shows from 4).
    // The progress is reported from inside `decide`, on the thread it runs on.
    using Runner = std::function<void(int cardsHeld, const std::function<void()> &decide)>;
    void SetRunner(Runner runner) { m_runner = std::move(runner); }
    // Tests may shorten the sampling limit of the search.
    void SetSamplingLimit(int ms) { m_player.SetSamplingLimit(ms); }

    int TakeCard(const GameFlowState &state, int seat) override;
    int TakeOrder(const GameFlowState &state, int seat, const OrderChoices &open) override;

private:
    void Done() const;
    void Run(int cardsHeld, const std::function<void()> &decide);

    ComputerPlayer m_player;
    Progress m_progress;
    Runner m_runner;
};

} // namespace halvane
