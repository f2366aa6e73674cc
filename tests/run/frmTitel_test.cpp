// The start dialog: defaults, the read and save boxes with their messages, the file buttons, and OK's
// hand-over to the safety pages, the main window and the wall page.
#include <gtest/gtest.h>

#include <filesystem>

#include "frame/project_list.h"
#include "platform/runtime/vbstring.h"
#include "run/frmAuswahl.h"
#include "run/frmTitel.h"
#include "tests/run/window_fixture.h"

namespace fs = std::filesystem;
using namespace fenstertest;
using zorm1::P;

namespace {

class Startdialog : public FensterTest {
protected:
    std::string hier;
    void SetUp() override {
        FensterTest::SetUp();
        hier = vb::CurDir();
        fs::copy_file(fs::path(ZOR_TEST_DATA) / "Spundwand_frei", arbeit / "Spundwand_frei");
    }
    frmTitel& Dialog() { return vb::form<frmTitel>(); }
    // Types into box i (its text replaced, as the focus selects it) and leaves it for box j.
    void Tippen(int16_t i, const std::string& text, int16_t j) {
        vb::user::focus("frmTitel.txtEin(" + std::to_string(i) + ")");
        vb::user::key(vb::vbKeyBack); // the selected text goes
        vb::user::type(text);
        vb::user::focus("frmTitel.txtEin(" + std::to_string(j) + ")");
    }
    const vb::MsgBoxRecord& LetzteMeldung() {
        EXPECT_FALSE(vb::headless::Log().empty());
        return vb::headless::Log().back();
    }
};

TEST_F(Startdialog, FirstStartShowsTheCurrentFolderAndTestzorWithTheFocusOnReading) {
    auto& t = Dialog();
    EXPECT_EQ(t.Caption(), "ZOR-Startbild");
    for (int16_t i : {0, 2})
        EXPECT_EQ(t.txtEin(i).Text(), hier + "/") << i; // a name typed behind it joins as it stands
    for (int16_t i : {1, 3})
        EXPECT_EQ(t.txtEin(i).Text(), "testzor") << i;
    EXPECT_EQ(vb::headless::focused(), "frmTitel.cmdLesen(1)");
    EXPECT_FLOAT_EQ(P.GradZuRad, 0.01745329f);
    EXPECT_FALSE(t.fraQUM.Visible());
    // A double quote cannot stand in the stored texts: it becomes an apostrophe, with a beep.
    Tippen(4, "Halle \"Süd\"", 5);
    EXPECT_EQ(P.ProjBez, "Halle 'Süd'");
    EXPECT_EQ(vb::headless::BeepCount(), 2);
}

TEST_F(Startdialog, FirstStartReadsAProjectTypedIntoTheReadNameBox) {
    // No settings file: the read folder is the current folder, and only the name is typed.
    auto& t = Dialog();
    Tippen(1, "Spundwand_frei", 3);
    EXPECT_TRUE(vb::headless::Log().empty()); // no "Datei existiert nicht !"
    EXPECT_EQ(P.GanzerName, hier + "/Spundwand_frei");
    EXPECT_EQ(P.DatenGelesen, -1);
    EXPECT_EQ(P.AnzErd, 2); // the example's two layers
    EXPECT_EQ(t.txtEin(3).Text(), "Spundwand_frei");
}

TEST_F(Startdialog, AMissingReadFolderIsNamedAndCancelEmptiesIt) {
    vb::headless::QueueAnswer(vb::vbCancel);
    auto& t = Dialog();
    Tippen(0, "/gibt/es/nicht", 5);
    EXPECT_EQ(LetzteMeldung().prompt, "Pfad   /gibt/es/nicht/   existiert nicht!\r\n"
                                      "Wählen Sie 'Andere Eingabe-Datei suchen lassen',\r\n"
                                      "um einen vorhandenen Pfad (mit Datei) auszuwählen.");
    EXPECT_EQ(LetzteMeldung().buttons, vb::vbOKCancel);
    EXPECT_EQ(LetzteMeldung().title, "");
    EXPECT_EQ(t.txtEin(0).Text(), "");
    EXPECT_EQ(P.DateiPfad, "");
    // An existing folder is normalised; an empty one is the current folder.
    Tippen(0, (arbeit / "projekte").string(), 5);
    EXPECT_EQ(P.DateiPfad, (arbeit / "projekte").string() + "/");
    Tippen(0, "", 5);
    EXPECT_EQ(P.DateiPfad, hier + "/");
    EXPECT_EQ(t.txtEin(0).Text(), ""); // a title box entered before any read empties the read boxes
    EXPECT_EQ(vb::headless::Log().size(), 1u);
}

TEST_F(Startdialog, OkOnAMissingReadFolderOpensTheFileDialogAndReadsTheChosenProject) {
    auto& t = Dialog();
    vb::headless::QueueAnswer(vb::vbOK);
    vb::script::clickItem("frmDateiwahl.File1", 0); // the only file without extension: the example
    vb::script::click("frmDateiwahl.cmdOK");
    Tippen(0, "/gibt/es/nicht", 1);
    EXPECT_EQ(vb::script::pending(), 0u);
    EXPECT_EQ(P.DatenGelesen, -1);
    EXPECT_EQ(t.txtEin(0).Text(), hier + "/");
    EXPECT_EQ(P.GanzerName, hier + "/Spundwand_frei");
    EXPECT_EQ(t.txtEin(2).Text(), hier + "/");
    EXPECT_EQ(t.txtEin(3).Text(), "Spundwand_frei");
    EXPECT_EQ(t.txtEin(4).Text(), P.ProjBez);
    EXPECT_FALSE(P.ProjBez.empty());
}

TEST_F(Startdialog, AReadNameIsMeasuredWithoutItsExtensionAndUnder10BytesIsMissing) {
    Datei(arbeit / "kurz", "123456789");               // 9 bytes
    Datei(arbeit / "wand.txt", std::string(500, 'x')); // "wand" itself does not exist
    struct Fall {
        const char* name;
        int antwort;
        const char* fokus;
    };
    for (const Fall& c :
         {Fall{"kurz", vb::vbNo, "frmTitel.txtEin(2)"}, Fall{"wand.txt", vb::vbCancel, "frmTitel.txtEin(2)"},
          Fall{"kurz", vb::vbYes, "frmTitel.txtEin(0)"}}) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.antwort));
        vb::headless::ResetForms();
        vb::headless::QueueAnswer(c.antwort);
        auto& t = Dialog();
        Tippen(1, c.name, 3);
        ASSERT_EQ(vb::headless::Log().size(), 1u);
        EXPECT_EQ(LetzteMeldung().prompt, "Datei existiert nicht ! \r\n\r\nNeuer Versuch ?");
        EXPECT_EQ(LetzteMeldung().buttons, vb::vbYesNoCancel);
        EXPECT_EQ(LetzteMeldung().title, "Datei lesen");
        EXPECT_EQ(vb::headless::focused(), c.fokus);
        if (c.antwort != vb::vbYes) {
            EXPECT_EQ(t.txtEin(0).Text(), "");
            EXPECT_EQ(t.txtEin(1).Text(), "");
        }
        EXPECT_EQ(P.DatenGelesen, 0);
    }
    // A project file is read, without a question.
    vb::headless::ResetForms();
    auto& t = Dialog();
    Tippen(0, hier, 1); // the folder first: the settings give it without its separator
    Tippen(1, "Spundwand_frei", 3);
    EXPECT_TRUE(vb::headless::Log().empty());
    EXPECT_EQ(P.DatenGelesen, -1);
    EXPECT_EQ(t.txtEin(4).Text(), P.ProjBez);
}

