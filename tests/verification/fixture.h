#pragma once
// A fresh working folder with the report open as file 6, the project data and the run state reset, and
// helpers to lay out a solved beam row by row in the statics' row table.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"
#include "verification/state.h"

namespace verification_test {

using zorm1::P;
using zormc::St;
using zormd::N;

inline constexpr float kGrad = 3.141593f / 180.0f;

class Bericht : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
        vb::SetDecimalSeparator('.');
        P.GradZuRad = kGrad;
        P.LFNr = 1;
        P.AushNr = 1;
        zormc::St.gamMittel = 1.0f;
        P.Etap = 1.5f;
        P.WandKopf = 1;
        P.Wandfuss = 1;
        P.ZNextAnker = 99.0f;
        zormc::St.HUmlagerung = 99.0f;
        P.Kommentar[4] = std::string(13, ' ') + std::string(64, '-');
        zorma::Bericht.Einrueckung = std::string(13, ' ');
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    }
    void TearDown() override {
        vb::CloseAll();
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
    }

    // The report as it stands (file 6 is closed first).
    std::vector<std::string> Zeilen() {
        vb::Close(zorma::kBerichtDateiNr);
        return zortest::Zeilen("LPTZW");
    }

    // Appends a row: kind, depth, p1..p5 (columns 3..7), state w, phi, M, Q (columns 9..12).
    static void Zeile(int art, float z, std::vector<float> p, std::vector<float> zustand) {
        auto& r = St.ErgebnisTabelle[static_cast<std::size_t>(++St.AnzZeilen)];
        r.fill(0.0f);
        r[1] = static_cast<float>(art);
        r[2] = z;
        for (std::size_t k = 0; k < p.size(); ++k)
            r[3 + k] = p[k];
        for (std::size_t k = 0; k < zustand.size(); ++k)
            r[9 + k] = zustand[k];
    }

    zortest::WorkingFolder dir_;
};

// Lines that hold the text.
inline std::vector<std::string> Mit(const std::vector<std::string>& zeilen, const std::string& text) {
    std::vector<std::string> out;
    for (const auto& z : zeilen)
        if (z.find(text) != std::string::npos) out.push_back(z);
    return out;
}

} // namespace verification_test
