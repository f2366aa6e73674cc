// The anchor section of the report: counts, diameters and allowable forces against hand calculations
// (A = 500 kN per anchor), the rows as their columns are laid out, and the levels without a force.
#include "design/anchor_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "design/state.h"
#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "statics/state.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

using zorm1::P;

namespace {

const std::string E(13, ' '); // indent of the report lines

class AnkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
        vb::SetDecimalSeparator(',');
        P.GradZuRad = 3.141593f / 180.0f;
        zormc::St.AnkerFaktor = 1.0f;
        P.gamStahlAnker = 1.75f;
        P.DWand = 0.8f;
    }
    void TearDown() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
        vb::SetDecimalSeparator(0);
    }
    // Level i at z with Ah (kN/m), spacing a (m), inclination (degrees), length 12 m.
    static void Ebene(int i, float z, float Ah, float a, float grad = 0.0f) {
        P.AnzAnkerGesamt = static_cast<int16_t>(std::max<int>(P.AnzAnkerGesamt, i));
        P.ZAuflager[i] = z;
        zormd::BS.AnkerAhMax[i] = Ah;
        P.AnkerAbstand[i] = a;
        zormd::AW.AnkerNeigungRad[i] = grad * P.GradZuRad;
        zormd::AW.AnkerLaengeBem[i] = 12.0f;
        zormd::AW.AnkerLmaxD[i] = 14.0f;
        zormd::AW.AnkerLminD[i] = 10.0f;
        zormd::AW.AnkerKraft[i] = Ah / 1.35f;
        zormd::AW.AnkerKraftAktiv[i] = Ah * 0.8f;
    }
    static void Teilsicherheiten() {
        P.TeilsicherheitenAn = 1;
        P.gamStahlAnker = 1.15f;
    }
    std::vector<std::string> Bericht() {
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        zormd::AnkerNachweise();
        vb::Close(zorma::kBerichtDateiNr);
        return zortest::Zeilen(ordner / "LPTZW");
    }
    static bool Enthaelt(const std::vector<std::string>& zeilen, const std::string& text) {
        return std::find(zeilen.begin(), zeilen.end(), text) != zeilen.end();
    }
    // The line after the one that is exactly `kopf`, `n` lines further on.
    static std::string Nach(const std::vector<std::string>& zeilen, const std::string& kopf, int n) {
        auto it = std::find(zeilen.begin(), zeilen.end(), kopf);
        if (it == zeilen.end() || zeilen.end() - it <= n) return "(fehlt: " + kopf + ")";
        return *(it + n);
    }
    zortest::WorkingFolder ordner;
};

const std::string kLitzenKopf = E + "   (m)  (kN/m)    (°)   (m)  Abst(m)  Kr.(kN)  Stück   (kN)   (%) ";
const std::string kStabKopf = E + "   (m)  (kN/m)    (°)   (m)  Abst(m)  Kr.(kN)   (mm)   (kN)   (%)";

TEST_F(AnkerTest, RoundingCountsUp) {
    struct Fall {
        double q;
        int16_t n;
    };
    // q + 0.5 to the nearest integer, halves to even: an exact 3 becomes 4, an exact 4 stays 4.
    for (const Fall& f :
         {Fall{2.73, 3}, Fall{3.98, 4}, Fall{3.0, 4}, Fall{4.0, 4}, Fall{32.1, 33}, Fall{0.0, 0}})
        EXPECT_EQ(zormd::Aufgerundet(f.q), f.n) << f.q;
    // A = Ah a / cos(inclination): 120 kN/m, 2.5 m, 15 degrees -> 310.6 kN.
    Ebene(1, 3.0f, 120.0f, 2.5f, 15.0f);
    EXPECT_NEAR(zormd::AnkerKraftJeAnker(1), 310.58, 0.05);
}

