// The normal force of the depth grid closes with the vertical equilibrium: in every stage of every load
// case of the example projects run through the run driver, -N at the wall foot (SummeVd) and Summe V2(d)
// of the last vertical table of the stage are two sums of the same forces.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/state.h"
#include "platform/forms/headless.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "tests/run/example_copy.h"
#include "tests/run/run_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/working_folder.h"
#include "verification/state.h"
#include "verification/verification_stage.h"

namespace {

using zorm1::P;
using zormd::N;

struct Stufe {
    int lf = 0, aush = 0, koten = 0;
    float vd = 0, v2d = 0, fussN = 0, minN = 0, letzte = 0, zFuss = 0;
};

class Schliessen : public zortest::LaufTest, public ::testing::WithParamInterface<const char*> {
protected:
    void TearDown() override {
        zormd::AbschnitteStandard();
        LaufTest::TearDown();
    }
};

TEST_P(Schliessen, MinusNAtTheFootEqualsSummeV2dInEveryStage) {
    const std::string v = zortest::BeispielKopieren(GetParam());
    ASSERT_FALSE(v.empty());
    zortest::LaufUmgebungZuruecksetzen();
    std::vector<Stufe> stufen;
    zormd::Abschnitte().Bemessungsschnitte = [&] {
        zormd::BemessungsschnitteAbschnitt();
        const auto last = static_cast<std::size_t>(N.AnzKoten + 1); // the point the section dropped
        stufen.push_back({P.LFNr, P.AushNr, N.AnzKoten, N.SummeVd, N.SummeV2d, N.KotenN[last],
                          N.MinNormalkraft, N.KotenListe[last], zormcom::Lauf.zFuss});
    };
    umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
    ASSERT_EQ(zorrun::ProjektRechnen(v), zorrun::kLaufFertig);
    for (const auto& b : vb::headless::Log())
        ADD_FAILURE() << b.title << ": " << b.prompt;
    ASSERT_FALSE(stufen.empty());
    for (const auto& s : stufen) {
        SCOPED_TRACE("load case " + std::to_string(s.lf) + ", stage " + std::to_string(s.aush));
        EXPECT_NEAR(s.vd, s.v2d, 0.1f);
        EXPECT_FLOAT_EQ(-s.fussN, s.vd);
        EXPECT_LE(s.minN, s.fussN);
        EXPECT_GT(s.koten, 10);
        EXPECT_NEAR(s.letzte, s.zFuss, 0.005f); // the grid ends at the wall foot (the rows within 5 mm)
    }
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Schliessen,
                         ::testing::Values("Spundwand_frei", "Traegerbohlwand_verankert",
                                           "Schlitzwand_gesteift_GW"));

} // namespace
