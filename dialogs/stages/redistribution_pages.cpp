#include "dialogs/stages/redistribution_pages.h"

#include <algorithm>

#include "dialogs/project/page.h"
#include "dialogs/stages/stage_page.h"
#include "earthpressure/stage_a.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "statics/redistribution.h"

using Seite::Wert;
using Stufenseite::Nummer;
using Stufenseite::Stufe;
using zorm1::P;

namespace {

bool IstFigur(int16_t k) {
    return k == 0 || k == 1 || k == 2 || (k >= 4 && k <= 8);
}

// The knee-point boxes of figures 4 and 5 (and of the at-rest reduction): they correct their text only.
void KnickZ1(vb::TextBox& z1) {
    const float v = Wert(z1);
    if (v <= 0.01f) z1.setText("0.01");
    if (v > P.zAush) z1.setText(Seite::Zahl(P.zAush));
}
void KnickZ2(const vb::TextBox& z1, vb::TextBox& z2) {
    const float v = Wert(z2);
    if (v > P.zAush) z2.setText(Seite::Zahl(P.zAush));
    if (Wert(z1) > v) z2.setText(z1.Text());
}
void KnickEps(vb::TextBox& eps) {
    eps.setText(Seite::ZahlMitBlank(std::clamp(Wert(eps), 0.0f, 1.0f)));
}

void Knickpunkte(vb::TextBox& z1, vb::TextBox& z2, vb::TextBox& eps) {
    Seite::Zahlbox(z1, [&z1](const std::string&) { KnickZ1(z1); });
    Seite::Zahlbox(z2, [&z1, &z2](const std::string&) { KnickZ2(z1, z2); });
    Seite::Zahlbox(eps, [&eps](const std::string&) { KnickEps(eps); });
}

void KnickLabels(vb::ControlArray<vb::Label>& l, vb::Frame& f, vb::TextBox& z1, vb::TextBox& z2,
                 vb::TextBox& eps) {
    const char* const texte[] = {"Kote z1", "Kote z2", "eps ( 0 ....1 ) "};
    vb::TextBox* boxen[] = {&z1, &z2, &eps};
    for (int16_t i = 0; i < 3; ++i) {
        l.add(i, &f).setCaption(texte[i]);
        l(i).Move(120, 330 + 360 * i, 1800, 240);
        boxen[i]->Move(2000, 300 + 360 * i, 900, 285);
    }
}

} // namespace

