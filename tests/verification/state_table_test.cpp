// State-quantity table, force rows, foot line and bedding table against beams solved by hand.
#include <cmath>
#include <regex>

#include "earthpressure/state.h"
#include "fixture.h"
#include "frame/run_status.h"
#include "platform/runtime/errors.h"
#include "statics/beam_solver.h"
#include "statics/state.h"
#include "verification/state_table.h"

namespace verification_test {
namespace {

using zormd::ElementKraefte;

// The numbers of a table row (a star is a separator).
std::vector<float> Zahlen(const std::string& zeile) {
    std::vector<float> out;
    static const std::regex zahl(R"(-?\d+\.\d+)");
    for (auto it = std::sregex_iterator(zeile.begin(), zeile.end(), zahl); it != std::sregex_iterator(); ++it)
        out.push_back(std::stof(it->str()));
    return out;
}

class Zustandstabelle : public Bericht {
protected:
    // Simply supported 6 m field, triangular load 0 .. q, EI 50 MNm2/m, supported head, support at the foot.
    // Start state from the closed form: rotation 7 q L^3 / (360 EI), Q = q L / 6; end: rotation
    // -8 q L^3 / (360 EI), Q = -q L / 3.
    void Dreieckslast(float q) {
        P.WandKopf = 2;
        const float L = 6.0f, ei = 50.0f;
        Zeile(1, 0.0f, {0, 0, 0, 0, 0}, {0, 7 * q * L * L * L / (360 * ei), 0, q * L / 6});
        Zeile(2, L, {L, ei, 0, q, 0}, {0, -8 * q * L * L * L / (360 * ei), 0, -q * L / 3});
        Zeile(4, L, {0, 0, 0, 0, 0}, {0, -8 * q * L * L * L / (360 * ei), 0, 0});
        Zeile(5, L, {}, {});
    }
};

TEST_F(Zustandstabelle, ElementEvaluationMeetsTheTriangularLoadOfTheSimplySupportedBeam) {
    Dreieckslast(30.0f);
    N.TMVektor2 = {0, 0, 7 * 30.0 * 216 / (360 * 50), 0, 30};
    N.ElementNr = 2;
    N.ElementFaktor = std::sqrt(12.0f); // zero shear at L / sqrt(3)
    ElementKraefte();
    EXPECT_NEAR(N.Zustand[4], 0.0, 1e-4);
    EXPECT_NEAR(N.Zustand[3], 30.0 * 36 / (9 * std::sqrt(3.0)), 0.01); // q L^2 / (9 sqrt 3) = 69.28
    EXPECT_NEAR(N.Zustand[1], 4.99, 0.005);
    EXPECT_NEAR(N.ElementBettung + N.ElementWertEI, 30.0f / std::sqrt(3.0f), 1e-4); // load at x
    N.ElementFaktor = 6.0f;                                                         // the far support
    ElementKraefte();
    EXPECT_NEAR(N.Zustand[1], 0.0, 1e-4);
    EXPECT_NEAR(N.Zustand[2], -2.88, 1e-4);
    EXPECT_NEAR(N.Zustand[4], -60.0, 1e-4);
}

TEST_F(Zustandstabelle, TriangularLoadPrintsTheZeroShearRowAndSumsTheSupportsToTheLoad) {
    Dreieckslast(30.0f);
    P.zAush = 6.5f;
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 6.0f;
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    zormd::FussZeileDrucken(zormd::FussZeileBerechnen());
    const auto z = Zeilen();
    ASSERT_EQ(Mit(z, "ZUSTANDS-GRÖSSEN  LASTFALL  1,   AUSHUB  1").size(), 1u);
    const auto kopf = Mit(z, " Auflag.+");
    ASSERT_EQ(kopf.size(), 1u);
    EXPECT_EQ(Zahlen(kopf[0]), (std::vector<float>{0, 0, 0, 0, 30, 30}));
    const auto stern = Mit(z, "*");
    ASSERT_EQ(stern.size(), 1u);
    const auto r = Zahlen(stern[0]);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0], 3.46f);
    EXPECT_EQ(r[1], 17.32f); // 30 / sqrt 3
    EXPECT_EQ(r[2], 4.99f);
    EXPECT_EQ(r[3], 69.28f);
    EXPECT_NE(stern[0].find("69.28*"), std::string::npos);
    const auto stuetze = Mit(z, " Auflag. +");
    ASSERT_EQ(stuetze.size(), 1u);
    EXPECT_EQ(stuetze[0].substr(0, 13 + 35).find_first_not_of(' '),
              13u + 35 - 4); // M under the moment column
    EXPECT_EQ(Zahlen(stuetze[0]), (std::vector<float>{0, 0, 60}));
    // Head support and support force carry the load L (q0 + dq / 2) = 90 kN/m.
    EXPECT_FLOAT_EQ(N.SummeAnkerAh, 90.0f);
    EXPECT_FLOAT_EQ(N.AnkerAh[1], 60.0f);
    EXPECT_NEAR(N.MaxMoment, 69.28f, 0.005f);
    EXPECT_EQ(N.MaxHDruck, 30.0f);
    EXPECT_EQ(N.MinQuerkraft, -60.0f);
    EXPECT_EQ(N.MaxQuerkraft, 30.0f);
    EXPECT_EQ(N.zGLF, 0.0f); // positive moment
    EXPECT_TRUE(Mit(z, "Negative Auflagerkraft").empty());
    for (const auto& zeile : z)
        EXPECT_LE(zeile.size(), 80u) << zeile;
}

