// The main window: the topics and their pages, the stage and load-case numbers, the ways out, and the two
// housekeeping routines (unloading the pages, deleting the working files).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "dialogs/project/project_dialogs.h"
#include "dialogs/stages/stage_dialogs.h"
#include "frame/project_file.h"
#include "frame/settings.h"
#include "frame/stage_table.h"
#include "platform/runtime/folder_lock.h"
#include "run/frmAuswahl.h"
#include "run/frmTitel.h"
#include "run/program.h"
#include "run/windows.h"
#include "run/working_files.h"
#include "tests/run/request_fixture.h"
#include "tests/run/window_fixture.h"
#include "windows/unload_dialogs.h"

namespace fs = std::filesystem;
using namespace fenstertest;
using zorm1::P;

namespace {

const char* const kSeiten[] = {"frmWand1",   "frmBoden1", "frmAushub1", "frmLast1", "frmAnker1",
                               "frmAusgabe", "frmBoden0", "frmAushub0", "frmLast0"};

class Hauptfenster : public FensterTest {
protected:
    void SetUp() override {
        FensterTest::SetUp();
        vb::RegisterForm<Seite<"frmWand1">>("frmWand1");
        vb::RegisterForm<Seite<"frmBoden1">>("frmBoden1");
        vb::RegisterForm<Seite<"frmAushub1">>("frmAushub1");
        vb::RegisterForm<Seite<"frmLast1">>("frmLast1");
        vb::RegisterForm<Seite<"frmAnker1">>("frmAnker1");
        vb::RegisterForm<Seite<"frmAusgabe">>("frmAusgabe");
        vb::RegisterForm<Seite<"frmBoden0">>("frmBoden0");
        vb::RegisterForm<Seite<"frmAushub0">>("frmAushub0");
        vb::RegisterForm<Seite<"frmLast0">>("frmLast0");
        P.AnzAush = 3;
        P.AnzLF = 1;
        P.AnzErd = 2;
        P.DateiPfad = projekt.string() + "/";
        P.DateiName = "baugrube";
        P.GanzerName = P.DateiPfad + P.DateiName;
        P.GanzerNameOhneExt = P.GanzerName;
    }
    frmAuswahl& Fenster() { return vb::form<frmAuswahl>(); }
    // Types a number into a box of the window and leaves it.
    void NummerTippen(int16_t box, const std::string& zahl) {
        vb::user::click("frmAuswahl.optAuswahl(" + std::to_string(box == 1 ? 3 : 4) + ")");
        vb::user::focus("frmAuswahl.txtAushub(" + std::to_string(box) + ")");
        vb::user::type(zahl);
        vb::user::focus("frmAuswahl.cmdStart");
    }
};

TEST_F(Hauptfenster, ShowsCountsAndTheLast35CharactersOfTheFileNameAndSitsBottomRight) {
    P.AnzAush = 0; // raised to 1 on loading, as the numbers
    P.AushNr = 0;
    P.GanzerName = "/a/very/long/folder/name/of/the/project/baugrube_2026";
    auto& f = Fenster();
    EXPECT_EQ(f.Caption(), "ZOR  Auswahl - Tabelle   ");
    EXPECT_EQ(f.txtDateiName.Text(), "r/name/of/the/project/baugrube_2026");
    EXPECT_EQ(f.txtDateiName.Text().size(), 35u);
    const char* erwartet[] = {"1", "1", "1", "1", "2"};
    for (int16_t i = 0; i <= 4; ++i)
        EXPECT_EQ(f.txtAushub(i).Text(), erwartet[i]) << i;
    EXPECT_FLOAT_EQ(f.Left() + f.Width(), vb::Screen::Width());
    EXPECT_FLOAT_EQ(f.Top() + f.Height() + 500, vb::Screen::Height());
    EXPECT_FALSE(f.txtAushub(1).Enabled());
    vb::user::click("frmAuswahl.optAuswahl(3)");
    EXPECT_TRUE(f.txtAushub(1).Enabled());
    EXPECT_FALSE(f.txtAushub(3).Enabled());
    vb::user::click("frmAuswahl.optAuswahl(4)");
    EXPECT_FALSE(f.txtAushub(1).Enabled());
    EXPECT_TRUE(f.txtAushub(3).Enabled());
}

TEST_F(Hauptfenster, ATypedNumberAboveTheCountMakesOneNewStageOrLoadCaseWithinTheLimits) {
    struct Fall {
        int16_t box, anzahl;
        const char* getippt;
        int16_t nr, anzahlDanach;
        const char* seite;
    };
    const Fall faelle[] = {
        {1, 3, "9", 4, 4, "frmAushub1"},     {1, 15, "16", 15, 15, "frmAushub1"},
        {3, 8, "9", 8, 8, "frmLast1"},       {1, 3, "2", 2, 3, "frmAushub1"},
        {1, 3, "0", 1, 3, "frmAushub1"},     {3, 2, "99999", 3, 3, "frmLast1"}, // beyond 16 bits: above
        {1, 3, "40000", 4, 4, "frmAushub1"}, {3, 2, "-70000", 1, 2, "frmLast1"}};
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.getippt);
        vb::headless::ResetForms();
        Protokoll().clear();
        (c.box == 1 ? P.AnzAush : P.AnzLF) = c.anzahl;
        P.AushNr = P.LFNr = 1;
        auto& f = Fenster();
        NummerTippen(c.box, c.getippt);
        EXPECT_EQ(c.box == 1 ? P.AushNr : P.LFNr, c.nr);
        EXPECT_EQ(c.box == 1 ? P.AnzAush : P.AnzLF, c.anzahlDanach);
        EXPECT_EQ(f.txtAushub(c.box - 1).Text(), std::to_string(c.anzahlDanach));
        EXPECT_EQ(Geladen(), std::vector<std::string>({c.seite}));
    }
}

