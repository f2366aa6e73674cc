#pragma once
// Steel sections of soldier pile and sheet pile walls: one line of a profile list split into its name and
// values, and the allowed (global safety) or design (partial factors) steel stresses of the steel grade.
#include <string>

namespace zormd {

// Splits a profile line "NAME  I  W  A  s  h" (I cm4, W cm3, A cm2, web s cm, height h cm; see
// data/PROFILES.md). The line loses its leading blanks and gets one blank appended, in the caller's
// variable too. name = the text before the first blank. Then up to 20 numbers are read in turn: a number
// starts at the first digit or "." after the previous one (a sign or letters before it are skipped, so
// "S235" gives 235 and "-5" gives 5) and runs to the next blank, read as a leading decimal number;
// reading ends after the number that closes the line. The 1st goes to Wert1 (0 when below 100), the 2nd
// to 5th to Wert2..Wert5, the rest is dropped. When the rest of the line holds no digit, the last number
// is read again for the following values. A line without any number sets all five to 0; values a line
// does not reach otherwise keep their contents. A number beyond single precision counts as 0 (the profile
// then lacks that value) rather than stopping on an overflow.
void ProfilZeileZerlegen(std::string& line, std::string& name, float& Wert1, float& Wert2, float& Wert3,
                         float& Wert4, float& Wert5);

// Sets P.ZulSigma and P.ZulTau (N/mm2) from P.StahlGuete (240, 270, 355; any other grade leaves both),
// P.TeilsicherheitenAn and P.StahlNachEAU (1 EAU, else EAB). The design-settings page shows them
// (Bemessung::StahlSpannungenZeigen).
void StahlSpannungenSetzen();

} // namespace zormd
