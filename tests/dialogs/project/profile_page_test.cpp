// The steel profile page with a small list of its own in the working folder. E*I of a profile per metre of
// wall: I x E / spacing, with E = 210000 MN/m2 and I from cm4 to m4.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "../../support/working_folder.h"
#include "dialogs/project/frmProfile.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbstring.h"
#include "request/wall_section.h"

using zorm1::P;

namespace {

class Profilseite : public ::testing::Test {
protected:
    zortest::WorkingFolder ordner;
    void SetUp() override {
        vb::headless::ResetForms();
        vb::headless::Reset();
        zorm1::ResetProjectData();
        RegisterProjectDialogs();
        std::ofstream("zorTBw.txt")
            << "HEB240   5000  400   80  1  24\r\nHEB300   10000  600   100  1  30\r\n"
            << "2U240    7000  500   90   1  24\r\n";
        std::ofstream("zorSPw.txt") << "AZ18     34200  1800  150.4  .95  38\r\n";
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        zorm1::ResetProjectData();
    }
};

TEST_F(Profilseite, ASoldierPileProfileGivesStiffnessPerMetreAndTheThicknessFromItsName) {
    P.Wandart = 1;
    P.ABohl = 2.5f;
    vb::FormByName("frmProfile");
    EXPECT_EQ(vb::headless::text("frmProfile"), " Profile für Trägerbohlwand");
    vb::user::clickItem("frmProfile.List1", 1);
    // 10000 cm4 x 210000 / 10^8 / 2.5 m = 8.4 MNm2/m.
    EXPECT_NEAR(P.EIWand, 8.4f, 1e-5f);
    EXPECT_EQ(P.DWand, 0.3f); // from "300", not from the depth of 30 cm
    // 100 cm2 x 78.5 / 2.5 / 0.3 / 10000 = 1.0467 kN/m3 over the thickness.
    EXPECT_NEAR(P.GamWand, 100.0f * 78.5f / 2.5f / 0.3f / 10000.0f, 1e-6f);
    EXPECT_EQ(P.ProfilText, "HEB300");
    EXPECT_EQ(vb::Trim(P.ProfilName).substr(vb::Trim(P.ProfilName).size() - 3), "TBW");
    // The wall page was closed: the choice brings it up with the profile's values, and the list stays.
    ASSERT_NE(vb::LoadedForm("frmWand1"), nullptr);
    EXPECT_TRUE(vb::LoadedForm("frmWand1")->Visible());
    EXPECT_EQ(vb::Trim(vb::headless::text("frmWand1.txtEI")), "8.4");
    EXPECT_EQ(vb::headless::text("frmWand1.txtDwand"), ".3");
    EXPECT_NEAR(P.EIWand, 8.4f, 1e-5f);
    ASSERT_NE(vb::LoadedForm("frmProfile"), nullptr);
    vb::user::click("frmProfile.cmdOK");
    for (int l = 1; l <= 8; ++l)
        EXPECT_NEAR(P.SchichtEI[l], 8.4f, 1e-5f);
    EXPECT_EQ(vb::LoadedForm("frmProfile"), nullptr);

    // Reopened, the chosen line is selected again.
    vb::FormByName("frmProfile");
    EXPECT_EQ(vb::headless::value("frmProfile.List1"), 1);
}

TEST_F(Profilseite, NamesGiveTheirDigitsAsMillimetres) {
    const struct {
        const char* name;
        float dicke;
        bool gefunden;
    } faelle[] = {{"2U240", 0.24f, true}, {"HE300B2", 3.002f, true}, {"IPB", 0.0f, false}};
    for (const auto& f : faelle) {
        bool gefunden = false;
        EXPECT_EQ(Profil::DickeAusName(f.name, gefunden), f.dicke) << f.name;
        EXPECT_EQ(gefunden, f.gefunden) << f.name;
    }
}

TEST_F(Profilseite, ASoldierPileNameWithoutDigitsKeepsThicknessAndUnitWeight) {
    P.ProfilPraefix = "TBW";
    P.ProfilName = "SONDER 9000 500 80 1 24 TBW";
    P.ABohl = 2.0f;
    P.DWand = 0.5f;
    P.GamWand = 3.0f;
    Profil::EIStahlRechnen();
    EXPECT_NEAR(P.EIWand, 9000.0f * 210000.0f / 1e8f / 2.0f, 1e-5f);
    EXPECT_EQ(P.DWand, 0.5f);
    EXPECT_EQ(P.GamWand, 3.0f);
}

TEST_F(Profilseite, TheSheetPileListWorksPerMetreAndCancelKeepsWhatAClickApplied) {
    P.Wandart = 2;
    P.ABohl = 2.5f;
    vb::FormByName("frmProfile");
    EXPECT_EQ(P.ABohl, 1.0f);
    vb::user::clickItem("frmProfile.List1", 0);
    EXPECT_NEAR(P.EIWand, 34200.0f * 210000.0f / 1e8f, 1e-3f);
    EXPECT_EQ(P.DWand, 0.38f); // the depth of 38 cm
    vb::user::click("frmProfile.cmdAbbruch");
    EXPECT_NEAR(P.EIWand, 71.82f, 1e-3f);
    vb::FormByName("frmProfile");
    vb::user::click("frmProfile.cmdElim");
    EXPECT_EQ(P.ProfilName, "");
    EXPECT_EQ(P.EIWand, 0.0f);
    EXPECT_EQ(P.DWand, 0.38f);
}

TEST_F(Profilseite, AMissingListIsReportedAndLeavesTheListEmpty) {
    std::remove("zorSPw.txt");
    P.Wandart = 2;
    vb::FormByName("frmProfile");
    EXPECT_EQ(vb::form<frmProfile>().List1.ListCount(), 0);
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("zorSPw.txt"), std::string::npos);
}

} // namespace

