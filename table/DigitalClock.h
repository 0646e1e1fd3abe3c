#pragma once
// The main menu's digital clock (ImClock1, 115 x 64 pixels, never scaled):
// "hh nn" in digit pictures with a colon that blinks once a second.

#include <QImage>
#include <QTime>

#include <vector>

namespace halvane {

class TableArt;

class DigitalClock
{
public:
    struct Digit {
        int x = 0;
        int value = 0;
    };
    static constexpr int Width = 115;
    static constexpr int Height = 64;

    // The digits to draw (the hour's tens omitted when 0) at y 15.
    static std::vector<Digit> Digits(const QTime &time);
    // The colon shows while the milliseconds of the second exceed 500.
    static bool ColonShown(const QTime &time) { return time.msec() > 500; }
    // Whether the clock and the counter are shown at all: ScaleFactor >= 1.6.
    static bool Shown();

    static void DrawClock(QImage &image, const TableArt &art, const QTime &time);
};

} // namespace halvane
