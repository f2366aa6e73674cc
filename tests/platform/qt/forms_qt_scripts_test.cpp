// One table of user scripts run on the headless backend and on the Qt backend (offscreen): the
// same events, the same focus and the same drawing log. And the sequences where the two could part:
// dialogs opened inside a focus change, a window closed while its picture is drawn, font sizes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/draw/recorder.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/qt/draw_image.h"
#include "platform/qt/draw_window.h"
#include "platform/qt/forms_qt.h"

namespace {

std::vector<std::string> ev;

class frmSkript : public vb::Form {
public:
    vb::TextBox txtA{*this, "txtA"};
    vb::Frame fraArt{*this, "fraArt"};
    vb::ControlArray<vb::OptionButton> optArt{*this, "optArt"};
    vb::CheckBox chkFett{*this, "chkFett"};
    vb::CommandButton cmdZeichnen{*this, "cmdZeichnen"};
    frmSkript() : vb::Form("frmSkript") {
        setCaption("Skript");
        setClientSize(6000, 3600);
        txtA.Move(120, 120, 1500, 300);
        fraArt.Move(120, 600, 2400, 1500);
        for (int16_t i = 0; i < 3; ++i) {
            optArt.add(i, &fraArt).Move(120, 240 + 360 * i, 2000, 300);
            optArt(i).setCaption("Art " + std::to_string(i));
        }
        chkFett.Move(120, 2300, 1500, 300);
        chkFett.setCaption("Fett");
        cmdZeichnen.Move(120, 2800, 1500, 375);
        cmdZeichnen.setCaption("Zeichnen");
        auto lo = [](std::string n) { return [n] { ev.push_back(n); }; };
        txtA.GotFocus = lo("txtA.GotFocus");
        txtA.LostFocus = lo("txtA.LostFocus");
        txtA.Change = [this] { ev.push_back("txtA.Change:" + txtA.Text()); };
        txtA.KeyDown = [](int16_t& k, int16_t) {
            if (k >= 37 && k <= 40) ev.push_back("txtA.KeyDown:" + std::to_string(k));
        };
        chkFett.Click = [this] { ev.push_back("chkFett.Click:" + std::to_string(chkFett.Value())); };
        cmdZeichnen.GotFocus = lo("cmdZeichnen.GotFocus");
        cmdZeichnen.Click = [this] {
            ev.push_back("cmdZeichnen.Click");
            zeichnen();
        };
        auto idx = [](const char* what) {
            return [what](int16_t i) { ev.push_back("optArt(" + std::to_string(i) + ")." + what); };
        };
        optArt.onClick(idx("Click"));
        optArt.onDblClick(idx("DblClick"));
        optArt.onGotFocus(idx("GotFocus"));
        optArt.onLostFocus(idx("LostFocus"));
        optArt(0).setValue(true);
    }
    void Form_Load() override { Show(); }
    // A small picture at fixed places: no position depends on a font's metrics.
    void zeichnen() {
        auto& s = surface();
        s.Cls();
        s.Scale(0, 0, 100, 60);
        s.SetDrawWidth(2);
        s.Line(50, 5, 95, 55, vb::draw::kNoColor, vb::draw::LineKind::Box);
        s.SetDrawWidth(1);
        s.Circle(70, 30, 10, 255, 0, 3.14159265f);
        s.SetCurrentX(55);
        s.SetCurrentY(8);
        s.Print("Bild " + std::to_string(chkFett.Value()));
    }
};

struct Schritt {
    enum Art { Focus, Click, DblClick, Type, Tab, Arrow } art;
    std::string path = {}; // control, or the text typed
    int16_t key = 0;
};

struct Skript {
    const char* name;
    std::vector<Schritt> schritte;
};

const std::vector<Skript>& skripte() {
    static const std::vector<Skript> s = {
        {"tippen und zeichnen",
         {{Schritt::Focus, "frmSkript.txtA"},
          {Schritt::Type, "2.5"},
          {Schritt::Click, "frmSkript.chkFett"},
          {Schritt::Click, "frmSkript.cmdZeichnen"}}},
        {"Optionen mit Pfeiltasten",
         {{Schritt::Click, "frmSkript.optArt(0)"},
          {Schritt::Arrow, "", vb::vbKeyDown},
          {Schritt::Arrow, "", vb::vbKeyDown},
          {Schritt::Arrow, "", vb::vbKeyRight},
          {Schritt::Arrow, "", vb::vbKeyUp}}},
        {"Doppelklick auf eine Option",
         {{Schritt::Focus, "frmSkript.txtA"}, {Schritt::DblClick, "frmSkript.optArt(2)"}}},
        {"Pfeiltasten im Textfeld",
         {{Schritt::Focus, "frmSkript.txtA"},
          {Schritt::Type, "12"},
          {Schritt::Arrow, "", vb::vbKeyLeft},
          {Schritt::Type, "3"}}},
        {"Tabulator",
         {{Schritt::Focus, "frmSkript.txtA"},
          {Schritt::Tab},
          {Schritt::Tab},
          {Schritt::Type, " "},
          {Schritt::Tab},
          {Schritt::Click, "frmSkript.cmdZeichnen"}}},
    };
    return s;
}

struct Ergebnis {
    std::vector<std::string> events;
    std::string focus;
    std::vector<std::string> bild;
};

Ergebnis headlessLauf(const Skript& sk) {
    vb::headless::ResetForms();
    ev.clear();
    auto& f = vb::form<frmSkript>();
    for (const Schritt& s : sk.schritte) {
        switch (s.art) {
        case Schritt::Focus:
            vb::user::focus(s.path);
            break;
        case Schritt::Click:
            vb::user::click(s.path);
            break;
        case Schritt::DblClick:
            vb::user::dblClick(s.path);
            break;
        case Schritt::Type:
            vb::user::type(s.path);
            break;
        case Schritt::Tab:
            vb::user::tab();
            break;
        case Schritt::Arrow:
            vb::user::arrow(s.key);
            break;
        }
    }
    auto rec = vb::headless::Recorder(f.surface());
    Ergebnis e{ev, vb::headless::focused(), rec ? rec->Log() : std::vector<std::string>{}};
    vb::headless::ResetForms();
    return e;
}

QWidget* widget(const std::string& path) {
    return vb::qtforms::WidgetOf(vb::control(path));
}

QWidget* focusWidget() {
    vb::Control* c = vb::ActiveControl();
    return c ? vb::qtforms::WidgetOf(*c) : nullptr;
}

void key(QWidget* w, int k, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

// A press and a release of the left mouse button, as the window system delivers them: the press
// gives the widget the focus first.
void mausKlick(QWidget* w, bool doppelt = false) {
    const QPointF p = QRectF(w->rect()).center();
    if (w->focusPolicy() & Qt::ClickFocus) w->setFocus(Qt::MouseFocusReason);
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    if (!doppelt) return;
    QMouseEvent dbl(QEvent::MouseButtonDblClick, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(w, &dbl);
    QApplication::sendEvent(w, &release);
}

Ergebnis qtLauf(const Skript& sk) {
    vb::headless::ResetForms();
    vb::qtforms::Install(false);
    ev.clear();
    auto& f = vb::form<frmSkript>();
    auto tap = vb::draw::RecordingSurface::Screen();
    f.surface().SetTap(tap.get());
    QApplication::processEvents();
    for (const Schritt& s : sk.schritte) {
        switch (s.art) {
        case Schritt::Focus:
            widget(s.path)->setFocus(Qt::TabFocusReason); // reached from elsewhere by the keyboard
            break;
        case Schritt::Click:
            mausKlick(widget(s.path));
            break;
        case Schritt::DblClick:
            mausKlick(widget(s.path), true);
            break;
        case Schritt::Type:
            for (QChar ch : QString::fromStdString(s.path))
                key(focusWidget(), 0, QString(ch));
            break;
        case Schritt::Tab:
            key(focusWidget(), Qt::Key_Tab);
            break;
        case Schritt::Arrow:
            key(focusWidget(), s.key == vb::vbKeyDown   ? Qt::Key_Down
                               : s.key == vb::vbKeyUp   ? Qt::Key_Up
                               : s.key == vb::vbKeyLeft ? Qt::Key_Left
                                                        : Qt::Key_Right);
            break;
        }
        QApplication::processEvents();
    }
    Ergebnis e{ev, vb::headless::focused(), tap->Log()};
    // The Qt focus follows the model's.
    EXPECT_EQ(QApplication::focusWidget(), focusWidget()) << sk.name;
    f.surface().SetTap(nullptr);
    vb::qtforms::Uninstall();
    vb::headless::ResetForms();
    return e;
}

TEST(FormsBothBackends, TheSameScriptGivesTheSameEventsFocusAndPicture) {
    for (const Skript& sk : skripte()) {
        const Ergebnis h = headlessLauf(sk);
        const Ergebnis q = qtLauf(sk);
        EXPECT_FALSE(h.events.empty()) << sk.name;
        EXPECT_EQ(q.events, h.events) << sk.name;
        EXPECT_EQ(q.focus, h.focus) << sk.name;
        EXPECT_EQ(q.bild, h.bild) << sk.name;
    }
}

TEST(FormsBothBackends, TheScriptsDoWhatTheUserMeant) {
    // Independent of the comparison: the effect of two scripts written out.
    const Ergebnis a = headlessLauf(skripte()[0]);
    EXPECT_EQ(a.events, (std::vector<std::string>{"txtA.GotFocus", "txtA.Change:2", "txtA.Change:2.",
                                                  "txtA.Change:2.5", "txtA.LostFocus", "chkFett.Click:1",
                                                  "cmdZeichnen.GotFocus", "cmdZeichnen.Click"}));
    EXPECT_EQ(a.bild,
              (std::vector<std::string>{"Line (50,5)-(95,55) B w=2", "Circle (70,30),10 arc 0..3.14159 c=255",
                                        R"(Print (55,8) "Bild 1" [MS Sans Serif 8.25])"}));
    const Ergebnis b = headlessLauf(skripte()[1]);
    EXPECT_EQ(b.focus, "frmSkript.optArt(2)"); // 0, down 1, down 2, right round to 0, up round to 2
}

class FormsQtWindows : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::qtforms::Install(false);
        ev.clear();
    }
    void TearDown() override {
        vb::qtforms::Uninstall();
        vb::headless::ResetForms();
    }
};

TEST_F(FormsQtWindows, AWindowsDrawingLandsInItsRetainedPicture) {
    auto& f = vb::form<frmSkript>();
    f.setBackColor(vb::draw::vbWhite);
    f.zeichnen();
    auto* sw = vb::qtforms::SurfaceOf(f);
    ASSERT_NE(sw, nullptr);
    EXPECT_EQ(f.surface().Target(), &sw->surface());
    const QImage& img = sw->surface().Image();
    const float tpp = vb::Screen::TwipsPerPixelX();
    // The box's left edge at x = 50 of 100 units across 6000 twips.
    const int x = qRound(3000 / tpp), y = qRound(30.0 / 60 * 3600 / tpp);
    EXPECT_LT(qGray(img.pixel(x, y)), 128);
    EXPECT_GT(qGray(img.pixel(x - 20, y)), 128);
    f.Refresh();
}

TEST_F(FormsQtWindows, AFontSizeOfSevenReadsBackAsTheScreenTookIt) {
    auto& f = vb::form<frmSkript>();
    const float tpp = vb::Screen::TwipsPerPixelX();
    const int px = qRound(7 * 20 / tpp); // 9 pixels at 96 dpi
    f.setFontSize(7);
    f.txtA.setFontSize(7);
    EXPECT_FLOAT_EQ(f.FontSize(), px * tpp / 20);
    EXPECT_FLOAT_EQ(f.txtA.FontSize(), px * tpp / 20);
    EXPECT_EQ(QFontInfo(vb::qtforms::WidgetOf(f.txtA)->font()).pixelSize(), px);
    f.txtA.setFontItalic(true);
    EXPECT_TRUE(vb::qtforms::WidgetOf(f.txtA)->font().italic());
}

TEST_F(FormsQtWindows, AWindowClosedWhileItsPictureIsDrawnEndsTheDrawingLoop) {
    auto& f = vb::form<frmSkript>();
    auto s = f.surfaceHandle();
    QWidget* win = vb::qtforms::WindowOf(f);
    QTimer::singleShot(0, [win] { win->close(); }); // the user's close box during the wait
    int runden = 0;
    while (!s->Closed() && runden < 1000) {
        s->Line(0, 0, runden, 100);
        vb::DoEvents();
        ++runden;
    }
    EXPECT_TRUE(s->Closed());
    EXPECT_FALSE(vb::isLoaded<frmSkript>());
    vb::DoEvents(); // the Qt window is freed
    s->Line(0, 0, 10, 10);
    s->Print("nach dem Schließen");
    EXPECT_EQ(s->Target(), nullptr);
}

// A LostFocus handler that opens a message box and then a modal window, while the focus moves
// from one box to another: the focus ends where the headless backend puts it.
class frmOrdner : public vb::Form {
public:
    vb::TextBox txtOrdner{*this, "txtOrdner"};
    vb::TextBox txtName{*this, "txtName"};
    frmOrdner() : vb::Form("frmOrdner") {
        setClientSize(4000, 1500);
        txtOrdner.Move(120, 120, 2000, 300);
        txtName.Move(120, 600, 2000, 300);
        txtOrdner.GotFocus = [] { ev.push_back("txtOrdner.GotFocus"); };
        txtName.GotFocus = [] { ev.push_back("txtName.GotFocus"); };
        txtName.LostFocus = [] { ev.push_back("txtName.LostFocus"); };
        txtOrdner.LostFocus = [this] {
            ev.push_back("txtOrdner.LostFocus");
            const int a = vb::MsgBox("Ordner nicht gefunden", vb::vbOKCancel);
            ev.push_back("Antwort " + std::to_string(a));
            vb::form<frmWahl>().Show(vb::vbModal);
            txtOrdner.setText("/tmp");
            ev.push_back("zurück");
        };
    }
    void Form_Load() override { Show(); }

