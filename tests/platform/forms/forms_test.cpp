// Behaviour of the forms model with the headless backend: loading, event order, focus, modal
// windows, controls, the script and message boxes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"

namespace {

std::vector<std::string> events;

// A small input page: a number box, a frame with two options and a check box, OK and a list.
class frmPage : public vb::Form {
public:
    vb::TextBox txtA{*this, "txtA"};
    vb::TextBox txtB{*this, "txtB"};
    vb::Frame fraGruppe{*this, "fraGruppe"};
    vb::OptionButton optX{*this, "optX", &fraGruppe};
    vb::OptionButton optY{*this, "optY", &fraGruppe};
    vb::OptionButton optOben{*this, "optOben"}; // another group: the window itself
    vb::CheckBox chkFett{*this, "chkFett", &fraGruppe};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::ListBox lstA{*this, "lstA"};
    vb::ControlArray<vb::TextBox> txtEin{*this, "txtEin"};

    frmPage() : vb::Form("frmPage") {
        txtEin.add(0);
        txtEin.add(5);
        txtA.GotFocus = [] { events.push_back("txtA.GotFocus"); };
        txtA.LostFocus = [] { events.push_back("txtA.LostFocus"); };
        txtB.GotFocus = [] { events.push_back("txtB.GotFocus"); };
        txtB.LostFocus = [] { events.push_back("txtB.LostFocus"); };
        cmdOK.GotFocus = [] { events.push_back("cmdOK.GotFocus"); };
        cmdOK.LostFocus = [] { events.push_back("cmdOK.LostFocus"); };
        cmdOK.Click = [] { events.push_back("cmdOK.Click"); };
        optX.Click = [] { events.push_back("optX.Click"); };
        optY.Click = [] { events.push_back("optY.Click"); };
        chkFett.Click = [] { events.push_back("chkFett.Click"); };
        txtEin.onLostFocus(
            [](int16_t i) { events.push_back("txtEin.LostFocus(" + std::to_string(i) + ")"); });
    }
    void Form_Load() override {
        events.push_back("frmPage.Load");
        Show();
    }
    void Form_Activate() override { events.push_back("frmPage.Activate"); }
    void Form_Unload(int16_t&) override { events.push_back("frmPage.Unload"); }
};

class frmInner : public vb::Form {
public:
    vb::CommandButton cmdZu{*this, "cmdZu"};
    frmInner() : vb::Form("frmInner") {
        cmdZu.Click = [this] { Hide(); };
    }
};

// A dialog shown modally; its OK unloads it from inside its own handler.
class frmDialog : public vb::Form {
public:
    vb::TextBox txtWert{*this, "txtWert"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::CommandButton cmdInner{*this, "cmdInner"};
    std::string name = "dialog";

    frmDialog() : vb::Form("frmDialog") {
        cmdOK.Click = [this] {
            events.push_back("frmDialog.OK");
            vb::Unload(*this);
            events.push_back("after unload: " + name); // the instance is still alive here
        };
        cmdInner.Click = [] {
            events.push_back("inner.show");
            vb::form<frmInner>().Show(vb::vbModal);
            events.push_back("inner.back");
        };
    }
    void Form_Load() override { events.push_back("frmDialog.Load"); }
    void Form_Unload(int16_t&) override { events.push_back("frmDialog.Unload"); }
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        events.clear();
    }
    void TearDown() override { vb::headless::ResetForms(); }
};

TEST_F(FormsTest, TouchingAControlLoadsTheWindowOnce) {
    EXPECT_FALSE(vb::isLoaded<frmPage>());
    vb::form<frmPage>().txtA.setText("1");
    vb::form<frmPage>().txtB.setText("2");
    EXPECT_TRUE(vb::isLoaded<frmPage>());
    EXPECT_EQ(std::count(events.begin(), events.end(), "frmPage.Load"), 1);
    EXPECT_EQ(vb::headless::loadedForms(), std::vector<std::string>{"frmPage"});
}

TEST_F(FormsTest, UnloadingAWindowThatIsNotLoadedDoesNothing) {
    EXPECT_TRUE(vb::Unload<frmPage>());
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(vb::isLoaded<frmPage>());
}

TEST_F(FormsTest, AWindowClosedWhileItsLoadWaitsIsGoneAndLoadsAnewWhenTouched) {
    // As the graphics window runs its picture sequence inside Form_Load and waits there for the user,
    // who may close it.
    struct frmFolge : vb::Form {
        vb::CommandButton cmdWeiter{*this, "cmdWeiter"};
        bool weiter = false;
        frmFolge() : vb::Form("frmFolge") {
            cmdWeiter.Click = [this] { weiter = true; };
        }
        void Form_Load() override {
            events.push_back("frmFolge.Load");
            Show();
            vb::WaitUntil([this] { return weiter || !loaded(); }, "the next picture");
            events.push_back("frmFolge.Load ends");
        }
        void Form_Unload(int16_t&) override { events.push_back("frmFolge.Unload"); }
    };
    vb::script::close("frmFolge");
    auto& f = vb::form<frmFolge>(); // loaded outside any handler
    EXPECT_FALSE(f.loaded());
    f.Show(); // an unloaded instance ignores this
    EXPECT_FALSE(vb::isLoaded<frmFolge>());
    EXPECT_EQ(events, (std::vector<std::string>{"frmFolge.Load", "frmFolge.Unload", "frmFolge.Load ends"}));
    vb::script::click("frmFolge.cmdWeiter");
    vb::form<frmFolge>().cmdWeiter.setCaption("Weiter");
    EXPECT_TRUE(vb::isLoaded<frmFolge>());
    EXPECT_EQ(std::count(events.begin(), events.end(), "frmFolge.Load"), 2);
}

TEST_F(FormsTest, ALoadedWindowAgainIsANewInstance) {
    vb::form<frmPage>().txtA.setText("alt");
    vb::Unload<frmPage>();
    EXPECT_EQ(vb::form<frmPage>().txtA.Text(), "");
    EXPECT_EQ(std::count(events.begin(), events.end(), "frmPage.Load"), 2);
}

TEST_F(FormsTest, LeavingABoxRunsBeforeTheButtonsClick) {
    vb::form<frmPage>();
    vb::user::focus("frmPage.txtA");
    events.clear();
    vb::user::click("frmPage.cmdOK");
    EXPECT_EQ(events, (std::vector<std::string>{"txtA.LostFocus", "cmdOK.GotFocus", "cmdOK.Click"}));
}

TEST_F(FormsTest, LostFocusThatPutsTheFocusBackKeepsItThere) {
    auto& f = vb::form<frmPage>();
    f.txtA.LostFocus = [&f] {
        events.push_back("txtA.LostFocus");
        f.txtA.SetFocus(); // a corrected value: back into the box
    };
    vb::user::focus("frmPage.txtA");
    events.clear();
    vb::user::click("frmPage.cmdOK");
    EXPECT_EQ(events, (std::vector<std::string>{"txtA.LostFocus", "txtA.GotFocus", "cmdOK.Click"}));
    EXPECT_EQ(vb::headless::focused(), "frmPage.txtA");
}

TEST_F(FormsTest, ALeavingBoxKnowsWhichControlTakesTheFocus) {
    auto& f = vb::form<frmPage>();
    std::vector<std::string> kommend;
    auto merken = [&kommend] {
        const vb::Control* c = vb::FocusComing();
        kommend.push_back(c ? c->path() : "-");
    };
    f.txtA.LostFocus = merken;
    // A box whose leave moves the focus elsewhere itself (no second leave: nobody has the focus then): the
    // target it was left for stays the one told.
    f.txtB.LostFocus = [&] {
        merken();
        f.txtA.SetFocus();
        merken();
    };
    vb::user::focus("frmPage.txtA");
    vb::user::click("frmPage.cmdOK");
    vb::user::focus("frmPage.txtB");
    f.cmdOK.SetFocus();
    EXPECT_EQ(kommend, (std::vector<std::string>{"frmPage.cmdOK", "frmPage.cmdOK", "frmPage.cmdOK"}));
    EXPECT_EQ(vb::FocusComing(), nullptr); // outside a leave
    EXPECT_EQ(vb::headless::focused(), "frmPage.txtA");
}

TEST_F(FormsTest, SetFocusFromCodeRaisesTheSameEvents) {
    auto& f = vb::form<frmPage>();
    f.txtA.SetFocus();
    events.clear();
    f.txtB.SetFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"txtA.LostFocus", "txtB.GotFocus"}));
}

