#include "platform/runtime/vbnum.h"

#include "tests/platform/runtime/vb_error.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

class VbNum : public ::testing::Test {
protected:
    void SetUp() override {
        vb::ResetNumberState();
        vb::SetDecimalSeparator('.');
    }
    void TearDown() override { vb::ResetNumberState(); }
};

TEST_F(VbNum, StrOfSinglesHasSignBlankAndAtMostSevenDigits) {
    struct Case {
        float v;
        const char* text;
    } cases[] = {
        {1.5f, " 1.5"},
        {-1.5f, "-1.5"},
        {0.3f, " .3"},
        {-0.3f, "-.3"},
        {0.0f, " 0"},
        {-0.0f, " 0"},
        {100.0f, " 100"},
        {16.2f, " 16.2"},
        {1234567.0f, " 1234567"},
        {1e7f, " 1E+07"},
        {12345678.0f, " 1.234568E+07"},
        {0.0001f, " .0001"},
        {0.00001f, " 1E-05"},
        {-0.000015f, "-1.5E-05"},
        {1.0f / 3.0f, " .3333333"},
        {2.0f / 3.0f, " .6666667"},
        {99.99999f, " 99.99999"},
        {999999.95f, " 999999.9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::Str(c.v), c.text) << c.v;
}

TEST_F(VbNum, StrOfDoublesKeepsFifteenDigits) {
    EXPECT_EQ(vb::Str(0.1), " .1");
    EXPECT_EQ(vb::Str(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(vb::Str(123456789012345.0), " 123456789012345");
    EXPECT_EQ(vb::Str(1e15), " 1E+15");
    EXPECT_EQ(vb::Str(-2.5e-300), "-2.5E-300");
    EXPECT_EQ(vb::Str(int16_t{7}), " 7");
    EXPECT_EQ(vb::Str(-32768), "-32768");
}

TEST_F(VbNum, PlainFormAndLocaleForm) {
    EXPECT_EQ(vb::StrPlain(0.3f), ".3");
    EXPECT_EQ(vb::StrPlain(-2.0f), "-2");
    EXPECT_EQ(vb::StrPlain(1.5e-7f), "1.5E-07");
    vb::SetDecimalSeparator(',');
    EXPECT_EQ(vb::StrPlain(1.5f), "1.5") << "the plain form always has a point";
    EXPECT_EQ(vb::Str(1.5f), " 1.5");
    EXPECT_EQ(vb::CStr(1.5f), "1,5");
    EXPECT_EQ(vb::CStr(-0.25), "-0,25") << "unlike Str, the conversion keeps the zero";
    EXPECT_EQ(vb::CStr(0.75f), "0,75");
    EXPECT_EQ(vb::CStr(12), "12");
}

// The plain form of every magnitude against its rule, built here from printf's rounded digits: at most 7
// (15) significant digits without trailing zeros, no leading zero before the point, positional from 1E-4
// up to below 1E+7 (1E+15), otherwise one digit, the point, the rest and a signed exponent of at least
// two digits.
static std::string regel(double v, int sig) {
    if (v == 0.0) return std::string("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", sig - 1, std::fabs(v));
    std::string m(buf, std::strchr(buf, 'e'));
    const int e = std::atoi(std::strchr(buf, 'e') + 1);
    std::string g;
    for (char c : m)
        if (c != '.' && c != ',') g += c;
    while (g.size() > 1 && g.back() == '0')
        g.pop_back();
    std::string t;
    if (e >= -4 && e < sig) {
        if (e >= 0) {
            t = g.substr(0, std::min<size_t>(g.size(), e + 1));
            if (g.size() < static_cast<size_t>(e + 1)) t += std::string(e + 1 - g.size(), '0');
            if (g.size() > static_cast<size_t>(e + 1)) t += "." + g.substr(e + 1);
        } else {
            t = "." + std::string(-e - 1, '0') + g;
        }
    } else {
        char ex[16];
        std::snprintf(ex, sizeof ex, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
        t = g.substr(0, 1) + (g.size() > 1 ? "." + g.substr(1) : "") + ex;
    }
    return (v < 0 ? "-" : "") + t;
}

TEST_F(VbNum, PlainFormFollowsItsRuleOverAllMagnitudes) {
    uint32_t z = 777u;
    for (int i = 0; i < 3000; ++i) {
        z = z * 1664525u + 1013904223u;
        const float f = std::ldexp(static_cast<float>(z >> 8) / 16777216.0f, static_cast<int>(z % 250) - 125);
        const float v = z & 1u ? -f : f;
        ASSERT_EQ(vb::StrPlain(v), regel(v, 7)) << v;
        ASSERT_EQ(vb::Str(v), (v < 0 ? "" : " ") + regel(v, 7)) << v;
        const double d = std::ldexp(static_cast<double>(z) / 4294967296.0, static_cast<int>(z % 2000) - 1000);
        ASSERT_EQ(vb::StrPlain(d), regel(d, 15)) << d;
    }
    EXPECT_EQ(vb::StrPlain(-0.0f), "0");
    EXPECT_EQ(vb::Str(-0.0f), " 0");
    EXPECT_EQ(vb::StrPlain(1e100), "1E+100");
    EXPECT_EQ(vb::StrPlain(-2.5e-300), "-2.5E-300");
}

// Singles of the magnitudes the program writes (1E-7 .. 1E+8), densely, and the ones whose eighth digit is
// a 5 with nothing behind it (rounded half to even) or that round up to the next power of ten.
TEST_F(VbNum, PlainFormOfSinglesRoundsLikePrintf) {
    for (float v = 1e-7f; v < 1e8f; v = std::nextafter(v * 1.0009765f, 1e9f)) {
        ASSERT_EQ(vb::StrPlain(v), regel(v, 7)) << v;
        ASSERT_EQ(vb::StrPlain(-v), regel(-v, 7)) << v;
    }
    for (const float v : {1234567.5f, 1234568.5f, 2.5f, 0.5f, 9999999.5f, 999999.94f, 1e7f, 1e-6f, 9.999999e-7f,
                          0.1f, 0.3f, 16777216.0f, 8388607.5f, 4194303.75f})
        EXPECT_EQ(vb::StrPlain(v), regel(v, 7)) << v;
    EXPECT_EQ(vb::StrPlain(1234567.5f), "1234568");
    EXPECT_EQ(vb::StrPlain(1234568.5f), "1234568");
    EXPECT_EQ(vb::StrPlain(9999999.5f), "1E+07");
}

TEST_F(VbNum, ValReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double v;
    } cases[] = {
        {"", 0},        {"abc", 0},    {" 1 2 3", 123}, {"-.5", -0.5},    {"+5", 5},
        {"1.5.3", 1.5}, {"12abc", 12}, {"1e3", 1000},   {"1E-2", 0.01},   {"1e", 1},
        {"1e+", 1},     {"1,5", 1},    {" - 5", -5},    {"2.5D2", 250},   {"--5", 0},
        {".", 0},       {"-", 0},      {"\t7\n", 7},    {"3 .2 5", 3.25}, {" 1.234568E+08", 1.234568e8},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(vb::Val(c.text), c.v) << '"' << c.text << '"';
    EXPECT_EQ(VbErrorOf([] { vb::Val("1e999"); }), 6);
}

TEST_F(VbNum, ValOutOfRangeAndSingleRounding) {
    EXPECT_EQ(vb::Val("1e-400"), 0.0) << "below the smallest double: 0";
    EXPECT_EQ(vb::Val("0.0001e-320"), 0.0);
    EXPECT_EQ(vb::Val("0e999999"), 0.0);
    EXPECT_EQ(VbErrorOf([] { vb::Val("0.001e312"); }), 6);
    EXPECT_EQ(VbErrorOf([] { vb::Val("-1e99999999999999999999"); }), 6);
    EXPECT_EQ(vb::ValSingle("1e-50"), 0.0f);
    EXPECT_EQ(vb::ValSingle(" - 2 . 5"), -2.5f);
    EXPECT_EQ(vb::ValSingle("abc"), 0.0f);
    EXPECT_EQ(VbErrorOf([] { vb::ValSingle("1e39"); }), 6);
    // The nearest single of 7.038531E-26 is 7.03853069E-26; going through a double first rounds the
    // text onto the midpoint's other side and gives the neighbour 7.03853131E-26.
    EXPECT_EQ(vb::ValSingle("7.038531E-26"), 7.03853069e-26f);
    EXPECT_NE(static_cast<float>(vb::Val("7.038531E-26")), 7.03853069e-26f);
}

TEST_F(VbNum, ValReadsBackEveryStrForm) {
    const float values[] = {0.0f, 1.5f, -0.3f, 1e7f, 12345680.0f, 1e-5f, 3.4e38f, -1.17549e-38f, 0.1f, 16.2f};
    for (float v : values) {
        EXPECT_EQ(static_cast<float>(vb::Val(vb::Str(v))), v) << vb::Str(v);
        EXPECT_EQ(static_cast<float>(vb::Val(vb::StrPlain(v))), v) << vb::StrPlain(v);
    }
}

TEST_F(VbNum, IsNumericWantsTheWholeText) {
    EXPECT_TRUE(vb::IsNumeric(" -1.5E+03 "));
    EXPECT_TRUE(vb::IsNumeric(".5"));
    EXPECT_FALSE(vb::IsNumeric(""));
    EXPECT_FALSE(vb::IsNumeric("1e"));
    EXPECT_FALSE(vb::IsNumeric("12abc"));
    EXPECT_FALSE(vb::IsNumeric("."));
}

TEST_F(VbNum, CIntRoundsHalvesToEvenAndChecksTheRange) {
    struct Case {
        double v;
        int16_t r;
    } cases[] = {{2.5, 2},    {3.5, 4},    {-2.5, -2},       {-3.5, -4},         {0.5, 0}, {1.5, 2},
                 {2.4999, 2}, {2.5001, 3}, {32767.4, 32767}, {-32768.5, -32768}, {-0.4, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(vb::CInt(c.v), c.r) << c.v;
    for (double bad : {32767.5, -32768.6, 40000.0, std::nan("")})
        EXPECT_EQ(VbErrorOf([bad] { vb::CInt(bad); }), 6) << bad;
    EXPECT_EQ(vb::CLng(2.5), 2);
    EXPECT_EQ(vb::CLng(-70000.5), -70000);
    EXPECT_EQ(VbErrorOf([] { vb::CLng(3e9); }), 6);
    EXPECT_EQ(VbErrorOf([] { vb::CSng(1e39); }), 6);
    EXPECT_EQ(vb::CSng(0.1), 0.1f);
}

TEST_F(VbNum, IntFixAndIntegerDivision) {
    EXPECT_EQ(vb::Int(-2.5f), -3.0f);
    EXPECT_EQ(vb::Fix(-2.5f), -2.0f);
    EXPECT_EQ(vb::Int(2.7), 2.0);
    EXPECT_EQ(vb::Fix(2.7), 2.0);
    EXPECT_EQ(vb::IntDiv(7, 2), 3);
    EXPECT_EQ(vb::IntDiv(-7, 2), -3);
    EXPECT_EQ(vb::IntDiv(7.5, 2), 4) << "operands are rounded first: 8 \\ 2";
    EXPECT_EQ(vb::IntDiv(120, 60), 2);
    EXPECT_EQ(vb::Mod(-7, 3), -1);
    EXPECT_EQ(vb::Mod(7, 3), 1);
    EXPECT_EQ(VbErrorOf([] { vb::IntDiv(5, 0.4); }), 11) << "0.4 rounds to 0";
    EXPECT_EQ(VbErrorOf([] { vb::Mod(5, 0); }), 11);
    EXPECT_EQ(vb::Round(2.5), 2.0);
    EXPECT_EQ(vb::Round(0.125, 2), 0.12);
}

TEST_F(VbNum, SinglePrecisionComparisons) {
    double d = 0.1;
    EXPECT_NE(d, static_cast<double>(0.1f));
    EXPECT_TRUE(vb::SngEq(d, 0.1f));
    EXPECT_TRUE(vb::SngLe(0.1000000001, 0.1f));
    EXPECT_FALSE(vb::SngLt(0.1000000001, 0.1f));
}

TEST_F(VbNum, FormatMasks) {
    struct Case {
        double v;
        const char* mask;
        const char* text;
    } cases[] = {
        {3.14159, "0.00", "3.14"},
        {1.2345, "0.000 ", "1.235 "},
        {5.55, "##0.0", "5.6"},
        {1234.56, "###0.0", "1234.6"},
        {-12.345, "#####0.00", "-12.35"},
        {0.5, "#.0", ".5"},
        {0.0, "#.0", ".0"},
        {12.0, "###.#", "12."},
        {12.34, "###.#", "12.3"},
        {9.5, "00.0", "09.5"},
        {10.5, ".#0", "10.50"},
        {0.25, ".#0", ".25"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {10000.0, "###0", "10000"},
        {1.753, "#.#0", "1.75"},
        {1.7, "#.#0", "1.70"},
        {42.0, " 00000  ", " 00042  "},
        {1.5, "000.00   ", "001.50   "},
        {1e7, "#####0.0", "10000000.0"},
        {1e-7, "0.00", "0.00"},
        {0.995, "0.00", "1.00"},
        {99.96, "##0.0", "100.0"},
        {-1.5, "0.00;(0.00)", "(1.50)"},
        {0.0, "0.0;-0.0;\"null\"", "null"},
        {0.256, "0.0%", "25.6%"},
        {1234567.0, "#,##0", "1,234,567"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vb::Format(c.v, c.mask), c.text) << c.v << " with \"" << c.mask << '"';
}

TEST_F(VbNum, FormatRoundsSinglesByTheirDecimalDigits) {
    // 2.675f is 2.67499995... in binary; as the 7-digit number 2.675 it rounds up, as an engineer expects.
    EXPECT_EQ(vb::Format(2.675f, "0.00"), "2.68");
    EXPECT_EQ(vb::Format(0.15f, "0.0"), "0.2"); // 0.149999991 in binary
    EXPECT_EQ(vb::Format(0.045f, "0.0"), "0.0");
    EXPECT_EQ(vb::Format(int16_t{7}, "0.00"), "7.00");
}

TEST_F(VbNum, FormatKeepsTheSignOfSmallNegativeValues) {
    EXPECT_EQ(vb::Format(-0.001, "0.00"), "-0.00");
    EXPECT_EQ(vb::Format(-0.0, "0.00"), "0.00");
}

TEST_F(VbNum, FormatUsesTheLocaleSeparator) {
    vb::SetDecimalSeparator(',');
    EXPECT_EQ(vb::Format(3.14159, "0.00"), "3,14");
    EXPECT_EQ(vb::Format(0.5f, "#.0"), ",5");
    EXPECT_EQ(vb::Format(999.0, "xE = 0.00"), "xE = 999,00");
    EXPECT_EQ(vb::Format(1234567.0, "#,##0"), "1.234.567");
    EXPECT_EQ(vb::Format(1.5f), "1,5");
}

TEST_F(VbNum, ReportFields) {
    EXPECT_EQ(vb::FieldMask(8, 2), "####0.00");
    EXPECT_EQ(vb::FieldMask(5, 3), "0.000");
    EXPECT_EQ(vb::FieldMask(4, 0), "###0");
    EXPECT_EQ(vb::FieldMask(1, 0), "0");
    struct Case {
        float v;
        int width, dec;
        const char* text;
    } cases[] = {{3.14159f, 8, 2, "    3.14"}, {-1.5f, 6, 2, " -1.50"}, {10000.0f, 4, 0, "10000"},
                 {0.2f, 5, 3, "0.200"},        {7.0f, 4, 0, "   7"},    {-123.456f, 6, 2, "-123.46"}};
    for (const auto& c : cases)
        EXPECT_EQ(vb::FormatField(c.v, c.width, c.dec), c.text) << c.v;
    vb::SetDecimalSeparator(',');
    EXPECT_EQ(vb::FormatField(3.14159f, 8, 2), "    3,14");
}

// A report field is its mask's Format, blanks in front: held against the general mask formatting over
// singles of every magnitude, the roundings that carry into a new digit, the values that round to zero
// (keeping their minus), zeros of either sign and the values that are no numbers.
TEST_F(VbNum, ReportFieldsAreTheirMasksFormat) {
    std::vector<float> werte = {0.0f,
                                -0.0f,
                                0.5f,
                                -0.5f,
                                0.05f,
                                -0.004f,
                                9.995f,
                                99.95f,
                                -999.5f,
                                0.0005f,
                                1e-30f,
                                -1e-45f,
                                3.4e38f,
                                123456.7f,
                                1.0e7f,
                                9999999.f,
                                0.125f,
                                2.675f,
                                -2.675f,
                                1.005f,
                                0.9999999f,
                                0.00995f,
                                49.995f,
                                -0.0049f,
                                16.5f,
                                1234.5678f,
                                0.1f,
                                1e-7f,
                                std::numeric_limits<float>::infinity(),
                                -std::numeric_limits<float>::infinity(),
                                std::numeric_limits<float>::quiet_NaN()};
    uint32_t z = 12345u; // a fixed sequence of bit patterns across the exponents
    for (int i = 0; i < 4000; ++i) {
        z = z * 1664525u + 1013904223u;
        const float v = std::ldexp(static_cast<float>(z >> 8) / 16777216.0f, static_cast<int>(z % 60) - 30);
        werte.push_back(z & 1u ? -v : v);
    }
    for (const char sep : {'.', ','}) {
        vb::SetDecimalSeparator(sep);
        for (const float v : werte)
            for (const auto& [breite, stellen] :
                 {std::pair{8, 2}, std::pair{6, 0}, std::pair{10, 3}, std::pair{3, 1}, std::pair{12, 5},
                  std::pair{1, 0}, std::pair{9, 7}}) {
                std::string erwartet = vb::Format(v, vb::FieldMask(breite, stellen));
                if (static_cast<int>(erwartet.size()) < breite)
                    erwartet.insert(0, static_cast<size_t>(breite) - erwartet.size(), ' ');
                ASSERT_EQ(vb::FormatField(v, breite, stellen), erwartet)
                    << v << " " << breite << "," << stellen;
            }
    }
}

// The separator comes from LC_ALL, else LC_NUMERIC, else LANG; unset, "C" and "POSIX" mean ",".
class LocaleSeparator : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* v : kVars) {
            const char* s = std::getenv(v);
            saved_.push_back(s ? std::optional<std::string>(s) : std::nullopt);
            unsetenv(v);
        }
        vb::ResetNumberState();
    }
    void TearDown() override {
        for (size_t i = 0; i < 3; ++i) {
            if (saved_[i])
                setenv(kVars[i], saved_[i]->c_str(), 1);
            else
                unsetenv(kVars[i]);
        }
        vb::ResetNumberState();
    }
    static char separatorWith(const char* var, const char* value) {
        setenv(var, value, 1);
        vb::ResetNumberState();
        char c = vb::DecimalSeparator();
        unsetenv(var);
        return c;
    }
    static constexpr const char* kVars[3] = {"LC_NUMERIC", "LC_ALL", "LANG"};
    std::vector<std::optional<std::string>> saved_;
};

TEST_F(LocaleSeparator, FollowsTheUsersLocale) {
    EXPECT_EQ(vb::DecimalSeparator(), ',') << "no locale set";
    EXPECT_EQ(separatorWith("LC_ALL", "C"), ',');
    EXPECT_EQ(separatorWith("LC_ALL", "C.UTF-8"), ',');
    EXPECT_EQ(separatorWith("LANG", "POSIX"), ',');
    EXPECT_EQ(separatorWith("LANG", "en_US.UTF-8"), '.');
    EXPECT_EQ(separatorWith("LC_ALL", "de_DE.UTF-8"), ',');
    EXPECT_EQ(separatorWith("LC_NUMERIC", "en_GB.UTF-8"), '.');
    setenv("LANG", "en_US.UTF-8", 1);
    EXPECT_EQ(separatorWith("LC_NUMERIC", "de_AT.UTF-8"), ',') << "LC_NUMERIC before LANG";
    // LC_ALL overrides LC_NUMERIC, as for every other program: the tests' LC_ALL=C.UTF-8 must hold
    // even for a user who has exported an English LC_NUMERIC.
    setenv("LC_NUMERIC", "en_US.UTF-8", 1);
    EXPECT_EQ(separatorWith("LC_ALL", "C.UTF-8"), ',');
    EXPECT_EQ(separatorWith("LC_ALL", "en_GB.UTF-8"), '.');
    setenv("LC_NUMERIC", "de_DE.UTF-8", 1);
    EXPECT_EQ(separatorWith("LC_ALL", "en_GB.UTF-8"), '.');
    unsetenv("LC_NUMERIC");
    vb::SetDecimalSeparator('.');
    EXPECT_EQ(vb::DecimalSeparator(), '.') << "a pinned separator wins";
}

} // namespace
