#pragma once
// The records' steps of the end-of-game recording for games against the
// computer and network games: the rating from the club counters, the history
// entry, the counters and the local top ten in the club file of the game's
// kind. The window adds the dialogs through the callbacks; the self-play tool
// runs the same steps with none.

#include "GameCounters.h"
#include "GameRecorder.h"
#include "core/GameEndSteps.h"
#include "core/GameFlowState.h"

#include <functional>

namespace halvane {

class ClubEndSteps : public GameEndSteps
{
public:
    enum class Failure { HistoryNotSaved, ClubNotSaved };
    using ReportFailure = std::function<void(Failure)>;
    // The end-of-game screen of a finished cycle: the place reached (0 none) and the cycle's score.
    using ShowCycleEnd = std::function<void(int topTenPlace, int lastCycleScore)>;

    // `local` and `network` are the club files of the two kinds of game; the
    // history files go to `historyFolder`.
    ClubEndSteps(const ClubStore &local, const ClubStore &network, std::filesystem::path historyFolder,
                 GameRecorder::Clock clock = GameRecorder::LocalClock);

    void setReportFailure(ReportFailure report) { m_reportFailure = std::move(report); }
    void setShowCycleEnd(ShowCycleEnd show) { m_showCycleEnd = std::move(show); }

    ClubEndSteps(const ClubEndSteps &) = delete;
    ClubEndSteps &operator=(const ClubEndSteps &) = delete;

    // The steps work on `counters` from now on instead of their own copy: the
    // window's, which the general score dialog shows and a change of name
    // edits while the game runs.
    void ShareCounters(GameCounters &counters) { m_counters = &counters; }
    // The counters of the game that starts now (from the welcome dialog).
    void BeginGame(const GameCounters &counters) { *m_counters = counters; }
    const GameCounters &counters() const { return *m_counters; }
    // What the game flow needs to know of the player.
    static PlayerRecord PlayerRecordOf(const GameCounters &counters);

    // The game's score so far: FinalScore and CycleScore follow it.
    void AddDeal(const GameResult &result) override;
    double RatingAfterGame(const GameResult &result) override;
    void WriteHistory(const GameResult &result, double rating) override;
    void StoreCounters(const GameResult &result, double rating) override;
    void ShowEndOfGameScreen(const GameResult &result, double rating) override;

    // Kept for the rest of the run once a cycle has ended.
    int TopTenPlace() const { return m_topTenPlace; }
    int LastCycleScore() const { return m_lastCycleScore; }
    // The club line the player stands on after the last stored game (0 not stored).
    int StoredLine() const { return m_storedLine; }

protected:
    // Whether the game's counters belong to the network club file: those of a
    // LAN game do; the window also counts a game begun while network play is on.
    virtual bool UsesNetworkClub(const GameResult &result) const { return result.Kind == GameKind::Lan; }

private:
    GameRecorder RecorderFor(const GameResult &result) const;
    void Report(Failure failure) const;

    const ClubStore &m_local;
    const ClubStore &m_network;
    std::filesystem::path m_historyFolder;
    GameRecorder::Clock m_clock;
    GameCounters m_ownCounters;
    GameCounters *m_counters = &m_ownCounters;
    ReportFailure m_reportFailure;
    ShowCycleEnd m_showCycleEnd;
    int m_topTenPlace = 0;
    int m_lastCycleScore = 0;
    int m_storedLine = 0;
};

// "seat 3/seat 2/seat 1", each name without its trailing blanks.
std::string NetworkHistoryName(const std::array<std::string, 3> &seatNames);

} // namespace halvane
