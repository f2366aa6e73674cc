#include "dialogs/project/load_chain.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "windows/window_routines.h"

using Seite::Wert;
using zorm1::P;

namespace {

constexpr int16_t kZeilen = 8;        // loads per load case on these pages
constexpr int16_t kZellen = 8;        // stage cells per row
constexpr float kUnbegrenzt = 999.0f; // xE of a load without end away from the wall

int16_t Anzahl(int16_t n) {
    return std::clamp<int16_t>(n, 0, kZeilen);
}

// A box whose text reads as 0 (an empty box too); a number beyond single precision is not 0.
bool IstNull(const vb::TextBox& t) {
    const auto v = Seite::ZahlLesen(t.Text());
    return v && *v == 0.0f;
}

// cmdOK enabled, the focus on it when a project file was read, the mouse onto it.
void AufOK(vb::CommandButton& ok) {
    ok.setEnabled(true);
    if (P.DatenGelesen != 0 && ok.canTakeFocusNow()) ok.SetFocus();
    Anzeigen::MausAufSteuerelement(ok);
}

// A refused entry found at OK: the beep, the whole text selected, the focus on the box.
void Verweigert(vb::TextBox& t) {
    vb::Beep();
    if (t.canTakeFocusNow()) t.SetFocus();
    Seite::Markieren(t);
}

// The load-case number at the top left of every page of the chain.
void LastfallKopf(vb::Label& l, vb::TextBox& t) {
    l.setCaption("Lastfall Nr.");
    l.Move(120, 160, 1400, 240);
    t.Move(1560, 130, 600, 285);
}

// The load table of frmLast1 or frmLast2: its number columns (rows 1..8), in the order in which OK looks
// for a refused number, and its stage cells, eight per row. The first two columns say whether a row holds
// a load: it holds none when both read 0.
struct Lasttabelle {
    std::vector<vb::ControlArray<vb::TextBox>*> spalten;
    vb::ControlArray<vb::TextBox>& zellen;

