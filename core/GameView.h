#pragma once
// What the game flow asks of the table. The window implements it over the
// drawing code; tests implement it with a recorder. Every call that waits
// (a flight, a pause, a sound played to its end) returns when the wait is
// over; the window keeps painting meanwhile and takes no input.

#include "Card.h"
#include "Hand.h"

#include <array>
#include <string>

namespace halvane {

// The captions of the start / "Ok" / "Next Round" button (Button7).
enum class StartCaption { ToBegin, ToBeginOfRound, Ok, NextRound };

// What a seat's name plate shows.
struct PlateText {
    enum class Kind { Empty, Name, Thinking, Order };
    Kind kind = Kind::Empty;
    std::string name;   // Kind::Name: the player's name, Windows-1251
    int order = 0;      // Kind::Order: the ordered button 1..8 (7 and 8 are "Take tricks")
    bool operator==(const PlateText &) const = default;
};

// One seat's score tablet: the game score on top, the deal points on the right.
struct TabletFigures {
    bool isTurn = false;
    int top = 0;
    int right = 0;
    bool finalColours = false; // the game is over: red, positive figures with "+"
    bool operator==(const TabletFigures &) const = default;
};

class GameView
{
public:
    virtual ~GameView() = default;

    // Shows the table (hands, plates, tablets, trick area, contract panel),
    // clears the trick area and the name plates, and stops the menu tune.
    virtual void LayOutTable() = 0;
    // The popup items "Exit to menu", "General score" and "To change a name".
    virtual void SetGameMenuItems(bool exitToMenu, bool generalScore, bool changeName) = 0;
    virtual void DrawContractPanel(int round, int contract) = 0;
    // The contract panel's hint: "Game: kon / of".
    virtual void SetContractHint(int kon, int of) = 0;
    virtual void DrawNamePlate(int seat, const PlateText &plate) = 0;
    virtual void DrawScoreTablet(int seat, const TabletFigures &tablet) = 0;
    virtual void DrawHand(int seat, const Hand &hand, bool faceUp) = 0;
    // The card leaves the seat's hand (from `slot`, the hand before the card
    // was taken out) for its place in the trick: a flight when flights are
    // on, otherwise it is drawn straight into its place.
    virtual void ShowPlayedCard(int seat, const Hand &handBefore, int slot, Card card) = 0;
    // Whether card flights are on (the trick then flies to its winner).
    virtual bool CardFlightsOn() const = 0;
    // The trick's cards (by seat) fly together to the winner's place and
    // vanish; the table then rests 200 ms before play goes on.
    virtual void FlyTrickToWinner(int winnerSeat, const std::array<Card, 3> &cardsBySeat) = 0;
    virtual void ClearTrickArea() = 0;

    virtual void SetStartButton(StartCaption caption, bool visible, bool enabled) = 0;
    // Button8, always captioned "Exit to menu".
    virtual void SetExitButton(bool visible, bool enabled) = 0;
    // Timer1: its interval and whether it runs.
    virtual void SetHeartbeat(int intervalMs, bool running) = 0;
    virtual void SetHelpContext(int context) = 0;

    // A signal sound; with `wait` the call returns when it has ended.
    virtual void PlayWave(const std::string &name, bool wait) = 0;
    // Waits without taking input.
    virtual void Pause(int ms) = 0;
    // The computer's progress while it thinks (percent 0..100); -1 when done.
    virtual void ThinkingFrame(int percent) {}

    // End of the game: the table goes, the wait notice, the main menu.
    virtual void LeaveTable() = 0;
    virtual void ShowWaitNotice(bool on) = 0;
    virtual void ShowMainMenu() = 0;
};

} // namespace halvane
