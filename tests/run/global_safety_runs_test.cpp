// Whole runs of the example projects in the program's own process: the two runs of the global safety concept
// with an at-rest share (the first computes the deep slip plane of every stage and keeps it in
// "DOVUDUvozud." + stage extension, the second prints the kept values with its note), and the result files
// every stage leaves in the working folder, by name.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "earthpressure/stage_a.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_status.h"
#include "frame/stage_table.h"
#include "platform/forms/headless.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "tests/run/example_copy.h"
#include "tests/run/handover_gl2.h"
#include "tests/run/run_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"
#include "verification/state.h"
#include "verification/verification_stage.h"

namespace {

namespace fs = std::filesystem;
using zorm1::P;

const std::string kEinzug(13, ' ');
const std::string kHier = kEinzug + "Die Kräfte wurden HIER mit  0 %  Ruhedruck ermittelt.";

std::string Klein(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// The stage extension: the digits of 10 x stage + load case.
std::string Endung(int lf, int aushub) {
    return std::to_string(10 * aushub + lf);
}

// The files of the working folder whose names start with the stem (letter case does not count), with
// their bytes.
std::map<std::string, std::string> Dateien(const std::string& stamm) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::directory_iterator(fs::current_path())) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file() && Klein(name).rfind(Klein(stamm), 0) == 0)
            out[name] = vb::ReadFileBytes(name);
    }
    return out;
}

// One deep-slip-plane section of a report: its load case and stage, whether the note on the at-rest share
// stands where the head puts it (after the fifth head line), and the rows of the anchors.
struct Gleitfuge {
    int lf = 0, aushub = 0;
    bool hier = false;
    std::vector<std::string> zeilen;
    double zGLF = 0;
};

std::vector<Gleitfuge> Gleitfugen(const std::vector<std::string>& bericht) {
    std::vector<Gleitfuge> out;
    for (const auto& kopf : zortest::GleitfugenKoepfe(bericht)) {
        const std::size_t i = kopf.zeile;
        Gleitfuge g;
        g.lf = kopf.lf;
        g.aushub = kopf.aushub;
        g.hier = i + 5 < bericht.size() && bericht[i + 5] == kHier;
        std::size_t k = i + 1;
        while (k < bericht.size() && bericht[k] != kEinzug + std::string(60, '-'))
            ++k;
        for (++k; k < bericht.size() && !bericht[k].empty(); ++k)
            g.zeilen.push_back(bericht[k]);
        for (; k < bericht.size() && k < i + 60; ++k)
            if (bericht[k].rfind(kEinzug + "zGLF =", 0) == 0) {
                std::string w = bericht[k].substr(kEinzug.size() + 6, 6);
                for (char& c : w)
                    if (c == ',') c = '.';
                g.zGLF = std::stod(w);
                break;
            }
        out.push_back(g);
    }
    return out;
}

class Laeufe : public zortest::LaufTest {
protected:
    // A copy of an example, changed and saved as "projekt".
    static std::string Projekt(const char* beispiel, const std::function<void()>& aendern) {
        const std::string v = zortest::BeispielKopieren(beispiel);
        if (v.empty()) return "";
        zortest::LaufUmgebungZuruecksetzen();
        if (!zorm1::EingabeLesen(v)) return "";
        aendern();
        const bool ok = zorm1::EingabeSchreiben("projekt");
        zortest::LaufUmgebungZuruecksetzen();
        return ok ? "projekt" : "";
    }
    // The anchored soldier pile wall with global safety and an at-rest share of 50 %.
    static std::string GlobalMitRuhedruck() {
        return Projekt("Traegerbohlwand_verankert", [] {
            P.TeilsicherheitenAn = 0;
            P.RuheProz = 50.0f;
            P.GelaendebruchEin = 0;
        });
    }
    // Calls fn at the start of the second run, before its stage a.
    static void VorDemZweitenLauf(std::function<void()> fn) {
        zorrun::Stufen().EingabeAuswerten = [fn = std::move(fn)] {
            if (zormcom::Vorgaben.ErsterLauf == 0) fn();
            zorma::EingabeAuswerten();
        };
    }
};

