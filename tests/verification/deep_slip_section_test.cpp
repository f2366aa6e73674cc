// Report section of the deep slip plane on the single anchor in dry sand (hand values: possible
// force 276.05 kN/m, eta 2.76 with Ah = 100), its cache for the second run and its bookkeeping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "statics/state.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"
#include "verification/anchor_files.h"
#include "verification/deep_slip_plane.h"
#include "verification/deep_slip_section.h"
#include "verification/state.h"

namespace {

using zorm1::P;
using zormd::AB;
using zormd::GF;
using zormd::N;

class DeepSlipSection : public ::testing::Test {
protected:
    void SetUp() override { Projekt(100.0f, "1.5,1\r\n1.5,15,10,10\r\n"); }
    void Projekt(float ah, const char* glfr) {
        P = zorm1::ProjectData{};
        zor::ErddruckLaufZuruecksetzen();
        zormd::NachweisZustandZuruecksetzen();
        zormd::GleitfugeZuruecksetzen();
        zormd::AnkerbuchZuruecksetzen();
        const float g = 3.141593f / 180.0f;
        P.GradZuRad = g;
        P.AnzErd = 1;
        zormcom::Lauf.SchichtKote[1] = 0.0f;
        zormcom::Lauf.SchichtKote[2] = 99.0f;
        P.SchichtDicke[1] = 99.0f;
        P.SchichtPhi[1] = 30.0f * g;
        P.SchichtGamma[1] = 18.0f;
        P.SchichtGammaAuftrieb[1] = 10.0f;
        P.ZWasserErd = 99.0f;
        P.Wandtyp = 3;
        P.DWand = 0.6f;
        P.AnkerLaengen = 1;
        zormcom::Vorgaben.ErsterLauf = 1;
        P.LFNr = 1;
        P.AushNr = 1;
        P.AnzAush = 1;
        zormcom::Lauf.DateiEndung = "11";
        zormc::St.gamMittel = 1.0f;
        P.AnzAnker = 1;
        P.ZAnker[1] = 1.5f;
        N.AnkerAh[1] = ah;
        N.zGLF = 7.0f;
        auto& L = zormc::St;
        L.AnzGlfListe = 3;
        L.EhListeZ = {0.0f, 0.0f, 7.0f, 99.0f};
        L.EhListe = {0.0f, 0.0f, 42.0f, 42.0f};
        L.EvListe = {0.0f, 0.0f, 0.0f, 0.0f};
        L.Ze1Fig6Wirksam = 99.0f;
        std::ofstream("ZORGLFR") << glfr;
    }
    std::vector<std::string> Bericht() {
        vb::SetDecimalSeparator('.');
        zorma::TexteBelegen();
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        zormd::TiefeGleitfugeBericht();
        vb::Close(zorma::kBerichtDateiNr);
        return zortest::Zeilen(ordner / "LPTZW");
    }
    static bool Enthaelt(const std::vector<std::string>& z, const std::string& t) {
        for (const auto& l : z)
            if (l.find(t) != std::string::npos) return true;
        return false;
    }
    zortest::WorkingFolder ordner;
};

TEST_F(DeepSlipSection, SingleAnchorRowAndClosingLines) {
    const auto z = Bericht();
    ASSERT_GE(z.size(), 10u);
    EXPECT_EQ(z[0], "             NACHWEIS DER TIEFEN GLEITFUGE   LASTFALL  1,  AUSHUB  1");
    EXPECT_FALSE(Enthaelt(z, "Ruhedruck ermittelt"));
    EXPECT_TRUE(Enthaelt(z, "              1.50    10.00     100.00    276.0")) << z[10];
    EXPECT_TRUE(Enthaelt(z, "   2.76"));
    EXPECT_FALSE(Enthaelt(z, "UNZUL"));
    EXPECT_FALSE(Enthaelt(z, "Gesamt-Nachweis")); // one anchor: no overall block
    EXPECT_TRUE(Enthaelt(z, "             zGLF =  7.00 m  :  Kote der Gleitfuge an der Wand."));
    EXPECT_TRUE(Enthaelt(z, "             xAW  =  9.06 m  :  Entfernung der Ersatzankerwand von x = 0."));
    EXPECT_TRUE(Enthaelt(z, "             zAW  =  4.09 m  :  Kote des Fußpunktes der Ersatzankerwand."));
    EXPECT_EQ(N.GlfAnkerKombination, "91");
    EXPECT_FLOAT_EQ(AB.AnkerGlfWert[1], 10.0f);
    EXPECT_FLOAT_EQ(AB.AnkerLaengeBem[1], 10.0f);
}

// The search runs once, before the report lines; the lines, printed twice from its values, are the same
// and change neither the anchor values of plot record "C" nor the bookkeeping.
TEST_F(DeepSlipSection, PrintingTwiceGivesTheSameLinesAndChangesNothing) {
    const auto w = zormd::TiefeGleitfugeBerechnen();
    ASSERT_TRUE(w.Nachweis);
    EXPECT_FALSE(w.AusCache);
    const auto drucken = [&] {
        vb::SetDecimalSeparator('.');
        zorma::TexteBelegen();
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        zormd::TiefeGleitfugeDrucken(w);
        vb::Close(zorma::kBerichtDateiNr);
        return zortest::Zeilen(ordner / "LPTZW");
    };
    const auto erst = drucken();
    const float laenge = N.AnkerLaenge[1], eta = GF.GlfEtaAnker[1], xAW = GF.xAW;
    const std::string kombination = N.GlfAnkerKombination;
    const auto zweit = drucken();
    EXPECT_EQ(erst, zweit);
    EXPECT_EQ(erst, Bericht()); // the whole section: the same lines
    EXPECT_TRUE(Enthaelt(erst, "              1.50    10.00     100.00    276.0"));
    EXPECT_EQ(N.AnkerLaenge[1], laenge);
    EXPECT_EQ(GF.GlfEtaAnker[1], eta);
    EXPECT_EQ(GF.xAW, xAW);
    EXPECT_EQ(N.GlfAnkerKombination, kombination);
}

TEST_F(DeepSlipSection, SecondRunPrintsTheCachedValuesOfItsOwnStage) {
    const auto erster = Bericht();
    const float xAW = GF.xAW;
    // Second run with an at-rest share: the memory holds other values, the cache the first run's.
    Projekt(100.0f, "1.5,1\r\n1.5,15,10,10\r\n");
    zormcom::Vorgaben.ErsterLauf = 0;
    P.RuheProz = 25.0f;
    N.AnkerAh[1] = 130.0f;
    GF.xAW = 55.0f;
    const auto zweiter = Bericht();
    EXPECT_TRUE(Enthaelt(zweiter, "             Die Kräfte wurden HIER mit  0 %  Ruhedruck ermittelt."));
    EXPECT_TRUE(Enthaelt(zweiter, "              1.50    10.00     100.00    276.0"));
    EXPECT_FLOAT_EQ(GF.xAW, xAW);
    // A run without a cache computes the check itself and says nothing of the at-rest share.
    std::filesystem::remove(ordner / "DOVUDUvozud.11");
    Projekt(100.0f, "1.5,1\r\n1.5,15,10,10\r\n");
    zormcom::Vorgaben.ErsterLauf = 0;
    P.RuheProz = 25.0f;
    const auto dritter = Bericht();
    EXPECT_FALSE(Enthaelt(dritter, "Ruhedruck ermittelt"));
    EXPECT_TRUE(Enthaelt(dritter, "   2.76"));
}

TEST_F(DeepSlipSection, VerdictMarks) {
    // eta below the required safety: 276.05 / 200 = 1.38 < 1.5 is marked.
    Projekt(200.0f, "1.5,1\r\n1.5,15,10,10\r\n");
    auto z = Bericht();
    EXPECT_TRUE(Enthaelt(z, "   1.38 UNZUL.<---"));
    bool linie = false;
    for (const auto& l : z)
        linie = linie || l == std::string(51, ' ') + std::string(22, '=');
    EXPECT_TRUE(linie);
    // A level that differs from the project level is neither anchor nor strut: no section lines.
    Projekt(100.0f, "1.5,1\r\n1.5,15,10,10\r\n");
    P.ZAnker[1] = 1.5001f;
    z = Bericht();
    EXPECT_TRUE(z.empty());
    EXPECT_EQ(N.AnzAnkerGlf, 0);
    EXPECT_EQ(N.AnzSteifen, 0);
}

// The marks' thresholds: a safety exactly equal to the required one is not marked; in partial factors a
// utilisation of 1.02 or 1.029 is not marked, 1.031 is. The possible force does not depend on the anchor
// force, so the force for a wanted utilisation is scaled from a first evaluation.
TEST_F(DeepSlipSection, SafetyEqualToTheRequiredOneAndUtilisationsBelow103AreNotMarked) {
    Bericht();
    const float eta = GF.GlfWertAnker[1] / GF.GlfSummeAh[1];
    // The required safety comes with the levels' file, printed with nine digits.
    for (const auto& [etaGl, mark] : {std::pair{eta, false}, std::pair{eta + 0.00001f, true}}) {
        char kopf[32];
        std::snprintf(kopf, sizeof kopf, "%.9g,1\r\n", static_cast<double>(etaGl));
        Projekt(100.0f, (kopf + std::string("1.5,15,10,10\r\n")).c_str());
        const auto z = Bericht();
        EXPECT_EQ(P.EtaGl, etaGl);
        EXPECT_EQ(Enthaelt(z, "UNZUL.<---"), mark);
    }

    auto teil = [this](float ah) {
        Projekt(ah, "1.5,1\r\n1.5,15,10,10\r\n");
        P.TeilsicherheitenAn = 1;
        zormc::St.gamMittel = 1.2f;
        zormcom::Vorgaben.gamEWirk = 1.2f;
        zormcom::Vorgaben.gamReWirk = 1.3f;
        return Bericht();
    };
    teil(100.0f);
    const double u100 = 1.0 / GF.GlfEtaAnker[1];
    for (const auto& [u, mark] : {std::pair{1.02, false}, std::pair{1.029, false}, std::pair{1.031, true}}) {
        SCOPED_TRACE(u);
        const auto z = teil(static_cast<float>(100.0 * u / u100));
        EXPECT_NEAR(1.0 / GF.GlfEtaAnker[1], u, 1e-4);
        EXPECT_EQ(Enthaelt(z, "UNZUL.<---"), mark);
    }
}

// An anchor force of 0 puts no force into the slip body: the row shows the sum 0.00, the possible force
// 0.00 and a note, and neither the stand-in 99999.00 nor a safety.
TEST_F(DeepSlipSection, NoAnchorForceInTheSlipBodyPrintsZerosAndANote) {
    Projekt(0.0f, "1.5,1\r\n1.5,15,10,10\r\n");
    const auto z = Bericht();
    EXPECT_TRUE(
        Enthaelt(z, "              1.50    10.00       0.00      0.00  ohne Ankerkraft im Gleitkörper"));
    for (const auto& l : z)
        EXPECT_LE(vb::Len(l), 80) << l;
    for (const auto& l : z) {
        EXPECT_EQ(l.find("99999"), std::string::npos) << l;
        EXPECT_EQ(l.find("999.00"), std::string::npos) << l;
        EXPECT_EQ(l.find("UNZUL"), std::string::npos) << l;
    }
}

TEST_F(DeepSlipSection, PartialFactorsPrintTheUtilisation) {
    Projekt(120.0f, "1.5,1\r\n1.5,15,10,10\r\n");
    P.TeilsicherheitenAn = 1;
    zormc::St.gamMittel = 1.2f;
    zormcom::Vorgaben.gamEWirk = 1.2f;
    zormcom::Vorgaben.gamReWirk = 1.3f;
    for (auto& e : zormc::St.EhListe)
        e *= 1.2f; // design values of the statics
    const auto z = Bericht();
    EXPECT_TRUE(Enthaelt(z, "   Ausnutz. =  0.57")) << z[14];
    EXPECT_TRUE(Enthaelt(z, "Einzel-Nachweise                       (     1.560      )"));
    EXPECT_FALSE(Enthaelt(z, "UNZUL"));
}

} // namespace

