#include "TableColour.h"

namespace halvane {

QColor TableColour(int backgroundColour, int backgroundPicture, bool purpleMenuDesign)
{
    if (purpleMenuDesign)
        return QColor(120, 0, 200);
    if (backgroundPicture == 0)
        return QColor(0, 128, 0);
    switch (backgroundColour) {
    case 1: return QColor(128, 0, 0);
    case 2: return QColor(128, 64, 0);
    case 3: return QColor(128, 128, 0);
    case 4: return QColor(0, 128, 128);
    case 5: return QColor(0, 0, 128);
    case 6: return QColor(128, 0, 128);
    default: return QColor(0, 128, 0);
    }
}

} // namespace halvane
