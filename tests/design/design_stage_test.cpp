// The design stage against hand calculations: the steel profile check (sigma = M/W + N/A, tau = Q/(s h)),
// timber and steel-plate lagging (simple beam over a = 2.00 - 0.8 b), the shotcrete thickness search, the
// concrete sections of a diaphragm wall and a bored pile, the gates of the stage and the markers of the
// sections that cannot be designed.
#include "design/design_stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "design/state.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "statics/state.h"
#include "tests/design/design_fixture.h"
#include "tests/support/project_builder.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"
#include "verification/anchor_files.h"
#include "verification/state.h"

using zorm1::P;

namespace {

using bemtest::E;
const std::string kHEB300 = "HEB300             25170    1678   149.1    1.1     30   TBW";

class BemessungTest : public bemtest::BerichtTest {
protected:
    void SetUp() override {
        BerichtTest::SetUp();
        zor::meldeprotokoll::Zuruecksetzen();
    }
    void TearDown() override {
        BerichtTest::TearDown();
        zor::meldeprotokoll::Zuruecksetzen();
    }
    // The whole stage (it opens the report for appending itself).
    std::vector<std::string> Stufe() {
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        vb::CloseAll();
        zormd::Bemessung();
        vb::CloseAll();
        return zortest::Zeilen(ordner / "LPTZW");
    }
    // Soldier pile wall HEB300, spacing 2.00 m, width 0.30 m, global safety, EAB, S 240.
    static void Traegerbohlwand() {
        P.BemessungEin = 1;
        P.Wandtyp = 1;
        P.Wandart = 1;
        P.ABohl = 2.0f;
        P.BBohl = 0.3f;
        P.ProfilName = kHEB300;
        P.StahlGuete = 240;
        P.ZulSigma = 180.0f;
        P.ZulTau = 104.0f;
        zormd::BS.StahlFestigkeit = 500.0f;
        zormd::BS.BetonFestigkeit = 17.5f;
        zormcom::Vorgaben.gamC_Beton = 1.5f;
        zormcom::Vorgaben.gamS_Stahl = 1.15f;
        zormd::N.BemVerbauDruck = 30.0f;
        zormd::N.BemVerbauDruckFlag = 1;
    }
    // One anchor level that takes part in the anchor section.
    static void Anker() {
        P.AnzAnkerGesamt = 1;
        P.AnzAnker = 1;
        P.ZAuflager[1] = 2.0f;
        zormd::BS.AnkerAhMax[1] = 200.0f;
        P.AnkerAbstand[1] = 2.0f;
        zormc::St.AnkerFaktor = 1.0f;
        P.gamStahlAnker = P.TeilsicherheitenAn != 0 ? 1.15f : 1.75f;
        P.GradZuRad = 3.141593f / 180.0f;
        zormd::AB.AnkerLmaxD[1] = 14.0f;
        zormd::AB.AnkerLminD[1] = 10.0f;
        zormd::AB.AnkerLaengeBem[1] = 12.0f;
    }
};

// ---------------------------------------------------------------- steel profile check

TEST_F(BemessungTest, SteelCheckOfHeb300AgreesWithTheHandCalculation) {
    Traegerbohlwand();
    zormd::N.BemMaxMoment = 250.0f;
    zormd::N.BemMinNormalkraft = -300.0f;
    zormd::N.BemMaxQuerkraft = 200.0f;
    const auto z = Stufe();
    // sigma(M) = 250 / 1678 * 1000 = 149.0; sigma(N) = 300 / 149.1 * 10 = 20.1; tau = 200 / 1.1 / 30 * 10.
    EXPECT_TRUE(Enthaelt(z, E + "EAB 2006, Anhang A8:")) << Text(z);
    ZeilenDa(z, {"Spannungsnachweis nach EAB,S 240, HEB300, Achsabstand = 2,00 m",
                 "  sigma(M)   = 1000 *  250,0 /  1678        =  149,0 N/mm2",
                 "  sigma(N)   =   10 *  300,0 / 149,1        =   20,1 N/mm2",
                 "  sigma(M + N)                              =  169,1 N/mm2 < 180",
                 "  tau (ca)   =   10 *  200,0 /  1,10 / 30,0 =   60,6 N/mm2 < 104"});
    EXPECT_FALSE(Teil(z, "UNZULÄSSIG"));
    EXPECT_FLOAT_EQ(zormd::N.BemMinNormalkraft, 300.0f); // the stage keeps the absolute value
}

TEST_F(BemessungTest, SteelCheckAboveTheAllowedStressIsNotAdmissible) {
    Traegerbohlwand();
    zormd::N.BemMaxMoment = 300.0f; // 178.8 + 10.1 = 188.8 > 180
    zormd::N.BemMinNormalkraft = -150.0f;
    zormd::N.BemMaxQuerkraft = 150.0f;
    P.MitNormalkraft = 1;
    const auto z = Stufe();
    EXPECT_TRUE(Enthaelt(z, E + "  sigma(M + N)                              =  188,8 N/mm2 > 180"))
        << Text(z);
    EXPECT_TRUE(Enthaelt(z, std::string(60, ' ') + "UNZULÄSSIG s. unten!"));
}

TEST_F(BemessungTest, SumEqualToTheAllowedStressShowsGreaterWithoutVerdict) {
    Traegerbohlwand();
    P.Wandart = 2;
    P.Wandtyp = 2;
    P.ProfilName = "LARSSEN22  10000   1024   100.0    1.0     40   SPW";
    zormd::N.BemMaxMoment = 180.0f; // 180 / 1024 * 1000 = 175.78125 exactly
    zormd::N.BemMaxQuerkraft = 10.0f;
    P.ZulSigma = 175.78125f;
    P.TeilsicherheitenAn = 1;
    const auto z = Stufe();
    EXPECT_TRUE(Enthaelt(z, E + "Spannungsnachweis S 240, LARSSEN22")) << Text(z);
    EXPECT_TRUE(Teil(z, "=  175,8 N/mm2 > 175.78")) << Text(z);
    EXPECT_FALSE(Teil(z, "UNZULÄSSIG"));
    EXPECT_FALSE(Teil(z, "Holzausfachung")); // sheet pile wall: no lagging
    EXPECT_TRUE(Enthaelt(z, E + "  S 355 GP, St Sp S         :  323  186"));
}

// ---------------------------------------------------------------- gates of the stage

struct Tor {
    const char* fall;
    int16_t bemessungEin, wandtyp;
    const char* profil;
    bool anker;
    bool stahl, holz, pfahl, spritz, ankerTeil, hinweis;
};

TEST_F(BemessungTest, GatesChooseTheSections) {
    const Tor faelle[] = {
        {"design off, anchors", 0, 1, "TBW", true, false, false, false, false, true, false},
        {"design off, no anchors", 0, 1, "TBW", false, false, false, false, false, false, false},
        {"soldier piles, profile TBW", 1, 1, "TBW", false, true, true, false, true, false, false},
        {"soldier piles, SPW line", 1, 1, "SPW", true, false, false, false, false, true, true},
        {"soldier piles, empty line", 1, 1, "", false, false, false, false, false, false, true},
        {"soldier piles, a zero value", 1, 1, "0", false, false, false, false, false, false, true},
        {"bored piles type 5, any line", 1, 5, "TBW", false, false, false, true, true, false, false},
    };
    for (const Tor& f : faelle) {
        zortest::Zuruecksetzen();
        zorma::Bericht.Einrueckung = E;
        Traegerbohlwand();
        bemtest::BetonC25();
        P.d1Rand = 7.0f;
        P.BPfD = 0.9f;
        P.BPfAbstand = 1.5f;
        P.EBreiteM = P.EBreiteN = 1.0f;
        zormd::N.BemMaxMoment = 100.0f;
        zormd::N.BemMaxQuerkraft = 50.0f;
        P.ZulSigma = 218.0f;
        P.ZulTau = 126.0f;
        P.BemessungEin = f.bemessungEin;
        P.Wandtyp = f.wandtyp;
        const std::string profil = f.profil;
        if (profil == "SPW")
            P.ProfilName = "LARSSEN22  10000   1024   100.0    1.0     40   SPW";
        else if (profil == "0")
            P.ProfilName = "HEB300             25170    1678   149.1    0     30   TBW";
        else if (profil.empty())
            P.ProfilName = "   ";
        if (f.anker) Anker();
        const auto z = Stufe();
        EXPECT_EQ(Teil(z, "Spannungsnachweis"), f.stahl) << f.fall << "\n" << Text(z);
        EXPECT_EQ(Teil(z, "Holzausfachung"), f.holz) << f.fall;
        EXPECT_EQ(Teil(z, "Stahlplatten"), f.holz) << f.fall;
        EXPECT_EQ(Teil(z, "Bemessung der Bohrpfähle"), f.pfahl) << f.fall;
        EXPECT_EQ(Teil(z, "Spritzbetonausfachung"), f.spritz) << f.fall;
        EXPECT_EQ(Teil(z, "Ankerlängen gewählt"), f.ankerTeil) << f.fall;
        EXPECT_EQ(Teil(z, "*** Kein Stahlprofil"), f.hinweis) << f.fall;
        EXPECT_EQ(P.DatenGelesen, -1) << f.fall;
        if (!f.stahl && !f.pfahl && !f.ankerTeil && !f.hinweis) {
            EXPECT_EQ(z.size(), 2u) << f.fall << ": only the two closing empty lines";
        }
    }
}

TEST_F(BemessungTest, SoldierPileShotcreteUsesThePileSpacingAndRestoresTheBoredPileValues) {
    Traegerbohlwand();
    P.BPfAbstand = 7.0f;
    P.BPfD = 9.0f;
    zormd::N.BemMaxMoment = 100.0f;
    const auto z = Stufe();
    EXPECT_TRUE(Teil(z, " cm zwischen den Trägern:")) << Text(z);
    EXPECT_FALSE(Teil(z, "Auf ausreichende Auflagerung achten!"));
    EXPECT_TRUE(Enthaelt(z, E + "M = 30,0 * ( 2,00 - 0,30 * 0,8 ) ^ 2 / 8  = 11,6 kNm/m ")) << Text(z);
    EXPECT_FLOAT_EQ(P.BPfAbstand, 7.0f);
    EXPECT_FLOAT_EQ(P.BPfD, 9.0f);
}

// ---------------------------------------------------------------- lagging

TEST_F(BemessungTest, TimberAndSteelPlatesForThirtyKilonewtonsOverTwoMetres) {
    // l = 2.00 - 0.8 * 0.30 = 1.76 m; M = 30 * 1.76^2 / 8 = 11.62 kNm/m.
    Traegerbohlwand();
    zormd::N.BemVerbauDruckFlag = 0;
    auto z = Zeilen(zormd::HolzUndStahlplattenAusfachung);
    // d = sqrt(6 * 11.62 / 1.5) = 6.82 -> 7 cm; W = 100 * 49 / 6 = 817; sigma = 11.62 * 60 / 49 = 14.2.
    EXPECT_TRUE(Enthaelt(z, E + "Holzausfachung  S 10 ; ---> d =  7 cm   W =  817 cm3/m")) << Text(z);
    ZeilenDa(z, {"maßgeb. e ; siehe Grafik Wandbelastung    = 30,0 kN/m2",
                 "  nur großflächige Gleichlast <= 10 kN/m2 :",
                 "M = 30,0 * ( 2,00 - 0,24 ) ^ 2  /  8      = 11,6 kNm/m ",
                 "sigma = 1000 * M / W                      = 14,2 N/mm2 < 15,0"});
    // t = sqrt(11.62 * 6 / 18) = 1.97 cm -> 20 mm; sigma = 11.62 * 60 / 4 = 174.2.
    EXPECT_TRUE(Enthaelt(z, E + "Ausfachung mit Stahlplatten d = 20 mm   W =   67 cm3/m"));
    EXPECT_TRUE(Enthaelt(z, E + "sigma = 1000 * M / W                      =  174 N/mm2 < 180"));
    EXPECT_FALSE(Teil(z, "Anhang A9"));

    // Partial factors: fm,d 18.5, the same 7 cm; plates at 323 N/mm2: 14.7 -> 15 mm, sigma 309.8.
    P.TeilsicherheitenAn = 1;
    P.ZulSigma = 323.0f;
    zormd::N.BemVerbauDruckFlag = 1;
    z = Zeilen(zormd::HolzUndStahlplattenAusfachung);
    EXPECT_EQ(z.at(0), E + "EAB 2006, Anhang A9:") << Text(z);
    ZeilenDa(z, {"sigma = 1000 * M / W                      = 14,2 N/mm2 < 18,5",
                 "Ausfachung mit Stahlplatten d = 15 mm   W =   38 cm3/m",
                 "sigma = 1000 * M / W                      =  310 N/mm2 < 323"});
    EXPECT_FALSE(Teil(z, "nur großflächige"));
}

TEST_F(BemessungTest, SteelPlatesWithoutAPositiveStressAreNotSizedAndSaySo) {
    Traegerbohlwand();
    P.ZulSigma = -2.5f;
    const auto z = Zeilen(zormd::HolzUndStahlplattenAusfachung);
    // The stress with the report's decimal comma.
    ZeilenDa(z, {"*** Ausfachung mit Stahlplatten: zul sigma = -2,5 N/mm2 nicht > 0,",
                 "    Plattendicke nicht bestimmbar."});
    EXPECT_FALSE(Teil(z, "Ausfachung mit Stahlplatten d ="));
}

TEST_F(BemessungTest, TimberThicknessIsRoundedUpToWholeCentimetres) {
    // b = 0, a = 2: M = e / 2 and sqrt(6 M / 1.5) = sqrt(2 e).
    struct Fall {
        float e;
        const char* d;
    } faelle[] = {{8.0f, "  5"}, {18.0f, "  6"}, {24.5f, "  8"}, {0.0f, "  5"}};
    for (const Fall& f : faelle) {
        Traegerbohlwand();
        P.BBohl = 0.0f;
        zormd::N.BemVerbauDruck = f.e;
        const auto z = Zeilen(zormd::HolzUndStahlplattenAusfachung);
        EXPECT_TRUE(Teil(z, "---> d =" + std::string(f.d) + " cm")) << f.e << "\n" << Text(z);
    }
    // e = 0: the minima, d 5 cm (W 417), t 5 mm, both stresses 0.
    const auto z = Zeilen(zormd::HolzUndStahlplattenAusfachung);
    EXPECT_TRUE(Enthaelt(z, E + "Holzausfachung  S 10 ; ---> d =  5 cm   W =  417 cm3/m")) << Text(z);
    EXPECT_TRUE(Enthaelt(z, E + "Ausfachung mit Stahlplatten d =  5 mm   W =    4 cm3/m"));
    EXPECT_TRUE(Enthaelt(z, E + "sigma = 1000 * M / W                      =    0 N/mm2 < 180"));
}

TEST_F(BemessungTest, SteelPlateWithoutAPositiveStressGetsAStarLine) {
    Traegerbohlwand();
    for (float zul : {0.0f, -10.0f}) {
        P.ZulSigma = zul;
        const auto z = Zeilen(zormd::HolzUndStahlplattenAusfachung);
        EXPECT_TRUE(Teil(z, "*** Ausfachung mit Stahlplatten")) << Text(z);
        EXPECT_FALSE(Teil(z, "Ausfachung mit Stahlplatten d ="));
        EXPECT_TRUE(Teil(z, "Holzausfachung  S 10 ; ---> d =  7 cm"));
    }
}

TEST_F(BemessungTest, ShotcreteThicknessSearch) {
    struct Fall {
        bool teil;
        float e;
        const char* h;
        float As;
    } faelle[] = {
        // Global: h 14 cm, d 9.5 cm, mu = 11.62 / (0.095^2 17.5) / 1000 = 0.0736, omega 0.1408,
        // As = 1e4 0.1408 0.095 17.5 / 500 = 4.68 (12 cm: 6.19 / 0.12 = 51.6 > 50).
        {false, 30.0f, "14", 4.68f},
        {true, 30.0f, "12", 3.98f},
        {false, 60.0f, "16", 0.0f},
        {true, 60.0f, "14", 0.0f},
    };
    for (const Fall& f : faelle) {
        Traegerbohlwand();
        P.TeilsicherheitenAn = f.teil ? 1 : 0;
        P.Wandtyp = 6;
        P.BPfAbstand = 2.0f;
        P.BPfD = 0.3f;
        zormd::N.BemVerbauDruck = f.e;
        const auto z = Zeilen(zormd::Spritzbetonausfachung);
        const std::string beton = f.teil ? "C 20/25," : "  B 25, ";
        EXPECT_TRUE(
            Enthaelt(z, E + "Spritzbetonausfachung " + beton + " h >= " + f.h + " cm zwischen den Pfählen:"))
            << f.e << "\n"
            << Text(z);
        EXPECT_EQ(Teil(z, "EAB 2006, Anhang A7:"), f.teil);
        EXPECT_TRUE(Enthaelt(z, E + "Auf ausreichende Auflagerung achten!"));
        if (f.As > 0.0f) {
            std::string as = vb::Format(f.As, "#0.00");
            EXPECT_TRUE(Teil(z, "Biege-Bewehrung As = " + as + " cm2/m")) << Text(z);
        }
        EXPECT_FLOAT_EQ(zormd::BS.BetonFestigkeit, 17.5f);
        EXPECT_EQ(zormd::BW.SpritzbetonFlag, 0);
    }
}

TEST_F(BemessungTest, ShotcreteWithoutEarthPressureStaysAtTenCentimetres) {
    for (int teil : {0, 1}) {
        Traegerbohlwand();
        P.TeilsicherheitenAn = static_cast<int16_t>(teil);
        P.BPfAbstand = 2.0f;
        P.BPfD = 0.3f;
        zormd::N.BemVerbauDruck = 0.0f;
        const auto z = Zeilen(zormd::Spritzbetonausfachung);
        EXPECT_TRUE(Teil(z, " h >= 10 cm zwischen den Trägern:")) << Text(z);
        EXPECT_TRUE(Teil(z, "; d1=4,5; d=5,5 cm"));
    }
}

TEST_F(BemessungTest, ShotcreteSearchEndsAtOneMetreWithAStarLine) {
    Traegerbohlwand();
    P.Wandtyp = 5;
    P.BPfAbstand = 12.0f;
    P.BPfD = 0.3f;
    zormd::N.BemVerbauDruck = 500.0f; // M = 500 * 11.76^2 / 8 = 8644 kNm/m: no shell up to 1.00 m
    for (int teil : {0, 1}) {
        P.TeilsicherheitenAn = static_cast<int16_t>(teil);
        const auto z = Zeilen(zormd::Spritzbetonausfachung);
        EXPECT_TRUE(Teil(z, "*** Spritzbetonausfachung")) << Text(z);
        EXPECT_FALSE(Teil(z, " h >= "));
        EXPECT_FALSE(Teil(z, "Biege-Bewehrung As"));
        EXPECT_FLOAT_EQ(zormd::BS.BetonFestigkeit, 17.5f);
        // The notice keeps within the report's 80 columns (13 blanks and 71 characters in one line before).
        for (const auto& zeile : z)
            EXPECT_LE(vb::Len(zeile), 80) << zeile;
    }
}

// ---------------------------------------------------------------- concrete walls

TEST_F(BemessungTest, DiaphragmWallC25WithPartialFactors) {
    bemtest::BetonC25();
    P.BemessungEin = 1;
    P.Wandtyp = 3;
    P.DWand = 0.8f;
    P.d1Rand = 8.0f;
    P.EBreiteM = P.EBreiteN = 1.0f;
    zormd::N.BemMaxMoment = 600.0f;
    zormd::N.BemMaxQuerkraft = 350.0f;
    const auto z = Stufe();
    EXPECT_TRUE(Enthaelt(z, E + "EAB 2006, Anhang A7:")) << Text(z);
    ZeilenDa(z, {"Bemessung der Schlitzwand h = 80 cm; Bew. für Einflußbr.(MQ)= 1,00 m",
                 "-------------------------                     Einflußbr.(N) = 1,00 m",
                 "Bemessungs-Schnittgrößen S´ = S * Einflußbreite",
                 "BSt 500 S; C 25/30; d1 = 8 cm; d = 72 cm; gamS = 1,15; gamC = 1,50",
                 "max(abs.M)´ =  600,0 kNm;  Asz =  20,1 cm2   ;  Asd =   0,0 cm2",
                 "max(abs.Q)´ =  350,0 kN ; AsBü =   3,9 cm2/m bei cot(theta) = 3,00 <---"});
    EXPECT_FALSE(Teil(z, "zul.tau01"));
    // VRdmax = 0.75 fcd b z / (cot + tan) = 0.75 * 14167 * 0.9 * 0.72 (approx.) / 3.33 > 2000 kN: r ~ 0.16.
    EXPECT_TRUE(Teil(z, "  Druckstrebe:    VEd / VRdmax = 350,0 / ")) << Text(z);
    EXPECT_TRUE(Teil(z, "  =  0,16 <= 1,00"));
    EXPECT_TRUE(Teil(z, "Formel 75 DIN 1045-1"));
    EXPECT_TRUE(Enthaelt(z, E + "Wichtig ist auch die stabile Ausführung des Bewehrungskorbes."));
    EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
    // Order: R1, Q1, Q2, Q3, the strut block, empty, G1.
    const auto r1 =
        std::find(z.begin(), z.end(), E + "max(abs.M)´ =  600,0 kNm;  Asz =  20,1 cm2   ;  Asd =   0,0 cm2");
    ASSERT_LT(r1 + 4, z.end());
    EXPECT_EQ(*(r1 + 1), E + "            ------------------------------ (N = 0; sichere Seite)");
    EXPECT_EQ(*(r1 + 3), E + "            --------------------------------");
}

TEST_F(BemessungTest, DiaphragmWallGlobalSafetyAndTheOverloadBox) {
    bemtest::BetonB25();
    P.Wandtyp = 3;
    P.DWand = 0.8f;
    P.d1Rand = 7.5f;
    P.EBreiteM = 1.0f;
    zormd::N.BemMaxMoment = 300.0f;
    zormd::N.BemMaxQuerkraft = 0.0f; // Q' = 0: asw 0, which the stage takes as not designable
    const auto z = Zeilen(zormd::SchlitzwandBemessung);
    EXPECT_TRUE(Enthaelt(z, E + "Bemessungs-Schnittgrößen S´ = S * Einflußbreite * eta(St) / 1.75"))
        << Text(z);
    EXPECT_TRUE(Enthaelt(z, E + "BSt 500 S; B 25; d1 = 7,5 cm; d = 72,5 cm; eta(Stahl) = 1,75"));
    EXPECT_TRUE(Enthaelt(z, E + "zul.tau01; zul.tau02; zul.tau03 =  0,75 ;  1,8 ;  3  MN/m2")) << Text(z);
    EXPECT_TRUE(Enthaelt(z, E + "-------------------------"));
    EXPECT_TRUE(Teil(z, " ;  tau0=   0,0 MN/m2"));
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text,
              "Der Querschnitt ist überlastet !!! \r\nKeine sinnvolle Bemessung möglich.\r\n");
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].knoepfe, vb::vbExclamation);
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].titel, "");
    // The notice within the report's 80 columns.
    EXPECT_TRUE(Enthaelt(z, E + "*** Der Querschnitt ist überlastet: keine sinnvolle Bemessung"));
    EXPECT_TRUE(Enthaelt(z, E + "    möglich."));
}

