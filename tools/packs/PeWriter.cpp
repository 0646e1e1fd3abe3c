#include "PeWriter.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <vector>

namespace halvane::packs {

namespace {

constexpr quint32 SectionRva = 0x1000;
constexpr quint32 FileAlignment = 0x200;
constexpr quint32 SectionAlignment = 0x1000;
constexpr quint32 HeadersSize = 0x200;

quint32 align(quint32 value, quint32 to) { return (value + to - 1) / to * to; }

// Numbered types of the Windows resource compiler; 0 for a named type.
quint32 typeId(const QString &type)
{
    if (type == QLatin1String("RCDATA")) return 10;
    if (type == QLatin1String("BITMAP")) return 2;
    if (type == QLatin1String("ANICURSOR")) return 21;
    if (type == QLatin1String("CURSOR")) return 1;
    return 0;
}

// A name "#n" is a numbered entry.
bool numbered(const QString &name, quint32 &id)
{
    if (!name.startsWith(QLatin1Char('#')))
        return false;
    bool ok = false;
    id = name.mid(1).toUInt(&ok);
    return ok && id < 0x80000000u;
}

class Out
{
public:
    QByteArray bytes;
    void u16(quint32 at, quint16 v) { qToLittleEndian<quint16>(v, bytes.data() + at); }
    void u32(quint32 at, quint32 v) { qToLittleEndian<quint32>(v, bytes.data() + at); }
};

struct Key {
    QString label;
    quint32 id = 0;
    bool named = true;
};

// Named entries first, sorted by name; then numbered ones by id.
template <typename T>
std::vector<std::pair<Key, T>> ordered(const QMap<QString, T> &map, bool types)
{
    std::vector<std::pair<Key, T>> entries;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        Key k;
        k.label = it.key();
        quint32 id = 0;
        if (types ? (id = typeId(it.key())) != 0 : numbered(it.key(), id)) {
            k.named = false;
            k.id = id;
        }
        entries.emplace_back(k, it.value());
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
        if (a.first.named != b.first.named)
            return a.first.named;
        return a.first.named ? a.first.label < b.first.label : a.first.id < b.first.id;
    });
    return entries;
}

} // namespace

bool PeWriter::add(const QString &type, const QString &name, const QByteArray &data)
{
    auto &names = m_types[type.toUpper()];
    const QString key = name.toUpper();
    if (names.contains(key))
        return false;
    names.insert(key, data);
    return true;
}

bool PeWriter::contains(const QString &type, const QString &name) const
{
    const auto it = m_types.constFind(type.toUpper());
    return it != m_types.cend() && it->contains(name.toUpper());
}

int PeWriter::count() const
{
    int n = 0;
    for (const auto &names : m_types)
        n += int(names.size());
    return n;
}

