// The main road of the program on the Qt backend (offscreen), as a new user takes it: the start window,
// "Weiter", the start dialog, an example project chosen in the file dialog, the safety pages (stand-ins),
// the main window with its counts, every topic opened and left, then "Programm beenden" or a calculation.
// Screenshots of the three windows are saved beside the other temporary files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <deque>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/qt/forms_qt.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "request/run_stages.h"
#include "request/safety_factors.h"
#include "run/frmAuswahl.h"
#include "run/frmDateiwahl.h"
#include "run/frmTitel.h"
#include "run/frmZOR0.h"
#include "run/windows.h"
#include "slipcircle/state.h"
#include "tests/run/example_copy.h"
#include "tests/support/environment.h"
#include "tests/support/working_folder.h"
#include "windows/unload_dialogs.h"

namespace fs = std::filesystem;
using zorm1::P;

namespace {

std::vector<std::string> protokoll;

template <std::size_t N> struct Name {
    char s[N];
    constexpr Name(const char (&t)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            s[i] = t[i];
    }
};

// An input page: shown when loaded; its OK is the last page of its chain (every page unloaded, the main
// window shown again).
template <Name N> class Seite : public vb::Form {
public:
    vb::CommandButton cmdOK{*this, "cmdOK"};
    Seite() : vb::Form(N.s) {
        setCaption(N.s);
        setClientSize(3000, 1200);
        cmdOK.setCaption("OK");
        cmdOK.Move(120, 120, 1200, 495);
        cmdOK.Click = [] {
            zorm1::MaskenEntladen();
            vb::form<frmAuswahl>().Show();
        };
    }
    void Form_Load() override {
        protokoll.push_back(N.s);
        Show();
    }
};

// A safety page: modal, its OK unloads it.
template <Name N> class Sicherheit : public vb::Form {
public:
    vb::CommandButton cmdOK{*this, "cmdOK"};
    Sicherheit() : vb::Form(N.s) {
        setCaption(N.s);
        cmdOK.setCaption("OK");
        cmdOK.Move(120, 120, 1200, 495);
        cmdOK.Click = [this] {
            Sicherheiten::SicherheitsbeiwerteSetzen(); // the working factors, as the real page's OK
            vb::Unload(*this);
        };
    }
    void Form_Load() override { protokoll.push_back(N.s); }
};

// Steps of the user taken while the program waits in a modal window: each waits until its window is shown,
// then acts through the same user actions as everywhere. A step that cannot come within 20 s fails the test
// and closes the modal window so that nothing hangs.
class Benutzer {
public:
    struct Schritt {
        std::string fenster;
        std::function<void()> tun;
    };
    Benutzer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start();
    }
    void dann(std::string fenster, std::function<void()> tun) {
        schritte_.push_back({std::move(fenster), std::move(tun)});
        seit_ = std::chrono::steady_clock::now();
    }
    bool fertig() const { return schritte_.empty(); }
    void pruefen() {
        if (fehler_) std::rethrow_exception(std::exchange(fehler_, nullptr));
    }

private:
    void tick() {
        // A message box nobody expects fails the test with its text instead of waiting for ever.
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "unexpected message box: " << box->windowTitle().toStdString() << ": "
                          << box->text().toStdString();
            box->done(0);
            return;
        }
        if (schritte_.empty() || aktiv_) return;
        Schritt& s = schritte_.front();
        vb::Form* f = vb::LoadedForm(s.fenster);
        if (!f || !f->Visible()) {
            if (std::chrono::steady_clock::now() - seit_ > std::chrono::seconds(20)) {
                ADD_FAILURE() << "the window " << s.fenster << " did not come";
                schritte_.clear();
                for (vb::Form* m : vb::Forms())
                    if (m->isModal()) vb::Unload(*m);
            }
            return;
        }
        auto tun = std::move(s.tun);
        schritte_.pop_front();
        seit_ = std::chrono::steady_clock::now();
        aktiv_ = true;
        try {
            tun();
        } catch (...) {
            fehler_ = std::current_exception();
        }
        aktiv_ = false;
    }
    QTimer timer_;
    std::deque<Schritt> schritte_;
    std::chrono::steady_clock::time_point seit_ = std::chrono::steady_clock::now();
    std::exception_ptr fehler_;
    bool aktiv_ = false;
};

std::string Bild(vb::Form& f) {
    QWidget* w = vb::qtforms::WindowOf(f);
    if (!w) return "";
    const std::string datei = (fs::temp_directory_path() / ("zor_" + f.name() + ".png")).string();
    w->grab().toImage().save(QString::fromStdString(datei));
    return datei;
}

std::string Zeile(const fs::path& datei, int nr) {
    const std::string text = vb::ReadFileBytes(datei.string());
    std::size_t a = 0;
    for (int i = 1; i < nr; ++i)
        a = text.find('\n', a) + 1;
    return text.substr(a, text.find('\r', a) - a);
}

