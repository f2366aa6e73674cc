// The behaviour every input page shares: numbers in boxes typed, read and written, integer fields, refusals,
// opening a page and the end of a chain. A tiny page of two boxes stands for every page.
#include <gtest/gtest.h>

#include "dialogs/project/page.h"
#include "frame/project_data.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace {

class frmProbe : public vb::Form {
public:
    vb::TextBox txtZahl{*this, "txtZahl"};
    vb::TextBox txtGanz{*this, "txtGanz"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    static inline float zahl = 0;
    static inline int16_t ganz = 0;
    frmProbe() : vb::Form("frmProbe") {
        txtZahl.Move(120, 120, 1200, 300);
        txtGanz.Move(120, 520, 1200, 300);
        cmdOK.Move(120, 920, 1200, 400);
        Seite::Zahlbox(txtZahl, zahl);
        Seite::Zahlbox(txtGanz, ganz);
    }
    void Form_Load() override {
        Seite::Oeffnen(*this, cmdOK, [this] {
            txtZahl.setText(Seite::Zahl(zahl));
            txtGanz.setText(vb::StrPlain(ganz));
        });
    }
};

class frmAuswahlProbe : public vb::Form {
public:
    vb::ControlArray<vb::OptionButton> optAuswahl{*this, "optAuswahl"};
    vb::ControlArray<vb::TextBox> txtAushub{*this, "txtAushub"};
    vb::CommandButton cmdOK{*this, "cmdOK"};
    vb::CommandButton cmdStart{*this, "cmdStart"};
    frmAuswahlProbe() : vb::Form("frmAuswahl") {
        for (int16_t i = 1; i <= 6; ++i)
            optAuswahl.add(i).Move(120, 300 * i, 2000, 285);
        txtAushub.add(1).Move(2400, 300, 600, 285);
        txtAushub.add(3).Move(2400, 900, 600, 285);
        cmdOK.Move(120, 2400, 1200, 400);
        cmdStart.Move(1500, 2400, 1200, 400);
    }
};

class Seitenmuster : public ::testing::Test {
protected:
    void SetUp() override {
        vb::headless::ResetForms();
        vb::headless::Reset();
        zorm1::ResetProjectData();
        frmProbe::zahl = 7;
        frmProbe::ganz = 7;
        vb::RegisterForm<frmProbe>("frmProbe");
        vb::RegisterForm<frmAuswahlProbe>("frmAuswahl");
    }
    void TearDown() override {
        vb::headless::ResetForms();
        vb::ClearRegistry();
        zorm1::ResetProjectData();
    }
    // Types into a box of the page and leaves it by focusing the other box.
    static void Eingabe(const char* box, const char* text) {
        vb::form<frmProbe>();
        vb::user::focus(std::string("frmProbe.") + box);
        vb::user::type(text);
        vb::user::focus(std::string(box) == "txtZahl" ? "frmProbe.txtGanz" : "frmProbe.txtZahl");
    }
};

TEST_F(Seitenmuster, NumbersAreReadFromTheLeadingNumberAndWrittenInTheShortestForm) {
    const struct {
        const char* getippt;
        float gespeichert;
        const char* angezeigt; // the box after it was left
        int beeps;
    } faelle[] = {
        {"1,5", 1.5f, "1.5", 0},   // the comma becomes a point
        {"1.2.3", 1.2f, "1.2", 0}, // reading stops at the second point
        {"", 0.0f, "", 0},
        {"2a", 2.0f, "2", 1},    // the letter is dropped with a beep
        {"3/4", 34.0f, "34", 1}, // so is the slash
        {"-.5", -0.5f, "-.5", 0},
        {"4000000000000000000000000000000000000000", 7.0f, "7", 1}, // beyond single precision: refused
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.getippt);
        vb::headless::Reset();
        frmProbe::zahl = 7;
        vb::form<frmProbe>().txtZahl.setText("");
        Eingabe("txtZahl", f.getippt);
        EXPECT_EQ(frmProbe::zahl, f.gespeichert);
        EXPECT_EQ(vb::headless::BeepCount(), f.beeps);
        if (std::string(f.angezeigt) != "" && f.beeps == 1 && f.gespeichert == 7.0f) {
            EXPECT_EQ(vb::headless::text("frmProbe.txtZahl"), f.angezeigt);
            EXPECT_EQ(vb::headless::focused(), "frmProbe.txtZahl"); // the focus came back
        }
    }
    EXPECT_EQ(Seite::Zahl(0.3f), ".3");
    EXPECT_EQ(Seite::ZahlMitBlank(0.3f), " .3");
    EXPECT_EQ(Seite::Zahl(-2.0f), "-2");
}

