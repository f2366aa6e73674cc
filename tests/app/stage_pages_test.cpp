// Every excavation-stage page shown with the Qt backend (offscreen): it fits a screen of 1024 x 768 pixels,
// and its screenshot is saved beside the other temporary files for a look.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/qt/forms_qt.h"
#include "tests/app/page_shot.h"

TEST(StagePages, EveryPageShowsWithTheQtBackendAndFitsTheSmallScreen) {
    vb::headless::ResetForms();
    vb::headless::Reset();
    zorm1::ResetProjectData();
    RegisterProjectDialogs();
    RegisterStageDialogs();
    vb::qtforms::Install(false); // message boxes stay headless: nothing may block
    auto& P = zorm1::P;
    // A stage with something to show: two anchors, a bedded foot, a bottom load, figure 6 with rows.
    P.Wandtyp = P.Wandart = 3;
    P.WandKopf = 1;
    P.TeilsicherheitenAn = 1;
    P.AnzAush = P.AushNr = 1;
    P.zAush = 6.5f;
    P.Wandfuss = 2;
    P.ZWandfuss = 9.0f;
    P.AnzAnker = 2;
    P.ZAnker[1] = 1.5f;
    P.ZAnker[2] = 4.0f;
    P.ZNextAnker = 99;
    P.ZWasserErd = 3;
    P.ZWasserLuft = 7;
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -1;
    P.SohlLastX2[1] = -4;
    P.SohlLastQ[1] = 10;
    P.SohlLastZ[1] = 6.5f;
    P.BettAnz[1] = 2;
    P.BettT(1, 2) = 92.5f;
    P.BettC(1, 1) = 5;
    P.BettC(1, 2) = 30;
    P.UmFigur = 6;
    P.AnzFigur6Aush[1] = 2;
    P.Fig6Z(1, 2) = 6.5f;
    P.Fig6Verh(1, 1) = 1;
    P.Fig6Verh(1, 2) = 0.5f;
    P.EFaktor = 1;
    zormcom::AushubSpeichern(1);
    for (const char* name :
         {"frmAushub1", "frmAushub000", "frmAushub1b", "frmAushub2", "frmAushub3", "frmAushub3b",
          "frmAushub4", "frmAushub6", "frmAushub7", "frmAushub8", "frmAushub0"}) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(apptest::SeiteZeigen(name));
        if (std::string(name) != "frmAushub1") vb::UnloadByName(name);
    }
    vb::qtforms::Uninstall();
    vb::headless::ResetForms();
    vb::ClearRegistry();
    zorm1::ResetProjectData();
}
