// The centre search on the slope model: shifts of the field, the limit of ten shifts, the stop at a
// safety below 0.7, a field of one column, and no circle of an earlier search left as the critical one.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "slip_model_fixture.h"
#include "slipcircle/progress.h"
#include "slipcircle/search.h"
#include "slipcircle/state.h"

namespace {

using Zormg::D;

// The rows the search shows, as a progress observer keeps them.
struct Fenster : Zormg::Fortschritt {
    std::vector<std::string> zeilen = std::vector<std::string>(12);
    Fenster() { Zormg::FortschrittAnschliessen(this); }
    ~Fenster() override { Zormg::FortschrittAnschliessen(nullptr); }
    void Zeile(int zeile, const std::string& text) override {
        if (zeile >= 1 && zeile < 12) zeilen[static_cast<std::size_t>(zeile)] = text;
    }
};

TEST(MittelpunktIteration, BestCentreOnTheEdgeShiftsTheFieldByNineTenths) {
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    d.FeldXAnfang = 2; // the minimum near x = -0.5 lies left of the field
    d.FeldXEnde = 8;
    Fenster f;
    Zormg::MittelpunktIteration();
    EXPECT_GE(d.Verschiebungen, 1);
    EXPECT_FLOAT_EQ(d.FeldXAnfang, 2.0f - 0.9f * 6.0f); // one shift left: 2 - 5.4
    EXPECT_FLOAT_EQ(d.FeldXEnde - d.FeldXAnfang, 6.0f);
    EXPECT_EQ(d.Abbruch, 0);
    EXPECT_NEAR(d.etaMin, 0.986f, 0.01f);
    EXPECT_EQ(f.zeilen[5], " Der Mittelpunkt des Gleitkreises der bisher gefundenen             ");
    EXPECT_EQ(f.zeilen[7], " bereiches; deshalb werden die Ränder verschoben.");
    EXPECT_EQ(f.zeilen[8], "     ---->  neue Iteration;    Verschiebung Nr.  1 ");
    EXPECT_EQ(f.zeilen[10], " Ausstieg nach  10  Verschiebungen.");
}

TEST(MittelpunktIteration, TenShiftsWithoutAnyCircleEndWith999AndNoSlipLine) {
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    // A field far right: every arc ends beyond the model, no circle has a body.
    d.FeldXAnfang = 300;
    d.FeldXEnde = 306;
    d.FeldTeileX = d.FeldTeileZ = 3;
    // A critical circle of an earlier search must not survive.
    d.xMKrit = 1;
    d.KritPunktzahl = 5;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Verschiebungen, 10);
    EXPECT_EQ(d.Abbruch, 2);
    EXPECT_EQ(d.etaMin, Zormg::kKeinKreis);
    EXPECT_EQ(d.KritPunktzahl, 0);
    EXPECT_EQ(d.xMKrit, 0.0f);
    EXPECT_EQ(d.KreisZaehler, 0);
}

TEST(MittelpunktIteration, SafetyBelow07AfterTheTenthShiftKeepsItsStatus) {
    // A wide field far right (no circle) moves left by 54 m per shift; after the tenth shift it spans
    // x 20..80 where the weak slope fails.
    slipfix::Boeschung(1, 0, 20);
    auto& d = D();
    d.FeldXAnfang = 560;
    d.FeldXEnde = 620;
    d.FeldZAnfang = d.FeldZEnde = -17;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Verschiebungen, 10);
    EXPECT_FLOAT_EQ(d.FeldXAnfang, 20);
    EXPECT_EQ(d.Abbruch, 1);
    EXPECT_LT(d.etaMin, 0.7f);
}

TEST(MittelpunktIteration, SafetyBelow07EndsTheSearchWithoutShift) {
    slipfix::Boeschung(1, 0, 20);
    auto& d = D();
    d.FeldXAnfang = 2;
    d.FeldXEnde = 8;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 1);
    EXPECT_EQ(d.KreisZaehler, 1);
    EXPECT_EQ(d.Verschiebungen, 0);
    EXPECT_FLOAT_EQ(d.FeldXAnfang, 2);
    EXPECT_LT(d.etaMin, 0.7f);
    EXPECT_NEAR(Zormg::Z().GkSchichtPhi[1], 0.0f, 1e-6f);
    EXPECT_NEAR(d.AuslaufwinkelLuft, 30.0f, 1e-4f);
}