TEST_F(BemessungTest, DiaphragmWallBeyondTheLimitMomentShowsTheMarkers) {
    bemtest::BetonC25();
    P.Wandtyp = 3;
    P.DWand = 0.8f;
    P.d1Rand = 8.0f;
    P.EBreiteM = P.EBreiteN = 1.0f;
    zormd::N.BemMaxMoment = 4100.0f; // limit 0.55 * 0.72^2 * 14167 = 4039 kNm
    zormd::N.BemMaxQuerkraft = 350.0f;
    const auto z = Zeilen(zormd::SchlitzwandBemessung);
    EXPECT_TRUE(Enthaelt(z, E + "max(abs.M)´ = 4100,0 kNm;  Asz = 999,0 cm2   ;  Asd = 999,0 cm2"))
        << Text(z);
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    // The box and its line come after the strut block, before the staggering hint.
    const auto stern = std::find_if(z.begin(), z.end(), [](const std::string& s) {
        return s.find("*** Der Querschnitt ist überlastet") != std::string::npos;
    });
    const auto formel = std::find_if(
        z.begin(), z.end(), [](const std::string& s) { return s.find("Formel 75") != std::string::npos; });
    EXPECT_LT(formel, stern);
}

TEST_F(BemessungTest, BoredPileD90WithPartialFactors) {
    bemtest::BetonC25();
    P.Wandtyp = 4;
    P.BPfDUeb = 0.9f;
    P.d1Rand = 7.0f;
    P.EBreiteM = 1.0f;
    P.EBreiteN = 2.0f;
    zormd::N.BemMaxMoment = 800.0f;
    zormd::N.BemMaxQuerkraft = 400.0f;
    const auto z = Zeilen(zormd::BohrpfahlBemessung);
    EXPECT_TRUE(Enthaelt(z, E + "Bemessung der Bohrpfähle h =  90 cm; Einflußbreite(MQ) = 1,00 m"))
        << Text(z);
    ZeilenDa(z, {"------------------------             Einflußbreite(N)  = 2,00 m",
                 "BSt 500 S; C 25/30; d1 = 7 cm; d = 83 cm; gamS = 1,15; gamC = 1,50",
                 "Schubbemessung analog Beton- und Stahlbetonbau, Heft 12/81, vom",
                 "Dehnungszustand der erford. bzw. Mindest-Bewehrung (> 0) ausgehend.",
                 "            Betondehnung  eps1 = -3,50 o/oo"});
    EXPECT_TRUE(Teil(z, "            Stahldehnung  eps3 = 10,9")) << Text(z);
    EXPECT_TRUE(Teil(z, "            Druckz.-Breite  bw ="));
    EXPECT_TRUE(Teil(z, "max(abs.M)´ =  800,0 kNm;  As  =  54,"));
    EXPECT_TRUE(Teil(z, " gleichmäßig verteilt"));
    EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
}

