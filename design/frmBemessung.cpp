#include "design/frmBemessung.h"

frmBemessung::frmBemessung() : vb::Form("frmBemessung") {
    setCaption("Spannungsnachweis / Bemessung");
    txtSigma.setText("180");
    txtTau.setText("104");
}

void frmBemessung::Form_Load() {
    if (Laden)
        Laden(*this);
    else
        Show();
}
