#include "platform/runtime/vbnum.h"

#include "platform/runtime/errors.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <string>
#include <vector>

namespace vb {
namespace {

// ---- state ---------------------------------------------------------------------------------
struct NumberState {
    char pinned = 0;     // separator set by SetDecimalSeparator
    char fromLocale = 0; // cached lookup of the user's locale
};
NumberState& state() {
    static NumberState s;
    return s;
}

[[noreturn]] void overflow() {
    throw RuntimeError(6, "Overflow");
}

// ---- decimal digits --------------------------------------------------------------------------
// |v| = 0.d1 d2 d3 ... x 10^exp, digits without trailing zeros; empty digits for 0.
struct Dec {
    bool neg = false;
    std::string digits;
    int exp = 0;
};

constexpr double kZehnerpotenz[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                    1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};

// The first sig significant digits of a > 0 (finite), rounded half to even as to_chars rounds them, into
// g (sig characters, trailing zeros kept), and the exponent of the first digit (a = d.ddd x 10^e).
// A single (24-bit mantissa) between 10^(sig-13) and 10^sig is scaled by a power of ten of at most 10^12
// without rounding (the product needs at most 24 + 29 bits), so its digits come from one rounding to
// an integer; every other value goes through to_chars. sig at most 17.
int digitsOf(double a, int sig, char* g) {
    if (sig <= 15 && static_cast<double>(static_cast<float>(a)) == a) {
        // the binary exponent from the bits of the double, the decimal one from it (log10(2) ~ 78913 / 2^18)
        const int e2 = static_cast<int>((std::bit_cast<uint64_t>(a) >> 52) & 0x7FF) - 1023;
        int k = sig - 1 - ((e2 + 1) * 78913 >> 18);
        while (k >= 0 && k <= 12) {
            const double s = a * kZehnerpotenz[k];
            if (s >= kZehnerpotenz[sig]) {
                --k;
                continue;
            }
            if (s < kZehnerpotenz[sig - 1]) {
                ++k;
                continue;
            }
            // below 2^52, adding 2^52 leaves no bit behind the point: the sum is s rounded half to even
            constexpr double kRunden = 4503599627370496.0;
            double r = (s + kRunden) - kRunden;
            int e = sig - 1 - k;
            if (r >= kZehnerpotenz[sig]) {
                r = kZehnerpotenz[sig - 1];
                ++e;
            }
            // the digits two at a time from the back
            static constexpr char kPaare[] = "00010203040506070809101112131415161718192021222324252627282930313233343536"
                                             "37383940414243444546474849505152535455565758596061626364656667686970717273"
                                             "7475767778798081828384858687888990919293949596979899";
            auto n = static_cast<unsigned long long>(r);
            int i = sig;
            for (; i >= 2; i -= 2) {
                const unsigned long long q = n / 100;
                const auto p = static_cast<size_t>(n - q * 100) * 2;
                g[i - 1] = kPaare[p + 1];
                g[i - 2] = kPaare[p];
                n = q;
            }
            if (i == 1) g[0] = static_cast<char>('0' + n);
            return e;
        }
    }
    // to_chars, unlike printf, does not follow the C library's locale, which the window toolkit sets
    // from the environment (a German locale would give "1,500000e+00")
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, sig - 1);
    int n = 0;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (*p != '.') g[n++] = *p;
    int e = 0;
    const char* q = p + 1;
    const bool eNeg = q < res.ptr && *q == '-';
    if (q < res.ptr && (*q == '-' || *q == '+')) ++q;
    for (; q < res.ptr; ++q)
        e = e * 10 + (*q - '0');
    return eNeg ? -e : e;
}

Dec toDec(double v, int sig) {
    Dec d;
    d.neg = std::signbit(v) && v != 0.0;
    if (v == 0.0) return d;
    char g[32];
    d.exp = digitsOf(std::fabs(v), sig, g) + 1;
    int n = sig;
    while (n > 0 && g[n - 1] == '0')
        --n;
    d.digits.assign(g, static_cast<size_t>(n));
    return d;
}

std::string specialText(double v) {
    if (std::isnan(v)) return "-1.#IND";
    return v < 0 ? "-1.#INF" : "1.#INF";
}

// The shortest form of v with at most sig significant digits, "." as separator, with the sign mark in
// front (none when vorzeichen is 0; "-" for a negative value), written into out (at least 48 bytes)
// without intermediate strings; v finite, sig at most 17. The length.
int plainInto(double v, int sig, char vorzeichen, char* out) {
    int o = 0;
    const bool neg = std::signbit(v) && v != 0.0;
    if (neg)
        out[o++] = '-';
    else if (vorzeichen)
        out[o++] = vorzeichen;
    if (v == 0.0) {
        out[o++] = '0';
        return o;
    }
    char g[32];
    const int e = digitsOf(std::fabs(v), sig, g); // the scientific exponent
    int n = sig;
    while (n > 0 && g[n - 1] == '0')
        --n;
    if (e >= -4 && e < sig) {
        if (e >= 0) {
            for (int i = 0; i <= e || i < n; ++i) {
                if (i == e + 1) out[o++] = '.';
                out[o++] = i < n ? g[i] : '0';
            }
        } else {
            out[o++] = '.';
            for (int i = 0; i < -e - 1; ++i)
                out[o++] = '0';
            for (int i = 0; i < n; ++i)
                out[o++] = g[i];
        }
    } else {
        out[o++] = g[0];
        if (n > 1) {
            out[o++] = '.';
            for (int i = 1; i < n; ++i)
                out[o++] = g[i];
        }
        out[o++] = 'E';
        out[o++] = e < 0 ? '-' : '+';
        const int a = std::abs(e);
        if (a >= 100) out[o++] = static_cast<char>('0' + a / 100);
        out[o++] = static_cast<char>('0' + a / 10 % 10);
        out[o++] = static_cast<char>('0' + a % 10);
    }
    return o;
}

std::string plainForm(double v, int sig) {
    if (!std::isfinite(v)) return specialText(v);
    char out[64];
    return std::string(out, static_cast<size_t>(plainInto(v, sig, 0, out)));
}

std::string strForm(double v, int sig) {
    if (!std::isfinite(v)) return specialText(v);
    char out[64];
    return std::string(out, static_cast<size_t>(plainInto(v, sig, ' ', out)));
}

std::string withSeparator(std::string s) {
    char sep = DecimalSeparator();
    if (sep != '.')
        for (char& c : s)
            if (c == '.') c = sep;
    return s;
}

// ---- number parsing ------------------------------------------------------------------------
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Scans the leading number of text by the rules of Val into a clean text (sign, digits, ".", "e"). Returns
// the number of characters of text consumed (blanks inside included).
size_t scanNumber(std::string_view text, std::string& clean) {
    size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    auto isDigit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        clean += text[i++];
        skip();
    }
    bool anyDigit = false, point = false;
    size_t end = i;
    for (;;) {
        skip();
        if (isDigit(i)) {
            clean += text[i++];
            anyDigit = true;
            end = i;
        } else if (i < text.size() && text[i] == '.' && !point) {
            clean += '.';
            point = true;
            ++i;
            end = i;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        clean.clear();
        return 0;
    }
    // exponent: E or D, optional sign, at least one digit
    skip();
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t k = i + 1;
        std::string ex = "e";
        while (k < text.size() && isBlank(text[k]))
            ++k;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ex += text[k++];
        bool expDigit = false;
        for (;;) {
            while (k < text.size() && isBlank(text[k]))
                ++k;
            if (k < text.size() && text[k] >= '0' && text[k] <= '9') {
                ex += text[k++];
                expDigit = true;
            } else {
                break;
            }
        }
        if (expDigit) {
            clean += ex;
            end = k;
        }
    }
    return end;
}

