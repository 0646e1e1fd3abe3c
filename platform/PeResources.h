#pragma once
// The resources of a Windows PE file (a resource-only DLL), read as data.
// The file is parsed once; every offset is checked against the file, so a
// damaged or truncated file is rejected instead of read past its end.

#include "ResourceType.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace halvane {

class PeResources
{
public:
    PeResources() = default;
    // Parses the bytes of a PE file; isValid() tells whether that worked.
    explicit PeResources(QByteArray file);
    static PeResources fromFile(const QString &path);

    bool isValid() const { return m_valid; }
    // Why parsing failed, for a message; empty when valid.
    QString error() const { return m_error; }

    // A resource by type name ("RCDATA", "BITMAP", "JPEG", ... or "#n" for a
    // numbered type) and name (any letter case; "#n" for a numbered name).
    // Empty when absent.
    QByteArray data(const QString &typeName, const QString &name) const;
    QByteArray data(ResourceType type, const QString &name) const;
    bool contains(ResourceType type, const QString &name) const;
    QStringList names(const QString &typeName) const;
    QStringList typeNames() const;

    // A bitmap resource is a DIB without its file header; this gives a .bmp file.
    static QByteArray BitmapFile(const QByteArray &dib);

private:
    struct Entry {
        qsizetype offset = 0;
        qsizetype size = 0;
    };
    bool parse();
    bool fail(const char *why);
    bool walk(quint32 directory, int level, const QString &type, const QString &name);
    QString entryName(quint32 nameField) const;
    bool rvaToOffset(quint32 rva, quint32 size, qsizetype &offset) const;

    struct Section {
        quint32 virtualAddress = 0;
        quint32 virtualSize = 0;
        quint32 rawOffset = 0;
        quint32 rawSize = 0;
    };

    QByteArray m_file;
    QList<Section> m_sections;
    qsizetype m_rsrcOffset = 0; // file offset of the resource directory
    qsizetype m_rsrcSize = 0;
    int m_directoriesSeen = 0;
    QHash<QString, Entry> m_entries; // "TYPE/NAME" upper-cased
    bool m_valid = false;
    QString m_error;
};

// The resource type's name inside a PE file ("RCDATA" for type 10, ...).
QString PeTypeName(ResourceType type);

} // namespace halvane
