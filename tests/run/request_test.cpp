// "Berechnung starten" and the run loop, driven with stand-in stages on the example projects.
#include "tests/run/request_fixture.h"
#include "tests/support/other_instance_lock.h"

#include <limits>
#include <cmath>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "frame/run_status.h"
#include "run/frmAuswahl.h"

namespace runtest {
namespace {

using zorrun::Anfrageausgang;

// ---------------------------------------------------------------------------- loads off support levels

struct Verschiebung {
    float last;
    std::vector<float> auflager;
    float erwartet;
};

TEST_F(Anfrage, WallLoadsMoveOffSupportLevelsInStepsOfFiveMillimetres) {
    const Verschiebung faelle[] = {
        {3.000f, {3.000f}, 3.005f},         // on the support
        {3.000f, {3.002f}, 3.010f},         // 3.005 is still 3 mm away: a second pass
        {3.006f, {3.000f}, 3.006f},         // 6 mm below
        {2.994f, {3.000f}, 2.994f},         // 6 mm above
        {3.000f, {3.000f, 3.004f}, 3.010f}, // the first move brings it near the next level
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.last);
        ResetProjectData();
        P.AnzAush = 2;
        for (std::size_t k = 0; k < f.auflager.size(); ++k)
            P.Aushubstufen[static_cast<size_t>(static_cast<int>(k) + 1)].ZAnker[1] =
                f.auflager[k]; // one support row in each stage
        P.AnzLF = 2;
        P.AnzLastLuftLF[2] = 1;
        P.LuftLastZ(2, 1) = f.last;
        EXPECT_TRUE(zorrun::LastenVerschieben());
        EXPECT_NEAR(P.LuftLastZ(2, 1), f.erwartet, 2e-6);
    }
}

// A wall load on a support level: every run calculates it at least 5 mm below the level; the project keeps
// the level the user gave, also when the request ends before its runs.
TEST_F(Anfrage, TheRunsCalculateAMovedWallLoadAndTheProjectKeepsTheUsersLevel) {
    Beispiel("Traegerbohlwand_verankert");
    Platzhalterstufen();
    P.TeilsicherheitenAn = 0; // two runs
    P.RuheProz = 50.0f;
    Sicherheiten::SicherheitsbeiwerteSetzen();
    ASSERT_GE(P.AnzAnkerGesamt, 1);
    const float z = P.ZAuflager[1];
    P.AnzLastLuftLF[1] = 1;
    P.LuftLastZ(1, 1) = z;
    float verschoben = z; // steps of 5 mm until the distance in single precision is 5 mm or more
    while (std::fabs(verschoben - z) < 0.005f)
        verschoben += 0.005f;
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    ASSERT_EQ(laeufe.size(), 2u);
    for (const ProjectData& l : laeufe)
        EXPECT_EQ(l.LuftLastZ(1, 1), verschoben);
    EXPECT_EQ(P.LuftLastZ(1, 1), z);

    laeufe.clear();
    P.AnzLF = 0; // the request ends before its runs
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    EXPECT_TRUE(laeufe.empty());
    EXPECT_EQ(P.LuftLastZ(1, 1), z);
}

TEST_F(Anfrage, ALoadTooDeepToBeMovedIsToldAndNoRunStarts) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    P.Aushubstufen[1].ZAnker[1] = 200000.0f; // a damaged file: at this level 0.005 m is below a single's step
    P.AnzLastLuftLF[1] = 1;
    P.LuftLastZ(1, 1) = 200000.0f;
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    EXPECT_TRUE(laeufe.empty());
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("Wandlast 1 des Lastfalls 1"), std::string::npos);
    EXPECT_EQ(P.LuftLastZ(1, 1), 200000.0f);
}

// ---------------------------------------------------------------------------- requests that make no run

TEST_F(Anfrage, ChangedSupportLevelsOpenTheAnchorPageAndNothingIsSaved) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    const std::string vorher = vb::ReadFileBytes(P.GanzerName);
    P.Aushubstufen[1].ZAnker[1] = 2.0f; // a support in the stage the anchor table does not know yet
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    EXPECT_TRUE(Aufgerufen("AnkerDialogLaden"));
    EXPECT_TRUE(laeufe.empty());
    EXPECT_EQ(P.AnzAnkerGesamt, 1);
    EXPECT_FALSE(vb::FileExists("WEXASAVE"));
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerName), vorher);
}