TEST_F(Laeufe, TheFirstRunKeepsTheDeepSlipPlaneOfEveryStageAndTheSecondPrintsItWithItsNote) {
    const std::string projekt = GlobalMitRuhedruck();
    ASSERT_FALSE(projekt.empty());
    std::map<std::string, std::string> cache;
    std::vector<std::string> ersterBericht;
    std::vector<std::string> ersteSaetze;
    VorDemZweitenLauf([&] {
        cache = Dateien("DOVUDUvozud.");
        ersterBericht = zortest::Zeilen("LPTZW");
        ersteSaetze = zortest::Zeilen("wexasave.gl2");
    });
    ASSERT_EQ(zorrun::ProjektRechnen(projekt), zorrun::kLaufFertig);
    for (const auto& b : vb::headless::Log())
        ADD_FAILURE() << b.title << ": " << b.prompt;
    ASSERT_FALSE(ersterBericht.empty()) << "no second run";

    const auto erster = Gleitfugen(ersterBericht);
    const auto zweiter = Gleitfugen(zortest::Zeilen("LPTZW"));
    // The stages with anchors: 2 and 3 of both load cases.
    ASSERT_EQ(erster.size(), 4u);
    ASSERT_EQ(zweiter.size(), erster.size());

    // One cache file per section of the first run, named by its stage extension, none besides.
    std::set<std::string> erwartet, vorhanden;
    for (const auto& g : erster)
        erwartet.insert(Klein("DOVUDUvozud." + Endung(g.lf, g.aushub)));
    for (const auto& [name, inhalt] : cache) {
        vorhanden.insert(Klein(name));
        EXPECT_FALSE(inhalt.empty()) << name;
    }
    EXPECT_EQ(vorhanden, erwartet);
    // The second run read them and wrote none anew.
    EXPECT_EQ(Dateien("DOVUDUvozud."), cache);

    // Record C of the second run carries the first run's anchor lengths with its own foot point of the
    // deep slip plane (the at-rest share moves it), as its report prints it.
    const auto erste = zortest::UebergabeLesen(ersteSaetze);
    const auto zweite = zortest::UebergabeLesen(zortest::Zeilen("wexasave.gl2"));
    ASSERT_EQ(erste.bloecke.size(), zweite.bloecke.size());
    bool andereGleitfuge = false;
    for (std::size_t k = 0; k < erste.bloecke.size(); ++k) {
        const auto &a = erste.bloecke[k], &b = zweite.bloecke[k];
        SCOPED_TRACE(std::to_string(b.lf) + "/" + std::to_string(b.aushub));
        EXPECT_EQ(b.anker, a.anker);
        andereGleitfuge = andereGleitfuge || b.zGLF != a.zGLF;
        for (const auto& g : zweiter)
            if (g.lf == b.lf && g.aushub == b.aushub) {
                EXPECT_EQ(vb::FormatField(static_cast<float>(b.zGLF), 6, 2),
                          vb::FormatField(static_cast<float>(g.zGLF), 6, 2));
            }
    }
    EXPECT_TRUE(andereGleitfuge);

    const std::string bericht = zortest::Text("LPTZW");
    std::size_t hier = 0;
    for (std::size_t p = bericht.find("HIER mit"); p != std::string::npos;
         p = bericht.find("HIER mit", p + 1))
        ++hier;
    EXPECT_EQ(hier, zweiter.size()); // in no other place
    for (std::size_t k = 0; k < erster.size(); ++k) {
        SCOPED_TRACE("LF " + std::to_string(erster[k].lf) + ", Aushub " + std::to_string(erster[k].aushub));
        EXPECT_EQ(zweiter[k].lf, erster[k].lf);
        EXPECT_EQ(zweiter[k].aushub, erster[k].aushub);
        EXPECT_FALSE(erster[k].hier); // pure active pressure: computed in this run
        EXPECT_TRUE(zweiter[k].hier);
        // The same anchor lengths, forces and safeties in both runs.
        ASSERT_FALSE(erster[k].zeilen.empty());
        EXPECT_EQ(zweiter[k].zeilen, erster[k].zeilen);
        // Each row's length is the one kept in the cache line of its anchor.
        const auto zeilen =
            zortest::ZeilenAus(vb::ReadTextFile("DOVUDUvozud." + Endung(erster[k].lf, erster[k].aushub)));
        std::size_t anker = 0;
        for (const auto& z : erster[k].zeilen) {
            if (z.find('=') != std::string::npos) continue; // the mark line under a row
            ASSERT_LT(anker, zeilen.size());
            const auto items = zortest::Gl2Items(zeilen[anker++]);
            ASSERT_EQ(items.size(), 5u);
            std::string laenge = vb::Format(vb::ValSingle(items[1]), "0.00");
            EXPECT_EQ(z.substr(13 + 5, 9), std::string(9 - laenge.size(), ' ') + laenge) << z;
        }
    }
}

