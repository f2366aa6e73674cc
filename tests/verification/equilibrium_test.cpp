// Horizontal and vertical equilibrium of a stage: the depth search for a missing force, the foot
// point of the deep slip plane, the sum Summe H1 and its table, the vertical sums against hand
// calculations, and the values that must not come from a division by zero.
#include "verification/equilibrium.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "tests/verification/report_fixture.h"
#include "verification/state.h"
#include "verification/vertical_equilibrium.h"

using zorm1::P;
using zormc::St;
using zortest::E;

namespace {

void Liste(zor::Ordinatenliste& L, std::initializer_list<std::pair<float, float>> p) {
    L.n = 0;
    for (auto [z, e] : p) {
        ++L.n;
        L.z[static_cast<std::size_t>(L.n)] = z;
        L.e[static_cast<std::size_t>(L.n)] = e;
    }
}

// Remaining resistance falling by 40 kN/m2 per metre below the foot at 10 m: area -20 t^2 reaches
// -50 at t = sqrt(2.5) = 1.581 m; the search answers the first 0.01 m step past it.
TEST(TiefeFuerKraft, FirstCentimetreStepPastTheExactDepth) {
    zor::Ordinatenliste R;
    Liste(R, {{0.0f, 0.0f}, {10.0f, 0.0f}, {20.0f, -400.0f}});
    float dz = -1.0f;
    ASSERT_TRUE(zormd::TiefeFuerKraft(R, 10.0f, -50.0f, dz));
    EXPECT_NEAR(dz, 1.59f, 1e-4f);
    // A large resistance: the first metre already passes; -4.5 is reached at t = sqrt(0.225) = 0.474 m.
    ASSERT_TRUE(zormd::TiefeFuerKraft(R, 10.0f, -4.5f, dz));
    EXPECT_NEAR(dz, 0.48f, 1e-4f);
}

// A list ending at the foot never reaches the force: no sentinel depth comes back.
TEST(TiefeFuerKraft, ListEndingAtTheFootIsNotDeterminable) {
    zor::Ordinatenliste R;
    Liste(R, {{0.0f, 0.0f}, {10.0f, -30.0f}});
    float dz = -1.0f;
    EXPECT_FALSE(zormd::TiefeFuerKraft(R, 10.0f, -50.0f, dz));
    EXPECT_EQ(dz, 0.0f);
}

class Gleichgewicht : public zortest::BerichtTest {
protected:
    void SetUp() override {
        BerichtTest::SetUp();
        P.Wandart = 2;
        P.Wandfuss = 1;
        P.zAush = 5.0f;
        zormcom::Lauf.zFuss = 8.0f;
        P.ZWasserLuft = 99.0f;
        P.ZWasserErd = 99.0f;
        St.EahErd = 100.0f;
        zormd::N.Rhd = 150.0f;
        N().Ed00 = 60.0f;
    }
    static zormd::Nachweiszustand& N() { return zormd::N; }
    std::vector<std::string> Drucken() {
        return Bericht([] {
            zormd::GleichgewichtBerechnen();
            zormd::GleichgewichtDrucken();
        });
    }
};

// Mean shears -10 at 6.0 m and +5 at 6.5 m (the shear changes sign at the 6.5 m row):
// zGLF = 6.0 + 0.5 x 10 / 15 = 6.333 m.
TEST_F(Gleichgewicht, FootPointOfTheDeepSlipPlaneBetweenMeanShears) {
    P.AnzAnker = 1;
    zormc::St.BettungStufe = 1;
    St.AnzZeilen = 3;
    auto& t = St.ErgebnisTabelle;
    t[0][zormc::kQ] = -10.0f;
    t[1] = {};
    t[1][zormc::kArt] = 3.0f, t[1][zormc::kTiefe] = 6.0f, t[1][zormc::kQ] = -10.0f;
    t[2][zormc::kArt] = 3.0f, t[2][zormc::kTiefe] = 6.5f, t[2][zormc::kQ] = 20.0f;
    t[3][zormc::kArt] = 5.0f, t[3][zormc::kTiefe] = 8.0f, t[3][zormc::kQ] = 0.0f;
    zormd::FussPunktGleitfuge();
    EXPECT_NEAR(N().zGLF, 6.3333f, 1e-3f);
    const auto z = Drucken(); // already set: stays
    EXPECT_TRUE(Enthaelt(z, E + "Fußpunkt der tiefen Gleitfuge:            z =      6.33 m (Q = 0)"));
    // Without bedding the foot itself.
    N().zGLF = 0.0f;
    zormc::St.BettungStufe = 0;
    zormd::FussPunktGleitfuge();
    EXPECT_EQ(N().zGLF, 8.0f);
}

// Summe H1 = -Eah + Rhd: -0.4 counts as 0, -0.6 stays; the rock foot drops lines 21 and 24.
TEST_F(Gleichgewicht, SumBelowHalfAKilonewtonIsZero) {
    struct Fall {
        float rhd;
        const char* summe;
    };
    for (const Fall& f : {Fall{99.6f, "Summe              H1   =      0.00"},
                          Fall{99.4f, "Summe              H1   =     -0.60"},
                          Fall{130.0f, "Summe              H1   =     30.00"}}) {
        zormd::N.Rhd = f.rhd;
        const auto z = Drucken();
        EXPECT_TRUE(Enthaelt(z, E + f.summe)) << f.rhd;
    }
    auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "Erdseite  Eah bzw. E0   =   -100.00"));
    EXPECT_TRUE(Enthaelt(z, E + "passiv (1)   mögl. Bh   =    130.00   Erdwiderstand luftseitig"));
    EXPECT_TRUE(Enthaelt(z, E + "passiv (2)   vorh. Bh   = (   60.00 ) nicht maßgeb: vorh. Einwirkung"));
    EXPECT_EQ(Anzahl(z, "================"), 1);
    EXPECT_EQ(Anzahl(z, "Mobilisierungsgrad"), 0);
    P.Wandfuss = 3;
    z = Drucken();
    EXPECT_EQ(Anzahl(z, "passiv (2)   vorh. Bh"), 0);
    EXPECT_EQ(Anzahl(z, "================"), 0);
    EXPECT_TRUE(Enthaelt(z, E + "                   ----------------"));
}

