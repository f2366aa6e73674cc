#include "slipcircle/frmIterZeig.h"

#include "slipcircle/zormg_state.h"

frmIterZeig::frmIterZeig() : vb::Form("frmIterZeig") {
    Resizable = false;
    setBackColor(0xFFFFFF);
    setClientSize(7455, 3015);
    for (int i = 1; i <= kZeilen; ++i) {
        vb::Label& l = lblZeile.add(static_cast<int16_t>(i));
        l.Move(0, (i - 1) * kZeilenHoehe, 7455, kZeilenHoehe);
        l.setFont("Courier New", 9);
        l.setBackColor(0xFFFFFF);
        l.BackStyleOpaque = false;
    }
}

void frmIterZeig::Form_QueryUnload(int16_t& /*Cancel*/, int16_t UnloadMode) {
    // The user closes the window: the search stops at its next chance and keeps its best circle.
    if (UnloadMode == vb::vbFormControlMenu) Zormg::D().AbbruchGewuenscht = true;
}

void frmIterZeig::Drucken(int zeile, const std::string& text) {
    if (zeile >= 1 && zeile <= kZeilen) lblZeile(static_cast<int16_t>(zeile)).setCaption(text);
    druckzeile_ = zeile + 1;
}

void frmIterZeig::Leeren() {
    for (int i = 1; i <= kZeilen; ++i)
        lblZeile(static_cast<int16_t>(i)).setCaption("");
    druckzeile_ = 1;
}

std::string frmIterZeig::Zeile(int zeile) const {
    if (zeile < 1 || zeile > kZeilen) return "";
    return lblZeile(static_cast<int16_t>(zeile)).Caption();
}
