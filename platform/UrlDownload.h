#pragma once
// Fetches a URL into a file, the way the system's URL-to-file download does:
// the call returns when the transfer has ended. The window keeps painting
// meanwhile, but takes no input. The file is written under a temporary name
// in the target's folder and renamed over the target only when the whole
// body arrived with HTTP status 200, so a failed download never leaves a
// broken pack behind nor damages a file that was already there.

#include <QString>

namespace halvane {

struct UrlDownloadResult {
    bool ok = false;
    QString error; // why it failed, for the log
};

UrlDownloadResult DownloadUrlToFile(const QString &url, const QString &target, int timeoutMs = 120000);

} // namespace halvane