TEST_F(Anfrage, AProjectWithoutLoadCaseBeepsAndOffersOnlyTheLoadCases) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    P.AnzLF = 0;
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    EXPECT_EQ(vb::headless::BeepCount(), 1);
    EXPECT_TRUE(Aufgerufen("LastfallFokus"));
    EXPECT_TRUE(knoepfe["cmdOK"]);
    EXPECT_TRUE(knoepfe["cmdStart"]);
    EXPECT_FALSE(knoepfe["cmdEnd"]);
    EXPECT_FALSE(sanduhr);
    EXPECT_TRUE(laeufe.empty());
}

TEST_F(Anfrage, AProfileOfTheWrongWallKindAsksAndNoSwitchesTheDesignOff) {
    Beispiel("Spundwand_frei"); // a sheet pile wall
    Platzhalterstufen();
    P.BemessungEin = 1;
    P.ProfilName = "  IPB 300 TBW ";
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    ASSERT_FALSE(vb::headless::Log().empty());
    const auto& box = vb::headless::Log()[0];
    EXPECT_EQ(box.prompt, "Das bisher ausgewählte Profil paßt\r\nnicht zum Wandtyp (Spundwand).\r\n\r"
                          "Wollen Sie ein neues Profil einlesen ?\r\n");
    EXPECT_EQ(box.buttons, vb::vbYesNo | vb::vbDefaultButton2 | vb::vbExclamation);
    EXPECT_EQ(box.title, "");
    EXPECT_EQ(box.answer, vb::vbNo);
    ASSERT_EQ(laeufe.size(), 1u);
    EXPECT_EQ(laeufe[0].BemessungEin, 0);
}

TEST_F(Anfrage, AProfileOfTheWrongWallKindWithYesOpensTheProfileList) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    P.BemessungEin = 1;
    P.ProfilName = "IPB 300 TBW";
    vb::headless::QueueAnswer(vb::vbYes);
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    EXPECT_TRUE(Aufgerufen("ProfilListeLaden"));
    EXPECT_TRUE(laeufe.empty());
    EXPECT_FALSE(sanduhr);
    EXPECT_FALSE(knoepfe["cmdStart"]); // the profile list enables it when it loads
}

TEST_F(Anfrage, AReportWindowThatIsPrintingKeepsTheRequestFromRunning) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    zorrun::Fenster().ErgebnisFensterEntladen = [] { return false; };
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    EXPECT_TRUE(laeufe.empty());
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("gedruckt"), std::string::npos);
    ErwarteFreigegeben();
}

// ---------------------------------------------------------------------------- factors and runs

struct Global {
    int16_t erddruckart;
    float ruhe;
    std::vector<std::pair<int16_t, float>> laeufe; // ErsterLauf and RuheProz of each run
};

TEST_F(Anfrage, GlobalSafetyMakesTwoRunsOnlyWithAnAtRestShareOfActivePressure) {
    const Global faelle[] = {
        {1, 50.0f, {{1, 0.0f}, {0, 50.0f}}},
        {1, 0.0f, {{1, 0.0f}}},
        {2, 100.0f, {{1, 100.0f}}},
        {2, 0.0f, {{1, 0.0f}}}, // pure at-rest pressure without share or slip circle: still one run
    };
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    P.TeilsicherheitenAn = 0;
    Sicherheiten::SicherheitsbeiwerteSetzen();
    const ProjectData projekt = P;
    for (const Global& g : faelle) {
        SCOPED_TRACE(g.erddruckart * 1000 + static_cast<int>(g.ruhe));
        P = projekt;
        laeufe.clear();
        vorgaben.clear();
        P.Erddruckart = g.erddruckart;
        P.RuheProz = g.ruhe;
        P.GelaendebruchEin = 0;
        P.Etap = 1.5f;
        EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
        ASSERT_EQ(laeufe.size(), g.laeufe.size());
        for (std::size_t k = 0; k < laeufe.size(); ++k) {
            EXPECT_EQ(vorgaben[k].ErsterLauf, g.laeufe[k].first);
            EXPECT_EQ(laeufe[k].RuheProz, g.laeufe[k].second);
            EXPECT_EQ(vorgaben[k].Etap2, 2.0f); // 2 x 1.5 / 1.5
            EXPECT_EQ(vorgaben[k].gamS_Stahl, 1.0f);
        }
        EXPECT_EQ(P.RuheProz, g.ruhe); // the project keeps its share
    }
}

