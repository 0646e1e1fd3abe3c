#include "ClubPlay.h"

#include "records/codec/ClubCheck.h"
#include "records/codec/PlayerLine.h"

namespace halvane::selfplay {

std::string CheckClubPlay(const ClubPlayOptions &club)
{
    if (club.slot < 1 || club.slot > 6)
        return "--slot must be 1..6";
    const ClubCheckResult check = CheckClubFile(club.club, true);
    if (check.status == ClubCheckResult::Status::Missing)
        return "Can`t find the file \"" + club.club.string() + "\"!";
    if (check.status != ClubCheckResult::Status::Ok)
        return "The incorrect file \"" + club.club.string() + "\"!";
    if (check.badAttributes)
        return "The file \"" + club.club.string() + "\" may not be written";
    if (club.slot <= 5) {
        const auto file = ClubStore(club.club).Load();
        if (!file || IsEmptyPlayerLine(file->line(club.slot)))
            return "line " + std::to_string(club.slot) + " of the club file holds no player";
    }
    if (club.slot == 6 && TrimmedName(club.name).empty())
        return "--name must not be empty";
    return {};
}

SelfPlayResult RunClubPlay(SelfPlayOptions options, const ClubPlayOptions &club, std::ostream *log, std::ostream &out)
{
    const ClubStore store(club.club);
    const std::filesystem::path history =
        club.history.empty() ? club.club.parent_path() / "History" : club.history;
    // Both kinds of game use this one file: seat 3 plays against the computer.
    ClubEndSteps steps(store, store, history);
    steps.setReportFailure([&out](ClubEndSteps::Failure failure) {
        out << (failure == ClubEndSteps::Failure::HistoryNotSaved ? "Cann`t save history!\n"
                                                                  : "Error of disk writing!\n");
    });
    steps.setShowCycleEnd([&out](int place, int score) {
        out << "cycle end: score " << score << ", top ten place " << place << '\n';
    });
    auto load = [&](int slot) {
        return LoadCounters(store.Load().value_or(ClubFile::Fresh()), slot, club.name, "");
    };
    GameCounters counters = load(club.slot);
    options.kon = counters.Kon;
    return RunSelfPlay(options, log, [&](const GameState &, const GameRecord &record) {
        steps.BeginGame(counters);
        GameResult r;
        r.FinalScore = record.finalScore;
        r.StartScore = counters.StartScore;
        r.CycleScore = counters.StartScore + record.finalScore;
        r.Kon = counters.Kon;
        r.PlayerSlot = counters.PlayerSlot;
        r.PlayerName = TrimmedName(counters.Name);
        r.Names = {"PC", "PC", r.PlayerName};
        r.GameScore = record.scores;
        const double rating = steps.RatingAfterGame(r);
        steps.WriteHistory(r, rating);
        steps.StoreCounters(r, rating);
        if (counters.Kon % CycleLength == 0)
            steps.ShowEndOfGameScreen(r, rating);
        // The next game continues as the member on the line the club file gave
        // them; a player who found no line starts again as a new player.
        counters = load(steps.StoredLine() > 0 ? steps.StoredLine() : 6);
    });
}

} // namespace halvane::selfplay
