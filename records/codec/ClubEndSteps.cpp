#include "ClubEndSteps.h"

#include "NumberText.h"
#include "PlayerLine.h"

namespace halvane {

ClubEndSteps::ClubEndSteps(const ClubStore &local, const ClubStore &network, std::filesystem::path historyFolder,
                           GameRecorder::Clock clock)
    : m_local(local), m_network(network), m_historyFolder(std::move(historyFolder)), m_clock(std::move(clock))
{
}

PlayerRecord ClubEndSteps::PlayerRecordOf(const GameCounters &c)
{
    PlayerRecord p;
    p.Name = TrimmedName(c.Name);
    p.GamesPlayed = c.GamesBefore;
    p.StartScore = c.StartScore;
    p.PlayerSlot = c.PlayerSlot;
    return p;
}

GameRecorder ClubEndSteps::RecorderFor(const GameResult &result) const
{
    // The history files are named after the local club file in both kinds of game.
    return GameRecorder(UsesNetworkClub(result) ? m_network : m_local, HistoryWriter(m_historyFolder, "Halvane"),
                        m_clock);
}

void ClubEndSteps::Report(Failure failure) const
{
    if (m_reportFailure)
        m_reportFailure(failure);
}

void ClubEndSteps::AddDeal(const GameResult &result)
{
    m_counters->AddDeal(result.FinalScore);
}

double ClubEndSteps::RatingAfterGame(const GameResult &result)
{
    // Setting the final score again changes nothing after the last deal's
    // AddDeal; callers that only hand in the finished game rely on it.
    m_counters->AddDeal(result.FinalScore);
    return RecorderFor(result).RatingAfterGame(*m_counters);
}

void ClubEndSteps::WriteHistory(const GameResult &result, double rating)
{
    if (result.AccountGame || result.Tournament)
        return; // their entries come from the service's figures
    const bool network = result.Kind == GameKind::Lan;
    if (!RecorderFor(result).WriteHistory(*m_counters, rating, network, NetworkHistoryName(result.Names)))
        Report(Failure::HistoryNotSaved);
}

void ClubEndSteps::StoreCounters(const GameResult &result, double)
{
    const GameRecorder::Stored stored = RecorderFor(result).StoreCounters(*m_counters);
    if (stored.save == ClubStore::SaveResult::Failed)
        Report(Failure::ClubNotSaved);
    m_storedLine = stored.save == ClubStore::SaveResult::Written ? stored.outcome.Line : 0;
    if (stored.outcome.CycleEnded) {
        m_topTenPlace = stored.outcome.TopTenPlace;
        m_lastCycleScore = stored.outcome.LastCycleScore;
    }
}

void ClubEndSteps::ShowEndOfGameScreen(const GameResult &, double)
{
    if (m_showCycleEnd)
        m_showCycleEnd(m_topTenPlace, m_lastCycleScore);
}

std::string NetworkHistoryName(const std::array<std::string, 3> &seatNames)
{
    return TrimmedName(seatNames[2]) + "/" + TrimmedName(seatNames[1]) + "/" + TrimmedName(seatNames[0]);
}

} // namespace halvane
