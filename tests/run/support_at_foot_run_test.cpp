// A support at or near the wall foot: the anchored sheet pile wall of Spundwand_verankert (anchor at 1.5 m,
// excavated to 6 m in stage 2) with a strut added low in the embedded part and the foot given. The stage
// calculates whatever the strut's level down to the foot; a strut below the given foot is refused by name.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/forms/headless.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "statics/beam_solver.h"
#include "statics/state.h"
#include "tests/run/example_copy.h"
#include "tests/run/run_fixture.h"

namespace {

using zorm1::P;
using zormc::St;

class StuetzeAmFuss : public zortest::LaufTest {
protected:
    // Stage 2 with the foot mode and level given and a strut (inclination 0) at zs as the second support;
    // the rows of load case 1, stage 2 as the statics left them. The run's exit status.
    int Rechnen(float modus, float fuss, float zs) {
        const std::string v = zortest::BeispielKopieren("Spundwand_verankert", "P1");
        zortest::LaufUmgebungZuruecksetzen();
        EXPECT_TRUE(zorm1::EingabeLesen(v));
        auto& t = P.Aushubstufen[2];
        t.Wandfuss = modus;
        t.ZWandfuss = fuss;
        t.AnzAnker = 2;
        t.ZAnker[2] = zs;
        P.AnzAnkerGesamt = 2;
        P.ZAuflager[2] = zs;
        P.AnkerNeigungGrad[2] = 0.0f;
        P.AnkerLmin[2] = P.AnkerLmin[1];
        P.AnkerLmax[2] = P.AnkerLmax[1];
        P.AnkerAbstand[2] = P.AnkerAbstand[1];
        EXPECT_TRUE(zorm1::EingabeSchreiben(v));
        zortest::LaufUmgebungZuruecksetzen();
        umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
        zorrun::Stufen().Nachweise = [this](zor::Laufstatus& status) {
            if (P.LFNr == 1 && P.AushNr == 2)
                zeilen_.assign(St.ErgebnisTabelle.begin(), St.ErgebnisTabelle.begin() + St.AnzZeilen);
            zorrun::NachweisePlatzhalter(status);
        };
        return zorrun::ProjektRechnen(v);
    }
    std::string Meldungen() const {
        std::string m;
        for (const auto& b : vb::headless::Log())
            m += b.prompt + "\n";
        return m;
    }
    // The support rows of the solved stage: depth and force (the jump of Q).
    std::vector<std::pair<float, float>> Stuetzen() const {
        std::vector<std::pair<float, float>> s;
        for (const auto& r : zeilen_)
            if (static_cast<int>(r[zormc::kArt]) == zormc::kAuflager)
                s.push_back({r[zormc::kTiefe], r[zormc::kP1 + 3]});
        return s;
    }
    std::vector<zormc::Ergebniszeile> zeilen_;
};

// In rock at 8 m (mode 3) with the strut at the foot itself: the wall is a beam on the anchor (a = 1.5 m) and
// the strut (L = 8 m) with its head free, so the forces follow from statics alone: with the load p of the
// fields (the rows' ordinates, independent of the solution), moments about the strut give the anchor
// A = integral p (L - z) dz / (L - a), and the strut takes S = integral p dz - A. Before, the strut and the
// rock held the foot's deflection twice and the system was singular.
TEST_F(StuetzeAmFuss, StrutAtTheRockFootTakesTheFootForceOfTheProppedBeam) {
    ASSERT_EQ(Rechnen(3.0f, 8.0f, 8.0f), zorrun::kLaufFertig) << Meldungen();
    EXPECT_EQ(Meldungen(), "");
    ASSERT_FALSE(zeilen_.empty());
    const double L = 8.0, a = 1.5;
    double last = 0.0, moment = 0.0, z = 0.0;
    for (const auto& r : zeilen_) {
        if (static_cast<int>(r[zormc::kArt]) != zormc::kFeld) continue;
        const double l = r[zormc::kP1], p0 = r[zormc::kP1 + 2], dp = r[zormc::kP1 + 3];
        last += l * (p0 + dp / 2.0);
        // The field's load about the foot: its resultant at the field's end plus the share inside it.
        moment += l * (p0 + dp / 2.0) * (L - (z + l)) + p0 * l * l / 2.0 + dp * l * l / 6.0;
        z += l;
    }
    ASSERT_NEAR(z, L, 1e-4);
    const double A = moment / (L - a), S = last - A;
    const auto s = Stuetzen();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_NEAR(s[0].first, 1.5f, 1e-4f);
    EXPECT_NEAR(s[1].first, 8.0f, 1e-4f);
    EXPECT_NEAR(s[0].second, A, 0.002 * last);
    EXPECT_NEAR(s[1].second, S, 0.002 * last);
    EXPECT_GT(S, 0.0);
    // The foot passes its whole force to the strut.
    EXPECT_NEAR(zeilen_.back()[zormc::kQ], 0.0, 0.002 * last);
    EXPECT_NEAR(zeilen_.back()[zormc::kM], 0.0, 0.002 * last);
}

// Foot given at 8 m (mode 2, on an earth support): a strut anywhere down to the foot calculates, and every
// solved row set balances (the run would stop otherwise); the strut carries a force towards the excavation.
TEST_F(StuetzeAmFuss, GivenFootCalculatesWithAStrutDownToTheFoot) {
    for (float zs : {6.5f, 7.5f, 7.99f, 8.0f}) {
        SCOPED_TRACE(zs);
        ASSERT_EQ(Rechnen(2.0f, 8.0f, zs), zorrun::kLaufFertig) << Meldungen();
        EXPECT_EQ(Meldungen(), "");
        const auto s = Stuetzen();
        ASSERT_EQ(s.size(), 2u);
        EXPECT_NEAR(s[1].first, zs, 1e-4f);
        EXPECT_GT(s[1].second, 0.0f);
        EXPECT_GE(zeilen_.back()[zormc::kTiefe], zs);
    }
}

// Below the given foot the strut holds no wall: the run refuses it before any stage, naming the support, the
// stage and the foot level.
TEST_F(StuetzeAmFuss, StrutBelowTheGivenFootIsRefusedByName) {
    EXPECT_NE(Rechnen(2.0f, 8.0f, 8.5f), zorrun::kLaufFertig);
    EXPECT_NE(
        Meldungen().find("Kote der Ankerlage 2 im Aushubzustand 2 (Satz 7, ZAnker) = 8.5 m; zulässig 0 bis "
                         "8 m: eine Anker- bzw. Steifenlage liegt nicht unter dem vorgegebenen Wandfuß."),
        std::string::npos)
        << Meldungen();
    EXPECT_TRUE(zeilen_.empty());
}

} // namespace
