#pragma once
// The second page of the stage chain, "Wandfuß gebettet..." (frmAushub1b): for the current stage the elastic
// bedding of the wall foot (a depth table t, C), a sloped excavation bottom (x1, x2, depth) and up to 8
// permanent loads on the excavation side (x1, x2, q, z), each behind a check box that enables its frame.
// OK closes the bedding table, fixes the bedding flag, turns a cantilever with a free head and no bedding
// into a foot fixed after Blum, reads the load rows (rows with load 0 dropped), stores the stage and opens
// frmAushub2.
#include <cstdint>

#include "dialogs/stages/depth_table.h"
#include "platform/forms/forms.h"

class frmAushub1b : public vb::Form {
public:
    vb::Label lblAushNr{*this, "lblAushNr"};
    vb::TextBox txtAushNr{*this, "txtAushNr"};
    vb::CheckBox chkFussGebettet{*this, "chkFussGebettet"};
    vb::Frame Frame3{*this, "Frame3"};
    vb::ControlArray<vb::Label> Label3{*this, "Label3"};
    vb::ControlArray<vb::TextBox> txtTBett{*this, "txtTBett"};
    vb::ControlArray<vb::TextBox> txtCBett{*this, "txtCBett"};
    vb::CheckBox chkFussGeboescht{*this, "chkFussGeboescht"};
    vb::Frame Frame4{*this, "Frame4"};
    vb::ControlArray<vb::Label> Label4{*this, "Label4"};
    vb::TextBox txtStBx1{*this, "txtStBx1", &Frame4};
    vb::TextBox txtStBx2{*this, "txtStBx2", &Frame4};
    vb::TextBox txtStBH{*this, "txtStBH", &Frame4};
    vb::CheckBox chkLastenSohle{*this, "chkLastenSohle"};
    vb::Frame Frame5{*this, "Frame5"};
    vb::Label Label5{*this, "Label5", &Frame5};
    vb::ControlArray<vb::TextBox> txtSox1{*this, "txtSox1"};
    vb::ControlArray<vb::TextBox> txtSox2{*this, "txtSox2"};
    vb::ControlArray<vb::TextBox> txtSoq{*this, "txtSoq"};
    vb::ControlArray<vb::TextBox> txtSoz{*this, "txtSoz"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    Tabelle::Tiefentabelle tabelle;

    frmAushub1b();
    void Form_Load() override;
    void Form_Activate() override;
    void WerteZeigen();
    void Leeren() { tabelle.Leeren(); }
    void check();
    void Boeschung(); // the slope rule, run when one of the three slope boxes is left
    void txtSox1_LostFocus(int16_t Index);
    void txtSox2_LostFocus(int16_t Index);
    void txtSoz_LostFocus(int16_t Index);
    void cmdOK_GotFocus();
    void cmdOK_Click();
};
