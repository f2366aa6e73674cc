#include "dialogs/project/frmWand1.h"

#include "dialogs/project/frmBemessung.h"
#include "dialogs/project/frmProfile.h"
#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "request/support_levels.h"
#include "request/wall_section.h"
#include "windows/window_routines.h"

using zorm1::P;

namespace {

void Waehlen(vb::OptionButton& o) {
    if (o.Value())
        o.raise(o.Click);
    else
        o.setValue(true);
}

void Haken(vb::CheckBox& c, bool an) {
    c.setValue(an ? vb::vbChecked : vb::vbUnchecked);
}

} // namespace

frmWand1::frmWand1() : vb::Form("frmWand1") {
    setCaption("Wandtyp");
    Resizable = false;
    int16_t l = 0;
    auto label = [&](vb::Control* in, const char* text, float x, float y, float w, float h = 240) {
        lbl.add(l, in).setCaption(text);
        lbl(l++).Move(x, y, w, h);
    };

    // Left column.
    fraWandtyp.setCaption("Wandtyp:");
    fraWandtyp.Move(120, 60, 7000, 3060);
    const char* typen[] = {"Trägerbohlwand",
                           "Spundwand",
                           "Schlitzwand d(m) =",
                           "Bohrpfahlwand überschnitten",
                           "Bohrpfähle mit Abstand,TBW Lastansatz Trägerbohlwand  ",
                           "Bohrpfähle mit Abstand, TBW Lastansatz Spundwand"};
    for (int16_t i = 1; i <= 6; ++i) {
        optWandTyp.add(i, &fraWandtyp).setCaption(typen[i - 1]);
        optWandTyp(i).Move(120, 240 + 290 * (i - 1), i == 3 ? 2200 : 5000, 270);
    }
    txtSchlitzW.Move(2400, 240 + 290 * 2, 900, 270);
    cmdProfileZeigen.setCaption("Profile ");
    cmdProfileZeigen.Move(5300, 240, 1500, 360);
    Frame7.Move(120, 2040, 3200, 900);
    optBeton.add(0, &Frame7).setCaption("B 25");
    optBeton(0).Move(120, 200, 1200, 270);
    optBeton.add(1, &Frame7).setCaption("B 35");
    optBeton(1).Move(1500, 200, 1200, 270);
    optBeton(0).setValue(true);
    Frame4.Move(3400, 2040, 3450, 900);
    const char* cgrade[] = {"C20/25", "C25/30", "C30/37", "C35/45"};
    for (int16_t i = 2; i <= 5; ++i) {
        optBeton.add(i, &Frame4).setCaption(cgrade[i - 2]);
        optBeton(i).Move(120 + 1650 * ((i - 2) % 2), 180 + 320 * ((i - 2) / 2), 1500, 270);
    }

    // The three section frames share one place; the wall type shows one of them.
    fraBpfUeb.setCaption("Bohrpfahlwand überschitten");
    fraBpfUeb.Move(120, 3180, 7000, 2340);
    label(&fraBpfUeb, "Pfahldurchmesser d (m) ", 120, 300, 4000);
    txtBpfW.Move(4300, 270, 900, 285);
    label(&fraBpfUeb, "Schlitzwand-Ersatzdicke für E*I", 120, 700, 4000);
    txtBpfW2.Move(4300, 670, 900, 285);
    txtBpfW2.Locked = true;
    label(&fraBpfUeb, "Überschnitt = d / 8  (Anhaltswert)", 120, 1100, 4000);
    fraBpfAbst.setCaption("Bohrpfähle mit Abstand");
    fraBpfAbst.Move(120, 3180, 7000, 2340);
    label(&fraBpfAbst, "Pfahldurchmesser d (m) ", 120, 300, 4000);
    txtBPFtang.add(0, &fraBpfAbst).Move(4300, 270, 900, 285);
    label(&fraBpfAbst, "Achsabstand (m) ", 120, 700, 4000);
    txtBPFtang.add(1, &fraBpfAbst).Move(4300, 670, 900, 285);
    fraBohltraeger.setCaption("Bohlträger:");
    fraBohltraeger.Move(120, 3180, 7000, 2340);
    label(&fraBohltraeger, "Breite (m)", 120, 280, 2000);
    txtBBohl.setText("0.30");
    txtBBohl.Move(2200, 250, 800, 285);
    label(&fraBohltraeger, "Achsabstand (m)", 3300, 280, 2000);
    txtABohl.setText("2.50");
    txtABohl.Move(5600, 250, 800, 285);
    label(&fraBohltraeger, "Fußbreite Beton (m)", 120, 640, 2000);
    txtBBFuss.setText("0.60");
    txtBBFuss.Move(2200, 610, 800, 285);
    label(&fraBohltraeger, "Beton ab Kote z (m)", 3300, 640, 2200);
    txtZBFuss.setText("6.50");
    txtZBFuss.Move(5600, 610, 800, 285);
    label(&fraBohltraeger, "Erdauflager-Entlastungsfaktor   (0......1;  0: keine Entlastung)", 120, 1000,
          5300, 480);
    txtEntLastFaktor.Move(5600, 1000, 800, 285);
    Command1.setCaption("Hinweis");
    Command1.Move(120, 1640, 1500, 360);
    cmdHinwWandReib.setCaption("HinweisWand- reibung");
    cmdHinwWandReib.Move(1800, 1640, 2400, 360);

    Frame2.Move(120, 5580, 7000, 900);
    label(&Frame2, "--> E*I (MNm2/m) =", 120, 230, 2000);
    txtEI.Move(2200, 200, 1200, 285);
    chkEI.setCaption("obiges  E*I  bei Boden- schichten eintragen");
    chkEI.Move(3450, 160, 3500, 480);

    fraWahleingaben.setCaption("Wahlfreie Eingaben:");
    fraWahleingaben.Move(120, 6540, 7000, 1380);
    label(&fraWahleingaben, "Dicke  d  der Wand (m)", 120, 280, 5400);
    txtDwand.Move(5800, 250, 900, 285);
    label(&fraWahleingaben, "spez. Gewicht (kN/m3) über d; ---->> d * gam = Wandgew./m2 ", 120, 640, 5600);
    txtGamwand.Move(5800, 610, 900, 285);
    label(&fraWahleingaben, "OK Wand (m ü.NN) für Grafik", 120, 1000, 5400);
    txtZnull.Move(5800, 970, 900, 285);

    // Right column.
    const float X = 7240, W = 6600;
    fraErdwiderstand.setCaption("Erdwiderstand:");
    fraErdwiderstand.Move(X, 60, W, 1140);
    label(&fraErdwiderstand, "Sicherheitsbeiwert  (i.a. 1.5) für eine geschlossene Wand, z.B. Spundwand.",
          120, 250, 4900, 480);
    txtEtap.Move(5200, 250, 900, 285);
    HinweisEtap.setCaption("Hinweis dazu");
    HinweisEtap.Move(120, 740, 1700, 330);
    fraErddruck.setCaption("Erddruck:");
    fraErddruck.Move(X, 1260, W, 1000);
    optErddruck.add(1, &fraErddruck).setCaption("aktiv u. erhöht aktiv");
    optErddruck(1).Move(120, 240, 3200, 270);
    optErddruck.add(2, &fraErddruck).setCaption("reiner Ruhedruck");
    optErddruck(2).Move(120, 560, 3200, 270);
    cmdHinweisAnker.setCaption("Hinweis zu den Ankerlängen");
    cmdHinweisAnker.Move(3500, 380, 2900, 360);
    fraWandkopf.setCaption("Wandkopf:");
    fraWandkopf.Move(X, 2320, W, 1500);
    const char* koepfe[] = {"ungelagert = frei beweglich", "frei drehbar gelagert", "starr eingespannt",
                            "verschieblich eingespannt"};
    for (int16_t i = 1; i <= 4; ++i) {
        optWandKopf.add(i, &fraWandkopf).setCaption(koepfe[i - 1]);
        optWandKopf(i).Move(120 + (i > 2 ? 0 : 0), 240 + 290 * (i - 1), 3600, 270);
    }
    label(&fraWandkopf, "Sonderfälle:", 3900, 240 + 290 * 2, 1500);
    Frame1.setCaption("Wenn mit gebettetem Wandfuß gerechnet wird :");
    Frame1.Move(X, 3880, W, 1100);
    chkBettung.setCaption("Bettung überprüfen .....");
    chkBettung.Move(120, 240, 4200, 270);
    chkEtaBettung.setCaption("Sicherheitsbeiwerte verwenden ? NEIN !!!");
    chkEtaBettung.Move(120, 600, 4200, 270);
    cmdHinweisBettung.setCaption("Hinweis dazu");
    cmdHinweisBettung.Move(4600, 400, 1700, 360);
    Frame3.setCaption("Bei unterströmten Spund- und Betonwänden: (nicht bei Tr.Bohlw.)");
    Frame3.Move(X, 5040, W, 1100);
    chkkzHydGrBr.setCaption("Näherungsnachweise Hydr. Grundbruch führen?");
    chkkzHydGrBr.Move(120, 240, 4400, 270);
    chkStroem.setCaption("Strömungsdruck näherungsweise berücksichtigen?");
    chkStroem.Move(120, 600, 4400, 270);
    cmdHinweisStoemungsdruck.setCaption("Hinweis dazu");
    cmdHinweisStoemungsdruck.Move(4700, 400, 1700, 360);

    cmdOK.setCaption("OK");
    cmdOK.Move(X + W - 1800, 7320, 1800, 600);
    setClientSize(X + W + 120, 8040);

    // Handlers.
    optWandTyp.onClick([this](int16_t i) { optWandTyp_Click(i); });
    optBeton.onClick([this](int16_t i) { optBeton_Click(i); });
    Seite::Zahlbox(txtABohl, P.ABohl, [this] {
        if (P.ABohl > 0.0f) EIStahl();
    });
    Seite::Zahlbox(txtDwand, P.DWand, [this] {
        dicke_ = P.DWand;
        if (P.DWand == 0.0f) {
            P.ProfilName.clear();
            EIStahl();
        }
    });
    Seite::Zahlbox(txtSchlitzW, [this](const std::string&) { SchlitzwandVerlassen(); });
    Seite::Zahlbox(txtBpfW, [this](const std::string&) {
        BpfUeberschnittRechnen();
        if (P.BPfDUeb != alterDUeb_) P.EBreiteM = 0.0f;
    });
    auto selectAll = txtBpfW.GotFocus;
    txtBpfW.GotFocus = [this, selectAll] {
        alterDUeb_ = P.BPfDUeb;
        selectAll();
    };
    Seite::Zahlbox(txtBPFtang(0), P.BPfD, [this] {
        if (P.BPfD != alterD_) P.EBreiteM = 0.0f;
        BPfalsTBW();
    });
    Seite::Zahlbox(txtBPFtang(1), P.BPfAbstand, [this] {
        if (P.BPfAbstand != alterAbstand_) P.EBreiteM = 0.0f;
        BpfAbstandRechnen();
        BPfalsTBW();
    });
    for (int16_t i = 0; i <= 1; ++i) {
        auto sel = txtBPFtang(i).GotFocus;
        txtBPFtang(i).GotFocus = [this, sel] {
            alterD_ = P.BPfD;
            alterAbstand_ = P.BPfAbstand;
            sel();
        };
    }
    Seite::Zahlbox(txtEntLastFaktor, P.EntlastFaktor, [this] {
        float f = P.EntlastFaktor;
        if (f < 0.0f) f = 0.0f;
        if (f > 1.0f) f = 1.0f;
        P.EntlastFaktor = vb::Int(100.0f * f + 0.5f) / 100.0f;
        txtEntLastFaktor.setText(Seite::ZahlMitBlank(P.EntlastFaktor));
    });
    Seite::Zahlbox(txtBBFuss, P.BBFuss);
    Seite::Zahlbox(txtBBohl, P.BBohl);
    Seite::Zahlbox(txtEI, P.EIWand);
    Seite::Zahlbox(txtEtap, P.Etap);
    Seite::Zahlbox(txtGamwand, P.GamWand);
    Seite::Zahlbox(txtZBFuss, P.ZBFuss);
    Seite::Zahlbox(txtZnull, P.KoteOKWand);
    optErddruck.onClick([](int16_t i) { P.Erddruckart = i; });
    optErddruck.onLostFocus([](int16_t i) {
        P.Erddruckart = i;
        if (i == 2) {
            P.RuheProz = 100.0f;
            if (P.TeilsicherheitenAn == 0) P.AnkerLaengen = 0;
        }
    });
    optWandKopf.onClick([](int16_t i) { P.WandKopf = i; });
    optWandKopf.onLostFocus([](int16_t i) {
        P.WandKopf = i;
        if (P.AushNr >= 0 && P.AushNr <= 19 && P.FussGebettet[P.AushNr] == 0 && P.AnzAnker == 0)
            P.UmFigur = 0;
    });
    chkBettung.Click = [this] { P.BettungPruefen = chkBettung.Value() == vb::vbChecked ? 1 : 0; };
    chkEtaBettung.Click = [this] { P.EtaBettung = chkEtaBettung.Value() == vb::vbChecked ? 1 : 0; };
    chkkzHydGrBr.Click = [this] { P.kzHydGrBr = chkkzHydGrBr.Value() == vb::vbChecked ? 1 : 0; };
    chkStroem.Click = [this] { P.kzStroem = chkStroem.Value() == vb::vbChecked ? 1 : 0; };
    cmdOK.LostFocus = [] {
        Wand::TBWKennung();
        Wand::BETON2();
    };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdProfileZeigen.Click = [] { vb::FormByName("frmProfile"); };

    cmdHinweisAnker.Click = [] {
        Seite::Hilfe(
            {"Der Nachweis der tiefen Gleitfuge zur Bestimmung der",
             "erforderlichen Ankerlängen läßt sich nur mit aktivem", "und erhöht aktivem Erddruck führen.",
             "", "Bei globaler Sicherheit:", "   Bei erhöht aktivem Erddruck wird die Wand vorab komplett",
             "   mit 0 % Ruhedruckanteil gerechnet. Eine eigene Nachlauf-",
             "   Berechnung für die Ankerlängen ist nicht mehr erforderlich.", "",
             "Bei Teilsicherheiten:", "   Bei erhöht aktivem Erddruck erfolgt der Nachweis nach",
             "   EAB 2006, EB 44 mit größeren Sicherheitsbeiwerten.", ""},
            vb::vbInformation, "Ankerlängen");
    };
    cmdHinweisBettung.Click = [] {
        Seite::Hilfe({"Überprüft wird an den Federpunkten die Bedingung",
                      "BETTUNG <= ERDWIDERSTAND / VERSCHIEBUNG.",
                      "Falls erforderlich, wird die Bettung iterativ reduziert.", "", "",
                      "Sicherheitsbeiwerte sind hier NICHT einzuführen!",
                      "Die Wahlmöglichkeit wurde nur zu Demonstrationszwecken eingebaut."},
                     vb::vbInformation, "Bettung überprüfen");
    };
    cmdHinweisStoemungsdruck.Click = [] {
        Seite::Hilfe({"Die Auswirkungen des Strömungsdrucks werden über die",
                      "Änderungen der Bodenwichten und der Wasserwichte",
                      "erfaßt. Siehe Spundwand-Handbuch Berechnung Ziffer 5.2.3.",
                      "Unwirksam bei gegebenem Erddruck/Erdwiderstand oder",
                      "bei gegebenem Wasserdruck (über Zusatzspannungen).", "", "", ""},
                     vb::vbInformation, "Strömungsdruck");
    };
    cmdHinwWandReib.Click = [] {
        Seite::Hilfe({"Auf der Passivseite sollte ein Wandreibungswinkel",
                      "nur bei gerammten Bohlträgern eingegeben werden, ",
                      "nicht aber, wenn sie in Bohrlöcher gestellt werden.",
                      "Siehe dazu EAB-2006, EB 85 mit Anhang A 10.", ""},
                     vb::vbExclamation, "Trägerbohlwand, Wandreibungswinkel");
    };
    Command1.Click = [] {
        Seite::Hilfe({"NEU: Sie können das Erdauflager entlasten, indem Sie einen Teil des",
                      "abgeschnittenen Erddrucks nach oben umlagern. Nur bei Umlagerung.", ""},
                     vb::vbInformation, "Sicherheit des Erdauflagers einer geschlossenen Wand");
    };
    HinweisEtap.Click = [this] {
        Seite::Hilfe({"Der eingegebene Sicherheitsbeiwert bezieht sich auf die erforderliche",
                      "Standsicherheit des Erdauflagers einer Spundwand bzw. Ortbetonwand.",
                      "Bei Trägerbohlwänden wird vom Programm 0.50 dazuaddiert.", "",
                      "Im Programm wird der Erdwiderstandsverlauf durch den Sicherheitsbeiwert",
                      "dividiert; die Sicherheit steckt also im reduzierten Erdwiderstand.", "",
                      "Nach Ermittlung der erforderlichen Einbindetiefe der Wand mit eta = 1.5 ",
                      "können Sie nochmals mit eta = 1.2 und der nun bekannten Einbindetiefe",
                      "für die Schnittgrößen rechnen. Siehe dazu die EAB.", "",
                      "Die vorh. Sicherheit des Erdauflagers ist nicht zwangsläufig höher als",
                      "gefordert, weil die teilweise Fußeinspannung nach Blum steigt; dadurch",
                      "werden die Schnittgrößen verringert, z.B. die Feldmomente.", ""},
                     vb::vbExclamation, "Sicherheit Erdauflager");
        if (P.TeilsicherheitenAn == 0) Seite::FokusZurueck(txtEtap);
    };
}

