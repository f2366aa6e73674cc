#pragma once
// The anchors and struts page "Ankerlängen" (frmAnker1): one row per support level of the project with its
// inclination, anchor lengths and spacing; the safety of the anchor lengths, deviating safeties per stage,
// the mode of the length check and the anchor steel.
#include <vector>

#include "platform/forms/forms.h"

class frmAnker1 : public vb::Form {
public:
    static constexpr int16_t MaxEbenen = 13; // support levels a project can hold
    static constexpr int16_t Zeilen = 15;

    vb::Frame fraTabelle{*this, "fraTabelle"};
    vb::ControlArray<vb::Label> lblKopf{*this, "lblKopf"};
    vb::ControlArray<vb::TextBox> text1{*this, "text1"};
    vb::ControlArray<vb::TextBox> txtAnkAbstand{*this, "txtAnkAbstand"};
    vb::Frame fraEtaGl{*this, "fraEtaGl"};
    vb::TextBox txtEtaGl{*this, "txtEtaGl", &fraEtaGl};
    vb::Frame fraPaare{*this, "fraPaare"};
    vb::ControlArray<vb::TextBox> Text2{*this, "Text2"};
    vb::Frame fraModus{*this, "fraModus"};
    vb::ControlArray<vb::OptionButton> Option1{*this, "Option1"};
    vb::Frame fraStahl{*this, "fraStahl"};
    vb::CheckBox chkSt1570{*this, "chkSt1570", &fraStahl};
    vb::CheckBox chkSt1080{*this, "chkSt1080", &fraStahl};
    vb::TextBox txtStreck{*this, "txtStreck", &fraStahl};
    vb::TextBox txtFliess{*this, "txtFliess", &fraStahl};
    vb::ControlArray<vb::Label> lblText{*this, "lblText"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmAnker1();
    void Form_Load() override;
    void Form_Activate() override { cmdOK.setEnabled(true); }
    void Form_Unload(int16_t& Cancel) override;
    void WerteZeigen();
    void ZeilenSperren();
    void Option1_Click(int16_t Index);
    void Text2_LostFocus(int16_t j);
    void cmdOK_Click();

    // The support levels rebuilt from the stages (Anker::AnkerAktualisieren); when their number changed,
    // each level's inclination, lengths and spacing follow their level (matched by value). A level whose
    // value changed while the count stayed keeps its row. Returns false when the project has more levels
    // than the page can hold (the rows behind 13 are not used).
    static bool EbenenAktualisieren();

private:
    void Uebernehmen(); // the table, the pairs and the steel into the project data
    bool ok_ = false;
    int16_t Anzahl() const;
};
