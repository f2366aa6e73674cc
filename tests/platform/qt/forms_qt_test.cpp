// The Qt backend of the forms model: windows and widgets placed by their twips geometry, model
// changes shown, and user input on the widgets routed into the model's events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/qt/draw_window.h"
#include "platform/qt/forms_qt.h"

namespace {

struct frmQt : vb::Form {
    vb::TextBox txtWert{*this, "txtWert"};
    vb::Label lblHinweis{*this, "lblHinweis"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    std::vector<std::string> ev;
    static inline int16_t mode = -1; // kept beyond the window's life
    frmQt() : vb::Form("frmQt") {
        setCaption("Test");
        setClientSize(3000, 1500);
        txtWert.Move(300, 150, 1200, 300);
        cmdOK.Move(300, 600, 1200, 375);
        cmdOK.setCaption("OK");
        lblHinweis.Move(1650, 150, 1200, 300);
        txtWert.KeyPress = [](int16_t& k) {
            if (k == ',') k = '.';
        };
        txtWert.LostFocus = [this] { ev.push_back("txtWert.LostFocus"); };
        cmdOK.Click = [this] { ev.push_back("cmdOK.Click:" + txtWert.Text()); };
    }
    void Form_Load() override { Show(); }
    void Form_QueryUnload(int16_t&, int16_t m) override { mode = m; }
    void Form_Resize() override { ++resizes; }
    int resizes = 0;
};

class FormsQtTest : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::qtforms::Install(false);
    }
    void TearDown() override {
        vb::qtforms::Uninstall();
        vb::headless::ResetForms();
    }
    static void keys(QWidget* w, const QString& text) {
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
        }
    }
};

TEST_F(FormsQtTest, WidgetsArePlacedByTheirTwipsGeometry) {
    auto& f = vb::form<frmQt>();
    const float tpp = vb::Screen::TwipsPerPixelX();
    ASSERT_GT(tpp, 0.0f);
    QWidget* win = vb::qtforms::WindowOf(f);
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(win->windowTitle(), "Test");
    QWidget* b = vb::qtforms::WidgetOf(f.cmdOK);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->geometry(),
              QRect(qRound(300 / tpp), qRound(600 / tpp), qRound(1200 / tpp), qRound(375 / tpp)));
    EXPECT_EQ(static_cast<QPushButton*>(b)->text(), "OK");
}

