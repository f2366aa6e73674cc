#include "dialogs/stages/frmAushub1.h"

#include <algorithm>
#include <string>

#include "dialogs/project/page.h"
#include "dialogs/stages/stage_page.h"
#include "frame/input_ranges.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "windows/window_routines.h"

using Stufenseite::Stufe;
using zorm1::P;

namespace {

int16_t Anker() {
    return std::clamp<int16_t>(P.AnzAnker, 0, 8);
}

// The excavation levels a stage can be calculated with (the range the run checks before it starts).
constexpr float kAushubOben = 0.01f;
constexpr float kAushubUnten = 98.98f;
// A water level of 99 m: no ground water on that side. A next support at 99 m: none.
constexpr float kKeinWasser = 99.0f;
constexpr float kKeinAuflager = 99.0f;

// The level in force as the page's box shows it: empty while the stage has none yet.
std::string AushubText() {
    return P.zAush == 0.0f ? std::string() : Seite::Zahl(P.zAush);
}

// The companion below the page shows the level in force.
void TiefeZeigen() {
    if (vb::Form* f = vb::LoadedForm("frmAushub000"))
        static_cast<frmAushub000*>(f)->Tiefe.setText(AushubText());
}

} // namespace

// ------------------------------------------------------------------------------------------ frmAushub000
frmAushub000::frmAushub000() : vb::Form("frmAushub000") {
    setCaption("aktueller Aushub");
    Resizable = false;
    Label1.setCaption("Aushubtiefe =");
    Label1.Move(240, 150, 1500, 240);
    Tiefe.Move(1920, 120, 1440, 285);
    Tiefe.Locked = true;
    Tiefe.TabStop = false;
    setClientSize(3600, 540); // wide enough for its caption beside the window manager's buttons
}

void frmAushub000::Form_Load() {
    if (vb::Form* seite = vb::LoadedForm("frmAushub1")) {
        Move(seite->Left() + (seite->Width() - Width()) / 2, seite->Top() + 1.02f * seite->Height(), Width(),
             Height());
    }
    Tiefe.setText(AushubText());
}

