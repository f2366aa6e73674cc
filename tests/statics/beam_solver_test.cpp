// Beam solver against closed-form beam solutions.
#include <cmath>
#include <string>

#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/run_status.h"
#include "platform/runtime/errors.h"
#include "statics/state.h"
#include "tests/statics/beam_fixture.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

using zortest::Balken;
using namespace zormc;

// Simply supported (head hinged, foot hinged), L 6 m, EI 50 MNm2/m, load 0 at the head rising to
// 30 kN/m2 at the foot. Closed form with x from the head:
//   Q = p0 L / 6 - p0 x^2 / (2 L), M = p0 L x / 6 - p0 x^3 / (6 L),
//   w = p0 x (7 L^4 - 10 L^2 x^2 + 3 x^4) / (360 L EI), phi = p0 (7 L^4 - 30 L^2 x^2 + 15 x^4) / (360 L EI).
TEST_F(Balken, SimplySupportedUnderTriangularLoad) {
    const double L = 6.0, p0 = 30.0, EI = 50.0;
    const float xm = static_cast<float>(L / std::sqrt(3.0)); // largest moment
    Lastbild(
        {{0.0f, 0.0f}, {1.0f, 5.0f}, {3.116f, 15.58f}, {xm, static_cast<float>(p0 * xm / L)}, {6.0f, 30.0f}});
    Raender(3, 1, 3, 1);
    ASSERT_EQ(Loesen(), "");
    auto w = [&](double x) {
        return p0 * x * (7 * L * L * L * L - 10 * L * L * x * x + 3 * x * x * x * x) / (360 * L * EI);
    };
    auto phi = [&](double x) {
        return p0 * (7 * L * L * L * L - 30 * L * L * x * x + 15 * x * x * x * x) / (360 * L * EI);
    };
    auto M = [&](double x) { return p0 * L * x / 6 - p0 * x * x * x / (6 * L); };
    auto Q = [&](double x) { return p0 * L / 6 - p0 * x * x / (2 * L); };
    int felder = 0;
    for (int i = 1; i < St.AnzZeilen; ++i) {
        const auto& r = St.ErgebnisTabelle[i];
        const double x = r[kTiefe];
        EXPECT_NEAR(r[kW], w(x), 1e-4) << x;
        EXPECT_NEAR(r[kPhi], phi(x), 1e-4) << x;
        EXPECT_NEAR(r[kM], M(x), 1e-3) << x;
        EXPECT_NEAR(r[kQ], Q(x), 1e-3) << x;
        if (r[kArt] == kFeld) ++felder;
    }
    EXPECT_EQ(felder, 4);
    // The textbook values.
    EXPECT_NEAR(St.ErgebnisTabelle[1][kQ], 30.0, 1e-3);
    EXPECT_NEAR(St.ErgebnisTabelle[1][kPhi], 2.52, 1e-4);
    const auto* fuss = Zeile(6.0f, kEnde);
    ASSERT_NE(fuss, nullptr);
    EXPECT_NEAR((*fuss)[kQ], -60.0, 1e-3);
    EXPECT_NEAR((*fuss)[kPhi], -2.88, 1e-4);
    EXPECT_NEAR((*fuss)[kW], 0.0, 1e-5);
    EXPECT_NEAR((*fuss)[kM], 0.0, 1e-4);
    EXPECT_NEAR((*Zeile(xm, kFeld))[kM], 69.28, 0.005);
    EXPECT_NEAR((*Zeile(3.116f, kFeld))[kW], 5.072, 0.001);
    // Head marker and head row.
    EXPECT_EQ(St.ErgebnisTabelle[0][kArt], kKopfMarke);
    EXPECT_EQ(St.ErgebnisTabelle[1][kArt], kKopf);
    EXPECT_EQ(St.ErgebnisTabelle[St.AnzZeilen - 1][kArt], kEnde);
}

