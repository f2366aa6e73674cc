// Loads, struts and anchors on the sliding body, checked with the closed form of a purely cohesive soil:
// for phi = 0 the resisting moment is c R L and every load adds its moment about the centre to the
// driving moment W e (toe circle of the slope, centre (0, -17), R 27: c R L = 20 * 27 * 24.0224,
// W e = 20 * 46.0054 * 11.2306).
#include <functional>
#include <utility>

#include <gtest/gtest.h>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "slip_model_fixture.h"
#include "slipcircle/circle_safety.h"
#include "slipcircle/state.h"

using zorm1::P;

namespace {

using Zormg::D;
using Zormg::Z;

constexpr float kRL = 20.0f * 27.0f * 24.0224f;
constexpr float kWe = 20.0f * 46.0054f * 11.2306f;

void Last(float xa, float za, float xe, float ze, float v, float h, int16_t staendig) {
    auto& d = D();
    auto& s = Z();
    const int j = ++d.AnzGkLasten;
    s.LastPunkt1[j] = static_cast<int16_t>(299 + 2 * j);
    s.LastPunkt2[j] = static_cast<int16_t>(300 + 2 * j);
    slipfix::Punkt(299 + 2 * j, xa, za);
    slipfix::Punkt(300 + 2 * j, xe, ze);
    s.VLastA[j] = s.VLastE[j] = v;
    s.HLastA[j] = s.HLastE[j] = h;
    s.LastStaendig[j] = staendig;
}

void Anker(float x, float z, float laenge, float neigungGrad, float kraft) {
    auto& d = D();
    auto& s = Z();
    const int j = ++d.AnzGkAnker;
    s.GkAnkerX[j] = x;
    s.GkAnkerZ[j] = z;
    s.GkAnkerLaenge[j] = laenge;
    s.GkAnkerNeigung[j] = neigungGrad;
    s.GkAnkerKraft[j] = kraft;
}

struct Fall {
    const char* name;
    std::function<void()> belasten;
    float zusatzMoment; // added to the driving moment W e
    bool teilsicher = false;
};

class GeschlosseneForm : public ::testing::TestWithParam<Fall> {};

TEST_P(GeschlosseneForm, LoadMomentAddsToTheDrivingMoment) {
    slipfix::Boeschung(20, 0, 20);
    if (GetParam().teilsicher) {
        P.TeilsicherheitenAn = 1;
        P.gamG1C = 1.0f;
        P.gamQ1C = 1.3f;
    }
    GetParam().belasten();
    slipfix::Vorbereiten();
    const float eta = slipfix::Kreis(0, -17);
    EXPECT_NEAR(eta, kRL / (kWe + GetParam().zusatzMoment), 0.01f);
}

INSTANTIATE_TEST_SUITE_P(
    Lasten, GeschlosseneForm,
    ::testing::Values(Fall{"NoLoad", [] {}, 0},
                      // 50 kN/m2 on 2 m at x 5..7: 100 kN/m with the lever 6 m.
                      Fall{"PermanentSurcharge", [] { Last(5, 0, 7, 0, 50, 0, 100); }, 600},
                      // Right of the friction circle's tangent (phi 0: x > xM) a variable load counts fully.
                      Fall{"VariableSurcharge", [] { Last(5, 0, 7, 0, 50, 0, 0); }, 600},
                      Fall{"SurchargeBelowTheSlipLine", [] { Last(5, 15, 7, 15, 50, 0, 100); }, 0},
                      Fall{"LoadWithoutExtent", [] { Last(5, 0, 5, 0, 50, 0, 100); }, 0},
                      // Horizontal 10 kN/m2 on a vertical line at x 10 from z 5.5 to 7.5: 20 kN/m at z 6.5,
                      // lever 23.5 m. Towards the earth side it stabilises: only its permanent share counts.
                      Fall{"StabilisingHorizontalVariable", [] { Last(10, 5.5f, 10, 7.5f, 0, 10, 0); }, 0},
                      Fall{"StabilisingHorizontalPermanent", [] { Last(10, 5.5f, 10, 7.5f, 0, 10, 100); },
                           -470},
                      Fall{"DrivingHorizontal", [] { Last(10, 5.5f, 10, 7.5f, 0, -10, 0); }, 470},
                      // A strut of 10 kN/m at z 2, 19 m below the centre; above the centre it is ignored.
                      Fall{"StrutBelowTheCentre", [] { Anker(0, 2, 0, 0, 10); }, -190},
                      Fall{"StrutAboveTheCentre", [] { Anker(0, -18, 0, 0, 10); }, 0},
                      // A horizontal anchor at z 6 crosses the slip line 23 m below the centre: -100 * 23.
                      Fall{"HorizontalAnchor", [] { Anker(-0.5f, 6, 20, 0, 100); }, -2300},
                      Fall{"AnchorShortOfTheSlipLine", [] { Anker(-0.5f, 6, 5, 0, 100); }, 0},
                      // Partial factors: the variable surcharge with gamQ 1.3.
                      Fall{"PartialFactorsVariableSurcharge", [] { Last(5, 0, 7, 0, 50, 0, 0); }, 780, true}),
    [](const ::testing::TestParamInfo<Fall>& i) { return std::string(i.param.name); });

TEST(LamellenZusatz, SurchargeOf10On2MetresAdds20InBothConcepts) {
    for (int16_t konzept : {0, 1}) {
        float summe[2] = {0, 0};
        for (int mitLast = 0; mitLast <= 1; ++mitLast) {
            slipfix::Boeschung(3, 19.6f, 20);
            P.TeilsicherheitenAn = konzept;
            P.gamG1C = P.gamQ1C = 1.0f;
            if (mitLast) Last(12, 0, 14, 0, 10, 0, 100);
            slipfix::Vorbereiten();
            slipfix::Kreis(0, -17);
            for (int s = D().ErsteLamelle; s < D().LetzteLamelle; ++s)
                summe[mitLast] += D().LamGewicht[s] + D().LamVerkehr[s];
        }
        EXPECT_NEAR(summe[1] - summe[0], 20.0f, 0.01f) << "concept " << konzept;
    }
}

TEST(LamellenZusatz, GlobalVariableSurchargeLeftOfTheFrictionCircleTangentAddsNothing) {
    // phi 19.6: xM + R sin phi = 27 sin 19.6 = 9.06; a load at x 5..7 lies left of it.
    float gewicht[3] = {0, 0, 0};
    for (int fall = 0; fall <= 2; ++fall) {
        slipfix::Boeschung(3, 19.6f, 20);
        if (fall == 1) Last(5, 0, 7, 0, 10, 0, 0);
        if (fall == 2) Last(12, 0, 14, 0, 10, 0, 0);
        slipfix::Vorbereiten();
        slipfix::Kreis(0, -17);
        for (int s = D().ErsteLamelle; s < D().LetzteLamelle; ++s)
            gewicht[fall] += D().LamGewicht[s];
    }
    EXPECT_NEAR(gewicht[1], gewicht[0], 0.01f);
    EXPECT_NEAR(gewicht[2] - gewicht[0], 20.0f, 0.01f);
}

TEST(KreisSicherheit, CircleWithoutABodyOrBeyondTheModelChangesNothing) {
    // (-50, 60): the whole slip line left of the earth-side run-out lies below the ground, so the body
    // would reach the left model limit; (0, 200): the arc ends right of the model limit x = 99.
    for (auto [x, z] : {std::pair{-50.0f, 60.0f}, std::pair{0.0f, 200.0f}}) {
        slipfix::Boeschung(20, 0, 20);
        slipfix::Vorbereiten();
        slipfix::Kreis(x, z);
        EXPECT_EQ(D().KreisZaehler, 0);
        EXPECT_EQ(D().etaMin, Zormg::kKeinKreis);
        EXPECT_EQ(D().eta, Zormg::kStartMinimum);
    }
}

TEST(KreisSicherheit, StrutOutweighingTheDrivingMomentGivesAnInvalidCircle) {
    slipfix::Boeschung(20, 0, 20);
    Anker(0, 2, 0, 0, 1000);
    slipfix::Vorbereiten();
    EXPECT_EQ(slipfix::Kreis(0, -17), Zormg::kUngueltig);
    EXPECT_EQ(D().etaMin, Zormg::kUngueltig);
    EXPECT_EQ(D().KreisZaehler, 1);
}

TEST(KreisSicherheit, SafetyBelow07StopsTheSearch) {
    slipfix::Boeschung(2, 0, 20);
    slipfix::Vorbereiten();
    EXPECT_LT(slipfix::Kreis(0, -17), 0.7f);
    EXPECT_EQ(D().Abbruch, 1);
    EXPECT_EQ(D().KreisZaehler, 1);
    EXPECT_LT(D().etaMin, 0.7f);
}

} // namespace

