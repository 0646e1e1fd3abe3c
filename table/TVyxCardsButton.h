#pragma once
// The push button of every window of the game. It carries the card-style look
// settings; the painting of that look is the button's own paintEvent.

#include <QPushButton>

namespace halvane {

class TVyxCardsButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TVyxCardsButton(QWidget *parent = nullptr);
    explicit TVyxCardsButton(const QString &caption, QWidget *parent = nullptr);
};

} // namespace halvane
