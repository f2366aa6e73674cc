#include "dialogs/project/frmAnker1.h"

#include <span>

#include "dialogs/project/page.h"
#include "earthpressure/diagrams.h"
#include "frame/input_ranges.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "request/support_levels.h"
#include "windows/unload_dialogs.h"
#include "windows/window_routines.h"

using zorm1::P;

namespace {

float Lesen(const vb::TextBox& t) {
    return Seite::ZahlLesen(t.Text()).value_or(0.0f);
}

} // namespace

frmAnker1::frmAnker1() : vb::Form("frmAnker1") {
    setCaption("Ankerlängen");
    Resizable = false;
    fraTabelle.Move(120, 60, 6600, 5800);
    const char* koepfe[] = {"z (m)", "Neigung (°)", "lmin (m)", "lmax (m)", "a (m)"};
    for (int16_t k = 0; k < 5; ++k) {
        lblKopf.add(k, &fraTabelle).setCaption(koepfe[k]);
        lblKopf(k).Move(120 + 1250 * k, 200, 1200, 240);
    }
    for (int16_t i = 1; i <= Zeilen; ++i) {
        for (int16_t k = 0; k < 4; ++k) {
            vb::TextBox& t = text1.add(int16_t(4 * (i - 1) + k), &fraTabelle);
            t.Move(120 + 1250 * k, 170 + 340 * i, 1150, 285);
            Seite::Tastenfilter(t);
        }
        txtAnkAbstand.add(i, &fraTabelle).Move(120 + 1250 * 4, 170 + 340 * i, 1150, 285);
        Seite::Zahlbox(txtAnkAbstand(i), P.AnkerAbstand[i]);
    }
    text1.onLostFocus([this](int16_t idx) {
        if (idx >= 60 || idx % 4 < 2) return;
        const int16_t i = int16_t(idx / 4 + 1), basis = int16_t(4 * (i - 1));
        txtAnkAbstand(i).setEnabled(Lesen(text1(int16_t(basis + 2))) + Lesen(text1(int16_t(basis + 3))) !=
                                    0.0f);
    });
    fraEtaGl.Move(6840, 60, 3000, 700);
    lblText.add(0, &fraEtaGl).setCaption("Sicherheits- beiwert:");
    lblText(0).Move(120, 200, 1700, 480);
    txtEtaGl.Move(1900, 240, 900, 285);
    Seite::Tastenfilter(txtEtaGl);
    fraPaare.Move(6840, 820, 3000, 5040);
    lblText.add(1, &fraPaare).setCaption("Abweich. Sicherh.:");
    lblText(1).Move(120, 160, 2700, 240);
    lblText.add(2, &fraPaare).setCaption("Aush.Nr.   etagl.");
    lblText(2).Move(120, 400, 2700, 240);
    for (int16_t j = 0; j < 15; ++j) {
        Text2.add(j, &fraPaare).Move(120, 680 + 280 * j, 900, 260);
        Seite::Tastenfilter(Text2(j));
        vb::TextBox& e = text1.add(int16_t(60 + j), &fraPaare);
        e.Move(1200, 680 + 280 * j, 900, 260);
        Seite::Tastenfilter(e);
    }
    Text2.onLostFocus([this](int16_t j) { Text2_LostFocus(j); });
    fraModus.Move(120, 5920, 6600, 700);
    Option1.add(0, &fraModus).setCaption("Ankerlängen ermitteln.");
    Option1(0).Move(120, 200, 3000, 270);
    Option1.add(1, &fraModus).setCaption("Nur Neigung für Summe V ");
    Option1(1).Move(3300, 200, 3000, 270);
    Option1.onClick([this](int16_t i) { Option1_Click(i); });
    fraStahl.setCaption("Ankerstahl, eigene Wahl :");
    fraStahl.Move(6840, 5920, 3000, 1900);
    lblText.add(3, &fraStahl).setCaption("standardmäßig :");
    lblText(3).Move(120, 220, 2700, 240);
    chkSt1570.setCaption("Litzen 1570/1770");
    chkSt1570.Move(120, 460, 2700, 270);
    chkSt1080.setCaption("Stäbe 1080/1230");
    chkSt1080.Move(120, 760, 2700, 270);
    chkSt1080.Click = [this] { P.StahlStaebe = chkSt1080.Value() == vb::vbChecked ? 1 : 0; };
    lblText.add(4, &fraStahl).setCaption("Streckgrenze");
    lblText(4).Move(120, 1120, 1600, 240);
    txtStreck.Move(1800, 1090, 900, 285);
    Seite::Zahlbox(txtStreck, P.AnkerStahlStreck, [this] { Seite::FokusZurueck(txtFliess); });
    lblText.add(5, &fraStahl).setCaption("Zugfestigkeit");
    lblText(5).Move(120, 1470, 1600, 240);
    txtFliess.Move(1800, 1440, 900, 285);
    Seite::Zahlbox(txtFliess, P.AnkerStahlFliess);
    lblText.add(6).setCaption("Anker :  lmin > 0 , lmax > 0   Steifen :lmin = 0 , lmax = 0 ");
    lblText(6).Move(120, 6700, 6600, 240);
    lblText.add(7).setCaption("Horizontaler  Ankerabstand :");
    lblText(7).Move(120, 6980, 3000, 240);
    lblText.add(8).setCaption(" Bemessung nur bei   a > 0  ");
    lblText(8).Move(3200, 6980, 3000, 240);
    cmdOK.setCaption("OK");
    cmdOK.Move(120, 7340, 1800, 480);
    setClientSize(9960, 7920);
    cmdOK.Click = [this] { cmdOK_Click(); };
}

