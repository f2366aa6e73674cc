// The earth-pressure stage after stage a of a run: report section, hand-over files, given
// pressures, seepage passes, changed wall friction and the trial-slip-plane search.
#include <algorithm>

#include "earthpressure/coefficients.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/project_file.h"
#include "frame/stage_table.h"
#include "stage_b_fixture.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using namespace stageb_test;
using zormb::B;
using zortest::Stufe;

class Erddruckstufe : public StageB {
protected:
    void SetUp() override {
        StageB::SetUp();
        zor::meldeprotokoll::Zuruecksetzen();
        P.WurzelOrdner = dir_.path().string() + "/";
        Projekt();
    }

    // Sheet pile wall in sand (phi 30, no wall friction, gamma 18 / 10), excavated to 4 m; one
    // load case with 10 kN/m2 from 2 m behind the wall to infinity; global safety.
    static void Projekt() {
        zortest::Spundwand("Baugrube", "1", 4);
        P.EtaAnpass = 1.0f;
        zortest::Bodenschichten({{10.0f, 30.0f, 18.0f, 10.0f}});
        P.AnzAush = 1;
        Stufe(1, 4.0f);
        P.AnzLF = 1;
        zortest::Flaechenlast(1, 1, 10.0f, 2.0f, 999.0f);
    }

    // Runs stage a and returns the number of report lines it wrote.
    std::size_t StufeA() {
        zorma::EingabeAuswerten();
        return Zeilen("LPTZW").size();
    }
    // The report lines the earth-pressure stage appended.
    std::vector<std::string> Neu(std::size_t ab) {
        vb::Close(zorma::kBerichtDateiNr);
        const auto z = Zeilen("LPTZW");
        return std::vector<std::string>(z.begin() + static_cast<long>(ab), z.end());
    }
};

const std::string k13(13, ' '), k22(22, ' ');

TEST_F(Erddruckstufe, SectionAndHandOverFilesOfASandWithAnUnlimitedLoad) {
    const std::size_t ab = StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_EQ(zormcom::Lauf.DateiEndung, "11");

    // sigma_v = 18 z plus the load, which sets in at 2 tan30 = 1.15 m and is complete at
    // 2 tan60 = 3.46 m; eah = sigma_v / 3.
    const std::vector<std::string> soll = {
        k13 + std::string(64, '-'),
        k13 + "         LASTFALL  1  AUSHUB  1",
        k13 + std::string(64, '-'),
        "",
        "",
        k13 + "ERDDRUCK (m , kN/m2)     ohne Wasserdruck, ohne Zusatzdruck.",
        k13 + std::string(64, '-'),
        k22 + "Kote  z         eh-Summe        eh-Boden     eh-Auflast",
        k22 + "                           +  großfl. L.   begrenzte L.",
        "                         0.00             0.00            0.00           0.00",
        "                         1.15             6.93            6.93           0.00",
        "                         3.46            24.12           24.12           0.00",
        "                        99.00           597.33          597.33           0.00",
        "",
        "",
    };
    EXPECT_EQ(Neu(ab), soll);

    auto plote = Zeilen("ZZZPLOTE");
    ASSERT_EQ(plote.size(), 5u);
    EXPECT_EQ(plote[0], "1,1,1,1,4");
    EXPECT_EQ(plote[4], "99,597.3333,597.3333,0");
    auto gz = Zeilen("ZORGZ");
    ASSERT_EQ(gz.size(), 5u);
    EXPECT_EQ(gz[0], "4");
    EXPECT_EQ(gz[3], "3.464102,10");
    EXPECT_EQ(Zeilen("ZOREPP")[0], "0");
    EXPECT_EQ(Zeilen("ZORZ3")[0], "4");
    EXPECT_EQ(Zeilen("ZORZ4")[0], "4,4");
    EXPECT_EQ(Zeilen("ZORZ4")[4], "0,597.3333,99,99");
    EXPECT_EQ(Zeilen("ZORZ2")[0], "1");
    EXPECT_EQ(B.BegrLastKopie.n, 4);
    EXPECT_EQ(B.SickerKonv, 1);
}

