// The depth tables of the stage pages: the order of the levels, the end of a table, its closing at OK, the
// filling from the stage before, the packing into the stage table, and the end of the stage chain.
#include <gtest/gtest.h>

#include "dialogs/stages/table_pages.h"
#include "frame/stage_table.h"
#include "stage_fixture.h"

using zorm1::P;

namespace {

class Tiefentabellen : public zortest::StufenTest {
protected:
    static void Oeffnen(const std::string& seite, int16_t s = 1, int16_t n = 1, float z = 6.5f) {
        Stufe(s, z, 1, {1.0f});
        Aktuell(s, n);
        vb::FormByName(seite);
        seite_ = seite;
    }
    // Row i typed: level, then value (the value cell left by the next step).
    static void Zeile(int i, const std::string& z, const std::string& e) {
        const std::string r = "(" + std::to_string(i) + ")";
        Tippen(seite_ + ".txtZZSp" + r, z);
        Tippen(seite_ + ".txtEZSp" + r, e);
    }
    static void Verlassen() { vb::user::focus(seite_ + ".cmdOK"); }
    static void Ok() { vb::user::click(seite_ + ".cmdOK"); }
    static void Schalter(const char* name) { vb::user::click(seite_ + "." + name); }
    static std::string Zelle(const char* spalte, int i) {
        return vb::headless::text(seite_ + "." + spalte + "(" + std::to_string(i) + ")");
    }
    static Tabellenseite& Seite() { return dynamic_cast<Tabellenseite&>(*vb::LoadedForm(seite_)); }
    static inline std::string seite_;
};

TEST_F(Tiefentabellen, LevelsStartAtZeroAndRiseByAtLeastOneCentimetre) {
    Oeffnen("frmAushub7");
    Schalter("chkRedF");
    Zeile(1, "3", "1");
    Zeile(2, "2.5", "1");
    Zeile(3, "2", "1");
    Verlassen();
    EXPECT_EQ(Zelle("txtZZSp", 1), "0");
    EXPECT_EQ(Zelle("txtZZSp", 3), " 2.51"); // page 7 keeps the blank of the corrected level
    EXPECT_EQ(P.EVerZ[3], 2.51f);
    // On the passive resistance the corrected level has no blank.
    vb::headless::ResetForms();
    Oeffnen("frmAushub8");
    Schalter("chkEphgegeben");
    Zeile(1, "0", "-10");
    Zeile(2, "2.5", "-20");
    Zeile(3, "2", "-30");
    Verlassen();
    EXPECT_EQ(Zelle("txtZZSp", 3), "2.51");
}

// A level above 98.99 (a depth of 99 - zAush on the t tables) ends the table when its value cell is left.
TEST_F(Tiefentabellen, ARowAtTheFootEndsTheTable) {
    const struct {
        const char* seite;
        const char* schalter;
        const char* fuss;   // typed level of row 3
        float gespeichert;  // stored level of row 3 after the end
        const char* zeile4; // the level cell of row 4 afterwards
    } faelle[] = {
        {"frmAushub2", "chkEahgegeben", "120", 99.0f, ""},
        {"frmAushub6", "chkZSp", "120", 120.0f, ""},
        {"frmAushub7", "chkRedF", "120", 120.0f, ""},
        {"frmAushub8", "chkEphgegeben", "92.5", 92.5f, "99"}, // 99 - 6.5
        {"frmAushub8", "chkEphgegeben", "97", 92.5f, "99"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.seite) + " " + f.fuss);
        vb::headless::ResetForms();
        P.EahGeg.fill(0);
        P.EphGeg.fill(0);
        P.AnzErddruckFaktor = P.AnzZusatzSpannung = 0;
        Oeffnen(f.seite);
        Schalter(f.schalter);
        Zeile(1, "0", "-10");
        Zeile(2, "5", "-25");
        Seite().txtZZSp(4).setText("100"); // behind the end: emptied
        Seite().txtEZSp(4).setText("-50");
        Zeile(3, f.fuss, "-40");
        vb::user::focus(seite_ + "." + f.schalter); // the value cell of row 3 left last
        EXPECT_EQ(Seite().tabelle.Anzahl(), 3);
        EXPECT_EQ(Zelle("txtZZSp", 4), f.zeile4);
        EXPECT_EQ(Zelle("txtEZSp", 4), "");
        EXPECT_EQ(Zelle("txtZZSp", 5), "");
        EXPECT_FALSE(vb::headless::enabled(seite_ + ".Frame3"));
        Ok();
        const float stand = std::string(f.seite) == "frmAushub2"   ? P.ZEahGeg(1, 3)
                            : std::string(f.seite) == "frmAushub8" ? P.TEphGeg(1, 3)
                            : std::string(f.seite) == "frmAushub6" ? P.ZusZ[3]
                                                                   : P.EVerZ[3];
        // At OK the additional stresses end at 99; the factors keep the level as typed.
        EXPECT_EQ(stand, std::string(f.seite) == "frmAushub6" ? 99.0f : f.gespeichert);
    }
}

