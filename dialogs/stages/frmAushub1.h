#pragma once
// The first page of the excavation-stage chain, "Aushubkote" (frmAushub1): the excavation level, the supports
// in force and the next one, the water levels, the support of the wall foot and its partial fixity of the
// current stage AushNr; and its small companion "aktueller Aushub" (frmAushub000), which shows the current
// excavation level below the page: always the level in force, also when a new stage has taken the level of
// the stage before it.
//
// The excavation level is refused with a message when it lies outside 0.01..98.98 m (the range the run can
// calculate, empty box included): the box shows the level in force again and takes the focus back.
//
// A stage never confirmed (Wandfuss below 1) starts from the values of the stage before it; without a
// confirmed stage before it (a new project's first stage) from no ground water on either side (99) and no
// next support (99). The water levels and the next support are shown as they are in force also while the
// stage has no excavation level yet and its other boxes stay empty: OK never stores a level the user did
// not see (an empty box would read as water at the wall head). OK corrects the levels (a support at least
// 0.01 m deep, a support at the excavation level moved 3 mm up, the foot at least 1 cm below the excavation
// level), writes the support list of the stage (ZAuflager, AnzAuflagerStufe) and the earth-side level's
// per-stage copy (ZWasserErdAush), stores the stage (AushubSpeichern) and opens the bedding page frmAushub1b.
//
// The count of supports is kept inside 0..8: a count above 8 shows "8" (stored when the box is left again),
// a count below 0 becomes 0; no count addresses a level box outside 1..8.
#include "platform/forms/forms.h"

class frmAushub000 : public vb::Form {
public:
    vb::Label Label1{*this, "Label1"};
    vb::TextBox Tiefe{*this, "Tiefe"};
    frmAushub000();
    void Form_Load() override;
};

class frmAushub1 : public vb::Form {
public:
    vb::Label lblAushNr{*this, "lblAushNr"};
    vb::TextBox txtAushNr{*this, "txtAushNr"};
    vb::Frame Frame1{*this, "Frame1"}; // excavation level and supports
    vb::Label lblZAush{*this, "lblZAush", &Frame1};
    vb::TextBox txtZAush{*this, "txtZAush", &Frame1};
    vb::Label lblAnzAnker{*this, "lblAnzAnker", &Frame1};
    vb::TextBox txtAnzAnker{*this, "txtAnzAnker", &Frame1};
    vb::Label lblZAnker{*this, "lblZAnker", &Frame1};
    vb::ControlArray<vb::TextBox> txtZAnker{*this, "txtZAnker"};
    vb::Frame Frame2{*this, "Frame2"}; // next support
    vb::ControlArray<vb::Label> Label2{*this, "Label2"};
    vb::TextBox txtZNextAnker{*this, "txtZNextAnker", &Frame2};
    vb::Frame Frame5{*this, "Frame5"}; // water
    vb::Label lblZWasserLuft{*this, "lblZWasserLuft", &Frame5};
    vb::TextBox txtZWasserLuft{*this, "txtZWasserLuft", &Frame5};
    vb::Label lblZWasserErd{*this, "lblZWasserErd", &Frame5};
    vb::TextBox txtZWasserErd{*this, "txtZWasserErd", &Frame5};
    vb::Frame Frame3{*this, "Frame3"}; // wall foot
    vb::Label lblFussHinweis{*this, "lblFussHinweis", &Frame3};
    vb::ControlArray<vb::OptionButton> optWandfuss{*this, "optWandfuss"};
    vb::CommandButton cmdHinweis3{*this, "cmdHinweis3", &Frame3};
    vb::Label lblZWandfuss{*this, "lblZWandfuss", &Frame3};
    vb::TextBox txtZWandfuss{*this, "txtZWandfuss", &Frame3};
    vb::Frame Frame4{*this, "Frame4"}; // partial fixity
    vb::ControlArray<vb::Label> Label3{*this, "Label3"};
    vb::Label Label4{*this, "Label4", &Frame4};
    vb::TextBox txtEinsp{*this, "txtEinsp", &Frame4};
    vb::Frame Frame6{*this, "Frame6"}; // "Hinweis :"
    vb::ControlArray<vb::Label> Label6{*this, "Label6"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmAushub1();
    void Form_Load() override;
    void Form_Activate() override;
    void optWandfuss_Click(int16_t Index);
    void txtZAush_LostFocus();
    void txtAnzAnker_LostFocus();
    void txtZNextAnker_LostFocus();
    void txtZWasserLuft_LostFocus();
    void txtZWasserErd_LostFocus();
    void txtZWandfuss_LostFocus();
    void txtEinsp_LostFocus();
    void cmdOK_Click();
    void cmdHinweis3_Click();

private:
    void AnkerboxenFreigeben();
};