// True when the clean number text (no sign) lies above 1 in magnitude by its decimal exponent, so that
// a value out of range is an overflow rather than an underflow to 0.
bool beyondOne(std::string_view t) {
    size_t e = t.find('e');
    std::string_view mant = t.substr(0, e);
    long long exp10 = 0;
    if (e != std::string_view::npos) {
        size_t k = e + 1;
        bool neg = k < t.size() && t[k] == '-';
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
        for (; k < t.size(); ++k)
            exp10 = std::min(exp10 * 10 + (t[k] - '0'), 1000000000LL);
        if (neg) exp10 = -exp10;
    }
    size_t point = mant.find('.');
    std::string_view whole = mant.substr(0, point);
    size_t firstDigit = whole.find_first_not_of('0');
    if (firstDigit != std::string_view::npos)
        return exp10 + static_cast<long long>(whole.size() - firstDigit) > 0;
    std::string_view frac = point == std::string_view::npos ? std::string_view() : mant.substr(point + 1);
    size_t firstFrac = frac.find_first_not_of('0');
    if (firstFrac == std::string_view::npos) return false; // zero
    return exp10 - static_cast<long long>(firstFrac) > 0;
}

// The number of a clean text (from scanNumber) rounded once to T. from_chars, unlike strtod, does not
// follow the C library's locale, which the window toolkit sets from the environment.
template <class T> T parseClean(const std::string& clean) {
    const char* first = clean.data();
    const char* last = first + clean.size();
    bool neg = false;
    if (first != last && (*first == '+' || *first == '-')) neg = *first++ == '-';
    T v{};
    auto res = std::from_chars(first, last, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        if (beyondOne(std::string_view(first, static_cast<size_t>(last - first)))) overflow();
        v = T(0); // below the smallest magnitude: 0, as Visual Basic reads it
    } else if (res.ec != std::errc()) {
        v = T(0);
    } else if (std::isinf(v)) {
        overflow();
    }
    return neg ? -v : v;
}