TEST_F(Hauptfenster, OkOpensTheFirstChosenTopicAfterUnloadingThePagesAndLoadCaseDeletionNeedsTwo) {
    struct Fall {
        int16_t option, anzLF;
        const char* seite; // nullptr: nothing opens
    };
    const Fall faelle[] = {{1, 1, "frmWand1"},    {2, 1, "frmBoden1"}, {3, 1, "frmAushub1"},
                           {4, 1, "frmLast1"},    {5, 1, "frmAnker1"}, {11, 1, "frmBoden0"},
                           {12, 1, "frmAushub0"}, {13, 2, "frmLast0"}, {13, 1, nullptr},
                           {6, 1, "frmAusgabe"}};
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.option);
        vb::headless::ResetForms();
        P.AnzLF = c.anzLF;
        Fenster();
        vb::FormByName("frmWand1"); // a page open from before
        vb::user::activate("frmAuswahl");
        Protokoll().clear();
        vb::user::click("frmAuswahl.optAuswahl(" + std::to_string(c.option) + ")");
        vb::user::click("frmAuswahl.cmdOK");
        std::vector<std::string> erwartet = {"Unload frmWand1"};
        if (c.seite) erwartet.push_back(std::string("Load ") + c.seite);
        EXPECT_EQ(Protokoll(), erwartet);
    }
}

// A chain's last OK puts the focus on the next topic, and the focus chooses it as on Windows: Enter in the
// main window then opens that topic.
TEST_F(Hauptfenster, TheTopicFocusedAtAChainsEndIsChosenAndEnterOpensIt) {
    auto& f = Fenster();
    for (int16_t thema : {2, 5}) {
        vb::user::click("frmAuswahl.optAuswahl(1)");
        f.optAuswahl(thema).SetFocus(); // as the pages' last OK does
        EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(" + std::to_string(thema) + ")");
        EXPECT_TRUE(f.optAuswahl(thema).Value()) << thema;
        EXPECT_FALSE(f.optAuswahl(1).Value()) << thema;
    }
    vb::user::key(vb::vbKeyReturn);
    EXPECT_NE(vb::LoadedForm("frmAnker1"), nullptr);
}

