#include "GameRecorder.h"

#include <ctime>

namespace halvane {

GameRecorder::GameRecorder(const ClubStore &club, HistoryWriter history, Clock clock)
    : m_club(club), m_history(std::move(history)), m_clock(std::move(clock))
{
}

double GameRecorder::RatingAfterGame(const GameCounters &c) const
{
    return halvane::RatingAfterGame(c.GamesBefore, c.StartRating, c.FinalScore, c.Kon);
}

bool GameRecorder::WriteHistory(const GameCounters &c, double rating, bool networkGame,
                                const std::string &networkNames) const
{
    HisStr entry;
    entry.HName = networkGame ? networkNames : c.Name;
    entry.HKon = 1;
    entry.HRes = c.FinalScore;
    entry.HRei = rating;
    entry.Ac = networkGame ? 3 : 0;
    const Stamp stamp = m_clock ? m_clock() : LocalClock();
    return m_history.Write({entry}, stamp.time, stamp.date);
}

GameRecorder::Stored GameRecorder::StoreCounters(const GameCounters &c) const
{
    Stored stored;
    auto club = m_club.Load();
    if (!club || !club->HasValidShape()) {
        stored.outcome.Rating = RatingAfterGame(c);
        return stored;
    }
    stored.outcome = halvane::StoreCounters(*club, c);
    stored.save = m_club.Save(*club);
    return stored;
}

GameRecorder::Stamp GameRecorder::LocalClock()
{
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now); // one thread: the shared buffer is safe
    char time[16], date[32];
    std::strftime(time, sizeof time, "%H:%M", &local);
    std::strftime(date, sizeof date, "%x", &local);
    return {time, date};
}

} // namespace halvane
