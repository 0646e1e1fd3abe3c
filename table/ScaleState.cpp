#include "ScaleState.h"

#include <cfenv>
#include <cmath>

namespace halvane {

ScaleState &CurrentScale()
{
    static ScaleState state;
    return state;
}

int RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; make sure of it for this call.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    if (saved != FE_TONEAREST)
        std::fesetround(saved);
    return int(r);
}

int ScaledBy(double factor, int n)
{
    return RoundHalfEven(n * factor);
}

int Scaled(int n)
{
    return ScaledBy(CurrentScale().scaleFactor, n);
}

int PlaceX(int x, int w)
{
    const ScaleState &s = CurrentScale();
    return RoundHalfEven(x * s.scaleX) + RoundHalfEven((s.scaleX - s.scaleFactor) * w / 2.0);
}

int PlaceY(int y, int h)
{
    const ScaleState &s = CurrentScale();
    return RoundHalfEven(y * s.scaleY) + RoundHalfEven((s.scaleY - s.scaleFactor) * h / 2.0);
}

} // namespace halvane
