// Ordinate lists: merging two diagrams onto common depths, and the small numeric
// routines on lists and lines that the whole calculation shares.
#include "earthpressure/diagrams.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"

namespace {

// Largest point index a list may use in the given arrays.
int kapazitaet(std::span<const float> a) {
    const int groesse = static_cast<int>(a.size()) - 1;
    return groesse < zor::kMaxOrdinaten ? groesse : zor::kMaxOrdinaten;
}

std::string tiefeText(float z) {
    char puffer[64];
    auto [ende, ec] =
        std::to_chars(puffer, puffer + sizeof puffer, static_cast<double>(z), std::chars_format::fixed, 3);
    return std::string(puffer, ec == std::errc() ? ende : puffer);
}

[[noreturn]] void interneFehler(const std::string& routine, const std::string& grund) {
    throw zor::CalcAbort("Interner Fehler in " + routine + ": " + grund);
}

// Two diagrams of a stage that cannot be merged: their depths do not meet, or they have more points
// together than the lists hold. Input reaches both (a stage excavated less deep than the one before, many
// levels close together), so the run ends with its load case and stage, as at any other bound.
[[noreturn]] void bildFehler(const std::string& routine, const std::string& was) {
    throw zor::CalcAbort("Die Berechnung wurde abgebrochen:\r\n\r\nIm Lastfall " +
                         std::to_string(zorm1::P.LFNr) + ", Aushubzustand " +
                         std::to_string(zorm1::P.AushNr) + " " + was + " (" + routine +
                         ").\r\nBitte die Koten dieses Aushubzustands überprüfen.");
}

// A count that does not fit its arrays would make every routine read past them.
void anzahlPruefen(const char* routine, int n, std::span<const float> a, std::span<const float> b) {
    const int grenze = static_cast<int>(a.size() < b.size() ? a.size() : b.size()) - 1;
    if (n > grenze)
        interneFehler(routine, "Punktanzahl " + std::to_string(n) + " größer als die Liste (" +
                                   std::to_string(grenze) + ").");
}

// Depths whose difference truncates to 0 whole millimetres count as one depth. Only the sign and the zero
// matter to the callers: a difference beyond the integers is held at their bound, and a depth that is no
// number abandons the run instead of being converted.
int millimeterAbstand(float a, float b) {
    const float d = (a - b) * 1000.0f;
    if (std::isnan(d))
        throw zor::KeinZahlenwert("Tiefe eines Punktes zweier Ordinatenlisten (DiagrammAddieren)");
    if (d >= 2.0e9f) return 2000000000;
    if (d <= -2.0e9f) return -2000000000;
    return static_cast<int>(std::trunc(d));
}

// Linear interpolation of (e, z) at depth zk between the points i and i + 1.
float zwischenwert(std::span<const float> e, std::span<const float> z, int i, float zk) {
    if (z[i + 1] == z[i]) return e[i];
    return e[i] + (zk - z[i]) * (e[i + 1] - e[i]) / (z[i + 1] - z[i]);
}

} // namespace

