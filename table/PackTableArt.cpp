#include "PackTableArt.h"

#include "CardImages.h"
#include "PackPictures.h"

namespace halvane {

QImage PackTableArt::background(const QSize &clientSize) const
{
    const QImage &picture = CurrentCardImages().background;
    if (picture.isNull())
        return m_drawn.background(clientSize);
    if (picture.size() == clientSize)
        return picture;
    return picture.scaled(clientSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage PackTableArt::picture(const QString &name) const
{
    auto it = m_cache.constFind(name);
    if (it != m_cache.constEnd())
        return *it;
    QImage image = ResourceImage(nullptr, ResourceType::RcData, name);
    if (image.isNull())
        image = m_drawn.picture(name);
    m_cache.insert(name, image);
    return image;
}

void PackTableArt::drawCard(QPainter &painter, int x, int y, Card card) const
{
    if (FaceSlotOf(card) == 0 || CurrentCardImages().faces[size_t(FaceSlotOf(card))].isNull()) {
        m_drawn.drawCard(painter, x, y, card);
        return;
    }
    DrawCard(x, y, card, painter);
}

void PackTableArt::drawCardBack(QPainter &painter, int x, int y) const
{
    const CardImageCache &cache = CurrentCardImages();
    const int back = cache.currentBack;
    if (back < 1 || back > 10 || cache.backs[size_t(back)].isNull()) {
        m_drawn.drawCardBack(painter, x, y);
        return;
    }
    DrawCardBack(x, y, painter);
}

} // namespace halvane