TEST_F(Laeufe, TheSecondRunPrintsWhatTheCacheHoldsAndComputesTheCheckWhereNoCacheIsLeft) {
    const std::string projekt = GlobalMitRuhedruck();
    ASSERT_FALSE(projekt.empty());
    VorDemZweitenLauf([] {
        // Load case 1, stage 2: the upper anchor's length changed; load case 2, stage 3: the file gone.
        auto zeilen = zortest::ZeilenAus(vb::ReadFileBytes("DOVUDUvozud.21"));
        ASSERT_FALSE(zeilen.empty());
        auto items = zortest::Gl2Items(zeilen[0]);
        ASSERT_EQ(items.size(), 5u);
        items[1] = "12.34";
        zeilen[0] = items[0] + "," + items[1] + "," + items[2] + "," + items[3] + "," + items[4];
        std::string text;
        for (const auto& z : zeilen)
            text += z + "\r\n";
        vb::WriteFileBytes("DOVUDUvozud.21", text);
        vb::Kill("DOVUDUvozud.32");
    });
    ASSERT_EQ(zorrun::ProjektRechnen(projekt), zorrun::kLaufFertig);
    const auto abschnitte = Gleitfugen(zortest::Zeilen("LPTZW"));
    ASSERT_EQ(abschnitte.size(), 4u);
    for (const auto& g : abschnitte) {
        SCOPED_TRACE("LF " + std::to_string(g.lf) + ", Aushub " + std::to_string(g.aushub));
        ASSERT_FALSE(g.zeilen.empty());
        if (g.lf == 1 && g.aushub == 2) {
            EXPECT_TRUE(g.hier);
            EXPECT_EQ(g.zeilen[0].substr(13 + 5, 9), "    12,34");
        } else if (g.lf == 2 && g.aushub == 3) {
            EXPECT_FALSE(g.hier); // computed in this run, with its own at-rest share
        } else {
            EXPECT_TRUE(g.hier);
        }
    }
    EXPECT_TRUE(vb::FileExists("DOVUDUvozud.32")); // written by the run that computed it
}

// The built program on the global copy with the slip circle switched on: two runs, the report copy with the
// note in every deep-slip-plane section, one slip-circle record per load case, and the exit status of a run
// that reached its end (the slip circle reads other load cases and stages than the run's last one).
TEST_F(Laeufe, TheProgramRunsTheGlobalCopyWithTheSlipCircleToItsEnd) {
    const std::string projekt = Projekt("Traegerbohlwand_verankert", [] {
        P.TeilsicherheitenAn = 0;
        P.RuheProz = 50.0f;
        P.GelaendebruchEin = 1;
    });
    ASSERT_FALSE(projekt.empty());
    const std::string ordner = fs::current_path().string();
    const std::string befehl = "cd '" + ordner + "' && XDG_DATA_HOME='" + ordner + "/xdg' '" +
                               ZOR_RUN_PROJECT + "' " + projekt + " 2> stderr.txt";
    const int rc = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(rc));
    EXPECT_EQ(WEXITSTATUS(rc), zorrun::kLaufFertig) << vb::ReadFileBytes("stderr.txt");
    ASSERT_TRUE(zorm1::EingabeLesen(projekt));
    const std::string aus = P.GanzerNameOhneExt + ".AUS";
    EXPECT_EQ(vb::ReadFileBytes(aus), vb::ReadFileBytes("LPTZW"));
    const auto abschnitte = Gleitfugen(zortest::Zeilen(aus));
    EXPECT_EQ(abschnitte.size(), 4u);
    for (const auto& g : abschnitte)
        EXPECT_TRUE(g.hier) << g.lf << "/" << g.aushub;
    EXPECT_EQ(zortest::Zeilen("DIDUVU.ERG").size(), static_cast<std::size_t>(P.AnzLF));
    EXPECT_EQ(zortest::Zeilen("ZORDENDE.DOS"), std::vector<std::string>{"\"ENDE\""});
    zorm1::ResetProjectData();
}

