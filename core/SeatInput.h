#pragma once
// One input interface for every seat: the local mouse, the computer player, a
// LAN peer or an online table all answer the same two questions, so the game
// flow never asks what kind of seat it is talking to.

#include <array>

namespace halvane {

struct GameFlowState;

// Which of the order dialog's buttons 1..8 are still open to the seat (index 0 unused).
using OrderChoices = std::array<bool, 9>;

class SeatInput
{
public:
    virtual ~SeatInput() = default;

    // Asked while it is this seat's turn to play a card, on every heartbeat and
    // whenever the seat reports that its input has arrived. Returns the hand
    // slot 1..10 to play now, or 0 while the choice is not there yet. A slot
    // returned here must be legal; the flow refuses (and forgets) one that is not.
    virtual int TakeCard(const GameFlowState &state, int seat) = 0;

    // Asked while this seat must order the contract of the deal (ordered play).
    // Returns the chosen button 1..8 (one that `open` allows), or 0 while pending.
    virtual int TakeOrder(const GameFlowState &state, int seat, const OrderChoices &open) = 0;

    // A new deal was laid out: drop any input left from the previous one.
    virtual void DealStarted() {}
};

} // namespace halvane
