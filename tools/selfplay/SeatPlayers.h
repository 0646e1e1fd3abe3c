#pragma once
// The players of the three seats in self-play: an "ai" seat has its own
// computer player, a "random" seat its own generator for uniformly random
// legal cards and contract orders.

#include "core/ComputerPlayer.h"
#include "core/DealState.h"
#include "core/GameState.h"

#include <array>
#include <cstdint>
#include <random>

namespace halvane::selfplay {

enum class PlayerKind { Ai, Random };

// A well-spread seed from a base seed and two numbers (seat, game, deal).
std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0);

class SeatPlayers
{
public:
    SeatPlayers(const std::array<PlayerKind, 3> &kinds, std::uint64_t seed, int samplingLimitMs);

    bool IsAi(int seat) const { return m_kinds[seat - 1] == PlayerKind::Ai; }
    // The slot the seat plays now.
    int ChooseCard(const DealState &deal, int seat);
    // The ordering button 1..8 the seat presses as deal leader.
    int ChooseOrder(const DealState &deal, const GameState &game, int seat);

private:
    static int Pick(const std::array<bool, HandSlotsUsed + 1> &allowed, std::mt19937_64 &rng);

    std::array<PlayerKind, 3> m_kinds;
    std::array<ComputerPlayer, 3> m_ai;
    std::array<std::mt19937_64, 3> m_random;
};

} // namespace halvane::selfplay
