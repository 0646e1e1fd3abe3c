#pragma once
// Reading cursor files: a static cursor (.cur) and an animated one (a RIFF
// "ACON" file with "anih", optional "rate" and "seq " chunks and a "fram"
// list of icon chunks). Damaged data gives no frames, never a crash.

#include <QByteArray>
#include <QImage>
#include <QPoint>

#include <vector>

namespace halvane {

struct CursorFrame {
    QImage image;
    QPoint hotSpot;
    int jiffies = 6; // display time in 1/60 s
};

class AniCursor
{
public:
    // The frames of an animated cursor in display order; empty when damaged.
    static std::vector<CursorFrame> ReadAnimated(const QByteArray &data);
    // The first image of a .cur (or .ico) file with its hot spot; a null image when damaged.
    static CursorFrame ReadStatic(const QByteArray &data);
};

} // namespace halvane
