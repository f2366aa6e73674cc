#pragma once
// The steel profile page (frmProfile): one line of the soldier-pile list "zorTBw.txt" or the sheet-pile
// list "zorSPw.txt" chosen; E*I, thickness and unit weight of the wall follow from it.
#include "platform/forms/forms.h"

class frmProfile : public vb::Form {
public:
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

    // Section values from P.ProfilName (Profil::EIStahlRechnen), shown in the wall page's boxes txtEI,
    // txtDwand and txtGamwand while the wall page is loaded.
    static void EIStahl();
};
