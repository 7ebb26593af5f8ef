// The partition window: a list of six made-up partitions and an OK button
// that hands the chosen text to the progress window and lets its script go on.
// It refuses the user's close command.
#pragma once

#include "flow/WindowRegistry.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"

namespace installer {

struct PartitionControls {
    explicit PartitionControls(toolkit::FormWindow &window);

    toolkit::Label *lab_001;
    toolkit::ComboBox *Combo1;
    toolkit::CommandButton *cmd_oo1; // element 0 of its array; below the client area, never seen
    toolkit::CommandButton *cmd_001; // element 1 of its array: the visible OK
};

class form_004 : public toolkit::FormOf<PartitionControls>, public flow::SingleInstance<form_004> {
public:
    form_004();

protected:
    void connectHandlers() override;
    void Form_Load() override;
    void Form_QueryUnload(int16_t &Cancel, int16_t UnloadMode) override;

private:
    void cmd_001_Click(int16_t Index);
};

} // namespace installer
