#pragma once
// The computer player's look-ahead for one sampled deal: every player
// maximises its own relative score. Positions are plain values copied at
// every node, so a node never changes its parent's data.

#include "Card.h"
#include "PositionTable.h"
#include "Trick.h"

#include <array>
#include <cstdint>

namespace halvane {

inline constexpr int UntriedSlot = 1000000;

// A hand inside the search: slots keep their places for the whole sample
// (played cards leave holes), with rank values beside them.
struct SearchHand {
    std::array<Card, 10> cards{};
    std::array<std::uint8_t, 10> ranks{}; // RankValue, 0 for an empty slot
    std::array<std::uint8_t, 10> suits{}; // SuitIndex, 0 for an empty slot
    std::array<std::uint16_t, 5> suitMask{}; // by SuitIndex: bit k - 1 set while slot k holds that suit
    std::uint16_t emptyMask = 0x3FF;      // bit k - 1 set while slot k is empty
    std::int8_t kingOfHearts = -1;        // slot 0..9 of "Кч" while held
    int count = 0;

    static SearchHand From(const std::array<Card, 10> &cards);
    bool holds(int slot) const { return !(emptyMask >> slot & 1u); } // slot 0..9
    std::uint16_t held() const { return std::uint16_t(~emptyMask & 0x3FFu); }
    void take(int slot)
    {
        suitMask[suits[slot]] &= std::uint16_t(~(1u << slot));
        if (kingOfHearts == slot)
            kingOfHearts = -1;
        cards[slot] = NoCard;
        ranks[slot] = 0;
        suits[slot] = 0;
        emptyMask |= std::uint16_t(1u << slot);
        --count;
    }
};

// One node. Players are numbered 0 (the computer that asked), 1 (the next
// seat) and 2 (the one after); their tags are 1, 3 and 2.
struct SearchPosition {
    std::array<SearchHand, 3> hands{};
    TrickCards trick{};
    std::array<std::uint8_t, 3> trickRanks{};
    int place = 1;  // the place the mover takes in the trick
    int mover = 0;  // player to move
    std::array<int, 3> points{}; // by player
    int countedLeft = 0; // counted cards still held, for the early stop
};

inline constexpr std::array<int, 3> PlayerTag{1, 3, 2};

struct SearchSetup {
    int contract = 0;
    bool ordered = false;
    int rootTrickNumber = 1;
    bool allowTables = true; // off only to check that the tables change no result
};

class MoveSearch
{
public:
    MoveSearch(const SearchSetup &setup, std::array<PositionTable, 10> &tables);

    // Solves the position from the root player's point of view: `values`
    // gets the root player's relative score for every slot it tried and
    // UntriedSlot elsewhere. Returns the chosen slot 0..9.
    int SearchRoot(const SearchPosition &root, std::array<int, 10> &values);

    // Sets the flags fixed for the whole search from the root position.
    void Prepare(const SearchPosition &root);
    bool Wide() const { return m_wide; }
    // The slots (bit k for slot k + 1) the mover tries at this node.
    std::uint16_t CandidateSlots(const SearchPosition &pos) const;

    std::uint64_t Nodes() const { return m_nodes; }
    // Whether the contract stops the search once no counted card is held.
    static bool StopsWhenCountedGone(int contract, bool ordered);
    static bool IsCounted(int contract, Card card);

private:
    SearchResult Node(const SearchPosition &pos, bool root, std::array<int, 10> *values);
    std::uint16_t PrunedFollowing(const SearchHand &hand, unsigned char led, bool shortOfLed,
                                  bool beaten) const;
    bool Final(const SearchPosition &pos, int cardsLeft) const;
    SearchResult LastTrick(const SearchPosition &pos);

    SearchSetup m_setup;
    std::array<PositionTable, 10> &m_tables;
    bool m_limited = false;   // three tricks from the root in the first four tricks
    bool m_wide = false;      // following players' moves are pruned
    bool m_useTables = false; // root player holds more than 4 cards
    bool m_stopsWhenCountedGone = false;
    bool m_heartContract = false;
    int m_horizon = -1;       // cards left at which a limited search stops
    std::uint64_t m_nodes = 0;
};

} // namespace halvane