TEST_F(BemessungTest, BoredPileWithoutConvergenceShowsTheMarkersAfterTheBox) {
    bemtest::BetonB25();
    P.Wandtyp = 6;
    P.BPfD = 0.9f;
    P.d1Rand = 7.0f;
    P.EBreiteM = 1.0f;
    zormd::N.BemMaxMoment = 1.0e7f; // far beyond any section: the bending design does not converge
    zormd::N.BemMaxQuerkraft = 100.0f;
    const auto z = Zeilen(zormd::BohrpfahlBemessung);
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u) << Text(z);
    EXPECT_EQ(
        zor::meldeprotokoll::Eintraege()[0].text.rfind("Keine Konvergenz bei der Biegebemessung !!! ", 0),
        0u);
    EXPECT_TRUE(Teil(z, " kNm;  As  = 888,0 cm2 gleichmäßig verteilt")) << Text(z);
    EXPECT_TRUE(Teil(z, " kN ; AsBü = 888,0 cm2/m ;  tau0=   8,9 MN/m2"));
    // The box and its line stand before K1.
    const auto stern = std::find_if(z.begin(), z.end(), [](const std::string& s) {
        return s.find("*** Keine Konvergenz") != std::string::npos;
    });
    const auto k1 =
        std::find(z.begin(), z.end(), E + "Schubbemessung analog Beton- und Stahlbetonbau, Heft 12/81, vom");
    EXPECT_LT(stern, k1);
}