// The walk over the rows sets the stage's sums and extremes once; the table printed twice from it gives the
// same lines and leaves them as they were.
TEST_F(Zustandstabelle, PrintingTwiceGivesTheSameLinesAndChangesNothing) {
    Dreieckslast(30.0f);
    P.zAush = 6.5f;
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 6.0f;
    const auto t = zormd::ZustandsgroessenBerechnen();
    const zormd::Nachweiszustand vorher = N;
    zormd::ZustandsgroessenDrucken(t); // the report is open from the fixture
    const auto erst = Zeilen();
    vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    zormd::ZustandsgroessenDrucken(t);
    EXPECT_EQ(erst, Zeilen());
    EXPECT_FLOAT_EQ(N.SummeAnkerAh, 90.0f); // head support 30 + support 60: the load L (q0 + dq / 2)
    for (float zormd::Nachweiszustand::*f :
         {&zormd::Nachweiszustand::SummeAnkerAh, &zormd::Nachweiszustand::SummeAnkerAv,
          &zormd::Nachweiszustand::MaxMoment, &zormd::Nachweiszustand::MinMoment,
          &zormd::Nachweiszustand::MaxHDruck, &zormd::Nachweiszustand::MaxQuerkraft,
          &zormd::Nachweiszustand::MinQuerkraft, &zormd::Nachweiszustand::zGLF})
        EXPECT_EQ(N.*f, vorher.*f);
    EXPECT_EQ(N.AnkerAh, vorher.AnkerAh);
    EXPECT_EQ(N.NegAuflagerFlag, vorher.NegAuflagerFlag);
}

TEST_F(Zustandstabelle, AZeroShearPointBelowTheExcavationWithNegativeMomentIsTheFootOfTheDeepSlipPlane) {
    Dreieckslast(-30.0f); // mirrored: M = -69.28
    P.zAush = 2.0f;
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    EXPECT_NEAR(N.zGLF, std::sqrt(12.0f), 1e-4);
    EXPECT_NEAR(N.MinMoment, -69.28f, 0.005f);
}

