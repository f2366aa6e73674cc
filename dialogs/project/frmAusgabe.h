#pragma once
// The output scope page "Ausgabewünsche" (frmAusgabe): general notes, design and stress checks, the
// slip-circle check with or without deep centres, and the depth of a moment hinge.
#include "platform/forms/forms.h"

class frmAusgabe : public vb::Form {
public:
    vb::Frame fraUmfang{*this, "fraUmfang"};
    vb::Frame fraGelaendebruch{*this, "fraGelaendebruch"};
    vb::ControlArray<vb::CheckBox> Check1{*this, "Check1"};
    vb::Frame fraGelenk{*this, "fraGelenk"};
    vb::Label lblGelenk{*this, "lblGelenk", &fraGelenk};
    vb::TextBox txtzMGelenk{*this, "txtzMGelenk", &fraGelenk};
    vb::CommandButton cmdHinweis{*this, "cmdHinweis", &fraGelenk};
    vb::Frame fraText{*this, "fraText"};
    vb::Label lblText{*this, "lblText", &fraText};
    vb::Frame fraForm{*this, "fraForm"};
    vb::Label lblForm{*this, "lblForm", &fraForm};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmAusgabe();
    void Form_Load() override;
    void Form_Activate() override;
    void WerteZeigen();
    void Check1_Click(int16_t Index);
    void cmdOK_Click();
};