// Cantilever: free head, fixed foot, uniform load p: head deflection p L^4 / 8 EI, foot moment
// -p L^2 / 2, foot shear -p L.
TEST_F(Balken, CantileverUnderUniformLoad) {
    Lastbild({{0.0f, 10.0f}, {5.0f, 10.0f}});
    Raender(3, 4, 2, 1);
    ASSERT_EQ(Loesen(), "");
    EXPECT_NEAR(St.ErgebnisTabelle[1][kW], 10.0 * 625.0 / (8.0 * 50.0), 1e-4);
    // The head marker row shows the head deflection when it is an unknown (free head: code b = 4).
    EXPECT_NEAR(St.ErgebnisTabelle[0][kW], St.ErgebnisTabelle[1][kW], 1e-6);
    EXPECT_EQ(St.ErgebnisTabelle[0][kP1 + 2], 10.0f);
    const auto& fuss = St.ErgebnisTabelle[St.AnzZeilen - 1];
    EXPECT_NEAR(fuss[kM], -125.0, 1e-3);
    EXPECT_NEAR(fuss[kQ], -50.0, 1e-3);
    EXPECT_NEAR(fuss[kW], 0.0, 1e-5);
}

// Beam on elastic foundation (Hetényi): free head and free foot, L 20 m, EI 50, springs of C h
// (C = 20 MN/m3, half at the ends) every 0.16 m, a wall load H = 100 kN/m at 10.025 m.
// lambda = (C / 4 EI)^0.25; under the load w = P lambda / 2C, M = P / 4 lambda; at distance x
// w = P lambda / 2C e^(-lambda x) (cos lambda x + sin lambda x). A wall load pushes against the
// load direction (Q jumps by +H), so w and M come out negative.
TEST_F(Balken, BeamOnElasticFoundationUnderAWallLoad) {
    const double C = 20.0, EI = 50.0, Pk = 100.0, h = 0.16;
    const double lam = std::pow(C / (4.0 * EI), 0.25);
    P.LFNr = 1;
    zormcom::Lauf.LuftH[1] = static_cast<float>(Pk);
    Lastbild({});
    for (int k = 0; k <= 125; ++k) {
        const float z = static_cast<float>(k * h);
        if (z > 10.025f && zormc::St.Knoten.z[zormc::St.Knoten.n] < 10.025f) Knoten(10.025f, 0.0f, -11.0f);
        Knoten(z, 0.0f, static_cast<float>((k == 0 || k == 125) ? C * h / 2 : C * h));
    }
    Raender(3, 4, 3, 4);
    ASSERT_EQ(Loesen(), "");
    const auto* last = Zeile(10.025f, kPunkt);
    ASSERT_NE(last, nullptr);
    EXPECT_FLOAT_EQ((*last)[kP1 + 3], 100.0f);
    const double w0 = Pk * lam / (2.0 * C), M0 = Pk / (4.0 * lam);
    EXPECT_NEAR(lam, 0.5623, 1e-4);
    EXPECT_NEAR(w0, 1.406, 1e-3);
    EXPECT_NEAR(M0, 44.46, 0.01);
    EXPECT_NEAR((*last)[kW], -w0, 0.005 * w0);
    EXPECT_NEAR((*last)[kM], -M0, 0.005 * M0);
    // Along the beam, within 0.5 % of the largest deflection.
    for (float z : {5.92f, 8.0f, 9.6f, 10.72f, 12.0f, 14.4f}) {
        const auto* r = Zeile(z, kPunkt);
        ASSERT_NE(r, nullptr) << z;
        const double x = std::fabs(z - 10.025);
        const double w = w0 * std::exp(-lam * x) * (std::cos(lam * x) + std::sin(lam * x));
        EXPECT_NEAR((*r)[kW], -w, 0.005 * w0) << z;
    }
    EXPECT_NEAR((*Zeile(12.0f, kPunkt))[kW], -0.6205, 0.005);
    // Free ends: M and Q vanish at the foot.
    const auto& fuss = St.ErgebnisTabelle[St.AnzZeilen - 1];
    EXPECT_NEAR(fuss[kM], 0.0, 1e-3);
    EXPECT_NEAR(fuss[kQ], 0.0, 1e-3);
}

