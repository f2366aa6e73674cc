// The diaphragm wall with groundwater, its seepage pressure and the hydraulic heave check saved on,
// calculated by the headless run as the program with its windows calculates it: the seepage iteration
// corrects the unit weights, the wall's buoyancy is counted, and every stage with flow under the wall prints
// the heave section. One stage's gradients and utilisation worked by hand from its geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "request/headless_run.h"
#include "tests/run/example_copy.h"
#include "tests/run/run_fixture.h"
#include "tests/support/text_file.h"

namespace {

double Zahl(std::string s) {
    for (char& c : s)
        if (c == ',') c = '.';
    return std::stod(s);
}

// The first number after `nach` in the line.
double Wert(const std::string& zeile, const std::string& nach) {
    static const std::regex zahl(R"(-?\d+[,.]\d+)");
    std::smatch m;
    const std::string rest = zeile.substr(zeile.find(nach) + nach.size());
    EXPECT_TRUE(std::regex_search(rest, m, zahl)) << zeile;
    return Zahl(m.str());
}

class Grundbruch : public zortest::LaufTest {};

TEST_F(Grundbruch, SavedOnTheHeaveCheckIsPrintedAndItsStageTwoMatchesTheHandCalculation) {
    const std::string v = zortest::BeispielKopieren("Schlitzwand_gesteift_GW");
    ASSERT_FALSE(v.empty());
    ASSERT_EQ(zorrun::ProjektRechnen(v), zorrun::kLaufFertig);
    const auto bericht = zortest::Zeilen("LPTZW");

    // Every stage with the excavation-side water below the earth-side one (stages 2 and 3 of both load
    // cases) prints the section; the wall's buoyancy is in every equilibrium.
    int abschnitte = 0, auftrieb = 0;
    for (const std::string& z : bericht) {
        abschnitte += z == std::string(13, ' ') + "NÄHERUNGSNACHWEIS nur für lotrechte Umströmung:";
        auftrieb += z.rfind(std::string(13, ' ') + "Wand-Auftrieb", 0) == 0;
    }
    EXPECT_EQ(abschnitte, 4);
    EXPECT_EQ(auftrieb, 6);

    // Load case 1, stage 2: excavation at 7.50 m, water at 3.00 m behind the wall and at 8.00 m in front;
    // below the excavation layer 2 (19 / 11 kN/m3) down to 8.00 m, layer 3 (20 / 10) down to 13.00 m,
    // layer 4 (19.5 / 11.5) below. Partial factors BS-T: gamGstb 0.95, gamH 1.30.
    std::size_t k = 0;
    while (k < bericht.size() && bericht[k].find("LASTFALL  1  AUSHUB  2") == std::string::npos)
        ++k;
    ASSERT_LT(k, bericht.size());
    double ia = 0, ip = 0, hF = 0, hWu = 0, GBr = 0, WStr = 0, ausnutzung = 0;
    for (; k < bericht.size() && bericht[k].find("LASTFALL  1  AUSHUB  3") == std::string::npos; ++k) {
        const std::string& z = bericht[k];
        if (z.find("aktiv    ia =") != std::string::npos) ia = Wert(z, "ia =");
        if (z.find("passiv   ip =") != std::string::npos) ip = Wert(z, "ip =");
        if (z.find("hF  =") != std::string::npos) hF = Wert(z, "hF  =");
        if (z.find("hWu =") != std::string::npos) hWu = Wert(z, "hWu =");
        if (z.find("GBr =") != std::string::npos) GBr = Wert(z, "GBr =");
        if (z.find("WStr=") != std::string::npos) WStr = Wert(z, "WStr=");
        if (z.find("= Ausnutzung") != std::string::npos) ausnutzung = Wert(z, "gamGstb =");
    }
    ASSERT_GT(hWu, 0.0);
    // The wall foot of the check from the water height over it: zF = 8.00 + hWu (15.02 m).
    const double zF = 8.0 + hWu, dh = 8.0 - 3.0;
    const double te = zF - 3.0, tx = zF - 8.0; // the water in front lies below the excavation
    const double r = std::sqrt(tx * te);
    EXPECT_NEAR(ia, 0.7 * dh / (te + r), 0.0005);  // 0.1650
    EXPECT_NEAR(ip, -0.7 * dh / (tx + r), 0.0005); // -0.2160
    // Potential height over the foot in front: (hWe sqrt(tx) + hWx sqrt(te)) / (sqrt(tx) + sqrt(te)).
    const double hFHand = (te * std::sqrt(tx) + tx * std::sqrt(te)) / (std::sqrt(tx) + std::sqrt(te));
    EXPECT_NEAR(hF, hFHand, 0.01);              // 9.19 m
    EXPECT_NEAR(WStr, 10.0 * (hF - hWu), 0.15); // 21.66 kN/m2; the heights are printed to 0.01 m
    // The soil in front of the foot with the corrected buoyant weights gap + ip x 10: moist above the
    // excavation-side water, 19 x 0.5 + (10 + 10 ip) x 5 + (11.5 + 10 ip) x (zF - 13).
    const double GBrHand = 19.0 * 0.5 + (10.0 + 10.0 * ip) * 5.0 + (11.5 + 10.0 * ip) * (zF - 13.0);
    EXPECT_NEAR(GBr, GBrHand, 0.1); // 67.6 kN/m2
    // Utilisation WStr / GBr x gamH / gamGstb.
    EXPECT_NEAR(ausnutzung, WStr / GBr * 1.30 / 0.95, 0.006); // 0.44
}

} // namespace
