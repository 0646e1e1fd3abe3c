#pragma once
// Recolouring of the caption and banner pictures, kind 1..8 per pixel on
// (R, G, B), alpha kept: 1 unchanged; 2 if G < R and B < R then
// B := round(min(B, G) x 0.7), G := B + round(|R - B| x 0.4); 3 G := R;
// 4 swap R and G; 5 R := B, G and B := the old R; 6 swap R and B; 7 B := R;
// 8 grey round(0.3 R + 0.59 G + 0.11 B).

#include <QImage>

namespace halvane {

QRgb RecolourPixel(QRgb pixel, int kind);
void RecolourPng(QImage &png, int kind);

} // namespace halvane