TEST_F(FormsTest, SetFocusOnADisabledOrHiddenControlFailsWithError5) {
    auto& f = vb::form<frmPage>();
    f.txtA.setEnabled(false);
    try {
        f.txtA.SetFocus();
        FAIL() << "SetFocus on a disabled box must fail";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.number(), 5);
    }
    f.fraGruppe.setVisible(false); // hides what the frame holds
    EXPECT_THROW(f.optX.SetFocus(), vb::RuntimeError);
    EXPECT_FALSE(vb::headless::visible("frmPage.chkFett"));
}

TEST_F(FormsTest, DisablingAFrameDisablesWhatItHolds) {
    auto& f = vb::form<frmPage>();
    f.fraGruppe.setEnabled(false);
    EXPECT_FALSE(vb::headless::enabled("frmPage.optX"));
    EXPECT_TRUE(f.optX.Enabled()); // its own property is unchanged
    vb::user::click("frmPage.chkFett");
    EXPECT_EQ(f.chkFett.Value(), vb::vbUnchecked); // the click does not reach it
}

TEST_F(FormsTest, OptionValueFromCodeRaisesClickOnlyWhenItChanges) {
    auto& f = vb::form<frmPage>();
    f.optOben.setValue(true);
    f.optX.setValue(true);
    f.optX.setValue(true);
    f.optY.setValue(true);
    // Showing the window gave the first control in tab order the focus.
    EXPECT_EQ(events, (std::vector<std::string>{"frmPage.Load", "frmPage.Activate", "txtA.GotFocus",
                                                "optX.Click", "optY.Click"}));
    EXPECT_EQ(vb::headless::value("frmPage.optX"), 0);
    EXPECT_EQ(vb::headless::value("frmPage.optY"), -1);
    EXPECT_EQ(vb::headless::value("frmPage.optOben"), -1); // another group, untouched
}

