#pragma once
// Number lists from text, and the re-read of the entered soil data from the working copy.
#include <cstdint>
#include <span>
#include <string>

namespace zormb {

// Trims the text in place (leading and trailing blanks) and puts into liste(1..n) the values
// of its runs of digits from left to right, n into liste(0). Every character other than a
// digit separates: signs and points are not part of a number. The caller sizes the list;
// more numbers than it holds raise run-time error 9, a number above 32767 error 6.
void ZahlenAusText(std::string& text, std::span<int16_t> liste);

// Reads the head of the working copy "WEXASAVE." back into the project data: the slopes,
// the general switches (the file's relief factor is skipped), the project texts and the
// soil layers as entered (angles in degrees). A WandreibungStufen above 1 becomes 0; no other
// correction is applied (excavation-side unit weights of 0 stay 0).
// A copy with more slopes or layers than the arrays hold is refused with error 9 before
// anything beyond the counts is read.
void EingabeNachlesen();

} // namespace zormb
