#pragma once
// The records' part of a finished game against the computer or over the
// network: the rating from the club counters, the history entry, and the
// counters stored in the club file (with the local top ten at a cycle's end).
// The window and the self-play tool run the same steps through this class.

#include "ClubStore.h"
#include "GameCounters.h"
#include "HistoryFile.h"

#include <functional>
#include <string>

namespace halvane {

class GameRecorder
{
public:
    // Time of day "hh:nn" and date, as the history lines show them.
    struct Stamp {
        std::string time;
        std::string date;
    };
    using Clock = std::function<Stamp()>;

    GameRecorder(const ClubStore &club, HistoryWriter history, Clock clock = LocalClock);

    // The rating after the game from the club counters.
    double RatingAfterGame(const GameCounters &counters) const;

    // One history entry: the stored 20-character name for a game against the
    // computer (Ac 0), or `networkNames` ("seat 3/seat 2/seat 1") for a network game (Ac 3).
    bool WriteHistory(const GameCounters &counters, double rating, bool networkGame,
                      const std::string &networkNames = {}) const;

    struct Stored {
        StoreOutcome outcome;
        ClubStore::SaveResult save = ClubStore::SaveResult::Failed;
    };
    // Stores the counters in the club file; a file that cannot be read is left alone.
    Stored StoreCounters(const GameCounters &counters) const;

    // The time and date of this computer in the C library's local formats.
    static Stamp LocalClock();

private:
    const ClubStore &m_club;
    HistoryWriter m_history;
    Clock m_clock;
};

} // namespace halvane
