#pragma once
// Balloon hints over buttons, links and name plates.

#include <QColor>
#include <QString>

class QWidget;

namespace halvane {

class TBalloonHint;

// Shows a balloon anchored to `anchor` (whose own tool tip is turned off);
// arrow 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right; kind 1
// information, 2 warning, 3 error. Returns the balloon (owned by itself).
TBalloonHint *ShowBalloon(const QString &title, const QString &text, const QString &fontName, QWidget *anchor, int arrow,
                          int kind = 1, int fontSize = 9, int durationMs = 5000, QColor border = QColor(255, 0, 0),
                          QColor background = QColor(255, 255, 225), QColor textColour = QColor(255, 0, 0),
                          QColor titleColour = QColor(128, 0, 0));
// Closes every open balloon.
void CloseBalloons();
// The number of balloons now open.
int OpenBalloonCount();
// Shows the picture "History/" + name + ".bmp" of the program folder as a
// balloon, when it exists and the name is a plain file name. The caller shows
// it only at an online tournament table. Returns the balloon or nullptr.
TBalloonHint *ShowPictureBalloon(const QString &playerName, int arrow, QWidget *anchor, const QString &programDir = QString());

} // namespace halvane