    vb::TextBox& erste(int16_t i) const { return (*spalten[0])(i); }
    vb::TextBox& zweite(int16_t i) const { return (*spalten[1])(i); }
};

// The first stage cell of row i (1..8) whose number lies outside the 16-bit range, else nullptr.
vb::TextBox* UnlesbareStufe(vb::ControlArray<vb::TextBox>& zellen, int16_t i) {
    for (int16_t k = 0; k < kZellen; ++k) {
        vb::TextBox& c = zellen(int16_t(kZellen * (i - 1) + k));
        if (!Seite::GanzzahlLesen(c.Text())) return &c;
    }
    return nullptr;
}

// The stage list of row i read from its cells: each whole number other than 0 once, in the order of the
// cells; every cell read with a number other than 0 is emptied. `eintrag(e)` is entry e of the stored list
// (e = 0: the number of entries).
void ListeLesen(vb::ControlArray<vb::TextBox>& zellen, int16_t i,
                const std::function<int16_t&(int)>& eintrag) {
    std::vector<int16_t> liste;
    for (int16_t k = 0; k < kZellen; ++k) {
        vb::TextBox& c = zellen(int16_t(kZellen * (i - 1) + k));
        const int16_t s = Seite::GanzzahlLesen(c.Text()).value_or(0);
        if (s == 0) continue;
        if (std::find(liste.begin(), liste.end(), s) == liste.end()) liste.push_back(s);
        c.setText("");
    }
    for (std::size_t e = 0; e < liste.size(); ++e)
        eintrag(int(e) + 1) = liste[e];
    eintrag(0) = static_cast<int16_t>(liste.size());
}

// The stage cells of row i show the stored list; the cells behind it are emptied.
void ListeZeigen(vb::ControlArray<vb::TextBox>& zellen, int16_t i,
                 const std::function<int16_t(int)>& eintrag) {
    const int16_t n = std::clamp<int16_t>(eintrag(0), 0, kZellen);
    for (int16_t e = 1; e <= kZellen; ++e)
        zellen(int16_t(kZellen * (i - 1) + e - 1)).setText(e <= n ? Seite::Zahl(eintrag(e)) : "");
}

// The first box of the table that holds a number OK cannot store, row by row, else nullptr: a number beyond
// single precision in a column; in a row that holds a load, a stage number outside the 16-bit range.
vb::TextBox* Unlesbar(const Lasttabelle& t) {
    for (int16_t i = 1; i <= kZeilen; ++i) {
        for (auto* s : t.spalten)
            if (!Seite::ZahlLesen((*s)(i).Text())) return &(*s)(i);
        if (IstNull(t.erste(i)) && IstNull(t.zweite(i))) continue;
        if (vb::TextBox* c = UnlesbareStufe(t.zellen, i)) return c;
    }
    return nullptr;
}

// Leaving stage cell k with the value 0: the later cells of its row move one place to the left; the focus
// then goes to the first box of the next row (none after row 8) when the cell stayed empty, else back to
// the cell.
void ZelleVerlassen(const Lasttabelle& t, int16_t k) {
    vb::TextBox& zelle = t.zellen(k);
    if (!IstNull(zelle)) return;
    const int16_t i = int16_t(k / kZellen + 1);
    for (int16_t c = k; c <= kZellen * i - 2; ++c)
        t.zellen(c).setText(t.zellen(int16_t(c + 1)).Text());
    t.zellen(int16_t(kZellen * i - 1)).setText("");
    if (zelle.Text().empty()) {
        if (i < kZeilen) Seite::FokusZurueck(t.erste(int16_t(i + 1)));
    } else {
        Seite::FokusZurueck(zelle);
    }
}

// Leaving the second box of row i while the row holds no load: the row is deleted (rows i+1..8 move up one
// row, row 8 is emptied) and the focus goes back to its first box; when the row moved up holds no load
// either, on to OK (AufOK).
void LeereZeileLoeschen(const Lasttabelle& t, int16_t i, vb::CommandButton& ok) {
    if (!IstNull(t.erste(i)) || !IstNull(t.zweite(i))) return;
    for (int16_t r = i; r < kZeilen; ++r) {
        for (auto* s : t.spalten)
            (*s)(r).setText((*s)(int16_t(r + 1)).Text());
        for (int16_t k = 0; k < kZellen; ++k)
            t.zellen(int16_t(kZellen * (r - 1) + k)).setText(t.zellen(int16_t(kZellen * r + k)).Text());
    }
    for (auto* s : t.spalten)
        (*s)(kZeilen).setText("");
    for (int16_t k = 0; k < kZellen; ++k)
        t.zellen(int16_t(kZellen * (kZeilen - 1) + k)).setText("");
    Seite::FokusZurueck(t.erste(i));
    if (IstNull(t.erste(i)) && IstNull(t.zweite(i))) AufOK(ok);
}

// The rows behind the n stored loads emptied, so that a second OK does not store them twice.
void RestLeeren(const Lasttabelle& t, int16_t n) {
    for (int16_t i = int16_t(n + 1); i <= kZeilen; ++i) {
        for (auto* s : t.spalten)
            (*s)(i).setText("");
        ListeZeigen(t.zellen, i, [](int) { return int16_t(0); });
    }
}

Lasttabelle Wandlasten(frmLast1& f) {
    return {{&f.txtH, &f.txtM, &f.txtz}, f.Text1};
}

Lasttabelle Flaechenlasten(frmLast2& f) {
    return {{&f.txtpv, &f.txtph, &f.txtxA, &f.txtxE, &f.txtProz, &f.txtz}, f.txtwi};
}

void Zahlen(vb::ControlArray<vb::Label>& a, vb::Control* in, float x, float y, float dy) {
    for (int16_t i = 1; i <= kZeilen; ++i) {
        a.add(i, in).setCaption("  " + vb::StrPlain(i));
        a(i).Move(x, y + dy * (i - 1), 400, 240);
    }
}

void Skizze(vb::ControlArray<vb::Label>& a, vb::Control* in, std::initializer_list<const char*> texte,
            float x, float y) {
    int16_t i = 0;
    for (const char* t : texte) {
        a.add(i, in).setCaption(t);
        a(i).Move(x + 1500 * (i % 2), y + 360 * (i / 2), 1450, 240);
        ++i;
    }
}

} // namespace

