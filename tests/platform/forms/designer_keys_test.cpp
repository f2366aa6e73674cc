// What a window's constructor sets raises no events; scroll bars keep their value in range; arrow
// keys move through an option group; windows come to the front.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/headless.h"

namespace {

// Stands for the project data that a page's handlers write.
struct Projekt {
    int wandArt = 0;
    int fett = 0;
    std::string name = "alt";
    int zeile = -1;
    int groesse = 0;
} projekt;
std::vector<std::string> ev;

class frmSeite : public vb::Form {
public:
    vb::Frame fraArt{*this, "fraArt"};
    vb::ControlArray<vb::OptionButton> optArt{*this, "optArt"};
    vb::CheckBox chkFett{*this, "chkFett"};
    vb::TextBox txtName{*this, "txtName"};
    vb::ListBox lstZeile{*this, "lstZeile"};
    vb::HScrollBar hsbGroesse{*this, "hsbGroesse"};
    bool setInLoad = false;
    frmSeite() : vb::Form("frmSeite") {
        for (int16_t i = 0; i < 3; ++i)
            optArt.add(i, &fraArt);
        optArt.onClick(
            [](int16_t i) { projekt.wandArt = i, ev.push_back("optArt(" + std::to_string(i) + ").Click"); });
        optArt.onGotFocus([](int16_t i) { ev.push_back("optArt(" + std::to_string(i) + ").GotFocus"); });
        optArt.onLostFocus([](int16_t i) { ev.push_back("optArt(" + std::to_string(i) + ").LostFocus"); });
        chkFett.Click = [this] { projekt.fett = chkFett.Value(); };
        txtName.Change = [this] { projekt.name = txtName.Text(); };
        lstZeile.Click = [this] { projekt.zeile = lstZeile.ListIndex(); };
        hsbGroesse.Change = [this] { projekt.groesse = hsbGroesse.Value(); };
        // The designer state.
        optArt(2).setValue(true);
        chkFett.setValue(vb::vbChecked);
        txtName.setText("Entwurf");
        lstZeile.AddItem("a");
        lstZeile.AddItem("b");
        lstZeile.setListIndex(1);
        hsbGroesse.setMin(6);
        hsbGroesse.setMax(40);
    }
    void Form_Load() override {
        Show();
        if (setInLoad) chkFett.setValue(vb::vbUnchecked);
    }
};

class DesignerAndKeys : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        projekt = Projekt{};
        ev.clear();
    }
    void TearDown() override { vb::headless::ResetForms(); }
};

TEST_F(DesignerAndKeys, TheDesignerStateSetsNoProjectData) {
    auto& f = vb::form<frmSeite>();
    EXPECT_EQ(projekt.wandArt, 0);
    EXPECT_EQ(projekt.fett, 0);
    EXPECT_EQ(projekt.name, "alt");
    EXPECT_EQ(projekt.zeile, -1);
    EXPECT_EQ(projekt.groesse, 0);
    EXPECT_TRUE(ev.empty());
    // The state itself is there, and from now on the events run.
    EXPECT_TRUE(f.optArt(2).Value());
    EXPECT_EQ(f.hsbGroesse.Value(), 6);
    EXPECT_EQ(f.lstZeile.ListIndex(), 1);
    vb::user::click("frmSeite.optArt(1)");
    f.txtName.setText("Baugrube");
    EXPECT_EQ(projekt.wandArt, 1);
    EXPECT_EQ(projekt.name, "Baugrube");
}

TEST_F(DesignerAndKeys, ValuesSetWhileTheWindowLoadsRaiseTheirEvents) {
    vb::headless::ResetForms();
    auto f = std::make_unique<frmSeite>(); // built by hand: still in design
    f->chkFett.setValue(vb::vbUnchecked);
    EXPECT_EQ(projekt.fett, 0);
    EXPECT_EQ(f->chkFett.Value(), vb::vbUnchecked);
    f.reset();
    projekt.fett = 7;
    struct frmLaden : frmSeite {
        frmLaden() { setInLoad = true; }
    };
    vb::form<frmLaden>();
    EXPECT_EQ(projekt.fett, vb::vbUnchecked); // Form_Load is no longer design
}

TEST_F(DesignerAndKeys, AScrollBarPullsItsValueIntoANewRangeAndRaisesChange) {
    struct Fall {
        int16_t value, min, max, expected;
        int changes;
    };
    const Fall faelle[] = {
        {6, 10, 40, 10, 1}, // below the new minimum
        {30, 6, 20, 20, 1}, // above the new maximum
        {10, 6, 40, 10, 0}, // inside: no event
        // A reversed bar (Min above Max): each step pulls the value into the range it makes.
        {10, 40, 6, 40, 1}, // 10 is below 40..100, the first step
        {50, 40, 6, 40, 1}, // 50 is beyond 6..40, the second step
    };
    auto& f = vb::form<frmSeite>();
    for (const Fall& c : faelle) {
        f.hsbGroesse.setMin(-100);
        f.hsbGroesse.setMax(100);
        f.hsbGroesse.setValue(c.value);
        int changes = 0;
        f.hsbGroesse.Change = [&] { ++changes; };
        f.hsbGroesse.setMin(c.min);
        f.hsbGroesse.setMax(c.max);
        EXPECT_EQ(f.hsbGroesse.Value(), c.expected) << c.value << " in " << c.min << ".." << c.max;
        EXPECT_EQ(changes, c.changes) << c.value << " in " << c.min << ".." << c.max;
        f.hsbGroesse.Change = nullptr;
    }
}

