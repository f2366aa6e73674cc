// Passive resistance by trial slip planes against an independent wedge calculation: the least
// force over straight planes from the wall, with the wedge weight integrated column by column
// over a fine x step (layered unit weights, ground water, bottom loads, a berm), each column
// taking the strength of the soil its part of the slip plane runs in.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "earthpressure/handover_a.h"
#include "earthpressure/stage_b.h"
#include "earthpressure/trial_planes.h"
#include "earthpressure/wedge_geometry.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "tests/support/project_builder.h"
#include "tests/support/working_folder.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

constexpr double kRad = 3.141593 / 180.0;

// The excavation side for the reference calculation (angles in degrees, depths below the wall head).
struct Schicht {
    double oben, phi, c, delta, gamma, gammaB;
};
struct Aushubseite {
    std::vector<Schicht> schichten; // from the wall head down, the last one reaching deep; at most 13
    double wasser = 1e9;
    std::function<double(double)> sohle; // depth of the bottom at x (x <= 0)
    double lastX1 = 0.0, lastX2 = 0.0, lastQ = 0.0;

    const Schicht& schichtBei(double z) const {
        const Schicht* s = &schichten.front();
        for (const Schicht& t : schichten)
            if (t.oben < z) s = &t;
        return *s;
    }
    // Weight of a column of unit width from zo down to zu, piece by piece between the layer
    // boundaries and the water table.
    // (No heap in here: it runs for every column of every plane, and the checked build pays dearly
    // for each allocation.)
    double gewicht(double zo, double zu) const {
        std::array<double, 16> grenzen{zo, zu};
        std::size_t n = 2;
        for (const Schicht& s : schichten)
            if (s.oben > zo && s.oben < zu) grenzen[n++] = s.oben;
        if (wasser > zo && wasser < zu) grenzen[n++] = wasser;
        std::sort(grenzen.begin(), grenzen.begin() + n);
        double g = 0.0;
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const double z = (grenzen[i] + grenzen[i + 1]) / 2.0;
            const Schicht& s = schichtBei(z);
            g += (z > wasser ? s.gammaB : s.gamma) * (grenzen[i + 1] - grenzen[i]);
        }
        return g;
    }
    // Horizontal passive force on the wall down to zp of the plane rising at theta (degrees) away
    // from the wall; +inf when the plane does not reach the ground within 60 m.
    double kraft(double zp, double thetaGrad) const {
        const double th = thetaGrad * kRad, t = std::tan(th);
        const double dx = 0.004;
        double T = 0.0;
        for (double x = 0.0; x > -60.0; x -= dx) {
            // The last column ends where the plane meets the ground.
            const double d0 = zp + x * t - sohle(x), d1 = zp + (x - dx) * t - sohle(x - dx);
            if (d0 <= 0.0) return T;
            const double b = d1 > 0.0 ? dx : dx * d0 / (d0 - d1);
            const double xm = x - b / 2.0;
            const double zs = zp + xm * t, zb = sohle(xm);
            double G = gewicht(zb, zs) * b;
            if (xm > lastX1 && xm < lastX2) G += lastQ * b;
            const Schicht& s = schichtBei(zs - 1e-9);
            const double phi = s.phi * kRad;
            double delta = s.delta * kRad;
            if (phi + th - delta > 1.57) delta = phi + th - 1.57;
            const double L = b / std::cos(th);
            T += (s.c * L * std::cos(phi) + G * std::sin(phi + th)) * std::cos(delta) /
                 std::cos(phi + th - delta);
            if (d1 <= 0.0) return T;
        }
        return std::numeric_limits<double>::infinity();
    }
    // The least force over the planes from -55 to 75 degrees, those descending below the line to
    // the given foot point turned onto it.
    double kleinste(double zp, double fussX = 0.0, double fussZ = 0.0) const {
        double grenze = -90.0;
        if (fussX < 0.0) {
            const double a = std::atan((fussZ - zp) / fussX) / kRad;
            if (a < 0.0) grenze = a;
        }
        double best = std::numeric_limits<double>::infinity(), bestW = 0.0;
        for (double w = -55.0; w <= 75.0; w += 0.5) {
            const double E = kraft(zp, std::max(w, grenze));
            if (E < best) {
                best = E;
                bestW = std::max(w, grenze);
            }
        }
        for (double w = bestW - 1.0; w <= bestW + 1.0; w += 0.01) {
            const double E = kraft(zp, std::max(w, grenze));
            if (E < best) best = E;
        }
        return best;
    }
};

