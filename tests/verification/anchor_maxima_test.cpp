// The anchor and strut maxima of a load case and of the run, fed through the anchor bookkeeping stage
// by stage as the deep-slip-plane section feeds it.
#include <fstream>

#include "fixture.h"
#include "statics/state.h"
#include "verification/anchor_files.h"
#include "verification/anchor_maxima.h"

namespace verification_test {
namespace {

using zormd::AB;

class Maxima : public Bericht {
protected:
    void SetUp() override {
        Bericht::SetUp();
        // Anchors at 1.5 and 4.0 m, both at 15 deg.
        std::ofstream("ZORGLFR") << "1.5,2\r\n1.5,15,6,12\r\n4,15,8,14\r\n";
        zormc::St.AnkerFaktor = 1.0f;
    }
    // One stage: the forces of the stage, the lengths the deep slip plane found (8 and 10 m).
    static void Stufe(int16_t lf, int16_t aush, float ah1, float ah2) {
        P.LFNr = lf;
        P.AushNr = aush;
        N.AnkerAh[1] = ah1;
        N.AnkerAh[2] = ah2;
        zormd::AnkerbuchVorher();
        N.AnzAnkerGlf = 2;
        N.GlfAnkerZ[1] = 1.5f;
        N.GlfAnkerZ[2] = 4.0f;
        N.AnkerLaenge[1] = 8.0f;
        N.AnkerLaenge[2] = 10.0f;
        zormd::AnkerbuchNachher();
    }
    static void Lastfall1() {
        Stufe(1, 1, 0.0f, 0.0f);
        Stufe(1, 2, 85.2f, 0.0f);
        Stufe(1, 3, 60.4f, 140.7f);
    }
    static void Lastfall2() {
        Stufe(2, 1, 0.0f, 0.0f);
        Stufe(2, 2, 95.0f, 0.0f);
        Stufe(2, 3, 70.1f, 180.3f);
    }
};

const std::string E(13, ' ');
const std::string kKopf1 = E + " Kote     max Ah   Steife / Anker   Neigung     Länge      max A";
const std::string kKopf2 = E + "  (m)     (kN/m)                      (°)        (m)      (kN/m)";

// max A = max Ah / cos 15 deg: 85.2 -> 88.21, 140.7 -> 145.66; then 95.0 -> 98.35, 180.3 -> 186.66.
TEST_F(Maxima, LoadCaseTablesByHand) {
    Lastfall1();
    zormd::AnkerMaximaLastfall();
    Lastfall2();
    P.LFNr = 2;
    zormd::AnkerMaximaLastfall();
    const std::vector<std::string> lf1 = {
        "",
        E + "MAXIMALWERTE DER ANKER- UND STEIFENKRÄFTE IM   LF   1 ",
        E + std::string(53, '-'),
        E + "( wie errechnet; ohne Zusatz-Faktoren nach EAB )",
        "",
        kKopf1,
        kKopf2,
        E + std::string(64, '-'),
        E + " 1.50      85.20            Anker    15.00       8.00      88.21",
        E + " 4.00     140.70            Anker    15.00      10.00     145.66",
        "",
        E + "Hinw.: Bei Verankerungen unter Bauwerken sollte die EB 46 der EAB",
        E + "       beachtet werden: Anker verlängern, staffeln und spreizen.",
        "",
        "",
        ""};
    const auto z = Zeilen();
    ASSERT_EQ(z.size(), 2 * lf1.size());
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + 16), lf1);
    EXPECT_EQ(z[17], E + "MAXIMALWERTE DER ANKER- UND STEIFENKRÄFTE IM   LF   2 ");
    EXPECT_EQ(z[24], E + " 1.50      95.00            Anker    15.00       8.00      98.35");
    EXPECT_EQ(z[25], E + " 4.00     180.30            Anker    15.00      10.00     186.66");
}

// Over both load cases 95.00 and 180.30; with the factor 1.15 (BS-T, partial factors) the factor
// rows 1.15 x 180.3 = 207.35 (single precision) and 214.66, and the factor line.
TEST_F(Maxima, OverallTableAndTheFactorRows) {
    Lastfall1();
    Lastfall2();
    zormc::St.AnkerFaktor = 1.15f;
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 2;
    zormd::AnkerMaximaLastfall();
    zormd::AnkerMaximaGesamt();
    const auto z = Zeilen();
    EXPECT_EQ(Mit(z, "GZ STR.").size(), 1u);
    const auto faktor =
        std::find(z.begin(), z.end(), E + "(Faktor * Kraft für Anker- und Steifen-Nachweise):");
    ASSERT_NE(faktor, z.end());
    ASSERT_LT(faktor + 2, z.end());
    EXPECT_EQ(*(faktor + 1), E + " 1.50     109.25            Anker    15.00       8.00     113.10");
    EXPECT_EQ(*(faktor + 2), E + " 4.00     207.35            Anker    15.00      10.00     214.66");
    EXPECT_EQ(Mit(z, "Max. Faktor").front(), E + "Max. Faktor = 1.150 von BS-T nach BS-P.");
    const auto gesamt =
        std::find(z.begin(), z.end(), E + "MAXIMALWERTE DER ANKER- UND STEIFENKRÄFTE AUS ALLEN LASTFÄLLEN:");
    ASSERT_NE(gesamt, z.end());
    ASSERT_LT(gesamt + 10, z.end());
    EXPECT_EQ(*(gesamt - 1), "");
    EXPECT_EQ(*(gesamt + 1), E + std::string(63, '-'));
    EXPECT_EQ(*(gesamt + 2), kKopf1);
    EXPECT_EQ(*(gesamt + 5), E + " 1.50      95.00            Anker    15.00       8.00      98.35");
    EXPECT_EQ(*(gesamt + 6), E + " 4.00     180.30            Anker    15.00      10.00     186.66");
    EXPECT_EQ(*(gesamt + 8), E + "Faktor * Kraft für Anker- und Steifen-Nachweise:");
    EXPECT_EQ(*(gesamt + 10), E + " 4.00     207.35            Anker    15.00      10.00     214.66");
}

// Without the deep slip plane no length is found: every level is a strut row, no note; a level never
// in force shows 0.00.
TEST_F(Maxima, StrutRowsWithoutLengths) {
    for (int16_t s = 1; s <= 2; ++s) {
        P.LFNr = 1;
        P.AushNr = s;
        N.AnkerAh[1] = s == 2 ? 50.0f : 0.0f;
        N.AnkerAh[2] = 0.0f;
        zormd::AnkerbuchVorher();
        N.AnzAnkerGlf = 0;
        zormd::AnkerbuchNachher();
    }
    zormd::AnkerMaximaLastfall();
    const auto z = Zeilen();
    EXPECT_EQ(Mit(z, "Steife").size(), 3u); // the head line and two rows
    EXPECT_FALSE(Mit(z, E + " 1.50      50.00   Steife").empty());
    EXPECT_FALSE(Mit(z, E + " 4.00       0.00   Steife").empty());
    EXPECT_TRUE(Mit(z, "Hinw.").empty());
}

} // namespace
} // namespace verification_test