TEST_F(Anfrage, PartialFactorsOfBsTWithAnAtRestShareRaiseTheRunFactors) {
    Beispiel("Traegerbohlwand_verankert");
    Platzhalterstufen();
    ASSERT_EQ(P.Bemessungssituation, 2);
    P.RuheProz = 40.0f;
    P.BetonKlasse = 125.0f;
    const float etap = P.Etap;
    ASSERT_NE(etap, 1.3f);
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    ASSERT_EQ(laeufe.size(), 1u);
    const ProjectData& l = laeufe[0];
    const zormcom::Laufvorgaben& v = vorgaben[0];
    EXPECT_FLOAT_EQ(v.gamEWirk, 1.26f);   // 1.2 + 0.15 x 0.4
    EXPECT_FLOAT_EQ(v.gamReWirk, 1.34f);  // 1.3 + 0.1 x 0.4
    EXPECT_FLOAT_EQ(v.gamPhiWirk, 1.19f); // 1.15 + 0.1 x 0.4
    EXPECT_FLOAT_EQ(v.gamCWirk, 1.19f);
    EXPECT_EQ(l.Etap, 1.3f);
    EXPECT_EQ(v.ErsterLauf, 1);
    EXPECT_EQ(v.gamS_Stahl, 1.15f);
    EXPECT_EQ(v.fck, 25.0f);
    EXPECT_FLOAT_EQ(v.fcd, 0.85f * 25.0f / 1.5f);
    EXPECT_EQ(P.Etap, etap); // the run's factor stayed with the run; the project keeps its own
}

TEST_F(Anfrage, PartialFactorsOfBsPTakeTheTableFactorsAndAReducedResistanceReplacesGamRe) {
    Beispiel("Traegerbohlwand_verankert");
    Platzhalterstufen();
    P.Bemessungssituation = 1;
    P.kzRered = 1;
    Sicherheiten::SicherheitsbeiwerteSetzen();
    P.RuheProz = 40.0f;
    const float gamRe = P.gamRe;
    ASSERT_NE(gamRe, 1.20f);
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    ASSERT_EQ(laeufe.size(), 1u);
    EXPECT_EQ(vorgaben[0].gamEWirk, 1.35f);
    EXPECT_EQ(vorgaben[0].gamReWirk, 1.20f); // gamRered of E 215 in BS-P
    EXPECT_EQ(laeufe[0].Etap, 1.20f);
    EXPECT_EQ(vorgaben[0].gamPhiWirk, 1.25f);
    EXPECT_EQ(laeufe[0].gamRe, 1.20f);
    EXPECT_EQ(P.gamRe, gamRe); // the reduced factor was the run's
}

// The project after a request is the one saved before the runs, whatever the runs changed in it: the layer
// angle stage a turned into radians, the current load case and stage it stepped. A project entered anew
// counts as read afterwards, and the page numbering of the printouts starts again at the start page.
TEST_F(Anfrage, AfterTheRequestTheProjectIsTheSavedOneCountedAsReadWithThePagesFromTheStart) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    P.DatenGelesen = 0;
    P.StartSeite = 3;
    P.SeitenNr = 12; // as a printout left it
    const float phi = P.SchichtPhi[1];
    const int16_t aushub = P.AushNr, lastfall = P.LFNr;
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    ASSERT_EQ(laeufe.size(), 1u);
    EXPECT_EQ(P.SchichtPhi[1], phi); // in degrees (the stand-in of stage a turned it into radians)
    EXPECT_EQ(P.AushNr, aushub);
    EXPECT_EQ(P.LFNr, lastfall);
    EXPECT_EQ(P.DatenGelesen, -1);
    EXPECT_EQ(P.SeitenNr, 3);
}