TEST_F(Zustandstabelle, ABeddedFootPrintsNoZeroShearRowBelowTheExcavationButKeepsItsMoment) {
    Dreieckslast(-30.0f);
    P.zAush = 2.0f;
    zormc::St.BettungStufe = 1;
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    EXPECT_TRUE(Mit(Zeilen(), "*").empty());
    EXPECT_EQ(N.zGLF, 0.0f);
    EXPECT_NEAR(N.MinMoment, -69.28f, 0.005f);
}

TEST_F(Zustandstabelle, TheExcavationMarkerStandsOnceBeforeTheFieldEndWithinSixMillimetres) {
    Dreieckslast(30.0f);
    P.zAush = 6.005f;
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    const auto z = Zeilen();
    ASSERT_EQ(Mit(z, "Aushubkote").size(), 1u);
    std::size_t marke = 0, ende = 0;
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (z[i].find("Aushubkote") != std::string::npos) marke = i;
        if (z[i].find("-60.00") != std::string::npos && ende == 0) ende = i;
    }
    EXPECT_EQ(marke + 1, ende);
}

TEST_F(Zustandstabelle, UniformLoadKeepsTheDeflectionAtTheNextSupportLevelAndThenTheZeroShearRowFollows) {
    P.WandKopf = 2;
    const float q = 10.0f, L = 4.0f, ei = 50.0f;
    Zeile(1, 0.0f, {0, 0, 0, 0, 0}, {0, q * L * L * L / (24 * ei), 0, q * L / 2});
    Zeile(2, L, {L, ei, q, 0, 0}, {0, -q * L * L * L / (24 * ei), 0, -q * L / 2});
    Zeile(4, L, {}, {0, -q * L * L * L / (24 * ei), 0, 0});
    Zeile(5, L, {}, {});
    P.zAush = 5.0f;
    P.ZNextAnker = 2.0f;
    P.AnzAnkerGesamt = 2;
    P.ZAuflager[1] = 2.0f;
    P.ZAuflager[2] = 2.0001f; // only an exact level keeps the deflection
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    EXPECT_NEAR(zormc::St.AuflagerSenkung[1], 5 * q * L * L * L * L / (384 * ei), 1e-4); // 0.6667 mm
    EXPECT_EQ(zormc::St.AuflagerSenkungZ[1], 2.0f);
    EXPECT_EQ(zormc::St.AuflagerSenkung[2], 0.0f);
    const auto z = Zeilen();
    const auto stern = Mit(z, "*");
    ASSERT_EQ(stern.size(), 2u);
    EXPECT_EQ(stern[0], "              2.00     10.00      0.67*    20.00      0.00");
    EXPECT_EQ(stern[1], "              2.00     10.00      0.67     20.00*     0.00");
}

TEST_F(Zustandstabelle, ASupportJumpBelowOneHundredthIsNoForceAndANegativeSupportWarnsOnlyInItsOwnStage) {
    Zeile(1, 0.0f, {}, {0, 0, 0, 0});
    Zeile(4, 1.0f, {}, {0, 0, 0, 0.009f});
    Zeile(4, 2.0f, {}, {0, 0, 0, -4.0f});
    Zeile(5, 2.0f, {}, {});
    P.zAush = 3.0f;
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 1.0f;
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    zormd::FussZeileDrucken(zormd::FussZeileBerechnen());
    EXPECT_EQ(N.AnkerAh[1], 0.0f);
    ASSERT_EQ(Mit(Zeilen(), " Auflag. ").size(), 1u);
    EXPECT_EQ(Mit(Zeilen(), " Auflag. -").size(), 1u);
    EXPECT_EQ(Mit(Zeilen(), "*** Negative Auflagerkraft zulässig ?  Bitte überprüfen.").size(), 1u);
    // The next stage's table has only a positive support.
    St.ErgebnisTabelle[3][12] = 4.0f;
    vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    zormd::FussZeileDrucken(zormd::FussZeileBerechnen());
    EXPECT_TRUE(Mit(Zeilen(), "Negative Auflagerkraft").empty());
}