void frmWand1::BPfalsTBW() {
    Wand::BPfalsTBW();
}

void frmWand1::BETON2() {
    Wand::BETON2();
}

void frmWand1::EIausDicke(float d) {
    Wand::EIausDicke(d);
    txtEI.setText(Seite::ZahlMitBlank(P.EIWand));
}

void frmWand1::EIausPfaehlen() {
    if (Wand::EIausPfaehlen()) txtEI.setText(Seite::ZahlMitBlank(P.EIWand));
}

void frmWand1::WahlWerteZeigen(float d, float gamma) {
    if (d != 0.0f) {
        txtDwand.setText(Seite::Zahl(d));
        if (txtDwand.canTakeFocusNow()) txtDwand.SetFocus();
    }
    if (gamma != 0.0f) {
        txtGamwand.setText(Seite::ZahlMitBlank(gamma));
        if (txtGamwand.canTakeFocusNow()) txtGamwand.SetFocus();
    }
    if (P.KoteOKWand != 0.0f) {
        txtZnull.setText(Seite::ZahlMitBlank(P.KoteOKWand));
        if (txtZnull.canTakeFocusNow()) txtZnull.SetFocus();
    }
}

void frmWand1::BpfUeberschnittRechnen() {
    const auto d = Seite::ZahlLesen(txtBpfW.Text());
    if (!d) {
        vb::Beep();
        txtBpfW.setText(Seite::Zahl(P.BPfDUeb));
        return;
    }
    dicke_ = *d;
    P.BPfDUeb = *d;
    P.GamWand = 25.0f / 1.1f;
    P.GamWand2 = P.GamWand * 10.0f / 25.0f;
    WahlWerteZeigen(dicke_, P.GamWand);
    P.DWand = *d;
    EIausDicke(*d / 1.2f);
    txtBpfW2.setText(vb::Replace(vb::Format(*d / 1.2f, "0.00"), ",", ".")); // boxes show "."
}

