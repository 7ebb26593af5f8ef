#include "form_003.h"

#include "InstallerLook.h"
#include "backdrop/form_Background.h"
#include "form_004.h"
#include "toolkit/Application.h"
#include "toolkit/Keys.h"

namespace installer {

namespace {

const char *const Caption = "ZELOR os checking hardware and installing.";
constexpr float ClientWidth = 4560;
constexpr float ClientHeight = 3030;

const char *const FrameCaption = " Checking hardware: ";
const char *const LabelCaption = "Checking your hardware system...";
constexpr toolkit::TwipsRect FrameBounds{120, 120, 4335, 2775};
constexpr toolkit::TwipsRect LabelBounds{120, 240, 4095, 2415}; // inside the frame

const char *const DefaultPartitionName = "Main drive";
constexpr int FirstInterval = 1000;

const char *const WindowsKeyWarning = "Please do not press that key.";
const char *const WindowsKeyTitle = "ZELOR install interepted.";
const char *const QuitCaption = "&Quit";

toolkit::FormStyle style()
{
    return {
        .caption = QString::fromLatin1(Caption),
        .clientWidth = ClientWidth,
        .clientHeight = ClientHeight,
    };
}

} // namespace

ProgressControls::ProgressControls(toolkit::FormWindow &window)
{
    frame_001 = new toolkit::Frame(&window, FrameBounds, QString::fromLatin1(FrameCaption));
    lab_001 = new toolkit::Label(frame_001, LabelBounds, QString::fromLatin1(LabelCaption));
    tim_001 = new toolkit::Timer(&window); // Interval 0: no ticks yet
    window.setFocusPolicy(Qt::StrongFocus); // no control takes the focus: the window gets the keys
}

form_003::form_003() : FormOf(style()) {}

void form_003::connectHandlers()
{
    ui().tim_001->onTick([this] { tim_001_Timer(); });
}

void form_003::Form_Load()
{
    setIcon(applicationIcon());
    m_StepNumber = 0;
    ui().tim_001->setInterval(FirstInterval);
    ui().tim_001->setEnabled(true);
    m_PartitionName = QString::fromLatin1(DefaultPartitionName);
}

void form_003::tim_001_Timer()
{
    script::runStep(m_StepNumber, *this, m_PartitionName);
    ++m_StepNumber;
}

void form_003::SetPartitionName(const QString &newPartitionNameString)
{
    m_PartitionName = newPartitionNameString;
}

void form_003::Form_QueryUnload(int16_t &Cancel, int16_t UnloadMode)
{
    if (UnloadMode == toolkit::CloseCommand)
        Cancel = 1;
}

void form_003::Form_KeyDown(int16_t &KeyCode, int16_t &Shift)
{
    if (KeyCode == toolkit::vbKeyLeftWindows)
        toolkit::MsgBox(QString::fromLatin1(WindowsKeyWarning), toolkit::vbCritical,
                        QString::fromLatin1(WindowsKeyTitle));
    if (KeyCode == toolkit::vbKeyEscape && Shift == toolkit::vbShiftMask)
        toolkit::End();
}

QString form_003::labelCaption() { return ui().lab_001->Caption(); }
void form_003::setLabelCaption(const QString &caption) { ui().lab_001->setCaption(caption); }
void form_003::setFrameCaption(const QString &caption) { ui().frame_001->setCaption(caption); }
void form_003::setTimerInterval(int milliseconds) { ui().tim_001->setInterval(milliseconds); }
void form_003::setTimerEnabled(bool enabled) { ui().tim_001->setEnabled(enabled); }
void form_003::setWindowEnabled(bool enabled) { setEnabled(enabled); }
void form_003::showPartitionWindow() { form_004::instance().Show(); }
void form_003::doEvents() { toolkit::DoEvents(); }

void form_003::revealQuit()
{
    auto &background = backdrop::form_Background::instance();
    background.setEnabled(true);
    toolkit::CommandButton &quit = *background.ui().cmd_Quit;
    quit.setEnabled(true);
    quit.setVisible(true);
    quit.setCaption(QString::fromLatin1(QuitCaption));
}

} // namespace installer
