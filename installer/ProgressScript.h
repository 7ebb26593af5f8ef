// The progress window's script: one table of numbered steps, each a short
// list of typed actions, and the interpreter that runs one step against a
// target. The interpreter knows no window: the progress window is one target,
// a test's recorder is another.
#pragma once

#include <QString>

#include <cstdint>

namespace installer::script {

constexpr int16_t LastStep = 231;

enum class Op {
    SetText,            // L <- T
    Append,             // L <- L + T
    AppendLine,         // L <- L + CRLF + T
    AppendParagraph,    // L <- L + CRLF + CRLF + T
    SetFrameCaption,    // F <- T
    SetTimerInterval,
    SetTimerEnabled,
    SetWindowEnabled,
    ShowPartitionWindow,
    DoEvents,
    RevealQuit,         // the backdrop enabled, its Quit button shown
};

struct Action {
    Op op;
    const char *text = "";
    bool thenPartitionName = false; // T is text followed by the partition name
    int value = 0;                  // interval in ms, or a boolean
};

// What a step acts on.
class Target {
public:
    virtual ~Target() = default;
    virtual QString labelCaption() = 0;
    virtual void setLabelCaption(const QString &caption) = 0;
    virtual void setFrameCaption(const QString &caption) = 0;
    virtual void setTimerInterval(int milliseconds) = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual void setWindowEnabled(bool enabled) = 0;
    virtual void showPartitionWindow() = 0;
    virtual void doEvents() = 0;
    virtual void revealQuit() = 0;
};

// Runs the step with this number; numbers without a row of their own, and
// any below 0 or above the last step, run the default row (append ".").
void runStep(int16_t step, Target &target, const QString &partitionName);

} // namespace installer::script
