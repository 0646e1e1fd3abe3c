#include "MemberCaption.h"

namespace halvane {

QString ShortenCaption(const QString &name, const QString &tail, int limit, const TextWidth &width)
{
    QString head = name.left(20);
    if (width(head + tail) < limit)
        return head + tail;

    bool lostText = false;
    // Positions are 1-based: delete at position 20, 19, ... but keep 1..4.
    for (int pos = std::min<int>(20, head.size()); pos >= 5; --pos) {
        const QChar deleted = head.at(pos - 1);
        if (deleted != QLatin1Char(' ') && deleted != QLatin1Char('#'))
            lostText = true;
        head.remove(pos - 1, 1);
        if (width(head + tail) < limit)
            break;
    }
    if (lostText) {
        // The three characters just before the cut are the last three of what is left.
        const int from = std::max<int>(0, head.size() - 3);
        for (int i = from; i < head.size(); ++i)
            head[i] = QLatin1Char('.');
    }
    return head + tail;
}

} // namespace halvane
