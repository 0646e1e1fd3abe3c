#pragma once
// One step of a dialog's 48 x 48 icon animation: the strip holds frameCount
// frames side by side; the caller owns the frame counter and its timer.

#include <QImage>

namespace halvane {

inline constexpr int IconSize = 48;

// frame := frame + 1, wrapping to 1 after frameCount; then the frame is drawn
// over the piece of `background` under (x, y) onto `canvas` at (x, y).
void AnimateIcon(QImage &canvas, int x, int y, const QImage &strip, const QImage &background, int frameCount,
                 int &frame);

} // namespace halvane