TEST_F(DesignerAndKeys, ArrowKeysMoveFocusAndChoiceRoundTheOptionGroup) {
    struct Fall {
        int16_t from;
        int16_t key;
        bool secondDisabled;
        std::vector<std::string> events;
    };
    const Fall faelle[] = {
        {0, vb::vbKeyDown, false, {"optArt(0).LostFocus", "optArt(1).GotFocus", "optArt(1).Click"}},
        {2, vb::vbKeyRight, false, {"optArt(2).LostFocus", "optArt(0).GotFocus", "optArt(0).Click"}},
        {0, vb::vbKeyUp, false, {"optArt(0).LostFocus", "optArt(2).GotFocus", "optArt(2).Click"}},
        {2, vb::vbKeyLeft, true, {"optArt(2).LostFocus", "optArt(0).GotFocus", "optArt(0).Click"}},
    };
    for (const Fall& c : faelle) {
        vb::headless::ResetForms();
        auto& f = vb::form<frmSeite>();
        f.optArt(1).setEnabled(!c.secondDisabled);
        vb::user::click("frmSeite.optArt(" + std::to_string(c.from) + ")");
        ev.clear();
        vb::user::arrow(c.key);
        EXPECT_EQ(ev, c.events) << "from " << c.from << " key " << c.key;
        const int16_t to = c.events.back()[7] - '0';
        EXPECT_EQ(vb::headless::focused(), "frmSeite.optArt(" + std::to_string(to) + ")");
        EXPECT_TRUE(f.optArt(to).Value());
        EXPECT_FALSE(f.optArt(c.from).Value());
    }
}

TEST_F(DesignerAndKeys, ArrowKeysElsewhereOnlyReachKeyDown) {
    auto& f = vb::form<frmSeite>();
    std::vector<int16_t> keys;
    f.txtName.KeyDown = [&](int16_t& k, int16_t) { keys.push_back(k); };
    vb::user::focus("frmSeite.txtName");
    vb::user::arrow(vb::vbKeyDown);
    EXPECT_EQ(keys, std::vector<int16_t>{vb::vbKeyDown});
    EXPECT_EQ(vb::headless::focused(), "frmSeite.txtName");
    // A KeyDown handler that swallows the key keeps the option where it is.
    f.optArt.onKeyDown([](int16_t, int16_t& k, int16_t) { k = 0; });
    vb::user::click("frmSeite.optArt(0)");
    ev.clear();
    vb::script::arrow(vb::vbKeyDown);
    vb::DoEvents();
    EXPECT_TRUE(ev.empty());
    EXPECT_EQ(vb::headless::focused(), "frmSeite.optArt(0)");
}

TEST_F(DesignerAndKeys, ZOrderBringsAWindowToTheFrontOrSendsItBack) {
    struct frmA : vb::Form {
        vb::CommandButton cmdA{*this, "cmdA"};
        frmA() : vb::Form("frmA") {}
        void Form_Load() override { Show(); }
    };
    struct frmB : vb::Form {
        vb::CommandButton cmdB{*this, "cmdB"};
        frmB() : vb::Form("frmB") {}
        void Form_Load() override { Show(); }
    };
    auto& a = vb::form<frmA>();
    vb::form<frmB>();
    EXPECT_EQ(vb::ActiveForm()->name(), "frmB");
    a.ZOrder(0);
    EXPECT_EQ(vb::ActiveForm(), &a);
    EXPECT_EQ(vb::headless::focused(), "frmA.cmdA");
    a.ZOrder(1);
    EXPECT_EQ(vb::ActiveForm()->name(), "frmB");
    a.Refresh(); // headless: nothing to paint, no fault
}

} // namespace

namespace {

TEST_F(DesignerAndKeys, LeftAndRightMoveTheCaretOfATextBox) {
    struct Fall {
        const char* text;
        int32_t start, length;
        int16_t key;
        int32_t expected;
    };
    const Fall faelle[] = {
        {"abc", 2, 0, vb::vbKeyLeft, 1},     {"abc", 0, 0, vb::vbKeyLeft, 0},    // stays at the start
        {"abc", 3, 0, vb::vbKeyRight, 3},    {"abc", 1, 2, vb::vbKeyLeft, 1},    // a selection collapses
        {"abc", 1, 1, vb::vbKeyRight, 2},    {"a\r\nb", 3, 0, vb::vbKeyLeft, 1}, // over a line break at once
        {"a\r\nb", 1, 0, vb::vbKeyRight, 3},
    };
    auto& f = vb::form<frmSeite>();
    f.txtName.MultiLine = true;
    vb::user::focus("frmSeite.txtName");
    for (const Fall& c : faelle) {
        f.txtName.setText(c.text);
        f.txtName.setSelStart(c.start);
        f.txtName.setSelLength(c.length);
        vb::user::arrow(c.key);
        EXPECT_EQ(f.txtName.SelStart(), c.expected) << c.text << " " << c.start << "+" << c.length;
        EXPECT_EQ(f.txtName.SelLength(), 0);
    }
}

} // namespace
