#include "InputBlocker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace halvane {

namespace {
int &BlockerCount()
{
    static int count = 0;
    return count;
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
    --BlockerCount();
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