TEST_F(AnkerTest, GlobalSafetyStrandsAndBars) {
    // A = 200 kN/m * 2.5 m = 500 kN. Strands: 1000 * 500 * 1.75 / 1570 / 140 = 3.98 -> 4,
    // zul.A = 4 * 140 * 1570 / 1.75 / 1000 = 502.4 kN, 99.5 %. Bars St 1080/1230:
    // sqrt(1000 * 500 * 1.75 * 4 / pi / 1080) = 32.1 -> 33 mm, zul.A = 33^2 pi / 4 * 1080 / 1.75 / 1000
    // = 527.8 kN, 94.7 %.
    Ebene(1, 3.0f, 200.0f, 2.5f);
    P.StahlStaebe = 1;
    const std::vector<std::string> z = Bericht();
    EXPECT_TRUE(Enthaelt(z, E + "erf. Sicherh. des Stahlzuggliedes eta(S) = 1,75  (1,75   1,33)"));
    EXPECT_TRUE(Enthaelt(z, E + "Festlege-Faktor für die Anker            = 0,80  (0,80   1,00)"));
    EXPECT_TRUE(Enthaelt(z, E + "A.-Länge von Vorderk. Wand (bei d = 0,80) bis Mitte Verpressk."));
    const std::string anfang = E + "  3,00   200,0    0,0  12,0   2,50     500,0  ---> ";
    EXPECT_EQ(Nach(z, kLitzenKopf, 1), anfang + "4    502   100");
    EXPECT_EQ(Nach(z, kLitzenKopf, 2), "") << "no second row without an at-rest share";
    EXPECT_EQ(Nach(z, kStabKopf, 1), anfang + "33   528    95");
    EXPECT_TRUE(Enthaelt(z, E + "für Einstabanker St 1080 / 1230 N/mm2"));
    EXPECT_TRUE(Enthaelt(z, E + "  3,00    12,0   + _______ + ______/2 = ________ : ________ <---"));
    EXPECT_EQ(P.DatenGelesen, -1);
}

TEST_F(AnkerTest, PartialFactorsTestAndLockOffLoads) {
    // Strands: 1000 * 500 * 1.15 / 1507.2 / 140 = 2.73 -> 3, zul.A = 3 * 140 * 1507.2 / 1.15 / 1000 = 550.5;
    // test load 550: 550000 / 1416 / 140 = 2.77 -> 3, zul.A = 3 * 140 * 1416 / 1000 = 594.7.
    // Bars: sqrt(1000 * 500 * 1.15 * 4 / pi / (0.96 * 1080)) = 26.6 -> 27 mm, 516.2 kN; test load:
    // sqrt(4 * 550000 / pi / (0.8 * 1230)) = 26.7 -> 27 mm, 563.4 kN.
    Teilsicherheiten();
    Ebene(1, 3.0f, 200.0f, 2.5f);
    zormd::AW.AnkerKraft[1] = 160.0f; // characteristic: 400 kN per anchor
    P.StahlStaebe = 1;
    const std::vector<std::string> z = Bericht();
    EXPECT_TRUE(Enthaelt(z, E + "  3,00    500,0   (    550,0   )"));
    EXPECT_TRUE(Enthaelt(z, E + "  3,00    400,0   (    320,0    360,0    400,0    )"));
    const std::string anfang = E + "  3,00   200,0    0,0  12,0   2,50   500,0(d) ---> ";
    const std::string pruef = std::string(21, ' ') + "(Prüfkraft mit Faktor 1.10)  550,0(d) ---> ";
    EXPECT_EQ(Nach(z, kLitzenKopf, 1), anfang + "3    550    91");
    EXPECT_EQ(Nach(z, kLitzenKopf, 2), pruef + "3    595    92");
    EXPECT_EQ(Nach(z, kLitzenKopf, 3), "");
    EXPECT_EQ(Nach(z, kStabKopf, 1), anfang + "27   516    97");
    EXPECT_EQ(Nach(z, kStabKopf, 2), pruef + "27   563    98");
}