TEST_F(Seitenmuster, ABoxReadAtOkGivesItsLeadingNumberOrZero) {
    auto& box = vb::form<frmProbe>().txtZahl;
    const struct {
        const char* text;
        float wert;
    } faelle[] = {{" 2.5 m", 2.5f}, {"", 0.0f}, {"x", 0.0f}, {"4E+38", 0.0f}, {"-3E+38", -3e38f}};
    for (const auto& f : faelle) {
        box.setText(f.text);
        EXPECT_EQ(Seite::Wert(box), f.wert) << f.text;
    }
}

TEST_F(Seitenmuster, IntegerBoxesRoundHalvesToEvenAndRefuseWhatDoesNotFitSixteenBits) {
    const struct {
        const char* getippt;
        int16_t gespeichert;
        int beeps;
    } faelle[] = {{"2.5", 2, 0},         {"3.5", 4, 0},   {"-2.5", -2, 0},  {"32767", 32767, 0},
                  {"-32768", -32768, 0}, {"32768", 7, 1}, {"-40000", 7, 1}, {"99999999999", 7, 1}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.getippt);
        vb::headless::Reset();
        frmProbe::ganz = 7;
        vb::form<frmProbe>().txtGanz.setText("");
        Eingabe("txtGanz", f.getippt);
        EXPECT_EQ(frmProbe::ganz, f.gespeichert);
        EXPECT_EQ(vb::headless::BeepCount(), f.beeps);
        if (f.beeps) {
            EXPECT_EQ(vb::headless::text("frmProbe.txtGanz"), "7");
            EXPECT_EQ(vb::headless::focused(), "frmProbe.txtGanz");
        }
    }
}

TEST_F(Seitenmuster, FocusSelectsTheWholeTextSoTypingReplacesIt) {
    frmProbe::zahl = 2.5f;
    vb::form<frmProbe>();
    vb::user::focus("frmProbe.txtZahl");
    vb::user::type("4");
    vb::user::focus("frmProbe.txtGanz");
    EXPECT_EQ(frmProbe::zahl, 4.0f);
}

TEST_F(Seitenmuster, OpeningFocusesOkOnlyAfterAProjectFileWasReadAndMovesTheMouseOntoIt) {
    vb::form<frmProbe>();
    EXPECT_NE(vb::headless::focused(), "frmProbe.cmdOK");
    ASSERT_FALSE(vb::headless::PointerMoves().empty());
    const auto& m = vb::headless::PointerMoves().back();
    EXPECT_EQ(m.control, "frmProbe.cmdOK");
    EXPECT_EQ(m.x, 64); // 0.8 of 1200 twips at 15 twips per pixel
    EXPECT_EQ(m.y, 13); // half of 400 twips: 13.33 pixels
    vb::Unload<frmProbe>();
    P.DatenGelesen = -1;
    vb::form<frmProbe>();
    EXPECT_EQ(vb::headless::focused(), "frmProbe.cmdOK");
}

TEST_F(Seitenmuster, TheEndOfAChainUnloadsThePagesAndFocusesTheNextTopicOfTheMainWindow) {
    vb::FormByName("frmAuswahl").Show();
    vb::form<frmProbe>();
    Seite::KetteEnde(3);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(3)");
    EXPECT_EQ(vb::headless::PointerMoves().back().control, "frmAuswahl.cmdOK");
    Seite::AuswahlNummer(1, 4);
    EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(1)"), "4");
    Seite::KetteEnde(0);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.cmdStart");
    EXPECT_EQ(vb::headless::PointerMoves().back().control, "frmAuswahl.cmdStart");
}

TEST_F(Seitenmuster, HelpBoxesJoinTheirLinesWithLineBreaks) {
    Seite::Hilfe({"a", "", "b"}, vb::vbInformation, "T");
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(vb::headless::Log()[0].prompt, "a\r\n\r\nb");
    EXPECT_EQ(vb::headless::Log()[0].buttons, vb::vbInformation);
    EXPECT_EQ(vb::headless::Log()[0].title, "T");
}

} // namespace
