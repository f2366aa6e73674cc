// The slip circle's progress in the program's windows: the progress window per load case, the hourglass, no
// input to the other windows while the search runs, closing the window cancels, and everything put back
// however the stage ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "platform/draw/recorder.h"
#include "platform/forms/forms.h"
#include "platform/forms/headless.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/winfs.h"
#include "run/frmIterZeig.h"
#include "run/slip_circle_progress.h"
#include "slipcircle/slip_circle_stage.h"
#include "slipcircle/state.h"
#include "tests/slipcircle/handover_files.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

using zorm1::P;

namespace {

using Zormg::D;

// Some other window of the program, which must take no input while the search runs.
class frmAnderes : public vb::Form {
public:
    vb::CommandButton cmdLos{*this, "cmdLos"};
    frmAnderes() : vb::Form("frmAnderes") {}
};

class Fortschrittsfenster : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        Zormg::ZustandZuruecksetzen();
        P.GradZuRad = 3.141593f / 180.0f;
        slipfiles::Projekt({3, 5}, 3);
        slipfiles::GL1();
        slipfiles::GL2();
        zorm1::ResetProjectData();
        P.GradZuRad = 3.141593f / 180.0f;
        vorher_ = Zormg::FortschrittAnschliessen(&fenster_);
    }
    void TearDown() override {
        // The program's own progress window, connected for the whole test program, is connected again.
        Zormg::FortschrittAnschliessen(vorher_);
        vb::script::clear();
        vb::headless::ResetForms();
        zorm1::ResetProjectData();
        Anzeigen::ResetH504();
        Zormg::ZustandZuruecksetzen();
    }
    static std::vector<std::string> Status() {
        std::vector<std::string> s;
        for (const std::string& zeile : zortest::ZeilenAus(zortest::Text("DIDUVU.ERG"))) {
            std::size_t k = 0;
            for (int i = 0; i < 6; ++i)
                k = zeile.find(',', k) + 1;
            s.push_back(zeile.substr(k, zeile.find(',', k) - k));
        }
        return s;
    }
    zortest::WorkingFolder dir_;
    zorrun::GleitkreisFenster fenster_;
    Zormg::Fortschritt* vorher_ = nullptr;
};

TEST_F(Fortschrittsfenster, EveryLoadCaseShowsItsWindowUnderTheHourglass) {
    D().YieldAbstandMs = 1000000; // only the yield after the texts of each load case
    std::vector<std::string> titel, kopf;
    for (int i = 0; i < 3; ++i)
        vb::script::call([&] {
            titel.push_back(vb::form<frmIterZeig>().Caption());
            kopf.push_back(vb::form<frmIterZeig>().Zeile(2));
        });
    Zormg::GleitkreisRechnen();
    ASSERT_EQ(titel.size(), 3u);
    EXPECT_EQ(titel[1], "Gleitkreis-Iteration im Lastfall  2, Aushub  2");
    EXPECT_EQ(kopf[0], "  Iter     xM        zM     Radius      eta     etamin");
    EXPECT_FALSE(vb::isLoaded<frmIterZeig>());
    const auto zeiger = vb::headless::ScreenPointerLog();
    ASSERT_GE(zeiger.size(), 2u);
    EXPECT_EQ(zeiger.front(), vb::vbHourglass);
    EXPECT_EQ(zeiger.back(), vb::vbDefault);
}

TEST_F(Fortschrittsfenster, ClosingTheWindowCancelsTheSearchOfEveryLoadCase) {
    D().YieldAbstandMs = 0;
    vb::script::call([] {}); // the texts of load case 1
    for (int i = 0; i < 5; ++i)
        vb::script::call([] {}); // a few circles of the search
    vb::script::close("frmIterZeig");
    Zormg::GleitkreisRechnen();
    EXPECT_EQ(Status(), (std::vector<std::string>{"3", "3", "3"}));
    EXPECT_FALSE(vb::isLoaded<frmIterZeig>());
}

TEST_F(Fortschrittsfenster, OtherWindowsTakeNoInputWhileTheSearchRunsAndAfterwardsDo) {
    vb::form<frmAnderes>().Show();
    bool gesperrt = false;
    vb::script::call([&] { gesperrt = !vb::headless::enabled("frmAnderes.cmdLos"); });
    Zormg::GleitkreisRechnen();
    EXPECT_TRUE(gesperrt);
    EXPECT_TRUE(vb::headless::enabled("frmAnderes.cmdLos"));

    // Damaged input: the stage is abandoned, the windows are as before.
    vb::WriteFileBytes("wexasave.gl2", vb::ReadFileBytes("wexasave.gl2").substr(0, 200));
    EXPECT_THROW(Zormg::GleitkreisRechnen(), zor::CalcAbort);
    EXPECT_FALSE(vb::isLoaded<frmIterZeig>());
    EXPECT_TRUE(vb::headless::enabled("frmAnderes.cmdLos"));
    EXPECT_EQ(vb::headless::ScreenPointerLog().back(), vb::vbDefault);
}

TEST(frmIterZeig, PrintsOpaqueCourierRowsIntoAWhiteFixedWindow) {
    vb::headless::ResetForms();
    frmIterZeig& f = vb::form<frmIterZeig>();
    EXPECT_FLOAT_EQ(f.ScaleWidth(), 7455);
    EXPECT_FLOAT_EQ(f.ScaleHeight(), 3015);
    EXPECT_EQ(f.BackColor(), 0xFFFFFF);
    EXPECT_EQ(f.FontName(), "Courier New");
    EXPECT_FALSE(f.Resizable);
    f.Drucken(3, std::string(61, ' '));
    f.Drucken(3, " 00050  ");
    const auto r = vb::headless::Recorder(f.surface());
    ASSERT_TRUE(r);
    const double zeile = f.surface().TextHeight("X");
    std::vector<const vb::draw::Record*> texte;
    for (const auto& rec : r->Records())
        if (rec.op == vb::draw::RecordOp::Print) texte.push_back(&rec);
    ASSERT_EQ(texte.size(), 2u);
    for (const auto* t : texte) {
        EXPECT_DOUBLE_EQ(t->y1, 2 * zeile); // the top of the third row
        EXPECT_DOUBLE_EQ(t->x1, 0);
        EXPECT_FALSE(t->transparent); // the blanks clear the row
        EXPECT_NEAR(t->font.size, 9.0f, 0.5f);
    }
    EXPECT_EQ(f.Zeile(3), " 00050  ");
    vb::headless::ResetForms();
}

} // namespace
