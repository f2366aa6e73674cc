#pragma once
// The safety-concept page "ZOR : Sicherheiten" (frmBTeilSi) and the page of reduced factors in special
// cases (frmBTeilSi2). The start dialog shows both modally, one after the other (the second only with
// partial factors), before the main window opens. Their OK sets the working partial factors through
// dialogs/project/safety_factors.h; closing a page by its close box acts as its OK, so the working factors
// always exist once the page has been shown.
#include "platform/forms/forms.h"

class frmBTeilSi : public vb::Form {
public:
    vb::ControlArray<vb::OptionButton> optTeilSi{*this, "optTeilSi"};
    vb::Frame fraLF123{*this, "fraLF123"};
    vb::ControlArray<vb::OptionButton> optLF123{*this, "optLF123"};
    vb::ControlArray<vb::Label> lblLF123{*this, "lblLF123"};
    vb::Frame fraAnpass{*this, "fraAnpass"};
    vb::Label lblAnpass{*this, "lblAnpass"};
    vb::Label lblEta{*this, "lblEta"};
    vb::TextBox txtAnpassFaktor{*this, "txtAnpassFaktor"};
    vb::Label lblEtaMax{*this, "lblEtaMax"};
    vb::Frame fraUntergrund{*this, "fraUntergrund"};
    vb::ControlArray<vb::OptionButton> optUntergrund{*this, "optUntergrund"};
    vb::Frame fraBeiwerte{*this, "fraBeiwerte"};
    vb::ControlArray<vb::Frame> fraGZ{*this, "fraGZ"};           // 0 HYD, 1 STR, 2 GEO-3
    vb::ControlArray<vb::Label> lblEigene{*this, "lblEigene"};   // "eigene Eingaben", one per sub-frame
    vb::ControlArray<vb::Label> lblKopf{*this, "lblKopf"};       // column heads, 3 per sub-frame
    vb::ControlArray<vb::Label> lblZeile{*this, "lblZeile"};     // row texts 1..14
    vb::ControlArray<vb::Label> lblSymbol{*this, "lblSymbol"};   // symbols 1..14
    vb::ControlArray<vb::TextBox> txtKotez1{*this, "txtKotez1"}; // 1..42
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmBTeilSi();
    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;

    void optTeilSi_Click(int16_t Index);
    void txtAnpassFaktor_LostFocus();
    void txtKotez1_LostFocus(int16_t Index);
    void cmdOK_Click();

    void TeilSiNo();
    void TeilSiYes();
    void TeilSiEigenYes();
    void txtKotez1Aus();
    static void EigeneWerteLoeschen();

private:
    bool ok_ = false; // OK has run (the close box then acts as OK)
};

class frmBTeilSi2 : public vb::Form {
public:
    vb::Frame fraEAB{*this, "fraEAB"};
    vb::CheckBox chkgamRered2{*this, "chkgamRered2", &fraEAB};
    vb::TextBox txtgamRered2{*this, "txtgamRered2", &fraEAB};
    vb::Frame fraEAU{*this, "fraEAU"};
    vb::CheckBox chkgamRered{*this, "chkgamRered", &fraEAU};
    vb::TextBox txtgamRered{*this, "txtgamRered", &fraEAU};
    vb::CheckBox chkgamWred{*this, "chkgamWred", &fraEAU};
    vb::TextBox txtgamWred{*this, "txtgamWred", &fraEAU};
    vb::Label lblEAB{*this, "lblEAB", &fraEAB};
    vb::Label lblE215{*this, "lblE215", &fraEAU};
    vb::Label lblE216{*this, "lblE216", &fraEAU};
    vb::Label lblHinweis{*this, "lblHinweis"};
    vb::CommandButton cmdHinweis{*this, "cmdHinweis"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmBTeilSi2();
    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;

    void gamReredWerte();
    void chkgamRered2_Click();
    void chkgamRered_Click();
    void chkgamWred_Click();
    void cmdHinweis_Click();
    void cmdOK_Click();

private:
    bool ok_ = false;
};