// A hand-over file whose data the disk refuses: the stage is abandoned with the run-time error
// (which the run reports in a message) instead of ending the program from a destructor, and it
// keeps no file number but the report's.
TEST_F(Erddruckstufe, AFailedFlushOfAHandOverFileAbandonsTheStageWithAnError) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    StufeA();
    fs::create_symlink("/dev/full", "ZORZ4");
    int nummer = 0;
    try {
        zormb::ErddruckBerechnen();
    } catch (const vb::RuntimeError& e) {
        nummer = e.number();
    }
    EXPECT_EQ(nummer, 61);
    for (int16_t f = 1; f <= 20; ++f)
        EXPECT_EQ(vb::IsOpen(f), f == zorma::kBerichtDateiNr) << f;

    // The next run goes on as usual.
    fs::remove("ZORZ4");
    zormb::ErddruckBerechnen();
    EXPECT_EQ(Zeilen("ZORZ4")[0], "4,4");
}

TEST_F(Erddruckstufe, StageAndLoadCaseNameTheFileExtension) {
    P.AnzAush = 3;
    Stufe(2, 5.0f);
    Stufe(3, 6.0f);
    P.AnzLF = 2;
    P.AnzLastErdLF[2] = 0;
    StufeA();
    P.AushNr = 3;
    P.LFNr = 2;
    zormb::ErddruckBerechnen();
    EXPECT_EQ(zormcom::Lauf.DateiEndung, "32");
    EXPECT_FLOAT_EQ(P.zAush, 6.0f);
    // No earth-side loads: the limited-load list is zero on the depths of the sum.
    for (int k = 1; k <= B.BegrLast.n; ++k)
        EXPECT_EQ(B.BegrLast.e[k], 0.0f);
    EXPECT_EQ(B.BegrLast.n, B.ESumme.n);
}

TEST_F(Erddruckstufe, GivenEarthPressureReplacesTheSoilAndSuspendsTheMinimumInItsStageOnly) {
    P.AnzAush = 2;
    Stufe(2, 5.0f);
    P.EahGeg(1, 0) = 2.0f;
    P.ZEahGeg(1, 1) = 0.0f;
    P.EahGeg(1, 1) = 10.0f;
    P.ZEahGeg(1, 2) = 99.0f;
    P.EahGeg(1, 2) = 20.0f;
    zormcom::Lauf.kzStroem = 1; // seepage is not iterated with given pressures
    P.ZWasserErd = 2.0f;
    zormcom::AushubSpeichern(1);
    const std::size_t ab = StufeA();
    zormb::ErddruckBerechnen();
    // The seepage pass that opened the stage did not print the load-case head; the given pressure
    // ends the iteration, so the section itself is printed.
    const auto z = Neu(ab);
    ASSERT_EQ(z.size(), 9u);
    EXPECT_EQ(z[2], k13 + "ERDDRUCK (m , kN/m2)     ohne Wasserdruck, ohne Zusatzdruck.");
    EXPECT_EQ(z[4], k22 + "Kote  z         eh-Summe       vom Anwender eingegeben.");
    EXPECT_EQ(z[5], "                         0.00            10.00");
    EXPECT_EQ(z[6], "                        99.00            20.00");
    EXPECT_EQ(z[7], "");
    EXPECT_EQ(zormcom::Lauf.kzStroem, 0);
    EXPECT_EQ(P.MinEah, 0.0f);
    ASSERT_EQ(B.BegrLast.n, 2);
    EXPECT_EQ(B.BegrLast.e[1], 0.0f);
    EXPECT_EQ(B.BegrLast.e[2], 0.0f);
    EXPECT_FLOAT_EQ(B.ESumme.e[2], 20.0f);
    EXPECT_EQ(Zeilen("ZORZ3")[2], "20,99");

    // The next stage has its minimum earth pressure again.
    P.AushNr = 2;
    zormb::ErddruckBerechnen();
    EXPECT_FLOAT_EQ(P.MinEah, 0.2f);
}

