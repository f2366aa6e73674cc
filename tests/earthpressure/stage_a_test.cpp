// The first stage of a run: working copy, layer depths and angles, coefficients, working
// files, hand-over files and the end marker.
#include <cmath>

#include "earthpressure/coefficients.h"
#include "earthpressure/curved_passive.h"
#include "earthpressure/number_lists.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "stage_a_fixture.h"

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace {

using namespace stagea_test;

class StufeA : public Arbeitsordner {};

TEST_F(StufeA, LastLayerReachesDepth99AndLayerTopsAreTheRunningSums) {
    BeispielProjekt();
    zorma::EingabeAuswerten();
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[1], 0.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[2], 3.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKote[3], 99.0f);
    EXPECT_FLOAT_EQ(P.SchichtDicke[2], 96.0f);
    EXPECT_FLOAT_EQ(P.SchichtDicke[1], 3.0f);
}

TEST_F(StufeA, ThicknessOfLeadingLayersWithoutUnitWeight) {
    struct Fall {
        float g1, g2;
        float erwartet;
    } faelle[] = {{0.0f, 0.0f, 8.0f}, {0.0f, 19.0f, 3.0f}, {18.0f, 0.0f, 0.0f}};
    for (const auto& f : faelle) {
        ResetProjectData();
        BeispielProjekt();
        P.SchichtGamma[1] = f.g1;
        P.SchichtGamma[2] = f.g2;
        zorma::EingabeAuswerten();
        EXPECT_FLOAT_EQ(zormcom::Lauf.DickeOhneWichte, f.erwartet) << f.g1 << " " << f.g2;
    }
}

TEST_F(StufeA, AnUnsetDegreeFactorIsTakenAsPiOver180) {
    BeispielProjekt();
    P.GradZuRad = 0.0f;
    zorma::EingabeAuswerten();
    EXPECT_FLOAT_EQ(P.SchichtPhi[1], 30.0f * kGrad);
    EXPECT_NE(Text(Datei("LPTZW")).find("Innere Reibung        (°)     30,00    22,50"), std::string::npos);
}

TEST_F(StufeA, AnglesOfTheLayersTurnIntoRadiansOthersKeepTheirDegrees) {
    BeispielProjekt();
    P.AnzBoesch = 1;
    P.BoeschX1[1] = 0.0f;
    P.BoeschX2[1] = 4.0f;
    P.BoeschZ1[1] = 0.0f;
    P.BoeschZ2[1] = -2.0f;
    P.BoeschGamma[1] = 18.0f;
    P.BoeschPhi[1] = 30.0f;
    P.SchichtDeltaANeu[1] = 10.0f;
    P.DeltaZF = -10.0f;
    zorma::EingabeAuswerten();
    EXPECT_FLOAT_EQ(P.SchichtPhi[1], 30.0f * kGrad);
    EXPECT_FLOAT_EQ(P.SchichtDeltaP[2], -11.25f * kGrad);
    EXPECT_FLOAT_EQ(P.SchichtDeltaANeu[1], 10.0f * kGrad);
    EXPECT_FLOAT_EQ(P.BoeschPhi[1], 30.0f);
    EXPECT_FLOAT_EQ(P.DeltaZF, -10.0f);
}

// Coulomb for a vertical wall, level ground and no wall friction: Kagh = tan²(45° - phi/2),
// 1/3 for phi = 30°; K0 = 1 - sin 30° = 0.5.
TEST_F(StufeA, AtRestShareSplitsTheResultingCoefficient) {
    struct Fall {
        float ruhe;
        float ka, k0;
    } faelle[] = {{0.0f, 1.0f / 3.0f, 0.0f}, {100.0f, 0.0f, 0.5f}, {40.0f, 0.2f, 0.2f}};
    for (const auto& f : faelle) {
        ResetProjectData();
        BeispielProjekt();
        P.SchichtDeltaA[1] = 0.0f;
        P.RuheProz = f.ruhe;
        zorma::EingabeAuswerten();
        EXPECT_NEAR(zormcom::Lauf.SchichtKagh[1], 1.0f / 3.0f, 1e-5) << f.ruhe;
        EXPECT_NEAR(zormcom::Lauf.SchichtKaAnteil[1], f.ka, 1e-5) << f.ruhe;
        EXPECT_NEAR(zormcom::Lauf.SchichtK0Anteil[1], f.k0, 1e-5) << f.ruhe;
    }
}

