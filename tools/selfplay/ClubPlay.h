#pragma once
// Self-play as a club member: seat 3 is the member of a club file, and every
// game is recorded as the game's own end-of-game recording does it (rating,
// history entry, counters, the top ten at every 20th game).

#include "SelfPlay.h"
#include "records/codec/ClubEndSteps.h"
#include "records/codec/ClubStore.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace halvane::selfplay {

struct ClubPlayOptions {
    std::filesystem::path club;    // the club file
    int slot = 6;                  // 1..5 a member's line, 6 a new player
    std::string name = "Mr.X";     // the new player's name (Windows-1251)
    std::filesystem::path history; // the history folder; empty: "History" beside the club file
};

// Checks the options and the club file; an empty string when they are usable.
std::string CheckClubPlay(const ClubPlayOptions &club);

// Plays the games of `options` with the member in seat 3 and records each
// one; the cycle ends are reported on `out`.
SelfPlayResult RunClubPlay(SelfPlayOptions options, const ClubPlayOptions &club, std::ostream *log,
                           std::ostream &out);

} // namespace halvane::selfplay
