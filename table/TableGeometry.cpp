#include "TableGeometry.h"

#include "ScaleState.h"

#include <cmath>

namespace halvane {

namespace {

constexpr std::array<DesignRect, 4> HandRects{{{}, {20, 10, 310, 106}, {450, 10, 740, 106}, {150, 395, 610, 491}}};
constexpr std::array<DesignRect, 4> TabletRects{{{}, {88, 140, 243, 235}, {513, 140, 668, 235}, {88, 280, 243, 375}}};
constexpr std::array<DesignRect, 4> PlateRects{{{}, {85, 115, 245, 135}, {510, 115, 670, 135}, {300, 370, 460, 390}}};
constexpr DesignRect TrickRect{269, 160, 491, 360};
constexpr DesignRect ContractRect{325, 5, 435, 165};
constexpr DesignRect BoardRect{620, 373, 750, 463};

constexpr std::array<int, 4> TrickX{0, 0, 148, 74};
constexpr std::array<int, 4> TrickY{0, 20, 20, 100};

int StretchX(int x) { return RoundHalfEven(x * CurrentScale().scaleX); }
int StretchY(int y) { return RoundHalfEven(y * CurrentScale().scaleY); }

} // namespace

QRect ElementRect(const DesignRect &r)
{
    const int w = r.x2 - r.x1;
    const int h = r.y2 - r.y1;
    return QRect(PlaceX(r.x1, w), PlaceY(r.y1, h), Scaled(w), Scaled(h));
}

TableLayout ComputeTableLayout()
{
    const ScaleState &s = CurrentScale();
    TableLayout t;
    for (int seat = 1; seat <= 3; ++seat) {
        QRect hand = ElementRect(HandRects[seat]);
        hand.setHeight(s.cardHeight);
        t.hands[seat] = hand;
        t.tablets[seat] = ElementRect(TabletRects[seat]);
        t.plates[seat] = ElementRect(PlateRects[seat]);
        const QRect &plate = t.plates[seat];
        t.timers[seat] = QRect(plate.right() + 1, plate.top(), plate.height(), plate.height());
    }
    t.trick = ElementRect(TrickRect);
    t.contract = ElementRect(ContractRect);
    t.board = ElementRect(BoardRect);
    const int boardBottom = t.board.top() + t.board.height();
    t.chatLine = QRect(t.board.left(),
                       boardBottom + Scaled(1) + RoundHalfEven((Scaled(35) - Scaled(20)) / 2.0),
                       t.board.width() - Scaled(36), Scaled(20));
    t.sendButton = QRect(t.board.left() + t.board.width() - Scaled(35), boardBottom + Scaled(1), Scaled(35),
                         Scaled(35));
    // The two game buttons are placed like the main menu: stretched.
    const int buttonWidth = RoundHalfEven(160 * s.scaleX);
    t.button7 = QRect(StretchX(511), StretchY(300), buttonWidth, Scaled(30));
    t.button8 = QRect(StretchX(511), StretchY(300) + Scaled(30), buttonWidth, Scaled(30));
    return t;
}

std::vector<int> HandSpread(int x1, int x2, int count)
{
    return HandSpreadFor(CurrentScale().cardWidth, x1, x2, count);
}

std::vector<int> HandSpreadFor(int cardWidth, int x1, int x2, int count)
{
    std::vector<int> xs;
    if (count <= 0)
        return xs;
    const int slot = cardWidth + 3;
    const int w = x2 - x1;
    const int centre = x1 + RoundHalfEven(w / 2.0);
    xs.reserve(size_t(count));
    if (double(w) / count >= slot || count == 1) {
        for (int i = 1; i <= count; ++i)
            xs.push_back(RoundHalfEven(centre - count * slot / 2.0 + (i - 1) * slot));
    } else {
        const int step = int(std::trunc(double(w - slot) / (count - 1)));
        for (int i = 1; i <= count; ++i)
            xs.push_back(x1 + (i - 1) * step);
    }
    return xs;
}

int HandSlotAt(const std::vector<int> &positions, int cardWidth, int x)
{
    const size_t n = positions.size();
    for (size_t i = 0; i < n; ++i) {
        const int left = positions[i];
        const int right = i + 1 < n ? positions[i + 1] : left + cardWidth;
        if (x >= left && x < right)
            return int(i) + 1;
    }
    return 0;
}

QPoint TrickSlot(int seat)
{
    if (seat < 1 || seat > 3)
        return {};
    const ScaleState &s = CurrentScale();
    return QPoint(RoundHalfEven((TrickX[size_t(seat)] + s.narrowShift) * s.scaleFactor),
                  RoundHalfEven(TrickY[size_t(seat)] * s.scaleFactor));
}

QPoint CentredWindowPos(const QSize &screen, const QSize &window)
{
    return QPoint(RoundHalfEven((screen.width() - window.width()) / 2.0),
                  RoundHalfEven((screen.height() - window.height()) / 2.0));
}

} // namespace halvane