namespace zormcom {

int16_t AufrufKennung = 0;

void DiagrammZustandZuruecksetzen() {
    AufrufKennung = 0;
}

void DiagrammAddieren(std::span<const float> eA, std::span<float> eB, std::span<float> eR,
                      std::span<const float> zA, std::span<float> zB, std::span<float> zR, int16_t nA,
                      int16_t& nB, int16_t& nR, int16_t summieren) {
    if (nA <= 0 || nB <= 0) return;

    const std::string routine = "DiagrammAddieren (Aufruf " + std::to_string(AufrufKennung) + ")";
    anzahlPruefen(routine.c_str(), nA, eA, zA);
    anzahlPruefen(routine.c_str(), nB, eB, zB);
    if (millimeterAbstand(zA[1], zB[1]) != 0)
        bildFehler(routine, "beginnen zwei Druck- bzw. Lastbilder in verschiedenen Tiefen (" +
                                tiefeText(zA[1]) + " m und " + tiefeText(zB[1]) + " m)");
    if (millimeterAbstand(zA[nA], zB[nB]) != 0)
        bildFehler(routine, "enden zwei Druck- bzw. Lastbilder in verschiedenen Tiefen (" +
                                tiefeText(zA[nA]) + " m und " + tiefeText(zB[nB]) + " m)");

    int grenze = kapazitaet(eR);
    for (int g : {kapazitaet(zR), kapazitaet(eB), kapazitaet(zB)})
        if (g < grenze) grenze = g;

    // The merge reads the lists as they came in and builds the result aside; the lists
    // are written only at the end, so they are untouched when the call is rejected.
    std::vector<float> zNeu(grenze + 2), eNeu(grenze + 2), bNeu(grenze + 2);
    const std::span<const float> eb(eB.data(), eB.size());
    const std::span<const float> zb(zB.data(), zB.size());

    int i1 = 0, i2 = 0, k = 0;
    for (;;) {
        ++k;
        if (k > grenze)
            bildFehler(routine, "haben zwei Druck- bzw. Lastbilder zusammen mehr als " +
                                    std::to_string(grenze) + " Punkte");
        const int d = millimeterAbstand(zA[i1 + 1], zb[i2 + 1]);
        if (d == 0) {
            ++i1;
            ++i2;
            zNeu[k] = zA[i1];
            eNeu[k] = eA[i1];
            bNeu[k] = eb[i2];
        } else if (d < 0) {
            ++i1;
            zNeu[k] = zA[i1];
            eNeu[k] = eA[i1];
            bNeu[k] = zwischenwert(eb, zb, i2, zNeu[k]);
        } else {
            ++i2;
            zNeu[k] = zb[i2];
            bNeu[k] = eb[i2];
            eNeu[k] = zwischenwert(eA, zA, i1, zNeu[k]);
        }

        if (i1 > nA) break;
        if (i1 == nA) {
            if (i2 >= nB) break;
            i1 = nA - 1; // compare the first list's last point again
        }
        if (i2 == nB) {
            i2 = nB - 1; // the second list's last point meets the rest of the first
            continue;
        }
        if (i2 > nB) break;
    }

    for (int i = 1; i <= k; ++i) {
        zR[i] = zNeu[i];
        eR[i] = summieren != 0 ? eNeu[i] + bNeu[i] : eNeu[i];
        zB[i] = zNeu[i];
        eB[i] = bNeu[i];
    }
    nR = static_cast<int16_t>(k);
    nB = static_cast<int16_t>(k);
}

void DiagrammAddieren(int16_t kennung, std::span<const float> eA, std::span<float> eB, std::span<float> eR,
                      std::span<const float> zA, std::span<float> zB, std::span<float> zR, int16_t nA,
                      int16_t& nB, int16_t& nR, int16_t summieren) {
    AufrufKennung = kennung;
    DiagrammAddieren(eA, eB, eR, zA, zB, zR, nA, nB, nR, summieren);
}

void DiagrammAddieren(const zor::Ordinatenliste& A, zor::Ordinatenliste& B, zor::Ordinatenliste& R,
                      int16_t summieren) {
    DiagrammAddieren(A.e, B.e, R.e, A.z, B.z, R.z, A.n, B.n, R.n, summieren);
}

void DiagrammAddieren(int16_t kennung, const zor::Ordinatenliste& A, zor::Ordinatenliste& B,
                      zor::Ordinatenliste& R, int16_t summieren) {
    DiagrammAddieren(kennung, A.e, B.e, R.e, A.z, B.z, R.z, A.n, B.n, R.n, summieren);
}

} // namespace zormcom

namespace zormc {

float MaxWert(float a, float b) {
    return b > a ? b : a;
}

float MinWert(float a, float b) {
    return b < a ? b : a;
}

void Sortieren(std::span<float> A, std::span<float> B, int16_t n) {
    anzahlPruefen("Sortieren", n, A, B);
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (B[j] < B[i]) {
                std::swap(B[i], B[j]);
                std::swap(A[i], A[j]);
            }
}

void Interpolieren(std::span<const float> X, std::span<const float> Y, int16_t n, float x, float& y) {
    if (n < 1) return;
    anzahlPruefen("Interpolieren", n, X, Y);
    int i = 1;
    while (i <= n - 1 && !(X[i + 1] > x))
        ++i;
    if (i > n - 1) {
        // At or beyond the last abscissa: the last ordinate.
        y = Y[n];
        return;
    }
    if (std::fabs(X[i] - X[i + 1]) < 0.001f) {
        y = Y[i];
        return;
    }
    y = Y[i] + (x - X[i]) * (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]);
}

void InterpolierenOben(std::span<const float> X, std::span<const float> Y, int16_t n, float x, float& y) {
    if (n < 1) return;
    anzahlPruefen("InterpolierenOben", n, X, Y);
    int i = 1;
    while (i <= n - 1 && !(X[i + 1] >= x))
        ++i;
    if (i > n - 1) {
        y = Y[n];
        return;
    }
    if (std::fabs(X[i] - X[i + 1]) <= 0.001f) {
        y = Y[i];
        return;
    }
    y = Y[i] + (x - X[i]) * (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]);
}

