// The verification stage's call sequence on the example projects (stage a and the earth-pressure
// stage run for real; the statics results are set by the tests), its preparation of a stage and the
// plot records.
#include <cmath>
#include <regex>

#include "earthpressure/handover_a.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/stage_b.h"
#include "earthpressure/state.h"
#include "fixture.h"
#include "frame/project_file.h"
#include "frame/run_status.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/winfs.h"
#include "statics/state.h"
#include "verification/plot_records.h"
#include "verification/state.h"
#include "verification/verification_stage.h"

namespace verification_test {
namespace {

using zormcom::Lauf;

class Nachweislauf : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
        zormd::AbschnitteStandard();
        vb::SetDecimalSeparator('.');
        auto& s = zormd::Abschnitte();
        auto notiere = [this](const char* name) {
            return [this, name] {
                log.push_back(std::to_string(P.LFNr) + ":" + std::to_string(P.AushNr) + " " + name);
            };
        };
        s.GlfrLesen = notiere("GlfrLesen");
        s.Erdwiderstand = notiere("Erdwiderstand");
        s.Einbindung = notiere("Einbindung");
        s.Gleichgewicht = notiere("Gleichgewicht");
        s.VertikalGleichgewicht = notiere("Vertikal");
        s.Bemessungsschnitte = notiere("Schnitte");
        s.ErforderlicheEinbindung = [this] {
            log.push_back(std::to_string(P.LFNr) + ":" + std::to_string(P.AushNr) + " Einbindetiefe");
            return P.LFNr == stopLF && P.AushNr == stopAush;
        };
        s.HydraulischerGrundbruch = notiere("Grundbruch");
        s.TiefeGleitfuge = notiere("Gleitfuge");
        s.LastfallMaxima = notiere("LastfallMaxima");
        s.GesamtMaxima = notiere("GesamtMaxima");
        s.Gleitkreis = [this] {
            vb::CloseAll(); // as the slip circle does
            log.push_back("Gleitkreis");
        };
        s.GleitkreisTabelle = [this] {
            log.push_back(std::string("GleitkreisTabelle") +
                          (vb::IsOpen(zorma::kBerichtDateiNr) ? " offen" : ""));
        };
        s.Bemessung = notiere("Bemessung");
    }
    void TearDown() override {
        vb::CloseAll();
        zormd::AbschnitteStandard();
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
    }

    // Stage a of the example project.
    void Beispiel(const std::string& name) {
        P.GradZuRad = kGrad;
        P.TiefeUnendlich = 99.0f;
        P.Versionstext = "V.07.05.2012";
        P.WurzelOrdner = dir_.path().string() + "/";
        ASSERT_TRUE(zorm1::EingabeLesen(std::string(ZOR_TEST_DATA) + "/" + name));
        P.GanzerName = "/projekte/" + name;
        P.gamG = P.gamE0g = P.gamQ = 1.0f;
        zormc::St.gamMittel = 1.0f;
        P.GelaendebruchEin = 0;
        zorma::EingabeAuswerten();
    }

    // Earth pressure and verifications of every stage, as the run driver calls them; the statuses.
    std::vector<std::string> Laufen() {
        std::vector<std::string> out;
        zor::Laufstatus status = zor::Laufstatus::Offen;
        for (int n = 0; n < 200; ++n) {
            vb::CloseAll();
            zormb::ErddruckBerechnen();
            zormd::Nachweise(status);
            out.push_back(std::string(zor::Text(status)));
            if (status != zor::Laufstatus::Nochmal) break;
        }
        return out;
    }

    std::vector<std::string> log;
    int stopLF = 0, stopAush = 0;
    zortest::WorkingFolder dir_;
};

