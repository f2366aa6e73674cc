// Windows and routines by name: the same instance as by type, loading, unloading, controls and
// routines reached from code that does not know the window's type.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/headless.h"
#include "platform/forms/registry.h"

namespace {

std::vector<std::string> ev;

class frmTitel : public vb::Form {
public:
    vb::ControlArray<vb::TextBox> txtEin{*this, "txtEin"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    bool abbrechen = false;
    frmTitel() : vb::Form("frmTitel") {
        txtEin.add(0);
        txtEin.add(1);
    }
    void Form_Load() override {
        ev.push_back("frmTitel.Load");
        Show();
    }
    void Form_Resize() override { ev.push_back("frmTitel.Resize"); }
    void Form_QueryUnload(int16_t& cancel, int16_t) override { cancel = abbrechen; }
    void NamenAbleiten(const std::string& n) { txtEin(1).setText(n + ".zor"); }
};

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        ev.clear();
        vb::RegisterForm<frmTitel>("frmTitel");
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
    }
};

TEST_F(Registry, AWindowByNameIsTheSameSingleInstanceAsByType) {
    EXPECT_EQ(vb::LoadedForm("frmTitel"), nullptr); // asking does not load
    vb::Form& f = vb::FormByName("frmTitel");
    EXPECT_EQ(ev, std::vector<std::string>({"frmTitel.Load", "frmTitel.Resize"}));
    EXPECT_EQ(&f, &vb::form<frmTitel>());
    EXPECT_EQ(&vb::FormByName("frmTitel"), &f); // loaded once
    EXPECT_EQ(vb::LoadedForm("frmTitel"), &f);
    // Its controls and its own events, reached without its type.
    vb::ControlOf<vb::TextBox>(f, "txtEin", 1).setText("/daten/");
    EXPECT_EQ(vb::form<frmTitel>().txtEin(1).Text(), "/daten/");
    f.Form_Resize();
    EXPECT_EQ(ev.back(), "frmTitel.Resize");
    EXPECT_TRUE(vb::UnloadByName("frmTitel"));
    EXPECT_FALSE(vb::isLoaded<frmTitel>());
    EXPECT_TRUE(vb::UnloadByName("frmTitel")); // not loaded: nothing happens
}

TEST_F(Registry, UnloadingByNameCanBeCancelledByTheWindow) {
    vb::form<frmTitel>().abbrechen = true;
    EXPECT_FALSE(vb::UnloadByName("frmTitel"));
    EXPECT_TRUE(vb::isLoaded<frmTitel>());
}

TEST_F(Registry, UnknownNamesAndWrongKindsAreFaultsOfTheProgram) {
    EXPECT_FALSE(vb::IsRegistered("frmAuswahl"));
    EXPECT_THROW(vb::FormByName("frmAuswahl"), std::out_of_range);
    EXPECT_EQ(vb::LoadedForm("frmAuswahl"), nullptr);
    vb::Form& f = vb::FormByName("frmTitel");
    EXPECT_THROW(vb::ControlOf<vb::TextBox>(f, "txtEin", 7), std::invalid_argument);
    EXPECT_THROW(vb::ControlOf<vb::TextBox>(f, "cmdOK"), std::invalid_argument);
    EXPECT_THROW(vb::CallByName<void()>("frmTitel.Fehlt"), std::out_of_range);
    vb::UnregisterForm("frmTitel");
    EXPECT_FALSE(vb::IsRegistered("frmTitel"));
    EXPECT_EQ(vb::LoadedForm("frmTitel"), &f); // a loaded window is found by its own name all the same
}

TEST_F(Registry, RoutinesByNameKeepTheirSignature) {
    vb::RegisterCall<void(const std::string&)>(
        "frmTitel.NamenAbleiten", [](const std::string& n) { vb::form<frmTitel>().NamenAbleiten(n); });
    vb::RegisterCall<int(int, int)>("Summe", [](int a, int b) { return a + b; });
    EXPECT_TRUE(vb::HasCall("Summe"));
    vb::CallByName<void(const std::string&)>("frmTitel.NamenAbleiten", std::string("Baugrube"));
    EXPECT_EQ(vb::form<frmTitel>().txtEin(1).Text(), "Baugrube.zor");
    EXPECT_EQ(vb::CallByName<int(int, int)>("Summe", 2, 3), 5);
    EXPECT_THROW(vb::CallByName<void()>("Summe"), std::logic_error);
    vb::UnregisterCall("Summe");
    EXPECT_FALSE(vb::HasCall("Summe"));
}

} // namespace