class Hauptweg : public ::testing::Test {
protected:
    zortest::WorkingFolder arbeit;
    zortest::Umgebung env;
    fs::path projekt, wurzel;
    std::string original;
    void SetUp() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        zorm1::ResetProjectData();
        protokoll.clear();
        env.set("XDG_DATA_HOME", (arbeit / "xdg").string());
        fs::create_directories(arbeit / "xdg");
        wurzel = arbeit / "xdg" / "JyRootJy";
        projekt = arbeit / "projekte";
        fs::create_directories(projekt);
        fs::copy_file(fs::path(ZOR_TEST_DATA) / "Traegerbohlwand_verankert",
                      projekt / "Traegerbohlwand_verankert");
        original = vb::ReadFileBytes((projekt / "Traegerbohlwand_verankert").string());
        vb::qtforms::Install(false); // message boxes stay headless: they answer with their default button
        RegisterFrameRunWindows();
        vb::RegisterForm<Sicherheit<"frmBTeilSi">>("frmBTeilSi");
        vb::RegisterForm<Sicherheit<"frmBTeilSi2">>("frmBTeilSi2");
        vb::RegisterForm<Seite<"frmWand1">>("frmWand1");
        vb::RegisterForm<Seite<"frmBoden1">>("frmBoden1");
        vb::RegisterForm<Seite<"frmAushub1">>("frmAushub1");
        vb::RegisterForm<Seite<"frmLast1">>("frmLast1");
        vb::RegisterForm<Seite<"frmAnker1">>("frmAnker1");
        vb::RegisterForm<Seite<"frmAusgabe">>("frmAusgabe");
        vb::RegisterForm<Seite<"frmBoden0">>("frmBoden0");
        vb::RegisterForm<Seite<"frmAushub0">>("frmAushub0");
        vb::RegisterForm<Seite<"frmLast0">>("frmLast0");
    }
    void TearDown() override {
        zorrun::StufenStandard();
        vb::qtforms::Uninstall();
        vb::headless::ResetForms();
        vb::ClearRegistry();
    }

    // From the start window to the main window, the example project chosen in the file dialog.
    frmAuswahl& BisZumHauptfenster(Benutzer& benutzer) {
        auto& start = vb::form<frmZOR0>();
        EXPECT_GT(fs::file_size(Bild(start)), 1000u);
        vb::user::click("frmZOR0.cmdOK");
        vb::Form* titel = vb::LoadedForm("frmTitel");
        EXPECT_TRUE(titel && titel->Visible());
        EXPECT_EQ(vb::headless::text("frmTitel.txtEin(1)"), "testzor");

        // "Andere Eing.-D.  suchen :": the folder of the projects, the file, "Auswahl übernehmen".
        benutzer.dann("frmDateiwahl", [this] {
            auto& d = vb::form<frmDateiwahl>();
            int32_t i = 0;
            while (i < d.Dir1.ListCount() && d.Dir1.List(i) != projekt.string())
                ++i;
            vb::user::dblClickItem("frmDateiwahl.Dir1", i);
            EXPECT_EQ(d.File1.ListCount(), 1);
            vb::user::clickItem("frmDateiwahl.File1", 0);
            EXPECT_GT(fs::file_size(Bild(d)), 1000u);
            vb::user::click("frmDateiwahl.cmdOK");
        });
        vb::user::click("frmTitel.cmdDatei(0)");
        benutzer.pruefen();
        EXPECT_EQ(P.DatenGelesen, -1);
        EXPECT_EQ(P.GanzerName, (projekt / "Traegerbohlwand_verankert").string());
        EXPECT_EQ(vb::headless::text("frmTitel.txtEin(3)"), "Traegerbohlwand_verankert");
        EXPECT_EQ(vb::headless::text("frmTitel.txtEin(4)"), P.ProjBez);
        EXPECT_GT(fs::file_size(Bild(*vb::LoadedForm("frmTitel"))), 1000u);

        // OK: the safety pages, each confirmed, then the main window and the wall page.
        benutzer.dann("frmBTeilSi", [] { vb::user::click("frmBTeilSi.cmdOK"); });
        if (P.TeilsicherheitenAn != 0)
            benutzer.dann("frmBTeilSi2", [] { vb::user::click("frmBTeilSi2.cmdOK"); });
        vb::user::click("frmTitel.cmdOK");
        benutzer.pruefen();
        EXPECT_TRUE(benutzer.fertig());
        auto& a = vb::form<frmAuswahl>();
        EXPECT_TRUE(a.Visible());
        EXPECT_EQ(protokoll.back(), "frmWand1");
        return a;
    }
};

