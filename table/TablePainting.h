#pragma once
// Small painting helpers shared by the table elements: the background piece
// under a control, the "Sm"/"Bg" picture variants and the table fonts.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <string_view>

namespace halvane {

class TableArt;

// The part of the window background that lies under a control at `rect`.
QImage BackgroundPiece(const QImage &background, const QRect &rect);

// A panel picture as the current window size shows it: `base` + "Sm" drawn
// unscaled in the small window, `base` + "Bg" resampled to `size` otherwise.
QImage PanelPicture(const TableArt &art, const QString &base, const QSize &size);
// The same with explicit names for the small and the big variant.
QImage PanelPictureOf(const TableArt &art, const QString &small, const QString &big, const QSize &size);

// A smooth resample; a null picture stays null.
QImage Resampled(const QImage &picture, const QSize &size);

// The font of a font slot (1..4) at a pixel height (already scaled and
// adjusted by FontHeight).
QFont SlotFont(int slot, int pixelHeight, bool bold = false);
// The same by family word: "decor", "serif", "fixed", "conew"; the height
// is passed through FontHeight.
QFont FamilyFont(std::string_view family, int size, bool bold = false);

} // namespace halvane