// "Berechnung starten" pressed again while the pictures of the request wait: the sequence ends, the request
// that showed them returns, and only then the new request runs. Pressed while nothing waits: refused.
TEST_F(Anfrage, ARequestWhileThePicturesWaitRunsAfterTheWaitEnds) {
    Beispiel("Traegerbohlwand_verankert");
    Platzhalterstufen();
    std::vector<Anfrageausgang> innen;
    int bilder = 0;
    zorrun::Fenster().GrafikFensterLaden = [&] {
        fenster.push_back("GrafikFensterLaden");
        if (++bilder > 1) return;
        for (bool warten : {false, true}) {
            bilderWarten = warten;
            const std::size_t laeufeVorher = laeufe.size();
            innen.push_back(zorrun::cmdStart_Click());
            EXPECT_EQ(laeufe.size(), laeufeVorher); // nothing runs inside the wait
        }
    };
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    EXPECT_EQ(innen, (std::vector<Anfrageausgang>{Anfrageausgang::KeinLauf, Anfrageausgang::KeinLauf}));
    EXPECT_EQ(bilder, 2); // the second request ran to its pictures
    EXPECT_EQ(laeufe.size(), 2u);
    EXPECT_FALSE(zorrun::AnfrageLaeuft());
    bilderWarten = true; // a later request with nothing running is not repeated
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    EXPECT_EQ(bilder, 3);
}

TEST_F(Anfrage, ALayerWithUnitWeightOfAtMostOneTenthBecomesEmpty) {
    Beispiel("Traegerbohlwand_verankert");
    Platzhalterstufen();
    P.SchichtGamma[1] = 0.1f;
    P.SchichtGammaAuftrieb[1] = 0.05f;
    P.SchichtGamma[2] = 0.11f;
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    ASSERT_EQ(laeufe.size(), 1u);
    EXPECT_EQ(laeufe[0].SchichtGamma[1], 0.0f);
    EXPECT_EQ(laeufe[0].SchichtGammaAuftrieb[1], 0.0f);
    EXPECT_EQ(laeufe[0].SchichtGamma[2], 0.11f);
    EXPECT_EQ(P.SchichtGamma[1], 0.0f); // saved so
}

TEST_F(Anfrage, TheLoopVisitsStagesWithinLoadCasesAndTheResultsLandBesideTheProjectFile) {
    Beispiel("Traegerbohlwand_verankert");
    Platzhalterstufen();
    ASSERT_EQ(P.AnzLF, 2);
    ASSERT_EQ(P.AnzAush, 3);
    vb::WriteFileBytes("LPTZW", "Bericht\r\n");
    vb::WriteFileBytes(P.GanzerName + ".gl2", "alt\r\n"); // no new one: the old one stays
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    const std::vector<std::pair<int, int>> folge{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}};
    EXPECT_EQ(besucht, folge);
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerName), vb::ReadFileBytes("WEXASAVE"));
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerName + ".gl1"), vb::ReadFileBytes("wexasave.GL1"));
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerName + ".gl2"), "alt\r\n");
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerNameOhneExt + ".AUS"), "Bericht\r\n");
    EXPECT_TRUE(vb::headless::Log().empty());
    ErwarteFreigegeben();
    EXPECT_TRUE(Aufgerufen("EndeFokus"));
    EXPECT_TRUE(Aufgerufen("GrafikFensterLaden"));
    EXPECT_EQ(P.SchichtPhi[1], laeufe[0].SchichtPhi[1]); // degrees again
    EXPECT_FALSE(zorrun::AnfrageLaeuft());
}

TEST_F(Anfrage, AStaticsAnswerOfBRepeatsEarthPressureAndStaticsOfTheSameStage) {
    Beispiel("Traegerbohlwand_verankert");
    Platzhalterstufen();
    int statik = 0;
    zorrun::Stufen().WandStatik = [&](zor::Laufstatus& status) {
        ++statik;
        status = (P.LFNr == 1 && P.AushNr == 2 && statik <= 4) ? zor::Laufstatus::Nochmal
                                                               : zor::Laufstatus::Weiter;
    };
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    // Calls 2, 3 and 4 of the statics answer "B" in stage 2 of load case 1: three repetitions.
    const std::vector<std::pair<int, int>> folge{{1, 1}, {1, 2}, {1, 2}, {1, 2}, {1, 2},
                                                 {1, 3}, {2, 1}, {2, 2}, {2, 3}};
    EXPECT_EQ(besucht, folge);
    EXPECT_EQ(statik, 9);
}

