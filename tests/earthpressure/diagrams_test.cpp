// Merging ordinate lists and the numeric routines on lists and lines.
#include "earthpressure/diagrams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"

namespace {

using zor::Ordinatenliste;

Ordinatenliste liste(std::initializer_list<std::pair<float, float>> punkte) {
    Ordinatenliste l;
    for (auto [z, e] : punkte) {
        ++l.n;
        l.z[l.n] = z;
        l.e[l.n] = e;
    }
    return l;
}

std::vector<float> tiefen(const Ordinatenliste& l) {
    return std::vector<float>(l.z.begin() + 1, l.z.begin() + 1 + l.n);
}
std::vector<float> werte(const Ordinatenliste& l) {
    return std::vector<float>(l.e.begin() + 1, l.e.begin() + 1 + l.n);
}

// Trapezoid area of a whole list, computed independently of the routines under test.
double flaeche(const Ordinatenliste& l) {
    double a = 0;
    for (int i = 2; i <= l.n; ++i)
        a += 0.5 * (l.e[i - 1] + l.e[i]) * (l.z[i] - l.z[i - 1]);
    return a;
}

TEST(DiagrammAddieren, SumKeepsJumpAndResamplesSecondList) {
    const Ordinatenliste A = liste({{0, 0}, {2, 10}, {2, 20}, {5, 50}});
    Ordinatenliste B = liste({{0, 0}, {3, 6}, {5, 10}});
    Ordinatenliste R;
    zormcom::DiagrammAddieren(A, B, R, 1);
    EXPECT_EQ(R.n, 5);
    EXPECT_EQ(B.n, 5);
    EXPECT_EQ(tiefen(R), (std::vector<float>{0, 2, 2, 3, 5}));
    EXPECT_EQ(werte(R), (std::vector<float>{0, 14, 24, 36, 60}));
    EXPECT_EQ(tiefen(B), tiefen(R));
    EXPECT_EQ(werte(B), (std::vector<float>{0, 4, 4, 6, 10}));
    EXPECT_EQ(A.n, 4); // the first list is read only
}

TEST(DiagrammAddieren, WithoutSumGivesFirstListOnCommonDepths) {
    const Ordinatenliste A = liste({{0, 0}, {2, 10}, {2, 20}, {5, 50}});
    Ordinatenliste B = liste({{0, 0}, {3, 6}, {5, 10}});
    Ordinatenliste R;
    zormcom::DiagrammAddieren(A, B, R, 0);
    EXPECT_EQ(werte(R), (std::vector<float>{0, 10, 20, 30, 50}));

    const Ordinatenliste A2 = liste({{0, 0}, {5, 10}});
    Ordinatenliste B2 = liste({{0, 0}, {1, 1}, {2, 2}, {5, 5}});
    Ordinatenliste R2;
    zormcom::DiagrammAddieren(A2, B2, R2, 0);
    EXPECT_EQ(tiefen(R2), (std::vector<float>{0, 1, 2, 5}));
    EXPECT_EQ(werte(R2), (std::vector<float>{0, 2, 4, 10}));
    EXPECT_EQ(werte(B2), (std::vector<float>{0, 1, 2, 5}));
}

TEST(DiagrammAddieren, EmptyListChangesNothing) {
    const Ordinatenliste A = liste({{0, 1}, {99, 1}});
    Ordinatenliste B = liste({{0, 2}, {99, 2}});
    Ordinatenliste R = liste({{0, 7}, {3, 7}, {99, 7}});
    const Ordinatenliste leer;
    Ordinatenliste leerB;
    const Ordinatenliste Bvorher = B, Rvorher = R;
    zormcom::DiagrammAddieren(leer, B, R, 1);
    zormcom::DiagrammAddieren(A, leerB, R, 1);
    EXPECT_EQ(B.n, 2);
    EXPECT_EQ(werte(B), werte(Bvorher));
    EXPECT_EQ(R.n, 3);
    EXPECT_EQ(werte(R), werte(Rvorher));
    EXPECT_EQ(leerB.n, 0);
}

TEST(DiagrammAddieren, SameDepthsGiveSameGrid) {
    const Ordinatenliste A = liste({{0, 1}, {4, 3}, {4, 5}, {99, 6}});
    Ordinatenliste B = liste({{0, 10}, {4, 20}, {4, 30}, {99, 40}});
    Ordinatenliste R;
    zormcom::DiagrammAddieren(A, B, R, 1);
    EXPECT_EQ(tiefen(R), (std::vector<float>{0, 4, 4, 99}));
    EXPECT_EQ(werte(R), (std::vector<float>{11, 23, 35, 46}));
    EXPECT_EQ(werte(B), (std::vector<float>{10, 20, 30, 40}));
}

TEST(DiagrammAddieren, DepthsCloserThanOneMillimetreMerge) {
    struct Fall {
        float zB;
        int n;
    };
    for (Fall f : {Fall{2.0009f, 3}, Fall{2.0012f, 4}}) {
        const Ordinatenliste A = liste({{0, 0}, {2.0f, 2}, {5, 5}});
        Ordinatenliste B = liste({{0, 0}, {f.zB, 1}, {5, 1}});
        Ordinatenliste R;
        zormcom::DiagrammAddieren(A, B, R, 0);
        EXPECT_EQ(R.n, f.n) << f.zB;
        EXPECT_EQ(R.z[2], 2.0f) << "the first list's depth is kept";
        if (f.n == 4) {
            EXPECT_FLOAT_EQ(R.z[3], 2.0012f);
        }
    }
}

TEST(DiagrammAddieren, JumpOfSecondListAtLastDepth) {
    const Ordinatenliste A = liste({{0, 1}, {99, 3}});
    Ordinatenliste B = liste({{0, 0}, {50, 5}, {99, 5}, {99, 0}});
    Ordinatenliste R;
    zormcom::DiagrammAddieren(A, B, R, 0);
    ASSERT_EQ(R.n, 4);
    EXPECT_EQ(R.z[3], 99.0f);
    EXPECT_EQ(R.z[4], 99.0f);
    EXPECT_EQ(R.e[3], 3.0f);
    EXPECT_EQ(R.e[4], 3.0f);
    EXPECT_EQ(B.e[3], 5.0f);
    EXPECT_EQ(B.e[4], 0.0f);
}

// A sum on common depths must carry exactly the area of both diagrams, whatever their
// grids, jumps and shared depths.
TEST(DiagrammAddieren, SumPreservesAreas) {
    const std::vector<std::pair<Ordinatenliste, Ordinatenliste>> faelle = {
        {liste({{0, 0}, {1.5f, 12}, {1.5f, 4}, {3.2f, 9}, {7, 2}, {99, 2}}),
         liste({{0, 5}, {2, 5}, {2, 0}, {6.3f, 11}, {99, 11}})},
        {liste({{0, 3}, {99, 3}}), liste({{0, 0}, {0.25f, 1}, {0.5f, -1}, {0.75f, 2}, {99, 0}})},
        {liste({{0, -2}, {3, 4}, {3, 4}, {3, 8}, {10, 8}}), liste({{0, 1}, {3, 1}, {3, 6}, {4, 6}, {10, 0}})},
    };
    for (const auto& [A, Bstart] : faelle) {
        Ordinatenliste B = Bstart;
        Ordinatenliste R;
        const double soll = flaeche(A) + flaeche(Bstart);
        zormcom::DiagrammAddieren(A, B, R, 1);
        EXPECT_NEAR(flaeche(R), soll, 1e-3 * (1 + std::abs(soll)));
        EXPECT_NEAR(flaeche(B), flaeche(Bstart), 1e-3 * (1 + std::abs(flaeche(Bstart))));
        EXPECT_LE(R.n, A.n + Bstart.n);
        for (int i = 2; i <= R.n; ++i)
            EXPECT_GE(R.z[i], R.z[i - 1]);
    }
}

TEST(DiagrammAddieren, ListsEndingAtDifferentDepthsAreRejected) {
    const Ordinatenliste A = liste({{0, 0}, {5, 10}});
    Ordinatenliste B = liste({{0, 0}, {99, 10}});
    Ordinatenliste R = liste({{0, 7}});
    try {
        zormcom::DiagrammAddieren(4711, A.e, B.e, R.e, A.z, B.z, R.z, A.n, B.n, R.n, 1);
        FAIL() << "no error";
    } catch (const zor::CalcAbort& e) {
        EXPECT_NE(std::string(e.what()).find("4711"), std::string::npos) << e.what();
    }
    EXPECT_EQ(B.n, 2);
    EXPECT_EQ(B.z[2], 99.0f);
    EXPECT_EQ(R.n, 1);

    Ordinatenliste C = liste({{1, 0}, {5, 10}});
    EXPECT_THROW(zormcom::DiagrammAddieren(A, C, R, 0), zor::CalcAbort);
}

TEST(DiagrammAddieren, MoreThan250CommonPointsAreRejected) {
    Ordinatenliste A, B, R;
    A.n = B.n = 130;
    for (int i = 1; i <= 130; ++i) {
        A.z[i] = static_cast<float>(i - 1); // 0, 1, ..., 129
        B.z[i] = i == 1 ? 0.0f : i == 130 ? 129.0f : static_cast<float>(i - 1) + 0.5f;
    }
    EXPECT_THROW(zormcom::DiagrammAddieren(A, B, R, 1), zor::CalcAbort);
    EXPECT_EQ(B.n, 130);

    // Work arrays sized to their content are respected as well.
    const Ordinatenliste A2 = liste({{0, 0}, {1, 1}, {2, 2}});
    Ordinatenliste B2 = liste({{0, 0}, {0.5f, 1}, {2, 2}});
    std::array<float, 3> eR{}, zR{};
    int16_t nR = 0;
    EXPECT_THROW(zormcom::DiagrammAddieren(A2.e, B2.e, eR, A2.z, B2.z, zR, A2.n, B2.n, nR, 0),
                 zor::CalcAbort);
}

TEST(Interpolieren, ValuesAtPointsJumpsAndOutside) {
    const Ordinatenliste l = liste({{0, 0}, {2, 10}, {2, 20}, {4, 40}});
    const std::vector<std::pair<float, float>> faelle = {{1, 5},   {2, 20}, {3, 30},
                                                         {-1, -5}, {4, 40}, {6, 40}};
    for (auto [x, soll] : faelle) {
        float y = -1;
        zormc::Interpolieren(l.z, l.e, l.n, x, y);
        EXPECT_FLOAT_EQ(y, soll) << "x = " << x;
    }
    const Ordinatenliste eng = liste({{0, 0}, {1.0f, 7}, {1.0005f, 9}, {3, 9}});
    float y = 0;
    zormc::Interpolieren(eng.z, eng.e, eng.n, 1.0003f, y);
    EXPECT_EQ(y, 7.0f);
}

// The variant for cutting a figure at a depth: at a jump the value the figure reaches
// from above; elsewhere the same values.
TEST(Interpolieren, UpperValueAtJumpForCuts) {
    const Ordinatenliste l = liste({{0, 0}, {2, 10}, {2, 20}, {4, 40}});
    const std::vector<std::pair<float, float>> faelle = {{1, 5}, {2, 10}, {3, 30}, {-1, -5}, {4, 40}, {0, 0}};
    for (auto [x, soll] : faelle) {
        float y = -1;
        zormc::InterpolierenOben(l.z, l.e, l.n, x, y);
        EXPECT_FLOAT_EQ(y, soll) << "x = " << x;
    }
    const Ordinatenliste kopf = liste({{0, 5}, {0, 8}, {2, 8}});
    float y = 0;
    zormc::InterpolierenOben(kopf.z, kopf.e, kopf.n, 0, y);
    EXPECT_EQ(y, 5.0f);
}

TEST(Integrieren, TrapezoidAreaUpToDepth) {
    const Ordinatenliste l = liste({{0, 0}, {2, 10}, {4, 10}});
    struct Fall {
        float xEnde, flaeche, yEnde;
    };
    for (Fall f : {Fall{1, 2.5f, 5}, Fall{4, 30, 10}, Fall{5, 30, -7}, Fall{0, 0, -7}, Fall{3, 20, 10}}) {
        float a = -1, y = -7;
        zormc::Integrieren(l.e, l.z, l.n, f.xEnde, a, y);
        EXPECT_FLOAT_EQ(a, f.flaeche) << f.xEnde;
        EXPECT_FLOAT_EQ(y, f.yEnde) << f.xEnde;
    }
    // A jump has no width.
    const Ordinatenliste s = liste({{0, 0}, {2, 10}, {2, 30}, {4, 30}});
    float a = 0, y = 0;
    zormc::Integrieren(s.e, s.z, s.n, 4, a, y);
    EXPECT_FLOAT_EQ(a, 70);

    // A list whose first two points share a depth at or below xEnde has no area there
    // (and no division by the zero width).
    const Ordinatenliste k = liste({{1, 5}, {1, 7}, {3, 7}});
    zormc::Integrieren(k.e, k.z, k.n, 0.5f, a, y);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(y, 5);
}

TEST(KurveKappen, CutsAtDepth) {
    Ordinatenliste l = liste({{0, 0}, {2, 10}, {4, 20}});
    zormc::KurveKappen(l.e, l.z, l.n, 3);
    EXPECT_EQ(tiefen(l), (std::vector<float>{0, 2, 3}));
    EXPECT_EQ(werte(l), (std::vector<float>{0, 10, 15}));
    zormc::KurveKappen(l.e, l.z, l.n, 5);
    EXPECT_EQ(l.n, 3);
}

TEST(KopfpunkteBereinigen, KeepsLastPointAtHead) {
    Ordinatenliste l = liste({{-0.01f, 1}, {0, 2}, {0.004f, 3}, {1, 4}});
    zormc::KopfpunkteBereinigen(l.z, l.e, l.n);
    EXPECT_EQ(tiefen(l), (std::vector<float>{0, 1}));
    EXPECT_EQ(werte(l), (std::vector<float>{3, 4}));
}

TEST(ResultierendeSchwerpunkt, TriangleAndTrapezoid) {
    const Ordinatenliste dreieck = liste({{0, 0}, {3, 30}});
    float R = 0, zS = 0;
    zormc::ResultierendeSchwerpunkt(dreieck.e, dreieck.z, dreieck.n, 0, 3, R, zS);
    EXPECT_FLOAT_EQ(R, 45);
    EXPECT_FLOAT_EQ(zS, 2);

    // Trapezoid 10..20 kN/m2 from 1 to 4 m: R = 45, centroid h (a + 2b) / (3 (a + b))
    // below its top = 3 * 50 / 90 = 1.6667.
    const Ordinatenliste l = liste({{0, 5}, {1, 7}, {1, 10}, {4, 20}, {6, 0}});
    zormc::ResultierendeSchwerpunkt(l.e, l.z, l.n, 1, 4, R, zS);
    EXPECT_FLOAT_EQ(R, 45);
    EXPECT_NEAR(zS, 1 + 5.0 / 3.0, 1e-5);

    // A depth that is not in the list gives nothing.
    zormc::ResultierendeSchwerpunkt(l.e, l.z, l.n, 1, 3.5f, R, zS);
    EXPECT_EQ(R, 0);
    EXPECT_EQ(zS, 1);
}

TEST(KurveAbTiefe, GainsPointAtDepthAndAtFoot) {
    Ordinatenliste l = liste({{0, 0}, {4, 8}, {6, -4}});
    Ordinatenliste w1, w2;
    zormcom::Lauf.zFuss = 6;
    zormc::KurveAbTiefe(l.e, w1.e, w2.e, l.z, w1.z, w2.z, l.n, w1.n, w2.n, 5);
    EXPECT_EQ(tiefen(l), (std::vector<float>{0, 4, 5, 6}));
    EXPECT_EQ(werte(l), (std::vector<float>{0, 8, 2, -4}));
    zormcom::Lauf.zFuss = 0;
}

TEST(Schnittpunkt, SegmentsLinesAndParallels) {
    struct Fall {
        float x1, y1, x2, y2, x3, y3, x4, y4;
        float xS, yS;
        int16_t treffer;
    };
    const float K = zormc::kKeinSchnitt;
    const Fall faelle[] = {
        {0, 0, 2, 2, 0, 2, 2, 0, 1, 1, 1},        // crossing segments
        {0, 0, 1, 1, 2, 0, 3, -1, 1, 1, 0},       // lines meet outside the second segment
        {0, 0, 2, 0, 1, -1, 1, 3, 1, 0, 1},       // vertical second line
        {1, -1, 1, 3, 0, 0, 2, 0, 1, 0, 1},       // vertical first line
        {0, 0, 2, 0, 1.00005f, 0, 3, 0, K, 0, 0}, // parallel (collinear)
    };
    for (const Fall& f : faelle) {
        float xS = 0, yS = 0;
        int16_t t = -1;
        zormc::Schnittpunkt(f.x1, f.y1, f.x2, f.y2, f.x3, f.y3, f.x4, f.y4, xS, yS, t);
        EXPECT_FLOAT_EQ(xS, f.xS);
        if (f.xS != K) {
            EXPECT_FLOAT_EQ(yS, f.yS);
        }
        EXPECT_EQ(t, f.treffer);
    }
    float xS = 0, yS = 0;
    int16_t t = -1;
    zormc::Schnittpunkt(0, 0, 2, 1, 0, 3, 4, 5, xS, yS, t); // parallel: no crossing at all
    EXPECT_EQ(xS, K);
    EXPECT_EQ(yS, K);
    EXPECT_EQ(t, 0);
    zormc::Schnittpunkt(0, 0, 0, 1, 2, 0, 2, 1, xS, yS, t); // two vertical lines
    EXPECT_EQ(xS, 0);
    EXPECT_EQ(yS, K);
    EXPECT_EQ(t, 0);
}

TEST(DoppelpunkteEntfernen, KeepsLowerOfClosePoints) {
    Ordinatenliste l = liste({{0, 0}, {1, 1}, {1, 2}, {1.001f, 3}, {3, 4}});
    zormc::DoppelpunkteEntfernen(l.n, l.z, l.e);
    EXPECT_EQ(tiefen(l), (std::vector<float>{0, 1.001f, 3}));
    EXPECT_EQ(werte(l), (std::vector<float>{0, 3, 4}));
}

TEST(SortierenUndExtremwerte, SortByKeysCarryingValues) {
    std::array<float, 4> a{0, 30, 10, 20}, b{0, 3, 1, 2};
    zormc::Sortieren(a, b, 3);
    EXPECT_EQ(b, (std::array<float, 4>{0, 1, 2, 3}));
    EXPECT_EQ(a, (std::array<float, 4>{0, 10, 20, 30}));
    EXPECT_EQ(zormc::MaxWert(2, 3), 3);
    EXPECT_EQ(zormc::MinWert(2, 3), 2);
    // On a tie the first argument: visible with signed zeros.
    EXPECT_TRUE(std::signbit(zormc::MaxWert(-0.0f, 0.0f)));
    EXPECT_TRUE(std::signbit(zormc::MinWert(-0.0f, 0.0f)));
}

} // namespace

