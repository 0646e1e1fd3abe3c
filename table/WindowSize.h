#pragma once
// The five window sizes: client size and scale factor, the card size and
// format that follow from the scale, and reloading the pictures for them.

#include "ScaleState.h"

#include <QRect>

namespace halvane {

// The client size and scales of a window size 1..5; size 2 fills `workArea`.
ScaleState ScaleForWindowSize(int windowSize, const QSize &workArea);
// The hint text of a size entry ("760 x 500" ...), empty for full screen.
QString WindowSizeHint(int windowSize);

// Applies the WindowSize setting: sets the scale state (work area of the
// primary screen for full screen unless one is given), loads the background,
// the faces and the backs for it, and switches saving games as GIF off for
// every size but 1. The caller resizes and redraws the main window.
void ApplyWindowSize(bool decorDesign, const QRect &workArea = QRect());

} // namespace halvane
