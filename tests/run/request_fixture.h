#pragma once
// A working folder with an example project read from its copy there, the request's window slots recorded,
// and stand-in stages that record what the driver calls.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/report_copy.h"
#include "frame/run_state.h"
#include "frame/stage_table.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"
#include "request/run_driver.h"
#include "request/run_stages.h"
#include "request/run_windows.h"
#include "request/safety_factors.h"
#include "run/connect_windows.h"
#include "slipcircle/state.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace runtest {

namespace fs = std::filesystem;

class Anfrage : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::headless::Reset();
        vb::SetDecimalSeparator(',');
        ResetProjectData();
        Anzeigen::ResetH504();
        zor::LaufZuruecksetzen();
        zorrun::StufenStandard();
        zorrun::FensterStandard();
        P.WurzelOrdner = ordner_.path().string() + "/";
        P.GradZuRad = 3.141593f / 180.0f;
        P.TiefeUnendlich = 99.0f;
        FensterAufzeichnen();
    }
    void TearDown() override {
        zorrun::StufenStandard();
        zorrun::FensterStandard();
        ResetProjectData();
        Anzeigen::ResetH504();
        zor::LaufZuruecksetzen();
    }

    // Reads a copy of an example of tests/data in the working folder, with the working factors the safety
    // pages set; the current stage is the last one, as the request leaves it.
    void Beispiel(const std::string& name) {
        fs::copy_file(fs::path(ZOR_TEST_DATA) / name, ordner_ / name);
        P.DateiPfad = ordner_.path().string() + "/";
        P.DateiName = name;
        P.NameOhneExt = name;
        P.GanzerName = P.DateiPfad + name;
        P.GanzerNameOhneExt = P.GanzerName;
        Zormg::FelderDimensionieren();
        ASSERT_TRUE(zorm1::EingabeLesen(P.GanzerName));
        Sicherheiten::SicherheitsbeiwerteSetzen();
        zormcom::AushubLaden(P.AnzAush);
    }

    // Stand-in stages: stage a notes the project data it was called with and writes the end marker;
    // the earth-pressure stage notes load case and stage; the statics solves every stage at once and the
    // verifications are the driver's stand-in, unless a test installs others.
    void Platzhalterstufen() {
        auto& s = zorrun::Stufen();
        s.EingabeAuswerten = [this] {
            laeufe.push_back(P);
            vorgaben.push_back(zormcom::Vorgaben);
            vb::WriteFileBytes("ZORDENDE.DOS", "\"ENDE\"\r\n");
            P.LFNr = 1;
            P.AushNr = 1;
            P.SchichtPhi[1] *= P.GradZuRad; // as stage a leaves the layer angles
        };
        s.ErddruckBerechnen = [this] { besucht.emplace_back(P.LFNr, P.AushNr); };
        s.WandStatik = zorrun::StatikPlatzhalter;
        s.Nachweise = zorrun::NachweisePlatzhalter;
    }

    void FensterAufzeichnen() {
        auto& f = zorrun::Fenster();
        f.Schaltflaeche = [this](const std::string& n, bool frei) { knoepfe[n] = frei; };
        f.Sanduhr = [this](bool s) { sanduhr = s; };
        for (auto [slot, name] : std::initializer_list<std::pair<std::function<void()>*, const char*>>{
                 {&f.LastfallFokus, "LastfallFokus"},
                 {&f.EndeFokus, "EndeFokus"},
                 {&f.AnkerDialogEntladen, "AnkerDialogEntladen"},
                 {&f.AnkerDialogLaden, "AnkerDialogLaden"},
                 {&f.ProfilListeLaden, "ProfilListeLaden"},
                 {&f.MaskenEntladen, "MaskenEntladen"},
                 {&f.GrafikFensterLaden, "GrafikFensterLaden"}})
            *slot = [this, name = std::string(name)] { fenster.push_back(name); };
        f.ErgebnisFensterEntladen = [this] {
            fenster.push_back("ErgebnisFensterEntladen");
            return true;
        };
        f.BerichtFensterZeigen = [this] {
            fenster.push_back("BerichtFensterZeigen");
            Anzeigen::DruckDateiKopieren();
        };
        f.GrafikFolgeBeenden = [this] {
            fenster.push_back("GrafikFolgeBeenden");
            return bilderWarten;
        };
    }
    bool bilderWarten = false; // what the stand-in of the graphics window answers: its pictures wait
    bool Aufgerufen(const std::string& name) const {
        for (const auto& n : fenster)
            if (n == name) return true;
        return false;
    }
    // Pointer normal and every button of the main window enabled.
    void ErwarteFreigegeben() const {
        EXPECT_FALSE(sanduhr);
        for (const char* n : {"cmdEnd", "cmdNeustart", "cmdNeustart2", "cmdStart", "cmdOK"}) {
            auto it = knoepfe.find(n);
            EXPECT_TRUE(it == knoepfe.end() || it->second) << n;
        }
    }

    zortest::WorkingFolder ordner_;
    std::vector<ProjectData> laeufe;             // project data at each call of stage a
    std::vector<zormcom::Laufvorgaben> vorgaben; // the run's factors at each call of stage a
    std::vector<std::pair<int, int>> besucht;    // (load case, stage) of each earth-pressure call
    std::map<std::string, bool> knoepfe;         // main window buttons
    bool sanduhr = false;
    std::vector<std::string> fenster; // window slots called
};

} // namespace runtest
