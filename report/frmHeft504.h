#pragma once
// The windows of the header and footer texts: the header dialog frmHeft504 (its fields are the current
// texts, held as plain data in Anzeigen::H504.Dialog), the display strip frmHeft504B and the list of stored
// sets frmHeft504Liste.
#include <array>

#include "platform/forms/forms.h"

class frmHeft504 : public vb::Form {
public:
    vb::Frame frmDinA4{*this, "frmDinA4"};
    vb::Frame frmKopfZeilen{*this, "frmKopfZeilen", &frmDinA4};
    vb::Frame frmFusszeilen{*this, "frmFusszeilen", &frmDinA4};
    vb::TextBox txtVerfasser{*this, "txtVerfasser", &frmKopfZeilen};
    vb::TextBox txtVerfasser2{*this, "txtVerfasser2", &frmKopfZeilen};
    vb::TextBox txtProgramm{*this, "txtProgramm", &frmKopfZeilen};
    vb::TextBox txtBauwerk{*this, "txtBauwerk", &frmKopfZeilen};
    vb::TextBox txtAsbNr{*this, "txtAsbNr", &frmKopfZeilen};
    vb::TextBox txtDatum{*this, "txtDatum", &frmKopfZeilen};
    vb::TextBox Text2{*this, "Text2", &frmDinA4};
    vb::TextBox txtBauteil{*this, "txtBauteil", &frmFusszeilen};
    vb::TextBox txtBlock{*this, "txtBlock", &frmFusszeilen};
    vb::TextBox txtVorgang{*this, "txtVorgang", &frmFusszeilen};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::CommandButton cmdAbbruch{*this, "cmdAbbruch"};
    vb::CommandButton cmdListeSchreiben{*this, "cmdListeSchreiben"};
    vb::CommandButton cmdListe{*this, "cmdListe"};

    frmHeft504();
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;
    void cmdOK_Click();
    void cmdAbbruch_Click();
    void cmdListe_Click();
    void cmdListeSchreiben_Click();
    // The fields show the current texts again (after a set was chosen from the list).
    void FelderZeigen();

private:
    std::array<vb::TextBox*, 8> felder_; // in the order of "zorH504.txt"
    bool zeigen_ = false;                // while the fields are filled from the data
};

class frmHeft504B : public vb::Form {
public:
    vb::TextBox txtVerfasser{*this, "txtVerfasser"};
    vb::TextBox txtVerfasser2{*this, "txtVerfasser2"};
    vb::TextBox txtBauwerk{*this, "txtBauwerk"};
    vb::TextBox txtDatum{*this, "txtDatum"};
    vb::TextBox txtBauteil{*this, "txtBauteil"};
    vb::TextBox txtBlock{*this, "txtBlock"};
    vb::TextBox txtVorgang{*this, "txtVorgang"};
    vb::TextBox txtAsbNr{*this, "txtAsbNr"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::CommandButton cmdAendern{*this, "cmdAendern"};

    frmHeft504B();
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;
    void cmdAendern_Click();
    // Copies the texts of the header dialog into the strip.
    void H504Lesen();
    // The strip's fields show Anzeigen::H504.Leiste.
    void FelderZeigen();

private:
    std::array<vb::TextBox*, 8> felder_;
};

class frmHeft504Liste : public vb::Form {
public:
    vb::ListBox List1{*this, "List1"};
    vb::ControlArray<vb::CommandButton> cmdOK{*this, "cmdOK"};

    frmHeft504Liste();
    void Form_Load() override;
    void List1_Click();
    void List1_DblClick();
    void cmdOK_Click(int16_t Index);
    // Rewrites the list file from List1.
    void H504ListeSchr();
};
