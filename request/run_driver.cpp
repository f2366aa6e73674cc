#include "request/run_driver.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

#include "earthpressure/report_file.h"
#include "design/state.h"
#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/project_list.h"
#include "frame/run_state.h"
#include "frame/run_status.h"
#include "frame/settings.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "request/run_stages.h"
#include "request/run_windows.h"
#include "request/support_levels.h"
#include "request/wall_section.h"
#include "slipcircle/state.h"
#include "statics/state.h"
#include "verification/state.h"

using zorm1::P;

namespace zorrun {

namespace {

bool laeuft = false;
bool rechnet = false;

// Marks the request as running for its whole duration (and as calculating until its results are shown).
struct LaufMarke {
    LaufMarke() { laeuft = rechnet = true; }
    ~LaufMarke() { laeuft = rechnet = false; }
};

const char* const kSchaltflaechen[] = {"cmdEnd", "cmdNeustart", "cmdNeustart2", "cmdStart", "cmdOK"};

template <class F, class... A> void Aufruf(const F& slot, A&&... a) {
    if (slot) slot(std::forward<A>(a)...);
}

void Schaltflaeche(const std::string& name, bool frei) {
    Aufruf(Fenster().Schaltflaeche, name, frei);
}

// Normal pointer and every button of the main window enabled again.
void Freigeben() {
    Aufruf(Fenster().Sanduhr, false);
    for (const char* n : kSchaltflaechen)
        Schaltflaeche(n, true);
}

std::string Zahl(int v) {
    return std::to_string(v);
}

// Where the run stands: a load case and stage of the project, or past the last load case, where the
// verification stage ends the run with the results over all load cases, the slip circle and the design.
std::string Ort() {
    if (P.LFNr >= 1 && P.LFNr <= P.AnzLF)
        return "im Lastfall " + Zahl(P.LFNr) + ", Aushubzustand " + Zahl(P.AushNr);
    return "nach dem letzten Lastfall (Ergebnisse aller Lastfälle, Geländebruch, Bemessung)";
}

// The run cannot go on: the driver's own reasons.
[[noreturn]] void Abbrechen(const std::string& grund, bool berichtZeile = false) {
    if (berichtZeile) {
        // The report says it too, so that a report left in the working folder is not taken as complete.
        try {
            vb::CloseAll();
            const int16_t f = vb::FreeFile();
            vb::Open("LPTZW", vb::OpenMode::Append, f);
            for (const std::string& z : zorma::HinweisZeilen("", "*** " + grund))
                vb::Print(f, z);
            vb::Close(f);
        } catch (const std::exception&) {
        }
    }
    throw zor::CalcAbort("Die Berechnung wurde abgebrochen:\r\n\r\n" + grund);
}

// "ZORDENDE.DOS" can be opened (the stage that ended wrote it).
bool EndeMarkeVorhanden() {
    try {
        const int16_t f = vb::FreeFile();
        vb::Open("ZORDENDE.DOS", vb::OpenMode::Input, f);
        vb::Close(f);
        return true;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

void LoeschenOhneFehler(const char* muster) {
    try {
        vb::Kill(muster);
    } catch (const std::exception&) {
    }
}

void LeerAnlegen(const char* name) {
    const int16_t f = vb::FreeFile();
    vb::Open(name, vb::OpenMode::Output, f);
    vb::Close(f);
}

// Copies a run file beside the project file through a temporary file and a rename. A missing source is
// skipped when `fehltStill`; a failure is told and the old file stays.
void NebenProjektKopieren(const std::string& quelle, const std::string& ziel, bool fehltStill) {
    try {
        if (!vb::FileExists(quelle)) {
            if (fehltStill) return;
            throw vb::RuntimeError(53, "Datei nicht gefunden");
        }
        vb::SaveReplacing(ziel, [&quelle](const std::string& temp) { vb::FileCopy(quelle, temp); });
    } catch (const std::exception& e) {
        zor::Melden("Die Datei \"" + quelle + "\" konnte nicht nach\r\n" + ziel + "\r\nkopiert werden (" +
                        e.what() + ").\r\nDie bisherige Datei bleibt unverändert.",
                    vb::vbExclamation);
    }
}

// The profile check of step 9: true when the request goes on.
bool ProfilPasst() {
    if (P.BemessungEin == 0 || (P.Wandtyp != 1 && P.Wandtyp != 2)) return true;
    const std::string endung = vb::Right(vb::Trim(P.ProfilName), 3);
    std::string zeile;
    if (P.Wandart == 1 && endung != "TBW")
        zeile = "nicht zum Wandtyp (Trägerbohlwand).";
    else if (P.Wandart == 2 && endung != "SPW")
        zeile = "nicht zum Wandtyp (Spundwand).";
    else
        return true;
    const int antwort = zor::Melden("Das bisher ausgewählte Profil paßt\r\n" + zeile +
                                        "\r\n\rWollen Sie ein neues Profil einlesen ?\r\n",
                                    vb::vbYesNo | vb::vbDefaultButton2 | vb::vbExclamation);
    if (antwort == vb::vbYes) {
        Aufruf(Fenster().ProfilListeLaden);
        return false;
    }
    P.BemessungEin = 0;
    return true;
}

Laufausgang EinLauf() {
    Aufruf(Fenster().Nachgeben); // the only yield of a request: pending repaints and clicks
    zor::Laufstatus status = zor::Laufstatus::Offen;
    return Rechnen(status);
}

} // namespace

bool AnfrageLaeuft() {
    return laeuft;
}

bool AnfrageRechnet() {
    return rechnet;
}

bool LastenVerschieben() {
    if (P.AnzLF < 1) return true;
    constexpr float kSchritt = 0.005f;
    const std::vector<float> koten = Anker::AuflagerKotenAllerStufen();
    const int anzLF = std::min<int>(P.AnzLF, zorm1::MaxLastfaelle);
    bool geaendert = false;
    do {
        geaendert = false;
        for (int lc = 1; lc <= anzLF; ++lc) {
            const int anzLast = std::clamp<int>(P.AnzLastLuftLF[lc], 0, zorm1::MaxLastenJeLF);
            for (int j = 1; j <= anzLast; ++j) {
                for (const float k : koten) {
                    float& z = P.LuftLastZ(lc, j);
                    const float abstand = std::fabs(z - k);
                    if (!(abstand < kSchritt)) continue;
                    const float neu = z + kSchritt;
                    if (neu == z) {
                        zor::Melden(
                            "Die Wandlast " + Zahl(j) + " des Lastfalls " + Zahl(lc) + " liegt bei " +
                                vb::StrPlain(z) +
                                " m auf einem Auflager und läßt sich nicht um 0.005 m verschieben.\r\n"
                                "Bitte die Kote der Last überprüfen.",
                            vb::vbExclamation);
                        return false;
                    }
                    z = neu;
                    geaendert = true;
                }
            }
        }
    } while (geaendert);
    return true;
}

Laufausgang Rechnen(zor::Laufstatus& status) {
    // No value that is no number leaves a stage: the files of the run refuse one (vbfile.h), and the stage
    // that produced it is named with its load case and excavation stage.
    const vb::ZahlenwerteWaechter waechter;
    const char* stufe = "Eingabeauswertung";
    try {
        // Every module's run state from its start (so the results of the later stages, the factor on the
        // anchor forces, the recorded support deflections, the running design values and the degree of fixity
        // reached), with the factors the request set for this run.
        {
            const zormcom::Laufvorgaben vorgaben = zormcom::Vorgaben;
            zor::LaufZuruecksetzen();
            zormcom::Vorgaben = vorgaben;
        }
        // The run's flags of seepage and hydraulic heave, which the stages switch off where they cannot
        // apply.
        zormcom::Lauf.kzStroem = P.kzStroem;
        zormcom::Lauf.kzHydGrBr = P.kzHydGrBr;
        // 1.-3. The start values that are not 0.
        zormc::St.AnkerFaktor = 1.0f;
        for (int i = 1; i <= 13; ++i)
            zormd::BS.AnkerAhMax[i] = -9999.0f;
        if (P.gamH == 0.0f) P.gamH = 1.0f;
        bool laengen = false;
        for (int i = 1; i <= 13; ++i)
            if (P.AnkerLmin[i] > 0.0f && P.AnkerLmax[i] > 0.0f) laengen = true;
        if (!laengen || P.AnzAnker < 1) P.AnkerLaengen = 0;
        // The concrete constants of the chosen grade, also for a project whose wall page was never opened
        // (they are not kept in the project file; without them every concrete section reads as overloaded).
        Wand::BETON2();
        // The slip circle of the run works in the arrays the start dialog made before the project was read;
        // they are made anew, empty, as then, sized for the most bottom loads any stage can hold.
        {
            const int16_t sohllasten = P.AnzSohlLast;
            P.AnzSohlLast = 8;
            Zormg::FelderDimensionieren();
            P.AnzSohlLast = sohllasten;
        }

        // 4.-6. Stage a; its end marker is there when it returns, or the run cannot go on.
        LoeschenOhneFehler("ZORDENDE.DOS");
        stufe = "Eingabeauswertung";
        Stufen().EingabeAuswerten();
        if (!EndeMarkeVorhanden())
            Abbrechen("Die Eingabeauswertung hat die Endemarke \"ZORDENDE.DOS\" nicht geschrieben.");

        // 7. Earth pressure, statics and verifications per load case and stage.
        const int maxNachweise = std::max<int>(P.AnzLF, 1) * std::max<int>(P.AnzAush, 1);
        int nachweisAufrufe = 0;
        int wiederholungen = 0;
        for (;;) {
            vb::CloseAll();
            stufe = "Erddruckberechnung";
            Stufen().ErddruckBerechnen();
            stufe = "Statik";
            Stufen().WandStatik(status);
            if (status == zor::Laufstatus::Stop) throw zor::CalcAbort(""); // the statics has told the user
            if (status == zor::Laufstatus::Nochmal) {
                if (++wiederholungen >= kMaxStatikWiederholungen)
                    Abbrechen("Die Statik im Lastfall " + Zahl(P.LFNr) + ", Aushubzustand " + Zahl(P.AushNr) +
                                  " wurde " + Zahl(wiederholungen) + "-mal wiederholt, ohne abzuschließen.",
                              true);
                continue;
            }
            wiederholungen = 0;
            stufe = "Nachweise und Bemessung";
            Stufen().Nachweise(status);
            ++nachweisAufrufe;
            if (status != zor::Laufstatus::Nochmal) break;
            if (nachweisAufrufe >= maxNachweise)
                Abbrechen(
                    "Die Nachweise sind nach " + Zahl(nachweisAufrufe) +
                        " Aufrufen (Lastfälle x Aushubzustände) nicht abgeschlossen; zuletzt Lastfall " +
                        Zahl(P.LFNr) + ", Aushubzustand " + Zahl(P.AushNr) + ".",
                    true);
        }
        const bool wandfuss = P.LFNr >= 1 && P.LFNr <= P.AnzLF;

        // 8.-9. The marker must be there. (The project the run changed for itself is put back by the
        // request.)
        vb::CloseAll();
        if (!EndeMarkeVorhanden())
            Abbrechen("Der Rechenlauf hat die Endemarke \"ZORDENDE.DOS\" nicht geschrieben.");
        return wandfuss ? Laufausgang::WandfussOberhalb : Laufausgang::Ende;
    } catch (const vb::ScriptExhausted&) {
        throw; // a test's script, not the run
    } catch (const zor::KeinZahlenwert& e) {
        vb::CloseAll();
        std::string wo = "Die Eingabeauswertung hat";
        if (std::string(stufe) != "Eingabeauswertung") {
            wo = Ort() + " hat die Stufe \"" + stufe + "\"";
            wo[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(wo[0])));
        }
        zor::Melden("Die Berechnung wurde abgebrochen:\r\n\r\n" + wo + " keinen Zahlenwert ergeben für\r\n" +
                        e.Groesse() + ".\r\nBitte die Eingabe überprüfen.",
                    vb::vbExclamation);
    } catch (const zor::CalcAbort& e) {
        vb::CloseAll();
        // A stop inside a load case says where, unless its text does already.
        std::string text = e.what();
        if (!text.empty() && text.find("Lastfall") == std::string::npos && P.LFNr >= 1 && P.LFNr <= P.AnzLF)
            text += "\r\n\r\n(" + Ort() + ")";
        if (!text.empty()) zor::Melden(text, vb::vbExclamation);
    } catch (const vb::WriteError& e) {
        vb::CloseAll();
        zor::Melden("Die Berechnung wurde abgebrochen:\r\n\r\n" + zor::SchreibfehlerText(e), vb::vbExclamation);
    } catch (const std::exception& e) {
        vb::CloseAll();
        zor::Melden("Die Berechnung wurde abgebrochen:\r\n\r\nUnerwarteter Fehler " + Ort() + ":\r\n" + e.what(),
                    vb::vbCritical);
    }
    return Laufausgang::Abgebrochen;
}

namespace {

// A request made while the pictures of the last one wait for the user; it runs once that request has
// returned, never nested inside the wait.
bool nachholen = false;

Anfrageausgang Anfrage() {
    LaufMarke marke;
    auto& F = Fenster();
    zorm1::ProjectData gesichert;
    bool gesperrt = false;
    // The wall loads as the user placed them: only the run's copy has them moved off the support levels; the
    // project keeps them, also when the request ends before its runs.
    struct LastenDesBenutzers {
        const decltype(P.LuftLastZ) z = P.LuftLastZ;
        bool zurueck = true;
        ~LastenDesBenutzers() {
            if (zurueck) P.LuftLastZ = z;
        }
    } lasten;
    // Nothing is written for a project whose file is one of those the run writes, nor while another instance
    // saves or calculates the same project file: it keeps it locked until its request has ended.
    if (const auto grund = zorm1::ProjektNameFehler(P.GanzerName)) {
        zor::Melden(zorm1::ProjektNameMeldung(P.GanzerName, *grund), vb::vbExclamation,
                    "Berechnung nicht möglich");
        return Anfrageausgang::KeinLauf;
    }
    const zorm1::ProjektSperre sperre(P.GanzerName);
    if (sperre.belegt()) {
        zor::Melden(zorm1::ProjektBelegtMeldung(P.GanzerName), vb::vbExclamation, "Berechnung nicht möglich");
        return Anfrageausgang::KeinLauf;
    }
    try {
        // 1.-4. Loads off support levels, slip-circle results emptied, empty layers (the at-rest shares of
        // the layers are run state, reset with it).
        if (!LastenVerschieben()) return Anfrageausgang::KeinLauf;
        LeerAnlegen("DIDUVU.ERG");
        const int anzErd = std::clamp<int>(P.AnzErd, 0, 100);
        for (int i = 1; i <= anzErd; ++i)
            if (P.SchichtGamma[i] <= 0.1f) {
                P.SchichtGamma[i] = 0.0f;
                P.SchichtGammaAuftrieb[i] = 0.0f;
            }

        // 5. Support levels rebuilt from the stages; changed ones need the anchor page first.
        Aufruf(F.AnkerDialogEntladen);
        const int anzAlt = std::clamp<int>(P.AnzAnkerGesamt, 0, 20);
        const std::vector<float> alt(P.ZAuflager.begin() + 1, P.ZAuflager.begin() + 1 + anzAlt);
        const int16_t anzAltGespeichert = P.AnzAnkerGesamt;
        Anker::AnkerAktualisieren();
        bool anders = P.AnzAnkerGesamt != anzAltGespeichert;
        for (int i = 1; !anders && i <= anzAlt; ++i)
            anders = P.ZAuflager[i] != alt[i - 1];
        if (anders) {
            Aufruf(F.AnkerDialogLaden);
            return Anfrageausgang::KeinLauf;
        }

        // 6.-8.
        Wand::BPfalsTBW();
        Aufruf(F.MaskenEntladen);
        for (const char* n : kSchaltflaechen)
            Schaltflaeche(n, false);
        Aufruf(F.Sanduhr, true);
        gesperrt = true;

        // 9. A steel profile that does not fit the wall kind.
        if (!ProfilPasst()) {
            Aufruf(F.Sanduhr, false); // the profile list enables "Berechnung starten" itself
            return Anfrageausgang::KeinLauf;
        }

        // 10.-11.
        if (F.ErgebnisFensterEntladen && !F.ErgebnisFensterEntladen()) {
            // The report window is printing: the run would replace the report it prints.
            zor::Melden(
                "Der Bericht wird gerade gedruckt.\r\nBitte die Berechnung nach dem Druck erneut starten.",
                vb::vbExclamation);
            Freigeben();
            return Anfrageausgang::KeinLauf;
        }
        if (P.AnzLF < 1) {
            Aufruf(F.Sanduhr, false);
            Schaltflaeche("cmdOK", true);
            Schaltflaeche("cmdStart", true);
            Aufruf(F.LastfallFokus);
            zor::Signalton();
            return Anfrageausgang::KeinLauf;
        }

        // 12. The run's copy as the working copy; the project, with the user's wall loads, as the project
        // file, with the settings.
        vb::CloseAll();
        if (!zorm1::ArbeitskopieSchreiben("WEXASAVE")) {
            Freigeben();
            return Anfrageausgang::KeinLauf;
        }
        zorm1::ProjectData lauf = P;
        P.LuftLastZ = lasten.z;
        vb::CloseAll();
        if (!zorm1::EingabeSchreiben(P.GanzerName)) {
            Freigeben();
            return Anfrageausgang::KeinLauf;
        }
        vb::CloseAll();
        Anzeigen::PfadDateiSchreiben(); // a failure is told; the settings are not needed by the run
        gesichert = P;
        P = std::move(lauf);
        lasten.zurueck = false;
    } catch (const vb::ScriptExhausted&) {
        throw;
    } catch (const std::exception& e) {
        vb::CloseAll();
        const auto* voll = dynamic_cast<const vb::WriteError*>(&e);
        zor::Melden(std::string("Die Berechnung kann nicht beginnen:\r\n\r\n") +
                        (voll ? zor::SchreibfehlerText(*voll) : std::string(e.what())),
                    voll ? vb::vbExclamation : vb::vbCritical);
        if (gesperrt) Freigeben();
        return Anfrageausgang::KeinLauf;
    }

    // 13.-14. List of project files; result files of earlier runs.
    DListe::Aktualisieren(P.GanzerName);
    for (const char* m : {"DOVUDUvozud.*", "ZOREwidVerw.*", "ZOREwid.*", "ZOREpp.", "zorglfr.", "zorglf.",
                          "ZOREwidvW.*", "ZOReP0.*", "ZOReWas.*", "ZOReZsp.*", "wexasave.GL1", "ANKMAX.-12"})
        LoeschenOhneFehler(m);

    // 15.-17. The runs. Each works on P as the run's copy of the project: the factors, the at-rest share, the
    // slip circle and the anchor lengths set for it below, and whatever the stages change in place, stay with
    // that run; the next run starts from the copy as it was, and the project as saved in step 12 comes back
    // after the last. What a run leaves for the report window, the pictures and the next run is in the run
    // state of the folders.
    const zorm1::ProjectData& projekt = gesichert; // the project as the user keeps it
    const zorm1::ProjectData laufStart = P;        // the run's copy as every run starts from it
    auto& V = zormcom::Vorgaben; // the factors of the run, none left from an earlier request
    V = zormcom::Laufvorgaben{};
    std::vector<Laufausgang> laeufe;
    const auto laufen = [&] {
        laeufe.push_back(EinLauf());
        P = laufStart;
    };
    if (P.TeilsicherheitenAn != 0) {
        V.gamS_Stahl = 1.15f;
        V.gamC_Beton = 1.5f;
        V.fck = P.BetonKlasse - 100.0f;
        V.fcd = 0.85f * V.fck / V.gamC_Beton;
        if (P.kzRered == 0 && P.kzRered2 == 0) {
            P.Etap = P.gamRe;
        } else {
            P.Etap = P.gamRered;
            P.gamRe = P.gamRered;
        }
        V.ErsterLauf = 1;
        P.AnkerLaengen = 1;
        V.gamEWirk = P.gamG;
        V.gamReWirk = P.gamRe;
        V.gamPhiWirk = P.gamPhi;
        V.gamCWirk = P.gamC;
        if (P.Bemessungssituation > 1) {
            V.gamEWirk = 1.2f + 0.15f * P.RuheProz / 100.0f;
            V.gamReWirk = 1.3f + 0.1f * P.RuheProz / 100.0f;
            V.gamPhiWirk = P.gamPhi + 0.1f * P.RuheProz / 100.0f;
            V.gamCWirk = P.gamC + 0.1f * P.RuheProz / 100.0f;
        }
        laufen();
    } else {
        V.gamS_Stahl = 1.0f;
        V.gamC_Beton = 1.0f;
        V.Etap2 = 2.0f * P.Etap / 1.5f;
        V.ErsterLauf = 1;
        if (P.Erddruckart == 2) {
            // Pure earth pressure at rest: one run of the first kind, with the project's own settings.
            laufen();
        } else {
            // First with pure active pressure and no slip circle; then, with the project's own at-rest share
            // and slip circle, a second run that reads the anchor lengths the first one kept.
            P.RuheProz = 0.0f;
            P.GelaendebruchEin = 0;
            laufen();
            if (laeufe.back() != Laufausgang::Abgebrochen &&
                (projekt.RuheProz != 0.0f || projekt.GelaendebruchEin != 0)) {
                V.ErsterLauf = 0;
                laufen();
            }
        }
    }

    P = projekt;
    if (std::find(laeufe.begin(), laeufe.end(), Laufausgang::Abgebrochen) != laeufe.end()) {
        Freigeben();
        return Anfrageausgang::Abgebrochen;
    }
    // The project as saved counts as read (the pages no longer offer the defaults of a new project), and the
    // page numbering of the new results starts at the start page.
    P.DatenGelesen = -1;
    P.SeitenNr = P.StartSeite;

    // Stage a takes the project's folder and name again from the settings file of the root folder, which
    // every instance of the user shares, whatever its working folder: another instance may have saved its own
    // there meanwhile. The files beside the project (and the report copy after the request) go beside the
    // file this request saved.
    P.DateiPfad = gesichert.DateiPfad;
    P.NameOhneExt = gesichert.NameOhneExt;

    // 18. The slip-circle input beside the project file. The project file keeps what step 12 saved: the
    // working copy stage a wrote holds the run's own factors (the passive resistance's partial factor as
    // Etap, the anchor lengths set for the run), which are no input of the user's and would come back as
    // such with the next read (Etap as the global safety after a change of the safety concept).
    NebenProjektKopieren("WEXASAVE.gl1", P.GanzerName + ".gl1", true);
    NebenProjektKopieren("WEXASAVE.gl2", P.GanzerName + ".gl2", true);

    // 19.-20.
    Freigeben();
    rechnet = false;
    Aufruf(F.EndeFokus);
    Aufruf(F.BerichtFensterZeigen);
    Aufruf(F.GrafikFensterLaden);
    return std::find(laeufe.begin(), laeufe.end(), Laufausgang::WandfussOberhalb) != laeufe.end()
               ? Anfrageausgang::WandfussOberhalb
               : Anfrageausgang::Fertig;
}

} // namespace

Anfrageausgang cmdStart_Click() {
    if (laeuft) {
        // While a run calculates the request is refused; while its pictures wait, the sequence ends and the
        // request follows once the running one has returned.
        auto& F = Fenster();
        if (F.GrafikFolgeBeenden && F.GrafikFolgeBeenden()) nachholen = true;
        return Anfrageausgang::KeinLauf;
    }
    nachholen = false;
    Anfrageausgang ausgang = Anfrage();
    while (std::exchange(nachholen, false))
        ausgang = Anfrage();
    return ausgang;
}

} // namespace zorrun