TEST_F(FormsQtTest, ModelChangesAreShown) {
    auto& f = vb::form<frmQt>();
    EXPECT_EQ(vb::qtforms::WidgetOf(f.txtWert)->cursor().shape(), Qt::IBeamCursor); // its own pointer
    f.lblHinweis.setCaption("Bitte prüfen");
    f.cmdOK.setEnabled(false);
    f.txtWert.setText("2.5");
    f.txtWert.setMousePointer(vb::vbHourglass);
    EXPECT_EQ(vb::qtforms::WidgetOf(f.txtWert)->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(static_cast<QLabel*>(vb::qtforms::WidgetOf(f.lblHinweis))->text(), "Bitte prüfen");
    EXPECT_FALSE(vb::qtforms::WidgetOf(f.cmdOK)->isEnabled());
    EXPECT_EQ(static_cast<QLineEdit*>(vb::qtforms::WidgetOf(f.txtWert))->text(), "2.5");
}

TEST_F(FormsQtTest, KeysAndClicksGoThroughTheModelsEvents) {
    auto& f = vb::form<frmQt>();
    QWidget* box = vb::qtforms::WidgetOf(f.txtWert);
    keys(box, "1,5");
    EXPECT_EQ(f.txtWert.Text(), "1.5"); // the key filter changed the comma
    EXPECT_EQ(static_cast<QLineEdit*>(box)->text(), "1.5");
    static_cast<QPushButton*>(vb::qtforms::WidgetOf(f.cmdOK))->click();
    EXPECT_EQ(f.ev, (std::vector<std::string>{"txtWert.LostFocus", "cmdOK.Click:1.5"}));
}

TEST_F(FormsQtTest, TheUsersResizingRaisesFormResizeWithTheNewSize) {
    auto& f = vb::form<frmQt>();
    const int vorher = f.resizes;
    const float tpp = vb::Screen::TwipsPerPixelX();
    vb::qtforms::WindowOf(f)->resize(300, 200);
    EXPECT_EQ(f.resizes, vorher + 1);
    EXPECT_NEAR(f.ScaleWidth(), 300 * tpp, tpp);
    EXPECT_NEAR(f.ScaleHeight(), 200 * tpp, tpp);
}

TEST_F(FormsQtTest, TheCloseBoxUnloadsThroughQueryUnload) {
    auto& f = vb::form<frmQt>();
    QWidget* win = vb::qtforms::WindowOf(f);
    frmQt::mode = -1;
    win->close();
    EXPECT_EQ(frmQt::mode, vb::vbFormControlMenu);
    EXPECT_FALSE(vb::isLoaded<frmQt>());
    EXPECT_EQ(vb::qtforms::WindowOf(f), nullptr);
}

TEST_F(FormsQtTest, OptionsAndListsFollowTheUsersClicksThroughTheModel) {
    struct frmWahl : vb::Form {
        vb::ControlArray<vb::OptionButton> optArt{*this, "optArt"};
        vb::ListBox List1{*this, "List1"};
        std::vector<int16_t> klicks;
        frmWahl() : vb::Form("frmWahl") {
            setClientSize(4000, 3000);
            for (int16_t i = 1; i <= 2; ++i)
                optArt.add(i).Move(120, 120 + 400 * (i - 1), 1800, 300);
            optArt.onClick([this](int16_t i) { klicks.push_back(i); });
            List1.Move(2000, 120, 1800, 2000);
            List1.AddItem("eins");
            List1.AddItem("zwei");
        }
        void Form_Load() override { Show(); }
    };
    auto& f = vb::form<frmWahl>();
    f.optArt(1).setValue(true);
    auto* r2 = static_cast<QRadioButton*>(vb::qtforms::WidgetOf(f.optArt(2)));
    r2->click();
    EXPECT_EQ(f.klicks, (std::vector<int16_t>{1, 2}));
    EXPECT_FALSE(static_cast<QRadioButton*>(vb::qtforms::WidgetOf(f.optArt(1)))->isChecked());
    EXPECT_TRUE(r2->isChecked());

    auto* l = static_cast<QListWidget*>(vb::qtforms::WidgetOf(f.List1));
    emit l->itemPressed(l->item(1));
    EXPECT_EQ(f.List1.ListIndex(), 1);
    f.List1.RemoveItem(0);
    EXPECT_EQ(l->count(), 1);
    EXPECT_EQ(l->item(0)->text(), "zwei");
}

TEST_F(FormsQtTest, AWindowsDrawingSurfaceFillsItsClientAreaBelowItsControls) {
    auto& f = vb::form<frmQt>();
    auto* s = vb::qtforms::SurfaceOf(f);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(vb::qtforms::SurfaceOf(f), s); // one per window
    const float tpp = vb::Screen::TwipsPerPixelX();
    EXPECT_EQ(s->width(), qRound(f.ScaleWidth() / tpp));
    EXPECT_EQ(s->parentWidget()->children().indexOf(s), 0); // lowest: the controls stay on top
    f.setClientSize(4500, 1500);
    EXPECT_EQ(s->width(), qRound(4500 / tpp));
}

TEST_F(FormsQtTest, MessageBoxesHaveGermanButtonsAndTheProgramsNameAsDefaultTitle) {
    vb::qtforms::Install(true);
    QStringList seen;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        for (auto* b : box->buttons())
            seen << b->text();
        for (auto* b : box->buttons())
            if (b->text() == "Nein") b->click();
    });
    const int answer = vb::MsgBox("Neuer Versuch ?", vb::vbYesNoCancel);
    EXPECT_EQ(answer, vb::vbNo);
    EXPECT_EQ(title, "ZOR");
    seen.sort();
    EXPECT_EQ(seen, (QStringList{"Abbrechen", "Ja", "Nein"}));
}

