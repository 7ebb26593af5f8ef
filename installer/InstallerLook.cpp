#include "InstallerLook.h"

#include "toolkit/Resources.h"

namespace installer {

QIcon applicationIcon() { return toolkit::icon(QStringLiteral(":/assets/zelor.ico")); }

void styleBoldLabel(toolkit::Label &label) { label.setFont(toolkit::msSansSerif(BoldFontPointSize, BoldFontWeight)); }

void styleWarningLabel(toolkit::Label &label)
{
    styleBoldLabel(label);
    label.setForeColor(DarkRed);
}

} // namespace installer