TEST_F(AnkerTest, AtRestShareAddsThePurelyActiveRow) {
    // RuheProz 50: eta(S) = 1.75 - 0.21 = 1.54, lock-off 0.90. Purely active 160 kN/m: 400 kN per anchor,
    // strands 1000 * 400 * 1.75 / 1570 / 140 = 3.18 -> 4 (raised to the 4 of the main row at eta 1.54:
    // 3.50 -> 4), zul.A = 4 * 140 * 1570 / 1.75 / 1000 = 502.4, 79.6 %.
    P.RuheProz = 50.0f;
    Ebene(1, 3.0f, 200.0f, 2.5f);
    Ebene(2, 6.0f, 200.0f, 2.5f);
    const std::vector<std::string> z = Bericht();
    EXPECT_TRUE(Enthaelt(z, E + "erf. Sicherh. des Stahlzuggliedes eta(S) = 1,54  (1,75   1,33)"));
    EXPECT_TRUE(Enthaelt(z, E + "Festlege-Faktor für die Anker            = 0,90  (0,80   1,00)"));
    EXPECT_EQ(Nach(z, kLitzenKopf, 2),
              std::string(21, ' ') + " 160,0  (rein aktiv)           400,0  ---> 4    502    80");
    EXPECT_EQ(Nach(z, kLitzenKopf, 3), "") << "an empty line after a level with a second row";
    EXPECT_EQ(Nach(z, kLitzenKopf, 4).substr(0, 19), E + "  6,00");
}

TEST_F(AnkerTest, ColumnsStayAlignedForTenStrandsAndMore) {
    Ebene(1, 3.0f, 200.0f, 2.5f); // 4 strands
    Ebene(2, 6.0f, 800.0f, 2.5f); // 2000 kN: 15.9 -> 16 strands
    Ebene(3, 9.0f, 20.0f, 2.5f);  // 50 kN: 0.4 -> 1, at least 2
    const std::vector<std::string> z = Bericht();
    const std::string vier = Nach(z, kLitzenKopf, 1), sechzehn = Nach(z, kLitzenKopf, 2),
                      zwei = Nach(z, kLitzenKopf, 3);
    EXPECT_EQ(vier.size(), sechzehn.size());
    EXPECT_NE(sechzehn.find("---> 16  2010"), std::string::npos) << sechzehn;
    EXPECT_NE(zwei.find("---> 2    251"), std::string::npos) << zwei;
}

TEST_F(AnkerTest, LevelsWithoutAForceGetAMarkedLine) {
    Teilsicherheiten();
    P.StahlStaebe = 1;
    Ebene(1, 2.0f, -9999.0f, 2.5f);      // maximum never set in the run
    Ebene(2, 4.0f, 200.0f, 2.5f, 90.0f); // inclined 90 degrees
    Ebene(3, 6.0f, 200.0f, 2.5f);        // a sound level
    const std::vector<std::string> z = Bericht();
    const std::string ohne1 = E + "*** Kote 2,00: keine gültige Ankerkraft, Anker nicht bemessen";
    const std::string ohne2 = E + "*** Kote 4,00: keine gültige Ankerkraft, Anker nicht bemessen";
    EXPECT_EQ(std::count(z.begin(), z.end(), ohne1), 4); // test loads, lock-off loads, strands, bars
    EXPECT_EQ(std::count(z.begin(), z.end(), ohne2), 4);
    EXPECT_EQ(Nach(z, kLitzenKopf, 1), ohne1);
    EXPECT_EQ(Nach(z, kLitzenKopf, 2), ohne2);
    EXPECT_EQ(Nach(z, kLitzenKopf, 3).substr(0, 19), E + "  6,00");
    for (const std::string& zeile : z)
        EXPECT_EQ(zeile.find("-999"), std::string::npos) << zeile;
}