TEST_F(Hauptfenster, ANewStageStartsFromTheWaterLevelAndTheSupportsOfTheStageBefore) {
    P.AnzAush = 2;
    P.zAush = 4.0f;
    P.AnzAnker = 1;
    P.ZAnker[1] = 1.5f;
    zormcom::AushubSpeichern(2);
    P.ZWasserErdAush[2] = 3.5f;
    P.AnzAuflagerStufe = 2;
    P.ZAuflager[1] = 1.5f;
    P.ZAuflager[2] = 3.0f;
    auto& f = Fenster();
    // A new stage 3: earth-side water level of stage 2, support levels of the stage confirmed last.
    P.AushNr = 3;
    P.AnzAush = 3;
    f.Aushub();
    EXPECT_FLOAT_EQ(P.ZWasserErdAush[3], 3.5f);
    EXPECT_EQ(P.AnzAnker, 0);
    EXPECT_FLOAT_EQ(P.ZAnker[1], 1.5f);
    EXPECT_FLOAT_EQ(P.ZAnker[2], 3.0f);
    // Stage 1 of a new project: 99; a stage already entered keeps its own level.
    P.AushNr = 1;
    f.Aushub();
    EXPECT_FLOAT_EQ(P.ZWasserErdAush[1], 99.0f);
    P.ZWasserErdAush[2] = 0.0f;
    P.AushNr = 2;
    f.Aushub();
    EXPECT_FLOAT_EQ(P.ZWasserErdAush[2], 0.0f); // zAush 4: entered, the level 0 stands
    EXPECT_FLOAT_EQ(P.ZAnker[1], 1.5f);         // its own support
}

TEST_F(Hauptfenster, TheWaysOutAreDisabledByATopicAndComeBackWhenTheWindowIsActiveAgain) {
    auto& f = Fenster();
    vb::user::click("frmAuswahl.optAuswahl(1)");
    vb::user::click("frmAuswahl.cmdOK");
    ASSERT_TRUE(vb::LoadedForm("frmWand1"));
    for (const char* b : {"cmdEnd", "cmdNeustart", "cmdNeustart2"})
        EXPECT_FALSE(vb::headless::enabled(std::string("frmAuswahl.") + b)) << b;
    // The page's last OK unloads the pages and shows this window again.
    zorm1::MaskenEntladen();
    f.Show();
    vb::user::activate("frmAuswahl");
    for (const char* b : {"cmdEnd", "cmdNeustart", "cmdNeustart2"})
        EXPECT_TRUE(vb::headless::enabled(std::string("frmAuswahl.") + b)) << b;
    // A topic whose page is not part of the program yet opens nothing and leaves them usable.
    vb::UnregisterForm("frmAnker1");
    vb::user::click("frmAuswahl.optAuswahl(5)");
    vb::user::click("frmAuswahl.cmdOK");
    EXPECT_TRUE(vb::headless::enabled("frmAuswahl.cmdEnd"));
}

class Beenden : public Hauptfenster {
protected:
    std::string original;
    void SetUp() override {
        Hauptfenster::SetUp();
        fs::copy_file(fs::path(ZOR_TEST_DATA) / "Spundwand_frei", projekt / "baugrube");
        original = vb::ReadFileBytes((projekt / "baugrube").string());
        ASSERT_TRUE(zorm1::EingabeLesen(P.GanzerName));
        Datei(arbeit / "LPTZW", "report");
        Datei(arbeit / "WEXASAVE", "copy");
    }
};

TEST_F(Beenden, AbbruchAndTheCloseBoxEndWithoutSavingAndDeleteTheWorkingFiles) {
    for (bool schliessen : {false, true}) {
        vb::headless::ResetForms();
        Fenster();
        P.ProjBez = "geändert";
        P.AnzLF = 2;
        EXPECT_THROW(schliessen ? vb::user::close("frmAuswahl") : vb::user::click("frmAuswahl.cmdEsc"),
                     vb::ProgramEnd);
        EXPECT_EQ(vb::ReadFileBytes((projekt / "baugrube").string()), original);
        EXPECT_FALSE(fs::exists(wurzel / "ZORPFAD.DAT"));
        EXPECT_FALSE(fs::exists(arbeit / "LPTZW"));
        EXPECT_FALSE(fs::exists(arbeit / "WEXASAVE"));
        EXPECT_TRUE(fs::exists(projekt / "baugrube"));
        Datei(arbeit / "LPTZW", "report");
        Datei(arbeit / "WEXASAVE", "copy");
    }
}

