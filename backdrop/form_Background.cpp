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
    toolkit::FormStyle s;
    s.caption = QString::fromLatin1(Caption);
    s.border = toolkit::Border::None;
    s.clientWidth = DesignClientWidth;
    s.clientHeight = DesignClientHeight;
    s.showInTaskbar = false;
    s.maximized = true;
    s.backColor = Navy;
    s.staysBehindWhileDisabled = true;
    return s;
}

} // namespace

BackgroundControls::BackgroundControls(toolkit::FormWindow &window)
{
    // Built back to front: the picture, the label over it, the button on top.
    img_BackgroundImage = new toolkit::Image(&window, PictureDesignBounds, backdropPicture());
    lab_Info = new toolkit::Label(&window, InfoBounds, QString::fromLatin1(InfoCaption));
    styleInfoLabel(*lab_Info);
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