TEST_F(FormsTest, CheckBoxClickOnEveryChangeOfValue) {
    auto& f = vb::form<frmPage>();
    f.chkFett.setValue(1);
    f.chkFett.setValue(1);
    vb::user::click("frmPage.chkFett");
    EXPECT_EQ(f.chkFett.Value(), vb::vbUnchecked);
    EXPECT_EQ(std::count(events.begin(), events.end(), "chkFett.Click"), 2);
    EXPECT_THROW(f.chkFett.setValue(3), vb::RuntimeError);
}

TEST_F(FormsTest, ControlArraysHaveSparseIndicesAndPassTheIndex) {
    auto& f = vb::form<frmPage>();
    EXPECT_EQ(f.txtEin.LBound(), 0);
    EXPECT_EQ(f.txtEin.UBound(), 5);
    EXPECT_EQ(f.txtEin.Count(), 2);
    try {
        f.txtEin(3);
        FAIL();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.number(), 340);
    }
    f.txtEin(5).SetFocus();
    f.txtA.SetFocus();
    EXPECT_NE(std::find(events.begin(), events.end(), "txtEin.LostFocus(5)"), events.end());
    EXPECT_EQ(vb::headless::text("frmPage.txtEin(5)"), "");
}

TEST_F(FormsTest, EnterOnAFocusedButtonClicksIt) {
    vb::form<frmPage>();
    vb::user::focus("frmPage.cmdOK");
    events.clear();
    vb::user::key(vb::vbKeyReturn);
    EXPECT_EQ(events, std::vector<std::string>{"cmdOK.Click"});
}

