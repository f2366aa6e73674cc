// The inputs the fuzzing of the project-file reader collected, read again in every build: each one
// keeps the reader's promises (no crash, a failed read changes nothing and says "Falsche Datei").
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/messages.h"
#include "platform/runtime/winfs.h"
#include "tests/support/project_file_check.h"
#include "tests/support/working_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(ProjectFileCorpus, EveryCollectedInputKeepsTheReadersPromises) {
    zortest::WorkingFolder dir;
    const auto basis = zortest::LeseBasisAus(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert");
    ASSERT_EQ(basis.projekt.DatenGelesen, -1);

    std::vector<fs::path> dateien;
    for (const auto& e : fs::directory_iterator(fs::path(ZOR_TEST_DATA) / ".." / "fuzz" / "corpus"))
        if (e.is_regular_file()) dateien.push_back(e.path());
    std::sort(dateien.begin(), dateien.end());
    ASSERT_FALSE(dateien.empty());
    int gelesen = 0;
    for (const auto& d : dateien) {
        EXPECT_EQ(zortest::ProjektdateiPruefen(vb::ReadFileBytes(d.string()), basis), "") << d.filename();
        gelesen += zor::meldeprotokoll::Eintraege().empty(); // no box: it was read
    }
    // The corpus holds projects that read as well as files that do not.
    EXPECT_GT(gelesen, 0);
    zorm1::ResetProjectData();
    Anzeigen::ResetH504();
}

} // namespace
