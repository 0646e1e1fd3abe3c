#pragma once
// Writes a resource-only Windows DLL (PE32, no code, one ".rsrc" section),
// as a Windows resource compiler and linker would: a type / name / language
// directory with named entries (upper-cased, sorted) before numbered ones.

#include <QByteArray>
#include <QMap>
#include <QString>

namespace halvane::packs {

class PeWriter
{
public:
    // `type` is "RCDATA" (10), "BITMAP" (2), "ANICURSOR" (21), or a custom
    // type name such as "JPEG", "GIF" or "WAVE". A name already added keeps
    // its first data; returns false then.
    bool add(const QString &type, const QString &name, const QByteArray &data);
    bool contains(const QString &type, const QString &name) const;
    int count() const;

    QByteArray build() const;
    bool write(const QString &path) const;

private:
    QMap<QString, QMap<QString, QByteArray>> m_types; // upper-cased type -> upper-cased name -> data
};

} // namespace halvane::packs
