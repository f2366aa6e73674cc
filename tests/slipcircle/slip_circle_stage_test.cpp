// The slip-circle stage end to end on hand-made hand-over files: result files per load case, what the
// progress observer hears (load case and stage, texts, the progress line, yields), cancelling through it,
// damaged input.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "handover_files.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"
#include "slipcircle/progress.h"
#include "slipcircle/slip_circle_stage.h"
#include "slipcircle/state.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using Zormg::D;

// What the stage tells its observer, in order; after `abbrechenNach` yields it asks the search to stop.
struct Beobachter : Zormg::Fortschritt {
    std::vector<std::string> ereignisse;
    std::vector<std::string> zeile2, zeile3; // at every yield
    std::vector<std::string> zeilen = std::vector<std::string>(12);
    int nachgeben = 0;
    int abbrechenNach = -1;
    void Beginn() override { ereignisse.push_back("Beginn"); }
    void Ende() override { ereignisse.push_back("Ende"); }
    void Lastfall(int16_t lf, int16_t aushub) override {
        ereignisse.push_back("Lastfall " + std::to_string(lf) + " Aushub " + std::to_string(aushub));
        zeilen.assign(12, "");
    }
    void Zeile(int zeile, const std::string& text) override {
        if (zeile >= 1 && zeile < 12) zeilen[static_cast<std::size_t>(zeile)] = text;
    }
    void Nachgeben() override {
        ++nachgeben;
        zeile2.push_back(zeilen[2]);
        if (!zeilen[3].empty() && (zeile3.empty() || zeile3.back() != zeilen[3])) zeile3.push_back(zeilen[3]);
        if (abbrechenNach >= 0 && nachgeben > abbrechenNach) D().AbbruchGewuenscht = true;
    }
};

class Stufe : public ::testing::Test {
protected:
    void SetUp() override {
        Zormg::FortschrittAnschliessen(&beobachter_);
        ResetProjectData();
        Anzeigen::ResetH504();
        Zormg::ZustandZuruecksetzen();
        P.GradZuRad = 3.141593f / 180.0f;
        slipfiles::Projekt({3, 5}, 3);
        slipfiles::GL1();
        slipfiles::GL2();
        ResetProjectData();
        P.GradZuRad = 3.141593f / 180.0f;
    }
    void TearDown() override {
        Zormg::FortschrittAnschliessen(nullptr);
        ResetProjectData();
        Anzeigen::ResetH504();
        Zormg::ZustandZuruecksetzen();
    }
    static std::vector<std::vector<std::string>> Saetze(const std::string& datei) {
        std::vector<std::vector<std::string>> saetze;
        for (const std::string& zeile : zortest::ZeilenAus(zortest::Text(datei))) {
            std::vector<std::string> items;
            std::size_t a = 0;
            for (;;) {
                const std::size_t e = zeile.find(',', a);
                items.push_back(zeile.substr(a, e == std::string::npos ? std::string::npos : e - a));
                if (e == std::string::npos) break;
                a = e + 1;
            }
            saetze.push_back(items);
        }
        return saetze;
    }
    zortest::WorkingFolder dir_;
    Beobachter beobachter_;
};

