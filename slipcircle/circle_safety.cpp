#include "slipcircle/circle_safety.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "earthpressure/diagrams.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "slipcircle/input.h"
#include "slipcircle/lines.h"
#include "slipcircle/state.h"

using zorm1::P;

namespace Zormg {

namespace {

constexpr int kBogenSchritte = 50;
constexpr int kGleitPunkte = kBogenSchritte + 3; // 53
constexpr int kMaxIterationen = 200;
// Distance (m) by which a slice must begin left of the tangent to the friction circle to count as left.
constexpr double kTangenteToleranz = 1e-4;

// Work values of the circle being evaluated, kept between calls so that no memory is taken per circle.
struct Arbeit {
    std::array<float, kGleitPunkte + 1> gx{}, gz{};
    std::vector<float> kreuzungen;
    std::vector<float> frei; // the slip line before it is clipped to the ground
};
Arbeit g_arbeit;

// Lines 0..AnzLinien from the common grid; the slip line from gx, gz.
void LinienHerstellen() {
    Daten& d = D();
    Zustand& z = Z();
    const int n = d.RasterPunktzahl;
    const int xZeile = z.AnzLinien + 1;
    const int k = z.AnzLinien + 1;
    // The last cells written: an index outside the tables calls their range handler before anything is
    // written.
    (void)z.LinieX(k, std::max(n, kGleitPunkte));
    (void)z.LinieZ(k, std::max(n, kGleitPunkte));
    const float* rasterX = &d.Raster(xZeile, 0);
    for (int i = 0; i <= z.AnzLinien; ++i) {
        std::copy(rasterX + 1, rasterX + 1 + n, z.LinieX.Zeile(i) + 1);
        const float* rasterZ = &d.Raster(i, 0);
        std::copy(rasterZ + 1, rasterZ + 1 + n, z.LinieZ.Zeile(i) + 1);
        z.LinienPunktzahl[i] = static_cast<int16_t>(n);
    }
    std::copy(g_arbeit.gx.begin() + 1, g_arbeit.gx.begin() + 1 + kGleitPunkte, z.LinieX.Zeile(k) + 1);
    std::copy(g_arbeit.gz.begin() + 1, g_arbeit.gz.begin() + 1 + kGleitPunkte, z.LinieZ.Zeile(k) + 1);
    z.LinienPunktzahl[k] = kGleitPunkte;
}

// Room for the merged lines: the grid, the slip line and every listed abscissa.
void PlatzSichern(int benoetigt) {
    Zustand& z = Z();
    if (z.LinieX.PunkteOben() >= benoetigt && z.LinieX.LinienOben() >= z.AnzLinien + 2) return;
    const int oben = std::max(benoetigt + 50, z.LinieX.PunkteOben());
    z.LinieX = zor::Linientafel(z.AnzLinien + 2, oben);
    z.LinieZ = zor::Linientafel(z.AnzLinien + 2, oben);
    if (static_cast<int>(z.LinienPunktzahl.size()) < z.AnzLinien + 3)
        z.LinienPunktzahl.assign(static_cast<std::size_t>(z.AnzLinien) + 3, 0);
}

// The abscissae of every crossing of the slip line with the segments of lines 0..AnzLinien, as
// SchnittpunkteSammeln lists them. Lines 0..AnzLinien share the grid abscissae, so only the grid
// segments whose range meets a slip segment's range (within the crossing tolerance) are tried.
void KreuzungenSammeln(std::vector<float>& liste) {
    Daten& d = D();
    Zustand& z = Z();
    const int k = z.AnzLinien + 1;
    const int n = d.RasterPunktzahl;
    const float* gx = &d.Raster(z.AnzLinien + 1, 0);
    constexpr float rand = 0.0002f;
    // Rows of the lines; every point read lies within the tables (else their range handler is called
    // here).
    (void)z.LinieX(k, std::max(n, kGleitPunkte));
    (void)z.LinieZ(k, std::max(n, kGleitPunkte));
    thread_local std::vector<const float*> zeilenX, zeilenZ;
    zeilenX.resize(static_cast<std::size_t>(k) + 1);
    zeilenZ.resize(static_cast<std::size_t>(k) + 1);
    for (int i = 0; i <= k; ++i) {
        zeilenX[static_cast<std::size_t>(i)] = z.LinieX.Zeile(i);
        zeilenZ[static_cast<std::size_t>(i)] = z.LinieZ.Zeile(i);
    }
    const float* const xk = zeilenX[static_cast<std::size_t>(k)];
    const float* const zk = zeilenZ[static_cast<std::size_t>(k)];
    for (int t = 1; t <= kGleitPunkte - 1; ++t) {
        const float xa = xk[t], xb = xk[t + 1];
        const float lo = std::min(xa, xb) - rand, hi = std::max(xa, xb) + rand;
        // First grid segment s whose right end reaches lo.
        int s = static_cast<int>(std::lower_bound(gx + 1, gx + n + 1, lo) - gx) - 1;
        if (s < 1) s = 1;
        const float za = zk[t], zb = zk[t + 1];
        const float zlo = std::min(za, zb) - rand, zhi = std::max(za, zb) + rand;
        for (; s <= n - 1 && gx[s] <= hi; ++s) {
            for (int i = 0; i <= z.AnzLinien; ++i) {
                const float* const xi = zeilenX[static_cast<std::size_t>(i)];
                const float* const zi = zeilenZ[static_cast<std::size_t>(i)];
                const float z1 = zi[s], z2 = zi[s + 1];
                if (std::max(z1, z2) < zlo || std::min(z1, z2) > zhi) continue;
                float xs = 0.0f, zs = 0.0f;
                int16_t treffer = 0;
                zormc::Schnittpunkt(xi[s], z1, xi[s + 1], z2, xa, za, xb, zb, xs, zs, treffer);
                if (treffer == 1) liste.push_back(xs);
            }
        }
    }
}

float Abstand(float xa, float za, float xb, float zb) {
    const double dx = static_cast<double>(xb) - xa;
    const double dz = static_cast<double>(zb) - za;
    return static_cast<float>(std::sqrt(dx * dx + dz * dz));
}

// The parts of load j on the slices erste..letzte-1 (vertical or horizontal intensities), each
// handed to teil(s, pl, pr, l, zl, dz) with the intensities at its two ends, its length along the
// load line, its left level and its height difference.
template <class Teil> void LastTeile(int j, bool vertikal, int16_t erste, int16_t letzte, Teil teil) {
    Zustand& z = Z();
    const int k = z.AnzLinien + 1;
    int16_t i1 = 0, i2 = 0;
    PunktSuchen(z.LastPunkt1[j], i1);
    PunktSuchen(z.LastPunkt2[j], i2);
    float xa = z.PunktX[i1], za = z.PunktZ[i1];
    const float xe = z.PunktX[i2], ze = z.PunktZ[i2];
    float pa = vertikal ? z.VLastA[j] : z.HLastA[j];
    float pe = vertikal ? z.VLastE[j] : z.HLastE[j];
    if (pa == 0.0f && pe == 0.0f) return;
    float L = Abstand(xa, za, xe, ze);
    // A load whose two points coincide has no extent and no resultant.
    if (L == 0.0f) return;
    const bool senkrecht = xa == xe;
    bool verteilt = false;
    if (erste > letzte - 1) return;
    // The slip line's points erste..letzte lie within the tables (else their range handler is called
    // here).
    (void)z.LinieX(k, erste);
    (void)z.LinieZ(k, erste);
    (void)z.LinieX(k, letzte);
    (void)z.LinieZ(k, letzte);
    const float* const xk = z.LinieX.Zeile(k);
    const float* const zk = z.LinieZ.Zeile(k);
    for (int s = erste; s <= letzte - 1; ++s) {
        const float x1 = xk[s], z1 = zk[s];
        const float x2 = xk[s + 1], z2 = zk[s + 1];
        if (x1 > xe) continue;
        if (senkrecht ? x2 < xa : x2 <= xa) continue;
        if (senkrecht && !verteilt) {
            // A vertical load line is spread over the first slice it meets, with the same resultant.
            verteilt = true;
            xa = x1;
            const float L2 = Abstand(xa, za, xe, ze);
            if (L2 == 0.0f) return;
            pa = pa * L / L2;
            pe = pe * L / L2;
            L = L2;
        }
        auto zAuf = [&](float x) { return xe == xa ? za : za + (x - xa) * (ze - za) / (xe - xa); };
        float zl = zAuf(x1), zr = zAuf(x2);
        float dl = Abstand(x1, zl, xa, za), dr = Abstand(x2, zr, xa, za);
        float pl = pa + (pe - pa) * dl / L, pr = pa + (pe - pa) * dr / L;
        float xRechtsTeil = x2;
        if (zl > z1 && zr > z2) {
            if (x2 >= xe) return;
            continue;
        }
        if ((zr - z2) * (zl - z1) < 0.0f) {
            float xs = 0.0f, zs = 0.0f;
            int16_t treffer = 0;
            zormc::Schnittpunkt(x1, zl, x2, zr, x1, z1, x2, z2, xs, zs, treffer);
            if (xs == zormc::kKeinSchnitt || zs == zormc::kKeinSchnitt) continue;
            if (zr < z2) {
                zl = zs;
                dl = Abstand(xs, zs, xa, za);
                pl = pa + (pe - pa) * dl / L;
            } else {
                zr = zs;
                dr = Abstand(xs, zs, xa, za);
                pr = pa + (pe - pa) * dr / L;
                xRechtsTeil = xs;
            }
        }
        teil(s, pl, pr, dr - dl, zl, zr - zl);
        if (xRechtsTeil >= xe) return;
    }
}

// Whether a[i] == b[i] for i < n, as single values compare (0 equals -0, NaN equals nothing); four at
// a time where the compiler offers vectors.
bool GleicheWerte(const float* a, const float* b, int n) {
    int i = 0;
#if defined(__GNUC__)
    typedef float Vier __attribute__((vector_size(16)));
    typedef int32_t Maske __attribute__((vector_size(16)));
    for (; i + 4 <= n; i += 4) {
        Vier va, vb;
        std::memcpy(&va, a + i, sizeof va);
        std::memcpy(&vb, b + i, sizeof vb);
        const Maske ungleich = va != vb;
        if ((ungleich[0] | ungleich[1] | ungleich[2] | ungleich[3]) != 0) return false;
    }
#endif
    for (; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Lines 1..AnzLinien onto line 0's abscissae in one walk, with the same values as their merges with
// line 0 one after the other, where that holds: every one of these lines still holds the grid (the same
// abscissae and count), and the walk of line 0 against the grid takes no grid point that line 0 lacks
// and reaches the end of line 0. Each merge then leaves line 0 as it is and takes the same steps, and
// every line gets line 0's abscissae with its own values at the grid points and, between them, values
// interpolated on its segment as the merge interpolates them. Otherwise nothing is changed (false).
bool RasterLinienAufLinie0() {
    Zustand& z = Z();
    const int m = z.AnzLinien;
    if (m < 1) return true;
    const int n1 = z.LinienPunktzahl[0];
    const int n2 = z.LinienPunktzahl[1];
    const int oben = std::min(z.LinieX.PunkteOben(), z.LinieZ.PunkteOben());
    if (n1 < 1 || n2 < 1 || n1 > oben || n2 > oben || m > z.LinieX.LinienOben() || m > z.LinieZ.LinienOben())
        return false;
    const float* const xa = z.LinieX.Zeile(0);
    const float* const xb = z.LinieX.Zeile(1);
    for (int j = 2; j <= m; ++j)
        if (z.LinienPunktzahl[j] != n2 ||
            std::memcmp(z.LinieX.Zeile(j) + 1, xb + 1, static_cast<std::size_t>(n2) * sizeof(float)) != 0)
            return false;

    // The walk: for point p of line 0, the grid point it meets (> 0) or the grid segment whose value is
    // interpolated there (<= 0: -i2).
    thread_local std::vector<int> schritt;
    schritt.resize(static_cast<std::size_t>(n1) + 1);
    int i1 = 0, i2 = 0;
    do {
        const float d = xa[i1 + 1] - xb[i2 + 1];
        if (std::fabs(d) < 0.001f) {
            ++i1;
            ++i2;
            schritt[static_cast<std::size_t>(i1)] = i2;
        } else if (d < 0.0f) {
            ++i1;
            schritt[static_cast<std::size_t>(i1)] = -i2;
        } else {
            return false;
        }
    } while (i1 < n1 && i2 < n2);
    if (i1 != n1) return false;

    thread_local std::vector<float> neu;
    neu.resize(static_cast<std::size_t>(n1) + 1);
    for (int j = 1; j <= m; ++j) {
        float* const zb = z.LinieZ.Zeile(j);
        for (int p = 1; p <= n1; ++p) {
            const int s = schritt[static_cast<std::size_t>(p)];
            float v;
            if (s > 0) {
                v = zb[s];
            } else if (s == 0) {
                v = zb[1];
            } else {
                const int i = -s;
                const float x = xa[p];
                const float x0 = xb[i];
                const float x1 = xb[i + 1];
                const float z0 = zb[i];
                if (x0 == x1) {
                    v = z0;
                } else {
                    const float z1 = zb[i + 1];
                    v = z0 + (z1 - z0) * (x - x0) / (x1 - x0);
                }
            }
            neu[static_cast<std::size_t>(p)] = v;
        }
        std::copy(neu.begin() + 1, neu.begin() + 1 + n1, zb + 1);
        if (j > 1) std::copy(xa + 1, xa + 1 + n1, z.LinieX.Zeile(j) + 1);
        z.LinienPunktzahl[j] = static_cast<int16_t>(n1);
    }
    std::copy(xa + 1, xa + 1 + n1, z.LinieX.Zeile(1) + 1);
    return true;
}

// Lines 0..AnzLinien + 2 onto one common set of abscissae, as LinienBereinigen(2) makes it, with the
// merges that can change anything: lines 0..AnzLinien share the grid, so line 0 first takes the slip
// line's and the work line's abscissae (keeping all of its own), then hands them on to every other
// line. When the lines do not agree afterwards (abscissae closer than the merge tolerance at the
// model limits), the passes of LinienBereinigen finish the work.
void GemeinsameAbszissen() {
    Zustand& z = Z();
    const int k = z.AnzLinien + 1;
    const int w = z.AnzLinien + 2;
    int16_t geaendert = 0;
    auto mit0 = [&](int j) {
        LinienVerschneiden(z.LinieZ, z.LinieX, z.LinienPunktzahl[0], z.LinienPunktzahl[j], 0, j, geaendert);
    };
    mit0(k);
    mit0(w);
    if (!RasterLinienAufLinie0())
        for (int j = 1; j <= z.AnzLinien; ++j)
            mit0(j);
    mit0(k);
    const int n = z.LinienPunktzahl[0];
    bool gleich = true;
    if (n >= 1) (void)z.LinieX(w, n); // within the table, else its range handler is called here
    const float* const x0 = z.LinieX.Zeile(0);
    for (int j = 1; j <= w && gleich; ++j) {
        if (z.LinienPunktzahl[j] != n) gleich = false;
        if (gleich && n >= 1) gleich = GleicheWerte(z.LinieX.Zeile(j) + 1, x0 + 1, n);
    }
    if (!gleich) LinienBereinigen(2);
}

// A last slice reaching beyond the crossing by less than this (m) ends at the crossing already.
constexpr float kKreuzungToleranz = 0.0001f;

// The body ends where the slip line last rises through the ground. A crossing closer to a vertex of the
// ground than the merge tolerance goes into that vertex; when the slip line lies more than 1 cm below it
// there, the last slice of the body runs on to the next vertex over no soil (and takes a load beginning
// at the vertex whole). The crossing becomes a vertex of every line and the last point of the body.
void KoerperAmGelaendeEnden(int16_t erste, int16_t letzte) {
    Zustand& z = Z();
    const int k = z.AnzLinien + 1;
    const int w = z.AnzLinien + 2;
    const int n = z.LinienPunktzahl[k];
    if (letzte <= erste || letzte > n) return;
    const auto& frei = g_arbeit.frei;
    const int a = letzte - 1;
    const double d0 = static_cast<double>(frei[static_cast<std::size_t>(a)]) - z.LinieZ(1, a);
    const double d1 = static_cast<double>(frei[static_cast<std::size_t>(letzte)]) - z.LinieZ(1, letzte);
    if (!(d0 > 0.0 && d1 < 0.0)) return;
    const float x0 = z.LinieX(k, a), x1 = z.LinieX(k, letzte);
    const double t = d0 / (d0 - d1);
    const float xs = static_cast<float>(x0 + t * (static_cast<double>(x1) - x0));
    if (!(xs > x0 && x1 - xs > kKreuzungToleranz)) return;
    if (z.LinieX.PunkteOben() < n + 1) return;
    for (int i = 0; i <= w; ++i) {
        for (int j = n; j >= letzte; --j) {
            z.LinieX(i, j + 1) = z.LinieX(i, j);
            z.LinieZ(i, j + 1) = z.LinieZ(i, j);
        }
        const float za = z.LinieZ(i, a), ze = z.LinieZ(i, letzte + 1);
        z.LinieX(i, letzte) = xs;
        z.LinieZ(i, letzte) = static_cast<float>(za + t * (static_cast<double>(ze) - za));
        z.LinienPunktzahl[i] = static_cast<int16_t>(n + 1);
    }
    z.LinieZ(k, letzte) = z.LinieZ(1, letzte);
}

// A function of one single-precision angle that remembers its last argument: the slices of a body
// mostly lie in few layers, so the same friction angle comes again and again. The argument is compared
// bit for bit (tan(-0) is -0).
template <double (*F)(double)> struct Gemerkt {
    bool da = false;
    uint32_t bits = 0;
    double wert = 0.0;
    double operator()(float v) {
        const auto b = std::bit_cast<uint32_t>(v);
        if (!da || b != bits) {
            da = true;
            bits = b;
            wert = F(static_cast<double>(v));
        }
        return wert;
    }
};
double Tan(double v) {
    return std::tan(v);
}
double Sin(double v) {
    return std::sin(v);
}
Gemerkt<Tan> tanPhi;
Gemerkt<Sin> sinPhi;

// Sine and cosine of the arc angles (0: the run-out angle on the air side, j: step j of the arc) and
// the tangents of the two run-out angles. The angles stay the same for a whole search: they are
// worked out again only when they change.
struct Bogenwinkel {
    bool da = false;
    float luft = 0.0f, erde = 0.0f;
    std::array<double, kBogenSchritte + 1> sin{}, cos{};
    double tanLuft = 0.0, tanErde = 0.0;
};
const Bogenwinkel& BogenwinkelFuer(float luft, float erde) {
    thread_local Bogenwinkel b;
    if (b.da && std::bit_cast<uint32_t>(luft) == std::bit_cast<uint32_t>(b.luft) &&
        std::bit_cast<uint32_t>(erde) == std::bit_cast<uint32_t>(b.erde))
        return b;
    b.da = true;
    b.luft = luft;
    b.erde = erde;
    const double aL = luft, aE = erde;
    b.sin[0] = std::sin(aL);
    b.cos[0] = std::cos(aL);
    for (int j = 1; j <= kBogenSchritte; ++j) {
        const double a = aL + j * (aE - aL) / kBogenSchritte;
        b.sin[static_cast<std::size_t>(j)] = std::sin(a);
        b.cos[static_cast<std::size_t>(j)] = std::cos(a);
    }
    b.tanLuft = std::tan(aL);
    b.tanErde = std::tan(aE);
    return b;
}

// The slice values the safety iteration reads, one array each: the resisting moment of every slice
// for a trial safety is worked out two slices at a time where the compiler offers vectors (each value
// exactly as one at a time); the caller adds them up in slice order.
struct Iteration {
    std::vector<double> V, lcs, ca, ts, tphi, lc, hebel, moment;

    template <class L> void Fuellen(const std::vector<L>& lam) {
        for (auto* v : {&V, &lcs, &ca, &ts, &tphi, &lc, &hebel, &moment})
            v->resize(lam.size());
        for (std::size_t i = 0; i < lam.size(); ++i) {
            V[i] = lam[i].V;
            lcs[i] = lam[i].lcs;
            ca[i] = lam[i].ca;
            ts[i] = lam[i].ts;
            tphi[i] = lam[i].tphi;
            lc[i] = lam[i].lc;
            hebel[i] = lam[i].hebel;
        }
    }

    // moment[i] = T * hebel with N = (V - l cd sa / e) / (ca + tphi sa / e), T = N tphi + l cd.
    void Momente(double e) {
        const std::size_t n = V.size();
        std::size_t i = 0;
#if defined(__GNUC__)
        typedef double Paar __attribute__((vector_size(16)));
        auto laden = [](const std::vector<double>& v, std::size_t j) {
            Paar p;
            std::memcpy(&p, v.data() + j, sizeof p);
            return p;
        };
        const Paar ee = {e, e};
        for (; i + 2 <= n; i += 2) {
            const Paar N = (laden(V, i) - laden(lcs, i) / ee) / (laden(ca, i) + laden(ts, i) / ee);
            const Paar T = N * laden(tphi, i) + laden(lc, i);
            const Paar m = T * laden(hebel, i);
            std::memcpy(moment.data() + i, &m, sizeof m);
        }
#endif
        for (; i < n; ++i) {
            const double N = (V[i] - lcs[i] / e) / (ca[i] + ts[i] / e);
            const double T = N * tphi[i] + lc[i];
            moment[i] = T * hebel[i];
        }
    }
};

std::string Zahl(float v, const char* maske) {
    return vb::Format(v, maske);
}

} // namespace

float Auf7Stellen(double v) {
    if (v == 0.0 || !std::isfinite(v)) return static_cast<float>(v);
    // Powers of ten 1E-30 .. 1E30: the scale that puts the seventh significant digit before the point.
    static const std::array<double, 61> zehn = [] {
        std::array<double, 61> t{};
        for (int i = 0; i <= 60; ++i)
            t[static_cast<std::size_t>(i)] = std::pow(10.0, i - 30);
        return t;
    }();
    const double a = std::fabs(v);
    if (a < 1E-24 || a >= 1E24) return static_cast<float>(v);
    int e = 0; // 10^e <= a < 10^(e+1)
    while (e < 24 && a >= zehn[static_cast<std::size_t>(e + 31)])
        ++e;
    while (e > -24 && a < zehn[static_cast<std::size_t>(e + 30)])
        --e;
    const double f = zehn[static_cast<std::size_t>(6 - e + 30)];
    return static_cast<float>(std::nearbyint(v * f) / f);
}

double AnkerAbminderung(double winkelGrad) {
    if (winkelGrad <= 90.0) return 1.0;
    return std::max(0.0, 1.0 - (winkelGrad - 90.0) / 15.0);
}

void LamellenBereich(int16_t& erste, int16_t& letzte) {
    Daten& d = D();
    Zustand& z = Z();
    const int k = z.AnzLinien + 1;
    const int n = z.LinienPunktzahl[k];
    erste = 0;
    letzte = 0;
    for (int j = n - 1; j >= 1; --j) {
        const float dd = z.LinieZ(k, j) - 0.01f;
        const float g = z.LinieZ(1, j);
        if (letzte == 0) {
            if (dd > g) letzte = static_cast<int16_t>(j + 1);
        } else if (dd < g) {
            erste = static_cast<int16_t>(j);
            break;
        }
    }
    if (letzte == 0) return;
    // The body ends at the earth-side end of the arc: R - xM, or the circle's extent xM + R where that
    // lies further right (a centre right of the wall).
    const float grenze = std::max(d.Radius - d.xM, d.xM + d.Radius);
    while (letzte > erste && z.LinieX(k, letzte) > grenze)
        --letzte;
    if (letzte <= erste) erste = 0;
}

namespace {
// a[i] := b[i] where a[i] > b[i] (oben) or a[i] < b[i] (else), for i < n; a NaN stays; four at a time
// where the compiler offers vectors.
template <bool oben> void Begrenzen(float* a, const float* b, int n) {
    int i = 0;
#if defined(__GNUC__)
    typedef float Vier __attribute__((vector_size(16)));
    for (; i + 4 <= n; i += 4) {
        Vier va, vb;
        std::memcpy(&va, a + i, sizeof va);
        std::memcpy(&vb, b + i, sizeof vb);
        const Vier neu = oben ? (va > vb ? vb : va) : (va < vb ? vb : va);
        std::memcpy(a + i, &neu, sizeof neu);
    }
#endif
    for (; i < n; ++i)
        if (oben ? a[i] > b[i] : a[i] < b[i]) a[i] = b[i];
}
} // namespace

void LamellenWerte(int16_t erste, int16_t letzte) {
    Daten& d = D();
    Zustand& z = Z();
    const int k = z.AnzLinien + 1;
    const int w = z.AnzLinien + 2;
    const int n = z.LinienPunktzahl[k];
    for (auto* v : {&d.LamBreite, &d.LamWinkel, &d.LamGewicht, &d.LamVerkehr, &d.LamPhi, &d.LamC})
        v->assign(static_cast<std::size_t>(letzte) + 4, 0.0f);

    // The rows of lines 0..w; the extreme points read below are within the tables (an index outside
    // calls their range handler before anything is changed).
    (void)z.LinieX(w, std::max<int>({n, letzte, 0}));
    (void)z.LinieZ(w, std::max<int>({n, letzte, 0}));
    if (erste < 0 && erste <= letzte - 1) {
        (void)z.LinieX(k, erste);
        (void)z.LinieZ(k, erste);
    }
    thread_local std::vector<float*> zeilenX, zeilenZ;
    zeilenX.resize(static_cast<std::size_t>(w) + 1);
    zeilenZ.resize(static_cast<std::size_t>(w) + 1);
    for (int i = 0; i <= w; ++i) {
        zeilenX[static_cast<std::size_t>(i)] = z.LinieX.Zeile(i);
        zeilenZ[static_cast<std::size_t>(i)] = z.LinieZ.Zeile(i);
    }
    auto LZ = [&](int i) { return zeilenZ[static_cast<std::size_t>(i)]; };
    const float* xk = zeilenX[static_cast<std::size_t>(k)];
    const float* zk = LZ(k);
    const float* z0 = LZ(0);
    float* const breite = d.LamBreite.data();
    float* const winkel = d.LamWinkel.data();
    float* const gewicht = d.LamGewicht.data();
    float* const phi = d.LamPhi.data();
    float* const c = d.LamC.data();

    // 1. Layer lines below the slip line are lifted onto it.
    for (int i = 1; i <= z.AnzLinien; ++i)
        Begrenzen<true>(LZ(i) + 1, zk + 1, n);

    // 2. Widths, dry weights, base values, base angles.
    // (Layer by layer: every slice still adds its layers from the top down.)
    for (int s = erste; s <= letzte - 1; ++s) {
        float b = xk[s + 1] - xk[s];
        if (b == 0.0f) b = 1E-20f;
        breite[s] = b;
        winkel[s] = static_cast<float>(std::atan(static_cast<double>(zk[s] - zk[s + 1]) / b));
    }
    for (int i = 1; i <= z.AnzLinien; ++i) {
        const float* zi = LZ(i);
        const float* zo = LZ(i + 1);
        const float gamma = z.GkSchichtGamma[i], phiI = z.GkSchichtPhi[i], cI = z.GkSchichtC[i];
        for (int s = erste; s <= letzte - 1; ++s) {
            const float h = ((zo[s] - zi[s]) + (zo[s + 1] - zi[s + 1])) / 2;
            if (h > 0.001f) {
                gewicht[s] += h * breite[s] * gamma;
                phi[s] = phiI;
                c[s] = cI;
            }
        }
    }

    // 3. The top of the sliding body.
    std::copy(zeilenX[1] + 1, zeilenX[1] + 1 + std::max(n, 0), zeilenX[static_cast<std::size_t>(w)] + 1);
    std::copy(LZ(1) + 1, LZ(1) + 1 + std::max(n, 0), LZ(w) + 1);
    z.LinienPunktzahl[w] = static_cast<int16_t>(n);

    // 4. Layer lines above the water line are lowered onto it.
    for (int i = 1; i <= z.AnzLinien; ++i)
        Begrenzen<false>(LZ(i) + 1, z0 + 1, n);

    // 5. Buoyancy of the submerged parts.
    for (int i = 1; i <= z.AnzLinien; ++i) {
        const float* zi = LZ(i);
        const float* zo = LZ(i + 1);
        const float auftrieb = z.GkSchichtGammaAuftrieb[i] - z.GkSchichtGamma[i];
        for (int s = erste; s <= letzte - 1; ++s) {
            const float h = ((zo[s] - zi[s]) + (zo[s + 1] - zi[s + 1])) / 2;
            if (h > 0.001f) gewicht[s] += h * (xk[s + 1] - xk[s]) * auftrieb;
        }
    }
}

void LamellenZusatz(int16_t erste, int16_t letzte) {
    Daten& d = D();
    const bool teilsicher = P.TeilsicherheitenAn != 0;
    const int k = Z().AnzLinien + 1;
    for (int j = 1; j <= d.AnzGkLasten; ++j) {
        const float p = Z().LastStaendig[j] / 100.0f;
        LastTeile(j, true, erste, letzte, [&](int s, float pl, float pr, float l, float, float) {
            const float F = (pl + pr) / 2 * l;
            if (teilsicher) {
                d.LamGewicht[s] += F * p;
                d.LamVerkehr[s] += F * (1.0f - p);
                return;
            }
            float faktor = 1.0f;
            if (pl + pr > 0.0f) {
                // Only a slice that begins clearly left of the vertical tangent to the friction circle
                // leaves its variable load out. An edge on the tangent itself (an arc point at the
                // friction angle) keeps it, whichever way the rounding of the two abscissae falls.
                const float x1 = Z().LinieX(k, s);
                const double tangente = d.xM + static_cast<double>(d.Radius) * sinPhi(d.LamPhi[s]);
                if (tangente > static_cast<double>(x1) + kTangenteToleranz) faktor = p;
            }
            d.LamGewicht[s] += F * faktor;
        });
    }
}

void LastenMomente(int16_t erste, int16_t letzte, float& ML) {
    Daten& d = D();
    const bool teilsicher = P.TeilsicherheitenAn != 0;
    ML = 0.0f;
    for (int j = 1; j <= d.AnzGkLasten; ++j) {
        const float p = Z().LastStaendig[j] / 100.0f;
        auto dazu = [&](float M) {
            if (teilsicher)
                ML += M * p * P.gamG1C + M * (1.0f - p) * P.gamQ1C;
            else
                ML += M > 0.0f ? M : M * p;
        };
        LastTeile(j, false, erste, letzte, [&](int, float pl, float pr, float l, float zl, float dz) {
            dazu((zl + dz / 3 - d.zM) * (-pl * l / 2));
            dazu((zl + 2 * dz / 3 - d.zM) * (-pr * l / 2));
        });
    }
}

void KreisSicherheit() {
    Daten& d = D();
    Zustand& z = Z();
    d.IterZustand = 0;
    const int k = z.AnzLinien + 1;
    const int w = z.AnzLinien + 2;

    // 2. The slip line: arc in 50 steps with straight run-outs to the model limits.
    auto& gx = g_arbeit.gx;
    auto& gz = g_arbeit.gz;
    const Bogenwinkel& bw = BogenwinkelFuer(d.AuslaufwinkelLuft, d.AuslaufwinkelErde);
    const double xM = d.xM, zM = d.zM, R = d.Radius;
    gx[2] = static_cast<float>(xM + R * bw.sin[0]);
    gz[2] = static_cast<float>(zM + R * bw.cos[0]);
    gx[1] = d.xLinks;
    gz[1] = static_cast<float>(gz[2] + (static_cast<double>(gx[2]) - d.xLinks) * bw.tanLuft);
    for (int j = 1; j <= kBogenSchritte; ++j) {
        gx[j + 2] = static_cast<float>(xM + R * bw.sin[j]);
        gz[j + 2] = static_cast<float>(zM + R * bw.cos[j]);
    }
    gx[kGleitPunkte] = d.xRechts;
    gz[kGleitPunkte] = static_cast<float>(gz[52] - (d.xRechts - static_cast<double>(gx[52])) * bw.tanErde);
    // An arc that ends beyond the model limits gives a slip line not ordered by x: no circle.
    if (gx[2] < d.xLinks || gx[52] > d.xRechts || !std::isfinite(gz[1]) || !std::isfinite(gz[kGleitPunkte]))
        return;

    // 1. The model lines from the grid, then the slip line.
    PlatzSichern(d.RasterPunktzahl + kGleitPunkte + 2);
    LinienHerstellen();

    // 3. Abscissae of the crossings; all lines onto one set of abscissae.
    auto& liste = g_arbeit.kreuzungen;
    liste.clear();
    liste.push_back(d.xLinks);
    KreuzungenSammeln(liste);
    liste.push_back(d.xRechts);
    std::stable_sort(liste.begin(), liste.end());
    const int benoetigt = d.RasterPunktzahl + kGleitPunkte + static_cast<int>(liste.size()) + 2;
    if (z.LinieX.PunkteOben() < benoetigt) {
        PlatzSichern(benoetigt);
        LinienHerstellen();
    }
    z.XListe.resize(liste.size() + 1);
    std::copy(liste.begin(), liste.end(), z.XListe.begin() + 1);
    z.AnzXListe = static_cast<int16_t>(liste.size());
    KreisLinieSetzen(static_cast<int16_t>(w));
    z.AnzXListe = 0;
    GemeinsameAbszissen();

    // 4. The slip line is not above the ground.
    const int n = z.LinienPunktzahl[k];
    g_arbeit.frei.resize(static_cast<std::size_t>(n) + 1);
    for (int j = 1; j <= n; ++j) {
        g_arbeit.frei[static_cast<std::size_t>(j)] = z.LinieZ(k, j);
        if (z.LinieZ(k, j) < z.LinieZ(1, j)) z.LinieZ(k, j) = z.LinieZ(1, j);
    }

    // 5., 6. The sliding body, ending at the slip line's last crossing of the ground.
    int16_t erste = 0, letzte = 0;
    LamellenBereich(erste, letzte);
    if (erste > 1) KoerperAmGelaendeEnden(erste, letzte);
    d.ErsteLamelle = erste;
    d.LetzteLamelle = letzte;
    if (erste <= 1) return;

    // 7., 8. Slices and surcharges.
    LamellenWerte(erste, letzte);
    LamellenZusatz(erste, letzte);

    // Slice values that do not change while the safety is iterated.
    const bool teilsicher = P.TeilsicherheitenAn != 0;
    struct Lamelle {
        double sa, ca, tphi, cd, l, V, Vd, hebelX, hebel;
        double lc, lcs, ts; // l * cd, l * cd * sa, tphi * sa
    };
    static std::vector<Lamelle> lam;
    lam.clear();
    for (int s = erste; s <= letzte - 1; ++s) {
        Lamelle q{};
        const double a = d.LamWinkel[s];
        q.sa = std::sin(a);
        q.ca = std::cos(a);
        q.cd = d.LamC[s] / zormcom::Vorgaben.gamCWirk;
        q.tphi = tanPhi(d.LamPhi[s]) / zormcom::Vorgaben.gamPhiWirk;
        const double G = d.LamGewicht[s], Q = d.LamVerkehr[s];
        q.V = teilsicher ? G + Q : G;
        q.Vd = teilsicher ? P.gamG1C * G + P.gamQ1C * Q : G;
        q.l = d.LamBreite[s] / q.ca;
        const double hl = static_cast<double>(z.LinieZ(w, s)) - z.LinieZ(k, s);
        const double hr = static_cast<double>(z.LinieZ(w, s + 1)) - z.LinieZ(k, s + 1);
        // Two slice heights of 0 have no centroid: the middle of the base.
        const double rho = (hl + hr) != 0.0 ? Auf7Stellen((2 * hr + hl) / (3 * (hl + hr))) : 0.5;
        const double dx = z.LinieX(k, s) + rho * (z.LinieX(k, s + 1) - z.LinieX(k, s)) - xM;
        const double dz = z.LinieZ(k, s) + rho * (z.LinieZ(k, s + 1) - z.LinieZ(k, s)) - zM;
        q.hebelX = dx;
        q.hebel = q.sa * dx + q.ca * dz;
        q.lc = q.l * q.cd;
        q.lcs = q.lc * q.sa;
        q.ts = q.tphi * q.sa;
        lam.push_back(q);
    }

    // 9. Water moment.
    double MW = 0.0;
    for (int s = erste; s <= letzte - 1; ++s) {
        const double x1 = z.LinieX(k, s), z1 = z.LinieZ(k, s);
        const double x2 = z.LinieX(k, s + 1), z2 = z.LinieZ(k, s + 1);
        const double dx = x2 - x1, dz = z2 - z1;
        const double l = std::sqrt(dx * dx + dz * dz);
        const double sa = lam[static_cast<std::size_t>(s - erste)].sa;
        const double h1 = std::max(0.0, z1 - z.LinieZ(0, s));
        const double h2 = std::max(0.0, z2 - z.LinieZ(0, s + 1));
        MW += -5.0 * h1 * h1 * (z1 - zM - h1 / 3);
        MW += 5.0 * h2 * h2 * (z2 - zM - h2 / 3);
        MW += 5.0 * h1 * l * sa * (z1 - zM + dz / 3);
        MW += 5.0 * h2 * l * sa * (z2 - zM - dz / 3);
    }
    float MWs = static_cast<float>(MW);
    if (std::fabs(MWs) < 0.1f) MWs = 0.0f;
    if (teilsicher) MWs = P.gamG1C * MWs;

    // 10. Load moment.
    float ML = 0.0f;
    LastenMomente(erste, letzte, ML);

    // Anchors and struts: the driving part MA and the friction part MRA0 (divided by the iterated
    // safety).
    double MA = 0.0, MRA0 = 0.0;
    for (int j = 1; j <= d.AnzGkAnker; ++j) {
        const float F = z.GkAnkerKraft[j];
        if (z.GkAnkerLaenge[j] < 0.01f) {
            const float Fs = std::max(F, 0.0f);
            const float M = Auf7Stellen(-static_cast<double>(Fs) * (z.GkAnkerZ[j] - zM));
            if (M < 0.0f) MA += M;
            continue;
        }
        const double ni = z.GkAnkerNeigung[j];
        const float ax = z.GkAnkerX[j], az = z.GkAnkerZ[j];
        const float ex = static_cast<float>(ax + z.GkAnkerLaenge[j] * std::cos(ni));
        const float ez = static_cast<float>(az + z.GkAnkerLaenge[j] * std::sin(ni));
        const float axLo = std::min(ax, ex) - 0.0002f, axHi = std::max(ax, ex) + 0.0002f;
        for (int s = letzte - 1; s >= erste; --s) {
            if (z.LinieX(k, s) <= 0.0f) break;
            // Segments whose ranges do not meet cannot cross (the crossing lies within both ranges).
            if (z.LinieX(k, s + 1) < axLo || z.LinieX(k, s) > axHi) continue;
            float xs = 0.0f, zs = 0.0f;
            int16_t treffer = 0;
            zormc::Schnittpunkt(z.LinieX(k, s), z.LinieZ(k, s), z.LinieX(k, s + 1), z.LinieZ(k, s + 1), ax,
                                az, ex, ez, xs, zs, treffer);
            if (treffer != 1) continue;
            const double Fv = F * std::sin(ni), Fh = F * std::cos(ni);
            const double dx = xs - xM, dz = zs - zM;
            const double a = d.LamWinkel[s];
            const double grad = (ni + a) / P.GradZuRad;
            const double r = AnkerAbminderung(grad);
            float M = Auf7Stellen(Fv * dx - Fh * dz);
            if (M > 0.0f) M = 0.0f;
            MA += M * r;
            const double Tr =
                (std::sin(a) * Fh + std::cos(a) * Fv) * std::tan(static_cast<double>(d.LamPhi[s])) * r;
            MRA0 += Tr * std::cos(a) * dz + Tr * std::sin(a) * dx;
            break;
        }
    }
    const float MAs = static_cast<float>(MA);
    // The driving moment of the slices does not depend on the safety.
    double MEs = 0.0;
    for (const Lamelle& q : lam)
        MEs += q.Vd * q.hebelX;
    static Iteration iter;
    iter.Fuellen(lam);

    // 11. Iteration of the safety.
    float etap = 1.4f;
    float vorher = 0.0f;
    bool niedrig = false;
    for (int schritt = 1;; ++schritt) {
        const double e = etap;
        iter.Momente(e);
        double MRs = 0.0;
        for (const double m : iter.moment)
            MRs += m;
        const float ME = static_cast<float>(MEs + MWs + ML + MAs);
        const float MR = static_cast<float>(MRs + MRA0 / e);
        if (!std::isfinite(ME) || !std::isfinite(MR) || ME <= 0.0f || MR <= 0.0f) {
            d.eta = kUngueltig;
            etap = kUngueltig;
        } else {
            d.eta = MR / ME;
            if (!std::isfinite(d.eta) || d.eta > kUngueltig) {
                d.eta = kUngueltig;
                etap = kUngueltig;
            }
        }
        if (d.eta < 0.7f) {
            d.Abbruch = 1;
            niedrig = true;
            break;
        }
        if (d.eta == kUngueltig && d.etaMin == kUngueltig && MAs < 0.0f && d.KreisZaehler == 1000) {
            d.Abbruch = 2;
            d.Etap = etap;
            P.Etap = etap;
            return;
        }
        Nachgeben();
        const float dd = d.eta - etap;
        if (std::fabs(dd) <= 0.01f) break;
        if (schritt >= kMaxIterationen) {
            // Unsettled: the lower of the last two values.
            d.IterZustand = 1;
            d.eta = std::min(d.eta, vorher);
            break;
        }
        vorher = d.eta;
        etap = d.eta - dd / 2;
    }
    d.Etap = etap;
    P.Etap = etap;

    // 12. Progress.
    if (!niedrig && d.KreisZaehler % 50 == 0) {
        Drucken(3, std::string(61, ' '));
        Drucken(3, Zahl(static_cast<float>(d.KreisZaehler), " 00000  ") + Zahl(d.xM, "000.00   ") +
                       Zahl(d.zM, "000.00   ") + Zahl(d.Radius, "000.00   ") + Zahl(d.eta, "000.000    ") +
                       Zahl(d.etaMin, "000.000"));
        Nachgeben();
    }

    // 13. Minima.
    if (d.eta < d.etaMinMP) {
        d.etaMinMP = d.eta;
        d.xMMP = d.xM;
        d.zMMP = d.zM;
        d.RMP = d.Radius;
    }
    if (d.etaMinMP < d.etaMin) {
        d.etaMin = d.etaMinMP;
        d.xMKrit = d.xMMP;
        d.zMKrit = d.zMMP;
        d.RKrit = d.RMP;
        d.KritPunktzahl = static_cast<int16_t>(letzte - erste + 1);
        d.KritLinieX.assign(static_cast<std::size_t>(d.KritPunktzahl) + 1, 0.0f);
        d.KritLinieZ.assign(static_cast<std::size_t>(d.KritPunktzahl) + 1, 0.0f);
        for (int j = erste; j <= letzte; ++j) {
            d.KritLinieX[j - erste + 1] = z.LinieX(k, j);
            d.KritLinieZ[j - erste + 1] = z.LinieZ(k, j);
        }
    }
    if (d.etaMinMP < d.etaMinRing) d.etaMinRing = d.etaMinMP;
    ++d.KreisZaehler;
}

} // namespace Zormg
