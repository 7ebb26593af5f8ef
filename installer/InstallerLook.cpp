#include "InstallerLook.h"

#include <QCoreApplication>

namespace installer {

QIcon applicationIcon()
{
    // Kept for the application's lifetime, not the process's (see the backdrop picture).
    static QIcon *icon = nullptr;
    if (!icon) {
        icon = new QIcon(QStringLiteral(":/assets/zelor.ico"));
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

void styleBoldLabel(toolkit::Label &label) { label.setFont(toolkit::msSansSerif(BoldFontPointSize, BoldFontWeight)); }

void styleWarningLabel(toolkit::Label &label)
{
    styleBoldLabel(label);
    label.setForeColor(DarkRed);
}

} // namespace installer