TEST_F(FormsTest, MouseAndKeyEventsComeInTheOrderOfTheUsersAction) {
    struct frmMaus : vb::Form {
        vb::ControlArray<vb::CheckBox> Check1{*this, "Check1"};
        vb::ControlArray<vb::PictureBox> Picture1{*this, "Picture1"};
        vb::TextBox txtA{*this, "txtA"};
        frmMaus() : vb::Form("frmMaus") {
            Check1.add(1).Move(0, 0, 1200, 300);
            Picture1.add(3).Move(0, 600, 400, 200);
            auto maus = [](const char* was) {
                return [was](int16_t i, int16_t b, int16_t, float x, float y) {
                    events.push_back(std::string(was) + "(" + std::to_string(i) + ") " + std::to_string(b) +
                                     " " + std::to_string(static_cast<int>(x)) + "/" +
                                     std::to_string(static_cast<int>(y)));
                };
            };
            Check1.onMouseDown(maus("Check1.MouseDown"));
            Check1.onMouseUp([this](int16_t i, int16_t, int16_t, float, float) {
                events.push_back("Check1.MouseUp, value " + std::to_string(Check1(i).Value()));
            });
            Check1.onClick([](int16_t) { events.push_back("Check1.Click"); });
            Check1.onKeyDown([](int16_t, int16_t& k, int16_t shift) {
                events.push_back("Check1.KeyDown " + std::to_string(k) + " " + std::to_string(shift));
            });
            Picture1.onMouseDown(maus("Picture1.MouseDown"));
            txtA.KeyDown = [](int16_t& k, int16_t) { events.push_back("txtA.KeyDown " + std::to_string(k)); };
            txtA.KeyPress = [](int16_t& k) { events.push_back("txtA.KeyPress " + std::to_string(k)); };
        }
        void Form_Load() override { Show(); }
    };
    vb::form<frmMaus>();
    events.clear();
    vb::user::click("frmMaus.Check1(1)"); // the box has its new value when the button comes up
    vb::user::key(vb::vbKeyReturn);       // no default button: Enter reaches the box
    vb::user::clickAt("frmMaus.Picture1(3)", 120, 45);
    vb::user::focus("frmMaus.txtA");
    vb::user::type("a,");
    EXPECT_EQ(events, (std::vector<std::string>{"Check1.MouseDown(1) 1 600/150", "Check1.Click",
                                                "Check1.MouseUp, value 1", "Check1.KeyDown 13 0",
                                                "Picture1.MouseDown(3) 1 120/45", "txtA.KeyDown 65",
                                                "txtA.KeyPress 97", "txtA.KeyDown 188", "txtA.KeyPress 44"}));
}

TEST_F(FormsTest, TabFollowsTheTabOrderAndSkipsDisabledControls) {
    auto& f = vb::form<frmPage>();
    f.txtA.SetFocus();
    f.txtB.setEnabled(false);
    vb::user::tab();
    // txtB is disabled; the frame is no tab stop; no option is set, so optX is one.
    EXPECT_EQ(vb::headless::focused(), "frmPage.optX");
    vb::user::tab(true);
    EXPECT_EQ(vb::headless::focused(), "frmPage.txtA");
}

TEST_F(FormsTest, KeyPressMayChangeOrDropTheKey) {
    auto& f = vb::form<frmPage>();
    f.txtA.KeyPress = [](int16_t& k) {
        if (k == ',') k = '.';
        if (k == 'x') k = 0;
    };
    f.txtA.SetFocus();
    vb::user::type("1,5x");
    EXPECT_EQ(f.txtA.Text(), "1.5");
}

TEST_F(FormsTest, TypingReplacesTheSelectionAndRespectsMaxLength) {
    auto& f = vb::form<frmPage>();
    f.txtA.setText("12345");
    f.txtA.MaxLength = 6;
    f.txtA.SetFocus();
    f.txtA.setSelStart(1);
    f.txtA.setSelLength(3); // "234"
    vb::user::type("abcdefg");
    // "234" goes with the first key; then three more fit before the box holds 6 characters.
    EXPECT_EQ(f.txtA.Text(), "1abcd5");
}

TEST_F(FormsTest, PasteAndCopyGoThroughKeyPress) {
    auto& f = vb::form<frmPage>();
    std::vector<int16_t> keys;
    f.txtA.KeyPress = [&keys](int16_t& k) { keys.push_back(k); };
    f.txtA.setText("Wand");
    f.txtA.SetFocus();
    f.txtA.setSelStart(0);
    f.txtA.setSelLength(4);
    vb::user::key(vb::vbKeyCtrlC);
    f.txtA.setSelStart(4);
    vb::user::key(vb::vbKeyCtrlV);
    vb::user::key(vb::vbKeyReturn); // single line: nothing inserted
    EXPECT_EQ(f.txtA.Text(), "WandWand");
    EXPECT_EQ(keys, (std::vector<int16_t>{3, 22, 13}));
}

TEST_F(FormsTest, UmlautsAreTypedAsWindows1252Codes) {
    auto& f = vb::form<frmPage>();
    int16_t seen = 0;
    f.txtA.KeyPress = [&seen](int16_t& k) { seen = k; };
    f.txtA.SetFocus();
    vb::user::type("ä");
    EXPECT_EQ(seen, 228);
    EXPECT_EQ(f.txtA.Text(), "ä");
}