TEST_F(Startdialog, AFileThatIsNoProjectIsToldAndTheFocusGoesToTheReadFolder) {
    // The reader only tells it; the start dialog puts the focus on the read folder, the project stays.
    Datei(arbeit / "notiz", "kein Projekt, sondern eine Notiz\r\n");
    auto& t = Dialog();
    Tippen(0, hier, 1);
    Tippen(1, "notiz", 3);
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(LetzteMeldung().title, "Falsche Datei");
    EXPECT_EQ(LetzteMeldung().prompt,
              "Die Datei   " + hier + "/notiz   ist keine Eingabe-Datei für  Z O R  !\r\r");
    EXPECT_EQ(vb::headless::BeepCount(), 1);
    EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(0)");
    EXPECT_EQ(P.DatenGelesen, 0);
    EXPECT_EQ(t.txtEin(1).Text(), "notiz");
}

TEST_F(Startdialog, ASaveNameDefaultsToXyzAndOnlyAFileAbove10BytesAsksToOverwrite) {
    Datei(arbeit / "zehn", "0123456789");
    Datei(arbeit / "elf", "0123456789a");
    auto& t = Dialog();
    Tippen(3, "", 4);
    EXPECT_EQ(t.txtEin(3).Text(), "xyz");
    EXPECT_EQ(P.GanzerName, hier + "/xyz"); // the save folder box was not left: the current folder
    // The user is told, and the name can be changed at once.
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(LetzteMeldung().title, "Datei-Name");
    EXPECT_EQ(LetzteMeldung().prompt,
              "Es ist kein Datei-Name zum Speichern angegeben: die Eingabe wird unter "
              "dem Namen \"xyz\" gespeichert.\r\nSie können den Namen hier ändern.");
    EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(3)");
    vb::headless::Reset();
    vb::headless::QueueAnswer(vb::vbNo);
    Tippen(3, "zehn", 4);
    EXPECT_TRUE(vb::headless::Log().empty());
    Tippen(2, hier, 3);
    Tippen(3, "elf", 4);
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(LetzteMeldung().prompt, "Die Datei         \r\n\r\n" + hier + "/elf" +
                                          "\r\n\r\nist bereits vorhanden!\r\n\r\nÜberschreiben ?");
    EXPECT_EQ(LetzteMeldung().buttons, vb::vbYesNo | vb::vbExclamation);
    EXPECT_EQ(LetzteMeldung().title, "Datei bereits vorhanden");
    EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(2)");
}