TEST_F(Tiefentabellen, ATableNotEndedIsClosedAtOkByItsLastRowWithAValue) {
    const struct {
        const char* seite;
        const char* schalter;
        std::vector<std::pair<const char*, const char*>> zeilen;
        int anzahl;
        std::vector<std::pair<float, float>> danach;
    } faelle[] = {
        {"frmAushub6", "chkZSp", {{"0", "10"}, {"4", "25"}}, 3, {{0, 10}, {4, 25}, {99, 25}}},
        {"frmAushub7", "chkRedF", {{"0", "1.0"}, {"5", "0.8"}}, 3, {{0, 1}, {5, 0.8f}, {99, 0.8f}}},
        {"frmAushub7", "chkRedF", {{"0", "10"}, {"4", "0"}}, 2, {{0, 10}, {99, 10}}},
        {"frmAushub7", "chkRedF", {{"0", "0"}}, 1, {{99, 0}}},
        {"frmAushub8", "chkEphgegeben", {{"0", "-40"}, {"3", "-90"}}, 2, {{0, -40}, {99, -90}}},
        {"frmAushub8", "chkEphgegeben", {{"0", "0"}}, 0, {}},
        {"frmAushub2", "chkEahgegeben", {{"0", "10"}, {"5", "25"}}, 0, {}}, // ends only by a level
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.seite) + " " + std::to_string(f.anzahl));
        vb::headless::ResetForms();
        P.EahGeg.fill(0);
        P.EphGeg.fill(0);
        P.ZusSpannung.fill(0);
        P.EVerFaktor.fill(0);
        P.AnzErddruckFaktor = P.AnzZusatzSpannung = 0;
        Oeffnen(f.seite);
        Schalter(f.schalter);
        for (std::size_t i = 0; i < f.zeilen.size(); ++i)
            Zeile(int(i + 1), f.zeilen[i].first, f.zeilen[i].second);
        Ok();
        const std::string s = f.seite;
        const int n = s == "frmAushub2"   ? int(P.EahGeg(1, 0))
                      : s == "frmAushub6" ? P.Aushubstufen[1].AnzZusatzSpannung
                      : s == "frmAushub7" ? P.AnzErddruckFaktor
                                          : int(P.EphGeg(1, 0));
        EXPECT_EQ(n, f.anzahl);
        for (std::size_t i = 0; i < f.danach.size(); ++i) {
            const int r = int(i + 1);
            const float z = s == "frmAushub6" ? P.ZusZ[r] : s == "frmAushub7" ? P.EVerZ[r] : P.TEphGeg(1, r);
            const float e = s == "frmAushub6"   ? P.ZusSpannung[r]
                            : s == "frmAushub7" ? P.EVerFaktor[r]
                                                : P.EphGeg(1, r);
            EXPECT_FLOAT_EQ(z, f.danach[i].first) << r;
            EXPECT_FLOAT_EQ(e, f.danach[i].second) << r;
        }
        if (f.anzahl > 0 && s != "frmAushub2" && s != "frmAushub8") {
            EXPECT_EQ(Zelle("txtZZSp", f.anzahl), "99"); // the closing row is shown
        }
    }
}