// The report lines only read the section's values: printed alone, twice, they repeat the sum and the
// extra embedment as the computing step left them.
TEST_F(Gleichgewicht, PrintingAloneChangesNothing) {
    N().SummeH1 = -12.0f;
    St.DeltaT = 0.3f;
    N().zGLF = 7.5f;
    P.AnzAnker = 1;
    const auto drucken = [] { zormd::GleichgewichtDrucken(); };
    const auto erst = Bericht(drucken);
    const auto zweit = Bericht(drucken);
    EXPECT_EQ(erst, zweit);
    EXPECT_TRUE(Enthaelt(erst, E + "Summe              H1   =    -12.00"));
    EXPECT_TRUE(Enthaelt(erst, E + "Fußpunkt der tiefen Gleitfuge:            z =      7.50 m (Q = 0)"));
    EXPECT_EQ(N().SummeH1, -12.0f);
    EXPECT_EQ(St.DeltaT, 0.3f);
    EXPECT_EQ(N().zGLF, 7.5f);
}

// Partial factors: Ed / Rd = 60 / 120 = 0.50, with etaAnpass 1.20 the factor line 0.50 1.20 0.60 1.20;
// relief factor 0.2 prints 80 %; no resistance gives no ratio.
TEST_F(Gleichgewicht, MobilisationAndReliefLines) {
    P.TeilsicherheitenAn = 1;
    zormd::N.Rhd = 120.0f;
    P.EtaAnpass = 1.2f;
    P.EntlastFaktor = 0.2f;
    P.UmFigur = 1;
    auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "Mobilisierungsgrad      =      0.50  = passiv(2)/passiv(1) = Ed/Rd"));
    EXPECT_TRUE(Enthaelt(z, E + "       0.50 * 1.20      =      0.60   wegen etaAnpassFaktor = 1.20"));
    EXPECT_TRUE(Enthaelt(z, E + "80% Anteil des abgeschnittenen Drucks aus Erdgewicht + Auflasten;"));
    EXPECT_TRUE(Enthaelt(z, E + "Summe              H1(d)=     20.00"));
    P.EtaAnpass = 1.0f;
    EXPECT_EQ(Anzahl(Drucken(), "wegen etaAnpassFaktor"), 0);
    zormd::N.Rhd = 0.0f;
    z = Drucken();
    EXPECT_EQ(Anzahl(z, "Mobilisierungsgrad      =  nicht bestimmbar"), 1);
    for (const auto& s : z)
        EXPECT_EQ(s.find("nan"), std::string::npos) << s;
}

