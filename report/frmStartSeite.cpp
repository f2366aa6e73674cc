#include "report/frmStartSeite.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "report/frmHeft504.h"
#include "windows/window_routines.h"

using zorm1::P;

namespace Anzeigen {

int16_t StartSeiteAusText(const std::string& text) {
    double v = vb::Round(vb::Val(text));
    if (!(v > 0)) v = 0; // below 0 (and no number) switches numbering off
    return static_cast<int16_t>(std::min(v, 32767.0));
}

std::string VorsatzAusText(const std::string& text) {
    std::string v = vb::Trim(text);
    v.erase(std::remove(v.begin(), v.end(), ' '), v.end());
    return v;
}

} // namespace Anzeigen

frmStartSeite::frmStartSeite() : vb::Form("frmStartSeite") {
    setCaption("Seiten-Numerierung :");
    setClientSize(4800, 1680);
    const char* texte[] = {"Startseite:", "Startseite 0 : keine Numerierung",
                           "Vorsatz incl. Trennzeichen; z.B. für Einschubseiten."};
    const float pos[][3] = {{120, 150, 1000}, {2040, 150, 2700}, {1320, 540, 3400}};
    for (int16_t i = 0; i < 3; ++i) {
        auto& l = Label1.add(i);
        l.setCaption(texte[i]);
        l.Move(pos[i][0], pos[i][1], pos[i][2], i == 2 ? 480 : 255); // the note on the prefix takes two lines
    }
    txtStartSeite.Move(1080, 120, 840, 315);
    txtVorsatz.Move(120, 510, 1080, 315);
    cmdOK.setCaption("OK");
    cmdOK.Move(1800, 1080, 1200, 435);
    txtStartSeite.Change = [this] { Anzeigen::H504.txtStartSeite = txtStartSeite.Text(); };
    txtVorsatz.Change = [this] { Anzeigen::H504.txtVorsatz = txtVorsatz.Text(); };
    txtStartSeite.GotFocus = [this] { txtStartSeite_GotFocus(); };
    txtStartSeite.KeyPress = [this](int16_t& k) { txtStartSeite_KeyPress(k); };
    txtVorsatz.GotFocus = [this] { txtVorsatz_GotFocus(); };
    txtVorsatz.LostFocus = [this] { txtVorsatz_LostFocus(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmStartSeite::Form_Load() {
    // Beside the strip of the header texts (created hidden when it is not there).
    Move(vb::form<frmHeft504B>().Width(), 0, Width(), Height());
    txtStartSeite.setText(Anzeigen::H504.txtStartSeite);
    txtVorsatz.setText(Anzeigen::H504.txtVorsatz);
}

void frmStartSeite::txtStartSeite_GotFocus() {
    txtStartSeite.setSelStart(0);
    txtStartSeite.setSelLength(vb::Len(txtStartSeite.Text()));
}

void frmStartSeite::txtStartSeite_KeyPress(int16_t& KeyAscii) {
    Anzeigen::ZahlTaste(KeyAscii);
}

void frmStartSeite::txtVorsatz_GotFocus() {
    txtVorsatz.setSelStart(0);
    txtVorsatz.setSelLength(vb::Len(txtVorsatz.Text()));
}

void frmStartSeite::txtVorsatz_LostFocus() {
    P.SeitenVorsatz = Anzeigen::VorsatzAusText(txtVorsatz.Text());
}

void frmStartSeite::cmdOK_Click() {
    P.SeitenNr = Anzeigen::StartSeiteAusText(txtStartSeite.Text());
    P.StartSeite = P.SeitenNr;
    if (P.SeitenNr == 0) {
        P.SeitenVorsatz.clear();
        txtVorsatz.setText("");
        txtStartSeite.setText("0");
    }
}

namespace Anzeigen {

void H504FensterEntladen() {
    vb::Unload<frmStartSeite>();
    vb::Unload<frmHeft504B>();
}

} // namespace Anzeigen
