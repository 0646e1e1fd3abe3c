#pragma once
// The executable's own named resources. They are Qt resources laid out as
// ":/halvane/<TYPE>/<Name>[.ext]"; a lookup takes the type and the name in any
// letter case, as resource names are case-insensitive.

#include "ResourceType.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace halvane {

class ResourceRegistry
{
public:
    // The registry over the resources compiled into this program.
    static const ResourceRegistry &instance();

    // Builds an index over every file under `root` (a Qt resource or disk folder).
    explicit ResourceRegistry(const QString &root);

    bool contains(ResourceType type, const QString &name) const;
    // The resource's bytes, or an empty array when there is none of that name.
    QByteArray data(ResourceType type, const QString &name) const;
    // The path for Qt readers (QImage, QMovie); empty when missing.
    QString path(ResourceType type, const QString &name) const;
    QStringList names(ResourceType type) const;

private:
    static QString key(const QString &typeName, const QString &name);
    QHash<QString, QString> m_paths; // "TYPE/NAME" upper-cased -> resource path
};

} // namespace halvane