TEST_F(Zustandstabelle, AForceGoesToTheFirstAnchorWithinFiveMillimetresAboveTheExcavation) {
    P.zAush = 5.0f;
    P.AnzAnkerGesamt = 3;
    P.ZAuflager[1] = 2.0f;
    P.ZAuflager[2] = 2.0f;
    P.ZAuflager[3] = 5.0f;
    P.AnkerNeigungGrad[1] = 10.0f;
    struct Fall {
        float z;
        int anker; // 0: none
    };
    for (const Fall f : {Fall{2.004f, 1}, Fall{2.005f, 0}, Fall{1.996f, 1}, Fall{5.0f, 0}, Fall{5.004f, 0}}) {
        N = zormd::Nachweiszustand{};
        float F = 100.0f, z = f.z;
        zormd::AnkerkraftZuordnen(F, z);
        SCOPED_TRACE(f.z);
        EXPECT_EQ(N.AnkerAh[1], f.anker == 1 ? 100.0f : 0.0f);
        EXPECT_EQ(N.AnkerAh[2], 0.0f); // the second anchor at the same level gets nothing
        EXPECT_EQ(N.AnkerAh[3], 0.0f);
        EXPECT_NEAR(N.SummeAnkerAv, f.anker == 1 ? 100.0f * std::tan(10.0f * kGrad) : 0.0f, 1e-4);
    }
}

TEST_F(Zustandstabelle, TheSpringPressureSearchStopsAtTheLastRowOfThisSolve) {
    Zeile(1, 0.0f, {}, {0, 0, 0, 0});
    Zeile(2, 1.0f, {1, 50, 0, 0}, {0, 0, 0, 0});
    Zeile(3, 1.0f, {0, 0, 0, 0, 0.005f}, {0, 0, 0, 10});
    Zeile(2, 2.0f, {1, 50, 0, 0}, {0, 0, 0, 10});
    Zeile(3, 2.0f, {0, 0, 0, 0, 0.005f}, {0, 0, 0, 20});
    Zeile(5, 2.0f, {}, {});
    // A spring row of an earlier, longer solve behind the table.
    St.ErgebnisTabelle[40][2] = 40.0f;
    St.ErgebnisTabelle[40][7] = 0.005f;
    P.zAush = 0.5f;
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    zormd::FussZeileDrucken(zormd::FussZeileBerechnen());
    // Lower spring: half the distance to the spring above is 0.5 m, 10 / 0.5 = 20 kN/m2.
    EXPECT_EQ(N.MaxFederPressung, 20.0f);
    EXPECT_EQ(N.zMaxFederPressung, 2.0f);
    const auto z = Zeilen();
    EXPECT_EQ(Mit(z, "Max horiz. Pressung Bodenfeder = 20.0 kN/m2 bei Kote 2.00 m").size(), 1u);
    EXPECT_EQ(Mit(z, "        5").size(), 2u); // spring constant 1000 k under "Fed.Konst."
}

TEST_F(Zustandstabelle, TheFootLineFollowsTheFootModeAndTheIntegerPartOfOneHundredTimesTheShear) {
    struct Fall {
        int16_t wandfuss;
        float qf;
        const char* text; // nullptr: no foot line
    };
    for (const Fall f : {Fall{1, -0.001f, " Kraft C +"}, Fall{1, 0.005f, nullptr},
                         Fall{1, 12.0f, " Kraft C -"}, Fall{4, -12.0f, " Kraft C -"},
                         Fall{3, -12.0f, " Felslag.+"}, Fall{2, -12.0f, "*** Einbindetiefe verlängern!"}}) {
        SCOPED_TRACE(f.qf);
        St = zormc::Statikzustand{};
        N = zormd::Nachweiszustand{};
        vb::Close(zorma::kBerichtDateiNr);
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        P.Wandfuss = f.wandfuss;
        St.DeltaT = 0.5f;
        Zeile(1, 0.0f, {}, {0, 0, 0, 0});
        Zeile(4, 3.0f, {}, {0, 0, 7.5f, f.qf});
        Zeile(5, 3.0f, {}, {});
        zormd::FussZeileDrucken(zormd::FussZeileBerechnen());
        const auto z = Zeilen();
        if (f.text == nullptr) {
            EXPECT_TRUE(Mit(z, "Kraft C").empty());
            continue;
        }
        ASSERT_EQ(Mit(z, f.text).size(), 1u);
        if (f.wandfuss == 3) {
            EXPECT_EQ(N.FelslagerKraft, 12.0f);
        }
        if (f.wandfuss == 2) {
            EXPECT_EQ(Mit(z, "Das Gleichgewicht ist nicht erfüllt. Felslager = Ausweg.").size(), 1u);
            EXPECT_EQ(St.DeltaT, 0.0f);
        }
    }
}