TEST_F(FormsQtTest, AMessageBoxIsAsWideAsItsTitle) {
    vb::qtforms::Install(true);
    const QString titel = "Datei bereits vorhanden: ein langer Titel über einer kurzen Frage";
    int breite = 0, titelBreite = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        breite = box->width();
        titelBreite = QFontMetrics(box->font()).horizontalAdvance(titel);
        box->buttons().front()->click();
    });
    vb::MsgBox("Ja ?", vb::vbOKOnly, titel.toStdString());
    EXPECT_GT(titelBreite, 200);
    EXPECT_GE(breite, titelBreite);
}

// The pages were laid out for the narrower Windows faces: a caption that does not fit its label here is set
// smaller (not below three quarters of its size) until it fits, one that fits keeps its size.
TEST_F(FormsQtTest, ACaptionTooWideForItsLabelIsSetSmallerUntilItFits) {
    struct frmL : vb::Form {
        vb::Label lblPasst{*this, "lblPasst"}, lblBreit{*this, "lblBreit"},
            lblZweiZeilen{*this, "lblZweiZeilen"};
        frmL() : vb::Form("frmL") {
            setClientSize(6000, 2000);
            lblPasst.Move(120, 120, 2600, 240);
            lblPasst.setCaption("Anfang          x1 (m)");
            lblBreit.Move(120, 500, 2600, 240); // one line high, as on the slope page
            lblBreit.setCaption("WIRKSAMES  !!!! gamma   (kN/m3)");
            lblZweiZeilen.Move(120, 900, 1500, 480);
            lblZweiZeilen.setCaption("Vorsatz incl. Trennzeichen; z.B. für Einschubseiten.");
        }
        void Form_Load() override { Show(); }
    };
    auto& f = vb::form<frmL>();
    const int art = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    auto passt = [&](QLabel* q, const QFont& font) {
        const QFontMetrics fm(font);
        const QRect r = q->contentsRect();
        const QRect n = fm.boundingRect(QRect(0, 0, r.width(), 100000), art, q->text());
        return n.width() <= r.width() && n.height() <= std::max(r.height(), fm.height());
    };
    auto* passend = static_cast<QLabel*>(vb::qtforms::WidgetOf(f.lblPasst));
    EXPECT_DOUBLE_EQ(passend->font().pointSizeF(), 8.25);
    for (vb::Label* l : {&f.lblBreit, &f.lblZweiZeilen}) {
        auto* q = static_cast<QLabel*>(vb::qtforms::WidgetOf(*l));
        QFont voll = q->font();
        voll.setPointSizeF(8.25);
        ASSERT_FALSE(passt(q, voll)) << l->name(); // at its size it would be cut
        EXPECT_LT(q->font().pointSizeF(), 8.25) << l->name();
        EXPECT_GE(q->font().pointSizeF(), 0.75 * 8.25) << l->name();
        EXPECT_TRUE(passt(q, q->font())) << l->name();
        EXPECT_EQ(q->text().toStdString(), l->Caption());
    }
}

