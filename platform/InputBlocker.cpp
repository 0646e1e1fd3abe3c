#include "InputBlocker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace halvane {

namespace {
int &BlockerCount()
{
    static int count = 0;
    return count;
}

// The held window, and whether it was asked to close during a wait.
struct HeldWindow {
    QPointer<QWidget> window;
    bool closeAsked = false;
};

HeldWindow &Held()
{
    static HeldWindow held;
    return held;
}
} // namespace

InputBlocker::InputBlocker()
{
    ++BlockerCount();
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

InputBlocker::~InputBlocker()
{
    if (--BlockerCount() > 0)
        return;
    // The last wait is over: a close asked for meanwhile is asked again now.
    HeldWindow &held = Held();
    if (std::exchange(held.closeAsked, false) && held.window)
        QTimer::singleShot(0, held.window.data(), &QWidget::close);
}

void InputBlocker::HoldClosesOf(QWidget *window)
{
    Held().window = window;
}

bool InputBlocker::Active()
{
    return BlockerCount() > 0;
}

bool InputBlocker::IsUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

bool InputBlocker::eventFilter(QObject *watched, QEvent *event)
{
    if (IsUserInput(event))
        return true;
    HeldWindow &held = Held();
    if (event->type() == QEvent::Close && held.window && watched == held.window) {
        event->ignore();
        held.closeAsked = true;
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void PauseBlocking(int ms)
{
    InputBlocker blocker;
    QEventLoop loop;
    QTimer::singleShot(std::max(0, ms), &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace halvane
