#pragma once
// The earth-pressure pages of the stage chain between the given pressure and the additional stresses:
// the redistribution figure (frmAushub3, "Umlagerungsfigur") with the own figure 6 and the figure after the
// EAB rules (8), the reduction of the earth pressure at rest (frmAushub3b, "Reduktionsfigur") that takes its
// place with pure earth pressure at rest, and the superposition with the passive resistance (frmAushub4,
// "Überlagerung"), which follows frmAushub3 for every wall type but 1 and 5.
#include <cstdint>

#include "dialogs/stages/depth_table.h"
#include "platform/forms/forms.h"

class frmAushub3 : public vb::Form {
public:
    vb::Label lblAushNr{*this, "lblAushNr"};
    vb::TextBox txtAushNr{*this, "txtAushNr"};
    vb::Frame Frame1{*this, "Frame1"}; // "Erddruck-Umlagerungsfigur:"
    vb::ControlArray<vb::OptionButton> optUmFigur{*this, "optUmFigur"};
    vb::Label Label5{*this, "Label5", &Frame1};
    vb::Frame Frame8{*this, "Frame8", &Frame1};
    vb::ControlArray<vb::OptionButton> OptHerstell{*this, "OptHerstell"};
    vb::Frame Frame4{*this, "Frame4"}; // "Welchen Erddruck umlagern ?"
    vb::Label lblEFaktor{*this, "lblEFaktor", &Frame4};
    vb::Label lblESum{*this, "lblESum", &Frame4};
    vb::TextBox txtEFaktor{*this, "txtEFaktor", &Frame4};
    vb::ControlArray<vb::OptionButton> optUmArt{*this, "optUmArt"};
    vb::Frame Frame5{*this, "Frame5"}; // knee points of figures 4 and 5
    vb::ControlArray<vb::Label> Label7{*this, "Label7"};
    vb::TextBox txtKotez1{*this, "txtKotez1", &Frame5};
    vb::TextBox txtKotez2{*this, "txtKotez2", &Frame5};
    vb::TextBox txtFigureps{*this, "txtFigureps", &Frame5};
    vb::Frame Frame6{*this, "Frame6"}; // own figure 6
    vb::ControlArray<vb::Label> Label6{*this, "Label6"};
    vb::TextBox txtzESum{*this, "txtzESum", &Frame6};
    vb::TextBox txtEps6{*this, "txtEps6", &Frame6};
    vb::ControlArray<vb::TextBox> txtZ6{*this, "txtZ6"};
    vb::ControlArray<vb::TextBox> txtE6{*this, "txtE6"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    Tabelle::Tiefentabelle tabelle;

    frmAushub3();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void WerteZeigen();
    void Leeren() { tabelle.Leeren(); }
    void FigurWahl(int16_t k);
    void UmArtSetzen(int16_t index);
    void txtKotez1_LostFocus();
    void txtKotez2_LostFocus();
    void txtFigureps_LostFocus();
    void txtEps6_LostFocus();
    void cmdOK_Click();

    // The time-of-redistribution option UmZeit of the current stage from the figure and the superposition
    // flag kzUeb: figure 0 gives 0, figure 6 gives 1 (superposed) or 2, figures 7 and 8 give 3 or 4; the
    // figures 1, 2, 4 and 5 keep theirs. Touches no control.
    static void kzUmlagern();
};

class frmAushub3b : public vb::Form {
public:
    vb::Label lblAushNr{*this, "lblAushNr"};
    vb::TextBox txtAushNr{*this, "txtAushNr"};
    vb::Frame Frame1{*this, "Frame1"}; // "Ruhedruck-Reduktion:"
    vb::ControlArray<vb::OptionButton> optRedFigur{*this, "optRedFigur"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::Frame Frame5{*this, "Frame5"};
    vb::ControlArray<vb::Label> Label7{*this, "Label7"};
    vb::TextBox txtKotez1{*this, "txtKotez1", &Frame5};
    vb::TextBox txtKotez2{*this, "txtKotez2", &Frame5};
    vb::TextBox txtFigureps{*this, "txtFigureps", &Frame5};
    vb::Label Label2{*this, "Label2"};
    vb::TextBox Text1{*this, "Text1"};
    vb::Label lblZAush{*this, "lblZAush"};
    vb::TextBox Text2{*this, "Text2"};
    vb::Label Label4{*this, "Label4"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmAushub3b();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void WerteZeigen();
    void check(int16_t index);
    void cmdOK_Click();
};

class frmAushub4 : public vb::Form {
public:
    vb::Label lblAushNr{*this, "lblAushNr"};
    vb::TextBox txtAushNr{*this, "txtAushNr"};
    vb::ControlArray<vb::Frame> Frame3{*this, "Frame3"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"}; // notes of the principle
    vb::ControlArray<vb::Label> Label2{*this, "Label2"}; // labels of the options' frame
    vb::ControlArray<vb::OptionButton> optUmZeit{*this, "optUmZeit"};
    vb::Frame& Frame3_2 = Frame3.add(2); // the frame of the check box
    vb::CheckBox chkKzUeb{*this, "chkKzUeb", &Frame3_2};
    vb::Label Label4{*this, "Label4"};
    vb::Label Label5{*this, "Label5"};
    vb::ControlArray<vb::PictureBox> picFall{*this, "picFall"}; // the sketches "Fall  0" and "Fall  1"
    vb::ControlArray<vb::Shape> Shape1{*this, "Shape1"};        // markers of the options 2 and 4
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmAushub4();
    // The sketch of a case of the principle on a surface of any extent: the wall with the ground on its
    // earth side and the excavation level on the other, the active pressure redistributed on the earth side
    // and the passive resistance below the excavation. Case 0: eah superposed with eph first, then
    // redistributed down to the load zero point; case 1: redistributed down to the wall foot, then
    // superposed with eph below the excavation level.
    static void PrinzipZeichnen(vb::draw::Surface& s, int16_t fall);
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void WerteZeigen();
    void optUmZeit_LostFocus(int16_t Index);
    void chkKzUeb_LostFocus();
    void cmdOK_Click();

    // Superposition is required: the foot of the stage is not bedded and is a partly fixed free earth
    // support or in mode 2, 3 or 4.
    static bool UeberlagernErforderlich();

private:
    static void UmZeitUeberlagern();
    static void UmZeitAnpassen();
};
