// What the installer windows share: the application icon and the bold
// dark-red warning.
#pragma once

#include "toolkit/Controls.h"

#include <QColor>
#include <QIcon>

namespace installer {

inline const QColor DarkRed{128, 0, 0};
constexpr double BoldFontPointSize = 9.75;
constexpr int BoldFontWeight = 700;
inline const char *const TurnOffWarning =
    "Please do not turn off your PC until you have finished installing this operating system.";

// The application icon, from the program's resources.
QIcon applicationIcon();

void styleBoldLabel(toolkit::Label &label);
void styleWarningLabel(toolkit::Label &label);

} // namespace installer