TEST_F(Zustandstabelle, TheCForceBlockStandsOnlyWithAnExtraEmbedmentOfThisStage) {
    P.Wandfuss = 4;
    Zeile(1, 0.0f, {}, {0, 0, 0, 0});
    Zeile(4, 3.0f, {}, {0, 0, 0, -40.0f});
    Zeile(5, 3.0f, {}, {});
    St.CKraftDt = 0.0f; // cleared when the stage started: nothing computed
    zormd::FussZeileDrucken(zormd::FussZeileBerechnen());
    EXPECT_TRUE(Mit(Zeilen(), "Rammtiefenzuschlag").empty());
    vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    St.CKraftDt = 0.42f;
    St.CKraftPhi = 30.0f * kGrad;
    St.CKraftDelta = -20.0f * kGrad;
    St.CKraftKp = 5.5f;
    St.CKraftSigV = 120.0f;
    St.CKraftEtap = 1.5f;
    zormd::FussZeileDrucken(zormd::FussZeileBerechnen());
    const auto z = Zeilen();
    EXPECT_EQ(Mit(z, "Rammtiefenzuschlag für C-Kraft").size(), 1u);
    EXPECT_EQ(Mit(z, " phiC = 30.00°; deltaC = -20.00°; kpghC =  5.50;  ev. Cohäsion ber.").size(), 1u);
    EXPECT_EQ(Mit(z, " dt = Abs(C) * eta / (2 * sigmaC * kpghC * cos(deltaC)) =  0.42 m").size(), 1u);
}

TEST(Quadratisch, RootsLinearCaseAndARadicandBelowZero) {
    struct Fall {
        float a, b, c, x1, x2;
    };
    for (const Fall f : {Fall{1, -3, 2, 2, 1}, Fall{0.0009f, 2, -4, 2, 2}, Fall{1, -2, 1.0000001f, 1, 1}}) {
        float a = f.a, b = f.b, c = f.c, x1 = 0, x2 = 0;
        zormd::QuadGleichung(a, b, c, x1, x2);
        EXPECT_NEAR(x1, f.x1, 1e-5) << f.a << " " << f.b << " " << f.c;
        EXPECT_NEAR(x2, f.x2, 1e-5);
        EXPECT_FALSE(std::isnan(x1));
    }
}

TEST_F(Zustandstabelle, TheDepthGridSubdividesFieldsOfOneMetreAndOneDecimetreButNotOfTwoCentimetres) {
    Zeile(1, 0.0f, {}, {});
    Zeile(2, 1.0f, {1.0f, 50}, {});
    Zeile(2, 1.1f, {0.1f, 50}, {});
    Zeile(2, 1.12f, {0.02f, 50}, {});
    Zeile(5, 1.12f, {}, {});
    zormcom::Lauf.zFuss = 1.12f;
    zormd::KotenRaster();
    ASSERT_EQ(N.AnzKoten, 1 + 6 + 9 + 1);
    const auto& k = N.KotenListe;
    EXPECT_EQ(k[1], 0.0f);
    EXPECT_EQ(k[6], 1.12f - 0.0001f);
    EXPECT_EQ(k[7], 1.12f); // 1.1201 clamped to the foot
    EXPECT_NEAR(k[8], 0.1f, 1e-6);
    EXPECT_NEAR(k[16], 0.9f, 1e-6);
    EXPECT_NEAR(k[17], 1.05f, 1e-6);
}

