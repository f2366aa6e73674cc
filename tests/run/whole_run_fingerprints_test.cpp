// Every output of a whole run, byte for byte: the three example projects, the
// diaphragm wall whose last stage redistributes by figure 8 ("Schlitzwand_Figur8") and the large generated
// project calculated through the run driver (stage a, earth pressure, statics and the
// verifications of every load case and stage). After stage a and after each statics and verification
// pass every file of the working folder that is new or changed gets its SHA-256; the report "LPTZW" and
// its copy beside the project get one at the end. The lists are compared with those kept in
// tests/data/outputs/ (<name>.lauf.sha256), taken from runs known to be right, so a change of any number,
// blank or line of any report or hand-over file shows with the pass and the file. The working folder's
// path is replaced by "<ordner>" before a file is fingerprinted.
// (ZOR_OUTPUTS_WRITE=1 writes the lists anew instead, for a deliberate change of the results.)
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
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/fingerprint_check.h"
#include "tests/support/sha256.h"
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

    // Adds a line for every file of the working folder (the reports aside) whose content is new since
    // the last call.
    void Festhalten(const std::string& wann) {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner_.path()))
            if (e.is_regular_file() && e.path().filename() != "LPTZW" && e.path().extension() != ".AUS")
                namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        for (const std::string& n : namen) {
            const std::string h = zortest::Sha256(Inhalt(n));
            auto& alt = zuletzt_[n];
            if (alt == h) continue;
            alt = h;
            liste_ += wann + " " + n + " " + h + "\n";
        }
    }

    std::string Lauf(const std::string& name) {
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
            const std::string pass = std::to_string(P.LFNr) + "." + std::to_string(P.AushNr);
            statik(status);
            Festhalten("c" + pass);
        };
        s.Nachweise = [&](zor::Laufstatus& status) {
            const std::string pass = std::to_string(P.LFNr) + "." + std::to_string(P.AushNr);
            nachweise(status);
            Festhalten("d" + pass);
        };
        EXPECT_EQ(zorrun::ProjektRechnen(datei), zorrun::kLaufFertig);
        for (const auto& b : vb::headless::Log())
            ADD_FAILURE() << b.title << ": " << b.prompt;
        vb::ResetRuntime();
        Festhalten("ende");
        for (const auto& e : fs::directory_iterator(ordner_.path()))
            if (e.is_regular_file() && (e.path().filename() == "LPTZW" || e.path().extension() == ".AUS"))
                liste_ += "Bericht " + e.path().filename().string() + " " +
                          zortest::Sha256(Inhalt(e.path().filename())) + "\n";
        return liste_;
    }

    std::string liste_;
    std::map<std::string, std::string> zuletzt_;
    zortest::WorkingFolder ordner_;
    zortest::Umgebung umgebung_;
};

TEST_P(GanzerLauf, EveryReportLineAndHandOverFileStaysByteEqual) {
    const std::string name = GetParam();
    const std::string ist = Lauf(name);
    const fs::path soll = fs::path(ZOR_TEST_DATA) / "outputs" / (name + ".lauf.sha256");
    zortest::FingerabdrueckeVergleichen(name, ist, soll);
}

INSTANTIATE_TEST_SUITE_P(Projekte, GanzerLauf,
                         ::testing::Values("Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW",
                                           "Spundwand_frei", "Schlitzwand_Figur8", "gross"));

} // namespace