TEST(MittelpunktIteration, FieldOfOneColumnKeepsItsAbscissa) {
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    d.FeldXAnfang = d.FeldXEnde = -0.5f;
    d.FeldVerschieben = 0;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.FeldTeileX, 0);
    EXPECT_FLOAT_EQ(d.xMKrit, -0.5f);
    EXPECT_NEAR(d.etaMin, 0.986f, 0.01f);
    // Circles: 16 on the grid, then whole columns of rings (3, 5, ...) while they improve.
    EXPECT_GE(d.KreisZaehler, 16 + 3);
}

} // namespace

namespace {

TEST(MittelpunktIteration, GivesUpAfterAThousandInvalidCirclesHeldByAnchors) {
    // A strut far stronger than the slope makes every circle invalid with a negative anchor moment.
    slipfix::Boeschung(3, 19.6f, 20);
    auto& d = D();
    auto& s = Zormg::Z();
    d.AnzGkAnker = 1;
    s.GkAnkerX[1] = 0;
    s.GkAnkerZ[1] = 2;
    s.GkAnkerLaenge[1] = 0;
    s.GkAnkerKraft[1] = 5000;
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 2);
    EXPECT_EQ(d.KreisZaehler, 1000); // the 1001st circle is not counted
    EXPECT_EQ(d.etaMin, Zormg::kUngueltig);
    EXPECT_LT(d.Verschiebungen, 10);
}

} // namespace

namespace {

// A minimum between two fields: the best centre of the first field lies on its left edge, the field
// moves left by 0.9 of its width, and the best centre of that field lies on its right edge, in the
// strip both fields share. A shift back into the first field ends the search with the better circle
// of the two, with status 0 and no further shift. On the slope with c 3, phi 19.6 the minimum of the
// slice method lies near (-0.5, -18.7) with a safety of 0.986 (classic Bishop: 0.985).
TEST(MittelpunktIteration, MinimumBetweenTwoFieldsEndsWithTheBestCircleOfBoth) {
    struct Fall {
        float c, phi;
        int16_t teile;
        float xa, za, w; // first field x xa..xa + w, z za..za + w
    };
    for (const Fall& f : {Fall{3, 19.6f, 3, -1, -22, 5}, Fall{3, 30, 4, -2, -22, 5}}) {
        // Each field searched alone.
        float einzeln[2] = {0, 0};
        for (int feld = 0; feld <= 1; ++feld) {
            slipfix::Boeschung(f.c, f.phi, 20);
            auto& d = D();
            d.FeldXAnfang = f.xa - 0.9f * f.w * static_cast<float>(feld);
            d.FeldXEnde = d.FeldXAnfang + f.w;
            d.FeldZAnfang = f.za;
            d.FeldZEnde = f.za + f.w;
            d.FeldTeileX = d.FeldTeileZ = f.teile;
            d.FeldVerschieben = 0;
            Zormg::MittelpunktIteration();
            einzeln[feld] = d.etaMin;
        }
        slipfix::Boeschung(f.c, f.phi, 20);
        auto& d = D();
        d.FeldXAnfang = f.xa;
        d.FeldXEnde = f.xa + f.w;
        d.FeldZAnfang = f.za;
        d.FeldZEnde = f.za + f.w;
        d.FeldTeileX = d.FeldTeileZ = f.teile;
        Zormg::MittelpunktIteration();
        EXPECT_EQ(d.Abbruch, 0) << f.phi;
        EXPECT_EQ(d.Verschiebungen, 1) << f.phi;
        EXPECT_EQ(d.etaMin, std::min(einzeln[0], einzeln[1])) << f.phi;
        // The best centre lies in the strip the two fields share, x from xa to xa + 0.1 w.
        EXPECT_GE(d.xMKrit, f.xa - 0.001f) << f.phi;
        EXPECT_LE(d.xMKrit, f.xa + 0.1f * f.w + 0.001f) << f.phi;
        // The slip line kept is the one of that circle: its points on the arc lie at the radius.
        ASSERT_GT(d.KritPunktzahl, 4) << f.phi;
        const int m = d.KritPunktzahl / 2;
        EXPECT_NEAR(std::hypot(d.KritLinieX[m] - d.xMKrit, d.KritLinieZ[m] - d.zMKrit), d.RKrit, 0.01f)
            << f.phi;
        if (f.phi == 19.6f) {
            EXPECT_NEAR(d.etaMin, 0.986f, 0.001f);
        }
    }
}

} // namespace