// Simply supported over 6 m with a middle support at 3 m. A support whose depth matches a recorded
// installation level within 0.001 m keeps that deflection (10 mm): the support force is then
// 48 EI w / L^3 = 111.1 kN/m; otherwise it stays at w = 0 and carries nothing (no load).
TEST_F(Balken, SupportKeepsItsRecordedInstallationDeflection) {
    struct Fall {
        float zAufgezeichnet, w, kraft;
    };
    for (Fall f : {Fall{3.0005f, 10.0f, 111.111f}, Fall{3.0015f, 0.0f, 0.0f}}) {
        SetUp();
        P.AnzAnkerGesamt = 2;
        zormc::St.AuflagerSenkungZ[1] = 1.0f;
        zormc::St.AuflagerSenkung[1] = 4.0f;
        zormc::St.AuflagerSenkungZ[2] = f.zAufgezeichnet;
        zormc::St.AuflagerSenkung[2] = 10.0f;
        Lastbild({{0.0f, 0.0f}});
        Knoten(3.0f, 0.0f, -1.0f);
        Knoten(6.0f, 0.0f, 0.0f);
        Raender(3, 1, 3, 1);
        ASSERT_EQ(Loesen(), "");
        const auto* a = Zeile(3.0f, kAuflager);
        ASSERT_NE(a, nullptr);
        EXPECT_NEAR((*a)[kW], f.w, 1e-4);
        EXPECT_NEAR(std::fabs((*a)[kP1 + 3]), f.kraft, 0.01);
        EXPECT_EQ((*a)[kP1], 0.0f); // after solving the row shows 0 in place of the deflection
        EXPECT_NEAR(St.ErgebnisTabelle[St.AnzZeilen - 1][kW], 0.0, 1e-5);
    }
    float w = -1.0f;
    P.AnzAnkerGesamt = 1;
    AuflagerVerschiebung(1.0009f, w);
    EXPECT_EQ(w, 4.0f);
    AuflagerVerschiebung(1.0011f, w);
    EXPECT_EQ(w, 0.0f);
}

// Cantilever of two layers: p / 8 (a^4 / EI1 + (L^4 - a^4) / EI2) at the head (unit-load method).
// The field is split at the layer top where the stiffness changes, and not where it stays.
TEST_F(Balken, FieldIsSplitAtALayerTopWhereTheStiffnessChanges) {
    P.AnzErd = 3;
    zormcom::Lauf.SchichtKote = {};
    zormcom::Lauf.SchichtKote[1] = 0.0f;
    zormcom::Lauf.SchichtKote[2] = 1.0f;
    zormcom::Lauf.SchichtKote[3] = 2.5f;
    zormcom::Lauf.SchichtKote[4] = 99.0f;
    P.SchichtEI[1] = 50.0f;
    P.SchichtEI[2] = 50.0005f;
    P.SchichtEI[3] = 100.0f;
    Lastbild({{0.0f, 10.0f}, {5.0f, 10.0f}});
    Raender(3, 4, 2, 1);
    ASSERT_EQ(Loesen(), "");
    int felder = 0;
    for (int i = 0; i < St.AnzZeilen; ++i)
        if (St.ErgebnisTabelle[i][kArt] == kFeld) ++felder;
    EXPECT_EQ(felder, 2);
    const auto* oben = Zeile(2.5f, kFeld);
    ASSERT_NE(oben, nullptr);
    EXPECT_FLOAT_EQ((*oben)[kP1], 2.5f);
    EXPECT_NEAR((*oben)[kP1 + 1], 50.0f, 0.001f);
    EXPECT_FLOAT_EQ(St.ErgebnisTabelle[St.AnzZeilen - 2][kP1 + 1], 100.0f);
    const double a = 2.5, L = 5.0;
    EXPECT_NEAR(St.ErgebnisTabelle[1][kW],
                10.0 / 8.0 * (a * a * a * a / 50.0 + (L * L * L * L - a * a * a * a) / 100.0), 1e-4);
}

