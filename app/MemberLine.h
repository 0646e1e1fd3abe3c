#pragma once
// What the main menu shows of one club member line.

#include <QString>

namespace halvane {

struct MemberLine {
    bool empty = true;
    QString name;     // 20 characters as stored
    int games = 0;    // games played in all
    int cycleScore = 0;
    double rating = 0.0;
};

// The caption tail after the name: games in the current cycle and the cycle
// score (display mode 1), or all games and the rating (display mode 2).
QString MemberCaptionTail(const MemberLine &line, int menuDisplayMode);

} // namespace halvane
