#include "earthpressure/polylines.h"

#include <cmath>

#include "platform/runtime/errors.h"

namespace zor {

Linientafel::Linientafel(int linienOben, int punkteOben, Bereichsfehler fehler) : fehler_(fehler) {
    Dimensionieren(linienOben, punkteOben);
}

void Linientafel::Dimensionieren(int linienOben, int punkteOben) {
    if (linienOben < -1 || punkteOben < -1) ausserhalb();
    linienOben_ = linienOben;
    punkteOben_ = punkteOben;
    werte_.assign(static_cast<std::size_t>(linienOben + 1) * static_cast<std::size_t>(punkteOben + 1), 0.0f);
}

void Linientafel::ausserhalb() const {
    if (fehler_) fehler_();
    throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
}

void LinienVerschneiden(Linientafel& A, Linientafel& B, int16_t& nA, int16_t& nB, int la, int lb,
                        int16_t& changed) {
    const int n1 = nA;
    const int n2 = nB;
    if (n1 < 1 || n2 < 1) return;

    const std::size_t platz = static_cast<std::size_t>(n1) + static_cast<std::size_t>(n2) + 22;
    std::vector<float> xs(platz, 0.0f), z1s(platz, 0.0f), z2s(platz, 0.0f);

    // Value of line l at abscissa x on its segment (i, i + 1).
    auto wertAuf = [&](int l, int i, float x) -> float {
        if (i < 1) return A(l, 1);
        const float xa = B(l, i);
        const float xb = B(l, i + 1);
        const float za = A(l, i);
        if (xa == xb) return za;
        const float zb = A(l, i + 1);
        return za + (zb - za) * (x - xa) / (xb - xa);
    };

    int i1 = 0, i2 = 0, k = 0;
    do {
        ++k;
        const float d = B(la, i1 + 1) - B(lb, i2 + 1);
        if (std::fabs(d) < 0.001f) {
            ++i1;
            ++i2;
            xs[k] = B(la, i1);
            z1s[k] = A(la, i1);
            z2s[k] = A(lb, i2);
        } else if (d < 0.0f) {
            changed = 1;
            ++i1;
            const float x = B(la, i1);
            xs[k] = x;
            z1s[k] = A(la, i1);
            z2s[k] = wertAuf(lb, i2, x);
        } else {
            changed = 1;
            ++i2;
            const float x = B(lb, i2);
            xs[k] = x;
            z2s[k] = A(lb, i2);
            z1s[k] = wertAuf(la, i1, x);
        }
    } while (i1 < n1 && i2 < n2);

    for (int p = 1; p <= k; ++p) {
        B(lb, p) = xs[p];
        A(lb, p) = z2s[p];
        B(la, p) = xs[p];
        A(la, p) = z1s[p];
    }
    nA = static_cast<int16_t>(k);
    nB = static_cast<int16_t>(k);
}

} // namespace zor