int16_t frmAnker1::Anzahl() const {
    return P.AnzAnkerGesamt < 0 ? 0 : (P.AnzAnkerGesamt > MaxEbenen ? MaxEbenen : P.AnzAnkerGesamt);
}

bool frmAnker1::EbenenAktualisieren() {
    struct Ebene {
        float z, neigung, lmin, lmax, abstand;
    };
    std::vector<Ebene> alt;
    const int16_t nAlt =
        P.AnzAnkerGesamt < 0 ? 0 : (P.AnzAnkerGesamt > MaxEbenen ? MaxEbenen : P.AnzAnkerGesamt);
    for (int16_t i = 1; i <= nAlt; ++i)
        alt.push_back(
            {P.ZAuflager[i], P.AnkerNeigungGrad[i], P.AnkerLmin[i], P.AnkerLmax[i], P.AnkerAbstand[i]});
    Anker::AnkerAktualisieren();
    const int16_t n = P.AnzAnkerGesamt > MaxEbenen ? MaxEbenen : P.AnzAnkerGesamt;
    if (n != nAlt) {
        // Each level keeps its own data; a new level starts empty.
        for (int16_t i = 1; i <= MaxEbenen; ++i) {
            const Ebene* e = nullptr;
            if (i <= n)
                for (const Ebene& a : alt)
                    if (a.z == P.ZAuflager[i]) e = &a;
            P.AnkerNeigungGrad[i] = e ? e->neigung : 0.0f;
            P.AnkerLmin[i] = e ? e->lmin : 0.0f;
            P.AnkerLmax[i] = e ? e->lmax : 0.0f;
            P.AnkerAbstand[i] = e ? e->abstand : 0.0f;
        }
    }
    return P.AnzAnkerGesamt <= MaxEbenen;
}

void frmAnker1::Form_Load() {
    if (P.TeilsicherheitenAn != 0) {
        fraEtaGl.setVisible(false);
        fraPaare.setVisible(false);
    }
    Show();
    if (!EbenenAktualisieren())
        vb::MsgBox("Das Projekt hat " + vb::StrPlain(P.AnzAnkerGesamt) +
                       " Abstützungsebenen; berücksichtigt werden nur die obersten 13.",
                   vb::vbExclamation, "Anker, Steifen");
    WerteZeigen();
    cmdOK.setEnabled(true);
    if (P.DatenGelesen != 0 && cmdOK.canTakeFocusNow()) cmdOK.SetFocus();
    Anzeigen::MausAufSteuerelement(cmdOK);
}

