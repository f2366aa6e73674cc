#include "dialogs/stages/table_pages.h"

#include <algorithm>

#include "dialogs/project/page.h"
#include "dialogs/stages/stage_page.h"
#include "frame/input_ranges.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using Stufenseite::Stufe;
using zorm1::P;

namespace {

constexpr float kBreite = 9000;

} // namespace

Tabellenseite::Tabellenseite(const char* name, const char* titel, Tabelle::Art art, vb::CheckBox& schalter,
                             Tabelle::Tiefentabelle::Feld ebene, Tabelle::Tiefentabelle::Feld wert,
                             std::function<int16_t()> anzahl, std::function<void(int16_t)> setzeAnzahl)
    : vb::Form(name), tabelle(art, Frame3, txtZZSp, txtEZSp, std::move(ebene), std::move(wert),
                              std::move(anzahl), std::move(setzeAnzahl)),
      schalter_(schalter) {
    setCaption(titel);
    Resizable = false;
}

void Tabellenseite::Anlegen(const char* schalterText, const std::vector<const char*>& hinweise,
                            const char* rahmenText, const std::vector<const char*>& kopf) {
    Stufenseite::Nummer(lblAushNr, txtAushNr);
    float y = 540;
    for (std::size_t i = 0; i < hinweise.size(); ++i) {
        Label1.add(int16_t(i)).setCaption(hinweise[i]);
        Label1(int16_t(i)).Move(240, y, kBreite - 480, 480);
        y += 510;
    }
    schalter_.setCaption(schalterText);
    schalter_.Move(240, y + 60, kBreite - 480, 285);
    y += 480;
    Frame3.setCaption(rahmenText);
    Frame3.Move(120, y, 4800, 900 + 15 * 330);
    for (std::size_t i = 0; i < kopf.size(); ++i) {
        Label2.add(int16_t(i), &Frame3).setCaption(kopf[i]);
        Label2(int16_t(i)).Move(120, 270 + 270 * i, 4500, 240);
    }
    tabelle.ZellenAnlegen(120, 330 + 270 * kopf.size(), 1500, 150, 330);
    cmdOK.setCaption("OK");
    cmdOK.Move(kBreite - 1920, y + 900 + 15 * 330 - 500, 1800, 500);
    setClientSize(kBreite, y + 900 + 15 * 330 + 120);
    schalter_.Click = [this] { check(); };
    schalter_.LostFocus = [this] { check(); };
    cmdOK.GotFocus = [this] { cmdOK_GotFocus(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void Tabellenseite::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void Tabellenseite::Form_Activate() {
    cmdOK.setEnabled(true);
    tabelle.TabelleZu = true;
}

void Tabellenseite::check() {
    tabelle.Freigeben(An());
}

void Tabellenseite::cmdOK_GotFocus() {
    if (An()) Frame3.setEnabled(true);
}

void Tabellenseite::WerteZeigen() {
    const int16_t s = Stufe();
    txtAushNr.setText(vb::Str(P.AushNr));
    if (tabelle.art == Tabelle::Art::Zusatz) P.ZusSpannung[0] = P.AnzZusatzSpannung;
    schalter_.setValue(tabelle.Anzahl() > 0 ? vb::vbChecked : vb::vbUnchecked);
    // A later stage without a table of its own is offered the table before it, shown with the switch off.
    if (s >= 2 && tabelle.Anzahl() == 0) {
        switch (tabelle.art) {
        case Tabelle::Art::Erddruck:
            for (int16_t i = 0; i <= 15; ++i) {
                P.ZEahGeg(s, i) = P.ZEahGeg(s - 1, i);
                P.EahGeg(s, i) = P.EahGeg(s - 1, i);
            }
            break;
        case Tabelle::Art::Erdwiderstand:
            for (int16_t i = 0; i <= 15; ++i) {
                P.TEphGeg(s, i) = P.TEphGeg(s - 1, i);
                P.EphGeg(s, i) = P.EphGeg(s - 1, i);
            }
            break;
        case Tabelle::Art::Zusatz:
            for (int16_t i = 0; i <= 15; ++i) {
                P.ZusZ[i] = P.ZusZVorher[i];
                P.ZusSpannung[i] = P.ZusSpannungVorher[i];
            }
            break;
        default:
            break;
        }
    }
    tabelle.ZeilenZeigen();
    check();
}

// ------------------------------------------------------------------------------------------ frmAushub2
frmAushub2::frmAushub2()
    : Tabellenseite(
          "frmAushub2", "Erddruck gegeben", Tabelle::Art::Erddruck, chkEahgegeben,
          [](int16_t i) -> float& { return P.ZEahGeg(Stufe(), i); },
          [](int16_t i) -> float& { return P.EahGeg(Stufe(), i); },
          [] { return Tabelle::ZaehlerLesen(P.EahGeg(Stufe(), 0)); },
          [](int16_t n) { P.EahGeg(Stufe(), 0) = n; }) {
    Anlegen("Horizontaler Erddruck gegeben ?",
            {"Diese Eingaben überschreiben die vom Programm errechneten Werte. Eingaben nur in Sonderfällen "
             "erforderlich.",
             "incl. Einfluß von Böschungen, Auflasten, Auftrieb, aber ohne Wasserdruck."},
            "Horiz. Erddruck gegeben :", {"Eing. von z=0 bis z=99", "Kote z(m)          eah(kN/m2)"});
}

void frmAushub2::cmdOK_Click() {
    tabelle.Schliessen(An());
    // A ticked table that was never ended keeps the count its filling left; a list that does not reach
    // the wall foot cannot be calculated and is refused here, as the calculation refuses it.
    if (const auto fehler = zorm1::VorgabeErddruckPruefen(Stufe())) {
        vb::MsgBox(zorm1::BerechnungNichtMoeglich(*fehler), vb::vbExclamation);
        return;
    }
    zormcom::AushubSpeichern(P.AushNr);
    cmdOK.setEnabled(false);
    Seite::Weiter(P.Erddruckart == 2 ? "frmAushub3b" : "frmAushub3");
}

// ------------------------------------------------------------------------------------------ frmAushub6
frmAushub6::frmAushub6()
    : Tabellenseite(
          "frmAushub6", "Zusatzspannungen", Tabelle::Art::Zusatz, chkZSp,
          [](int16_t i) -> float& { return P.ZusZ[i]; }, [](int16_t i) -> float& { return P.ZusSpannung[i]; },
          [] { return Tabelle::ZaehlerLesen(P.ZusSpannung[0]); }, [](int16_t n) { P.ZusSpannung[0] = n; }) {
    Anlegen("Sind Zusatzspannungen vorhanden ?",
            {"Diese Spannungen werden nicht umgelagert bzw. reduziert.",
             "Spannungen sind positiv, wenn sie von der Erdseite auf die Wand einwirken."},
            "", {"Eing. von z=0 bis z=99", "Kote z(m)        kN/m2 "});
    chkWasserenth.setCaption("Ist der Wasserdruck darin enthalten ?");
    chkWasserenth.Move(5040, Frame3.Top() + 300, 3800, 285);
    lblWasserenth.setCaption("Falls ja, wird der Wasserdruck aus den eingegebenen Wasserständen eliminiert.");
    lblWasserenth.Move(5040, Frame3.Top() + 660, 3800, 720);
}

void frmAushub6::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] {
        WerteZeigen();
        chkWasserenth.setValue(P.kzWasserenthAush[Stufe()] == 1 ? vb::vbChecked : vb::vbUnchecked);
        check();
    });
}