TEST_F(BemessungTest, NoConvergenceSetsTheMarkersAndShowsTheBox) {
    bemtest::BetonB25();
    float As = 888.0f, asw = 3.0f;
    vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    zormd::MeldungUeberlastet(As, asw); // 888 belongs to the no-convergence message
    EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
    zormd::MeldungKeineKonvergenz(As, asw);
    vb::CloseAll();
    EXPECT_EQ(asw, 888.0f);
    EXPECT_FLOAT_EQ(zormd::BW.tau0, 8.88f);
    ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u);
    EXPECT_EQ(zor::meldeprotokoll::Eintraege()[0].text,
              "Keine Konvergenz bei der Biegebemessung !!! \r\nWählen Sie "
              "etwas andere Abmessungen d oder d1.\r\n\r\n"
              "Auch eine ganz schwache Auslastung kann der Grund sein. ");
    // The markers print as 888,0 and (global) tau0 8,9 in the shear line.
    zormd::BW.tau0 = 8.88f;
    float Q = 100.0f;
    const auto z = Zeilen([&] {
        zormd::QuerkraftZeile(zormd::BS.Einzug, Q, asw, zormd::BW.tau0);
        zormd::CotThetaZeile(zormd::BS.ZeilenPuffer, zormd::BW.CotTheta, zormd::BS.Einzug);
    });
    EXPECT_TRUE(Teil(z, "max(abs.Q)´ =  100,0 kN ; AsBü = 888,0 cm2/m ;  tau0=   8,9 MN/m2")) << Text(z);
}

