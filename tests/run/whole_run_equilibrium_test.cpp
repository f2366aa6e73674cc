// The horizontal equilibrium as an invariant of whole runs: in every stage of every load case of the
// projects the whole-run tests calculate, the forces the beam carries close with the earth pressure.
// Where the earth support mobilises the whole passive resistance (the acting force "passiv (2) vorh. Bh"
// equals the possible "passiv (1) mögl. Bh"), Summe H1 prints 0.00; where the foot search found the foot
// (free earth support or fixed after Blum, unbedded), Summe H1 is not negative.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/forms/headless.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "statics/state.h"
#include "tests/run/example_copy.h"
#include "tests/run/run_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/working_folder.h"
#include "verification/state.h"
#include "verification/verification_stage.h"

namespace {

using zorm1::P;
using zormc::St;
using zormd::N;

// What a stage's equilibrium section leaves: the foot mode entered, whether the foot is bedded, the degree
// of fixity asked for, Summe H1, the acting and the possible passive force.
struct Stufe {
    int lf = 0, aush = 0, wandfuss = 0, bettung = 0;
    float einsp = 0, h1 = 0, ed = 0, rhd = 0;
};

std::string Zahl2(float v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", static_cast<double>(v));
    return b;
}

class Gleichgewicht : public zortest::LaufTest, public ::testing::WithParamInterface<const char*> {
protected:
    void TearDown() override {
        zormd::AbschnitteStandard();
        LaufTest::TearDown();
    }
};

TEST_P(Gleichgewicht, SummeH1ClosesWhereThePassiveResistanceIsMobilised) {
    const std::string datei = zortest::ProjektSchreiben(GetParam());
    ASSERT_FALSE(datei.empty());
    zortest::LaufUmgebungZuruecksetzen();
    std::vector<Stufe> stufen;
    zormd::Abschnitte().Gleichgewicht = [&] {
        zormd::GleichgewichtAbschnitt();
        stufen.push_back({P.LFNr, P.AushNr, St.WandfussEingabe, zormc::St.BettungStufe, P.Einsp, N.SummeH1,
                          N.Ed00, zormd::N.Rhd});
    };
    umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
    ASSERT_EQ(zorrun::ProjektRechnen(datei), zorrun::kLaufFertig);
    for (const auto& b : vb::headless::Log())
        ADD_FAILURE() << b.title << ": " << b.prompt;
    ASSERT_FALSE(stufen.empty());
    for (const auto& s : stufen) {
        SCOPED_TRACE("load case " + std::to_string(s.lf) + ", stage " + std::to_string(s.aush));
        // "passiv (2)" is printed for every foot but one hinged in rock.
        if (s.wandfuss != 3 && Zahl2(s.ed) == Zahl2(s.rhd)) {
            EXPECT_EQ(Zahl2(s.h1), "0.00") << s.ed;
        }
        const bool gesucht =
            (s.wandfuss == 1 || s.wandfuss == 4) && s.bettung == 0 && !(s.einsp > 0.0f && s.einsp < 100.0f);
        if (gesucht) {
            EXPECT_GE(s.h1, 0.0f);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Projekte, Gleichgewicht,
                         ::testing::Values("Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW",
                                           "Spundwand_frei", "Schlitzwand_Figur8", "gross", "Spundwand_Blum",
                                           "Spundwand_verankert", "Traegerbohlwand_Anker",
                                           "Schlitzwand_Steife", "Bohrpfahlwand"));

} // namespace
