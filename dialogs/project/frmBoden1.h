#pragma once
// The soil layers page "Bodenschichten" (frmBoden1), the first page of the soil chain: the layers behind the
// wall in a grid of nine property rows by eight layer columns (txtDH, index 8 x row + layer - 1), the layer
// count and four soil options of the whole project.
#include "platform/forms/forms.h"

class frmBoden1 : public vb::Form {
public:
    static constexpr int16_t MaxSchichten = 8;
    static constexpr int16_t Zeilen = 9;

    vb::Frame fraErdZusatzangaben{*this, "fraErdZusatzangaben"};
    vb::TextBox txtDeltaZF{*this, "txtDeltaZF", &fraErdZusatzangaben};
    vb::TextBox txtPhiCaq{*this, "txtPhiCaq", &fraErdZusatzangaben};
    vb::TextBox txtRuheProz{*this, "txtRuheProz", &fraErdZusatzangaben};
    vb::TextBox txtMinEah{*this, "txtMinEah", &fraErdZusatzangaben};
    vb::Label lblDeltaBlum{*this, "lblDeltaBlum", &fraErdZusatzangaben};
    vb::Label Label5{*this, "Label5", &fraErdZusatzangaben};
    vb::Label lblPhiCaq{*this, "lblPhiCaq", &fraErdZusatzangaben};
    vb::Label Label6{*this, "Label6", &fraErdZusatzangaben};
    vb::Label lblRuheProz{*this, "lblRuheProz", &fraErdZusatzangaben};
    vb::Label lblMinEah{*this, "lblMinEah", &fraErdZusatzangaben};
    vb::CommandButton cmdHinweis{*this, "cmdHinweis", &fraErdZusatzangaben};
    vb::Frame Frame1{*this, "Frame1", &fraErdZusatzangaben};
    vb::ControlArray<vb::OptionButton> optSonderfall{*this, "optSonderfall"};

    vb::Frame fraSchichtvorlauftext{*this, "fraSchichtvorlauftext"};
    vb::Label lblAnzErd{*this, "lblAnzErd", &fraSchichtvorlauftext};
    vb::TextBox txtAnzErd{*this, "txtAnzErd", &fraSchichtvorlauftext};
    vb::ControlArray<vb::Label> lblText{*this, "lblText"}; // the page's texts and the sketch

    vb::Frame fraErdschichten{*this, "fraErdschichten"};
    vb::ControlArray<vb::Label> lblErdschicht{*this, "lblErdschicht"};
    vb::ControlArray<vb::Label> lblNr{*this, "lblNr"}; // the layer numbers over the columns
    vb::ControlArray<vb::Label> lblZeile{*this, "lblZeile"};
    vb::ControlArray<vb::TextBox> txtDH{*this, "txtDH"};
    vb::CommandButton cmdHinweis2{*this, "cmdHinweis2", &fraErdschichten};
    vb::CommandButton cmdHinweis3{*this, "cmdHinweis3", &fraErdschichten};
    vb::CommandButton cmdHinweis4{*this, "cmdHinweis4", &fraErdschichten};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmBoden1();
    void Form_Load() override;
    void Form_Activate() override;
    void WerteZeigen();
    void Leeren();
    void txtAnzErd_LostFocus();
    void txtDH_GotFocus(int16_t Index);
    void txtDH_LostFocus(int16_t Index);
    void optSonderfall_Click(int16_t Index);
    void cmdOK_Click();

    // The field of grid row 0..8 and layer 1..8.
    static float& Feld(int16_t zeile, int16_t schicht);
    // The layer checks of OK for layers 1..AnzErd, and the last layer's thickness 99.
    static void SchichtenPruefen();
};
