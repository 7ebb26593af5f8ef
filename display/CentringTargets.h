// The two objects that clsMonitors::CenterFormOnMonitor works on, reduced to
// what it needs of them, so that the monitor set stays free of any GUI library.
//
// FormToCenter: the window to move. Width() and Height() are its outer size in
//   twips; Move(left, top) places its top-left corner at once, in twips of the
//   virtual desktop (origin: the primary monitor's top-left corner), and keeps
//   its size. Left comes in single precision and Top in double precision
//   because that is how the centring arithmetic hands them over.
//
// ReferenceObject: anything that may carry a window handle. Property(name)
//   looks a property up by its name when asked (the set asks for "hwnd") and
//   answers its value widened to 64 bits; a name it does not have raises
//   toolkit::Error(438). The set narrows the value itself and raises error 6
//   when it does not fit 32 bits.
//
// Adapters for toolkit forms implement these; neither interface owns or
// outlives the window behind it.
#pragma once

#include <cstdint>
#include <string_view>

namespace display {

class FormToCenter {
public:
    virtual ~FormToCenter() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void Move(float left, double top) = 0;
};

class ReferenceObject {
public:
    virtual ~ReferenceObject() = default;
    virtual std::int64_t Property(std::string_view name) const = 0;
};

} // namespace display
