// The progress window: one timer walks the numbered installation script,
// which pauses at step 7 for the partition window and at its last step
// reveals the joke and the backdrop's Quit button. It refuses the user's close
// command; the left Windows key draws a warning and Shift+Esc ends the program.
#pragma once

#include "ProgressScript.h"
#include "flow/WindowRegistry.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

namespace installer {

struct ProgressControls {
    explicit ProgressControls(toolkit::FormWindow &window);

    toolkit::Frame *frame_001;
    toolkit::Label *lab_001;
    toolkit::Timer *tim_001;
};

class form_003 : public toolkit::FormOf<ProgressControls>,
                 public flow::SingleInstance<form_003>,
                 private script::Target {
public:
    form_003();

    void SetPartitionName(const QString &newPartitionNameString);

    int16_t StepNumber() const { return m_StepNumber; }
    QString PartitionName() const { return m_PartitionName; }

protected:
    void connectHandlers() override;
    void Form_Load() override;
    void Form_QueryUnload(int16_t &Cancel, int16_t UnloadMode) override;
    void Form_KeyDown(int16_t &KeyCode, int16_t &Shift) override;

private:
    void tim_001_Timer();

    // What the script's steps act on.
    QString labelCaption() override;
    void setLabelCaption(const QString &caption) override;
    void setFrameCaption(const QString &caption) override;
    void setTimerInterval(int milliseconds) override;
    void setTimerEnabled(bool enabled) override;
    void setWindowEnabled(bool enabled) override;
    void showPartitionWindow() override;
    void doEvents() override;
    void revealQuit() override;

    int16_t m_StepNumber = 0;
    QString m_PartitionName;
};

} // namespace installer
