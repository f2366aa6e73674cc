// The hydraulic heave section: column steps, the safeties and utilisations of the table, the row
// thresholds, water below the foot and a table value of 0; the values from the statics' heave routine
// against a hand calculation; printing that changes nothing.
#include "verification/heave.h"

#include <gtest/gtest.h>

#include <cmath>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "statics/stage.h"
#include "statics/state.h"
#include "tests/support/report_width.h"
#include "tests/verification/report_fixture.h"
#include "verification/state.h"
#include "verification/verification_stage.h"

using zorm1::P;
using zormc::St;
using zortest::E;

namespace {

float& Tab(int m, int k) {
    return zormb::B.GrundbruchTab[static_cast<std::size_t>((m - 1) * 81 + k)];
}

TEST(HeaveSchritt, TenStepsGiveEightColumnsHalvesToEven) {
    std::vector<int> s;
    for (int c = 1; c <= 8; ++c)
        s.push_back(zormd::HeaveSchritt(10, c));
    EXPECT_EQ(s, (std::vector<int>{1, 2, 4, 5, 6, 8, 9, 10}));
    EXPECT_EQ(zormd::HeaveSchritt(5, 3), 3);
}

class Grundbruch : public zortest::BerichtTest {
protected:
    void SetUp() override {
        BerichtTest::SetUp();
        zormcom::Lauf.zFuss = 10.0f;
        P.ZWasserLuft = 6.0f;
        // GBr 40, hF 6, hWu 4: hr = 2, WStr = 20, eta = 40 / 20 = 2.00.
        St.GBr = 40.0f;
        St.hF = 6.0f;
        St.hWu = 4.0f;
        St.Stroemungskraft = 20.0f;
        Tab(1, 0) = 2.0f;
        Tab(2, 0) = 1.8f;
        Tab(3, 0) = 2.4f;
    }
    std::vector<std::string> Drucken() {
        return Bericht(
            [] { zormd::HydraulischerGrundbruchDrucken(zormd::HydraulischerGrundbruchBerechnen()); });
    }
};

TEST_F(Grundbruch, GlobalSafetyByHand) {
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "  1)   = 2.00  hydr. Druckhöhe nach EAU:2004, E115, Bild E115-3"));
    EXPECT_TRUE(Enthaelt(z, std::string(24, ' ') + "    hr  =   2.00 m = hF - hWu für die Strömungskraft"));
    EXPECT_TRUE(Enthaelt(z, std::string(24, ' ') + "    WStr=  20.00 kN/m2 Strömungskraft = hr * 10"));
    EXPECT_TRUE(Enthaelt(z, std::string(24, ' ') + "    GBr / WStr = 2.00 = vorh. Sicherheit eta"));
    EXPECT_TRUE(Enthaelt(z, E + "( 3)   = 2.40  hydr. Druckh. linear abnehmend; nicht empfohlen! )"));
    // n = 0: the model lines, then three empty lines and nothing more
    ASSERT_GE(z.size(), 3u);
    EXPECT_EQ(z[z.size() - 1], "");
    EXPECT_EQ(z[z.size() - 3], "");
    EXPECT_EQ(z[z.size() - 4], E + "( 3)   = 2.40  hydr. Druckh. linear abnehmend; nicht empfohlen! )");
}

// Global: the row stops before the first value above 1.53; the header shows every column.
TEST_F(Grundbruch, DeeperFootRowsStopAtTheThreshold) {
    St.HydrSchritte = 4;
    const float v[] = {1.20f, 1.35f, 1.51f, 1.58f};
    for (int k = 1; k <= 4; ++k) {
        Tab(1, k) = v[k - 1];
        Tab(2, k) = 1.53f;
        Tab(3, k) = 1.6f;
    }
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "  dz(m)= 0.20   0.40   0.60   0.80  "));
    EXPECT_TRUE(Enthaelt(z, E + "  1)   = 1.20   1.35   1.51  "));
    EXPECT_TRUE(Enthaelt(z, E + "  2)   = 1.53   1.53   1.53   1.53  "));
    EXPECT_TRUE(Enthaelt(z, E + "  3)   ="));
}