TEST_F(Nachweislauf, EveryExampleVisitsLoadCasesOuterAndStagesInnerAndEndsWithTheMarker) {
    for (const char* name : {"Spundwand_frei", "Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW"}) {
        SCOPED_TRACE(name);
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
        log.clear();
        Beispiel(name);
        const int lf = P.AnzLF, aush = P.AnzAush;
        const auto status = Laufen();
        ASSERT_EQ(status.size(), static_cast<std::size_t>(lf * aush));
        EXPECT_EQ(status.back(), "ENDE");
        EXPECT_EQ(std::count(status.begin(), status.end(), "B"), lf * aush - 1);
        EXPECT_EQ(zortest::Zeilen("ZORDENDE.DOS"), std::vector<std::string>{"\"ENDE\""});
        // The sections of each call in their order, calls in (load case, stage) order.
        std::vector<std::string> erwartet;
        for (int l = 1; l <= lf; ++l)
            for (int s = 1; s <= aush; ++s) {
                const std::string k = std::to_string(l) + ":" + std::to_string(s) + " ";
                for (const char* a : {"GlfrLesen", "Erdwiderstand", "Einbindung", "Gleichgewicht", "Vertikal",
                                      "Schnitte", "Einbindetiefe"})
                    erwartet.push_back(k + a);
                if (zormcom::Lauf.kzHydGrBr != 0) erwartet.push_back(k + "Grundbruch");
                erwartet.push_back(k + "Gleitfuge");
            }
        std::vector<std::string> abschnitte;
        for (const auto& e : log)
            if (e.find("GlfrLesen") == std::string::npos && e.find("Maxima") == std::string::npos &&
                e.find("Bemessung") == std::string::npos)
                abschnitte.push_back(e);
        for (auto it = erwartet.begin(); it != erwartet.end();)
            it = it->find("GlfrLesen") != std::string::npos ? erwartet.erase(it) : it + 1;
        EXPECT_EQ(abschnitte, erwartet);
        // The anchor data of the deep slip plane: read in every call and again when a load case begins.
        EXPECT_EQ(
            std::count_if(log.begin(), log.end(),
                          [](const std::string& e) { return e.find("GlfrLesen") != std::string::npos; }),
            lf * aush + lf - 1);
        const auto tabellen = Mit(zortest::Zeilen("LPTZW"), "ZUSTANDS-GRÖSSEN  LASTFALL");
        EXPECT_EQ(tabellen.size(), static_cast<std::size_t>(lf * aush));
        EXPECT_EQ(std::count(log.begin(), log.end(), std::to_string(lf + 1) + ":1 Bemessung"),
                  1); // stepped past the last
        EXPECT_EQ(
            std::count_if(log.begin(), log.end(),
                          [](const std::string& e) { return e.find("GesamtMaxima") != std::string::npos; }),
            lf > 1 && P.AnzAnker > 0 ? 1 : 0);
        // No line over 80 columns, no non-number in any file the stage wrote.
        // (from the first table on: the input echo of stage a before it is not this stage's)
        const auto bericht = zortest::Zeilen("LPTZW");
        auto ab = std::find_if(bericht.begin(), bericht.end(), [](const std::string& z) {
            return z.find("ZUSTANDS-GRÖSSEN") != std::string::npos;
        });
        for (; ab != bericht.end(); ++ab)
            EXPECT_LE(std::count_if(ab->begin(), ab->end(), [](char c) { return (c & 0xC0) != 0x80; }), 80)
                << *ab;
        const std::regex keineZahl(R"(\b(nan|inf|infinity)\b)", std::regex::icase);
        for (const char* datei : {"zzzplot2", "wexasave.gl2", "ANKMAX.-12"})
            EXPECT_FALSE(std::regex_search(zortest::Text(datei), keineZahl)) << datei;
        // Three records per stage in both plot files: the head lines of B and C carry (lf, stage).
        const auto gl2 = zortest::Zeilen("wexasave.gl2");
        for (int l = 1; l <= lf; ++l)
            for (int s = 1; s <= aush; ++s) {
                const std::string kopf = std::to_string(l) + "," + std::to_string(s) + ",";
                EXPECT_GE(std::count_if(gl2.begin(), gl2.end(),
                                        [&](const std::string& z) { return z.rfind(kopf, 0) == 0; }),
                          3)
                    << kopf;
            }
        EXPECT_EQ(zortest::Zeilen("wexasave.GL1")[0],
                  "\"ZOR\",\"\",\"wexasave.GL1\",\"ZOR\",\"ZOR\",1,2,3,4");
        vb::CloseAll();
    }
}