namespace {

TEST_F(DeepSlipSection, TooSteepAtTheLongestAnchorIsMarkedInBothRuns) {
    // A 2 m anchor (lmin = lmax): its slip line rises at 75 deg > 60 deg.
    Projekt(100.0f, "1.5,1\r\n1.5,15,2,2\r\n");
    const auto erster = Bericht();
    const std::string zeile = "              1.50     2.00       0.00      0.00 UNZUL.<---";
    EXPECT_TRUE(Enthaelt(erster, zeile));
    const auto cache = zortest::Zeilen(ordner / "DOVUDUvozud.11");
    ASSERT_FALSE(cache.empty());
    EXPECT_EQ(cache[0].substr(cache[0].size() - 4), ",888");
    Projekt(100.0f, "1.5,1\r\n1.5,15,2,2\r\n");
    zormcom::Vorgaben.ErsterLauf = 0;
    const auto zweiter = Bericht();
    EXPECT_TRUE(Enthaelt(zweiter, zeile));
}

TEST_F(DeepSlipSection, WaterLevelSplitsTheLayerItLiesIn) {
    // Two layers (0 and 5 m); a water level at 3 m splits the upper one, at 5 m splits nothing.
    for (float zw : {3.0f, 5.0f}) {
        Projekt(100.0f, "1.5,1\r\n1.5,15,10,10\r\n");
        P.AnzErd = 2;
        zormcom::Lauf.SchichtKote[2] = 5.0f;
        zormcom::Lauf.SchichtKote[3] = 99.0f;
        P.SchichtDicke[1] = 5.0f;
        P.SchichtDicke[2] = 94.0f;
        P.SchichtPhi[2] = P.SchichtPhi[1];
        P.SchichtGamma[2] = 18.0f;
        P.SchichtGammaAuftrieb[2] = 10.0f;
        P.ZWasserErd = zw;
        Bericht();
        EXPECT_EQ(P.AnzErd, zw == 3.0f ? 3 : 2);
        if (zw == 3.0f) {
            EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[2], 3.0f);
            EXPECT_FLOAT_EQ(P.SchichtDicke[2], 2.0f);
            EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[3], 5.0f);
        }
    }
}

} // namespace

