#pragma once
// Connects the main window to the game: a game requested from the menu starts
// the flow, Timer1 drives its heartbeat, Button7 and Button8 and the mouse on
// the hands and the trick area are the table input. Seats 1 and 2 are the
// computer, seat 3 the person at the mouse.

// Qt first: moc cannot parse <compare> (core's headers) unless Qt has read it already.
#include <QObject>
#include <QPoint>

#include "WindowGameView.h"
#include "core/ComputerSeat.h"
#include "core/GameEndSteps.h"
#include "core/GameFlow.h"
#include "core/LocalSeat.h"
#include "table/OwnCursors.h"

#include <functional>
#include <memory>

namespace halvane {

class GameTable;
class OwnCursors;
class TableArt;
class TForm1;
class TestSwitch;
class ThinkingWait;
class WavePlayer;

class GameController : public QObject
{
    Q_OBJECT
public:
    using SpeakCard = std::function<bool(Card card, bool wait)>;
    using AskOrder = LocalSeat::AskOrder;

    GameController(TForm1 &form, const TableArt &art, QObject *parent = nullptr);
    ~GameController() override;

    void SetWavePlayer(WavePlayer *player);
    void SetSpeakCard(SpeakCard speak) { m_speak = std::move(speak); }
    // The records' end-of-game steps (nothing is recorded without them).
    void SetEndSteps(GameEndSteps *steps);
    // Replaces the order dialog (tests answer it themselves).
    void SetAskOrder(AskOrder ask);
    // The program's cursors by role (own or system by the OwnCursor setting);
    // the window's own set unless replaced.
    void SetCursors(OwnCursors *cursors);

    GameFlow &Flow() { return *m_flow; }
    GameTable &Table() { return *m_table; }
    WindowGameView &View() { return *m_view; }
    TestSwitch &Switch() { return *m_switch; }
    ThinkingWait &Thinking() { return *m_thinking; }

    // The table input, as the window's handlers call it (positions inside the control).
    void ImageCards3MouseUp(Qt::MouseButton button, QPoint position);
    void ImageCards3MouseMove(QPoint position);
    void OpponentHandMouseUp(int seat, Qt::MouseButton button, QPoint position);
    void ImageStolMouseUp(Qt::MouseButton button, QPoint position);
    void Timer1Timer();

private:
    void StartGame(int playerSlot);
    void AbandonGame(int playerSlot);
    void Speak(Card card);
    int AskOrderWithDialog(const OrderChoices &open);
    // The played card lying under a point of the trick area, if any.
    Card TrickCardAt(QPoint position) const;
    void SetCursorRole(QWidget *widget, CursorRole role);

    TForm1 &m_form;
    std::unique_ptr<GameTable> m_table;
    std::unique_ptr<WindowGameView> m_view;
    GameEndSteps m_noSteps;
    GameEndSteps *m_steps = &m_noSteps;
    std::unique_ptr<GameFlow> m_flow;
    ComputerSeat m_computer1;
    ComputerSeat m_computer2;
    LocalSeat m_local;
    TestSwitch *m_switch = nullptr;
    ThinkingWait *m_thinking = nullptr;
    WavePlayer *m_wave = nullptr;
    OwnCursors *m_cursors = nullptr;
    CursorRole m_handCursor = CursorRole::Arrow; // the own hand's role now
    SpeakCard m_speak;
};

} // namespace halvane
