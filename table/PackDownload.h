#pragma once
// The pack page of the options dialog: which files can be downloaded, where
// from and to, and when their buttons are enabled.

#include <QString>
#include <functional>

namespace halvane {

// The service path the packs are downloaded from.
inline constexpr const char *PackDownloadPath = "/downloads/zazer/cards/";

// "http://" + host + the path + file name for button 1..9; empty for others.
QString PackDownloadUrl(const QString &host, int which);
// Where a download is saved: "../" + file name from the current folder.
QString PackDownloadTarget(int which);
// A download button is enabled only while its pack is nowhere to be found.
bool PackDownloadEnabled(int which);
// The look of a download button: KLightSB 50 when disabled, 0 when enabled.
inline int PackButtonLight(bool enabled) { return enabled ? 0 : 50; }

// Fetches pack `which` with `fetch` (url, target file) -> success; the HTTP
// client supplies the fetch. Returns its result; nothing is fetched for an
// unknown number.
bool DownloadPack(int which, const QString &host, const std::function<bool(const QString &, const QString &)> &fetch);

} // namespace halvane
