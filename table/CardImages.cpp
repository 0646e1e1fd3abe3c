#include "CardImages.h"

#include "Attention.h"
#include "PackPictures.h"
#include "ScaleState.h"
#include "platform/FaceOval.h"
#include "platform/PackNames.h"
#include "platform/ResourcePack.h"
#include "records/codec/Settings.h"

#include <QDate>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace halvane {

namespace {

const QSize SlotSize(69, 94);
const QRgb Silver = qRgb(192, 192, 192);

// A picture drawn into a 69 x 94 bitmap slot, on white paper.
QImage intoSlot(const QImage &picture)
{
    QImage slot(SlotSize, QImage::Format_RGB32);
    slot.fill(Qt::white);
    QPainter p(&slot);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), SlotSize), picture);
    return slot;
}

// A 20 x 20 symbol keyed on clSilver; the key colour becomes transparent.
QImage keyedSymbol(const QImage &picture, bool fromPng)
{
    QImage symbol(20, 20, QImage::Format_ARGB32);
    symbol.fill(Silver);
    {
        QPainter p(&symbol);
        p.drawImage(QRect(0, 0, 20, 20), fromPng ? picture : picture.convertToFormat(QImage::Format_RGB32));
    }
    for (int y = 0; y < symbol.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(symbol.scanLine(y));
        for (int x = 0; x < symbol.width(); ++x)
            if ((line[x] & 0x00FFFFFFu) == (Silver & 0x00FFFFFFu))
                line[x] = 0;
    }
    return symbol;
}

// Replaces the connected area of `from` around (0, 0) by transparency.
void floodClear(QImage &image, QRgb from)
{
    if (image.isNull() || (image.pixel(0, 0) & 0x00FFFFFFu) != (from & 0x00FFFFFFu))
        return;
    QList<QPoint> todo{QPoint(0, 0)};
    while (!todo.isEmpty()) {
        const QPoint pt = todo.takeLast();
        if (!image.rect().contains(pt) || (image.pixel(pt) & 0x00FFFFFFu) != (from & 0x00FFFFFFu)
            || qAlpha(image.pixel(pt)) == 0)
            continue;
        image.setPixel(pt, 0);
        todo << pt + QPoint(1, 0) << pt + QPoint(-1, 0) << pt + QPoint(0, 1) << pt + QPoint(0, -1);
    }
}

void recomputeCardWidth(ScaleState &scale, bool wide)
{
    scale.narrowShift = wide || scale.windowSize == 1 ? 0 : 5;
    scale.cardWidth = 71;
    if (scale.scaleFactor >= 1.3)
        scale.cardWidth = Scaled(wide ? 71 : 61);
    if (scale.scaleFactor >= 2.0)
        scale.cardWidth = wide ? 146 : 126;
}

// Loads the 36 faces of a set into `faces`; false when any is missing.
bool readFaces(int cardSet, const PeResources *pack, int faceFormat, std::array<QImage, 41> &faces)
{
    std::array<QImage, 41> loaded;
    for (int rank = 6; rank <= 14; ++rank)
        for (int suit = 1; suit <= 4; ++suit) {
            const int slot = FaceSlot(rank, suit);
            if (faceFormat == 1 && cardSet == 0) {
                loaded[size_t(slot)] = ResourceImage(nullptr, ResourceType::Bitmap, FaceName(0, suit, rank, false));
                if (loaded[size_t(slot)].isNull())
                    return false;
                loaded[size_t(slot)] = intoSlot(loaded[size_t(slot)]);
                continue;
            }
            QImage png = ResourceImage(pack, ResourceType::RcData, FaceName(cardSet, suit, rank, faceFormat != 1));
            if (png.isNull())
                return false;
            png = png.convertToFormat(QImage::Format_ARGB32);
            // Pack faces carry their centre oval inverted; the built-in set is plain.
            if (pack && rank >= 7)
                InvertOval(png, FaceOvalBox(png.size()));
            loaded[size_t(slot)] = faceFormat == 1 ? intoSlot(png) : png;
        }
    faces = loaded;
    return true;
}

