// Every project input page shown with the Qt backend (offscreen): it fits a screen of 1024 x 768 pixels, and
// its screenshot is saved beside the other temporary files for a look.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/qt/forms_qt.h"
#include "tests/app/page_shot.h"

TEST(ProjectPages, EveryPageShowsWithTheQtBackendAndFitsTheSmallScreen) {
    vb::headless::ResetForms();
    vb::headless::Reset();
    zorm1::ResetProjectData();
    RegisterProjectDialogs();
    vb::qtforms::Install(false); // message boxes stay headless: nothing may block
    for (const char* name : {"frmBTeilSi", "frmBTeilSi2", "frmWand1", "frmProfile", "frmBemessung",
                             "frmBoden1", "frmBoden1a", "frmBoden2", "frmBoden3", "frmBoden0", "frmLast0",
                             "frmLast1", "frmLast2", "frmLast3", "frmLast4", "frmAnker1", "frmAusgabe"}) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(apptest::SeiteZeigen(name));
        vb::UnloadByName(name);
    }
    vb::qtforms::Uninstall();
    vb::headless::ResetForms();
    vb::ClearRegistry();
    zorm1::ResetProjectData();
}
