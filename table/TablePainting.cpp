#include "TablePainting.h"

#include "FontSlots.h"
#include "ScaleState.h"
#include "TableArt.h"

#include <algorithm>

namespace halvane {

QImage BackgroundPiece(const QImage &background, const QRect &rect)
{
    QImage piece(rect.size().expandedTo(QSize(0, 0)), QImage::Format_ARGB32_Premultiplied);
    if (piece.isNull())
        return piece;
    piece.fill(Qt::transparent);
    if (!background.isNull()) {
        QPainter p(&piece);
        p.drawImage(-rect.left(), -rect.top(), background);
    }
    return piece;
}

QImage Resampled(const QImage &picture, const QSize &size)
{
    if (picture.isNull() || picture.size() == size || size.isEmpty())
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage PanelPictureOf(const TableArt &art, const QString &small, const QString &big, const QSize &size)
{
    if (CurrentScale().windowSize == 1) {
        const QImage sm = art.picture(small);
        if (!sm.isNull())
            return sm;
    }
    return Resampled(art.picture(big), size);
}

QImage PanelPicture(const TableArt &art, const QString &base, const QSize &size)
{
    return PanelPictureOf(art, base + QStringLiteral("Sm"), base + QStringLiteral("Bg"), size);
}

QFont SlotFont(int slot, int pixelHeight, bool bold)
{
    const FontSlotSet &fontSlots = CurrentFontSlots();
    const int index = std::clamp(slot, 1, 4) - 1;
    QFont font(QString::fromStdString(fontSlots[size_t(index)].name));
    font.setPixelSize(std::max(1, pixelHeight));
    font.setBold(bold);
    return font;
}

QFont FamilyFont(std::string_view family, int size, bool bold)
{
    return SlotFont(std::max(1, FontSlotOf(family)), FontHeight(size, family), bold);
}

} // namespace halvane