// A wall load j of load case LFNr has the marker -(10 LFNr + j): M jumps by -gamQ M, Q by +gamQ H.
TEST_F(Balken, WallLoadRowCarriesTheFactoredLoad) {
    P.LFNr = 2;
    P.gamQ = 1.5f;
    zormcom::Lauf.LuftH[3] = 40.0f;
    zormcom::Lauf.LuftM[3] = 5.0f;
    Lastbild({{0.0f, 0.0f}});
    Knoten(2.0f, 0.0f, -23.0f);
    Knoten(5.0f, 0.0f, 0.0f);
    Raender(3, 4, 2, 1);
    ASSERT_EQ(Loesen(), "");
    const auto* r = Zeile(2.0f, kPunkt);
    ASSERT_NE(r, nullptr);
    EXPECT_FLOAT_EQ((*r)[kP1 + 2], -7.5f);
    EXPECT_FLOAT_EQ((*r)[kP1 + 3], 60.0f);
    EXPECT_FLOAT_EQ((*r)[kP1 + 4], 0.0f);
    EXPECT_NEAR((*r)[kM], -7.5, 1e-4);
    const auto& fuss = St.ErgebnisTabelle[St.AnzZeilen - 1];
    EXPECT_NEAR(fuss[kQ], 60.0, 1e-4);
    EXPECT_NEAR(fuss[kM], -7.5 + 60.0 * 3.0, 1e-3);
}

// A moment hinge imposes M = 0 and takes a jump of Q: with a hinged head and a uniform load p the
// hinge at c fixes the head shear to p c / 2.
TEST_F(Balken, HingeImposesZeroMomentWithAShearJump) {
    zormc::St.zGelenk = 2.0f;
    Lastbild({{0.0f, 10.0f}, {2.0f, 10.0f}, {2.0f, 10.0f}, {6.0f, 10.0f}}); // a jump row at the hinge too
    Raender(3, 1, 2, 1);
    ASSERT_EQ(Loesen(), "");
    int gelenke = 0, g = 0;
    for (int i = 0; i < St.AnzZeilen; ++i)
        if (St.ErgebnisTabelle[i][kArt] == kGelenk) ++gelenke, g = i;
    ASSERT_EQ(gelenke, 1);
    EXPECT_NEAR(St.ErgebnisTabelle[1][kQ], 10.0, 1e-4);
    EXPECT_NEAR(St.ErgebnisTabelle[g][kM], 0.0, 1e-4);
    EXPECT_NEAR(St.ErgebnisTabelle[g][kP1 + 3], St.ErgebnisTabelle[g][kQ] - St.ErgebnisTabelle[g - 1][kQ],
                1e-3);
    EXPECT_NE(St.ErgebnisTabelle[g][kP1 + 3], 0.0f);
    const auto& fuss = St.ErgebnisTabelle[St.AnzZeilen - 1];
    EXPECT_NEAR(fuss[kW], 0.0, 1e-5);
    EXPECT_NEAR(fuss[kPhi], 0.0, 1e-5);
}