double toDouble(const std::string& clean) {
    return parseClean<double>(clean);
}

// ---- masks ---------------------------------------------------------------------------------
struct Token {
    enum Kind { Zero, Hash, Point, Literal } kind;
    std::string text; // literal text
};

struct Section {
    std::vector<Token> tokens;
    bool percent = false;
    bool grouping = false;
};

Section parseSection(std::string_view m) {
    Section sec;
    bool sawPoint = false;
    for (size_t i = 0; i < m.size(); ++i) {
        char c = m[i];
        if (c == '0' || c == '#') {
            sec.tokens.push_back({c == '0' ? Token::Zero : Token::Hash, {}});
        } else if (c == '.' && !sawPoint) {
            sec.tokens.push_back({Token::Point, {}});
            sawPoint = true;
        } else if (c == ',' && !sawPoint) {
            // a comma among the integer digits asks for thousands separators
            sec.grouping = true;
        } else if (c == '\\' && i + 1 < m.size()) {
            sec.tokens.push_back({Token::Literal, std::string(1, m[++i])});
        } else if (c == '"') {
            size_t j = m.find('"', i + 1);
            if (j == std::string_view::npos) j = m.size();
            sec.tokens.push_back({Token::Literal, std::string(m.substr(i + 1, j - i - 1))});
            i = j;
        } else {
            if (c == '%') sec.percent = true;
            // keep multi-byte characters together
            sec.tokens.push_back({Token::Literal, std::string(1, c)});
        }
    }
    return sec;
}