// Partial factors: 1.25 becomes 0.80; a utilisation below 0.95 ends the row; a value of 0 is not
// inverted.
TEST_F(Grundbruch, PartialFactorsShowUtilisations) {
    P.TeilsicherheitenAn = 1;
    P.gamGstb = 0.95f;
    P.gamH = 1.3f;
    Tab(1, 0) = 1.25f;
    Tab(2, 0) = 0.0f;
    St.HydrSchritte = 2;
    Tab(1, 1) = 1.0f; // 1.00
    Tab(1, 2) = 1.2f; // 0.83: ends the row
    Tab(3, 1) = 1.0f / 0.96f;
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "Ausn. <= 1.00  nach GZ HYD  mit gamGstb = 0.95 und gamH = 1.30"));
    EXPECT_TRUE(Enthaelt(z, E + "  1)   = 0.80  hydr. Druckhöhe nach EAU:2004, E115, Bild E115-3"));
    // Not determinable ("n.b.") in the number's columns: the line stays within the report's 80 columns.
    EXPECT_TRUE(Enthaelt(z, E + "  2)   = n.b.  hydr. Druckh. n. Schulze/Kastner; EAU alt, E115"));
    EXPECT_TRUE(Enthaelt(z, E + "  1)   = 1.00  "));
    EXPECT_TRUE(Enthaelt(z, E + "  3)   = 0.96  "));
    // The statics' table keeps its safeties; the utilisations are the section's values.
    EXPECT_FLOAT_EQ(Tab(1, 0), 1.25f);
    EXPECT_EQ(Tab(2, 0), 0.0f);
    const auto w = zormd::HydraulischerGrundbruchBerechnen();
    EXPECT_FLOAT_EQ(w.Wert[0][0], 0.8f);
    EXPECT_EQ(w.Wert[1][0], 0.0f);
    for (const auto& s : z) {
        EXPECT_EQ(s.find("inf"), std::string::npos) << s;
        EXPECT_TRUE(zortest::BerichtszeileErlaubt(s)) << s;
    }
}

// Partial factors without a value of the first model: "n.b." stands in the columns of the numbers, and the
// lines keep within the report's width.
TEST_F(Grundbruch, AFirstModelValueThatIsNotDeterminableKeepsItsColumns) {
    P.TeilsicherheitenAn = 1;
    P.gamGstb = 0.95f;
    P.gamH = 1.3f;
    Tab(1, 0) = 0.0f;
    Tab(2, 0) = 1.25f;
    St.HydrSchritte = 0;
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "  1)   = n.b.  hydr. Druckhöhe nach EAU:2004, E115, Bild E115-3"));
    EXPECT_EQ(Anzahl(z, "    WStr / GBr * gamH / gamGstb = n.b. = Ausnutzung"), 1);
    for (const auto& s : z)
        EXPECT_TRUE(zortest::BerichtszeileErlaubt(s)) << s;
}

// Water lowered below the total foot: head, requirement and the "--->" lines only.
TEST_F(Grundbruch, WaterBelowTheFoot) {
    P.ZWasserLuft = 10.5f;
    zormcom::Lauf.kzStroem = 1;
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "---> Die Berechnung mit Strömungseinfluß ist unbrauchbar."));
    EXPECT_EQ(Anzahl(z, "1)   ="), 0);
    EXPECT_FLOAT_EQ(Tab(1, 0), 2.0f);
    EXPECT_TRUE(zormd::HydraulischerGrundbruchBerechnen().WasserUnterFuss);
}

