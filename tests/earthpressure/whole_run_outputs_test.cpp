// Every output of stage a and the earth-pressure stage, byte for byte: the three example projects and
// the large generated one run through stage a and the earth-pressure stage of every load case and
// stage; after stage a, after every pass and at the end each file of the working folder that is new or
// changed is taken, the report "LPTZW" among them. They are compared line by line with the texts kept in
// tests/data/outputs/<project>/erddruck/ (tests/support/golden_outputs.h), taken from runs known to be
// right; any change of a number, a blank or a line of any report or hand-over file shows with the pass,
// the file, the line and both texts.
// (ZOR_OUTPUTS_WRITE=1 writes the texts anew instead, for a deliberate change of the results.)
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest-spi.h>

#include "stage_b_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/golden_outputs.h"
#include "tests/support/large_project.h"

namespace {

using namespace stageb_test;

class Ausgaben : public StageB, public ::testing::WithParamInterface<const char*> {
protected:
    // Takes every file of the working folder whose content is new since the last call (the report that
    // is still open as it stands).
    void Festhalten(const std::string& wann, zortest::Ausgaben& liste) {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(fs::current_path()))
            if (e.is_regular_file()) namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        for (const std::string& n : namen)
            liste.Festhalten(wann, n, vb::ReadFileBytes(n));
    }

    zortest::Ausgaben Lauf() {
        zortest::Ausgaben liste;
        zorma::EingabeAuswerten();
        Festhalten("a", liste);
        const int16_t anzLF = P.AnzLF, anzAush = P.AnzAush;
        for (int16_t lf = 1; lf <= anzLF; ++lf)
            for (int16_t s = 1; s <= anzAush; ++s) {
                P.LFNr = lf;
                P.AushNr = s;
                zormb::ErddruckBerechnen();
                Festhalten(std::to_string(lf) + "." + std::to_string(s), liste);
            }
        vb::Close(zorma::kBerichtDateiNr);
        Festhalten("ende", liste);
        return liste;
    }
};

