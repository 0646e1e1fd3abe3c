#include "TestSwitch.h"

#include <QEvent>
#include <QKeyEvent>

namespace halvane {

TestSwitch::TestSwitch(std::function<void()> toggle, QObject *parent) : QObject(parent), m_toggle(std::move(toggle)) {}

void TestSwitch::Watch(QObject *button)
{
    if (button)
        button->installEventFilter(this);
}

bool TestSwitch::Type(const QString &text)
{
    m_typed += text;
    // Only digits count as reading the number ("+57357" or " 57357" do not).
    for (QChar c : m_typed)
        if (!c.isDigit())
            return false;
    if (m_typed.toInt() != Number)
        return false;
    m_typed.clear();
    if (m_toggle)
        m_toggle();
    return true;
}

bool TestSwitch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: Clear(); break;
    case QEvent::KeyPress: Type(static_cast<QKeyEvent *>(event)->text()); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvane
