#pragma once
// Small helpers of the earth-pressure builders for filling ordinate lists.
#include <cstdint>
#include <span>

#include "earthpressure/diagrams.h"
#include "platform/runtime/errors.h"

namespace zormb {

// Depth taken as infinite: the lower end of every load and pressure figure.
inline constexpr float kTiefeUnendlich = 99.0f;

// Appends the point (z, e) to a list; a list that would exceed 250 points abandons the
// calculation instead of writing beyond its arrays.
inline void PunktAnhaengen(std::span<float> e, std::span<float> z, int16_t& n, float zz, float ee) {
    if (n >= zor::kMaxOrdinaten || static_cast<std::size_t>(n) + 1 >= e.size() ||
        static_cast<std::size_t>(n) + 1 >= z.size())
        throw zor::CalcAbort("Ein Druckdiagramm hat mehr als 250 Punkte; die Berechnung wird abgebrochen.");
    ++n;
    z[n] = zz;
    e[n] = ee;
}

// Copies the points 1..n of one list into another.
inline void ListeKopieren(std::span<const float> eQ, std::span<const float> zQ, int16_t n,
                          std::span<float> eZ, std::span<float> zZ) {
    for (int16_t k = 1; k <= n; ++k) {
        eZ[k] = eQ[k];
        zZ[k] = zQ[k];
    }
}

} // namespace zormb
