#include "dialogs/project/soil_chain.h"

#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace {

int16_t Schichten() {
    return P.AnzErd < 0 ? 0 : (P.AnzErd > 8 ? 8 : P.AnzErd);
}

void Nummern(vb::ControlArray<vb::Label>& a, vb::Control* in, float x, float y) {
    for (int16_t s = 1; s <= 8; ++s) {
        a.add(s, in).setCaption(vb::StrPlain(s));
        a(s).Alignment = vb::vbCenter;
        a(s).Move(x + 860 * (s - 1), y, 800, 240);
    }
}

} // namespace

// ------------------------------------------------------------------------------------------ frmBoden1a
frmBoden1a::frmBoden1a() : vb::Form("frmBoden1a") {
    setCaption("Für Sonderfälle:");
    Resizable = false;
    fraErdschichten.setCaption("Bodenwichten auf der Aushubseite :");
    fraErdschichten.Move(120, 120, 9900, 1400);
    lblErdschicht.add(0, &fraErdschichten).setCaption("Erdschicht              Nr. ");
    lblErdschicht(0).Move(120, 280, 2500, 240);
    lblErdschicht.add(1, &fraErdschichten).setVisible(false);
    Nummern(lblNr, &fraErdschichten, 2700, 280);
    lblGammaf.setCaption("gamma feucht    (kN/m3)");
    lblGammaf.Move(120, 620, 2500, 240);
    lblGammaa.setCaption("gamma Auftrieb ( kN/m3)");
    lblGammaa.Move(120, 960, 2500, 240);
    for (int16_t i = 0; i < 16; ++i) {
        vb::TextBox& t = txtDH.add(i, &fraErdschichten);
        t.MaxLength = 6;
        t.Move(2700 + 860 * (i % 8), 590 + 340 * (i / 8), 800, 285);
        float& f = i < 8 ? P.SchichtGammaAush[i + 1] : P.SchichtGammaAuftriebAush[i - 7];
        Seite::Zahlbox(t, f);
    }
    cmdOK.setCaption("OK");
    cmdOK.Move(8220, 1620, 1800, 500);
    setClientSize(10140, 2240);
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmBoden1a::Leeren() {
    for (int16_t s = int16_t(Schichten() + 1); s <= 8; ++s)
        for (int16_t r = 0; r < 2; ++r) {
            txtDH(int16_t(8 * r + s - 1)).setText("");
            txtDH(int16_t(8 * r + s - 1)).setEnabled(false);
        }
}

void frmBoden1a::Form_Load() {
    Leeren();
    for (int16_t i = 1; i <= Schichten(); ++i) {
        txtDH(int16_t(i - 1)).setText(Seite::Zahl(P.SchichtGammaAush[i]));
        txtDH(int16_t(i + 7)).setText(Seite::Zahl(P.SchichtGammaAuftriebAush[i]));
    }
    Seite::Oeffnen(*this, cmdOK, {});
}

void frmBoden1a::cmdOK_Click() {
    Seite::AuswahlNummer(4, P.AnzErd);
    cmdOK.setEnabled(false);
    Seite::Weiter("frmBoden2");
}

// ------------------------------------------------------------------------------------------ frmBoden2
float& frmBoden2::Feld(int16_t zeile, int16_t s) {
    switch (zeile) {
    case 0:
        return P.SchichtKaghVorgabe[s];
    case 1:
        return P.SchichtKachVorgabe[s];
    case 2:
        return P.SchichtKpchVorgabe[s];
    case 3:
        return P.SchichtKpghVorgabe[s];
    case 4:
        return P.SchichtDeltaANeu[s];
    default:
        return P.SchichtDeltaPNeu[s];
    }
}

frmBoden2::frmBoden2() : vb::Form("frmBoden2") {
    setCaption("Beiwerte gegeben");
    Resizable = false;
    const float W = 11200;
    Frame1.Move(120, 60, W - 240, 800);
    chkUeberschreiben.setCaption(" Vom Programm berechnete Erddruck-Beiwerte überschreiben ?");
    chkUeberschreiben.Move(120, 160, 7000, 270);
    chkWandreibung.setCaption("  Wandreibungswinkel für einzelne Aushubzustände ändern ?");
    chkWandreibung.Move(120, 460, 7000, 270);
    Frame2.Move(120, 920, W - 240, 3200);
    Label1.add(0, &Frame2).setCaption("Erdschicht");
    Label1(0).Move(120, 200, 2500, 240);
    Label1.add(5, &Frame2).setVisible(false);
    Nummern(lblNr, &Frame2, 2700, 200);
    const struct {
        int16_t lbl;
        const char* text;
    } zeilen[] = {{1, "Erdseite result. k"},       {2, "Erdseite kach"},
                  {3, "Luftseite kpch"},           {4, "Luftseite kpgh"},
                  {6, "Wandreib. delta a    (°)"}, {7, "Wandreib. delta p    (°)"}};
    for (int16_t z = 0; z < 6; ++z) {
        Label1.add(zeilen[z].lbl, &Frame2).setCaption(zeilen[z].text);
        Label1(zeilen[z].lbl).Move(120, 520 + 330 * z + 100 * (z >= 4), 2500, 240);
        for (int16_t s = 0; s < 8; ++s) {
            const int16_t i = int16_t(8 * z + s);
            vb::TextBox& t = txtResK.add(i, &Frame2);
            t.MaxLength = 6;
            t.Move(2700 + 860 * s, 490 + 330 * z + 100 * (z >= 4), 800, 285);
            Seite::Zahlbox(t, Feld(z, int16_t(s + 1)));
        }
    }
    Label2.setCaption("Diese Wandreibungswinkel gelten für Aushub Nr.:  ");
    Label2.Move(120, 2640, 4200, 240);
    for (int16_t i = 0; i < 12; ++i) {
        vb::TextBox& t = txtDeltaNeu.add(i, &Frame2);
        t.MaxLength = 2;
        t.Move(4400 + 520 * i, 2610, 460, 285);
        Seite::Zahlbox(t, P.DeltaNeuAushub[i + 1]);
    }
    fraAnmerkungen.setCaption("Anmerkungen: ");
    fraAnmerkungen.Move(120, 4180, W - 240, 1800);
    const struct {
        int16_t i;
        const char* text;
    } notes[] = {
        {0, "-- Die Änderung von kpgh und kpch ist nur in den Aushubzuständen wirksam, in denen NICHT nach "
            "Culmann gerechnet wird, "},
        {1, "   wenn also keine Abböschung der Aushubsohle und keine Last auf der Sohle vorhanden sind. "},
        {4, "-- Geänderte Wandreibungswinkel werden bei der Berechnung nach Culmann ab 2.3.2011 "
            "berücksichtigt."},
        {2, "-- Der Mindesterddruckbeiwert (0.20 ; 0.15) ist nicht wirksam, wenn der resultierende "
            "Erddruckbeiwert res. k vorgegeben wurde."},
        {3, "-- Überschrieben werden nur die Werte, für die in obigen Tabellen Eingaben <> 0.00 gemacht "
            "werden."}};
    float y = 220;
    for (const auto& n : notes) {
        lblAnmerkungen.add(n.i, &fraAnmerkungen).setCaption(n.text);
        lblAnmerkungen(n.i).Move(120, y, W - 480, 300);
        y += 300;
    }
    cmdOK.setCaption("OK");
    cmdOK.Move(W - 1920, 6060, 1800, 500);
    setClientSize(W, 6660);
    chkUeberschreiben.Click = [this] {
        if (chkUeberschreiben.Value() == vb::vbChecked) {
            P.BeiwerteGegeben = 1;
            BeiwerteSperren();
        } else {
            P.BeiwerteGegeben = 0;
            BeiwerteAlleSperren();
        }
    };
    chkWandreibung.Click = [this] {
        if (chkWandreibung.Value() == vb::vbChecked) {
            P.WandreibungStufen = 1;
            WandreibungSperren();
        } else {
            P.WandreibungStufen = 0;
            WandreibungAlleSperren();
        }
    };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmBoden2::BeiwerteSperren() {
    for (int16_t i = 0; i < 32; ++i)
        txtResK(i).setEnabled(true);
    for (int16_t s = int16_t(Schichten() + 1); s <= 8; ++s)
        for (int16_t z = 0; z < 6; ++z)
            txtResK(int16_t(8 * z + s - 1)).setEnabled(false);
}

void frmBoden2::BeiwerteAlleSperren() {
    for (int16_t i = 0; i < 32; ++i)
        txtResK(i).setEnabled(false);
}

void frmBoden2::WandreibungSperren() {
    for (int16_t i = 32; i < 48; ++i)
        txtResK(i).setEnabled(true);
    for (int16_t i = 0; i < 12; ++i)
        txtDeltaNeu(i).setEnabled(true);
    for (int16_t s = int16_t(Schichten() + 1); s <= 8; ++s)
        for (int16_t z = 4; z < 6; ++z)
            txtResK(int16_t(8 * z + s - 1)).setEnabled(false);
}

void frmBoden2::WandreibungAlleSperren() {
    for (int16_t i = 32; i < 48; ++i)
        txtResK(i).setEnabled(false);
    for (int16_t i = 0; i < 12; ++i)
        txtDeltaNeu(i).setEnabled(false);
}

void frmBoden2::WerteZeigen() {
    if (P.BeiwerteGegeben != 1) {
        chkUeberschreiben.setValue(vb::vbUnchecked);
        BeiwerteAlleSperren();
    } else {
        chkUeberschreiben.setValue(vb::vbChecked);
        for (int16_t s = 1; s <= 8; ++s)
            for (int16_t z = 0; z < 4; ++z)
                txtResK(int16_t(8 * z + s - 1)).setText(Seite::Zahl(Feld(z, s)));
        BeiwerteSperren();
    }
    if (P.WandreibungStufen == 0) {
        chkWandreibung.setValue(vb::vbUnchecked);
        WandreibungAlleSperren();
    } else {
        chkWandreibung.setValue(vb::vbChecked);
        for (int16_t s = 1; s <= 8; ++s)
            for (int16_t z = 4; z < 6; ++z)
                txtResK(int16_t(8 * z + s - 1)).setText(Seite::Zahl(Feld(z, s)));
        for (int16_t i = 0; i < 12; ++i)
            txtDeltaNeu(i).setText(vb::StrPlain(P.DeltaNeuAushub[i + 1]));
        WandreibungSperren();
    }
}

void frmBoden2::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmBoden2::BeiwerteUebernehmen() {
    const int16_t n = Schichten();
    if (P.BeiwerteGegeben == 1) {
        bool eine = false;
        for (int16_t i = 1; i <= n; ++i)
            for (int16_t z = 0; z < 4; ++z)
                eine = eine || Feld(z, i) != 0.0f;
        if (!eine) P.BeiwerteGegeben = 0;
    }
    if (P.BeiwerteGegeben == 0)
        for (int16_t i = 1; i <= n; ++i)
            for (int16_t z = 0; z < 4; ++z)
                Feld(z, i) = 0.0f;
    if (P.WandreibungStufen == 1) {
        bool eine = false;
        for (int i = 1; i <= 12; ++i)
            eine = eine || P.DeltaNeuAushub[i] != 0;
        if (!eine) P.WandreibungStufen = 0;
    }
    if (P.WandreibungStufen != 0) {
        P.BeiwerteGegeben = 1;
    } else {
        for (int16_t i = 1; i <= n; ++i) {
            P.SchichtDeltaANeu[i] = P.SchichtDeltaA[i];
            P.SchichtDeltaPNeu[i] = P.SchichtDeltaP[i];
        }
        for (int i = 1; i <= 12; ++i)
            P.DeltaNeuAushub[i] = 0;
    }
}

void frmBoden2::cmdOK_Click() {
    cmdOK.setEnabled(false);
    BeiwerteUebernehmen();
    Seite::Weiter("frmBoden3");
}

// ------------------------------------------------------------------------------------------ frmBoden3
float& frmBoden3::Feld(int16_t zeile, int16_t b) {
    switch (zeile) {
    case 0:
        return P.BoeschX1[b];
    case 1:
        return P.BoeschX2[b];
    case 2:
        return P.BoeschZ1[b];
    case 3:
        return P.BoeschZ2[b];
    case 4:
        return P.BoeschGamma[b];
    default:
        return P.BoeschPhi[b];
    }
}

frmBoden3::frmBoden3() : vb::Form("frmBoden3") {
    setCaption("Böschung erdseitig");
    Resizable = false;
    const float W = 10400;
    Frame2.Move(120, 60, W - 240, 1700);
    Label6.setCaption("Böschungen auf der Erdseite:");
    Label6.Move(120, 200, 4000, 240);
    Label1.setCaption("Eingabe von links nach rechts. Nur wirkliche Böschungen eingeben.  Gelände ab x2 / z2 "
                      "horizontal. Kote negativ bei echter Böschung.");
    Label1.Move(120, 480, 6800, 480);
    Label2.setCaption("Anzahl der Böschungen ( 0 ... 8 )");
    Label2.Move(120, 1160, 3400, 240);
    txtAnzBoesch.MaxLength = 3;
    txtAnzBoesch.Move(3600, 1130, 600, 285);
    const char* skizze[] = {"x = 0.00", "z = 0.00", "x1 / z1", "x2 / z2 ( -- )", "Bösch 1", "Schicht 1"};
    for (int16_t i = 0; i < 6; ++i) {
        lblSkizze.add(i, &Frame2).setCaption(skizze[i]);
        lblSkizze(i).Move(7200 + 1500 * (i % 2), 200 + 420 * (i / 2), 1400, 240);
    }
    Frame3.Move(120, 1820, W - 240, 2600);
    Label3.add(0, &Frame3).setCaption("Böschung");
    Label3(0).Move(120, 200, 2600, 240);
    Label3.add(7, &Frame3).setVisible(false);
    Nummern(lblNr, &Frame3, 2800, 200);
    const char* zeilen[] = {
        "Anfang          x1 (m)", "Ende             x2 (m)",         "Kote Anfang  z1 (m)",
        "Kote Ende     z2 (m)",   "WIRKSAMES  !!!! gamma   (kN/m3)", "Reibungsw.  phi   (°)"};
    for (int16_t z = 0; z < 6; ++z) {
        Label3.add(int16_t(z + 1), &Frame3).setCaption(zeilen[z]);
        Label3(int16_t(z + 1)).Move(120, 500 + 330 * z, 2600, 240);
    }
    for (int16_t i = 0; i < 48; ++i) {
        vb::TextBox& t = txtBoesch.add(i, &Frame3);
        t.MaxLength = 6;
        t.Move(2800 + 860 * (i / 6), 470 + 330 * (i % 6), 800, 285);
        Seite::Tastenfilter(t);
    }
    Frame1.Move(120, 4480, W - 240, 800);
    Label7.setCaption(
        "Bei Böschungen unterhalb z = 0.00 werden die Bodenkennwerte der angeschnittenen Schichten "
        "verwendet. Der Wasserstand wird dabei beachtet. Die obigen Eingaben werden in diesem Fall "
        "also überschrieben.");
    Label7.Move(120, 160, W - 480, 560);
    cmdOK.setCaption("OK");
    cmdOK.Move(W - 1920, 5360, 1800, 500);
    setClientSize(W, 5960);

    Seite::Zahlbox(txtAnzBoesch, P.AnzBoesch, [this] { txtAnzBoesch_LostFocus(); });
    txtBoesch.onGotFocus([this](int16_t i) { txtBoesch_GotFocus(i); });
    txtBoesch.onLostFocus([this](int16_t i) { txtBoesch_LostFocus(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmBoden3::WerteZeigen() {
    if (P.AnzBoesch < 1) {
        txtAnzBoesch.setText("");
        return;
    }
    txtAnzBoesch.setText(vb::StrPlain(P.AnzBoesch));
    const int16_t n = P.AnzBoesch > 8 ? 8 : P.AnzBoesch;
    for (int16_t b = 1; b <= n; ++b)
        for (int16_t z = 0; z < 6; ++z)
            txtBoesch(int16_t(6 * (b - 1) + z)).setText(Seite::Zahl(Feld(z, b)));
}

void frmBoden3::Form_Load() {
    Seite::Oeffnen(*this, cmdOK, [this] { WerteZeigen(); });
}

void frmBoden3::txtAnzBoesch_LostFocus() {
    if (P.AnzBoesch > 8) {
        P.AnzBoesch = 8;
        txtAnzBoesch.setText("8");
        Seite::FokusZurueck(txtAnzBoesch);
    } else if (P.AnzBoesch < 0) {
        // A negative count addresses no slope: it counts as none.
        P.AnzBoesch = 0;
        txtAnzBoesch.setText("0");
        Seite::FokusZurueck(txtAnzBoesch);
    }
    for (int16_t i = 0; i < 48; ++i)
        txtBoesch(i).setEnabled(true);
    for (int16_t i = int16_t(6 * P.AnzBoesch); i < 48; ++i) {
        txtBoesch(i).setText("");
        txtBoesch(i).setEnabled(false);
    }
}

void frmBoden3::txtBoesch_GotFocus(int16_t Index) {
    if (P.AnzBoesch < 1) return;
    vb::TextBox& t = txtBoesch(Index);
    if (Index % 6 == 2) {
        t.setText(Index == 2 ? "0.00" : txtBoesch(int16_t(Index - 5)).Text());
        vb::TextBox& ende = txtBoesch(int16_t(Index + 1));
        if (ende.canTakeFocusNow()) {
            ende.SetFocus();
            return;
        }
    }
    t.setSelStart(0);
    t.setSelLength(static_cast<int32_t>(t.Text().size()));
}

void frmBoden3::txtBoesch_LostFocus(int16_t Index) {
    if (P.AnzBoesch < 1 || Index < 0 || Index > 47) return;
    vb::TextBox& t = txtBoesch(Index);
    auto wert = [](const vb::TextBox& b) { return Seite::ZahlLesen(b.Text()).value_or(0.0f); };
    const auto v = Seite::ZahlLesen(t.Text());
    const int16_t b = int16_t(Index / 6 + 1), z = int16_t(Index % 6);
    if (!v) {
        vb::Beep();
        t.setText(Seite::Zahl(Feld(z, b)));
        Seite::FokusZurueck(t);
        return;
    }
    if (z == 0 && Index >= 6) {
        const float grenze = wert(txtBoesch(int16_t(Index - 5))) + 0.002f;
        if (*v < grenze) {
            t.setText(Seite::Zahl(grenze));
            Seite::FokusZurueck(t);
            return; // stored when the cell is left again
        }
    }
    float x = *v;
    if (z == 1) {
        const float grenze = wert(txtBoesch(int16_t(Index - 1))) + 0.002f;
        if (x < grenze) {
            t.setText(Seite::Zahl(grenze));
            Seite::FokusZurueck(t);
            x = wert(t);
        }
    }
    float& f = Feld(z, b);
    f = x;
    if (z == 4 && f <= 0.0f) f = 20.0f;
    if (z == 5 && f <= 0.0f) f = 30.0f;
}

void frmBoden3::cmdOK_Click() {
    Seite::KetteEnde(3);
}
