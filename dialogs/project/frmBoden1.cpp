#include "dialogs/project/frmBoden1.h"

#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "windows/window_routines.h"

using zorm1::P;

namespace {

const char* const kZeilen[] = {
    "Schichthöhe               (m)", "Innere Reibung            (°)", "Wandreib. aktiv  (+)     (°)",
    "Kohäsion aktiv   (kN/m2)",      "gamma feucht    (kN/m3)",       "gamma Auftrieb ( kN/m3)",
    "Wand  E*I/m  (MNm2/m)",         "Kohäsion passiv (kN/m2)",       "Wandreib. passiv  (--)   (°)"};
const char* const kZeilenNamen[] = {"lblSchichthoehe", "lblPhi",     "lblWandreibung",
                                    "lblCohAkt",       "lblGammaf",  "lblGammaa",
                                    "lblWandsteif",    "lblCohPass", "lblWandRpassiv"};

// Focus onto a box after a help box.
void Danach(vb::Control& c) {
    Seite::FokusZurueck(c);
}

} // namespace

float& frmBoden1::Feld(int16_t zeile, int16_t s) {
    switch (zeile) {
    case 0:
        return P.SchichtDicke[s];
    case 1:
        return P.SchichtPhi[s];
    case 2:
        return P.SchichtDeltaA[s];
    case 3:
        return P.SchichtCa[s];
    case 4:
        return P.SchichtGamma[s];
    case 5:
        return P.SchichtGammaAuftrieb[s];
    case 6:
        return P.SchichtEI[s];
    case 7:
        return P.SchichtCp[s];
    default:
        return P.SchichtDeltaP[s];
    }
}

