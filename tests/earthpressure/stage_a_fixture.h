#pragma once
// A working folder of its own and a small project for the tests of the first stage of a run.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "earthpressure/handover_a.h"
#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "frame/stage_table.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/runtime.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace stagea_test {

using zorm1::P;
using zorm1::ResetProjectData;

namespace fs = std::filesystem;

inline constexpr float kGrad = 3.141593f / 180.0f;

using zortest::Text;
using zortest::Zeilen;

// Current-stage values of a simple stage, stored into column s of the stage table.
inline void Stufe(int16_t s, float zAush, int16_t wandfuss = 1) {
    P.Wandfuss = wandfuss;
    P.zAush = zAush;
    P.ZWandfuss = zAush + 0.01f;
    P.AnzAnker = 0;
    P.UmFigur = 0;
    P.UmZ1 = P.UmZ2 = P.EpsUml = 0.0f;
    for (auto& z : P.ZAnker)
        z = 0.0f;
    P.ZNextAnker = 99.0f;
    P.ZWasserLuft = 99.0f;
    P.ZWasserErd = 99.0f;
    P.EFaktor = 1.0f;
    P.StBx1 = P.StBx2 = P.StBH = 0.0f;
    P.Einsp = 0.0f;
    P.AnzSohlLast = 0;
    P.AnzZusatzSpannung = 0;
    P.AnzErddruckFaktor = 0;
    zormcom::AushubSpeichern(s);
}

// A cantilever sheet pile wall in two layers (3 m sand above clay), excavated to 4 m, one
// load case with an unlimited area load of 10 kN/m2; global safety.
inline void BeispielProjekt() {
    P.GradZuRad = kGrad;
    P.TiefeUnendlich = 99.0f;
    P.Wandtyp = 2;
    P.Wandart = 2;
    P.WandKopf = 1;
    P.Erddruckart = 1;
    P.RuheProz = 0.0f;
    P.KonzFaktor = 4;
    P.Etap = 1.5f;
    P.EtaGlobal = 1.5f;
    P.MinEah = 0.2f;
    P.DeltaZF = 0.0f;
    P.PhiCaq = 35.0f;
    P.ProjBez = "Baugrube Test";
    P.ProjNr = "4711";
    P.PosName = "Verbau";
    P.Datum = "10.12.2026";
    P.GanzerNameOhneExt = "/tmp/projekt";
    P.GanzerName = "/tmp/projekt";
    P.Versionstext = "V.07.05.2012";
    P.DWand = 0.01f;

    P.AnzErd = 2;
    const float dicke[] = {3.0f, 5.0f}, phi[] = {30.0f, 22.5f}, da[] = {20.0f, 15.0f},
                dp[] = {-15.0f, -11.25f}, ca[] = {0.0f, 10.0f}, cp[] = {0.0f, 10.0f}, g[] = {18.0f, 19.0f},
                ga[] = {10.0f, 9.0f};
    for (int i = 1; i <= 2; ++i) {
        P.SchichtDicke[i] = dicke[i - 1];
        P.SchichtPhi[i] = phi[i - 1];
        P.SchichtDeltaA[i] = da[i - 1];
        P.SchichtDeltaP[i] = dp[i - 1];
        P.SchichtCa[i] = ca[i - 1];
        P.SchichtCp[i] = cp[i - 1];
        P.SchichtGamma[i] = g[i - 1];
        P.SchichtGammaAuftrieb[i] = ga[i - 1];
        P.SchichtGammaAush[i] = g[i - 1];
        P.SchichtGammaAuftriebAush[i] = ga[i - 1];
        P.SchichtEI[i] = 50.0f;
    }

    P.AnzAush = 1;
    Stufe(1, 4.0f);
    P.AnzLF = 1;
    P.AnzLastLuftLF[1] = 0;
    P.AnzLastErdLF[1] = 1;
    P.ErdLastPv(1, 1) = 10.0f;
    P.ErdLastXA(1, 1) = 0.0f;
    P.ErdLastXE(1, 1) = 999.0f;
    P.ErdLastZ(1, 1) = 0.0f;
    P.ErdLastDauer(1, 1) = 0.0f;
    P.ErdLastRuheFaktor(1, 1) = 1.0f;
    P.AnzAnkerGesamt = 0;
    P.EtaGl = 1.5f;
}

// Runs every test in an empty working folder of its own, with the program state reset.
class Arbeitsordner : public ::testing::Test {
protected:
    void SetUp() override {
        vb::SetDecimalSeparator(',');
        vb::headless::Reset();
        ResetProjectData();
        zor::LaufZuruecksetzen();
        P.WurzelOrdner = ordner_.path().string() + "/";
    }
    void TearDown() override {
        ResetProjectData();
        zor::LaufZuruecksetzen();
    }
    fs::path Datei(const std::string& name) const { return ordner_ / name; }

    // The lines of the report "LPTZW" as they stand now.
    std::vector<std::string> Bericht() const { return Zeilen(Datei("LPTZW")); }

    // The report lines from the first one that contains `von` up to the line before the first
    // later one that contains `bis`.
    std::vector<std::string> Abschnitt(const std::string& von, const std::string& bis) const {
        std::vector<std::string> out;
        bool drin = false;
        for (const auto& l : Bericht()) {
            if (!drin && l.find(von) != std::string::npos)
                drin = true;
            else if (drin && l.find(bis) != std::string::npos)
                break;
            if (drin) out.push_back(l);
        }
        return out;
    }

    // Whether a report line contains the text.
    bool Enthaelt(const std::string& text) const {
        for (const auto& l : Bericht())
            if (l.find(text) != std::string::npos) return true;
        return false;
    }

    zortest::WorkingFolder ordner_;
};

} // namespace stagea_test
