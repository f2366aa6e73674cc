// Node grid and load diagrams of the beam.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "frame/run_status.h"
#include "statics/beam_nodes.h"
#include "statics/beam_solver.h"
#include "statics/state.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using namespace zormc;

class Knoten : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProjectData();
        zor::LaufZuruecksetzen();
        P.AushNr = 1;
        P.LFNr = 1;
        P.zAush = 5.0f;
        zormcom::Lauf.zFuss = 8.0f;
        P.Wandfuss = 4;
        Liste(St.Lastbild, {{0.0f, 0.0f}, {8.0f, 0.0f}});
    }
    static void Liste(zor::Ordinatenliste& l, std::vector<std::pair<float, float>> p) {
        l.n = 0;
        for (auto [z, e] : p) {
            ++l.n;
            l.z[l.n] = z;
            l.e[l.n] = e;
        }
    }
    // Marker at depth z (within 1e-4), or NaN when there is no node there.
    static float Marke(float z) {
        for (int i = 1; i <= St.Knoten.n; ++i)
            if (std::fabs(St.Knoten.z[i] - z) < 1e-4f) return St.Knoten.e[i];
        return NAN;
    }
};

// Bedding nodes 0.1 m apart for the first metre below HUmlagerung, then 0.15, 0.2, ...; springs of
// C h inside a uniform spacing, C h / 2 at the first node, the lever rule where the spacing
// changes, times EphPfahl / Eph on a soldier-pile wall.
TEST_F(Knoten, BeddedFootGetsNodesAndSpringsOfTheBeddingCurve) {
    zormc::St.BettungStufe = 1;
    zormc::St.HUmlagerung = 2.0f;
    zormcom::Lauf.zFuss = 10.0f;
    Liste(St.Lastbild, {{0.0f, 0.0f}, {10.0f, 0.0f}});
    Liste(St.BettFeder, {{0.0f, 20.0f}, {97.0f, 20.0f}});
    KnotenAufbauen();
    std::vector<float> erwartet{0.0f, 2.0f};
    for (float d : {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.15f, 1.3f, 1.45f, 1.6f,
                    1.75f, 1.9f, 2.1f, 2.3f})
        erwartet.push_back(2.0f + d);
    ASSERT_GE(St.Knoten.n, static_cast<int>(erwartet.size()));
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_NEAR(St.Knoten.z[i + 1], erwartet[i], 2e-5f) << i;
    EXPECT_EQ(St.Knoten.z[St.Knoten.n], 10.0f);
    EXPECT_EQ(Marke(0.0f), 0.0f);
    EXPECT_NEAR(Marke(2.0f), 20.0f * 0.1f / 2, 1e-4);
    EXPECT_NEAR(Marke(2.5f), 20.0f * 0.1f, 1e-4);
    EXPECT_NEAR(Marke(3.0f), 20.0f * (0.1f + 0.15f) / 2, 1e-4);
    EXPECT_NEAR(Marke(3.3f), 20.0f * 0.15f, 1e-4);
    // Total of the springs = C x bedded length.
    float summe = 0.0f;
    for (int i = 1; i <= St.Knoten.n; ++i)
        summe += St.Knoten.e[i];
    EXPECT_NEAR(summe, 20.0f * 8.0f, 1e-3);
    EXPECT_EQ(St.Lastbild.n, St.Knoten.n);
    EXPECT_EQ(St.Wasserbild.n, St.Knoten.n);

    // Soldier-pile wall: springs times EphPfahl / Eph.
    P.Wandart = 1;
    St.Eph = 200.0f;
    St.EphPfahl = 50.0f;
    Liste(St.Lastbild, {{0.0f, 0.0f}, {10.0f, 0.0f}});
    KnotenAufbauen();
    EXPECT_NEAR(Marke(2.5f), 0.25f * 20.0f * 0.1f, 1e-4);
}

