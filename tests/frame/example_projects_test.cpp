// The example projects under tests/data are project files as an engineer would save them. They are read here
// and checked against the design they describe; later stages of the program run them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/stage_table.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ProjectData;
using zorm1::ResetProjectData;

namespace fs = std::filesystem;

namespace {

class ExampleProjects : public ::testing::Test {
protected:
    void SetUp() override {
        zor::meldeprotokoll::Zuruecksetzen();
        ResetProjectData();
        Anzeigen::ResetH504();
        P.GradZuRad = 3.141593f / 180.0f;
    }
    void TearDown() override {
        ResetProjectData();
        Anzeigen::ResetH504();
    }
    // Reads the example and checks that saving it again gives the same bytes.
    void Lesen(const std::string& name) {
        const std::string pfad = std::string(ZOR_TEST_DATA) + "/" + name;
        ASSERT_TRUE(zorm1::EingabeLesen(pfad));
        EXPECT_TRUE(zor::meldeprotokoll::Eintraege().empty());
        EXPECT_EQ(P.DatenGelesen, -1);
        const ProjectData gelesen = P;
        ASSERT_TRUE(zorm1::EingabeSchreiben("kopie"));
        EXPECT_EQ(vb::ReadFileBytes("kopie"), vb::ReadFileBytes(pfad));
        EXPECT_TRUE(P == gelesen);
    }
    zortest::WorkingFolder dir_;
};

TEST_F(ExampleProjects, CantileverSheetPileWall) {
    Lesen("Spundwand_frei");
    EXPECT_EQ(P.Wandtyp, 2);
    EXPECT_EQ(P.Wandart, 2);
    EXPECT_EQ(P.WandKopf, 1);
    EXPECT_EQ(P.ProjBez, "Baugrube Lagerhalle Süd");
    EXPECT_EQ(P.AnzErd, 2);
    EXPECT_EQ(P.SchichtPhi[2], 32.5f);
    EXPECT_EQ(P.SchichtDeltaP[2], -16.25f);
    EXPECT_EQ(P.SchichtEI[1], 71.82f); // AZ 18: 210000 MN/m2 x 34200 cm4/m
    EXPECT_EQ(P.AnzAush, 1);
    EXPECT_EQ(P.AnzAnkerGesamt, 0);
    EXPECT_EQ(P.AnzLF, 1);
    EXPECT_EQ(P.ErdLastPv(1, 1), 10.0f);
    EXPECT_EQ(P.ErdLastXE(1, 1), 999.0f);
    EXPECT_EQ(P.ProfilText, "AZ18");
    // Allowed stresses of S 355 as the design page writes them under partial factors: fyd and fyd / sqrt(3)
    // with fyd = 355 / 1.1.
    EXPECT_EQ(P.ZulSigma, 323.0f);
    EXPECT_EQ(P.ZulTau, 186.0f);
    zormcom::AushubLaden(1);
    // The cantilever with a free head and no bedding, fixed after Blum by the stage page.
    EXPECT_EQ(P.Wandfuss, 4);
    EXPECT_EQ(P.kzUeb[1], 1);
    EXPECT_EQ(P.zAush, 3.5f);
    EXPECT_EQ(P.ZWandfuss, 3.5f + 0.01f);
    EXPECT_EQ(P.AnzAnker, 0);
    EXPECT_EQ(P.ZNextAnker, 99.0f);
    EXPECT_EQ(Anzeigen::H504.Dialog.txtVerfasser, "Ingenieurbüro Weiß");
}

TEST_F(ExampleProjects, AnchoredSoldierPileWall) {
    Lesen("Traegerbohlwand_verankert");
    EXPECT_EQ(P.Wandtyp, 1);
    EXPECT_EQ(P.BBohl, 0.3f);
    EXPECT_EQ(P.ABohl, 2.0f);
    EXPECT_EQ(P.AnzErd, 3);
    EXPECT_EQ(P.SchichtCa[3], 10.0f);
    EXPECT_EQ(P.AnzAush, 3);
    EXPECT_EQ(P.AnkerLaengen, 1);
    EXPECT_EQ(P.AnzAnkerGesamt, 2);
    EXPECT_EQ(P.ZAuflager[2], 4.0f);
    EXPECT_EQ(P.AnkerNeigungGrad[1], 15.0f);
    EXPECT_EQ(P.AnkerLmax[2], 18.0f);
    EXPECT_EQ(P.AnzLF, 2);
    EXPECT_EQ(P.ErdLastPv(2, 2), 150.0f);
    EXPECT_EQ(P.ErdLastRuheProz(2, 2), 0); // no at-rest share of the earth pressure, none of the loads
    EXPECT_EQ(P.ErdLastNichtIn(2, 2, 0), 1);
    EXPECT_EQ(P.ZulSigma, 323.0f);
    EXPECT_EQ(P.ZulTau, 186.0f);
    const float aushub[] = {2.0f, 5.0f, 8.5f};
    const float naechster[] = {1.5f, 4.0f, 99.0f};
    const int16_t fuss[] = {4, 1, 1};
    for (int s = 1; s <= 3; ++s) {
        zormcom::AushubLaden(static_cast<int16_t>(s));
        EXPECT_EQ(P.Wandfuss, fuss[s - 1]) << s;
        EXPECT_EQ(P.zAush, aushub[s - 1]) << s;
        EXPECT_EQ(P.AnzAnker, s - 1) << s;
        EXPECT_EQ(P.ZNextAnker, naechster[s - 1]) << s;
        EXPECT_EQ(P.ZWandfuss, aushub[s - 1] + 0.01f) << s;
    }
    EXPECT_EQ(P.ZAnker[1], 1.5f);
    EXPECT_EQ(P.ZAnker[2], 4.0f);
    // Figure 8 becomes the trapezoid blocks of its rules on a soldier pile wall.
    EXPECT_EQ(P.UmFigur, 4);
    EXPECT_EQ(P.UmZ1, 1.5f);
    EXPECT_EQ(P.UmZ2, 4.0f);
}

TEST_F(ExampleProjects, StruttedDiaphragmWallWithGroundWater) {
    Lesen("Schlitzwand_gesteift_GW");
    EXPECT_EQ(P.Wandtyp, 3);
    EXPECT_EQ(P.DWand, 0.8f);
    EXPECT_EQ(P.GamWand, 25.0f);
    EXPECT_EQ(P.RuheProz, 25.0f);
    EXPECT_EQ(P.AnzErd, 4);
    EXPECT_EQ(P.SchichtEI[4], 1280.0f); // 30000 MN/m2 x 0.8^3 / 12
    EXPECT_EQ(P.AnkerLaengen, 0);
    EXPECT_EQ(P.AnzAnkerGesamt, 2);
    EXPECT_EQ(P.kzHydGrBrEin, 1);
    EXPECT_EQ(P.kzStroemEin, 1);
    for (int s = 1; s <= 3; ++s) {
        zormcom::AushubLaden(static_cast<int16_t>(s));
        // The cantilever of stage 1 fixed after Blum; the strutted stages on the given foot at 20 m.
        EXPECT_EQ(P.Wandfuss, s == 1 ? 4 : 2) << s;
        EXPECT_EQ(P.ZWandfuss, s == 1 ? 2.5f + 0.01f : 20.0f) << s;
        EXPECT_EQ(P.ZWasserErd, 3.0f) << s;
        EXPECT_EQ(P.ZWasserErdAush[s], 3.0f) << s;
    }
    // Final stage: excavation 12.0 m, water lowered to 0.5 m below it, struts at 2.0 and 7.0 m.
    EXPECT_EQ(P.zAush, 12.0f);
    EXPECT_EQ(P.ZWasserLuft, 12.5f);
    EXPECT_EQ(P.AnzAnker, 2);
    EXPECT_EQ(P.ZAnker[2], 7.0f);
    EXPECT_EQ(P.Kommentar[6], "Grundwasser 3,0 m unter GOK, Absenkung innen 0,5 m unter Aushubsohle");
}

} // namespace
