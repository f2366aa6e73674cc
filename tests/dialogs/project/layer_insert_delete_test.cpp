// Deleting and inserting soil layers: every per-layer value moves with its layer.
#include <gtest/gtest.h>

#include "dialogs/project/frmBoden0.h"
#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "frmAuswahl_stand_in.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"

using zorm1::P;

namespace {

class Schichtwechsel : public zortest::SeitenTest {
protected:
    // Layers 1..n marked by their number in every moved field (10 x the number for phi).
    static void Schichten(int16_t n) {
        P.AnzErd = n;
        for (int16_t i = 1; i <= 9; ++i) {
            const float v = i <= n ? float(i) : 0.0f;
            P.SchichtDicke[i] = v;
            P.SchichtPhi[i] = 10 * v;
            P.SchichtGammaAush[i] = v;
            P.SchichtDeltaPNeu[i] = v;
            P.SchichtKpghVorgabe[i] = v;
        }
    }
    static void Aendern(int16_t option, const char* nr) {
        vb::FormByName("frmBoden0");
        vb::user::click("frmBoden0.Option1(" + std::to_string(option) + ")");
        vb::user::type(nr);
        vb::user::click("frmBoden0.cmdOK");
    }
};

TEST_F(Schichtwechsel, DeletingMovesTheLayersBelowUp) {
    const struct {
        int16_t n, nr, danach;
        float erwartet[4]; // thickness of layers 1..4 afterwards
    } faelle[] = {{3, 2, 2, {1, 3, 0, 0}}, {3, 3, 2, {1, 2, 0, 0}}, {1, 1, 1, {1, 0, 0, 0}}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.nr);
        Schichten(f.n);
        Aendern(1, std::to_string(f.nr).c_str());
        EXPECT_EQ(P.AnzErd, f.danach);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(P.SchichtDicke[i + 1], f.erwartet[i]) << i + 1;
            EXPECT_EQ(P.SchichtPhi[i + 1], 10 * f.erwartet[i]) << i + 1;
            EXPECT_EQ(P.SchichtDeltaPNeu[i + 1], f.erwartet[i]) << i + 1;
        }
        EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(4)"), " " + std::to_string(f.danach));
        EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(2)");
    }
}

TEST_F(Schichtwechsel, InsertingCopiesTheLayerAtItsPlace) {
    Schichten(3);
    Aendern(2, "2");
    EXPECT_EQ(P.AnzErd, 4);
    const float erwartet[] = {1, 2, 2, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(P.SchichtDicke[i + 1], erwartet[i]);
        EXPECT_EQ(P.SchichtGammaAush[i + 1], erwartet[i]);
        EXPECT_EQ(P.SchichtKpghVorgabe[i + 1], erwartet[i]);
    }
    Schichten(8);
    Aendern(2, "1");
    EXPECT_EQ(P.AnzErd, 8);
    EXPECT_EQ(P.SchichtDicke[2], 2.0f);
}

TEST_F(Schichtwechsel, ANumberAboveTheCountIsReplacedByTheCount) {
    Schichten(3);
    vb::FormByName("frmBoden0");
    EXPECT_EQ(vb::headless::text("frmBoden0.Text1(0)"), " 3");
    vb::user::click("frmBoden0.Option1(1)");
    vb::user::type("7");
    vb::user::tab();
    EXPECT_EQ(vb::headless::text("frmBoden0.Text1(1)"), " 3");
    EXPECT_EQ(vb::headless::focused(), "frmBoden0.Text1(1)");
    vb::user::click("frmBoden0.cmdOK"); // with " 3": the last layer deleted
    EXPECT_EQ(P.AnzErd, 2);

    Schichten(3);
    vb::FormByName("frmBoden0");
    vb::user::click("frmBoden0.cmdOK"); // no option: nothing changes
    EXPECT_EQ(P.AnzErd, 3);
}

} // namespace