// A support in the bedded zone stays a support (marker -1), not a negative spring.
TEST_F(Knoten, SupportInTheBeddedZoneStaysASupport) {
    zormc::St.BettungStufe = 1;
    zormc::St.HUmlagerung = 2.0f;
    zormcom::Lauf.zFuss = 4.0f;
    P.AnzAnker = 2;
    P.ZAnker[1] = 1.0f;
    P.ZAnker[2] = 2.5f;
    Liste(St.Lastbild, {{0.0f, 0.0f}, {4.0f, 0.0f}});
    Liste(St.BettFeder, {{0.0f, 20.0f}, {97.0f, 20.0f}});
    KnotenAufbauen();
    EXPECT_EQ(Marke(1.0f), -1.0f);
    EXPECT_EQ(Marke(2.5f), -1.0f);
    EXPECT_NEAR(Marke(2.4f), 20.0f * 0.1f, 1e-4);
    EXPECT_NEAR(Marke(2.6f), 20.0f * 0.1f, 1e-4);
}

// Without a bedded foot: the supports, in foot modes 1 and 2 the earth support, then the foot;
// depths that come from the load diagram only carry no marker.
TEST_F(Knoten, UnbeddedGridHasSupportsEarthSupportAndFoot) {
    for (int modus : {1, 2, 3, 4}) {
        SetUp();
        P.Wandfuss = static_cast<int16_t>(modus);
        P.AnzAnker = 1;
        P.ZAnker[1] = 1.5f;
        St.ZErdauflager = 6.5f;
        Liste(St.Lastbild, {{0.0f, 0.0f}, {3.0f, 30.0f}, {3.0f, 20.0f}, {8.0f, 20.0f}});
        KnotenAufbauen();
        EXPECT_EQ(Marke(1.5f), -1.0f);
        if (modus <= 2)
            EXPECT_EQ(Marke(6.5f), -1.0f);
        else
            EXPECT_TRUE(std::isnan(Marke(6.5f)));
        EXPECT_EQ(Marke(3.0f), 0.0f);
        EXPECT_EQ(St.Knoten.z[St.Knoten.n], 8.0f);
        // The load diagram keeps its jump and gains the node depths.
        EXPECT_EQ(St.Lastbild.n, St.Knoten.n);
        for (int i = 1; i <= St.Lastbild.n; ++i)
            EXPECT_EQ(St.Lastbild.z[i], St.Knoten.z[i]);
        float y = 0.0f;
        Interpolieren(St.Lastbild.z, St.Lastbild.e, St.Lastbild.n, 1.5f, y);
        EXPECT_FLOAT_EQ(y, 15.0f);
    }
}

// Wall loads of the load case: only those acting in the stage, with H or M, down to the foot; one
// at a support level moves 0.005 m down so that both markers stay.
TEST_F(Knoten, WallLoadsActingInTheStageBecomeNodes) {
    auto& L = zormcom::Lauf;
    P.LFNr = 2;
    P.AushNr = 3;
    P.AnzAnker = 1;
    P.ZAnker[1] = 2.0f;
    L.AnzLastLuft = 5;
    const float z[] = {0, 1.0f, 2.0f, 3.0f, 4.0f, 9.0f};
    for (int j = 1; j <= 5; ++j) {
        L.LuftZ[j] = z[j];
        L.LuftH[j] = 10.0f;
    }
    L.LuftNichtIn(3, 0) = 1; // load 3 does not act in stage 3
    L.LuftNichtIn(3, 1) = 3;
    L.LuftH[4] = 0.0f; // load 4 has neither H nor M
    KnotenAufbauen();
    EXPECT_EQ(Marke(1.0f), -21.0f);
    EXPECT_EQ(Marke(2.0f), -1.0f);
    EXPECT_EQ(Marke(2.005f), -22.0f);
    EXPECT_TRUE(std::isnan(Marke(3.0f)));
    EXPECT_TRUE(std::isnan(Marke(4.0f)));
    EXPECT_TRUE(std::isnan(Marke(9.0f)));
    EXPECT_EQ(St.Knoten.z[St.Knoten.n], 8.0f);
}

