// The screen object: the primary screen's size in twips and the twips per pixel.
#pragma once

#include <QPoint>

namespace toolkit {

struct Screen {
    static float Width();          // primary screen width, twips
    static float Height();         // primary screen height, twips
    static float TwipsPerPixelX();
    static float TwipsPerPixelY();

    // Where the primary screen's top-left corner lies in the windowing
    // library's global coordinates: the origin of every window position.
    static QPoint origin();

    // Twips and pixels along one axis, with the screen's factor for it.
    static int pixelsX(double twips);
    static int pixelsY(double twips);
    static float twipsX(int pixels);
    static float twipsY(int pixels);
};

} // namespace toolkit
