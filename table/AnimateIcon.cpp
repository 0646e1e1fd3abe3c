#include "AnimateIcon.h"

#include <QPainter>

namespace halvane {

void AnimateIcon(QImage &canvas, int x, int y, const QImage &strip, const QImage &background, int frameCount,
                 int &frame)
{
    if (frameCount < 1)
        return;
    frame = frame + 1;
    if (frame > frameCount || frame < 1)
        frame = 1;
    QImage icon(IconSize, IconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.drawImage(-x, -y, background);
        p.drawImage(-(frame - 1) * IconSize, 0, strip);
    }
    QPainter p(&canvas);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, icon);
}

} // namespace halvane