TEST_F(FormsQtTest, EveryMenuOfANarrowWindowIsShownInTheRowsOfItsBar) {
    struct frmBilder : vb::Form {
        vb::Menu mnuEinst{*this, "mnuEinst"}, mnuSchrift{*this, "mnuSchrift", &mnuEinst};
        vb::Menu mnuAlle{*this, "mnuAlle"}, mnuBild{*this, "mnuBild"}, mnuZurueck{*this, "mnuZurueck"};
        vb::Menu mnuBildNr{*this, "mnuBildNr"}, mnuWeiter{*this, "mnuWeiter"};
        frmBilder() : vb::Form("frmBilder") {
            mnuEinst.setCaption("Einstellungen...");
            mnuSchrift.setCaption("Schrift...");
            mnuAlle.setCaption("Alle folg. Bilder drucken");
            mnuBild.setCaption("Bild drucken");
            mnuZurueck.setCaption("zurück zu Bild 1");
            mnuBildNr.setCaption("zu Bild ...");
            mnuWeiter.setCaption("weiter");
        }
        void Form_Load() override {
            Move(0, 0, 0.35f * vb::Screen::Width(), 6000);
            Show();
        }
    };
    auto& f = vb::form<frmBilder>();
    QWidget* win = vb::qtforms::WindowOf(f);
    ASSERT_NE(win, nullptr);
    auto zeilen = [&] {
        std::vector<QMenuBar*> bars;
        for (QObject* o : win->children())
            if (auto* b = qobject_cast<QMenuBar*>(o)) bars.push_back(b);
        return bars;
    };
    auto allesSichtbar = [&](int erwartet) {
        int gezeigt = 0;
        for (QMenuBar* b : zeilen()) {
            for (QAction* a : b->actions()) {
                const QRect r = b->actionGeometry(a);
                EXPECT_FALSE(r.isNull()) << a->text().toStdString();
                EXPECT_LT(r.right(), b->width()) << a->text().toStdString();
                ++gezeigt;
            }
            // no item behind the extension button ("»")
            for (QObject* k : b->children()) {
                if (auto* w = qobject_cast<QWidget*>(k); w && k->objectName() == "qt_menubar_ext_button") {
                    EXPECT_FALSE(w->isVisible());
                }
            }
        }
        EXPECT_EQ(gezeigt, erwartet);
    };
    ASSERT_GE(f.menuBarRows(), 2); // the six menus do not fit one row at 0.35 of the screen's width
    EXPECT_EQ(static_cast<int>(zeilen().size()), f.menuBarRows());
    allesSichtbar(6);
    // the client area begins below the last row, and the picture fills it
    const float tpp = vb::Screen::TwipsPerPixelX();
    auto* bild = vb::qtforms::SurfaceOf(f);
    ASSERT_NE(bild, nullptr);
    EXPECT_EQ(bild->mapTo(win, QPoint(0, 0)).y(), f.menuBarRows() * qRound(vb::Form::MenuBarTwips / tpp));
    EXPECT_NEAR(bild->height() * tpp, f.clientHeight(), tpp);
    // a menu hidden and shown again finds its place
    f.mnuBildNr.setVisible(false);
    allesSichtbar(5);
    f.mnuBildNr.setVisible(true);
    allesSichtbar(6);
}

} // namespace

