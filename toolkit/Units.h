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

// a \ b: integer division with the quotient truncated toward zero. Both
// operands are rounded to 32-bit integers first; one that does not fit (or is
// not a number) is an overflow, error 6, rather than an undefined conversion.
inline int64_t intDiv(double a, double b)
{
    const auto toLong = [](double v) {
        const double rounded = nearest(v);
        if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
            throw Error(ErrOverflow, "Overflow");
        return static_cast<int64_t>(rounded);
    };
    const auto dividend = toLong(a);
    const auto divisor = toLong(b);
    if (divisor == 0)
        throw Error(ErrDivisionByZero, "Division by zero");
    return dividend / divisor;
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