void Integrieren(std::span<const float> Y, std::span<const float> X, int16_t n, float xEnde, float& flaeche,
                 float& yEnde) {
    flaeche = 0.0f;
    if (xEnde <= 0.0f || n < 2) return;
    anzahlPruefen("Integrieren", n, Y, X);
    for (int i = 2; i <= n; ++i) {
        if (xEnde <= X[i]) {
            if (X[i] == X[i - 1]) {
                // The first two points share a depth at or below xEnde: no width.
                yEnde = Y[i - 1];
                return;
            }
            yEnde = Y[i - 1] + (Y[i] - Y[i - 1]) * (xEnde - X[i - 1]) / (X[i] - X[i - 1]);
            flaeche = flaeche + (xEnde - X[i - 1]) * (Y[i - 1] + yEnde) / 2.0f;
            return;
        }
        flaeche = flaeche + (Y[i - 1] + Y[i]) * (X[i] - X[i - 1]) / 2.0f;
    }
}

void KurveKappen(std::span<float> Y, std::span<float> X, int16_t& n, float xEnde) {
    anzahlPruefen("KurveKappen", n, Y, X);
    for (int i = 1; i <= n; ++i) {
        if (X[i] >= xEnde) {
            if (i == 1) {
                // The list starts at or below the cut: only its first point remains,
                // moved onto the cut.
                X[1] = xEnde;
                n = 1;
                return;
            }
            Y[i] = Y[i - 1] + (Y[i] - Y[i - 1]) * (xEnde - X[i - 1]) / (X[i] - X[i - 1]);
            X[i] = xEnde;
            n = static_cast<int16_t>(i);
            return;
        }
    }
}

void KopfpunkteBereinigen(std::span<float> Z, std::span<float> E, int16_t& n) {
    if (n < 1) return;
    anzahlPruefen("KopfpunkteBereinigen", n, Z, E);
    for (int i = 1; i <= n; ++i)
        if (Z[i] < 0.005f) Z[i] = 0.0f;
    while (n >= 2 && Z[2] == 0.0f) {
        for (int i = 1; i <= n - 1; ++i) {
            Z[i] = Z[i + 1];
            E[i] = E[i + 1];
        }
        --n;
    }
}

void ResultierendeSchwerpunkt(std::span<const float> E, std::span<const float> Z, int16_t n, float zA,
                              float zB, float& R, float& zS) {
    anzahlPruefen("ResultierendeSchwerpunkt", n, E, Z);
    R = 0.0f;
    float M = 0.0f;
    int iA = 0, iB = 0;
    for (int i = 1; i <= n; ++i) {
        if (Z[i] == zA) iA = i;
        if (Z[i] == zB) {
            iB = i;
            break;
        }
    }
    if (iA > 0 && iB > 0) {
        for (int i = iA; i <= iB - 1; ++i) {
            const float dz = Z[i + 1] - Z[i];
            const float r1 = dz * E[i] / 2.0f;
            const float r2 = dz * E[i + 1] / 2.0f;
            R = R + r1 + r2;
            M = M + (Z[i] + dz / 3.0f) * r1 + (Z[i] + 2.0f * dz / 3.0f) * r2;
        }
    }
    if (std::fabs(R) > 0.000001f) {
        zS = M / R;
    } else {
        R = 0.0f;
        zS = zA;
    }
}

void KurveAbTiefe(std::span<float> e, std::span<float> e1, std::span<float> e2, std::span<float> z,
                  std::span<float> z1, std::span<float> z2, int16_t& n, int16_t& n1, int16_t& n2, float z0,
                  float zFuss) {
    if (e1.size() < 4 || z1.size() < 4) interneFehler("KurveAbTiefe", "Arbeitsliste zu klein.");
    // The zero diagram at the depths 0, z0 and the wall foot.
    z1[1] = 0.0f;
    z1[2] = z0;
    z1[3] = zFuss;
    e1[1] = e1[2] = e1[3] = 0.0f;
    n1 = 3;
    zormcom::DiagrammAddieren(12388, e, e1, e2, z, z1, z2, n, n1, n2, 0);
    anzahlPruefen("KurveAbTiefe", n2, e, z);
    for (int i = 1; i <= n2; ++i) {
        e[i] = e2[i];
        z[i] = z2[i];
    }
    n = n2;
}