// ------------------------------------------------------------------------------------------ frmLast1
frmLast1::frmLast1() : vb::Form("frmLast1") {
    setCaption("Last luftseitig");
    Resizable = false;
    LastfallKopf(lblAushNr, txtAushNr);
    Seite::Tastenfilter(txtAushNr);
    chkNL1.setCaption("Wandbelastungen luftseitig vorhanden ?");
    chkNL1.Move(2600, 130, 4400, 285);
    chkNL1.Click = [this] { check(); };

    Frame3.setCaption("Belastung pro m Wand :");
    Frame3.Move(120, 600, 7160, 3600);
    Label2.setCaption("H  (kN/m)    M (kNm/m)   Kote z (m)    Last NICHT wirksam in Aushub Nr.");
    Label2.Move(120, 260, 6900, 240);
    for (int16_t i = 1; i <= kZeilen; ++i) {
        const float y = 560 + 370 * (i - 1);
        txtH.add(i, &Frame3).Move(120, y, 900, 285);
        txtM.add(i, &Frame3).Move(1080, y, 900, 285);
        txtz.add(i, &Frame3).Move(2040, y, 900, 285);
        for (vb::TextBox* t : {&txtH(i), &txtM(i), &txtz(i)}) {
            t->MaxLength = 8;
            Seite::Tastenfilter(*t);
        }
        for (int16_t k = 0; k < kZellen; ++k) {
            vb::TextBox& c = Text1.add(int16_t(kZellen * (i - 1) + k), &Frame3);
            c.MaxLength = 3;
            c.Move(3120 + 490 * k, y, 450, 285);
            Seite::Tastenfilter(c);
        }
    }
    txtM.onLostFocus([this](int16_t i) { txtM_LostFocus(i); });
    Text1.onLostFocus([this](int16_t k) { Text1_LostFocus(k); });

    fraSkizze.Move(7400, 600, 2600, 3600);
    Skizze(lblSkizze, &fraSkizze, {"+ H", "+ M", "z = 0.00", "z > 0.00"}, 120, 300);
    lblSkizze.add(4, &fraSkizze).setCaption("z <> Ankerkote !");
    lblSkizze(4).Move(120, 1200, 2300, 240);

    cmdHinweis.setCaption("Hinweis zeigen");
    cmdHinweis.Move(120, 4360, 2400, 480);
    cmdHinweis.Click = [this] { cmdHinweis_Click(); };
    cmdOK.setCaption("OK");
    cmdOK.Move(8200, 4360, 1800, 480);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdHinweis.TabIndex = 1000;
    cmdOK.TabIndex = 1001;
    setClientSize(10120, 5000);
}

void frmLast1::check() {
    Frame3.setEnabled(chkNL1.Value() == vb::vbChecked);
}

void frmLast1::WerteZeigen() {
    const int16_t lf = P.LFNr;
    txtAushNr.setText(vb::Str(lf));
    const int16_t n = Anzahl(P.AnzLastLuftLF[lf]);
    chkNL1.setValue(n < 1 ? vb::vbUnchecked : vb::vbChecked);
    check();
    for (int16_t i = 1; i <= n; ++i) {
        txtH(i).setText(Seite::Zahl(P.LuftLastH(lf, i)));
        txtM(i).setText(Seite::Zahl(P.LuftLastM(lf, i)));
        txtz(i).setText(Seite::Zahl(P.LuftLastZ(lf, i)));
        ListeZeigen(Text1, i, [lf, i](int e) { return P.LuftLastNichtIn(lf, i, e); });
    }
}

void frmLast1::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmLast1::txtM_LostFocus(int16_t i) {
    LeereZeileLoeschen(Wandlasten(*this), i, cmdOK);
}

void frmLast1::Text1_LostFocus(int16_t k) {
    ZelleVerlassen(Wandlasten(*this), k);
}

void frmLast1::cmdHinweis_Click() {
    Seite::Hilfe({"Achtung ! Die H-Lasten müssen kleiner sein als Erddrck + Wasserdruck !",
                  "                       H----->                                         <-------------E,W",
                  "Sonst gibt es Probleme im Rechenteil des Programms."},
                 0, "Positive H-Lasten luftseitig ( + )");
}

void frmLast1::cmdOK_Click() {
    const int16_t lf = P.LFNr;
    if (chkNL1.Value() != vb::vbChecked) {
        P.AnzLastLuftLF[lf] = 0;
    } else {
        // Nothing is stored while one box holds a number that cannot be stored.
        if (vb::TextBox* falsch = Unlesbar(Wandlasten(*this))) return Verweigert(*falsch);
        int16_t n = 0;
        for (int16_t i = 1; i <= kZeilen; ++i) {
            const float h = Wert(txtH(i)), m = Wert(txtM(i));
            float z = Wert(txtz(i));
            if (z < 0.01f) z = 0.01f;
            if (h == 0.0f && m == 0.0f) continue;
            ++n;
            P.LuftLastH(lf, n) = h;
            P.LuftLastM(lf, n) = m;
            P.LuftLastZ(lf, n) = z;
            ListeLesen(Text1, i, [lf, n](int e) -> int16_t& { return P.LuftLastNichtIn(lf, n, e); });
        }
        if (n == 0) chkNL1.setValue(vb::vbUnchecked);
        P.AnzLastLuftLF[lf] = n;
        RestLeeren(Wandlasten(*this), n);
    }
    WerteZeigen();
    cmdOK.setEnabled(false);
    Seite::Weiter("frmLast2");
}