// The statics' heave routine and the section's values against a hand calculation after the
// residual-head models. Excavation 6 m, water 2 m behind and 6 m in front of the wall, buoyant unit
// weight 10 kN/m3 below the excavation, wall foot 7.7 m with 0.3 m extra embedment: zF = 8 m,
// te = 8 - 2 = 6 m, tx = 8 - 6 = 2 m, dh = 4 m, G = 10 x 2 = 20 kN/m2.
//   hF  = (hWe sqrt(tx) + hWx sqrt(te)) / (sqrt(tx) + sqrt(te)) = (6 x 1.41421 + 2 x 2.44949) / 3.86370
//       = 3.46410 m; hWu = 2 m
//   hr1 = hF - hWu = 1.46410 m                      (EAU 2004, Baumgart-Davidenkoff)
//   hr2 = dh / (1 + (1 + dh / tx)^0.3333) = 4 / (1 + 3^0.3333) = 4 / 2.44219 = 1.63787 m
//   hr3 = dh tx / (tx + te) = 4 x 2 / 8 = 1.0 m     (head falling linearly)
// Global concept: eta = G / (10 hr) = 1.36603, 1.22110, 2.00000; not all >= 1.5 until the foot is
// 0.6 m deeper (step 3, zF 8.6 m, G 26: hF 4.14246, safeties 1.68562, 1.53666, 2.30000).
// Partial factors gamGstb 0.95, gamH 1.35: utilisation = 10 hr gamH / (gamGstb G)
//   = 19.7654 / 19 = 1.04028, 22.1113 / 19 = 1.16375, 13.5 / 19 = 0.71053; at step 1 (zF 8.2 m, G 22,
//   hF 3.69324, hr 1.49324, 1.65806, 1.04762) 0.96453, 1.07100, 0.67669; all <= 1 at step 2 (zF 8.4 m,
//   G 24, hF 3.91918, hr 1.51918, 1.67597, 1.09091): 0.89952, 0.99235, 0.64593.
TEST_F(Grundbruch, ValuesOfTheResidualHeadModelsByHand) {
    struct Fall {
        int16_t teil;
        float gamGstb, gamH;
        int16_t schritte;
        float wert[3][4]; // model, step 0..3 (steps beyond n unused)
    };
    const Fall faelle[] = {
        {0,
         1.0f,
         1.0f,
         3,
         {{1.36603f, 1.47331f, 1.57980f, 1.68562f},
          {1.22110f, 1.32685f, 1.43201f, 1.53666f},
          {2.00000f, 2.10000f, 2.20000f, 2.30000f}}},
        {1,
         0.95f,
         1.35f,
         2,
         {{1.04028f, 0.96453f, 0.89952f, 0.0f},
          {1.16375f, 1.07100f, 0.99235f, 0.0f},
          {0.71053f, 0.67669f, 0.64593f, 0.0f}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.teil);
        zor::LaufZuruecksetzen();
        P.TeilsicherheitenAn = f.teil;
        P.gamGstb = f.gamGstb;
        P.gamH = f.gamH;
        P.zAush = 6.0f;
        P.ZWasserErd = 2.0f;
        P.ZWasserLuft = 6.0f;
        zormcom::Lauf.zFuss = 7.7f;
        St.DeltaT = 0.3f;
        auto& s = St.SohlSpannung;
        s.n = 3;
        s.z[1] = 0.0f, s.z[2] = 6.0f, s.z[3] = 99.0f;
        s.e[1] = 0.0f, s.e[2] = 0.0f, s.e[3] = 930.0f;
        zormc::HydraulischerGrundbruch(50);
        const auto w = zormd::HydraulischerGrundbruchBerechnen();
        EXPECT_FALSE(w.WasserUnterFuss);
        EXPECT_EQ(w.Teilsicherheiten, f.teil != 0);
        EXPECT_EQ(w.Schritte, f.schritte);
        EXPECT_NEAR(w.hF, 3.46410f, 1e-4f);
        EXPECT_NEAR(w.hWu, 2.0f, 1e-5f);
        EXPECT_NEAR(w.hr, 1.46410f, 1e-4f);
        EXPECT_NEAR(w.GBr, 20.0f, 1e-4f);
        EXPECT_NEAR(w.Stroemungskraft, 14.6410f, 1e-3f);
        for (int m = 0; m < 3; ++m)
            for (int k = 0; k <= f.schritte; ++k)
                EXPECT_NEAR(w.Wert[m][k], f.wert[m][k], 2e-5f) << "model " << m + 1 << " step " << k;
    }
}

// The section run twice on the same results prints the same lines, leaves the statics' table as it
// was, and hands the utilisations it shows to plot record "C". (It used to turn the table into
// utilisations in place, so that a second print turned them back into safeties.)
TEST_F(Grundbruch, PrintingTwiceGivesTheSameLinesAndChangesNothing) {
    P.TeilsicherheitenAn = 1;
    P.gamGstb = 0.95f;
    P.gamH = 1.35f;
    St.HydrSchritte = 2;
    const float tab[3][3] = {{0.96128f, 1.03677f, 1.11171f}, // safeties Gd / S of the steps 0..2
                             {0.85929f, 0.93371f, 1.00771f},
                             {1.40741f, 1.47778f, 1.54815f}};
    for (int m = 1; m <= 3; ++m)
        for (int k = 0; k <= 2; ++k)
            Tab(m, k) = tab[m - 1][k];
    const auto vorher = zormb::B.GrundbruchTab;
    const auto erst = Bericht(zormd::HydraulischerGrundbruchAbschnitt);
    const auto zweit = Bericht(zormd::HydraulischerGrundbruchAbschnitt);
    EXPECT_EQ(erst, zweit);
    EXPECT_EQ(zormb::B.GrundbruchTab, vorher);
    // 1 / 0.96128 = 1.04; the deeper foot: 0.96 then 0.90 < 0.95 ends row 1; 1.07, 0.99 in row 2;
    // row 3 (0.68) stays empty.
    EXPECT_TRUE(Enthaelt(erst, E + "  1)   = 1.04  hydr. Druckhöhe nach EAU:2004, E115, Bild E115-3"));
    EXPECT_TRUE(Enthaelt(erst, E + "  1)   = 0.96  "));
    EXPECT_TRUE(Enthaelt(erst, E + "  2)   = 1.07   0.99  "));
    EXPECT_TRUE(Enthaelt(erst, E + "  3)   ="));
    for (int m = 0; m < 3; ++m)
        EXPECT_FLOAT_EQ(zormd::N.GrundbruchPlot[static_cast<std::size_t>(m)], 1.0f / tab[m][0]) << m;
}

} // namespace
