#pragma once
// A stand-in for the main selection window "frmAuswahl" while the pages are tested alone (the topic options,
// the stage and load-case number boxes and its two buttons), and the fixture of the page tests.
#include <gtest/gtest.h>

#include "dialogs/project/project_dialogs.h"
#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"

namespace zortest {

class AuswahlStandIn : public vb::Form {
public:
    vb::ControlArray<vb::OptionButton> optAuswahl{*this, "optAuswahl"};
    vb::ControlArray<vb::TextBox> txtAushub{*this, "txtAushub"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::CommandButton cmdStart{*this, "cmdStart"};
    AuswahlStandIn() : vb::Form("frmAuswahl") {
        for (int16_t i = 1; i <= 6; ++i)
            optAuswahl.add(i).Move(120, 300 * i, 2000, 285);
        txtAushub.add(0).Move(2400, 0, 600, 285);
        txtAushub.add(1).Move(2400, 300, 600, 285);
        txtAushub.add(2).Move(2400, 600, 600, 285);
        txtAushub.add(3).Move(2400, 900, 600, 285);
        txtAushub.add(4).Move(2400, 1200, 600, 285);
        cmdOK.Move(120, 2400, 1200, 400);
        cmdStart.Move(1500, 2400, 1200, 400);
    }
    static void Register() { vb::RegisterForm<AuswahlStandIn>("frmAuswahl"); }
};

// A page test: fresh forms, boxes and project data and every project page registered with the stand-in of
// the main window; everything cleared again afterwards.
class SeitenGrundlage : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::headless::Reset();
        zorm1::ResetProjectData();
        RegisterProjectDialogs();
        zortest::AuswahlStandIn::Register();
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        zorm1::ResetProjectData();
    }
};

// The same with the stand-in of the main window shown, as when a page is opened from it.
class SeitenTest : public SeitenGrundlage {
protected:
    void SetUp() override {
        SeitenGrundlage::SetUp();
        vb::FormByName("frmAuswahl").Show();
    }
};

} // namespace zortest