// ------------------------------------------------------------------------------------------ frmLast2
frmLast2::frmLast2() : vb::Form("frmLast2") {
    setCaption("Last erdseitig");
    Resizable = false;
    LastfallKopf(lblLFNr, txtLFNr);
    Seite::Tastenfilter(txtLFNr);

    fraSkizze.setCaption("p (kN/m2)");
    fraSkizze.Move(120, 560, 10160, 1500);
    lblNKopf.setCaption("NKopf + , zentrisch");
    lblNKopf.Move(120, 320, 2000, 240);
    Text1.MaxLength = 8;
    Text1.Move(120, 600, 1000, 285);
    Seite::Zahlbox(Text1, P.NKopf, [] { P.NKopfLF[P.LFNr] = P.NKopf; });
    Text1.GotFocus = [this] {
        Text1.setSelStart(0);
        Text1.setSelLength(4);
    };
    Skizze(lblSkizze, &fraSkizze, {"p (v) +", "p (h) +", "xA", "xE", "Lastkote z", "z = 0.00"}, 2600, 300);

    chkNL2.setCaption("Flächenlasten erdseitig vorhanden ?");
    chkNL2.Move(120, 2180, 4200, 285);
    chkNL2.Click = [this] { check(); };
    lblXE999.setCaption("Bei großflächigen Lasten: xE = 999 m eingeben.");
    lblXE999.Move(4600, 2200, 5600, 240);

    Frame3.setCaption("Belastung pro m Wand in kN/m2   (in Wandrichtung unbegrenzt)");
    Frame3.Move(120, 2600, 10160, 3700);
    Label2.setCaption("Last-Nr.  p (vert.)      p (horiz.)       xA (m)         xE (m)      Kote z (m)  "
                      "Dauerlast.%     Last NICHT wirksam in Aushub Nr.");
    Label2.Move(120, 260, 9900, 240);
    Zahlen(lblNr, &Frame3, 120, 590, 370);
    for (int16_t i = 1; i <= kZeilen; ++i) {
        const float y = 560 + 370 * (i - 1);
        vb::ControlArray<vb::TextBox>* spalten[] = {&txtpv, &txtph, &txtxA, &txtxE, &txtz, &txtProz};
        for (int16_t s = 0; s < 6; ++s) {
            vb::TextBox& t = spalten[s]->add(i, &Frame3);
            t.MaxLength = 8;
            t.Move(600 + 860 * s, y, 800, 285);
            Seite::Tastenfilter(t);
        }
        for (int16_t k = 0; k < kZellen; ++k) {
            vb::TextBox& c = txtwi.add(int16_t(kZellen * (i - 1) + k), &Frame3);
            c.MaxLength = 3;
            c.Move(5900 + 520 * k, y, 470, 285);
            Seite::Tastenfilter(c);
        }
    }
    txtph.onLostFocus([this](int16_t i) { txtph_LostFocus(i); });
    txtxE.onLostFocus([this](int16_t i) { txtxE_LostFocus(i); });
    txtwi.onLostFocus([this](int16_t k) { txtwi_LostFocus(k); });

    cmdSLW.setCaption("Hinweis zu Teilflächen- lasten(SLW)");
    cmdSLW.Move(120, 6440, 3000, 560);
    cmdSLW.Click = [this] { cmdSLW_Click(); };
    cmdOK.setCaption("OK");
    cmdOK.Move(8480, 6440, 1800, 480);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSLW.TabIndex = 1000;
    cmdOK.TabIndex = 1001;
    setClientSize(10400, 7160);
}

void frmLast2::check() {
    Frame3.setEnabled(chkNL2.Value() == vb::vbChecked);
}