std::vector<std::string_view> splitSections(std::string_view mask) {
    std::vector<std::string_view> out;
    bool quoted = false;
    size_t start = 0;
    for (size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '"')
            quoted = !quoted;
        else if (mask[i] == '\\')
            ++i;
        else if (mask[i] == ';' && !quoted) {
            out.push_back(mask.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(mask.substr(std::min(start, mask.size())));
    return out;
}

// Rounds d half away from zero to nFrac decimals.
void roundDec(Dec& d, int nFrac) {
    if (d.digits.empty()) return;
    int keep = d.exp + nFrac;
    int n = static_cast<int>(d.digits.size());
    if (keep >= n) return;
    if (keep < 0) {
        d.digits.clear();
        d.exp = 0;
        return;
    }
    bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int k = keep - 1;
        while (k >= 0 && d.digits[static_cast<size_t>(k)] == '9') {
            d.digits[static_cast<size_t>(k)] = '0';
            --k;
        }
        if (k < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exp += 1;
        } else {
            d.digits[static_cast<size_t>(k)]++;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d.exp = 0;
}

std::string groupDigits(const std::string& s, char sep) {
    std::string out;
    int n = static_cast<int>(s.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += sep;
        out += s[static_cast<size_t>(i)];
    }
    return out;
}

std::string formatSection(const Section& sec, double v, int sig, bool showMinus) {
    if (sec.percent) v *= 100.0;
    // split tokens at the decimal point
    size_t point = sec.tokens.size();
    for (size_t i = 0; i < sec.tokens.size(); ++i)
        if (sec.tokens[i].kind == Token::Point) {
            point = i;
            break;
        }
    std::vector<size_t> intPh, fracPh;
    for (size_t i = 0; i < sec.tokens.size(); ++i) {
        auto k = sec.tokens[i].kind;
        if (k == Token::Zero || k == Token::Hash) (i < point ? intPh : fracPh).push_back(i);
    }
    int nFrac = static_cast<int>(fracPh.size());

    Dec d = toDec(v, sig);
    roundDec(d, nFrac);
    std::string intStr, fracStr;
    int n = static_cast<int>(d.digits.size());
    if (!d.digits.empty() && d.exp > 0) {
        intStr = d.digits.substr(0, static_cast<size_t>(std::min(n, d.exp)));
        if (n < d.exp) intStr += std::string(static_cast<size_t>(d.exp - n), '0');
        if (n > d.exp) fracStr = d.digits.substr(static_cast<size_t>(d.exp));
    } else if (!d.digits.empty()) {
        fracStr = std::string(static_cast<size_t>(-d.exp), '0') + d.digits;
    }
    fracStr.resize(static_cast<size_t>(nFrac), '0');

    // integer digits: at least as many as there are placeholders from the first "0" on
    size_t minDigits = 0;
    for (size_t j = 0; j < intPh.size(); ++j)
        if (sec.tokens[intPh[j]].kind == Token::Zero) {
            minDigits = intPh.size() - j;
            break;
        }
    if (intStr.size() < minDigits) intStr.insert(0, minDigits - intStr.size(), '0');
    char dsep = DecimalSeparator();
    if (sec.grouping) intStr = groupDigits(intStr, dsep == ',' ? '.' : ',');

    // which integer placeholder gets which digits (the leftmost takes any surplus)
    std::vector<std::string> assigned(sec.tokens.size());
    if (!intPh.empty()) {
        size_t len = intStr.size();
        size_t k = intPh.size();
        for (size_t j = 0; j < k; ++j) {
            size_t fromRight = k - 1 - j; // 0 for the rightmost placeholder
            if (j == 0) {
                if (len > k - 1) assigned[intPh[j]] = intStr.substr(0, len - (k - 1));
            } else if (fromRight < len) {
                assigned[intPh[j]] = std::string(1, intStr[len - 1 - fromRight]);
            }
        }
    }
    // fraction digits: up to the last significant one or the last "0" placeholder
    size_t shown = 0;
    for (size_t j = 0; j < fracPh.size(); ++j) {
        if (fracStr[j] != '0' || sec.tokens[fracPh[j]].kind == Token::Zero) shown = j + 1;
    }
    for (size_t j = 0; j < shown; ++j)
        assigned[fracPh[j]] = std::string(1, fracStr[j]);

    std::string out;
    bool pointSeen = false;
    for (size_t i = 0; i < sec.tokens.size(); ++i) {
        const Token& t = sec.tokens[i];
        switch (t.kind) {
        case Token::Zero:
        case Token::Hash:
            out += assigned[i];
            break;
        case Token::Point:
            if (intPh.empty()) out += intStr;
            out += dsep;
            pointSeen = true;
            break;
        case Token::Literal:
            out += t.text;
            break;
        }
    }
    if (intPh.empty() && !pointSeen) out += intStr; // a mask without any digit placeholder
    if (showMinus) out.insert(0, "-");
    return out;
}

std::string formatValue(double v, std::string_view mask, int sig) {
    if (mask.empty()) return withSeparator(plainForm(v, sig));
    if (!std::isfinite(v)) return specialText(v);
    auto secs = splitSections(mask);
    bool neg = std::signbit(v) && v != 0.0;
    if (secs.size() == 1) return formatSection(parseSection(secs[0]), std::fabs(v), sig, neg);
    if (neg) {
        if (secs[1].empty()) return formatSection(parseSection(secs[0]), std::fabs(v), sig, true);
        return formatSection(parseSection(secs[1]), std::fabs(v), sig, false);
    }
    if (v == 0.0 && secs.size() >= 3 && !secs[2].empty())
        return formatSection(parseSection(secs[2]), 0.0, sig, false);
    return formatSection(parseSection(secs[0]), v, sig, false);
}

char separatorOfLocale() {
    // The order the C library follows: LC_ALL overrides every category, then LC_NUMERIC, then LANG.
    const char* vars[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::string name;
    for (const char* var : vars) {
        const char* v = std::getenv(var);
        if (v && *v) {
            name = v;
            break;
        }
    }
    if (name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) return ',';
    if (locale_t loc = newlocale(LC_NUMERIC_MASK, name.c_str(), static_cast<locale_t>(0))) {
        const char* radix = nl_langinfo_l(RADIXCHAR, loc);
        char c = radix && *radix ? radix[0] : ',';
        freelocale(loc);
        if (c == '.' || c == ',') return c;
        return ',';
    }
    // The locale is not installed: decide by the language.
    std::string lang = name.substr(0, name.find_first_of("_.@"));
    static const char* pointLanguages[] = {"en", "ja", "zh", "ko", "he", "th", "hi", "ga", "ms",
                                           "tl", "sw", "ta", "te", "ur", "bn", "my", "km", "mt"};
    for (const char* p : pointLanguages)
        if (lang == p) return '.';
    return ',';
}

} // namespace

// ---- number to text --------------------------------------------------------------------------
std::string Str(float v) {
    return strForm(v, 7);
}
std::string Str(double v) {
    return strForm(v, 15);
}
std::string StrPlain(float v) {
    return plainForm(v, 7);
}
std::string StrPlain(double v) {
    return plainForm(v, 15);
}
namespace {
// The conversion to text keeps the zero before the separator that Str leaves out ("0,75", "-0,25").
std::string withLeadingZero(std::string s) {
    const std::size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
    if (i < s.size() && s[i] == '.') s.insert(i, 1, '0');
    return s;
}
} // namespace
std::string CStr(float v) {
    return withSeparator(withLeadingZero(plainForm(v, 7)));
}
std::string CStr(double v) {
    return withSeparator(withLeadingZero(plainForm(v, 15)));
}

// ---- text to number --------------------------------------------------------------------------
double Val(std::string_view text) {
    std::string clean;
    scanNumber(text, clean);
    if (clean.empty()) return 0.0;
    return toDouble(clean);
}

float ValSingle(std::string_view text) {
    std::string clean;
    scanNumber(text, clean);
    if (clean.empty()) return 0.0f;
    return parseClean<float>(clean);
}

bool IsNumeric(std::string_view text) {
    std::string clean;
    size_t used = scanNumber(text, clean);
    if (clean.empty()) return false;
    for (size_t i = used; i < text.size(); ++i)
        if (!isBlank(text[i])) return false;
    return true;
}

// ---- conversions -----------------------------------------------------------------------------
int16_t CInt(double v) {
    if (std::isnan(v)) overflow();
    double r = std::nearbyint(v);
    if (r < -32768.0 || r > 32767.0) overflow();
    return static_cast<int16_t>(r);
}

int32_t CLng(double v) {
    if (std::isnan(v)) overflow();
    double r = std::nearbyint(v);
    if (r < -2147483648.0 || r > 2147483647.0) overflow();
    return static_cast<int32_t>(r);
}

float CSng(double v) {
    if (std::isnan(v)) return static_cast<float>(v);
    float f = static_cast<float>(v);
    if (std::isinf(f) && !std::isinf(v)) overflow();
    return f;
}

double Round(double v, int digits) {
    if (!std::isfinite(v)) return v;
    double scale = std::pow(10.0, digits);
    return std::nearbyint(v * scale) / scale;
}

float Int(float v) {
    return std::floor(v);
}
double Int(double v) {
    return std::floor(v);
}
float Fix(float v) {
    return std::trunc(v);
}
double Fix(double v) {
    return std::trunc(v);
}

int32_t IntDiv(double a, double b) {
    int32_t x = CLng(a), y = CLng(b);
    if (y == 0) throw RuntimeError(11, "Division by zero");
    if (x == INT32_MIN && y == -1) overflow();
    return x / y;
}

int32_t Mod(double a, double b) {
    int32_t x = CLng(a), y = CLng(b);
    if (y == 0) throw RuntimeError(11, "Division by zero");
    if (y == -1) return 0;
    return x % y;
}

int16_t Sgn(double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

// ---- masks -----------------------------------------------------------------------------------
std::string Format(float v, std::string_view mask) {
    return formatValue(v, mask, 7);
}
std::string Format(double v, std::string_view mask) {
    return formatValue(v, mask, 15);
}
std::string Format(float v) {
    return CStr(v);
}
std::string Format(double v) {
    return CStr(v);
}

std::string FieldMask(int width, int dec) {
    int n = width - dec;
    if (dec > 0) n -= 1;
    std::string mask(static_cast<size_t>(std::max(n - 1, 0)), '#');
    mask += '0';
    if (dec > 0) mask += "." + std::string(static_cast<size_t>(dec), '0');
    return mask;
}

std::string FormatField(float v, int width, int dec) {
    // The mask of FieldMask has integer placeholders ending in one "0" and dec "0"s after the point, so
    // Format prints all integer digits (at least "0"), the separator and exactly dec decimals of the
    // value rounded as Format rounds it (its 7 significant digits, then half away from zero): made here
    // in one buffer instead of through the mask's tokens.
    const double x = v;
    if (dec >= 0 && dec <= 30 && std::isfinite(x)) {
        char dig[48];
        int n = 0, exp = 0;
        if (x != 0.0) {
            char buf[64];
            const auto res =
                std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 6);
            const char* p = buf;
            for (; p < res.ptr && *p != 'e'; ++p)
                if (*p != '.') dig[n++] = *p;
            const char* q = p + 1;
            const bool expNeg = q < res.ptr && *q == '-';
            if (q < res.ptr && (*q == '-' || *q == '+')) ++q;
            for (; q < res.ptr; ++q)
                exp = exp * 10 + (*q - '0');
            exp = (expNeg ? -exp : exp) + 1;
            while (n > 0 && dig[n - 1] == '0')
                --n;
            const int keep = exp + dec;
            if (keep < 0) {
                n = 0;
                exp = 0;
            } else if (keep < n) {
                const bool up = dig[keep] >= '5';
                n = keep;
                if (up) {
                    int k = keep - 1;
                    while (k >= 0 && dig[k] == '9')
                        dig[k--] = '0';
                    if (k < 0) {
                        for (int j = n; j > 0; --j)
                            dig[j] = dig[j - 1];
                        dig[0] = '1';
                        ++n;
                        ++exp;
                    } else {
                        ++dig[k];
                    }
                }
                while (n > 0 && dig[n - 1] == '0')
                    --n;
                if (n == 0) exp = 0;
            }
        }
        char out[96];
        int o = 0;
        if (std::signbit(x) && x != 0.0) out[o++] = '-';
        if (n > 0 && exp > 0)
            for (int i = 0; i < exp; ++i)
                out[o++] = i < n ? dig[i] : '0';
        else
            out[o++] = '0';
        if (dec > 0) {
            out[o++] = DecimalSeparator();
            for (int j = 0; j < dec; ++j) {
                const int i = exp + j;
                out[o++] = n > 0 && i >= 0 && i < n ? dig[i] : '0';
            }
        }
        std::string s;
        if (o < width) s.assign(static_cast<size_t>(width - o), ' ');
        s.append(out, static_cast<size_t>(o));
        return s;
    }
    std::string s = Format(v, FieldMask(width, dec));
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    return s;
}

// ---- decimal separator -----------------------------------------------------------------------
char DecimalSeparator() {
    NumberState& s = state();
    if (s.pinned) return s.pinned;
    if (!s.fromLocale) s.fromLocale = separatorOfLocale();
    return s.fromLocale;
}

void SetDecimalSeparator(char sep) {
    state().pinned = sep;
}

void ResetNumberState() {
    state() = NumberState{};
}

} // namespace vb