TEST_F(Startdialog, OkSaysWhatIsMissingBeforeAReadOrWithoutASavePlaceAndStaysUsable) {
    auto& t = Dialog();
    // The first start proposes "testzor" in the current folder, which is not there.
    vb::user::click("frmTitel.cmdOK");
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(LetzteMeldung().title, "ZOR-Startbild");
    EXPECT_EQ(
        LetzteMeldung().prompt,
        "Es ist noch keine Eingabe-Datei eingelesen.\r\nDie Datei " + hier +
            "/testzor gibt es nicht.\r\n\r\nZum Einlesen: Lese-Pfad und Datei-Name eintragen und mit der "
            "Tab-Taste weiterschalten, \r\noder \"Andere Eing.-D.  suchen :\" oder \"Liste der vorh "
            "Eing.-Dateien zeigen :\" wählen.\r\nFür ein neues Projekt: \"Neu- eingabe\" wählen.");
    EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(0)");
    EXPECT_TRUE(t.cmdOK.Enabled());
    EXPECT_TRUE(vb::LoadedForm("frmTitel"));
    // A name of a file that is there but was not read yet: only what to do.
    vb::headless::Reset();
    t.txtEin(1).setText("Spundwand_frei");
    vb::user::click("frmTitel.cmdOK");
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(LetzteMeldung().prompt.find("gibt es nicht"), std::string::npos);
    EXPECT_EQ(P.DatenGelesen, 0);

    vb::headless::Reset();
    vb::user::click("frmTitel.cmdLesen(0)"); // new input
    EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(2)");
    vb::user::focus("frmTitel.txtEin(4)");
    t.txtEin(2).setText(""); // as the return from the main window shows an empty folder
    vb::user::click("frmTitel.cmdOK");
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(LetzteMeldung().prompt,
              "Es ist kein Speicher-Pfad angegeben.\r\nBitte den Ordner eingeben, in "
              "dem die Eingabe gespeichert wird, oder ihn mit \"Speicherplatz festlegen\" "
              "wählen.");
    EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(2)");
    EXPECT_TRUE(t.cmdOK.Enabled());
    EXPECT_TRUE(vb::LoadedForm("frmTitel"));
}

