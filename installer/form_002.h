// The install confirmation window: asks whether to install or abort, but
// both buttons and the close command lead on to the progress window.
#pragma once

#include "flow/WindowRegistry.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"

#include <array>

namespace installer {

struct ConfirmationControls {
    explicit ConfirmationControls(toolkit::FormWindow &window);

    std::array<toolkit::CommandButton *, 2> cmd_oo1; // Index 0 "&Install", 1 "&Continue"
    toolkit::Label *lab_03;
    toolkit::Label *lab_01;
};

class form_002 : public toolkit::FormOf<ConfirmationControls>, public flow::SingleInstance<form_002> {
public:
    form_002();

protected:
    void connectHandlers() override;
    void Form_QueryUnload(int16_t &Cancel, int16_t UnloadMode) override;

private:
    void cmd_oo1_Click(int16_t Index);
};

} // namespace installer
