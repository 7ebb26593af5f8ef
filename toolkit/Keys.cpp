#include "Keys.h"

#include <array>
#include <utility>

namespace toolkit {

namespace {

// Qt keys and the virtual-key codes they stand for. Letters and digits are
// contiguous in both and are mapped by range below.
constexpr std::array<std::pair<int, int16_t>, 35> KeyTable{{
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},     {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34},  {Qt::Key_End, 35},      {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},      {Qt::Key_Up, 38},        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},    {Qt::Key_Menu, 93},     {Qt::Key_F1, 112},
    {Qt::Key_F2, 113},       {Qt::Key_F3, 114},       {Qt::Key_F4, 115},      {Qt::Key_F5, 116},
    {Qt::Key_F6, 117},       {Qt::Key_F7, 118},       {Qt::Key_F8, 119},      {Qt::Key_F9, 120},
    {Qt::Key_F10, 121},      {Qt::Key_F11, 122},      {Qt::Key_F12, 123},
}};

// X11 keysyms of the right Windows key (Super_R, or Meta_R on some maps);
// every other Windows-key press counts as the left one.
constexpr quint32 KeysymSuperR = 0xffec, KeysymMetaR = 0xffe8;

int16_t windowsKey(const QKeyEvent &event)
{
    // Qt reports both Windows keys as one key; only the native code tells
    // left from right (a keysym on X11, the virtual key itself on Windows).
    switch (event.nativeVirtualKey()) {
    case KeysymSuperR:
    case KeysymMetaR:
    case vbKeyRightWindows:
        return vbKeyRightWindows;
    default:
        return event.key() == Qt::Key_Super_R ? vbKeyRightWindows : vbKeyLeftWindows;
    }
}

} // namespace

int16_t keyCodeOf(const QKeyEvent &event)
{
    const int key = event.key();
    if (key == Qt::Key_Meta || key == Qt::Key_Super_L || key == Qt::Key_Super_R)
        return windowsKey(event);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<int16_t>(key); // the same codes in both
    for (const auto &[qtKey, virtualKey] : KeyTable)
        if (qtKey == key)
            return virtualKey;
    return 0;
}

int16_t shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= vbShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= vbCtrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= vbAltMask;
    return shift;
}

} // namespace toolkit