    class frmWahl : public vb::Form {
    public:
        vb::TextBox txtPfad{*this, "txtPfad"};
        vb::CommandButton cmdOK{*this, "cmdOK"};
        frmWahl() : vb::Form("frmWahl") {
            setClientSize(3000, 1200);
            txtPfad.Move(120, 120, 2000, 300);
            cmdOK.Move(120, 600, 1200, 375);
            cmdOK.setCaption("OK");
            txtPfad.GotFocus = [] { ev.push_back("txtPfad.GotFocus"); };
            cmdOK.Click = [this] {
                ev.push_back("cmdOK.Click");
                vb::Unload(*this);
            };
        }
        void Form_Load() override { ev.push_back("frmWahl.Load"); }
    };
};

TEST_F(FormsQtWindows, DialogsOpenedInsideAFocusChangeLeaveTheFocusWhereHeadlessDoes) {
    // Headless.
    vb::qtforms::Uninstall();
    vb::headless::ResetForms();
    vb::form<frmOrdner>();
    vb::user::focus("frmOrdner.txtOrdner");
    vb::script::answer(vb::vbOK);
    vb::script::click("frmWahl.cmdOK");
    vb::user::focus("frmOrdner.txtName");
    const std::vector<std::string> headlessEv = ev;
    const std::string headlessFocus = vb::headless::focused();
    EXPECT_EQ(vb::script::pending(), 0u);
    ASSERT_FALSE(headlessEv.empty());
    // The modal window took the focus away; back in the first window it returns to the box that was
    // being left (its first tab stop), not to the one the user went for.
    EXPECT_EQ(headlessFocus, "frmOrdner.txtOrdner");

    // Qt, with its own message box, answered and clicked as a user would.
    vb::headless::ResetForms();
    vb::qtforms::Install(true);
    ev.clear();
    auto& f = vb::form<frmOrdner>();
    QApplication::processEvents();
    vb::qtforms::WidgetOf(f.txtOrdner)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTimer user;
    int schritt = 0;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && schritt == 0) {
            for (auto* b : box->buttons())
                if (b->text() == "OK") b->click();
            schritt = 1;
        } else if (auto* w = vb::loadedInstance<frmOrdner::frmWahl>(); w && w->Visible() && schritt == 1) {
            static_cast<QPushButton*>(vb::qtforms::WidgetOf(w->cmdOK))->click();
            schritt = 2;
        }
    });
    user.start(5);
    vb::qtforms::WidgetOf(f.txtName)->setFocus(Qt::TabFocusReason); // the Tab key's move
    for (int i = 0; i < 200 && schritt < 2; ++i)
        vb::DoEvents();
    vb::DoEvents();
    user.stop();
    EXPECT_EQ(schritt, 2);
    EXPECT_EQ(ev, headlessEv);
    EXPECT_EQ(vb::headless::focused(), headlessFocus);
    EXPECT_EQ(QApplication::focusWidget(), focusWidget());
}

} // namespace

