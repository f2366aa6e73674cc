#include "platform/runtime/vbstring.h"

#include "platform/runtime/errors.h"

#include <algorithm>
#include <array>

namespace vb {
namespace {

// Code points of the Windows-1252 bytes 0x80..0x9F (the undefined ones map to the C1 controls).
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t cp1252ToCode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kCp1252High[b - 0x80];
    return b;
}

// The Windows-1252 byte of a code point, or -1.
int codeToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

// Decodes the character starting at byte i; returns its length in bytes (at least 1). A malformed
// sequence is one character: the Windows-1252 character of its first byte.
size_t decodeAt(std::string_view s, size_t i, char32_t& cp) {
    auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    size_t len = 0;
    char32_t c = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        c = b0 & 0x07;
    }
    if (len == 0 || i + len > s.size()) {
        cp = cp1252ToCode(b0);
        return 1;
    }
    for (size_t k = 1; k < len; ++k) {
        auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            cp = cp1252ToCode(b0);
            return 1;
        }
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kMin[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        cp = cp1252ToCode(b0);
        return 1;
    }
    cp = c;
    return len;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Byte offset of character index n (0-based) in s; s.size() when n is at or beyond the end.
size_t byteOffset(std::string_view s, int32_t n) {
    size_t i = 0;
    char32_t cp;
    while (n > 0 && i < s.size()) {
        i += decodeAt(s, i, cp);
        --n;
    }
    return i;
}

// Character index (0-based) of byte offset b.
int32_t charIndex(std::string_view s, size_t b) {
    int32_t n = 0;
    size_t i = 0;
    char32_t cp;
    while (i < b && i < s.size()) {
        i += decodeAt(s, i, cp);
        ++n;
    }
    return n;
}

// True when every byte is below 0x80: such a text is its own Windows-1252 form, each byte one character.
bool nurAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

[[noreturn]] void invalidCall(const char* what) {
    throw RuntimeError(5, std::string("Invalid procedure call: ") + what);
}

char32_t upper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c == 0x153) return 0x152;
    if (c == 0x161) return 0x160;
    if (c == 0x17E) return 0x17D;
    return c;
}

char32_t lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x178) return 0xFF;
    if (c == 0x152) return 0x153;
    if (c == 0x160) return 0x161;
    if (c == 0x17D) return 0x17E;
    return c;
}

} // namespace

int32_t Len(std::string_view s) {
    if (nurAscii(s)) return static_cast<int32_t>(s.size());
    return charIndex(s, s.size());
}

std::string Left(std::string_view s, int32_t n) {
    if (n < 0) invalidCall("Left");
    return std::string(s.substr(0, byteOffset(s, n)));
}

std::string Right(std::string_view s, int32_t n) {
    if (n < 0) invalidCall("Right");
    int32_t len = Len(s);
    if (n >= len) return std::string(s);
    return std::string(s.substr(byteOffset(s, len - n)));
}

std::string Mid(std::string_view s, int32_t start) {
    if (start < 1) invalidCall("Mid");
    return std::string(s.substr(byteOffset(s, start - 1)));
}

std::string Mid(std::string_view s, int32_t start, int32_t len) {
    if (start < 1 || len < 0) invalidCall("Mid");
    size_t b = byteOffset(s, start - 1);
    std::string_view rest = s.substr(b);
    return std::string(rest.substr(0, byteOffset(rest, len)));
}

void MidAssign(std::string& s, int32_t start, std::string_view repl) {
    MidAssign(s, start, Len(repl), repl);
}

void MidAssign(std::string& s, int32_t start, int32_t len, std::string_view repl) {
    int32_t total = Len(s);
    if (start < 1 || start > total || len < 0) invalidCall("Mid statement");
    int32_t n = std::min({len, Len(repl), total - start + 1});
    size_t b0 = byteOffset(s, start - 1);
    size_t b1 = b0 + byteOffset(std::string_view(s).substr(b0), n);
    std::string piece(repl.substr(0, byteOffset(repl, n)));
    s.replace(b0, b1 - b0, piece);
}

std::string LTrim(std::string_view s) {
    size_t i = s.find_first_not_of(' ');
    return i == std::string_view::npos ? std::string() : std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
    size_t i = s.find_last_not_of(' ');
    return i == std::string_view::npos ? std::string() : std::string(s.substr(0, i + 1));
}

std::string Trim(std::string_view s) {
    return LTrim(RTrim(s));
}

int32_t InStr(std::string_view s, std::string_view find) {
    return InStr(1, s, find);
}

