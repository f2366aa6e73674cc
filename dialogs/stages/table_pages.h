#pragma once
// The table pages of the stage chain: the given earth pressure (frmAushub2, "Erddruck gegeben"), the
// additional horizontal stresses (frmAushub6, "Zusatzspannungen"), the factors on the earth pressure
// (frmAushub7, "Erddruck verändern") and the given passive resistance (frmAushub8, "Erdwiderstand
// gegeben"), the last page of the chain. Each carries one depth table (dialogs/stages/depth_table.h) behind
// a check box; OK closes the table, stores the stage and opens the next page. The OK of frmAushub8 ends the
// chain and hands the main window the next stage, or the load cases after the last stage.
#include <cstdint>

#include "dialogs/stages/depth_table.h"
#include "platform/forms/forms.h"

// What the four pages share: the stage number, the switch, the frame with its table and OK.
class Tabellenseite : public vb::Form {
public:
    vb::Label lblAushNr{*this, "lblAushNr"};
    vb::TextBox txtAushNr{*this, "txtAushNr"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"}; // the page's notes
    vb::Frame Frame3{*this, "Frame3"};
    vb::ControlArray<vb::Label> Label2{*this, "Label2"}; // the table's headings
    vb::ControlArray<vb::TextBox> txtZZSp{*this, "txtZZSp"};
    vb::ControlArray<vb::TextBox> txtEZSp{*this, "txtEZSp"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    Tabelle::Tiefentabelle tabelle;

    void Form_Load() override;
    void Form_Activate() override;
    void Leeren() { tabelle.Leeren(); }
    virtual void check();
    void cmdOK_GotFocus();
    virtual void cmdOK_Click() = 0;

protected:
    Tabellenseite(const char* name, const char* titel, Tabelle::Art art, vb::CheckBox& schalter,
                  Tabelle::Tiefentabelle::Feld ebene, Tabelle::Tiefentabelle::Feld wert,
                  std::function<int16_t()> anzahl, std::function<void(int16_t)> setzeAnzahl);
    // Places the switch, the notes (one per entry, from y on), the frame with its caption and headings and
    // the table, and OK; returns nothing. Called by each page's constructor.
    void Anlegen(const char* schalterText, const std::vector<const char*>& hinweise, const char* rahmenText,
                 const std::vector<const char*>& kopf);
    virtual void WerteZeigen();
    bool An() const { return schalter_.Value() == vb::vbChecked; }
    vb::CheckBox& schalter_;
};

class frmAushub2 : public Tabellenseite {
public:
    vb::CheckBox chkEahgegeben{*this, "chkEahgegeben"};
    frmAushub2();
    void cmdOK_Click() override;
};

class frmAushub6 : public Tabellenseite {
public:
    vb::CheckBox chkZSp{*this, "chkZSp"};
    vb::CheckBox chkWasserenth{*this, "chkWasserenth"};
    vb::Label lblWasserenth{*this, "lblWasserenth"};
    frmAushub6();
    void Form_Load() override;
    void check() override;
    void cmdOK_Click() override;
};

class frmAushub7 : public Tabellenseite {
public:
    vb::CheckBox chkRedF{*this, "chkRedF"};
    frmAushub7();
    void cmdOK_Click() override;
};

class frmAushub8 : public Tabellenseite {
public:
    vb::CheckBox chkEphgegeben{*this, "chkEphgegeben"};
    frmAushub8();
    void cmdOK_Click() override;
};
