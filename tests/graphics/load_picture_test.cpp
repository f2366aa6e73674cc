// The loads of a load case on the statics picture.
#include "graphics/drawing.h"
#include "graphics/pictures.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace grafik_test {
namespace {

class Lasten : public GrafikTest {
protected:
    void SetUp() override {
        GrafikTest::SetUp();
        P.Massstab = 100;
        P.DWand = 0.5f;
        zorg::MassstabEinrichten(*fenster_);
        fenster_->ClearLog();
    }
    void TearDown() override { vb::SetDecimalSeparator(0); }
};

TEST_F(Lasten, IntervalsOfTheLoadLines) {
    struct Fall {
        float laenge;
        int16_t n;
    };
    // 2.0 m at 1 : 100: 20; exactly 10 units: 2.5 rounds to 2; below 6 units: 1; a huge strip stays bounded
    for (Fall f : {Fall{2.0f, 20}, Fall{0.25f, 2}, Fall{0.1f, 1}, Fall{0.0f, 1}, Fall{1e7f, 2000}})
        EXPECT_EQ(zorg::LastIntervalle(f.laenge, 0.025f), f.n) << f.laenge;
}

TEST_F(Lasten, AreaLoadLabelsWithTheRegionalSeparatorAndUnlimitedStripsEndAtTheFrame) {
    P.AnzLastErdLF[1] = 2;
    P.ErdLastPv(1, 1) = 10, P.ErdLastPh(1, 1) = 2.5f, P.ErdLastXA(1, 1) = 1, P.ErdLastXE(1, 1) = 999;
    P.ErdLastPv(1, 2) = 5, P.ErdLastXA(1, 2) = 50, P.ErdLastXE(1, 2) = 60; // beyond the frame
    const auto vorher = P.ErdLastXE;
    vb::SetDecimalSeparator(',');
    zorg::LastenZeichnen(*fenster_, 1, 1);
    EXPECT_NE(Text("10 \\ 2,5"), nullptr);
    EXPECT_EQ(Text("5"), nullptr);
    EXPECT_EQ(P.ErdLastXE, vorher);
    double rechts = -1e9;
    for (const auto& l : Linien())
        rechts = std::max({rechts, l.x1});
    EXPECT_NEAR(rechts, zorg::Grafik().BildRechts, 1e-5); // the base's right end
}

TEST_F(Lasten, WallLoadNotActingInTheStageIsLeftOut) {
    vb::SetDecimalSeparator('.');
    P.AnzLastLuftLF[1] = 1;
    P.LuftLastZ(1, 1) = 2.0f;
    P.LuftLastNichtIn(1, 1, 0) = 1;
    P.LuftLastNichtIn(1, 1, 1) = 2;
    zorg::LastenZeichnen(*fenster_, 1, 2);
    EXPECT_TRUE(fenster_->Records().empty());
    zorg::LastenZeichnen(*fenster_, 1, 1);
    EXPECT_NE(Text("H=0"), nullptr);
    EXPECT_NE(Text("M=0"), nullptr);
    EXPECT_NE(Text("2.00"), nullptr);
}

} // namespace
} // namespace grafik_test
