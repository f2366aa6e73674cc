// The file dialog on a folder of known names: the pattern list, the file list, the hand-over to the start
// dialog's boxes in both modes, new folders, and the process's current folder left alone.
#include <gtest/gtest.h>

#include <filesystem>

#include "run/frmDateiwahl.h"
#include "tests/run/window_fixture.h"

namespace fs = std::filesystem;
using namespace fenstertest;
using zorm1::P;

namespace {

// The start dialog's four file boxes, under its name.
class StartBoxen : public vb::Form {
public:
    vb::ControlArray<vb::TextBox> txtEin{*this, "txtEin"};
    StartBoxen() : vb::Form("frmTitel") {
        for (int16_t i = 0; i <= 3; ++i)
            txtEin.add(i).setText("alt" + std::to_string(i));
    }
};

class Dateiwahl : public FensterTest {
protected:
    fs::path ordner;
    void SetUp() override {
        FensterTest::SetUp();
        ordner = projekt / "baugruben";
        fs::create_directories(ordner / "sub");
        fs::create_directories(ordner / "leer");
        for (const char* n : {"wand", "proj2", "wand.AUS", "bild.bmp", "plan.BMP", "x.tar.gz", "ZORPFAD.DAT"})
            Datei(ordner / n, "0123456789abc");
        vb::form<StartBoxen>();
        P.DateiPfad = ordner.string() + "/";
    }
    frmDateiwahl& Oeffnen(int16_t modus) {
        P.DateiwahlModus = modus;
        auto& f = vb::form<frmDateiwahl>();
        f.Show();
        return f;
    }
    static std::vector<std::string> Eintraege(const vb::ListControl& l) {
        std::vector<std::string> v;
        for (int32_t i = 0; i < l.ListCount(); ++i)
            v.push_back(l.List(i));
        return v;
    }
    std::string Box(int16_t i) { return vb::form<StartBoxen>().txtEin(i).Text(); }
    using V = std::vector<std::string>;
};

TEST_F(Dateiwahl, ReadingModeListsTheProjectFilesAndOnePatternPerKindOfFile) {
    const std::string vorher = vb::CurDir();
    auto& f = Oeffnen(0);
    EXPECT_EQ(f.Caption(), "Datei lesen");
    EXPECT_FALSE(f.mnuOrdnerneu.Enabled());
    EXPECT_EQ(f.txtMuster.Text(), "*.");
    EXPECT_EQ(Eintraege(f.File1), V({"proj2", "wand"}));
    // In the order of the file list under "*.*": bild.bmp, plan.BMP, proj2, wand, wand.AUS (excluded),
    // x.tar.gz, ZORPFAD.DAT (excluded).
    EXPECT_EQ(Eintraege(f.List1(0)), V({"*.*", "*.BMP", "*.", "*.TAR.GZ"}));
    EXPECT_EQ(f.txtPfad.Text(), ordner.string() + "/");
    EXPECT_EQ(vb::CurDir(), vorher);

    // Two patterns chosen are joined by ";"; a pattern typed lists its files too.
    f.List1(0).setSelected(1, true);
    f.List1(0).setSelected(2, true);
    EXPECT_EQ(f.txtMuster.Text(), "*.BMP;*.");
    EXPECT_EQ(Eintraege(f.File1), V({"bild.bmp", "plan.BMP", "proj2", "wand"}));
    f.txtMuster.setText("*.;*.AUS");
    EXPECT_EQ(Eintraege(f.File1), V({"proj2", "wand", "wand.AUS"}));
    f.txtMuster.setText("a|b"); // invalid: the list keeps its pattern
    EXPECT_EQ(f.File1.Pattern(), "*.;*.AUS");

    // "Auswahl übernehmen" without a file keeps the dialog; a file clicked is handed over.
    vb::user::click("frmDateiwahl.cmdOK");
    EXPECT_TRUE(vb::LoadedForm("frmDateiwahl"));
    vb::user::clickItem("frmDateiwahl.File1", 1);
    vb::user::click("frmDateiwahl.cmdOK");
    EXPECT_FALSE(vb::LoadedForm("frmDateiwahl"));
    EXPECT_TRUE(frmDateiwahl::Uebernommen);
    EXPECT_EQ(Box(0), ordner.string() + "/");
    EXPECT_EQ(Box(1), "wand");
    EXPECT_EQ(Box(2), "alt2");
    EXPECT_EQ(vb::CurDir(), vorher);
}

TEST_F(Dateiwahl, AnEmptyFolderGivesEmptyListsAndAMissingOneOpensTheCurrentFolder) {
    P.DateiPfad = (ordner / "leer").string() + "/";
    auto& f = Oeffnen(0);
    EXPECT_EQ(f.List1(0).ListCount(), 0);
    EXPECT_EQ(f.File1.ListCount(), 0);
    EXPECT_EQ(f.File1.Pattern(), "*.");
    vb::headless::ResetForms();
    vb::form<StartBoxen>();
    P.DateiPfad = (ordner / "gibtsnicht").string() + "/";
    EXPECT_EQ(Oeffnen(0).Dir1.Path(), vb::CurDir());
}

TEST_F(Dateiwahl, SavingModeHandsTheFolderUpToItsLastSeparatorAndANameOnlyWhenChosen) {
    auto& f = Oeffnen(1);
    EXPECT_EQ(f.Caption(), "Datei speichern");
    EXPECT_TRUE(f.mnuOrdnerneu.Enabled());
    // A folder typed without its trailing separator counts up to its last one: its parent.
    f.txtPfad.setText((ordner / "sub").string());
    vb::user::click("frmDateiwahl.cmdOK");
    EXPECT_EQ(Box(2), ordner.string() + "/");
    EXPECT_EQ(Box(3), "alt3");
    // With a file chosen the name goes too.
    auto& g = Oeffnen(1);
    vb::user::clickItem("frmDateiwahl.File1", 0);
    EXPECT_EQ(g.txtDatei.Text(), "proj2");
    vb::user::click("frmDateiwahl.cmdOK");
    EXPECT_EQ(Box(3), "proj2");
}

TEST_F(Dateiwahl, AbbrechenHandsNothingBack) {
    Oeffnen(0);
    frmDateiwahl::Uebernommen = false;
    vb::user::clickItem("frmDateiwahl.File1", 0);
    vb::user::click("frmDateiwahl.cmdEsc");
    EXPECT_FALSE(vb::LoadedForm("frmDateiwahl"));
    EXPECT_FALSE(frmDateiwahl::Uebernommen);
    for (int16_t i = 0; i <= 3; ++i)
        EXPECT_EQ(Box(i), "alt" + std::to_string(i));
}

TEST_F(Dateiwahl, ANewFolderIsMadeBelowTheMarkedOneAndHandedOverWithItsFullPath) {
    auto& f = Oeffnen(1);
    EXPECT_FALSE(f.Frame1.Visible());
    vb::user::menu("frmDateiwahl.mnuOrdnerneu");
    EXPECT_TRUE(vb::headless::visible("frmDateiwahl.Frame1"));
    EXPECT_EQ(f.txtOrdnerneu.Text(), "NeuOrdner");
    // A name that exists already: the message, and the frame stays.
    f.txtOrdnerneu.setText("sub");
    vb::user::click("frmDateiwahl.cmdOrdnOK");
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(vb::headless::Log()[0].prompt, "Ein Ordner dieses Namens besteht schon!");
    EXPECT_EQ(vb::headless::Log()[0].buttons, vb::vbOKOnly);
    EXPECT_EQ(vb::headless::Log()[0].title, "");
    EXPECT_TRUE(f.Frame1.Visible());
    f.txtOrdnerneu.setText("Baugrube 7");
    vb::user::click("frmDateiwahl.cmdOrdnOK");
    EXPECT_TRUE(fs::is_directory(ordner / "Baugrube 7"));
    EXPECT_EQ(Box(2), (ordner / "Baugrube 7").string() + "/");
    EXPECT_EQ(f.Dir1.Path(), (ordner / "Baugrube 7").string());
    EXPECT_EQ(f.txtPfad.Text(), (ordner / "Baugrube 7").string() + "/");
    EXPECT_FALSE(f.Frame1.Visible());
    vb::user::menu("frmDateiwahl.mnuOrdnerneu");
    vb::user::click("frmDateiwahl.cmdOrdnAbbr");
    EXPECT_FALSE(f.Frame1.Visible());
}

TEST_F(Dateiwahl, TheFolderListMovesToTheMarkedFolder) {
    auto& f = Oeffnen(0);
    int32_t i = 0;
    while (i < f.Dir1.ListCount() && f.Dir1.List(i) != (ordner / "sub").string())
        ++i;
    ASSERT_LT(i, f.Dir1.ListCount());
    vb::user::dblClickItem("frmDateiwahl.Dir1", i);
    EXPECT_EQ(f.Dir1.Path(), (ordner / "sub").string());
    EXPECT_EQ(f.txtPfad.Text(), (ordner / "sub").string() + "/");
    EXPECT_EQ(f.File1.ListCount(), 0);
}

} // namespace
