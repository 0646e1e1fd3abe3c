#include "PeResources.h"

#include <QFile>
#include <QtEndian>

namespace halvane {

namespace {

constexpr quint32 HighBit = 0x80000000u;
// More directories than this means a loop or a hostile file.
constexpr int MaxDirectories = 100000;

QString numberedTypeName(quint32 id)
{
    switch (id) {
    case 2: return QStringLiteral("BITMAP");
    case 10: return QStringLiteral("RCDATA");
    case 1: return QStringLiteral("CURSOR");
    case 3: return QStringLiteral("ICON");
    case 12: return QStringLiteral("GROUP_CURSOR");
    case 14: return QStringLiteral("GROUP_ICON");
    case 21: return QStringLiteral("ANICURSOR");
    default: return QStringLiteral("#%1").arg(id);
    }
}

QString key(const QString &type, const QString &name)
{
    return type.toUpper() + QLatin1Char('/') + name.toUpper();
}

} // namespace

QString PeTypeName(ResourceType type)
{
    switch (type) {
    case ResourceType::RcData: return QStringLiteral("RCDATA");
    case ResourceType::Bitmap: return QStringLiteral("BITMAP");
    case ResourceType::Jpeg: return QStringLiteral("JPEG");
    case ResourceType::Gif: return QStringLiteral("GIF");
    case ResourceType::AniCursor: return QStringLiteral("ANICURSOR");
    case ResourceType::Cursor: return QStringLiteral("CURSOR");
    case ResourceType::Wave: return QStringLiteral("WAVE");
    case ResourceType::Midi: return QStringLiteral("MIDI");
    }
    return {};
}

PeResources::PeResources(QByteArray file) : m_file(std::move(file))
{
    m_valid = parse();
    if (!m_valid)
        m_entries.clear();
}

PeResources PeResources::fromFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        PeResources none;
        none.m_error = QStringLiteral("cannot open the file");
        return none;
    }
    return PeResources(f.readAll());
}

bool PeResources::fail(const char *why)
{
    m_error = QString::fromLatin1(why);
    return false;
}

bool PeResources::parse()
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_file.constData());
    const qsizetype length = m_file.size();
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes + at); };

    if (length < 64 || bytes[0] != 'M' || bytes[1] != 'Z')
        return fail("not a PE file (no MZ header)");
    const qsizetype pe = u32(0x3C);
    if (pe < 0 || pe > length - 24 || u32(pe) != 0x00004550u)
        return fail("not a PE file (no PE signature)");
    const qsizetype coff = pe + 4;
    const int sectionCount = u16(coff + 2);
    const qsizetype optionalSize = u16(coff + 16);
    const qsizetype optional = coff + 20;
    if (optional + optionalSize > length || optionalSize < 2)
        return fail("truncated optional header");
    const quint16 magic = u16(optional);
    qsizetype directoryCountAt = 0;
    if (magic == 0x10b)
        directoryCountAt = optional + 92;
    else if (magic == 0x20b)
        directoryCountAt = optional + 108;
    else
        return fail("unknown optional header");
    if (directoryCountAt + 4 > optional + optionalSize)
        return fail("truncated optional header");
    const quint32 directoryCount = u32(directoryCountAt);
    const qsizetype resourceDirAt = directoryCountAt + 4 + 2 * 8;
    if (directoryCount < 3 || resourceDirAt + 8 > optional + optionalSize)
        return fail("no resource directory");
    const quint32 rsrcRva = u32(resourceDirAt);
    const quint32 rsrcSize = u32(resourceDirAt + 4);

    const qsizetype sections = optional + optionalSize;
    if (sections + qsizetype(sectionCount) * 40 > length)
        return fail("truncated section table");
    for (int i = 0; i < sectionCount; ++i) {
        const qsizetype s = sections + qsizetype(i) * 40;
        m_sections.append(Section{u32(s + 12), u32(s + 8), u32(s + 20), u32(s + 16)});
    }
    if (rsrcRva == 0 || rsrcSize < 16)
        return fail("no resources");
    // The directory may be shorter in the section than the header claims; the
    // walk checks every read against the section's raw bytes.
    if (!rvaToOffset(rsrcRva, 16, m_rsrcOffset))
        return fail("resource directory outside the file");
    for (const Section &s : m_sections)
        if (rsrcRva >= s.virtualAddress && rsrcRva - s.virtualAddress < s.rawSize)
            m_rsrcSize = qsizetype(s.rawSize) - (rsrcRva - s.virtualAddress);
    m_rsrcSize = std::min<qsizetype>(m_rsrcSize, length - m_rsrcOffset);
    if (!walk(0, 0, QString(), QString()))
        return false;
    return true;
}