void frmLast2::WerteZeigen() {
    const int16_t lf = P.LFNr;
    txtLFNr.setText(vb::Str(lf));
    const int16_t n = Anzahl(P.AnzLastErdLF[lf]);
    chkNL2.setValue(n < 1 ? vb::vbUnchecked : vb::vbChecked);
    P.NKopf = P.NKopfLF[lf];
    Text1.setText(vb::Str(P.NKopf));
    check();
    for (int16_t i = 1; i <= n; ++i) {
        txtpv(i).setText(Seite::Zahl(P.ErdLastPv(lf, i)));
        txtph(i).setText(Seite::Zahl(P.ErdLastPh(lf, i)));
        txtxA(i).setText(Seite::Zahl(P.ErdLastXA(lf, i)));
        txtxE(i).setText(Seite::Zahl(P.ErdLastXE(lf, i)));
        txtProz(i).setText(Seite::Zahl(P.ErdLastDauer(lf, i)));
        txtz(i).setText(Seite::Zahl(P.ErdLastZ(lf, i)));
        ListeZeigen(txtwi, i, [lf, i](int e) { return P.ErdLastNichtIn(lf, i, e); });
    }
}

void frmLast2::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmLast2::txtxE_LostFocus(int16_t i) {
    const auto v = Seite::ZahlLesen(txtxE(i).Text());
    if (v && *v > 99.0f) txtxE(i).setText("999");
}

void frmLast2::txtph_LostFocus(int16_t i) {
    LeereZeileLoeschen(Flaechenlasten(*this), i, cmdOK);
}

void frmLast2::txtwi_LostFocus(int16_t k) {
    ZelleVerlassen(Flaechenlasten(*this), k);
}

void frmLast2::cmdSLW_Click() {
    Seite::Hilfe({"In Wandrichtung begrenzte Flächenlasten, z.B. aus SLW 60",
                  "auf 6m * 3m Fläche, können nach EAB (EB 3) unter 45° verteilt werden auf",
                  "2 * Abstand von der Wand + Lastlänge: p' = 600 / (2 * xe + 6) / 3.", "",
                  "Ein SLW 60 in 7 m Entfernung macht sich nur mit 10 kN/m2 bemerkbar."},
                 vb::vbInformation, "Teilflächenlasten, Umrechnung in Streifenlasten");
}

void frmLast2::LastenBoeschungPruefen(int16_t& flag) {
    flag = 0;
    const int16_t lf = P.LFNr;
    const int16_t n = Anzahl(P.AnzLastErdLF[lf]);
    const int16_t nb = std::clamp<int16_t>(P.AnzBoesch, 0, 8);
    float zTop = 0.0f;
    for (int16_t k = 1; k <= nb; ++k)
        zTop = std::min(zTop, P.BoeschZ2[k]);
    for (int16_t j = 1; j <= n; ++j) {
        float& z = P.ErdLastZ(lf, j);
        float& xA = P.ErdLastXA(lf, j);
        float& xE = P.ErdLastXE(lf, j);
        if (z < zTop) {
            z = zTop;
            flag = 1;
        }
        if (z < 0.0f) {
            // Rising ground: the load begins just behind the point where the ground reaches its level.
            const float xA0 = xA, xE0 = xE;
            for (int16_t k = nb; k >= 1; --k) {
                const float x1 = P.BoeschX1[k], x2 = P.BoeschX2[k], z1 = P.BoeschZ1[k], z2 = P.BoeschZ2[k];
                if (z2 < z1 && z < z1 && xE0 > x1 && xA0 < x2) {
                    const float xs = x1 + (x2 - x1) * (z1 - z) / (z1 - z2);
                    const float d = xs - xA;
                    if (d >= 0.0f) {
                        xA = xA + d + 0.0001f;
                        xE = xE + d;
                        flag = 1;
                    }
                }
            }
        }
        if (z < 0.0f) {
            // Falling ground: the load ends just before the point where the ground drops below its level.
            const float xA0 = xA, xE0 = xE;
            for (int16_t k = 1; k <= nb; ++k) {
                const float x1 = P.BoeschX1[k], x2 = P.BoeschX2[k], z1 = P.BoeschZ1[k], z2 = P.BoeschZ2[k];
                if (z1 < z2 && z1 <= z && z < z2 && xE0 > x1 && xA0 < x2) {
                    const float xs = x1 + (x2 - x1) * (z - z1) / (z2 - z1);
                    if (xs < xE) {
                        xE = xs - 0.0001f;
                        if (xA > xE) xA = xE;
                        flag = 1;
                    }
                }
            }
        }
        if (xE - xA > 100.0f && P.ErdLastPh(lf, j) != 0.0f) {
            P.ErdLastPh(lf, j) = 0.0f;
            flag = 1;
        }
    }
    if (flag == 1)
        vb::MsgBox("Achtung ! Die Eingabe wird korrigiert ! Bitte überprüfen !", vb::vbOKOnly,
                   "Lasten erdseitig");
}

