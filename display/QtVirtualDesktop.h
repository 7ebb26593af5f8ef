// Between the virtual desktop's pixels and Qt's global pixels.
//
// The monitor set counts pixels from the primary monitor's top-left corner.
// Qt counts global coordinates from wherever the windowing system puts its
// origin: X11 at the top-left corner of the bounding box of all monitors, so a
// monitor left of or above the primary one pushes the primary away from (0, 0);
// Qt's offscreen platform wherever its configuration says. Every position that
// crosses between the two, a window placed on a monitor record or a Qt screen
// reported as a record, goes through these functions.
//
// Both are relative to the primary screen of the running QGuiApplication, read
// on every call through the toolkit's screen object. Header only.
#pragma once

#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>

#include "toolkit/Screen.h"

namespace display {

// Where the primary screen's top-left corner lies in Qt's global coordinates:
// the same origin the toolkit places every window from.
inline QPoint primaryOriginInQtGlobal() { return toolkit::Screen::origin(); }

// A virtual-desktop pixel (origin: the primary monitor's top-left corner) as a
// Qt global pixel, e.g. to move a window to a monitor record's Left and Top.
inline QPoint virtualDesktopToQtGlobal(QPoint pixel) { return pixel + primaryOriginInQtGlobal(); }
inline QRect virtualDesktopToQtGlobal(const QRect &rect) { return rect.translated(primaryOriginInQtGlobal()); }

// The inverse: a Qt global pixel as a virtual-desktop pixel.
inline QPoint qtGlobalToVirtualDesktop(QPoint pixel) { return pixel - primaryOriginInQtGlobal(); }
inline QRect qtGlobalToVirtualDesktop(const QRect &rect) { return rect.translated(-primaryOriginInQtGlobal()); }

} // namespace display