namespace {

TEST(KreisSicherheit, MomentsThatAreNoFiniteNumbersGiveAnInvalidCircle) {
    // A factor on c of 0 (not set by the run) makes the cohesion infinite: no finite safety.
    slipfix::Boeschung(20, 10, 20);
    zormcom::Vorgaben.gamCWirk = 0.0f;
    slipfix::Vorbereiten();
    EXPECT_EQ(slipfix::Kreis(0, -17), Zormg::kUngueltig);
    EXPECT_EQ(D().Abbruch, 0);
}

} // namespace

namespace {

TEST(AnkerAbminderung, FullUpTo90DegreesNothingFrom105) {
    const struct { double grad, r; } faelle[] = {{45, 1}, {90, 1}, {100, 1.0 / 3.0}, {105, 0}, {120, 0}};
    for (auto f : faelle)
        EXPECT_NEAR(Zormg::AnkerAbminderung(f.grad), f.r, 1e-12) << f.grad;
}

} // namespace

namespace {

// Global concept, phi 27.5 degrees: arc point 25 (-30 + 25 x 2.3 = 27.5 degrees) of the circle (0, -17),
// R 27, lies exactly on the vertical tangent to the friction circle, x = 27 sin 27.5 = 12.4672. A variable
// load of 100 kN/m2 on x 11..15 counts on the slices from there on, also on the slice that begins at the
// tangent: 100 (15 - 12.4672) = 253.28 kN/m, whichever way the rounding of the two abscissae falls, so a
// friction angle a hair to either side gives the same safety. At 27.6 degrees the tangent lies 0.042 m
// further right and the slice that begins at 27.5 degrees (up to 27 sin 29.8 = 13.4183) is left of it:
// 100 (15 - 13.4183) = 158.17 kN/m.
TEST(LamellenZusatz, SliceBeginningOnTheFrictionCircleTangentKeepsItsVariableLoad) {
    struct Fall {
        float phi, last;
    };
    float etaTangente = 0.0f;
    for (const Fall& f :
         {Fall{27.5f, 253.28f}, Fall{27.4999f, 253.28f}, Fall{27.5001f, 253.28f}, Fall{27.6f, 158.17f}}) {
        float gewicht[2] = {0, 0}, eta = 0.0f;
        for (int mitLast = 0; mitLast <= 1; ++mitLast) {
            slipfix::Boeschung(3, f.phi, 20);
            if (mitLast) Last(11, 0, 15, 0, 100, 0, 0);
            slipfix::Vorbereiten();
            eta = slipfix::Kreis(0, -17);
            for (int s = D().ErsteLamelle; s < D().LetzteLamelle; ++s)
                gewicht[mitLast] += D().LamGewicht[s];
        }
        EXPECT_NEAR(gewicht[1] - gewicht[0], f.last, 0.05f) << f.phi;
        if (f.phi == 27.5f) {
            etaTangente = eta;
        } else if (f.phi < 27.51f) {
            EXPECT_NEAR(eta, etaTangente, 0.001f * etaTangente) << f.phi;
        }
    }
}

} // namespace
