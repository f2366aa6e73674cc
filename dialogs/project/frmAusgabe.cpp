#include "dialogs/project/frmAusgabe.h"

#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "windows/window_routines.h"

using zorm1::P;

frmAusgabe::frmAusgabe() : vb::Form("frmAusgabe") {
    setCaption("Ausgabewünsche");
    Resizable = false;
    const float W = 9600;
    fraUmfang.setCaption("Umfang der Ausgabe :");
    fraUmfang.Move(120, 60, W - 240, 900);
    Check1.add(0, &fraUmfang).setCaption("Allgemeine Angaben");
    Check1(0).Move(120, 240, 4000, 270);
    Check1.add(2, &fraUmfang).setCaption("Bemessung / Spannungsnachweis");
    Check1(2).Move(120, 540, 4000, 270);
    fraGelaendebruch.setCaption("Geländebruch-Nachweis");
    fraGelaendebruch.Move(120, 1020, W - 240, 1100);
    Check1.add(1, &fraGelaendebruch).setCaption("Mittelpunkt = \"normal\"  = links oben");
    Check1(1).Move(120, 240, 6000, 270);
    Check1.add(3, &fraGelaendebruch)
        .setCaption(
            "Tiefliegende Mittelpunkte untersuchen, siehe EB 10 der EAB; bei steilen Böschungen,  gr. "
            "Auflasten.");
    Check1(3).Move(120, 540, W - 480, 480);
    fraGelenk.setCaption("Sonderfall M-Gelenk");
    fraGelenk.Move(120, 2180, W - 240, 700);
    lblGelenk.setCaption("Kote z ab OK Wand");
    lblGelenk.Move(120, 300, 2200, 240);
    txtzMGelenk.setText("0");
    txtzMGelenk.Move(2400, 270, 900, 285);
    cmdHinweis.setCaption("Hinweis zeigen");
    cmdHinweis.Move(3600, 240, 1800, 340);
    fraText.setCaption("Text-Ausgabe :");
    fraText.Move(120, 2940, W - 240, 1000);
    lblText.setCaption(
        "Am Bildschirm wird immer der gesamte Text angezeigt. Aus der Anzeige heraus kann der "
        "gesamte Text oder eine Kurzausgabe (Eingabe und Bemessung) ausgedruckt werden. Gemeinsam "
        "mit den Grafiken sind dann alle wesentlichen Ergebnisse der Berechnung vorhanden.");
    lblText.Move(120, 240, W - 480, 700);
    fraForm.setCaption("Form der Ausgabe");
    fraForm.Move(120, 4000, W - 240, 700);
    lblForm.setCaption(
        "Kopf- und Fußzeilen nach Heft 504 können direkt vor dem Ausdruck gewählt und geändert "
        "werden.");
    lblForm.Move(120, 240, W - 480, 400);
    cmdOK.setCaption("OK");
    cmdOK.Move(W - 1920, 4800, 1800, 500);
    setClientSize(W, 5400);

    Check1.onClick([this](int16_t i) { Check1_Click(i); });
    Seite::Zahlbox(txtzMGelenk, P.zMGelenk, [this] {
        if (P.zMGelenk <= 0.0f) {
            P.zMGelenk = 0.0f;
            txtzMGelenk.setText(Seite::ZahlMitBlank(P.zMGelenk));
        }
    });
    cmdHinweis.Click = [] {
        const std::string n = "\r\n";
        vb::MsgBox("Wenn Sie mit z <> 0 ein Gelenk eingeben, können Sie der " + n +
                       "Biegelinie im Bereich des Gelenks einen Knick verpassen." + n +
                       "Dazu geben Sie in Höhe von z eine eigene Boden-Schicht" + n +
                       "mit z.B. 0,1 m Höhe und ein E*I von z.B. 0,1 ein." + n + "\r" +
                       "Das Gelenk sollte nicht in Höhe der Abstützungen liegen," + n +
                       "weil es hier zu großen Querkraft-Sprüngen oder anderen" + n +
                       "Unannehmlichkeiten kommen kann." + n + "\r" +
                       "Um Konflikte zu vermeiden, wird das Gelenk eventuell" + n +
                       "um ...cm verschoben, z. B. aus der Aushubkote heraus." + n + "\r" +
                       "Vermeiden Sie das Gelenk, wenn dadurch das statische" + n +
                       "Sytem instabil wird; z. B. ein Kragarm mit Gelenk" + n +
                       "kann nicht funktionieren ---> Programm-Abbruch." + n,
                   vb::vbInformation, "Sonderfall M-Gelenk");
    };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAusgabe::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmAusgabe::Form_Activate() {
    cmdOK.setEnabled(true);
    Anzeigen::MausAufSteuerelement(cmdOK);
}

void frmAusgabe::WerteZeigen() {
    auto setzen = [this](int16_t i, bool an) { Check1(i).setValue(an ? vb::vbChecked : vb::vbUnchecked); };
    setzen(0, P.AllgAngaben == 1);
    setzen(1, P.GelaendebruchEin == 1);
    if (P.TiefeMittelpunkte == 1) {
        setzen(3, true);
        setzen(1, true);
        P.GelaendebruchEin = 1;
    } else {
        setzen(3, false);
    }
    setzen(2, P.BemessungEin == 1);
    if (P.zMGelenk != 0.0f) txtzMGelenk.setText(Seite::ZahlMitBlank(P.zMGelenk));
}

void frmAusgabe::Check1_Click(int16_t Index) {
    const bool an = Check1(Index).Value() == vb::vbChecked;
    switch (Index) {
    case 0:
        P.AllgAngaben = an ? 1 : 0;
        break;
    case 1:
        P.GelaendebruchEin = an ? 1 : 0;
        if (!an) {
            P.TiefeMittelpunkte = 0;
            Check1(3).setValue(vb::vbUnchecked);
        }
        break;
    case 2:
        P.BemessungEin = an ? 1 : 0;
        break;
    case 3:
        if (an) {
            P.GelaendebruchEin = 1;
            Check1(1).setValue(vb::vbChecked);
            P.TiefeMittelpunkte = 1;
        } else {
            P.TiefeMittelpunkte = 0;
        }
        break;
    default:
        break;
    }
}

void frmAusgabe::cmdOK_Click() {
    if (P.BemessungEin != 0) {
        vb::FormByName("frmBemessung");
        return;
    }
    vb::Unload(*this);
    Seite::StartFokus();
}