TEST_F(BemessungTest, OverloadMarkersForZeroValues) {
    struct Fall {
        float As, asw;
        bool box;
        float AsNach, aswNach;
    } faelle[] = {
        {20.0f, 3.0f, false, 20.0f, 3.0f},    {0.0f, 3.0f, true, 999.0f, 3.0f},
        {20.0f, 0.0f, true, 20.0f, 999.0f},   {999.0f, 3.0f, true, 999.0f, 3.0f},
        {20.0f, 901.0f, true, 20.0f, 901.0f},
    };
    vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    for (const Fall& f : faelle) {
        zor::meldeprotokoll::Zuruecksetzen();
        float As = f.As, asw = f.asw;
        zormd::MeldungUeberlastet(As, asw);
        EXPECT_EQ(zor::meldeprotokoll::Eintraege().size(), f.box ? 1u : 0u) << f.As << " " << f.asw;
        EXPECT_EQ(As, f.AsNach);
        EXPECT_EQ(asw, f.aswNach);
    }
    vb::CloseAll();
}

TEST_F(BemessungTest, SectionFactorOfTheHeading) {
    struct Fall {
        int16_t wandtyp, teil;
        float eta, breite, faktor;
    } faelle[] = {
        {3, 0, 1.75f, 1.0f, 1.0f},        {3, 0, 1.5f, 2.0f, 1.5f * 2.0f / 1.75f},
        {3, 1, 1.5f, 2.0f, 2.0f},         {5, 0, 1.75f, 2.5f, 1.0f},
        {5, 0, 1.5f, 2.5f, 1.5f / 1.75f}, {5, 0, 1.5f, 0.0f, 1.5f / 1.75f},
        {5, 1, 1.5f, 0.0f, 1.0f},         {4, 1, 1.5f, 1.6f, 1.6f},
    };
    vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    for (const Fall& f : faelle) {
        P.Wandtyp = f.wandtyp;
        P.TeilsicherheitenAn = f.teil;
        P.EtaBSt500 = f.eta;
        P.EBreiteM = f.breite;
        float faktor = -1.0f, h = 0.8f;
        zormd::BemessungKopf(faktor, h);
        EXPECT_FLOAT_EQ(faktor, f.faktor) << f.wandtyp << " " << f.teil << " " << f.eta << " " << f.breite;
    }
    vb::CloseAll();
}

