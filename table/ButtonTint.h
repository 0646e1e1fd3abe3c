#pragma once
// The colours of the card-style button: its eight tints, the row colours of
// the classic look at the standard heights, and the sizes of its pieces.

#include <QImage>
#include <QRgb>
#include <QString>
#include <vector>

namespace halvane {

enum class TColorSB { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum class THeightSB { D30, D45, D60 };

// 1 for a height of exactly 30, 2 for 45, 3 for 60, else 0.
int HeightIndexOf(int height);
// The end pieces' width scaled to the height: round(8 h / 30), round(13 h / 45) or round(17 h / 60).
int CapWidthFor(int height);
// "R29_L", "Q44_2", ...: look prefix, height class, part "L", "R" or "2".
QString ButtonPieceName(int height, bool nuvo, char part);

// The row colours of the classic middle at a standard height (Height - 1
// entries, row 0 first); empty for any other height.
const std::vector<QRgb> &ButtonRowColours(int height);

// A red source colour in the button's colour, lightened toward white by `light` percent.
QRgb TintButtonColour(QRgb colour, TColorSB tint, int light);
// Tints a red piece in place; alpha is kept. With the new look only pixels
// near pure red are lightened (and recoloured for DCards).
void TintButtonImage(QImage &png, TColorSB tint, bool nuvo, int light);

// The focus outline (classic look) and focus dots (new look) colours.
QRgb FocusOutlineColour(TColorSB tint);
QRgb FocusDotColour(TColorSB tint);

} // namespace halvane