void frmLast2::cmdOK_Click() {
    const int16_t lf = P.LFNr;
    int16_t n = 0;
    if (chkNL2.Value() != vb::vbChecked) {
        P.AnzLastErdLF[lf] = 0;
    } else {
        if (vb::TextBox* falsch = Unlesbar(Flaechenlasten(*this))) return Verweigert(*falsch);
        for (int16_t i = 1; i <= kZeilen; ++i) {
            const float pv = Wert(txtpv(i)), ph = Wert(txtph(i)), xA = Wert(txtxA(i));
            float xE = Wert(txtxE(i)), proz = Wert(txtProz(i)), z = Wert(txtz(i));
            if (xE > kUnbegrenzt) xE = kUnbegrenzt;
            if (!(xE > xA)) xE = xA + 0.01f;
            if (proz > 100.0f) proz = 100.0f;
            if (z > 99.0f) z = 99.0f;
            if (pv == 0.0f && ph == 0.0f) continue;
            ++n;
            P.ErdLastPv(lf, n) = pv;
            P.ErdLastPh(lf, n) = ph;
            P.ErdLastXA(lf, n) = xA;
            P.ErdLastXE(lf, n) = xE;
            P.ErdLastZ(lf, n) = z;
            P.ErdLastDauer(lf, n) = proz;
            ListeLesen(txtwi, i, [lf, n](int e) -> int16_t& { return P.ErdLastNichtIn(lf, n, e); });
        }
        if (n == 0) chkNL2.setValue(vb::vbUnchecked);
        P.AnzLastErdLF[lf] = n;
        RestLeeren(Flaechenlasten(*this), n);
    }
    WerteZeigen();
    int16_t korrigiert = 0;
    LastenBoeschungPruefen(korrigiert);
    cmdOK.setEnabled(false);
    P.BegrenzteLast = 0;
    for (int16_t j = 1; j <= n; ++j)
        if (P.ErdLastXE(lf, j) < kUnbegrenzt) P.BegrenzteLast = 1;
    if (korrigiert == 1) {
        cmdOK.setEnabled(true);
        WerteZeigen();
        Show();
        return;
    }
    for (int16_t j = 1; j <= n; ++j) {
        if (P.RuheProz == 0.0f) {
            P.ErdLastRuheProz(lf, j) = 0;
            P.ErdLastRuheFaktor(lf, j) = 0.0f;
        }
        if (P.Erddruckart == 2) {
            P.ErdLastRuheProz(lf, j) = 100;
            P.ErdLastRuheFaktor(lf, j) = 1.0f;
        }
    }
    // The next page is always loaded afresh, so that it shows this pass's loads.
    if (n < 1 || P.Erddruckart != 1)
        Seite::Weiter("frmLast4");
    else if (P.RuheProz > 0.0f)
        Seite::Weiter("frmLast3");
    else
        Seite::Weiter("frmLast4");
}

