// Keys as the windows see them: KeyCode is a Windows virtual-key code and
// Shift the sum of 1 (Shift), 2 (Ctrl) and 4 (Alt), whatever the platform.
#pragma once

#include <QKeyEvent>

#include <cstdint>

namespace toolkit {

enum VirtualKey : int16_t {
    vbKeyEscape = 27,
    vbKeyLeftWindows = 91,
    vbKeyRightWindows = 92,
};

enum ShiftMask : int16_t { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

int16_t keyCodeOf(const QKeyEvent &event);
int16_t shiftStateOf(Qt::KeyboardModifiers modifiers);

} // namespace toolkit
