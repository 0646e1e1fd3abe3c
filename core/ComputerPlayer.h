#pragma once
// The computer player: samples the unseen cards consistently with what the
// play has revealed, solves every sample with MoveSearch and plays the card
// with the best total. The same machinery values the contracts to order.
//
// Deterministic for a given seed and sequence of calls; a real game seeds it
// from the clock (ClockSeed). The search works on copies only.

#include "DealState.h"
#include "GameState.h"
#include "MoveSearch.h"
#include "PositionTable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <random>

namespace halvane {

// Called before every sample with the share of samples done (0..100), for
// the progress frame.
using ThinkingProgress = std::function<void(int percent)>;

// Everything one decision may know: the own hand, the table and public knowledge.
struct MovePosition {
    int seat = 1;
    Hand hand{};
    int place = 1;         // the seat's place in the trick
    bool ordered = false;  // OrderedKing
    int contract = 0;
    int trickNumber = 1;
    TrickCards trick{};    // the cards already in the trick
    DealPoints points{};   // by seat
    KnownAbsent knownAbsent{};
    std::array<int, 3> cardsLeft{}; // by seat

    // The position of `seat` in a deal (the seat whose turn it is, normally).
    static MovePosition Of(const DealState &deal, int seat);
};

struct MoveChoice {
    int slot = 0;           // 1..10
    long long value = 0;    // the best total (used for ordering)
    int samples = 0;        // samples that counted
    std::uint64_t nodes = 0;
};

// Whether a decision shows the wait cursor: from 4 cards in hand on.
constexpr bool ShowsWaitCursor(int cardsHeld) { return cardsHeld >= 4; }
// Samples by the number of cards in the computer's hand.
int SampleCount(int cardsHeld);
// Integer division rounded to the nearest, a half to the even neighbour.
long long DivideRoundHalfEven(long long numerator, long long denominator);

class ComputerPlayer
{
public:
    static constexpr int SamplingLimitMs = 10000;

    explicit ComputerPlayer(std::uint64_t seed = 0) : m_rng(seed) {}
    void Reseed(std::uint64_t seed) { m_rng.seed(seed); }
    // Testing and tools may shorten the sampling limit.
    void SetSamplingLimit(int ms) { m_limitMs = ms; }

    // Chooses a slot of the position's hand.
    MoveChoice EvaluateMove(const MovePosition &position, const ThinkingProgress &progress = {});

    // Ordered play: the dialog button 1..8 the seat presses as deal leader of
    // `deal` (its hand, trick 1), given what it has ordered so far.
    int ChooseOrder(const DealState &deal, int seat, const OrderedSet &ordered,
                    const ThinkingProgress &progress = {});

    // Draws one sample of the two opponents' hands (A = the next seat, B =
    // the other) into `hands` (indexed by seat). Exposed for tests.
    void DealSample(const MovePosition &position, std::array<std::array<Card, 10>, 3> &hands);

private:
    std::mt19937_64 m_rng;
    int m_limitMs = SamplingLimitMs;
    std::array<PositionTable, 10> m_tables;
};

} // namespace halvane
