// Every output of a whole run, byte for byte: the three example projects, the
// diaphragm wall whose last stage redistributes by figure 8 ("Schlitzwand_Figur8") and the large generated
// project calculated through the run driver (stage a, earth pressure, statics and the
// verifications of every load case and stage). After stage a, after each statics and verification pass
// and at the end every file of the working folder that is new or changed is taken, the report "LPTZW"
// and its copy beside the project among them. They are compared line by line with the texts kept in
// tests/data/outputs/<project>/lauf/ (tests/support/golden_outputs.h), taken from runs known to be right,
// so a change of any number, blank or line of any report or hand-over file shows with the pass, the file,
// the line and both texts. The working folder's path is replaced by "<ordner>" before a file is compared.
// (ZOR_OUTPUTS_WRITE=1 writes the texts anew instead, for a deliberate change of the results.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "frame/project_file.h"
#include "frame/run_status.h"
#include "platform/forms/headless.h"
#include "platform/runtime/folder_lock.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/golden_outputs.h"
#include "tests/support/report_width.h"
#include "tests/support/working_folder.h"

namespace {

using zorm1::P;
namespace fs = std::filesystem;

class GanzerLauf : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { zortest::LaufUmgebungZuruecksetzen(); }
    void TearDown() override {
        zortest::LaufUmgebungZuruecksetzen();
        zorrun::StufenStandard();
    }

    // The content of a file with the working folder's path taken out.
    std::string Inhalt(const std::string& name) const {
        std::string s = vb::ReadFileBytes(name);
        const std::string ordner = ordner_.path().string();
        for (std::size_t p = s.find(ordner); p != std::string::npos; p = s.find(ordner, p + 8))
            s.replace(p, ordner.size(), "<ordner>");
        return s;
    }

    // Takes every file of the working folder whose content is new since the last call (not the lock file of
    // the instance, which is no output of a run).
    void Festhalten(const std::string& wann) {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner_.path()))
            if (e.is_regular_file() && e.path().filename() != vb::OrdnerSperre::kSperrDatei)
                namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        for (const std::string& n : namen)
            ausgaben_.Festhalten(wann, n, Inhalt(n));
    }

    // The name of a statics ("c") or verification ("d") pass of the current load case and stage:
    // "c1.2"; a stage whose statics is run again (the seepage's iteration) gives "c1.2-2", "c1.2-3".
    std::string Durchgang(const std::string& stufe) {
        const std::string pass = stufe + std::to_string(P.LFNr) + "." + std::to_string(P.AushNr);
        const int mal = ++durchgaenge_[pass];
        return mal == 1 ? pass : pass + "-" + std::to_string(mal);
    }

    const zortest::Ausgaben& Lauf(const std::string& name) {
        const std::string datei = zortest::ProjektSchreiben(name);
        EXPECT_FALSE(datei.empty());
        zortest::LaufUmgebungZuruecksetzen();
        umgebung_.set("XDG_DATA_HOME", (ordner_.path() / "xdg").string());
        auto& s = zorrun::Stufen();
        const auto a = s.EingabeAuswerten;
        const auto statik = s.WandStatik;
        const auto nachweise = s.Nachweise;
        s.EingabeAuswerten = [&] {
            a();
            Festhalten("a");
        };
        s.WandStatik = [&](zor::Laufstatus& status) {
            const std::string pass = Durchgang("c");
            statik(status);
            Festhalten(pass);
        };
        s.Nachweise = [&](zor::Laufstatus& status) {
            const std::string pass = Durchgang("d");
            nachweise(status);
            Festhalten(pass);
        };
        EXPECT_EQ(zorrun::ProjektRechnen(datei), zorrun::kLaufFertig);
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
        vb::ResetRuntime();
        Festhalten("ende");
        return ausgaben_;
    }

    zortest::Ausgaben ausgaben_;
    std::map<std::string, int> durchgaenge_;
    zortest::WorkingFolder ordner_;
    zortest::Umgebung umgebung_;
};

