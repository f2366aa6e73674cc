#pragma once
// What the design tests share: the two concrete materials of the hand calculations, and the fixture of the
// tests that read what a section prints into a fresh report (project data and run state reset, the decimal
// comma, the report indent E).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "design/state.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "tests/support/project_builder.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace bemtest {

// Indent of the report lines.
inline const std::string E(13, ' ');

// C 25/30 and BSt 500 with partial factors: fcd = 0.85 fck / gamC.
inline void BetonC25() {
    auto& P = zorm1::P;
    P.TeilsicherheitenAn = 1;
    P.BetonKlasse = 125.0f;
    zormd::BS.BetonFestigkeit = 0.85f * 25.0f;
    zormd::BS.StahlFestigkeit = 500.0f;
    zormcom::Vorgaben.gamC_Beton = 1.5f;
    zormcom::Vorgaben.gamS_Stahl = 1.15f;
    zormcom::Vorgaben.fck = 25.0f;
    zormcom::Vorgaben.fcd = 0.85f * 25.0f / 1.5f;
}

// B 25 and BSt 500 with global safety (eta 1.75) and its allowed shear stresses (MN/m2).
inline void BetonB25() {
    auto& P = zorm1::P;
    P.TeilsicherheitenAn = 0;
    P.BetonKlasse = 25.0f;
    zormd::BS.BetonFestigkeit = 17.5f;
    zormd::BS.StahlFestigkeit = 500.0f;
    P.EtaBSt500 = 1.75f;
    zormcom::Vorgaben.gamC_Beton = 1.0f;
    zormcom::Vorgaben.gamS_Stahl = 1.0f;
    zormd::BS.zulTau01 = 0.75f;
    zormd::BS.zulTau02 = 1.8f;
    zormd::BS.zulTau03 = 3.0f;
}

class BerichtTest : public ::testing::Test {
protected:
    void SetUp() override {
        zortest::Zuruecksetzen();
        vb::SetDecimalSeparator(',');
        zorma::Bericht.Einrueckung = E;
    }
    void TearDown() override {
        zortest::Zuruecksetzen();
        vb::SetDecimalSeparator(0);
    }
    // The lines a section prints into a fresh report.
    std::vector<std::string> Zeilen(const std::function<void()>& abschnitt) {
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        abschnitt();
        vb::CloseAll();
        return zortest::Zeilen(ordner / "LPTZW");
    }
    // A line equal to text; a line that holds stueck.
    static bool Enthaelt(const std::vector<std::string>& z, const std::string& text) {
        return std::find(z.begin(), z.end(), text) != z.end();
    }
    static bool Teil(const std::vector<std::string>& z, const std::string& stueck) {
        return std::any_of(z.begin(), z.end(),
                           [&](const std::string& s) { return s.find(stueck) != std::string::npos; });
    }
    // Every one of these lines, behind the report indent E, stands in z; each missing one fails on its own.
    static void ZeilenDa(const std::vector<std::string>& z, std::initializer_list<std::string> zeilen) {
        for (const std::string& t : zeilen)
            EXPECT_TRUE(Enthaelt(z, E + t)) << "missing line: \"" << E << t << "\"";
    }
    // The lines as one text, for the failure message.
    static std::string Text(const std::vector<std::string>& z) {
        std::string t;
        for (const auto& s : z)
            t += s + "\n";
        return t;
    }
    zortest::WorkingFolder ordner;
};

} // namespace bemtest