void frmWand1::BpfAbstandRechnen() {
    EIausPfaehlen();
    if (P.BPfAbstand != 0.0f) {
        P.GamWand = 25.0f * P.BPfD * 3.141593f / 4.0f / P.BPfAbstand;
        P.GamWand2 = P.GamWand * 10.0f / 25.0f;
        WahlWerteZeigen(P.BPfD, P.GamWand);
    }
    Bemessung::subEBreite();
}

void frmWand1::SchlitzwandVerlassen() {
    const auto d = Seite::ZahlLesen(txtSchlitzW.Text());
    if (!d) {
        vb::Beep();
        txtSchlitzW.setText(Seite::Zahl(dicke_));
        return;
    }
    dicke_ = *d;
    EIausDicke(dicke_);
    P.GamWand = 25.0f;
    P.GamWand2 = 10.0f;
    WahlWerteZeigen(dicke_, P.GamWand);
    P.DWand = dicke_;
}

void frmWand1::EIStahl() {
    frmProfile::EIStahl();
}

void frmWand1::optBeton_Click(int16_t Index) {
    P.BetonKlasse = 120.0f;
    if (Frame7.Visible()) {
        if (Index == 0) P.BetonKlasse = 25.0f;
        if (Index == 1) P.BetonKlasse = 35.0f;
    } else if (Index >= 2 && Index <= 5) {
        P.BetonKlasse = 120.0f + 5.0f * (Index - 2);
    }
    Wand::BETON2(Frame7.Visible());
    if (P.Wandtyp == 3) EIausDicke(P.DWand);
    if (P.Wandtyp == 4) EIausDicke(P.DWand / 1.2f);
    if (P.Wandtyp == 5 || P.Wandtyp == 6) EIausPfaehlen();
}

