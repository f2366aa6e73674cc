#include "dialogs/stages/frmAushub1b.h"

#include <algorithm>
#include <cmath>

#include "dialogs/project/page.h"
#include "dialogs/stages/stage_page.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "windows/window_routines.h"

using Seite::Wert;
using Stufenseite::Stufe;
using zorm1::P;

namespace {

// A position on the excavation side: the number made negative, written with the blank of a non-negative
// number (0 shows as " 0").
std::string Negativ(float v) {
    return Seite::ZahlMitBlank(v == 0.0f ? 0.0f : -std::fabs(v));
}

} // namespace

frmAushub1b::frmAushub1b()
    : vb::Form("frmAushub1b"),
      tabelle(
          Tabelle::Art::Bettung, Frame3, txtTBett, txtCBett,
          [](int16_t i) -> float& { return P.BettT(Stufe(), i); },
          [](int16_t i) -> float& { return P.BettC(Stufe(), i); }, [] { return P.BettAnz[Stufe()]; },
          [](int16_t n) { P.BettAnz[Stufe()] = n; }) {
    setCaption("Wandfuß gebettet...");
    Resizable = false;
    const float W = 14400;
    Stufenseite::Nummer(lblAushNr, txtAushNr);

    // Bedding of the wall foot.
    chkFussGebettet.setCaption("Wandfuß elastisch gebettet ?");
    chkFussGebettet.Move(240, 540, 4000, 285);
    Frame3.setCaption("Horiz. Bettung (MN/m3)  des Wandfußes:");
    Frame3.Move(120, 900, 5400, 5950);
    Label3.add(0, &Frame3).setCaption("Eing. v. t=0 bis t=99");
    Label3(0).Move(120, 270, 2600, 240);
    Label3.add(1, &Frame3).setCaption("t(m) ab Aush.");
    Label3(1).Move(120, 540, 1200, 240);
    Label3.add(2, &Frame3).setCaption("C (MN/m3)");
    Label3(2).Move(1400, 540, 1200, 240);
    tabelle.ZellenAnlegen(120, 800, 1100, 100, 330);
    Label3.add(3, &Frame3).setCaption("Immer komplette Zeile eingeben, auch bei t = 99");
    Label3(3).Move(2600, 800, 2700, 480);
    Label3.add(4, &Frame3).setCaption("Die Kote 99 - zAushub  wird v. Progr. eingefügt.");
    Label3(4).Move(2600, 1400, 2700, 480);
    Label3.add(5, &Frame3).setCaption("Anhaltswerte :");
    Label3(5).Move(2600, 2100, 2700, 240);
    const char* const anhalt[] = {"t (m)     C1      C2",  "0.00     0.00    2.00", "1.00    23.33    6.00",
                                  "3.00    50.00   12.00", "10.00  120.00   30.00", "C2: bindiger Boden."};
    for (int16_t i = 0; i < 6; ++i) {
        Label3.add(int16_t(6 + i), &Frame3).setCaption(anhalt[i]);
        Label3(int16_t(6 + i)).Move(2600, 2400 + 300 * i, 2700, 240);
    }

    // Sloped excavation bottom.
    chkFussGeboescht.setCaption("Aushubsohle abgeböscht ?");
    chkFussGeboescht.Move(5760, 540, 4000, 285);
    Frame4.setCaption("Abböschung der Aushubsohle:");
    Frame4.Move(5640, 900, W - 5760, 2500);
    const struct {
        const char* text;
        float x, y;
    } skizze[] = {{"Aushubkote", 120, 300},    {"x1 --", 120, 660},       {"x2 --", 120, 1020},
                  {"Tiefe +", 120, 1380},      {"x1(m) <= 0", 2400, 660}, {"x2(m)   < 0", 2400, 1020},
                  {"Tiefe(m) > 0", 2400, 1380}};
    for (int16_t i = 0; i < 7; ++i) {
        Label4.add(i, &Frame4).setCaption(skizze[i].text);
        Label4(i).Move(skizze[i].x, skizze[i].y, 1500, 240);
    }
    txtStBx1.Move(1380, 630, 900, 285);
    txtStBx2.Move(1380, 990, 900, 285);
    txtStBH.Move(1380, 1350, 900, 285);
    Label4.add(7, &Frame4)
        .setCaption("Wandreibungs- Winkel reduzie- ren, je nach Geometrie  der Abböschung. "
                    "Steile Bösch- ung, kleines x1: starke Reduk- tion erforderlich "
                    "(Auflockerung).");
    Label4(7).Move(4000, 300, W - 10000, 2000);

    // Loads on the excavation side.
    chkLastenSohle.setCaption("Lasten auf der Aushubseite ?");
    chkLastenSohle.Move(5760, 3520, 4000, 285);
    Frame5.setCaption("Ständige Lasten Aushubseite:");
    Frame5.Move(5640, 3880, W - 5760, 3600);
    Label5.setCaption("von x1(m)    bis x2(m)        kN/m2     Kote z(m)");
    Label5.Move(120, 270, 6000, 240);
    for (int16_t i = 1; i <= 8; ++i) {
        vb::ControlArray<vb::TextBox>* spalten[] = {&txtSox1, &txtSox2, &txtSoq, &txtSoz};
        for (int16_t k = 0; k < 4; ++k) {
            vb::TextBox& t = spalten[k]->add(i, &Frame5);
            t.Move(120 + 1300 * k, 560 + 360 * (i - 1), 1150, 285);
            t.MaxLength = 8;
            Seite::Tastenfilter(t);
        }
        txtSox1(i).LostFocus = [this, i] { txtSox1_LostFocus(i); };
        txtSox2(i).LostFocus = [this, i] { txtSox2_LostFocus(i); };
        txtSoz(i).LostFocus = [this, i] { txtSoz_LostFocus(i); };
    }

    Seite::Zahlbox(txtStBx1, [this](const std::string&) { Boeschung(); });
    Seite::Zahlbox(txtStBx2, [this](const std::string&) { Boeschung(); });
    Seite::Zahlbox(txtStBH, [this](const std::string&) { Boeschung(); });

    cmdOK.setCaption("OK");
    cmdOK.Move(W - 1920, 7700, 1800, 500);
    setClientSize(W, 8320);
    chkFussGebettet.Click = [this] { check(); };
    chkFussGeboescht.Click = [this] { check(); };
    chkLastenSohle.Click = [this] { check(); };
    cmdOK.GotFocus = [this] { cmdOK_GotFocus(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAushub1b::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmAushub1b::Form_Activate() {
    cmdOK.setEnabled(true);
    tabelle.TabelleZu = true;
}

void frmAushub1b::WerteZeigen() {
    const int16_t s = Stufe();
    txtAushNr.setText(vb::Str(P.AushNr));
    if (P.Wandfuss != 4) {
        tabelle.LetzteZeile = tabelle.Anzahl();
        const int16_t n = tabelle.LetzteZeile;
        chkFussGebettet.setValue(n >= 1 ? vb::vbChecked : vb::vbUnchecked);
        for (int16_t i = 1; i <= n; ++i)
            tabelle.ZeileZeigen(i);
        // The marker row behind the table (not counted); a table that ends in row 15 has none.
        if (n > 0 && n < 15) {
            txtTBett(int16_t(n + 1)).setText("99");
            txtCBett(int16_t(n + 1)).setText(Seite::Zahl(P.BettC(s, n)));
        }
        if (chkFussGebettet.canTakeFocusNow()) chkFussGebettet.SetFocus();
    } else {
        tabelle.LetzteZeile = 0;
        tabelle.Leeren();
        chkFussGebettet.setEnabled(false);
        Frame3.setEnabled(false);
        if (chkFussGeboescht.canTakeFocusNow()) chkFussGeboescht.SetFocus();
    }
    if (P.StBH == 0.0f) {
        chkFussGeboescht.setValue(vb::vbUnchecked);
    } else {
        chkFussGeboescht.setValue(vb::vbChecked);
        txtStBx1.setText(Seite::Zahl(P.StBx1));
        txtStBx2.setText(Seite::Zahl(P.StBx2));
        txtStBH.setText(Seite::Zahl(P.StBH));
    }
    const int16_t m = std::clamp<int16_t>(P.AnzSohlLast, 0, 8);
    chkLastenSohle.setValue(m >= 1 ? vb::vbChecked : vb::vbUnchecked);
    for (int16_t i = 1; i <= m; ++i) {
        txtSox1(i).setText(Seite::Zahl(P.SohlLastX1[i]));
        txtSox2(i).setText(Seite::Zahl(P.SohlLastX2[i]));
        txtSoq(i).setText(Seite::Zahl(P.SohlLastQ[i]));
        txtSoz(i).setText(Seite::Zahl(P.SohlLastZ[i]));
    }
    check();
}

void frmAushub1b::check() {
    const bool bett = chkFussGebettet.Value() == vb::vbChecked && P.Wandfuss != 4;
    tabelle.Freigeben(bett);
    const bool boesch = chkFussGeboescht.Value() == vb::vbChecked;
    Frame4.setEnabled(boesch);
    txtStBx1.setEnabled(boesch);
    txtStBx2.setEnabled(boesch);
    txtStBH.setEnabled(boesch);
    const bool lasten = chkLastenSohle.Value() == vb::vbChecked;
    Frame5.setEnabled(lasten);
    for (int16_t i = 1; i <= 8; ++i) {
        txtSox1(i).setEnabled(lasten);
        txtSox2(i).setEnabled(lasten);
        txtSoq(i).setEnabled(lasten);
        txtSoz(i).setEnabled(lasten);
    }
}

void frmAushub1b::Boeschung() {
    P.StBx1 = Wert(txtStBx1);
    P.StBx2 = Wert(txtStBx2);
    P.StBH = Wert(txtStBH);
    if (P.StBx1 > 0.0f) {
        txtStBx1.setText("0");
        P.StBx1 = 0.0f;
    }
    if (P.StBx2 > P.StBx1) {
        txtStBx2.setText(txtStBx1.Text());
        P.StBx2 = P.StBx1;
    }
    if (P.StBx1 + P.StBx2 == 0.0f) {
        txtStBH.setText("0");
        P.StBH = 0.0f;
    }
    if (P.StBH < 0.0f) {
        P.StBH = std::fabs(P.StBH);
        txtStBH.setText(Seite::ZahlMitBlank(P.StBH));
        Seite::FokusZurueck(txtStBH);
    }
}

void frmAushub1b::txtSox1_LostFocus(int16_t i) {
    txtSox1(i).setText(Negativ(Wert(txtSox1(i))));
}

void frmAushub1b::txtSox2_LostFocus(int16_t i) {
    txtSox2(i).setText(Negativ(Wert(txtSox2(i))));
    if (Wert(txtSox1(i)) != 0.0f || Wert(txtSox2(i)) != 0.0f) return;
    // A row without positions is deleted: the rows below move up, the last row is emptied.
    vb::ControlArray<vb::TextBox>* spalten[] = {&txtSox1, &txtSox2, &txtSoq, &txtSoz};
    for (auto* sp : spalten) {
        for (int16_t k = i; k < 8; ++k)
            (*sp)(k).setText((*sp)(int16_t(k + 1)).Text());
        (*sp)(8).setText("");
    }
    Seite::FokusZurueck(txtSox1(i));
    if (txtSox1(i).Text().empty() && txtSox2(i).Text().empty() && txtSoq(i).Text().empty() &&
        txtSoz(i).Text().empty()) {
        cmdOK.setEnabled(true);
        if (P.DatenGelesen != 0) Seite::FokusZurueck(cmdOK);
        Anzeigen::MausAufSteuerelement(cmdOK);
    }
}

void frmAushub1b::txtSoz_LostFocus(int16_t i) {
    if (Wert(txtSoz(i)) < P.zAush) txtSoz(i).setText(Seite::Zahl(P.zAush));
    const float x1 = Wert(txtSox1(i)), x2 = Wert(txtSox2(i));
    if (x1 < x2) {
        const std::string t = txtSox1(i).Text();
        txtSox1(i).setText(txtSox2(i).Text());
        txtSox2(i).setText(t);
    }
}

void frmAushub1b::cmdOK_GotFocus() {
    if (chkFussGebettet.Value() == vb::vbChecked && P.Wandfuss != 4) Frame3.setEnabled(true);
    if (chkFussGeboescht.Value() == vb::vbChecked) Frame4.setEnabled(true);
    if (chkLastenSohle.Value() == vb::vbChecked) Frame5.setEnabled(true);
}

void frmAushub1b::cmdOK_Click() {
    const int16_t s = Stufe();
    // 1. The bedding table closed.
    tabelle.Schliessen(chkFussGebettet.Value() == vb::vbChecked && P.Wandfuss != 4);
    // 2., 3. The slope.
    if (chkFussGeboescht.Value() != vb::vbChecked) {
        P.StBx1 = 0.0f;
        P.StBx2 = 0.0f;
        P.StBH = 0.0f;
    }
    if (P.StBx2 < -99.0f) P.StBx2 = -99.0f;
    // 4. The bedding flag: a bedded foot has no partial fixity.
    P.FussGebettet[s] = 0;
    const int16_t n = std::clamp<int16_t>(P.BettAnz[s], 0, 15);
    for (int16_t i = 1; i <= n; ++i)
        if (P.BettC(s, i) > 0.0f) P.FussGebettet[s] = 1;
    if (P.FussGebettet[s] == 1) P.Einsp = 0.0f;
    // 5. A cantilever with a free or displaceable head and no bedding: foot fixed after Blum.
    if (P.FussGebettet[s] == 0 && P.AnzAnker == 0 && (P.WandKopf == 1 || P.WandKopf == 4)) {
        P.Wandfuss = 4;
        P.kzUeb[s] = 1;
        P.ZWandfuss = P.zAush + 0.01f;
    }
    // 6. The load rows, read up to the first row without positions.
    P.AnzSohlLast = 0;
    if (chkLastenSohle.Value() == vb::vbChecked) {
        for (int16_t i = 1; i <= 8; ++i) {
            const float x1 = Wert(txtSox1(i)), x2 = Wert(txtSox2(i));
            if (x1 == 0.0f && x2 == 0.0f) break;
            P.AnzSohlLast = i;
            P.SohlLastX1[i] = x1;
            P.SohlLastX2[i] = x2;
            P.SohlLastQ[i] = Wert(txtSoq(i));
            P.SohlLastZ[i] = Wert(txtSoz(i));
        }
    }
    // 7. Rows without load dropped.
    for (int16_t i = 1; i <= P.AnzSohlLast;) {
        if (P.SohlLastQ[i] != 0.0f) {
            ++i;
            continue;
        }
        for (int16_t k = i; k < P.AnzSohlLast; ++k) {
            P.SohlLastX1[k] = P.SohlLastX1[k + 1];
            P.SohlLastX2[k] = P.SohlLastX2[k + 1];
            P.SohlLastQ[k] = P.SohlLastQ[k + 1];
            P.SohlLastZ[k] = P.SohlLastZ[k + 1];
        }
        --P.AnzSohlLast;
    }
    cmdOK.setEnabled(false);
    zormcom::AushubSpeichern(P.AushNr);
    Seite::Weiter("frmAushub2");
}
