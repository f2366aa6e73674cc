// The report file: number fields, the label table and the page head.
#include "earthpressure/report_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/runtime.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

using zorm1::P;

namespace fs = std::filesystem;

namespace {

// Runs each test in a folder of its own, as the working folder of a run.
class BerichtDatei : public ::testing::Test {
protected:
    void SetUp() override {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
    }
    void TearDown() override { zorm1::ResetProjectData(); }

    // The lines of a file written by the program (CR LF, Windows-1252), as UTF-8.
    static std::vector<std::string> zeilen(const std::string& name) {
        return zortest::CrLfZeilen(zortest::Text(name));
    }

    // What ZahlDrucken prints, through the report's file number.
    static std::string gedruckt(float wert, int16_t breite, int16_t stellen) {
        vb::Open("zahl.txt", vb::OpenMode::Output, zorma::kBerichtDateiNr);
        zorma::ZahlDrucken(wert, breite, stellen);
        vb::Close(zorma::kBerichtDateiNr);
        return vb::ReadFileBytes("zahl.txt");
    }

    zortest::WorkingFolder ordner_;
};

TEST_F(BerichtDatei, ZahlDruckenFields) {
    struct Fall {
        float wert;
        int16_t breite, stellen;
        const char* punkt;
        const char* komma;
    };
    const Fall faelle[] = {
        {3.14159f, 8, 2, "    3.14", "    3,14"},
        {-1.5f, 6, 2, " -1.50", " -1,50"},
        {10000, 4, 0, "10000", "10000"},
        {0.2f, 5, 3, "0.200", "0,200"},
        {7, 4, 0, "   7", "   7"},
        {-0.004f, 6, 2, " -0.00", " -0,00"},
        {-123.456f, 6, 2, "-123.46", "-123,46"},
    };
    for (const Fall& f : faelle) {
        vb::SetDecimalSeparator('.');
        EXPECT_EQ(gedruckt(f.wert, f.breite, f.stellen), f.punkt) << f.wert;
        vb::SetDecimalSeparator(',');
        EXPECT_EQ(gedruckt(f.wert, f.breite, f.stellen), f.komma) << f.wert;
    }
}

TEST_F(BerichtDatei, ZahlDruckenLeavesLineOpen) {
    vb::SetDecimalSeparator(',');
    vb::Open("zeile.txt", vb::OpenMode::Output, zorma::kBerichtDateiNr);
    vb::PrintNoEol(zorma::kBerichtDateiNr, "z =");
    zorma::ZahlDrucken(1.25f, 7, 2);
    zorma::ZahlDrucken(2, 4, 0);
    vb::Print(zorma::kBerichtDateiNr, " m");
    vb::Close(zorma::kBerichtDateiNr);
    EXPECT_EQ(vb::ReadFileBytes("zeile.txt"), "z =   1,25   2 m\r\n");
}

TEST_F(BerichtDatei, LabelTableCarriesIndentOnce) {
    zorma::TexteBelegen();
    zorma::TexteBelegen(); // every run fills it again
    const auto& t = zorma::Bericht.BerichtText;
    EXPECT_EQ(zorma::Bericht.Einrueckung, std::string(13, ' '));
    int belegt = 0;
    for (const auto& s : t) {
        if (s.empty()) continue;
        ++belegt;
        EXPECT_EQ(s.substr(0, 13), std::string(13, ' '));
    }
    EXPECT_EQ(belegt, 93);
    EXPECT_EQ(t[0], std::string(13, ' ') + "E R D S C H I C H T   NR. ");
    EXPECT_EQ(t[11], std::string(13, ' ') + "    NICHT wirksam, wenn res.k vorgegegen wird.");
    EXPECT_EQ(t[2], std::string(13, ' ') + "Innere Reibung        (°) ");
    EXPECT_EQ(t[115], std::string(13, ' ') + "gamma Bod. Auftr. (kN/m3) ");
    for (int leer : {8, 12, 28, 63, 116, 120})
        EXPECT_TRUE(t[leer].empty()) << leer;
}

TEST_F(BerichtDatei, PageHeadAndTitleBlock) {
    auto& P = zorm1::P;
    P.ProjNr = "2012-17";
    P.PosName = "Baugrube Nord";
    P.ProjBez = "Neubau Bürohaus";
    P.Datum = "07.05.2012"; // 10 characters: columns 68 to 77
    P.Versionstext = "V.07.05.2012";
    P.GanzerNameOhneExt = "/projekte/baugrube";
    P.Kommentar[1] = "Ingenieurbüro Beispiel";
    P.Kommentar[2] = "Musterstraße 1";
    P.Kommentar[5] = "             Kommentar 5";
    zorma::BerichtAnlegen();
    zorma::BerichtSchliessen();

    const auto z = zeilen("LPTZW");
    ASSERT_EQ(z.size(), 19u);
    const std::string ind(13, ' ');
    EXPECT_EQ(z[0], "");
    EXPECT_EQ(z[1], "");
    EXPECT_EQ(z[2], ind + "Proj.Nr. 2012-17" + std::string(39 - 29, ' ') + "Pos. Baugrube Nord" +
                        std::string(61 - 57, ' ') + "S.");
    EXPECT_EQ(z[2].find("Pos. "), 39u);
    EXPECT_EQ(z[2].find("S."), 61u);
    EXPECT_EQ(z[3], "");
    EXPECT_EQ(z[4], "Ingenieurbüro Beispiel");
    EXPECT_EQ(z[5], "Musterstraße 1");
    EXPECT_EQ(z[6], "");
    EXPECT_EQ(z[7], "");
    EXPECT_EQ(vb::Len(z[8]), 77);
    EXPECT_EQ(vb::Mid(z[8], 68), "07.05.2012");
    EXPECT_EQ(vb::Left(z[8], 28), ind + "Neubau Bürohaus");
    EXPECT_EQ(z[9], ind + std::string(64, '='));
    EXPECT_EQ(vb::Left(z[10], 50), ind + "ZOR    B A U G R U B E N - W Ä N D E ");
    EXPECT_EQ(vb::Mid(z[10], 66), "V.07.05.2012");
    EXPECT_EQ(z[11], ind + std::string(64, '='));
    EXPECT_EQ(z[12], ind + "/projekte/baugrube");
    EXPECT_EQ(z[13], "");
    EXPECT_EQ(z[14], "             Kommentar 5");
    EXPECT_EQ(z[15], "");
    EXPECT_EQ(z[17], "");
    EXPECT_EQ(z[18], "");
    // Below the head the rule of the section titles is the dashed one.
    EXPECT_EQ(P.Kommentar[4], ind + std::string(64, '-'));

    // On disk the umlauts are single Windows-1252 characters.
    const std::string roh = vb::ReadFileBytes("LPTZW");
    EXPECT_NE(roh.find("W \xC4 N D E"), std::string::npos);
}

// The print engine repeats the first seven lines as the page head and puts the page
// number behind "S.": a long project number or position name must not push "Pos." or
// "S." onto a line of its own.
TEST_F(BerichtDatei, PageHeadStaysSevenLinesWithLongNames) {
    auto& P = zorm1::P;
    P.ProjNr = "2012-017";
    P.PosName = "Trägerbohlwand Nord"; // 19 characters: reaches column 63
    P.Kommentar[1] = "Büro";
    P.Kommentar[2] = "Straße";
    P.ProjBez = "Titel";
    zorma::BerichtAnlegen();
    zorma::BerichtSchliessen();
    const auto z = zeilen("LPTZW");
    const std::string ind(13, ' ');
    EXPECT_EQ(z[2], ind + "Proj.Nr. 2012-017" + std::string(9, ' ') + "Pos. Trägerbohlwand Nord S.");
    EXPECT_EQ(z[3], "");
    EXPECT_EQ(z[4], "Büro");
    EXPECT_EQ(z[5], "Straße");
    EXPECT_EQ(z[6], "");
    EXPECT_EQ(z[7], "");
    EXPECT_EQ(vb::RTrim(z[8]), ind + "Titel");
}

TEST(KopfZeile, FieldsAtTheirColumnsOrOneBlankFurther) {
    const std::string ind(13, ' ');
    struct Fall {
        std::string projNr, posName, zeile;
    };
    const std::string n17(17, 'N'), p17(17, 'P');
    const Fall faelle[] = {
        // Fields that fit: "Pos. " at column 40, "S." at column 62.
        {"7", "Ost", ind + "Proj.Nr. 7" + std::string(16, ' ') + "Pos. Ost" + std::string(14, ' ') + "S."},
        {n17, p17, ind + "Proj.Nr. " + n17 + "Pos. " + p17 + "S."},
        // One character more: one blank instead of a new line.
        {n17 + "ü", p17 + "ä", ind + "Proj.Nr. " + n17 + "ü Pos. " + p17 + "ä S."},
        // Far too long: the number keeps 30 characters, the name what fits into 80 columns.
        {std::string(40, '1'), std::string(60, 'x'),
         ind + "Proj.Nr. " + std::string(30, '1') + " Pos. " + std::string(19, 'x') + " S."},
    };
    for (const Fall& f : faelle) {
        const std::string z = zorma::KopfZeile(f.projNr, f.posName);
        EXPECT_EQ(z, f.zeile);
        EXPECT_LE(vb::Len(z), 80);
    }
}

TEST_F(BerichtDatei, LongProjectNamesAreCutIntoPiecesOf60) {
    struct Fall {
        int laenge;
        std::vector<int> stuecke; // lengths of the name lines
    };
    for (const Fall& f : {Fall{64, {64}}, Fall{65, {60, 5}}, Fall{120, {60, 60, 0}}}) {
        zorm1::P.GanzerNameOhneExt.clear();
        for (int i = 0; i < f.laenge; ++i)
            zorm1::P.GanzerNameOhneExt += i % 2 ? "ä" : "x";
        zorma::BerichtAnlegen();
        zorma::BerichtSchliessen();
        const auto z = zeilen("LPTZW");
        std::string wieder;
        for (size_t k = 0; k < f.stuecke.size(); ++k) {
            const std::string& zeile = z[12 + k];
            EXPECT_EQ(vb::Left(zeile, 13), std::string(13, ' ')) << f.laenge;
            EXPECT_EQ(vb::Len(zeile), 13 + f.stuecke[k]) << f.laenge << " piece " << k;
            wieder += vb::Mid(zeile, 14);
        }
        EXPECT_EQ(wieder, zorm1::P.GanzerNameOhneExt);
        EXPECT_EQ(z[12 + f.stuecke.size()], "") << f.laenge;
        EXPECT_EQ(z.size(), 18u + f.stuecke.size());
    }
}

TEST_F(BerichtDatei, LongTitleMovesDateToNextLine) {
    zorm1::P.ProjBez = std::string(60, 'B'); // reaches column 73
    zorm1::P.Datum = "07.05.2012";
    zorma::BerichtAnlegen();
    zorma::BerichtSchliessen();
    const auto z = zeilen("LPTZW");
    EXPECT_EQ(z[8], std::string(13, ' ') + std::string(60, 'B'));
    EXPECT_EQ(z[9], std::string(67, ' ') + "07.05.2012");
}

TEST_F(BerichtDatei, AppendKeepsHead) {
    zorma::BerichtAnlegen();
    zorma::BerichtSchliessen();
    zorma::BerichtAnhaengen();
    vb::Print(zorma::kBerichtDateiNr, "Abschnitt");
    zorma::BerichtSchliessen();
    const auto z = zeilen("LPTZW");
    EXPECT_EQ(z.back(), "Abschnitt");
    EXPECT_EQ(z.size(), 20u);
    // A new run starts the report afresh.
    zorma::BerichtAnlegen();
    zorma::BerichtSchliessen();
    EXPECT_EQ(zeilen("LPTZW").size(), 19u);
}

} // namespace

