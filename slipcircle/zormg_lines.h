#pragma once
// Polylines on common abscissae: merging two lines, cleaning all lines of the slip-circle
// model, forming a line from an abscissa list and collecting crossings.
//
// LinienVerschneiden is a header template so that the earth-pressure stage can merge its
// own terrain polygon with it (any table addressed as t(line, point) or t[line][point]).
#include <cmath>
#include <cstdint>
#include <vector>

namespace Zormg {

namespace detail {
template <class Tab> float& Zelle(Tab& t, int linie, int punkt) {
    if constexpr (requires { t(linie, punkt); })
        return t(linie, punkt);
    else
        return t[linie][punkt];
}
} // namespace detail

// Merges the lines la and lb of the tables (A values, B abscissae; each line's points
// 1..n ordered by rising abscissa). Both lines are walked together by increasing abscissa:
// abscissae closer than 0.001 give one point at line la's abscissa; otherwise the smaller
// abscissa is taken, the other line's value there is interpolated on its current segment
// (its left value when the segment is vertical) and changed := 1. The walk ends as soon as
// either line has no further point; both lines are then replaced by the merged points and
// nA, nB both become the merged count. changed is never cleared here.
//
// Where one line begins left of the other, the other line has no segment there yet; its
// value is then taken constant from its first point (the lines of every caller begin at a
// common left limit, so this only keeps a careless caller from reading point 0).
// A line without points is left as it is. The tables must hold the merged count.
template <class TabA, class TabB>
void LinienVerschneiden(TabA& A, TabB& B, int16_t& nA, int16_t& nB, int la, int lb, int16_t& changed) {
    using detail::Zelle;
    const int n1 = nA;
    const int n2 = nB;
    if (n1 < 1 || n2 < 1) return;

    const std::size_t platz = static_cast<std::size_t>(n1) + static_cast<std::size_t>(n2) + 22;
    std::vector<float> xs(platz, 0.0f), z1s(platz, 0.0f), z2s(platz, 0.0f);

    // Value of line l at abscissa x on its segment (i, i + 1).
    auto wertAuf = [&](int l, int i, float x) -> float {
        if (i < 1) return Zelle(A, l, 1);
        const float xa = Zelle(B, l, i);
        const float xb = Zelle(B, l, i + 1);
        const float za = Zelle(A, l, i);
        if (xa == xb) return za;
        const float zb = Zelle(A, l, i + 1);
        return za + (zb - za) * (x - xa) / (xb - xa);
    };

    int i1 = 0, i2 = 0, k = 0;
    do {
        ++k;
        const float d = Zelle(B, la, i1 + 1) - Zelle(B, lb, i2 + 1);
        if (std::fabs(d) < 0.001f) {
            ++i1;
            ++i2;
            xs[k] = Zelle(B, la, i1);
            z1s[k] = Zelle(A, la, i1);
            z2s[k] = Zelle(A, lb, i2);
        } else if (d < 0.0f) {
            changed = 1;
            ++i1;
            const float x = Zelle(B, la, i1);
            xs[k] = x;
            z1s[k] = Zelle(A, la, i1);
            z2s[k] = wertAuf(lb, i2, x);
        } else {
            changed = 1;
            ++i2;
            const float x = Zelle(B, lb, i2);
            xs[k] = x;
            z2s[k] = Zelle(A, lb, i2);
            z1s[k] = wertAuf(la, i1, x);
        }
    } while (i1 < n1 && i2 < n2);

    for (int p = 1; p <= k; ++p) {
        Zelle(B, lb, p) = xs[p];
        Zelle(A, lb, p) = z2s[p];
        Zelle(B, la, p) = xs[p];
        Zelle(A, la, p) = z1s[p];
    }
    nA = static_cast<int16_t>(k);
    nB = static_cast<int16_t>(k);
}

// Brings the model lines 0..AnzLinien + n onto one common set of abscissae: line 0 is
// merged with every other line in turn, and whole passes repeat until one adds no point.
// The passes are bounded; a model that does not settle abandons the calculation.
void LinienBereinigen(int16_t n);

// Line k := the distinct values of XListe(1..AnzXListe) (a value closer than 0.0001 to the
// last one taken is dropped), z = 0; all points of the line are cleared first.
void KreisLinieSetzen(int16_t k);

// Appends to XListe the abscissa of every crossing of a segment of line k with a segment
// of the lines 0..AnzLinien (line k itself included when it lies in that range).
// AnzXListe is not reset here.
void SchnittpunkteSammeln(int16_t k);

} // namespace Zormg