void frmWand1::optWandTyp_Click(int16_t i) {
    if (i != P.Wandtyp) P.EBreiteM = P.BPfD = P.BPfDUeb = P.BPfDBemessung = 0.0f;
    P.Wandtyp = i;
    fraBohltraeger.setVisible(i == 1);
    fraBpfUeb.setVisible(i == 4);
    fraBpfAbst.setVisible(i == 5 || i == 6);
    txtSchlitzW.setEnabled(i == 3);
    Frame7.setEnabled(i >= 3);
    const bool strom = i >= 2 && i <= 4;
    Frame3.setEnabled(strom);
    chkkzHydGrBr.setEnabled(strom);
    chkStroem.setEnabled(strom);
    if (i == 1 || i == 2) {
        P.ProfilPraefix = i == 1 ? "TBW" : "SPW";
        if (vb::InStr(P.ProfilName, P.ProfilPraefix) == 0) P.ProfilName.clear();
    }
    // A new wall type ends a profile list left open; the type shown as the page loads keeps the list that
    // brought the page up (a profile chosen while the page was closed).
    if (!laedt_) vb::UnloadByName("frmProfile");
    if (i == 1) {
        if (const auto a = Seite::ZahlLesen(txtABohl.Text())) P.ABohl = *a;
        EIStahl();
    } else if (i == 2) {
        EIStahl();
    } else if (i == 3) {
        if (txtSchlitzW.canTakeFocusNow()) txtSchlitzW.SetFocus();
    } else if (i == 5 || i == 6) {
        if (const auto d = Seite::ZahlLesen(txtBPFtang(0).Text())) P.BPfD = *d;
        if (const auto a = Seite::ZahlLesen(txtBPFtang(1).Text())) P.BPfAbstand = *a;
        BpfAbstandRechnen();
    }
    Wand::TBWKennung();
}