TEST_F(Anfrage, ASlipCircleInputThatCannotBeCopiedIsToldAndTheRequestGoesOn) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    vb::WriteFileBytes("LPTZW", "Bericht\r\n");
    fs::create_directory(P.GanzerName + ".gl1"); // in the way of the copy
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("WEXASAVE.gl1"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(P.GanzerName + ".gl1"));
    EXPECT_TRUE(Aufgerufen("BerichtFensterZeigen"));
    ErwarteFreigegeben();
}

// The run writes one, the other or none of the two slip-circle inputs.
struct Kreisdateien {
    bool gl1, gl2;
};
class FehlendeKreisdatei : public Anfrage, public ::testing::WithParamInterface<Kreisdateien> {};

TEST_P(FehlendeKreisdatei, IsSkippedQuietlyAndTheOtherFilesAreCopied) {
    const Kreisdateien f = GetParam();
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    vb::WriteFileBytes("LPTZW", "Bericht\r\n");
    zorrun::Stufen().Nachweise = [f](zor::Laufstatus& status) {
        zorrun::NachweisePlatzhalter(status);
        if (status != zor::Laufstatus::Ende) return;
        // The end of the run leaves its slip-circle inputs, or not.
        if (f.gl1)
            vb::WriteFileBytes("wexasave.GL1", "Kreis 1\r\n");
        else
            vb::Kill("wexasave.GL1");
        if (f.gl2) vb::WriteFileBytes("wexasave.gl2", "Kreis 2\r\n");
    };
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    // Nobody is asked anything; what is there lies beside the project, what is missing is not.
    EXPECT_TRUE(vb::headless::Log().empty());
    EXPECT_EQ(vb::FileExists(P.GanzerName + ".gl1"), f.gl1);
    EXPECT_EQ(vb::FileExists(P.GanzerName + ".gl2"), f.gl2);
    if (f.gl1) {
        EXPECT_EQ(vb::ReadFileBytes(P.GanzerName + ".gl1"), "Kreis 1\r\n");
    }
    if (f.gl2) {
        EXPECT_EQ(vb::ReadFileBytes(P.GanzerName + ".gl2"), "Kreis 2\r\n");
    }
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerName), vb::ReadFileBytes("WEXASAVE"));
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerName + ".AUS"), "Bericht\r\n");
    EXPECT_TRUE(Aufgerufen("BerichtFensterZeigen"));
    ErwarteFreigegeben();
}

INSTANTIATE_TEST_SUITE_P(Anfrage, FehlendeKreisdatei,
                         ::testing::Values(Kreisdateien{false, true}, Kreisdateien{true, false},
                                           Kreisdateien{false, false}));

TEST_F(Anfrage, OldResultFilesGoBeforeTheRunsSoAStopAtTheWallFootCopiesNoStaleSlipCircleInput) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    for (const char* alt : {"wexasave.GL1", "ANKMAX.-12", "ZOREwid.11", "ZOREwidVerw.11", "DOVUDUvozud.11",
                            "zorglfr", "ZOReP0.11"})
        vb::WriteFileBytes(alt, "alt");
    vb::WriteFileBytes("DIDUVU.ERG", "alt");
    // The verification stops at once at the wall-foot check: marker, "ENDE", nothing stepped.
    zorrun::Stufen().Nachweise = [](zor::Laufstatus& status) {
        vb::WriteFileBytes("ZORDENDE.DOS", "\"ENDE\"\r\n");
        status = zor::Laufstatus::Ende;
    };
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::WandfussOberhalb);
    for (const char* alt : {"wexasave.GL1", "ANKMAX.-12", "ZOREwid.11", "ZOREwidVerw.11", "DOVUDUvozud.11",
                            "zorglfr", "ZOReP0.11"})
        EXPECT_FALSE(vb::FileExists(alt)) << alt;
    EXPECT_EQ(vb::FileLen("DIDUVU.ERG"), 0);
    EXPECT_FALSE(vb::FileExists(P.GanzerName + ".gl1"));
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerName), vb::ReadFileBytes("WEXASAVE"));
}

TEST_F(Anfrage, TheSlipCircleArraysAreThereAndEmptyWhenARunStarts) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    Zormg::Z().PunktX.at(5) = 3.0f; // left by an earlier run
    std::size_t punkte = 0;
    float alt = -1.0f;
    zorrun::Stufen().ErddruckBerechnen = [&] {
        punkte = Zormg::Z().PunktX.size();
        alt = Zormg::Z().PunktX.at(5);
    };
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    EXPECT_EQ(punkte, 151u);
    EXPECT_EQ(alt, 0.0f);
}