// ------------------------------------------------------------------------------------------ frmAushub1
frmAushub1::frmAushub1() : vb::Form("frmAushub1") {
    setCaption("Aushubkote");
    Resizable = false;
    const float W = 13800;
    Stufenseite::Nummer(lblAushNr, txtAushNr);

    Frame1.Move(120, 540, 6720, 3000);
    lblZAush.setCaption("zS Kote Aushubsohle (m)");
    lblZAush.Move(1080, 330, 3000, 240);
    txtZAush.Move(120, 300, 840, 285);
    lblAnzAnker.setCaption("Anzahl der in diesem Aushub wirksamen Anker / Steifen  ( <= 8 )");
    lblAnzAnker.Move(1080, 750, 5500, 240);
    txtAnzAnker.Move(120, 720, 840, 285);
    lblZAnker.setCaption("Anker- koten von oben nach unten:");
    lblZAnker.Move(120, 1200, 5000, 240);
    for (int16_t i = 1; i <= 8; ++i) {
        vb::TextBox& t = txtZAnker.add(i, &Frame1);
        t.Move(120 + 810 * (i - 1), 1500, 760, 285);
        Seite::Zahlbox(t, P.ZAnker[i]);
    }

    Frame2.setCaption("Nächstes Auflager anmelden          ( 99 : nicht anmelden, v = 0.00 )");
    Frame2.Move(120, 2580, 6720, 1140);
    Frame1.setHeight(1950);
    txtZNextAnker.Move(120, 300, 840, 285);
    Label2.add(0, &Frame2).setCaption("Kote des nach diesem Aushub zu setzenden Auflagers (A./St.)");
    Label2(0).Move(1080, 330, 5500, 240);
    Label2.add(1, &Frame2)
        .setCaption("Die Verformung v  bleibt erhalten; Schnittgrößenänderung  infolge Auflagersenkung.");
    Label2(1).Move(120, 720, 6500, 240);

    Frame5.Move(120, 3660, 6720, 1100);
    lblZWasserLuft.setCaption("Wasserkote luftseitig (m)");
    lblZWasserLuft.Move(1080, 330, 4000, 240);
    txtZWasserLuft.Move(120, 300, 840, 285);
    lblZWasserErd.setCaption("Wasserkote erdseitig (m)");
    lblZWasserErd.Move(1080, 690, 4000, 240);
    txtZWasserErd.Move(120, 660, 840, 285);

    Frame3.setCaption("Erdauflager, Wandfuß:");
    Frame3.Move(7000, 540, W - 7120, 2900);
    lblFussHinweis.setCaption("Bei >= 2  Ankern/Steifen können Sie auch ohne Erdauflager rechnen:");
    lblFussHinweis.Move(120, 270, 6400, 240);
    const char* const fuss[] = {"frei beweglich, zF gesucht ( Punktlager )", "UK Wand = zF  gegeben",
                                "drehbar gelagert ( in Fels )", "voll eingespannt ( Blum ) , nicht gebettet"};
    for (int16_t i = 1; i <= 4; ++i) {
        optWandfuss.add(i, &Frame3).setCaption(fuss[i - 1]);
        optWandfuss(i).Move(120, 300 + 360 * i, 4600, 285);
    }
    cmdHinweis3.setCaption("Hinweis zeigen");
    cmdHinweis3.Move(4800, 1350, 1700, 400);
    txtZWandfuss.Move(120, 2300, 840, 285);
    lblZWandfuss.setCaption("zF Kote UK Wand (m)");
    lblZWandfuss.Move(1080, 2330, 3000, 240);

    Frame4.setCaption("Wandfuß frei beweglich, Einbindetiefe gesucht, keine Bettung:");
    Frame4.Move(7000, 3540, W - 7120, 1900);
    Label4.setCaption("(Teil-) Einspannung des Wandfußes gewählt  ( 0 .... 100 )       %");
    Label4.Move(1080, 330, 5500, 240);
    txtEinsp.Move(120, 300, 840, 285);
    Label3.add(1, &Frame4)
        .setCaption(
            "Einspannung 0.001 % : Die Momentenspitze in Höhe der Widerstandsresultierenden ( z.B. aus "
            "Wasserüberdruck ) wird vermieden; das Erdauflager liegt dabei im Fußpunkt der Wand.");
    Label3(1).Move(120, 720, W - 7400, 1000);

    Frame6.setCaption("Hinweis :");
    Frame6.Move(120, 5560, W - 240, 1900);
    Label6.add(0, &Frame6)
        .setCaption(
            "Die Wand reicht immer bis zum Belastungsnullpunkt.  Erst damit ist das horizontale "
            "Gesamt-Gleichgewicht erfüllt. Andere Programme ignorieren dies. Falls Sie das auch wollen, "
            "müssen "
            "Sie unterhalb der gewünschten Wandfußes sehr gute Bodenwerte ( + Kohäsion ) eingeben; dadurch "
            "rutscht der Belastungsnullpunkt nach oben.");
    Label6(0).Move(120, 270, W - 480, 1000);
    Label6.add(1, &Frame6)
        .setCaption("Geben Sie bei frei beweglichem Wandfuß eine schwache Bettung (0.01) ein. "
                    "Dadurch kann die Wand wie ein Kragarm ausweichen");
    Label6(1).Move(120, 1380, W - 480, 400);

    cmdOK.setCaption("OK");
    cmdOK.Move(W - 1920, 7560, 1800, 500);
    Frame5.setTop(3840);
    setClientSize(W, 8180);

    Seite::Zahlbox(txtZAush, [this](const std::string&) { txtZAush_LostFocus(); });
    Seite::Zahlbox(txtAnzAnker, P.AnzAnker, [this] { txtAnzAnker_LostFocus(); });
    Seite::Zahlbox(txtZNextAnker, P.ZNextAnker, [this] { txtZNextAnker_LostFocus(); });
    Seite::Zahlbox(txtZWasserLuft, P.ZWasserLuft, [this] { txtZWasserLuft_LostFocus(); });
    Seite::Zahlbox(txtZWasserErd, P.ZWasserErd, [this] { txtZWasserErd_LostFocus(); });
    Seite::Zahlbox(txtZWandfuss, P.ZWandfuss, [this] { txtZWandfuss_LostFocus(); });
    Seite::Zahlbox(txtEinsp, P.Einsp, [this] { txtEinsp_LostFocus(); });
    optWandfuss.onClick([this](int16_t i) { optWandfuss_Click(i); });
    cmdHinweis3.Click = [this] { cmdHinweis3_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmAushub1::Form_Load() {
    vb::FormByName("frmAushub000").Show();
    const int16_t s = Stufe();
    P.Einsp = P.Aushubstufen[static_cast<size_t>(s)].Einsp;
    txtAushNr.setText(vb::Str(P.AushNr));
    if (P.Wandart == 1) {
        if (P.Wandfuss == 3) P.Wandfuss = 1;
        optWandfuss(3).setEnabled(false);
    }
    if (P.Wandfuss < 1) {
        // A stage never confirmed starts from the stage before it. Without a confirmed stage before it
        // nothing of it was ever entered: the values in force are then no ground water on either side and
        // no next support, shown in their boxes until the user types others.
        P.Wandfuss = 1;
        bool vorher = false;
        if (P.AushNr > 1) {
            zormcom::AushubLaden(int16_t(P.AushNr - 1));
            vorher = P.Wandfuss >= 1;
        }
        if (!vorher) {
            P.Wandfuss = 1;
            P.ZWasserLuft = kKeinWasser;
            P.ZWasserErd = kKeinWasser;
            P.ZNextAnker = kKeinAuflager;
        }
    }
    if (P.Wandfuss < 1 || P.Wandfuss > 4) P.Wandfuss = 1;
    Show();
    if (P.zAush == 0.0f) {
        // No excavation level yet: the level, the supports and the foot stay empty, while the water levels
        // and the next support show the values OK will store.
        txtZWasserLuft.setText(Seite::Zahl(P.ZWasserLuft));
        txtZWasserErd.setText(Seite::Zahl(P.ZWasserErd));
        txtZNextAnker.setText(Seite::Zahl(P.ZNextAnker));
        if (optWandfuss(P.Wandfuss).canTakeFocusNow()) optWandfuss(P.Wandfuss).SetFocus();
    } else {
        txtZAush.setText(Seite::Zahl(P.zAush));
        txtAnzAnker.setText(vb::StrPlain(P.AnzAnker));
        txtZWandfuss.setText(Seite::Zahl(P.ZWandfuss));
        txtEinsp.setText(Seite::Zahl(P.Einsp));
        for (int16_t i = 1; i <= Anker(); ++i)
            txtZAnker(i).setText(Seite::Zahl(P.ZAnker[i]));
        txtZWasserLuft.setText(Seite::Zahl(P.ZWasserLuft));
        txtZWasserErd.setText(Seite::Zahl(P.ZWasserErd));
        txtZNextAnker.setText(Seite::Zahl(P.ZNextAnker));
        cmdOK.setEnabled(true);
        if (cmdOK.canTakeFocusNow()) cmdOK.SetFocus();
    }
    if (optWandfuss(P.Wandfuss).Value())
        optWandfuss_Click(P.Wandfuss);
    else
        optWandfuss(P.Wandfuss).setValue(true); // its Click applies the foot-mode rule
    TiefeZeigen();                              // a new stage has taken the level of the stage before it
    Anzeigen::MausAufSteuerelement(cmdOK);
}

void frmAushub1::Form_Activate() {
    cmdOK.setEnabled(true);
    if (P.Wandfuss >= 1 && P.Wandfuss <= 4) optWandfuss_Click(P.Wandfuss);
}

void frmAushub1::optWandfuss_Click(int16_t Index) {
    P.Wandfuss = Index;
    if (Index == 1 || Index == 4) {
        P.ZWandfuss = P.zAush + 0.01f;
        txtZWandfuss.setEnabled(false);
    } else {
        txtZWandfuss.setEnabled(true);
    }
    if (Index == 4) P.FussGebettet[Stufe()] = 0;
    if (P.Wandart == 1 && Index == 3) P.Wandfuss = 1;
    const bool frei = P.FussGebettet[Stufe()] == 0 && Index == 1;
    Frame4.setEnabled(frei);
    txtEinsp.setEnabled(frei);
    Label3(1).setEnabled(frei);
    Label4.setEnabled(frei);
    if (!frei) P.Einsp = 0.0f;
}

void frmAushub1::txtZAush_LostFocus() {
    const auto v = Seite::ZahlLesen(txtZAush.Text());
    if (v && *v >= kAushubOben && *v <= kAushubUnten) {
        P.zAush = *v;
        TiefeZeigen();
        return;
    }
    // A level outside the model is refused and said; the level in force stays, in the box and below.
    if (v) {
        const std::string bisher = P.zAush == 0.0f ? "Diese Stufe hat noch keine Aushubkote."
                                                   : "Es bleibt zS = " + Seite::Zahl(P.zAush) + " m.";
        vb::MsgBox(
            "Die Kote der Aushubsohle zS = " + Seite::Zahl(*v) +
                " m ist nicht möglich: sie muss zwischen 0.01 und 98.98 m unter dem Wandkopf liegen.\r\n" +
                bisher,
            vb::vbOKOnly | vb::vbExclamation, "Aushubkote");
    } else {
        vb::Beep(); // beyond single precision, as every number box
    }
    txtZAush.setText(AushubText());
    TiefeZeigen();
    Seite::FokusZurueck(txtZAush);
}

void frmAushub1::AnkerboxenFreigeben() {
    for (int16_t i = 1; i <= 8; ++i)
        txtZAnker(i).setEnabled(i <= P.AnzAnker);
}

void frmAushub1::txtAnzAnker_LostFocus() {
    if (P.AnzAnker > 8) {
        Seite::Ersetzt(txtAnzAnker, "8");
    } else if (P.AnzAnker < 0) {
        P.AnzAnker = 0;
        Seite::Ersetzt(txtAnzAnker, "0");
    }
    AnkerboxenFreigeben();
}

void frmAushub1::txtZNextAnker_LostFocus() {
    if (P.ZNextAnker == 0.0f || P.ZNextAnker > 99.0f) Seite::Ersetzt(txtZNextAnker, "99");
    for (int16_t i = int16_t(Anker() + 1); i <= 8; ++i)
        P.ZAnker[i] = 0.0f;
}

void frmAushub1::txtZWasserLuft_LostFocus() {
    if (P.ZWasserLuft > 99.0f) P.ZWasserLuft = 99.0f;
    if (P.ZWasserLuft < 0.0f) Seite::Ersetzt(txtZWasserLuft, "0.00");
}

void frmAushub1::txtZWasserErd_LostFocus() {
    if (P.ZWasserErd > 99.0f) P.ZWasserErd = 99.0f;
    P.ZWasserErdAush[Stufe()] = P.ZWasserErd;
    if (P.ZWasserErd < 0.0f) Seite::Ersetzt(txtZWasserErd, "0.00");
}

void frmAushub1::txtZWandfuss_LostFocus() {
    if (P.ZWandfuss < P.zAush) Seite::Ersetzt(txtZWandfuss, Seite::Zahl(P.zAush + 0.01f));
}

void frmAushub1::txtEinsp_LostFocus() {
    if (P.Einsp > 100.0f) Seite::Ersetzt(txtEinsp, "100");
}

void frmAushub1::cmdOK_Click() {
    const int16_t s = Stufe();
    if (P.Wandfuss == 4) {
        P.BettAnz[s] = 0;
        P.FussGebettet[s] = 0;
        P.kzUeb[s] = 1;
        P.Einsp = 0.0f;
    }
    if (P.BettAnz[s] > 0) P.BettT(s, std::min<int16_t>(P.BettAnz[s], 15)) = 99.0f - P.zAush;
    const int16_t n = Anker();
    for (int16_t i = 1; i <= n; ++i)
        if (P.ZAnker[i] < 0.01f) P.ZAnker[i] = 0.01f;
    for (int16_t i = 1; i <= n; ++i)
        if (P.ZAnker[i] == P.zAush) P.ZAnker[i] = P.zAush - 0.003f;
    for (int16_t i = 1; i <= n; ++i)
        P.ZAuflager[i] = P.ZAnker[i];
    if (P.ZNextAnker < 99.0f) P.ZAuflager[n + 1] = P.ZNextAnker;
    P.AnzAuflagerStufe = int16_t(n + 1);
    if (P.zAush + 0.01f > P.ZWandfuss) P.ZWandfuss = P.zAush + 0.01f;
    // The earth-side box edits both the stage's level and its per-stage copy: the copy is the level the box
    // shows, also when the box was never left.
    P.ZWasserErdAush[s] = P.ZWasserErd;
    zormcom::AushubSpeichern(P.AushNr);
    // A support below the given wall foot holds no wall: refused here, as the calculation refuses it.
    if (const auto fehler = zorm1::AuflagerUeberFussPruefen(P.AushNr)) {
        vb::MsgBox(zorm1::BerechnungNichtMoeglich(*fehler), vb::vbExclamation);
        return;
    }
    cmdOK.setEnabled(false);
    Seite::Weiter("frmAushub1b");
}

void frmAushub1::cmdHinweis3_Click() {
    vb::MsgBox("Der Wandreibungswinkel wird für den Widerstandsbeiwert wie\r\n"
               "eingegeben verwendet. Für Summe V wird jedoch Epv = 0.00 \r\n"
               "gesetzt. Dies soll den \"FELS\" simulieren: keine vertikale\r\n"
               "Verschiebung möglich.\r\n",
               vb::vbOKOnly | vb::vbInformation);
}