void frmWand1::Form_Load() {
    laedt_ = true;
    struct Geladen {
        bool& b;
        ~Geladen() { b = false; }
    } geladen{laedt_};
    const bool teil = P.TeilsicherheitenAn != 0;
    fraErdwiderstand.setVisible(!teil);
    Frame7.setVisible(!teil);
    Frame4.setVisible(teil);
    if (teil) {
        if (P.BetonKlasse < 100.0f) P.BetonKlasse += 100.0f;
        if (P.BetonKlasse < 120.0f) P.BetonKlasse = 120.0f;
    } else {
        if (P.BetonKlasse > 100.0f) P.BetonKlasse -= 100.0f;
        if (P.BetonKlasse < 25.0f) P.BetonKlasse = 25.0f;
    }
    Show();
    if (P.Erddruckart == 2 || P.Wandart == 1) P.kzStroem = 0;
    dicke_ = P.DWand;
    P.EIWand = 0.0f;
    const float k = P.BetonKlasse;
    if (!teil && k == 25.0f) optBeton(0).setValue(true);
    if (!teil && k == 35.0f) optBeton(1).setValue(true);
    if (teil && (k == 120.0f || k == 125.0f || k == 130.0f || k == 135.0f))
        optBeton(int16_t(2 + (k - 120.0f) / 5.0f)).setValue(true);
    Wand::BETON2(!teil);
    for (int16_t i = 1; i <= 6; ++i)
        optWandTyp(i).setValue(false);
    if (P.Wandtyp == 0) P.Wandtyp = P.Wandart;
    if (P.Wandtyp == 0) P.Wandtyp = 2;
    if (P.Wandtyp > 2) {
        P.ProfilPraefix.clear();
        P.ProfilName.clear();
        P.ProfilText.clear();
        P.ProfilWert1 = P.ProfilWert2 = P.ProfilWert3 = P.ProfilWert4 = P.ProfilWert5 = 0.0f;
    }
    for (int16_t i = 1; i <= 4; ++i)
        optWandKopf(i).setValue(false);
    if (P.WandKopf < 1 || P.WandKopf > 4) P.WandKopf = 1;
    optWandKopf(P.WandKopf).setValue(true);
    if (P.Erddruckart != 1 && P.Erddruckart != 2) P.Erddruckart = 1;
    Waehlen(optErddruck(P.Erddruckart));
    if (!teil) {
        if (P.Etap == 0.0f) P.Etap = 1.5f;
        txtEtap.setText(Seite::Zahl(P.Etap));
    }
    if (P.Wandtyp == 3 && P.DWand != 0.0f) {
        txtSchlitzW.setText(Seite::ZahlMitBlank(P.DWand));
        EIausDicke(P.DWand);
    }
    if (P.Wandtyp == 4 && P.BPfDUeb != 0.0f) {
        txtBpfW.setText(Seite::ZahlMitBlank(P.BPfDUeb));
        BpfUeberschnittRechnen();
        EIausDicke(P.BPfDUeb / 1.2f);
    }
    if ((P.Wandtyp == 5 || P.Wandtyp == 6) && P.BPfD != 0.0f) {
        txtBPFtang(0).setText(Seite::ZahlMitBlank(P.BPfD));
        txtBPFtang(1).setText(Seite::ZahlMitBlank(P.BPfAbstand));
        BpfAbstandRechnen();
    }
    if (P.BBFuss <= 0.0f) {
        P.ZBFuss = 0.0f;
        P.BBFuss = P.BBohl;
    }
    if (P.ABohl != 0.0f) txtABohl.setText(Seite::Zahl(P.ABohl));
    if (P.BBohl != 0.0f) txtBBohl.setText(Seite::Zahl(P.BBohl));
    if (P.BBFuss != 0.0f) txtBBFuss.setText(Seite::Zahl(P.BBFuss));
    if (P.ZBFuss != 0.0f) txtZBFuss.setText(Seite::Zahl(P.ZBFuss));
    if (P.EntlastFaktor > 0.0f) txtEntLastFaktor.setText(Seite::Zahl(P.EntlastFaktor));
    WahlWerteZeigen(P.DWand, P.GamWand);
    if (P.BettungPruefen > 0) Haken(chkBettung, true);
    if (P.EtaBettung == 1) Haken(chkEtaBettung, true);
    if (P.kzStroemEin == 1) Haken(chkStroem, true);
    if (P.kzHydGrBrEin == 1) Haken(chkkzHydGrBr, true);
    if (P.ZulSigma == 0.0f) {
        // The allowed stresses of the steel grade, as the design page sets them when it opens; the design
        // page is not left open for it.
        const bool offen = vb::isLoaded<frmBemessung>();
        vb::form<frmBemessung>();
        if (!offen) vb::Unload<frmBemessung>();
    }
    optWandTyp(P.Wandtyp).setValue(true);
    if (optWandTyp(P.Wandtyp).canTakeFocusNow()) optWandTyp(P.Wandtyp).SetFocus();
    cmdOK.setEnabled(true);
    if (P.DatenGelesen != 0 && cmdOK.canTakeFocusNow()) cmdOK.SetFocus();
    Anzeigen::MausAufSteuerelement(cmdOK);
}