bool readSymbols(int cardSet, const PeResources *pack, CardImageCache &cache)
{
    std::array<QImage, 5> small, big;
    for (int suit = 1; suit <= 4; ++suit) {
        const QImage picture = pack ? ResourceImage(pack, ResourceType::RcData, SuitSymbolName(cardSet, suit, false))
                                    : ResourceImage(nullptr, ResourceType::Bitmap, SuitSymbolName(0, suit, false));
        big[size_t(suit)] = ResourceImage(pack, ResourceType::RcData, SuitSymbolName(cardSet, suit, true));
        if (picture.isNull() || big[size_t(suit)].isNull())
            return false;
        small[size_t(suit)] = keyedSymbol(picture, pack != nullptr);
        if (cardSet == 26 && suit == 2)
            floodClear(small[size_t(suit)], qRgb(0xC3, 0xC3, 0xC3));
    }
    cache.smallSymbols = small;
    cache.bigSymbols = big;
    return true;
}

} // namespace

CardImageCache &CurrentCardImages()
{
    static CardImageCache cache;
    return cache;
}

bool LoadCardFaces()
{
    Settings &settings = CurrentSettings();
    ScaleState &scale = CurrentScale();
    CardImageCache &cache = CurrentCardImages();
    bool ok = true;
    int cardSet = std::clamp(settings.CardSet, 0, CardSetCount - 1);
    if (cardSet != 0) {
        const QString file = FacePackOf(cardSet);
        const PeResources pack = OpenPack(file);
        // A pack without the set's pictures is as good as no pack.
        if (!pack.isValid() || !readFaces(cardSet, &pack, scale.faceFormat, cache.faces)
            || !readSymbols(cardSet, &pack, cache)) {
            ShowMissingPack(file);
            cardSet = 0;
            ok = false;
        }
    }
    if (cardSet == 0) {
        readFaces(0, nullptr, scale.faceFormat, cache.faces);
        readSymbols(0, nullptr, cache);
    }
    settings.CardSet = cardSet;
    cache.wideCards = IsWideCardSet(cardSet);
    recomputeCardWidth(scale, cache.wideCards);
    const bool backsOk = LoadCardBacks();
    return ok && backsOk;
}

bool LoadCardBacks()
{
    Settings &settings = CurrentSettings();
    const ScaleState &scale = CurrentScale();
    CardImageCache &cache = CurrentCardImages();
    const int backSet = std::clamp(settings.BackSet, 0, BackSetCount - 1);
    const bool narrowBig = !cache.wideCards && scale.faceFormat != 1;
    const QString suffix = scale.faceFormat == 1 ? QString() : cache.wideCards ? QStringLiteral("B") : QStringLiteral("U");

    PeResources pack;
    const bool needPack = backSet > 0 || narrowBig;
    std::array<QImage, 11> backs;
    bool loaded = true;
    if (needPack)
        pack = OpenPack(QString::fromLatin1(PackFile::CardsB));
    if (needPack && !pack.isValid())
        loaded = false;
    for (int i = 1; loaded && i <= BackCountOf(backSet); ++i) {
        QImage picture;
        if (backSet == 0 && scale.faceFormat == 1)
            picture = ResourceImage(nullptr, ResourceType::Bitmap, BackName(0, i, QString()));
        else
            picture = ResourceImage(needPack ? &pack : nullptr, ResourceType::RcData, BackName(backSet, i, suffix));
        if (picture.isNull()) {
            loaded = false;
            break;
        }
        backs[size_t(i)] = scale.faceFormat == 1 ? intoSlot(picture) : picture.convertToFormat(QImage::Format_ARGB32);
    }
    if (!loaded) {
        ShowMissingPack(QString::fromLatin1(PackFile::CardsB));
        settings.BackSet = 0;
        if (backSet == 0) {
            // The built-in faces are wide, so the built-in back fits them.
            settings.CardSet = 0;
            LoadCardFaces();
        } else {
            LoadCardBacks();
        }
        return false;
    }
    cache.backs = backs;
    cache.currentBack = std::clamp(cache.currentBack, 1, BackCountOf(backSet));
    return true;
}

int BackForWeekday(int weekday, bool oneBackAlways, int backSet, int random1to10)
{
    int back = std::clamp(weekday, 1, 7);
    if (oneBackAlways)
        back = 7;
    if (backSet >= 8 && backSet <= 11)
        back = std::clamp(random1to10, 1, 10);
    return back;
}

