#pragma once
// The pictures of the card sets, back sets, table backgrounds and suit
// symbols, drawn by our own code or rendered from Debian's SVG decks.

#include <QColor>
#include <QImage>
#include <QString>

namespace halvane::art {

// The deck a face set is rendered from and the paper tint laid under it.
struct CardSetLook {
    const char *deck;    // see DeckFile
    QColor paper;        // multiplied into the white paper of the face
};
CardSetLook LookOf(int cardSet);

// One face of a set (suit 1 hearts .. 4 spades, rank 2..14) at `size`.
QImage RenderFace(int cardSet, int suit, int rank, QSize size);
// One back of a back set (index 1..10) at `size`.
QImage RenderBack(int backSet, int index, QSize size);
// A table picture 1..10 in colour 0..6, filling `size`.
QImage RenderBackground(int picture, int colour, QSize size);
// A suit symbol (1 hearts .. 4 spades) in the drawing style of a face set;
// `silver` fills the background with clSilver, the small bitmaps' transparent colour.
QImage RenderSuitSymbol(int cardSet, int suit, QSize size, bool silver);

// The seven table colours, green, red, orange, yellow, blue 1, blue 2, violet.
QColor TableColour(int colour);

} // namespace halvane::art
