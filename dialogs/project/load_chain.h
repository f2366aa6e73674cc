#pragma once
// The pages of one load case, opened from the main window's load-case topic for the current load case LFNr:
// the wall loads (frmLast1), the earth-side area loads with the head load and the slope check (frmLast2),
// the at-rest share of the limited area loads (frmLast3) and the distribution of limited loads with the
// concentration factor (frmLast4), whose OK returns to the main window with the next load case or the
// anchors as next topic.
//
// The tables store nothing when a box is left; OK reads them. A number in a table that is beyond single
// precision, or a stage number outside -32768..32767, is refused at OK: the beep, the focus on that box,
// nothing stored and the page stays. After OK a table shows the stored loads packed from row 1, and rows
// behind them empty, so that a second OK stores the same loads again.
#include <cstdint>

#include "platform/forms/forms.h"

class frmLast1 : public vb::Form {
public:
    vb::Label lblAushNr{*this, "lblAushNr"};
    vb::TextBox txtAushNr{*this, "txtAushNr"};
    vb::CheckBox chkNL1{*this, "chkNL1"};
    vb::Frame Frame3{*this, "Frame3"};
    vb::Label Label2{*this, "Label2", &Frame3};
    vb::ControlArray<vb::TextBox> txtH{*this, "txtH"};
    vb::ControlArray<vb::TextBox> txtM{*this, "txtM"};
    vb::ControlArray<vb::TextBox> txtz{*this, "txtz"};
    vb::ControlArray<vb::TextBox> Text1{*this, "Text1"}; // stage cells 0..63, eight per row
    vb::Frame fraSkizze{*this, "fraSkizze"};
    vb::ControlArray<vb::Label> lblSkizze{*this, "lblSkizze"};
    vb::CommandButton cmdHinweis{*this, "cmdHinweis"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmLast1();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void check();
    void WerteZeigen();
    void txtM_LostFocus(int16_t i);
    void Text1_LostFocus(int16_t k);
    void cmdHinweis_Click();
    void cmdOK_Click();
};

class frmLast2 : public vb::Form {
public:
    vb::Label lblLFNr{*this, "lblLFNr"};
    vb::TextBox txtLFNr{*this, "txtLFNr"};
    vb::Frame fraSkizze{*this, "fraSkizze"};
    vb::ControlArray<vb::Label> lblSkizze{*this, "lblSkizze"};
    vb::Label lblNKopf{*this, "lblNKopf", &fraSkizze};
    vb::TextBox Text1{*this, "Text1", &fraSkizze};
    vb::CheckBox chkNL2{*this, "chkNL2"};
    vb::Label lblXE999{*this, "lblXE999"};
    vb::Frame Frame3{*this, "Frame3"};
    vb::Label Label2{*this, "Label2", &Frame3};
    vb::ControlArray<vb::Label> lblNr{*this, "lblNr"};
    vb::ControlArray<vb::TextBox> txtpv{*this, "txtpv"};
    vb::ControlArray<vb::TextBox> txtph{*this, "txtph"};
    vb::ControlArray<vb::TextBox> txtxA{*this, "txtxA"};
    vb::ControlArray<vb::TextBox> txtxE{*this, "txtxE"};
    vb::ControlArray<vb::TextBox> txtz{*this, "txtz"};
    vb::ControlArray<vb::TextBox> txtProz{*this, "txtProz"};
    vb::ControlArray<vb::TextBox> txtwi{*this, "txtwi"}; // stage cells 0..63, eight per row
    vb::CommandButton cmdSLW{*this, "cmdSLW"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmLast2();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void check();
    void WerteZeigen();
    void txtph_LostFocus(int16_t i);
    void txtxE_LostFocus(int16_t i);
    void txtwi_LostFocus(int16_t k);
    void cmdSLW_Click();
    void cmdOK_Click();
    // The slope check of the stored loads of the current load case against the earth-side slopes: loads
    // above the highest ground lowered to it, loads above the wall head moved off a rising slope or cut
    // where the ground falls below them, large-area loads without horizontal value; a message when anything
    // was corrected. flag: 1 when corrected, else 0.
    static void LastenBoeschungPruefen(int16_t& flag);
};

class frmLast3 : public vb::Form {
public:
    vb::Label lblLFNr{*this, "lblLFNr"};
    vb::TextBox txtLFNr{*this, "txtLFNr"};
    vb::ControlArray<vb::Frame> Frame3{*this, "Frame3"};
    vb::ControlArray<vb::Label> Label2{*this, "Label2"};
    vb::ControlArray<vb::Label> Label7{*this, "Label7"};
    vb::Label lblBelastungen{*this, "lblBelastungen"};
    vb::ControlArray<vb::Label> lblNr{*this, "lblNr"};
    vb::ControlArray<vb::TextBox> txtpv{*this, "txtpv"}; // at-rest share %
    vb::ControlArray<vb::TextBox> txtph{*this, "txtph"}; // factor on it
    vb::Frame fraSkizze{*this, "fraSkizze"};
    vb::ControlArray<vb::Label> lblSkizze{*this, "lblSkizze"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmLast3();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void WerteZeigen();
    void txtpv_GotFocus(int16_t i);
    void cmdOK_Click();
};

class frmLast4 : public vb::Form {
public:
    vb::Label lblLFNr{*this, "lblLFNr"};
    vb::TextBox txtLFNr{*this, "txtLFNr"};
    vb::ControlArray<vb::Frame> Frame2{*this, "Frame2"};
    vb::ControlArray<vb::OptionButton> Option1{*this, "Option1"};
    vb::Label Label2{*this, "Label2"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmLast4();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void WerteZeigen();
    void Option1_Click(int16_t i);
    void cmdOK_Click();
};
