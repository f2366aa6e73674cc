#include "dialogs/project/frmBTeilSi.h"

#include "design/steel_profile.h"
#include "dialogs/project/design_page.h"
#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "request/safety_factors.h"
#include "windows/window_routines.h"

using zorm1::P;

namespace {

struct Zeile {
    int16_t gz; // sub-frame 0 HYD, 1 STR, 2 GEO-3
    const char* text;
    const char* symbol;
    int16_t box; // the first of its three boxes (BS-P); BS-T and BS-A follow
    const char* werte[3];
    float zorm1::ProjectData::*eigen; // own factor of the BS-T box, nullptr: none
};

// The rows from top to bottom within their sub-frames.
const Zeile kZeilen[] = {
    {0,
     "Stabilisierende ständige Einwirkungen",
     "gamGstb",
     1,
     {"0.95", "0.95", "0.95"},
     &zorm1::ProjectData::gamGstbEig},
    {0,
     "Destabilisierende ständige Einwirkungen",
     "gamGdst",
     4,
     {"1.05", "1.05", "1.00"},
     &zorm1::ProjectData::gamGdstEig},
    {0,
     "Destabilisierende veränderliche Einwirkungen ",
     "gamQdst",
     13,
     {"1.50", "1.30", "1.00"},
     &zorm1::ProjectData::gamQdstEig},
    {0, "Strömungskraft bei günstigem Untergrund", "gamH", 7, {"1.35", "1.30", "1.20"}, nullptr},
    {0,
     "Strömungskraft bei ungünstigem Untergrund",
     "gamH",
     10,
     {"1.80", "1.60", "1.35"},
     &zorm1::ProjectData::gamHEig},
    {1,
     "Ständige Einwirkungen allgemein, Wasserdruck",
     "gamG",
     16,
     {"1.35", "1.20", "1.10"},
     &zorm1::ProjectData::gamGEig},
    {1,
     "Ständige Einwirkungen aus Erdruhedruck",
     "gamE0g",
     19,
     {"1.20", "1.10", "1.00"},
     &zorm1::ProjectData::gamE0gEig},
    {1,
     "Ungünstige veränderliche Einwirkungen",
     "gamQ",
     22,
     {"1.50", "1.30", "1.10"},
     &zorm1::ProjectData::gamQEig},
    {1, "Erdwiderstand", "gamRe", 25, {"1.40", "1.30", "1.20"}, &zorm1::ProjectData::gamReEig},
    {1, "Gleitwiderstand", "gamRh", 28, {"1.10", "1.10", "1.10"}, &zorm1::ProjectData::gamRhEig},
    {2, "Ständige Einwirkungen ", "gamG1C", 31, {"1.00", "1.00", "1.00"}, &zorm1::ProjectData::gamG1CEig},
    {2,
     "Ungünstige veränderliche Einwirkungen",
     "gamQ1C",
     34,
     {"1.30", "1.20", "1.00"},
     &zorm1::ProjectData::gamQ1CEig},
    {2,
     "Reibungsbeiwert tan(phi) des dränierten Bodens",
     "gamPhi",
     37,
     {"1.25", "1.15", "1.10"},
     &zorm1::ProjectData::gamPhiEig},
    {2,
     "Kohäsion C des dränierten Bodens  und   Scherfestigkeit Cu des undränierten Bodens",
     "gamC gamCu",
     40,
     {"1.25", "1.15", "1.10"},
     &zorm1::ProjectData::gamCEig},
};

// The own factor stored from box `index`, or nullptr.
float* EigenerFaktor(int16_t index) {
    for (const Zeile& z : kZeilen)
        if (z.eigen && z.box + 1 == index) return &(P.*z.eigen);
    return nullptr;
}

// Selects an option from code; its Click runs also when it is on already (the page's load relies on it).
void Waehlen(vb::OptionButton& o) {
    if (o.Value())
        o.raise(o.Click);
    else
        o.setValue(true);
}

} // namespace