// Soldier pile wall short of 50 kN/m: the passive file and the earth-pressure file are written with
// the sum in their head line, and the extra embedment (1.59 m, as above) raises DeltaT.
TEST_F(Gleichgewicht, SoldierPileWallSearchesTheExtraEmbedment) {
    P.Wandart = 1;
    P.Etap = 1.0f;
    zormcom::Lauf.zFuss = 10.0f;
    zormcom::Lauf.DateiEndung = "21";
    St.EahErd = 50.0f;
    zormd::N.Rhd = 0.0f;
    Liste(zormcom::Lauf.Eph, {{0.0f, 0.0f}, {10.0f, 0.0f}, {20.0f, -400.0f}});
    Liste(St.ESumme, {{0.0f, 0.0f}, {20.0f, 0.0f}});
    const auto z = Drucken();
    EXPECT_FLOAT_EQ(N().SummeH1, -50.0f);
    EXPECT_NEAR(N().DtH, 1.59f, 1e-4f);
    EXPECT_NEAR(St.DeltaT, 1.59f, 1e-4f);
    const auto d = zortest::Zeilen(ordner.path() / "ZOREwidvW.21");
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0], "3,-50");
    EXPECT_EQ(d[3], "20,-400");
    EXPECT_TRUE(std::filesystem::exists(ordner.path() / "ZOReP0.21"));
    EXPECT_FALSE(std::filesystem::exists(ordner.path() / "ZOReWas.21"));
}

// Water (+4 per m) and additional stresses (20 x 2 at 20 m, scaled by ZspSkala 2: +4 per m) are
// written into their files and superposed: below the foot at 10 m the remaining resistance gains
// -40 t + 8 (10 + t), its area -16 t^2 + 80 t reaches -50 at t = 5.562 m, the search answers 5.57 m.
TEST_F(Gleichgewicht, WaterAndAdditionalStressesAreWrittenAndSuperposed) {
    P.Wandart = 1;
    P.Etap = 1.0f;
    zormcom::Lauf.zFuss = 10.0f;
    zormcom::Lauf.DateiEndung = "32";
    St.EahErd = 50.0f;
    zormd::N.Rhd = 0.0f;
    P.ZWasserLuft = 5.0f;
    P.ZWasserErd = 3.0f;
    Liste(zormcom::Lauf.Eph, {{0.0f, 0.0f}, {10.0f, 0.0f}, {20.0f, -400.0f}});
    Liste(St.ESumme, {{0.0f, 0.0f}, {20.0f, 0.0f}});
    Liste(St.WasserErd, {{0.0f, 0.0f}, {20.0f, 80.0f}});
    P.AnzZusatzSpannung = 2;
    P.ZusZ[1] = 0.0f, P.ZusSpannung[1] = 0.0f;
    P.ZusZ[2] = 20.0f, P.ZusSpannung[2] = 40.0f;
    zormc::St.ZspSkala = 2.0f;
    Drucken();
    EXPECT_NEAR(N().DtH, 5.57f, 1e-4f);
    EXPECT_EQ(zortest::Zeilen(ordner.path() / "ZOReWas.32"),
              (std::vector<std::string>{"2,-50", "0,0", "20,80"}));
    EXPECT_EQ(zortest::Zeilen(ordner.path() / "ZOReZsp.32"),
              (std::vector<std::string>{"2,-50", "0,0", "20,80"}));
    EXPECT_EQ(zortest::Zeilen(ordner.path() / "ZOReP0.32"),
              (std::vector<std::string>{"2,-50", "0,0", "20,0"}));
    EXPECT_EQ(P.ZusSpannung[2], 40.0f); // the stage's stresses stay unscaled
}