TEST_F(Beenden, ProgrammBeendenDeletesTheWorkingFilesAndSavesProjectAndSettings) {
    Fenster();
    P.ProjBez = "Baugrube Nord";
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdEnd"), vb::ProgramEnd);
    EXPECT_FALSE(fs::exists(arbeit / "LPTZW"));
    EXPECT_FALSE(fs::exists(arbeit / "WEXASAVE"));
    EXPECT_TRUE(fs::exists(wurzel / "ZORPFAD.DAT"));
    zorm1::ResetProjectData();
    Zormg::FelderDimensionieren();
    ASSERT_TRUE(zorm1::EingabeLesen((projekt / "baugrube").string()));
    EXPECT_EQ(P.ProjBez, "Baugrube Nord");
}

TEST_F(Beenden, AFailedSaveKeepsTheProgramOpenWithTheProjectInMemory) {
    auto& f = Fenster();
    P.GanzerName = (arbeit / "fehlt" / "baugrube").string(); // a folder that does not exist
    P.ProjBez = "ungespeichert";
    for (const char* knopf : {"frmAuswahl.cmdEnd", "frmAuswahl.cmdNeustart"}) {
        vb::headless::Reset();
        EXPECT_NO_THROW(vb::user::click(knopf)) << knopf;
        EXPECT_EQ(vb::headless::Log().size(), 1u) << knopf; // the writer tells it
        EXPECT_TRUE(f.loaded());
        EXPECT_EQ(P.ProjBez, "ungespeichert");
    }
    EXPECT_TRUE(vb::headless::StartedPrograms().empty());
}

TEST_F(Beenden, ZorNeuStartenSavesAndStartsTheProgramsOwnExecutable) {
    Fenster();
    P.ProjBez = "neu gestartet";
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdNeustart"), vb::ProgramEnd);
    ASSERT_EQ(vb::headless::StartedPrograms().size(), 1u);
    EXPECT_EQ(vb::headless::StartedPrograms()[0], fs::read_symlink("/proc/self/exe").string());
    EXPECT_NE(vb::ReadFileBytes((projekt / "baugrube").string()), original);
    EXPECT_TRUE(fs::exists(wurzel / "ZORPFAD.DAT"));
    EXPECT_FALSE(fs::exists(arbeit / "LPTZW")); // the new instance finds none of this one's working files
    EXPECT_FALSE(fs::exists(arbeit / "WEXASAVE"));
}

// The headless backend, except that starting a program is what `starten` does (by default: it cannot start).
class OhneNeustart : public vb::Backend {
public:
    vb::Backend& b = vb::CurrentBackend();
    void formShown(vb::Form& f) override { b.formShown(f); }
    void formHidden(vb::Form& f) override { b.formHidden(f); }
    void formUnloading(vb::Form& f) override { b.formUnloading(f); }
    void formChanged(vb::Form& f, vb::Prop p) override { b.formChanged(f, p); }
    void controlChanged(vb::Control& c, vb::Prop p) override { b.controlChanged(c, p); }
    void controlDestroyed(vb::Control& c) override { b.controlDestroyed(c); }
    void focusChanged(vb::Control* c) override { b.focusChanged(c); }
    void screenPointerChanged(int16_t p) override { b.screenPointerChanged(p); }
    vb::draw::Surface* drawingTarget(vb::Form& f) override { return b.drawingTarget(f); }
    vb::draw::Surface* drawingTarget(vb::PictureBox& p) override { return b.drawingTarget(p); }
    void waitUntil(const std::function<bool()>& done, std::string_view what) override {
        b.waitUntil(done, what);
    }
    void doEvents() override { b.doEvents(); }
    void sleep(int ms) override { b.sleep(ms); }
    vb::ScreenInfo screen() override { return b.screen(); }
    void movePointer(vb::Control& c, int x, int y) override { b.movePointer(c, x, y); }
    void movePointer(vb::Form& f, int x, int y) override { b.movePointer(f, x, y); }
    std::function<bool(const std::string&)> starten = [](const std::string&) { return false; };
    bool startProgram(const std::string& datei) override { return starten(datei); }
    std::string clipboardText() override { return b.clipboardText(); }
    void setClipboardText(const std::string& s) override { b.setClipboardText(s); }
};

