#pragma once
// Line building blocks of the input echo (report file 6).
#include <string>

#include "earthpressure/report_file.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"

namespace zorma::echo {

// Print # 6, items...   (the line ends; no items: an empty line)
template <class... T> void Zeile(const T&... t) {
    vb::Print(kBerichtDateiNr, t...);
}
// Print # 6, items...;  (the line stays open)
template <class... T> void Teil(const T&... t) {
    vb::PrintNoEol(kBerichtDateiNr, t...);
}
// Ends the open line.
inline void Ende() {
    vb::Print(kBerichtDateiNr);
}
// n empty lines.
inline void Leer(int n = 1) {
    for (int i = 0; i < n; ++i)
        Ende();
}

// A number right-aligned in a field (ZahlDrucken), the line stays open.
inline void Z(float wert, int breite, int stellen) {
    ZahlDrucken(wert, static_cast<int16_t>(breite), static_cast<int16_t>(stellen));
}
// A factor with two decimals, not padded.
inline std::string F(float wert) {
    return vb::Format(wert, "0.00");
}
// Label n of the report (with its indent).
inline const std::string& L(int n) {
    return Bericht.BerichtText[static_cast<std::size_t>(n)];
}
// The 13-blank indent.
inline const std::string& E() {
    return Bericht.Einrueckung;
}
// n blanks.
inline std::string B(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}
// Column n of the line.
inline vb::Tab C(int n) {
    return vb::Tab{n};
}

} // namespace zorma::echo