// The save name is checked at OK, not first at the save ("Fehler 76"): what is wrong is said in plain
// words, the focus goes to the name, and OK stays usable.
TEST_F(Startdialog, OkRefusesASaveNameWithAFolderOrWithoutANameAndSaysWhy) {
    fs::create_directories(arbeit / "ordner");
    const struct Fall {
        const char* name;
        const char* meldung; // a part of the message
    } faelle[] = {
        {"", "Es ist kein Datei-Name zum Speichern angegeben."},
        {"   ", "Es ist kein Datei-Name zum Speichern angegeben."},
        {"unter/wand", "Der Datei-Name \"unter/wand\" enthält einen Ordner-Trenner (\"/\" oder \"\\\")."},
        {"/wand", "enthält einen Ordner-Trenner"},
        {"a\\b", "enthält einen Ordner-Trenner"},
        {".", "Der Datei-Name \".\" bezeichnet einen Ordner, keine Datei."},
        {"..", "bezeichnet einen Ordner, keine Datei."},
        {"ordner", "gibt es einen Ordner; dorthin kann die Eingabe nicht gespeichert werden."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string("\"") + f.name + "\"");
        vb::headless::ResetForms();
        auto& t = Dialog();
        vb::user::click("frmTitel.cmdLesen(0)");
        if (vb::Trim(f.name).empty()) {
            // Leaving an empty box makes it "xyz": an empty box reaches OK only when it was not left.
            vb::user::focus("frmTitel.txtEin(4)");
            t.txtEin(3).setText(f.name);
        } else {
            Tippen(3, f.name, 4);
        }
        vb::headless::Reset();
        vb::user::click("frmTitel.cmdOK");
        ASSERT_EQ(vb::headless::Log().size(), 1u);
        EXPECT_EQ(LetzteMeldung().title, "ZOR-Startbild");
        EXPECT_NE(LetzteMeldung().prompt.find(f.meldung), std::string::npos) << LetzteMeldung().prompt;
        EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(3)");
        EXPECT_TRUE(t.cmdOK.Enabled());
        EXPECT_TRUE(vb::LoadedForm("frmTitel"));
        EXPECT_FALSE(vb::LoadedForm("frmAuswahl"));
    }
    // A plain name goes on to the main window.
    vb::headless::ResetForms();
    auto& t = Dialog();
    vb::user::click("frmTitel.cmdLesen(0)");
    vb::user::focus("frmTitel.txtEin(3)");
    t.txtEin(3).setText("Baugrube_Nord");
    vb::user::focus("frmTitel.txtEin(4)");
    vb::user::click("frmTitel.cmdOK");
    EXPECT_FALSE(vb::LoadedForm("frmTitel"));
    EXPECT_TRUE(vb::LoadedForm("frmAuswahl"));
    EXPECT_EQ(P.GanzerName, hier + "/Baugrube_Nord");
}

