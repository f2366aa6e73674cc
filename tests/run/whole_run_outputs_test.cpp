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
#include <cstdint>
#include <cstdio>
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
        for (const std::string& n : namen) {
            std::string inhalt = Inhalt(n);
            auto& alt = pruefsummen_[n];
            const std::string summe = Pruefsumme(inhalt);
            if (alt != summe) protokoll_ += wann + " " + n + " " + summe + "\n";
            alt = summe;
            ausgaben_.Festhalten(wann, n, std::move(inhalt));
        }
    }

    // Length and FNV-1a checksum of a file's bytes: "1234 0123456789abcdef".
    static std::string Pruefsumme(const std::string& inhalt) {
        uint64_t h = 14695981039346656037ull;
        for (const unsigned char c : inhalt)
            h = (h ^ c) * 1099511628211ull;
        char text[40];
        std::snprintf(text, sizeof text, "%zu %016llx", inhalt.size(), static_cast<unsigned long long>(h));
        return text;
    }

    // The files the run leaves in the working folder, one line each: name, length, checksum.
    std::string Hinterlassen() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner_.path()))
            if (e.is_regular_file() && e.path().filename() != vb::OrdnerSperre::kSperrDatei)
                namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        std::string liste;
        for (const std::string& n : namen)
            liste += n + " " + Pruefsumme(Inhalt(n)) + "\n";
        return liste;
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
    std::map<std::string, std::string> pruefsummen_; // latest checksum of each file taken
    std::string protokoll_;                          // every file new or changed, pass by pass: its checksum
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

// Compares a text with the one kept in `datei`, or writes it there under ZOR_OUTPUTS_WRITE.
void ListeVergleichen(const fs::path& datei, const std::string& ist) {
    if (std::getenv("ZOR_OUTPUTS_WRITE")) {
        fs::create_directories(datei.parent_path());
        std::ofstream(datei, std::ios::binary) << ist;
        GTEST_SKIP() << "written " << datei;
    }
    ASSERT_TRUE(fs::is_regular_file(datei)) << "nothing kept in " << datei;
    const auto u = zortest::Unterschiede(ist, zortest::golden_detail::Lesen(datei));
    if (!u.empty()) ADD_FAILURE() << zortest::Bericht(datei.string(), u, 20);
}

// The files a run leaves in the working folder when it ends, the windows', the pictures' and the slip
// circle's sources among them: the same names with the same bytes as the listing kept beside the run's
// outputs (name, length, checksum), so that a file a run stops writing, keeps longer or writes otherwise
// shows by its name. The large project in ground water, whose whole run is not kept as text, is held to
// the checksum of every file new or changed after each pass as well.
class DateienAmEnde : public GanzerLauf {};

TEST_P(DateienAmEnde, ARunLeavesTheSameFilesWithTheSameBytesInTheWorkingFolder) {
    const std::string name = GetParam();
    Lauf(name);
    ListeVergleichen(fs::path(ZOR_TEST_DATA) / "outputs" / name / "hinterlassen", Hinterlassen());
    if (name == "gross_gw")
        ListeVergleichen(fs::path(ZOR_TEST_DATA) / "outputs" / name / "pruefsummen", protokoll_);
}

INSTANTIATE_TEST_SUITE_P(Projekte, DateienAmEnde,
                         ::testing::Values("Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW",
                                           "Spundwand_frei", "Schlitzwand_Figur8", "gross", "gross_gw"));

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