// A continuous wall short of its resistance writes no result diagram and searches nothing.
TEST_F(Gleichgewicht, ContinuousWallWritesNoDiagramFiles) {
    zormcom::Lauf.DateiEndung = "11";
    zormd::N.Rhd = 0.0f;
    Drucken();
    EXPECT_LT(N().SummeH1, 0.0f);
    EXPECT_FALSE(N().DtHGesucht);
    EXPECT_FALSE(std::filesystem::exists(ordner.path() / "ZOREwidvW.11"));
    EXPECT_FALSE(std::filesystem::exists(ordner.path() / "ZOReP0.11"));
}

// When the missing force is never reached, DeltaT keeps its value and the report says so.
TEST_F(Gleichgewicht, UnreachedForceRaisesNothing) {
    P.Wandart = 1;
    zormcom::Lauf.zFuss = 10.0f;
    zormcom::Lauf.DateiEndung = "11";
    St.EahErd = 50.0f;
    zormd::N.Rhd = 0.0f;
    St.DeltaT = 0.3f;
    Liste(zormcom::Lauf.Eph, {{0.0f, 0.0f}, {10.0f, 0.0f}});
    Liste(St.ESumme, {{0.0f, 0.0f}, {10.0f, 0.0f}});
    const auto z = Drucken();
    EXPECT_FALSE(N().DtHBestimmbar);
    EXPECT_FLOAT_EQ(St.DeltaT, 0.3f);
    EXPECT_EQ(Anzahl(z, "*** Der Rammtiefenzuschlag wegen Summe H ist nicht bestimmbar"), 1);
}

// Lists that cannot be superposed (the earth pressure ends above the passive list) leave the extra
// embedment undetermined; the run goes on.
TEST_F(Gleichgewicht, ListsThatDoNotMatchAreNotSuperposed) {
    P.Wandart = 1;
    zormcom::Lauf.zFuss = 10.0f;
    zormcom::Lauf.DateiEndung = "11";
    St.EahErd = 50.0f;
    zormd::N.Rhd = 0.0f;
    Liste(zormcom::Lauf.Eph, {{0.0f, 0.0f}, {10.0f, 0.0f}, {20.0f, -400.0f}});
    Liste(St.ESumme, {{0.0f, 0.0f}, {12.0f, 0.0f}});
    std::vector<std::string> z;
    ASSERT_NO_THROW(z = Drucken());
    EXPECT_FALSE(N().DtHBestimmbar);
    EXPECT_EQ(St.DeltaT, 0.0f);
    EXPECT_EQ(Anzahl(z, "*** Der Rammtiefenzuschlag wegen Summe H ist nicht bestimmbar"), 1);
}

class Vertikal : public zortest::BerichtTest {
protected:
    void SetUp() override {
        BerichtTest::SetUp();
        P.Wandart = 2;
        P.Wandfuss = 1;
        P.zAush = 8.0f;
    }
    std::vector<std::string> Drucken() {
        return Bericht([] {
            zormd::VertikalWerteBilden();
            zormd::VertikalGleichgewichtDrucken(zormd::VertikalGleichgewichtBerechnen());
        });
    }
};

