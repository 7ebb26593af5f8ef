#include "ProgressScript.h"

#include <span>

namespace installer::script {

namespace {

constexpr Action set(const char *text, bool thenPartitionName = false)
{
    return {Op::SetText, text, thenPartitionName};
}
constexpr Action append(const char *text) { return {Op::Append, text}; }
constexpr Action line(const char *text) { return {Op::AppendLine, text}; }
constexpr Action paragraph(const char *text) { return {Op::AppendParagraph, text}; }
constexpr Action frame(const char *text) { return {Op::SetFrameCaption, text}; }
constexpr Action interval(int milliseconds) { return {Op::SetTimerInterval, "", false, milliseconds}; }
constexpr Action timerEnabled(bool enabled) { return {Op::SetTimerEnabled, "", false, enabled}; }
constexpr Action windowEnabled(bool enabled) { return {Op::SetWindowEnabled, "", false, enabled}; }
constexpr Action showPartitionWindow{Op::ShowPartitionWindow};
constexpr Action doEvents{Op::DoEvents};
constexpr Action revealQuit{Op::RevealQuit};

#define CRLF "\r\n"

constexpr Action Step0[] = {set("Checking processor type. (32 bit or 64 bit)")};
constexpr Action Step1[] = {set("Checking storage systems." CRLF "(Number and types of storage drives)")};
constexpr Action Step2[] = {set("Checking processor speed.")};
constexpr Action Step3[] = {set("Checking storage partitions.")};
constexpr Action Step4[] = {set("Checking storage partition sizes.")};
constexpr Action Step5[] = {set("Checking Internet access.")};
constexpr Action Step6[] = {
    interval(500),
    paragraph("Internet connection established." CRLF "Software updates will be downloaded during installation."),
};
constexpr Action Step7[] = {
    interval(50),
    set("PLEASE SELECT HARD DRIVE PARTITION IN THE INSTALL TO WINDOW."),
    timerEnabled(false),
    windowEnabled(false),
    showPartitionWindow,
    doEvents,
};
constexpr Action Step8[] = {interval(1000), set("Checking default language, keyboard and time zone.")};
constexpr Action Step9[] = {set("Default language set to; English (UK)" CRLF
                                "Keyboard layout set to; English (UK) with extended number keypad." CRLF
                                "Date and time zone set to; Europe London GMT/BST")};
constexpr Action Step10[] = {set("Cheching monitor display type.")};
constexpr Action Step11[] = {
    frame(" Formatting hard drive partition: "),
    set("Formatting hard drive." CRLF CRLF, true),
};
constexpr Action Step12[] = {paragraph("Formatting."), interval(200)};
constexpr Action DotLine[] = {line(".")};
constexpr Action Step122[] = {
    interval(20),
    frame(" Installing ZELOR os: "),
    set("Installing ZELOR os pre-release version 1" CRLF),
};
constexpr Action Step212[] = {interval(2000), set("Downloading and installing applications from the Internet.")};
constexpr Action Step213[] = {interval(100), line("..."), append(".")};
constexpr Action Step225[] = {
    paragraph("Failed." CRLF "Incorrect wireless connection or password."),
    interval(5500),
};
constexpr Action Step226[] = {
    set("After installation please edit your Internet connection password." CRLF
        "Software updates can not be performed at this time."),
    interval(8000),
};
constexpr Action Step227[] = {set("Z.E.L.O.R. installed." CRLF "Installed at; ", true)};
constexpr Action Step228[] = {set("Installing the Grub Linux pre-boot loader.")};
constexpr Action Step229[] = {set("Setting up the Grub Linux pre-boot loader.")};
constexpr Action Step230[] = {
    set("Installed ZELOR os Pre-release version 1." CRLF CRLF "Zelor Pre-Release 1" CRLF CRLF "APR 1"),
};
// The paragraph starts with a line break of its own: three line breaks stand
// before the first sentence.
constexpr Action Step231[] = {
    paragraph(CRLF "To close this April Fools Joke," CRLF "move this window to the side and click on 'Quit'."),
    revealQuit,
    interval(0),
    timerEnabled(false),
};
constexpr Action DefaultRow[] = {append(".")};

#undef CRLF

struct Row {
    int16_t step;
    std::span<const Action> actions;
};

constexpr Row Table[] = {
    {0, Step0},       {1, Step1},       {2, Step2},       {3, Step3},       {4, Step4},
    {5, Step5},       {6, Step6},       {7, Step7},       {8, Step8},       {9, Step9},
    {10, Step10},     {11, Step11},     {12, Step12},     {38, DotLine},    {80, DotLine},
    {122, Step122},   {138, DotLine},   {180, DotLine},   {212, Step212},   {213, Step213},
    {225, Step225},   {226, Step226},   {227, Step227},   {228, Step228},   {229, Step229},
    {230, Step230},   {231, Step231},
};

std::span<const Action> actionsOf(int16_t step)
{
    for (const Row &row : Table)
        if (row.step == step)
            return row.actions;
    return DefaultRow;
}

void run(const Action &action, Target &target, const QString &partitionName)
{
    QString text = QString::fromLatin1(action.text);
    if (action.thenPartitionName)
        text += partitionName;
    const QString crlf = QStringLiteral("\r\n");
    switch (action.op) {
    case Op::SetText: target.setLabelCaption(text); break;
    case Op::Append: target.setLabelCaption(target.labelCaption() + text); break;
    case Op::AppendLine: target.setLabelCaption(target.labelCaption() + crlf + text); break;
    case Op::AppendParagraph: target.setLabelCaption(target.labelCaption() + crlf + crlf + text); break;
    case Op::SetFrameCaption: target.setFrameCaption(text); break;
    case Op::SetTimerInterval: target.setTimerInterval(action.value); break;
    case Op::SetTimerEnabled: target.setTimerEnabled(action.value != 0); break;
    case Op::SetWindowEnabled: target.setWindowEnabled(action.value != 0); break;
    case Op::ShowPartitionWindow: target.showPartitionWindow(); break;
    case Op::DoEvents: target.doEvents(); break;
    case Op::RevealQuit: target.revealQuit(); break;
    }
}

} // namespace

void runStep(int16_t step, Target &target, const QString &partitionName)
{
    for (const Action &action : actionsOf(step))
        run(action, target, partitionName);
}

} // namespace installer::script
