#include "run/frmAuswahl.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/settings.h"
#include "frame/stage_table.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "request/run_driver.h"
#include "run/frmTitel.h"
#include "run/program.h"
#include "run/working_files.h"
#include "windows/unload_dialogs.h"

using zorm1::P;

namespace {

// Loads an input page by name; a page that is not part of the program is left out.
void SeiteLaden(const char* name) {
    if (vb::IsRegistered(name)) vb::FormByName(name);
}

constexpr int16_t kMaxStufen = 15;
constexpr int16_t kMaxLastfaelle = 8;

// The options in the order cmdOK looks at them.
constexpr int16_t kReihenfolge[] = {1, 2, 3, 4, 5, 11, 12, 13, 6};

} // namespace

frmAuswahl::frmAuswahl() : vb::Form("frmAuswahl") {
    setCaption("ZOR  Auswahl - Tabelle   ");
    Resizable = false;
    setClientSize(7200, 6420);

    Frame1.setCaption("auswählen , ändern :");
    Frame1.Move(120, 60, 6960, 4260);
    struct Thema {
        int16_t index;
        const char* text;
        float top;
    };
    const Thema themen[] = {{1, "Wandtyp", 300},
                            {2, "Bodenschichten    Anzahl :", 660},
                            {3, "Aushubzustände   Anzahl :", 1020},
                            {4, "Lastfälle                  Anzahl :", 1380},
                            {5, "Anker, Steifen", 1740},
                            {6, "Umfang der Ausgabe  incl. Bemess., Spannungsnachw.", 2100},
                            {11, "Bodenschicht eliminieren / einfügen", 2880},
                            {12, "Aushubzustand  eliminieren./ einfügen", 3240},
                            {13, "Lastfall  elim., wenn > 1 vorhanden.", 3600}};
    int16_t tab = 0;
    for (const Thema& t : themen) {
        auto& o = optAuswahl.add(t.index, &Frame1);
        o.setCaption(t.text);
        o.Move(240, t.top, t.index == 6 ? 6480 : (t.index > 10 ? 4200 : 2640), 315);
        o.TabIndex = tab++;
    }
    lblSonder.setCaption("Sonderfälle:");
    lblSonder.Move(240, 2580, 2000, 285);
    lblSonder.setFontBold(true);
    // Counts (display) beside their topics, and the numbers to edit.
    const std::pair<int16_t, float> anzahl[] = {{4, 660}, {0, 1020}, {2, 1380}};
    for (auto [i, top] : anzahl) {
        auto& t = txtAushub.add(i, &Frame1);
        t.Move(2940, top, 600, 315);
        t.Locked = true;
        t.TabStop = false;
        t.Alignment = vb::vbRightJustify;
    }
    for (auto [i, top] : {std::pair<int16_t, float>{1, 1020}, {3, 1380}}) {
        auto& l = lblNr.add(i, &Frame1);
        l.setCaption("Eingaben für Nr. ");
        l.Move(3720, top + 30, 1560, 285);
        auto& t = txtAushub.add(i, &Frame1);
        t.Move(5340, top, 600, 315);
        t.Alignment = vb::vbRightJustify;
        t.setEnabled(false);
        t.TabIndex = static_cast<int16_t>(optAuswahl(i).TabIndex); // right after its option
    }

    lblHinweis.setCaption(
        "  Bei Neu-Eingabe der Reihe nach vorgehen.  Eingabe für alle 6 Punkte erforderlich .");
    lblHinweis.Move(120, 4380, 6960, 285);
    txtDateiName.Move(120, 4740, 6960, 315);
    txtDateiName.Locked = true;
    txtDateiName.TabStop = false;

    cmdOK.setCaption("OK");
    cmdOK.Move(120, 5220, 1560, 495);
    cmdOK.setFontBold(true);
    cmdOK.Default = true;
    cmdStart.setCaption("Berechnung starten");
    cmdStart.Move(1800, 5220, 2640, 495);
    cmdStart.setFontBold(true);
    cmdEnd.setCaption("Programm beenden");
    cmdEnd.Move(4560, 5220, 2520, 495);
    cmdNeustart.setCaption("ZOR neu starten");
    cmdNeustart.Move(120, 5820, 1920, 495);
    cmdNeustart2.setCaption("aktueller Dateiname; ändern in......");
    cmdNeustart2.Move(2160, 5820, 3240, 495);
    cmdEsc.setCaption("Abbruch");
    cmdEsc.Move(5520, 5820, 1560, 495);

    optAuswahl.onClick([this](int16_t i) { optAuswahl_Click(i); });
    optAuswahl.onDblClick([this](int16_t) { cmdOK_Click(); });
    optAuswahl.onLostFocus([this](int16_t i) { optAuswahl_LostFocus(i); });
    txtAushub.onGotFocus([this](int16_t i) { txtAushub_GotFocus(i); });
    txtAushub.onLostFocus([this](int16_t i) { txtAushub_LostFocus(i); });
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdStart.Click = [this] { cmdStart_Click(); };
    cmdEnd.Click = [this] { cmdEnd_Click(); };
    cmdEsc.Click = [this] { cmdEsc_Click(); };
    cmdNeustart.Click = [this] { cmdNeustart_Click(); };
    cmdNeustart2.Click = [this] { cmdNeustart2_Click(); };
}

