#include "GameCounters.h"

#include <cmath>

#include "NumberText.h"
#include "PlayerLine.h"
#include "TopTenLine.h"

#include <algorithm>

namespace halvane {

void GameCounters::AddDeal(int finalScore)
{
    FinalScore = finalScore;
    CycleScore = StartScore + FinalScore;
}

GameCounters LoadCounters(const ClubFile &club, int slot, std::string_view newName, std::string_view newPassword)
{
    GameCounters c;
    c.PlayerSlot = slot;
    c.Name = PlayerNameField(newName);
    c.PasswordField = PasswordField(newPassword);
    if (slot >= 1 && slot <= PlayerLineCount) {
        const std::string &text = club.line(slot);
        if (const auto p = PlayerLine::Parse(text)) {
            c.Name = p->name;
            c.PasswordField = p->passwordField;
            c.GamesBeforeText = text.substr(30, 7);
            c.GamesBefore = p->games;
            c.StartScore = p->cycleScore;
            c.StartRating = p->rating;
        }
    }
    c.Kon = c.GamesBefore + 1;
    c.CycleScore = c.StartScore;
    return c;
}

double RatingAfterGame(int gamesBefore, double startRating, int finalScore, int kon)
{
    if (kon < 1)
        kon = 1;
    const double value = (double(gamesBefore) * startRating + finalScore / 20.0) * 1000000.0 / kon;
    const double rating = double(NearestEven(value)) / 1000000.0;
    return std::clamp(rating, -99.99, 99.99);
}

void RemovePlayer(ClubFile &club, int slot)
{
    if (slot < 1 || slot > PlayerLineCount)
        return;
    for (int k = slot; k < PlayerLineCount; ++k)
        club.setLine(k, club.line(k + 1));
    club.setLine(PlayerLineCount, std::string(EmptyPlayerLine));
}

int InsertPlayerLine(ClubFile &club, const std::string &playerLine)
{
    const double rating = ReadRating(std::string_view(playerLine).substr(20, 10));
    for (int k = 1; k <= PlayerLineCount; ++k) {
        const std::string &here = club.line(k);
        if (IsEmptyPlayerLine(here) || ReadRating(std::string_view(here).substr(20, 10)) <= rating) {
            for (int j = PlayerLineCount; j > k; --j)
                club.setLine(j, club.line(j - 1));
            club.setLine(k, playerLine);
            return k;
        }
    }
    return 0;
}

int InsertIntoTopTen(ClubFile &club, std::string_view playerLine)
{
    const int score = ParseInt(playerLine.substr(38, 6)).value_or(0);
    for (int k = 6; k <= 15; ++k) {
        if (score >= ReadTopTenLine(club.line(k)).value) {
            for (int j = 15; j > k; --j)
                club.setLine(j, club.line(j - 1));
            club.setLine(k, std::string(playerLine.substr(0, 20)) + std::string(playerLine.substr(38, 6)));
            return k - 5;
        }
    }
    return 0;
}

StoreOutcome StoreCounters(ClubFile &club, const GameCounters &c)
{
    StoreOutcome out;
    out.Rating = RatingAfterGame(c.GamesBefore, c.StartRating, c.FinalScore, c.Kon);
    PlayerLine line;
    line.name = c.Name;
    line.rating = out.Rating;
    line.games = c.Kon;
    line.cycleScore = c.StartScore + c.FinalScore;
    line.passwordField = c.PasswordField;
    std::string text = line.Text();
    RemovePlayer(club, c.PlayerSlot);
    if (c.Kon % CycleLength == 0) {
        out.CycleEnded = true;
        out.TopTenPlace = InsertIntoTopTen(club, text);
        out.LastCycleScore = line.cycleScore;
        line.cycleScore = 0;
        text = line.Text();
    }
    out.Line = InsertPlayerLine(club, text);
    return out;
}

int ChangeName(ClubFile &club, int slot, std::string_view newName, std::string_view newPassword)
{
    if (slot < 1 || slot > PlayerLineCount || IsEmptyPlayerLine(club.line(slot)))
        return 0;
    std::string text = club.line(slot);
    text.replace(0, 20, PlayerNameField(newName));
    text.replace(44, 15, PasswordField(newPassword));
    RemovePlayer(club, slot);
    return InsertPlayerLine(club, text);
}

int GameInCycle(int kon)
{
    const int k = kon % CycleLength;
    return k == 0 ? CycleLength : k;
}

TCount FillCount(const GameCounters &c, CountKind kind, int accountCycleGame)
{
    TCount t;
    t.Count_KonAll = std::to_string(c.Kon);
    t.Count_ScoBeg = std::to_string(c.StartScore);
    t.Count_ScoCur = std::to_string(c.FinalScore);
    t.Count_ScoAll = std::to_string(c.StartScore + c.FinalScore);
    if (kind == CountKind::Club) {
        t.Count_KonCur = std::to_string(GameInCycle(c.Kon));
        t.Count_ReiBeg = PadLeft(TwoDecimalText(c.StartRating), 6);
        t.Count_ReiCur = PadLeft(TwoDecimalText(RatingAfterGame(c.GamesBefore, c.StartRating, c.FinalScore, c.Kon)), 6);
        return t;
    }
    // The service's ratings are whole numbers; the one after the game is its to tell.
    t.Count_KonCur = kind == CountKind::Account ? std::to_string(accountCycleGame) : "-";
    t.Count_ReiBeg = std::to_string(static_cast<long long>(std::nearbyint(c.StartRating)));
    t.Count_ReiCur = "?";
    return t;
}

} // namespace halvane
