#include "RecolourPng.h"

#include "ScaleState.h"

#include <algorithm>
#include <cstdlib>

namespace halvane {

QRgb RecolourPixel(QRgb pixel, int kind)
{
    int r = qRed(pixel);
    int g = qGreen(pixel);
    int b = qBlue(pixel);
    switch (kind) {
    case 2:
        if (g < r && b < r) {
            b = RoundHalfEven(std::min(b, g) * 0.7);
            g = b + RoundHalfEven(std::abs(r - b) * 0.4);
        }
        break;
    case 3: g = r; break;
    case 4: std::swap(r, g); break;
    case 5: {
        const int oldR = r;
        r = b;
        g = oldR;
        b = oldR;
        break;
    }
    case 6: std::swap(r, b); break;
    case 7: b = r; break;
    case 8: r = g = b = RoundHalfEven(0.3 * r + 0.59 * g + 0.11 * b); break;
    default: break;
    }
    return qRgba(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255), qAlpha(pixel));
}

void RecolourPng(QImage &png, int kind)
{
    if (png.isNull() || kind <= 1 || kind > 8)
        return;
    png = png.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < png.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(png.scanLine(y));
        for (int x = 0; x < png.width(); ++x)
            line[x] = RecolourPixel(line[x], kind);
    }
}

} // namespace halvane