TEST_F(Nachweislauf, TheSlipCircleClosesTheReportAndTheTableFindsItOpenAgain) {
    Beispiel("Spundwand_frei");
    P.GelaendebruchEin = 1;
    Laufen();
    const auto g = std::find(log.begin(), log.end(), "Gleitkreis");
    ASSERT_NE(g, log.end());
    ASSERT_NE(g + 1, log.end());
    EXPECT_EQ(*(g + 1), "GleitkreisTabelle offen");
}

TEST_F(Nachweislauf, AWallFootAboveTheLoadZeroPointEndsTheRunAfterTheRequiredEmbedment) {
    Beispiel("Traegerbohlwand_verankert");
    stopLF = 1;
    stopAush = 2;
    const auto status = Laufen();
    EXPECT_EQ(status, (std::vector<std::string>{"B", "ENDE"}));
    EXPECT_EQ(P.LFNr, 1);
    EXPECT_EQ(P.AushNr, 2);
    EXPECT_EQ(log.back(), "1:2 Einbindetiefe");
    EXPECT_EQ(zortest::Zeilen("ZORDENDE.DOS"), std::vector<std::string>{"\"ENDE\""});
    EXPECT_FALSE(vb::FileExists("ANKMAX.-12"));
    EXPECT_FALSE(vb::FileExists("wexasave.GL1"));
    // "wexasave.gl2" ends with record B of that stage: its head line and no point.
    const auto gl2 = zortest::Zeilen("wexasave.gl2");
    ASSERT_FALSE(gl2.empty());
    EXPECT_EQ(gl2.back().rfind("1,2,0,", 0), 0u) << gl2.back();
}

class Vorbereitung : public Nachweislauf {
protected:
    void SetUp() override {
        Nachweislauf::SetUp();
        Beispiel("Traegerbohlwand_verankert");
        vb::CloseAll();
        zormb::ErddruckBerechnen();
    }
};

TEST_F(Vorbereitung, CForceAndExtraEmbedmentAreCleanedAsTheWallKindAsks) {
    struct Fall {
        int16_t wandart;
        float cKraft, einspErg, deltaT;
        float erwartetC, erwartetEinsp, erwartetDt;
    };
    const Fall faelle[] = {
        {2, 0.3f, 40.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // |C| below 0.5: no C force, no fixity
        {1, 50.0f, 0.0f, 0.9f, 50.0f, 0.0f, 0.6f}, // soldier piles: 20 % of t = 3.0 m
        {1, 50.0f, 50.0f, 0.0f, 50.0f, 50.0f, 0.3f}, {1, 0.0f, 0.0f, 0.9f, 0.0f, 0.0f, 0.0f},
        {2, 50.0f, 0.0f, 0.03f, 50.0f, 0.0f, 0.0f}, // sheet piles below 0.04 m
        {2, 50.0f, 0.0f, 0.05f, 50.0f, 0.0f, 0.05f},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.cKraft);
        P.Wandart = f.wandart;
        P.Wandfuss = 4;
        St.CKraft = f.cKraft;
        zormc::St.EinspErg = f.einspErg;
        St.DeltaT = f.deltaT;
        zormcom::Lauf.zFuss = P.zAush + 3.0f;
        zormd::NachweiseVorbereiten();
        ASSERT_EQ(P.Einsp, 0.0f); // the example gives no partial fixity
        EXPECT_EQ(St.CKraft, f.erwartetC);
        EXPECT_EQ(zormc::St.EinspErg, f.erwartetEinsp);
        EXPECT_NEAR(St.DeltaT, f.erwartetDt, 1e-6);
        EXPECT_FLOAT_EQ(N.EinbindeTiefe, 3.0f);
    }
}

