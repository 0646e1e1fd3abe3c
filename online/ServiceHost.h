#pragma once
// The host of the game's web service, which also serves the pack downloads
// and the radio lists. HALVANE_SERVICE_HOST overrides it (a test server, a
// mirror).

#include <QString>

namespace halvane {

inline constexpr const char *DefaultServiceHost = "service.halvane.net";

QString ServiceHost();

} // namespace halvane