// 0.8 m diaphragm wall of 25 kN/m3 to 15 m, excavation-side water at 8 m, sand 18 kN/m3 with the
// Coulomb Kah 0.279384 and delta 20 deg, one anchor Ah 250 at 15 deg, Bh 200, Eph 400, Epv -150:
// Gv = 300, Gva = -0.8 x 10 x 7 = -56, Eav = Kah 18 15^2 / 2 tan 20 = 205.92, Av = 66.99,
// Bv = 200 x -150 / 400 = -75, Summe V2 = 441.90.
TEST_F(Vertikal, DiaphragmWallByHand) {
    P.DWand = 0.8f;
    P.GamWand = 25.0f;
    P.GamWand2 = 10.0f;
    zormcom::Lauf.zFuss = 15.0f;
    P.ZWasserLuft = 8.0f;
    const float eav15 = 0.279384f * 18.0f * 15.0f * std::tan(20.0f * 3.14159265f / 180.0f);
    Liste(St.ESummeKopie, {{0.0f, 0.0f}, {15.0f, eav15}});
    zormd::N.SummeAnkerAh = 250.0f;
    zormd::N.SummeAnkerAv = 250.0f * std::tan(15.0f * 3.14159265f / 180.0f);
    St.Bh = 200.0f;
    St.Eph = 400.0f;
    St.EpvWand = -150.0f;
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "Wandgewicht        Gv   =    300.00"));
    EXPECT_TRUE(Enthaelt(z, E + "Wand-Auftrieb      Gva  =    -56.00"));
    EXPECT_TRUE(Enthaelt(z, E + "Erdseite           Eav  =    205.92"));
    EXPECT_TRUE(Enthaelt(z, E + "Anker u. Steifen   Av   =     66.99"));
    EXPECT_TRUE(Enthaelt(z, E + "passiv (2)   vorh. Bv   =    -75.00"));
    EXPECT_TRUE(Enthaelt(z, E + "Summe              V2   =    441.90"));
    EXPECT_NEAR(zormd::N.SummeV2k, 441.90f, 0.01f);
    EXPECT_TRUE(Enthaelt(z, E + "           Summe V2 > 0: Spitzendruck ansetzen."));
}

// The warning from below -1.0 on; Eph = 0 gives Bv = 0, not a value of an earlier stage; a foot
// above the excavation-side water has no buoyancy.
TEST_F(Vertikal, WarningThresholdAndZeroResistance) {
    zormcom::Lauf.zFuss = 10.0f;
    P.ZWasserLuft = 12.0f;
    struct Fall {
        float epv;
        int warnung;
    };
    for (const Fall& f : {Fall{-1.0f, 0}, Fall{-1.01f, 1}}) {
        St.Bh = 1.0f;
        St.Eph = 1.0f;
        St.EpvWand = f.epv;
        const auto z = Drucken();
        EXPECT_EQ(Anzahl(z, "*** Negative Auflagerkraft V2 nicht zulässig; siehe Hinweis 1."), f.warnung)
            << f.epv;
        EXPECT_EQ(Anzahl(z, "Wand-Auftrieb"), 0);
    }
    St.Eph = 0.0f;
    zormd::N.BvTBW = 123.0f;
    const auto z = Drucken();
    EXPECT_EQ(zormd::N.BvTBW, 0.0f);
    EXPECT_TRUE(Enthaelt(z, E + "passiv (2)   vorh. Bv   =      0.00"));
}

