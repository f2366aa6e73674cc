#include "earthpressure/wedge_geometry.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#include "earthpressure/diagrams.h"
#include "earthpressure/number_lists.h"
#include "earthpressure/polylines.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"

using zorm1::P;

namespace zormb {

void ModellZuGross() {
    throw zor::CalcAbort("Das Gleitflächenmodell der Aushubseite ist zu groß; der Erdwiderstand aus "
                         "Gleitflächen kann nicht bestimmt werden.");
}

namespace {

// Exchange sort of a list 1..n by x ascending, z carried along. Finite abscissae that are all distinct
// have one order only, which an insertion sort finds in fewer steps; ties and values that are no
// numbers keep the exchange sort's own order.
void Sortieren(std::vector<float>& x, std::vector<float>* z, int n) {
    if (n >= 2 && n <= 128 && n < static_cast<int>(x.size()) && (!z || n < static_cast<int>(z->size()))) {
        std::array<float, 129> xs, zs;
        bool eindeutig = true;
        for (int i = 1; i <= n && eindeutig; ++i) {
            eindeutig = std::isfinite(x[i]);
            xs[i] = x[i];
            zs[i] = z ? (*z)[i] : 0.0f;
        }
        for (int i = 2; i <= n && eindeutig; ++i) {
            const float xi = xs[i], zi = zs[i];
            int j = i - 1;
            while (j >= 1 && xs[j] > xi) {
                xs[j + 1] = xs[j];
                zs[j + 1] = zs[j];
                --j;
            }
            eindeutig = !(j >= 1 && xs[j] == xi);
            xs[j + 1] = xi;
            zs[j + 1] = zi;
        }
        if (eindeutig) {
            std::copy(xs.begin() + 1, xs.begin() + 1 + n, x.begin() + 1);
            if (z) std::copy(zs.begin() + 1, zs.begin() + 1 + n, z->begin() + 1);
            return;
        }
    }
    bool getauscht = true;
    while (getauscht) {
        getauscht = false;
        for (int i = 1; i <= n - 1; ++i)
            for (int j = i + 1; j <= n; ++j)
                if (x[i] > x[j]) {
                    std::swap(x[i], x[j]);
                    if (z) std::swap((*z)[i], (*z)[j]);
                    getauscht = true;
                }
    }
}

void Anhaengen(std::vector<float>& liste, int& n, float wert) {
    if (n + 1 >= static_cast<int>(liste.size())) ModellZuGross();
    liste[++n] = wert;
}

void PunktAnhaengen(int16_t code, float x, float z) {
    auto& K = Keil;
    if (K.AnzGleitPunkte >= 90) ModellZuGross();
    ++K.AnzGleitPunkte;
    K.GelaendeCode[K.AnzGleitPunkte] = code;
    K.GelaendeX[K.AnzGleitPunkte] = x;
    K.GelaendeZ[K.AnzGleitPunkte] = z;
}

// The range of one coordinate of a segment, widened by the tolerance of zormc::Schnittpunkt exactly as it
// widens it. Schnittpunkt reports a crossing only inside both segments' ranges, so segments whose ranges
// do not overlap in x or in z have none, and the cut need not be made.
struct Bereich {
    float lo, hi;
    Bereich(float a, float b) : lo((a < b ? a : b) - 0.0001f), hi((a < b ? b : a) + 0.0001f) {}
    Bereich(float l, float h, int) : lo(l), hi(h) {} // bounds already widened
    bool Ueberlappt(const Bereich& o) const { return lo < o.hi && o.lo < hi; }
};

bool StufeGelistet() {
    for (int k = 1; k <= 12; ++k)
        if (P.DeltaNeuAushub[k] == P.AushNr) return true;
    return false;
}

} // namespace

void PunktCodeSuchen(int16_t code, int16_t& index) {
    index = 0;
    for (int i = 1; i <= Keil.AnzGleitPunkte; ++i) {
        if (Keil.GelaendeCode[i] == code) {
            index = static_cast<int16_t>(i);
            return;
        }
    }
}

void GelaendeSchneiden() {
    auto& K = Keil;
    // Each pass that changes something adds points; the bound only guards against a model that
    // never settles.
    for (int pass = 0; pass < 1000; ++pass) {
        int16_t geaendert = 0;
        for (int i = 1; i <= K.LetzteGleitLinie + 1; ++i) {
            int16_t a0 = K.GleitLinieAnz[0], ai = K.GleitLinieAnz[i];
            zor::LinienVerschneiden(K.GleitLinieZ, K.GleitLinieX, a0, ai, 0, i, geaendert);
            K.GleitLinieAnz[0] = a0;
            K.GleitLinieAnz[i] = ai;
        }
        if (geaendert == 0) return;
    }
    ModellZuGross();
}

namespace {

// The ranges of the segments of the saved grid (abscissae: per segment s low and high at 2s, 2s + 1;
// depths of line L at 2 (L (n + 1) + s)), widened as Schnittpunkt widens them.
void RasterSegmente(std::vector<float>& segX, std::vector<float>& segZ) {
    const auto& K = Keil;
    const int nP = K.RasterAnz, letzte = K.LetzteGleitLinie;
    const std::size_t nSeg = static_cast<std::size_t>(std::max(nP, 0) + 1);
    segX.assign(2 * nSeg, 0.0f);
    segZ.assign(2 * nSeg * static_cast<std::size_t>(letzte + 1), 0.0f);
    const float* const x = K.GleitRasterZ.Zeile(letzte + 1);
    for (int s = 1; s <= nP - 1; ++s) {
        const Bereich b(x[s], x[s + 1]);
        segX[2 * s] = b.lo;
        segX[2 * s + 1] = b.hi;
    }
    for (int L = 0; L <= letzte; ++L) {
        const float* const z = K.GleitRasterZ.Zeile(L);
        for (int s = 1; s <= nP - 1; ++s) {
            const Bereich b(z[s], z[s + 1]);
            const std::size_t i = 2 * (static_cast<std::size_t>(L) * nSeg + static_cast<std::size_t>(s));
            segZ[i] = b.lo;
            segZ[i + 1] = b.hi;
        }
    }
}

bool einWeg = true;

// Lines 0..gl - 1 from the saved grid, as each trial wedge starts.
void LinienAusRaster() {
    auto& K = Keil;
    const int nP = K.RasterAnz;
    const int letzte = K.LetzteGleitLinie;
    const float* const rasterX = K.GleitRasterZ.Zeile(letzte + 1);
    for (int L = 0; L <= letzte; ++L) {
        const float* const rz = K.GleitRasterZ.Zeile(L);
        std::copy(rz + 1, rz + 1 + nP, K.GleitLinieZ.Zeile(L) + 1);
        std::copy(rasterX + 1, rasterX + 1 + nP, K.GleitLinieX.Zeile(L) + 1);
        K.GleitLinieAnz[L] = static_cast<int16_t>(nP);
    }
}

// What restoring the lines from the saved grid (LinienAusRaster) and then GelaendeSchneiden make of the
// grid and the slip line gl, the lines 2..gl - 1 then clipped to the slip line, made in one walk. The
// passes of GelaendeSchneiden do exactly this: the first walks line 0 and the slip line together
// (abscissae closer than 0.001 give one point at the grid's abscissa), the second brings every other line
// onto that walk's abscissae, each line keeping its own values at the grid's abscissae and taking its
// value on its own grid segment at the slip line's, and the third changes nothing. Line 1 is left
// unclipped (the exit of the plane is found on it first). False, with nothing changed, where that
// reasoning does not hold (a line without points, an abscissa that is not finite, a walk that would not
// fit the tables): the caller then restores the lines and runs GelaendeSchneiden itself.
bool SchlupflinieAusRaster() {
    auto& K = Keil;
    const int letzte = K.LetzteGleitLinie;
    const int gl = letzte + 1;
    const int nG = K.RasterAnz;
    const int nS = K.GleitLinieAnz[gl];
    if (nG < 1 || nS < 1) return false;
    const int oben = std::min(K.GleitLinieX.PunkteOben(), K.GleitLinieZ.PunkteOben());
    if (nG > oben || nS > oben || gl > K.GleitLinieX.LinienOben() || gl > K.GleitLinieZ.LinienOben() ||
        gl > K.GleitRasterZ.LinienOben() || nG > K.GleitRasterZ.PunkteOben())
        return false;
    const float* const G = K.GleitRasterZ.Zeile(gl);
    for (int p = 1; p <= nG; ++p)
        if (!std::isfinite(G[p])) return false;
    const float* const S = K.GleitLinieX.Zeile(gl);
    const float* const SZ = K.GleitLinieZ.Zeile(gl);
    for (int p = 1; p <= nS; ++p)
        if (!std::isfinite(S[p])) return false;

    // The walk: per merged point its abscissa, the slip line's value, the grid points consumed up to it
    // and whether it is a point of the slip line alone.
    thread_local std::vector<float> mx, mzGleit;
    thread_local std::vector<int> rasterBis;
    thread_local std::vector<char> nurGleit;
    const std::size_t platz = static_cast<std::size_t>(nG + nS) + 2;
    if (mx.size() < platz) {
        mx.resize(platz);
        mzGleit.resize(platz);
        rasterBis.resize(platz);
        nurGleit.resize(platz);
    }
    auto wertAuf = [](const float* lx, const float* lz, int i, float x) -> float {
        if (i < 1) return lz[1];
        const float x0 = lx[i];
        const float x1 = lx[i + 1];
        const float z0 = lz[i];
        if (x0 == x1) return z0;
        const float z1 = lz[i + 1];
        return z0 + (z1 - z0) * (x - x0) / (x1 - x0);
    };
    int i1 = 0, i2 = 0, k = 0;
    do {
        ++k;
        if (k > oben) return false;
        const float d = G[i1 + 1] - S[i2 + 1];
        if (std::fabs(d) < 0.001f) {
            ++i1;
            ++i2;
            mx[k] = G[i1];
            mzGleit[k] = SZ[i2];
            nurGleit[k] = 0;
        } else if (d < 0.0f) {
            ++i1;
            mx[k] = G[i1];
            mzGleit[k] = wertAuf(S, SZ, i2, G[i1]);
            nurGleit[k] = 0;
        } else {
            ++i2;
            mx[k] = S[i2];
            mzGleit[k] = SZ[i2];
            nurGleit[k] = 1;
        }
        rasterBis[k] = i1;
    } while (i1 < nG && i2 < nS);

    // How each merged point takes a line's value, the same for every line: the value at a grid point
    // (index), the first value (a slip point before the grid), or the value on the grid segment from
    // index by the abscissa's distances, computed as wertAuf computes it.
    thread_local std::vector<int> quelle;
    thread_local std::vector<float> abstand, breite;
    if (quelle.size() < platz) {
        quelle.resize(platz);
        abstand.resize(platz);
        breite.resize(platz);
    }
    bool abstaendeEndlich = true;
    for (int p = 1; p <= k; ++p) {
        const int i = rasterBis[p];
        quelle[p] = i;
        abstand[p] = 0.0f;
        breite[p] = 0.0f;
        if (!nurGleit[p]) continue;
        if (i < 1) {
            quelle[p] = 1;
            continue;
        }
        const float x0 = G[i], x1 = G[i + 1];
        if (x0 == x1) continue;
        abstand[p] = mx[p] - x0;
        breite[p] = x1 - x0;
        if (!std::isfinite(abstand[p])) abstaendeEndlich = false;
    }
    auto wert = [&](const float* rz, int p) -> float {
        const int i = quelle[p];
        const float z0 = rz[i];
        if (breite[p] == 0.0f) return z0;
        return z0 + (rz[i + 1] - z0) * abstand[p] / breite[p];
    };

    // A walk shorter than the grid leaves the grid's values behind its end, as the restore put them.
    if (k < nG) LinienAusRaster();
    const bool ebenBekannt = abstaendeEndlich && K.RasterEben.size() == static_cast<std::size_t>(gl);
    for (int L = 0; L < gl; ++L) {
        const float* const rz = K.GleitRasterZ.Zeile(L);
        float* const z = K.GleitLinieZ.Zeile(L);
        float* const x = K.GleitLinieX.Zeile(L);
        if (ebenBekannt && K.RasterEben[static_cast<std::size_t>(L)]) {
            // On a level line every value is its depth (with finite distances an interpolation adds an
            // exact zero).
            const float c = rz[1];
            if (L >= 2)
                for (int p = 1; p <= k; ++p)
                    z[p] = c > mzGleit[p] ? mzGleit[p] : c;
            else
                for (int p = 1; p <= k; ++p)
                    z[p] = c;
        } else if (L >= 2) {
            for (int p = 1; p <= k; ++p) {
                const float v = wert(rz, p);
                z[p] = v > mzGleit[p] ? mzGleit[p] : v;
            }
        } else {
            for (int p = 1; p <= k; ++p)
                z[p] = wert(rz, p);
        }
        std::copy(mx.begin() + 1, mx.begin() + 1 + k, x + 1);
        K.GleitLinieAnz[L] = static_cast<int16_t>(k);
    }
    float* const x = K.GleitLinieX.Zeile(gl);
    float* const z = K.GleitLinieZ.Zeile(gl);
    for (int p = 1; p <= k; ++p) {
        x[p] = mx[p];
        z[p] = mzGleit[p];
    }
    K.GleitLinieAnz[gl] = static_cast<int16_t>(k);
    return true;
}

} // namespace

void KeilmodellAufbauen() {
    auto& K = Keil;
    const int nSchicht = P.AnzErd;
    if (nSchicht < 1 || nSchicht > 12) ModellZuGross();

    // 1. Points.
    K.AnzGleitPunkte = 0;
    float summe = 0.0f;
    for (int i = 0; i <= nSchicht; ++i) {
        summe = summe + P.SchichtDicke[i];
        const float zb = summe > 99.0f ? 99.0f : summe;
        PunktAnhaengen(static_cast<int16_t>(4 * i + 1), -999.0f, zb);
        PunktAnhaengen(static_cast<int16_t>(4 * i + 2), 0.0f, zb);
    }
    const float zWasser = P.Aushubstufen[static_cast<size_t>(P.AushNr)].ZWasserLuft;
    PunktAnhaengen(51, -999.0f, zWasser);
    PunktAnhaengen(52, 0.0f, zWasser);
    if (P.StBH == 0.0f) {
        PunktAnhaengen(61, -999.0f, P.zAush);
        PunktAnhaengen(62, 0.0f, P.zAush);
    } else {
        PunktAnhaengen(61, -999.0f, P.zAush + P.StBH);
        PunktAnhaengen(62, P.StBx2, P.zAush + P.StBH);
        PunktAnhaengen(63, P.StBx1, P.zAush);
        PunktAnhaengen(64, 0.0f, P.zAush);
    }
    const int nLast = P.AnzSohlLast;
    if (nLast < 0 || nLast > 8) ModellZuGross();
    K.GleitListeI1.assign(nLast + 1, 0);
    K.GleitListeI2.assign(nLast + 1, 0);
    K.GleitListeS1.assign(nLast + 1, 0.0f);
    K.GleitListeS2.assign(nLast + 1, 0.0f);
    for (int i = 1; i <= nLast; ++i) {
        // No load reaches beyond the wall face; a load entered from end to start is turned round.
        if (P.SohlLastX1[i] > P.SohlLastX2[i]) std::swap(P.SohlLastX1[i], P.SohlLastX2[i]);
        if (P.SohlLastX2[i] > 0.0f) P.SohlLastX2[i] = 0.0f;
        K.GleitListeI1[i] = static_cast<int16_t>(2 * i + 299);
        K.GleitListeI2[i] = static_cast<int16_t>(2 * i + 300);
        K.GleitListeS1[i] = P.SohlLastQ[i];
        K.GleitListeS2[i] = P.SohlLastQ[i];
        PunktAnhaengen(static_cast<int16_t>(2 * i + 299), P.SohlLastX1[i], P.SohlLastZ[i]);
        PunktAnhaengen(static_cast<int16_t>(2 * i + 300), P.SohlLastX2[i], P.SohlLastZ[i]);
    }

    // 2. Lines.
    K.LinienCodes.fill(std::string());
    K.LinienCodes[0] = "51 52";
    K.LinienCodes[1] = P.StBH == 0.0f ? "61 62" : "61 62 63 64";
    for (int i = 1; i <= nSchicht + 1; ++i)
        K.LinienCodes[i + 1] = std::to_string(4 * (i - 1) + 1) + " " + std::to_string(4 * (i - 1) + 2);
    K.LetzteGleitLinie = static_cast<int16_t>(nSchicht + 2);
    const int linienOben = K.LetzteGleitLinie + 3;
    // Lines share one grid; the room covers the grid and every slip point of a trial plane.
    const int punkteOben = K.AnzGleitPunkte + 50 + 200;
    K.GleitLinieX.Dimensionieren(linienOben, punkteOben);
    K.GleitLinieZ.Dimensionieren(linienOben, punkteOben);
    K.GleitLinieAnz.assign(linienOben + 1, 0);
    for (int L = 0; L <= K.LetzteGleitLinie; ++L) {
        std::array<int16_t, 21> codes{};
        std::string text = K.LinienCodes[L];
        ZahlenAusText(text, codes);
        for (int p = 1; p <= codes[0]; ++p) {
            int16_t idx = 0;
            PunktCodeSuchen(codes[p], idx);
            K.GleitLinieX(L, p) = K.GelaendeX[idx];
            K.GleitLinieZ(L, p) = K.GelaendeZ[idx];
        }
        K.GleitLinieAnz[L] = codes[0];
    }

    // 3. Grid x: every point of the table and every crossing of a line with the bottom.
    std::vector<float> xl(101, 0.0f);
    int nx = 0;
    for (int i = 1; i <= K.AnzGleitPunkte; ++i)
        Anhaengen(xl, nx, K.GelaendeX[i]);
    for (int L = 0; L <= K.LetzteGleitLinie; ++L) {
        for (int s = 1; s <= K.GleitLinieAnz[L] - 1; ++s) {
            for (int t = 1; t <= K.GleitLinieAnz[1] - 1; ++t) {
                float xs = 0, zs = 0;
                int16_t treffer = 0;
                zormc::Schnittpunkt(K.GleitLinieX(L, s), K.GleitLinieZ(L, s), K.GleitLinieX(L, s + 1),
                                    K.GleitLinieZ(L, s + 1), K.GleitLinieX(1, t), K.GleitLinieZ(1, t),
                                    K.GleitLinieX(1, t + 1), K.GleitLinieZ(1, t + 1), xs, zs, treffer);
                if (treffer == 1) Anhaengen(xl, nx, xs);
            }
        }
    }
    Sortieren(xl, nullptr, nx);
    const int g = K.LetzteGleitLinie + 1;
    for (int p = 0; p <= punkteOben; ++p) {
        K.GleitLinieX(g, p) = 0.0f;
        K.GleitLinieZ(g, p) = 0.0f;
    }
    int ng = 0;
    if (nx >= 1) {
        K.GleitLinieX(g, ++ng) = xl[1];
        for (int i = 2; i <= nx; ++i)
            if (std::fabs(xl[i] - K.GleitLinieX(g, ng)) > 0.000001f) K.GleitLinieX(g, ++ng) = xl[i];
    }
    K.GleitLinieAnz[g] = static_cast<int16_t>(ng);

    // 4. Common grid.
    GelaendeSchneiden();

    // 5. Slice values of the layers (index i + 1 for layer i; index 1 stays 0).
    K.W.fill(0.0f);
    K.GammaFeucht.fill(0.0f);
    K.GammaAuftrieb.fill(0.0f);
    K.Phi.fill(0.0f);
    K.C.fill(0.0f);
    K.DeltaP.fill(0.0f);
    const bool gelistet = StufeGelistet();
    for (int i = 1; i <= nSchicht; ++i) {
        const int s = i + 1;
        K.GammaFeucht[s] = P.SchichtGammaAush[i];
        K.GammaAuftrieb[s] = P.SchichtGammaAuftriebAush[i];
        K.C[s] = P.SchichtCp[i];
        float phi = P.SchichtPhi[i] * P.GradZuRad;
        if (P.SchichtPhi[i] > 35.0f) phi = 35.0f * P.GradZuRad;
        K.Phi[s] = phi;
        float dp = gelistet ? P.SchichtDeltaPNeu[i] : P.SchichtDeltaP[i] * P.GradZuRad;
        // The wall friction is limited to 2/3 phi in its own direction: an unfavourable (positive)
        // angle must not turn into a favourable one.
        if (std::fabs(dp) >= 2.0f / 3.0f * phi) dp = std::copysign(0.9999f * 2.0f / 3.0f * phi, dp);
        K.DeltaP[s] = dp;
        K.W[s] = zWasser - 0.001f < K.GleitLinieZ(s, 1) ? K.GammaAuftrieb[s] : K.GammaFeucht[s];
    }

    // 6. The water table inside a layer becomes a boundary of its own.
    int jw = 0;
    for (int j = 2; j <= K.LetzteGleitLinie - 1; ++j)
        if (zWasser - 0.0001f > K.GleitLinieZ(j, 1) && zWasser + 0.0001f < K.GleitLinieZ(j + 1, 1)) jw = j;
    if (jw != 0) {
        if (K.LetzteGleitLinie + 1 > 20) ModellZuGross();
        const int np = K.GleitLinieAnz[1];
        for (int k = K.LetzteGleitLinie; k >= jw; --k) {
            K.W[k + 1] = K.W[k];
            K.GammaFeucht[k + 1] = K.GammaFeucht[k];
            K.GammaAuftrieb[k + 1] = K.GammaAuftrieb[k];
            K.Phi[k + 1] = K.Phi[k];
            K.C[k + 1] = K.C[k];
            K.DeltaP[k + 1] = K.DeltaP[k];
            for (int p = 1; p <= np; ++p)
                K.GleitLinieZ(k + 1, p) = k == jw ? zWasser : K.GleitLinieZ(k, p);
        }
        K.W[jw + 1] = K.GammaAuftrieb[jw + 1];
        ++K.LetzteGleitLinie;
        K.GleitLinieAnz[K.LetzteGleitLinie] = K.GleitLinieAnz[K.LetzteGleitLinie - 1];
    }

    // 7. Boundaries lie on the bottom where the soil is excavated; save the grid.
    const int nP = K.GleitLinieAnz[1];
    for (int L = 2; L <= K.LetzteGleitLinie; ++L)
        for (int p = 1; p <= nP; ++p)
            if (K.GleitLinieZ(L, p) < K.GleitLinieZ(1, p)) K.GleitLinieZ(L, p) = K.GleitLinieZ(1, p);
    K.RasterAnz = static_cast<int16_t>(nP);
    K.GleitRasterZ.Dimensionieren(K.LetzteGleitLinie + 1, nP);
    for (int L = 0; L <= K.LetzteGleitLinie; ++L)
        for (int p = 1; p <= nP; ++p)
            K.GleitRasterZ(L, p) = K.GleitLinieZ(L, p);
    for (int p = 1; p <= nP; ++p)
        K.GleitRasterZ(K.LetzteGleitLinie + 1, p) = K.GleitLinieX(1, p);
    RasterSegmente(K.RasterSegX, K.RasterSegZ);
    K.RasterEben.assign(static_cast<std::size_t>(K.LetzteGleitLinie + 1), 0);
    for (int L = 0; L <= K.LetzteGleitLinie && nP >= 1; ++L) {
        const float c = K.GleitRasterZ(L, 1);
        bool eben = std::isfinite(c) && !(c == 0.0f && std::signbit(c));
        for (int p = 2; p <= nP && eben; ++p)
            eben = std::bit_cast<uint32_t>(K.GleitRasterZ(L, p)) == std::bit_cast<uint32_t>(c);
        K.RasterEben[static_cast<std::size_t>(L)] = eben ? 1 : 0;
    }
    K.RasterRahmen.assign(4 * static_cast<std::size_t>(K.LetzteGleitLinie + 1), 0.0f);
    for (int L = 0; L <= K.LetzteGleitLinie && nP >= 1; ++L) {
        float xMin = K.GleitRasterZ(K.LetzteGleitLinie + 1, 1), xMax = xMin;
        float zMin = K.GleitRasterZ(L, 1), zMax = zMin;
        for (int p = 1; p <= nP; ++p) {
            const float x = K.GleitRasterZ(K.LetzteGleitLinie + 1, p), z = K.GleitRasterZ(L, p);
            if (!std::isfinite(x) || !std::isfinite(z)) {
                K.RasterRahmen.clear();
                return;
            }
            xMin = std::min(xMin, x);
            xMax = std::max(xMax, x);
            zMin = std::min(zMin, z);
            zMax = std::max(zMax, z);
        }
        const Bereich bx(xMin, xMax), bz(zMin, zMax);
        K.RasterRahmen[4 * L] = bx.lo;
        K.RasterRahmen[4 * L + 1] = bx.hi;
        K.RasterRahmen[4 * L + 2] = bz.lo;
        K.RasterRahmen[4 * L + 3] = bz.hi;
    }
}

void EinWegMerge(bool an) {
    einWeg = an;
}

bool EinWegMerge() {
    return einWeg;
}

void Probekeil(float zp, float theta, int16_t& kExit, int16_t& kWall) {
    auto& K = Keil;
    const int nP = K.RasterAnz;
    const int letzte = K.LetzteGleitLinie;
    const int gl = letzte + 1;

    // 8. Lines from the saved grid: read from it directly below, and restored where the fast merge of
    // step 10 does not apply (the rows are checked once: the grid fits the line tables).
    if (nP > K.GleitLinieX.PunkteOben() || nP > K.GleitLinieZ.PunkteOben()) ModellZuGross();
    const float* const rasterX = K.GleitRasterZ.Zeile(gl);

    // 9. Slip points: the far end, the wall point and every crossing of the plane with a line. The
    // lists are kept for the next wedge.
    thread_local std::vector<float> sx, sz;
    sx.assign(101, 0.0f);
    sz.assign(101, 0.0f);
    int ns = 0;
    Anhaengen(sx, ns, -999.0f);
    sz[ns] = -99.0f;
    Anhaengen(sx, ns, 0.0f);
    sz[ns] = zp;
    const double th = theta;
    const float xFern = static_cast<float>(-999.0 * std::cos(th));
    const float zFern = zp - static_cast<float>(999.0 * std::sin(th));
    const Bereich ebeneX(xFern, 0.0f), ebeneZ(zFern, zp);
    const float dxEbene = 0.0f - xFern;
    const bool ebeneSchraeg = dxEbene != 0.0f && std::isfinite(dxEbene) && std::isfinite(zFern);
    const float* const x1 = rasterX;
    // The ranges of the grid's segments, widened as Schnittpunkt widens them (kept with the grid, or made
    // here), and the plane's depths over each segment's abscissae: the crossing's depth is the plane's
    // depth at an abscissa inside the segment's range, computed as Schnittpunkt computes it; that
    // computation rises or falls with the abscissa, so its values at the range's ends bound it.
    const std::size_t nSeg = static_cast<std::size_t>(nP + 1);
    thread_local std::vector<float> segXEigen, segZEigen, ebeneAbV, ebeneBisV;
    const float* segX = K.RasterSegX.data();
    const float* segZ = K.RasterSegZ.data();
    if (K.RasterSegX.size() != 2 * nSeg ||
        K.RasterSegZ.size() != 2 * nSeg * static_cast<std::size_t>(letzte + 1)) {
        RasterSegmente(segXEigen, segZEigen);
        segX = segXEigen.data();
        segZ = segZEigen.data();
    }
    if (ebeneAbV.size() < nSeg) {
        ebeneAbV.resize(nSeg);
        ebeneBisV.resize(nSeg);
    }
    float* const ebeneAb = ebeneAbV.data();
    float* const ebeneBis = ebeneBisV.data();
    if (ebeneSchraeg) {
        for (int s = 1; s <= nP - 1; ++s) {
            const float za = zFern + (zp - zFern) * (segX[2 * s] - xFern) / dxEbene;
            const float zb = zFern + (zp - zFern) * (segX[2 * s + 1] - xFern) / dxEbene;
            ebeneAb[s] = std::min(za, zb);
            ebeneBis[s] = std::max(za, zb);
        }
    }
    bool rasterSteigt = nP >= 1 && std::isfinite(x1[1]);
    for (int p = 2; p <= nP && rasterSteigt; ++p)
        rasterSteigt = x1[p - 1] < x1[p] && std::isfinite(x1[p]);
    const bool rahmen = K.RasterRahmen.size() == 4 * static_cast<std::size_t>(letzte + 1);
    for (int L = 1; L <= letzte; ++L) {
        if (rahmen) {
            // A line whose whole range the plane misses has no segment it could cut (each segment's
            // range lies inside the line's).
            const float* const r = K.RasterRahmen.data() + 4 * L;
            const Bereich linieX{r[0], r[1], 0}, linieZ{r[2], r[3], 0};
            if (!ebeneZ.Ueberlappt(linieZ) || !ebeneX.Ueberlappt(linieX)) continue;
            if (ebeneSchraeg) {
                const float za = zFern + (zp - zFern) * (linieX.lo - xFern) / dxEbene;
                const float zb = zFern + (zp - zFern) * (linieX.hi - xFern) / dxEbene;
                if (std::max(za, zb) <= linieZ.lo || std::min(za, zb) >= linieZ.hi) continue;
            }
        }
        const float* const lx = rasterX;
        const float* const lz = K.GleitRasterZ.Zeile(L);
        const float* const bz = segZ + 2 * static_cast<std::size_t>(L) * static_cast<std::size_t>(nP + 1);
        for (int s = 1; s <= nP - 1; ++s) {
            const float zLo = bz[2 * s], zHi = bz[2 * s + 1];
            if (ebeneSchraeg && (ebeneBis[s] <= zLo || ebeneAb[s] >= zHi)) continue;
            if (!(ebeneZ.lo < zHi && zLo < ebeneZ.hi) ||
                !(ebeneX.lo < segX[2 * s + 1] && segX[2 * s] < ebeneX.hi))
                continue;
            float xs = 0, zs = 0;
            int16_t treffer = 0;
            zormc::Schnittpunkt(xFern, zFern, 0.0f, zp, lx[s], lz[s], lx[s + 1], lz[s + 1], xs, zs, treffer);
            if (treffer != 1) continue;
            bool nah = false;
            if (rasterSteigt && std::isfinite(xs)) {
                // On ascending abscissae the distance rises both ways from xs: the neighbours decide.
                const int q = static_cast<int>(std::lower_bound(x1 + 1, x1 + 1 + nP, xs) - x1);
                nah = (q <= nP && std::fabs(xs - x1[q]) < 0.001f) ||
                      (q > 1 && std::fabs(xs - x1[q - 1]) < 0.001f);
            } else {
                for (int p = 1; p <= nP && !nah; ++p)
                    if (std::fabs(xs - x1[p]) < 0.001f) nah = true;
            }
            for (int p = 1; p <= ns && !nah; ++p)
                if (std::fabs(xs - sx[p]) < 0.001f) nah = true;
            if (nah) continue;
            Anhaengen(sx, ns, xs);
            sz[ns] = zs;
        }
    }
    // A plane without a crossing of its own (one that passes through grid points of the bottom
    // only, or descends below every line) runs on to the far end: its slip line is the plane
    // itself, not the level of the wall point, whose wedge would not belong to the angle that the
    // wedge force is taken with.
    if (ns == 2) sz[1] = zp - static_cast<float>(999.0 * std::tan(th));
    Sortieren(sx, &sz, ns);
    if (sz[1] == -99.0f) sz[1] = sz[2];
    if (sz[ns] == -99.0f) sz[ns] = sz[ns - 1];

    // 10. The slip line, merged with all lines.
    {
        float* const x = K.GleitLinieX.Zeile(gl);
        std::fill(x, x + K.GleitLinieX.PunkteOben() + 1, 0.0f);
        float* const z = K.GleitLinieZ.Zeile(gl);
        std::fill(z, z + K.GleitLinieZ.PunkteOben() + 1, 0.0f);
    }
    for (int p = 1; p <= ns; ++p) {
        K.GleitLinieX(gl, p) = sx[p];
        K.GleitLinieZ(gl, p) = sz[p];
    }
    K.GleitLinieAnz[gl] = static_cast<int16_t>(ns);
    const bool schnell = einWeg && SchlupflinieAusRaster();
    if (!schnell) {
        LinienAusRaster();
        GelaendeSchneiden();
    }

    // 11. Exit of the plane at the bottom (nearest to the wall) and the wall index.
    const int n1 = K.GleitLinieAnz[1];
    kExit = 1;
    for (int p = n1; p >= 1; --p) {
        if (std::fabs(K.GleitLinieZ(gl, p) - K.GleitLinieZ(1, p)) < 0.001f) {
            kExit = static_cast<int16_t>(p);
            break;
        }
    }
    kWall = static_cast<int16_t>(n1);
    for (int p = 1; p <= n1; ++p) {
        if (K.GleitLinieX(1, p) >= 0.0f) {
            kWall = static_cast<int16_t>(p);
            break;
        }
    }

    // 12. Bottom loads per column.
    K.GleitListe1.assign(static_cast<std::size_t>(n1) + 2, 0.0f);
    GleitkeilGeometrie(kExit, kWall);

    // 13. Clip every line to the slip line.
    if (n1 <= K.GleitLinieZ.PunkteOben()) {
        const float* const zg = K.GleitLinieZ.Zeile(gl);
        for (int L = 1; L <= (schnell ? 1 : letzte); ++L) {
            float* const z = K.GleitLinieZ.Zeile(L);
            for (int p = 1; p <= n1; ++p)
                if (z[p] > zg[p]) z[p] = zg[p];
        }
    } else {
        for (int L = 1; L <= letzte; ++L)
            for (int p = 1; p <= n1; ++p)
                if (K.GleitLinieZ(L, p) > K.GleitLinieZ(gl, p)) K.GleitLinieZ(L, p) = K.GleitLinieZ(gl, p);
    }
}

void GleitkeilGeometrie(int16_t kExit, int16_t kWall) {
    auto& K = Keil;
    const int gl = K.LetzteGleitLinie + 1;
    // The points of the bottom loads' codes (301..316), the first of each code, found in one walk.
    std::array<int16_t, 16> lastPunkt{};
    for (int i = K.AnzGleitPunkte; i >= 1; --i) {
        const int c = K.GelaendeCode[i] - 301;
        if (c >= 0 && c < 16) lastPunkt[c] = static_cast<int16_t>(i);
    }
    auto punkt = [&](int16_t code, int16_t& index) {
        if (code >= 301 && code <= 316)
            index = lastPunkt[code - 301];
        else
            PunktCodeSuchen(code, index);
    };
    for (int i = 1; i <= P.AnzSohlLast; ++i) {
        if (K.GleitListeS1[i] == 0.0f && K.GleitListeS2[i] == 0.0f) continue;
        int16_t i1 = 0, i2 = 0;
        punkt(K.GleitListeI1[i], i1);
        punkt(K.GleitListeI2[i], i2);
        const float x1 = K.GelaendeX[i1], z1 = K.GelaendeZ[i1];
        const float x2 = K.GelaendeX[i2], z2 = K.GelaendeZ[i2];
        const float S1 = K.GleitListeS1[i], S2 = K.GleitListeS2[i];
        if (x2 == x1) continue; // a load without width carries nothing
        const bool zeilen = kExit >= 0 && kWall <= K.GleitLinieX.PunkteOben() &&
                            kWall <= K.GleitLinieZ.PunkteOben() && gl <= K.GleitLinieX.LinienOben() &&
                            gl <= K.GleitLinieZ.LinienOben();
        const float* const gx = zeilen ? K.GleitLinieX.Zeile(gl) : nullptr;
        const float* const gz = zeilen ? K.GleitLinieZ.Zeile(gl) : nullptr;
        for (int k = kExit; k <= kWall - 1; ++k) {
            const float xk = zeilen ? gx[k] : K.GleitLinieX(gl, k),
                        zk = zeilen ? gz[k] : K.GleitLinieZ(gl, k);
            const float xk1 = zeilen ? gx[k + 1] : K.GleitLinieX(gl, k + 1);
            const float zk1 = zeilen ? gz[k + 1] : K.GleitLinieZ(gl, k + 1);
            float xa = x1, za = z1, Sa = S1;
            float xb = x2, zb = z2, Sb = S2;
            if (!(xk < xb && xk1 > xa && std::fabs(xk1 - xk) >= 0.01f)) continue;
            if (xk > xa) {
                const float f = (xk - x1) / (x2 - x1);
                xa = xk;
                za = z1 + (z2 - z1) * f;
                Sa = S1 + (S2 - S1) * f;
            }
            if (xk1 < xb) {
                const float f = (xk1 - x1) / (x2 - x1);
                xb = xk1;
                zb = z1 + (z2 - z1) * f;
                Sb = Sa + (S2 - Sa) * f;
            }
            if (za > zk && zb > zk1) continue; // below the slip line
            if ((za - zk) * (zb - zk1) < 0.0f) {
                float xs = 0, zs = 0;
                int16_t treffer = 0;
                zormc::Schnittpunkt(xa, za, xb, zb, xk, zk, xk1, zk1, xs, zs, treffer);
                const float Ss = xb != xa ? Sa + (Sb - Sa) * (xs - xa) / (xb - xa) : Sa;
                if (zb >= zk1) {
                    xb = xs;
                    zb = zs;
                    Sb = Ss;
                } else {
                    xa = xs;
                    za = zs;
                    Sa = Ss;
                }
            }
            K.GleitListe1[k] = K.GleitListe1[k] + (Sa + Sb) / 2.0f * (xb - xa);
        }
    }
}

} // namespace zormb
