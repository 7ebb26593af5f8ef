#include "form_002.h"

#include "InstallerLook.h"
#include "form_003.h"

namespace installer {

namespace {

const char *const Caption = "Z.E.L.O.R. English UK installation.";
constexpr float ClientWidth = 4560;
constexpr float ClientHeight = 2295;

const char *const InstallCaption = "&Install";
const char *const ContinueCaption = "&Continue";
const char *const QuestionCaption = "Do you wish to install ZELOR o.s. or abort this operation?";
constexpr toolkit::TwipsRect InstallBounds{120, 1800, 1695, 375};
constexpr toolkit::TwipsRect ContinueBounds{2760, 1800, 1695, 375};
constexpr toolkit::TwipsRect WarningBounds{120, 120, 4335, 735};
constexpr toolkit::TwipsRect QuestionBounds{120, 1080, 4215, 495};
constexpr int16_t InstallIndex = 0, ContinueIndex = 1;

toolkit::FormStyle style()
{
    return {
        .caption = QString::fromLatin1(Caption),
        .clientWidth = ClientWidth,
        .clientHeight = ClientHeight,
        .movable = false,
        .icon = applicationIcon(),
    };
}

} // namespace

ConfirmationControls::ConfirmationControls(toolkit::FormWindow &window)
{
    lab_01 = new toolkit::Label(&window, QuestionBounds, QString::fromLatin1(QuestionCaption));
    lab_03 = new toolkit::Label(&window, WarningBounds, QString::fromLatin1(TurnOffWarning));
    styleWarningLabel(*lab_03);
    cmd_oo1[InstallIndex] =
        new toolkit::CommandButton(&window, InstallBounds, QString::fromLatin1(InstallCaption), InstallIndex);
    cmd_oo1[ContinueIndex] =
        new toolkit::CommandButton(&window, ContinueBounds, QString::fromLatin1(ContinueCaption), ContinueIndex);
    toolkit::setTabOrder({cmd_oo1[InstallIndex], cmd_oo1[ContinueIndex]});
}

form_002::form_002() : FormOf(style()) {}

void form_002::connectHandlers()
{
    for (toolkit::CommandButton *button : ui().cmd_oo1)
        button->onClick([this](int16_t Index) { cmd_oo1_Click(Index); });
}

void form_002::cmd_oo1_Click(int16_t)
{
    Unload(); // its Form_QueryUnload shows the progress window
    form_003::instance().Show();
}

void form_002::Form_QueryUnload(int16_t &, int16_t UnloadMode)
{
    if (UnloadMode == toolkit::CloseCommand || UnloadMode == toolkit::ProgramUnload)
        form_003::instance().Show();
}

} // namespace installer