class Bettung : public Bericht {
protected:
    void Datei(float fuss, const std::vector<std::array<float, 3>>& zeilen) {
        vb::FileGuard d("ZORBETTU", vb::OpenMode::Output);
        vb::Write(d.nr(), fuss);
        for (const auto& r : zeilen)
            vb::Write(d.nr(), r[0], r[1], r[2]);
        d.Close();
        St.BettungReduziert = 1;
        zormc::St.HUmlagerung = 1.0f;
    }
    std::vector<std::string> Tabelle() {
        zormd::BettungsTabelleDrucken(zormd::BettungsTabelleLesen());
        EXPECT_EQ(St.BettungReduziert, 0);
        std::vector<std::string> out;
        for (const auto& z : Zeilen())
            if (z.size() > 14 && std::isdigit(static_cast<unsigned char>(z[16]))) out.push_back(z);
        return out;
    }
};

TEST_F(Bettung, TheListEndsOneRowBelowTheLastReductionOverOneHundredthAndStarsFromFiveThousandths) {
    Datei(5.0f, {{1.0f, 10, 5}, {2.0f, 10, 9.992f}, {3.0f, 10, 10}, {4.0f, 10, 10}});
    const auto z = Tabelle();
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[0], "              1.00      0.00     10.00      5.00  *");
    EXPECT_EQ(z[1], "              2.00      1.00     10.00      9.99  *");
    EXPECT_EQ(Mit(Zeilen(), "Ab hier: keine Reduktion der eingegebenen Bettung erforderlich.").size(), 1u);
}

TEST_F(Bettung, WithoutReductionTheFirstNodeAndTheNotesAndAtTheFootNoNotes) {
    Datei(5.0f, {{1.0f, 10, 10}, {2.0f, 10, 10}});
    EXPECT_EQ(Tabelle().size(), 1u);
    EXPECT_EQ(Mit(Zeilen(), "Ab hier").size(), 1u);
    vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    Datei(5.0f, {{4.0f, 10, 5}, {5.0f, 10, 5}});
    EXPECT_EQ(Tabelle().size(), 2u);
    EXPECT_TRUE(Mit(Zeilen(), "Ab hier").empty());
}

// The file is read once (the flag cleared then); the table printed twice from what was read is the same
// both times (it used to clear the flag while printing, so a second print showed nothing).
TEST_F(Bettung, ReadOnceThenPrintedTwiceTheSame) {
    Datei(5.0f, {{1.0f, 10, 5}, {2.0f, 10, 10}});
    const auto t = zormd::BettungsTabelleLesen();
    EXPECT_EQ(St.BettungReduziert, 0);
    EXPECT_EQ(N.AnzBettung, 2);
    EXPECT_EQ(zormcom::Lauf.zFuss, 5.0f);
    zormd::BettungsTabelleDrucken(t); // the report is open from the fixture
    const auto erst = Zeilen();
    vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    zormd::BettungsTabelleDrucken(t);
    EXPECT_EQ(erst, Zeilen());
    EXPECT_EQ(Mit(erst, "              1.00      0.00     10.00      5.00  *").size(), 1u);
    EXPECT_EQ(Mit(erst, "              2.00      1.00     10.00     10.00").size(), 1u);
}

TEST_F(Bettung, MoreThanTwoHundredFiftyLinesAbandonTheCalculation) {
    std::vector<std::array<float, 3>> zeilen;
    for (int i = 1; i <= 251; ++i)
        zeilen.push_back({0.01f * static_cast<float>(i), 10, 10});
    Datei(5.0f, zeilen);
    EXPECT_THROW(zormd::BettungsTabelleLesen(), zor::CalcAbort);
}

} // namespace
} // namespace verification_test