namespace {

// Where a text ends each of its words (the column after its last character).
std::vector<std::size_t> WortEnden(const std::string& zeile) {
    std::vector<std::size_t> enden;
    for (std::size_t i = 0; i < zeile.size(); ++i)
        if (zeile[i] != ' ' && (i + 1 == zeile.size() || zeile[i + 1] == ' ')) enden.push_back(i + 1);
    return enden;
}

// The head lines name the columns of the shipped lists (I, W, A, s, h as the section design reads them, over
// their units), each head ending in the column where every line of the list ends that number.
TEST(ProfilKoepfe, EachHeadStandsOverItsColumnOfTheShippedLists) {
    for (bool spundwand : {false, true}) {
        SCOPED_TRACE(spundwand);
        const std::string werte = frmProfile::Spaltenkoepfe(spundwand, 0);
        const std::string einheiten = frmProfile::Spaltenkoepfe(spundwand, 1);
        const std::string m = spundwand ? "/m" : "";
        EXPECT_EQ(werte.rfind("Profil ", 0), 0u);
        const auto woerter = [](const std::string& t) {
            std::vector<std::string> v;
            std::string wort;
            for (char c : t + " ")
                if (c != ' ') {
                    wort += c;
                } else if (!wort.empty()) {
                    v.push_back(wort);
                    wort.clear();
                }
            return v;
        };
        const auto w = woerter(werte), e = woerter(einheiten);
        EXPECT_EQ(w, (std::vector<std::string>{"Profil", "I", "W", "A", "s", "h"}));
        EXPECT_EQ(e, (std::vector<std::string>{"cm4" + m, "cm3" + m, "cm2" + m, "cm", "cm"}));
        const auto koepfe = WortEnden(werte);
        ASSERT_EQ(koepfe.size(), 6u);
        EXPECT_EQ(WortEnden(einheiten), std::vector<std::size_t>(koepfe.begin() + 1, koepfe.end()));
        std::ifstream liste(std::string(ZOR_SHIPPED_DATA) + (spundwand ? "/zorSPw.txt" : "/zorTBw.txt"));
        std::string zeile;
        int zeilen = 0;
        while (std::getline(liste, zeile)) {
            if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
            if (vb::Trim(zeile).empty()) continue;
            const auto enden = WortEnden(zeile);
            ASSERT_EQ(enden.size(), 6u) << zeile;
            EXPECT_EQ(std::vector<std::size_t>(enden.begin() + 1, enden.end()),
                      std::vector<std::size_t>(koepfe.begin() + 1, koepfe.end()))
                << zeile;
            ++zeilen;
        }
        EXPECT_GT(zeilen, 10);
    }
}

TEST_F(Profilseite, TheHeadLineStandsAboveTheListOfTheWallType) {
    for (int16_t art : {1, 2}) {
        vb::headless::ResetForms();
        P.Wandart = art;
        vb::FormByName("frmProfile");
        auto& f = vb::form<frmProfile>();
        EXPECT_EQ(f.lblKopf.Caption(), frmProfile::Spaltenkoepfe(art == 2, 0));
        EXPECT_EQ(f.lblEinheit.Caption(), frmProfile::Spaltenkoepfe(art == 2, 1));
        EXPECT_LE(f.lblKopf.Top() + f.lblKopf.Height(), f.lblEinheit.Top());
        EXPECT_LE(f.lblEinheit.Top() + f.lblEinheit.Height(), f.List1.Top());
        EXPECT_EQ(f.lblKopf.FontName(), f.List1.FontName()); // the same fixed pitch
        EXPECT_EQ(f.lblEinheit.FontName(), f.List1.FontName());
    }
}

} // namespace
