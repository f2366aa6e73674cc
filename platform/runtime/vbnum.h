#pragma once
// Numbers as Visual Basic converts, rounds and formats them.
//
// Three text forms exist:
//   Str        " 1.5", "-1.5", " .3", " 1E-05": a blank in front of non-negative values, "." always;
//   StrPlain   the same without the blank (number boxes, item files);
//   CStr       the plain form with the decimal separator of the user's locale and a zero before it
//              when the value is below one ("0,75"; text joined to a number).
// Singles give at most 7 significant digits, doubles at most 15; the exponent form is used when the
// decimal exponent is below -4 or at least the number of significant digits ("1.234568E+08", "1E-05").
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

// ---- number to text ------------------------------------------------------------------------
std::string Str(float v);  // " 1.5", "-2", " .3", " 1E+07"
std::string Str(double v); // as above with up to 15 significant digits
template <std::integral T> std::string Str(T v) {
    return v < 0 ? std::to_string(static_cast<long long>(v))
                 : " " + std::to_string(static_cast<long long>(v));
}

std::string StrPlain(float v);  // Str without the leading blank: "1.5", ".3", "-2"
std::string StrPlain(double v); // the same for doubles
template <std::integral T> std::string StrPlain(T v) {
    return std::to_string(static_cast<long long>(v));
}

std::string CStr(float v);  // the plain form with the locale's decimal separator ("1,5" on German settings)
std::string CStr(double v); // the same for doubles
template <std::integral T> std::string CStr(T v) {
    return std::to_string(static_cast<long long>(v));
}

// ---- text to number ------------------------------------------------------------------------
// The leading number of a text: blanks (and tabs, line feeds) are skipped anywhere; an optional sign,
// digits, one ".", an optional exponent (E or D, optional sign, digits); reading stops at the first
// other character. An empty or non-numeric text gives 0. A magnitude beyond a double: error 6.
double Val(std::string_view text);
// The same number rounded once, straight to the nearest single (Val and then a conversion to float
// rounds twice and may land on the neighbour: "7.038531E-26"). Beyond the single range: error 6.
float ValSingle(std::string_view text);

// True when the whole text (apart from surrounding blanks) is one number in the form Val reads.
bool IsNumeric(std::string_view text);

// ---- conversions and rounding --------------------------------------------------------------
// CInt: nearest integer, halves to even (2.5 -> 2, 3.5 -> 4); outside -32768..32767: error 6.
int16_t CInt(double v);
int32_t CLng(double v);                 // the same for 32 bits
float CSng(double v);                   // to single precision; beyond the single range: error 6
double Round(double v, int digits = 0); // halves to even at the given number of decimals
float Int(float v);                     // floor: Int(-2.5) = -3
double Int(double v);                   // floor
float Fix(float v);                     // truncation toward zero: Fix(-2.5) = -2
double Fix(double v);                   // truncation toward zero
// IntDiv: a \ b, both rounded to integers first, the quotient truncated; b = 0: error 11.
int32_t IntDiv(double a, double b);
// Mod: a Mod b, both rounded first, the remainder with the sign of a; b = 0: error 11.
int32_t Mod(double a, double b);
int16_t Sgn(double v); // -1, 0 or 1

// ---- single precision ----------------------------------------------------------------------
// Comparisons the calculation makes "in single precision": both sides are rounded to float first.
inline float Sng(double v) {
    return static_cast<float>(v);
}
inline bool SngEq(double a, double b) {
    return Sng(a) == Sng(b);
}
inline bool SngNe(double a, double b) {
    return Sng(a) != Sng(b);
}
inline bool SngLt(double a, double b) {
    return Sng(a) < Sng(b);
}
inline bool SngLe(double a, double b) {
    return Sng(a) <= Sng(b);
}
inline bool SngGt(double a, double b) {
    return Sng(a) > Sng(b);
}
inline bool SngGe(double a, double b) {
    return Sng(a) >= Sng(b);
}

// ---- format masks --------------------------------------------------------------------------
// Format(value, mask) as Visual Basic formats numbers: "0" a digit always shown, "#" a digit shown
// only when significant, "." the decimal separator of the locale (see DecimalSeparator), other
// characters (blanks) literal; rounded half away from zero; no digit before the separator when the
// mask has only "#" there ("#.0": 0.5 -> ".5"); "###.#": 12 -> "12."; "00.0": 9.5 -> "09.5";
// more integer digits than the mask holds are all shown; a minus in front of negative values.
// A mask with ";" gives separate sections for positive; negative; zero values.
// Singles are first rounded to their 7 significant digits (so 2.675f formats as 2.68 with "0.00").
std::string Format(float v, std::string_view mask);
std::string Format(double v, std::string_view mask);
template <std::integral T> std::string Format(T v, std::string_view mask) {
    return Format(static_cast<double>(v), mask);
}
// Format without a mask: the plain form with the locale's decimal separator (as CStr).
std::string Format(float v);
std::string Format(double v);

// The report's fixed field: mask of (width - dec - 1 [if dec > 0] - 1) "#", "0", and "." with dec "0"
// ("####0.00" for 8/2, "0.000" for 5/3, "###0" for 4/0).
std::string FieldMask(int width, int dec);
// value formatted with FieldMask(width, dec), blanks in front up to width; a longer text is never cut.
std::string FormatField(float v, int width, int dec);

// ---- decimal separator ---------------------------------------------------------------------
// The separator of the user's locale (LC_ALL, else LC_NUMERIC, else LANG, as the C library reads
// them); "," where none is set or it is "C"/"POSIX" (the German settings the program was made for).
char DecimalSeparator();
void SetDecimalSeparator(char sep); // pins the separator (tests); 0 returns to the locale's
void ResetNumberState();            // forgets the pinned separator and the cached locale lookup

} // namespace vb