// A hinge requested at a support level moves up 0.01 m (again while it meets a node); at or below
// the foot it is ignored; one pushed up to the head is dropped with a note.
TEST_F(Knoten, HingeMovesOffNodesAndTheExcavationLevel) {
    struct Fall {
        float zM, zAnker2, erwartet;
    };
    for (Fall f : {Fall{2.0f, 1.99f, 1.98f}, Fall{2.0f, 3.0f, 1.99f}, Fall{5.0f, 3.0f, 4.99f},
                   Fall{3.5f, 3.0f, 3.5f}, Fall{8.0f, 3.0f, 0.0f}, Fall{9.0f, 3.0f, 0.0f}}) {
        SetUp();
        P.AnzAnker = 2;
        P.ZAnker[1] = 2.0f;
        P.ZAnker[2] = f.zAnker2;
        P.zMGelenk = f.zM;
        KnotenAufbauen();
        EXPECT_NEAR(zormc::St.zGelenk, f.erwartet, 1e-5f) << f.zM << " " << f.zAnker2;
        EXPECT_EQ(P.zMGelenk, f.zM); // the entered level stays
        if (f.erwartet > 0.0f) {
            EXPECT_EQ(Marke(zormc::St.zGelenk), 0.0f);
        }
    }
    SetUp();
    P.AnzAnker = 2;
    P.ZAnker[1] = 0.01f;
    P.ZAnker[2] = 0.02f;
    P.zMGelenk = 0.02f;
    KnotenAufbauen();
    EXPECT_EQ(zormc::St.zGelenk, 0.0f);
    ASSERT_EQ(St.Hinweise.size(), 1u);
    EXPECT_EQ(St.Hinweise[0],
              "*** Das Momentengelenk in 0,02 m trifft Knoten bis zum Wandkopf; es bleibt unberücksichtigt.");
}

// At-rest load diagram: figure 0 a + b; figure 1 reduced down to the foot; figure 2 reduced down
// to the excavation level (eps 0.5: e1 at z2, e1 / 2 at zAush, 0 from 0.002 m below).
TEST_F(Knoten, AtRestLoadDiagramByItsReductionFigure) {
    zor::Ordinatenliste summe, begr, lb;
    Liste(summe, {{0.0f, 12.0f}, {99.0f, 12.0f}});
    Liste(begr, {{0.0f, 2.0f}, {99.0f, 2.0f}});
    P.UmZ1 = 1.0f;
    P.UmZ2 = 3.0f;
    P.EpsUml = 0.5f;
    auto wert = [&](float z) {
        float y = 0.0f;
        Interpolieren(lb.z, lb.e, lb.n, z, y);
        return y;
    };
    P.UmFigur = 0;
    LastbildAufbauen(lb, summe, begr);
    EXPECT_EQ(lb.z[lb.n], 8.0f);
    EXPECT_FLOAT_EQ(wert(6.0f), 12.0f);

    P.UmFigur = 1;
    LastbildAufbauen(lb, summe, begr);
    EXPECT_FLOAT_EQ(wert(0.5f), 12.0f);
    EXPECT_FLOAT_EQ(wert(2.0f), 12.0f);
    EXPECT_FLOAT_EQ(lb.e[lb.n], 12.0f - 5.0f * 0.5f * 10.0f / 5.0f);

    P.UmFigur = 2;
    Liste(begr, {{0.0f, 0.0f}, {99.0f, 0.0f}});
    LastbildAufbauen(lb, summe, begr);
    EXPECT_FLOAT_EQ(wert(2.0f), 12.0f);
    EXPECT_FLOAT_EQ(wert(4.0f), 9.0f);
    int beiAush = 0;
    for (int i = 1; i <= lb.n; ++i)
        if (lb.z[i] == 5.0f) beiAush = i;
    ASSERT_GT(beiAush, 0);
    EXPECT_FLOAT_EQ(lb.e[beiAush], 6.0f);
    EXPECT_FLOAT_EQ(wert(5.002f), 0.0f);
    EXPECT_FLOAT_EQ(lb.e[lb.n], 0.0f);
    EXPECT_EQ(lb.z[lb.n], 8.0f);
}

