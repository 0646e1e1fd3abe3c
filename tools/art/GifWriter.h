#pragma once
// Animated GIF files for the executable's and the decor pack's animations,
// written with giflib over a fixed palette (6 x 7 x 6 colour cube, index 255
// transparent), so the colours of every frame stay the same.

#include <QByteArray>
#include <QImage>
#include <QList>

namespace halvane::art {

// Frames of one size; delay in hundredths of a second; loops for ever.
QByteArray EncodeGif(const QList<QImage> &frames, int delayCentiseconds);

} // namespace halvane::art
