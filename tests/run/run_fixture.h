#pragma once
// Whole runs of the example projects in the test's own process: the fixture that gives every run a fresh
// working folder with its own data folder and leaves nothing behind, and the heads of the report sections
// these tests read.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "request/run_stages.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/working_folder.h"

namespace zortest {

// A fresh working folder with XDG_DATA_HOME below it; the run state back to the start before and after the
// test, and the real stages back in place of any stand-ins afterwards.
class LaufTest : public ::testing::Test {
protected:
    void SetUp() override {
        LaufUmgebungZuruecksetzen();
        umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
    }
    void TearDown() override {
        LaufUmgebungZuruecksetzen();
        zorrun::StufenStandard();
    }
    WorkingFolder ordner_;
    Umgebung umgebung_;
};

// The anchored soldier pile wall read for a hand check: global safety, no at-rest share, the slip circle on (1)
// or off (0), and every load case kept to its first load, the unlimited surface load. False, with the failure
// added to the test, when the example cannot be copied or read or a first load is limited.
inline bool VerankertGlobalLesen(int16_t gleitkreis) {
    auto& P = zorm1::P;
    const std::string v = BeispielKopieren("Traegerbohlwand_verankert");
    if (v.empty()) {
        ADD_FAILURE() << "Traegerbohlwand_verankert was not copied";
        return false;
    }
    LaufUmgebungZuruecksetzen();
    if (!zorm1::EingabeLesen(v)) {
        ADD_FAILURE() << "the copy " << v << " was not read";
        return false;
    }
    P.TeilsicherheitenAn = 0;
    P.RuheProz = 0.0f;
    P.GelaendebruchEin = gleitkreis;
    for (int lc = 1; lc <= P.AnzLF; ++lc) {
        EXPECT_EQ(P.ErdLastXE(lc, 1), 999.0f) << "load case " << lc;
        if (P.ErdLastXE(lc, 1) != 999.0f) return false;
        P.AnzLastErdLF[lc] = 1;
    }
    return true;
}

// The head line of a deep-slip-plane section of the report: its line index, load case and stage.
struct GleitfugenKopf {
    std::size_t zeile = 0;
    int lf = 0, aushub = 0;
};
inline std::vector<GleitfugenKopf> GleitfugenKoepfe(const std::vector<std::string>& bericht) {
    static const std::regex kopf(R"(^ {13}NACHWEIS DER TIEFEN GLEITFUGE   LASTFALL +(\d+),  AUSHUB +(\d+)$)");
    std::vector<GleitfugenKopf> out;
    for (std::size_t i = 0; i < bericht.size(); ++i) {
        std::smatch m;
        if (std::regex_match(bericht[i], m, kopf)) out.push_back({i, std::stoi(m[1]), std::stoi(m[2])});
    }
    return out;
}

} // namespace zortest
