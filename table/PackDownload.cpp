#include "PackDownload.h"

#include "platform/PackNames.h"
#include "platform/ResourcePack.h"

#include <QDir>

namespace halvane {

QString PackDownloadUrl(const QString &host, int which)
{
    const QString file = DownloadFileOf(which);
    if (file.isEmpty() || host.isEmpty())
        return {};
    return QStringLiteral("http://") + host + QLatin1String(PackDownloadPath) + file;
}

QString PackDownloadTarget(int which)
{
    const QString file = DownloadFileOf(which);
    if (file.isEmpty())
        return {};
    const PackSearch &search = CurrentPackSearch();
    const QDir current(search.currentDir.isEmpty() ? QDir::currentPath() : search.currentDir);
    return QDir::cleanPath(current.filePath(QStringLiteral("../") + file));
}

bool PackDownloadEnabled(int which)
{
    const QString file = DownloadFileOf(which);
    return !file.isEmpty() && !PackFilePresent(file);
}

bool DownloadPack(int which, const QString &host, const std::function<bool(const QString &, const QString &)> &fetch)
{
    const QString url = PackDownloadUrl(host, which);
    if (url.isEmpty() || !fetch)
        return false;
    return fetch(url, PackDownloadTarget(which));
}

} // namespace halvane