TEST_F(FormsTest, ListBoxMultiSelectRemoveAndClick) {
    auto& f = vb::form<frmPage>();
    f.lstA.MultiSelect = 1;
    for (auto s : {"a", "b", "c", "d"})
        f.lstA.AddItem(s);
    int clicks = 0;
    f.lstA.Click = [&clicks] { ++clicks; };
    vb::user::clickItem("frmPage.lstA", 1);
    vb::user::clickItem("frmPage.lstA", 3);
    vb::user::clickItem("frmPage.lstA", 1); // toggles it off again
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(f.lstA.SelCount(), 1);
    EXPECT_TRUE(f.lstA.Selected(3));
    f.lstA.RemoveItem(0);
    EXPECT_EQ(f.lstA.ListCount(), 3);
    EXPECT_EQ(f.lstA.List(2), "d");
    EXPECT_TRUE(f.lstA.Selected(2));
    EXPECT_EQ(f.lstA.List(7), "");
    EXPECT_THROW(f.lstA.RemoveItem(3), vb::RuntimeError);
}

TEST_F(FormsTest, ListIndexFromCodeRaisesClick) {
    auto& f = vb::form<frmPage>();
    f.lstA.AddItem("a");
    f.lstA.AddItem("b");
    int clicks = 0;
    f.lstA.Click = [&clicks] { ++clicks; };
    f.lstA.setListIndex(1);
    f.lstA.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.lstA.Text(), "b");
    EXPECT_THROW(f.lstA.setListIndex(2), vb::RuntimeError);
}

TEST_F(FormsTest, ModalShowWaitsForTheScriptAndUnloadInsideItsHandlerIsSafe) {
    vb::script::type("42");
    vb::script::click("frmDialog.cmdOK");
    events.clear();
    vb::form<frmDialog>().Show(vb::vbModal);
    EXPECT_EQ(events, (std::vector<std::string>{"frmDialog.Load", "frmDialog.OK", "frmDialog.Unload",
                                                "after unload: dialog"}));
    EXPECT_FALSE(vb::isLoaded<frmDialog>());
    EXPECT_EQ(vb::script::pending(), 0u);
}

TEST_F(FormsTest, NestedModalShowsReturnInOrder) {
    vb::script::click("frmDialog.cmdInner");
    vb::script::call([] {
        EXPECT_EQ(vb::ActiveForm()->name(), "frmInner");
        EXPECT_THROW(vb::user::click("frmDialog.cmdOK"), std::logic_error); // blocked by the inner one
    });
    vb::script::click("frmInner.cmdZu");
    vb::script::click("frmDialog.cmdOK");
    vb::form<frmDialog>().Show(vb::vbModal);
    EXPECT_EQ(events, (std::vector<std::string>{"frmDialog.Load", "inner.show", "inner.back", "frmDialog.OK",
                                                "frmDialog.Unload", "after unload: dialog"}));
}

TEST_F(FormsTest, AWaitTheScriptCannotEndFailsInsteadOfHanging) {
    EXPECT_THROW(vb::form<frmDialog>().Show(vb::vbModal), vb::ScriptExhausted);
    vb::headless::ResetForms();
    vb::headless::SetIdleLimit(50);
    bool weiter = false;
    EXPECT_THROW(
        {
            while (!weiter) {
                vb::DoEvents();
                vb::Sleep(10);
            }
        },
        vb::ScriptExhausted);
}

TEST_F(FormsTest, AWaitingLoopWhoseNextScriptedActionCannotBeDoneFails) {
    vb::headless::SetIdleLimit(50);
    vb::script::answer(vb::vbYes); // no message box comes
    bool weiter = false;
    EXPECT_THROW(
        {
            while (!weiter) {
                vb::DoEvents();
                vb::Sleep(10);
            }
        },
        vb::ScriptExhausted);
}

TEST_F(FormsTest, DoEventsInAComputationLeavesActionsOnWindowsStillToCome) {
    vb::script::click("frmDialog.cmdOK");
    for (int i = 0; i < 100; ++i)
        vb::DoEvents(); // the computation lets the user act; the dialog is not there yet
    EXPECT_EQ(vb::script::pending(), 1u);
    vb::form<frmDialog>().Show(vb::vbModal);
    EXPECT_FALSE(vb::isLoaded<frmDialog>());
    EXPECT_EQ(vb::script::pending(), 0u);
}