namespace {

// A notice that fits stands as it is; a longer one is broken at blanks into lines of at most 80 columns, the
// later lines under the text behind "*** "; a word longer than a line is cut; columns are characters.
TEST(Hinweis, NoticesFitTheReportsEightyColumns) {
    const std::string e13(13, ' ');
    struct Fall {
        std::string einzug, text;
        std::vector<std::string> zeilen;
    };
    const std::string lang =
        "*** Lastfall 12, Aushub 15: die Fußtiefe erreicht das Ende der Schichten; die Suche "
        "endet bei 98,80 m.";
    const std::string wort(150, 'x');
    const Fall faelle[] = {
        // 13 + 67 = 80 columns: as it is.
        {e13,
         "*** Schicht 12: kpgh (gekrümmte Gleitflächen) am Tafelrand begrenzt",
         {e13 + "*** Schicht 12: kpgh (gekrümmte Gleitflächen) am Tafelrand begrenzt"}},
        // One column more: the last word goes on under the text.
        {e13,
         "*** Schicht 100: kpgh (gekrümmte Gleitflächen) am Tafelrand begrenzt",
         {e13 + "*** Schicht 100: kpgh (gekrümmte Gleitflächen) am Tafelrand", e13 + "    begrenzt"}},
        {e13,
         lang,
         {e13 + "*** Lastfall 12, Aushub 15: die Fußtiefe erreicht das Ende der",
          e13 + "    Schichten; die Suche endet bei 98,80 m."}},
        // Without "***" the later lines keep the indent alone.
        {"", std::string(50, 'a') + " " + std::string(40, 'b'), {std::string(50, 'a'), std::string(40, 'b')}},
        // A word longer than a line is cut.
        {e13,
         "*** " + wort,
         {e13 + "***", e13 + "    " + wort.substr(0, 63), e13 + "    " + wort.substr(63, 63),
          e13 + "    " + wort.substr(126)}},
    };
    for (const Fall& f : faelle) {
        const auto z = zorma::HinweisZeilen(f.einzug, f.text);
        EXPECT_EQ(z, f.zeilen) << f.text;
        for (const std::string& zeile : z)
            EXPECT_LE(vb::Len(zeile), 80) << zeile;
    }
}

TEST(Hinweis, NumbersOfANoticeTakeTheReportsDecimalSeparator) {
    vb::SetDecimalSeparator(',');
    EXPECT_EQ(zorma::HinweisZahl(98.8f, 2), "98,80");
    EXPECT_EQ(zorma::HinweisZahl(-0.25f, 1), "-0,3");
    EXPECT_EQ(zorma::HinweisZahl(52.5f, 1), "52,5");
    EXPECT_EQ(zorma::HinweisZahl(1234.5f, 0), "1235");
    vb::SetDecimalSeparator('.');
    EXPECT_EQ(zorma::HinweisZahl(98.8f, 2), "98.80");
    vb::SetDecimalSeparator(',');
}

} // namespace

