#include "Noise.h"

#include <cmath>

namespace halvane::art {

double ValueNoise::lattice(int x, int y) const
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + m_seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x7FFFFF) - 1.0;
}

double ValueNoise::at(double x, double y) const
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = lattice(ix, iy), b = lattice(ix + 1, iy);
    const double c = lattice(ix, iy + 1), d = lattice(ix + 1, iy + 1);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double ValueNoise::fractal(double x, double y, int octaves) const
{
    double sum = 0, amplitude = 0.5, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * at(x * frequency, y * frequency);
        amplitude *= 0.5;
        frequency *= 2;
    }
    return sum;
}

} // namespace halvane::art
