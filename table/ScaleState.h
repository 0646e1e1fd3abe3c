#pragma once
// Size and scale of the main window. Every pixel coordinate and size of the
// table and of the scalable windows passes through Scaled; design coordinates
// are those of the 760 x 500 window.

namespace halvane {

struct ScaleState {
    int windowSize = 1; // 1..5, see ApplyWindowSize
    int clientWidth = 760;
    int clientHeight = 500;
    double scaleX = 1.0;
    double scaleY = 1.0;
    double scaleFactor = 1.0;
    int cardWidth = 71;
    int cardHeight = 96;
    int faceFormat = 1;  // 1 small bitmaps, 0 PNG scaled to size, 2 big PNG
    int narrowShift = 0; // 0 or 5 pixels
};

// The program-wide scale, owned here and set when the window size is applied.
ScaleState &CurrentScale();

// round(value) with halves to even, as every size computation of the game rounds.
int RoundHalfEven(double value);

// round(n x factor), halves to even.
int ScaledBy(double factor, int n);
int Scaled(int n);
// Position of an element of design width w at design x: stretched placement,
// with the element itself kept in proportion and centred (full screen).
int PlaceX(int x, int w);
int PlaceY(int y, int h);

} // namespace halvane
