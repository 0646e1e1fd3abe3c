#include "ResourcePack.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace halvane {

namespace {

QString programDirOf(const PackSearch &search)
{
    if (!search.programDir.isEmpty())
        return search.programDir;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString currentDirOf(const PackSearch &search)
{
    return search.currentDir.isEmpty() ? QDir::currentPath() : search.currentDir;
}

QStringList candidates(const QString &name, const PackSearch &search)
{
    // Names are bare file names; anything with a folder in it is not a pack name.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return {};
    return {QDir(programDirOf(search)).filePath(name), QDir(currentDirOf(search)).filePath(QStringLiteral("../") + name)};
}

} // namespace

PackSearch &CurrentPackSearch()
{
    static PackSearch search;
    return search;
}

QString FindPack(const QString &name, const PackSearch &search)
{
    for (const QString &path : candidates(name, search))
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    return {};
}

bool PackFilePresent(const QString &name, const PackSearch &search)
{
    if (name.isEmpty())
        return false;
    const QDir current(currentDirOf(search));
    return QFileInfo(current.filePath(QStringLiteral("../") + name)).exists()
        || QFileInfo(current.filePath(name)).exists()
        || QFileInfo(QDir(programDirOf(search)).filePath(name)).exists();
}

PeResources OpenPack(const QString &name, const PackSearch &search)
{
    for (const QString &path : candidates(name, search)) {
        if (!QFileInfo(path).isFile())
            continue;
        PeResources pack = PeResources::fromFile(path);
        if (pack.isValid())
            return pack;
    }
    return {};
}

} // namespace halvane