TEST_F(Erddruckstufe, SuspendedMinimumDoesNotOutliveItsRun) {
    P.EahGeg(1, 0) = 2.0f;
    P.ZEahGeg(1, 2) = 99.0f;
    P.EahGeg(1, 2) = 20.0f;
    StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_EQ(P.MinEah, 0.0f);
    // The run ends with that stage; the project is read back and changed before the next run.
    Projekt();
    P.EahGeg(1, 0) = 0.0f;
    P.MinEah = 0.3f;
    StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_FLOAT_EQ(P.MinEah, 0.3f);
}

TEST_F(Erddruckstufe, SeepagePassPrintsOnlyAnEmptyLineUntilItConverges) {
    P.ZWasserErd = 3.0f;
    P.ZWasserLuft = 6.0f;
    zormcom::AushubSpeichern(1);
    zormcom::Lauf.kzStroem = 1;
    const std::size_t ab = StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_EQ(B.DruckLastfall, 0);
    EXPECT_EQ(Neu(ab), std::vector<std::string>{""});
    EXPECT_EQ(B.SickerKonv, 0);
    // The split at the earth-side water level reaches the statics.
    EXPECT_EQ(Zeilen("ZORZ2")[0], "2");
}

TEST_F(Erddruckstufe, ConvergedSeepagePassUsesTheCorrectedWeightsAndPrintsTheNote) {
    P.ZWasserErd = 3.0f;
    P.ZWasserLuft = 6.0f;
    zormcom::AushubSpeichern(1);
    zormcom::Lauf.kzStroem = 1;
    const std::size_t ab = StufeA();
    // The statics has corrected the buoyant weight behind the wall to 11 kN/m3 and converged.
    {
        std::ofstream f("zorz10", std::ios::binary);
        f << "1,1,8.5,12,.15,-.2\r\n11,9\r\n";
    }
    B.GefaelleErdWirksam = 0.15f;
    B.GefaelleLuftWirksam = -0.2f;
    zormb::ErddruckBerechnen();
    EXPECT_EQ(B.DruckLastfall, 1);
    EXPECT_FLOAT_EQ(B.GefaelleErd, 0.15f);
    EXPECT_FLOAT_EQ(P.SchichtGammaAuftriebAush[1], 9.0f);
    // 5 m: sigma_v = 18 x 3 + 11 x 2 + 10 (the unlimited load) = 86, eah = 86 / 3.
    EXPECT_NEAR(Wert(B.Eah, 5.0f), 86.0f / 3.0f, 0.01f);

    const auto z = Neu(ab);
    const std::string t(12, ' ');
    const std::vector<std::string> hinweis = {
        t + "  Wegen Stömungsdruck wurden die Bodenwichten und die Wasser- ",
        t + "  wichten beider Seiten iterativ geändert. Oberhalb des Bodens",
        t + "  bleibt das Wassergewicht unverändert bei 10 kN/m3 (23.8.2009)",
        t + "  gap´ wird begrenzt auf >= 0,001 = Schwebezustand  ( 1.4.2010)",
        "",
        t + "  Mittleres hydraulisches Gefälle   aktiv    ia =  0.1500",
        t + "                                    passiv   ip = -0.2000",
        t + "  gaa´ = gaa + ia * 10 , gwa´ = ( 1 - ia ) * 10 =  8.50",
        t + "  gap´ = gap + ip * 10 , gwp´ = ( 1 - ip ) * 10 = 12.00",
        "",
        "",
        k13 + "ERDDRUCK (m , kN/m2)     ohne Wasserdruck, ohne Zusatzdruck.",
    };
    ASSERT_GE(z.size(), 5 + hinweis.size());
    for (std::size_t i = 0; i < hinweis.size(); ++i)
        EXPECT_EQ(z[4 + i], hinweis[i]) << i;
}

