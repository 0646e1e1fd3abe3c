#pragma once
// Cards flying over the table. A flight steps one pixel at a time along the
// major axis of its line, paced by the GameSpeed setting, and blocks until
// the card arrives. Meanwhile the window keeps painting and timers run, user
// input is dropped and a second flight cannot start (the caller's heartbeat
// should check InProgress and wait).

#include <QImage>
#include <QPoint>

#include <vector>

class QWidget;

namespace halvane {

class CardFlight
{
public:
    // The positions after every step from `from` to `to` (the start itself
    // excluded): as many as the larger of the two distances.
    static std::vector<QPoint> Path(QPoint from, QPoint to);

    struct Pace {
        int sleepMs = 0;
        bool painted = true;
    };
    // The wait after step `step` (1-based) at GameSpeed 1..6: 1 sleeps 2 ms,
    // 2 sleeps 1 ms, 3 sleeps 1 ms every second step, 4 every third, 5 and 6
    // never; at 6 the very first step is not painted.
    static Pace PaceOf(int speed, int step);

    // One card of a flight: its picture (a null picture is an empty card).
    struct Sprite {
        QImage picture;
        QPoint from;
        QPoint to;
    };

    // What a flight did.
    struct Stats {
        int steps = 0;
        int stepPaints = 0; // steps shown on the window
        int sleeps = 0;
        int sleptMs = 0;
        bool refused = false; // another flight was running
    };

    // Flies the sprites together over `window` (positions in its client
    // pixels) on top of `cleanTable`, the window's picture without them.
    // With eraseAtEnd the table is restored under the arrived cards; the
    // caller then draws them where they belong.
    static Stats Fly(QWidget *window, const QImage &cleanTable, const std::vector<Sprite> &sprites, bool eraseAtEnd,
                     int speed);

    // FlyCard: one card from (x1, y1) to (x2, y2).
    static Stats FlyCard(QWidget *window, const QImage &cleanTable, int x1, int y1, bool eraseAtEnd,
                         const QImage &card, int x2, int y2, int speed);

    static bool InProgress();
};

} // namespace halvane
