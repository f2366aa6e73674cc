#pragma once
// The pages of the soil chain after the layers page: the excavation-side unit weights (frmBoden1a), the
// given earth-pressure coefficients and wall friction per stage (frmBoden2) and the earth-side slopes
// (frmBoden3), the last page, which returns to the main window with the excavation stages as next topic.
#include "platform/forms/forms.h"

class frmBoden1a : public vb::Form {
public:
    vb::Frame fraErdschichten{*this, "fraErdschichten"};
    vb::ControlArray<vb::Label> lblErdschicht{*this, "lblErdschicht"};
    vb::ControlArray<vb::Label> lblNr{*this, "lblNr"};
    vb::Label lblGammaf{*this, "lblGammaf", &fraErdschichten};
    vb::Label lblGammaa{*this, "lblGammaa", &fraErdschichten};
    vb::ControlArray<vb::TextBox> txtDH{*this, "txtDH"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmBoden1a();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void Leeren();
    void cmdOK_Click();
};

class frmBoden2 : public vb::Form {
public:
    vb::Frame Frame1{*this, "Frame1"};
    vb::CheckBox chkUeberschreiben{*this, "chkUeberschreiben", &Frame1};
    vb::CheckBox chkWandreibung{*this, "chkWandreibung", &Frame1};
    vb::Frame Frame2{*this, "Frame2"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::ControlArray<vb::Label> lblNr{*this, "lblNr"};
    vb::ControlArray<vb::TextBox> txtResK{*this, "txtResK"};
    vb::Label Label2{*this, "Label2", &Frame2};
    vb::ControlArray<vb::TextBox> txtDeltaNeu{*this, "txtDeltaNeu"};
    vb::Frame fraAnmerkungen{*this, "fraAnmerkungen"};
    vb::ControlArray<vb::Label> lblAnmerkungen{*this, "lblAnmerkungen"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmBoden2();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void WerteZeigen();
    void BeiwerteSperren();
    void BeiwerteAlleSperren();
    void WandreibungSperren();
    void WandreibungAlleSperren();
    void cmdOK_Click();
    // The checks of OK on the project data: flags reset when nothing was given, unused values cleared.
    static void BeiwerteUebernehmen();
    static float& Feld(int16_t zeile, int16_t schicht); // grid row 0..5, layer 1..8
};

class frmBoden3 : public vb::Form {
public:
    vb::Frame Frame2{*this, "Frame2"};
    vb::Label Label6{*this, "Label6", &Frame2};
    vb::Label Label1{*this, "Label1", &Frame2};
    vb::Label Label2{*this, "Label2", &Frame2};
    vb::TextBox txtAnzBoesch{*this, "txtAnzBoesch", &Frame2};
    vb::ControlArray<vb::Label> lblSkizze{*this, "lblSkizze"};
    vb::Frame Frame3{*this, "Frame3"};
    vb::ControlArray<vb::Label> Label3{*this, "Label3"};
    vb::ControlArray<vb::Label> lblNr{*this, "lblNr"};
    vb::ControlArray<vb::TextBox> txtBoesch{*this, "txtBoesch"};
    vb::Frame Frame1{*this, "Frame1"};
    vb::Label Label7{*this, "Label7", &Frame1};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmBoden3();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void WerteZeigen();
    void txtAnzBoesch_LostFocus();
    void txtBoesch_GotFocus(int16_t Index);
    void txtBoesch_LostFocus(int16_t Index);
    void cmdOK_Click();
    static float& Feld(int16_t zeile, int16_t boeschung); // row 0..5, slope 1..8
};