namespace {

// A press and a release of the left mouse button in the middle of the widget, as the window system
// delivers them: a real press first gives the widget the focus (events sent from here do not).
void mausKlick(QWidget* w) {
    const QPointF p = QRectF(w->rect()).center();
    if (w->focusPolicy() & Qt::ClickFocus) w->setFocus(Qt::MouseFocusReason);
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

TEST_F(FormsQtTest, AMouseClickLeavesACorrectedBoxOnlyOnceBeforeTheClick) {
    auto& f = vb::form<frmQt>();
    // A corrected value: the box takes the focus back while it is left.
    f.txtWert.LostFocus = [&f] {
        f.ev.push_back("txtWert.LostFocus");
        f.txtWert.SetFocus();
    };
    f.txtWert.SetFocus();
    QApplication::processEvents();
    mausKlick(vb::qtforms::WidgetOf(f.cmdOK));
    EXPECT_EQ(f.ev, (std::vector<std::string>{"txtWert.LostFocus", "cmdOK.Click:"}));
    EXPECT_EQ(vb::headless::focused(), "frmQt.txtWert");
}

TEST_F(FormsQtTest, TextEditedWithoutTheKeyboardReachesTheModel) {
    auto& f = vb::form<frmQt>();
    auto* e = static_cast<QLineEdit*>(vb::qtforms::WidgetOf(f.txtWert));
    f.txtWert.setText("1");
    f.txtWert.SetFocus();
    QGuiApplication::clipboard()->setText("2.75");
    e->selectAll();
    e->paste(); // what the context menu and the middle mouse button do
    EXPECT_EQ(e->text(), "2.75");
    EXPECT_EQ(f.txtWert.Text(), "2.75"); // what the program reads when the box is left
    EXPECT_EQ(f.txtWert.SelStart(), 4);
}

TEST_F(FormsQtTest, TheMouseOnAPictureBoxGivesItsPointInTwips) {
    struct frmFarben : vb::Form {
        vb::ControlArray<vb::PictureBox> Picture1{*this, "Picture1"};
        std::vector<std::string> ev;
        frmFarben() : vb::Form("frmFarben") {
            setClientSize(3000, 1500);
            Picture1.add(2).Move(300, 300, 1500, 750);
            Picture1.onMouseDown([this](int16_t i, int16_t b, int16_t, float x, float y) {
                ev.push_back("MouseDown(" + std::to_string(i) + ") " + std::to_string(b) + " " +
                             std::to_string(std::lround(x)) + "/" + std::to_string(std::lround(y)));
            });
            Picture1.onClick([this](int16_t i) { ev.push_back("Click(" + std::to_string(i) + ")"); });
        }
        void Form_Load() override { Show(); }
    };
    auto& f = vb::form<frmFarben>();
    const float tpp = vb::Screen::TwipsPerPixelX();
    // The picture is drawn on: a click lands on its drawing surface inside the box's border.
    QWidget* w = vb::qtforms::SurfaceOf(f.Picture1(2));
    ASSERT_NE(w, nullptr);
    const QPointF p(10, 4);
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    EXPECT_EQ(f.ev, (std::vector<std::string>{"MouseDown(2) 1 " + std::to_string(std::lround(10 * tpp)) +
                                                  "/" + std::to_string(std::lround(4 * tpp)),
                                              "Click(2)"}));
}

TEST_F(FormsQtTest, AnErrorInAHandlerReachesTheWaitInsteadOfVanishing) {
    auto& f = vb::form<frmQt>();
    f.cmdOK.Click = [] { throw std::out_of_range("Index"); };
    static_cast<QPushButton*>(vb::qtforms::WidgetOf(f.cmdOK))->click();
    EXPECT_THROW(vb::DoEvents(), std::out_of_range);
    vb::DoEvents(); // reported once
}

TEST_F(FormsQtTest, TheQtWindowOfAnUnloadedWindowIsFreed) {
    QPointer<QWidget> win = vb::qtforms::WindowOf(vb::form<frmQt>());
    vb::Unload<frmQt>();
    vb::DoEvents();
    EXPECT_TRUE(win.isNull());
    // Unloaded by the user's click, inside the program's wait.
    auto& f = vb::form<frmQt>();
    win = vb::qtforms::WindowOf(f);
    f.cmdOK.Click = [&f] { vb::Unload(f); };
    static_cast<QPushButton*>(vb::qtforms::WidgetOf(f.cmdOK))->click();
    vb::DoEvents();
    EXPECT_TRUE(win.isNull());
}

TEST_F(FormsQtTest, AHiddenMaximizedWindowStaysHiddenWhenItChanges) {
    auto& f = vb::form<frmQt>();
    f.setWindowState(vb::vbMaximized);
    f.Hide();
    f.setCaption("Bericht");
    EXPECT_FALSE(vb::qtforms::WindowOf(f)->isVisible());
    f.Show();
    EXPECT_TRUE(vb::qtforms::WindowOf(f)->isVisible());
    EXPECT_EQ(vb::qtforms::WindowOf(f)->windowTitle(), "Bericht");
}

} // namespace