TEST_F(StufeA, PureAtRestPressureHoldsK0AsTheResultingCoefficient) {
    BeispielProjekt();
    P.Erddruckart = 2;
    P.RuheProz = 100.0f;
    zormcom::Lauf.SchichtK0Anteil[1] = 0.77f; // keeps its former value
    zorma::EingabeAuswerten();
    EXPECT_NEAR(zormcom::Lauf.SchichtKaAnteil[1], 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtK0Anteil[1], 0.77f);
    // Still computed: Coulomb for phi = 30°, deltaP = -15° on a vertical wall,
    // Kpgh = cos²phi / (1 - sqrt(sin(phi - deltaP) sin phi / cos deltaP))² = 4.807.
    EXPECT_NEAR(zormcom::Lauf.SchichtKpgh[1], 4.8069f, 2e-4);
}

// The curved slip surfaces give kpgh only for a friction angle above PhiCaq: at phi = PhiCaq = 30°
// (equal is not greater) the Coulomb value stays, 4.807 for deltaP = -15° (see above); from
// PhiCaq = 29.9° on the curved surfaces give 4.627.
TEST_F(StufeA, CurvedSlipSurfacesOnlyAboveTheirFrictionAngle) {
    const struct { float phiCaq, kpgh; } faelle[] = {{30.0f, 4.8069f}, {29.9f, 4.627f}};
    for (const auto& f : faelle) {
        BeispielProjekt();
        P.PhiCaq = f.phiCaq;
        zorma::EingabeAuswerten();
        EXPECT_NEAR(zormcom::Lauf.SchichtKpgh[1], f.kpgh, 1e-3) << f.phiCaq;
    }
}

// The Coulomb cohesion coefficients are not 0 for a layer without cohesion (phi = 30°,
// deltaA = 20°: Kach = 2 cos phi cos deltaA / (1 + sin(phi + deltaA)) = 0.922); the run must
// carry 0 for it, in memory and in "ZORZ11". A layer with cohesion keeps its values:
// phi = 22.5°, deltaA = 15°: Kach = 1.109; deltaP = -11.25°:
// Kpch = 2 cos phi cos deltaP / (1 - sin(phi - deltaP)) = 4.078.
TEST_F(StufeA, LayersWithoutCohesionCarryNoCohesionCoefficient) {
    BeispielProjekt();
    zorma::EingabeAuswerten();
    EXPECT_EQ(zormcom::Lauf.SchichtKach[1], 0.0f);
    EXPECT_EQ(zormcom::Lauf.SchichtKpch[1], 0.0f);
    EXPECT_NEAR(zormcom::Lauf.SchichtKach[2], 1.1094f, 2e-4);
    EXPECT_NEAR(zormcom::Lauf.SchichtKpch[2], 4.0777f, 5e-4);

    const auto z = Zeilen(Datei("ZORZ11"));
    ASSERT_GE(z.size(), 4u);
    // Third line of layer 1: Kagh, Kpgh, Kach, Kpch, ...
    std::vector<std::string> feld;
    std::string rest = z[3];
    for (std::size_t k; (k = rest.find(',')) != std::string::npos; rest = rest.substr(k + 1))
        feld.push_back(rest.substr(0, k));
    feld.push_back(rest);
    ASSERT_EQ(feld.size(), 6u);
    EXPECT_EQ(feld[2], "0");
    EXPECT_EQ(feld[3], "0");
}

TEST_F(StufeA, CurvedSlipSurfacesOnlyWithoutPositivePassiveWallFriction) {
    struct Fall {
        float deltaP;
        bool caquot;
    } faelle[] = {{5.0f, false}, {0.0f, true}, {-15.0f, true}};
    for (const auto& f : faelle) {
        ResetProjectData();
        BeispielProjekt();
        P.PhiCaq = 25.0f; // layer 1 (30°) lies above it, layer 2 (22.5°) below
        P.SchichtDeltaP[1] = f.deltaP;
        zorma::EingabeAuswerten();

        float phi = 30.0f * kGrad, alpha = 0.0f, beta = 0.0f, da = 20.0f * kGrad, dp = f.deltaP * kGrad;
        float kagh, kpgh, kach, kpch;
        zormcom::ErddruckBeiwerte(phi, alpha, beta, da, dp, kagh, kpgh, kach, kpch);
        float caq = 0.0f;
        zormb::KpCaquot(phi, dp, 0.0f, 0.0f, caq);
        EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKpgh[1], f.caquot ? caq : kpgh) << f.deltaP;
        // Layer 2 lies below PhiCaq and keeps its Coulomb value.
        float phi2 = 22.5f * kGrad, da2 = 15.0f * kGrad, dp2 = -11.25f * kGrad, b2 = 0.0f;
        zormcom::ErddruckBeiwerte(phi2, alpha, b2, da2, dp2, kagh, kpgh, kach, kpch);
        EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKpgh[2], kpgh);
    }
}

