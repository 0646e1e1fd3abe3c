#pragma once
// A seat's name plate (ImageSay1..3): a coloured speech bubble with the text
// in white bold, shrinking the font twice when the text is too wide.

#include <QImage>
#include <QString>

namespace halvane {

class TableArt;

class NamePlate
{
public:
    // The bubble picture's base name for a colour letter: "b" "SPBlue",
    // "g" "SPGreen", "r" "SPRed", "y" "SPYellow", "o" "SPFiolet"; empty otherwise.
    static QString BubbleName(char colour);
    // The font height chosen for the text: FontHeight(Scaled(18/16/14), "serif").
    static int FontHeightFor(const QString &text);

    // Paints the plate: background piece, bubble, text. An empty text (or an
    // unknown colour letter) just clears the plate.
    static void Draw(QImage &plate, const QImage &under, const TableArt &art, const QString &text, char colour);
};

} // namespace halvane
