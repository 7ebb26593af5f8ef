// What the main backdrop and the backdrops of further monitors share: the
// picture, the navy behind it and the style of the label naming the monitor.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Form.h"

#include <QColor>

namespace backdrop {

inline const QColor Navy{0, 0, 128};
inline const QColor Olive{128, 128, 0};
constexpr double InfoFontPointSize = 9.75;
constexpr int InfoFontWeight = 700;
constexpr toolkit::TwipsRect InfoBounds{120, 120, 4455, 375};
constexpr toolkit::TwipsRect PictureDesignBounds{0, 0, 3240, 2280};
constexpr float DesignClientWidth = 4560;
constexpr float DesignClientHeight = 3030;

// The backdrop picture at its design size; the window stretches it later.
toolkit::Image *addPicture(toolkit::FormWindow &window);

// The label naming the monitor: olive bold text drawn straight over the picture.
toolkit::Label *addInfoLabel(toolkit::FormWindow &window, const QString &caption);

} // namespace backdrop
