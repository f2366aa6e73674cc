// The foot-mode sequences of the stage driver and the bounds of the foot search, on the anchored sand
// stage: zAush 6, anchor at 1.5 m, earth pressure 6 z, design passive resistance 36 (z - 6).
#include <cmath>
#include <functional>

#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/run_status.h"
#include "platform/runtime/winfs.h"
#include "stage_fixture.h"
#include "statics/state.h"

namespace {

using namespace statik_test;

// Root of f on [a, b] by bisection.
double Wurzel(const std::function<double(double)>& f, double a, double b) {
    for (int i = 0; i < 200; ++i) {
        const double m = 0.5 * (a + b);
        if ((f(a) < 0.0) == (f(m) < 0.0))
            a = m;
        else
            b = m;
    }
    return 0.5 * (a + b);
}

// Hinged foot, no foot force: moments about the anchor of the load 6 z and of the passive
// resistance 36 (z - 6) as a load vanish: 2 zf^3 - 4.5 zf^2 - 13.5 = 12 t^3 + 81 t^2 (t = zf - 6,
// the terms measured from the anchor at 1.5 m).
double FreieFusstiefe() {
    return Wurzel(
        [](double zf) {
            const double t = zf - 6.0;
            const double last = 2.0 * zf * zf * zf - 4.5 * zf * zf;
            const double widerstand = 12.0 * t * t * t + 81.0 * t * t;
            return last - widerstand;
        },
        6.5, 20.0);
}

class Verankert : public SandStatik {
protected:
    void SetUp() override {
        SandStatik::SetUp();
        P.zAush = 6.0f;
        P.ZWandfuss = 6.0f;
        P.AnzAnker = 1;
        P.ZAnker[1] = 1.5f;
    }
};

TEST(Teileinspannung, FootLevelBetweenTheFreeAndTheFixedFoot) {
    struct Fall {
        float frei, fest, p, z;
    };
    for (Fall f : {Fall{5.0f, 6.0f, 50.0f, 5.7071f}, Fall{5.0f, 6.0f, 100.0f, 6.0f},
                   Fall{5.0f, 6.0f, 25.0f, 5.5f}, Fall{7.2f, 7.2f, 50.0f, 7.2f}})
        EXPECT_NEAR(zormc::TeilEinspannungsTiefe(f.frei, f.fest, f.p), f.z, 1e-4f) << f.p;
}

TEST_F(Verankert, PartialFixityIsSolvedAtTheLevelBetweenTheFreeAndTheFixedFoot) {
    P.Wandfuss = 1;
    P.Einsp = 50.0f;
    ASSERT_EQ(Rechnen(), "D");
    EXPECT_NEAR(St.zFussFrei, FreieFusstiefe(), 0.0025);
    EXPECT_GT(St.zFussFest, St.zFussFrei + 0.3f);
    const float z = St.zFussFrei + (St.zFussFest - St.zFussFrei) * std::sqrt(0.5f);
    EXPECT_NEAR(P.ZWandfuss, z - 0.01f, 1e-4f);
    EXPECT_NEAR(zormcom::Lauf.zFuss, z, 1e-4f);
}

TEST_F(Verankert, GivenFootLevelAboveTheFreeLevelOrBelowTheFixedLevel) {
    // Above the free level: solved at the free level, no degree of fixity.
    P.Wandfuss = 2;
    P.ZWandfuss = 7.0f;
    ASSERT_EQ(Rechnen(), "D");
    EXPECT_NEAR(St.zFussFrei, FreieFusstiefe(), 0.0025);
    EXPECT_NEAR(zormcom::Lauf.zFuss, St.zFussFrei, 1e-4f);
    EXPECT_EQ(St.EinspDrucken, 0);
    const float frei = St.zFussFrei;
    // Below the fixed level: solved at the fixed level, fixity 100 %.
    SetUp();
    P.Wandfuss = 2;
    P.ZWandfuss = 30.0f;
    ASSERT_EQ(Rechnen(), "D");
    EXPECT_FLOAT_EQ(St.zFussFrei, frei);
    EXPECT_GT(St.zFussFest, frei);
    EXPECT_NEAR(zormcom::Lauf.zFuss, St.zFussFest, 1e-4f);
    EXPECT_EQ(St.EinspDrucken, 1);
    EXPECT_FLOAT_EQ(zormc::St.EinspErg, 100.0f);
}

TEST_F(Verankert, PositiveMomentAtTheLoadZeroPointSwitchesToAFreeFoot) {
    P.Wandfuss = 4;
    P.ZWandfuss = 14.0f;
    zor::meldeprotokoll::Zuruecksetzen();
    ASSERT_EQ(Rechnen(), "D");
    const auto& boxen = zor::meldeprotokoll::Eintraege();
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_EQ(boxen[0].titel, "Aushub 1");
    EXPECT_NE(boxen[0].text.find("Pos. Moment im Lastnullpunkt"), std::string::npos);
    EXPECT_EQ(P.Wandfuss, 1);
    EXPECT_EQ(St.WandfussEingabe, 1);
    // Then a free earth support of the superposed diagram (a Blum stage superposes): net load
    // 216 - 30 z below 6 m, zero point 7.2, Eph = 15 t^2 at 7.2 + 0.6 t (t = zf - 7.2); the load
    // above 7.2 has the moment 375.84 kNm/m about the anchor.
    const double t = Wurzel([](double t) { return 15.0 * t * t * (5.7 + 0.6 * t) - 375.84; }, 0.5, 5.0);
    EXPECT_NEAR(zormc::St.HUmlagerung, 7.2f, 0.001f);
    EXPECT_GE(zormcom::Lauf.zFuss, 7.2 + t - 1e-4);
    EXPECT_LE(zormcom::Lauf.zFuss, 7.2 + t + 0.0021);
}

TEST_F(Verankert, SearchStopsAtTheFortiethIteration) {
    // A passive resistance far too small (Etap 1000): the residual never changes its sign.
    P.Wandfuss = 1;
    P.Etap = P.EtaGlobal = P.EtaGl = 1000.0f;
    ASSERT_EQ(Rechnen(), "D");
    EXPECT_EQ(St.KeineKonvergenz, 20000);
    EXPECT_EQ(St.IterZaehler, 41);
    EXPECT_LT(zormcom::Lauf.zFuss, 99.0f);
}

TEST_F(Verankert, NoPassiveResistanceDownToTheEndOfTheLayers) {
    // Eph stays below 1 kN/m down to 99 m: the foot is lowered no further, the run goes on.
    P.Wandfuss = 1;
    P.Etap = P.EtaGlobal = P.EtaGl = 1.0e6f;
    ASSERT_EQ(Rechnen(), "D");
    EXPECT_EQ(St.KeineKonvergenz, 20000);
    EXPECT_LT(zormcom::Lauf.zFuss, 99.0f);
    EXPECT_GT(zormcom::Lauf.zFuss, 98.0f);
    // The note stands in the report.
    EXPECT_TRUE(St.Hinweise.empty());
    EXPECT_NE(vb::ReadFileBytes("LPTZW").find("*** Lastfall 1, Aushub 1: kein Erdwiderstand"),
              std::string::npos);
}

TEST_F(SandStatik, AStopDoesNotReachTheNextStage) {
    // An unbedded cantilever on a free earth support is a mechanism: the singular box and "STOP".
    P.Wandfuss = 1;
    P.ZWandfuss = 4.0f;
    const zorm1::ProjectData eingabe = P;
    zor::meldeprotokoll::Zuruecksetzen();
    EXPECT_EQ(Rechnen(), "STOP");
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].titel, "ZORDLT");
    // The same stage fixed after Blum is then solved, from the input as the driver reads it back after a run.
    P = eingabe;
    P.Wandfuss = 4;
    P.kzUeb[1] = 1;
    EXPECT_EQ(Rechnen(), "D");
    EXPECT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
}

} // namespace

namespace {

// Counts in the hand-over files beyond their arrays are refused, not read past the lists.
TEST_F(SandStatik, CountsBeyondTheArraysOfTheStageFilesAreRefused) {
    P.Wandfuss = 4;
    P.kzUeb[1] = 1;
    ASSERT_EQ(Rechnen(), "D");
    const std::string z4 = vb::ReadFileBytes("ZORZ4"), z2 = vb::ReadFileBytes("ZORZ2");
    struct Fall {
        const char* datei;
        const char* inhalt;
    };
    for (Fall f : {Fall{"ZORZ4", "300,300\r\n"}, Fall{"ZORZ4", "-1,0\r\n"}, Fall{"ZORZ2", "40\r\n"},
                   Fall{"ZORZ2", "0\r\n"}}) {
        vb::WriteFileBytes("ZORZ4", z4);
        vb::WriteFileBytes("ZORZ2", z2);
        vb::WriteFileBytes(f.datei, f.inhalt);
        zor::Laufstatus status = zor::Laufstatus::Offen;
        EXPECT_THROW(zormc::WandStatik(status), zor::CalcAbort) << f.datei << " " << f.inhalt;
    }
}

} // namespace
