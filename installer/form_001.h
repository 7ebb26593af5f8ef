// The language window, the first of the run: asks for an installation
// language from 149, puts the choice back on "English (UK)" when OK is pressed
// and closes 800 ms later. Its closing hands over to the backdrops and the
// confirmation window, and covers every further monitor with a backdrop.
#pragma once

#include "flow/WindowRegistry.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "toolkit/Timer.h"

namespace installer {

struct LanguageControls {
    explicit LanguageControls(toolkit::FormWindow &window);

    toolkit::Timer *tim_001;
    toolkit::CommandButton *cmd_oo1;
    toolkit::ComboBox *Combo1;
    toolkit::Label *lab_04;
    toolkit::Label *lab_03;
    toolkit::Label *lab_01;
    toolkit::Label *lab_02;
};

class form_001 : public toolkit::FormOf<LanguageControls>, public flow::SingleInstance<form_001> {
public:
    form_001();

    // The comma list of the 149 languages, in the order of the list.
    static QString languageListText();

protected:
    void connectHandlers() override;
    void Form_Load() override;
    void Form_QueryUnload(int16_t &Cancel, int16_t UnloadMode) override;

private:
    void cmd_oo1_Click(int16_t Index);
    void tim_001_Timer();
    void ShowBackgroundOnMonitor(int16_t MonitorNumber);
};

} // namespace installer
