#include "ThinkingWait.h"

#include "core/ComputerPlayer.h"
#include "table/InputBlocker.h"
#include "table/OwnCursors.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>

#include <thread>

namespace halvane {

namespace {
// How often the animated wait cursor is looked at while a decision runs.
constexpr int CursorPollMs = 16;
} // namespace

ThinkingWait::ThinkingWait(QWidget *window, std::function<void(int)> draw, QObject *parent)
    : QObject(parent), m_window(window), m_draw(std::move(draw))
{
}

void ThinkingWait::Run(int cardsHeld, const std::function<void()> &decide)
{
    if (m_running) { // never two decisions at once: the second one runs inline
        decide();
        return;
    }
    m_running = true;
    InputBlocker blocker;
    QCoreApplication::instance()->installEventFilter(this);
    const bool waitCursor = ShowsWaitCursor(cardsHeld);
    if (waitCursor)
        ShowWaitCursor(true);
    QTimer cursorPoll;
    cursorPoll.setInterval(CursorPollMs);
    connect(&cursorPoll, &QTimer::timeout, this, &ThinkingWait::FollowWaitFrames);
    if (waitCursor)
        cursorPoll.start();

    QEventLoop loop;
    std::thread worker([&loop, &decide] {
        decide();
        // Queued after every progress report of the decision, so they are all drawn first.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();

    cursorPoll.stop();
    if (waitCursor)
        ShowWaitCursor(false);
    QCoreApplication::instance()->removeEventFilter(this);
    m_running = false;
    // A close asked for meanwhile is asked again now, on a quiet table.
    if (std::exchange(m_closeAsked, false) && m_window)
        QTimer::singleShot(0, m_window, &QWidget::close);
}

void ThinkingWait::Report(int percent)
{
    if (QThread::currentThread() == thread()) {
        if (m_draw)
            m_draw(percent);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, percent] {
            if (m_draw)
                m_draw(percent);
        },
        Qt::QueuedConnection);
}

bool ThinkingWait::eventFilter(QObject *watched, QEvent *event)
{
    // Closing would ask its question in a dialog nobody could click while
    // input is dropped; the request is kept until the decision is back.
    if (event->type() == QEvent::Close && watched == m_window) {
        event->ignore();
        m_closeAsked = true;
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ThinkingWait::ShowWaitCursor(bool on)
{
    if (!on) {
        QGuiApplication::restoreOverrideCursor();
        return;
    }
    m_waitFrame = m_cursors ? m_cursors->frameIndex(CursorRole::Wait) : 0;
    QGuiApplication::setOverrideCursor(m_cursors ? m_cursors->cursor(CursorRole::Wait) : QCursor(Qt::WaitCursor));
}

void ThinkingWait::FollowWaitFrames()
{
    if (!m_cursors)
        return;
    // The own wait cursor is animated: show its frame of the moment.
    const int frame = m_cursors->frameIndex(CursorRole::Wait);
    if (frame == m_waitFrame)
        return;
    m_waitFrame = frame;
    QGuiApplication::changeOverrideCursor(m_cursors->cursor(CursorRole::Wait));
}

} // namespace halvane