TEST_F(BemessungTest, ConcreteClassNames) {
    struct Fall {
        float klasse;
        const char* text;
    } faelle[] = {{120.0f, "C 20/25;"},
                  {125.0f, "C 25/30;"},
                  {130.0f, "C 30/37;"},
                  {135.0f, "C 35/45;"},
                  {140.0f, "C 40;"}};
    for (const Fall& f : faelle) {
        bemtest::BetonC25();
        P.BetonKlasse = f.klasse;
        P.d1Rand = 8.0f;
        const auto z = Zeilen([] {
            float faktor = 0.0f, h = 0.8f;
            zormd::BemessungKopf(faktor, h);
        });
        EXPECT_TRUE(Teil(z, "BSt 500 S; " + std::string(f.text) + " d1 = 8 cm")) << Text(z);
    }
}

TEST_F(BemessungTest, RightAlignment) {
    std::string a = "1,5", b = "1234567", c = "12";
    zormd::Rechtsbuendig6(a);
    zormd::Rechtsbuendig6(b);
    zormd::Rechtsbuendig4(c);
    EXPECT_EQ(a, "   1,5");
    EXPECT_EQ(b, "1234567");
    EXPECT_EQ(c, "  12");
    std::string d = "7", e = "123";
    zormd::Rechtsbuendig3(d);
    zormd::Rechtsbuendig3(e);
    EXPECT_EQ(d, "  7");
    EXPECT_EQ(e, "123");
}

} // namespace
