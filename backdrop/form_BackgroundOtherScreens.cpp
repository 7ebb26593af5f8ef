#include "form_BackgroundOtherScreens.h"

#include "BackdropLook.h"

namespace backdrop {

namespace {

const char *const Caption = "Background wondow for other screens.";

toolkit::FormStyle style()
{
    return {
        .caption = QString::fromLatin1(Caption),
        .border = toolkit::Border::None,
        .clientWidth = DesignClientWidth,
        .clientHeight = DesignClientHeight,
        .startPosition = toolkit::StartPosition::Manual, // placed before it is shown
        .showInTaskbar = false,
        .backColor = Navy,
        .staysBehindWhileDisabled = true,
    };
}

} // namespace

OtherScreenControls::OtherScreenControls(toolkit::FormWindow &window)
{
    img_BackgroundImage = addPicture(window);
    lab_Info = addInfoLabel(window, QString()); // named once the window is shown
}

form_BackgroundOtherScreens::form_BackgroundOtherScreens() : FormOf(style()) {}

void form_BackgroundOtherScreens::Form_Load() { setEnabled(false); }

} // namespace backdrop
