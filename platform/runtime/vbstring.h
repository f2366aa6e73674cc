#pragma once
// Text routines as Visual Basic offers them, on UTF-8 strings, counting characters (code points),
// not bytes. Positions are 1-based as in Visual Basic. Invalid UTF-8 bytes count as one character each.
// On disk text is Windows-1252; the conversions below translate at the file boundary.
#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

// ---- lengths and pieces --------------------------------------------------------------------
int32_t Len(std::string_view s);                                 // number of characters
std::string Left(std::string_view s, int32_t n);                 // first n characters (n < 0: error 5)
std::string Right(std::string_view s, int32_t n);                // last n characters (n < 0: error 5)
std::string Mid(std::string_view s, int32_t start);              // from character start (>= 1, else error 5)
std::string Mid(std::string_view s, int32_t start, int32_t len); // len characters from start
// Mid statement: overwrites characters of s from start with those of repl, never changing Len(s).
void MidAssign(std::string& s, int32_t start, std::string_view repl);
void MidAssign(std::string& s, int32_t start, int32_t len, std::string_view repl);

std::string Trim(std::string_view s);  // without leading and trailing blanks (only " ")
std::string LTrim(std::string_view s); // without leading blanks
std::string RTrim(std::string_view s); // without trailing blanks

// Position (1-based, in characters) of find in s from character start; 0 when absent; an empty find
// gives start (when start <= Len(s) + 1). start < 1: error 5. Case-sensitive.
int32_t InStr(std::string_view s, std::string_view find);
int32_t InStr(int32_t start, std::string_view s, std::string_view find);
int32_t InStrRev(std::string_view s, std::string_view find); // last position, 0 when absent

std::string UCase(std::string_view s); // upper case, also for ä ö ü à é ...; ß stays
std::string LCase(std::string_view s); // lower case
std::string Replace(std::string_view s, std::string_view find, std::string_view repl); // all occurrences

std::string Space(int32_t n);                       // n blanks
std::string String(int32_t n, std::string_view ch); // n times the first character of ch
std::string Chr(int32_t code);    // the character of a Windows-1252 code 0..255 (else error 5)
int32_t Asc(std::string_view s);  // Windows-1252 code of the first character (empty: error 5;
                                  // a character without one gives 63, "?")
int32_t AscW(std::string_view s); // Unicode code point of the first character (empty: error 5)

// Padding in characters: LSet into a field of n (cut or blanks behind), RSet (cut or blanks in front).
std::string PadRight(std::string_view s, int32_t n);
std::string PadLeft(std::string_view s, int32_t n);

// ---- encodings -----------------------------------------------------------------------------
// Windows-1252 bytes to UTF-8. The five bytes that the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become U+0081 ... as Windows does, so that every byte survives a round trip.
std::string FromCp1252(std::string_view bytes);
// UTF-8 to Windows-1252; a character the code page cannot hold becomes "?".
std::string ToCp1252(std::string_view utf8);

// UTF-8 decoding helpers (a malformed byte is taken as the Windows-1252 character of that byte).
std::u32string ToU32(std::string_view utf8);
std::string FromU32(std::u32string_view text);

// The German letters and the degree sign of a text written in the DOS code page (437/850) and read
// through Windows-1252: U+0081 -> ü, U+201E -> ä, U+201D -> ö, U+0161 -> Ü, U+017D -> Ä, U+2122 -> Ö,
// U+00E1 -> ß, U+00F8 -> °. Changes the text in place.
void UmlauteWandeln(std::string& text);

} // namespace vb