void frmAushub6::check() {
    Tabellenseite::check();
    chkWasserenth.setEnabled(An());
}

void frmAushub6::cmdOK_Click() {
    const int16_t s = Stufe();
    tabelle.Schliessen(An());
    if (!An()) {
        P.kzWasserenthAush[s] = 0;
        chkWasserenth.setValue(vb::vbUnchecked);
    }
    const int16_t n = tabelle.Anzahl();
    if (n > 0 && P.ZusZ[n] != 99.0f) {
        P.ZusZ[n] = 99.0f;
        tabelle.ZeileZeigen(n);
    }
    P.AnzZusatzSpannung = n;
    P.kzWasserenthAush[s] = chkWasserenth.Value() == vb::vbChecked ? 1 : 0;
    // The table confirmed last offers itself to a later stage without one.
    P.ZusZVorher.fill(0.0f);
    P.ZusSpannungVorher.fill(0.0f);
    for (int16_t i = 0; i <= n; ++i) {
        P.ZusZVorher[i] = P.ZusZ[i];
        P.ZusSpannungVorher[i] = P.ZusSpannung[i];
    }
    zormcom::AushubSpeichern(P.AushNr);
    cmdOK.setEnabled(false);
    Seite::Weiter("frmAushub7");
}

// ------------------------------------------------------------------------------------------ frmAushub7
frmAushub7::frmAushub7()
    : Tabellenseite(
          "frmAushub7", "Erddruck verändern", Tabelle::Art::Faktor, chkRedF,
          [](int16_t i) -> float& { return P.EVerZ[i]; }, [](int16_t i) -> float& { return P.EVerFaktor[i]; },
          [] { return P.AnzErddruckFaktor; }, [](int16_t n) { P.AnzErddruckFaktor = n; }) {
    Anlegen("Erddruck vor der Überlagerung / Umlagerung / Reduktion verändern ?",
            {"Nur der Erdruck aus Bodengewicht und großflächigen Auflasten wird mit dem angegeb. Faktor "
             "behandelt.",
             "z = 99 : Kennzahl für die Kote  des Wandfußes. Zwischen den Koten wird der Faktor linear "
             "interpoliert."},
            "Veränderung des Erddrucks:", {"Eing. von z=0 bis z=99", "Kote z(m)        Faktor "});
}

