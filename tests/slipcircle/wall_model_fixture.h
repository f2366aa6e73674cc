#pragma once
// A wall 5 m high with its earth-side foot 3 m below the excavation level at (0, 8), in one soil of
// gamma 19, phi 30, c 2, without ground water, and a permanent strip load on the ground behind the wall;
// every circle passes through the foot. Height, foot and soil can be changed. The model for the search
// (Modell) and the safety of a circle by the slice method summed here independently of the program's routines
// (Sicherheit).
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "slip_model_fixture.h"
#include "slipcircle/state.h"

struct Wand {
    static constexpr double gamma = 19, xWand = -0.01;
    double H = 5, zFuss = 8, phi = 30, c = 2;
    double q = 100, qa = 12, qe = 16; // the strip load (kN/m2) and where it begins and ends
    double b = 0.05;                  // slice width of the sums (m)

    // The default centre field x -6..0, z -6..0 in 15 x 15 parts, shifts allowed.
    void Modell() const {
        slipfix::Neu();
        auto& s = Zormg::Z();
        auto& d = Zormg::D();
        slipfix::Punkt(1, -99, static_cast<float>(H));
        slipfix::Punkt(2, -0.01f, static_cast<float>(H));
        slipfix::Punkt(3, -0.01f, 0);
        slipfix::Punkt(4, 99, 0);
        slipfix::Punkt(51, -99, 99);
        slipfix::Punkt(52, 99, 99);
        slipfix::Punkt(99, 0, static_cast<float>(zFuss));
        s.LinienText[0] = "51 52";
        s.LinienText[1] = "1 2 3 4";
        s.AnzLinien = 1;
        s.GkSchichtGamma[1] = s.GkSchichtGammaAuftrieb[1] = 19;
        s.GkSchichtPhi[1] = static_cast<float>(phi);
        s.GkSchichtC[1] = static_cast<float>(c);
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
        slipfix::Punkt(301, static_cast<float>(qa), 0);
        slipfix::Punkt(302, static_cast<float>(qe), 0);
        s.VLastA[1] = s.VLastE[1] = static_cast<float>(q);
        s.LastStaendig[1] = 100;
    }

    double Gelaende(double x) const { return x < xWand ? H : 0.0; }

    // The slip line: the arc from -30 to 85 degrees (measured from the downward vertical) with its
    // tangents beyond both ends.
    static double Gleitlinie(double x, double xM, double zM, double R) {
        const double aL = -30.0 * std::numbers::pi / 180, aE = 85.0 * std::numbers::pi / 180;
        const double xl = xM + R * std::sin(aL), xr = xM + R * std::sin(aE);
        if (x < xl) return zM + R * std::cos(aL) + (xl - x) * std::tan(aL);
        if (x > xr) return zM + R * std::cos(aE) - (x - xr) * std::tan(aE);
        return zM + std::sqrt(R * R - (x - xM) * (x - xM));
    }

    // The earth-side end of the body: where the slip line last rises through the ground (0 when the
    // slip line nowhere lies below the ground right of the wall).
    double Ende(double xM, double zM) const {
        const double R = std::hypot(xM, zM - zFuss);
        double x = 99.0;
        while (x > xWand && Gleitlinie(x, xM, zM, R) <= 0.0)
            x -= 0.01;
        if (x <= xWand) return 0.0;
        double lo = x, hi = x + 0.01; // below the ground at lo, not at hi
        for (int i = 0; i < 60; ++i) {
            const double m = (lo + hi) / 2;
            (Gleitlinie(m, xM, zM, R) > 0.0 ? lo : hi) = m;
        }
        return lo;
    }

    // Safety of the circle through the foot by slices of about b: N from the vertical equilibrium of each
    // slice with the safety in the equation, N = (W - l c sin a / eta) / (cos a + tan phi sin a / eta),
    // T = N tan phi + l c; every base (arc or tangent to it) lies at R from the centre, so
    // eta = R sum T / sum W (x - xM), iterated to 1E-7. The body runs from the slip line's crossing of the
    // excavation level to its last crossing of the ground behind the wall; the load acts where it covers
    // a slice. 0 for a circle without such a body.
    double Sicherheit(double xM, double zM) const {
        const double R = std::hypot(xM, zM - zFuss);
        const double tphi = std::tan(phi * std::numbers::pi / 180);
        const double xr = Ende(xM, zM);
        if (xr <= 0.0 || Gleitlinie(xWand, xM, zM, R) <= H) return 0.0;
        // The crossing of the excavation level in front of the wall.
        double lo = xWand - 200.0, hi = xWand;
        for (int i = 0; i < 80; ++i) {
            const double m = (lo + hi) / 2;
            (Gleitlinie(m, xM, zM, R) > H ? hi : lo) = m;
        }
        const double xl = hi;
        struct Scheibe {
            double W, dx, sa, ca, l;
        };
        std::vector<Scheibe> scheiben;
        for (const auto& [x0, x1] : {std::array<double, 2>{xl, xWand}, std::array<double, 2>{xWand, xr}}) {
            const int n = std::max(1, static_cast<int>(std::ceil((x1 - x0) / b)));
            const double bb = (x1 - x0) / n;
            for (int i = 0; i < n; ++i) {
                const double a = x0 + i * bb, e = a + bb, m = (a + e) / 2;
                const double za = Gleitlinie(a, xM, zM, R), ze = Gleitlinie(e, xM, zM, R);
                double W = gamma * (Gleitlinie(m, xM, zM, R) - Gelaende(m)) * bb;
                if (Gelaende(m) == 0.0) W += q * std::max(0.0, std::min(e, qe) - std::max(a, qa));
                const double w = std::atan((za - ze) / bb);
                scheiben.push_back({W, m - xM, std::sin(w), std::cos(w), bb / std::cos(w)});
            }
        }
        double eta = 1.4;
        for (int i = 0; i < 500; ++i) {
            double ME = 0, MR = 0;
            for (const Scheibe& s : scheiben) {
                const double N = (s.W - s.l * c * s.sa / eta) / (s.ca + tphi * s.sa / eta);
                ME += s.W * s.dx;
                MR += R * (N * tphi + s.l * c);
            }
            if (ME <= 0) return 0;
            const double neu = MR / ME;
            if (std::fabs(neu - eta) < 1e-7) return neu;
            eta = neu;
        }
        return eta;
    }

    // The least safety over the centres of a grid of step 'schritt' on x0..x1, z0..z1, and its centre.
    std::array<double, 3> Scan(double x0, double x1, double z0, double z1, double schritt) const {
        std::array<double, 3> best{1e9, 0, 0};
        for (double x = x0; x <= x1 + 1e-9; x += schritt)
            for (double z = z0; z <= z1 + 1e-9; z += schritt) {
                const double e = Sicherheit(x, z);
                if (e > 0 && e < best[0]) best = {e, x, z};
            }
        return best;
    }
};
