#include "ResourceRegistry.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace halvane {

const char *ResourceTypeName(ResourceType type)
{
    switch (type) {
    case ResourceType::RcData: return "RCDATA";
    case ResourceType::Bitmap: return "BITMAP";
    case ResourceType::Jpeg: return "JPEG";
    case ResourceType::Gif: return "GIF";
    case ResourceType::AniCursor: return "ANICURSOR";
    case ResourceType::Cursor: return "CURSOR";
    case ResourceType::Wave: return "WAVE";
    case ResourceType::Midi: return "MIDI";
    }
    return "";
}

const ResourceRegistry &ResourceRegistry::instance()
{
    static const ResourceRegistry registry(QStringLiteral(":/halvane"));
    return registry;
}

ResourceRegistry::ResourceRegistry(const QString &root)
{
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QFileInfo info(file);
        const QString typeName = info.dir().dirName();
        // Names carry no dots; an extension only tells Qt readers the format.
        const QString name = info.fileName().section(QLatin1Char('.'), 0, 0);
        m_paths.insert(key(typeName, name), file);
    }
}

QString ResourceRegistry::key(const QString &typeName, const QString &name)
{
    return typeName.toUpper() + QLatin1Char('/') + name.toUpper();
}

bool ResourceRegistry::contains(ResourceType type, const QString &name) const
{
    return m_paths.contains(key(QString::fromLatin1(ResourceTypeName(type)), name));
}

QString ResourceRegistry::path(ResourceType type, const QString &name) const
{
    return m_paths.value(key(QString::fromLatin1(ResourceTypeName(type)), name));
}

QByteArray ResourceRegistry::data(ResourceType type, const QString &name) const
{
    const QString p = path(type, name);
    if (p.isEmpty())
        return {};
    QFile f(p);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList ResourceRegistry::names(ResourceType type) const
{
    const QString prefix = QString::fromLatin1(ResourceTypeName(type)) + QLatin1Char('/');
    QStringList result;
    for (auto it = m_paths.cbegin(); it != m_paths.cend(); ++it)
        if (it.key().startsWith(prefix))
            result << QFileInfo(it.value()).fileName().section(QLatin1Char('.'), 0, 0);
    result.sort(Qt::CaseInsensitive);
    return result;
}

} // namespace halvane
