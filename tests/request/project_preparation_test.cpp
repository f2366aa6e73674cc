// A read project made ready for its calculation without a window: the working flags of seepage and heave
// from the saved ones, the wall's section and its unit weights (under buoyancy too) as the wall page sets
// them, the steel stresses the design page sets, and the names of the file read whatever full name the file
// holds. Expected values are worked by hand from the wall types' rules (concrete 25 kN/m3 and under buoyancy
// 10 kN/m3, steel 78.5 kN/m3, the pile area over the spacing) and the grade tables.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/runtime/winfs.h"
#include "request/project_preparation.h"
#include "tests/support/working_folder.h"

using zorm1::P;

namespace {

class Vorbereitung : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        zor::meldeprotokoll::Zuruecksetzen();
        P.GradZuRad = 3.141593f / 180.0f;
        P.DateiPfad = "projekte/";
        P.DateiName = "Wand";
        P.DatenGelesen = -1;
    }
    void TearDown() override { zorm1::ResetProjectData(); }
    zortest::WorkingFolder dir_;
};

TEST_F(Vorbereitung, TheSavedFlagsSwitchOnSeepageAndTheHeaveCheck) {
    struct Fall {
        int16_t stroemEin, grundbruchEin, stroem, grundbruch;
    } const faelle[] = {{1, 1, 1, 1}, {1, 0, 1, 0}, {0, 1, 0, 1}, {0, 0, 0, 0}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.stroemEin << f.grundbruchEin);
        SetUp();
        P.Wandtyp = P.Wandart = 3;
        P.Erddruckart = 1;
        P.DWand = 0.8f;
        P.kzStroemEin = f.stroemEin;
        P.kzHydGrBrEin = f.grundbruchEin;
        zorrun::RechnungVorbereiten();
        EXPECT_EQ(P.kzStroem, f.stroem);
        EXPECT_EQ(P.kzHydGrBr, f.grundbruch);
        EXPECT_EQ(P.kzStroemEin, f.stroemEin); // the saved flags stay
        EXPECT_EQ(P.kzHydGrBrEin, f.grundbruchEin);
    }
}

TEST_F(Vorbereitung, EveryWallTypeGetsItsThicknessStiffnessAndUnitWeights) {
    const double pi = 3.141593;
    struct Fall {
        const char* was;
        int16_t typ;
        float dicke, dUeb, d, abstand;
        double DWand, GamWand, GamWand2, EI;
    } const faelle[] = {
        // Diaphragm wall 0.80 m, B 25 (E 30000 MN/m2): EI = 0.8^3 x 30000 / 12 = 1280.
        {"diaphragm wall", 3, 0.8f, 0, 0, 0, 0.8, 25.0, 10.0, 1280.0},
        // Overlapped piles of 0.90 m: the wall 0.90 m thick with the unit weight of concrete over the
        // overlap, 25 / 1.1; E*I of the equivalent thickness 0.9 / 1.2 = 0.75 m.
        {"overlapped piles", 4, 0, 0.9f, 0, 0, 0.9, 25.0 / 1.1, 25.0 / 1.1 * 10 / 25, 0.421875 * 30000 / 12},
        // Piles of 0.60 m at 1.20 m: 25 x pi x 0.6^2 / 4 / 1.2 = 5.890 kN/m2 of wall, over the diameter as
        // the
        // wall's thickness 9.817 kN/m3; E*I of one pile over the spacing, 30000 x pi x 0.6^4 / 64 / 1.2.
        {"piles with spacing", 6, 0, 0, 0.6f, 1.2f, 0.6, 25 * pi * 0.36 / 4 / 1.2 / 0.6,
         25 * pi * 0.36 / 4 / 1.2 / 0.6 * 10 / 25, 30000 * pi * 0.1296 / 64 / 1.2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        SetUp();
        P.Wandtyp = f.typ;
        P.Wandart = f.typ > 3 ? 3 : f.typ;
        P.Erddruckart = 1;
        P.DWand = f.dicke;
        P.BPfDUeb = f.dUeb;
        P.BPfD = f.d;
        P.BPfAbstand = f.abstand;
        zorrun::RechnungVorbereiten();
        EXPECT_NEAR(P.DWand, f.DWand, 1e-6);
        EXPECT_NEAR(P.GamWand, f.GamWand, 1e-5 * f.GamWand);
        EXPECT_NEAR(P.GamWand2, f.GamWand2, 1e-5 * f.GamWand2);
        EXPECT_NEAR(P.EIWand, f.EI, 1e-5 * f.EI);
    }
}

TEST_F(Vorbereitung, ASheetPileProfileGivesItsDepthItsSteelAndTheDesignStressesOfItsGrade) {
    // AZ 18: I 34200 cm4, W 1800 cm3, A 150.4 cm2, web 0.95 cm, depth 38 cm, per metre of wall.
    P.Wandtyp = P.Wandart = 2;
    P.Erddruckart = 1;
    P.ProfilName = "AZ18               34200    1800   150.4   0.95     38SPW";
    P.TeilsicherheitenAn = 1;
    P.Bemessungssituation = 2;
    P.StahlGuete = 355;
    zorrun::RechnungVorbereiten();
    EXPECT_FLOAT_EQ(P.DWand, 0.38f);
    // 150.4 x 78.5 / 0.38 / 10000 = 3.1069474 kN/m3, as its box shows it with 7 digits.
    EXPECT_EQ(P.GamWand, 3.106947f);
    EXPECT_NEAR(P.GamWand2, 150.4 * 78.5 / 0.38 / 10000 * 10 / 78.5, 1e-6); // 0.3957895
    EXPECT_NEAR(P.EIWand, 34200 * 210000.0 / 1e8, 1e-3);                    // 71.82 MNm2/m
    EXPECT_EQ(P.ZulSigma, 323.0f);                                          // S 355, partial factors
    EXPECT_EQ(P.ZulTau, 186.0f);
    EXPECT_EQ(P.MitNormalkraft, 1); // a steel wall under partial factors counts the normal force
    EXPECT_EQ(P.gamG, 1.20f);       // BS-T
    EXPECT_EQ(P.Wandart, 2);
}

TEST_F(Vorbereitung, TheNamesAreThoseOfTheFileReadWhateverFullNameItHolds) {
    // A project saved by the Windows program and read here: its statement 4 holds "C:\ZOR\Projekte\P1".
    std::filesystem::create_directories(dir_ / "projekte");
    P.Wandtyp = P.Wandart = 3;
    P.DWand = 0.8f;
    P.AnzLF = 1;
    P.AnzAush = 1;
    P.GanzerNameOhneExt = "C:\\ZOR\\Projekte\\P1";
    ASSERT_TRUE(zorm1::EingabeSchreiben("projekte/P1.alt"));
    zorm1::ResetProjectData();
    zorrun::NamenAusPfad("projekte/P1.alt");
    ASSERT_TRUE(zorrun::ProjektEinlesen());
    EXPECT_EQ(P.GanzerNameOhneExt, "C:\\ZOR\\Projekte\\P1"); // as the file holds it
    zorrun::RechnungVorbereiten();
    EXPECT_EQ(P.DateiPfad, "projekte/");
    EXPECT_EQ(P.DateiName, "P1.alt");
    EXPECT_EQ(P.GanzerName, "projekte/P1.alt");
    EXPECT_EQ(P.NameOhneExt, "P1");
    EXPECT_EQ(P.GanzerNameOhneExt, "projekte/P1");
    EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
}

} // namespace