// The result files per load case and stage that a run leaves in the working folder, named with the stage
// extension: the statics' passive diagram of every stage, the mobilised bedding where the stage's foot is
// bedded and checked, the deep-slip-plane cache where the stage has anchors with a length range, and the
// diagrams of the extra embedment where a soldier pile wall misses horizontal force.
TEST_F(Laeufe, EveryStageLeavesTheResultFilesItsSectionsName) {
    for (const char* beispiel : {"Spundwand_frei", "Schlitzwand_gesteift_GW", "Traegerbohlwand_verankert",
                                 "Neubau_Spundwand_von_Hand"}) {
        SCOPED_TRACE(beispiel);
        zortest::LaufUmgebungZuruecksetzen();
        for (const auto& e : fs::directory_iterator(fs::current_path()))
            if (e.path().filename() != "xdg") fs::remove_all(e.path());
        const std::string projekt = Projekt(beispiel, [] {});
        ASSERT_FALSE(projekt.empty());

        // What each verification call found: Summe H of a soldier pile wall, water, additional stresses.
        struct Stufe {
            bool summeHNegativ = false, wasser = false, zusatz = false;
        };
        std::map<std::pair<int, int>, Stufe> stufen;
        zorrun::Stufen().Nachweise = [&](zor::Laufstatus& status) {
            const std::pair<int, int> lfAushub{P.LFNr, P.AushNr};
            zormd::Nachweise(status);
            stufen[lfAushub] = {P.Wandart == 1 &&
                                zormd::N.SummeH1<0.0f, P.ZWasserLuft != P.ZWasserErd, P.AnzZusatzSpannung> 0};
        };
        ASSERT_EQ(zorrun::ProjektRechnen(projekt), zorrun::kLaufFertig);
        zorrun::StufenStandard();

        // Project data as saved; the conditions of each stage from its own values.
        ASSERT_TRUE(zorm1::EingabeLesen(projekt));
        const bool laengen = P.AnkerLaengen == 1 || P.TeilsicherheitenAn != 0;
        ASSERT_EQ(stufen.size(), static_cast<std::size_t>(P.AnzLF * P.AnzAush));
        std::set<std::string> erwartet, leer;
        int anker = 0, bettung = 0, summeH = 0;
        for (int s = 1; s <= P.AnzAush; ++s) {
            zormcom::AushubLaden(s);
            bool glf = false;
            for (int k = 1; k <= P.AnzAnker; ++k)
                for (int j = 1; j <= P.AnzAnkerGesamt; ++j)
                    glf = glf || (P.ZAnker[k] == P.ZAuflager[j] &&
                                  (P.AnkerLmin[j] != 0.0f || P.AnkerLmax[j] != 0.0f));
            // The bedding files: for every stage when the check is on (empty where the foot has no bedding),
            // else where the foot is bedded.
            const bool gebettet = P.FussGebettet[s] == 1;
            const bool bettungsDateien = gebettet || P.BettungPruefen != 0;
            for (int lf = 1; lf <= P.AnzLF; ++lf) {
                const std::string x = Endung(lf, s);
                erwartet.insert(Klein("ZOREwid." + x));
                if (bettungsDateien) {
                    erwartet.insert(Klein("ZOREwidVerw." + x));
                    if (gebettet)
                        ++bettung;
                    else
                        leer.insert(Klein("ZOREwidVerw." + x));
                }
                if (laengen && glf) {
                    erwartet.insert(Klein("DOVUDUvozud." + x));
                    ++anker;
                }
                const Stufe& st = stufen[{lf, s}];
                if (st.summeHNegativ) {
                    ++summeH;
                    erwartet.insert(Klein("ZOREwidvW." + x));
                    erwartet.insert(Klein("ZOReP0." + x));
                    if (st.wasser) erwartet.insert(Klein("ZOReWas." + x));
                    if (st.zusatz) erwartet.insert(Klein("ZOReZsp." + x));
                }
            }
        }
        // Each example shows at least one of the conditional files.
        if (std::string(beispiel) == "Neubau_Spundwand_von_Hand") {
            EXPECT_GT(bettung, 0);
        }
        if (std::string(beispiel) == "Traegerbohlwand_verankert") {
            EXPECT_GT(anker, 0);
        }

        std::set<std::string> vorhanden;
        for (const char* stamm :
             {"ZOREwid.", "ZOREwidVerw.", "DOVUDUvozud.", "ZOREwidvW.", "ZOReP0.", "ZOReWas.", "ZOReZsp."})
            for (const auto& [name, inhalt] : Dateien(stamm)) {
                vorhanden.insert(Klein(name));
                EXPECT_EQ(inhalt.empty(), leer.count(Klein(name)) == 1) << name;
            }
        EXPECT_EQ(vorhanden, erwartet) << summeH;

        // The passive diagram of the statics: the count, then that many points.
        for (int s = 1; s <= P.AnzAush; ++s)
            for (int lf = 1; lf <= P.AnzLF; ++lf) {
                const auto z = zortest::Zeilen("ZOREwid." + Endung(lf, s));
                ASSERT_FALSE(z.empty());
                const int n = std::stoi(z[0]);
                EXPECT_GE(n, 2);
                EXPECT_EQ(z.size(), static_cast<std::size_t>(n + 1)) << Endung(lf, s);
            }
        zorm1::ResetProjectData();
    }
}

} // namespace