TEST_F(FormsTest, WaitingLoopTakesTheNextUserAction) {
    bool weiter = false;
    vb::form<frmPage>().cmdOK.Click = [&weiter] { weiter = true; };
    vb::script::click("frmPage.cmdOK");
    while (!weiter) {
        vb::DoEvents();
        vb::Sleep(10);
    }
    EXPECT_EQ(vb::headless::SleptMs(), 10);
}

TEST_F(FormsTest, CloseBoxRaisesQueryUnloadAndMayBeCancelled) {
    struct frmZu : vb::Form {
        int16_t mode = -1;
        bool cancel = true;
        frmZu() : vb::Form("frmZu") {}
        void Form_Load() override { Show(); }
        void Form_QueryUnload(int16_t& c, int16_t m) override {
            mode = m;
            c = cancel;
        }
    };
    vb::form<frmZu>();
    vb::user::close("frmZu");
    EXPECT_TRUE(vb::isLoaded<frmZu>());
    EXPECT_EQ(vb::form<frmZu>().mode, vb::vbFormControlMenu);
    vb::form<frmZu>().cancel = false;
    vb::user::close("frmZu");
    EXPECT_FALSE(vb::isLoaded<frmZu>());
}

TEST_F(FormsTest, ActivateRunsWhenAWindowBecomesActiveAgain) {
    vb::form<frmPage>();
    events.clear();
    vb::script::click("frmDialog.cmdOK");
    vb::form<frmDialog>().Show(vb::vbModal);
    EXPECT_EQ(events, (std::vector<std::string>{"frmDialog.Load", "frmDialog.OK", "frmDialog.Unload",
                                                "frmPage.Activate", "after unload: dialog"}));
}

TEST_F(FormsTest, ResizeOnFirstDisplayAndOnEveryChangeOfSize) {
    struct frmR : vb::Form {
        int resizes = 0;
        frmR() : vb::Form("frmR") { setClientSize(3000, 2000); } // design time: no event
        void Form_Load() override {
            Move(0, 0, Width(), 8000); // placed while loading, as the report window does
            Show();
        }
        void Form_Resize() override { ++resizes; }
    };
    auto& f = vb::form<frmR>();
    EXPECT_EQ(f.resizes, 2);
    f.Move(100, 100, f.Width(), f.Height()); // moved only
    EXPECT_EQ(f.resizes, 2);
    f.Hide();
    f.Show();
    EXPECT_EQ(f.resizes, 2);
    f.setWidth(5000);
    EXPECT_EQ(f.resizes, 3);
}

TEST_F(FormsTest, MessageBoxesAnswerFromTheScriptInTurn) {
    std::vector<int> answers;
    vb::form<frmPage>().cmdOK.Click = [&answers] {
        answers.push_back(
            vb::MsgBox("Überschreiben ?", vb::vbYesNo + vb::vbExclamation, "Datei bereits vorhanden"));
        answers.push_back(vb::MsgBox("Neuer Versuch ?", vb::vbYesNoCancel));
    };
    vb::script::click("frmPage.cmdOK");
    vb::script::answer(vb::vbNo);
    vb::script::answer(vb::vbCancel);
    vb::WaitUntil([&answers] { return answers.size() == 2; }, "two answers");
    EXPECT_EQ(answers, (std::vector<int>{vb::vbNo, vb::vbCancel}));
    ASSERT_EQ(vb::headless::Log().size(), 2u);
    EXPECT_EQ(vb::headless::Log()[0].title, "Datei bereits vorhanden");
    EXPECT_EQ(vb::headless::Log()[1].buttons, vb::vbYesNoCancel);
}

