// The box of the page numbering on the Qt backend: its caption and its notes are shown whole.
#include <gtest/gtest.h>

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/qt/forms_qt.h"
#include "report/frmStartSeite.h"
#include "tests/app/page_shot.h"

namespace {

TEST(SeitenNumerierungQt, TheCaptionAndEveryNoteAreShownWhole) {
    zorm1::ResetProjectData();
    Anzeigen::ResetH504();
    vb::headless::ResetForms();
    vb::qtforms::Install(false);
    auto& f = vb::form<frmStartSeite>();
    f.Show();
    QWidget* win = vb::qtforms::WindowOf(f);
    ASSERT_NE(win, nullptr);
    apptest::TexteLesbar(f, win);
    vb::qtforms::Uninstall();
    vb::headless::ResetForms();
    zorm1::ResetProjectData();
}

} // namespace
