#pragma once
// Faces in the packs carry a centred oval stored colour-inverted; the loader
// inverts it back. The same pixel set is used both ways, so the round trip is
// exact.

#include <QImage>
#include <QRect>

namespace halvane {

// The oval's bounding box, (left, top)-(right, bottom) exclusive, for a face of
// the given pixel size: 69 x 94 small faces, wide and narrow big faces.
QRect FaceOvalBox(QSize faceSize);
// Inverts (bitwise NOT of red, green and blue) every pixel whose centre lies
// inside the ellipse of `box`; alpha is kept. The image becomes ARGB32.
void InvertOval(QImage &image, const QRect &box);

} // namespace halvane
