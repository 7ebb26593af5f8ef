// The screen object: the primary screen's size in twips and the twips per pixel.
#pragma once

namespace toolkit {

struct Screen {
    static float Width();          // primary screen width, twips
    static float Height();         // primary screen height, twips
    static float TwipsPerPixelX();
    static float TwipsPerPixelY();
};

} // namespace toolkit
