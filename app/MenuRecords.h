#pragma once
// What the main window asks of the records: the settings and the club check
// at the first paint, the member buttons and top-ten panels from the club file
// in use, the welcome dialog before a game, the records dialogs of the menu
// and the pop-up menu, and the club line of a game left early.

#include <QString>

#include <memory>

namespace halvane {

class LocalGameEndSteps;
class TForm1;
class WavePlayer;

class MenuRecords
{
public:
    // The end-of-game records of the window's games: they work on the
    // window's counters and show the end-of-game screen over the window.
    static std::unique_ptr<LocalGameEndSteps> EndSteps(TForm1 &form, WavePlayer *sounds);
    // Reads the settings, checks both club files and writes the settings.
    // False when a club file is missing or damaged: the program must end.
    static bool StartUp(TForm1 &form);
    // The member buttons and Panel1..Panel3 from the club file in use.
    static void RefreshMenu(TForm1 &form);
    // The welcome dialog for slot 1..5 (a member) or 6 (a new player); on
    // success the window's counters hold the player's.
    static bool Welcome(TForm1 &form, int slot);
    // A game left before its end forfeits the player's club line.
    static void Abandon(TForm1 &form, int slot);
    // The settings are written when the window closes.
    static void Close(TForm1 &form);

    static void ShowTopTen(TForm1 &form);
    static void ShowHistory(TForm1 &form);
    static void ShowOptions(TForm1 &form);
    static void ShowSpeed(TForm1 &form);
    // Fetches a pack from the service into the parent folder (wait cursor,
    // then "WToMenK" or "WWrongs").
    static void DownloadPackFile(TForm1 &form, const QString &file);
    static void ShowCount(TForm1 &form);
    static void ChangeName(TForm1 &form);

    // "Error of disk writing!" and the like, in a box (on standard error without a screen).
    static void ShowError(const QString &message);
};

} // namespace halvane
