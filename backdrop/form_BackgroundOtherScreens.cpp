#include "form_BackgroundOtherScreens.h"

#include "BackdropLook.h"

namespace backdrop {

namespace {

const char *const Caption = "Background wondow for other screens.";

toolkit::FormStyle style()
{
    toolkit::FormStyle s;
    s.caption = QString::fromLatin1(Caption);
    s.border = toolkit::Border::None;
    s.clientWidth = DesignClientWidth;
    s.clientHeight = DesignClientHeight;
    s.startPosition = toolkit::StartPosition::Manual; // placed before it is shown
    s.showInTaskbar = false;
    s.backColor = Navy;
    s.staysBehindWhileDisabled = true;
    return s;
}

} // namespace

OtherScreenControls::OtherScreenControls(toolkit::FormWindow &window)
{
    img_BackgroundImage = new toolkit::Image(&window, PictureDesignBounds, backdropPicture());
    lab_Info = new toolkit::Label(&window, InfoBounds, QString());
    styleInfoLabel(*lab_Info);
}

form_BackgroundOtherScreens::form_BackgroundOtherScreens() : FormOf(style()) {}

void form_BackgroundOtherScreens::Form_Load() { setEnabled(false); }

} // namespace backdrop
