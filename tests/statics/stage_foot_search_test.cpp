// The foot search of a stage against closed-form solutions of the sand stage (stage_fixture.h):
// earth pressure 6 z, design passive resistance 36 (z - zAush).
#include <cmath>

#include "frame/run_status.h"
#include "platform/runtime/winfs.h"
#include "stage_fixture.h"

namespace {

using namespace statik_test;

// Blum, zAush 4, superposed: net load 144 - 30 z below 4 m, zero point 4.8. The foot moment of the net
// load vanishes at t with 4 6^(1/3) / (6^(1/3) - 1) = 8.8952; the search stops at most 0.002 deeper.
// C = 48 + [144 z - 15 z^2] from 4 to the foot = -194.2; DeltaT = 1.5 C / (2 Kp 18 zFuss) = 0.303.
TEST_F(SandStatik, BlumFootOfACantileverInSand) {
    P.Wandfuss = 4;
    P.ZWandfuss = 4.0f;
    P.kzUeb[1] = 1;
    ASSERT_EQ(Rechnen(), "D");
    const double exakt = 4.0 * std::cbrt(6.0) / (std::cbrt(6.0) - 1.0);
    EXPECT_GE(P.zFuss, exakt - 1e-4);
    EXPECT_LE(P.zFuss, exakt + 0.0021);
    EXPECT_NEAR(St.ZRuhedruckFuss, 4.8f, 0.001f);
    EXPECT_NEAR(P.HUmlagerung, 4.8f, 0.001f);
    const float zf = P.zFuss;
    // C is the area of the net load from the head to the foot.
    const float ck = 48.0f + (144.0f * zf - 15.0f * zf * zf) - (144.0f * 4.0f - 15.0f * 16.0f);
    EXPECT_NEAR(St.CKraft, ck, 0.1f);
    EXPECT_NEAR(St.CKraft, -194.2f, 0.4f);
    EXPECT_NEAR(St.SohlSpannungFuss, 18.0f * zf, 0.01f);
    EXPECT_NEAR(St.DeltaT, 1.5f * -ck / (2.0f * 3.0f * 18.0f * zf), 0.002f);
    EXPECT_NEAR(St.DeltaT, 0.303f, 0.002f);
    EXPECT_NEAR(St.CKraftKp, 3.0f, 1e-4f);
    EXPECT_EQ(St.KeineKonvergenz, 0);
    EXPECT_NEAR(KopfW(), 86.4f, 0.2f);
    // Moment of the net load about the foot nearly 0: the foot moment of the fixed end is small.
    const auto* ende = Zeile(zf, zormc::kEnde);
    ASSERT_NE(ende, nullptr);
    EXPECT_LT(std::fabs((*ende)[zormc::kM]), 1.0f);
    // The largest moment -182.8 lies at 6.76 m, where the shear vanishes: no row is more negative.
    for (int i = 0; i < St.AnzZeilen; ++i)
        EXPECT_GE(St.ErgebnisTabelle[i][zormc::kM], -182.9f);
}

// Free earth support, zAush 6, anchor 1.5, no superposition: the earth support at zAush + 0.6 t carries
// Bh = Eph = 18 t^2; moments about the anchor give t = 3.1838 (foot 9.1838), the anchor the rest of
// 3 zFuss^2.
TEST_F(SandStatik, FreeEarthSupportOfAnAnchoredWall) {
    P.Wandfuss = 1;
    P.zAush = 6.0f;
    P.ZWandfuss = 6.0f;
    P.AnzAnker = 1;
    P.ZAnker[1] = 1.5f;
    ASSERT_EQ(Rechnen(), "D");
    EXPECT_GE(P.zFuss, 9.1836f);
    EXPECT_LE(P.zFuss, 9.1860f);
    const float t = P.zFuss - 6.0f;
    EXPECT_NEAR(St.ZErdauflager, 6.0f + 0.6f * t, 0.002f);
    EXPECT_NEAR(St.Eph, 18.0f * t * t, 0.01f);
    EXPECT_NEAR(St.Bh, St.Eph, 0.5f);
    EXPECT_NEAR(St.Bh, 182.5f, 0.5f);
    const auto* anker = Zeile(1.5f, zormc::kAuflager);
    ASSERT_NE(anker, nullptr);
    EXPECT_NEAR((*anker)[zormc::kP1 + 3], 3.0f * P.zFuss * P.zFuss - St.Bh, 0.05f);
    EXPECT_NEAR((*anker)[zormc::kP1 + 3], 70.6f, 0.3f);
    EXPECT_NEAR(KopfW(), -7.26f, 0.05f);
    EXPECT_EQ(St.CKraft, 0.0f);
    EXPECT_EQ(St.DeltaT, 0.0f);
}

} // namespace

namespace {

// A relief in the additional vertical stress that outweighs the soil at the foot: no passive resistance
// can take the C force there, so the extra embedment is not determinable (never negative or infinite).
TEST_F(SandStatik, ExtraEmbedmentNotDeterminableWithoutVerticalStressAtTheFoot) {
    P.Wandfuss = 4;
    P.ZWandfuss = 4.0f;
    P.kzUeb[1] = 1;
    zormcom::AushubSpeichern(1);
    zorma::EingabeAuswerten();
    zormb::ErddruckBerechnen();
    vb::Close(zorma::kBerichtDateiNr);
    vb::WriteFileBytes("ZORGZ", "2\r\n0,-1000\r\n99,-1000\r\n");
    zor::Laufstatus status = zor::Laufstatus::Offen;
    zormc::WandStatik(status);
    ASSERT_EQ(status, zor::Laufstatus::Weiter);
    EXPECT_NEAR(St.CKraft, -194.2f, 0.4f);
    EXPECT_LT(St.SohlSpannungFuss, 0.0f);
    EXPECT_EQ(St.DeltaT, 0.0f);
    EXPECT_EQ(St.DeltaTBestimmbar, 0);
    EXPECT_NE(vb::ReadFileBytes("LPTZW").find("Ersatzkraft C nicht bestimmbar"), std::string::npos);
}

} // namespace