void frmWand1::Form_Activate() {
    cmdOK.setEnabled(true);
}

void frmWand1::cmdOK_Click() {
    cmdOK.setEnabled(false);
    auto bleiben = [this](vb::Control& c) {
        cmdOK.setEnabled(true);
        Seite::FokusZurueck(c);
    };
    if (!Frame3.Enabled()) P.kzStroem = P.kzHydGrBr = 0;
    P.kzStroemEin = P.kzStroem;
    P.kzHydGrBrEin = P.kzHydGrBr;
    if (P.DatenGelesen == 0) Haken(chkEI, true);
    if (const auto ei = Seite::ZahlLesen(txtEI.Text())) P.EIWand = *ei;
    if (chkEI.Value() == vb::vbChecked)
        for (int l = 1; l <= 8; ++l)
            P.SchichtEI[l] = P.EIWand;
    // Bored piles with spacing calculated as soldier piles need both their pile values.
    if (P.Wandtyp == 5 && P.BPfD == 0.0f) return bleiben(txtBPFtang(0));
    if (P.Wandtyp == 5 && P.BPfAbstand == 0.0f) return bleiben(txtBPFtang(1));
    if (P.Wandart == 1 || P.Wandtyp == 5) {
        if (P.Wandtyp == 1 && P.BBohl == 0.0f) return bleiben(txtBBohl);
        if (P.Wandtyp == 1 && P.ABohl == 0.0f) return bleiben(txtABohl);
        if (P.BBFuss < P.BBohl) P.BBFuss = P.BBohl;
        if (P.BBFuss > P.ABohl) P.BBFuss = P.ABohl;
    }
    BPfalsTBW();
    if (P.Wandart == 1 && P.Wandfuss == 3) P.Wandfuss = 2;
    Bemessung::subEBreite();
    zormcom::AushubSpeichern(P.AushNr);
    Seite::KetteEnde(2, true);
}