class PassiveWedge : public ::testing::Test {
protected:
    void SetUp() override {
        zortest::Zuruecksetzen();
        P.GradZuRad = static_cast<float>(kRad);
        P.AushNr = 1;
        P.zAush = 4.0f;
        P.EtaAnpass = 1.0f;
        Wasser(80.0f);
        ref_.sohle = [](double) { return 4.0; };
    }
    void Wasser(float z) {
        P.ZWasserLuft = z;
        P.Aushubstufen[1].ZWasserLuft = z;
        ref_.wasser = z;
    }
    // Layers as entered (degrees) and the same for the reference.
    void Schichten(const std::vector<Schicht>& s) {
        ASSERT_LE(s.size(), 13u);
        P.AnzErd = static_cast<int16_t>(s.size());
        ref_.schichten = s;
        for (std::size_t k = 0; k < s.size(); ++k) {
            const int i = static_cast<int>(k) + 1;
            P.SchichtDicke[i] = k + 1 < s.size() ? static_cast<float>(s[k + 1].oben - s[k].oben) : 60.0f;
            P.SchichtPhi[i] = static_cast<float>(s[k].phi);
            P.SchichtCp[i] = static_cast<float>(s[k].c);
            P.SchichtDeltaP[i] = static_cast<float>(s[k].delta);
            P.SchichtGammaAush[i] = static_cast<float>(s[k].gamma);
            P.SchichtGammaAuftriebAush[i] = static_cast<float>(s[k].gammaB);
        }
    }
    // Resultant of the search at zAush + t.
    static float E(float t) {
        const auto z = zormb::GleitTiefen(P.zAush);
        for (int i = 1; i <= zormb::kGleitTiefen; ++i)
            if (std::fabs(z[i] - (P.zAush + t)) < 1e-4f) return zormb::GleitErgebnis.E[i];
        ADD_FAILURE() << "no depth point " << t;
        return 0.0f;
    }
    void Vergleichen(std::initializer_list<float> tiefen, double fussX = 0.0, double fussZ = 0.0) {
        zormb::ErdwiderstandGleitflaechen();
        for (float t : tiefen) {
            const double soll = ref_.kleinste(P.zAush + t, fussX, fussZ);
            EXPECT_NEAR(-E(t), soll, 0.003 * soll) << "t = " << t;
        }
    }

    Aushubseite ref_;
    zortest::WorkingFolder dir_;
};

TEST_F(PassiveWedge, LayeredUnitWeightsWithTheSameFriction) {
    // phi 30 throughout, 18 kN/m3 down to 1 m below the bottom, 20 below: the least force of the
    // wedge 3 m deep is Rankine's Kp = 3 times its weight over tan 30:
    // (18 x 2.5 + 20 x 2) / tan30 x tan60 = 3 x 85 = 255 kN/m.
    Schichten({{0.0, 30, 0, 0, 18, 10}, {5.0, 30, 0, 0, 20, 11}});
    zormb::ErdwiderstandGleitflaechen();
    EXPECT_NEAR(E(3.0f), -255.0f, 0.5f);
    Vergleichen({0.6f, 1.0f, 2.0f, 4.0f, 6.0f});
}

TEST_F(PassiveWedge, GroundWaterInsideTheWedge) {
    // Water 1.5 m below the bottom: the wedge 3 m deep weighs (18 x 3.375 + 10 x 1.125) / tan30,
    // so the force is 3 x 72 = 216 kN/m.
    Schichten({{0.0, 30, 0, 0, 18, 10}});
    Wasser(5.5f);
    zormb::ErdwiderstandGleitflaechen();
    EXPECT_NEAR(E(3.0f), -216.0f, 0.5f);
    Vergleichen({1.0f, 2.0f, 5.0f});
}

TEST_F(PassiveWedge, SlipPlaneThroughTwoSoilsWithCohesionAndWallFriction) {
    // The columns near the wall take the lower soil, the outer ones the upper soil.
    Schichten({{0.0, 27.5, 5, -10, 19, 11}, {5.5, 32.5, 0, -15, 20, 11}, {8.0, 25, 10, 0, 19, 10}});
    Wasser(6.0f);
    Vergleichen({0.4f, 1.0f, 2.0f, 3.0f, 5.0f, 7.0f});
}

TEST_F(PassiveWedge, PositiveWallFrictionIsLimitedWithItsSign) {
    // A wall friction of +20 degrees (the wall moving down against the soil in front of it) at
    // the limit of 2/3 phi stays positive: the least force is the smaller Coulomb value for
    // +20 degrees, not the one for -20 degrees.
    Schichten({{0.0, 30, 0, 0.9999 * 20.0, 18, 10}});
    P.SchichtDeltaP[1] = 20.0f;
    Vergleichen({1.0f, 3.0f});
}

