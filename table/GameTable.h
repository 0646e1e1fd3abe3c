#pragma once
// The card table on the main window: lays out and draws the hands, the trick
// area, name plates, score tablets and the contract panel from plain state
// values, and runs the card flights. The game flow owns the state and calls
// in; the table keeps only what it needs to redraw (tablet fields, the
// board's lines).
//
// Blocking calls (ShowPlayedCard and CollectTrickTo with flights on,
// PauseBlocking) keep the window painting and timers running while they
// drop user input; a heartbeat must not play while CardFlight::InProgress()
// or InputBlocker::Active() is true.

#include "CardFlight.h"
#include "MessageBoard.h"
#include "ScoreTablet.h"
#include "TableGeometry.h"
#include "TurnTimer.h"

#include "core/Card.h"
#include "core/Hand.h"

#include <QImage>
#include <QString>

#include <array>

class QWidget;

namespace halvane {

class ImageControl;
class TableArt;

// The main window's table controls (index = seat 1..3; 0 and 4 unused).
struct TableControls {
    QWidget *window = nullptr;
    ImageControl *background = nullptr; // Image1, covers the client area
    std::array<ImageControl *, 5> hands{};
    std::array<ImageControl *, 5> tablets{};
    std::array<ImageControl *, 5> plates{};
    ImageControl *trick = nullptr;    // ImageStol
    ImageControl *contract = nullptr; // ImageKon
    ImageControl *koloda = nullptr;   // ImageKoloda, zero size
    ImageControl *help = nullptr;     // ImageHelp, zero size
    QWidget *button7 = nullptr;
    QWidget *button8 = nullptr;
};

// Everything the table shows, by seat (index 1..3).
struct TableView {
    Hands hands{};                              // index seat - 1
    std::array<bool, 4> handOpen{false, false, false, true};
    std::array<Card, 4> trick{};                // the card each seat put on the table
    int round = 1;
    int contract = 0;                           // 0: not ordered yet
    std::array<QString, 4> names{};
    std::array<char, 4> plateColour{'y', 'y', 'y', 'y'};
    int turn = 0;                               // the seat with the hand mark, 0 none
    std::array<int, 4> top{};                   // tablet numbers (Erase / Keep allowed)
    std::array<int, 4> middle{ScoreTablet::Erase, ScoreTablet::Erase, ScoreTablet::Erase, ScoreTablet::Erase};
    std::array<int, 4> right{};
    bool signedScores = false;                  // final colours: red, "+" for positive
};

class GameTable
{
public:
    GameTable(const TableControls &controls, const TableArt &art);

    // Places every table control for the current scale and shows them
    // (after a game starts and after every window-size change).
    void LayOutTable();
    // Hides the table controls (back to the menu).
    void HideTable();
    const TableLayout &layout() const { return m_layout; }

    // Paints the background on the window; every element then repaints
    // the piece of it that lies beneath itself.
    void DrawBackground();
    // A full redraw of everything in the view.
    void Render(const TableView &view);

    // Hands.
    std::vector<int> HandPositions(int seat, int count) const;
    void DrawHand(int seat, const Hand &hand, bool open);
    // The hand slot under a point of the hand image (0 for none).
    int HandSlotAt(int seat, const Hand &hand, QPoint position) const;
    // Network play: the remote seat's hand shows "Expectation of the server...".
    void DrawHandWaiting(int seat);

    // The trick area.
    void DrawTrick(const std::array<Card, 4> &bySeat);
    void DrawTrickCard(int seat, Card card);
    // 0 clears the whole area, 1..3 that seat's slot.
    void ClearTrickArea(int slot);
    // The window's picture with the three trick slots cleared.
    QImage SnapshotTable() const;

    // Panels.
    void DrawNamePlate(int seat, const QString &text, char colour);
    void DrawScoreTablet(int seat, bool isTurn, bool fullRedraw, int right, int middle, int top);
    void SetSignedScores(bool on);
    const ScoreTablet &tablet(int seat) const { return m_tablets.at(size_t(seat)); }
    void DrawContractPanel(int round, int contract);
    void ThinkingFrame(int percent);
    void ClearThinkingFrame();
    void ShowWaitNotice(bool on);
    // The move clock of an online tournament table (ImTimer1..3, made on
    // first use at the plate's right end); seconds -1 erases it.
    void DrawTurnTimer(int seat, int seconds);
    ImageControl *turnTimer(int seat) const { return m_timers.at(size_t(seat)); }

    // Card flights, paced by GameSpeed, only while FlyCards is on; with it off
    // the cards are simply drawn (or cleared).
    // A played card: the seat's hand is redrawn without it (handAfter), the
    // card flies from where it lay (slot in handBefore) to its trick slot and
    // is drawn there.
    CardFlight::Stats ShowPlayedCard(int seat, int slot, const Hand &handBefore, const Hand &handAfter, bool open);
    // The trick flies to the winner's hand, the area is cleared; with flights
    // on the 200 ms pause after the flight is included.
    CardFlight::Stats CollectTrickTo(int winner, const std::array<Card, 4> &bySeat);

    // Where a flight from a hand starts and where a trick card lies (window pixels).
    QPoint FlightStart(int seat, int slot, const Hand &hand) const;
    QPoint TrickCardPosition(int seat) const;

    // A card's own picture for a sprite (the back for a closed hand).
    QImage CardPicture(Card card, bool faceUp) const;

private:
    QImage pieceUnder(const QWidget *control) const;
    QPoint windowPos(const QWidget *control) const;

    TableControls m_c;
    const TableArt &m_art;
    TableLayout m_layout;
    QImage m_background;
    std::array<ScoreTablet, 5> m_tablets{ScoreTablet(0), ScoreTablet(1), ScoreTablet(2), ScoreTablet(3),
                                         ScoreTablet(4)};
    std::array<ImageControl *, 5> m_timers{};
    std::array<Card, 4> m_trick{};
    int m_round = 1;
    int m_contract = 0;
};

} // namespace halvane
