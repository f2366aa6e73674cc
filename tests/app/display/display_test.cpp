// The program's windows on a real X display with a window manager, as a user sees them: the first start
// reads a project typed by name, the new project is entered through its pages and calculated, the report
// window opens its menu and the pictures jump to picture 3; and the first calculation of an example as a new
// user makes it after the run command: an example taken from the list of project files, its report and
// pictures. Every window, every message box and the menu are captured as the screen shows them (the root
// window cut to the window's frame, never the window's own picture, which can hold what the screen does not
// show) and checked: something is drawn, the frame's top edge lies on the screen, the caption and the OK
// button lie inside the capture.
//
// tools/display-test.sh runs this on Xvfb with openbox; on any other platform the tests are skipped.
// ZOR_BILD_ORDNER keeps the captures for a look.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/project_data.h"
#include "graphics/frmZorG1.h"
#include "graphics/picture_sequence.h"
#include "platform/draw/recorder.h"
#include "platform/forms/forms.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/qt/draw_printer.h"
#include "platform/qt/draw_qt.h"
#include "platform/qt/forms_qt.h"
#include "platform/runtime/vbstring.h"
#include "report/frmAnzeigen.h"
#include "request/working_folder.h"
#include "run/connect_windows.h"
#include "run/frmDListe.h"
#include "run/windows.h"
#include "tests/app/qt_script.h"
#include "tests/run/new_project_script.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace fs = std::filesystem;
using neuprojekt::Schritt;
using zorm1::P;

