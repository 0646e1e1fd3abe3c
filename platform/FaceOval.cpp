#include "FaceOval.h"

namespace halvane {

QRect FaceOvalBox(QSize faceSize)
{
    // (10, 10)-(59, 84) on a 69 x 94 face, (10, 10)-(136, 188) on a wide big
    // face and (10, 10)-(116, 188) on a narrow one: ten pixels in from each edge.
    return QRect(10, 10, faceSize.width() - 20, faceSize.height() - 20);
}

void InvertOval(QImage &image, const QRect &box)
{
    if (image.isNull() || box.width() <= 0 || box.height() <= 0)
        return;
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    const double cx = box.x() + box.width() / 2.0;
    const double cy = box.y() + box.height() / 2.0;
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    const QRect area = box.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double dy = (y + 0.5 - cy) / ry;
        for (int x = area.left(); x <= area.right(); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            if (dx * dx + dy * dy <= 1.0)
                line[x] ^= 0x00FFFFFFu;
        }
    }
}

} // namespace halvane