TEST_P(GanzerLauf, EveryReportLineAndHandOverFileStaysByteEqual) {
    const std::string name = GetParam();
    const auto& ist = Lauf(name);
    zortest::AusgabenVergleichen(fs::path(ZOR_TEST_DATA) / "outputs" / name / "lauf", ist);
}

INSTANTIATE_TEST_SUITE_P(Projekte, GanzerLauf,
                         ::testing::Values("Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW",
                                           "Spundwand_frei", "Schlitzwand_Figur8", "gross"));

// Every report line of every kept whole run fits the report's 80 columns, but for the lines that the report's
// layout has wider (tests/support/report_width.h): a notice, an echoed text or a number field that grows
// beyond column 80 shows here.
TEST(Berichtsbreite, EveryReportLineOfEveryKeptRunFitsEightyColumns) {
    std::size_t gelesen = 0;
    std::vector<std::string> zuBreit;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(ZOR_TEST_DATA) / "outputs")) {
        if (!e.is_regular_file() || e.path().filename() != "LPTZW") continue;
        ++gelesen;
        const std::string text = vb::ReadTextFile(e.path().string());
        std::size_t a = 0, nr = 0;
        while (a < text.size()) {
            std::size_t z = text.find('\n', a);
            if (z == std::string::npos) z = text.size();
            std::string zeile = text.substr(a, z - a);
            a = z + 1;
            ++nr;
            if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
            if (!zortest::BerichtszeileErlaubt(zeile))
                zuBreit.push_back(fs::relative(e.path(), fs::path(ZOR_TEST_DATA) / "outputs").string() + ":" +
                                  std::to_string(nr) + " (" + std::to_string(vb::Len(zeile)) + "): " + zeile);
        }
    }
    EXPECT_GT(gelesen, 100u);
    EXPECT_EQ(zuBreit, std::vector<std::string>{});
}

// The two kinds of wider line and nothing else: the report's own lines by their exact text (those of the
// Parts wider than 80 columns), and the layout's lines whose numbers outgrew their fields, at any width while
// the numbers stay apart.
TEST(Berichtsbreite, OwnWideLinesByTheirTextAndOutgrownNumbersWhileReadable) {
    const std::string E(13, ' ');
    struct Fall {
        std::string zeile;
        bool erlaubt;
    };
    const Fall faelle[] = {
        {E + "Die Reduzier-Liste sollte möglichst kurz ausfallen; bei langer Liste", true},   // 81
        {E + " Die Reduzier-Liste sollte möglichst kurz ausfallen; bei langer Liste", false}, // moved by one
        {E + "Die Reduzier-Liste sollte möglichst kurz ausfallen; bei langer Liste.", false},
        {E + "   Zustandsgrößen: Fed.Konst. = (red) Bettung / vert.Abstand (kN/m2) ", true}, // 82
        {E + std::string(68, '-'), true},
        {E + std::string(69, '-'), false},
        {std::string(81, 'x'), false},
        {E + std::string(67, 'x'), true}, // 80 columns fit
        // An overloaded strut far beyond its fields: 139 columns, its numbers apart.
        {E + "  Druckstrebe:    VEd / VRdmax = " + std::string(40, '9') + ",5 / " + std::string(40, '1') +
             ",5  =  1,00 <= 1,00",
         true},
        // Numbers that ran together are no readable line, whatever its text.
        {E + "  Druckstrebe:    VEd / VRdmax = 5635,81876,5  =  3,00 UNZULÄSSIG" + std::string(10, ' '), false},
        {E + "a0 =  2,00 m    bs,r und bs,koh    sind die Startwerte der Berechnung", true},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(zortest::BerichtszeileErlaubt(f.zeile), f.erlaubt) << vb::Len(f.zeile) << ": " << f.zeile;
}

} // namespace