// ------------------------------------------------------------------------------------------ frmLast3
frmLast3::frmLast3() : vb::Form("frmLast3") {
    setCaption("% Ruhedruck");
    Resizable = false;
    LastfallKopf(lblLFNr, txtLFNr);
    txtLFNr.GotFocus = [this] { Seite::Markieren(txtLFNr); };
    lblBelastungen.setCaption("Belastungen erdseitig");
    lblBelastungen.Move(2600, 160, 3000, 240);

    vb::Frame& tabelle = Frame3.add(0);
    tabelle.setCaption("Ruhedruck-Anteil der begrenzten Flächenlasten : ");
    tabelle.Move(120, 560, 5400, 3800);
    Label2.add(0, &tabelle)
        .setCaption("Last-Nr.  Ruhe %      Faktor (1.0)      Gleiche  Last-Nr. wie bei der Last-Eingabe.");
    Label2(0).Move(120, 260, 5160, 480);
    Zahlen(lblNr, &tabelle, 120, 850, 350);
    for (int16_t i = 1; i <= kZeilen; ++i) {
        const float y = 820 + 350 * (i - 1);
        txtpv.add(i, &tabelle).Move(700, y, 900, 285);
        txtph.add(i, &tabelle).Move(1800, y, 900, 285);
        for (vb::TextBox* t : {&txtpv(i), &txtph(i)}) {
            t->MaxLength = 6;
            Seite::Tastenfilter(*t);
        }
    }
    txtpv.onGotFocus([this](int16_t i) { txtpv_GotFocus(i); });

    Label2.add(1).setCaption("Hinweis: rein aktiver Erddruck aus begrenzten Auflasten ( 0 %  Ruhedruck )  "
                             "kann höhere Drücke bewirken !!!");
    Label2(1).Move(120, 4480, 9800, 480);
    Label7.add(0).setCaption(
        "Der Ruhedruck-Anteil der begrenzten Flächenlasten kann unabhängig vom Ruhedruck-Anteil aus "
        "Bodengewicht und großflächigen Lasten gewählt werden. Er wird mit dem Zusatzfaktor (i.a. 1.00) "
        "multipliziert. Für künftige Bauwerke neben U-Bahn-Anlagen ist der Faktor zu 2.00 festgelegt, da das "
        "U-Bahn-Bauwerk die Lastausbreitung nach Fröhlich behindert.");
    Label7(0).Move(5700, 2400, 4200, 1960);

    fraSkizze.Move(5700, 560, 4200, 1700);
    Skizze(lblSkizze, &fraSkizze, {"p (v) +", "p (h) +", "xA", "xE", "Lastkote z", "z = 0.00"}, 120, 300);

    cmdOK.setCaption("OK");
    cmdOK.Move(8100, 5100, 1800, 480);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.TabIndex = 1000;
    setClientSize(10040, 5720);
}

void frmLast3::WerteZeigen() {
    const int16_t lf = P.LFNr;
    txtLFNr.setText(vb::Str(lf));
    const int16_t n = Anzahl(P.AnzLastErdLF[lf]);
    for (int16_t i = 1; i <= n; ++i) {
        if (P.ErdLastRuheFaktor(lf, i) == 0.0f) P.ErdLastRuheFaktor(lf, i) = 1.0f;
        txtpv(i).setText(vb::StrPlain(P.ErdLastRuheProz(lf, i)));
        txtph(i).setText(Seite::Zahl(P.ErdLastRuheFaktor(lf, i)));
        if (!(P.ErdLastXE(lf, i) < kUnbegrenzt)) {
            txtpv(i).setEnabled(false);
            txtph(i).setText("1");
            txtph(i).setEnabled(false);
        }
    }
    if (P.BegrenzteLast == 0) {
        Frame3(0).setEnabled(false);
        Label7(0).setEnabled(false);
        Label2(0).setEnabled(false);
        Label2(1).setEnabled(false);
    }
}

void frmLast3::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmLast3::txtpv_GotFocus(int16_t i) {
    Seite::Markieren(txtpv(i));
    if (i > P.AnzLastErdLF[P.LFNr]) AufOK(cmdOK);
}

void frmLast3::cmdOK_Click() {
    const int16_t lf = P.LFNr;
    const int16_t n = Anzahl(P.AnzLastErdLF[lf]);
    // Nothing is stored while one box holds a number that cannot be stored.
    for (int16_t i = 1; i <= n; ++i) {
        if (!txtpv(i).Enabled()) continue;
        const auto p = Seite::ZahlLesen(txtpv(i).Text());
        if (!p || *p < -32768.5f) return Verweigert(txtpv(i));
        if (!Seite::ZahlLesen(txtph(i).Text())) return Verweigert(txtph(i));
    }
    for (int16_t i = 1; i <= n; ++i) {
        if (!txtpv(i).Enabled()) continue;
        float p = Wert(txtpv(i));
        if (p > 100.0f) p = 100.0f;
        P.ErdLastRuheProz(lf, i) = vb::CInt(double(p));
        P.ErdLastRuheFaktor(lf, i) = Wert(txtph(i));
    }
    Seite::Weiter("frmLast4");
}

