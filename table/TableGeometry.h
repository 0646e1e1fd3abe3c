#pragma once
// Where the game-table elements stand in the current window size. Every
// element is given in design units of the 760 x 500 window; the element
// rectangle rule turns a design rectangle into pixels with PlaceX, PlaceY and
// Scaled, so in full screen an element keeps its proportions and is centred
// where a stretched one would stand.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

namespace halvane {

struct DesignRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Seats 1 (left opponent), 2 (right opponent), 3 (the local player); index 0
// is unused and index 4 is the empty fourth slot of every element.
using SeatRects = std::array<QRect, 5>;

struct TableLayout {
    SeatRects hands;    // ImageCards1..3, as tall as a card
    SeatRects tablets;  // ImageTab1..3
    SeatRects plates;   // ImageSay1..3
    SeatRects timers;   // ImTimer1..3, a square at the right end of the plate
    QRect trick;        // ImageStol
    QRect contract;     // ImageKon
    QRect board;        // ImageMemo (network play)
    QRect chatLine;     // Edit1 (network play)
    QRect sendButton;   // BitBtn1 (network play)
    QRect button7;
    QRect button8;
};

// The element rectangle rule in the current scale.
QRect ElementRect(const DesignRect &r);

// The layout of every table element in the current scale.
TableLayout ComputeTableLayout();

// x positions of `count` cards in a hand image spanning x1..x2 (pixels).
// Cards that fit with 3-pixel gaps are centred; otherwise they overlap, the
// first at the left edge and the last ending near the right edge.
std::vector<int> HandSpread(int x1, int x2, int count);
std::vector<int> HandSpreadFor(int cardWidth, int x1, int x2, int count);

// The hand slot (1-based) under x, given the positions of the held cards:
// every card owns the strip up to the next card, the last its full width.
// 0 when x lies on no card.
int HandSlotAt(const std::vector<int> &positions, int cardWidth, int x);

// A seat's place inside the trick area (pixels, relative to the area).
QPoint TrickSlot(int seat);

// Where a fixed-size window is put when the main menu is shown.
QPoint CentredWindowPos(const QSize &screen, const QSize &window);

} // namespace halvane