TEST_F(Anfrage, TheRequestCountsAsRunningUntilItEndsAndASecondOneIsRefused) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    bool waehrend = false;
    Anfrageausgang zweite = Anfrageausgang::Fertig;
    zorrun::Stufen().ErddruckBerechnen = [&] {
        waehrend = zorrun::AnfrageLaeuft();
        zweite = zorrun::cmdStart_Click();
    };
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
    EXPECT_TRUE(waehrend);
    EXPECT_EQ(zweite, Anfrageausgang::KeinLauf);
    EXPECT_FALSE(zorrun::AnfrageLaeuft());
}

// A project named as a working file of the run, in the working folder, and a project another process
// holds: the request says why and writes nothing, not even the working copy; the project file stays.
TEST_F(Anfrage, NoRunForAProjectTheRunWouldOverwriteOrAnotherProcessHolds) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    const std::string datei = vb::ReadFileBytes(P.GanzerName);
    vb::WriteFileBytes("LPTZW", datei);
    const std::string ganz = P.GanzerName;
    P.GanzerName = (fs::current_path() / "lptzw.").string();
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    ASSERT_FALSE(vb::headless::Log().empty());
    EXPECT_NE(vb::headless::Log().back().prompt.find("kann nicht als Projektdatei dienen"), std::string::npos);
    EXPECT_EQ(vb::ReadFileBytes("LPTZW"), datei);
    for (const char* n : {"WEXASAVE", "DIDUVU.ERG"})
        EXPECT_FALSE(vb::FileExists(n)) << n;

    P.GanzerName = ganz;
    vb::headless::Reset();
    zortest::FremdeSperre andere(ganz);
    ASSERT_TRUE(andere.Gehalten());
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    ASSERT_FALSE(vb::headless::Log().empty());
    EXPECT_NE(vb::headless::Log().back().prompt.find("wird gerade von einem anderen Programm bearbeitet"),
              std::string::npos);
    EXPECT_EQ(vb::ReadFileBytes(ganz), datei);
    for (const char* n : {"WEXASAVE", "DIDUVU.ERG"})
        EXPECT_FALSE(vb::FileExists(n)) << n;
    andere.Freigeben();
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Fertig);
}

// ---------------------------------------------------------------------------- abandoned runs

struct Stoerung {
    const char* name;
    std::function<void(zorrun::Laufstufen&)> einbauen;
    const char* meldung; // part of the box text
};