frmBoden1::frmBoden1() : vb::Form("frmBoden1") {
    setCaption("Bodenschichten");
    Resizable = false;
    const float W = 12600;

    fraErdZusatzangaben.Move(120, 60, W - 240, 2700);
    struct Box {
        vb::TextBox* box;
        vb::Label* lbl;
        const char* text;
        vb::Label* unter;
        const char* untertext;
    } boxen[] = {
        {&txtDeltaZF, &lblDeltaBlum,
         "(°)   Reibungswinkel Aktivseite am Wandfuß für C-Kraft bei Einspannung nach Blum ( + , - ).     ",
         &Label5, "(beeinflusst Summe V; Eingabe MaxWert)"},
        {&txtPhiCaq, &lblPhiCaq,
         "(°)   Berechnung des Erdwiderstandes nach Caquot-Kérisel bei phi  GRÖSSER  als angegeben.", &Label6,
         "(gekrümmte Gleitflächen)"},
        {&txtRuheProz, &lblRuheProz,
         "(%) Ruhedruck-Anteil aus Bodengewicht  +  großflächigen Lasten.                          (%)",
         nullptr, nullptr},
        {&txtMinEah, &lblMinEah,
         "Mindest-Erdruckbeiwert bei bindigen Böden  (0.20 ; 0.15 ; siehe EAB, EB4 ). ", nullptr, nullptr}};
    float y = 200;
    for (auto& b : boxen) {
        b.box->MaxLength = 6;
        b.box->Move(120, y, 800, 285);
        b.lbl->setCaption(b.text);
        b.lbl->Move(1020, y + 30, 8000, 240);
        y += 320;
        if (b.unter) {
            b.unter->setCaption(b.untertext);
            b.unter->Move(1400, y - 20, 6000, 240);
            y += 260;
        }
    }
    cmdHinweis.setCaption("Hinweis zeigen");
    cmdHinweis.Move(9200, y - 340, 1700, 330);
    Frame1.setCaption("Bodenwichte aushubseitig ");
    Frame1.Move(120, y + 40, 6000, 560);
    optSonderfall.add(0, &Frame1).setCaption("wie erdseitig ");
    optSonderfall(0).Move(120, 220, 2400, 270);
    optSonderfall.add(1, &Frame1).setCaption("gesonderte Eingabe");
    optSonderfall(1).Move(2800, 220, 2600, 270);
    optSonderfall(0).setValue(true);

    fraSchichtvorlauftext.Move(120, 2820, W - 240, 1100);
    lblText.add(0, &fraSchichtvorlauftext)
        .setCaption(
            "Eingabe der Erdschichten von oben nach unten. Die 1. Schicht beginnt in Höhe des Wandkopfs bei "
            "z = 0.00.");
    lblText(0).Move(120, 160, 8600, 240);
    lblText.add(1, &fraSchichtvorlauftext)
        .setCaption("Böschungen zählen nicht als Schicht; sie werden gesondert eingegeben.");
    lblText(1).Move(120, 420, 8600, 240);
    lblAnzErd.setCaption("Anzahl der Erdschichten  ( 1 .... 8) ");
    lblAnzErd.Move(120, 720, 3600, 240);
    txtAnzErd.Move(3800, 690, 700, 285);
    const char* skizze[] = {"z = 0.00", "z > 0.00", "1. Schicht"};
    for (int16_t i = 0; i < 3; ++i) {
        lblText.add(int16_t(2 + i), &fraSchichtvorlauftext).setCaption(skizze[i]);
        lblText(int16_t(2 + i)).Move(9000 + 1100 * (i == 2), 160 + 300 * i - 300 * (i == 2), 1200, 240);
    }

    fraErdschichten.Move(120, 3980, W - 240, 3880);
    lblErdschicht.add(0, &fraErdschichten).setCaption("Erdschicht              Nr. ");
    lblErdschicht(0).Move(120, 200, 2600, 240);
    lblErdschicht.add(1, &fraErdschichten).setCaption("");
    lblErdschicht(1).Move(2800, 200, 10, 10);
    lblErdschicht(1).setVisible(false);
    for (int16_t s = 1; s <= MaxSchichten; ++s) {
        lblNr.add(s, &fraErdschichten).setCaption(vb::StrPlain(s));
        lblNr(s).Move(2800 + 860 * (s - 1), 200, 800, 240);
        lblNr(s).Alignment = vb::vbCenter;
    }
    for (int16_t z = 0; z < Zeilen; ++z) {
        lblZeile.add(z, &fraErdschichten).setCaption(kZeilen[z]);
        lblZeile(z).Tag = kZeilenNamen[z];
        lblZeile(z).Move(120, 500 + 330 * z, 2600, 240);
        for (int16_t s = 0; s < MaxSchichten; ++s) {
            vb::TextBox& t = txtDH.add(int16_t(8 * z + s), &fraErdschichten);
            t.MaxLength = 6;
            t.Move(2800 + 860 * s, 470 + 330 * z, 800, 285);
        }
    }
    cmdHinweis3.setCaption("Hinweis zeigen");
    cmdHinweis3.Move(9800, 470 + 330 * 4, 1700, 330);
    cmdHinweis4.setCaption("Hinweis zeigen");
    cmdHinweis4.Move(9800, 470 + 330 * 6, 1700, 330);
    cmdHinweis2.setCaption("Hinweis zeigen");
    cmdHinweis2.Move(9800, 470 + 330 * 9, 1700, 330);
    cmdOK.setCaption("OK");
    cmdOK.Move(W - 1920, 7940, 1800, 500);
    setClientSize(W, 8540);

    // Handlers.
    Seite::Zahlbox(txtDeltaZF, P.DeltaZF, [this] {
        if (P.DeltaZF < -45.0f) txtDeltaZF.setText("-45");
        if (P.DeltaZF > 15.0f) txtDeltaZF.setText("15");
        P.DeltaZF = vb::ValSingle(txtDeltaZF.Text());
    });
    Seite::Zahlbox(txtPhiCaq, P.PhiCaq);
    Seite::Zahlbox(txtRuheProz, P.RuheProz, [this] {
        if (P.RuheProz > 100.0f) {
            txtRuheProz.setText("100");
            P.RuheProz = 100.0f;
        }
    });
    Seite::Zahlbox(txtMinEah, P.MinEah);
    Seite::Zahlbox(txtAnzErd, P.AnzErd, [this] { txtAnzErd_LostFocus(); });
    for (int16_t i : txtDH.indices()) {
        vb::TextBox* t = &txtDH(i);
        Seite::Zahlbox(*t, [this, i](const std::string&) { txtDH_LostFocus(i); });
        auto alle = t->GotFocus;
        t->GotFocus = [this, i, alle] {
            txtDH_GotFocus(i);
            alle();
        };
    }
    optSonderfall.onClick([this](int16_t i) { optSonderfall_Click(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdHinweis.Click = [this] {
        std::string text = "Wenn Sie nach dem Wortlaut der EAB (EB 4, Punkt 3) rechnen wollen,\r\n"
                           "müssen Sie bei BINDIGEN Böden 2 x rechnen:\r\n\r"
                           "    a. mit den gegebenen Bodenkennwerten phi und der Kohäsion,\r\n"
                           "        aber OHNE Mindesterddruckbeiwert (0.00 eingeben). \r\n"
                           "    b. mit Eingabe des geforderten Mindesterddruckbeiwertes\r\n"
                           "        res.k=...in den kohäsiven Schichten, jedoch OHNE Kohäsion.\r\n"
                           "        Dies geschieht im nächsten Fenster unter ´Beiwerte gegeben´.\r\n\r";
        if (P.TeilsicherheitenAn != 0)
            text += "        0.178 === 40°, 0.140 === 45° mit deltaa = phi * 2/3.\r\n\r";
        text += "Weil im Programm immer nur einzelne Zustände gerechnet werden,\r\n"
                "lassen sich beide Systeme in einem Lauf nur in der im Handbuch unter\r\n"
                "Punkt 13.2 beschriebenen Form verwirklichen:\r\n"
                "    zunächst wird der Erddruck unter Mitwirkung der Kohäsion für Erd-\r\n"
                "    gewicht (incl. großfl. Lasten) und für begrenzte Auflasten aufge-\r\n"
                "    baut. Danach wird der Erddruckverlauf aus Bodengewicht an allen\r\n"
                "    Punkten überprüft. Wenn er kleiner ist als der Mindesterddruck,\r\n"
                "    wird er durch den Mindesterddruck an dieser Stelle ersetzt.\r\n";
        vb::MsgBox(text, vb::vbInformation, "Mindest-Erddruck nach EAB, EB4");
        Danach(txtMinEah);
    };
    cmdHinweis4.Click = [this] {
        vb::MsgBox("Durch Eingabe von kleinen Steifigkeiten lassen \r\nsich keine Gelenke simulieren. "
                   "Lediglich die\r\n"
                   "Verformungen werden größer; M und Q bleiben.\r\n",
                   vb::vbInformation, "Kein Gelenk!");
        Danach(txtDH(64));
    };
    cmdHinweis2.Click = [this] {
        vb::MsgBox("Der Wandreibungswinkel ist immer für eine durchgehende Wand\r\n"
                   "einzugeben, z.B. Spundwand. Der Wandreibungswinkel bei \r\n"
                   "Trägerbohlwänden wird programmintern beachtet:\r\n"
                   "deltap = -27,5° bei phi >= 30°, sonst deltap = -(phi - 2,5°).\r\n",
                   vb::vbInformation);
        Danach(txtDH(64));
    };
    cmdHinweis3.Click = [this] {
        vb::MsgBox("Durch Eingabe von genau 0.0 bei gamma ( 2*) können\r\n"
                   "0-Schichten definiert werden. Die oberen 0-Schichten\r\n"
                   "werden bei den Umlagerungsfiguren 2 (Rechteck) und\r\n"
                   "7 (Trapez EAU) beachtet.     NUR bei 0.0 kN/m3 !!!\r\n",
                   vb::vbInformation, "Leer-Schichten");
        Danach(txtDH(64));
    };
}

void frmBoden1::Form_Load() {
    if (P.TeilsicherheitenAn != 0)
        lblMinEah.setCaption("Mindest-Erddruckbeiwert bei bindigen Böden (0.178; 0.140; siehe EAB, EB4)");
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmBoden1::Form_Activate() {
    cmdOK.setEnabled(true);
}

void frmBoden1::WerteZeigen() {
    // The four defaults of a new project, set once: a later opening keeps what the user typed.
    if (P.DatenGelesen == 0 && P.DeltaZF == 0.0f && P.PhiCaq == 0.0f && P.RuheProz == 0.0f &&
        P.MinEah == 0.0f) {
        P.DeltaZF = 10.0f;
        P.PhiCaq = 30.0f;
        P.RuheProz = 0.0f;
        P.MinEah = P.TeilsicherheitenAn != 0 ? 0.178f : 0.2f;
    }
    txtRuheProz.setEnabled(true);
    if (P.Erddruckart == 2) {
        P.RuheProz = 100.0f;
        txtRuheProz.setEnabled(false);
    }
    txtDeltaZF.setText(Seite::Zahl(P.DeltaZF));
    txtPhiCaq.setText(Seite::Zahl(P.PhiCaq));
    txtRuheProz.setText(Seite::Zahl(P.RuheProz));
    txtMinEah.setText(Seite::Zahl(P.MinEah));
    const int16_t n = P.AnzErd < 0 ? 0 : (P.AnzErd > MaxSchichten ? MaxSchichten : P.AnzErd);
    if (P.SchichtDicke[1] > 0.0f) {
        txtAnzErd.setText(vb::StrPlain(P.AnzErd));
        for (int16_t s = 1; s <= n; ++s)
            for (int16_t z = 0; z < Zeilen; ++z)
                txtDH(int16_t(8 * z + s - 1)).setText(Seite::Zahl(Feld(z, s)));
    }
    Leeren();
    if (P.AnzErd == 0)
        for (int16_t s = 1; s <= MaxSchichten; ++s)
            txtDH(int16_t(48 + s - 1)).setText(Seite::Zahl(P.SchichtEI[s]));
    for (int16_t s = 1; s <= n; ++s)
        if (P.SchichtGammaAush[s] != P.SchichtGamma[s] ||
            P.SchichtGammaAuftriebAush[s] != P.SchichtGammaAuftrieb[s])
            optSonderfall(1).setValue(true);
}

void frmBoden1::Leeren() {
    const int16_t von = P.AnzErd < 0 ? 1 : P.AnzErd + 1;
    for (int16_t s = von; s <= MaxSchichten; ++s)
        for (int16_t z = 0; z < Zeilen; ++z) {
            vb::TextBox& t = txtDH(int16_t(8 * z + s - 1));
            t.setText("");
            t.setEnabled(false);
        }
}

void frmBoden1::txtAnzErd_LostFocus() {
    bool korrigiert = false;
    if (P.AnzErd > MaxSchichten) {
        P.AnzErd = MaxSchichten;
        korrigiert = true;
    } else if (P.AnzErd < 1) {
        P.AnzErd = 1;
        korrigiert = true;
    }
    if (korrigiert) txtAnzErd.setText(vb::StrPlain(P.AnzErd));
    for (int16_t i : txtDH.indices())
        txtDH(i).setEnabled(true);
    Leeren();
    Seite::FokusZurueck(txtDH(0));
}

void frmBoden1::txtDH_GotFocus(int16_t Index) {
    if (Index >= 49 && Index <= 55 && vb::ValSingle(txtDH(Index).Text()) == 0.0f)
        txtDH(Index).setText(txtDH(int16_t(Index - 1)).Text());
}

void frmBoden1::txtDH_LostFocus(int16_t Index) {
    if (Index < 0 || Index > 71) return;
    vb::TextBox& t = txtDH(Index);
    const auto v = Seite::ZahlLesen(t.Text());
    float& feld = Feld(int16_t(Index / 8), int16_t(Index % 8 + 1));
    if (!v) {
        vb::Beep();
        t.setText(Seite::Zahl(feld));
        Seite::FokusZurueck(t);
        return;
    }
    feld = *v;
}

void frmBoden1::SchichtenPruefen() {
    const int16_t n = P.AnzErd > MaxSchichten ? MaxSchichten : P.AnzErd;
    for (int16_t i = 1; i <= n; ++i) {
        if (P.SchichtDicke[i] <= 0.0f) P.SchichtDicke[i] = 0.01f;
        float& phi = P.SchichtPhi[i];
        if (phi > 50.0f) phi = 50.0f;
        if (phi <= 0.0f) phi = 0.001f;
        float a = 2.0f * phi / 3.0f;
        if (a < 1.0f) a = 0.0f;
        if (P.SchichtDeltaA[i] > a) P.SchichtDeltaA[i] = a;
        float p = phi;
        if (phi < 1.0f) p = 0.0f;
        const float f = p <= P.PhiCaq ? 2.0f / 3.0f : 0.99999f;
        float& dp = P.SchichtDeltaP[i];
        if (dp < 0.0f) {
            if (dp < -f * p) dp = -f * p;
        } else if (dp > 2.0f * p / 3.0f) {
            dp = 2.0f * p / 3.0f;
        }
    }
    if (n >= 1) P.SchichtDicke[n] = 99.0f;
}

void frmBoden1::optSonderfall_Click(int16_t Index) {
    if (Index != 0) return;
    const int16_t n = P.AnzErd > MaxSchichten ? MaxSchichten : P.AnzErd;
    for (int16_t i = 1; i <= n; ++i) {
        P.SchichtGammaAush[i] = P.SchichtGamma[i];
        P.SchichtGammaAuftriebAush[i] = P.SchichtGammaAuftrieb[i];
    }
}

void frmBoden1::cmdOK_Click() {
    SchichtenPruefen();
    Seite::AuswahlNummer(4, P.AnzErd);
    cmdOK.setEnabled(false);
    if (optSonderfall(1).Value()) {
        if (vb::IsRegistered("frmBoden1a")) Seite::Weiter("frmBoden1a");
    } else {
        optSonderfall_Click(0);
        if (vb::IsRegistered("frmBoden2")) Seite::Weiter("frmBoden2");
    }
}
