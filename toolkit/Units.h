// Twips and pixels.
//
// Window and control geometry is kept in twips (1/1440 inch, single
// precision); the screen gives the twips per pixel. This is the one place where
// the two are converted. It knows nothing of screens or windows.
#pragma once

#include <cmath>
#include <cstdint>

#include "Errors.h"

namespace toolkit {

// The whole number nearest to v, a tie going to the even one.
inline double nearest(double v) { return std::nearbyint(v); }

// a \ b: integer division with the quotient truncated toward zero.
inline int64_t intDiv(double a, double b)
{
    const auto divisor = static_cast<int64_t>(nearest(b));
    if (divisor == 0)
        throw Error(ErrDivisionByZero, "Division by zero");
    return static_cast<int64_t>(nearest(a)) / divisor;
}

// Twips to whole pixels: both operands rounded, the quotient truncated.
inline int twipsToPixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(intDiv(twips, twipsPerPixel));
}

// Pixels to twips: the product in double precision, stored in single precision.
inline float pixelsToTwips(int32_t pixels, float twipsPerPixel)
{
    return static_cast<float>(static_cast<double>(pixels) * static_cast<double>(twipsPerPixel));
}

} // namespace toolkit