int32_t InStr(int32_t start, std::string_view s, std::string_view find) {
    if (start < 1) invalidCall("InStr");
    if (s.empty()) return 0;
    int32_t len = Len(s);
    if (start > len) return find.empty() && start == len + 1 ? start : 0;
    if (find.empty()) return start;
    size_t from = byteOffset(s, start - 1);
    size_t pos = s.find(find, from);
    if (pos == std::string_view::npos) return 0;
    return charIndex(s, pos) + 1;
}

int32_t InStrRev(std::string_view s, std::string_view find) {
    if (find.empty()) return Len(s);
    size_t pos = s.rfind(find);
    if (pos == std::string_view::npos) return 0;
    return charIndex(s, pos) + 1;
}

std::string UCase(std::string_view s) {
    if (nurAscii(s)) {
        std::string out(s);
        for (char& c : out)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return out;
    }
    std::string out;
    out.reserve(s.size());
    for (char32_t c : ToU32(s))
        appendUtf8(out, upper(c));
    return out;
}

std::string LCase(std::string_view s) {
    if (nurAscii(s)) {
        std::string out(s);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        return out;
    }
    std::string out;
    out.reserve(s.size());
    for (char32_t c : ToU32(s))
        appendUtf8(out, lower(c));
    return out;
}

std::string Replace(std::string_view s, std::string_view find, std::string_view repl) {
    if (find.empty()) return std::string(s);
    std::string out;
    size_t i = 0;
    for (;;) {
        size_t p = s.find(find, i);
        if (p == std::string_view::npos) break;
        out.append(s.substr(i, p - i));
        out.append(repl);
        i = p + find.size();
    }
    out.append(s.substr(i));
    return out;
}

std::string Space(int32_t n) {
    if (n < 0) invalidCall("Space");
    return std::string(static_cast<size_t>(n), ' ');
}

std::string String(int32_t n, std::string_view ch) {
    if (n < 0 || ch.empty()) invalidCall("String");
    std::string one = Left(ch, 1);
    std::string out;
    out.reserve(one.size() * static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        out += one;
    return out;
}

std::string Chr(int32_t code) {
    if (code < 0 || code > 255) invalidCall("Chr");
    std::string out;
    appendUtf8(out, cp1252ToCode(static_cast<unsigned char>(code)));
    return out;
}

int32_t AscW(std::string_view s) {
    if (s.empty()) invalidCall("Asc");
    char32_t cp;
    decodeAt(s, 0, cp);
    return static_cast<int32_t>(cp);
}

int32_t Asc(std::string_view s) {
    int b = codeToCp1252(static_cast<char32_t>(AscW(s)));
    return b < 0 ? '?' : b;
}

std::string PadRight(std::string_view s, int32_t n) {
    if (n < 0) invalidCall("LSet");
    int32_t len = Len(s);
    if (len >= n) return Left(s, n);
    return std::string(s) + Space(n - len);
}

std::string PadLeft(std::string_view s, int32_t n) {
    if (n < 0) invalidCall("RSet");
    int32_t len = Len(s);
    if (len >= n) return Left(s, n);
    return Space(n - len) + std::string(s);
}

std::string FromCp1252(std::string_view bytes) {
    if (nurAscii(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes)
        appendUtf8(out, cp1252ToCode(static_cast<unsigned char>(ch)));
    return out;
}

std::string ToCp1252(std::string_view utf8) {
    if (nurAscii(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp;
        i += decodeAt(utf8, i, cp);
        int b = codeToCp1252(cp);
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

std::u32string ToU32(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp;
        i += decodeAt(utf8, i, cp);
        out += cp;
    }
    return out;
}

std::string FromU32(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        appendUtf8(out, c);
    return out;
}

void UmlauteWandeln(std::string& text) {
    if (text.empty()) return;
    static constexpr std::array<std::pair<char32_t, char32_t>, 8> kMap = {{{0x0081, U'ü'},
                                                                           {0x201E, U'ä'},
                                                                           {0x201D, U'ö'},
                                                                           {0x0161, U'Ü'},
                                                                           {0x017D, U'Ä'},
                                                                           {0x2122, U'Ö'},
                                                                           {0x00E1, U'ß'},
                                                                           {0x00F8, U'°'}}};
    std::u32string t = ToU32(text);
    bool changed = false;
    for (auto& [from, to] : kMap)
        for (char32_t& c : t)
            if (c == from) {
                c = to;
                changed = true;
            }
    if (changed) text = FromU32(t);
}

} // namespace vb