namespace {

// Two anchors whose overall check cannot be met: the upper one 30 m long (lmin = lmax) with a force no
// slip body carries, the lower one 8 m long. The overall rounds lengthen only the lower anchor (after 20
// rounds without a change beyond its range), and the upper one stays on the overall slip line.
TEST_F(DeepSlipSection, OverallRoundsEndAtTheirBoundWithAStarLineInBothRuns) {
    const char* glfr = "1.5,2\r\n1.5,5,30,30\r\n4,15,8,8\r\n";
    const auto zweiAnker = [&] {
        Projekt(5000.0f, glfr);
        P.AnzAnker = 2;
        P.ZAnker[2] = 4.0f;
        N.AnkerAh[2] = 10.0f;
    };
    zweiAnker();
    const auto erster = Bericht();
    EXPECT_EQ(GF.GlfRunden, zormd::kMaxGlfRunden);
    EXPECT_TRUE(GF.GlfGesamtNichtErfuellt);
    EXPECT_LT(N.EtaGlf, 1.5f);
    // Rounds 21 to 49 lengthen the lower anchor by 0.1 m each; the 50th check ends the search.
    EXPECT_NEAR(N.AnkerLaenge[2], 8.0f + 0.1f * static_cast<float>(zormd::kMaxGlfRunden - 21), 0.01f);
    EXPECT_FLOAT_EQ(N.AnkerLaenge[1], 30.0f);
    const std::string stern =
        "             *** Gesamt-Nachweis mit den erreichten Ankerlängen nicht erfüllt.";
    EXPECT_EQ(std::count(erster.begin(), erster.end(), stern), 1);
    EXPECT_TRUE(Enthaelt(erster, "Gesamt-Nachweis:"));

    // The second run of the global concept prints the kept values, the line included.
    zweiAnker();
    zormcom::Vorgaben.ErsterLauf = 0;
    P.RuheProz = 50.0f;
    const auto zweiter = Bericht();
    EXPECT_EQ(std::count(zweiter.begin(), zweiter.end(), stern), 1);
    // A check met in the first run leaves no line in the second.
    Projekt(100.0f, "1.5,1\r\n1.5,15,10,10\r\n");
    Bericht();
    Projekt(100.0f, "1.5,1\r\n1.5,15,10,10\r\n");
    GF.GlfGesamtNichtErfuellt = true; // left from an earlier stage
    zormcom::Vorgaben.ErsterLauf = 0;
    P.RuheProz = 50.0f;
    EXPECT_FALSE(Enthaelt(Bericht(), "***"));
}

} // namespace
