#pragma once
// The steel profile page (frmProfile): one line of the soldier-pile list "zorTBw.txt" or the sheet-pile
// list "zorSPw.txt" chosen; E*I, thickness and unit weight of the wall follow from it. A head line above the
// list names its columns (the lists keep their numbers right-aligned in fixed columns).
#include <string>

#include "platform/forms/forms.h"

class frmProfile : public vb::Form {
public:
    vb::Label lblKopf{*this, "lblKopf"};       // the column heads of the list: the values
    vb::Label lblEinheit{*this, "lblEinheit"}; // and their units
    vb::ListBox List1{*this, "List1"};
    vb::Label Label1{*this, "Label1"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::CommandButton cmdElim{*this, "cmdElim"};
    vb::CommandButton cmdAbbruch{*this, "cmdAbbruch"};

    frmProfile();
    void Form_Load() override;
    void List1_Click();
    void cmdOK_Click();
    void cmdElim_Click();

    // The two head lines of the list's columns, in the list's fixed pitch: the name, then I, W, A, s and h
    // (line 0) over their units (line 1), each ending in the column where the lists end that number; per
    // metre of wall for the sheet-pile list.
    static std::string Spaltenkoepfe(bool spundwand, int zeile);

    // Section values from P.ProfilName (Profil::EIStahlRechnen), shown in the wall page's boxes txtEI,
    // txtDwand and txtGamwand while the wall page is loaded.
    static void EIStahl();
};
