// Number lists from text.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "earthpressure/number_lists.h"
#include "platform/runtime/errors.h"

namespace {

TEST(ZahlenAusText, RunsOfDigitsInTheirOrder) {
    struct Fall {
        const char* text;
        std::vector<int16_t> zahlen;
    } faelle[] = {
        {"61 62 63 64", {61, 62, 63, 64}},
        {"   61 62 63 64  ", {61, 62, 63, 64}},
        {"", {}},
        {"   ", {}},
        {"abc -", {}},
        {"1,2", {1, 2}},
        {"1  2", {1, 2}},
        {"1x2", {1, 2}},
        {"7 8 ", {7, 8}},
        {"7 8x", {7, 8}},
        {"-5 3.25", {5, 3, 25}},
        {"32767", {32767}},
        {"0 007", {0, 7}},
    };
    for (const auto& f : faelle) {
        std::string text = f.text;
        std::array<int16_t, 11> liste{};
        liste.fill(-1);
        zormb::ZahlenAusText(text, liste);
        ASSERT_EQ(liste[0], static_cast<int16_t>(f.zahlen.size())) << '"' << f.text << '"';
        for (std::size_t k = 0; k < f.zahlen.size(); ++k)
            EXPECT_EQ(liste[k + 1], f.zahlen[k]) << f.text;
    }
}

TEST(ZahlenAusText, TrimsTheCallersTextInPlace) {
    std::string text = "  201 202  ";
    std::vector<int16_t> liste(5);
    zormb::ZahlenAusText(text, liste);
    EXPECT_EQ(text, "201 202");
    EXPECT_EQ(liste[0], 2);
}

TEST(ZahlenAusText, RefusesListsTooShortAndNumbersBeyondTheRange) {
    std::string text = "1 2 3";
    std::array<int16_t, 3> kurz{};
    EXPECT_THROW(zormb::ZahlenAusText(text, kurz), vb::RuntimeError);
    std::string gross = "40000";
    std::array<int16_t, 3> liste{};
    try {
        zormb::ZahlenAusText(gross, liste);
        ADD_FAILURE();
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.number(), 6);
    }
}

} // namespace