void ChooseBack()
{
    const Settings &settings = CurrentSettings();
    QRandomGenerator random(QRandomGenerator::system()->generate());
    CurrentCardImages().currentBack = BackForWeekday(QDate::currentDate().dayOfWeek(), settings.OneBackAlways,
                                                     settings.BackSet, random.bounded(1, 11));
}

bool LoadBackground(bool decorDesign)
{
    Settings &settings = CurrentSettings();
    const ScaleState &scale = CurrentScale();
    CardImageCache &cache = CurrentCardImages();
    const QSize client(scale.clientWidth, scale.clientHeight);
    bool ok = true;
    if (decorDesign) {
        const QString file = QString::fromLatin1(PackFile::Decor);
        const PeResources pack = OpenPack(file);
        const QImage picture = pack.isValid() ? ResourceImage(&pack, ResourceType::Jpeg, QStringLiteral("BGLilu")) : QImage();
        if (!picture.isNull()) {
            cache.background = picture.scaled(client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            return true;
        }
        ShowMissingPack(file);
        const Settings defaults;
        settings.DialogDesign = defaults.DialogDesign;
        settings.MainMenuDesign = defaults.MainMenuDesign;
        settings.GameTableDesign = defaults.GameTableDesign;
        ok = false;
    }
    const int picture = std::clamp(settings.BackgroundPicture, 0, BackgroundPictureCount - 1);
    const int colour = std::clamp(settings.BackgroundColour, 0, BackgroundColourCount - 1);
    if (picture == 0) {
        cache.background = QImage();
        return ok;
    }
    const bool big = scale.windowSize != 1;
    QImage image;
    if (picture != 2 || colour != 0) {
        const QString file = QString::fromLatin1(PackFile::Backgrounds);
        const PeResources pack = OpenPack(file);
        if (pack.isValid())
            image = ResourceImage(&pack, ResourceType::Jpeg, BackgroundName(picture, colour, big));
        if (image.isNull()) {
            ShowMissingPack(file);
            settings.BackgroundPicture = 2;
            settings.BackgroundColour = 0;
            ok = false;
        }
    }
    if (image.isNull()) {
        const QString builtIn = QString::fromLatin1(BuiltInBackground);
        if (big)
            image = ResourceImage(nullptr, ResourceType::Jpeg, builtIn + QStringLiteral("B"));
        if (image.isNull())
            image = ResourceImage(nullptr, ResourceType::Jpeg, builtIn);
    }
    if (big && !image.isNull())
        image = image.scaled(client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    cache.background = image;
    return ok;
}

int FaceSlotOf(Card code)
{
    const int rank = RankValue(code);
    const int suit = SuitIndex(code.suit);
    if (rank == EmptyRank || rank < 1 || rank > 8 || suit < 1 || suit > 4)
        return 0;
    return FaceSlot(rank + 6, suit);
}

namespace {

const Card NoCode{'N', 'o'};
const Card DashCode{'-', '-'};

void drawFrame(int x, int y, QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(x + 2, y, x + 68, y);
    p.drawLine(x + 2, y + 95, x + 68, y + 95);
    p.drawLine(x, y + 2, x, y + 93);
    p.drawLine(x + 70, y + 2, x + 70, y + 93);
    p.restore();
}

} // namespace

void DrawCard(int x, int y, Card code, QPainter &target)
{
    const ScaleState &scale = CurrentScale();
    const CardImageCache &cache = CurrentCardImages();
    if (code.isEmpty())
        return;
    if (scale.faceFormat == 1) {
        drawFrame(x, y, target);
        if (code == NoCode) {
            target.save();
            target.setPen(Qt::black);
            for (const QPoint &pt : {QPoint(x + 1, y + 1), QPoint(x + 69, y + 1), QPoint(x + 1, y + 94), QPoint(x + 69, y + 94)})
                target.drawPoint(pt);
            target.restore();
            return;
        }
        const int slot = FaceSlotOf(code);
        if (code != DashCode && slot > 0)
            target.drawImage(x + 1, y + 1, cache.faces[size_t(slot)]);
        return;
    }
    const int slot = FaceSlotOf(code);
    if (code == NoCode || code == DashCode || slot == 0)
        return;
    DrawScaled(x, y, cache.faces[size_t(slot)], true, scale.cardHeight, scale.cardWidth, target);
}

void DrawCard(int x, int y, Card code, QImage &target)
{
    QPainter p(&target);
    DrawCard(x, y, code, p);
}

void DrawCardBack(int x, int y, QPainter &target)
{
    const ScaleState &scale = CurrentScale();
    const CardImageCache &cache = CurrentCardImages();
    const QImage &back = cache.backs[size_t(std::clamp(cache.currentBack, 1, 10))];
    if (scale.faceFormat == 1) {
        drawFrame(x, y, target);
        target.drawImage(x + 1, y + 1, back);
        return;
    }
    DrawScaled(x, y, back, true, scale.cardHeight, scale.cardWidth, target);
}

void DrawCardBack(int x, int y, QImage &target)
{
    QPainter p(&target);
    DrawCardBack(x, y, p);
}

namespace {

struct ScaledKey {
    qint64 image;
    int width, height;
    bool round;
    int corner;
    bool operator==(const ScaledKey &) const = default;
};
size_t qHash(const ScaledKey &k, size_t seed = 0)
{
    return qHashMulti(seed, k.image, k.width, k.height, k.round, k.corner);
}

QImage scaledPicture(const QImage &png, int width, int height, bool roundCorners, int corner)
{
    QImage out = png.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                     .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (roundCorners) {
        QImage mask(out.size(), QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::black);
        m.drawRoundedRect(QRectF(0, 0, width, height), corner / 2.0, corner / 2.0);
        m.end();
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.drawImage(0, 0, mask);
    }
    return out;
}

} // namespace

void DrawScaled(int x, int y, const QImage &png, bool roundCorners, int height, int width, QPainter &canvas)
{
    if (png.isNull() || width <= 0 || height <= 0)
        return;
    if (png.width() == width && png.height() == height) {
        canvas.drawImage(x, y, png);
        return;
    }
    // Cards are drawn again and again at one size: keep the resized pictures.
    static QHash<ScaledKey, QImage> cache;
    const ScaledKey key{png.cacheKey(), width, height, roundCorners, Scaled(8)};
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 400)
            cache.clear();
        it = cache.insert(key, scaledPicture(png, width, height, roundCorners, key.corner));
    }
    canvas.drawImage(x, y, it.value());
}