// Soldier pile wall: the continuous-wall view with Bv = (EdFuss + cut-off) Rvd / Rhd, then the piles'
// table with the cut-off line at 0.00 and their own Bv; no warning; Rhd = 0 gives Bv = 0.
TEST_F(Vertikal, SoldierPileWallPrintsTwoTables) {
    P.Wandart = 1;
    zormcom::Lauf.zFuss = 10.0f;
    P.ZWasserLuft = 99.0f;
    zormd::N.EdFuss = 40.0f;
    zormc::St.AbgeschnDruck = 60.0f;
    zormc::St.Rvd = -50.0f;
    zormd::N.Rhd = 200.0f;
    zormd::N.BvTBW = -30.0f; // left by the soldier-pile check
    auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "passiv (2)   vorh. Bv   =    -25.00"));
    EXPECT_TRUE(Enthaelt(z, E + "Vertikales Gleichgewicht der Trägerbohlwand (kN/m):"));
    EXPECT_TRUE(Enthaelt(z, E + "abgeschnittener Druck   =      0.00"));
    EXPECT_TRUE(Enthaelt(z, E + "passiv (2)   vorh. Bv   =    -30.00"));
    EXPECT_EQ(Anzahl(z, "*** Negative Auflagerkraft V2"), 0);
    zormd::N.Rhd = 0.0f;
    St.AbgeschnDruckV = 0.0f;
    zormd::N.BvTBW = 0.0f;
    z = Drucken();
    EXPECT_EQ(Anzahl(z, "passiv (2)   vorh. Bv   =      0.00"), 2);
}

// The section's values come first; printing them twice gives the same lines and changes none of the
// working values (the piles' view used to be made while printing, so a second print of a soldier pile
// wall began with the piles' cut-off pressure and Bv). Hand values: cut-off 20, Eav = area of 0..8 m
// under 0..10 kN/m2 = 40, Bv = (30 + 50) x -20 / 100 = -16: Summe V2 = 44.00; piles: 0.001 + 40 - 15
// = 25.00.
TEST_F(Vertikal, PrintingTwiceGivesTheSameLinesAndChangesNothing) {
    P.Wandart = 1;
    zormcom::Lauf.zFuss = 10.0f;
    P.ZWasserLuft = 99.0f;
    zormd::N.EdFuss = 30.0f;
    St.AbgeschnDruck = 50.0f;
    St.Rvd = -20.0f;
    zormd::N.Rhd = 100.0f;
    St.AbgeschnDruckV = 20.0f;
    Liste(St.ESummeKopie, {{0.0f, 0.0f}, {8.0f, 10.0f}});
    zormd::N.BvTBW = -15.0f; // left by the soldier-pile check
    zormd::VertikalWerteBilden();
    const auto w = zormd::VertikalGleichgewichtBerechnen();
    EXPECT_NEAR(w.Wand.SummeV2k, 44.0f, 1e-4f);
    EXPECT_NEAR(w.Pfaehle.SummeV2k, 25.001f, 1e-4f);
    EXPECT_EQ(zormd::N.SummeV2k, w.Pfaehle.SummeV2k);
    const auto drucken = [&w] { zormd::VertikalGleichgewichtDrucken(w); };
    const auto erst = Bericht(drucken);
    const float abgeschn = St.AbgeschnDruckV, bv = zormd::N.BvTBW, v2 = zormd::N.SummeV2k;
    const auto zweit = Bericht(drucken);
    EXPECT_EQ(erst, zweit);
    EXPECT_EQ(St.AbgeschnDruckV, abgeschn);
    EXPECT_EQ(zormd::N.BvTBW, bv);
    EXPECT_EQ(zormd::N.SummeV2k, v2);
    EXPECT_TRUE(Enthaelt(erst, E + "Summe              V2   =     44.00"));
    EXPECT_TRUE(Enthaelt(erst, E + "Summe              V2   =     25.00"));
}

// Rock foot: Bv 0.00 and no C line.
TEST_F(Vertikal, RockFoot) {
    P.Wandfuss = 3;
    zormcom::Lauf.zFuss = 10.0f;
    P.ZWasserLuft = 99.0f;
    St.Bh = 100.0f;
    St.Eph = 100.0f;
    St.EpvWand = -40.0f;
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "passiv (2)   vorh. Bv   =      0.00"));
    EXPECT_EQ(Anzahl(z, "Kraft  C * 1.00    Cv"), 0);
    EXPECT_EQ(St.EpvWand, 0.0f);
}

} // namespace