TEST_F(Vorbereitung, EveryCallStartsTheShearExtremesAndTheSupportWarningAfresh) {
    N.MaxQuerkraft = 500.0f;
    N.MinQuerkraft = -500.0f;
    N.QuerkraftReduziert = 1;
    N.NegAuflagerFlag = 1;
    N.AnkerAh[3] = 7.0f;
    Lauf.IterZustand = 3;
    P.Wandfuss = 4;
    zormd::NachweiseVorbereiten();
    EXPECT_EQ(N.MaxQuerkraft, 0.0f);
    EXPECT_EQ(N.MinQuerkraft, 0.0f);
    EXPECT_EQ(N.QuerkraftReduziert, 0);
    EXPECT_EQ(N.NegAuflagerFlag, 0);
    EXPECT_EQ(N.AnkerAh[3], 0.0f);
    EXPECT_EQ(P.Wandfuss, 1); // the foot was switched to free support
    EXPECT_TRUE(vb::IsOpen(zorma::kBerichtDateiNr));
}

TEST_F(Vorbereitung, TheEarthResistanceIsTheAreaDownToTheFootDividedByEtapOrByOneForGivenPoints) {
    {
        vb::FileGuard d("ZOREPP.", vb::OpenMode::Output);
        vb::Write(d.nr(), int16_t{1}, int16_t{2});
        vb::Write(d.nr(), 0.0f, -15.0f, 0.5f, 0.0f);
        vb::Write(d.nr(), 10.0f, -15.0f, 0.6f, -150.0f);
        d.Close();
    }
    P.Etap = 1.5f;
    zormcom::Lauf.zFuss = 4.0f;
    zormd::NachweiseVorbereiten();
    EXPECT_EQ(N.EppArt, 1);
    EXPECT_FLOAT_EQ(zormd::N.Rhd, 60.0f / 1.5f);
    EXPECT_EQ(N.EphGegAktE[2], -150.0f);

    // Given points: (0, 0), (zAush - 0.001, 0), then -30 / Etap from zAush to zAush + 2.
    Lauf.AnzEphGegeben = 2;
    Lauf.EphGegAktZ[1] = P.zAush;
    Lauf.EphGegAktE[1] = -30.0f;
    Lauf.EphGegAktZ[2] = P.zAush + 2.0f;
    Lauf.EphGegAktE[2] = -30.0f;
    zormcom::Lauf.zFuss = P.zAush + 2.0f;
    zormd::NachweiseVorbereiten();
    EXPECT_EQ(N.EppArt, 0); // no trial-plane list of an earlier stage
    EXPECT_NEAR(zormd::N.Rhd, 20.0f * 2.0f + 0.001f * 20.0f / 2.0f, 1e-3);
}

TEST_F(Vorbereitung, APassiveListOfMoreThanTwoHundredFiftyPointsAbandonsTheCalculation) {
    vb::FileGuard d("ZOREPP.", vb::OpenMode::Output);
    vb::Write(d.nr(), int16_t{1}, int16_t{251});
    d.Close();
    EXPECT_THROW(zormd::NachweiseVorbereiten(), zor::CalcAbort);
}

class Plotsatz : public Bericht {};

TEST_F(Plotsatz, RecordBHasTwoLinesPerPointInTheGraphicsFileAndOneInTheSlipCircleFile) {
    P.LFNr = 2;
    P.AushNr = 3;
    zormc::St.gamMittel = 1.25f;
    St.DeltaT = -0.2f;
    N.AnzKoten = 2;
    N.KotenListe = {0.0f, 0.0f, 6.5f};
    N.KotenDruck = {0.0f, 1.0f, 2.0f};
    N.KotenW = {0.0f, 5.0f, 2.5f};
    N.KotenM = {0.0f, 0.0f, -12.0f};
    N.KotenQKopie = {0.0f, 3.0f, 4.0f};
    N.KotenN = {0.0f, -1.0f, -2.0f};
    zormd::PlotSatzAnhaengen("B", "zzzplot2");
    zormd::PlotSatzAnhaengen("B", "wexasave.gl2");
    zormd::PlotSatzAnhaengen("X", "wexasave.gl2");
    EXPECT_EQ(St.DeltaT, 0.0f);
    EXPECT_EQ(zortest::Zeilen("zzzplot2"),
              (std::vector<std::string>{"2,3,2,0,6.5", "0,1,4,0,3", "-1", "6.5,2,2,-12,4", "-2"}));
    EXPECT_EQ(zortest::Zeilen("wexasave.gl2"),
              (std::vector<std::string>{"2,3,2,0,6.5", "0,1,4,0,3", "6.5,2,2,-12,4"}));
}

