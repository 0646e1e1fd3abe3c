#pragma once
// Ordered play: which contracts a seat has already ordered.
// Members are 1..6 (the negative contracts), 8 for the first "take tricks"
// and 7 for the second one of a long game.

#include <array>
#include <cstdint>

namespace halvane {

class OrderedSet
{
public:
    bool contains(int n) const { return n >= 1 && n <= 8 && (m_bits >> n) & 1u; }
    void insert(int n)
    {
        if (n >= 1 && n <= 8)
            m_bits |= std::uint16_t(1u << n);
    }
    void clear() { m_bits = 0; }
    bool empty() const { return m_bits == 0; }
    int size() const;
    bool operator==(const OrderedSet &) const = default;

private:
    std::uint16_t m_bits = 0;
};

using OrderedSets = std::array<OrderedSet, 3>;

// Whether dialog button 1..8 may be pressed: button k while k is not in the set.
bool OrderButtonEnabled(const OrderedSet &set, int button);
// Whether any button is enabled (a seat with nothing left cannot order).
bool CanOrder(const OrderedSet &set);

// Records choice 1..8 in the seat's set and returns the contract to play:
// every "take tricks" choice is played as contract 8. Returns 0 (and records
// nothing) for a choice whose button is disabled.
int RecordOrderChoice(OrderedSet &set, int choice, bool longGame);

// Short game: at the start of deals 10, 11 and 12 a seat that has not yet
// ordered "take tricks" keeps only that choice.
void ApplyShortGameRule(OrderedSets &sets, int dealNumber, bool longGame);

} // namespace halvane
