#pragma once
// The two text helpers of every table and dialog drawing. Both write with the
// painter's current font and a clear background.

#include <QColor>
#include <QPainter>
#include <QString>

namespace halvane {

// Writes text with its left at x1 + trunc((x2 - x1 - width) / 2) and its top at y.
void CentreText(const QString &text, int x1, int x2, QPainter &painter, int y);

// Writes the text twice: one pixel right and down in the shadow colour (each
// channel halved and rounded), then in the colour. Alignment 'l' writes at x1,
// 'c' centres between x1 and x2, 'r' ends the text at x2.
void ShadowText(const QString &text, int x1, int x2, char alignment, const QColor &colour, QPainter &painter, int y);

// The shadow colour of ShadowText.
QColor ShadowOf(const QColor &colour);

// Text drawn with its top at y, as the table's text output places it.
void TextAt(QPainter &painter, int x, int y, const QString &text);

} // namespace halvane
