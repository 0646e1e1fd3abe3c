#pragma once
// Captions of the club member buttons and the top-ten panels of the main menu.

#include <QString>

#include <functional>

namespace halvane {

// Measures a caption in the font it will be drawn in.
using TextWidth = std::function<int(const QString &)>;

// Shortens `name + tail` until it is narrower than `limit` pixels: characters
// of the name are deleted one at a time from position 20 downwards, never below
// position 5. When any deleted character was neither a blank nor "#", the three
// characters just before the cut become ".".
QString ShortenCaption(const QString &name, const QString &tail, int limit, const TextWidth &width);

inline constexpr int MemberCaptionLimit = 361;
inline constexpr int TopTenCaptionLimit = 251;

} // namespace halvane
