#include "BuiltinCards.h"

#include "AssetWriter.h"
#include "CardArt.h"
#include "platform/PackNames.h"

namespace halvane::art {

namespace {
const QSize SmallFace(69, 94);
const QSize BigWideFace(146, 198);
const QSize SmallSymbol(20, 20);
const QSize BigSymbol(40, 40);
} // namespace

void WriteBuiltinCards(AssetWriter &out)
{
    for (int rank = 6; rank <= 14; ++rank)
        for (int suit = 1; suit <= 4; ++suit) {
            out.bitmap(FaceName(0, suit, rank, false), RenderFace(0, suit, rank, SmallFace));
            out.png(FaceName(0, suit, rank, true), RenderFace(0, suit, rank, BigWideFace));
        }
    for (int suit = 1; suit <= 4; ++suit) {
        out.bitmap(SuitSymbolName(0, suit, false), RenderSuitSymbol(0, suit, SmallSymbol, true));
        out.png(SuitSymbolName(0, suit, true), RenderSuitSymbol(0, suit, BigSymbol, false));
    }
    for (int index = 1; index <= BackCountOf(0); ++index) {
        out.bitmap(BackName(0, index, QString()), RenderBack(0, index, SmallFace));
        out.png(BackName(0, index, QStringLiteral("B")), RenderBack(0, index, BigWideFace));
    }
    out.jpeg(QString::fromLatin1(BuiltInBackground), RenderBackground(2, 0, QSize(760, 500)));
    out.jpeg(QString::fromLatin1(BuiltInBackground) + QStringLiteral("B"), RenderBackground(2, 0, QSize(1520, 1000)));
    QImage blank(16, 16, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    out.png(QStringLiteral("GFree"), blank);
}

} // namespace halvane::art
