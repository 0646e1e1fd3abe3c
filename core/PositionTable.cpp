#include "PositionTable.h"

namespace halvane {

namespace {
constexpr std::size_t InitialSlots = 1024;
constexpr int PointBias = 256; // points -256..255 fit in 9 bits
} // namespace

bool PositionTable::MakeKey(const std::array<std::uint16_t, 3> &emptyMasks, int moverTag,
                            const std::array<int, 3> &points, std::uint64_t &key)
{
    std::uint64_t k = 0;
    for (std::uint16_t mask : emptyMasks)
        k = (k << 10) | (mask & 0x3FFu);
    k = (k << 2) | std::uint64_t(moverTag & 3);
    for (int p : points) {
        const int biased = p + PointBias;
        if (biased < 0 || biased > 511)
            return false;
        k = (k << 9) | std::uint64_t(biased);
    }
    key = k;
    return true;
}

std::size_t PositionTable::Hash(std::uint64_t key)
{
    key ^= key >> 31;
    key *= 0x9E3779B97F4A7C15ull;
    key ^= key >> 29;
    return std::size_t(key);
}

void PositionTable::Clear()
{
    m_count = 0;
    if (++m_generation == 0) { // wrapped: stale stamps could match again
        for (Slot &slot : m_slots)
            slot.generation = 0;
        m_generation = 1;
    }
}

const SearchResult *PositionTable::Find(std::uint64_t key) const
{
    if (m_count == 0)
        return nullptr;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.generation != m_generation)
            return nullptr;
        if (slot.key == key)
            return &slot.result;
    }
}

void PositionTable::Store(std::uint64_t key, const SearchResult &result)
{
    if (m_count > EntryLimit)
        return;
    if (std::size_t(m_count + 1) * 2 > m_slots.size())
        Grow();
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
        Slot &slot = m_slots[i];
        if (slot.generation != m_generation) {
            slot = Slot{key, m_generation, result};
            ++m_count;
            return;
        }
        if (slot.key == key)
            return; // the first entry of a position is the one found
    }
}

void PositionTable::Grow()
{
    std::vector<Slot> old;
    old.swap(m_slots);
    m_slots.assign(old.empty() ? InitialSlots : old.size() * 2, Slot{});
    const std::uint32_t generation = m_generation;
    m_count = 0;
    for (const Slot &slot : old)
        if (slot.generation == generation) {
            const std::size_t mask = m_slots.size() - 1;
            std::size_t i = Hash(slot.key) & mask;
            while (m_slots[i].generation == generation)
                i = (i + 1) & mask;
            m_slots[i] = slot;
            ++m_count;
        }
}

} // namespace halvane