TEST_P(Ausgaben, EveryReportLineAndHandOverFileStaysByteEqual) {
    const std::string name = GetParam();
    if (name == "gross") {
        ASSERT_TRUE(Beispiel("Traegerbohlwand_verankert"));
        ASSERT_TRUE(zortest::GrossesProjekt(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert"));
        P.GanzerName = "/projekte/gross";
    } else {
        ASSERT_TRUE(Beispiel(name));
    }
    const auto ist = Lauf();
    zortest::AusgabenVergleichen(fs::path(ZOR_TEST_DATA) / "outputs" / name / "erddruck", ist);
}

INSTANTIATE_TEST_SUITE_P(Projekte, Ausgaben,
                         ::testing::Values("Traegerbohlwand_verankert", "Schlitzwand_gesteift_GW",
                                           "Spundwand_frei", "gross"));

// The comparison of kept outputs: byte for byte by default, every kind of difference found at its line.
TEST(AusgabenText, DifferingLinesAreFoundByNumber) {
    struct Fall {
        const char* was;
        std::string jetzt, erwartet;
        std::vector<std::size_t> zeilen;
    };
    const std::vector<Fall> faelle = {
        {"equal", "a\r\nb\r\n", "a\r\nb\r\n", {}},
        {"one digit", "a\r\n  1.25\r\nc\r\n", "a\r\n  1.26\r\nc\r\n", {2}},
        {"line end", "a\nb\r\n", "a\r\nb\r\n", {1}},
        {"final line end missing", "a\r\nb", "a\r\nb\r\n", {2, 3}},
        {"line added", "a\r\nb\r\nc\r\n", "a\r\nb\r\n", {3, 4}},
        {"trailing blank", "a \r\n", "a\r\n", {1}},
        {"empty against one line", "", "a\r\n", {1, 2}},
    };
    for (const Fall& f : faelle) {
        std::vector<std::size_t> zeilen;
        for (const auto& u : zortest::Unterschiede(f.jetzt, f.erwartet))
            zeilen.push_back(u.zeile);
        EXPECT_EQ(zeilen, f.zeilen) << f.was;
    }
    const auto u = zortest::Unterschiede("a\r\nb", "a\r\nb\r\n");
    ASSERT_EQ(u.size(), 2u);
    EXPECT_EQ(u[0].jetzt, "b");
    EXPECT_EQ(u[0].erwartet, "b\r");
    EXPECT_FALSE(u[1].jetzt.has_value());
    EXPECT_EQ(u[1].erwartet, "");
}

// Numbers may differ by the tolerance a test states, and only numbers: words, the count of words and
// numbers beyond the tolerance still differ.
TEST(AusgabenText, ToleranceAppliesToNumbersOnly) {
    struct Fall {
        const char* jetzt;
        const char* erwartet;
        double toleranz;
        bool gleich;
    };
    const Fall faelle[] = {
        {"  M =  12.50 kNm", "  M =  12.51 kNm", 0.0, false},
        {"  M =  12.50 kNm", "  M =  12.51 kNm", 0.01, true},
        {"  M =  12.50 kNm", "  M =  12.52 kNm", 0.01, false},
        {"  eta = 1,50", "  eta = 1,49", 0.01, true},   // the report's decimal comma
        {"  -0.00  9.99", "   0.00 10.00", 0.01, true}, // columns shift with the width of a number
        {"  1.5E-03", "  1.6E-03", 0.001, true},
        {"  M =  12.50 kNm", "  N =  12.50 kNm", 1.0, false}, // a word
        {"  M =  12.50 kNm", "  M =  12.50", 1.0, false},     // a word fewer
        {"  12.50m", "  12.51m", 1.0, false},                 // a number with a unit is a word
        {"  1.00", "  x", 5.0, false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(
            zortest::Unterschiede(std::string(f.jetzt) + "\r\n", std::string(f.erwartet) + "\r\n", f.toleranz)
                .empty(),
            f.gleich)
            << f.jetzt << " / " << f.erwartet << " / " << f.toleranz;
}

// A failure names the file and the line and shows both lines readably: the report's Windows-1252 in
// UTF-8, the line end taken off, blanks spelt out where only they differ; at most the lines asked for.
TEST(AusgabenText, FailureShowsFileLineAndBothTexts) {
    const auto u =
        zortest::Unterschiede("x\r\nphi = 30 \xB0\r\nc\r\nd\r\n", "x\r\nphi = 32 \xB0\r\nC\r\nD\r\n");
    const std::string b = zortest::Bericht("gross/lauf/c1.2/ZOREPP", u, 2);
    EXPECT_NE(b.find("gross/lauf/c1.2/ZOREPP: 3 line(s) differ"), std::string::npos) << b;
    EXPECT_NE(b.find("gross/lauf/c1.2/ZOREPP line 2\n  now:      phi = 30 °\n  expected: phi = 32 °\n"),
              std::string::npos)
        << b;
    EXPECT_NE(b.find("line 3\n  now:      c\n  expected: C"), std::string::npos) << b;
    EXPECT_EQ(b.find("line 4"), std::string::npos) << b;
    EXPECT_NE(b.find("... and 1 more differing line(s)"), std::string::npos) << b;

    const std::string blank = zortest::Bericht("f", zortest::Unterschiede("a \r\n", "a\r\n"), 10);
    EXPECT_NE(blank.find("now:      a\\x20\\r\n  expected: a\\r"), std::string::npos) << blank;
}

// The failure messages of one comparison.
std::vector<std::string> Fehler(const fs::path& soll, const zortest::Ausgaben& ist,
                                const zortest::Vergleich& v = {}) {
    ::testing::TestPartResultArray r;
    {
        ::testing::ScopedFakeTestPartResultReporter abfangen(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &r);
        zortest::AusgabenVergleichen(soll, ist, v);
    }
    std::vector<std::string> m;
    for (int i = 0; i < r.size(); ++i)
        m.push_back(r.GetTestPartResult(i).message());
    return m;
}

bool Enthaelt(const std::vector<std::string>& m, const std::string& teil) {
    return std::any_of(m.begin(), m.end(),
                       [&](const std::string& s) { return s.find(teil) != std::string::npos; });
}

struct Datei {
    std::string wann, name, inhalt;
};

zortest::Ausgaben Lauf(const std::vector<Datei>& dateien) {
    zortest::Ausgaben a;
    for (const Datei& d : dateien)
        a.Festhalten(d.wann, d.name, d.inhalt);
    return a;
}

// A kept folder written by hand in the form the comparison reads: a whole file, a report that grows
// pass by pass, a file written anew, a copy. A run with the same outputs passes; each kind of change
// fails with the kept file named and the line in it.
TEST(AusgabenText, KeptFolderIsComparedFileByFile) {
    zortest::WorkingFolder ordner;
    zortest::Umgebung umgebung;
    umgebung.unset("ZOR_OUTPUTS_WRITE");
    const fs::path soll = fs::current_path() / "beispiel" / "lauf";
    for (const char* d : {"a", "c1.1", "c1.2"})
        fs::create_directories(soll / d);
    std::ofstream(soll / "ablauf", std::ios::binary)
        << "a LPTZW\na ZORAUSH\nc1.1 LPTZW +\nc1.1 ZOREPP\nc1.2 ZOREPP\nende X.AUS = c1.1/LPTZW\n";
    std::ofstream(soll / "a" / "LPTZW", std::ios::binary) << "Kopf\r\n";
    std::ofstream(soll / "a" / "ZORAUSH", std::ios::binary) << "1\r\n2\r\n";
    std::ofstream(soll / "c1.1" / "LPTZW", std::ios::binary) << "Stufe 1\r\n";
    std::ofstream(soll / "c1.1" / "ZOREPP", std::ios::binary) << "3.00\r\n";
    std::ofstream(soll / "c1.2" / "ZOREPP", std::ios::binary) << "4.00\r\n";

    const std::vector<Datei> gleich = {
        {"a", "LPTZW", "Kopf\r\n"},
        {"a", "ZORAUSH", "1\r\n2\r\n"},
        {"c1.1", "LPTZW", "Kopf\r\nStufe 1\r\n"},
        {"c1.1", "ZOREPP", "3.00\r\n"},
        {"c1.2", "LPTZW", "Kopf\r\nStufe 1\r\n"},
        {"c1.2", "ZOREPP", "4.00\r\n"},
        {"ende", "LPTZW", "Kopf\r\nStufe 1\r\n"},
        {"ende", "X.AUS", "Kopf\r\nStufe 1\r\n"},
    };
    EXPECT_EQ(Fehler(soll, Lauf(gleich)), std::vector<std::string>{});

    auto anders = [&](std::size_t i, const std::string& inhalt) {
        auto d = gleich;
        d[i].inhalt = inhalt;
        return Lauf(d);
    };
    auto m = Fehler(soll, anders(5, "4.01\r\n"));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].find("beispiel/lauf/c1.2/ZOREPP line 1\n  now:      4.01\n  expected: 4.00"),
              std::string::npos)
        << m[0];
    EXPECT_TRUE(Fehler(soll, anders(5, "4.01\r\n"), {.toleranz = 0.01}).empty());

    // A line of the report in the part appended after a pass: its line in that part.
    m = Fehler(soll, Lauf({gleich[0],
                           gleich[1],
                           {"c1.1", "LPTZW", "Kopf\r\nStufe X\r\n"},
                           gleich[3],
                           gleich[5],
                           {"ende", "X.AUS", "Kopf\r\nStufe X\r\n"}}));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].find("beispiel/lauf/c1.1/LPTZW (the part this pass appended) line 1\n  now:      Stufe X"),
              std::string::npos)
        << m[0];

    // A copy that is no longer one: the whole file against the one it copied.
    m = Fehler(soll, anders(7, "Kopf\r\nStufe 2\r\n"));
    EXPECT_TRUE(Enthaelt(
        m, "beispiel/lauf/ablauf line 6\n  now:      ende X.AUS\n  expected: ende X.AUS = c1.1/LPTZW"));
    EXPECT_TRUE(Enthaelt(
        m, "beispiel/lauf/ende/X.AUS (the whole file) line 2\n  now:      Stufe 2\n  expected: Stufe 1"));

    auto weniger = gleich;
    weniger.pop_back();
    EXPECT_TRUE(
        Enthaelt(Fehler(soll, Lauf(weniger)), "beispiel/lauf/ende/X.AUS: kept, but not written by the run"));
    auto mehr = gleich;
    mehr.push_back({"ende", "ZORZ2", "z\r\n"});
    EXPECT_TRUE(Enthaelt(Fehler(soll, Lauf(mehr)), "beispiel/lauf/ende/ZORZ2: written by the run, not kept"));
    auto spaeter = gleich;
    spaeter[1].wann = "c1.1";
    m = Fehler(soll, Lauf(spaeter));
    EXPECT_TRUE(Enthaelt(m, "beispiel/lauf/c1.1/ZORAUSH: written by the run, not kept"));
    EXPECT_TRUE(Enthaelt(m, "beispiel/lauf/a/ZORAUSH: kept, but not written by the run"));

    std::ofstream(soll / "c1.1" / "ALT", std::ios::binary) << "alt\r\n";
    m = Fehler(soll, Lauf(gleich));
    EXPECT_EQ(m.size(), 1u);
    EXPECT_TRUE(Enthaelt(m, "beispiel/lauf/c1.1/ALT: kept, but not listed in ablauf"));
}

// A pass that takes the same file twice would keep both contents under one name, the second over the
// first: it fails as it is taken. A file that is the same after the repeat is not taken again.
TEST(AusgabenText, APassTakingAFileTwiceFails) {
    zortest::Ausgaben a;
    a.Festhalten("c1.2", "ZOREPP", "3.00\r\n");
    a.Festhalten("c1.2", "ZOREPP", "3.00\r\n");
    EXPECT_NONFATAL_FAILURE(a.Festhalten("c1.2", "ZOREPP", "4.00\r\n"),
                            "the pass \"c1.2\" takes ZOREPP a second time");
    a.Festhalten("c1.2-2", "ZOREPP", "5.00\r\n");
    EXPECT_EQ(a.Eintraege().size(), 3u);
}

} // namespace