TEST_F(PassiveWedge, LoadNearTheWallOnAFlatBottom) {
    // 25 kN/m2 on the first 1.5 m in front of the wall: short wedges carry all of it, long ones
    // no more.
    Schichten({{0.0, 30, 0, -10, 18, 10}});
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -1.5f;
    P.SohlLastX2[1] = 0.0f;
    P.SohlLastQ[1] = 25.0f;
    P.SohlLastZ[1] = 4.0f;
    ref_.lastX1 = -1.5;
    ref_.lastQ = 25.0;
    Vergleichen({0.2f, 0.6f, 1.0f, 2.0f, 3.0f, 6.0f});
}

TEST_F(PassiveWedge, BermInFrontOfTheWall) {
    // Bottom level for 1 m in front of the wall, then falling 2 m to x = -4 and level beyond.
    Schichten({{0.0, 30, 0, -10, 18, 10}});
    P.StBx1 = -1.0f;
    P.StBx2 = -4.0f;
    P.StBH = 2.0f;
    ref_.sohle = [](double x) {
        if (x >= -1.0) return 4.0;
        if (x <= -4.0) return 6.0;
        return 4.0 + (-1.0 - x) * 2.0 / 3.0;
    };
    // 2 m: the plane level with the foot, 1.8 m: the plane turned onto the foot.
    Vergleichen({0.4f, 1.0f, 1.8f, 2.0f, 2.2f, 3.0f, 5.0f, 8.0f}, -4.0, 6.0);
}

TEST_F(PassiveWedge, BermWithALoadOverThreeSoilsAndGroundWater) {
    // Bottom level for 1.5 m, falling 1.5 m to x = -5; 15 kN/m2 from -3 to -0.5 m at the bottom
    // level (over the berm's slope it stands above the ground); water 1 m below the bottom.
    Schichten({{0.0, 27.5, 5, -10, 19, 11}, {5.5, 32.5, 0, -15, 20, 11}, {8.0, 25, 10, 0, 19, 10}});
    Wasser(5.0f);
    P.StBx1 = -1.5f;
    P.StBx2 = -5.0f;
    P.StBH = 1.5f;
    ref_.sohle = [](double x) {
        if (x >= -1.5) return 4.0;
        if (x <= -5.0) return 5.5;
        return 4.0 + (-1.5 - x) * 1.5 / 3.5;
    };
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -3.0f;
    P.SohlLastX2[1] = -0.5f;
    P.SohlLastQ[1] = 15.0f;
    P.SohlLastZ[1] = 4.0f;
    ref_.lastX1 = -3.0;
    ref_.lastX2 = -0.5;
    ref_.lastQ = 15.0;
    Vergleichen({0.2f, 0.6f, 1.0f, 1.4f, 1.6f, 2.0f, 3.0f, 5.0f, 7.0f}, -5.0, 5.5);
}

TEST_F(PassiveWedge, PlaneThroughAGridPointOfTheBottomHasItsOwnWedge) {
    // phi 30, no wall friction: T = -W tan(phi + theta). The planes meet the bottom exactly at a
    // point of its grid (the end of a bottom load, the foot of a berm) and cross nothing else.
    struct Fall {
        float stBH, zp, xBoden, zBoden, W;
    };
    // Flat bottom at 4 m, load 20 kN/m2 on the first 1.5 m: from 5 m to (-1.5, 4):
    // W = 18 x 1 x 1.5 / 2 + 20 x 1.5 = 43.5. Berm (level to -1, foot at (-4, 6)): from 5.8 m down
    // to the foot, the wedge (0, 5.8), (0, 4), (-1, 4), (-4, 6) of 4.6 m2: W = 82.8.
    const Fall faelle[] = {{0.0f, 5.0f, -1.5f, 4.0f, 43.5f}, {2.0f, 5.8f, -4.0f, 6.0f, 82.8f}};
    for (const Fall& f : faelle) {
        zormb::KeilZuruecksetzen();
        Schichten({{0.0, 30, 0, 0, 18, 10}});
        P.StBH = f.stBH;
        P.StBx1 = -1.0f;
        P.StBx2 = -4.0f;
        P.AnzSohlLast = f.stBH == 0.0f ? 1 : 0;
        P.SohlLastX1[1] = -1.5f;
        P.SohlLastX2[1] = 0.0f;
        P.SohlLastQ[1] = 20.0f;
        P.SohlLastZ[1] = 4.0f;
        zormb::KeilmodellAufbauen();
        const float theta = std::atan((f.zp - f.zBoden) / -f.xBoden);
        int16_t kExit = 0, kWall = 0;
        zormb::Probekeil(f.zp, theta, kExit, kWall);
        EXPECT_NEAR(zormb::Keil.GleitLinieX(1, kExit), f.xBoden, 1e-4f) << f.zp;
        const float T = zormb::KeilKraft(theta, kExit, kWall);
        EXPECT_NEAR(T, -f.W * std::tan(30.0f * static_cast<float>(kRad) + theta), 0.02f) << f.zp;
    }
}

} // namespace