TEST_F(FormsTest, MenusRaiseClickOnlyWhenReachable) {
    struct frmM : vb::Form {
        vb::Menu mnuEinst{*this, "mnuEinst"};
        vb::Menu mnuSchrift{*this, "mnuSchrift", &mnuEinst};
        vb::Menu mnuDrucker{*this, "mnuDrucker", &mnuSchrift};
        int clicks = 0;
        frmM() : vb::Form("frmM") {
            mnuDrucker.Click = [this] { ++clicks; };
        }
        void Form_Load() override { Show(); }
    };
    vb::form<frmM>();
    vb::user::menu("frmM.mnuDrucker");
    vb::form<frmM>().mnuSchrift.setEnabled(false);
    vb::user::menu("frmM.mnuDrucker");
    EXPECT_EQ(vb::form<frmM>().clicks, 1);
    EXPECT_EQ(vb::form<frmM>().menuBar().size(), 1u);
}

// An option button that gets the focus from code or by the Tab key is chosen, as a Windows option button
// is; its Click runs once.
TEST_F(FormsTest, AnOptionGettingTheFocusFromCodeOrTheTabKeyIsChosen) {
    struct frmO : vb::Form {
        vb::TextBox txtA{*this, "txtA"};
        vb::ControlArray<vb::OptionButton> opt{*this, "opt"};
        std::vector<int16_t> klicks;
        frmO() : vb::Form("frmO") {
            txtA.TabIndex = 0;
            for (int16_t i = 1; i <= 3; ++i)
                opt.add(i).TabIndex = i;
            opt.onClick([this](int16_t i) { klicks.push_back(i); });
        }
        void Form_Load() override { Show(); }
    };
    auto& f = vb::form<frmO>();
    f.opt(2).SetFocus();
    EXPECT_TRUE(f.opt(2).Value());
    EXPECT_EQ(f.klicks, (std::vector<int16_t>{2}));
    f.opt(2).SetFocus(); // it has the focus already: nothing more
    EXPECT_EQ(f.klicks, (std::vector<int16_t>{2}));
    // Tab into a group where none is chosen chooses the option it lands on
    f.opt(2).setValue(false);
    f.txtA.SetFocus();
    vb::user::tab();
    EXPECT_EQ(vb::headless::focused(), "frmO.opt(1)");
    EXPECT_TRUE(f.opt(1).Value());
    EXPECT_EQ(f.klicks, (std::vector<int16_t>{2, 1}));
}

TEST_F(FormsTest, TheMenuBarWrapsIntoRowsAndTheClientAreaShrinksByThem) {
    struct frmW : vb::Form {
        vb::Menu mnuA{*this, "mnuA"}, mnuB{*this, "mnuB"}, mnuC{*this, "mnuC"}, mnuD{*this, "mnuD"};
        int resized = 0;
        frmW() : vb::Form("frmW") {
            mnuA.setCaption("Alle folg. Bilder drucken");
            mnuB.setCaption("zurück zu Bild 1");
            mnuC.setCaption("Einstellungen...");
            mnuD.setCaption("Bild drucken");
        }
        void Form_Load() override { Show(); }
        void Form_Resize() override { ++resized; }
    };
    auto& f = vb::form<frmW>();
    const float rand = vb::Form::TitleTwips + vb::Form::FrameTwips;
    f.Move(0, 0, 30000, 6000); // room for all four in one row
    EXPECT_EQ(f.menuBarRows(), 1);
    EXPECT_EQ(f.clientHeight(), 6000 - rand - 300);
    f.Move(0, 0, 1000, 6000); // narrower than any of them: one row each, as Windows wraps its bar
    EXPECT_EQ(f.menuBarRows(), 4);
    EXPECT_EQ(f.clientHeight(), 6000 - rand - 4 * 300);
    EXPECT_EQ(f.surface().DeviceHeightTwips(), 6000 - rand - 4 * 300);
    // a hidden menu leaves its row: the client area grows, as when the window is resized
    const int vorher = f.resized;
    f.mnuB.setVisible(false);
    EXPECT_EQ(f.menuBarRows(), 3);
    EXPECT_EQ(f.clientHeight(), 6000 - rand - 3 * 300);
    EXPECT_EQ(f.resized, vorher + 1);
    f.mnuB.setCaption("weiter"); // hidden: no change
    EXPECT_EQ(f.resized, vorher + 1);
    // the bar stays when every menu is hidden; a window without menus has none
    for (vb::Menu* m : f.menuBar())
        m->setVisible(false);
    EXPECT_EQ(f.menuBarRows(), 1);
    struct frmOhne : vb::Form {
        frmOhne() : vb::Form("frmOhne") {}
    };
    EXPECT_EQ(vb::form<frmOhne>().menuBarRows(), 0);
    // the client size asked for is kept whatever the bar's rows
    f.mnuA.setVisible(true);
    f.mnuC.setVisible(true);
    f.setClientSize(700, 2000);
    EXPECT_EQ(f.menuBarRows(), 2);
    EXPECT_EQ(f.clientHeight(), 2000);
}

