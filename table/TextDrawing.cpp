#include "TextDrawing.h"

#include "ScaleState.h"

#include <QFontMetrics>

namespace halvane {

void TextAt(QPainter &painter, int x, int y, const QString &text)
{
    const QFontMetrics fm(painter.font());
    painter.drawText(x, y + fm.ascent(), text);
}

void CentreText(const QString &text, int x1, int x2, QPainter &painter, int y)
{
    const int width = QFontMetrics(painter.font()).horizontalAdvance(text);
    // Integer division truncates towards zero, as the placement asks.
    TextAt(painter, x1 + (x2 - x1 - width) / 2, y, text);
}

QColor ShadowOf(const QColor &colour)
{
    return QColor(RoundHalfEven(colour.red() / 2.0), RoundHalfEven(colour.green() / 2.0),
                  RoundHalfEven(colour.blue() / 2.0));
}

void ShadowText(const QString &text, int x1, int x2, char alignment, const QColor &colour, QPainter &painter, int y)
{
    const int width = QFontMetrics(painter.font()).horizontalAdvance(text);
    int x = x1;
    if (alignment == 'c')
        x = x1 + (x2 - x1 - width) / 2;
    else if (alignment == 'r')
        x = x2 - width;
    painter.save();
    painter.setPen(ShadowOf(colour));
    TextAt(painter, x + 1, y + 1, text);
    painter.setPen(colour);
    TextAt(painter, x, y, text);
    painter.restore();
}

} // namespace halvane
