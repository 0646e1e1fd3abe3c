#pragma once
// While an InputBlocker lives, the application drops the user's mouse, wheel
// and key input instead of delivering it, so a wait that keeps the window
// painting (a card flight, a pause, the computer's search) cannot be clicked
// into. Input that arrives meanwhile is discarded, not queued for later.
// Closing a held window meanwhile would ask its question in a box nobody
// could click, so the request waits and is made again when the last wait ends.

#include <QObject>

class QWidget;

namespace halvane {

class InputBlocker : public QObject
{
    Q_OBJECT
public:
    InputBlocker();
    ~InputBlocker() override;

    // Whether any blocker is alive.
    static bool Active();
    // Whether the event is user input the blocker drops.
    static bool IsUserInput(const QEvent *event);
    // The window (the main window) whose closing waits for every wait's end.
    static void HoldClosesOf(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Waits `ms` milliseconds keeping the window painting and timers running,
// with user input dropped.
void PauseBlocking(int ms);

} // namespace halvane
