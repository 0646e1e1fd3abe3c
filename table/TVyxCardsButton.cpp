#include "TVyxCardsButton.h"

namespace halvane {

TVyxCardsButton::TVyxCardsButton(QWidget *parent) : QPushButton(parent) {}

TVyxCardsButton::TVyxCardsButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

} // namespace halvane