// A given earth pressure kept with a count that does not reach the foot (a ticked table never ended)
// cannot be calculated: OK refuses it with the calculation's message and stays on the page; ended at the
// foot, OK goes on.
TEST_F(Tiefentabellen, AGivenEarthPressureThatStopsShortOfTheFootIsRefusedAtOk) {
    P.EahGeg(1, 0) = 2;
    P.ZEahGeg(1, 1) = 0.0f;
    P.EahGeg(1, 1) = 10.0f;
    P.ZEahGeg(1, 2) = 3.5f;
    P.EahGeg(1, 2) = 20.0f;
    Oeffnen("frmAushub2");
    EXPECT_EQ(vb::headless::value("frmAushub2.chkEahgegeben"), vb::vbChecked);
    Ok();
    ASSERT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(
        vb::headless::Log()[0].prompt,
        "Die Berechnung ist nicht möglich:\r\nKote z der letzten Zeile (2) des vorgegebenen Erddrucks im "
        "Aushubzustand 1 (Satz 40, ZEahGeg) = 3.5 m; die Liste muß von z = 0 bis z = 99 (Wandfuß) reichen."
        "\r\nBitte die Eingabe überprüfen.");
    EXPECT_EQ(vb::LoadedForm("frmAushub3"), nullptr);
    EXPECT_TRUE(vb::headless::enabled("frmAushub2.cmdOK"));
    // Row 3 at the foot ends the table; OK goes on to the redistribution figure.
    Zeile(3, "99", "30");
    vb::user::focus("frmAushub2.chkEahgegeben");
    Ok();
    EXPECT_EQ(vb::headless::Log().size(), 1u);
    EXPECT_EQ(P.EahGeg(1, 0), 3.0f);
    EXPECT_NE(vb::LoadedForm("frmAushub3"), nullptr);
}

TEST_F(Tiefentabellen, TheSwitchOffAtOkEmptiesTheTableButKeepsTheRowsStored) {
    P.AnzErddruckFaktor = 2;
    P.EVerZ[2] = 5;
    P.EVerFaktor[2] = 0.8f;
    Oeffnen("frmAushub7");
    EXPECT_EQ(vb::headless::value("frmAushub7.chkRedF"), vb::vbChecked);
    EXPECT_EQ(Zelle("txtZZSp", 2), "5");
    Schalter("chkRedF");
    EXPECT_FALSE(vb::headless::enabled("frmAushub7.txtZZSp(1)"));
    Ok();
    EXPECT_EQ(P.AnzErddruckFaktor, 0);
    EXPECT_EQ(P.EVerFaktor[2], 0.8f);
    vb::headless::ResetForms();
    vb::FormByName("frmAushub7");
    EXPECT_EQ(vb::headless::value("frmAushub7.chkRedF"), vb::vbUnchecked);
    EXPECT_EQ(Zelle("txtZZSp", 2), "");

    // The additional stresses switched off drop their water flag too.
    P.AnzZusatzSpannung = 1;
    P.kzWasserenthAush[1] = 1;
    seite_ = "frmAushub6";
    vb::FormByName("frmAushub6");
    EXPECT_EQ(vb::headless::value("frmAushub6.chkWasserenth"), vb::vbChecked);
    Schalter("chkZSp");
    EXPECT_FALSE(vb::headless::enabled("frmAushub6.chkWasserenth"));
    vb::user::click("frmAushub6.cmdOK");
    EXPECT_EQ(P.kzWasserenthAush[1], 0);
    EXPECT_EQ(P.AnzZusatzSpannung, 0);
}

