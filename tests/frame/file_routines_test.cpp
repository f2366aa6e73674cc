#include "frame/file_routines.h"

#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "tests/support/working_folder.h"

#include <gtest/gtest.h>

namespace {

class AnzeigenDateien : public ::testing::Test {
protected:
    zortest::WorkingFolder folder;
};

TEST_F(AnzeigenDateien, DateiExistiertWantsAtLeastOneByte) {
    vb::WriteFileBytes("leer", "");
    vb::WriteFileBytes("WEXASAVE", "1");
    vb::MkDir("ordner");
    struct Case {
        const char* name;
        bool exists;
    } cases[] = {{"leer", false},   {"WEXASAVE", true}, {"wexasave.", true}, {"fehlt", false},
                 {"ordner", false}, {"", false},        {"   ", false},      {"a/b/c", false}};
    for (const auto& c : cases) {
        std::string name = c.name;
        EXPECT_EQ(Anzeigen::DateiExistiert(name), c.exists) << '"' << c.name << '"';
    }
    EXPECT_FALSE(vb::IsOpen(1)) << "the test leaves no file open";
}

TEST_F(AnzeigenDateien, DateiExistiertTrimsTheCallersName) {
    vb::WriteFileBytes("Projekt", "x");
    std::string name = "  Projekt  ";
    EXPECT_TRUE(Anzeigen::DateiExistiert(name));
    EXPECT_EQ(name, "Projekt");
    std::string missing = " fehlt ";
    EXPECT_FALSE(Anzeigen::DateiExistiert(missing));
    EXPECT_EQ(missing, "fehlt");
}

TEST_F(AnzeigenDateien, PfadExistiertForFoldersAndFiles) {
    vb::MkDir("leer");
    vb::WriteFileBytes("datei", "");
    EXPECT_TRUE(Anzeigen::PfadExistiert("leer"));
    EXPECT_TRUE(Anzeigen::PfadExistiert("LEER/"));
    EXPECT_TRUE(Anzeigen::PfadExistiert(folder.path().string()));
    EXPECT_TRUE(Anzeigen::PfadExistiert("datei"));
    EXPECT_FALSE(Anzeigen::PfadExistiert("fehlt"));
    EXPECT_FALSE(Anzeigen::PfadExistiert("fehlt/"));
    EXPECT_FALSE(Anzeigen::PfadExistiert(""));
}

TEST_F(AnzeigenDateien, PfadNormierenEndsWithTheSeparator) {
    std::string cur = vb::CurDir() + "/";
    struct Case {
        std::string in, out;
    } cases[] = {{"", cur},
                 {"   ", cur},
                 {"D:", cur},
                 {" /daten/proj ", "/daten/proj/"},
                 {"/daten/proj/", "/daten/proj/"},
                 {"rel", "rel/"}};
    for (auto& c : cases) {
        std::string p = c.in;
        Anzeigen::PfadNormieren(p);
        EXPECT_EQ(p, c.out) << '"' << c.in << '"';
    }
}

TEST_F(AnzeigenDateien, NameSplitters) {
    struct Case {
        std::string in;
        std::string datei, pfad, erw, ohne;
    } cases[] = {
        {"wand", "wand", "", "", "wand"},
        {"/a/b/", "", "/a/b/", "", "/a/b/"},
        {" /proj/wand.AUS ", "wand.AUS", "/proj/", "AUS", "/proj/wand"},
        {"a.b.c", "a.b.c", "", "b.c", "a"},
        {"/Proj.2/wand", "wand", "/Proj.2/", "2/wand", "/Proj"}, // the first "." of the whole text
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        std::string s = c.in;
        EXPECT_EQ(Anzeigen::NurDateiName(s), c.datei) << c.in;
        EXPECT_EQ(s, vb::Trim(c.in)) << "trimmed in place";
        s = c.in;
        EXPECT_EQ(Anzeigen::NurPfad(s), c.pfad) << c.in;
        s = c.in;
        EXPECT_EQ(Anzeigen::Erweiterung(s), c.erw) << c.in;
        s = c.in;
        EXPECT_EQ(Anzeigen::OhneErweiterung(s), c.ohne) << c.in;
        EXPECT_EQ(s, vb::Trim(c.in));
    }
}

TEST_F(AnzeigenDateien, MitBackslash) {
    EXPECT_EQ(Anzeigen::MitBackslash(""), "");
    EXPECT_EQ(Anzeigen::MitBackslash("   "), "");
    EXPECT_EQ(Anzeigen::MitBackslash(" /daten "), "/daten/");
    EXPECT_EQ(Anzeigen::MitBackslash("/daten/"), "/daten/");
    std::string p = " x ";
    Anzeigen::MitBackslash(p);
    EXPECT_EQ(p, " x ") << "the argument is not changed";
}

TEST_F(AnzeigenDateien, SystemErweiterungComparesExactly) {
    const char* excluded[] = {"EXE", "AUS", "BAK", "BAS", "BAT", "BP1", "BPF", "DAT", "DIR", "DLL", "DRV",
                              "FRM", "FRX", "GID", "GL1", "GL2", "QUM", "HLP", "LOG", "MDB", "OLB", "VBP"};
    for (const char* e : excluded) {
        bool flag = false;
        Anzeigen::SystemErweiterung(e, flag);
        EXPECT_TRUE(flag) << e;
    }
    for (const char* e : {"aus", "TXT", "", "BMP", "AUS "}) {
        bool flag = true;
        Anzeigen::SystemErweiterung(e, flag);
        EXPECT_FALSE(flag) << e;
    }
}

TEST_F(AnzeigenDateien, UmlauteWandelnOnALineOfADosFile) {
    vb::WriteFileBytes("buero.txt", "Ingenieurb\x81ro M\x94ller, Stra\xE1"
                                    "e 5\r\n");
    vb::Open("buero.txt", vb::OpenMode::Input, 1);
    std::string line = vb::LineInput(1);
    vb::Close(1);
    Anzeigen::UmlauteWandeln(line);
    EXPECT_EQ(line, "Ingenieurbüro Möller, Straße 5");
    std::string empty;
    Anzeigen::UmlauteWandeln(empty);
    EXPECT_EQ(empty, "");
}

TEST_F(AnzeigenDateien, ZeichenErsetzenKeepsTheLength) {
    std::string t = "Wand \"Nord\" und \"Süd\"";
    Anzeigen::ZeichenErsetzen(t, "\"", "'x");
    EXPECT_EQ(t, "Wand 'Nord' und 'Süd'");
    std::string u = "Größe äußerst";
    Anzeigen::ZeichenErsetzen(u, "ö", "o");
    Anzeigen::ZeichenErsetzen(u, "ä", "a");
    EXPECT_EQ(u, "Große außerst");
    std::string v = "aaa";
    Anzeigen::ZeichenErsetzen(v, "a", "ü");
    EXPECT_EQ(v, "üüü");
    Anzeigen::ZeichenErsetzen(v, "", "x"); // nothing to find: unchanged, and no endless search
    Anzeigen::ZeichenErsetzen(v, "ü", "");
    EXPECT_EQ(v, "üüü");
}

} // namespace
