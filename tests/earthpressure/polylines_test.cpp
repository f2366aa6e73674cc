// Polylines as tables of lines: the table's bounds and the merge of two lines onto common
// abscissae.
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "earthpressure/polylines.h"
#include "platform/runtime/errors.h"

namespace {

TEST(Linientafel, CellsStartAtZeroAndAResizeClearsThem) {
    zor::Linientafel t(2, 3);
    EXPECT_EQ(t.LinienOben(), 2);
    EXPECT_EQ(t.PunkteOben(), 3);
    t(2, 3) = 5.0f;
    t(0, 0) = 1.0f;
    EXPECT_EQ(t(2, 3), 5.0f);
    EXPECT_EQ(t(1, 3), 0.0f);
    t.Dimensionieren(4, 1);
    EXPECT_EQ(t.LinienOben(), 4);
    EXPECT_EQ(t.PunkteOben(), 1);
    for (int l = 0; l <= 4; ++l)
        for (int p = 0; p <= 1; ++p)
            EXPECT_EQ(t(l, p), 0.0f) << l << " " << p;
}

[[noreturn]] void eigenerAbbruch() {
    throw zor::CalcAbort("Modell zu groß");
}

TEST(Linientafel, AnIndexOutsideTheBoundsCallsTheRangeHandler) {
    struct Fall {
        int linie, punkt;
    };
    const Fall faelle[] = {{-1, 0}, {0, -1}, {3, 0}, {0, 4}, {3, 4}};
    zor::Linientafel vb9(2, 3), eigen(2, 3, eigenerAbbruch), leer, leerEigen(eigenerAbbruch);
    for (const Fall& f : faelle) {
        try {
            vb9(f.linie, f.punkt) = 1.0f;
            ADD_FAILURE() << f.linie << " " << f.punkt;
        } catch (const vb::RuntimeError& e) {
            EXPECT_EQ(e.number(), 9);
        }
        EXPECT_THROW(eigen(f.linie, f.punkt), zor::CalcAbort) << f.linie << " " << f.punkt;
    }
    EXPECT_THROW(leer(0, 0), vb::RuntimeError); // not made yet
    // A resize keeps the handler.
    EXPECT_THROW(leerEigen(0, 0), zor::CalcAbort);
    leerEigen.Dimensionieren(1, 1);
    leerEigen(1, 1) = 2.0f;
    EXPECT_THROW(leerEigen(2, 1), zor::CalcAbort);
}

// Two lines (0 and 1) with room for eleven points each.
struct Linien {
    zor::Linientafel z{1, 11}, x{1, 11};
    int16_t n0 = 0, n1 = 0;
    void setze(int l, std::vector<float> xs, std::vector<float> zs) {
        for (std::size_t i = 0; i < xs.size(); ++i) {
            x(l, i + 1) = xs[i];
            z(l, i + 1) = zs[i];
        }
        (l == 0 ? n0 : n1) = static_cast<int16_t>(xs.size());
    }
};

TEST(LinienVerschneiden, BothLinesGetTheUnionOfTheirAbscissaeWithInterpolatedValues) {
    Linien l;
    l.setze(0, {-99, 0, 99}, {1, 2, 3});
    l.setze(1, {-99, 5, 99}, {10, 20, 30});
    int16_t changed = 0;
    zor::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);

    ASSERT_EQ(l.n0, 4);
    ASSERT_EQ(l.n1, 4);
    const float xs[] = {-99, 0, 5, 99};
    for (int p = 1; p <= 4; ++p) {
        EXPECT_FLOAT_EQ(l.x(0, p), xs[p - 1]);
        EXPECT_FLOAT_EQ(l.x(1, p), xs[p - 1]);
    }
    // Line 0 at x = 5 on (0, 2)-(99, 3): 2 + 5/99; line 1 at x = 0 on (-99, 10)-(5, 20): 10 + 10 * 99/104.
    EXPECT_FLOAT_EQ(l.z(0, 3), 2.0f + 5.0f / 99.0f);
    EXPECT_NEAR(l.z(1, 2), 10.0f + 10.0f * 99.0f / 104.0f, 1e-5);
    EXPECT_FLOAT_EQ(l.z(0, 2), 2.0f);
    EXPECT_FLOAT_EQ(l.z(1, 3), 20.0f);
    EXPECT_EQ(changed, 1);
}

