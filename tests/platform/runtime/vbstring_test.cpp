#include "platform/runtime/vbstring.h"

#include "tests/platform/runtime/vb_error.h"

#include <gtest/gtest.h>

namespace {

TEST(VbString, PiecesCountCharactersNotBytes) {
    EXPECT_EQ(vb::Len("Grün"), 4);
    EXPECT_EQ(vb::Len(""), 0);
    EXPECT_EQ(vb::Left("Größe", 3), "Grö");
    EXPECT_EQ(vb::Left("ab", 5), "ab");
    EXPECT_EQ(vb::Right("Böschung", 5), "chung");
    EXPECT_EQ(vb::Right("Öl", 1), "l");
    EXPECT_EQ(vb::Right("ab", 9), "ab");
    EXPECT_EQ(vb::Mid("Böschung", 2, 3), "ösc");
    EXPECT_EQ(vb::Mid("Böschung", 7), "ng");
    EXPECT_EQ(vb::Mid("abc", 5, 2), "");
    EXPECT_EQ(vb::Mid("°C", 1, 1), "°");
    EXPECT_EQ(VbErrorOf([] { vb::Mid("abc", 0, 1); }), 5);
    EXPECT_EQ(VbErrorOf([] { vb::Left("abc", -1); }), 5);
}

TEST(VbString, MidStatementOverwritesInPlace) {
    std::string s = "Wasserdruck";
    vb::MidAssign(s, 1, 1, "w");
    EXPECT_EQ(s, "wasserdruck");
    std::string u = "Grün!";
    vb::MidAssign(u, 3, "äöüßxyz"); // never longer than the text
    EXPECT_EQ(u, "Gräöü");
    EXPECT_EQ(vb::Len(u), 5);
    EXPECT_EQ(VbErrorOf([&] { vb::MidAssign(u, 6, "x"); }), 5);
}

TEST(VbString, TrimRemovesOnlyBlanks) {
    EXPECT_EQ(vb::Trim("  a b  "), "a b");
    EXPECT_EQ(vb::LTrim("  a "), "a ");
    EXPECT_EQ(vb::RTrim("  a "), "  a");
    EXPECT_EQ(vb::Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(vb::Trim("    "), "");
}

TEST(VbString, InStrGivesCharacterPositions) {
    EXPECT_EQ(vb::InStr("Größe", "e"), 5);
    EXPECT_EQ(vb::InStr(3, "abcabc", "a"), 4);
    EXPECT_EQ(vb::InStr("abc", "x"), 0);
    EXPECT_EQ(vb::InStr(2, "abc", ""), 2);
    EXPECT_EQ(vb::InStr(9, "abc", "a"), 0);
    EXPECT_EQ(vb::InStr("", "a"), 0);
    EXPECT_EQ(vb::InStrRev("ä.b.c", "."), 4);
    EXPECT_EQ(VbErrorOf([] { vb::InStr(0, "abc", "a"); }), 5);
}

TEST(VbString, CaseAndCharacters) {
    EXPECT_EQ(vb::UCase("größe °c"), "GRÖßE °C");
    EXPECT_EQ(vb::LCase("ÄÖÜ Éa"), "äöü éa");
    EXPECT_EQ(vb::Space(3), "   ");
    EXPECT_EQ(vb::String(3, "=-"), "===");
    EXPECT_EQ(vb::String(2, "ü"), "üü");
    EXPECT_EQ(vb::Chr(252), "ü");
    EXPECT_EQ(vb::Chr(128), "€");
    EXPECT_EQ(vb::Chr(34), "\"");
    EXPECT_EQ(vb::Asc("ü"), 252);
    EXPECT_EQ(vb::Asc("€uro"), 128);
    EXPECT_EQ(vb::Asc("→"), 63);
    EXPECT_EQ(vb::AscW("→"), 0x2192);
    EXPECT_EQ(vb::PadRight("Öl", 4), "Öl  ");
    EXPECT_EQ(vb::PadRight("Ölfass", 3), "Ölf");
    EXPECT_EQ(vb::PadLeft("7", 3), "  7");
    EXPECT_EQ(vb::Replace("a,b,,c", ",", ";"), "a;b;;c");
}

TEST(VbString, Windows1252RoundTripOfEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8 = vb::FromCp1252(all);
    EXPECT_EQ(vb::Len(utf8), 256);
    EXPECT_EQ(vb::ToCp1252(utf8), all);
    EXPECT_EQ(vb::FromCp1252("Gr\xFC\xDF\xB0\x80"), "Grüß°€");
    EXPECT_EQ(vb::ToCp1252("Höhe → 5"), "H\xF6he ? 5");
    // a stray byte that is not UTF-8 counts as one character and keeps its Windows meaning
    EXPECT_EQ(vb::Len("a\xFC"), 2);
    EXPECT_EQ(vb::ToCp1252("a\xFC"), "a\xFC");
}

TEST(VbString, DosUmlautsBecomeGermanLetters) {
    // "Grün" written in the DOS code page: G r 129 n
    std::string t = vb::FromCp1252("G"
                                   "r\x81"
                                   "n");
    vb::UmlauteWandeln(t);
    EXPECT_EQ(t, "Grün");
    std::string all = vb::FromCp1252("\x81\x84\x94\x9A\x8E\x99\xE1\xF8");
    vb::UmlauteWandeln(all);
    EXPECT_EQ(all, "üäöÜÄÖß°");
    std::string genuine = "á";
    vb::UmlauteWandeln(genuine);
    EXPECT_EQ(genuine, "ß") << "only for text known to come from a DOS file";
}

} // namespace