TEST_F(Beenden, ARestartLeavesTheWorkingFolderToTheNewInstance) {
    OhneNeustart backend;
    vb::OrdnerSperre::Zustand beimStart = vb::OrdnerSperre::Zustand::NichtMoeglich;
    backend.starten = [&](const std::string&) {
        beimStart = vb::OrdnerSperre(arbeit.path().string()).zustand(); // what the new instance finds
        return true;
    };
    vb::SetBackend(&backend);
    Fenster();
    ASSERT_TRUE(zorrun::ArbeitsordnerBelegen());
    EXPECT_EQ(vb::OrdnerSperre(arbeit.path().string()).zustand(), vb::OrdnerSperre::Zustand::Belegt);
    EXPECT_THROW(vb::user::click("frmAuswahl.cmdNeustart"), vb::ProgramEnd);
    vb::SetBackend(nullptr);
    EXPECT_EQ(beimStart, vb::OrdnerSperre::Zustand::Gehalten);
    EXPECT_FALSE(zorrun::ArbeitsordnerFreigeben()); // nothing held any more
}

TEST_F(Beenden, ARestartThatCannotStartIsToldAndTheProgramStaysOpen) {
    OhneNeustart backend;
    vb::SetBackend(&backend);
    auto& f = Fenster();
    P.ProjBez = "gespeichert";
    ASSERT_TRUE(zorrun::ArbeitsordnerBelegen());
    EXPECT_NO_THROW(vb::user::click("frmAuswahl.cmdNeustart"));
    vb::SetBackend(nullptr);
    // The program holds its working folder again.
    EXPECT_EQ(vb::OrdnerSperre(arbeit.path().string()).zustand(), vb::OrdnerSperre::Zustand::Belegt);
    EXPECT_TRUE(zorrun::ArbeitsordnerFreigeben());
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_NE(vb::headless::Log()[0].prompt.find("nicht neu gestartet"), std::string::npos);
    EXPECT_TRUE(f.loaded());
    EXPECT_NE(vb::ReadFileBytes((projekt / "baugrube").string()).find("gespeichert"), std::string::npos);
}

TEST_F(Beenden, BackToTheStartDialogKeepsTheProjectsNamesAgainstTheSettingsFile) {
    // The settings file names another project (saved last) and other fonts.
    fs::copy_file(fs::path(ZOR_TEST_DATA) / "Traegerbohlwand_verankert", projekt / "andere");
    const zorm1::ProjectData eigen = P;
    P.DateiPfad = projekt.string() + "/";
    P.DateiName = "andere";
    P.GanzerName = P.DateiPfad + "andere";
    P.TextFontSize = 12;
    ASSERT_TRUE(Anzeigen::PfadDateiSchreiben());
    P = eigen;
    P.TextFontSize = 9;
    auto& f = Fenster();
    vb::user::click("frmAuswahl.cmdNeustart2");
    EXPECT_FALSE(f.Visible());
    auto& t = vb::form<frmTitel>();
    EXPECT_EQ(P.GanzerName, eigen.GanzerName);
    EXPECT_EQ(P.DateiName, "baugrube");
    EXPECT_FLOAT_EQ(P.TextFontSize, 9.0f);
    EXPECT_EQ(t.txtEin(2).Text(), projekt.string() + "/");
    EXPECT_EQ(t.txtEin(3).Text(), "baugrube");
    EXPECT_EQ(t.txtEin(4).Text(), P.ProjBez);
    for (int16_t i : {0, 1}) {
        EXPECT_EQ(t.txtEin(i).Text(), "");
        EXPECT_FALSE(t.txtEin(i).Enabled());
    }
    EXPECT_FALSE(t.cmdLesen(1).Value());
    EXPECT_FALSE(t.cmdLesen(0).Enabled());
    EXPECT_FALSE(t.cmdDatei(0).Enabled());
    EXPECT_FALSE(t.cmdDatei(2).Enabled());
    EXPECT_TRUE(t.cmdDatei(1).Enabled());
    EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(2)");
    // OK goes back to the same main window, shown again.
    vb::user::click("frmTitel.cmdOK");
    EXPECT_TRUE(f.Visible());
    EXPECT_FALSE(vb::LoadedForm("frmTitel"));
}