void frmAnker1::WerteZeigen() {
    const int16_t n = Anzahl();
    const bool laengen = P.Erddruckart == 1 || P.TeilsicherheitenAn != 0;
    if (laengen) {
        if (P.EtaGl < 1.0f) P.EtaGl = 1.5f;
        txtEtaGl.setText(Seite::Zahl(P.EtaGl));
        if (P.AnkerLaengen != 1)
            for (int16_t i = 1; i <= n; ++i) {
                P.AnkerLmin[i] = 5.0f;
                P.AnkerLmax[i] = 99.0f;
            }
    }
    for (int16_t i = 1; i <= n; ++i) {
        const int16_t b = int16_t(4 * (i - 1));
        text1(b).setText(Seite::Zahl(P.ZAuflager[i]));
        text1(b).setEnabled(false);
        text1(int16_t(b + 1)).setText(Seite::Zahl(P.AnkerNeigungGrad[i]));
        if (laengen) {
            if (P.AnkerLmin[i] != 0.0f || P.AnkerLmax[i] != 0.0f) {
                txtAnkAbstand(i).setEnabled(true);
            } else {
                P.AnkerAbstand[i] = 0.0f;
                txtAnkAbstand(i).setEnabled(false);
            }
            text1(int16_t(b + 2)).setText(Seite::Zahl(P.AnkerLmin[i]));
            text1(int16_t(b + 3)).setText(Seite::Zahl(P.AnkerLmax[i]));
            txtAnkAbstand(i).setText(Seite::Zahl(P.AnkerAbstand[i]));
        }
    }
    if (laengen) {
        const int16_t paare =
            P.AnzAnkerStufenPaare < 0 ? 0 : (P.AnzAnkerStufenPaare > 15 ? 15 : P.AnzAnkerStufenPaare);
        for (int16_t k = 1; k <= paare; ++k) {
            Text2(int16_t(k - 1)).setText(Seite::Zahl(P.EtaAbwAushub[k]));
            text1(int16_t(59 + k)).setText(Seite::Zahl(P.EtaAbwWert[k]));
        }
    }
    Option1(P.AnkerLaengen == 1 ? 0 : 1).setValue(true);
    if (Option1(P.AnkerLaengen == 1 ? 0 : 1).Value()) Option1_Click(P.AnkerLaengen == 1 ? 0 : 1);
    if (P.Erddruckart == 2 && P.TeilsicherheitenAn == 0) {
        P.AnkerLaengen = 0;
        Option1(0).setEnabled(false);
    }
    chkSt1080.setValue(P.StahlStaebe != 0 ? vb::vbChecked : vb::vbUnchecked);
    if (P.AnkerStahlStreck != 0.0f) txtStreck.setText(Seite::Zahl(P.AnkerStahlStreck));
    if (P.AnkerStahlFliess != 0.0f) txtFliess.setText(Seite::Zahl(P.AnkerStahlFliess));
}

void frmAnker1::ZeilenSperren() {
    for (int16_t i = int16_t(Anzahl() + 1); i <= Zeilen; ++i) {
        for (int16_t k = 0; k < 4; ++k)
            text1(int16_t(4 * (i - 1) + k)).setEnabled(false);
        txtAnkAbstand(i).setEnabled(false);
    }
}

void frmAnker1::Option1_Click(int16_t Index) {
    const bool an = Index == 0;
    fraStahl.setEnabled(an);
    P.AnkerLaengen = an ? 1 : 0;
    for (int16_t i = 1; i <= Zeilen; ++i) {
        if (!an || i <= Anzahl()) {
            text1(int16_t(4 * (i - 1) + 2)).setEnabled(an);
            text1(int16_t(4 * (i - 1) + 3)).setEnabled(an);
        }
        text1(int16_t(59 + i)).setEnabled(an);
        Text2(int16_t(i - 1)).setEnabled(an);
        txtAnkAbstand(i).setEnabled(an);
    }
    txtEtaGl.setEnabled(an);
    ZeilenSperren();
}

