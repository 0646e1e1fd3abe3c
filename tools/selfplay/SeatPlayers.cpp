#include "SeatPlayers.h"

namespace halvane::selfplay {

std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t a, std::uint64_t b)
{
    std::uint64_t x = seed ^ (a * 0x9E3779B97F4A7C15ull) ^ (b * 0xC2B2AE3D27D4EB4Full);
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    return x;
}

SeatPlayers::SeatPlayers(const std::array<PlayerKind, 3> &kinds, std::uint64_t seed, int samplingLimitMs)
    : m_kinds(kinds)
{
    for (int s = 0; s < 3; ++s) {
        m_ai[s].Reseed(MixSeed(seed, 101, s));
        m_ai[s].SetSamplingLimit(samplingLimitMs);
        m_random[s].seed(MixSeed(seed, 202, s));
    }
}

int SeatPlayers::ChooseCard(const DealState &deal, int seat)
{
    if (IsAi(seat))
        return m_ai[seat - 1].EvaluateMove(MovePosition::Of(deal, seat)).slot;
    return Pick(deal.LegalSlots(seat), m_random[seat - 1]);
}

int SeatPlayers::ChooseOrder(const DealState &deal, const GameState &game, int seat)
{
    const OrderedSet &set = game.orderedSets[seat - 1];
    if (IsAi(seat))
        return m_ai[seat - 1].ChooseOrder(deal, seat, set);
    std::array<bool, HandSlotsUsed + 1> open{};
    for (int b = 1; b <= 8; ++b)
        open[b] = OrderButtonEnabled(set, b);
    return Pick(open, m_random[seat - 1]);
}

int SeatPlayers::Pick(const std::array<bool, HandSlotsUsed + 1> &allowed, std::mt19937_64 &rng)
{
    std::array<int, HandSlotsUsed> choices{};
    int n = 0;
    for (int i = 1; i <= HandSlotsUsed; ++i)
        if (allowed[i])
            choices[n++] = i;
    if (n == 0)
        return 0;
    return choices[std::uniform_int_distribution<int>(0, n - 1)(rng)];
}

} // namespace halvane::selfplay