TEST_F(Hauptfenster, MaskenEntladenUnloadsInItsOrderSkippingWhatIsNotLoadedEvenFromAPagesOwnOk) {
    for (const char* n : {"frmAusgabe", "frmLast1", "frmWand1", "frmBoden0"})
        vb::FormByName(n);
    Protokoll().clear();
    // The page's own OK unloads every page, itself included, and returns safely.
    auto& last = static_cast<Seite<"frmLast1">&>(vb::FormByName("frmLast1"));
    last.cmdOK.Click = [] { zorm1::MaskenEntladen(); };
    vb::user::click("frmLast1.cmdOK");
    EXPECT_EQ(Protokoll(), std::vector<std::string>({"Unload frmBoden0", "Unload frmLast1", "Unload frmWand1",
                                                     "Unload frmAusgabe"}));
    for (const char* n : kSeiten)
        EXPECT_FALSE(vb::LoadedForm(n)) << n;
}

TEST_F(Hauptfenster, DateienLoeschenEmptiesTheWorkingFolderOfItsNamesOnly) {
    // One file per name: wildcards take an instance, names ending in "." one without extension.
    auto instanz = [](std::string n) {
        if (n.back() == '.') n.pop_back();
        const auto stern = n.find('*');
        if (stern != std::string::npos)
            n.replace(stern, 1, stern + 1 < n.size() && n[stern + 1] == '.' ? "1" : "");
        if (n.size() > 2 && n.substr(n.size() - 2) == ".*") n.replace(n.size() - 2, 2, ".11");
        return n;
    };
    const std::vector<std::string> koeder = {"ZOREPP.11",  "zorz13",      "baugrube",        "ZOREwid",
                                             "zorgmax.zz", "ZORPFAD.DAT", "ZorDList.txt.bak"};
    ASSERT_EQ(zorm1::LoeschNamen().size(), 55u);
    std::vector<fs::path> ordner = {arbeit.path(), wurzel, projekt};
    for (const fs::path& o : ordner) {
        for (const std::string& n : zorm1::LoeschNamen())
            Datei(o / instanz(n), "x");
        for (const std::string& n : koeder)
            Datei(o / n, "x");
        Datei(o / "wexasave.gl1", "x");
        Datei(o / "WEXASAVE", "x");
    }
    auto anzahl = [](const fs::path& o) {
        return std::distance(fs::directory_iterator(o), fs::directory_iterator{});
    };
    const auto vorher = anzahl(wurzel);
    zorm1::DateienLoeschen();
    std::vector<std::string> rest;
    for (const auto& e : fs::directory_iterator(arbeit.path()))
        if (e.is_regular_file()) rest.push_back(e.path().filename().string());
    std::sort(rest.begin(), rest.end());
    std::vector<std::string> erwartet = koeder;
    std::sort(erwartet.begin(), erwartet.end());
    // "ZOREwid" has no extension: "ZOREwid.*" takes it by the Windows rule, as "wexasave.*" takes "WEXASAVE".
    erwartet.erase(std::find(erwartet.begin(), erwartet.end(), "ZOREwid"));
    EXPECT_EQ(rest, erwartet);
    EXPECT_EQ(anzahl(wurzel), vorher);
    EXPECT_EQ(anzahl(projekt), vorher);
    // Started in the folder of the projects: the working files go there too; the project's own files stay,
    // here those of a project named like a working file.
    P.GanzerName = (projekt / "zorlast").string();
    P.GanzerNameOhneExt = P.GanzerName;
    for (const char* n : {"zorlast.AUS", "zorlast.gl1", "zorlast.gl2", "Bericht.pdf"})
        Datei(projekt / n, "x");
    fs::current_path(projekt);
    zorm1::DateienLoeschen();
    fs::current_path(arbeit.path());
    rest.clear();
    for (const auto& e : fs::directory_iterator(projekt))
        if (e.is_regular_file()) rest.push_back(e.path().filename().string());
    std::sort(rest.begin(), rest.end());
    for (const char* n : {"zorlast", "zorlast.AUS", "zorlast.gl1", "zorlast.gl2", "Bericht.pdf"})
        erwartet.push_back(n);
    std::sort(erwartet.begin(), erwartet.end());
    EXPECT_EQ(rest, erwartet);
}

} // namespace