TEST_F(Erddruckstufe, NearlyEqualWaterLevelsSwitchSeepageOff) {
    P.ZWasserErd = 3.0f;
    P.ZWasserLuft = 3.005f;
    zormcom::AushubSpeichern(1);
    zormcom::Lauf.kzStroem = 1;
    zormcom::Lauf.kzHydGrBr = 1;
    StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_EQ(zormcom::Lauf.kzStroem, 0);
    EXPECT_EQ(zormcom::Lauf.kzHydGrBr, 0);
    EXPECT_EQ(B.DruckLastfall, 1);
}

TEST_F(Erddruckstufe, ChangedWallFrictionKeepsAGivenCoefficient) {
    P.WandreibungStufen = 1;
    P.BeiwerteGegeben = 1;
    P.SchichtKaghVorgabe[1] = 0.25f;
    P.SchichtDeltaANeu[1] = 20.0f;
    P.SchichtDeltaPNeu[1] = -10.0f;
    P.DeltaNeuAushub[1] = 1;
    P.SchichtCa[1] = 5.0f;
    const std::size_t ab = StufeA();
    zormb::ErddruckBerechnen();
    float beta = 0, ka = 0, kp = 0, kac = 0, kpc = 0;
    zormcom::ErddruckBeiwerte(30.0f * kGrad, 0.0f, beta, 20.0f * kGrad, -10.0f * kGrad, ka, kp, kac, kpc);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKagh[1], 0.25f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKach[1], kac);
    EXPECT_FLOAT_EQ(zormcom::Lauf.SchichtKpgh[1], kp);
    EXPECT_EQ(zormcom::Lauf.SchichtKpch[1], 0.0f); // no passive cohesion
    const auto z = Neu(ab);
    ASSERT_GE(z.size(), 7u);
    EXPECT_EQ(z[3], k13 + "         wegen geänderter Wandreibungswinkel :");
    EXPECT_EQ(z[4], std::string(22, ' ') + "Schicht  Höhe   res.k   kach   kpch   kpgh");
    EXPECT_EQ(z[6], k13 + "           1     99.00   0.250" + zorma::ZahlText(kac, 7, 3) + "  0.000" +
                        zorma::ZahlText(kp, 7, 3));
}

// phi 55° with a changed passive wall friction of -55°: no plane passive wedge exists for the
// cohesion coefficient (wedge angle 55° + 36.7° > 90°), so it is carried as 0 and the report says
// so; kpgh comes from the curved slip surfaces (phi above PhiCaq) and needs no note.
TEST_F(Erddruckstufe, ChangedWallFrictionNotesACoefficientThatCannotBeDetermined) {
    P.WandreibungStufen = 1;
    P.SchichtPhi[1] = 55.0f;
    P.PhiCaq = 35.0f;
    P.SchichtCp[1] = 5.0f;
    P.SchichtDeltaANeu[1] = 20.0f;
    P.SchichtDeltaPNeu[1] = -55.0f;
    P.DeltaNeuAushub[1] = 1;
    const std::size_t ab = StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_EQ(zormcom::Lauf.SchichtKpch[1], 0.0f);
    EXPECT_GT(zormcom::Lauf.SchichtKpgh[1], 10.0f);
    const auto z = Neu(ab);
    auto enthaelt = [&](const std::string& t) { return std::find(z.begin(), z.end(), t) != z.end(); };
    EXPECT_TRUE(enthaelt(k13 + "*** Schicht 1: kpch nicht bestimmbar (keine ebene Gleitfläche)"));
    EXPECT_FALSE(enthaelt(k13 + "*** Schicht 1: kpgh nicht bestimmbar (keine ebene Gleitfläche)"));
}