TEST_F(FormsTest, ScrollBarValueChecksItsRange) {
    struct frmS : vb::Form {
        vb::HScrollBar HScroll1{*this, "HScroll1"};
        std::vector<std::string> ev;
        frmS() : vb::Form("frmS") {
            HScroll1.setMax(3);
            HScroll1.Change = [this] { ev.push_back("Change"); };
            HScroll1.Scroll = [this] { ev.push_back("Scroll"); };
        }
        void Form_Load() override { Show(); }
    };
    auto& f = vb::form<frmS>();
    f.HScroll1.setValue(2);
    EXPECT_THROW(f.HScroll1.setValue(4), vb::RuntimeError);
    vb::user::scroll("frmS.HScroll1", 3);
    EXPECT_EQ(f.ev, (std::vector<std::string>{"Change", "Scroll", "Change"}));
}

TEST_F(FormsTest, FileListMatchesSeveralWindowsPatterns) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("zor_forms_filelist_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "Unter");
    for (auto n : {"wand", "Wand.AUS", "bild.bmp", "plan.aus", ".versteckt"})
        std::ofstream(dir / n) << "x";
    struct frmF : vb::Form {
        vb::FileListBox File1{*this, "File1"};
        vb::DirListBox Dir1{*this, "Dir1"};
        frmF() : vb::Form("frmF") {}
    };
    auto& f = vb::form<frmF>();
    f.File1.setPath(dir.string());
    f.File1.setPattern("*.");
    EXPECT_EQ(f.File1.ListCount(), 1);
    EXPECT_EQ(f.File1.List(0), "wand");
    f.File1.setPattern("*.;*.AUS");
    ASSERT_EQ(f.File1.ListCount(), 3);
    EXPECT_EQ(f.File1.List(0), "plan.aus");
    EXPECT_EQ(f.File1.List(1), "wand");
    EXPECT_EQ(f.File1.List(2), "Wand.AUS");
    f.Dir1.setPath(dir.string());
    ASSERT_EQ(f.Dir1.ListCount(), 1);
    EXPECT_EQ(f.Dir1.List(0), (dir / "Unter").string());
    EXPECT_EQ(f.Dir1.DirList(-2), dir.parent_path().string());
    EXPECT_THROW(f.Dir1.setPath((dir / "fehlt").string()), vb::RuntimeError);
    // A press on a row goes there (the file dialog's way): the subfolder, then back to its parent.
    f.Dir1.MouseDown = [&f](int16_t, int16_t, float, float) {
        f.Dir1.setPath(f.Dir1.List(f.Dir1.ListIndex()));
    };
    f.Show();
    vb::user::clickItem("frmF.Dir1", 0);
    EXPECT_EQ(f.Dir1.Path(), (dir / "Unter").string());
    EXPECT_EQ(f.Dir1.List(-1), (dir / "Unter").string());
    vb::user::clickItem("frmF.Dir1", -2);
    EXPECT_EQ(f.Dir1.Path(), dir.string());
    EXPECT_EQ(f.Dir1.ListIndex(), -1);
    fs::remove_all(dir);
}

TEST_F(FormsTest, ScreenAndPointer) {
    vb::headless::SetScreen(800, 600, 15);
    EXPECT_FLOAT_EQ(vb::Screen::Height(), 9000.0f);
    EXPECT_FLOAT_EQ(vb::Screen::Width(), 12000.0f);
    vb::Screen::setMousePointer(vb::vbHourglass);
    vb::Screen::setMousePointer(vb::vbDefault);
    EXPECT_EQ(vb::headless::ScreenPointerLog(), (std::vector<int16_t>{vb::vbHourglass, vb::vbDefault}));
}

TEST_F(FormsTest, EndDiscardsEveryWindowWithoutEvents) {
    vb::form<frmPage>();
    events.clear();
    EXPECT_THROW(vb::End(), vb::ProgramEnd);
    EXPECT_TRUE(vb::headless::loadedForms().empty());
    EXPECT_TRUE(events.empty());
}

} // namespace