namespace {

class frmMessen : public vb::Form {
public:
    vb::PictureBox Picture3{*this, "Picture3"};
    frmMessen() : vb::Form("frmMessen") {
        setClientSize(3000, 2000);
        Picture3.Move(150, 150, 1500, 900);
    }
    void Form_Load() override { Show(); }
};

TEST_F(FormsQtWindows, APictureBoxDrawsAndMeasuresWithTheScreensFonts) {
    auto& f = vb::form<frmMessen>();
    auto& p = f.Picture3.surface();
    p.SetFontName("Courier New");
    p.SetFontSize(9);
    const std::string a(20, 'A'), dots(20, '.');
    EXPECT_EQ(std::lround(p.TextWidth(a)), std::lround(p.TextWidth(dots))); // fixed pitch
    p.SetFontName("Arial");
    EXPECT_GT(p.TextWidth(a), 2 * p.TextWidth(dots));
    auto* sw = vb::qtforms::SurfaceOf(f.Picture3);
    ASSERT_NE(sw, nullptr);
    EXPECT_EQ(p.Target(), &sw->surface());
    p.SetScaleMode(vb::draw::vbPixels);
    p.SetDrawWidth(3);
    p.Line(0, 20, p.ScaleWidth(), 20);
    EXPECT_LT(qGray(sw->surface().Image().pixel(40, 20)), 128);
}

TEST(FormsHeadlessImage, AnImageDeviceGivesHeadlessWindowsRealPixels) {
    vb::headless::ResetForms();
    vb::draw::qt::EnsureQtApp();
    vb::headless::SetPictureDevice([](double w, double h, double tpp, int32_t back) {
        auto img = std::make_shared<vb::draw::qt::ImageSurface>(static_cast<int>(w / tpp),
                                                                static_cast<int>(h / tpp), tpp);
        img->SetBackColor(back);
        return img;
    });
    auto& f = vb::form<frmMessen>();
    f.setBackColor(vb::draw::vbWhite);
    f.surface().SetScaleMode(vb::draw::vbPixels);
    f.surface().Line(10, 10, 60, 40, vb::draw::kNoColor, vb::draw::LineKind::FilledBox);
    auto img = std::dynamic_pointer_cast<vb::draw::qt::ImageSurface>(f.surface().OwnTarget());
    ASSERT_NE(img, nullptr);
    EXPECT_LT(qGray(img->Image().pixel(30, 30)), 128);
    EXPECT_GT(qGray(img->Image().pixel(100, 30)), 128);
    vb::headless::ResetForms();
}

} // namespace