TEST_F(Erddruckstufe, SlopedBottomIsSearchedByTrialPlanesUnlessPassivePointsAreGiven) {
    P.StBx1 = -1.0f;
    P.StBx2 = -3.0f;
    P.StBH = 1.0f;
    zormcom::AushubSpeichern(1);
    StufeA();
    zormb::ErddruckBerechnen();
    auto epp = Zeilen("ZOREPP");
    ASSERT_EQ(epp.size(), 41u);
    EXPECT_EQ(epp[0], "1");
    EXPECT_EQ(epp[1], "39");
    EXPECT_EQ(epp[2], "0,0,0,0");
    EXPECT_EQ(zormcom::Lauf.Eph.n, 38);
    // The layers are as entered again afterwards (degrees).
    EXPECT_FLOAT_EQ(P.SchichtPhi[1], 30.0f);

    P.EphGeg(1, 0) = 1.0f;
    P.TEphGeg(1, 1) = 2.0f;
    P.EphGeg(1, 1) = -100.0f;
    StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_EQ(Zeilen("ZOREPP"), std::vector<std::string>{"0"});
    EXPECT_EQ(zormcom::Lauf.AnzEphGegeben, 1);
    EXPECT_FLOAT_EQ(zormcom::Lauf.EphGegAktZ[1], 6.0f);
    EXPECT_FLOAT_EQ(zormcom::Lauf.EphGegAktE[1], -100.0f);
}

// A stage whose trial planes cannot be searched (the excavation too deep for the depth list) leaves
// "ZOREPP." without a list, not the list of the stage before.
TEST_F(Erddruckstufe, AStageWithoutTrialPlanesLeavesNoListOfTheStageBefore) {
    zortest::Bodenschichten({{120.0f, 30.0f, 18.0f, 10.0f}});
    P.AnzAush = 2;
    for (const auto& [stufe, z] : {std::pair<int16_t, float>{1, 4.0f}, {2, 85.0f}}) {
        Stufe(stufe, z);
        P.StBx1 = -1.0f;
        P.StBx2 = -3.0f;
        P.StBH = 1.0f;
        zormcom::AushubSpeichern(stufe);
    }
    StufeA();
    P.AushNr = 1;
    zormb::ErddruckBerechnen();
    ASSERT_EQ(Zeilen("ZOREPP").size(), 41u);
    P.AushNr = 2;
    zormb::ErddruckBerechnen();
    EXPECT_FLOAT_EQ(P.zAush, 85.0f);
    EXPECT_EQ(Zeilen("ZOREPP"), std::vector<std::string>{"0"});
}

TEST_F(Erddruckstufe, TrialPlanesTakeTheChangedPassiveWallFrictionOfTheEnteredLayer) {
    // Water behind the wall at 2 m splits layer 1 for the active side; the passive search works
    // on the layers as entered and must give each one its own changed angle.
    P.AnzErd = 2;
    P.SchichtDicke[1] = 3.0f;
    P.SchichtDicke[2] = 10.0f;
    P.SchichtPhi[2] = 35.0f;
    P.SchichtGamma[2] = P.SchichtGammaAush[2] = 19.0f;
    P.SchichtGammaAuftrieb[2] = P.SchichtGammaAuftriebAush[2] = 11.0f;
    P.SchichtEI[2] = 50.0f;
    P.WandreibungStufen = 1;
    P.SchichtDeltaANeu[1] = 10.0f;
    P.SchichtDeltaPNeu[1] = -5.0f;
    P.SchichtDeltaANeu[2] = 20.0f;
    P.SchichtDeltaPNeu[2] = -15.0f;
    P.DeltaNeuAushub[1] = 1;
    P.ZWasserErd = 2.0f;
    P.StBx1 = -1.0f;
    P.StBx2 = -3.0f;
    P.StBH = 1.0f;
    zormcom::AushubSpeichern(1);
    StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_EQ(Zeilen("ZORZ2")[0], "3");
    EXPECT_EQ(Zeilen("ZOREPP")[0], "1");
    EXPECT_NEAR(zormb::Keil.DeltaP[2], -5.0f * kGrad, 1e-6f);
    EXPECT_NEAR(zormb::Keil.DeltaP[3], -15.0f * kGrad, 1e-6f);
}

