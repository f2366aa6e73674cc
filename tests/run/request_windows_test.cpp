// The request's default window slots on stand-ins of the main window and an input dialog: buttons,
// pointer and focus of the main window, the input dialogs unloaded, the report window shown.
#include "tests/run/request_fixture.h"

#include "report/frmAnzeigen.h"
#include "windows/unload_dialogs.h"

namespace runtest {
namespace {

class frmAuswahlAttrappe : public vb::Form {
public:
    vb::CommandButton cmdEnd{*this, "cmdEnd"};
    vb::CommandButton cmdNeustart{*this, "cmdNeustart"};
    vb::CommandButton cmdNeustart2{*this, "cmdNeustart2"};
    vb::CommandButton cmdStart{*this, "cmdStart"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::ControlArray<vb::OptionButton> optAuswahl{*this, "optAuswahl"};
    frmAuswahlAttrappe() : vb::Form("frmAuswahl") {
        for (int16_t i : {1, 2, 3, 4})
            optAuswahl.add(i);
    }
    void Form_Load() override { Show(); }
};

class frmWand1Attrappe : public vb::Form {
public:
    frmWand1Attrappe() : vb::Form("frmWand1") {}
    void Form_Load() override { Show(); }
};

class AnfrageFenster : public Anfrage {
protected:
    void SetUp() override {
        Anfrage::SetUp();
        zorrun::FensterStandard();
        vb::form<frmAuswahlAttrappe>();
        vb::form<frmWand1Attrappe>();
    }
    frmAuswahlAttrappe& Haupt() { return vb::form<frmAuswahlAttrappe>(); }
};

TEST_F(AnfrageFenster, DuringARunTheMainWindowIsLockedAndAfterItTheReportWindowShows) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    vb::WriteFileBytes("LPTZW", "Bericht\r\n");
    bool gesperrt = false, sanduhrWaehrend = false, dialogOffen = true;
    zorrun::Stufen().ErddruckBerechnen = [&] {
        auto& h = Haupt();
        gesperrt = !h.cmdEnd.Enabled() && !h.cmdNeustart.Enabled() && !h.cmdNeustart2.Enabled() &&
                   !h.cmdStart.Enabled() && !h.cmdOK.Enabled();
        sanduhrWaehrend = h.MousePointer() == vb::vbHourglass;
        dialogOffen = vb::isLoaded<frmWand1Attrappe>();
    };
    std::string fokusVorBericht;
    auto zeigen = zorrun::Fenster().BerichtFensterZeigen;
    zorrun::Fenster().BerichtFensterZeigen = [&] {
        fokusVorBericht = vb::headless::focused();
        zeigen();
    };
    EXPECT_EQ(zorrun::cmdStart_Click(), zorrun::Anfrageausgang::Fertig);
    EXPECT_TRUE(gesperrt);
    EXPECT_TRUE(sanduhrWaehrend);
    EXPECT_FALSE(dialogOffen);
    auto& h = Haupt();
    EXPECT_TRUE(h.cmdEnd.Enabled() && h.cmdNeustart.Enabled() && h.cmdNeustart2.Enabled() &&
                h.cmdStart.Enabled() && h.cmdOK.Enabled());
    EXPECT_EQ(h.MousePointer(), vb::vbDefault);
    EXPECT_EQ(fokusVorBericht, "frmAuswahl.cmdEnd"); // then the report window comes to the front
    ASSERT_TRUE(vb::isLoaded<frmAnzeigen>());
    EXPECT_TRUE(vb::form<frmAnzeigen>().Visible());
    EXPECT_EQ(vb::ReadFileBytes(P.GanzerNameOhneExt + ".AUS"), "Bericht\r\n");
}

TEST_F(AnfrageFenster, WithoutALoadCaseTheFocusGoesToTheLoadCases) {
    Beispiel("Spundwand_frei");
    Platzhalterstufen();
    P.AnzLF = 0;
    EXPECT_EQ(zorrun::cmdStart_Click(), zorrun::Anfrageausgang::KeinLauf);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(4)");
    EXPECT_TRUE(Haupt().cmdOK.Enabled());
    EXPECT_FALSE(Haupt().cmdEnd.Enabled());
    EXPECT_EQ(Haupt().MousePointer(), vb::vbDefault);
}

TEST_F(AnfrageFenster, UnloadingTheInputDialogsLeavesOtherWindowsAlone) {
    zorm1::MaskenEntladen();
    EXPECT_FALSE(vb::isLoaded<frmWand1Attrappe>());
    EXPECT_TRUE(vb::isLoaded<frmAuswahlAttrappe>());
    zorm1::MaskenEntladen(); // nothing left to unload
}

} // namespace
} // namespace runtest
