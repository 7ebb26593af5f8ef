// The main backdrop: a borderless picture window over the whole primary
// screen, behind the installer windows. It takes no input until the progress
// script's last step enables it and reveals its Quit button.
#pragma once

#include "flow/WindowRegistry.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"

namespace backdrop {

struct BackgroundControls {
    explicit BackgroundControls(toolkit::FormWindow &window);

    toolkit::CommandButton *cmd_Quit;
    toolkit::Label *lab_Info;
    toolkit::Image *img_BackgroundImage;
};

class form_Background : public toolkit::FormOf<BackgroundControls>, public flow::SingleInstance<form_Background> {
public:
    form_Background();

protected:
    void connectHandlers() override;
    void Form_Load() override;

private:
    void cmd_Quit_Click();
};

} // namespace backdrop
