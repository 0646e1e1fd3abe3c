#pragma once
// One deal as a plain copyable value: the hands, the trick on the table, the
// points and what has been revealed. The game flow and the self-play tool both
// drive a deal through these operations, so the rules live in one place.

#include "Hand.h"
#include "Knowledge.h"
#include "Rules.h"
#include "Scoring.h"
#include "Trick.h"

namespace halvane {

// The deal's part of the flow's Turn: 1..3 that seat plays next,
// TrickComplete waiting for the trick to be collected, DealOver when it has ended.
namespace DealTurn {
inline constexpr int TrickComplete = 4;
inline constexpr int DealOver = 5;
} // namespace DealTurn

struct DealState {
    Hands hands{};           // seat s = hands[s - 1], in display order
    int contract = 0;        // 0 until ordered in ordered play
    bool ordered = false;    // OrderedKing
    int dealLeader = 1;      // led the first trick
    int leader = 1;          // leads the current trick; after it is resolved, its winner
    Trick trick{};           // on the table; trick.leader is TrickLeader
    int trickNumber = 1;     // 1..10
    int turn = 1;            // 1..3, DealTurn::TrickComplete or DealTurn::DealOver
    DealPoints points{};
    KnownAbsent knownAbsent{};
    SeatPoints tricksTaken{};      // tricks won per seat
    std::array<CardList, 3> taken{}; // the cards of the tricks each seat won
    int lastWinner = 0;      // seat that won the latest resolved trick, 0 before the first
    bool early = false;      // ended by DealDecided before the hands were empty

    // Lays out a deal with its hands (sorted here) and first leader.
    static DealState Begin(const Hands &hands, int dealLeader, int contract, bool ordered);

    // IsLegal for the seat's slot in the current trick (NoCardInSlot also
    // when it is not that seat's turn).
    int Legality(int seat, int slot) const;
    // Plays the card if legal and returns the IsLegal result. After the third
    // card the trick is resolved: the winner leads next and is scored.
    int PlayCard(int seat, int slot);
    // Clears the complete trick; the deal is over when DealDecided or every
    // hand is empty. Returns the seat to play next, or DealTurn::DealOver.
    int CollectTrick();

    bool TrickComplete() const { return turn == DealTurn::TrickComplete; }
    bool Over() const { return turn == DealTurn::DealOver; }
    // The seat's place 1..3 in the current trick.
    int PlaceOf(int seat) const { return PlaceInTrick(trick.leader, seat); }
    // Every slot 1..10 of the seat that may be played now (empty when it is not its turn).
    std::array<bool, HandSlotsUsed + 1> LegalSlots(int seat) const;
};

} // namespace halvane