namespace {

bool AufX11() {
    return QGuiApplication::platformName() == "xcb";
}

// Lets the window system and the program work for ms milliseconds.
void Lassen(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// What the screen shows in a rectangle of the root window.
QImage Bildschirm(const QRect& r) {
    return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

// How many pixels of a part of an image have each colour.
std::map<QRgb, int> Farben(const QImage& bild, const QRect& teil) {
    std::map<QRgb, int> n;
    const QRect r = teil.intersected(bild.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++n[bild.pixel(x, y) & 0xFFFFFF];
    return n;
}

// Captures every window as the screen shows it and checks it. Its own timers and the script's steps
// wait while it captures.
class Kamera {
public:
    bool beschaeftigt = false;
    std::set<std::string> aufgenommen;
    std::map<std::string, QImage> bilder;
    // The input pages whose opening leaves the pointer on their OK button.
    std::set<std::string> zeigerAufOk = {
        "frmWand1",   "frmBoden1",  "frmBoden2",  "frmBoden3",  "frmAushub1", "frmAushub1b",
        "frmAushub2", "frmAushub3", "frmAushub4", "frmAushub6", "frmAushub7", "frmAushub8",
        "frmLast1",   "frmLast2",   "frmLast4",   "frmAnker1",  "frmAusgabe"};

    // The window (a Qt window with a frame of the window manager) once it is shown, framed and drawn.
    // ok: the button that must lie inside the capture (nullptr: the window has none).
    QImage Aufnehmen(const std::string& name, QWidget* w, QWidget* ok) {
        beschaeftigt = true;
        struct Frei {
            bool& b;
            ~Frei() { b = false; }
        } frei{beschaeftigt};
        EXPECT_TRUE(w && w->isVisible()) << name;
        if (!w || !w->isVisible()) return {};
        // mapped, framed by the window manager, painted; then the frame as it stays
        QElapsedTimer t;
        t.start();
        QRect vorher;
        int ruhig = 0;
        while (t.elapsed() < 4000) {
            Lassen(50);
            const bool gerahmt = w->frameGeometry() != w->geometry() || (w->windowFlags() & Qt::Popup);
            const bool gezeigt = w->windowHandle() && w->windowHandle()->isExposed();
            ruhig = (gerahmt && gezeigt && w->frameGeometry() == vorher) ? ruhig + 1 : 0;
            vorher = w->frameGeometry();
            if (ruhig >= 4) break;
        }
        Lassen(100);
        const QRect rahmen = w->frameGeometry();
        const QRect schirm = QGuiApplication::primaryScreen()->geometry();
        if (std::getenv("ZOR_ANZEIGE_PROTOKOLL"))
            std::fprintf(stderr, "%s: Rahmen %d,%d %dx%d, Fenster %d,%d %dx%d\n", name.c_str(), rahmen.x(),
                         rahmen.y(), rahmen.width(), rahmen.height(), w->geometry().x(), w->geometry().y(),
                         w->geometry().width(), w->geometry().height());
        const QImage bild = Bildschirm(rahmen);
        aufgenommen.insert(name);
        bilder[name] = bild;
        if (const char* o = std::getenv("ZOR_BILD_ORDNER"))
            bild.save(QString::fromStdString((fs::path(o) / ("schirm_" + name + ".png")).string()));

        // the frame's top edge on the screen (a maximised window's border may lie just beyond the screen's
        // edge, as the window manager places it: there its window itself is checked). The window manager
        // may have laid the window out maximised before Qt reports the state, so a frame as wide or as high
        // as the screen counts as maximised too. Left and right, the frame's thin border may reach beyond
        // the screen (a window brought back from maximised keeps the maximised place of its border): the
        // window itself stands on the screen there.
        const bool maximiert = w->isMaximized() || (w->windowState() & Qt::WindowMaximized) ||
                               rahmen.width() >= schirm.width() || rahmen.height() >= schirm.height();
        const QRect kante = maximiert ? w->geometry() : rahmen;
        EXPECT_GE(kante.top(), schirm.top()) << name;
        EXPECT_LT(kante.top(), schirm.bottom()) << name;
        EXPECT_GE(w->geometry().left(), schirm.left()) << name;
        EXPECT_LT(w->geometry().left(), schirm.right()) << name;
        EXPECT_LE(w->geometry().left() - rahmen.left(), 8) << name << ": the frame's border";
        // drawn: the client area shows more than one colour and is not mostly black
        const QRect client(w->geometry().topLeft() - rahmen.topLeft(), w->geometry().size());
        const auto farben = Farben(bild, client);
        int schwarz = 0, alle = 0;
        for (auto [f, n] : farben) {
            alle += n;
            if (f == 0) schwarz = n;
        }
        EXPECT_GT(farben.size(), 1u) << name << ": the screen shows one colour";
        EXPECT_LT(schwarz, alle / 2) << name << ": the screen shows it black";
        // the caption: a title bar of the window manager above the client area, with its text drawn
        if (!(w->windowFlags() & Qt::Popup)) {
            const QRect titel(0, 0, rahmen.width(), w->geometry().top() - rahmen.top());
            EXPECT_GE(titel.height(), 10) << name << ": no title bar";
            EXPECT_GT(Farben(bild, titel).size(), 2u) << name << ": the title bar shows no caption";
        }
        // the OK button inside the capture and on the screen
        if (ok) {
            const QRect knopf(ok->mapToGlobal(QPoint(0, 0)), ok->size());
            if (std::getenv("ZOR_ANZEIGE_PROTOKOLL"))
                std::fprintf(stderr, "%s: Zeiger %d,%d, OK %d,%d %dx%d\n", name.c_str(), QCursor::pos().x(),
                             QCursor::pos().y(), knopf.x(), knopf.y(), knopf.width(), knopf.height());
            EXPECT_TRUE(ok->isVisible()) << name;
            EXPECT_TRUE(rahmen.contains(knopf)) << name << ": the OK button lies outside the window";
            // an input page puts the pointer onto its OK button, where a click takes it
            if (zeigerAufOk.count(name)) {
                // the pointer is put once the window manager has framed the window (later on a busy machine)
                QElapsedTimer warten;
                warten.start();
                while (!knopf.contains(QCursor::pos()) && warten.elapsed() < 3000)
                    Lassen(50);
                EXPECT_TRUE(knopf.contains(QCursor::pos()))
                    << name << ": the pointer stands at " << QCursor::pos().x() << "," << QCursor::pos().y()
                    << ", the OK button at " << knopf.x() << "," << knopf.y() << " " << knopf.width() << "x"
                    << knopf.height();
            }
            EXPECT_TRUE(schirm.contains(knopf)) << name << ": the OK button lies outside the screen";
        }
        return bild;
    }

    // A window of the program, with its OK button when it has one.
    void Fenster(const std::string& name) {
        if (aufgenommen.count(name)) return;
        vb::Form* f = vb::LoadedForm(name);
        if (!f || !f->Visible()) return;
        QWidget* ok = nullptr;
        for (vb::Control* c : f->controls())
            if (c->kind() == vb::ControlKind::CommandButton &&
                (c->name() == "cmdOK" || static_cast<vb::CommandButton*>(c)->Caption() == "OK") &&
                c->effectivelyVisible()) {
                ok = vb::qtforms::WidgetOf(*c);
                break;
            }
        Aufnehmen(name, vb::qtforms::WindowOf(*f), ok);
    }
    // Every shown window of the program not yet captured.
    void AlleFenster() {
        for (vb::Form* f : vb::Forms())
            if (f->Visible()) Fenster(f->name());
    }
};

// Message boxes: each one captured once it is drawn, then answered with the button its title asks for
// (else its default button).
class Meldungen {
public:
    explicit Meldungen(Kamera& k) : kamera_(k) {}
    std::map<std::string, QString> antworten;
    std::vector<std::string> gesehen;

    void Beobachten() {
        QTimer::singleShot(30, &zeitgeber_, [this] { Beobachten(); });
        if (kamera_.beschaeftigt || ende_) return;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        const std::string titel = box->windowTitle().toStdString();
        gesehen.push_back(titel);
        QAbstractButton* knopf = box->defaultButton();
        if (auto it = antworten.find(titel); it != antworten.end())
            for (QAbstractButton* b : box->buttons())
                if (b->text() == it->second) knopf = b;
        kamera_.Aufnehmen("meldung_" + std::to_string(gesehen.size()), box, box->defaultButton());
        if (knopf) knopf->click();
    }
    void Ende() { ende_ = true; }

private:
    QObject zeitgeber_; // the context of the timer: no more looks once the watch is gone
    Kamera& kamera_;
    bool ende_ = false;
};

class Anzeige : public ::testing::Test {
protected:
    zortest::WorkingFolder arbeit;
    void SetUp() override {
        vb::draw::qt::EnsureQtApp();
        if (!AufX11()) GTEST_SKIP() << "no X display (tools/display-test.sh runs this on Xvfb)";
        // the root folder of this start, with no settings file
        fs::create_directories(arbeit / "daten");
        ::setenv("XDG_DATA_HOME", (arbeit / "daten").c_str(), 1);
        for (const char* liste : {"zorSPw.txt", "zorTBw.txt"})
            fs::copy_file(fs::path(ZOR_SHIPPED_DATA) / liste, arbeit / liste);
        fs::copy_file(fs::path(ZOR_TEST_DATA) / "Traegerbohlwand_verankert",
                      arbeit / "Traegerbohlwand_verankert");
        fs::create_directories(arbeit / "projekte");
        // an older file of the new project's name: leaving the name box asks whether to overwrite it
        fs::copy_file(fs::path(ZOR_TEST_DATA) / "Spundwand_frei", arbeit / "projekte" / "Neubau_Spundwand");
        // The program as app/main.cpp starts it: real message boxes, printouts as PDF files.
        vb::headless::ResetForms();
        vb::qtforms::Install(true);
        vb::draw::qt::InstallPrinter();
        RegisterFrameRunWindows();
        RegisterProjectDialogs();
        RegisterStageDialogs();
        zorrun::FensterAnschliessen();
        zorm1::ResetProjectData();
    }
    void TearDown() override {
        if (!AufX11()) return;
        zorrun::FensterTrennen();
        vb::qtforms::Uninstall();
        vb::headless::ResetForms();
        vb::ClearRegistry();
        zorm1::ResetProjectData();
    }
};

bool MeldungOffen() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
}

TEST_F(Anzeige, OnAFirstStartAProjectTypedByItsNameIsReadFromTheCurrentFolder) {
    Kamera kamera;
    Meldungen meldungen(kamera);
    meldungen.antworten["Datei lesen"] = "Nein";
    meldungen.Beobachten();
    // The start window, then the start dialog with no settings file. A name that is not there asks
    // "Neuer Versuch ?" ("Nein" empties the read boxes); the example typed by its name alone is read.
    neuprojekt::Skript sk;
    sk.klick("frmZOR0.cmdOK");
    // the file dialog and the list of project files, each opened and closed without a choice
    sk.klick("frmTitel.cmdDatei(0)");
    sk.klick("frmDateiwahl.cmdEsc");
    sk.klick("frmTitel.cmdDatei(2)");
    sk.klick("frmDListe.cmdOK(1)");
    sk.in("frmTitel.txtEin(1)", "gibt_es_nicht");
    sk.schritte.push_back({Schritt::Fokus, "frmTitel.txtEin(4)"});
    sk.in("frmTitel.txtEin(1)", "Traegerbohlwand_verankert");
    sk.schritte.push_back({Schritt::Fokus, "frmTitel.txtEin(4)"});
    sk.klick("frmTitel.cmdEsc"); // "Eingabe abbrechen": the program ends
    std::string gelesen;
    int16_t lagen = 0;
    apptest::QtSkript skript(sk.schritte);
    skript.angehalten = [&] { return kamera.beschaeftigt || MeldungOffen(); };
    skript.vorher = [&](const Schritt& s) {
        if (s.pfad == "frmTitel.cmdEsc") {
            gelesen = P.DatenGelesen == -1 ? P.GanzerName : "";
            lagen = P.AnzErd;
        }
        kamera.AlleFenster();
    };
    vb::FormByName("frmZOR0");
    EXPECT_THROW(skript.alle(), vb::ProgramEnd);
    meldungen.Ende();
    EXPECT_EQ(gelesen, (arbeit / "Traegerbohlwand_verankert").string());
    EXPECT_EQ(lagen, 3); // the example's layers
    EXPECT_EQ(meldungen.gesehen, (std::vector<std::string>{"Datei lesen"}));
    for (const char* f : {"frmZOR0", "frmTitel", "frmDateiwahl", "frmDListe", "meldung_1"})
        EXPECT_TRUE(kamera.aufgenommen.count(f)) << f;
}

TEST_F(Anzeige, EveryWindowOfANewProjectAndItsCalculationIsDrawnOnTheScreenWithItsTitleBar) {
    Kamera kamera;
    Meldungen meldungen(kamera);
    meldungen.antworten["Datei bereits vorhanden"] = "Ja";
    meldungen.Beobachten();

    // The start window, the start dialog and the new project through all its pages.
    neuprojekt::Skript start;
    start.klick("frmZOR0.cmdOK");
    neuprojekt::Skript neu = neuprojekt::NeuesProjekt();
    std::vector<Schritt> schritte = start.schritte;
    schritte.insert(schritte.end(), neu.schritte.begin(), neu.schritte.end());
    apptest::QtSkript skript(schritte);
    skript.angehalten = [&] { return kamera.beschaeftigt || MeldungOffen(); };
    skript.vorher = [&](const Schritt& s) {
        if (std::getenv("ZOR_ANZEIGE_PROTOKOLL")) std::fprintf(stderr, "Schritt %s\n", s.pfad.c_str());
        if (s.art == Schritt::Klick && s.pfad.ends_with(".cmdOK")) kamera.Fenster(s.fenster());
        kamera.AlleFenster();
    };
    vb::FormByName("frmZOR0");
    skript.alle();
    EXPECT_EQ(meldungen.gesehen, (std::vector<std::string>{"Datei bereits vorhanden"}));
    kamera.Fenster("frmAuswahl");

    // The calculation: the report window and the graphics window with its picture sequence, inside the
    // click on "Berechnung starten". What the user does there comes from a timer.
    const fs::path ausgaben = arbeit / "bilder";
    int schritt = 0;
    QElapsedTimer uhr;
    uhr.start();
    QImage bild1, bild3;
    bool imGang = false;
    QObject zeitgeber; // the timer's context: its steps end with the test
    std::function<void()> schritt1;
    std::function<void()> weiter = [&] {
        // one pass at a time: a capture lets the events run, and with them this timer
        if (imGang) return;
        imGang = true;
        try {
            schritt1();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "step " << schritt << ": " << e.what();
            schritt = 4;
            if (vb::LoadedForm("frmZorG1")) vb::user::close("frmZorG1");
        }
        imGang = false;
        if (schritt < 4) QTimer::singleShot(50, &zeitgeber, weiter);
    };
    schritt1 = [&] {
        auto* g = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        auto beenden = [&] {
            if (g) vb::user::close("frmZorG1");
        };
        if (uhr.elapsed() > 120000) {
            ADD_FAILURE() << "the pictures did not come (step " << schritt << ")";
            beenden();
            return;
        }
        if (kamera.beschaeftigt || MeldungOffen()) return;
        if (!g || !g->Visible() || g->Folge().verlauf.empty()) return;
        const auto& folge = g->Folge();
        if (std::getenv("ZOR_ANZEIGE_PROTOKOLL"))
            std::fprintf(stderr, "Bilder: Schritt %d, Bild %d\n", schritt, folge.BildNr);
        switch (schritt) {
        case 0: { // picture 1 waits: every window as the screen shows it, every menu of the pictures visible
            if (folge.BildNr != 1) return;
            kamera.AlleFenster();
            bild1 = kamera.bilder["frmZorG1"];
            QWidget* win = vb::qtforms::WindowOf(*g);
            int menues = 0;
            for (QObject* o : win->children())
                if (auto* bar = qobject_cast<QMenuBar*>(o))
                    for (QAction* a : bar->actions()) {
                        const QRect r = bar->actionGeometry(a);
                        EXPECT_FALSE(r.isNull()) << a->text().toStdString();
                        EXPECT_TRUE(win->rect().contains(QRect(bar->mapTo(win, r.topLeft()), r.size())))
                            << a->text().toStdString();
                        ++menues;
                    }
            // "Einstellungen...", "Alle folg. Bilder drucken", "Bild drucken", "zurück zu Bild 1", "zu Bild
            // ...", "weiter"
            EXPECT_EQ(menues, 6);
            ++schritt;
            break;
        }
        case 1: { // the report window's menu "Einstellungen..."
            vb::Form* a = vb::LoadedForm("frmAnzeigen");
            ASSERT_NE(a, nullptr);
            QWidget* win = vb::qtforms::WindowOf(*a);
            for (QObject* o : win->children())
                if (auto* bar = qobject_cast<QMenuBar*>(o))
                    for (QAction* m : bar->actions())
                        if (m->text() == "Einstellungen..." && m->menu()) {
                            // opened as a click on it opens it: below its place on the bar
                            const QRect r = bar->actionGeometry(m);
                            m->menu()->popup(bar->mapToGlobal(r.bottomLeft()));
                            Lassen(200);
                            kamera.Aufnehmen("frmAnzeigen_Einstellungen", m->menu(), nullptr);
                            m->menu()->close();
                        }
            EXPECT_TRUE(kamera.aufgenommen.count("frmAnzeigen_Einstellungen"));
            // "H504  ein": the strip of the header and footer texts comes up
            vb::user::menu("frmAnzeigen.mnuH504ein");
            kamera.Fenster("frmHeft504B");
            ++schritt;
            break;
        }
        case 2: { // "zu Bild ..." with 3: the number box, then its OK
            vb::user::menu("frmZorG1.mnuBildNr");
            Lassen(100);
            EXPECT_TRUE(g->frmBildNr.Visible());
            QWidget* box = vb::qtforms::WidgetOf(g->txtBildNr);
            QWidget* ok = vb::qtforms::WidgetOf(g->cmdOKBildNr);
            ASSERT_TRUE(box && ok);
            EXPECT_TRUE(box->isVisible());
            EXPECT_FALSE(box->geometry().intersects(ok->geometry()));
            vb::user::focus("frmZorG1.txtBildNr");
            vb::user::type("3");
            vb::user::click("frmZorG1.cmdOKBildNr");
            ++schritt;
            break;
        }
        case 3: // picture 3 (the results of load case 1, stage 1) waits
            if (folge.BildNr != 3) return;
            EXPECT_EQ(folge.BildTyp, zorg::kErgebnis);
            bild3 = kamera.Aufnehmen("frmZorG1_Bild3", vb::qtforms::WindowOf(*g), nullptr);
            EXPECT_NE(bild1, bild3);
            ++schritt;
            beenden();
            break;
        }
    };
    QTimer::singleShot(50, &zeitgeber, weiter);
    vb::user::click("frmAuswahl.cmdStart");
    EXPECT_EQ(schritt, 4);
    meldungen.Ende();
    for (const char* f : {"frmAnzeigen", "frmZorG1", "frmStartSeite", "frmHeft504B"})
        EXPECT_TRUE(kamera.aufgenommen.count(f)) << f;
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
}

// The first calculation after the run command (tools/run.sh): the examples copied into the projects folder of
// its own and entered in the list of project files (tools/beispiele.sh); "Weiter" in the start window, an
// example taken from the list, OK through the safety pages, "Berechnung starten". The report window shows the
// example's report, the pictures come up and step on with "weiter" to the first result picture. Every window
// on the way is captured as the screen shows it.
TEST_F(Anzeige, AnExampleTakenFromTheListIsCalculatedAndShowsItsReportAndPictures) {
    const std::string beispiel = "Spundwand_verankert"; // partial factors: both safety pages
    const fs::path projekte = arbeit / "projekte";
    const std::string befehl = "bash '" +
                               (fs::path(ZOR_EXAMPLES).parent_path() / "tools" / "beispiele.sh").string() +
                               "' '" + projekte.string() + "'";
    ASSERT_EQ(std::system(befehl.c_str()), 0); // with this start's XDG_DATA_HOME, as the run command has it
    ::setenv("ZOR_PROJEKTORDNER", projekte.c_str(), 1);
    struct Aufraeumen {
        ~Aufraeumen() { ::unsetenv("ZOR_PROJEKTORDNER"); }
    } aufraeumen;
    // The example's place in the list the window shows (every entry is there: its file exists).
    const std::vector<std::string> liste = zortest::Zeilen(arbeit / "daten" / "JyRootJy" / "ZorDList.txt");
    int32_t eintrag = -1;
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (liste[i].ends_with("/" + beispiel + "\"")) eintrag = static_cast<int32_t>(i);
    ASSERT_GE(eintrag, 0) << "the run command did not enter the example in the list";

    Kamera kamera;
    Meldungen meldungen(kamera);
    // leaving the save name, which is the example's own: it is overwritten, as the user confirms
    meldungen.antworten["Datei bereits vorhanden"] = "Ja";
    meldungen.Beobachten();
    neuprojekt::Skript sk;
    sk.klick("frmZOR0.cmdOK"); // "Weiter"
    sk.klick("frmTitel.cmdDatei(2)");
    sk.eintrag("frmDListe.List1", eintrag);
    sk.klick("frmDListe.cmdOK(0)"); // "Ausgewählte Datei einlesen"
    sk.klick("frmTitel.cmdOK");
    sk.klick("frmBTeilSi.cmdOK");
    sk.klick("frmBTeilSi2.cmdOK");
    std::string gewaehlt;
    apptest::QtSkript skript(sk.schritte);
    skript.angehalten = [&] { return kamera.beschaeftigt || MeldungOffen(); };
    skript.vorher = [&](const Schritt& s) {
        if (std::getenv("ZOR_ANZEIGE_PROTOKOLL")) std::fprintf(stderr, "Schritt %s\n", s.pfad.c_str());
        if (s.pfad == "frmDListe.cmdOK(0)") {
            const vb::ListBox& l = vb::form<frmDListe>().List1;
            gewaehlt = l.ListIndex() >= 0 ? l.List(l.ListIndex()) : "";
        }
        kamera.AlleFenster();
    };
    vb::FormByName("frmZOR0");
    skript.alle();
    EXPECT_EQ(vb::Trim(gewaehlt), (projekte / beispiel).string());
    EXPECT_EQ(P.DatenGelesen, -1);
    EXPECT_EQ(P.GanzerName, (projekte / beispiel).string());
    ASSERT_NE(vb::LoadedForm("frmAuswahl"), nullptr);
    kamera.AlleFenster();
    for (const char* f :
         {"frmZOR0", "frmTitel", "frmDListe", "meldung_1", "frmBTeilSi", "frmBTeilSi2", "frmAuswahl"})
        EXPECT_TRUE(kamera.aufgenommen.count(f)) << f;
    EXPECT_EQ(meldungen.gesehen, (std::vector<std::string>{"Datei bereits vorhanden"}));

    // "Berechnung starten": the user looks at the report and the pictures while the graphics window waits,
    // then maximises the graphics window to read the result picture: it is drawn anew to the whole screen,
    // and its labels are at least as large as the report window's text.
    int schritt = 0, weiter = 0, gezeichnet = 0;
    auto mitschrift = vb::draw::RecordingSurface::Screen();
    int berichtPixel = 0;
    QElapsedTimer uhr;
    uhr.start();
    QImage bild1;
    std::string bericht;
    bool imGang = false;
    QObject zeitgeber;
    std::function<void()> blick = [&] {
        if (imGang || schritt >= 5) return;
        imGang = true;
        auto* g = static_cast<frmZorG1*>(vb::LoadedForm("frmZorG1"));
        const bool bereit =
            g && g->Visible() && !g->Folge().verlauf.empty() && !kamera.beschaeftigt && !MeldungOffen();
        if (uhr.elapsed() > 120000) {
            ADD_FAILURE() << "the pictures did not come (step " << schritt << ")";
            schritt = 5;
        } else if (bereit && schritt == 0 && g->Folge().BildNr == 1) {
            // picture 1 waits beside the report
            kamera.AlleFenster();
            bild1 = kamera.bilder["frmZorG1"];
            if (vb::Form* a = vb::LoadedForm("frmAnzeigen"))
                bericht = static_cast<frmAnzeigen*>(a)->Text2.Text();
            ++schritt;
        } else if (bereit && schritt == 1) {
            if (g->Folge().BildTyp == zorg::kErgebnis) {
                const QImage ergebnis =
                    kamera.Aufnehmen("frmZorG1_Ergebnis", vb::qtforms::WindowOf(*g), nullptr);
                EXPECT_NE(ergebnis, bild1);
                ++schritt;
            } else if (++weiter > 20 || g->Folge().BildNr >= g->Folge().BildAnzahl) {
                ADD_FAILURE() << "no result picture after picture " << g->Folge().BildNr;
                schritt = 5;
            } else {
                vb::user::menu("frmZorG1.mnuWeiter");
            }
        } else if (bereit && schritt == 2) {
            // the maximise button of the title bar: the window asks the window manager for the whole screen
            gezeichnet = static_cast<int>(g->Folge().verlauf.size());
            mitschrift->ClearLog();
            g->surface().SetTap(mitschrift.get());
            if (vb::Form* a = vb::LoadedForm("frmAnzeigen"))
                if (QWidget* text = vb::qtforms::WidgetOf(static_cast<frmAnzeigen*>(a)->Text2))
                    berichtPixel = QFontInfo(text->font()).pixelSize();
            vb::qtforms::WindowOf(*g)->showMaximized();
            ++schritt;
        } else if (bereit && schritt == 3 && static_cast<int>(g->Folge().verlauf.size()) > gezeichnet &&
                   vb::qtforms::WindowOf(*g)->isMaximized()) {
            Lassen(300);
            g->surface().SetTap(nullptr);
            QWidget* win = vb::qtforms::WindowOf(*g);
            const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
            EXPECT_EQ(g->WindowState(), vb::vbMaximized);
            EXPECT_GE(win->frameGeometry().width(), frei.width() - 2);
            EXPECT_GE(win->frameGeometry().height(), frei.height() - 2);
            // the picture on show is the result picture, drawn anew to the window's new size
            EXPECT_EQ(g->Folge().verlauf.back().art, zorg::kErgebnis);
            EXPECT_NEAR(g->surface().DeviceWidthTwips() / g->surface().TwipsPerPixelX(), win->width(), 4);
            const QImage gross = kamera.Aufnehmen("frmZorG1_maximiert", win, nullptr);
            EXPECT_GT(gross.width(), 1000);
            // every label in pixels of the screen (its em) against the report window's text
            ASSERT_GT(berichtPixel, 0);
            int labels = 0;
            for (const auto& r : mitschrift->Records()) {
                if (r.op != vb::draw::RecordOp::Print && r.op != vb::draw::RecordOp::Rotated) continue;
                if (r.text.find_first_not_of(' ') == std::string::npos) continue;
                ++labels;
                const double pixel = r.font.size * win->logicalDpiY() / 72.0;
                EXPECT_GE(pixel + 0.01, berichtPixel) << "\"" << r.text << "\" at " << r.font.size << " pt";
            }
            EXPECT_GT(labels, 20);
            // and no label on another (the horizontal ones, measured in their fonts on the screen)
            struct Feld {
                std::string text;
                QRectF r;
            };
            std::vector<Feld> felder;
            for (const auto& r : mitschrift->Records())
                if (r.op == vb::draw::RecordOp::Print && r.text.find_first_not_of(' ') != std::string::npos) {
                    const auto e = vb::draw::qt::Measure(r.text, r.font, win);
                    felder.push_back({r.text, QRectF(r.tx1, r.ty1, e.width, e.height)});
                }
            for (std::size_t i = 0; i < felder.size(); ++i)
                for (std::size_t j = i + 1; j < felder.size(); ++j) {
                    const QRectF u = felder[i].r.intersected(felder[j].r);
                    const bool gleich = felder[i].text == felder[j].text; // printed again over itself
                    EXPECT_FALSE(!gleich && u.width() > 15 && u.height() > 15)
                        << "\"" << felder[i].text << "\" on \"" << felder[j].text << "\"";
                }
            // back to its size, then its frame dragged to 900 x 900 pixels: drawn anew to that size
            gezeichnet = static_cast<int>(g->Folge().verlauf.size());
            win->showNormal();
            Lassen(300);
            EXPECT_EQ(g->WindowState(), vb::vbNormal);
            win->resize(900, 900);
            ++schritt;
        } else if (bereit && schritt == 4 && static_cast<int>(g->Folge().verlauf.size()) > gezeichnet &&
                   vb::qtforms::WindowOf(*g)->width() == 900) {
            Lassen(300);
            QWidget* win = vb::qtforms::WindowOf(*g);
            EXPECT_EQ(win->height(), 900);
            EXPECT_NEAR(g->surface().DeviceWidthTwips() / g->surface().TwipsPerPixelX(), 900, 4);
            EXPECT_NEAR(g->clientWidth() / vb::Screen::TwipsPerPixelX(), 900, 4);
            kamera.Aufnehmen("frmZorG1_gezogen", win, nullptr);
            ++schritt;
        }
        if (schritt >= 5 && g) vb::user::close("frmZorG1");
        imGang = false;
        if (schritt < 5) QTimer::singleShot(50, &zeitgeber, blick);
    };
    QTimer::singleShot(50, &zeitgeber, blick);
    vb::user::click("frmAuswahl.cmdStart");
    meldungen.Ende();
    EXPECT_EQ(schritt, 5);
    EXPECT_EQ(meldungen.gesehen.size(), 1u); // the calculation asks nothing
    for (const char* f :
         {"frmAnzeigen", "frmZorG1", "frmZorG1_Ergebnis", "frmZorG1_maximiert", "frmZorG1_gezogen"})
        EXPECT_TRUE(kamera.aufgenommen.count(f)) << f;
    // the report window shows the report the run wrote beside the project
    const fs::path kopie = projekte / (beispiel + ".AUS");
    ASSERT_TRUE(fs::exists(kopie));
    EXPECT_FALSE(bericht.empty());
    EXPECT_EQ(bericht, zortest::Text(kopie).substr(0, bericht.size()));
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
}

} // namespace

namespace {

// After every page the main window opens, its ways out come back on the screen too (where the window
// manager, not the program, says which window is active): the wall page, then the pages that insert and
// delete layers, stages and load cases, each closed by its OK.
TEST_F(Anzeige, TheMainWindowsWaysOutComeBackAfterEveryPage) {
    Kamera kamera;
    Meldungen meldungen(kamera);
    meldungen.antworten["Datei bereits vorhanden"] = "Ja";
    meldungen.Beobachten();
    neuprojekt::Skript sk;
    sk.klick("frmZOR0.cmdOK");
    sk.in("frmTitel.txtEin(1)", "Traegerbohlwand_verankert");
    sk.schritte.push_back({Schritt::Fokus, "frmTitel.txtEin(4)"});
    sk.klick("frmTitel.cmdOK");
    sk.klick("frmBTeilSi.cmdOK");
    apptest::QtSkript skript(sk.schritte);
    skript.angehalten = [&] { return kamera.beschaeftigt || MeldungOffen(); };
    skript.vorher = [&](const Schritt& s) {
        if (std::getenv("ZOR_ANZEIGE_PROTOKOLL")) std::fprintf(stderr, "Schritt %s\n", s.pfad.c_str());
    };
    // the second safety page, with partial factors: confirmed as it comes
    QObject zeitgeber;
    std::function<void()> zweite = [&] {
        if (vb::Form* f = vb::LoadedForm("frmBTeilSi2"); f && f->Visible() && !MeldungOffen()) {
            vb::user::click("frmBTeilSi2.cmdOK");
            return;
        }
        QTimer::singleShot(100, &zeitgeber, zweite);
    };
    QTimer::singleShot(100, &zeitgeber, zweite);
    vb::FormByName("frmZOR0");
    skript.alle();
    ASSERT_NE(vb::LoadedForm("frmAuswahl"), nullptr);
    const char* const knoepfe[] = {"frmAuswahl.cmdEnd", "frmAuswahl.cmdNeustart", "frmAuswahl.cmdNeustart2"};
    auto wegeFrei = [&](const std::string& nach) {
        Lassen(500); // the window manager activates a window after the page went
        for (const char* k : knoepfe)
            EXPECT_TRUE(vb::headless::enabled(k)) << k << " after " << nach;
        QWidget* ende = vb::qtforms::WidgetOf(vb::control("frmAuswahl.cmdEnd"));
        ASSERT_NE(ende, nullptr);
        EXPECT_TRUE(ende->isEnabled()) << "on the screen, after " << nach;
    };
    Lassen(300);
    vb::user::click("frmWand1.cmdOK");
    wegeFrei("frmWand1");
    for (int16_t thema : {11, 12, 13}) {
        const std::string seite = thema == 11 ? "frmBoden0" : thema == 12 ? "frmAushub0" : "frmLast0";
        if (thema == 13 && P.AnzLF < 2) continue;
        vb::user::click("frmAuswahl.optAuswahl(" + std::to_string(thema) + ")");
        vb::user::click("frmAuswahl.cmdOK");
        Lassen(500);
        ASSERT_NE(vb::LoadedForm(seite), nullptr) << seite;
        kamera.Fenster(seite);
        vb::user::click(seite + ".cmdOK");
        wegeFrei(seite);
    }
    meldungen.Ende();
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
}

} // namespace

namespace {

// A message box breaks its lines where the text does: no line of the text is wrapped by the box. The
// message of a second program in the same working folder, with a working folder of a usual length.
TEST_F(Anzeige, TheMessageOfASecondProgramKeepsItsLines) {
    Kamera kamera;
    const std::string ordner = "/home/ingenieur/zor-work";
    const std::string text = zorrun::OrdnerBelegtMeldung(ordner);
    bool geprueft = false;
    QObject zeitgeber;
    std::function<void()> blick = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            QTimer::singleShot(50, &zeitgeber, blick);
            return;
        }
        kamera.Aufnehmen("meldung_ordner_belegt", box, box->defaultButton());
        QLabel* label = nullptr;
        for (QLabel* l : box->findChildren<QLabel*>())
            if (l->text().contains(QStringLiteral("Arbeitsordner"))) label = l;
        EXPECT_NE(label, nullptr);
        if (label) {
            const QFontMetrics fm(label->font());
            for (const QString& zeile : label->text().split('\n'))
                EXPECT_LE(fm.horizontalAdvance(zeile), label->contentsRect().width()) << zeile.toStdString();
        }
        geprueft = true;
        box->defaultButton()->click();
    };
    QTimer::singleShot(50, &zeitgeber, blick);
    vb::MsgBox(text, vb::vbCritical, "ZOR läuft bereits");
    EXPECT_TRUE(geprueft);
}

} // namespace
