#pragma once
// Small helpers of the earth-pressure builders for filling ordinate lists.
#include <cstdint>

#include "earthpressure/diagrams.h"
#include "platform/runtime/errors.h"

namespace zormb {

// Depth taken as infinite: the lower end of every load and pressure figure.
inline constexpr float kTiefeUnendlich = 99.0f;

// Appends the point (z, e) to the list; a list that would exceed 250 points abandons the
// calculation instead of writing beyond its arrays.
inline void PunktAnhaengen(zor::Ordinatenliste& L, float z, float e) {
    if (L.n >= zor::kMaxOrdinaten)
        throw zor::CalcAbort("Ein Druckdiagramm hat mehr als 250 Punkte; die Berechnung wird abgebrochen.");
    ++L.n;
    L.z[L.n] = z;
    L.e[L.n] = e;
}

// Copies the points 1..Q.n of list Q into Z, which gets Q's count; Z's points beyond it stay.
inline void ListeKopieren(const zor::Ordinatenliste& Q, zor::Ordinatenliste& Z) {
    for (int16_t k = 1; k <= Q.n; ++k) {
        Z.e[k] = Q.e[k];
        Z.z[k] = Q.z[k];
    }
    Z.n = Q.n;
}

} // namespace zormb