TEST_F(Stufe, ThreeLoadCasesGiveThreeRecordsInOrderAndTheObserverHearsEach) {
    D().YieldAbstandMs = 1000000; // only the yield after the texts of each load case
    Zormg::GleitkreisRechnen();

    const auto erg = Saetze("DIDUVU.ERG");
    ASSERT_EQ(erg.size(), 3u);
    for (int lc = 1; lc <= 3; ++lc) {
        const auto& r = erg[static_cast<std::size_t>(lc - 1)];
        ASSERT_EQ(r.size(), 8u);
        EXPECT_EQ(r[0], std::to_string(lc));
        EXPECT_EQ(r[1], "2"); // the governing stage
        // Every circle passes through the earth-side wall foot (0, 9).
        const float xM = vb::ValSingle(r[2]), zM = vb::ValSingle(r[3]), R = vb::ValSingle(r[4]);
        EXPECT_NEAR(std::hypot(xM, 9.0f - zM), R, 0.001f);
        const float eta = vb::ValSingle(r[5]);
        EXPECT_GT(eta, 0.7f);
        EXPECT_LT(eta, 100.0f);
        EXPECT_EQ(r[6], "0");
        EXPECT_EQ(r[7], "0");
    }
    // PLT: per load case a head line with the point count, the circle, and that many points.
    const auto plt = Saetze("DIDUVU.PLT");
    std::size_t z = 0;
    for (int lc = 1; lc <= 3; ++lc) {
        ASSERT_LT(z + 1, plt.size());
        ASSERT_EQ(plt[z].size(), 3u);
        EXPECT_EQ(plt[z][0], std::to_string(lc));
        EXPECT_EQ(plt[z][1], "2");
        const int n = std::stoi(plt[z][2]);
        EXPECT_GT(n, 2);
        EXPECT_EQ(plt[z + 1], std::vector<std::string>(erg[static_cast<std::size_t>(lc - 1)].begin() + 2,
                                                       erg[static_cast<std::size_t>(lc - 1)].begin() + 6));
        z += 2 + static_cast<std::size_t>(n);
    }
    EXPECT_EQ(z, plt.size());

    EXPECT_EQ(beobachter_.ereignisse,
              (std::vector<std::string>{"Beginn", "Lastfall 1 Aushub 2", "Lastfall 2 Aushub 2",
                                        "Lastfall 3 Aushub 2", "Ende"}));
    ASSERT_EQ(beobachter_.zeile2.size(), 3u); // the yield after each load case's texts
    EXPECT_EQ(beobachter_.zeile2[0], "  Iter     xM        zM     Radius      eta     etamin");
    EXPECT_EQ(beobachter_.zeilen[5], "  Der Gleitkreis verläuft durch den erdseitigen Fußpunkt der Wand.");
}

TEST_F(Stufe, ProgressLineShowsTheFirstCircleOfTheLoadCase) {
    vb::SetDecimalSeparator(',');
    D().YieldAbstandMs = 0; // a yield at every chance
    Zormg::GleitkreisRechnen();
    vb::SetDecimalSeparator(0);
    // Circle 0 at the first grid centre (-6, -6) of the default field.
    const auto& zeilen = beobachter_.zeile3;
    ASSERT_FALSE(zeilen.empty());
    EXPECT_EQ(zeilen[0].substr(0, 26), " 00000  -006,00   -006,00 ") << zeilen[0];
}

TEST_F(Stufe, ACancelAskedForWhileTheSearchRunsGivesEveryLoadCaseItsRecord) {
    D().YieldAbstandMs = 0;
    beobachter_.abbrechenNach = 6; // the texts of load case 1 and a few circles of the search
    Zormg::GleitkreisRechnen();

    const auto erg = Saetze("DIDUVU.ERG");
    ASSERT_EQ(erg.size(), 3u);
    // Load case 1 keeps its best circle so far; 2 and 3 have none. All carry status 3.
    EXPECT_EQ(erg[0][6], "3");
    const float eta1 = vb::ValSingle(erg[0][5]);
    EXPECT_LT(eta1, 100.0f);
    EXPECT_NEAR(std::hypot(vb::ValSingle(erg[0][2]), 9.0f - vb::ValSingle(erg[0][3])),
                vb::ValSingle(erg[0][4]), 0.001f);
    for (int i : {1, 2}) {
        EXPECT_EQ(erg[static_cast<std::size_t>(i)][5], "999");
        EXPECT_EQ(erg[static_cast<std::size_t>(i)][6], "3");
    }
    const auto plt = Saetze("DIDUVU.PLT");
    const int n1 = std::stoi(plt[0][2]);
    ASSERT_EQ(plt.size(), static_cast<std::size_t>(2 + n1 + 2 + 2));
    EXPECT_EQ(plt[2 + n1][2], "0");
    EXPECT_EQ(plt[4 + n1][2], "0");
    // No search shown after the cancel.
    EXPECT_EQ(beobachter_.ereignisse, (std::vector<std::string>{"Beginn", "Lastfall 1 Aushub 2", "Ende"}));
    // The angles are degrees again.
    EXPECT_NEAR(Zormg::Z().GkSchichtPhi[2], 30.0f, 1e-4f);
}

