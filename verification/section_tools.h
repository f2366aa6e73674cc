#pragma once
// What the report sections of the verification share: the names of the project data, the statics'
// row table and the report writer they print through, the partial-safety switch, the reading of the
// row table and the area of a pressure diagram.
//
// Internal to the verification's own sources: only its .cpp files include it (no header does), so the
// names below stay inside the folder.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "earthpressure/diagrams.h"
#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "statics/state.h"

namespace zormd {

using zorm1::P;
using zorma::Drucken;
using zorma::Einzug;
using zorma::Leerzeilen;
using zorma::ZahlDrucken;
using zorma::ZeileBeenden;
using zorma::ZeileDrucken;
using zormc::St;

// The project works with partial safety factors (otherwise with global ones).
inline bool Teilsicherheiten() {
    return P.TeilsicherheitenAn != 0;
}

// Column spalte (zormc::kArt, kTiefe, ...) of row i of the statics' row table.
inline float Zeilenwert(int i, int spalte) {
    return St.ErgebnisTabelle[static_cast<std::size_t>(i)][static_cast<std::size_t>(spalte)];
}
// The kind of row i (zormc::kPunkt, kEnde, ...).
inline int ZeilenArt(int i) {
    return static_cast<int>(std::lround(Zeilenwert(i, zormc::kArt)));
}

// Last row of this solve: the end row of the beam, or AnzZeilen (at most kMaxZeile) when none is
// there. (The statics' solver counts its rows from 0, so AnzZeilen may lie one behind its end row;
// rows behind the end row belong to an earlier solve.)
inline int LetzteZeile() {
    const int n = std::min<int>(St.AnzZeilen, zormc::kMaxZeile);
    for (int i = 1; i <= n; ++i)
        if (ZeilenArt(i) == zormc::kEnde) return i;
    return n;
}

// Area of the diagram L from its top down to depth z (kN/m for a pressure diagram in kN/m2).
inline float Flaeche(const zor::Ordinatenliste& L, float z) {
    float f = 0.0f, e = 0.0f;
    zormc::Integrieren(L, z, f, e);
    return f;
}

} // namespace zormd
