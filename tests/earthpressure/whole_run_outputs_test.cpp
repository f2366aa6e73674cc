// Every output of stage a and the earth-pressure stage, byte for byte: the three example projects and
// the large generated one run through stage a and the earth-pressure stage of every load case and
// stage; after stage a and after every pass each file of the working folder that is new or changed
// gets its SHA-256, and the report "LPTZW" gets one at the end. The lists are compared with those kept
// in tests/data/outputs/, taken from runs known to be right; any change of a number, a blank or a line
// of any report or hand-over file shows as a changed fingerprint with the pass and the file.
// (ZOR_OUTPUTS_WRITE=1 writes the lists anew instead, for a deliberate change of the results;
// ZOR_OUTPUTS_KEEP=<folder> keeps a copy of each report there.)
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "stage_b_fixture.h"
#include "tests/support/fingerprint_check.h"
#include "tests/support/large_project.h"
#include "tests/support/sha256.h"

namespace {

using namespace stageb_test;

class Ausgaben : public StageB, public ::testing::WithParamInterface<const char*> {
protected:
    // Adds a line for every file of the working folder whose content is new since the last call.
    void Festhalten(const std::string& wann, std::string& liste) {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(fs::current_path()))
            if (e.is_regular_file() && e.path().filename() != "LPTZW") namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        for (const std::string& n : namen) {
            const std::string h = zortest::Sha256(vb::ReadFileBytes(n));
            auto& alt = zuletzt_[n];
            if (alt == h) continue;
            alt = h;
            liste += wann + " " + n + " " + h + "\n";
        }
    }

    std::string Lauf() {
        std::string liste;
        zorma::EingabeAuswerten();
        Festhalten("a", liste);
        const int16_t anzLF = P.AnzLF, anzAush = P.AnzAush;
        for (int16_t lf = 1; lf <= anzLF; ++lf)
            for (int16_t s = 1; s <= anzAush; ++s) {
                P.LFNr = lf;
                P.AushNr = s;
                zormb::ErddruckBerechnen();
                Festhalten(std::to_string(lf) + "." + std::to_string(s), liste);
            }
        vb::Close(zorma::kBerichtDateiNr);
        if (const char* kopie = std::getenv("ZOR_OUTPUTS_KEEP")) // the report, to look into a difference
            fs::copy_file("LPTZW", fs::path(kopie) / (std::string(GetParam()) + ".LPTZW"),
                          fs::copy_options::overwrite_existing);
        liste += "Bericht LPTZW " + zortest::Sha256(vb::ReadFileBytes("LPTZW")) + "\n";
        return liste;
    }

    std::map<std::string, std::string> zuletzt_;
};

TEST_P(Ausgaben, EveryReportLineAndHandOverFileStaysByteEqual) {
    const std::string name = GetParam();
    if (name == "gross") {
        ASSERT_TRUE(Beispiel("Traegerbohlwand_verankert"));
        ASSERT_TRUE(zortest::GrossesProjekt(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert"));
        P.GanzerName = "/projekte/gross";
    } else {
        ASSERT_TRUE(Beispiel(name));
    }
    const std::string ist = Lauf();
    const fs::path soll = fs::path(ZOR_TEST_DATA) / "outputs" / (name + ".sha256");
    zortest::FingerabdrueckeVergleichen(name, ist, soll);
}

INSTANTIATE_TEST_SUITE_P(Projekte, Ausgaben,
                         ::testing::Values("Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW",
                                           "Spundwand_frei", "gross"));

TEST(Fingerabdruck, Sha256OfTheStandardTestVectors) {
    EXPECT_EQ(zortest::Sha256(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(zortest::Sha256("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(zortest::Sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

} // namespace
