#pragma once
// The window colour behind the table where no background picture covers it.

#include <QColor>

namespace halvane {

// By BackgroundColour 0..6; BackgroundPicture 0 forces green, the purple
// main-menu design forces RGB(120,0,200).
QColor TableColour(int backgroundColour, int backgroundPicture, bool purpleMenuDesign);

} // namespace halvane
