#pragma once
// Fixture of the report sections: fresh project data, run state and working folder, the report open
// as file 6 while a section prints, its lines read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace zortest {

inline const std::string E(13, ' '); // indent of the report lines

class BerichtTest : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
        vb::SetDecimalSeparator('.');
        zorma::Bericht.Einrueckung = E;
        zorm1::P.GradZuRad = 3.141593f / 180.0f;
    }
    void TearDown() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
        vb::SetDecimalSeparator(0);
    }
    std::vector<std::string> Bericht(const std::function<void()>& abschnitt) {
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        abschnitt();
        vb::Close(zorma::kBerichtDateiNr);
        return Zeilen(ordner.path() / "LPTZW");
    }
    static bool Enthaelt(const std::vector<std::string>& z, const std::string& text) {
        return std::find(z.begin(), z.end(), text) != z.end();
    }
    // Lines that contain the text.
    static int Anzahl(const std::vector<std::string>& z, const std::string& text) {
        return static_cast<int>(std::count_if(
            z.begin(), z.end(), [&](const std::string& s) { return s.find(text) != std::string::npos; }));
    }
    WorkingFolder ordner;
};

} // namespace zortest
