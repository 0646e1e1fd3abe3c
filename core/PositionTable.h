#pragma once
// The computer player's memory of positions solved within one sample.
// An entry stands for the start of a trick: the three hands (by their empty
// slots), the points of mover, next and after-next, and the mover's tag; it
// keeps the six result numbers of that position. One table per card count,
// each taking entries while it holds 48 000 or fewer; all are emptied before
// every sample. Open addressing with a generation stamp, so emptying costs nothing.

#include <array>
#include <cstdint>
#include <vector>

namespace halvane {

// The result of a search node: relative scores and points of the three
// players (indexed by player, which stands for their tags).
struct SearchResult {
    std::array<std::int16_t, 3> relative{};
    std::array<std::int16_t, 3> points{};
};

class PositionTable
{
public:
    static constexpr int EntryLimit = 48000; // entries are added while the table holds this many or fewer

    // Packs the keys of an entry: three 10-bit masks of empty slots, the tag and three points.
    // Returns false when the points lie outside what a key can hold (never in a real deal).
    static bool MakeKey(const std::array<std::uint16_t, 3> &emptyMasks, int moverTag,
                        const std::array<int, 3> &points, std::uint64_t &key);

    void Clear();
    const SearchResult *Find(std::uint64_t key) const;
    // Adds the entry unless the table is full.
    void Store(std::uint64_t key, const SearchResult &result);
    int Count() const { return m_count; }

private:
    struct Slot {
        std::uint64_t key = 0;
        std::uint32_t generation = 0;
        SearchResult result;
    };
    static std::size_t Hash(std::uint64_t key);
    void Grow();

    std::vector<Slot> m_slots;
    std::uint32_t m_generation = 1;
    int m_count = 0;
};

} // namespace halvane