void frmAnker1::Text2_LostFocus(int16_t j) {
    if (Lesen(Text2(j)) == 0.0f) {
        for (int16_t k = j; k <= 13; ++k) {
            Text2(k).setText(Text2(int16_t(k + 1)).Text());
            text1(int16_t(60 + k)).setText(text1(int16_t(61 + k)).Text());
        }
        Text2(14).setText("");
        text1(74).setText("");
    }
    if (Lesen(Text2(j)) == 0.0f) {
        cmdOK.setEnabled(true);
        if (P.DatenGelesen != 0 && cmdOK.canTakeFocusNow()) cmdOK.SetFocus();
        Anzeigen::MausAufSteuerelement(cmdOK);
    }
}

void frmAnker1::cmdOK_Click() {
    if (ok_) return;
    Uebernehmen();
    // A vertical anchor carries no horizontal force: the page stays until its inclination is one the
    // calculation takes.
    for (int16_t i = 1; i <= Anzahl(); ++i)
        if (const auto fehler = zorm1::AnkerNeigungPruefen(i)) {
            ok_ = false;
            vb::MsgBox(zorm1::BerechnungNichtMoeglich(*fehler), vb::vbExclamation);
            vb::TextBox& box = text1(int16_t(4 * (i - 1) + 1));
            if (box.canTakeFocusNow()) box.SetFocus();
            return;
        }
    Seite::KetteEnde(6);
}

void frmAnker1::Uebernehmen() {
    ok_ = true;
    P.EtaGl = Lesen(txtEtaGl);
    if (P.EtaGl < 1.0f) P.EtaGl = 1.5f;
    const int16_t n = Anzahl();
    for (int16_t i = 1; i <= n; ++i) {
        const int16_t b = int16_t(4 * (i - 1));
        P.AnkerNeigungGrad[i] = Lesen(text1(int16_t(b + 1)));
        P.AnkerLmin[i] = Lesen(text1(int16_t(b + 2)));
        P.AnkerLmax[i] = Lesen(text1(int16_t(b + 3)));
        P.AnkerAbstand[i] = Lesen(txtAnkAbstand(i));
    }
    P.AnzAnkerStufenPaare = 0;
    for (int16_t j = 1; j <= 15; ++j) {
        const float s = Lesen(Text2(int16_t(j - 1))), e = Lesen(text1(int16_t(59 + j)));
        if (s != 0.0f && e != 0.0f) {
            ++P.AnzAnkerStufenPaare;
            P.EtaAbwAushub[P.AnzAnkerStufenPaare] = s;
            P.EtaAbwWert[P.AnzAnkerStufenPaare] = e;
        }
    }
    if (P.AnzAnkerStufenPaare > 1)
        zormc::Sortieren(std::span<float>(P.EtaAbwWert), std::span<float>(P.EtaAbwAushub),
                         P.AnzAnkerStufenPaare);
    P.StahlStaebe = chkSt1080.Value() == vb::vbChecked ? 1 : 0;
    if (P.AnkerLaengen == 0)
        for (int16_t i = 1; i <= n; ++i)
            P.AnkerLmin[i] = P.AnkerLmax[i] = 0.0f;
}

void frmAnker1::Form_Unload(int16_t& /*Cancel*/) {
    // However the page goes (close box, another topic), it is taken over as by OK.
    if (ok_) return;
    Uebernehmen();
    if (vb::Form* a = vb::LoadedForm("frmAuswahl")) {
        if (vb::Control* c = a->find("optAuswahl", 6); c && c->canTakeFocusNow()) c->SetFocus();
        if (vb::Control* c = a->find("cmdOK")) Anzeigen::MausAufSteuerelement(*c);
    }
}