namespace {

// A wall 5 m high with its foot 3 m below the excavation level (0, 8), in soil of gamma 19, phi 30,
// c 2, and a permanent strip load of 100 kN/m2 from 12 m to 16 m behind the wall. Every circle passes
// through the foot. Circles small enough to end before the load have their least safety inside the
// default field (x -6..0, z -6..0), away from its edges; the circles that take the load in lie with
// their centres some 10 m higher and are less safe.
struct Wand {
    static constexpr double H = 5, zFuss = 8, gamma = 19, phi = 30, c = 2, q = 100, qa = 12, qe = 16;

    static void Modell() {
        slipfix::Neu();
        auto& s = Zormg::Z();
        auto& d = D();
        slipfix::Punkt(1, -99, 5);
        slipfix::Punkt(2, -0.01f, 5);
        slipfix::Punkt(3, -0.01f, 0);
        slipfix::Punkt(4, 99, 0);
        slipfix::Punkt(51, -99, 99);
        slipfix::Punkt(52, 99, 99);
        slipfix::Punkt(99, 0, 8);
        s.LinienText[0] = "51 52";
        s.LinienText[1] = "1 2 3 4";
        s.AnzLinien = 1;
        s.GkSchichtGamma[1] = s.GkSchichtGammaAuftrieb[1] = 19;
        s.GkSchichtPhi[1] = 30;
        s.GkSchichtC[1] = 2;
        d.FestPunkt = 99;
        d.AuslaufwinkelLuft = 30;
        d.AuslaufwinkelErde = 85;
        d.FeldXAnfang = -6;
        d.FeldXEnde = 0;
        d.FeldZAnfang = -6;
        d.FeldZEnde = 0;
        d.FeldTeileX = d.FeldTeileZ = 15;
        d.FeldVerschieben = 1;
        d.AnzGkLasten = 1;
        s.LastPunkt1[1] = 301;
        s.LastPunkt2[1] = 302;
        slipfix::Punkt(301, 12, 0);
        slipfix::Punkt(302, 16, 0);
        s.VLastA[1] = s.VLastE[1] = 100;
        s.LastStaendig[1] = 100;
    }

    static double Gelaende(double x) { return x < -0.01 ? H : 0.0; }

    // The slip line: the arc from -30 to 85 degrees (measured from the downward vertical) with its
    // tangents beyond both ends.
    static double Gleitlinie(double x, double xM, double zM, double R) {
        const double aL = -30.0 * std::numbers::pi / 180, aE = 85.0 * std::numbers::pi / 180;
        const double xl = xM + R * std::sin(aL), xr = xM + R * std::sin(aE);
        if (x < xl) return zM + R * std::cos(aL) + (xl - x) * std::tan(aL);
        if (x > xr) return zM + R * std::cos(aE) - (x - xr) * std::tan(aE);
        return zM + std::sqrt(R * R - (x - xM) * (x - xM));
    }

