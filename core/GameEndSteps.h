#pragma once
// The end-of-game recording, one call per step in the order the game flow
// runs them (GameFlow::RecordGameEnd decides which steps apply to the kind of
// game; the table's own steps, leaving the table, the wait notice and the main
// menu, go to the GameView). Every step does nothing by default, so a subsystem that is not built
// yet simply leaves its step out; the records, online and LAN parts override
// the steps they own.

#include "Deal.h"

#include <array>
#include <string>

namespace halvane {

// The figures a finished game hands to the records and the service.
struct GameResult {
    int FinalScore = 0;          // the local player's GameScore (seat 3)
    int CycleScore = 0;          // StartScore + FinalScore
    int StartScore = 0;          // the player's score before this game
    int Kon = 1;                 // number of this game of the player (1 for a new player)
    int Games = 1;               // games this result stands for
    int PlayerSlot = 6;          // 1..5 a club member, 6 a new player, 7 account, 8 tournament
    std::string PlayerName;      // Windows-1251, trailing blanks removed
    std::array<std::string, 3> Names; // by seat, Windows-1251
    std::array<int, 3> GameScore{};   // by seat
    GameKind Kind = GameKind::Computer;
    bool AccountGame = false;    // an account game (AccountMode 3)
    bool RatedAccountGame = false;
    bool Tournament = false;
    bool Ordered = false;
    bool LongGame = false;
    bool Eralash = false;
    int Deals = 0;               // deals played
};

class GameEndSteps
{
public:
    virtual ~GameEndSteps() = default;

    // After every deal (once it is settled): the game's figures so far, which
    // the counters of a running game follow.
    virtual void AddDeal(const GameResult &) {}

    // 1. (The view has left the table.) A rated account game reports its end.
    virtual void SendRatedGameEndReport(const GameResult &) {}
    // 2. The rating after the game (club counters, or the account's record).
    virtual double RatingAfterGame(const GameResult &) { return 0.0; }
    // 3. The history entry of the game, written to the history file.
    virtual void WriteHistory(const GameResult &, double rating) {}
    // 4. The end-of-game statistics report to the service.
    virtual void SendStatistics(const GameResult &, double rating) {}
    // 6. The counters stored in the club file of the game's kind (and, at a
    //    cycle's end, the local top ten).
    virtual void StoreCounters(const GameResult &, double rating) {}
    // 7. The LAN socket of this machine closes.
    virtual void CloseLanSocket() {}
    // 8. At a cycle's end: the end-of-game screen, then the world top ten form.
    virtual void ShowEndOfGameScreen(const GameResult &, double rating) {}
    virtual void SubmitWorldTopTen(const GameResult &) {}
    // 9. The rated cycle submission of an account game.
    virtual void SubmitRatedCycle(const GameResult &) {}
    // 10. AccountMode 3 returns to 2.
    virtual void LeaveAccountGame() {}
    // 11. The menu tune restarts when music is on.
    virtual void RestartMusic() {}
    // (12. The view shows the main menu.)
};

} // namespace halvane
