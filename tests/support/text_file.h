#pragma once
// Files the program writes, as the tests compare them: UTF-8 text and its lines. The program writes
// Windows-1252 with CR LF; files of tests/data may be UTF-8 already and end their lines with LF.
// Names go through the runtime's resolver, so a file still open under a file number is read with
// all that was printed to it, and a missing file is the runtime's error 53.
#include "platform/runtime/winfs.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace zortest {

// The text of a file as UTF-8: converted from Windows-1252, or taken as it is (cp1252 false).
inline std::string Text(const std::filesystem::path& datei, bool cp1252 = true) {
    return cp1252 ? vb::ReadTextFile(datei.string()) : vb::ReadFileBytes(datei.string());
}

// The lines of a text, each ended by CR LF or LF (the last one may lack it), without their ends.
inline std::vector<std::string> ZeilenAus(std::string_view text) {
    std::vector<std::string> out;
    std::size_t a = 0;
    while (a < text.size()) {
        std::size_t e = text.find('\n', a);
        if (e == std::string_view::npos) e = text.size();
        std::string_view z = text.substr(a, e - a);
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        out.emplace_back(z);
        a = e + 1;
    }
    return out;
}

// The lines of a file (CR LF or LF) as UTF-8, without their ends.
inline std::vector<std::string> Zeilen(const std::filesystem::path& datei, bool cp1252 = true) {
    return ZeilenAus(Text(datei, cp1252));
}

// The lines of a text the program wrote, which ends every line with CR LF: a lone CR or LF stays
// part of its line, and a last line without CR LF fails the test.
inline std::vector<std::string> CrLfZeilen(std::string_view text) {
    std::vector<std::string> out;
    std::size_t a = 0;
    for (std::size_t e; (e = text.find("\r\n", a)) != std::string_view::npos; a = e + 2)
        out.emplace_back(text.substr(a, e - a));
    EXPECT_EQ(a, text.size()) << "last line without CR LF: " << text.substr(a);
    return out;
}

} // namespace zortest