TEST(LinienVerschneiden, EqualAbscissaeChangeNothingAndKeepTheFlag) {
    for (int16_t vorher : {int16_t{0}, int16_t{1}}) {
        Linien l;
        l.setze(0, {-99, 2, 99}, {1, 2, 3});
        l.setze(1, {-99, 2, 99}, {4, 5, 6});
        int16_t changed = vorher;
        zor::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);
        EXPECT_EQ(changed, vorher);
        EXPECT_EQ(l.n0, 3);
        EXPECT_EQ(l.n1, 3);
        EXPECT_FLOAT_EQ(l.z(0, 2), 2.0f);
        EXPECT_FLOAT_EQ(l.z(1, 2), 5.0f);
    }
}

TEST(LinienVerschneiden, AbscissaeWithinAMillimetreAreOnePointOfTheFirstLine) {
    Linien l;
    l.setze(0, {-99, 2.0f, 99}, {1, 2, 3});
    l.setze(1, {-99, 2.0005f, 99}, {4, 5, 6});
    int16_t changed = 0;
    zor::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);
    ASSERT_EQ(l.n0, 3);
    EXPECT_EQ(l.x(0, 2), 2.0f);
    EXPECT_EQ(l.x(1, 2), 2.0f);
    EXPECT_FLOAT_EQ(l.z(1, 2), 5.0f);
    EXPECT_EQ(changed, 0);
}

TEST(LinienVerschneiden, TheMergeEndsWithTheShorterLine) {
    Linien l;
    l.setze(0, {-99, 50}, {0, 10});
    l.setze(1, {-99, 99}, {0, 198});
    int16_t changed = 0;
    zor::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);
    ASSERT_EQ(l.n0, 2);
    ASSERT_EQ(l.n1, 2);
    EXPECT_FLOAT_EQ(l.x(1, 2), 50.0f);
    EXPECT_FLOAT_EQ(l.z(1, 2), 149.0f); // 198 * 149 / 198
    EXPECT_EQ(changed, 1);
}

TEST(LinienVerschneiden, ALineStartingFurtherRightIsHeldAtItsFirstValueNotAtPointZero) {
    Linien l;
    l.setze(0, {0, 10}, {3, 4});
    l.setze(1, {-5, 10}, {7, 8});
    l.x(0, 0) = 777; // point 0 belongs to no line and must not be read
    l.z(0, 0) = 777;
    int16_t changed = 0;
    zor::LinienVerschneiden(l.z, l.x, l.n0, l.n1, 0, 1, changed);
    ASSERT_EQ(l.n0, 3);
    EXPECT_FLOAT_EQ(l.x(0, 1), -5.0f);
    EXPECT_FLOAT_EQ(l.z(0, 1), 3.0f);
    EXPECT_FLOAT_EQ(l.z(1, 2), 7.0f + 1.0f * 5.0f / 15.0f);
}

TEST(LinienVerschneiden, ATableTooSmallForTheMergedLineIsRefused) {
    zor::Linientafel x(1, 3), z(1, 3);
    for (int p = 1; p <= 3; ++p) {
        x(0, p) = static_cast<float>(2 * p);
        x(1, p) = static_cast<float>(2 * p + 1);
    }
    int16_t n0 = 3, n1 = 3, changed = 0;
    EXPECT_THROW(zor::LinienVerschneiden(z, x, n0, n1, 0, 1, changed), vb::RuntimeError);
}

} // namespace