TEST_F(StufeA, GivenResultingCoefficientIsSplitByTheAtRestShare) {
    BeispielProjekt();
    P.BeiwerteGegeben = 1;
    P.RuheProz = 40.0f;
    P.SchichtKaghVorgabe[1] = 0.3f;
    P.SchichtKpghVorgabe[2] = 2.5f;
    zorma::EingabeAuswerten();
    EXPECT_NEAR(zormcom::Lauf.SchichtKaAnteil[1], 0.18f, 1e-6);
    EXPECT_NEAR(zormcom::Lauf.SchichtK0Anteil[1], 0.12f, 1e-6);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKagh[1], 0.3f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKpgh[2], 2.5f);
    EXPECT_NE(zormcom::Lauf.SchichtKagh[2], 0.0f); // a given 0 keeps the computed value
}

TEST_F(StufeA, EntriesBehindTheLayersAreClearedUpToNine) {
    BeispielProjekt();
    P.SchichtPhi[5] = 33.0f;
    P.SchichtGammaAush[9] = 7.0f;
    P.SchichtPhi[10] = 44.0f;
    zorma::EingabeAuswerten();
    EXPECT_EQ(P.SchichtPhi[5], 0.0f);
    EXPECT_EQ(P.SchichtGammaAush[9], 0.0f);
    EXPECT_EQ(P.SchichtPhi[10], 44.0f);
}

TEST_F(StufeA, NineLayersClearNothing) {
    BeispielProjekt();
    P.AnzErd = 9;
    for (int i = 3; i <= 9; ++i) {
        P.SchichtDicke[i] = 1.0f;
        P.SchichtPhi[i] = 30.0f;
        P.SchichtGamma[i] = P.SchichtGammaAush[i] = 19.0f;
    }
    P.SchichtPhi[10] = 44.0f;
    zorma::EingabeAuswerten();
    EXPECT_FLOAT_EQ(P.SchichtPhi[9], 30.0f * kGrad);
    EXPECT_FLOAT_EQ(P.SchichtPhi[10], 44.0f);
}

TEST_F(StufeA, WorkingCopyHoldsDegreesWhileMemoryHoldsRadians) {
    BeispielProjekt();
    zorma::EingabeAuswerten();
    EXPECT_FLOAT_EQ(P.SchichtPhi[1], 30.0f * kGrad);
    ASSERT_TRUE(fs::exists(Datei("WEXASAVE")));
    // The re-read of the working copy brings the layers back as entered.
    zormb::EingabeNachlesen();
    EXPECT_FLOAT_EQ(P.SchichtPhi[1], 30.0f);
    EXPECT_FLOAT_EQ(P.SchichtDeltaP[2], -11.25f);
    EXPECT_FLOAT_EQ(P.SchichtDicke[2], 5.0f);
    EXPECT_EQ(P.AnzErd, 2);
    EXPECT_EQ(P.ProjNr, "4711");
}

TEST_F(StufeA, ReReadingTheHeadTwiceGivesTheSameData) {
    BeispielProjekt();
    P.WandreibungStufen = 3;      // turned into 0 by the re-read
    P.SchichtGammaAush[2] = 0.0f; // stays 0 here (the project file reader would fill it)
    zorma::EingabeAuswerten();
    zormb::EingabeNachlesen();
    const ProjectData einmal = P;
    zormb::EingabeNachlesen();
    EXPECT_EQ(P.WandreibungStufen, 0);
    EXPECT_EQ(P.SchichtGammaAush[2], 0.0f);
    EXPECT_EQ(P.SchichtPhi, einmal.SchichtPhi);
    EXPECT_EQ(P.SchichtDicke, einmal.SchichtDicke);
    EXPECT_EQ(P.BoeschPhi, einmal.BoeschPhi);
    EXPECT_EQ(P.ProjBez, einmal.ProjBez);
}

