// The hydraulic heave section: column steps, the safeties and utilisations of the table, the row
// thresholds, water below the foot and a table value of 0.
#include "verification/heave.h"

#include <gtest/gtest.h>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "tests/verification/report_fixture.h"

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
    std::vector<std::string> Drucken() { return Bericht(zormd::HydraulischerGrundbruchDrucken); }
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
TEST_F(Grundbruch, PartialFactorsInvertTheTable) {
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
    EXPECT_TRUE(
        Enthaelt(z, E + "  2)   = nicht bestimmbar  hydr. Druckh. n. Schulze/Kastner; EAU alt, E115"));
    EXPECT_TRUE(Enthaelt(z, E + "  1)   = 1.00  "));
    EXPECT_TRUE(Enthaelt(z, E + "  3)   = 0.96  "));
    EXPECT_FLOAT_EQ(Tab(1, 0), 0.8f);
    EXPECT_EQ(Tab(2, 0), 0.0f);
    for (const auto& s : z)
        EXPECT_EQ(s.find("inf"), std::string::npos) << s;
}

// Water lowered below the total foot: head, requirement and the "--->" lines only.
TEST_F(Grundbruch, WaterBelowTheFoot) {
    P.ZWasserLuft = 10.5f;
    zormcom::Lauf.kzStroem = 1;
    const auto z = Drucken();
    EXPECT_TRUE(Enthaelt(z, E + "---> Die Berechnung mit Strömungseinfluß ist unbrauchbar."));
    EXPECT_EQ(Anzahl(z, "1)   ="), 0);
    EXPECT_FLOAT_EQ(Tab(1, 0), 2.0f);
}

} // namespace
