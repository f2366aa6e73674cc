// Forming a line from an abscissa list, collecting crossings and cleaning all lines of the model.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "slipcircle/lines.h"
#include "slipcircle/state.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

class ModellLinien : public ::testing::Test {
protected:
    void SetUp() override {
        Zormg::ZustandZuruecksetzen();
        auto& z = Zormg::Z();
        z.LinieX = zor::Linientafel(4, 20);
        z.LinieZ = zor::Linientafel(4, 20);
        z.LinienPunktzahl.assign(5, 0);
    }
    static void setze(int l, std::vector<float> xs, std::vector<float> zs) {
        auto& z = Zormg::Z();
        for (std::size_t i = 0; i < xs.size(); ++i) {
            z.LinieX(l, static_cast<int>(i) + 1) = xs[i];
            z.LinieZ(l, static_cast<int>(i) + 1) = zs[i];
        }
        z.LinienPunktzahl[static_cast<std::size_t>(l)] = static_cast<int16_t>(xs.size());
    }
};

TEST_F(ModellLinien, KreisLinieSetzenDropsRepeatedAbscissaeAndClearsTheLine) {
    auto& z = Zormg::Z();
    setze(2, {-99, -50, 0, 40, 99}, {1, 2, 3, 4, 5});
    z.XListe = {0, -99, -99, 3, 3.00005f, 99};
    z.AnzXListe = 5;
    Zormg::KreisLinieSetzen(2);
    ASSERT_EQ(z.LinienPunktzahl[2], 3);
    EXPECT_FLOAT_EQ(z.LinieX(2, 1), -99.0f);
    EXPECT_FLOAT_EQ(z.LinieX(2, 2), 3.0f);
    EXPECT_FLOAT_EQ(z.LinieX(2, 3), 99.0f);
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(z.LinieZ(2, p), 0.0f);
    EXPECT_EQ(z.LinieX(2, 4), 0.0f);
    EXPECT_EQ(z.LinieX(2, 5), 0.0f);
}

TEST_F(ModellLinien, LinienBereinigenBringsEveryLineOntoTheSameAbscissae) {
    auto& z = Zormg::Z();
    z.AnzLinien = 2;
    setze(0, {-99, 99}, {4, 4});
    setze(1, {-99, 0, 99}, {0, 0, 0});
    setze(2, {-99, 5, 99}, {6, 6, 10});
    setze(3, {-99, 99}, {20, 20}); // beyond AnzLinien + n: untouched
    Zormg::LinienBereinigen(0);
    const float xs[] = {-99, 0, 5, 99};
    for (int l = 0; l <= 2; ++l) {
        ASSERT_EQ(z.LinienPunktzahl[static_cast<std::size_t>(l)], 4) << "line " << l;
        for (int p = 1; p <= 4; ++p)
            EXPECT_FLOAT_EQ(z.LinieX(l, p), xs[p - 1]) << "line " << l;
    }
    EXPECT_EQ(z.LinienPunktzahl[3], 2);
    // Line 2 at x = 0 on (-99, 6)-(5, 6) is 6; at 99 it keeps 10.
    EXPECT_FLOAT_EQ(z.LinieZ(2, 2), 6.0f);
    EXPECT_FLOAT_EQ(z.LinieZ(2, 4), 10.0f);
    EXPECT_FLOAT_EQ(z.LinieZ(0, 3), 4.0f);
}

} // namespace

namespace {

TEST_F(ModellLinien, SchnittpunkteSammelnAppendsEveryCrossingOncePerSegment) {
    auto& z = Zormg::Z();
    z.AnzLinien = 1;
    setze(0, {-10, 0, 10}, {0, 0, 0}); // two segments meeting at x = 0
    setze(1, {-10, 10}, {5, 5});
    setze(2, {-5, 6}, {-5, 6}); // the line k: z = x, beyond AnzLinien
    z.XListe.assign(11, 0.0f);
    z.XListe[1] = 99.0f;
    z.AnzXListe = 1;
    Zormg::SchnittpunkteSammeln(2);
    ASSERT_EQ(z.AnzXListe, 4);
    EXPECT_FLOAT_EQ(z.XListe[1], 99.0f); // the list is extended, not reset
    EXPECT_NEAR(z.XListe[2], 0.0f, 1e-5);
    EXPECT_NEAR(z.XListe[3], 0.0f, 1e-5);
    EXPECT_NEAR(z.XListe[4], 5.0f, 1e-5);
}

TEST_F(ModellLinien, SchnittpunkteSammelnRefusesToRunPastTheList) {
    auto& z = Zormg::Z();
    z.AnzLinien = 1;
    setze(0, {-10, 10}, {0, 0});
    setze(1, {-10, 10}, {5, 5});
    setze(2, {-5, 6}, {-5, 6});
    z.XListe.assign(2, 0.0f); // room for one value only
    z.AnzXListe = 0;
    EXPECT_THROW(Zormg::SchnittpunkteSammeln(2), vb::RuntimeError);
}

TEST(FelderDimensionieren, CreatesEmptyArraysSizedForTheBottomLoadsOfTheStage) {
    Zormg::ZustandZuruecksetzen();
    ResetProjectData();
    P.AnzSohlLast = 3;
    Zormg::FelderDimensionieren();
    auto& z = Zormg::Z();
    z.PunktX[150] = 7.0f;
    z.LinienText[20] = "1 2";
    z.VLastA[33] = 4.0f;
    EXPECT_EQ(z.PunktNummer.size(), 151u);
    EXPECT_EQ(z.LinienText.size(), 21u);
    EXPECT_EQ(z.GkAnkerZ.size(), 21u);
    EXPECT_EQ(z.LastPunkt1.size(), 34u);
    EXPECT_EQ(z.VLastE.size(), 34u);
    EXPECT_EQ(z.HLastA.size(), 31u);
    EXPECT_EQ(z.LastStaendig.size(), 31u);

    P.AnzSohlLast = 0;
    Zormg::FelderDimensionieren();
    EXPECT_EQ(z.PunktX[150], 0.0f);
    EXPECT_EQ(z.LinienText[20], "");
    EXPECT_EQ(z.LastPunkt1.size(), 31u);
    ResetProjectData();
}

} // namespace