// A working copy with more slopes or layers than the arrays hold is refused before a value
// beyond them is read; the counts in memory stay as they were.
TEST_F(StufeA, ReReadRefusesCountsBeyondTheArrays) {
    struct Fall {
        const char* kopf;
    } faelle[] = {{"9\r\n"}, {"0\r\n2,1,1,4,1.5,0,0,0,1,13,0,0,0\r\n"}};
    for (const auto& f : faelle) {
        {
            std::ofstream o(Datei("WEXASAVE"), std::ios::binary);
            o << f.kopf;
        }
        P.AnzBoesch = 1;
        P.AnzErd = 2;
        try {
            zormb::EingabeNachlesen();
            ADD_FAILURE() << f.kopf;
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.number(), 9) << f.kopf;
        }
        EXPECT_EQ(P.AnzErd, 2) << f.kopf;
        EXPECT_FALSE(vb::IsOpen(zormcom::Lauf.DateiNr));
    }
}

TEST_F(StufeA, WorkingFilesOfTheRunAreCreatedOrEmptied) {
    BeispielProjekt();
    {
        std::ofstream alt(Datei("DIDUVU.ERG"));
        alt << "1,1,0,0,5,1.3,0,0\r\n";
    }
    zorma::EingabeAuswerten();
    EXPECT_EQ(fs::file_size(Datei("DIDUVU.ERG")), 0u);
    EXPECT_EQ(fs::file_size(Datei("ZZZPLOT2")), 0u);
    EXPECT_EQ(fs::file_size(Datei("wexasave.gl2")), 0u);
    EXPECT_EQ(Text(Datei("zorz10")), "0,0,10,10,0,0\r\n");
    EXPECT_EQ(Text(Datei("DIDUVU.AKT")), "\"/tmp/projekt\"\r\n");
    EXPECT_EQ(Text(Datei("ZORDENDE.DOS")), "\"ENDE\"\r\n");
    for (const char* f : {"ZORLAST", "ZORAUSH", "ZORGLFR", "ZORZ11", "ZORZ12", "LPTZW"})
        EXPECT_GT(fs::file_size(Datei(f)), 0u) << f;
}

TEST_F(StufeA, LeavesTheLoopAtLoadCaseOneStageOneAndClosesTheReport) {
    BeispielProjekt();
    P.AnzAush = 2;
    Stufe(2, 6.0f);
    P.AnzLF = 2;
    P.AnzLastErdLF[2] = 0;
    zormcom::Lauf.IterZustand = 5;
    zorma::EingabeAuswerten();
    EXPECT_EQ(P.LFNr, 1);
    EXPECT_EQ(P.AushNr, 1);
    EXPECT_EQ(zormcom::Lauf.IterZustand, 0);
    EXPECT_FLOAT_EQ(P.zAush, 6.0f); // the last stage echoed stays loaded
    EXPECT_FALSE(vb::IsOpen(zorma::kBerichtDateiNr));
}

TEST_F(StufeA, OpenWallHasNeitherSeepageNorHeaveCheck) {
    BeispielProjekt();
    P.Wandtyp = 1;
    P.Wandart = 1;
    zormcom::Lauf.kzStroem = 1;
    zormcom::Lauf.kzHydGrBr = 1;
    zorma::EingabeAuswerten();
    EXPECT_EQ(zormcom::Lauf.kzStroem, 0);
    EXPECT_EQ(zormcom::Lauf.kzHydGrBr, 0);
}

TEST_F(StufeA, FolderAndNameOfTheProjectComeFromTheSettingsFile) {
    BeispielProjekt();
    {
        std::ofstream e(Datei("ZORPFAD.DAT"), std::ios::binary);
        e << "\"/daten/\",\"baugrube\",\"/daten/baugrube\"\r\n20,5,10,5\r\n";
    }
    zorma::EingabeAuswerten();
    EXPECT_EQ(P.DateiPfad, "/daten/");
    EXPECT_EQ(P.NameOhneExt, "baugrube");
}

