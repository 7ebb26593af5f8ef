#include "BackdropLook.h"

#include <QCoreApplication>

namespace backdrop {

QPixmap backdropPicture()
{
    // Kept for the application's lifetime, not the process's: a pixmap must
    // go before the application object does.
    static QPixmap *picture = nullptr;
    if (!picture) {
        picture = new QPixmap(QStringLiteral(":/assets/backdrop.bmp"));
        qAddPostRoutine([] {
            delete picture;
            picture = nullptr;
        });
    }
    return *picture;
}

void styleInfoLabel(toolkit::Label &label)
{
    label.setForeColor(Olive);
    label.setTransparent(true);
    label.setFont(toolkit::msSansSerif(InfoFontPointSize, InfoFontWeight));
}

} // namespace backdrop
