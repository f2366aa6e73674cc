// Deleting a load case: the load cases behind it move forward with all their loads.
#include <gtest/gtest.h>

#include "dialogs/project/frmLast0.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"

using zorm1::P;

namespace {

class Lastfallloeschen : public zortest::SeitenTest {
protected:
    // Load cases 1..n, each with lc wall loads and one area load marked by its number.
    static void Lastfaelle(int16_t n) {
        P.AnzLF = n;
        for (int lc = 1; lc <= n; ++lc) {
            P.AnzLastLuftLF[lc] = static_cast<int16_t>(lc);
            for (int j = 1; j <= lc; ++j)
                P.LuftLastH(lc, j) = 10.0f * lc + j;
            P.AnzLastErdLF[lc] = 1;
            P.ErdLastPv(lc, 1) = 100.0f * lc;
            P.ErdLastNichtIn(lc, 1, 0) = 1;
            P.ErdLastNichtIn(lc, 1, 1) = static_cast<int16_t>(lc);
            P.ErdLastRuheProz(lc, 1) = static_cast<int16_t>(lc);
            P.NKopfLF[lc] = float(lc);
        }
    }
    static void Loeschen(const char* nr) {
        vb::FormByName("frmLast0");
        vb::user::click("frmLast0.Option1");
        vb::user::type(nr);
        vb::user::click("frmLast0.cmdOK");
    }
};

TEST_F(Lastfallloeschen, TheLoadCasesBehindMoveForwardWithAllTheirLoads) {
    Lastfaelle(3);
    vb::form<zortest::AuswahlStandIn>().txtAushub(3).setText("3");
    Loeschen("2");
    EXPECT_EQ(P.AnzLF, 2);
    EXPECT_EQ(P.AnzLastLuftLF[2], 3);
    EXPECT_EQ(P.LuftLastH(2, 3), 33.0f);
    EXPECT_EQ(P.ErdLastPv(2, 1), 300.0f);
    EXPECT_EQ(P.ErdLastNichtIn(2, 1, 1), 3);
    EXPECT_EQ(P.ErdLastRuheProz(2, 1), 3);
    EXPECT_EQ(P.NKopfLF[2], 3.0f);
    EXPECT_EQ(P.AnzLastLuftLF[3], 0); // slot 3 took the empty slot 4
    EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(2)"), " 2");
    EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(3)"), " 2");
    EXPECT_EQ(P.LFNr, 2);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(4)");
}

TEST_F(Lastfallloeschen, DeletingFromEightEmptiesTheLastSlot) {
    Lastfaelle(8);
    frmLast0::LFLoesch(5);
    EXPECT_EQ(P.AnzLF, 7);
    EXPECT_EQ(P.NKopfLF[5], 6.0f);
    EXPECT_EQ(P.NKopfLF[7], 8.0f);
    EXPECT_EQ(P.AnzLastLuftLF[7], 8);
    EXPECT_EQ(P.AnzLastLuftLF[8], 0);
    EXPECT_EQ(P.AnzLastErdLF[8], 0);
    EXPECT_EQ(P.LuftLastH(8, 8), 0.0f);
    EXPECT_EQ(P.NKopfLF[8], 0.0f);
}

TEST_F(Lastfallloeschen, ANumberAboveTheCountIsReplacedAndNoChoiceChangesNothing) {
    Lastfaelle(3);
    vb::FormByName("frmLast0");
    vb::user::click("frmLast0.Option1");
    vb::user::type("7");
    vb::user::tab();
    EXPECT_EQ(vb::headless::text("frmLast0.Text1(1)"), " 3");
    EXPECT_EQ(vb::headless::focused(), "frmLast0.Text1(1)");
    vb::Unload<frmLast0>();
    vb::FormByName("frmLast0");
    vb::user::click("frmLast0.cmdOK");
    EXPECT_EQ(P.AnzLF, 3);
}

} // namespace