void frmAuswahl::Form_Load() {
    Move(vb::Screen::Width() - Width(), vb::Screen::Height() - Height() - 500, Width(), Height());
    P.AushNr = std::max<int16_t>(P.AushNr, 1);
    P.LFNr = std::max<int16_t>(P.LFNr, 1);
    P.AnzAush = std::max<int16_t>(P.AnzAush, 1);
    P.AnzLF = std::max<int16_t>(P.AnzLF, 1);
    Show();
}

void frmAuswahl::Form_Activate() {
    // The ways out come back whenever the window is active and no request calculates: a project that cannot
    // be calculated yet must not be left only by "Abbruch". While the pictures of a request wait, the request
    // has given them back already, and a page opened meanwhile gives them back too.
    if (!zorrun::AnfrageRechnet()) {
        cmdEnd.setEnabled(true);
        cmdNeustart.setEnabled(true);
        cmdNeustart2.setEnabled(true);
    }
    if (P.AushNr > P.AnzAush) P.AushNr = P.AnzAush;
    zormcom::AushubLaden(P.AushNr);
    txtDateiName.setText(vb::Right(P.GanzerName, 35));
    const int16_t werte[] = {P.AnzAush, P.AushNr, P.AnzLF, P.LFNr, P.AnzErd};
    for (int16_t i = 0; i <= 4; ++i)
        txtAushub(i).setText(std::to_string(werte[i]));
}

void frmAuswahl::Form_QueryUnload(int16_t& Cancel, int16_t /*UnloadMode*/) {
    if (zorrun::AnfrageRechnet()) Cancel = 1; // not while a request calculates (its pictures may wait)
}

void frmAuswahl::Form_Unload(int16_t& /*Cancel*/) {
    // The close box ends the program at once; nothing is saved, and the working files of the runs go as at
    // every end of the program.
    zorm1::DateienLoeschen();
    vb::End();
}

void frmAuswahl::Fokus(vb::Control& c) {
    if (c.canTakeFocusNow()) c.SetFocus();
}

int16_t frmAuswahl::Nummer(const std::string& text) {
    const double v = vb::Val(text);
    if (v >= 32767.5) return 32767;
    if (v < -32768.5) return 0;
    return vb::CInt(v);
}

void frmAuswahl::optAuswahl_Click(int16_t Index) {
    txtAushub(1).setEnabled(Index == 3);
    txtAushub(3).setEnabled(Index == 4);
}

void frmAuswahl::optAuswahl_LostFocus(int16_t Index) {
    if (Index == 3) P.AushNr = Nummer(txtAushub(1).Text());
    if (Index == 4) P.LFNr = Nummer(txtAushub(3).Text());
}

void frmAuswahl::txtAushub_GotFocus(int16_t Index) {
    auto& t = txtAushub(Index);
    t.setSelStart(0);
    t.setSelLength(vb::Len(t.Text()));
}

void frmAuswahl::txtAushub_LostFocus(int16_t Index) {
    if (Index == 1 || Index == 3) NummerUebernehmen(Index);
}

void frmAuswahl::NummerUebernehmen(int16_t box) {
    const bool stufe = box == 1;
    int16_t& nr = stufe ? P.AushNr : P.LFNr;
    int16_t& anz = stufe ? P.AnzAush : P.AnzLF;
    const int16_t grenze = stufe ? kMaxStufen : kMaxLastfaelle;
    nr = Nummer(txtAushub(box).Text());
    if (nr > anz) {
        nr = static_cast<int16_t>(anz + 1); // one new stage or load case at the end
        anz = nr;
    }
    if (nr > grenze) {
        nr = grenze;
        anz = grenze;
    }
    txtAushub(box - 1).setText(std::to_string(anz));
    txtAushub(box).setText(std::to_string(nr));
    stufe ? Aushub() : Lasten();
}

