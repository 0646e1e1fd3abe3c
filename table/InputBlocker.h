#pragma once
// While an InputBlocker lives, the application drops the user's mouse, wheel
// and key input instead of delivering it, so a wait that keeps the window
// painting (a card flight, a pause) cannot be clicked into. Input that arrives
// meanwhile is discarded, not queued for later.

#include <QObject>

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Waits `ms` milliseconds keeping the window painting and timers running,
// with user input dropped.
void PauseBlocking(int ms);

} // namespace halvane
