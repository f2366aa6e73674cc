#pragma once
// The page-numbering dialog: start page and prefix of the page numbers. Its two boxes are held as plain
// data in Anzeigen::H504 (txtStartSeite, txtVorsatz), so that a project read can fill them without the
// window.
#include "platform/forms/forms.h"

class frmStartSeite : public vb::Form {
public:
    vb::TextBox txtStartSeite{*this, "txtStartSeite"};
    vb::TextBox txtVorsatz{*this, "txtVorsatz"};
    vb::ControlArray<vb::Label> Label1{*this, "Label1"};
    vb::CommandButton cmdOK{*this, "cmdOK"};

    frmStartSeite();
    void Form_Load() override;
    void cmdOK_Click();
    void txtStartSeite_GotFocus();
    void txtStartSeite_KeyPress(int16_t& KeyAscii);
    void txtVorsatz_GotFocus();
    void txtVorsatz_LostFocus();
};

namespace Anzeigen {
// The start page typed in a box: its leading number rounded (halves to even) and kept within 0..32767.
int16_t StartSeiteAusText(const std::string& text);
// The prefix typed in a box: trimmed, and every blank inside removed.
std::string VorsatzAusText(const std::string& text);
} // namespace Anzeigen

namespace Anzeigen {
// The windows of this folder that the unloading of the input windows (zorm1.MaskenEntladen) closes: the
// page-numbering dialog and the strip of the header texts (not the header dialog, which holds the texts).
void H504FensterEntladen();
} // namespace Anzeigen
