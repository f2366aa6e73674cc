#pragma once
// The page "Last0" (frmLast0): one load case deleted, the load cases behind it moving forward with all their
// loads.
#include "platform/forms/forms.h"

class frmLast0 : public vb::Form {
public:
    vb::Frame Frame1{*this, "Frame1"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::OptionButton Option1{*this, "Option1", &Frame1};
    vb::ControlArray<vb::TextBox> Text1{*this, "Text1"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmLast0();
    void Form_Load() override;
    void Text1_LostFocus(int16_t Index);
    void cmdOK_Click();

    // Deletes load case k (1..AnzLF). Deleting from eight load cases empties slot 8, so that a load case
    // added later starts without loads.
    static void LFLoesch(int16_t k);

private:
    int16_t nummer_ = 0;
};
