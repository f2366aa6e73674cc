// The earth-pressure sections of whole runs: the three example projects through stage a and the
// earth-pressure stage of every load case and excavation stage, compared line by line with the
// expected reports beside the expected echoes (tests/data/echo/<project>_Erddruck.txt).
//
// Checked by hand in the free sheet pile wall: 10 kN/m2 on 1.5 m sand (phi 30°, deltaA 20°,
// Kah = 0.2794) above sand with phi 32.5°, deltaA 21.67° (Kah = 0.2507), gamG = 1.2:
// eh = 1.2 x 10 x 0.2794 = 3.35 at the head, 1.2 x 37 x 0.2794 = 12.40 and 1.2 x 37 x 0.2507 =
// 11.13 above and below the layer boundary at 1.5 m.
#include <algorithm>
#include <fstream>

#include "earthpressure/stage_a.h"
#include "frame/messages.h"
#include "frame/project_file.h"
#include "stage_b_fixture.h"

namespace {

using namespace stageb_test;

class Erddruckbericht : public StageB, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        StageB::SetUp();
        zor::meldeprotokoll::Zuruecksetzen();
    }
    // The report lines of every earth-pressure pass of the project after the echo of stage a.
    std::vector<std::string> Lauf(const std::string& name) {
        EXPECT_TRUE(Beispiel(name));
        zorma::EingabeAuswerten();
        const std::size_t ab = Zeilen("LPTZW").size();
        const int16_t anzLF = P.AnzLF, anzAush = P.AnzAush;
        for (int16_t lf = 1; lf <= anzLF; ++lf)
            for (int16_t s = 1; s <= anzAush; ++s) {
                P.LFNr = lf;
                P.AushNr = s;
                zormb::ErddruckBerechnen();
            }
        vb::Close(zorma::kBerichtDateiNr);
        const auto z = Zeilen("LPTZW");
        return std::vector<std::string>(z.begin() + static_cast<long>(std::min(ab, z.size())), z.end());
    }
};

TEST_P(Erddruckbericht, GleichDemErwartetenBericht) {
    const std::string name = GetParam();
    const auto ist = Lauf(name);
    const auto soll = Zeilen(fs::path(ZOR_TEST_DATA) / "echo" / (name + "_Erddruck.txt"), false);
    EXPECT_GT(soll.size(), 10u);
    const std::size_t n = std::max(ist.size(), soll.size());
    int fehler = 0;
    for (std::size_t k = 0; k < n && fehler < 10; ++k) {
        const std::string a = k < ist.size() ? ist[k] : "<fehlt>";
        const std::string b = k < soll.size() ? soll[k] : "<fehlt>";
        if (a != b) {
            ++fehler;
            ADD_FAILURE() << name << " line " << k + 1 << "\n  report:   [" << a << "]\n  expected: [" << b
                          << "]";
        }
    }
    if (fehler > 0) {
        std::ofstream o("/tmp/" + name + "_Erddruck.txt.ist", std::ios::binary);
        for (const auto& z : ist)
            o << z << "\n";
    }
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Erddruckbericht,
                         ::testing::Values("Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW",
                                           "Spundwand_frei"));

} // namespace
