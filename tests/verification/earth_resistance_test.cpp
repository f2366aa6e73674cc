// The earth-resistance section: which table a stage prints, the rows it takes, the design ordinates
// of the partial-factor mode and the soldier-pile and earth-pressure-change blocks.
#include "verification/earth_resistance.h"

#include <gtest/gtest.h>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "tests/verification/report_fixture.h"
#include "verification/state.h"

using zorm1::P;
using zormc::St;
using zormcom::Lauf;
using zortest::E;

namespace {

class Erdwiderstand : public zortest::BerichtTest {
protected:
    void SetUp() override {
        BerichtTest::SetUp();
        P.zAush = 5.0f;
        zormcom::Lauf.zFuss = 7.0f;
        P.Etap = 1.4f;
        // 4.0 lies above the excavation level, 8.0 below the foot.
        const float z[] = {4.0f, 5.0f, 6.0f, 8.0f}, e[] = {0.0f, -14.0f, -70.0f, -140.0f};
        Lauf.Eph.n = 4;
        for (int i = 0; i < 4; ++i) {
            Lauf.Eph.z[static_cast<std::size_t>(i + 1)] = z[i];
            Lauf.Eph.e[static_cast<std::size_t>(i + 1)] = e[i];
        }
    }
    std::vector<std::string> Drucken() { return Bericht(zormd::ErdwiderstandDrucken); }
};

// Coefficient method: rows from the excavation level to above the foot, then the foot row with the
// list interpolated there: -70 + (7 - 6) / (8 - 6) (-140 + 70) = -105.
TEST_F(Erdwiderstand, CoefficientTableEndsWithTheInterpolatedFootRow) {
    const auto z = Drucken();
    ASSERT_GE(z.size(), 9u);
    EXPECT_EQ(z[0], E + "ERDWIDERSTAND eph vor einer geschlossenen Wand( eta = 1,00 )");
    EXPECT_EQ(z[1], E + std::string(60, '-'));
    EXPECT_EQ(z[2], E + "         Die Berechnung erfolgte mit Widerstandsbeiwerten.");
    EXPECT_EQ(z[5], E + "            5.00   0.00    -14.00");
    EXPECT_EQ(z[6], E + "            6.00   1.00    -70.00");
    EXPECT_EQ(z[7], E + "            7.00   2.00   -105.00");
    EXPECT_EQ(z[8], "");
    EXPECT_EQ(z.size(), 9u); // no RFak block, no change table
}

// A list point exactly at the foot is not a list row, but the foot row prints it once.
TEST_F(Erdwiderstand, PointAtTheFootPrintsOnce) {
    zormcom::Lauf.zFuss = 8.0f;
    const auto z = Drucken();
    EXPECT_EQ(Anzahl(z, "    8.00   3.00"), 1);
    EXPECT_TRUE(Enthaelt(z, E + "            8.00   3.00   -140.00"));
}

// Partial factors: the distribution divided by gamRe (-70 / 1.4 = -50), the sum column as stored; a
// point at the excavation level is a row of the trial-plane table.
TEST_F(Erdwiderstand, TrialPlaneTableInPartialMode) {
    P.TeilsicherheitenAn = 1;
    P.EtaAnpass = 0.8f;
    zormd::N.EppArt = 1;
    zormd::N.EphGegAktE[2] = 12.5f;
    zormd::N.EphWinkel[2] = 30.0f * P.GradZuRad;
    zormd::N.EphGegAktE[3] = 56.0f;
    zormd::N.EphWinkel[3] = 28.0f * P.GradZuRad;
    const auto z = Drucken();
    EXPECT_EQ(z[0], E + "ERDWIDERSTAND eph vor einer geschlossenen Wand; Bemessungswerte(d)");
    EXPECT_EQ(z[1], E + "nach GZ STR mit etaAnpassFaktor = 0.80 und gamRe = 1.40)");
    EXPECT_EQ(z[2], E + std::string(56, '-'));
    EXPECT_TRUE(Enthaelt(z, E + "             z      t    Summe(k)   Gleitfl.-Winkel   Verlauf(d)"));
    EXPECT_TRUE(Enthaelt(z, E + "            5.00   0.00      12.5            30.0         -10.00"));
    EXPECT_TRUE(Enthaelt(z, E + "            6.00   1.00      56.0            28.0         -50.00"));
    EXPECT_EQ(Anzahl(z, "    4.00"), 0);
    // the trial-plane table has no foot row: the point below the foot is a list row
    EXPECT_TRUE(Enthaelt(z, E + "            8.00   3.00       0.0             0.0        -100.00"));
}

// User values win over any list kind; the partial-mode note stands only behind the last row.
TEST_F(Erdwiderstand, UserValuesWithNoteBehindTheLastRow) {
    P.TeilsicherheitenAn = 1;
    zormd::N.EppArt = 1;
    Lauf.AnzEphGegeben = 2;
    Lauf.EphGegAktZ[1] = 5.0f;
    Lauf.EphGegAktE[1] = -28.0f;
    Lauf.EphGegAktZ[2] = 7.0f;
    Lauf.EphGegAktE[2] = -140.0f;
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "            Vom Anwender eingegeben:"));
    EXPECT_TRUE(Enthaelt(z, std::string(23, ' ') + "  5.00   0.00    -20.00"));
    EXPECT_TRUE(Enthaelt(z, std::string(23, ' ') + "  7.00   2.00   -100.00 ( 1/gamRe - fache Werte )"));
    EXPECT_EQ(Anzahl(z, "Culmann"), 0);
    EXPECT_EQ(Anzahl(z, "Widerstandsbeiwerten"), 0);
}

// Soldier piles: the reduction factor; the change table only when the stage changes the pressure.
TEST_F(Erdwiderstand, SoldierPileFactorAndChangeTable) {
    P.Wandart = 1;
    zormc::St.EpFaktor = 0.625f;
    St.AnzErddruckAenderung = 1;
    St.ErddruckAenderung.assign(2, {0.0f, 0.0f, 0.0f});
    St.ErddruckAenderung[1] = {3.0f, 20.0f, 26.0f};
    auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "   RFak = zul.E (Weißenbach) / zul.A (Spundwand) = 0.625  <= 1,000"));
    EXPECT_TRUE(Enthaelt(z, E + "   aus obigen Werten ermittelt mit dem Reduktionsfaktor:"));
    EXPECT_EQ(Anzahl(z, "ERDDRUCK  infolge"), 0);

    P.AnzErddruckFaktor = 1;
    zormc::St.BettungStufe = 1;
    z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "   hältnis reduziert wie der Erdwiderstand nach Weißenbach:"));
    EXPECT_TRUE(Enthaelt(z, E + "ERDDRUCK  infolge Bodengewicht (kN/m2):"));
    EXPECT_TRUE(Enthaelt(z, E + "                3.00        20.00        26.00"));
}

} // namespace