QByteArray PeWriter::build() const
{
    const auto types = ordered(m_types, true);
    // Sizes of the three directory levels, then strings, data entries, data.
    quint32 directories = 16 + 8 * quint32(types.size());
    quint32 leaves = 0;
    quint32 strings = 0;
    quint32 dataBytes = 0;
    for (const auto &[type, names] : types) {
        directories += 16 + 8 * quint32(names.size());
        directories += quint32(names.size()) * (16 + 8);
        leaves += quint32(names.size());
        if (type.named)
            strings += 2 + 2 * quint32(type.label.size());
        for (auto it = names.cbegin(); it != names.cend(); ++it) {
            quint32 id = 0;
            if (!numbered(it.key(), id))
                strings += 2 + 2 * quint32(it.key().size());
            dataBytes += align(quint32(it.value().size()), 8);
        }
    }
    const quint32 stringsAt = directories;
    const quint32 entriesAt = align(stringsAt + strings, 8);
    const quint32 dataAt = entriesAt + leaves * 16;
    const quint32 rsrcSize = dataAt + dataBytes;

    Out r;
    r.bytes = QByteArray(int(rsrcSize), '\0');
    quint32 nextDirectory = 16 + 8 * quint32(types.size());
    quint32 nextString = stringsAt;
    quint32 nextEntry = entriesAt;
    quint32 nextData = dataAt;
    const auto writeName = [&](const QString &label) {
        const quint32 at = nextString;
        r.u16(at, quint16(label.size()));
        for (int i = 0; i < label.size(); ++i)
            r.u16(at + 2 + 2 * quint32(i), label.at(i).unicode());
        nextString += 2 + 2 * quint32(label.size());
        return at | 0x80000000u;
    };
    const auto writeHeader = [&](quint32 at, quint32 named, quint32 ids) {
        r.u16(at + 12, quint16(named));
        r.u16(at + 14, quint16(ids));
    };
    const auto namedCount = [](const auto &list) {
        return quint32(std::count_if(list.begin(), list.end(), [](const auto &e) { return e.first.named; }));
    };

    writeHeader(0, namedCount(types), quint32(types.size()) - namedCount(types));
    for (size_t t = 0; t < types.size(); ++t) {
        const auto &[type, nameMap] = types[t];
        const quint32 typeDirectory = nextDirectory;
        r.u32(16 + 8 * quint32(t), type.named ? writeName(type.label) : type.id);
        r.u32(16 + 8 * quint32(t) + 4, typeDirectory | 0x80000000u);
        const auto names = ordered(nameMap, false);
        nextDirectory += 16 + 8 * quint32(names.size());
        writeHeader(typeDirectory, namedCount(names), quint32(names.size()) - namedCount(names));
        for (size_t n = 0; n < names.size(); ++n) {
            const auto &[name, data] = names[n];
            const quint32 slot = typeDirectory + 16 + 8 * quint32(n);
            const quint32 languageDirectory = nextDirectory;
            nextDirectory += 16 + 8;
            r.u32(slot, name.named ? writeName(name.label) : name.id);
            r.u32(slot + 4, languageDirectory | 0x80000000u);
            writeHeader(languageDirectory, 0, 1);
            r.u32(languageDirectory + 16, 0x0409); // US English, as resource compilers default to
            r.u32(languageDirectory + 20, nextEntry);
            r.u32(nextEntry, SectionRva + nextData);
            r.u32(nextEntry + 4, quint32(data.size()));
            std::copy(data.cbegin(), data.cend(), r.bytes.begin() + nextData);
            nextEntry += 16;
            nextData += align(quint32(data.size()), 8);
        }
    }

    Out f;
    const quint32 rawSize = align(rsrcSize, FileAlignment);
    f.bytes = QByteArray(int(HeadersSize + rawSize), '\0');
    f.bytes[0] = 'M';
    f.bytes[1] = 'Z';
    const quint32 pe = 0x80;
    f.u32(0x3C, pe);
    f.u32(pe, 0x00004550u);
    const quint32 coff = pe + 4;
    f.u16(coff, 0x14C);      // i386
    f.u16(coff + 2, 1);      // one section
    f.u16(coff + 16, 224);   // optional header size
    f.u16(coff + 18, 0x2102); // executable image, 32-bit, DLL
    const quint32 opt = coff + 20;
    f.u16(opt, 0x10B);
    f.bytes[int(opt + 2)] = 2;
    f.u32(opt + 8, rawSize);             // initialised data
    f.u32(opt + 20, SectionRva);         // base of code
    f.u32(opt + 24, SectionRva);         // base of data
    f.u32(opt + 28, 0x10000000u);        // image base
    f.u32(opt + 32, SectionAlignment);
    f.u32(opt + 36, FileAlignment);
    f.u16(opt + 40, 4);                  // operating system 4.0
    f.u16(opt + 48, 4);                  // subsystem 4.0
    f.u32(opt + 56, SectionRva + align(rsrcSize, SectionAlignment));
    f.u32(opt + 60, HeadersSize);
    f.u16(opt + 68, 2);                  // Windows GUI
    f.u32(opt + 72, 0x100000);
    f.u32(opt + 76, 0x1000);
    f.u32(opt + 80, 0x100000);
    f.u32(opt + 84, 0x1000);
    f.u32(opt + 92, 16);                 // data directories
    f.u32(opt + 96 + 2 * 8, SectionRva); // resource directory
    f.u32(opt + 96 + 2 * 8 + 4, rsrcSize);
    const quint32 section = opt + 224;
    std::copy_n(".rsrc", 5, f.bytes.begin() + section);
    f.u32(section + 8, rsrcSize);
    f.u32(section + 12, SectionRva);
    f.u32(section + 16, rawSize);
    f.u32(section + 20, HeadersSize);
    f.u32(section + 36, 0x40000040u);    // initialised data, readable
    std::copy(r.bytes.cbegin(), r.bytes.cend(), f.bytes.begin() + HeadersSize);
    return f.bytes;
}

bool PeWriter::write(const QString &path) const
{
    const QByteArray bytes = build();
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

} // namespace halvane::packs