// Texts the user gave that are longer than the title block's lines: the title goes on in pieces of 60
// characters with the date behind its last piece, an office line of the page head is cut (the head keeps its
// seven lines), a comment line goes on in pieces of 60. No line is wider than 80 columns and no character is
// lost but the cut office line's.
TEST_F(BerichtDatei, LongUserTextsWrapInTheTitleBlock) {
    auto& P = zorm1::P;
    std::string titel, kommentar;
    for (int i = 0; i < 130; ++i)
        titel += i % 3 ? "t" : "ü";
    for (int i = 0; i < 100; ++i)
        kommentar += i % 2 ? "k" : "ö";
    P.ProjBez = titel;
    P.Datum = "07.05.2012";
    P.Kommentar[1] = std::string(90, 'b');
    P.Kommentar[5] = kommentar;
    P.Kommentar[6] = std::string(80, 'c'); // fits as it is
    zorma::BerichtAnlegen();
    zorma::BerichtSchliessen();
    const auto z = zeilen("LPTZW");
    for (const std::string& zeile : z)
        EXPECT_LE(vb::Len(zeile), 80) << zeile;
    const std::string ind(13, ' ');
    EXPECT_EQ(z[4], std::string(80, 'b'));
    EXPECT_EQ(z[7], "");
    EXPECT_EQ(z[8], ind + vb::Left(titel, 60));
    EXPECT_EQ(z[9], ind + vb::Mid(titel, 61, 60));
    EXPECT_EQ(z[10], ind + vb::Mid(titel, 121) + std::string(67 - 13 - 10, ' ') + "07.05.2012");
    EXPECT_EQ(z[11], ind + std::string(64, '='));
    ASSERT_GE(z.size(), 20u);
    EXPECT_EQ(z[16], vb::Left(kommentar, 60));
    EXPECT_EQ(z[17], vb::Mid(kommentar, 61));
    EXPECT_EQ(z[18], std::string(80, 'c'));
}