// ------------------------------------------------------------------------------------------ frmBTeilSi
frmBTeilSi::frmBTeilSi() : vb::Form("frmBTeilSi") {
    setCaption("ZOR : Sicherheiten");
    Resizable = false;
    const float W = 11100;

    optTeilSi.add(1).setCaption("Teil-Sicherh. DIN 1054:2010-12");
    optTeilSi(1).Move(120, 120, 3500, 285);
    optTeilSi.add(0).setCaption("globaler Sicherheit ");
    optTeilSi(0).Move(3900, 120, 2600, 285);
    optTeilSi.add(2).setCaption("eigenen Teil-Sicherheiten");
    optTeilSi(2).Move(6800, 120, 3200, 285);
    optTeilSi(1).setValue(true);

    fraLF123.setCaption("Bemessungssituation (meistens BS-T) nach DIN 1054:2010-12 :");
    fraLF123.Move(120, 480, W - 240, 1420);
    const struct {
        int16_t i;
        const char* text;
        const char* frueher;
    } lf[] = {{1, "BS-P    : \"ständige Bemessungssituation\" ", "(früher LF 1)"},
              {2, "BS-T    : \"vorübergehende Bemessungssituation\" ", "(früher LF 2)"},
              {4, "BS-T/A : \"Sonderfall nach EAB:2006, EB 24, Absatz 4\" ", "(früher LF 2/3)"},
              {3, "BS-A    : \"außergewöhnliche Bemessungssituation\" ", "(früher LF 3)"}};
    float y = 270;
    for (const auto& o : lf) {
        optLF123.add(o.i, &fraLF123).setCaption(o.text);
        optLF123(o.i).Move(240, y, 6800, 260);
        lblLF123.add(o.i, &fraLF123).setCaption(o.frueher);
        lblLF123(o.i).Move(7300, y + 20, 2000, 240);
        y += 280;
    }
    optLF123(2).setValue(true);

    fraAnpass.setCaption("Anpassungsfaktor zur Reduktion der Fußverschiebungen :");
    fraAnpass.Move(120, 1980, W - 240, 800);
    lblAnpass.setCaption("Reduziert den (mobilisierten) charakteristischen Erdwiderstand einer geschlossenen "
                         "Wand (z.B Spundwand)");
    lblAnpass.Move(240, 2220, 6900, 480);
    lblEta.setCaption("eta =");
    lblEta.Move(7400, 2280, 600, 240);
    txtAnpassFaktor.setText("1.00");
    txtAnpassFaktor.Move(8050, 2230, 900, 300);
    lblEtaMax.setCaption("<= 1.00");
    lblEtaMax.Move(9100, 2280, 900, 240);

    fraUntergrund.setCaption("Einstufung für Nachweis des hydraulischen Grundbruchs :");
    fraUntergrund.Move(120, 2860, W - 240, 600);
    optUntergrund.add(0, &fraUntergrund)
        .setCaption("günstiger Untergrund, z.B. Kies, Kiessand, mitteldicht gelagerter Sand ");
    optUntergrund(0).Move(240, 260, 5600, 260);
    optUntergrund.add(1, &fraUntergrund)
        .setCaption("ungünstiger Untergrund, z.B. locker gelagerter Sand .....");
    optUntergrund(1).Move(6000, 260, 4600, 260);
    optUntergrund(1).setValue(true);

    fraBeiwerte.setCaption("Sicherheitsbeiwerte für Grenzzustände nach DIN 1054:2010-12 :");
    const char* gzName[] = {"HYD  (früher GZ 1A)", "STR  (früher GZ 1B)", "GEO-3  (früher GZ 1C)"};
    const int zeilenJe[] = {5, 5, 4};
    const float zeile = 280, kopf = 450;
    float gy = 260;
    for (int16_t g = 0; g < 3; ++g) {
        const float h = kopf + zeile * zeilenJe[g] + (g == 2 ? 200 : 60);
        fraGZ.add(g, &fraBeiwerte).setCaption(gzName[g]);
        fraGZ(g).Move(120, gy, W - 480, h);
        const char* koepfe[] = {"BS-P", "BS-T", "BS-A"};
        for (int16_t k = 0; k < 3; ++k) {
            lblKopf.add(int16_t(3 * g + k), &fraGZ(g)).setCaption(koepfe[k]);
            lblKopf(int16_t(3 * g + k)).Move(6150 + 950 * k, 210, 800, 220);
        }
        lblEigene.add(g, &fraGZ(g)).setCaption("eigene Eingaben");
        lblEigene(g).Move(6950, 0, 1300, 220);
        lblEigene(g).setVisible(false);
        gy += h + 60;
    }
    fraBeiwerte.Move(120, 3540, W - 240, gy + 60);
    float zy[3] = {kopf, kopf, kopf};
    int16_t nr = 1;
    for (const Zeile& z : kZeilen) {
        vb::Frame& fr = fraGZ(z.gz);
        const float hoehe = z.box == 40 ? 420 : 260;
        lblZeile.add(nr, &fr).setCaption(z.text);
        lblZeile(nr).Move(120, zy[z.gz] + 20, 5900, hoehe);
        for (int16_t k = 0; k < 3; ++k) {
            vb::TextBox& b = txtKotez1.add(int16_t(z.box + k), &fr);
            b.setText(z.werte[k]);
            b.Move(6150 + 950 * k, zy[z.gz], 800, 270);
            b.setEnabled(false);
        }
        lblSymbol.add(nr, &fr).setCaption(z.symbol);
        lblSymbol(nr).Move(9050, zy[z.gz] + 20, 1300, 240);
        zy[z.gz] += z.box == 40 ? 440 : zeile;
        ++nr;
    }

    cmdOK.setCaption("OK");
    cmdOK.Default = true;
    cmdOK.Move(W / 2 - 700, 3540 + gy + 200, 1400, 400);
    setClientSize(W, 3540 + gy + 740);

    optTeilSi.onClick([this](int16_t i) { optTeilSi_Click(i); });
    Seite::Tastenfilter(txtAnpassFaktor);
    txtAnpassFaktor.LostFocus = [this] { txtAnpassFaktor_LostFocus(); };
    for (int16_t i : txtKotez1.indices())
        Seite::Tastenfilter(txtKotez1(i));
    txtKotez1.onLostFocus([this](int16_t i) { txtKotez1_LostFocus(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmBTeilSi::txtKotez1Aus() {
    for (int16_t i : txtKotez1.indices())
        txtKotez1(i).setEnabled(false);
    for (int16_t g = 0; g < 3; ++g)
        lblEigene(g).setVisible(false);
}

void frmBTeilSi::TeilSiNo() {
    for (vb::Control* c : std::initializer_list<vb::Control*>{&fraLF123, &fraAnpass, &fraUntergrund,
                                                              &lblAnpass, &lblEta, &txtAnpassFaktor})
        c->setEnabled(false);
    for (int16_t i = 1; i <= 4; ++i)
        optLF123(i).setEnabled(false);
    for (int16_t i = 0; i <= 1; ++i)
        optUntergrund(i).setEnabled(false);
    txtKotez1Aus();
}

void frmBTeilSi::TeilSiYes() {
    for (vb::Control* c : std::initializer_list<vb::Control*>{&fraLF123, &fraAnpass, &fraUntergrund,
                                                              &lblAnpass, &lblEta, &txtAnpassFaktor})
        c->setEnabled(true);
    for (int16_t i = 1; i <= 4; ++i)
        optLF123(i).setEnabled(true);
    for (int16_t i = 0; i <= 1; ++i)
        optUntergrund(i).setEnabled(true);
    txtKotez1Aus();
}

void frmBTeilSi::TeilSiEigenYes() {
    fraLF123.setEnabled(false);
    for (int16_t i = 1; i <= 4; ++i)
        optLF123(i).setEnabled(false);
    for (vb::Control* c : std::initializer_list<vb::Control*>{&fraAnpass, &fraUntergrund, &lblAnpass, &lblEta,
                                                              &txtAnpassFaktor})
        c->setEnabled(true);
    for (int16_t i = 0; i <= 1; ++i)
        optUntergrund(i).setEnabled(true);
    txtKotez1Aus();
    for (int16_t i = 2; i <= 41; i += 3)
        txtKotez1(i).setEnabled(true);
    txtKotez1(8).setEnabled(false);
    for (int16_t g = 0; g < 3; ++g)
        lblEigene(g).setVisible(true);
}

void frmBTeilSi::EigeneWerteLoeschen() {
    for (const Zeile& z : kZeilen)
        if (z.eigen) P.*z.eigen = 0.0f;
}

void frmBTeilSi::Form_Load() {
    Move((vb::Screen::Width() - Width()) / 2, 0, Width(), Height());
    if (P.TeilsicherheitenAn != 0) {
        TeilSiYes();
        if (P.gamE0gEig == 0.0f) {
            Waehlen(optTeilSi(1));
        } else {
            Waehlen(optTeilSi(2));
            for (const Zeile& z : kZeilen)
                if (z.eigen) txtKotez1(int16_t(z.box + 1)).setText(Seite::ZahlMitBlank(P.*z.eigen));
        }
        if (!loaded()) return; // the page was opened anew by its option
        switch (P.Bemessungssituation) {
        case 1:
            Waehlen(optLF123(1));
            break;
        case 2:
            Waehlen(optLF123(2));
            break;
        case 3:
            Waehlen(optLF123(3));
            break;
        case 23:
            Waehlen(optLF123(4));
            break;
        default:
            break;
        }
    } else {
        TeilSiNo();
        Waehlen(optTeilSi(0));
    }
    if (P.EtaAnpass != 0.0f) txtAnpassFaktor.setText(Seite::ZahlMitBlank(P.EtaAnpass));
    if (P.UntergrundGuenstig == 1)
        Waehlen(optUntergrund(0));
    else
        Waehlen(optUntergrund(1));
    Anzeigen::MausAufSteuerelement(cmdOK);
}

void frmBTeilSi::optTeilSi_Click(int16_t Index) {
    switch (Index) {
    case 0:
        TeilSiNo();
        break;
    case 1: {
        TeilSiYes();
        EigeneWerteLoeschen();
        bool eine = false;
        for (int16_t i = 1; i <= 4; ++i)
            eine = eine || optLF123(i).Value();
        if (!eine) {
            optLF123(2).setValue(true);
            P.Bemessungssituation = 2;
            // The page is built afresh from the project data as they stand now.
            ok_ = true; // leaving this instance is not its OK
            vb::Unload(*this);
            vb::form<frmBTeilSi>().Show(vb::vbModal);
        }
        break;
    }
    case 2:
        TeilSiEigenYes();
        P.Bemessungssituation = 0;
        for (int16_t i = 1; i <= 4; ++i)
            optLF123(i).setValue(false);
        P.kzRered = 0;
        break;
    default:
        break;
    }
}

void frmBTeilSi::txtAnpassFaktor_LostFocus() {
    const auto v = Seite::ZahlLesen(txtAnpassFaktor.Text());
    if (!v || *v > 1.0f) txtAnpassFaktor.setText("1.00");
    if (vb::ValSingle(txtAnpassFaktor.Text()) < 0.2f) txtAnpassFaktor.setText("1.00");
}

void frmBTeilSi::txtKotez1_LostFocus(int16_t Index) {
    vb::TextBox& b = txtKotez1(Index);
    const auto v = Seite::ZahlLesen(b.Text());
    // An own factor must be positive: 0, a negative number or one beyond single precision becomes 1.00.
    if (!v || *v <= 0.0f) b.setText("1.00");
    if (float* f = EigenerFaktor(Index)) *f = vb::ValSingle(b.Text());
}

void frmBTeilSi::cmdOK_Click() {
    ok_ = true;
    P.UntergrundGuenstig = optUntergrund(0).Value() ? 1 : 0;
    P.TeilsicherheitenAn = optTeilSi(0).Value() ? 0 : 1;
    if (optLF123(1).Value())
        P.Bemessungssituation = 1;
    else if (optLF123(2).Value())
        P.Bemessungssituation = 2;
    else if (optLF123(3).Value())
        P.Bemessungssituation = 3;
    else if (optLF123(4).Value())
        P.Bemessungssituation = 23;
    const auto eta = Seite::ZahlLesen(txtAnpassFaktor.Text());
    P.EtaAnpass = eta && *eta != 0.0f ? *eta : 1.0f;
    if (P.TeilsicherheitenAn != 0 && P.Bemessungssituation == 0) {
        for (int16_t i = 2; i <= 41; i += 3)
            txtKotez1_LostFocus(i);
    } else if (P.TeilsicherheitenAn != 0) {
        EigeneWerteLoeschen(); // the factors of the situation, not own ones
    }
    Sicherheiten::KonzeptUebernehmen();
    const bool global = P.TeilsicherheitenAn == 0;
    vb::Unload(*this);
    if (global) Bemessung::SpannungenSetzen();
}

void frmBTeilSi::Form_QueryUnload(int16_t& /*Cancel*/, int16_t UnloadMode) {
    // The close box confirms the page as it stands: the calculation needs the working factors.
    if (UnloadMode == vb::vbFormControlMenu && !ok_) cmdOK_Click();
}

// ------------------------------------------------------------------------------------------ frmBTeilSi2
frmBTeilSi2::frmBTeilSi2() : vb::Form("frmBTeilSi2") {
    setCaption("Reduzierte Teilsicherheiten in Sonderfällen ");
    Resizable = false;
    const float W = 9600;
    fraEAB.setCaption("EAB");
    fraEAB.Move(120, 120, W - 240, 1500);
    lblEAB.setCaption(
        "Nach EAB, EB 14, 25, 19, 26 darf der Teilsicheheitsbeiwert auf 1.00  herabgesetzt werden "
        "zur Ermittlung der  Biegemo- mente, Querkräfte und Auflagerkräfte. Bitte nachlesen !!!");
    lblEAB.Move(120, 260, W - 480, 700);
    chkgamRered2.setCaption("Erdwiderstand; gamRered  =              verwenden? ");
    // The factor's box beside its check box, not inside the blanks of the caption: their width depends on
    // the font, and the box would cover the caption's end.
    chkgamRered2.Move(120, 1020, 4500, 300);
    txtgamRered2.setText("1.00");
    txtgamRered2.Locked = true;
    txtgamRered2.Move(4740, 1020, 700, 285);

    fraEAU.setCaption("EAU");
    fraEAU.Move(120, 1740, W - 240, 2900);
    lblE215.setCaption(
        "Wenn die Bedingungen der EAU, E215  vom  Anwender be- achtet werden, kann der "
        "Teilsicherheitsbeiwert auf den an- gegebenen Wert herabgesetzt werden, und zwar nur bei "
        "der Ermittlung der Biegemomente. ");
    lblE215.Move(120, 260, W - 480, 700);
    chkgamRered.setCaption("Erdwiderstand; gamRered  =              verwenden? ");
    chkgamRered.Move(120, 1020, 4500, 300);
    txtgamRered.Locked = true;
    txtgamRered.Move(4740, 1020, 700, 285);
    lblE216.setCaption("Wenn die Bedingungen der EAU, E216  vom  Anwender be- achtet werden, kann der "
                       "Teilsicherheitsbeiwert auf den an- gegebenen Wert herabgesetzt werden.");
    lblE216.Move(120, 1500, W - 480, 700);
    chkgamWred.setCaption("Wasserdruck;  gamGred   =               verwenden? ");
    chkgamWred.Move(120, 2300, 4500, 300);
    txtgamWred.Locked = true;
    txtgamWred.Move(4740, 2300, 700, 285);

    lblHinweis.setCaption("Diese reduzierten Werte ersetzen die Normalwerte in der gesamten Berechnung der "
                          "Baugrubenwand. Die erorderliche Gesamtlänge der Wand muß mit den Normalwerten "
                          "ermittelt werden.");
    lblHinweis.Move(120, 4760, W - 240, 700);
    cmdHinweis.setCaption("Hinw. Verformung: bitte lesen");
    cmdHinweis.Move(120, 5600, 3200, 400);
    cmdOK.setCaption("OK");
    cmdOK.Default = true;
    cmdOK.Move(W - 1640, 5600, 1400, 400);
    setClientSize(W, 6150);

    chkgamRered2.Click = [this] { chkgamRered2_Click(); };
    chkgamRered.Click = [this] { chkgamRered_Click(); };
    chkgamWred.Click = [this] { chkgamWred_Click(); };
    cmdHinweis.Click = [this] { cmdHinweis_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmBTeilSi2::gamReredWerte() {
    const char* text = nullptr;
    switch (P.Bemessungssituation) {
    // with the decimal point of every number box of the pages, as "1.00" beside it
    case 1:
        text = "1.20";
        break;
    case 2:
        text = "1.15";
        break;
    case 3:
        text = "1.10";
        break;
    case 23:
        text = "1.13";
        break;
    default:
        return;
    }
    txtgamRered.setText(text);
    P.gamRered = Sicherheiten::ReduzierterErdwiderstand(P.Bemessungssituation);
}

void frmBTeilSi2::chkgamRered2_Click() {
    if (chkgamRered2.Value() == vb::vbChecked) {
        chkgamRered.setValue(vb::vbUnchecked);
        P.kzRered2 = 1;
        chkgamWred.setValue(vb::vbUnchecked);
        P.kzWred = 0;
    } else {
        P.kzRered2 = 0;
    }
}

void frmBTeilSi2::chkgamRered_Click() {
    if (chkgamRered.Value() == vb::vbChecked) {
        chkgamRered2.setValue(vb::vbUnchecked);
        P.kzRered = 1;
    } else {
        P.kzRered = 0;
    }
}

void frmBTeilSi2::chkgamWred_Click() {
    if (chkgamWred.Value() == vb::vbChecked) {
        P.kzWred = 1;
        chkgamRered2.setValue(vb::vbUnchecked);
        P.kzRered2 = 0;
    } else {
        P.kzWred = 0;
    }
}

void frmBTeilSi2::Form_Load() {
    Move((vb::Screen::Width() - Width()) / 2, 0, Width(), Height());
    if (P.Bemessungssituation == 0) {
        P.gamRered = 0.0f;
        chkgamRered.setValue(vb::vbUnchecked);
        chkgamRered.setEnabled(false);
    }
    txtgamWred.setText(vb::Replace(vb::Format(P.gamE0g, "0.00"), ",", ".")); // the point, whatever the locale
    P.gamWred = P.gamE0g;
    if (P.kzWred != 0) chkgamWred.setValue(vb::vbChecked);
    gamReredWerte();
    if (P.kzRered != 0 && chkgamRered.Enabled()) chkgamRered.setValue(vb::vbChecked);
    if (P.kzRered2 != 0) chkgamRered2.setValue(vb::vbChecked);
    Anzeigen::MausAufSteuerelement(cmdOK);
}

void frmBTeilSi2::cmdOK_Click() {
    ok_ = true;
    // The boxes decide; the working factors follow as the window-free routine takes the flags.
    P.kzWred = chkgamWred.Value() == vb::vbChecked ? 1 : 0;
    P.kzRered = chkgamRered.Value() == vb::vbChecked ? 1 : 0;
    P.kzRered2 = chkgamRered2.Value() == vb::vbChecked ? 1 : 0;
    Sicherheiten::ReduktionenUebernehmen();
    vb::Unload(*this);
    Bemessung::SpannungenSetzen();
}

void frmBTeilSi2::Form_QueryUnload(int16_t& /*Cancel*/, int16_t UnloadMode) {
    if (UnloadMode == vb::vbFormControlMenu && !ok_) cmdOK_Click();
}

void frmBTeilSi2::cmdHinweis_Click() {
    const std::string n = "\r\n", nn = "\r\n\r\n";
    const std::string text =
        "a)" + nn + "Berechnung mit T.S.-Normalwerten:" + n +
        "Die Rückrechnung der Verformung(k) aus der berechneten DLT-Verformung(d) mit" + n +
        "dem Faktor gamGdk hat den Vorteil, dass kein System-Wechsel (andere Einbindetiefe) " + n +
        "erforderlich ist. Durch gamRe > 1.00 wird die Bewegung des Bodens begrenzt, die" + n +
        "zum Aufbau des Erdwiderstandes notwendig ist." + nn +
        ">>> Dies ist besonders wichtig bei Kragwänden mit dahinter liegender Bebauung o.ä. <<<" + nn +
        "Diese Boden-Bewegung wird bei der DLT-Berechnung in ZOR und allen uns bekannten" + n +
        "Programmen nicht erfasst." + nn + "b) " + nn + "Berechnung mit gamRered = 1.00:" + n +
        "Hiermit wird ein neues System berechnet: kleinere Einbindetiefe. Die zum Aufbau" + n +
        "des Erdwiderstandes notwendige Bewegung wird durch gamRered = 1.00 nicht begrenzt." + n +
        "Siehe a)" + nn + "c)" + nn + "Berechnung mit ALLEN gam...-Werten = 1.00:" + n +
        "Dies ergibt die kleinste Einbindetiefe und die geringste Verformung(k). Die zum Aufbau" + n +
        "des Erdwiderstandes notwendige Bewegung wird durch gamRe = 1.00 nicht begrenzt." + n + "Siehe a)" +
        nn;
    vb::MsgBox(text, vb::vbInformation, "Gebrauchstauglichkeit nach EB 83");
}