// Singular systems: the box, status "STOP", never rows that are no numbers.
TEST_F(Balken, SingularSystemStopsWithTheBox) {
    struct Fall {
        const char* name;
        void (*aufbau)();
    };
    const Fall faelle[] = {
        {"one-point diagram, free head and free foot",
         [] {
             Lastbild({{0.0f, 5.0f}});
             Raender(3, 4, 3, 4);
         }},
        {"cantilever with a hinge above its first support",
         [] {
             zormc::St.zGelenk = 1.0f;
             Lastbild({{0.0f, 10.0f}, {1.0f, 10.0f}});
             Knoten(2.0f, 10.0f, -1.0f);
             Knoten(5.0f, 10.0f, 0.0f);
             Raender(3, 4, 2, 1);
         }},
        {"unbedded cantilever on the earth support only",
         [] {
             Lastbild({{0.0f, 10.0f}});
             Knoten(4.0f, 10.0f, -1.0f);
             Knoten(5.0f, 0.0f, 0.0f);
             Raender(3, 4, 3, 4);
         }},
    };
    for (const Fall& f : faelle) {
        SetUp();
        f.aufbau();
        EXPECT_EQ(Loesen(), "STOP") << f.name;
        EXPECT_EQ(St.StatikStatus, zor::Laufstatus::Stop) << f.name;
        EXPECT_EQ(zor::meldeprotokoll::Signaltoene(), 2) << f.name;
        ASSERT_EQ(zor::meldeprotokoll::Eintraege().size(), 1u) << f.name;
        const auto& box = zor::meldeprotokoll::Eintraege()[0];
        EXPECT_EQ(box.titel, "ZORDLT");
        EXPECT_EQ(box.knoepfe, vb::vbOKOnly | vb::vbCritical);
        EXPECT_EQ(box.text,
                  "    Achtung!!!\r\n\r\n    NENNERDETERMINANTE = 0.0. >>>>  ABBRUCH DER BERECHNUNG.\r\n\r\n"
                  "  Bei Bettung UND Überlagerung: rechnen Sie OHNE Überlagerung oder\r\n"
                  "      geben Sie die Fußtiefe vor, größer als der Belastungsnullpunkt.\r\n\r\n"
                  "  Falls Einbindetiefe gesucht: Geben Sie die Einbindetiefe vor.\r\n\r\n");
        for (int i = 0; i <= kMaxZeile; ++i)
            for (float v : St.ErgebnisTabelle[i])
                ASSERT_TRUE(std::isfinite(v)) << f.name << " row " << i;
    }
}

// Inputs beyond the solver's tables abandon the calculation instead of overrunning them.
TEST_F(Balken, InputsBeyondItsTablesAbandonTheCalculation) {
    struct Fall {
        const char* name;
        void (*aufbau)();
    };
    const Fall faelle[] = {
        {"EI 0", [] { P.SchichtEI[1] = 0.0f; }},
        {"EI 0 in a lower layer the beam reaches",
         [] {
             P.AnzErd = 2;
             zormcom::Lauf.SchichtKote[2] = 3.0f;
             zormcom::Lauf.SchichtKote[3] = 99.0f;
             P.SchichtEI[2] = 0.0f;
         }},
        {"a layer beyond the 30 stiffness entries",
         [] {
             P.AnzErd = 32;
             for (int i = 1; i <= 32; ++i) {
                 zormcom::Lauf.SchichtKote[i] = 0.1f * static_cast<float>(i - 1);
                 P.SchichtEI[i < 31 ? i : 30] = 50.0f + static_cast<float>(i);
             }
             zormcom::Lauf.SchichtKote[33] = 99.0f;
         }},
        {"15 supports",
         [] {
             for (int i = 1; i <= 15; ++i)
                 Knoten(0.3f * i, 10.0f, -1.0f);
             Knoten(6.0f, 10.0f, 0.0f);
         }},
        {"more than 300 rows",
         [] {
             Lastbild({{0.0f, 10.0f}});
             for (int i = 1; i <= 160; ++i)
                 Knoten(0.03f * i, 10.0f, 5.0f);
         }},
    };
    for (const Fall& f : faelle) {
        SetUp();
        Lastbild({{0.0f, 10.0f}, {5.0f, 10.0f}});
        Raender(3, 4, 2, 1);
        f.aufbau();
        zor::Laufstatus status = zor::Laufstatus::Offen;
        EXPECT_THROW(Durchlauftraeger(status), zor::CalcAbort) << f.name;
        EXPECT_EQ(status, zor::Laufstatus::Offen) << f.name;
    }
    // A layer with EI 0 below the foot does not matter.
    SetUp();
    P.AnzErd = 2;
    zormcom::Lauf.SchichtKote[2] = 6.0f;
    zormcom::Lauf.SchichtKote[3] = 99.0f;
    P.SchichtEI[2] = 0.0f;
    Lastbild({{0.0f, 10.0f}, {5.0f, 10.0f}});
    Raender(3, 4, 2, 1);
    EXPECT_EQ(Loesen(), "");
}

} // namespace