bool ResamplePng(QImage &png, int width, int height, QString *error)
{
    const QImage::Format format = png.format();
    const bool rgb = format == QImage::Format_RGB32 || format == QImage::Format_RGB888;
    const bool rgba = format == QImage::Format_ARGB32 || format == QImage::Format_ARGB32_Premultiplied
        || format == QImage::Format_RGBA8888;
    if (!rgb && !rgba) {
        if (error)
            *error = QString::fromLatin1(ResampleFormatError);
        return false;
    }
    if (png.width() <= 1 || png.height() <= 1 || width <= 1 || height <= 1)
        return true;
    const QImage source = png.convertToFormat(QImage::Format_ARGB32);
    QImage target(width, height, rgba ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int sw = source.width(), sh = source.height();
    for (int y = 0; y < height; ++y) {
        const double sy = double(y) * (sh - 1) / height;
        const int y0 = int(sy);
        const int y1 = std::min(y0 + 1, sh - 1);
        const double fy = sy - y0;
        const auto *row0 = reinterpret_cast<const QRgb *>(source.constScanLine(y0));
        const auto *row1 = reinterpret_cast<const QRgb *>(source.constScanLine(y1));
        auto *out = reinterpret_cast<QRgb *>(target.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double sx = double(x) * (sw - 1) / width;
            const int x0 = int(sx);
            const int x1 = std::min(x0 + 1, sw - 1);
            const double fx = sx - x0;
            const auto mixChannel = [&](int (*channel)(QRgb)) {
                const double top = channel(row0[x0]) * (1 - fx) + channel(row0[x1]) * fx;
                const double bottom = channel(row1[x0]) * (1 - fx) + channel(row1[x1]) * fx;
                return std::clamp(RoundHalfEven(top * (1 - fy) + bottom * fy), 0, 255);
            };
            out[x] = qRgba(mixChannel(qRed), mixChannel(qGreen), mixChannel(qBlue), rgba ? mixChannel(qAlpha) : 255);
        }
    }
    png = target;
    return true;
}

} // namespace halvane