// ------------------------------------------------------------------------------------------ frmLast4
frmLast4::frmLast4() : vb::Form("frmLast4") {
    setCaption("Teilflächenlasten, Konzentrationsfaktor");
    Resizable = false;
    LastfallKopf(lblLFNr, txtLFNr);
    txtLFNr.GotFocus = [this] { Seite::Markieren(txtLFNr); };
    vb::Frame& aussen = Frame2.add(0);
    aussen.setCaption("Erddruck aus begrenzten Flächenlasten :");
    aussen.Move(120, 560, 8400, 3900);
    vb::Frame& aktiv = Frame2.add(1, &aussen);
    aktiv.setCaption("aktiver Erddruck; Verteilung als ...");
    aktiv.Move(120, 280, 8160, 1300);
    vb::Frame& ruhe = Frame2.add(2, &aussen);
    ruhe.setCaption("Ruhedruck; Konzentrationsfaktor des Bodens nach Fröhlich : ");
    ruhe.Move(120, 1700, 8160, 2040);
    const char* texte[] = {"Rechteck",
                           "Dreieck; max. Lastordinate \"mittig\"",
                           "Dreieck, max. Lastordinate oben",
                           "3    E-Modul des Bodens konstant, z.B. vorbelasteter, bindiger Boden",
                           "4    E-M. linear mit der Tiefe steigend, z.B. lose, rollige Lockergesteine",
                           "5    nur in Ausnahmefällen, s. Richtlinien der U-Bahn-Bauverwaltung",
                           "6    nur in Ausnahmefällen"};
    for (int16_t i = 0; i <= 6; ++i) {
        vb::OptionButton& o = Option1.add(i, i < 3 ? &aktiv : &ruhe);
        o.setCaption(texte[i]);
        o.Move(240, i < 3 ? 260 + 330 * i : 280 + 420 * (i - 3), 7700, 285);
    }
    Option1.onClick([this](int16_t i) { Option1_Click(i); });
    Label2.setCaption(
        "Die Horizontaldrücke sind unabhängig von Erddruckbeiwerten. Ausnahme:   Lasten mit xE = "
        "999 m werden mit e = p * k... behandelt.");
    Label2.Move(120, 4580, 8400, 480);
    cmdOK.setCaption("OK");
    cmdOK.Move(6720, 5200, 1800, 480);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.TabIndex = 1000;
    setClientSize(8640, 5820);
}

void frmLast4::Option1_Click(int16_t i) {
    if (i >= 3)
        P.KonzFaktor = i;
    else
        P.VerteilungAktiv = i;
}

void frmLast4::WerteZeigen() {
    txtLFNr.setText(vb::Str(P.LFNr));
    if (P.KonzFaktor < 3) P.KonzFaktor = 4;
    auto waehlen = [this](int16_t i) {
        // A stored value without an option (only from a project file) selects none and stays as it is.
        if (!Option1.exists(i)) return;
        Option1(i).setValue(true);
        if (Option1(i).canTakeFocusNow()) Option1(i).SetFocus();
    };
    if (P.Erddruckart == 2) {
        Frame2(1).setEnabled(false);
        Frame2(2).setEnabled(true);
        for (int16_t i = 0; i <= 2; ++i)
            Option1(i).setEnabled(false);
    } else {
        Frame2(1).setEnabled(true);
        Frame2(2).setEnabled(true);
        if (P.VerteilungAktiv >= 0 && P.VerteilungAktiv <= 2) waehlen(P.VerteilungAktiv);
    }
    if (P.RuheProz <= 0.0f) {
        Frame2(1).setEnabled(true);
        Frame2(2).setEnabled(false);
        for (int16_t i = 3; i <= 6; ++i)
            Option1(i).setEnabled(false);
    } else if (P.KonzFaktor >= 3 && P.KonzFaktor <= 6) {
        waehlen(P.KonzFaktor);
    }
    if (P.BegrenzteLast == 0) {
        for (int16_t f = 0; f <= 2; ++f)
            Frame2(f).setEnabled(false);
        for (int16_t i = 0; i <= 6; ++i)
            Option1(i).setEnabled(false);
        Label2.setEnabled(false);
    }
    if (P.RuheProz == 100.0f || P.Erddruckart == 2)
        for (int16_t i = 0; i <= 2; ++i)
            Option1(i).setEnabled(false);
}

void frmLast4::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmLast4::cmdOK_Click() {
    cmdOK.setEnabled(false);
    int16_t thema = 5;
    if (P.LFNr < P.AnzLF) {
        P.LFNr = int16_t(P.LFNr + 1);
        Seite::AuswahlNummer(3, P.LFNr);
        thema = 4;
    }
    Seite::KetteEnde(thema);
}
