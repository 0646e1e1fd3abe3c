#pragma once
// Smooth value noise for the drawn textures (felt, cloth, wood, marble).

#include <cstdint>

namespace halvane::art {

class ValueNoise
{
public:
    explicit ValueNoise(uint32_t seed) : m_seed(seed) {}
    // -1 .. 1, smooth between integer lattice points.
    double at(double x, double y) const;
    // Sum of `octaves` layers, each twice as fine and half as strong.
    double fractal(double x, double y, int octaves) const;

private:
    double lattice(int x, int y) const;
    uint32_t m_seed;
};

} // namespace halvane::art
