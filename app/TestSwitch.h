#pragma once
// The hidden test switch: while the watched button has the keyboard focus,
// the characters typed on it are collected (emptied whenever it gains or
// loses the focus); when they read as the switch number, the switch toggles.

#include <QObject>
#include <QString>

#include <functional>

namespace halvane {

class TestSwitch : public QObject
{
    Q_OBJECT
public:
    static constexpr int Number = 57357;

    explicit TestSwitch(std::function<void()> toggle, QObject *parent = nullptr);
    // Collects from this widget's key presses (its focus events empty the collection).
    void Watch(QObject *button);
    // One typed text; returns whether it completed the number.
    bool Type(const QString &text);
    void Clear() { m_typed.clear(); }
    const QString &Typed() const { return m_typed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_toggle;
    QString m_typed;
};

} // namespace halvane