void frmAuswahl::cmdOK_Click() {
    cmdEnd.setEnabled(false);
    cmdNeustart.setEnabled(false);
    cmdNeustart2.setEnabled(false);
    int16_t gewaehlt = 0;
    for (int16_t i : kReihenfolge) {
        if (optAuswahl(i).Value()) {
            gewaehlt = i;
            break;
        }
    }
    switch (gewaehlt) {
    case 1:
    case 2:
    case 5:
    case 11:
    case 12:
    case 6: {
        zorm1::MaskenEntladen();
        const char* seite = gewaehlt == 1    ? "frmWand1"
                            : gewaehlt == 2  ? "frmBoden1"
                            : gewaehlt == 5  ? "frmAnker1"
                            : gewaehlt == 11 ? "frmBoden0"
                            : gewaehlt == 12 ? "frmAushub0"
                                             : "frmAusgabe";
        SeiteLaden(seite);
        break;
    }
    case 3:
        Aushub();
        break;
    case 4:
        Lasten();
        break;
    case 13:
        zorm1::MaskenEntladen();
        if (P.AnzLF > 1)
            SeiteLaden("frmLast0");
        else
            optAuswahl(4).setValue(false);
        break;
    default:
        break;
    }
    // Nothing opened over this window (no page chosen, or a page not part of the program): the ways out
    // stay usable.
    if (loaded() && isActive() && !zorrun::AnfrageRechnet()) {
        cmdEnd.setEnabled(true);
        cmdNeustart.setEnabled(true);
        cmdNeustart2.setEnabled(true);
    }
}

void frmAuswahl::Aushub() {
    Fokus(cmdOK);
    zorm1::MaskenEntladen();
    P.AushNr = std::clamp<int16_t>(P.AushNr, 1, kMaxStufen);
    zormcom::AushubLaden(P.AushNr);
    P.ZWasserErdAush[0] = 99;
    // A stage not yet entered starts from the earth-side water level of the stage before it.
    if (P.ZWasserErdAush[P.AushNr] == 0.0f && P.zAush == 0.0f)
        P.ZWasserErdAush[P.AushNr] = P.ZWasserErdAush[P.AushNr - 1];
    // A stage without supports offers the support levels of the stage last confirmed.
    if (P.AnzAnker == 0 && P.AushNr >= 2) {
        const int n = std::clamp<int>(P.AnzAuflagerStufe, 0, 8);
        for (int i = 1; i <= n; ++i)
            P.ZAnker[i] = P.ZAuflager[i];
    }
    SeiteLaden("frmAushub1");
}

void frmAuswahl::Lasten() {
    Fokus(cmdOK);
    zorm1::MaskenEntladen();
    P.LFNr = std::clamp<int16_t>(P.LFNr, 1, kMaxLastfaelle);
    SeiteLaden("frmLast1");
}

bool frmAuswahl::EingabeSpeichern() {
    if (!zorm1::EingabeSchreiben(P.GanzerName)) return false;
    if (!Anzeigen::PfadDateiSchreiben()) return false;
    zorm1::MaskenEntladen();
    return true;
}

std::string frmAuswahl::ProgrammDatei() {
    std::error_code ec;
    const auto selbst = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && !selbst.empty()) return selbst.string();
    return vb::AppPath() + vb::PathSep + "zor";
}

void frmAuswahl::cmdStart_Click() {
    zorrun::cmdStart_Click();
}

void frmAuswahl::cmdEnd_Click() {
    zorm1::DateienLoeschen();
    // A failed save is told by the writer; the program stays open with the project in memory.
    if (!EingabeSpeichern()) return;
    vb::End();
}

void frmAuswahl::cmdEsc_Click() {
    zorm1::DateienLoeschen(); // nothing is saved; the working files of the runs go
    vb::End();
}

void frmAuswahl::cmdNeustart_Click() {
    // As "Programm beenden": the working files go, then the project is saved; the new instance starts in a
    // working folder without the files of this one's runs.
    zorm1::DateienLoeschen();
    if (!EingabeSpeichern()) return;
    const std::string datei = ProgrammDatei();
    // The new instance takes the working folder; this one touches no file any more once it has started it.
    const bool gesperrt = zorrun::ArbeitsordnerFreigeben();
    if (!vb::StartProgram(datei)) {
        if (gesperrt && !zorrun::ArbeitsordnerBelegen()) vb::End(zorrun::kProgrammOrdnerBelegt); // said
        vb::MsgBox("ZOR konnte nicht neu gestartet werden:\r\n" + datei +
                       "\r\n\r\nDie Eingabe ist gespeichert; das Programm bleibt geöffnet.",
                   vb::vbExclamation);
        return;
    }
    vb::End();
}

void frmAuswahl::cmdNeustart2_Click() {
    Hide();
    // The start dialog's load reads the settings file; the project in memory keeps its names and display
    // settings, or OK could save this project over the file of the project saved last.
    const auto bisher = std::make_unique<zorm1::ProjectData>(P);
    auto& titel = vb::form<frmTitel>();
    P = *bisher;
    titel.NurSpeichern();
}