TEST_F(StufeA, EndMarkerIsMissingWhenALaterFileCannotBeWritten) {
    BeispielProjekt();
    fs::create_directory(Datei("ZORZ12")); // the last hand-over file cannot be opened
    EXPECT_ANY_THROW(zorma::EingabeAuswerten());
    EXPECT_FALSE(fs::exists(Datei("ZORDENDE.DOS")));
    EXPECT_TRUE(fs::exists(Datei("ZORZ11")));
    EXPECT_FALSE(vb::IsOpen(zorma::kBerichtDateiNr));
}

// Counts that the arrays or the hand-over files cannot carry are refused before any file
// of the run is touched.
TEST_F(StufeA, CountsBeyondTheArraysAreRefusedBeforeAnythingIsWritten) {
    struct Fall {
        const char* was;
        void (*setze)();
    } faelle[] = {
        {"13 layers", [] { P.AnzErd = 13; }},
        {"9 slopes", [] { P.AnzBoesch = 9; }},
        {"16 stages", [] { P.AnzAush = 16; }},
        {"9 load cases", [] { P.AnzLF = 9; }},
        {"14 support levels", [] { P.AnzAnkerGesamt = 14; }},
        {"9 earth-side loads", [] { P.AnzLastErdLF[1] = 9; }},
        {"load inactive in 9 stages", [] { P.ErdLastNichtIn(1, 1, 0) = 9; }},
        {"16 rows of figure 6", [] { P.AnzFigur6Aush[1] = 16; }},
        {"9 bottom loads", [] { P.Aushubstufen[1].AnzSohlLast = 9.0f; }},
        {"16 given passive points", [] { P.EphGeg(1, 0) = 16.0f; }},
    };
    for (const auto& f : faelle) {
        ResetProjectData();
        BeispielProjekt();
        f.setze();
        EXPECT_THROW(zorma::EingabeAuswerten(), zor::CalcAbort) << f.was;
        EXPECT_FALSE(fs::exists(Datei("DIDUVU.ERG"))) << f.was;
        EXPECT_FALSE(fs::exists(Datei("WEXASAVE"))) << f.was;
        EXPECT_FALSE(fs::exists(Datei("LPTZW"))) << f.was;
    }
}

TEST_F(StufeA, TwelveLayersLeaveNoRoomForTheSplitAtTheWaterLevel) {
    BeispielProjekt();
    P.AnzErd = 12;
    for (int i = 1; i <= 12; ++i) {
        P.SchichtDicke[i] = 1.0f;
        P.SchichtPhi[i] = 30.0f;
        P.SchichtGamma[i] = P.SchichtGammaAush[i] = 19.0f;
    }
    // A water level on a layer boundary (within 1 mm) splits nothing.
    P.Aushubstufen[1].ZWasserErd = 5.0005f;
    EXPECT_NO_THROW(zorma::EingabeAuswerten());

    ResetProjectData();
    BeispielProjekt();
    P.AnzErd = 12;
    for (int i = 1; i <= 12; ++i) {
        P.SchichtDicke[i] = 1.0f;
        P.SchichtPhi[i] = 30.0f;
        P.SchichtGamma[i] = P.SchichtGammaAush[i] = 19.0f;
    }
    fs::remove(Datei("LPTZW"));
    P.Aushubstufen[1].ZWasserErd = 5.5f;
    try {
        zorma::EingabeAuswerten();
        ADD_FAILURE() << "a split beyond 12 layers must be refused";
    } catch (const zor::CalcAbort& e) {
        EXPECT_NE(std::string(e.what()).find("Wasserstand"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(Datei("LPTZW")));
}

TEST(BettungsFlag, SuperpositionForFixedOrGivenFeetUnlessBedded) {
    struct Fall {
        int16_t wandfuss;
        float einsp;
        int16_t gebettet;
        int16_t erwartet;
    } faelle[] = {{1, 0.0f, 0, 0}, {1, 50.0f, 0, 1}, {2, 0.0f, 0, 1}, {3, 0.0f, 0, 1},
                  {4, 0.0f, 0, 1}, {2, 0.0f, 1, 0},  {1, 50.0f, 1, 0}};
    for (const auto& f : faelle) {
        ResetProjectData();
        P.AushNr = 3;
        P.Wandfuss = f.wandfuss;
        P.Einsp = f.einsp;
        P.FussGebettet[3] = f.gebettet;
        zorma::BettungsFlagSetzen();
        EXPECT_EQ(P.UeberlagernNoetig, f.erwartet) << f.wandfuss << " " << f.einsp << " " << f.gebettet;
    }
    ResetProjectData();
}

} // namespace
