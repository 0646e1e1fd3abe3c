#include "AniCursor.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdint>
#include <cstring>

namespace halvane {

namespace {

std::uint32_t U32(const QByteArray &d, qsizetype at)
{
    if (at < 0 || at + 4 > d.size())
        return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(d.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t U16(const QByteArray &d, qsizetype at)
{
    if (at < 0 || at + 2 > d.size())
        return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(d.constData() + at);
    return std::uint16_t(p[0] | p[1] << 8);
}

bool Tag(const QByteArray &d, qsizetype at, const char *tag)
{
    return at >= 0 && at + 4 <= d.size() && std::memcmp(d.constData() + at, tag, 4) == 0;
}

} // namespace

CursorFrame AniCursor::ReadStatic(const QByteArray &data)
{
    CursorFrame frame;
    // ICONDIR: reserved 0, type 1 (icon) or 2 (cursor), count; then 16-byte entries.
    if (data.size() < 22 || U16(data, 0) != 0 || (U16(data, 2) != 1 && U16(data, 2) != 2) || U16(data, 4) == 0)
        return frame;
    if (U16(data, 2) == 2)
        frame.hotSpot = QPoint(U16(data, 6 + 4), U16(data, 6 + 6));
    // Qt's icon reader takes cursors once the type says "icon".
    QByteArray asIcon = data;
    asIcon[2] = 1;
    QBuffer buffer(&asIcon);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    frame.image = reader.read();
    if (frame.image.isNull())
        frame.hotSpot = {};
    return frame;
}

std::vector<CursorFrame> AniCursor::ReadAnimated(const QByteArray &data)
{
    std::vector<CursorFrame> icons;
    if (!Tag(data, 0, "RIFF") || !Tag(data, 8, "ACON"))
        return {};
    const qsizetype end = std::min<qsizetype>(data.size(), qsizetype(U32(data, 4)) + 8);
    int defaultRate = 6;
    std::vector<int> rates;
    std::vector<int> sequence;
    qsizetype at = 12;
    while (at + 8 <= end) {
        const qsizetype size = qsizetype(U32(data, at + 4));
        const qsizetype body = at + 8;
        if (size < 0 || body + size > end)
            return {};
        if (Tag(data, at, "anih") && size >= 36) {
            const int rate = int(U32(data, body + 28));
            if (rate > 0)
                defaultRate = rate;
        } else if (Tag(data, at, "rate")) {
            for (qsizetype k = 0; k + 4 <= size; k += 4)
                rates.push_back(int(U32(data, body + k)));
        } else if (Tag(data, at, "seq ")) {
            for (qsizetype k = 0; k + 4 <= size; k += 4)
                sequence.push_back(int(U32(data, body + k)));
        } else if (Tag(data, at, "LIST") && Tag(data, body, "fram")) {
            qsizetype in = body + 4;
            while (in + 8 <= body + size) {
                const qsizetype iconSize = qsizetype(U32(data, in + 4));
                if (iconSize < 0 || in + 8 + iconSize > body + size)
                    return {};
                if (Tag(data, in, "icon")) {
                    CursorFrame f = ReadStatic(data.mid(in + 8, iconSize));
                    if (f.image.isNull())
                        return {};
                    icons.push_back(f);
                }
                in += 8 + iconSize + (iconSize & 1);
            }
        }
        at = body + size + (size & 1);
    }
    if (icons.empty())
        return {};
    if (sequence.empty())
        for (size_t k = 0; k < icons.size(); ++k)
            sequence.push_back(int(k));
    std::vector<CursorFrame> frames;
    for (size_t step = 0; step < sequence.size(); ++step) {
        const int index = sequence[step];
        if (index < 0 || size_t(index) >= icons.size())
            return {};
        CursorFrame f = icons[size_t(index)];
        f.jiffies = step < rates.size() && rates[step] > 0 ? rates[step] : defaultRate;
        frames.push_back(f);
    }
    return frames;
}

} // namespace halvane
