#include "GifWriter.h"

#include <gif_lib.h>

#include <vector>

namespace halvane::art {

namespace {

constexpr int Transparent = 255;

int writeToArray(GifFileType *gif, const GifByteType *bytes, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

int levelOf(int v, int levels) { return (v * (levels - 1) + 127) / 255; }

GifByteType indexOf(QRgb c)
{
    if (qAlpha(c) < 128)
        return Transparent;
    return GifByteType(levelOf(qRed(c), 6) * 42 + levelOf(qGreen(c), 7) * 6 + levelOf(qBlue(c), 6));
}

} // namespace

QByteArray EncodeGif(const QList<QImage> &frames, int delayCentiseconds)
{
    QByteArray out;
    if (frames.isEmpty())
        return out;
    const int w = frames.first().width(), h = frames.first().height();
    int error = 0;
    GifFileType *gif = EGifOpen(&out, writeToArray, &error);
    if (!gif)
        return {};
    ColorMapObject *map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i) {
        const int r = i / 42, g = (i / 6) % 7, b = i % 6;
        map->Colors[i] = i < 252 ? GifColorType{GifByteType(r * 255 / 5), GifByteType(g * 255 / 6), GifByteType(b * 255 / 5)}
                                 : GifColorType{0, 0, 0};
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
    // NETSCAPE2.0: loop for ever.
    const unsigned char netscape[] = "NETSCAPE2.0";
    const unsigned char loop[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
        && EGifPutExtensionBlock(gif, 11, netscape) == GIF_OK && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK
        && EGifPutExtensionTrailer(gif) == GIF_OK;
    std::vector<GifByteType> line(static_cast<size_t>(w));
    for (const QImage &frame : frames) {
        const QImage f = frame.convertToFormat(QImage::Format_ARGB32).scaled(w, h);
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_BACKGROUND;
        gcb.DelayTime = delayCentiseconds;
        gcb.TransparentColor = Transparent;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK;
        ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < h; ++y) {
            const auto *src = reinterpret_cast<const QRgb *>(f.constScanLine(y));
            for (int x = 0; x < w; ++x)
                line[size_t(x)] = indexOf(src[x]);
            ok = EGifPutLine(gif, line.data(), w) == GIF_OK;
        }
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
    return ok ? out : QByteArray();
}

} // namespace halvane::art