// ------------------------------------------------------------------------------------------ frmAushub3
frmAushub3::frmAushub3()
    : vb::Form("frmAushub3"),
      tabelle(
          Tabelle::Art::Figur6, Frame6, txtZ6, txtE6, [](int16_t i) -> float& { return P.Fig6Z(Stufe(), i); },
          [](int16_t i) -> float& { return P.Fig6Verh(Stufe(), i); }, [] { return P.AnzFigur6Aush[Stufe()]; },
          [](int16_t n) { P.AnzFigur6Aush[Stufe()] = n; }) {
    setCaption("Umlagerungsfigur");
    Resizable = false;
    const float W = 14400;
    Nummer(lblAushNr, txtAushNr);

    Frame1.setCaption("Erddruck-Umlagerungsfigur:");
    Frame1.Move(120, 540, 6840, 5300);
    const struct {
        int16_t k;
        const char* text;
    } figuren[] = {{0, "0  keine Umlagerung"},
                   {1, "1  Dreieck  bzw. Trapez "},
                   {2, "2  Rechteck"},
                   {4, "4  Trapez-Blöcke  s. u."},
                   {5, "5  Rechteck-Blöcke  s. u."},
                   {6, "6  beliebige Figur  "},
                   {7, "7  EAU-2004, E215, E77; Trapez bis zAushub ...."},
                   {8, "8  EAB-2006, EB 70: volle Wand bis zAushub umlag."}};
    float y = 300;
    for (const auto& f : figuren) {
        optUmFigur.add(f.k, &Frame1).setCaption(f.text);
        optUmFigur(f.k).Move(120, y, 6500, 285);
        y += 360;
    }
    Frame8.setCaption("Herstellverfahren für Figur 7:");
    Frame8.Move(600, y + 60, 4200, 1000);
    OptHerstell.add(0, &Frame8).setCaption("abgegrabene Wand");
    OptHerstell(0).Move(120, 270, 3900, 285);
    OptHerstell.add(1, &Frame8).setCaption("hinterfüllte Wand");
    OptHerstell(1).Move(120, 600, 3900, 285);
    Label5.setCaption(
        "TBW: Ermittlung von z1, z2, eps nach EB 69; danach wird entspr. umgeschaltet auf 4 bzw. 5.");
    Label5.Move(120, y + 1160, 6500, 480);

    Frame4.setCaption("Welchen Erddruck umlagern ?");
    Frame4.Move(7080, 540, W - 7200, 1900);
    txtEFaktor.Move(120, 300, 840, 285);
    txtEFaktor.setText("1.00");
    lblEFaktor.setCaption("Faktor (i.a. 1.0) für umgelagerten Erddruck");
    lblEFaktor.Move(1080, 330, 4400, 240);
    lblESum.setCaption("= ESum * Faktor");
    lblESum.Move(5500, 330, 1600, 240);
    optUmArt.add(0, &Frame4).setCaption("aus Bodengewicht und großflächigen Lasten");
    optUmArt(0).Move(120, 840, 6800, 285);
    optUmArt.add(1, &Frame4).setCaption("aus Bodengewicht und   ALLEN   Auflasten");
    optUmArt(1).Move(120, 1200, 6800, 285);

    Frame5.setCaption("Knickpunkte der Figuren        4       und      5 :");
    Frame5.Move(7080, 2560, W - 7200, 1450);
    KnickLabels(Label7, Frame5, txtKotez1, txtKotez2, txtFigureps);

    Frame6.setCaption("selbst definierte Umlagerungsfigur 6:");
    Frame6.Move(7080, 4130, W - 7200, 5550);
    txtzESum.Move(120, 300, 840, 285);
    txtzESum.setText("99"); // the wall foot unless the figure says otherwise
    Label6.add(0, &Frame6)
        .setCaption("= ze1;        Erddruck von z=0.00 bis zur Kote ze1 summieren und affin zur folgenden "
                    "Figur umlagern.  "
                    "ze1 = 99 : Kennzahl für die Kote des Wandfußes.");
    Label6(0).Move(1080, 300, W - 8500, 720);
    Label6.add(1, &Frame6).setCaption("  Kote z(m)   Verhältniswert des umgelagerten Erddrucks");
    Label6(1).Move(120, 1080, 5000, 240);
    tabelle.ZellenAnlegen(120, 1350, 1200, 150, 270);
    for (int16_t i = 1; i <= 15; ++i) {
        txtZ6(i).setHeight(255);
        txtE6(i).setHeight(255);
    }
    txtEps6.Move(3000, 1350, 840, 285);
    Label6.add(2, &Frame6).setCaption("eps an UK Wand für den angehängten Erddruck");
    Label6(2).Move(3960, 1380, W - 11280, 480);
    Label6.add(3, &Frame6)
        .setCaption("Eingabe von z=0.00 bis zur Kote ze2; der dortige Erddruck wird bis zum "
                    "Wandfuß  verlängert ( Faktor eps ).");
    Label6(3).Move(3000, 2000, W - 10320, 960);

    cmdOK.setCaption("OK");
    cmdOK.Move(5040, 9180, 1800, 500);
    setClientSize(W, 9800);

    Seite::Tastenfilter(txtEFaktor);
    Seite::Tastenfilter(txtzESum);
    Seite::Zahlbox(txtKotez1, [this](const std::string&) { txtKotez1_LostFocus(); });
    Seite::Zahlbox(txtKotez2, [this](const std::string&) { txtKotez2_LostFocus(); });
    Seite::Zahlbox(txtFigureps, [this](const std::string&) { txtFigureps_LostFocus(); });
    Seite::Zahlbox(txtEps6, [this](const std::string&) { txtEps6_LostFocus(); });
    tabelle.nachEndeFigur6 = [this] { Seite::FokusZurueck(txtEps6); };
    optUmFigur.onClick([this](int16_t i) { FigurWahl(i); });
    optUmFigur.onKeyPress([this](int16_t i, int16_t&) { FigurWahl(i); });
    optUmArt.onClick([this](int16_t i) { UmArtSetzen(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAushub3::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmAushub3::kzUmlagern() {
    const int16_t s = Stufe();
    switch (P.UmFigur) {
    case 0:
        P.UmZeit[s] = 0;
        break;
    case 6:
        P.UmZeit[s] = P.kzUeb[s] != 0 ? 1 : 2;
        break;
    case 7:
    case 8:
        P.UmZeit[s] = P.kzUeb[s] != 0 ? 3 : 4;
        break;
    default:
        break;
    }
}

void frmAushub3::UmArtSetzen(int16_t index) {
    P.UmArt[Stufe()] = index;
}

void frmAushub3::WerteZeigen() {
    const int16_t s = Stufe();
    if (P.AnzAnker == 0 && (P.WandKopf == 1 || P.WandKopf == 4)) {
        for (int16_t k : {1, 2, 4, 5, 6, 7, 8})
            optUmFigur(k).setEnabled(false);
        Label5.setEnabled(false);
        Frame8.setEnabled(false);
        Frame4.setEnabled(false);
        OptHerstell(0).setEnabled(false);
        OptHerstell(1).setEnabled(false);
        optUmArt(0).setEnabled(false);
        optUmArt(1).setEnabled(false);
        txtEFaktor.setEnabled(false);
        lblEFaktor.setEnabled(false);
        P.UmFigur = 0;
    }
    if (P.Wandart == 1) {
        optUmFigur(6).setEnabled(false);
        optUmFigur(7).setEnabled(false);
        Frame8.setEnabled(false);
        OptHerstell(0).setEnabled(false);
        OptHerstell(1).setEnabled(false);
        if (P.UmFigur == 6 || P.UmFigur == 7) P.UmFigur = 0;
    }
    txtAushNr.setText(vb::Str(P.AushNr));
    if (!IstFigur(P.UmFigur)) P.UmFigur = 0; // figure 3 (and any number without an option)
    if (P.UmFigur > 0) {
        if (P.EFaktor < 0.1f) P.EFaktor = 1.0f;
        txtEFaktor.setText(Seite::Zahl(P.EFaktor));
    }
    if (P.UmFigur == 4 || P.UmFigur == 5) {
        txtKotez1.setText(Seite::Zahl(P.UmZ1));
        txtKotez2.setText(Seite::Zahl(P.UmZ2));
        txtFigureps.setText(Seite::Zahl(P.EpsUml));
    }
    tabelle.LetzteZeile = tabelle.Anzahl();
    if (tabelle.LetzteZeile < 1) {
        Frame6.setEnabled(false);
    } else {
        Frame6.setEnabled(true);
        txtzESum.setText(Seite::Zahl(P.Ze1Fig6Aush[s]));
        txtEps6.setText(Seite::Zahl(P.EpsFuss6Aush[s]));
    }
    tabelle.ZeilenZeigen();
    FigurWahl(P.UmFigur);
    optUmFigur(P.UmFigur).setValue(true);
    if (optUmFigur(P.UmFigur).canTakeFocusNow()) optUmFigur(P.UmFigur).SetFocus();
    const int16_t art = P.UmArt[s] == 1 ? 1 : 0;
    optUmArt(art).setValue(true);
}

void frmAushub3::FigurWahl(int16_t k) {
    P.UmFigur = k;
    if (k != 7) {
        OptHerstell(0).setValue(false);
        OptHerstell(1).setValue(false);
    }
    auto rahmen = [this](bool f4, bool f5, bool f6) {
        Frame4.setEnabled(f4);
        Frame5.setEnabled(f5);
        Frame6.setEnabled(f6);
    };
    switch (k) {
    case 0:
        rahmen(false, false, false);
        break;
    case 1:
    case 2:
        rahmen(true, false, false);
        break;
    case 4:
    case 5:
        rahmen(true, true, false);
        break;
    case 6:
        rahmen(true, false, true);
        break;
    case 7:
        rahmen(true, false, false);
        OptHerstell(P.Herstellart.empty() ? 0 : 1).setValue(true);
        break;
    case 8: {
        rahmen(true, false, false);
        float z1 = P.UmZ1, z2 = P.UmZ2, eps = P.EpsUml;
        zormcom::UmlagerungEB69(z1, z2, eps, P.FigurEB69);
        txtKotez1.setText(Seite::ZahlMitBlank(z1));
        txtKotez2.setText(Seite::ZahlMitBlank(z2));
        txtFigureps.setText(Seite::ZahlMitBlank(eps));
        break;
    }
    default:
        break;
    }
}

// The knee points correct their text only; OK reads them.
void frmAushub3::txtKotez1_LostFocus() {
    KnickZ1(txtKotez1);
}

void frmAushub3::txtKotez2_LostFocus() {
    KnickZ2(txtKotez1, txtKotez2);
}

void frmAushub3::txtFigureps_LostFocus() {
    KnickEps(txtFigureps);
}

void frmAushub3::txtEps6_LostFocus() {
    const float v = std::clamp(Wert(txtEps6), 0.0f, 1.0f);
    txtEps6.setText(Seite::ZahlMitBlank(v));
    P.EpsFuss6Aush[Stufe()] = v;
}

void frmAushub3::cmdOK_Click() {
    const int16_t s = Stufe();
    if (P.AnzAnker == 0 && P.WandKopf != 2 && P.WandKopf != 3) P.UmFigur = 0;
    if (P.Wandart == 1 && (P.UmFigur == 6 || P.UmFigur == 7)) P.UmFigur = 0;
    if (!IstFigur(P.UmFigur)) P.UmFigur = 0;
    if (P.UmFigur == 8 && P.Wandart == 1 && (P.FigurEB69 == 4 || P.FigurEB69 == 5)) {
        P.UmFigur = P.FigurEB69;
        optUmFigur(P.UmFigur).setValue(true);
        Seite::FokusZurueck(optUmFigur(P.UmFigur));
    }
    if (!optUmFigur(P.UmFigur).Value()) optUmFigur(P.UmFigur).setValue(true);
    P.EFaktor = Wert(txtEFaktor);
    if (P.EFaktor < 0.1f) P.EFaktor = 1.0f;
    P.UmZ1 = Wert(txtKotez1);
    P.UmZ2 = Wert(txtKotez2);
    P.EpsUml = Wert(txtFigureps);
    P.Ze1Fig6Aush[s] = Wert(txtzESum);
    P.EpsFuss6Aush[s] = Wert(txtEps6);
    if (P.UmFigur != 6) P.AnzFigur6Aush[s] = 0;
    if (P.Wandart == 1) P.UmZeit[s] = 0;
    P.Herstellart = OptHerstell(0).Value() ? "" : "hinterfuellt";
    if (P.Wandtyp == 1 || P.Wandtyp == 5) {
        Seite::Weiter("frmAushub6");
    } else {
        kzUmlagern();
        Seite::Weiter("frmAushub4");
    }
    zormcom::AushubSpeichern(P.AushNr);
    cmdOK.setEnabled(false);
}

// ------------------------------------------------------------------------------------------ frmAushub3b
frmAushub3b::frmAushub3b() : vb::Form("frmAushub3b") {
    setCaption("Reduktionsfigur");
    Resizable = false;
    const float W = 9600;
    Nummer(lblAushNr, txtAushNr);
    Frame1.setCaption("Ruhedruck-Reduktion:");
    Frame1.Move(120, 540, W - 240, 2700);
    const char* const figuren[] = {"0  keine Reduktion", "1  eps * e1 am Wandfuß",
                                   "2  eps * e1 in Aushubsohle"};
    for (int16_t i = 0; i < 3; ++i) {
        optRedFigur.add(i, &Frame1).setCaption(figuren[i]);
        optRedFigur(i).Move(120, 300 + 360 * i, 4000, 285);
    }
    const char* const notizen[] = {
        "Figur 1: Reduktion des Ruhedrucks  aus Bodengewicht und großflächigen  Lasten.",
        "Figur 2: Reduktion aus allen Anteilen.", "2 ( Ausnahmefall)"};
    Label1.add(0, &Frame1).setCaption(notizen[0]);
    Label1(0).Move(120, 1500, W - 480, 240);
    Label1.add(1, &Frame1).setCaption(notizen[1]);
    Label1(1).Move(120, 1800, W - 480, 240);
    Label1.add(2, &Frame1).setCaption(notizen[2]);
    Label1(2).Move(4300, 1020, 3000, 240);

    Frame5.setCaption("Knickpunkte der Reduktionsfiguren  1 und  2 :");
    Frame5.Move(120, 3360, 4800, 1450);
    KnickLabels(Label7, Frame5, txtKotez1, txtKotez2, txtFigureps);
    Label2.setCaption("Bei 1: z1 = ca. 0.7 * zAush = ");
    Label2.Move(5100, 3660, 2900, 240);
    Text1.Move(8040, 3630, 900, 285);
    Text1.Locked = true;
    Text1.TabStop = false;
    lblZAush.setCaption("zAush = ");
    lblZAush.Move(5100, 4020, 2900, 240);
    Text2.Move(8040, 3990, 900, 285);
    Text2.Locked = true;
    Text2.TabStop = false;
    Label4.setCaption("Eigaben z1, z2, eps erford. !!");
    Label4.Move(5100, 4380, 3800, 240);

    cmdOK.setCaption("OK");
    cmdOK.Move(W - 1920, 4980, 1800, 500);
    setClientSize(W, 5600);
    Knickpunkte(txtKotez1, txtKotez2, txtFigureps);
    optRedFigur.onClick([this](int16_t i) { check(i); });
    optRedFigur.onLostFocus([this](int16_t i) {
        if (optRedFigur(i).Value()) check(i);
    });
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAushub3b::Form_Load() {
    Text1.setText(vb::Format(0.7f * P.zAush, "0.00"));
    Text2.setText(vb::Format(P.zAush, "0.00"));
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmAushub3b::WerteZeigen() {
    if (P.UmFigur > 2 || P.UmFigur < 0) P.UmFigur = 0;
    txtAushNr.setText(vb::Str(P.AushNr));
    const int16_t k = P.UmFigur;
    optRedFigur(k).setValue(true);
    if (optRedFigur(k).canTakeFocusNow()) optRedFigur(k).SetFocus();
    if (k != 0) {
        txtKotez1.setText(Seite::ZahlMitBlank(P.UmZ1));
        txtKotez2.setText(Seite::ZahlMitBlank(P.UmZ2));
        txtFigureps.setText(Seite::ZahlMitBlank(P.EpsUml));
    }
    check(k);
}

void frmAushub3b::check(int16_t index) {
    P.UmFigur = index;
    const bool an = index != 0;
    Frame5.setEnabled(an);
    txtKotez1.setEnabled(an);
    txtKotez2.setEnabled(an);
    txtFigureps.setEnabled(an);
    Text1.setVisible(an);
    Label2.setVisible(an);
    Label4.setVisible(an);
}

void frmAushub3b::cmdOK_Click() {
    const int16_t s = Stufe();
    if (P.UmFigur != 0) {
        P.UmZ1 = Wert(txtKotez1);
        P.UmZ2 = Wert(txtKotez2);
        P.EpsUml = Wert(txtFigureps);
    } else {
        P.UmZ1 = 0.0f;
        P.UmZ2 = 0.0f;
        P.EpsUml = 0.0f;
    }
    P.UmZeit[s] = 0;
    P.AnzFigur6Aush[s] = 0;
    zormcom::AushubSpeichern(P.AushNr);
    cmdOK.setEnabled(false);
    Seite::Weiter("frmAushub6");
}

// ------------------------------------------------------------------------------------------ frmAushub4
frmAushub4::frmAushub4() : vb::Form("frmAushub4") {
    setCaption("Überlagerung");
    Resizable = false;
    const float W = 14400;
    Nummer(lblAushNr, txtAushNr);

    vb::Frame& prinzip = Frame3.add(0);
    prinzip.setCaption("Prinzip : ");
    prinzip.Move(120, 540, 4200, 2200);
    Label1.add(0, &prinzip).setCaption("Fall  0");
    Label1(0).Move(240, 400, 1500, 240);
    Label1.add(1, &prinzip).setCaption("Fall  1");
    Label1(1).Move(2280, 400, 1500, 240);
    for (int16_t fall = 0; fall <= 1; ++fall) {
        vb::PictureBox& bild = picFall.add(fall, &prinzip);
        bild.Move(fall == 0 ? 240 : 2280, 700, 1700, 1380);
        bild.setBackColor(0xFFFFFF);
        bild.Paint = [this, fall] { PrinzipZeichnen(picFall(fall).surface(), fall); };
    }

    const char* const liste[] = {"  !!!   Überlagerung  ( 0 oder 1 ) ist immer erforderlich:         ",
                                 "-  bei Einspannung nach Blum.", "-  bei % - Einspannung des Wandfußes.",
                                 "-  bei gegebener Fußtiefe ohne Bettung.",
                                 "-  bei Felslagerung des Wandfußes; Bettung ist hierbei nicht möglich."};
    for (int16_t i = 0; i < 5; ++i) {
        Label1.add(int16_t(2 + i)).setCaption(liste[i]);
        Label1(int16_t(2 + i)).Move(4560, 600 + 300 * i, W - 4700, 240);
    }

    vb::Frame& optionen = Frame3.add(1);
    optionen.setCaption("Überlagerung bei den Umlagerungs-Figuren 1, 2, 4,  5 :");
    optionen.Move(120, 2900, W - 240, 2900);
    Label2.add(0, &optionen).setCaption("Überlagern: ");
    Label2(0).Move(120, 300, 2000, 240);
    Label2.add(1, &optionen).setCaption("Nicht überlagern:");
    Label2(1).Move(120, 1980, 2000, 240);
    const char* const zeiten[] = {
        "erst eah mit dem Erdwiderstand überlagern, dann den überlagerten Erddruck bis zum LAST-NULLPUNKT "
        "umlagern .",
        "erst eah bis zum WANDFUSS umlagern, dann den umgelagerten Erddruck mit dem Erdwiderstand "
        "überlagern.",
        "eah bis zum WANDFUSS umlagern, den umgelagerten Erddruck jedoch NICHT mit dem Erdwiderstand "
        "überlagern.",
        "erst eah bis zum AUSHUB  umlagern, dann den umgelagerten Erddruck mit dem Erdwiderstand überlagern.",
        "eah bis zum AUSHUB umlagern, den umgelagerten Erddruck jedoch NICHT mit dem Erdwiderstand "
        "überlagern."};
    const float oben[] = {560, 920, 2240, 1280, 2600};
    for (int16_t i = 0; i < 5; ++i) {
        optUmZeit.add(i, &optionen).setCaption(zeiten[i]);
        optUmZeit(i).Move(1000, oben[i], W - 1400, 285);
    }
    // The markers of the recommended options 2 and 4 (shown with the partial safety factors).
    for (int16_t i = 0; i <= 1; ++i)
        Shape1.add(i, &optionen).Move(920, oben[i == 0 ? 2 : 4] - 30, W - 1300, 330);
    Label2.add(2, &optionen).setCaption("3  neu");
    Label2(2).Move(120, 1300, 800, 240);
    Label2.add(3, &optionen).setCaption("4  neu");
    Label2(3).Move(120, 2620, 800, 240);

    Frame3_2.setCaption(" Überlagerung  bei den Umlagerungs-Figuren 0 , 6 , 7,  8:");
    Frame3_2.Move(120, 5960, 7000, 800);
    chkKzUeb.setCaption("eah mit eph  überlagern ?");
    chkKzUeb.Move(120, 340, 4000, 285);

    Label4.setCaption("2 oder 4  empfohlen; mit Bettung oder Punktlagerung ist das immer möglich.");
    Label4.Move(7300, 6000, W - 7420, 480);
    Label5.setCaption("Punktlagerung ist wegen unrealistischem  Stützmoment nicht zu empfehlen.");
    Label5.Move(7300, 6500, W - 7420, 480);
    for (vb::Control* c : {static_cast<vb::Control*>(&Label4), static_cast<vb::Control*>(&Label5),
                           static_cast<vb::Control*>(&Shape1(0)), static_cast<vb::Control*>(&Shape1(1))})
        c->setVisible(false);

    cmdOK.setCaption("OK");
    cmdOK.Move(W - 1920, 7100, 1800, 500);
    setClientSize(W, 7720);
    optUmZeit.onLostFocus([this](int16_t i) { optUmZeit_LostFocus(i); });
    chkKzUeb.LostFocus = [this] { chkKzUeb_LostFocus(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAushub4::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmAushub4::PrinzipZeichnen(vb::draw::Surface& s, int16_t fall) {
    // x to the earth side, z downward: the wall at x = 0 from the head (z = 5) to the foot (z = 95).
    s.Scale(-50, 0, 50, 100);
    s.Cls();
    s.SetDrawWidth(1);
    s.Line(0, 5, 45, 5);    // the ground on the earth side
    s.Line(-45, 50, 0, 50); // the excavation level
    const double nullpunkt = fall == 0 ? 72 : 95;
    // the redistributed active pressure: a block from the head down to the load zero point (case 0) or
    // to the foot (case 1)
    s.Line(0, 5, fall == 0 ? 28 : 20, nullpunkt, vb::draw::kNoColor, vb::draw::LineKind::Box);
    // the passive resistance: superposed before (case 0: what is left below the load zero point) or after
    // the redistribution (case 1: below the excavation level)
    const double oben = fall == 0 ? nullpunkt : 50;
    s.Line(0, oben, -30, 95);
    s.Line(-30, 95, 0, 95);
    if (fall == 0) s.Line(-6, nullpunkt, 6, nullpunkt); // the load zero point
    s.SetDrawWidth(2);
    s.Line(0, 5, 0, 95); // the wall
}

bool frmAushub4::UeberlagernErforderlich() {
    zorma::BettungsFlagSetzen();
    return P.UeberlagernNoetig != 0;
}

void frmAushub4::UmZeitUeberlagern() {
    const int16_t s = Stufe();
    if (P.UmZeit[s] == 2) {
        P.UmZeit[s] = 1;
        P.kzUeb[s] = 1;
    } else if (P.UmZeit[s] == 4) {
        P.UmZeit[s] = 3;
        P.kzUeb[s] = 1;
    }
}

void frmAushub4::UmZeitAnpassen() {
    const int16_t s = Stufe();
    int16_t& z = P.UmZeit[s];
    if (P.kzUeb[s] == 1) {
        if (z == 2) z = 1;
        if (z == 4) z = 3;
    } else if (P.kzUeb[s] == 0) {
        if (z == 3) z = 4;
        if (z == 1) z = 2;
    }
}

void frmAushub4::WerteZeigen() {
    const int16_t s = Stufe();
    const bool noetig = UeberlagernErforderlich();
    if (P.TeilsicherheitenAn != 0) {
        Label4.setVisible(true);
        Label5.setVisible(true);
        Shape1(0).setVisible(true);
        Shape1(1).setVisible(true);
    }
    txtAushNr.setText(vb::Str(P.AushNr));
    if (noetig) UmZeitUeberlagern();
    const int16_t f = P.UmFigur;
    if (f == 1 || f == 2 || f == 4 || f == 5) {
        Frame3(1).setEnabled(true);
        Frame3(2).setEnabled(false);
        chkKzUeb.setEnabled(false);
        if (noetig) {
            optUmZeit(2).setEnabled(false);
            optUmZeit(4).setEnabled(false);
        }
        if (P.UmZeit[s] >= 0 && P.UmZeit[s] <= 4) {
            optUmZeit(P.UmZeit[s]).setValue(true);
            if (optUmZeit(P.UmZeit[s]).canTakeFocusNow()) optUmZeit(P.UmZeit[s]).SetFocus();
        }
    } else {
        for (int16_t i = 0; i <= 4; ++i)
            optUmZeit(i).setEnabled(false);
        Frame3(1).setEnabled(false);
        for (int16_t i = 0; i <= 3; ++i)
            Label2(i).setEnabled(false);
        Frame3(2).setEnabled(true);
        chkKzUeb.setValue(P.kzUeb[s] == 1 ? vb::vbChecked : vb::vbUnchecked);
        if (chkKzUeb.canTakeFocusNow()) chkKzUeb.SetFocus();
        if (noetig) {
            Frame3(2).setEnabled(false);
            chkKzUeb.setEnabled(false);
        }
    }
}

void frmAushub4::optUmZeit_LostFocus(int16_t Index) {
    if (!optUmZeit(Index).Value()) return; // only the chosen option counts
    const int16_t s = Stufe();
    P.UmZeit[s] = Index;
    P.kzUeb[s] = (Index == 2 || Index == 4) ? 0 : 1;
}

void frmAushub4::chkKzUeb_LostFocus() {
    P.kzUeb[Stufe()] = chkKzUeb.Value() == vb::vbChecked ? 1 : 0;
}

void frmAushub4::cmdOK_Click() {
    frmAushub3::kzUmlagern();
    UmZeitAnpassen();
    zormcom::AushubSpeichern(P.AushNr);
    cmdOK.setEnabled(false);
    Seite::Weiter("frmAushub6");
}
