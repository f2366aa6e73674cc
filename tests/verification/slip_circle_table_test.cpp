// Slip-circle result table from the result file of the slip circle.
#include <gtest/gtest.h>

#include <fstream>

#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"
#include "verification/slip_circle_table.h"
#include "verification/state.h"

namespace {

using zorm1::P;
using zormd::N;

class SlipCircleTable : public ::testing::Test {
protected:
    void SetUp() override {
        P = zorm1::ProjectData{};
        zormd::NachweisZustandZuruecksetzen();
        vb::SetDecimalSeparator('.');
        zorma::TexteBelegen();
    }
    std::vector<std::string> Tabelle(const char* erg) {
        std::ofstream("DIDUVU.ERG") << erg;
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        zormd::GleitkreisTabelle();
        vb::Close(zorma::kBerichtDateiNr);
        return zortest::Zeilen(ordner / "LPTZW");
    }
    zortest::WorkingFolder ordner;
};

TEST_F(SlipCircleTable, ResultLinesStarredLinesAndAnchorList) {
    P.AnzLF = 6;
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 12.5f;
    N.AnkerKraft[1] = 85.27f;
    const auto z = Tabelle("1,3,4.5,-2.25,10.5,1.456,0,0\r\n"
                           "2,3,4.5,-2.25,10.5,888,0,0\r\n"
                           "3,2,1,1,5,0.9,2,0\r\n"
                           "4,2,0,0,0,888,2,0\r\n"
                           "5,2,1,1,5,0.9,3,1\r\n");
    ASSERT_GE(z.size(), 15u);
    EXPECT_EQ(z[5], "        --->      1       3       4.50  -2.25      10.50 m      1.46");
    // Notices longer than the report's 80 columns go on under their text.
    EXPECT_EQ(z[6], "             *** LF  2 : kein gültiger Gleitkreis gefunden; Nachweis nicht");
    EXPECT_EQ(z[7], "                 erbracht.");
    // Given up with a valid best circle: the circle, and the notice that the minimum is not bracketed.
    EXPECT_EQ(z[8], "        --->      3       2       1.00   1.00       5.00 m      0.90");
    EXPECT_EQ(z[9], "             *** LF  3 : Suche abgebrochen, Minimum nicht eingegrenzt.");
    // Given up without any valid circle.
    EXPECT_EQ(z[10], "             *** LF  4 : Suche ohne Ergebnis aufgegeben; Nachweis nicht");
    EXPECT_EQ(z[11], "                 erbracht.");
    EXPECT_EQ(z[12], "             *** LF  5 : Berechnung abgebrochen; kein Ergebnis.");
    EXPECT_EQ(z[13], "             *** LF  6 : kein Ergebnis des Geländebruchs vorhanden."); // no record
    EXPECT_EQ(P.TiefeMittelpunkte, 1);
    // The anchor list follows the last load case: 12.50 after one blank, 85.3 after two.
    bool anker = false;
    for (const auto& l : z)
        anker = anker || l == "              12.50     85.3   ";
    EXPECT_TRUE(anker);
}

// The result file is read once; the table printed twice from the records is the same and leaves the
// project's deep-centre flag as the reading set it.
TEST_F(SlipCircleTable, ReadOnceThenPrintedTwiceTheSame) {
    P.AnzLF = 2;
    std::ofstream("DIDUVU.ERG") << "1,1,2,3,4,1.25,0,1\r\n";
    const auto g = zormd::GleitkreisErgebnisseLesen();
    ASSERT_EQ(g.size(), 2u);
    EXPECT_TRUE(g[0].vorhanden);
    EXPECT_FALSE(g[1].vorhanden);
    EXPECT_EQ(P.TiefeMittelpunkte, 1);
    P.TiefeMittelpunkte = 0;
    const auto drucken = [&] {
        vb::Open("LPTZW", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        zormd::GleitkreisTabelleDrucken(g);
        vb::Close(zorma::kBerichtDateiNr);
        return zortest::Zeilen(ordner / "LPTZW");
    };
    const auto erst = drucken();
    EXPECT_EQ(erst, drucken());
    EXPECT_EQ(P.TiefeMittelpunkte, 0);
    ASSERT_GE(erst.size(), 7u);
    EXPECT_EQ(erst[5], "        --->      1       1       2.00   3.00       4.00 m      1.25");
    EXPECT_NE(erst[6].find("LF  2 : kein Ergebnis des Geländebruchs vorhanden."), std::string::npos);
}

TEST_F(SlipCircleTable, PartialFactorsAndBrokenOffIteration) {
    P.TeilsicherheitenAn = 1;
    P.AnzLF = 2;
    P.AnzAnkerGesamt = 1;
    P.ZAuflager[1] = 2.0f;
    const auto z = Tabelle("1,1,2,3,4,1.25,0,0\r\n2,1,2,3,4,0.5,1,0\r\n");
    bool zeile = false, abbruch = false, anker = false;
    for (const auto& l : z) {
        zeile = zeile || l == "        --->      1       1       2.00   3.00       4.00 m    Ausnutz.= 0.80";
        abbruch = abbruch ||
                  l.find("LF 2 : Abbruch der Iteration; die Ausnutzung liegt deutlich") != std::string::npos;
        anker = anker || l.find("Ankerkräfte") != std::string::npos;
    }
    EXPECT_TRUE(zeile);
    EXPECT_TRUE(abbruch);
    EXPECT_FALSE(anker); // status 1 in the last load case: no anchor list
}

} // namespace