void frmAushub7::cmdOK_Click() {
    tabelle.Schliessen(An());
    zormcom::AushubSpeichern(P.AushNr);
    cmdOK.setEnabled(false);
    Seite::Weiter("frmAushub8");
}

// ------------------------------------------------------------------------------------------ frmAushub8
frmAushub8::frmAushub8()
    : Tabellenseite(
          "frmAushub8", "Erdwiderstand gegeben", Tabelle::Art::Erdwiderstand, chkEphgegeben,
          [](int16_t i) -> float& { return P.TEphGeg(Stufe(), i); },
          [](int16_t i) -> float& { return P.EphGeg(Stufe(), i); },
          [] { return Tabelle::ZaehlerLesen(P.EphGeg(Stufe(), 0)); },
          [](int16_t n) { P.EphGeg(Stufe(), 0) = n; }) {
    Anlegen("Horizontaler Erdwiderstand gegeben ?",
            {"Diese Eingaben überschreiben die vom Programm errechneten Werte. Eingaben nur in Sonderfällen "
             "erforderlich.",
             "Erdwiderstand negativ (-) eingeben, mit eta = 1.00.", "NEGATIV  !!! ( - ) ",
             "Die Kote 99 - zAushub  wird v. Progr. eingefügt."},
            "Horiz. Erdwiderstand (kN/m2):", {"Eing. von t=0 bis t=99", "t(m) ab Aush.    eph"});
}

void frmAushub8::cmdOK_Click() {
    tabelle.Schliessen(An());
    zormcom::AushubSpeichern(P.AushNr);
    cmdOK.setEnabled(false);
    // The chain ends: the main window gets the next stage, or the load cases after the last one.
    if (P.AushNr >= P.AnzAush) {
        Seite::KetteEnde(4);
    } else {
        ++P.AushNr;
        Seite::AuswahlNummer(1, P.AushNr);
        Seite::KetteEnde(3);
    }
}
