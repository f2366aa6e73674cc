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
#include "tests/app/qt_script.h"
#include "tests/run/new_project_script.h"
#include "tests/support/working_folder.h"

namespace fs = std::filesystem;
using neuprojekt::Schritt;
using zorm1::P;

namespace {

// The steps in order on the Qt backend; before an OK is clicked the page is photographed.
class QtAblauf {
public:
    explicit QtAblauf(std::vector<Schritt> s) : skript_(std::move(s)) {
        skript_.vorher = [this](const Schritt& s) {
            if (s.art == Schritt::Klick && s.pfad.ends_with(".cmdOK")) {
                foto(s.fenster());
                if (s.fenster() == "frmAushub1") foto("frmAushub000");
            }
        };
    }
    std::set<std::string> fotos;
    void alle() { skript_.alle(); }

private:
    void foto(const std::string& name) {
        vb::Form* f = vb::LoadedForm(name);
        QWidget* w = f ? vb::qtforms::WindowOf(*f) : nullptr;
        if (!w || !w->isVisible()) return;
        const std::string datei = (fs::temp_directory_path() / ("zor_neu_" + name + ".png")).string();
        if (w->grab().toImage().save(QString::fromStdString(datei))) fotos.insert(name);
    }
    apptest::QtSkript skript_;
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
