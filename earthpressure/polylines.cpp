#include "earthpressure/polylines.h"

#include <algorithm>
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

namespace {

// The merge as it reads in the header, every access checked: the path of lines or counts that do not
// fit their tables, so that the range handler is called exactly where such a merge leaves them.
void VerschneidenGeprueft(Linientafel& A, Linientafel& B, int16_t& nA, int16_t& nB, int la, int lb,
                          int16_t& changed, std::vector<float>& xs, std::vector<float>& z1s,
                          std::vector<float>& z2s) {
    const int n1 = nA;
    const int n2 = nB;

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

bool ZeileDa(const Linientafel& T, int l) {
    return l >= 0 && l <= T.LinienOben();
}

} // namespace

void LinienVerschneiden(Linientafel& A, Linientafel& B, int16_t& nA, int16_t& nB, int la, int lb,
                        int16_t& changed) {
    const int n1 = nA;
    const int n2 = nB;
    if (n1 < 1 || n2 < 1) return;

    // The merged points are gathered here first; the buffers stay for the next merge (the searches
    // merge thousands of lines a pass).
    thread_local std::vector<float> xs, z1s, z2s;
    const std::size_t platz = static_cast<std::size_t>(n1) + static_cast<std::size_t>(n2) + 22;
    if (xs.size() < platz) {
        xs.resize(platz);
        z1s.resize(platz);
        z2s.resize(platz);
    }

    const int oben = std::min(A.PunkteOben(), B.PunkteOben());
    if (!ZeileDa(A, la) || !ZeileDa(A, lb) || !ZeileDa(B, la) || !ZeileDa(B, lb) || n1 > oben || n2 > oben) {
        VerschneidenGeprueft(A, B, nA, nB, la, lb, changed, xs, z1s, z2s);
        return;
    }
    float* const xa = B.Zeile(la);
    float* const za = A.Zeile(la);
    float* const xb = B.Zeile(lb);
    float* const zb = A.Zeile(lb);

    // Lines on the same abscissae (within the tolerance) are walked in step: line lb takes line la's
    // abscissae, every value stays, nothing counts as changed.
    if (n1 == n2) {
        int p = 1;
        while (p <= n1 && std::fabs(xa[p] - xb[p]) < 0.001f)
            ++p;
        if (p > n1) {
            std::copy(xa + 1, xa + 1 + n1, xb + 1);
            return;
        }
    }

    // Value of line (x, z) at abscissa x on its segment (i, i + 1).
    auto wertAuf = [](const float* lx, const float* lz, int i, float x) -> float {
        if (i < 1) return lz[1];
        const float x0 = lx[i];
        const float x1 = lx[i + 1];
        const float z0 = lz[i];
        if (x0 == x1) return z0;
        const float z1 = lz[i + 1];
        return z0 + (z1 - z0) * (x - x0) / (x1 - x0);
    };

    float* const X = xs.data();
    float* const Z1 = z1s.data();
    float* const Z2 = z2s.data();
    int i1 = 0, i2 = 0, k = 0;
    do {
        ++k;
        const float d = xa[i1 + 1] - xb[i2 + 1];
        if (std::fabs(d) < 0.001f) {
            ++i1;
            ++i2;
            X[k] = xa[i1];
            Z1[k] = za[i1];
            Z2[k] = zb[i2];
        } else if (d < 0.0f) {
            changed = 1;
            ++i1;
            const float x = xa[i1];
            X[k] = x;
            Z1[k] = za[i1];
            Z2[k] = wertAuf(xb, zb, i2, x);
        } else {
            changed = 1;
            ++i2;
            const float x = xb[i2];
            X[k] = x;
            Z2[k] = zb[i2];
            Z1[k] = wertAuf(xa, za, i1, x);
        }
    } while (i1 < n1 && i2 < n2);

    if (k > oben) {
        // Does not fit: written point by point until the range handler stops it, as the checked merge.
        for (int p = 1; p <= k; ++p) {
            B(lb, p) = X[p];
            A(lb, p) = Z2[p];
            B(la, p) = X[p];
            A(la, p) = Z1[p];
        }
    } else {
        for (int p = 1; p <= k; ++p) {
            xb[p] = X[p];
            zb[p] = Z2[p];
            xa[p] = X[p];
            za[p] = Z1[p];
        }
    }
    nA = static_cast<int16_t>(k);
    nB = static_cast<int16_t>(k);
}

} // namespace zor
