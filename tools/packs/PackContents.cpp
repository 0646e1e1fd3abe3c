#include "PackContents.h"

#include "AssetWriter.h"
#include "CardArt.h"
#include "DecorArt.h"
#include "PeWriter.h"
#include "platform/FaceOval.h"
#include "platform/PackNames.h"

namespace halvane::packs {

namespace {

using art::EncodeImage;

const QSize SmallFace(69, 94);
const QSize BigWide(146, 198);
const QSize BigNarrow(126, 198);

QByteArray png(const QImage &image) { return EncodeImage(image, "PNG"); }

// The set whose own code is `code` among `first`..`last`: the owner of a shared name.
int ownerOf(const QString &code, int first, int last, int fallback)
{
    for (int set = first; set <= last; ++set)
        if (CardSetCode(set) == code)
            return set;
    return fallback;
}

void addFaceSet(int cardSet, int first, int last, PeWriter &out)
{
    const FaceSuffixes suffixes = FaceSuffixesOf(cardSet);
    const QSize big = IsWideCardSet(cardSet) ? BigWide : BigNarrow;
    for (int rank = 6; rank <= 14; ++rank) {
        const QString &suffix = rank == 14 ? suffixes.ace : rank >= 11 ? suffixes.court : suffixes.pip;
        // A name shared with another set shows that set's picture.
        const int artSet = ownerOf(suffix, first, last, cardSet);
        for (int suit = 1; suit <= 4; ++suit) {
            for (const bool isBig : {false, true}) {
                const QString name = FaceName(cardSet, suit, rank, isBig);
                if (out.contains(QStringLiteral("RCDATA"), name))
                    continue;
                QImage face = art::RenderFace(artSet, suit, rank, isBig ? big : SmallFace);
                // Faces of rank 7 and up are stored with their centre oval inverted.
                if (rank >= 7)
                    InvertOval(face, FaceOvalBox(face.size()));
                out.add(QStringLiteral("RCDATA"), name, png(face));
            }
        }
    }
    const int symbolSet = ownerOf(suffixes.symbol, first, last, cardSet);
    for (int suit = 1; suit <= 4; ++suit) {
        const QString small = SuitSymbolName(cardSet, suit, false);
        if (!out.contains(QStringLiteral("RCDATA"), small)) {
            out.add(QStringLiteral("RCDATA"), small, png(art::RenderSuitSymbol(symbolSet, suit, QSize(20, 20), false)));
            out.add(QStringLiteral("RCDATA"), SuitSymbolName(cardSet, suit, true),
                    png(art::RenderSuitSymbol(symbolSet, suit, QSize(40, 40), false)));
        }
    }
}

void addFaceSets(int first, int last, PeWriter &out)
{
    for (int set = first; set <= last; ++set)
        addFaceSet(set, first, last, out);
}

void addBacks(PeWriter &out)
{
    // The built-in back in the narrow big format, then every back set.
    for (int i = 1; i <= BackCountOf(0); ++i)
        out.add(QStringLiteral("RCDATA"), BackName(0, i, QStringLiteral("U")), png(art::RenderBack(0, i, BigNarrow)));
    for (int set = 1; set < BackSetCount; ++set)
        for (int i = 1; i <= BackCountOf(set); ++i) {
            out.add(QStringLiteral("RCDATA"), BackName(set, i, QString()), png(art::RenderBack(set, i, SmallFace)));
            out.add(QStringLiteral("RCDATA"), BackName(set, i, QStringLiteral("B")), png(art::RenderBack(set, i, BigWide)));
            out.add(QStringLiteral("RCDATA"), BackName(set, i, QStringLiteral("U")), png(art::RenderBack(set, i, BigNarrow)));
        }
}

void addBackgrounds(PeWriter &out)
{
    for (int picture = 1; picture < BackgroundPictureCount; ++picture)
        for (int colour = 0; colour < BackgroundColourCount; ++colour) {
            if (picture == 2 && colour == 0)
                continue; // the executable's own "FonG"
            const QImage big = art::RenderBackground(picture, colour, QSize(1520, 1000));
            const QImage small = big.scaled(760, 500, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            out.add(QStringLiteral("JPEG"), BackgroundName(picture, colour, false), EncodeImage(small, "JPEG", 90));
            out.add(QStringLiteral("JPEG"), BackgroundName(picture, colour, true), EncodeImage(big, "JPEG", 88));
        }
}

} // namespace

bool FillPack(const QString &fileName, PeWriter &out)
{
    if (fileName == QLatin1String(PackFile::CardsA)) {
        addFaceSets(1, 31, out);
    } else if (fileName == QLatin1String(PackFile::CardsB)) {
        addFaceSets(32, 39, out);
        addBacks(out);
    } else if (fileName == QLatin1String(PackFile::CardsC)) {
        addFaceSets(40, 47, out);
    } else if (fileName == QLatin1String(PackFile::Backgrounds)) {
        addBackgrounds(out);
    } else if (fileName == QLatin1String(PackFile::Decor)) {
        art::AddDecorPack([&out](const QString &type, const QString &name, const QByteArray &bytes) {
            out.add(type, name, bytes);
        });
    } else {
        return false;
    }
    return true;
}

} // namespace halvane::packs
