#pragma once
// The 30-card deck, the shuffle and deal, and the first lead of a deal.

#include "Hand.h"

#include <array>
#include <cstdint>

namespace halvane {

inline constexpr int DeckSize = 30;
using Deck = std::array<Card, DeckSize>;

// The deck index table: index i (1-based) is DeckIndexTable()[i - 1].
const Deck &DeckIndexTable();

struct DealResult {
    Deck deck{};   // deck slot i holds the card of index permutation[i]
    Hands hands{}; // seat s = hands[s - 1], each in display order
};

// A seed from the clock, as every deal of a real game uses.
std::uint64_t ClockSeed();

// Shuffles by drawing 1..30 until unused for each position, then deals slots
// 1..10 to seat 1, 11..20 to seat 2 and 21..30 to seat 3, each hand sorted.
// The same seed always gives the same deal.
DealResult ShuffleAndDeal(std::uint64_t seed);

enum class GameKind { Computer, Lan, Online };

// The seat that leads the first trick and, in ordered play, orders the contract.
// Against the computer: (kon + dealNumber) mod 3 gives seat 1, 2 or 3 (0 -> 3).
int DealLeader(int kon, int dealNumber);
// In LAN and online games the first lead goes to network seat (dealNumber mod 3) + 1.
int NetworkDealLeader(int dealNumber);
// On a machine in network seat m, table seat p holds network seat ((m + p - 1) mod 3) + 1.
int NetworkSeatAt(int ownNetworkSeat, int tableSeat);
// The inverse: the table seat where network seat n sits on machine m.
int TableSeatOf(int ownNetworkSeat, int networkSeat);
// The table seat that leads, for any kind of game (ownNetworkSeat unused against the computer).
int DealLeader(GameKind kind, int kon, int dealNumber, int ownNetworkSeat);

} // namespace halvane