TEST_F(Anfrage, AnAbandonedRunLeavesProjectFileAndDataAsSavedAndTellsTheUser) {
    const Stoerung faelle[] = {
        {"stage a refuses",
         [](zorrun::Laufstufen& s) {
             s.EingabeAuswerten = [] {
                 P.SchichtPhi[1] *= P.GradZuRad;
                 throw zor::CalcAbort("Die Berechnung ist nicht möglich: Eingabe");
             };
         },
         "nicht möglich: Eingabe"},
        {"no end marker after stage a", [](zorrun::Laufstufen& s) { s.EingabeAuswerten = [] {}; },
         "\"ZORDENDE.DOS\" nicht geschrieben"},
        {"statics STOP",
         [](zorrun::Laufstufen& s) {
             s.WandStatik = [](zor::Laufstatus& status) {
                 vb::MsgBox("System ist kinematisch");
                 status = zor::Laufstatus::Stop;
             };
         },
         "System ist kinematisch"},
        {"statics B for ever",
         [](zorrun::Laufstufen& s) {
             s.WandStatik = [](zor::Laufstatus& st) { st = zor::Laufstatus::Nochmal; };
         },
         "Statik im Lastfall 1, Aushubzustand 1 wurde 100-mal wiederholt"},
        {"verifications B for ever",
         [](zorrun::Laufstufen& s) {
             s.Nachweise = [](zor::Laufstatus& st) { st = zor::Laufstatus::Nochmal; };
         },
         "nach 1 Aufrufen (Lastfälle x Aushubzustände) nicht abgeschlossen; zuletzt Lastfall 1, "
         "Aushubzustand 1"},
        {"earth pressure fails",
         [](zorrun::Laufstufen& s) { s.ErddruckBerechnen = [] { throw vb::RuntimeError(9, "Index"); }; },
         "Unerwarteter Fehler im Lastfall 1, Aushubzustand 1"},
        // A limit of the statics says where it was met.
        {"statics beyond its limit",
         [](zorrun::Laufstufen& s) {
             s.WandStatik = [](zor::Laufstatus&) {
                 throw zor::CalcAbort("Ein Lastbild der Statik braucht mehr als 250 Punkte.");
             };
         },
         "mehr als 250 Punkte.\r\n\r\n(im Lastfall 1, Aushubzustand 1)"},
        // The design runs once the verification stage has passed the last load case: the message names
        // that place, not a load case the project does not have.
        {"design fails after the last load case",
         [](zorrun::Laufstufen& s) {
             s.Nachweise = [](zor::Laufstatus&) {
                 P.LFNr = static_cast<int16_t>(P.AnzLF + 1);
                 P.AushNr = 1;
                 throw vb::RuntimeError(6, "Overflow");
             };
         },
         "Unerwarteter Fehler nach dem letzten Lastfall (Ergebnisse aller Lastfälle, Geländebruch, "
         "Bemessung):\r\nOverflow"},
        {"no end marker after the loop",
         [](zorrun::Laufstufen& s) {
             s.Nachweise = [](zor::Laufstatus& st) {
                 vb::Kill("ZORDENDE.DOS");
                 st = zor::Laufstatus::Ende;
             };
         },
         "Der Rechenlauf hat die Endemarke"},
        {"statics prints a value that is no number",
         [](zorrun::Laufstufen& s) {
             s.WandStatik = [](zor::Laufstatus& st) {
                 const int16_t f = vb::FreeFile();
                 vb::Open("LPTZW", vb::OpenMode::Append, f);
                 vb::Print(f, "             Wandgewicht Gv  =", std::numeric_limits<float>::infinity());
                 vb::Close(f);
                 st = zor::Laufstatus::Weiter;
             };
         },
         "Im Lastfall 1, Aushubzustand 1 hat die Stufe \"Statik\" keinen Zahlenwert ergeben für\r\n"
         "\"Wandgewicht Gv  = (keine Zahl)\" (Datei \"LPTZW\").\r\nBitte die Eingabe überprüfen."},
        {"earth pressure hands over a value that is no number",
         [](zorrun::Laufstufen& s) {
             s.ErddruckBerechnen = [] {
                 const int16_t f = vb::FreeFile();
                 vb::Open("ZORZ3", vb::OpenMode::Output, f);
                 vb::Write(f, 1.5f, std::numeric_limits<float>::quiet_NaN());
                 vb::Close(f);
             };
         },
         "Im Lastfall 1, Aushubzustand 1 hat die Stufe \"Erddruckberechnung\" keinen Zahlenwert ergeben "
         "für\r\n"
         "\"1.5,(keine Zahl)\" (Datei \"ZORZ3\")."},
        // A hand-over file on a full disk (/dev/full takes no byte): the message says so and where, it is no
        // unexpected error.
        {"disk full",
         [](zorrun::Laufstufen& s) {
             s.ErddruckBerechnen = [] {
                 std::filesystem::remove("ZORZ2");
                 std::filesystem::create_symlink("/dev/full", "ZORZ2");
                 const int16_t f = vb::FreeFile();
                 vb::Open("ZORZ2", vb::OpenMode::Output, f);
                 vb::Print(f, std::string(40000, 'x'));
                 vb::Close(f);
             };
         },
         "Die Berechnung wurde abgebrochen:\r\n\r\nDer Datenträger ist voll: Im Ordner   "},
    };
    Beispiel("Spundwand_frei");
    P.NaechsteSeite = 7; // saving the settings would set it otherwise
    const ProjectData projekt = P;
    const std::string datei = vb::ReadFileBytes(P.GanzerName);
    for (const Stoerung& f : faelle) {
        SCOPED_TRACE(f.name);
        P = projekt;
        vb::headless::Reset();
        if (!vb::FileExists(P.GanzerName)) vb::WriteFileBytes(P.GanzerName, datei);
        vb::WriteFileBytes("LPTZW", "Bericht\r\n");
        zorrun::StufenStandard();
        Platzhalterstufen();
        f.einbauen(zorrun::Stufen());
        fenster.clear();
        EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Abgebrochen);
        bool gesagt = false;
        for (const auto& box : vb::headless::Log())
            gesagt = gesagt || box.prompt.find(f.meldung) != std::string::npos;
        EXPECT_TRUE(gesagt) << (vb::headless::Log().empty() ? "" : vb::headless::Log().back().prompt);
        EXPECT_TRUE(P == projekt);
        if (vb::FileExists(P.GanzerName)) {
            EXPECT_EQ(vb::ReadFileBytes(P.GanzerName), datei);
        }
        EXPECT_FALSE(vb::FileExists(P.GanzerNameOhneExt + ".AUS"));
        EXPECT_FALSE(vb::FileExists(P.GanzerName + ".gl1"));
        EXPECT_FALSE(Aufgerufen("BerichtFensterZeigen"));
        EXPECT_FALSE(Aufgerufen("GrafikFensterLaden"));
        EXPECT_FALSE(vb::IsOpen(zorma::kBerichtDateiNr));
        EXPECT_EQ(vb::ReadFileBytes("LPTZW").find("1.#"), std::string::npos);
        ErwarteFreigegeben();
    }
    EXPECT_FALSE(vb::ZahlenwerteBewacht()); // the guard ends with the run
}

