#include "ThinkingWait.h"

#include "core/ComputerPlayer.h"
#include "platform/InputBlocker.h"
#include "table/OwnCursors.h"

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

ThinkingWait::ThinkingWait(std::function<void(int)> draw, QObject *parent)
    : QObject(parent), m_draw(std::move(draw))
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
    m_running = false;
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
