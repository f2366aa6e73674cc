// Merging polylines onto common abscissae, forming a line from an abscissa list and
// cleaning all lines of the model.
#include <array>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "slipcircle/zormg_lines.h"
#include "slipcircle/zormg_state.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

// Two lines (0 and 1) in plain nested arrays, addressed t[line][point].
using Feld = std::array<std::array<float, 12>, 2>;

struct Linien {
    Feld z{}, x{};
    int16_t n0 = 0, n1 = 0;
    void setze(int l, std::vector<float> xs, std::vector<float> zs) {
        for (std::size_t i = 0; i < xs.size(); ++i) {
            x[l][i + 1] = xs[i];
            z[l][i + 1] = zs[i];
        }
        (l == 0 ? n0 : n1) = static_cast<int16_t>(xs.size());
    }
};

TEST(LinienVerschneiden, BothLinesGetTheUnionOfTheirAbscissaeWithInterpolatedValues) {
    Linien l;
    l.setze(0, {-99, 0, 99}, {1, 2, 3});
    l.setze(1, {-99, 5, 99}, {10, 20, 30});
    int16_t changed = 0;
    Zormg::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);

    ASSERT_EQ(l.n0, 4);
    ASSERT_EQ(l.n1, 4);
    const float xs[] = {-99, 0, 5, 99};
    for (int p = 1; p <= 4; ++p) {
        EXPECT_FLOAT_EQ(l.x[0][p], xs[p - 1]);
        EXPECT_FLOAT_EQ(l.x[1][p], xs[p - 1]);
    }
    // Line 0 at x = 5 on (0, 2)-(99, 3): 2 + 5/99; line 1 at x = 0 on (-99, 10)-(5, 20): 10 + 10 * 99/104.
    EXPECT_FLOAT_EQ(l.z[0][3], 2.0f + 5.0f / 99.0f);
    EXPECT_NEAR(l.z[1][2], 10.0f + 10.0f * 99.0f / 104.0f, 1e-5);
    EXPECT_FLOAT_EQ(l.z[0][2], 2.0f);
    EXPECT_FLOAT_EQ(l.z[1][3], 20.0f);
    EXPECT_EQ(changed, 1);
}

TEST(LinienVerschneiden, EqualAbscissaeChangeNothingAndKeepTheFlag) {
    for (int16_t vorher : {int16_t{0}, int16_t{1}}) {
        Linien l;
        l.setze(0, {-99, 2, 99}, {1, 2, 3});
        l.setze(1, {-99, 2, 99}, {4, 5, 6});
        int16_t changed = vorher;
        Zormg::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);
        EXPECT_EQ(changed, vorher);
        EXPECT_EQ(l.n0, 3);
        EXPECT_EQ(l.n1, 3);
        EXPECT_FLOAT_EQ(l.z[0][2], 2.0f);
        EXPECT_FLOAT_EQ(l.z[1][2], 5.0f);
    }
}

TEST(LinienVerschneiden, AbscissaeWithinAMillimetreAreOnePointOfTheFirstLine) {
    Linien l;
    l.setze(0, {-99, 2.0f, 99}, {1, 2, 3});
    l.setze(1, {-99, 2.0005f, 99}, {4, 5, 6});
    int16_t changed = 0;
    Zormg::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);
    ASSERT_EQ(l.n0, 3);
    EXPECT_EQ(l.x[0][2], 2.0f);
    EXPECT_EQ(l.x[1][2], 2.0f);
    EXPECT_FLOAT_EQ(l.z[1][2], 5.0f);
    EXPECT_EQ(changed, 0);
}

TEST(LinienVerschneiden, TheMergeEndsWithTheShorterLine) {
    Linien l;
    l.setze(0, {-99, 50}, {0, 10});
    l.setze(1, {-99, 99}, {0, 198});
    int16_t changed = 0;
    Zormg::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);
    ASSERT_EQ(l.n0, 2);
    ASSERT_EQ(l.n1, 2);
    EXPECT_FLOAT_EQ(l.x[1][2], 50.0f);
    EXPECT_FLOAT_EQ(l.z[1][2], 149.0f); // 198 * 149 / 198
    EXPECT_EQ(changed, 1);
}

TEST(LinienVerschneiden, ALineStartingFurtherRightIsHeldAtItsFirstValueNotAtPointZero) {
    Linien l;
    l.setze(0, {0, 10}, {3, 4});
    l.setze(1, {-5, 10}, {7, 8});
    l.x[0][0] = 777; // point 0 belongs to no line and must not be read
    l.z[0][0] = 777;
    int16_t changed = 0;
    Zormg::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);
    ASSERT_EQ(l.n0, 3);
    EXPECT_FLOAT_EQ(l.x[0][1], -5.0f);
    EXPECT_FLOAT_EQ(l.z[0][1], 3.0f);
    EXPECT_FLOAT_EQ(l.z[1][2], 7.0f + 1.0f * 5.0f / 15.0f);
}

TEST(LinienVerschneiden, ATableTooSmallForTheMergedLineIsRefused) {
    Zormg::Linientabelle x(1, 3), z(1, 3);
    for (int p = 1; p <= 3; ++p) {
        x(0, p) = static_cast<float>(2 * p);
        x(1, p) = static_cast<float>(2 * p + 1);
    }
    int16_t n0 = 3, n1 = 3, changed = 0;
    EXPECT_THROW(Zormg::LinienVerschneiden(z, x, n0, n1, 0, 1, changed), vb::RuntimeError);
}

class ModellLinien : public ::testing::Test {
protected:
    void SetUp() override {
        Zormg::ZustandZuruecksetzen();
        auto& z = Zormg::Z();
        z.LinieX = Zormg::Linientabelle(4, 20);
        z.LinieZ = Zormg::Linientabelle(4, 20);
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