namespace {

// The pages that insert and delete layers, stages and load cases end on this window as every chain does:
// the ways out ("Programm beenden", "ZOR neu starten", "aktueller Dateiname; ändern in......") come back.
TEST_F(Hauptfenster, TheWaysOutComeBackAfterThePagesThatInsertOrDeleteLayersStagesOrLoadCases) {
    vb::ClearRegistry();
    RegisterFrameRunWindows();
    RegisterProjectDialogs();
    RegisterStageDialogs();
    for (int16_t thema : {11, 12, 13}) {
        SCOPED_TRACE(thema);
        vb::headless::ResetForms();
        P.AnzLF = 2;
        Fenster();
        vb::user::click("frmAuswahl.optAuswahl(" + std::to_string(thema) + ")");
        vb::user::click("frmAuswahl.cmdOK");
        const char* seite = thema == 11 ? "frmBoden0" : thema == 12 ? "frmAushub0" : "frmLast0";
        ASSERT_TRUE(vb::LoadedForm(seite));
        for (const char* b : {"cmdEnd", "cmdNeustart", "cmdNeustart2"})
            EXPECT_FALSE(vb::headless::enabled(std::string("frmAuswahl.") + b)) << b;
        vb::user::click(std::string(seite) + ".cmdOK"); // no entry: nothing changes
        EXPECT_FALSE(vb::LoadedForm(seite));
        for (const char* b : {"cmdEnd", "cmdNeustart", "cmdNeustart2"})
            EXPECT_TRUE(vb::headless::enabled(std::string("frmAuswahl.") + b)) << b;
    }
}

} // namespace

namespace {

// While the pictures of a calculation wait in the graphics window the request still runs, and the user may go
// on in the main window: a page opened and closed then gives the ways out back as well.
class HauptfensterNachRechnung : public runtest::Anfrage {};

TEST_F(HauptfensterNachRechnung, TheWaysOutComeBackAfterAPageOpenedWhileThePicturesWait) {
    RegisterFrameRunWindows();
    RegisterProjectDialogs();
    RegisterStageDialogs();
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    vb::WriteFileBytes("LPTZW", "Bericht\r\n");
    zorrun::FensterStandard();
    vb::form<frmAuswahl>();
    const char* const wege[] = {"frmAuswahl.cmdEnd", "frmAuswahl.cmdNeustart", "frmAuswahl.cmdNeustart2"};
    int seiten = 0;
    zorrun::Fenster().GrafikFensterLaden = [&] {
        ASSERT_TRUE(zorrun::AnfrageLaeuft());
        ASSERT_FALSE(zorrun::AnfrageRechnet());
        for (const char* w : wege)
            EXPECT_TRUE(vb::headless::enabled(w)) << w << " before";
        for (const char* thema : {"1", "12", "11"}) {
            SCOPED_TRACE(thema);
            vb::user::click(std::string("frmAuswahl.optAuswahl(") + thema + ")");
            vb::user::click("frmAuswahl.cmdOK");
            const std::string seite = std::string(thema) == "1"    ? "frmWand1"
                                      : std::string(thema) == "12" ? "frmAushub0"
                                                                   : "frmBoden0";
            ASSERT_TRUE(vb::LoadedForm(seite));
            for (const char* w : wege)
                EXPECT_FALSE(vb::headless::enabled(w)) << w << " while the page is open";
            vb::user::click(seite + ".cmdOK");
            for (const char* w : wege)
                EXPECT_TRUE(vb::headless::enabled(w)) << w << " after " << seite;
            ++seiten;
        }
    };
    EXPECT_EQ(zorrun::cmdStart_Click(), zorrun::Anfrageausgang::Fertig);
    EXPECT_EQ(seiten, 3);
}

} // namespace