bool PeResources::rvaToOffset(quint32 rva, quint32 size, qsizetype &offset) const
{
    for (const Section &s : m_sections) {
        if (rva < s.virtualAddress)
            continue;
        const quint64 inSection = quint64(rva) - s.virtualAddress;
        const quint64 extent = std::max(s.virtualSize, s.rawSize);
        if (inSection >= extent)
            continue;
        if (inSection + size > s.rawSize)
            return false;
        const quint64 at = quint64(s.rawOffset) + inSection;
        if (at + size > quint64(m_file.size()))
            return false;
        offset = qsizetype(at);
        return true;
    }
    return false;
}

QString PeResources::entryName(quint32 nameField) const
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_file.constData());
    const quint32 at = nameField & ~HighBit;
    if (qsizetype(at) + 2 > m_rsrcSize)
        return {};
    const quint16 count = qFromLittleEndian<quint16>(bytes + m_rsrcOffset + at);
    if (count == 0 || qsizetype(at) + 2 + qsizetype(count) * 2 > m_rsrcSize)
        return {};
    QString name(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i)
        name[i] = QChar(qFromLittleEndian<quint16>(bytes + m_rsrcOffset + at + 2 + i * 2));
    return name;
}

bool PeResources::walk(quint32 directory, int level, const QString &type, const QString &name)
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_file.constData());
    if (++m_directoriesSeen > MaxDirectories)
        return fail("resource directory loops");
    if (qsizetype(directory) + 16 > m_rsrcSize)
        return fail("resource directory outside the file");
    const qsizetype base = m_rsrcOffset + directory;
    const int count = qFromLittleEndian<quint16>(bytes + base + 12) + qFromLittleEndian<quint16>(bytes + base + 14);
    if (qsizetype(directory) + 16 + qsizetype(count) * 8 > m_rsrcSize)
        return fail("resource directory entries outside the file");
    for (int i = 0; i < count; ++i) {
        const qsizetype e = base + 16 + qsizetype(i) * 8;
        const quint32 nameField = qFromLittleEndian<quint32>(bytes + e);
        const quint32 target = qFromLittleEndian<quint32>(bytes + e + 4);
        QString label;
        if (level < 2) {
            if (nameField & HighBit) {
                label = entryName(nameField);
                if (label.isEmpty())
                    return fail("resource name outside the file");
            } else {
                label = level == 0 ? numberedTypeName(nameField) : QStringLiteral("#%1").arg(nameField);
            }
        }
        if (target & HighBit) {
            // Type, then name, then language: a fourth level is malformed.
            if (level >= 2)
                return fail("resource directory too deep");
            if (!walk(target & ~HighBit, level + 1, level == 0 ? label : type, level == 1 ? label : name))
                return false;
            continue;
        }
        if (level != 2)
            return fail("resource data entry at the wrong level");
        if (qsizetype(target) + 16 > m_rsrcSize)
            return fail("resource data entry outside the file");
        const quint32 dataRva = qFromLittleEndian<quint32>(bytes + m_rsrcOffset + target);
        const quint32 dataSize = qFromLittleEndian<quint32>(bytes + m_rsrcOffset + target + 4);
        qsizetype at = 0;
        if (!rvaToOffset(dataRva, dataSize, at))
            return fail("resource data outside the file");
        // The first language of a name wins.
        const QString k = key(type, name);
        if (!m_entries.contains(k))
            m_entries.insert(k, Entry{at, qsizetype(dataSize)});
    }
    return true;
}

QByteArray PeResources::data(const QString &typeName, const QString &name) const
{
    const auto it = m_entries.constFind(key(typeName, name));
    if (it == m_entries.cend())
        return {};
    return m_file.mid(it->offset, it->size);
}

QByteArray PeResources::data(ResourceType type, const QString &name) const
{
    return data(PeTypeName(type), name);
}

bool PeResources::contains(ResourceType type, const QString &name) const
{
    return m_entries.contains(key(PeTypeName(type), name));
}

QStringList PeResources::names(const QString &typeName) const
{
    const QString prefix = typeName.toUpper() + QLatin1Char('/');
    QStringList result;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
        if (it.key().startsWith(prefix))
            result << it.key().mid(prefix.size());
    result.sort();
    return result;
}

QStringList PeResources::typeNames() const
{
    QStringList result;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        const QString t = it.key().section(QLatin1Char('/'), 0, 0);
        if (!result.contains(t))
            result << t;
    }
    result.sort();
    return result;
}

QByteArray PeResources::BitmapFile(const QByteArray &dib)
{
    if (dib.size() < 40)
        return {};
    const auto *bytes = reinterpret_cast<const uchar *>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes);
    const quint16 bitCount = qFromLittleEndian<quint16>(bytes + 14);
    quint32 colours = qFromLittleEndian<quint32>(bytes + 32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 16);
    const quint32 masks = (compression == 3 && headerSize == 40) ? 12 : 0;
    const quint32 bitsAt = 14 + headerSize + masks + colours * 4;
    QByteArray file(14, '\0');
    auto *h = reinterpret_cast<uchar *>(file.data());
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), h + 2);
    qToLittleEndian<quint32>(bitsAt, h + 10);
    return file + dib;
}

} // namespace halvane