void KurveAbTiefe(std::span<float> e, std::span<float> e1, std::span<float> e2, std::span<float> z,
                  std::span<float> z1, std::span<float> z2, int16_t& n, int16_t& n1, int16_t& n2, float z0) {
    KurveAbTiefe(e, e1, e2, z, z1, z2, n, n1, n2, z0, zormcom::Lauf.zFuss);
}

void KurveAbTiefe(zor::Ordinatenliste& L, zor::Ordinatenliste& A1, zor::Ordinatenliste& A2, float z0,
                  float zFuss) {
    KurveAbTiefe(L.e, A1.e, A2.e, L.z, A1.z, A2.z, L.n, A1.n, A2.n, z0, zFuss);
}

void KurveAbTiefe(zor::Ordinatenliste& L, zor::Ordinatenliste& A1, zor::Ordinatenliste& A2, float z0) {
    KurveAbTiefe(L, A1, A2, z0, zormcom::Lauf.zFuss);
}

void Schnittpunkt(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4, float& xS,
                  float& yS, int16_t& treffer) {
    xS = kKeinSchnitt;
    yS = kKeinSchnitt;
    treffer = 0;
    const float dx1 = x2 - x1;
    const float dx2 = x4 - x3;
    if (dx1 == 0.0f) {
        xS = x1;
    } else if (dx2 == 0.0f) {
        xS = x3;
    } else {
        const float m1 = (y2 - y1) / dx1;
        const float m2 = (y4 - y3) / dx2;
        if (m1 != m2) {
            const float c1 = y1 - m1 * x1;
            const float c2 = y3 - m2 * x3;
            xS = (c1 - c2) / (m2 - m1);
        }
    }
    // Parallel lines have no crossing: yS keeps the marker as well.
    if (xS != kKeinSchnitt) {
        if (dx1 != 0.0f) {
            yS = y1 + (y2 - y1) * (xS - x1) / dx1;
        } else if (dx2 != 0.0f) {
            yS = y3 + (y4 - y3) * (xS - x3) / dx2;
        }
    }
    const float tol = 0.0001f;
    auto zwischen = [tol](float v, float a, float b) {
        const float lo = (a < b ? a : b) - tol;
        const float hi = (a < b ? b : a) + tol;
        return v > lo && v < hi;
    };
    if (xS == kKeinSchnitt || yS == kKeinSchnitt) return;
    if (zwischen(xS, x1, x2) && zwischen(xS, x3, x4) && zwischen(yS, y3, y4) && zwischen(yS, y1, y2))
        treffer = 1;
}

void DoppelpunkteEntfernen(int16_t& n, std::span<float> Z, std::span<float> E) {
    anzahlPruefen("DoppelpunkteEntfernen", n, Z, E);
    for (;;) {
        if (n - 1 < 2) return;
        int gefunden = 0;
        for (int i = 2; i <= n - 1; ++i)
            if (Z[i + 1] - Z[i] < 0.002f) {
                gefunden = i;
                break;
            }
        if (gefunden == 0) return;
        for (int i = gefunden; i <= n - 1; ++i) {
            Z[i] = Z[i + 1];
            E[i] = E[i + 1];
        }
        --n;
    }
}

// List forms of the routines above.

void Sortieren(zor::Ordinatenliste& L) {
    Sortieren(L.e, L.z, L.n);
}

void Interpolieren(const zor::Ordinatenliste& L, float z, float& e) {
    Interpolieren(L.z, L.e, L.n, z, e);
}

void InterpolierenOben(const zor::Ordinatenliste& L, float z, float& e) {
    InterpolierenOben(L.z, L.e, L.n, z, e);
}

void Integrieren(const zor::Ordinatenliste& L, float zEnde, float& flaeche, float& eEnde) {
    Integrieren(L.e, L.z, L.n, zEnde, flaeche, eEnde);
}

void KurveKappen(zor::Ordinatenliste& L, float zEnde) {
    KurveKappen(L.e, L.z, L.n, zEnde);
}

void KopfpunkteBereinigen(zor::Ordinatenliste& L) {
    KopfpunkteBereinigen(L.z, L.e, L.n);
}

void ResultierendeSchwerpunkt(const zor::Ordinatenliste& L, float zA, float zB, float& R, float& zS) {
    ResultierendeSchwerpunkt(L.e, L.z, L.n, zA, zB, R, zS);
}

void DoppelpunkteEntfernen(zor::Ordinatenliste& L) {
    DoppelpunkteEntfernen(L.n, L.z, L.e);
}

} // namespace zormc
