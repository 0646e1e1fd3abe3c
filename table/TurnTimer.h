#pragma once
// The move clock of an online tournament table (ImTimer1..3): a square at the
// right end of the name plate with the seconds left.

#include <QImage>
#include <QString>

namespace halvane {

class TableArt;

class TurnTimer
{
public:
    // "GTimerR" under 8 seconds, "GTimerY" otherwise.
    static QString PictureName(int seconds);
    // Yellow digits on the red picture, red digits on the yellow one.
    static QColor DigitColour(int seconds);
    // seconds -1 erases the timer.
    static void DrawTurnTimer(QImage &square, const QImage &under, const TableArt &art, int seconds);
};

} // namespace halvane