TEST_F(Erddruckstufe, ExampleCantileverSheetPileWallWithPartialFactors) {
    // Two layers: 1.5 m phi 30 / deltaA 20 (Kagh 0.2794), then phi 32.5 / deltaA 21.67 (Kagh 0.2506);
    // 10 kN/m2 from the wall to infinity; BS-T: gamG 1.20. eah = 1.2 sigma_v Kagh:
    // 0 m: 1.2 x 10 x 0.2794 = 3.35; 1.5 m: 1.2 x 37 x 0.2794 = 12.40 above, x 0.2506 = 11.13 below;
    // 99 m: 1.2 x (37 + 97.5 x 19) x 0.2506 = 568.3.
    ASSERT_TRUE(Beispiel("Spundwand_frei"));
    ASSERT_EQ(P.TeilsicherheitenAn, 1);
    const std::size_t ab = StufeA();
    zormb::ErddruckBerechnen();
    const auto z = Neu(ab);
    const std::vector<std::string> soll = {
        k13 + std::string(64, '-'),
        k13 + "         LASTFALL  1  AUSHUB  1",
        k13 + std::string(64, '-'),
        "",
        "",
        k13 + "ERDDRUCK (m , kN/m2)     ohne Wasserdruck, ohne Zusatzdruck.",
        k13 + "(Bemessungswerte nach Grenzzustand GZ STR mit gamG = 1.20",
        std::string(44, ' ') + " gamE0g = 1.10 gamQ = 1.30)",
        k13 + std::string(64, '-'),
        k22 + "Kote  z         eh-Summe        eh-Boden     eh-Auflast",
        k22 + "                           +  großfl. L.   begrenzte L.",
        "                         0.00             0.00            0.00           0.00",
        "                         0.00             0.00            0.00           0.00",
        "                         0.00             3.35            3.35           0.00",
        "                         1.50            12.40           12.40           0.00",
        "                         1.50            11.13           11.13           0.00",
    };
    ASSERT_EQ(z.size(), soll.size() + 3);
    for (std::size_t k = 0; k < soll.size(); ++k)
        EXPECT_EQ(z[k], soll[k]) << k;
    EXPECT_EQ(z[soll.size()].substr(0, 29), "                        99.00");
    EXPECT_NEAR(std::stof(z[soll.size()].substr(29, 17)), 568.3f, 0.02f);
    EXPECT_EQ(z[soll.size() + 1], "");
    EXPECT_EQ(z[soll.size() + 2], "");
    EXPECT_EQ(zormcom::Lauf.DateiEndung, "11");
}

TEST_F(Erddruckstufe, SectionUsesTheSystemsDecimalSeparator) {
    ASSERT_TRUE(Beispiel("Spundwand_frei"));
    vb::SetDecimalSeparator(',');
    const std::size_t ab = StufeA();
    zormb::ErddruckBerechnen();
    const auto z = Neu(ab);
    ASSERT_GE(z.size(), 15u);
    EXPECT_EQ(z[6], k13 + "(Bemessungswerte nach Grenzzustand GZ STR mit gamG = 1,20");
    EXPECT_EQ(z[7], std::string(44, ' ') + " gamE0g = 1,10 gamQ = 1,30)");
    EXPECT_EQ(z[14], "                         1,50            12,40           12,40           0,00");
    // The hand-over files keep the point.
    const std::string z3 = Zeilen("ZORZ3")[4];
    EXPECT_EQ(z3.substr(0, 6), "12.404") << z3;
    EXPECT_EQ(z3.substr(z3.size() - 4), ",1.5") << z3;
}

