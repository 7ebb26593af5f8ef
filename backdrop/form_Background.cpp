#include "form_Background.h"

#include "BackdropLook.h"
#include "toolkit/Application.h"
#include "toolkit/Errors.h"
#include "toolkit/Screen.h"

namespace backdrop {

using toolkit::resumeNext;
using toolkit::Screen;

namespace {

const char *const Caption = "Form1";
const char *const QuitDesignCaption = "Quit";
const char *const QuitHiddenCaption = "?";
const char *const QuitToolTip = " Close this thing now. ";
const char *const InfoCaption = "Main desktop screen monitor.";
constexpr toolkit::TwipsRect QuitBounds{2640, 1200, 855, 375};

toolkit::FormStyle style()
{
    return {
        .caption = QString::fromLatin1(Caption),
        .border = toolkit::Border::None,
        .clientWidth = DesignClientWidth,
        .clientHeight = DesignClientHeight,
        .showInTaskbar = false,
        .maximized = true,
        .backColor = Navy,
        .staysBehindWhileDisabled = true,
    };
}

} // namespace

BackgroundControls::BackgroundControls(toolkit::FormWindow &window)
{
    // Built back to front: the picture, the label over it, the button on top.
    img_BackgroundImage = addPicture(window);
    lab_Info = addInfoLabel(window, QString::fromLatin1(InfoCaption));
    cmd_Quit = new toolkit::CommandButton(&window, QuitBounds, QString::fromLatin1(QuitDesignCaption));
    cmd_Quit->setToolTip(QString::fromLatin1(QuitToolTip));
}

form_Background::form_Background() : FormOf(style()) {}

void form_Background::connectHandlers()
{
    ui().cmd_Quit->onClick([this](int16_t) { cmd_Quit_Click(); });
}

void form_Background::Form_Load()
{
    resumeNext([&] { setEnabled(false); });
    resumeNext([&] { setWidth(Screen::Width()); });
    resumeNext([&] { setHeight(Screen::Height()); });
    resumeNext([&] { ui().cmd_Quit->setLeft((Screen::Width() - ui().cmd_Quit->Width()) / 2); });
    resumeNext([&] { ui().cmd_Quit->setTop((Screen::Height() - ui().cmd_Quit->Height()) / 2); });
    resumeNext([&] { ui().cmd_Quit->setVisible(false); });
    resumeNext([&] { ui().cmd_Quit->setEnabled(false); });
    resumeNext([&] { ui().cmd_Quit->setCaption(QString::fromLatin1(QuitHiddenCaption)); });
    resumeNext([&] { ui().img_BackgroundImage->setLeft(0); });
    resumeNext([&] { ui().img_BackgroundImage->setTop(0); });
    resumeNext([&] { ui().img_BackgroundImage->setWidth(Width()); });
    resumeNext([&] { ui().img_BackgroundImage->setHeight(Height()); });
}

void form_Background::cmd_Quit_Click() { toolkit::End(); }

} // namespace backdrop
