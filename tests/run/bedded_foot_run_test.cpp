// A bedded wall foot as long as the user gives it: the cantilevered sheet pile wall of Spundwand_frei (AZ 18,
// EI 71.82 MNm2/m, excavated to 3.5 m) with its foot given at 20, 30 or 40 m and bedded from the excavation
// level down with a modulus C of 10 to 1000 MN/m3. The elastic length (4 EI / C)^(1/4) is 2.3 m at C = 10 and
// 0.73 m at C = 1000, so the bedded part is 7 to 50 elastic lengths long. Below a few elastic lengths the
// bedded wall carries nothing more: the report's moments of a longer foot are those of the shorter one, and
// the small positive moment stays at about 3 to 4 kNm/m beside the largest negative one of 78 to 96 kNm/m
// (the sweep from the head once gave 139.5 kNm/m at 30 m and 1000 MN/m3, 9.96E+31 at 40 m).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/forms/headless.h"
#include "request/headless_run.h"
#include "tests/run/example_copy.h"
#include "tests/run/run_fixture.h"

namespace {

using zorm1::P;

class GebetteterFuss : public zortest::LaufTest {
protected:
    // The report lines "max M(d)" and "min M(d)" of the run with the foot at fuss and the modulus c.
    std::pair<std::string, std::string> Momente(float fuss, float c) {
        const std::string v = zortest::BeispielKopieren("Spundwand_frei", "P1");
        zortest::LaufUmgebungZuruecksetzen();
        EXPECT_TRUE(zorm1::EingabeLesen(v));
        P.Aushubstufen[1].Wandfuss = 2;
        P.Aushubstufen[1].ZWandfuss = fuss;
        P.FussGebettet[1] = 1;
        P.BettAnz[1] = 2;
        P.BettT(1, 1) = 0.0f;
        P.BettC(1, 1) = c;
        P.BettT(1, 2) = 96.0f;
        P.BettC(1, 2) = c;
        EXPECT_TRUE(zorm1::EingabeSchreiben(v));
        zortest::LaufUmgebungZuruecksetzen();
        umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
        EXPECT_EQ(zorrun::ProjektRechnen(v), zorrun::kLaufFertig);
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
        std::pair<std::string, std::string> m;
        std::ifstream bericht("P1.AUS");
        for (std::string z; std::getline(bericht, z);) {
            if (z.find("max M(d) =") != std::string::npos) m.first = z;
            if (z.find("min M(d) =") != std::string::npos) m.second = z;
        }
        return m;
    }
    static float Wert(const std::string& zeile) {
        std::string t = zeile.substr(zeile.find('=') + 1);
        for (char& ch : t)
            if (ch == ',') ch = '.';
        return std::stof(t);
    }
};

TEST_F(GebetteterFuss, ALongerBeddedFootGivesTheMomentsOfTheShorterOne) {
    for (float c : {10.0f, 100.0f, 300.0f, 1000.0f}) {
        std::map<int, std::pair<std::string, std::string>> m;
        for (float fuss : {20.0f, 30.0f, 40.0f}) {
            SCOPED_TRACE("foot " + std::to_string(fuss) + " m, C " + std::to_string(c) + " MN/m3");
            m[static_cast<int>(fuss)] = Momente(fuss, c);
            ASSERT_FALSE(m[static_cast<int>(fuss)].first.empty());
            const float mmax = Wert(m[static_cast<int>(fuss)].first),
                        mmin = Wert(m[static_cast<int>(fuss)].second);
            EXPECT_GE(mmax, 2.5f);
            EXPECT_LE(mmax, 4.5f);
            EXPECT_GE(mmin, -100.0f);
            EXPECT_LE(mmin, -75.0f);
        }
        SCOPED_TRACE("C " + std::to_string(c) + " MN/m3");
        // 30 and 40 m are at least 11 elastic lengths: the same printed moments.
        EXPECT_EQ(m[40], m[30]);
        // 20 m is 7 elastic lengths at C = 10 (e^-7 of the head's moment left): within the last digit.
        EXPECT_NEAR(Wert(m[20].first), Wert(m[40].first), 0.11f);
        EXPECT_EQ(m[20].second, m[40].second);
    }
}

// The strutted diaphragm wall of Schlitzwand_gesteift_GW with every stage's foot given at 30 or 60 m and
// bedded with 1000 MN/m3 (elastic length about 1.6 m): every stage of every load case prints the same moments
// for both feet (the sweep from the head once printed twice the moment at 60 m).
TEST_F(GebetteterFuss, DiaphragmWallFootAtSixtyMetresGivesTheMomentsOfThirty) {
    std::map<int, std::vector<std::string>> zeilen;
    for (float fuss : {30.0f, 60.0f}) {
        SCOPED_TRACE("foot " + std::to_string(fuss) + " m");
        const std::string v = zortest::BeispielKopieren("Schlitzwand_gesteift_GW", "P1");
        zortest::LaufUmgebungZuruecksetzen();
        ASSERT_TRUE(zorm1::EingabeLesen(v));
        // Without the seepage, whose path round the foot changes the water pressure with the foot's depth.
        P.kzStroemEin = P.kzStroem = 0;
        for (int s = 1; s <= P.AnzAush; ++s) {
            P.Aushubstufen[static_cast<std::size_t>(s)].Wandfuss = 2;
            P.Aushubstufen[static_cast<std::size_t>(s)].ZWandfuss = fuss;
            P.FussGebettet[s] = 1;
            P.BettAnz[s] = 2;
            P.BettT(s, 1) = 0.0f;
            P.BettC(s, 1) = 1000.0f;
            P.BettT(s, 2) = 96.0f;
            P.BettC(s, 2) = 1000.0f;
        }
        ASSERT_TRUE(zorm1::EingabeSchreiben(v));
        zortest::LaufUmgebungZuruecksetzen();
        umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
        ASSERT_EQ(zorrun::ProjektRechnen(v), zorrun::kLaufFertig);
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
        std::ifstream bericht("P1.AUS");
        for (std::string z; std::getline(bericht, z);)
            if (z.find("max M(d) =") != std::string::npos || z.find("min M(d) =") != std::string::npos)
                zeilen[static_cast<int>(fuss)].push_back(z);
    }
    ASSERT_FALSE(zeilen[30].empty());
    EXPECT_EQ(zeilen[60], zeilen[30]);
}

} // namespace