TEST_F(Erddruckstufe, ExampleAnchoredSoldierPileWallWithAStripLoadOverTwoLayers) {
    // Layers 2 m phi 30 / deltaA 20 (Kagh 0.2794), 4.5 m phi 35 / deltaA 23.33 (Kagh 0.2244), then
    // phi 27.5 / deltaA 18.33 / c 10; 10 kN/m2 from the wall to infinity and a strip load of
    // 30 kN/m2 from 1 to 3 m, wholly variable; BS-T (gamG 1.20, gamQ 1.30).
    // Strip: z1 = tan30 = 0.577; the 60 degree line from x = 3 leaves layer 1 at 2 m after
    // 2 / tan60 = 1.155 m, the remaining 1.845 m at 62.5 degrees end at z3 = 5.545 m.
    // Means over 0.577..5.545: phi 33.568, deltaA 22.376; theta = 61.784;
    // dE = 60 sin 28.216 cos 22.376 / cos 5.840 = 26.369; e = 1.3 x 26.369 / 4.968 = 6.90.
    ASSERT_TRUE(Beispiel("Traegerbohlwand_verankert"));
    const std::size_t ab = StufeA();
    zormb::ErddruckBerechnen();
    EXPECT_NEAR(Wert(B.BegrLast, 3.0f), 6.9008f, 0.002f);
    EXPECT_NEAR(Wert(B.BegrLast, 5.6f), 0.0f, 1e-6f);
    EXPECT_NEAR(Wert(B.BegrLast, 0.5f), 0.0f, 1e-6f);
    const auto z = Neu(ab);
    const std::vector<std::string> soll = {
        // 0.577 m: 1.2 x (10 + 18 x 0.577) x 0.2794 = 6.84, the strip load begins.
        "                         0.58             6.84            6.84           0.00",
        "                         0.58            13.74            6.84           6.90",
        // 2 m: 1.2 x 46 x 0.2794 = 15.42 above, x 0.2244 = 12.39 below.
        "                         2.00            22.32           15.42           6.90",
        "                         2.00            19.29           12.39           6.90",
        // 5.545 m: 1.2 x (46 + 19 x 3.545) x 0.2244 = 30.53, the strip load ends.
        "                         5.54            37.43           30.53           6.90",
        "                         5.54            30.53           30.53           0.00",
        // 6.5 m: 1.2 x 131.5 x 0.2244 = 35.41 above the cohesive layer.
        "                         6.50            35.41           35.41           0.00",
    };
    const auto a = std::find(z.begin(), z.end(), soll[0]);
    ASSERT_NE(a, z.end());
    ASSERT_GE(z.end() - a, static_cast<long>(soll.size()));
    for (std::size_t k = 0; k < soll.size(); ++k)
        EXPECT_EQ(a[static_cast<long>(k)], soll[k]) << k;
}

