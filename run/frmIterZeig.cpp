#include "run/frmIterZeig.h"

#include "slipcircle/state.h"

frmIterZeig::frmIterZeig() : vb::Form("frmIterZeig") {
    Resizable = false;
    setClientSize(7455, 3015);
    setBackColor(0xFFFFFF);
    setFont("Courier New", 9);
    surface().SetFontTransparent(false);
}

void frmIterZeig::Form_QueryUnload(int16_t& /*Cancel*/, int16_t UnloadMode) {
    // The user closes the window: the search stops at its next chance and keeps its best circle.
    if (UnloadMode == vb::vbFormControlMenu) Zormg::D().AbbruchGewuenscht = true;
}

void frmIterZeig::Drucken(int zeile, const std::string& text) {
    auto& s = surface();
    s.SetCurrentX(0);
    s.SetCurrentY((zeile - 1) * s.TextHeight("X"));
    s.Print(text);
    if (zeile >= 1) {
        if (static_cast<int>(zeilen_.size()) <= zeile) zeilen_.resize(static_cast<std::size_t>(zeile) + 1);
        zeilen_[static_cast<std::size_t>(zeile)] = text;
    }
}

void frmIterZeig::Leeren() {
    surface().Cls();
    zeilen_.clear();
}

std::string frmIterZeig::Zeile(int zeile) const {
    if (zeile < 1 || zeile >= static_cast<int>(zeilen_.size())) return "";
    return zeilen_[static_cast<std::size_t>(zeile)];
}
