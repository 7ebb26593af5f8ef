#include "BackdropLook.h"

#include "toolkit/Resources.h"

namespace backdrop {

toolkit::Image *addPicture(toolkit::FormWindow &window)
{
    return new toolkit::Image(&window, PictureDesignBounds, toolkit::picture(QStringLiteral(":/assets/backdrop.bmp")));
}

toolkit::Label *addInfoLabel(toolkit::FormWindow &window, const QString &caption)
{
    auto *label = new toolkit::Label(&window, InfoBounds, caption);
    label->setForeColor(Olive);
    label->setTransparent(true);
    label->setFont(toolkit::msSansSerif(InfoFontPointSize, InfoFontWeight));
    return label;
}

} // namespace backdrop