TEST_F(Tiefentabellen, ALaterStageIsOfferedTheTableBeforeItWithTheSwitchOff) {
    // Additional stresses confirmed in stage 1 are offered to stage 2.
    Oeffnen("frmAushub6", 1, 2);
    Schalter("chkZSp");
    Zeile(1, "0", "5");
    Zeile(2, "3", "12");
    Ok();
    vb::headless::ResetForms();
    P.AnzZusatzSpannung = 0;
    P.ZusZ.fill(0);
    P.ZusSpannung.fill(0);
    Oeffnen("frmAushub6", 2, 2);
    EXPECT_EQ(vb::headless::value("frmAushub6.chkZSp"), vb::vbUnchecked);
    EXPECT_EQ(Zelle("txtZZSp", 3), "99");
    EXPECT_EQ(Zelle("txtEZSp", 3), "12");
    EXPECT_FALSE(vb::headless::enabled("frmAushub6.txtZZSp(1)"));
    Schalter("chkZSp");
    Ok();
    EXPECT_EQ(P.AnzZusatzSpannung, 3);
    EXPECT_EQ(P.ZusSpannung[2], 12.0f);

    // The passive resistance of stage 1 shows greyed in stage 2 and stays in its arrays at OK.
    vb::headless::ResetForms();
    P.EphGeg(1, 0) = 2;
    P.TEphGeg(1, 2) = 99;
    P.EphGeg(1, 2) = -90;
    Oeffnen("frmAushub8", 2, 3);
    EXPECT_EQ(vb::headless::value("frmAushub8.chkEphgegeben"), vb::vbUnchecked);
    EXPECT_EQ(Zelle("txtEZSp", 2), "-90");
    Ok();
    EXPECT_EQ(P.EphGeg(2, 0), 0.0f);
    EXPECT_EQ(P.EphGeg(2, 2), -90.0f);
}

TEST_F(Tiefentabellen, TheLastPageHandsTheMainWindowTheNextStageOrTheLoadCases) {
    Oeffnen("frmAushub8", 3, 5);
    vb::FormByName("frmAushub1b"); // a page of the chain still open behind
    vb::user::activate("frmAushub8");
    Ok();
    EXPECT_EQ(P.AushNr, 4);
    EXPECT_EQ(vb::headless::text("frmAuswahl.txtAushub(1)"), "4");
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(3)");
    EXPECT_EQ(vb::LoadedForm("frmAushub8"), nullptr);
    EXPECT_EQ(vb::LoadedForm("frmAushub1b"), nullptr);
    vb::headless::ResetForms();
    vb::FormByName("frmAuswahl").Show();
    Oeffnen("frmAushub8", 5, 5);
    Ok();
    EXPECT_EQ(P.AushNr, 5);
    EXPECT_EQ(vb::headless::focused(), "frmAuswahl.optAuswahl(4)");
}

// With 8 bottom loads and two lists of 15 rows the packed part of the stage column ends at row 129:
// loads in rows 36..67, the stress count in 68, its pairs in 69..98, the factor count in 99, its pairs in
// 100..129.
TEST_F(Tiefentabellen, TheListsOfThePagesArePackedBehindTheBottomLoads) {
    P.AnzSohlLast = 8;
    for (int i = 1; i <= 8; ++i)
        P.SohlLastQ[i] = float(i);
    for (const char* seite : {"frmAushub6", "frmAushub7"}) {
        vb::headless::ResetForms();
        Oeffnen(seite, 1, 1, 4.0f);
        Schalter(std::string(seite) == "frmAushub6" ? "chkZSp" : "chkRedF");
        for (int i = 1; i <= 15; ++i)
            Zeile(i, std::to_string(i - 1),
                  std::to_string(i * (std::string(seite) == "frmAushub6" ? 10 : 1)));
        Ok();
    }
    // The stage as the project file holds it: the packed lists, the last ending at place 129.
    const auto spalte = zorm1::AushubAlsSpalte(P.Aushubstufen[1]);
    const auto T = [&](int, int r) { return spalte[static_cast<size_t>(r)]; };
    EXPECT_EQ(T(1, 35), 8.0f);
    EXPECT_EQ(T(1, 36 + 4 * 7 + 2), 8.0f); // q of load 8 in row 66
    EXPECT_EQ(T(1, 68), 15.0f);
    EXPECT_EQ(T(1, 69), 0.0f);
    EXPECT_EQ(T(1, 70), 10.0f);
    EXPECT_EQ(T(1, 97), 99.0f); // the last level set to the foot
    EXPECT_EQ(T(1, 98), 150.0f);
    EXPECT_EQ(T(1, 99), 15.0f);
    EXPECT_EQ(T(1, 100), 0.0f);
    EXPECT_EQ(T(1, 101), 1.0f);
    EXPECT_EQ(T(1, 128), 99.0f); // row 15 closed at the foot
    EXPECT_EQ(T(1, 129), 15.0f);
    EXPECT_EQ(T(1, 130), 0.0f);
}

} // namespace