TEST_F(Erddruckstufe, ExampleDiaphragmWallWithGroundWaterAtRestShareAndAStripFoundation) {
    // Load case 2, stage 1: water 3.0 m on both sides (inside layer 2: split), 25 % at rest, BS-T,
    // 10 kN/m2 unlimited and a strip foundation 80 kN/m2 from 3 to 15 m at 2.5 m, wholly at rest
    // (Froehlich, nu = 4: e = p / 4 (sin^3 thetaE - sin^3 thetaA)) and permanent.
    ASSERT_TRUE(Beispiel("Schlitzwand_gesteift_GW"));
    StufeA();
    P.AushNr = 1;
    P.LFNr = 2;
    zormb::ErddruckBerechnen();
    EXPECT_EQ(zormcom::Lauf.DateiEndung, "12");
    EXPECT_EQ(Zeilen("ZORZ2")[0], "5");
    EXPECT_EQ(zormcom::Lauf.kzStroem, 0);

    const auto punkt = [](float z) {
        for (int k = 1; k <= B.ESumme.n; ++k)
            if (std::fabs(B.ESumme.z[k] - z) < 1e-4f) return k;
        return 0;
    };
    // 5.5 m, layer phi 35 / deltaA 23.33 (Kagh 0.2244, K0 0.4264), below the water table:
    // sigma_v = 10 + 2 x 18 + 1 x 19 + 2.5 x 11 = 92.5;
    // eah = 1.2 x 0.75 x 0.2244 x 92.5 + 1.1 x 0.25 x 0.4264 x 92.5 = 29.53.
    // Strip foundation 3 m above: thetaA = 45 deg, thetaE = atan 5; 1.2 x 20 x (0.9428 - 0.3536) = 14.14.
    int k = punkt(5.5f);
    ASSERT_GT(k, 0);
    EXPECT_NEAR(B.ESumme.e[k] - B.BegrLast.e[k], 29.53f, 0.02f);
    EXPECT_NEAR(B.BegrLast.e[k], 14.142f, 0.005f);
    // 10 m, cohesive layer phi 22.5 / deltaA 15 / c 15 (Kagh 0.3839, Kach 1.1094):
    // sigma_v = 10 + 36 + 19 + 55 + 20 = 140; eah = 1.2 (0.75 x 0.3839 x 140 - 0.75 x 15 x 1.1094)
    // + 1.1 x 0.25 x 0.6173 x 140 = 57.16; strip 7.5 m above: 1.2 x 20 x (0.7155 - 0.0512) = 15.94.
    k = punkt(10.0f);
    ASSERT_GT(k, 0);
    EXPECT_NEAR(B.ESumme.e[k] - B.BegrLast.e[k], 57.16f, 0.03f);
    EXPECT_NEAR(B.BegrLast.e[k], 15.943f, 0.005f);
    // Above the foundation level the strip load adds nothing.
    k = punkt(2.5f);
    ASSERT_GT(k, 0);
    EXPECT_NEAR(B.BegrLast.e[k], 0.0f, 1e-5f);
}

} // namespace

namespace {

// Every load case and stage of the example projects, in the order of a run: the stage must come
// through each of them, and its earth-pressure sum must keep the list contract (from the wall head
// down to depth 99, depths not decreasing).
TEST_F(Erddruckstufe, EveryLoadCaseAndStageOfTheExamplesComesThrough) {
    for (const std::string name :
         {"Spundwand_frei", "Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW"}) {
        ASSERT_TRUE(Beispiel(name)) << name;
        StufeA();
        ASSERT_GE(P.AnzLF, 1) << name;
        ASSERT_GE(P.AnzAush, 1) << name;
        const int anzLF = P.AnzLF, anzAush = P.AnzAush;
        for (int lf = 1; lf <= anzLF; ++lf) {
            for (int a = 1; a <= anzAush; ++a) {
                P.LFNr = static_cast<int16_t>(lf);
                P.AushNr = static_cast<int16_t>(a);
                ASSERT_NO_THROW(zormb::ErddruckBerechnen()) << name << " LF " << lf << " Aushub " << a;
                EXPECT_EQ(zormcom::Lauf.DateiEndung, std::to_string(10 * a + lf)) << name;
                const int n = B.ESumme.n;
                ASSERT_GE(n, 2) << name << " LF " << lf << " Aushub " << a;
                EXPECT_FLOAT_EQ(B.ESumme.z[1], 0.0f) << name << " LF " << lf << " Aushub " << a;
                EXPECT_FLOAT_EQ(B.ESumme.z[n], 99.0f) << name << " LF " << lf << " Aushub " << a;
                for (int k = 1; k < n; ++k)
                    ASSERT_LE(B.ESumme.z[k], B.ESumme.z[k + 1]) << name << " LF " << lf << " Aushub " << a;
            }
        }
    }
}

} // namespace