TEST_F(Anfrage, ABoundReachedIsAlsoLeftInTheReport) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    vb::WriteFileBytes("LPTZW", "");
    zorrun::Stufen().WandStatik = [](zor::Laufstatus& st) { st = zor::Laufstatus::Nochmal; };
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::Abgebrochen);
    EXPECT_EQ(vb::ReadTextFile("LPTZW").rfind("*** Die Statik im Lastfall 1, Aushubzustand 1", 0), 0u);
}

TEST_F(Anfrage, AFailedSaveEndsTheRequestBeforeAnyRun) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    const ProjectData projekt = P;
    fs::create_directory(ordner_ / "ordner");
    P.GanzerName = (ordner_ / "ordner").string(); // a folder where the project file should be
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    EXPECT_TRUE(laeufe.empty());
    ASSERT_FALSE(vb::headless::Log().empty());
    EXPECT_EQ(vb::headless::Log()[0].title, "Speichern nicht möglich");
    ErwarteFreigegeben();
}

TEST_F(Anfrage, AReadOnlyProjectFolderEndsTheRequestWithTheFileUnchanged) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    fs::create_directory(ordner_ / "nurlesen");
    fs::copy_file(fs::path(ZOR_TEST_DATA) / "Spundwand_frei", ordner_ / "nurlesen" / "Spundwand_frei");
    P.GanzerName = (ordner_ / "nurlesen" / "Spundwand_frei").string();
    ASSERT_TRUE(zorm1::EingabeLesen(P.GanzerName));
    Sicherheiten::SicherheitsbeiwerteSetzen();
    Platzhalterstufen();
    const std::string datei = vb::ReadFileBytes(P.GanzerName);
    ::chmod((ordner_ / "nurlesen").c_str(), 0555);
    EXPECT_EQ(zorrun::cmdStart_Click(), Anfrageausgang::KeinLauf);
    ::chmod((ordner_ / "nurlesen").c_str(), 0755);
    EXPECT_TRUE(laeufe.empty());
    EXPECT_FALSE(vb::headless::Log().empty());
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerName), datei);
}

// The main window's close box is refused while a request calculates; while its pictures wait for the user
// it ends the program, as at any other time.
TEST_F(Anfrage, TheCloseBoxIsRefusedWhileTheRequestCalculatesAndEndsTheProgramWhileItsPicturesWait) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    vb::form<frmAuswahl>();
    bool offen = false;
    zorrun::Stufen().ErddruckBerechnen = [&] {
        vb::user::close("frmAuswahl");
        offen = vb::isLoaded<frmAuswahl>();
    };
    zorrun::Fenster().GrafikFensterLaden = [] {
        vb::script::close("frmAuswahl"); // the user closes the main window while the pictures wait
        vb::WaitUntil([] { return false; }, "Bilder warten auf den Benutzer");
    };
    EXPECT_THROW(zorrun::cmdStart_Click(), vb::ProgramEnd);
    EXPECT_TRUE(offen);
}

} // namespace
} // namespace runtest
