#pragma once
// The start window: the version text, two hints on working with the input pages, the warning for a
// small screen, and the ways on: "Weiter" (or the big button) and an older version of the program.
#include "platform/forms/forms.h"

class frmZOR0 : public vb::Form {
public:
    vb::CommandButton cmdZOR{*this, "cmdZOR"};
    vb::TextBox txtVersion{*this, "txtVersion"};
    vb::Label Label2{*this, "Label2"};
    vb::TextBox Text1{*this, "Text1"};
    vb::TextBox Text2{*this, "Text2"};
    vb::CommandButton cmdNeustartZOR2{*this, "cmdNeustartZOR2"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmZOR0();
    void Form_Load() override;
    void cmdOK_Click();
    void cmdZOR_Click();
    void cmdNeustartZOR2_Click();

    static constexpr const char* kAeltereVersion = "Zor-03-2012.exe";
};
