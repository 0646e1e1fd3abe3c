#pragma once
// A scale state with the window and card sizes given outright, as the
// table tests set them up for one window size.

#include "table/ScaleState.h"

inline halvane::ScaleState Fixed(int windowSize, double factor, int w, int h, int cardWidth, int cardHeight)
{
    halvane::ScaleState s;
    s.windowSize = windowSize;
    s.clientWidth = w;
    s.clientHeight = h;
    s.scaleX = s.scaleY = s.scaleFactor = factor;
    s.cardWidth = cardWidth;
    s.cardHeight = cardHeight;
    s.faceFormat = windowSize == 1 ? 1 : 0;
    return s;
}
