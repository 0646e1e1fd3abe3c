#pragma once
// The club counters of the game on the table and the club file operations at
// its start, its end and when it is left (games against the computer and
// network games; account and tournament games keep theirs at the service).

#include "ClubFile.h"

#include <string>
#include <string_view>

namespace halvane {

inline constexpr int CycleLength = 20;

struct GameCounters {
    int PlayerSlot = 6;            // 1..5 a player line, 6 a new player
    std::string Name = std::string(20, ' '); // 20 characters as in the player line
    std::string PasswordField;     // 15 digits
    std::string GamesBeforeText = "  0";
    int GamesBefore = 0;           // K
    int Kon = 1;                   // this game's number: K + 1
    int StartScore = 0;            // the general score when the game began
    int FinalScore = 0;            // the player's score in this game so far
    int CycleScore = 0;            // StartScore + FinalScore
    double StartRating = 0.0;

    // After every deal: the player's score in this game so far.
    void AddDeal(int finalScore);
};

// Slot 1..5: the member of that line (an empty line gives a new player's
// counters); slot 6: a new player with the name and password typed.
GameCounters LoadCounters(const ClubFile &club, int slot, std::string_view newName = {},
                          std::string_view newPassword = {});

// (K x R + S / 20) x 1,000,000 / N rounded half to even, over 1,000,000, held
// within -99.99..99.99: the average of the game scores over 20.
double RatingAfterGame(int gamesBefore, double startRating, int finalScore, int kon);

// The player line of slot 1..5 leaves; the lines below move up, line 5 empties.
// Other slots change nothing.
void RemovePlayer(ClubFile &club, int slot);

// Puts a player line among lines 1..5 by rating: at the first line that is
// empty or whose rating is not above it; the fifth line drops out. Returns the
// line it took, or 0 when all five rate higher and it is not stored.
int InsertPlayerLine(ClubFile &club, const std::string &playerLine);

// The local top ten insertion of a player line's cycle score: the first place
// whose score it reaches (an equal score goes above the older one); the tenth
// drops out. Returns the place 1..10, or 0.
int InsertIntoTopTen(ClubFile &club, std::string_view playerLine);

struct StoreOutcome {
    double Rating = 0.0;
    bool CycleEnded = false;
    int TopTenPlace = 0;       // only when the cycle ended
    int LastCycleScore = 0;    // only when the cycle ended
    int Line = 0;              // where the player now stands, 0 not stored
};

// The end of a game: the new rating, the player line rebuilt and put in place,
// and at every 20th game the top ten entry and the general score back to 0.
StoreOutcome StoreCounters(ClubFile &club, const GameCounters &counters);

// A new name and password for the member of `slot`; the line is put in place
// again. Returns its new line (0 when the slot holds nobody).
int ChangeName(ClubFile &club, int slot, std::string_view newName, std::string_view newPassword);

// The counters as the general score dialog shows them.
struct TCount {
    std::string Count_KonAll, Count_KonCur, Count_ScoBeg, Count_ScoCur, Count_ScoAll, Count_ReiBeg, Count_ReiCur;
};
// Account and tournament games take their figures from the service: the
// account's position in its cycle, and for a tournament the tournament score in
// StartScore and the tournament rating in StartRating.
enum class CountKind { Club, Account, Tournament };
TCount FillCount(const GameCounters &counters, CountKind kind = CountKind::Club, int accountCycleGame = 0);

// The game's number within its cycle, 1..20.
int GameInCycle(int kon);

} // namespace halvane
