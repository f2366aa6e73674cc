#pragma once
// A working folder of its own and a small project for the tests of the first stage of a run.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "earthpressure/handover_a.h"
#include "earthpressure/report_file.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "frame/stage_table.h"
#include "platform/runtime/runtime.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "tests/support/project_builder.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace stagea_test {

using zorm1::P;
using zorm1::ResetProjectData;

namespace fs = std::filesystem;

inline constexpr float kGrad = 3.141593f / 180.0f;

using zortest::Text;
using zortest::Zeilen;

using zortest::Stufe;

// A cantilever sheet pile wall in two layers (3 m sand above clay), excavated to 4 m, one
// load case with an unlimited area load of 10 kN/m2; global safety.
inline void BeispielProjekt() {
    P.GradZuRad = kGrad;
    P.TiefeUnendlich = 99.0f;
    P.RuheProz = 0.0f;
    P.DeltaZF = 0.0f;
    zortest::Spundwand("Baugrube Test", "4711", 4);
    zortest::Bodenschichten({{3.0f, 30.0f, 18.0f, 10.0f, 20.0f, -15.0f, 0.0f, 0.0f},
                             {5.0f, 22.5f, 19.0f, 9.0f, 15.0f, -11.25f, 10.0f, 10.0f}});
    P.AnzAush = 1;
    Stufe(1, 4.0f);
    P.AnzLF = 1;
    P.AnzLastLuftLF[1] = P.AnzLastErdLF[1] = 0;
    zortest::Flaechenlast(1, 1, 10.0f, 0.0f, 999.0f);
    P.AnzAnkerGesamt = 0;
}

// Runs every test in an empty working folder of its own, with the program state reset.
class Arbeitsordner : public ::testing::Test {
protected:
    void SetUp() override {
        vb::SetDecimalSeparator(',');
        zor::meldeprotokoll::Zuruecksetzen();
        zortest::Zuruecksetzen();
        P.WurzelOrdner = ordner_.path().string() + "/";
    }
    void TearDown() override { zortest::Zuruecksetzen(); }
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
