// The new project of tests/run/new_project_script.h entered on the Qt backend (offscreen), the
// same table of user actions as on the headless backend: the file saved by "Programm beenden" is the one
// written by hand, also after reading it back. Each page is photographed when its OK is clicked, filled as
// the user left it (zor_neu_<page>.png beside the other temporary files), for a look at its layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <exception>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/qt/forms_qt.h"
#include "platform/runtime/winfs.h"
#include "request/run_stages.h"
#include "run/frmTitel.h"
#include "slipcircle/state.h"
#include "tests/run/new_project_script.h"
#include "tests/support/working_folder.h"

namespace fs = std::filesystem;
using neuprojekt::Schritt;
using zorm1::P;

namespace {

// The steps in order on the Qt backend. A step on a modal page cannot come from here while the program
// waits in that page: a timer takes it then, as a user would act in the page. Before an OK is clicked
// the page is photographed.
class QtAblauf {
public:
    explicit QtAblauf(std::vector<Schritt> s) : s_(std::move(s)) {}
    std::set<std::string> fotos;

    void alle() {
        tick();
        while (i_ < s_.size()) {
            const std::size_t k = i_++;
            ++tiefe_;
            tun(k);
            --tiefe_;
            if (fehler_) break;
        }
        fertig_ = true;
        if (fehler_) std::rethrow_exception(std::exchange(fehler_, nullptr));
    }

private:
    std::string fenster(std::size_t k) const {
        return (s_[k].art == Schritt::Tippen || s_[k].art == Schritt::Tab) && k > 0 ? fenster(k - 1)
                                                                                    : s_[k].fenster();
    }
    void tun(std::size_t k) {
        const Schritt& s = s_[k];
        if (s.art == Schritt::Klick && s.pfad.ends_with(".cmdOK")) {
            foto(s.fenster());
            if (s.fenster() == "frmAushub1") foto("frmAushub000");
        }
        neuprojekt::Ausfuehren(s);
    }
    void foto(const std::string& name) {
        vb::Form* f = vb::LoadedForm(name);
        QWidget* w = f ? vb::qtforms::WindowOf(*f) : nullptr;
        if (!w || !w->isVisible()) return;
        const std::string datei = (fs::temp_directory_path() / ("zor_neu_" + name + ".png")).string();
        if (w->grab().toImage().save(QString::fromStdString(datei))) fotos.insert(name);
    }
    // While a step waits in a modal page, the steps on that page.
    void tick() {
        if (fertig_) return;
        QTimer::singleShot(10, [this] { tick(); });
        if (tiefe_ == 0 || i_ >= s_.size() || fehler_) return;
        vb::Form* f = vb::LoadedForm(fenster(i_));
        if (!f || !f->Visible() || !f->isModal()) {
            bool modal = false;
            for (vb::Form* m : vb::Forms())
                modal = modal || (m->isModal() && m->Visible());
            if (!modal) seit_ = std::chrono::steady_clock::now();
            if (modal && std::chrono::steady_clock::now() - seit_ > std::chrono::seconds(20)) {
                ADD_FAILURE() << "step " << i_ << " (" << s_[i_].pfad << ") cannot be done in the modal page";
                fehler_ = std::make_exception_ptr(std::runtime_error("script stuck"));
                for (vb::Form* m : vb::Forms())
                    if (m->isModal()) vb::Unload(*m);
            }
            return;
        }
        seit_ = std::chrono::steady_clock::now();
        const std::size_t k = i_++;
        ++tiefe_;
        try {
            tun(k);
        } catch (...) {
            fehler_ = std::current_exception();
        }
        --tiefe_;
    }
    const std::vector<Schritt> s_;
    std::size_t i_ = 0;
    int tiefe_ = 0;
    bool fertig_ = false;
    std::exception_ptr fehler_;
    std::chrono::steady_clock::time_point seit_ = std::chrono::steady_clock::now();
};

class NeuesProjektQt : public ::testing::Test {
protected:
    zortest::WorkingFolder arbeit;
    void SetUp() override {
        for (const char* liste : {"zorSPw.txt", "zorTBw.txt"})
            fs::copy_file(fs::path(ZOR_SHIPPED_DATA) / liste, arbeit / liste);
        fs::create_directories(arbeit / "JyRootJy");
        fs::create_directories(arbeit / "projekte");
        Start();
    }
    void TearDown() override {
        zorrun::StufenStandard();
        vb::qtforms::Uninstall();
        vb::headless::ResetForms();
        vb::ClearRegistry();
        zorm1::ResetProjectData();
    }
    // The program started anew: no window, the project data as at start, the pages registered.
    void Start() {
        vb::qtforms::Uninstall();
        vb::headless::ResetForms();
        vb::qtforms::Install(false); // message boxes stay headless: none may come, and nothing blocks
        vb::ClearRegistry();
        vb::headless::Reset();
        zorm1::ResetProjectData();
        Zormg::FelderDimensionieren();
        P.WurzelOrdner = (arbeit / "JyRootJy").string() + "/";
        P.TiefeUnendlich = 99;
        RegisterProjectDialogs();
        RegisterStageDialogs();
    }
};

TEST_F(NeuesProjektQt, TheSameScriptGivesTheHandWrittenFileAndEveryPageIsPhotographed) {
    const std::string vonHand =
        vb::ReadFileBytes((fs::path(ZOR_TEST_DATA) / "Neubau_Spundwand_von_Hand").string());
    vb::form<frmTitel>();
    QtAblauf eingabe(neuprojekt::NeuesProjekt().schritte);
    eingabe.alle();
    EXPECT_TRUE(vb::headless::Log().empty());
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    EXPECT_EQ(vb::ReadFileBytes("projekte/Neubau_Spundwand"), vonHand);
    const std::set<std::string> seiten = {
        "frmTitel",   "frmAuswahl", "frmBTeilSi", "frmBTeilSi2", "frmWand1",     "frmProfile",
        "frmBoden1",  "frmBoden2",  "frmBoden3",  "frmAushub1",  "frmAushub000", "frmAushub1b",
        "frmAushub2", "frmAushub3", "frmAushub4", "frmAushub6",  "frmAushub7",   "frmAushub8",
        "frmLast1",   "frmLast2",   "frmLast4",   "frmAnker1",   "frmAusgabe",   "frmBemessung"};
    EXPECT_EQ(eingabe.fotos, seiten);

    Start();
    vb::form<frmTitel>();
    QtAblauf lesen(neuprojekt::Einlesen().schritte);
    lesen.alle();
    EXPECT_EQ(P.DatenGelesen, -1);
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    EXPECT_EQ(vb::ReadFileBytes("projekte/Neubau_Spundwand"), neuprojekt::NachDemEinlesen(vonHand));
}

} // namespace
