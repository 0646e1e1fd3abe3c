#pragma once
// The computer's decisions in the window: the search runs on a worker thread
// while the window goes on painting and its timers keep firing. User input is
// dropped until the decision is back (a request to close the main window
// waits for it, see InputBlocker), and the progress reported by the search is drawn on the GUI thread
// (the bar on the contract panel). Long decisions show the wait cursor.

#include <QObject>

#include <functional>

namespace halvane {

class OwnCursors;

class ThinkingWait : public QObject
{
    Q_OBJECT
public:
    // `draw` gets every reported percent on the GUI thread.
    explicit ThinkingWait(std::function<void(int percent)> draw, QObject *parent = nullptr);

    void SetCursors(OwnCursors *cursors) { m_cursors = cursors; }
    // Runs `decide` on a worker thread and returns once it has finished; the
    // events of the window are handled meanwhile, without re-entering the
    // caller (its handlers see it busy). `cardsHeld` >= 4 shows the wait cursor.
    void Run(int cardsHeld, const std::function<void()> &decide);
    // The progress of the decision, from any thread.
    void Report(int percent);
    // Whether a decision is under way.
    bool Running() const { return m_running; }

private:
    void ShowWaitCursor(bool on);
    void FollowWaitFrames();

    std::function<void(int)> m_draw;
    OwnCursors *m_cursors = nullptr;
    bool m_running = false;
    int m_waitFrame = -1;
};

} // namespace halvane
