#include "platform/draw/fonts.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace vb::draw {

namespace {

std::string Upper(std::string_view s) {
    std::string u(s);
    for (char& c : u)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

std::string Trimmed(std::string_view s) {
    size_t a = 0, e = s.size();
    while (a < e && s[a] == ' ')
        ++a;
    while (e > a && s[e - 1] == ' ')
        --e;
    return std::string(s.substr(a, e - a));
}

std::vector<std::string>& ScreenList() {
    static std::vector<std::string> list;
    return list;
}

// Number of characters of a UTF-8 text.
size_t CharCount(std::string_view s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// Advance of one character of the proportional faces in em. Digits have the tabular width
// of 0.556 em of Arial; the classes below approximate the other characters.
double ProportionalAdvance(char32_t c, bool serif) {
    if (c >= '0' && c <= '9') return serif ? 0.5 : 0.556;
    switch (c) {
    case ' ':
        return 0.278 - (serif ? 0.028 : 0);
    case '.':
    case ',':
    case ':':
    case ';':
    case '!':
    case '|':
    case '\'':
    case 'i':
    case 'j':
    case 'l':
    case 'I':
        return 0.278;
    case 'f':
    case 't':
    case 'r':
    case '(':
    case ')':
    case '[':
    case ']':
    case '-':
        return 0.333;
    case 'm':
    case 'M':
    case 'W':
        return 0.833;
    case 'w':
        return 0.722;
    default:
        break;
    }
    if (c >= 'A' && c <= 'Z') return 0.667;
    return 0.556;
}

} // namespace

std::string InstalledFamily(std::string_view windowsName) {
    std::string u = Upper(Trimmed(windowsName));
    if (u == "COURIER NEW" || u == "COURIER") return "Liberation Mono";
    if (u == "ARIAL" || u == "HELVETICA" || u == "MS SANS SERIF") return "Liberation Sans";
    if (u == "TIMES NEW ROMAN" || u == "TIMES") return "Liberation Serif";
    return std::string(windowsName);
}

bool IsFixedPitchName(std::string_view name) {
    std::string u = Upper(name);
    return u.find("COURIER") != std::string::npos || u.find("MONO") != std::string::npos ||
           u.find("LUCIDA CONSOLE") != std::string::npos || u.find("OCR-") != std::string::npos ||
           u.find("FIXED") != std::string::npos;
}

const std::vector<std::string>& StandardFontNames() {
    static const std::vector<std::string> names = {"Arial", "Courier New", "Times New Roman"};
    return names;
}

double ModelCellPerEm(std::string_view name) {
    // ascent + descent of the faces in units of 2048 per em
    if (IsFixedPitchName(name)) return (1705.0 + 615.0) / 2048.0;
    std::string u = Upper(name);
    if (u.find("TIMES") != std::string::npos || u.find("SERIF") != std::string::npos)
        if (u.find("SANS") == std::string::npos) return (1825.0 + 443.0) / 2048.0;
    return (1854.0 + 434.0) / 2048.0;
}

Extent ModelMeasure(std::string_view line, const FontSpec& f) {
    const double em = f.size * 20.0; // twips
    Extent e;
    e.height = em * ModelCellPerEm(f.name);
    if (IsFixedPitchName(f.name)) {
        e.width = em * (1229.0 / 2048.0) * static_cast<double>(CharCount(line));
    } else {
        std::string u = Upper(f.name);
        bool serif = (u.find("TIMES") != std::string::npos || u.find("SERIF") != std::string::npos) &&
                     u.find("SANS") == std::string::npos;
        double w = 0;
        for (size_t i = 0; i < line.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(line[i]);
            if ((c & 0xC0) == 0x80) continue; // continuation bytes of a multi-byte character
            w += ProportionalAdvance(c < 0x80 ? c : U'a', serif);
        }
        e.width = em * w;
    }
    return e;
}

float SnapFontSize(float points, double twipsPerPixel) {
    if (!(points > 0) || !(twipsPerPixel > 0) || !std::isfinite(points)) return points;
    const double px = std::max(1.0, std::round(points * 20.0 / twipsPerPixel));
    return static_cast<float>(px * twipsPerPixel / 20.0);
}

std::vector<std::string> ScreenFonts() {
    const auto& list = ScreenList();
    if (list.empty()) return StandardFontNames();
    return list;
}

void SetScreenFonts(std::vector<std::string> fonts) {
    ScreenList() = std::move(fonts);
}

} // namespace vb::draw