// The list forms hand e, z and n to the piece forms in each routine's own argument order: on an
// unsorted list with a jump, a head point and close depths both forms give the same results.
TEST(ListenFormen, TunWasDieStueckformenTun) {
    const Ordinatenliste basis = liste({{0, 1}, {0.002f, 2}, {1, 3}, {1.001f, 4}, {2, 6}, {2, 9}, {5, 3}});
    float a1 = 0, a2 = 0, y1 = 0, y2 = 0;
    for (float z : {0.5f, 1.0f, 2.0f, 4.0f}) {
        zormc::Interpolieren(basis.z, basis.e, basis.n, z, y1);
        zormc::Interpolieren(basis, z, y2);
        EXPECT_EQ(y1, y2) << z;
        zormc::InterpolierenOben(basis.z, basis.e, basis.n, z, y1);
        zormc::InterpolierenOben(basis, z, y2);
        EXPECT_EQ(y1, y2) << z;
        zormc::Integrieren(basis.e, basis.z, basis.n, z, a1, y1);
        zormc::Integrieren(basis, z, a2, y2);
        EXPECT_EQ(a1, a2) << z;
        EXPECT_EQ(y1, y2) << z;
    }
    zormc::ResultierendeSchwerpunkt(basis.e, basis.z, basis.n, 1, 5, a1, y1);
    zormc::ResultierendeSchwerpunkt(basis, 1, 5, a2, y2);
    EXPECT_EQ(a1, a2);
    EXPECT_EQ(y1, y2);

    const auto gleich = [](const Ordinatenliste& p, const Ordinatenliste& l) {
        EXPECT_EQ(tiefen(p), tiefen(l));
        EXPECT_EQ(werte(p), werte(l));
    };
    Ordinatenliste p = basis, l = basis;
    zormc::KurveKappen(p.e, p.z, p.n, 3);
    zormc::KurveKappen(l, 3);
    gleich(p, l);
    p = l = basis;
    zormc::KopfpunkteBereinigen(p.z, p.e, p.n);
    zormc::KopfpunkteBereinigen(l);
    gleich(p, l);
    p = l = basis;
    zormc::DoppelpunkteEntfernen(p.n, p.z, p.e);
    zormc::DoppelpunkteEntfernen(l);
    gleich(p, l);
    p = l = liste({{3, 1}, {1, 2}, {2, 3}});
    zormc::Sortieren(p.e, p.z, p.n);
    zormc::Sortieren(l);
    gleich(p, l);
    EXPECT_EQ(tiefen(l), (std::vector<float>{1, 2, 3}));
    p = l = liste({{0, 0}, {4, 4}, {10, 10}});
    Ordinatenliste w1, w2, v1, v2;
    zormc::KurveAbTiefe(p.e, w1.e, w2.e, p.z, w1.z, w2.z, p.n, w1.n, w2.n, 2, 10);
    zormc::KurveAbTiefe(l, v1, v2, 2, 10);
    gleich(p, l);
    EXPECT_EQ(tiefen(l), (std::vector<float>{0, 2, 4, 10}));
}

namespace {

// A depth that is no number abandons the merge instead of being converted; depths far apart merge as any.
TEST(DiagrammAddieren, ADepthThatIsNoNumberAbandonsTheRunAndFarDepthsAreNotConverted) {
    const Ordinatenliste A = liste({{0, 0}, {std::nanf(""), 10}, {99, 20}});
    Ordinatenliste B = liste({{0, 0}, {99, 10}});
    Ordinatenliste R;
    EXPECT_THROW(zormcom::DiagrammAddieren(A, B, R, 1), zor::KeinZahlenwert);
    EXPECT_EQ(B.n, 2); // untouched
    // Depths whose distance no integer holds in millimetres: compared by their sign (the sanitizer build
    // sees that nothing beyond the integers is converted).
    const Ordinatenliste C = liste({{0, 0}, {99, 20}});
    Ordinatenliste D = liste({{0, 0}, {-3e30f, 1}, {99, 10}});
    try {
        zormcom::DiagrammAddieren(C, D, R, 1);
    } catch (const zor::CalcAbort& e) {
        EXPECT_EQ(dynamic_cast<const zor::KeinZahlenwert*>(&e), nullptr) << e.what();
    }
}

} // namespace
