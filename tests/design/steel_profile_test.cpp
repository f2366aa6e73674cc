// Profile lines of the shipped lists and the steel stresses of the steel grades.
#include "design/steel_profile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"

using zorm1::P;

namespace {

struct Profil {
    std::string name;
    float w[5];
};

Profil Zerlege(std::string& line, float vorher = -1.0f) {
    Profil p{"?", {vorher, vorher, vorher, vorher, vorher}};
    zormd::ProfilZeileZerlegen(line, p.name, p.w[0], p.w[1], p.w[2], p.w[3], p.w[4]);
    return p;
}

std::string ZeileAusListe(const std::string& datei, const std::string& name) {
    std::ifstream in(std::string(ZOR_SHIPPED_DATA) + "/" + datei);
    std::string zeile;
    while (std::getline(in, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (zeile.rfind(name + " ", 0) == 0) return zeile;
    }
    return {};
}

TEST(ProfilZeile, ShippedLineWithItsListCode) {
    const std::string heb = ZeileAusListe("zorTBw.txt", "HEB300");
    ASSERT_FALSE(heb.empty());
    for (const std::string& gespeichert : {heb + "TBW", heb + "   TBW", "  " + heb + "TBW   "}) {
        SCOPED_TRACE(gespeichert);
        std::string line = gespeichert;
        const Profil p = Zerlege(line);
        EXPECT_EQ(p.name, "HEB300");
        EXPECT_FLOAT_EQ(p.w[0], 25170.0f);
        EXPECT_FLOAT_EQ(p.w[1], 1678.0f);
        EXPECT_FLOAT_EQ(p.w[2], 149.1f);
        EXPECT_FLOAT_EQ(p.w[3], 1.1f);
        EXPECT_FLOAT_EQ(p.w[4], 30.0f);
        // The caller's line: no leading blanks, one more trailing blank.
        EXPECT_EQ(line, vb::LTrim(gespeichert) + " ");
    }
    // Stresses of the example (independent: sigma = 1000 M / W + 10 N / A, tau = 10 Q / (s h)):
    // M 250 kNm, N 300 kN, Q 200 kN -> 149.0 + 20.1 = 169.1 N/mm2, tau 60.6 N/mm2.
    std::string line = heb;
    const Profil p = Zerlege(line);
    EXPECT_NEAR(1000 * 250 / p.w[1] + 10 * 300 / p.w[2], 169.1, 0.05);
    EXPECT_NEAR(10 * 200 / (p.w[3] * p.w[4]), 60.6, 0.05);
    // A sheet pile line reads the same way.
    std::string az = ZeileAusListe("zorSPw.txt", "AZ18");
    ASSERT_FALSE(az.empty());
    az += "SPW";
    EXPECT_EQ(Zerlege(az).name, "AZ18");
}

TEST(ProfilZeile, EdgeCases) {
    struct Fall {
        std::string line;
        std::string name;
        float w[5];
    };
    const Fall faelle[] = {
        {"HEB300", "HEB300", {0, 0, 0, 0, 0}},                            // only a name
        {"IPE80 80.1 20 7.64 0.38 8", "IPE80", {0, 20, 7.64f, 0.38f, 8}}, // I below 100 reads as 0
        {"X 200 -5 3 4 5", "X", {200, 5, 3, 4, 5}},                       // a minus is no part of a number
        {"X S235 10 11 12 13", "X", {235, 10, 11, 12, 13}},               // digits inside a word count
        {"X 200 30 TBW", "X", {200, 30, 30, 30, 30}},                     // the last number read again
        {"X 200 1 2 3 4 5 6 7", "X", {200, 1, 2, 3, 4}},                  // further numbers dropped
        {"X 200 1.5x 2", "X", {200, 1.5f, 2, -1, -1}},                    // the rest of a word ignored
        {"X 200 30  ", "X", {200, 30, 30, 30, 30}},                       // blanks behind the last number
        // a number beyond single precision (digits run together over the line breaks of a damaged file) is no
        // value, not an overflow
        {"X 37800 1800 139.2 " + std::string(45, '9') + " 2", "X", {37800, 1800, 139.2f, 0, 2}},
        {"X 37800 1e39 139.2 1 2", "X", {37800, 0, 139.2f, 1, 2}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.line);
        std::string line = f.line;
        const Profil p = Zerlege(line);
        EXPECT_EQ(p.name, f.name);
        for (int i = 0; i < 5; ++i)
            EXPECT_FLOAT_EQ(p.w[i], f.w[i]) << "Wert" << i + 1;
    }
    // An empty line: empty name, all values 0.
    std::string leer;
    const Profil p = Zerlege(leer);
    EXPECT_EQ(p.name, "");
    EXPECT_EQ(p.w[0], 0.0f);
    EXPECT_EQ(leer, " ");
}

class StahlSpannungen : public ::testing::Test {
protected:
    void SetUp() override { zorm1::ResetProjectData(); }
    void TearDown() override { zorm1::ResetProjectData(); }
};

TEST_F(StahlSpannungen, GradesConceptsAndStandards) {
    struct Fall {
        int16_t teil, eau, guete;
        float sigma, tau;
    };
    const Fall faelle[] = {
        {1, 0, 240, 218, 126}, {1, 1, 270, 245, 142}, {1, 0, 355, 323, 186}, {0, 1, 240, 160, 92},
        {0, 0, 240, 180, 104}, {0, 1, 270, 180, 104}, {0, 0, 270, 205, 118}, {0, 1, 355, 240, 139},
        {0, 0, 355, 270, 156}, {0, 2, 355, 270, 156}, // any value other than 1 is EAB
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.teil << " " << f.eau << " " << f.guete);
        P.TeilsicherheitenAn = f.teil;
        P.StahlNachEAU = f.eau;
        P.StahlGuete = f.guete;
        zormd::StahlSpannungenSetzen();
        EXPECT_EQ(P.ZulSigma, f.sigma);
        EXPECT_EQ(P.ZulTau, f.tau);
    }
    // Another grade leaves both values.
    P.StahlGuete = 300;
    P.ZulSigma = 123.5f;
    P.ZulTau = 77.0f;
    zormd::StahlSpannungenSetzen();
    EXPECT_EQ(P.ZulSigma, 123.5f);
    EXPECT_EQ(P.ZulTau, 77.0f);
}

} // namespace
