#pragma once
// The cached card pictures and the loaders that fill them: faces, backs,
// suit symbols and the table background, from the executable or a pack.
// Filled by ApplyWindowSize and the options dialog; drawn by DrawCard and
// DrawCardBack.

#include "core/Card.h"

#include <QImage>
#include <array>

class QPainter;

namespace halvane {

struct CardImageCache {
    // Slots 1..36: ranks 6 to ace, each rank in suit order hearts, diamonds,
    // clubs, spades; 37..39 are joker slots this game leaves empty. 69 x 94
    // bitmaps in FaceFormat 1, else the PNGs.
    std::array<QImage, 41> faces;
    std::array<QImage, 11> backs;        // 1..10, portrait
    std::array<QImage, 5> smallSymbols;  // 1..4 hearts, diamonds, clubs, spades; 20 x 20
    std::array<QImage, 5> bigSymbols;
    QImage background;                   // null when BackgroundPicture is 0
    int currentBack = 1;                 // 1..10
    bool wideCards = true;
};

// The program-wide caches, created with the main window and kept for the run.
CardImageCache &CurrentCardImages();

// Each returns false when its pack was missing and the setting was reset.
bool LoadCardFaces();
bool LoadCardBacks();
bool LoadBackground(bool decorDesign);
// The back for the next deal: the weekday's, or Sunday's with OneBackAlways,
// or a random one of ten for back sets 8..11.
void ChooseBack();
// The weekday rule alone, for a given weekday 1 (Monday) .. 7 (Sunday).
int BackForWeekday(int weekday, bool oneBackAlways, int backSet, int random1to10);

// The cache slot 1..36 of a card code, 0 for "##", "No", "--" and unknown codes.
int FaceSlotOf(Card code);

// One card by its code at pixel (x, y): a frame and the face in the small
// format, the scaled PNG otherwise. "##" draws nothing, "No" only the frame
// and its corner dots, "--" only the frame.
void DrawCard(int x, int y, Card code, QPainter &target);
void DrawCard(int x, int y, Card code, QImage &target);
void DrawCardBack(int x, int y, QPainter &target);
void DrawCardBack(int x, int y, QImage &target);

// Draws a picture at its own size when it has the asked size, else resized
// smoothly; with roundCorners the corners outside a rounded rectangle of
// corner size Scaled(8) stay transparent.
void DrawScaled(int x, int y, const QImage &png, bool roundCorners, int height, int width, QPainter &canvas);

// Resizes an RGB or RGBA picture in place by bilinear mixing of the 2 x 2
// source pixels around (x (w-1)/W, y (h-1)/H). Other formats give false and
// the error text; sizes of 1 or less are left unchanged.
bool ResamplePng(QImage &png, int width, int height, QString *error = nullptr);
inline constexpr const char *ResampleFormatError = "Only COLOR_RGBALPHA and COLOR_RGB formats are supported";

} // namespace halvane
