#pragma once
// The design-settings page "Spannungsnachweis / Bemessung": the boxes of the allowed steel stresses (N/mm2)
// and the page's other controls in their designer state. Its opening is `Laden` (design_page.h, with the
// wiring of its handlers), which RegisterProjectDialogs sets at program start, before the page is first used.
//
// Touching the page through vb::form<frmBemessung>() loads it when it is not loaded, and its opening shows
// it (also when writing the stresses into its boxes is what loads it).
#include <functional>

#include "platform/forms/forms.h"

class frmBemessung : public vb::Form {
public:
    // Bored piles and diaphragm walls.
    vb::Frame Frame5{*this, "Frame5"};
    vb::TextBox txtEBreiteM{*this, "txtEBreiteM", &Frame5};
    vb::TextBox txtEBreiteN{*this, "txtEBreiteN", &Frame5};
    vb::TextBox txtd1{*this, "txtd1", &Frame5};
    vb::ControlArray<vb::Frame> Frame7{*this, "Frame7"};
    vb::ControlArray<vb::OptionButton> optN{*this, "optN"};
    vb::ControlArray<vb::OptionButton> optCotTheta{*this, "optCotTheta"};
    vb::ControlArray<vb::OptionButton> optEta{*this, "optEta"};
    vb::Frame Frame6{*this, "Frame6", &Frame5};
    vb::TextBox txtAsMmin{*this, "txtAsMmin", &Frame6};
    vb::TextBox txtAsQmin{*this, "txtAsQmin", &Frame6};
    vb::CommandButton Command1{*this, "Command1", &Frame6};
    vb::Label Label2{*this, "Label2", &Frame5};
    vb::Label Label3{*this, "Label3", &Frame5};
    vb::Label Label4{*this, "Label4", &Frame5};
    vb::Label Label5{*this, "Label5", &Frame5};
    vb::Label Label6{*this, "Label6", &Frame6};
    vb::Label Label7{*this, "Label7", &Frame5};
    vb::Label Label8{*this, "Label8", &Frame6};
    vb::Label Label9{*this, "Label9", &Frame6};
    vb::Label Label10{*this, "Label10", &Frame6};
    // Steel walls.
    vb::Frame Frame1{*this, "Frame1"};
    vb::Frame Frame4{*this, "Frame4", &Frame1};
    vb::Label lblSigma{*this, "lblSigma", &Frame4};
    vb::TextBox txtSigma{*this, "txtSigma", &Frame4}; // "zul. sigma"
    vb::Label lblTau{*this, "lblTau", &Frame4};
    vb::TextBox txtTau{*this, "txtTau", &Frame4}; // "zul. tau"
    vb::Frame Frame3{*this, "Frame3", &Frame1};
    vb::ControlArray<vb::OptionButton> optStahlSorte{*this, "optStahlSorte"};
    vb::Frame Frame2{*this, "Frame2", &Frame1};
    vb::ControlArray<vb::OptionButton> optEAB{*this, "optEAB"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmBemessung();
    void Form_Load() override;

    // The page's opening as the project dialogs build it; without it the page is only shown.
    static inline std::function<void(frmBemessung&)> Laden;
};