TEST_F(Startdialog, OkShowsOneSafetyPageOrTwoWithPartialFactorsThenTheMainWindowAndTheWallPage) {
    vb::RegisterForm<Seite<"frmBTeilSi">>("frmBTeilSi");
    vb::RegisterForm<Seite<"frmBTeilSi2">>("frmBTeilSi2");
    vb::RegisterForm<Seite<"frmWand1">>("frmWand1");
    for (int16_t teil : {0, 1}) {
        SCOPED_TRACE(teil);
        vb::headless::ResetForms();
        Protokoll().clear();
        Dialog();
        vb::user::click("frmTitel.cmdLesen(0)");
        vb::script::call([teil] { P.TeilsicherheitenAn = teil; });
        vb::script::click("frmBTeilSi.cmdOK");
        if (teil) vb::script::click("frmBTeilSi2.cmdOK");
        vb::user::click("frmTitel.cmdOK");
        std::vector<std::string> erwartet = {"Load frmBTeilSi", "Unload frmBTeilSi"};
        if (teil) erwartet.insert(erwartet.end(), {"Load frmBTeilSi2", "Unload frmBTeilSi2"});
        erwartet.push_back("Load frmWand1");
        EXPECT_EQ(Protokoll(), erwartet);
        EXPECT_FALSE(vb::LoadedForm("frmTitel"));
        ASSERT_TRUE(vb::LoadedForm("frmAuswahl"));
        EXPECT_TRUE(vb::LoadedForm("frmAuswahl")->Visible());
    }
    // Without the safety page in the program the working factors are set as its OK would (global: 1.0).
    vb::headless::ResetForms();
    vb::UnregisterForm("frmBTeilSi");
    P.TeilsicherheitenAn = 0;
    P.gamG = 0;
    Dialog();
    vb::user::click("frmTitel.cmdLesen(0)");
    vb::user::click("frmTitel.cmdOK");
    EXPECT_FLOAT_EQ(P.gamG, 1.0f);
    EXPECT_TRUE(vb::LoadedForm("frmAuswahl"));
}

TEST_F(Startdialog, TheListOfProjectFilesClosedWithoutAChoiceReadsNothing) {
    const std::string projekt = hier + "/Spundwand_frei";
    ASSERT_TRUE(DListe::Schreiben({projekt}));
    auto& t = Dialog();
    Tippen(4, "meine Baugrube", 5);
    vb::script::click("frmDListe.cmdOK(1)"); // "Liste schließen"
    vb::user::click("frmTitel.cmdDatei(2)");
    EXPECT_TRUE(vb::headless::Log().empty()); // no "Falsche Datei" for the boxes' "testzor"
    EXPECT_EQ(P.DatenGelesen, 0);
    EXPECT_EQ(t.txtEin(4).Text(), "meine Baugrube");
    // With a choice the project is read.
    vb::script::clickItem("frmDListe.List1", 0);
    vb::script::click("frmDListe.cmdOK(0)");
    vb::user::click("frmTitel.cmdDatei(2)");
    EXPECT_EQ(P.DatenGelesen, -1);
    EXPECT_EQ(P.GanzerName, projekt);
    EXPECT_EQ(t.txtEin(0).Text(), hier + "/");
    EXPECT_EQ(t.txtEin(1).Text(), "Spundwand_frei");
    EXPECT_EQ(vb::headless::focused(), "frmTitel.txtEin(3)");
}

TEST_F(Startdialog, EingabeAbbrechenEndsTheProgram) {
    Dialog();
    EXPECT_THROW(vb::user::click("frmTitel.cmdEsc"), vb::ProgramEnd);
    EXPECT_FALSE(fs::exists(wurzel / "ZORPFAD.DAT"));
}

// A box left for "Eingabe abbrechen" asks nothing: the first click ends the program, whatever the box holds
// (a question there took the click, and the program was left only by a second one).
TEST_F(Startdialog, EingabeAbbrechenLeavesAnyBoxWithoutAQuestion) {
    Datei(arbeit / "elf", "0123456789a");
    const struct {
        int16_t box;
        std::string text; // what the box's leave would ask about
    } faelle[] = {{0, hier + "/fehlt"}, {1, "fehlt"}, {2, hier + "/fehlt"}, {3, "elf"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.box);
        vb::headless::ResetForms();
        vb::headless::Reset();
        Dialog();
        Tippen(2, hier, 4);
        vb::user::focus("frmTitel.txtEin(" + std::to_string(f.box) + ")");
        vb::user::key(vb::vbKeyBack);
        vb::user::type(f.text);
        EXPECT_THROW(vb::user::click("frmTitel.cmdEsc"), vb::ProgramEnd);
        EXPECT_TRUE(vb::headless::Log().empty());
    }
    // Left for another control, the save name still asks.
    vb::headless::ResetForms();
    vb::headless::Reset();
    Dialog();
    vb::headless::QueueAnswer(vb::vbYes);
    Tippen(2, hier, 3);
    Tippen(3, "elf", 4);
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(LetzteMeldung().title, "Datei bereits vorhanden");
}

} // namespace
