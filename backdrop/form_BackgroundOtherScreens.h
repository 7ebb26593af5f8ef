// The backdrop of one further monitor: a borderless picture window that
// covers that monitor and names it by its number. A new one is made for every
// monitor; nothing reaches it again, and it stays, disabled, until the end.
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Form.h"

namespace backdrop {

struct OtherScreenControls {
    explicit OtherScreenControls(toolkit::FormWindow &window);

    toolkit::Label *lab_Info;
    toolkit::Image *img_BackgroundImage;
};

class form_BackgroundOtherScreens : public toolkit::FormOf<OtherScreenControls> {
public:
    form_BackgroundOtherScreens();

protected:
    void Form_Load() override;
};

} // namespace backdrop
