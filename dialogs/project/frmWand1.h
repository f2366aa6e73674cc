#pragma once
// The wall page "Wandtyp" (frmWand1): wall type and section, concrete grade, E*I, self-weight, earth
// pressure, wall head, passive safety (global safety) and the options of bedding and seepage. Its OK ends
// its own chain and leads to the soil layers.
#include "platform/forms/forms.h"

class frmWand1 : public vb::Form {
public:
    vb::Frame fraWandtyp{*this, "fraWandtyp"};
    vb::ControlArray<vb::OptionButton> optWandTyp{*this, "optWandTyp"};
    vb::TextBox txtSchlitzW{*this, "txtSchlitzW", &fraWandtyp};
    vb::Frame Frame7{*this, "Frame7", &fraWandtyp};
    vb::Frame Frame4{*this, "Frame4", &fraWandtyp};
    vb::ControlArray<vb::OptionButton> optBeton{*this, "optBeton"};
    vb::CommandButton cmdProfileZeigen{*this, "cmdProfileZeigen", &fraWandtyp};

    vb::Frame fraBpfUeb{*this, "fraBpfUeb"};
    vb::TextBox txtBpfW{*this, "txtBpfW", &fraBpfUeb};
    vb::TextBox txtBpfW2{*this, "txtBpfW2", &fraBpfUeb};
    vb::Frame fraBpfAbst{*this, "fraBpfAbst"};
    vb::ControlArray<vb::TextBox> txtBPFtang{*this, "txtBPFtang"};
    vb::Frame fraBohltraeger{*this, "fraBohltraeger"};
    vb::TextBox txtBBohl{*this, "txtBBohl", &fraBohltraeger};
    vb::TextBox txtABohl{*this, "txtABohl", &fraBohltraeger};
    vb::TextBox txtBBFuss{*this, "txtBBFuss", &fraBohltraeger};
    vb::TextBox txtZBFuss{*this, "txtZBFuss", &fraBohltraeger};
    vb::TextBox txtEntLastFaktor{*this, "txtEntLastFaktor", &fraBohltraeger};
    vb::CommandButton Command1{*this, "Command1", &fraBohltraeger};
    vb::CommandButton cmdHinwWandReib{*this, "cmdHinwWandReib", &fraBohltraeger};

    vb::Frame Frame2{*this, "Frame2"};
    vb::TextBox txtEI{*this, "txtEI", &Frame2};
    vb::CheckBox chkEI{*this, "chkEI", &Frame2};
    vb::Frame fraWahleingaben{*this, "fraWahleingaben"};
    vb::TextBox txtDwand{*this, "txtDwand", &fraWahleingaben};
    vb::TextBox txtGamwand{*this, "txtGamwand", &fraWahleingaben};
    vb::TextBox txtZnull{*this, "txtZnull", &fraWahleingaben};

    vb::Frame fraErdwiderstand{*this, "fraErdwiderstand"};
    vb::TextBox txtEtap{*this, "txtEtap", &fraErdwiderstand};
    vb::CommandButton HinweisEtap{*this, "HinweisEtap", &fraErdwiderstand};
    vb::Frame fraErddruck{*this, "fraErddruck"};
    vb::ControlArray<vb::OptionButton> optErddruck{*this, "optErddruck"};
    vb::CommandButton cmdHinweisAnker{*this, "cmdHinweisAnker", &fraErddruck};
    vb::Frame fraWandkopf{*this, "fraWandkopf"};
    vb::ControlArray<vb::OptionButton> optWandKopf{*this, "optWandKopf"};
    vb::Frame Frame1{*this, "Frame1"};
    vb::CheckBox chkBettung{*this, "chkBettung", &Frame1};
    vb::CheckBox chkEtaBettung{*this, "chkEtaBettung", &Frame1};
    vb::CommandButton cmdHinweisBettung{*this, "cmdHinweisBettung", &Frame1};
    vb::Frame Frame3{*this, "Frame3"};
    vb::CheckBox chkkzHydGrBr{*this, "chkkzHydGrBr", &Frame3};
    vb::CheckBox chkStroem{*this, "chkStroem", &Frame3};
    vb::CommandButton cmdHinweisStoemungsdruck{*this, "cmdHinweisStoemungsdruck", &Frame3};
    vb::ControlArray<vb::Label> lbl{*this, "lbl"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmWand1();
    void Form_Load() override;
    void Form_Activate() override;

    void optWandTyp_Click(int16_t Index);
    void optBeton_Click(int16_t Index);
    void cmdOK_Click();

    // Public routines (no control of the page touched).
    static void BPfalsTBW();
    static void BETON2();

    void EIausDicke(float d);
    void EIausPfaehlen();
    void BpfUeberschnittRechnen();
    void BpfAbstandRechnen();
    void WahlWerteZeigen(float d, float gamma);
    void EIStahl();

private:
    void SchlitzwandVerlassen();
    float dicke_ = 0;                                     // the working thickness
    bool laedt_ = false; // inside Form_Load: the wall type shown from the data is no new choice
    float alterD_ = 0, alterAbstand_ = 0, alterDUeb_ = 0; // noted on focus
};