namespace verification_test {
namespace {

// The beam solver of the statics and the table together: simply supported 6 m field under the
// triangular load 0 .. 30 kN/m2 (EI 50 MNm2/m). The solver counts its rows from 0 (head marker) and
// AnzZeilen lies one behind its end row.
TEST_F(Bericht, TheSolvedSimplySupportedBeamGivesTheClosedFormZeroShearRowAndItsSupportForcesCarryTheLoad) {
    P.AnzErd = 1;
    zormcom::Lauf.SchichtKote[1] = 0.0f;
    zormcom::Lauf.SchichtKote[2] = 99.0f;
    P.SchichtEI[1] = 50.0f;
    P.gamQ = 1.0f;
    P.WandKopf = 2;
    P.zAush = 7.0f;
    zormcom::Lauf.zFuss = 6.0f;
    St.Lastbild.n = St.Knoten.n = 2;
    St.Lastbild.z[1] = St.Knoten.z[1] = 0.0f;
    St.Lastbild.z[2] = St.Knoten.z[2] = 6.0f;
    St.Lastbild.e[2] = 30.0f;
    St.KopfUnbekannte = {0, 1, 3};
    St.FussBedingung = {0, 1, 3};
    zor::Laufstatus status = zor::Laufstatus::Offen;
    zormc::Durchlauftraeger(status);
    ASSERT_EQ(status, zor::Laufstatus::Offen);
    // A field row of an earlier, longer solve behind this one.
    St.ErgebnisTabelle[static_cast<std::size_t>(St.AnzZeilen)] = {0, 2, 50.0f, 1.0f, 50, 0, 0,
                                                                  0, 0, 0,     0,    0,  0};
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    zormd::FussZeileDrucken(zormd::FussZeileBerechnen());
    zormd::KotenRaster();
    const auto z = Zeilen();
    const auto stern = Mit(z, "*");
    ASSERT_EQ(stern.size(), 1u);
    const auto r = Zahlen(stern[0]);
    ASSERT_GE(r.size(), 4u);
    EXPECT_EQ(r[0], 3.46f);
    EXPECT_EQ(r[2], 4.99f);
    EXPECT_EQ(r[3], 69.28f);
    // Head support 30 and the foot's -QF = 60 carry L (q0 + dq / 2) = 90 kN/m.
    EXPECT_NEAR(N.SummeAnkerAh, 30.0f, 0.01f);
    const auto fuss = Mit(z, " Kraft C ");
    ASSERT_EQ(fuss.size(), 1u);
    const auto f = Zahlen(fuss[0]);
    ASSERT_EQ(f.size(), 3u);
    EXPECT_NEAR(N.SummeAnkerAh + f[2], 90.0f, 0.01f);
    for (int k = 1; k <= N.AnzKoten; ++k)
        EXPECT_LE(N.KotenListe[static_cast<std::size_t>(k)], 6.0f); // nothing of the earlier solve
}

} // namespace
} // namespace verification_test

namespace verification_test {
namespace {

// A shear sign change inside an unloaded field has no root: no zero-shear row, no non-number.
TEST_F(Bericht, AnUnloadedFieldWithAShearSignChangeFormsNoZeroShearRow) {
    Zeile(1, 0.0f, {}, {0, 0, 0, 10});
    Zeile(2, 2.0f, {2, 50, 0, 0}, {0, 0, 0, -10});
    Zeile(5, 2.0f, {}, {});
    P.zAush = 5.0f;
    zormd::ZustandsgroessenDrucken(zormd::ZustandsgroessenBerechnen());
    const auto z = Zeilen();
    EXPECT_TRUE(Mit(z, "*").empty());
    for (const auto& zeile : z)
        EXPECT_EQ(zeile.find("nan"), std::string::npos) << zeile;
}

} // namespace
} // namespace verification_test