TEST_F(Stufe, TheSearchYieldsByTimeNotAtEveryStep) {
    // Every circle iterates several steps; yielding at most every 25 ms lets the user act far less
    // often than once per circle.
    D().YieldAbstandMs = 25;
    Zormg::GleitkreisRechnen();
    const int yields = beobachter_.nachgeben;
    EXPECT_GE(yields, 3); // at least once per load case
    EXPECT_LT(yields, D().KreisZaehler / 2);
}

TEST_F(Stufe, DamagedInputLeavesTheResultFilesAlone) {
    vb::WriteFileBytes("DIDUVU.ERG", "alt\r\n");
    vb::WriteFileBytes("wexasave.gl2", vb::ReadFileBytes("wexasave.gl2").substr(0, 200));
    EXPECT_THROW(Zormg::GleitkreisRechnen(), zor::CalcAbort);
    EXPECT_EQ(vb::ReadFileBytes("DIDUVU.ERG"), "alt\r\n");
    EXPECT_EQ(beobachter_.ereignisse.back(), "Ende"); // told of the end however the stage ends
}

TEST_F(Stufe, ModelBeyondItsArraysIsRefusedBeforeTheResultFilesAreTouched) {
    // 8 slopes and 12 layers need 21 lines; the model holds 20.
    slipfiles::Projekt({3, 5}, 3);
    P.AnzBoesch = 8;
    for (int i = 1; i <= 8; ++i) {
        P.BoeschX1[i] = static_cast<float>(i);
        P.BoeschX2[i] = i + 0.5f;
        P.BoeschGamma[i] = 18;
    }
    P.AnzErd = 12;
    for (int i = 1; i <= 12; ++i) {
        P.SchichtDicke[i] = 1;
        P.SchichtGamma[i] = 18;
    }
    slipfiles::GL1();
    vb::WriteFileBytes("DIDUVU.ERG", "alt\r\n");
    try {
        Zormg::GleitkreisRechnen();
        FAIL() << "no abort";
    } catch (const zor::CalcAbort& e) {
        EXPECT_NE(std::string(e.what()).find("wexasave.GL1"), std::string::npos) << e.what();
    }
    EXPECT_EQ(vb::ReadFileBytes("DIDUVU.ERG"), "alt\r\n");
}

TEST_F(Stufe, DeepCentresStartOneMetreAboveTheExcavationLevel) {
    // The run's excavation level is 6.5 m: the field spans z 5.5 to 10.5.
    P.TiefeMittelpunkte = 1;
    P.zAush = 6.5f;
    vb::SetDecimalSeparator(',');
    D().YieldAbstandMs = 0;
    Zormg::GleitkreisRechnen();
    vb::SetDecimalSeparator(0);
    const auto& zeilen = beobachter_.zeile3;
    ASSERT_FALSE(zeilen.empty());
    EXPECT_EQ(zeilen[0].substr(0, 26), " 00000  -006,00   005,50  ") << zeilen[0];
    const auto erg = Saetze("DIDUVU.ERG");
    ASSERT_EQ(erg.size(), 3u);
    EXPECT_EQ(erg[0][7], "1");
}

TEST_F(Stufe, WallWithoutThicknessAndUnitWeightGetsTheWallBodyDefaults) {
    slipfiles::Projekt({3, 5}, 1);
    P.DWand = 0;
    P.GamWand = 0;
    slipfiles::GL1();
    slipfiles::GL2();
    Zormg::GleitkreisRechnen();
    EXPECT_FLOAT_EQ(D().GkDWand, 0.01f);
    EXPECT_FLOAT_EQ(D().GkGamWand, 25.0f);
    EXPECT_FLOAT_EQ(Zormg::Z().GkSchichtGamma[1], 25.0f);
    EXPECT_FLOAT_EQ(Zormg::Z().GkSchichtC[1], 999.0f);
    EXPECT_EQ(Saetze("DIDUVU.ERG").size(), 1u);
}

} // namespace
