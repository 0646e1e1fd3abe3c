#include "MemberLine.h"

namespace halvane {

QString MemberCaptionTail(const MemberLine &line, int menuDisplayMode)
{
    if (line.empty)
        return {};
    if (menuDisplayMode == 2)
        return QStringLiteral("%1%2").arg(line.games, 7).arg(line.rating, 9, 'f', 2);
    return QStringLiteral("%1%2").arg(line.games % 20, 7).arg(line.cycleScore, 9);
}

} // namespace halvane