TEST_F(Hauptweg, FromTheStartWindowThroughEveryTopicToProgrammBeenden) {
    Benutzer benutzer;
    auto& a = BisZumHauptfenster(benutzer);
    // The counts as the file holds them: layers (statement 2, 10th item) and stages (after the layers).
    const fs::path datei = projekt / "Traegerbohlwand_verankert";
    std::string zeile2 = Zeile(datei, 2);
    for (int i = 0; i < 9; ++i)
        zeile2 = zeile2.substr(zeile2.find(',') + 1);
    const std::string anzErd = zeile2.substr(0, zeile2.find(','));
    EXPECT_EQ(a.txtAushub(4).Text(), anzErd);
    EXPECT_EQ(a.txtAushub(0).Text(), Zeile(datei, 4 + std::stoi(anzErd)));
    EXPECT_EQ(a.txtAushub(0).Text(), "3");
    EXPECT_EQ(a.txtAushub(2).Text(), std::to_string(P.AnzLF));
    EXPECT_EQ(a.txtDateiName.Text(), vb::Right(P.GanzerName, 35));
    EXPECT_GT(fs::file_size(Bild(a)), 1000u);

    // Every topic opened and left by its page's OK.
    vb::user::click("frmWand1.cmdOK");
    for (int16_t i : {1, 2, 3, 4, 5, 11, 12, 13, 6}) {
        SCOPED_TRACE(i);
        protokoll.clear();
        vb::user::click("frmAuswahl.optAuswahl(" + std::to_string(i) + ")");
        vb::user::click("frmAuswahl.cmdOK");
        if (i == 13 && P.AnzLF < 2) {
            EXPECT_TRUE(protokoll.empty());
            continue;
        }
        ASSERT_EQ(protokoll.size(), 1u);
        EXPECT_FALSE(vb::headless::enabled("frmAuswahl.cmdEnd"));
        vb::user::click(protokoll[0] + ".cmdOK");
        EXPECT_TRUE(a.Visible());
        vb::user::activate("frmAuswahl");
        EXPECT_TRUE(vb::headless::enabled("frmAuswahl.cmdEnd"));
    }

    // "Programm beenden": working files gone, project file as chosen, settings written, root folder kept.
    for (const char* n : {"LPTZW", "WEXASAVE", "wexasave.gl1", "ZOREwid.11", "ZORDENDE.DOS"})
        vb::WriteFileBytes((arbeit / n).string(), "x");
    const auto wurzelVorher = std::distance(fs::directory_iterator(wurzel), fs::directory_iterator{});
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    // The file as chosen, but for the full name without extension in statement 3: the start dialog derives
    // it from the save folder and name when the name box is left, and the file keeps it. (The example holds
    // what the pages set as they open: the soldier pile's depth and weight from HEB 300, the design stresses
    // of S 355 with partial factors, the normal force counted.)
    std::string erwartet = original;
    const auto ersetzen = [&erwartet](const std::string& alt, const std::string& neu) {
        ASSERT_NE(erwartet.find(alt), std::string::npos) << alt;
        erwartet.replace(erwartet.find(alt), alt.size(), neu);
    };
    ersetzen("\"Traegerbohlwand_verankert\"", "\"" + datei.string() + "\"");
    EXPECT_EQ(vb::ReadFileBytes(datei.string()), erwartet);
    for (const char* n : {"LPTZW", "WEXASAVE", "wexasave.gl1", "ZOREwid.11", "ZORDENDE.DOS"})
        EXPECT_FALSE(fs::exists(arbeit / n)) << n;
    ASSERT_TRUE(fs::exists(wurzel / "ZORPFAD.DAT"));
    EXPECT_NE(vb::ReadTextFile((wurzel / "ZORPFAD.DAT").string()).find(datei.string()), std::string::npos);
    EXPECT_TRUE(fs::exists(wurzel / "ZorDList.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(wurzel), fs::directory_iterator{}), wurzelVorher + 1);
}

TEST_F(Hauptweg, BerechnungStartenFromTheMainWindow) {
    // The example as it is: the request runs to its end.
    fs::copy_file(fs::path(ZOR_TEST_DATA) / "Traegerbohlwand_verankert", projekt / "Traegerbohlwand_verankert",
                  fs::copy_options::overwrite_existing);
    Benutzer benutzer;
    auto& a = BisZumHauptfenster(benutzer);
    vb::user::click("frmWand1.cmdOK");
    // The graphics window waits on its pictures: the user steps once and closes it, and the click returns.
    benutzer.dann("frmZorG1", [] {
        vb::user::menu("frmZorG1.mnuWeiter");
        vb::user::close("frmZorG1");
    });
    vb::user::click("frmAuswahl.cmdStart");
    benutzer.pruefen();
    EXPECT_TRUE(benutzer.fertig());
    EXPECT_EQ(vb::LoadedForm("frmZorG1"), nullptr);
    EXPECT_TRUE(fs::exists(projekt / "Traegerbohlwand_verankert.AUS"));
    vb::Form* bericht = vb::LoadedForm("frmAnzeigen");
    ASSERT_NE(bericht, nullptr);
    EXPECT_TRUE(bericht->Visible());
    EXPECT_TRUE(a.cmdEnd.Enabled());
    EXPECT_TRUE(a.cmdStart.Enabled());
    EXPECT_EQ(a.MousePointer(), vb::vbDefault);
    // The project is on the list of project files, first.
    EXPECT_NE(vb::ReadTextFile((wurzel / "ZorDList.txt").string()).find(P.GanzerName), std::string::npos);
}

} // namespace
