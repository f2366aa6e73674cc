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

} // namespace