// Strand counts and bar diameters hold two digits; a force that needs more says that no anchor of the kind
// suffices, in the table of that kind only, and every line stays within the report's 80 columns.
TEST_F(AnkerTest, ForcesBeyondTheTablesSayThatNoAnchorSuffices) {
    P.StahlStaebe = 1;
    // Global safety, eta(S) = 1.75, one strand 140 mm2 x 1570 / 1000 = 219.8 kN / 1.75:
    Ebene(1, 3.0f, 4933.6f, 2.5f); // A = 12334 kN: 12334 x 1.75 / 219.8 = 98.2 -> 99 strands
    Ebene(2, 6.0f, 5000.0f, 2.5f); // A = 12500 kN: 99.5 -> 100 strands: none suffices
    Ebene(3, 9.0f, 20.0f, 2.5f);   // 50 kN: 2 strands, a bar of sqrt(50000 x 1.75 x 4 / pi / 1080) = 10.2 -> 11 mm
    const std::vector<std::string> z = Bericht();
    const std::string neunundneunzig = Nach(z, kLitzenKopf, 1);
    // Azul = 99 x 219.8 / 1.75 = 12434.4 kN, utilisation 12334 / 12434.4 = 99 %.
    EXPECT_NE(neunundneunzig.find("---> 99 12434    99"), std::string::npos) << neunundneunzig;
    EXPECT_EQ(Nach(z, kLitzenKopf, 2),
              E + "*** Kote 6,00: über 99 Litzen nötig, kein Litzenanker reicht aus");
    EXPECT_EQ(Nach(z, kLitzenKopf, 3).substr(0, 19), E + "  9,00");
    // Bars St 1080: 12334 kN need sqrt(12334000 x 1.75 x 4 / pi / 1080) = 159.5 mm.
    EXPECT_EQ(Nach(z, kStabKopf, 1),
              E + "*** Kote 3,00: über 99 mm nötig, kein Einstabanker reicht aus");
    EXPECT_EQ(Nach(z, kStabKopf, 2),
              E + "*** Kote 6,00: über 99 mm nötig, kein Einstabanker reicht aus");
    EXPECT_NE(Nach(z, kStabKopf, 3).find("---> 11"), std::string::npos) << Nach(z, kStabKopf, 3);
    for (const std::string& zeile : z)
        EXPECT_LE(vb::Len(zeile), 80) << zeile;

    // Partial factors: the main row needs 17900 x 1.15 / (140 x 1507.2 / 1000) = 97.6 -> 98 strands, the
    // test load 1.1 x 17900 / (140 x 1416 / 1000) = 99.3 -> 100: the level has no strand anchor.
    zorm1::ResetProjectData();
    zor::LaufZuruecksetzen();
    P.GradZuRad = 3.141593f / 180.0f;
    zormc::St.AnkerFaktor = 1.0f;
    Teilsicherheiten();
    Ebene(1, 4.0f, 7160.0f, 2.5f);
    const std::vector<std::string> t = Bericht();
    EXPECT_EQ(Nach(t, kLitzenKopf, 1),
              E + "*** Kote 4,00: über 99 Litzen nötig, kein Litzenanker reicht aus");
    EXPECT_EQ(Nach(t, kLitzenKopf, 2), "");
}

TEST_F(AnkerTest, AtMostThirteenLevelsAndNothingWithoutAnchors) {
    for (int i = 1; i <= 13; ++i)
        Ebene(i, static_cast<float>(i), 100.0f, 2.0f);
    P.AnzAnkerGesamt = 15;
    P.AnkerAbstand[14] = 2.0f; // beyond the per-anchor arrays: not read
    const std::vector<std::string> z = Bericht();
    EXPECT_EQ(Nach(z, kLitzenKopf, 13).substr(0, 19), E + " 13,00");
    EXPECT_EQ(Nach(z, kLitzenKopf, 14), "");

    // No level with a spacing and a length range: only the two closing empty lines.
    zorm1::ResetProjectData();
    zor::LaufZuruecksetzen();
    P.AnzAnkerGesamt = 2;
    P.AnkerAbstand[1] = 2.0f; // a strut: no length range
    const std::vector<std::string> leer = Bericht();
    EXPECT_EQ(leer, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(P.DatenGelesen, -1);
}

TEST_F(AnkerTest, OwnBarSteelNeedsItsStrengths) {
    Teilsicherheiten();
    Ebene(1, 3.0f, 200.0f, 2.5f);
    P.AnkerStahlStreck = 950.0f;
    P.AnkerStahlFliess = 0.0f;
    const std::vector<std::string> z = Bericht();
    EXPECT_TRUE(Enthaelt(z, E + "für Einstabanker St 950 /  N/mm2"));
    EXPECT_TRUE(Enthaelt(z, E + "*** Streckgrenze und Zugfestigkeit müssen größer als 0 sein"));
}

} // namespace
