#include "form_004.h"

#include "InstallerLook.h"
#include "flow/CommaList.h"
#include "form_003.h"
#include "toolkit/Errors.h"

namespace installer {

using toolkit::resumeNext;

namespace {

const char *const Caption = "ZELOR os installation to...";
constexpr float ClientWidth = 4560;
constexpr float ClientHeight = 2145;

const char *const Prompt = "Please select the hard drive partition from the following:  "
                           "This is where ZELOR o.s. will be installed to.";
const char *const OkCaption = "&OK";
constexpr toolkit::TwipsRect PromptBounds{120, 120, 3975, 375};
constexpr toolkit::TwipsRect ListBounds{120, 600, 4335, 315};
constexpr toolkit::TwipsRect HiddenOkBounds{2520, 2520, 1695, 375}; // below the client height
constexpr toolkit::TwipsRect OkBounds{2880, 1680, 1575, 375};
constexpr int16_t HiddenOkIndex = 0, OkIndex = 1;

const char *const PartitionsPart1 = "Install on main hard drive replacing all partations 2728GB, "
                                    "Install in partation 1 replacing old o.s. 682GB, ";
const char *const PartitionsPart2 = "Install in partation 2 682GB, Install in partation 3 682GB, "
                                    "Install in partation 4 341GB, Install in partation 5 341GB, ";
constexpr int DefaultPartition = 1;

toolkit::FormStyle style()
{
    return {
        .caption = QString::fromLatin1(Caption),
        .clientWidth = ClientWidth,
        .clientHeight = ClientHeight,
        .startPosition = toolkit::StartPosition::WindowsDefault,
        .movable = false,
    };
}

} // namespace

PartitionControls::PartitionControls(toolkit::FormWindow &window)
{
    lab_001 = new toolkit::Label(&window, PromptBounds, QString::fromLatin1(Prompt));
    Combo1 = new toolkit::ComboBox(&window, ListBounds);
    cmd_oo1 = new toolkit::CommandButton(&window, HiddenOkBounds, QString::fromLatin1(OkCaption), HiddenOkIndex);
    cmd_001 = new toolkit::CommandButton(&window, OkBounds, QString::fromLatin1(OkCaption), OkIndex);
    toolkit::setTabOrder({Combo1, cmd_oo1, cmd_001});
}

form_004::form_004() : FormOf(style()) {}

void form_004::connectHandlers()
{
    ui().cmd_001->onClick([this](int16_t Index) { cmd_001_Click(Index); });
}

void form_004::Form_Load()
{
    setIcon(applicationIcon());
    ui().Combo1->Clear();
    const QString items = QString::fromLatin1(PartitionsPart1) + QString::fromLatin1(PartitionsPart2);
    flow::LoadCommaList(*ui().Combo1, items);
    resumeNext([&] { ui().Combo1->setEnabled(true); });
    resumeNext([&] { ui().Combo1->setListIndex(DefaultPartition); });
}

void form_004::cmd_001_Click(int16_t)
{
    form_003 &progress = form_003::instance();
    progress.SetPartitionName(ui().Combo1->Text());
    progress.setEnabled(true);
    progress.ui().tim_001->setEnabled(true); // Interval stays as step 7 left it
    Unload();
}

void form_004::Form_QueryUnload(int16_t &Cancel, int16_t UnloadMode)
{
    Cancel = UnloadMode == toolkit::CloseCommand ? 1 : 0;
}

} // namespace installer