TEST_F(Knoten, LoadBelowTheExcavationLevelAndResultantAbove) {
    Liste(St.Lastbild, {{0.0f, 0.0f}, {4.0f, 40.0f}, {8.0f, 80.0f}});
    LastUnterSohle();
    ASSERT_EQ(St.SigmaV.n, 2);
    EXPECT_FLOAT_EQ(St.SigmaV.z[1], 5.0f);
    EXPECT_FLOAT_EQ(St.SigmaV.e[1], 50.0f);
    EXPECT_FLOAT_EQ(St.SigmaV.z[2], 8.0f);
    EXPECT_FLOAT_EQ(St.LastResultierendeOben, 125.0f);
}

TEST_F(Knoten, LimitedLoadsAboveTheExcavationLevelAreAdded) {
    auto& B = zormb::B;
    B.BegrLastKopie.n = 2;
    B.BegrLastKopie.z[1] = 0.0f;
    B.BegrLastKopie.e[1] = 5.0f;
    B.BegrLastKopie.z[2] = 99.0f;
    B.BegrLastKopie.e[2] = 5.0f;
    Liste(St.Lastbild, {{0.0f, 10.0f}, {8.0f, 10.0f}});
    ZusatzlastAddieren();
    const zor::Ordinatenliste& lb = St.Lastbild;
    ASSERT_EQ(lb.n, 4);
    EXPECT_FLOAT_EQ(lb.e[1], 15.0f);
    EXPECT_FLOAT_EQ(lb.z[2], 5.0f);
    EXPECT_FLOAT_EQ(lb.e[2], 15.0f);
    EXPECT_FLOAT_EQ(lb.z[3], 5.0f);
    EXPECT_FLOAT_EQ(lb.e[3], 10.0f);
    EXPECT_FLOAT_EQ(lb.e[4], 10.0f);
}

} // namespace

namespace {

// Nodes and solver together: a free beam bedded below 0.5 m (C = 20 MN/m3) under a uniform load
// p = 10 kN/m2 below that level floats down as a whole by p / C = 0.5 mm without bending; a support
// in the bedded zone holds it there at 0.
TEST_F(Knoten, BeddedBeamFloatsDownByLoadOverModulus) {
    P.AnzErd = 1;
    zormcom::Lauf.SchichtKote[1] = 0.0f;
    zormcom::Lauf.SchichtKote[2] = 99.0f;
    P.SchichtEI[1] = 50.0f;
    zormc::St.BettungStufe = 1;
    zormc::St.HUmlagerung = 0.5f;
    zormcom::Lauf.zFuss = 6.0f;
    Liste(St.BettFeder, {{0.0f, 20.0f}, {98.5f, 20.0f}});
    for (bool mitAuflager : {false, true}) {
        Liste(St.Lastbild, {{0.0f, 0.0f}, {0.5f, 0.0f}, {0.5f, 10.0f}, {6.0f, 10.0f}});
        P.AnzAnker = mitAuflager ? 1 : 0;
        P.ZAnker[1] = 3.0f;
        KnotenAufbauen();
        St.KopfUnbekannte = {0, 3, 4};
        St.FussBedingung = {0, 3, 4};
        zor::Laufstatus status = zor::Laufstatus::Offen;
        Durchlauftraeger(status);
        ASSERT_EQ(status, zor::Laufstatus::Offen);
        for (int i = 1; i < St.AnzZeilen; ++i) {
            const auto& r = St.ErgebnisTabelle[i];
            if (!mitAuflager) {
                EXPECT_NEAR(r[kW], 0.5, 0.005) << r[kTiefe];
                EXPECT_NEAR(r[kM], 0.0, 0.05) << r[kTiefe];
            }
            if (r[kArt] == kPunkt) {
                EXPECT_GT(r[kP1 + 4], 0.0f) << r[kTiefe];
            }
            if (r[kArt] == kAuflager) {
                EXPECT_NEAR(r[kTiefe], 3.0f, 1e-4);
                EXPECT_NEAR(r[kW], 0.0, 1e-6);
            }
        }
    }
}

} // namespace
