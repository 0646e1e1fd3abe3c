#include "ButtonTint.h"

#include "ScaleState.h"

#include <cmath>

namespace halvane {

namespace {

std::vector<QRgb> parseRows(const char *hex)
{
    std::vector<QRgb> rows;
    const QStringList words = QString::fromLatin1(hex).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &w : words)
        rows.push_back(0xFF000000u | w.toUInt(nullptr, 16));
    return rows;
}

int lighten(int v, int light)
{
    return light == 0 ? v : std::clamp(RoundHalfEven(v + (255 - v) * light / 100.0), 0, 255);
}

// The channel swap of a tint, on a red source pixel.
void swapChannels(int &r, int &g, int &b, TColorSB tint)
{
    const int R = r, G = g, B = b;
    switch (tint) {
    case TColorSB::DRed: break;
    case TColorSB::DGreen: r = G; g = R; b = B; break;
    case TColorSB::DBlue: r = B; g = R; b = R; break;
    case TColorSB::DNavy: r = B; g = G; b = R; break;
    case TColorSB::DYellow: r = R; g = R; b = B; break;
    case TColorSB::DViolet: r = R; g = G; b = R; break;
    case TColorSB::DOrang:
        if (R > G && R > B) {
            b = RoundHalfEven(0.7 * B);
            g = b + RoundHalfEven((R - b) * 0.4);
        }
        break;
    case TColorSB::DCards: r = RoundHalfEven(0.7 * R); g = 0; b = R; break;
    }
}

} // namespace

int HeightIndexOf(int height)
{
    return height == 30 ? 1 : height == 45 ? 2 : height == 60 ? 3 : 0;
}

int CapWidthFor(int height)
{
    if (height <= 30)
        return RoundHalfEven(8.0 * height / 30);
    if (height <= 45)
        return RoundHalfEven(13.0 * height / 45);
    return RoundHalfEven(17.0 * height / 60);
}

QString ButtonPieceName(int height, bool nuvo, char part)
{
    const char *size = height <= 30 ? "29" : height <= 45 ? "44" : "59";
    return QLatin1String(nuvo ? "Q" : "R") + QLatin1String(size) + QLatin1Char('_') + QLatin1Char(part);
}

const std::vector<QRgb> &ButtonRowColours(int height)
{
    static const std::vector<QRgb> rows30 = parseRows(
        "800000 110000 875B5B E8ADAD DFA3A3 D79999 CF9191 C88888 C27F7F BC7575 B86C6C B46363 B25959 B05050 982424 "
        "880000 900000 990000 A10000 AA0000 B20000 BB0000 C30000 CC0000 D40000 DD0000 E50000 EE0000 800000");
    static const std::vector<QRgb> rows45 = parseRows(
        "800000 0B0000 845D5D EFB4B4 E9AFAF E3A9A9 DDA2A2 D79C9C D29696 CE9090 C98B8B C48585 C17F7F BD7979 BA7373 "
        "B76D6D B56767 B26161 B25B5B B05555 B04F4F AF4A4A 992222 880000 8D0000 930000 990000 9E0000 A40000 AA0000 "
        "AF0000 B50000 BB0000 C00000 C60000 CC0000 D10000 D70000 DD0000 E30000 E80000 EE0000 F40000 800000");
    static const std::vector<QRgb> rows60 = parseRows(
        "800000 090000 835E5E F3B7B7 EDB2B2 E8AEAE E4A9A9 E0A5A5 DB9F9F D69C9C D29797 CE9393 CA8E8E C78A8A C48686 "
        "C18181 BE7D7D BD7878 B97474 B76F6F B56B6B B46666 B16161 B05D5D AF5959 AE5454 AD5050 AC4B4B AC4747 962121 "
        "840000 880000 8C0000 900000 940000 990000 9D0000 A10000 A50000 AA0000 AE0000 B20000 B60000 BB0000 BF0000 "
        "C30000 C80000 CC0000 D00000 D40000 D90000 DD0000 E10000 E50000 EA0000 EE0000 F20000 F60000 800000");
    static const std::vector<QRgb> none;
    switch (height) {
    case 30: return rows30;
    case 45: return rows45;
    case 60: return rows60;
    default: return none;
    }
}

QRgb TintButtonColour(QRgb colour, TColorSB tint, int light)
{
    if (tint == TColorSB::DRed && light == 0)
        return colour;
    int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    swapChannels(r, g, b, tint);
    return qRgba(lighten(r, light), lighten(g, light), lighten(b, light), qAlpha(colour));
}

void TintButtonImage(QImage &png, TColorSB tint, bool nuvo, int light)
{
    if (png.format() != QImage::Format_ARGB32)
        png = png.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < png.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(png.scanLine(y));
        for (int x = 0; x < png.width(); ++x) {
            const QRgb c = line[x];
            int r = qRed(c), g = qGreen(c), b = qBlue(c);
            if (!nuvo) {
                line[x] = TintButtonColour(c, tint, light);
                continue;
            }
            const double e = std::sqrt(double((r - 255) * (r - 255) + g * g + b * b));
            const bool nearRed = e < 180;
            if (tint == TColorSB::DCards) {
                if (!nearRed)
                    continue;
                const int R = r, G = g;
                r = RoundHalfEven(0.6 * R);
                g = RoundHalfEven(0.7 * G);
                b = R;
            } else {
                swapChannels(r, g, b, tint);
            }
            if (nearRed) {
                r = lighten(r, light);
                g = lighten(g, light);
                b = lighten(b, light);
            }
            line[x] = qRgba(r, g, b, qAlpha(c));
        }
    }
}

QRgb FocusOutlineColour(TColorSB tint)
{
    switch (tint) {
    case TColorSB::DRed: return qRgb(255, 200, 200);
    case TColorSB::DGreen: return qRgb(200, 200, 255);
    case TColorSB::DBlue: return qRgb(200, 255, 200);
    case TColorSB::DNavy: return qRgb(200, 255, 200);
    case TColorSB::DYellow: return qRgb(255, 200, 200);
    case TColorSB::DViolet: return qRgb(255, 255, 200);
    case TColorSB::DOrang: return qRgb(255, 128, 64);
    case TColorSB::DCards: return qRgb(200, 175, 50);
    }
    return qRgb(255, 200, 200);
}

QRgb FocusDotColour(TColorSB tint)
{
    switch (tint) {
    case TColorSB::DRed: return qRgb(255, 255, 0);
    case TColorSB::DGreen: return qRgb(0, 0, 255);
    case TColorSB::DBlue: return qRgb(0, 0, 255);
    case TColorSB::DNavy: return qRgb(0, 255, 0);
    case TColorSB::DYellow: return qRgb(255, 0, 0);
    case TColorSB::DViolet: return qRgb(255, 255, 255);
    case TColorSB::DOrang: return qRgb(255, 255, 255);
    case TColorSB::DCards: return qRgb(220, 180, 255);
    }
    return qRgb(255, 255, 0);
}

} // namespace halvane