TEST_F(Plotsatz, RecordAWithoutAPlotBlockHoldsTheCountLineAndThePoints) {
    St.AnzAuflagerAlle = 2;
    St.SigmaVKopie[1] = {0.0f, 1.5f, 10.0f};
    St.SigmaVKopie[2] = {0.0f, 3.0f, 20.0f};
    zormd::PlotSatzAnhaengen("A", "zzzplot2");
    EXPECT_EQ(zortest::Zeilen("zzzplot2"), (std::vector<std::string>{"1,1,2", "1.5,10", "3,20"}));
    vb::WriteFileBytes("zzzplote", "\"E\",1\r\n");
    zormd::PlotSatzAnhaengen("A", "wexasave.gl2");
    EXPECT_EQ(zortest::Zeilen("wexasave.gl2"),
              (std::vector<std::string>{"\"E\",1", "1,1,2", "1.5,10", "3,20"}));
}

TEST_F(Plotsatz, RecordCWithATrialPlaneListOnlyFromItsStageAndTheLongestAnchorOfTheRun) {
    P.AushNr = 2;
    zormcom::Lauf.zFuss = 6.0f;
    P.zAush = 4.0f;
    P.ZWasserErd = 99.0f;
    P.ZWasserLuft = 99.0f;
    N.AnzAnkerGlf = 1;
    N.GlfAnkerZ[1] = 2.5f;
    N.AnkerLaenge[1] = 9.5f;
    N.GlfAnkerAh[1] = 120.0f;
    N.EppArt = 0;
    Lauf.Eph.n = 3;
    zormd::PlotSatzAnhaengen("C", "wexasave.gl2");
    EXPECT_EQ(zortest::Zeilen("wexasave.gl2"),
              (std::vector<std::string>{"1,2,1", "2.5,9.5,120", "0,\"91\",0,6,0,0,0,0,4", "0", "99,99,0,0",
                                        "0,3"}));
    zormd::PlotSatzAnhaengen("C", "zzzplot2");
    const auto z = zortest::Zeilen("zzzplot2");
    ASSERT_EQ(z.size(), 6u + 4u); // no passive points, no water block, then the four closing lines
    EXPECT_EQ(z[5], "0,3");
    EXPECT_EQ(z[6], "0,0,0,0,0,0,0,0,0,6,99");
    EXPECT_EQ(N.AnkerLaengeMax, 9.5f);
    // A soldier pile wall at 2.5 m: the summary's V(k) of 50 kN per pile is 20 kN/m in the record.
    P.Wandart = 1;
    P.ABohl = 2.5f;
    N.SummeVd = 8.0f;
    N.SummeVk = 50.0f;
    vb::Kill("zzzplot2");
    zormd::PlotSatzAnhaengen("C", "zzzplot2");
    EXPECT_EQ(zortest::Zeilen("zzzplot2")[6], "8,20,0,0,0,0,0,0,0,6,99");
    N.GlfMaxGesamt = 30.0f;
    zor::LaufZuruecksetzen(); // a new run starts without the anchor length and slip-plane extent of the last
    EXPECT_EQ(N.AnkerLaengeMax, 0.0f);
    EXPECT_EQ(N.GlfMaxGesamt, 0.0f);
}

TEST_F(Plotsatz, RecordCClosesWithTheRunsPartialFactorsForThePictures) {
    P.ZWasserErd = 99.0f;
    P.ZWasserLuft = 99.0f;
    N.GlfXQ = 4.5f;
    zormcom::Vorgaben.gamEWirk = 1.2f;
    zormcom::Vorgaben.gamReWirk = 1.3f;
    zormd::PlotSatzAnhaengen("C", "zzzplot2");
    const auto z = zortest::Zeilen("zzzplot2");
    ASSERT_FALSE(z.empty());
    // the nine values of the slip plane's points (the last its x of Q), then the two factors
    EXPECT_EQ(z.back(), "0,0,0,0,0,0,0,0,4.5,1.2,1.3");
}

} // namespace
} // namespace verification_test