    // Safety of the circle through the foot by slices 5 cm wide: N from the vertical equilibrium of each
    // slice with the safety in the equation, N = (W - l c sin a / eta) / (cos a + tan phi sin a / eta),
    // T = N tan phi + l c; every base (arc or tangent to it) lies at R from the centre, so
    // eta = R sum T / sum W (x - xM). The body is the stretch of the slip line below the ground that
    // reaches its earth-side end; 0 where there is none.
    static double Sicherheit(double xM, double zM) {
        const double R = std::hypot(xM, zM - zFuss);
        const double b = 0.05, tphi = std::tan(phi * std::numbers::pi / 180);
        struct Scheibe {
            double W, dx, sa, ca;
        };
        std::vector<Scheibe> scheiben;
        // From the right end of the model leftwards over the body.
        bool drin = false;
        for (double x = 99.0 - b / 2; x > -99.0; x -= b) {
            const double h = Gleitlinie(x, xM, zM, R) - Gelaende(x);
            if (h <= 0) {
                if (drin) break;
                continue;
            }
            drin = true;
            double W = gamma * h * b;
            if (x > qa && x < qe && Gelaende(x) == 0) W += q * b;
            const double a =
                std::atan((Gleitlinie(x - b / 2, xM, zM, R) - Gleitlinie(x + b / 2, xM, zM, R)) / b);
            scheiben.push_back({W, x - xM, std::sin(a), std::cos(a)});
        }
        if (scheiben.empty()) return 0;
        double eta = 1.4;
        for (int i = 0; i < 500; ++i) {
            double ME = 0, MR = 0;
            for (const Scheibe& s : scheiben) {
                const double l = b / s.ca;
                const double N = (s.W - l * c * s.sa / eta) / (s.ca + tphi * s.sa / eta);
                ME += s.W * s.dx;
                MR += R * (N * tphi + l * c);
            }
            if (ME <= 0) return 0;
            const double neu = MR / ME;
            if (std::fabs(neu - eta) < 1e-7) return neu;
            eta = neu;
        }
        return eta;
    }

    // The least safety over the centres of a grid of step 'schritt' on x0..x1, z0..z1, and its centre.
    static std::array<double, 3> Scan(double x0, double x1, double z0, double z1, double schritt) {
        std::array<double, 3> best{1e9, 0, 0};
        for (double x = x0; x <= x1 + 1e-9; x += schritt)
            for (double z = z0; z <= z1 + 1e-9; z += schritt) {
                const double e = Sicherheit(x, z);
                if (e > 0 && e < best[0]) best = {e, x, z};
            }
        return best;
    }
};

TEST(MittelpunktIteration, FindsTheLeastSafetyWhereTheDefaultFieldHoldsALocalMinimum) {
    // Independent scan: 0.5 m over the region around the wall, then 0.05 m and 0.01 m around the best
    // centre of the coarser grid.
    const auto grob = Wand::Scan(-20, 20, -30, 7, 0.5);
    const auto mittel = Wand::Scan(grob[1] - 0.5, grob[1] + 0.5, grob[2] - 0.5, grob[2] + 0.5, 0.05);
    const auto fein = Wand::Scan(mittel[1] - 0.1, mittel[1] + 0.1, mittel[2] - 0.1, mittel[2] + 0.1, 0.01);
    // The default field alone: its least safety lies inside it, well above the least of all.
    const auto feld = Wand::Scan(-6, 0, -6, 0, 0.2);
    ASSERT_GT(feld[1], -5.9);
    ASSERT_LT(feld[1], -0.1);
    ASSERT_GT(feld[2], -5.9);
    ASSERT_LT(feld[2], -0.1);
    ASSERT_GT(feld[0], 1.1 * fein[0]);

    Wand::Modell();
    auto& d = D();
    Zormg::MittelpunktIteration();
    EXPECT_EQ(d.Abbruch, 0);
    EXPECT_EQ(d.Verschiebungen, 0); // the search from the default field stays where it began
    EXPECT_NEAR(d.etaMin, fein[0], 0.01 * fein[0]);
    EXPECT_NEAR(d.xMKrit, fein[1], 1.0);
    EXPECT_NEAR(d.zMKrit, fein[2], 1.0);
    EXPECT_NEAR(d.RKrit, std::hypot(d.xMKrit, d.zMKrit - 8.0f), 0.001f);

    // The default field searched alone ends in its local minimum.
    Wand::Modell();
    d.FeldVerschieben = 0;
    Zormg::MittelpunktIteration();
    EXPECT_NEAR(d.etaMin, feld[0], 0.01 * feld[0]);
}

} // namespace