// A title, a file name and a comment of four million characters each go into the head in one pass: in
// pieces of 60 characters, the date behind the last piece, in a time that a wrapping which copies the rest
// of the text for every piece (hours for these lengths) never reaches.
TEST_F(BerichtDatei, TextsOfMillionsOfCharactersWrapInOnePass) {
    auto& P = zorm1::P;
    const int32_t n = 66666 * 60 + 20; // 66666 pieces of 60 and 20 characters behind them
    std::string titel;
    titel.reserve(2 * static_cast<std::size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        titel += i % 60 == 0 ? "ü" : "t";
    P.ProjBez = titel;
    P.Datum = "07.05.2012";
    P.GanzerNameOhneExt = std::string(static_cast<std::size_t>(n), 'n');
    P.Kommentar[5] = std::string(static_cast<std::size_t>(n), 'k');
    const auto start = std::chrono::steady_clock::now();
    zorma::BerichtAnlegen();
    zorma::BerichtSchliessen();
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(sekunden, 30.0);
    const auto z = zeilen("LPTZW");
    const std::string ind(13, ' ');
    const std::size_t stuecke = 66666; // title pieces of 60 before the last one
    ASSERT_GT(z.size(), 8 + 3 * stuecke);
    EXPECT_EQ(z[8], ind + "ü" + std::string(59, 't'));
    EXPECT_EQ(z[8 + stuecke - 1], ind + "ü" + std::string(59, 't'));
    EXPECT_EQ(z[8 + stuecke], ind + "ü" + std::string(19, 't') + std::string(67 - 13 - 20, ' ') + "07.05.2012");
    EXPECT_EQ(z[8 + stuecke + 1], ind + std::string(64, '='));
    // The name: 66666 pieces of 60 and the rest of 20.
    EXPECT_EQ(z[8 + stuecke + 4], ind + std::string(60, 'n'));
    EXPECT_EQ(z[8 + stuecke + 4 + stuecke], ind + std::string(20, 'n'));
    std::size_t zuBreit = 0;
    for (const std::string& zeile : z)
        zuBreit += vb::Len(zeile) > 80;
    EXPECT_EQ(zuBreit, 0u);
}
