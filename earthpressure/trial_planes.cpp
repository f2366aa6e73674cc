#include "earthpressure/trial_planes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "earthpressure/handover_a.h"
#include "earthpressure/handover_b.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "earthpressure/wedge_geometry.h"
#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"

using zorm1::P;

namespace zormb {

std::array<float, kGleitTiefen + 1> GleitTiefen(float zAush) {
    std::array<float, kGleitTiefen + 1> z{};
    z[1] = zAush;
    z[2] = zAush + 0.01f;
    for (int k = 1; k <= 12; ++k)
        z[2 + k] = zAush + 0.2f * static_cast<float>(k);
    z[15] = zAush + 2.7f;
    z[16] = zAush + 3.0f;
    for (int k = 1; k <= 8; ++k)
        z[16 + k] = zAush + 3.0f + 0.5f * static_cast<float>(k);
    for (int k = 1; k <= 13; ++k)
        z[24 + k] = zAush + 7.0f + static_cast<float>(k);
    z[38] = 99.0f;
    return z;
}

void OrdinatenAusResultierenden(const float* z, const float* E, int n, float* e) {
    e[1] = 0.0f;
    {
        const float h1 = z[2] - z[1], h2 = z[3] - z[2];
        const float d1 = (E[2] - E[1]) / h1, d2 = (E[3] - E[2]) / h2;
        e[2] = d1 + (d2 - d1) * h1 / (h1 + h2);
    }
    for (int i = 3; i <= n - 2; ++i) {
        const float h1 = z[i] - z[i - 1], h2 = z[i + 1] - z[i];
        const float c = (E[i + 1] - E[i - 1]) / (h1 + h2);
        e[i] = e[i - 1] + 2.0f * h1 * (c - e[i - 1]) / (h1 + h2);
    }
    for (int i = n - 1; i <= n; ++i) {
        const float h = z[i] - z[i - 1];
        e[i] = 2.0f * (E[i] - E[i - 1]) / h - e[i - 1];
    }
}

namespace {

// KeilKraft with every access checked: for wedge indices that do not fit the line tables, whose range
// handler then ends the search.
float KeilKraftGeprueft(float theta, int16_t kExit, int16_t kWall) {
    const auto& K = Keil;
    float T = 0.0f;
    const double th = theta;
    for (int k = kExit; k <= kWall - 1; ++k) {
        const float dx = K.GleitLinieX(1, k + 1) - K.GleitLinieX(1, k);
        float G = K.GleitListe1[k];
        float phi = 0.0f, c = 0.0f, delta = 0.0f;
        for (int j = 1; j <= K.LetzteGleitLinie - 1; ++j) {
            const float h = ((K.GleitLinieZ(j + 1, k) - K.GleitLinieZ(j, k)) +
                             (K.GleitLinieZ(j + 1, k + 1) - K.GleitLinieZ(j, k + 1))) /
                            2.0f;
            if (h > 0.001f) {
                G = G + h * dx * K.W[j];
                phi = K.Phi[j];
                c = K.C[j];
                delta = K.DeltaP[j];
            }
        }
        const float L = dx / static_cast<float>(std::cos(th));
        if (phi + theta - delta > 1.57f) delta = phi + theta - 1.57f;
        const double Ek =
            (c * L * std::cos(static_cast<double>(phi)) + G * std::sin(static_cast<double>(phi) + th)) *
            std::cos(static_cast<double>(delta)) /
            std::cos(static_cast<double>(phi) + th - static_cast<double>(delta));
        T = T - static_cast<float>(Ek);
    }
    return T;
}

// The angle functions of the wedge force for one slice's friction angles and one plane angle. The
// same few combinations recur over the columns, the angles and the depths of a search; they are kept
// in a small table by their exact bits, so a hit gives the very values the functions give.
struct Winkelwerte {
    uint32_t phi = 0, delta = 0, theta = 0;
    bool belegt = false;
    double cosPhi = 0.0, sinPhiTheta = 0.0, cosDelta = 0.0, cosPhiThetaDelta = 0.0;
};

const Winkelwerte& WinkelwerteVon(float phi, float delta, float theta, uint32_t thetaBits) {
    thread_local std::array<Winkelwerte, 256> tafel{};
    const uint32_t p = std::bit_cast<uint32_t>(phi), d = std::bit_cast<uint32_t>(delta);
    const uint32_t h = (p * 2654435761u) ^ (d * 40503u) ^ (thetaBits * 2246822519u);
    Winkelwerte& w = tafel[(h >> 24) & 255u];
    if (w.belegt && w.phi == p && w.delta == d && w.theta == thetaBits) return w;
    const double th = theta;
    w.phi = p;
    w.delta = d;
    w.theta = thetaBits;
    w.belegt = true;
    w.cosPhi = std::cos(static_cast<double>(phi));
    w.sinPhiTheta = std::sin(static_cast<double>(phi) + th);
    w.cosDelta = std::cos(static_cast<double>(delta));
    w.cosPhiThetaDelta = std::cos(static_cast<double>(phi) + th - static_cast<double>(delta));
    return w;
}

} // namespace

float KeilKraft(float theta, int16_t kExit, int16_t kWall) {
    const auto& K = Keil;
    const int letzte = K.LetzteGleitLinie;
    if (kExit < 0 || kWall > K.GleitLinieX.PunkteOben() || kWall > K.GleitLinieZ.PunkteOben() || letzte < 1 ||
        letzte > K.GleitLinieZ.LinienOben() || K.GleitLinieX.LinienOben() < 1 ||
        static_cast<std::size_t>(kWall) > K.GleitListe1.size())
        return KeilKraftGeprueft(theta, kExit, kWall);
    std::array<const float*, 32> zeilen{};
    if (letzte >= static_cast<int>(zeilen.size())) return KeilKraftGeprueft(theta, kExit, kWall);
    for (int j = 1; j <= letzte; ++j)
        zeilen[j] = K.GleitLinieZ.Zeile(j);
    const float* const x1 = K.GleitLinieX.Zeile(1);

    float T = 0.0f;
    const double th = theta;
    const float cosTheta = static_cast<float>(std::cos(th));
    const uint32_t thetaBits = std::bit_cast<uint32_t>(theta);
    for (int k = kExit; k <= kWall - 1; ++k) {
        const float dx = x1[k + 1] - x1[k];
        float G = K.GleitListe1[k];
        float phi = 0.0f, c = 0.0f, delta = 0.0f;
        for (int j = 1; j <= letzte - 1; ++j) {
            const float h =
                ((zeilen[j + 1][k] - zeilen[j][k]) + (zeilen[j + 1][k + 1] - zeilen[j][k + 1])) / 2.0f;
            if (h > 0.001f) {
                G = G + h * dx * K.W[j];
                phi = K.Phi[j];
                c = K.C[j];
                delta = K.DeltaP[j];
            }
        }
        const float L = dx / cosTheta;
        if (phi + theta - delta > 1.57f) delta = phi + theta - 1.57f;
        const Winkelwerte& w = WinkelwerteVon(phi, delta, theta, thetaBits);
        const double Ek = (c * L * w.cosPhi + G * w.sinPhiTheta) * w.cosDelta / w.cosPhiThetaDelta;
        T = T - static_cast<float>(Ek);
    }
    return T;
}

namespace {

void Anhaengen(std::vector<uint32_t>& k, float v) {
    k.push_back(std::bit_cast<uint32_t>(v));
}

// Everything the shape of the trial wedges of the current stage is made of, by its bits: the layers but
// their unit weights, the water level, the bottom, its loads, the wall friction of the stage and the angle
// unit. Empty where the model would refuse the data (it then refuses them in every search).
std::vector<uint32_t> GeometrieSchluessel() {
    std::vector<uint32_t> k;
    const int n = P.AnzErd, nLast = P.AnzSohlLast;
    if (n < 1 || n > 12 || nLast < 0 || nLast > 8 || P.AushNr < 1 || P.AushNr > zorm1::MaxAushub) return k;
    k.reserve(128);
    k.push_back(static_cast<uint32_t>(n));
    k.push_back(static_cast<uint32_t>(nLast));
    k.push_back(static_cast<uint32_t>(P.AushNr));
    k.push_back(EinWegMerge() ? 1u : 0u);
    for (int i = 0; i <= n; ++i)
        Anhaengen(k, P.SchichtDicke[i]);
    for (int i = 1; i <= n; ++i) {
        Anhaengen(k, P.SchichtPhi[i]);
        Anhaengen(k, P.SchichtDeltaP[i]);
        Anhaengen(k, P.SchichtDeltaPNeu[i]);
        Anhaengen(k, P.SchichtCp[i]);
    }
    for (int i = 1; i <= 12; ++i)
        k.push_back(static_cast<uint32_t>(static_cast<uint16_t>(P.DeltaNeuAushub[i])));
    Anhaengen(k, P.Aushubstufen[static_cast<size_t>(P.AushNr)].ZWasserLuft);
    Anhaengen(k, P.zAush);
    Anhaengen(k, P.StBH);
    Anhaengen(k, P.StBx1);
    Anhaengen(k, P.StBx2);
    for (int i = 1; i <= nLast; ++i) {
        Anhaengen(k, P.SohlLastX1[i]);
        Anhaengen(k, P.SohlLastX2[i]);
        Anhaengen(k, P.SohlLastQ[i]);
        Anhaengen(k, P.SohlLastZ[i]);
    }
    Anhaengen(k, P.GradZuRad);
    return k;
}

// The geometry's key followed by the unit weights of the layers: everything the search is made of.
std::vector<uint32_t> SuchSchluessel(const std::vector<uint32_t>& geometrie) {
    std::vector<uint32_t> k = geometrie;
    if (k.empty()) return k;
    for (int i = 1; i <= P.AnzErd; ++i) {
        Anhaengen(k, P.SchichtGammaAush[i]);
        Anhaengen(k, P.SchichtGammaAuftriebAush[i]);
    }
    return k;
}

constexpr std::size_t kMaxGeometrien = 16;
// The memory the shapes of a run may take together (bytes, about).
constexpr std::size_t kFormenSpeicher = std::size_t{32} << 20;

std::size_t Speicher(const Keilmodell::Formen& f) {
    return f.keile.size() * (sizeof(Keilmodell::Keilform) + 40u) + f.spalten.size() * sizeof(Keilmodell::Spalte) +
           f.flaechen.size() * sizeof(float);
}

// The shapes kept for the geometry `schluessel`, made anew when there are none; nullptr for an empty key.
// The oldest geometries give way when the table is full or the shapes take more than their memory.
Keilmodell::Formen* FormenVon(const std::vector<uint32_t>& schluessel) {
    if (schluessel.empty()) return nullptr;
    auto& g = Keil.Geometrien;
    auto gefunden = std::find_if(g.begin(), g.end(), [&](const auto& f) { return f.schluessel == schluessel; });
    if (gefunden == g.end()) {
        if (g.size() >= kMaxGeometrien) g.erase(g.begin());
        g.emplace_back();
        g.back().schluessel = schluessel;
        gefunden = g.end() - 1;
    }
    std::size_t gesamt = 0;
    for (const auto& f : g)
        gesamt += Speicher(f);
    while (gesamt > kFormenSpeicher && gefunden != g.begin()) {
        gesamt -= Speicher(g.front());
        g.erase(g.begin());
        --gefunden;
    }
    return &*gefunden;
}

uint64_t EbenenSchluessel(float zp, uint32_t winkelBits) {
    return (static_cast<uint64_t>(std::bit_cast<uint32_t>(zp)) << 32) | winkelBits;
}

// Keeps the shape of the trial wedge just built (kExit..kWall as Probekeil gave them, theta its plane angle):
// per column its bottom load, the slices of height above 0.001 m in the order KeilKraft takes them, and the
// factors KeilKraft forms from the friction, the cohesion and the angles of the column's lowest slice. A
// wedge whose indices do not fit the line tables is not kept (KeilKraft checks every access for it).
void FormMerken(Keilmodell::Formen& f, uint64_t ebene, float theta, int16_t kExit, int16_t kWall) {
    const auto& K = Keil;
    const int letzte = K.LetzteGleitLinie;
    if (kExit < 0 || kWall > K.GleitLinieX.PunkteOben() || kWall > K.GleitLinieZ.PunkteOben() || letzte < 1 ||
        letzte > K.GleitLinieZ.LinienOben() || K.GleitLinieX.LinienOben() < 1 ||
        static_cast<std::size_t>(kWall) > K.GleitListe1.size() || letzte >= 32 || kWall - kExit > 65535 ||
        f.keile.size() >= UINT32_MAX || f.spalten.size() >= UINT32_MAX - 65536u ||
        f.flaechen.size() >= UINT32_MAX - 65536u * 32u || Speicher(f) > kFormenSpeicher)
        return;
    std::array<const float*, 32> zeilen{};
    for (int j = 1; j <= letzte; ++j)
        zeilen[j] = K.GleitLinieZ.Zeile(j);
    const float* const x1 = K.GleitLinieX.Zeile(1);
    const float cosTheta = static_cast<float>(std::cos(static_cast<double>(theta)));
    const uint32_t thetaBits = std::bit_cast<uint32_t>(theta);
    Keilmodell::Keilform form;
    form.ersteSpalte = static_cast<uint32_t>(f.spalten.size());
    form.ersteFlaeche = static_cast<uint32_t>(f.flaechen.size());
    for (int k = kExit; k <= kWall - 1; ++k) {
        Keilmodell::Spalte s;
        const float dx = x1[k + 1] - x1[k];
        s.last = K.GleitListe1[k];
        float phi = 0.0f, c = 0.0f, delta = 0.0f;
        for (int j = 1; j <= letzte - 1; ++j) {
            const float h =
                ((zeilen[j + 1][k] - zeilen[j][k]) + (zeilen[j + 1][k + 1] - zeilen[j][k + 1])) / 2.0f;
            if (h > 0.001f) {
                f.flaechen.push_back(h * dx);
                s.linien |= 1u << j;
                phi = K.Phi[j];
                c = K.C[j];
                delta = K.DeltaP[j];
            }
        }
        const float L = dx / cosTheta;
        if (phi + theta - delta > 1.57f) delta = phi + theta - 1.57f;
        const Winkelwerte& w = WinkelwerteVon(phi, delta, theta, thetaBits);
        s.kohaesion = c * L * w.cosPhi;
        s.sinPhiTheta = w.sinPhiTheta;
        s.cosDelta = w.cosDelta;
        s.cosPhiThetaDelta = w.cosPhiThetaDelta;
        f.spalten.push_back(s);
        ++form.anzSpalten;
    }
    f.nachEbene.emplace(ebene, static_cast<uint32_t>(f.keile.size()));
    f.keile.push_back(form);
}

// The force of a kept wedge under the unit weights of the current model: KeilKraft's sums in its order.
float KraftAusForm(const Keilmodell::Formen& f, const Keilmodell::Keilform& form) {
    const auto& W = Keil.W;
    float T = 0.0f;
    const Keilmodell::Spalte* s = f.spalten.data() + form.ersteSpalte;
    const float* a = f.flaechen.data() + form.ersteFlaeche;
    for (uint32_t n = 0; n < form.anzSpalten; ++n, ++s) {
        float G = s->last;
        for (uint32_t linien = s->linien; linien != 0; linien &= linien - 1)
            G = G + *a++ * W[static_cast<std::size_t>(std::countr_zero(linien))];
        const double Ek = (s->kohaesion + G * s->sinPhiTheta) * s->cosDelta / s->cosPhiThetaDelta;
        T = T - static_cast<float>(Ek);
    }
    return T;
}

constexpr std::size_t kMaxSuchen = 64;
static_assert(std::tuple_size_v<decltype(Keilmodell::Suche::z)> == kGleitTiefen + 1);

void Suchen(std::vector<uint32_t>& schluessel, const std::vector<uint32_t>& geometrie);
void Ausgeben();

} // namespace

void ErdwiderstandGleitflaechen() {
    auto& R = GleitErgebnis;
    R = Gleitergebnis{};
    const std::array<float, kGleitTiefen + 1> zt = GleitTiefen(P.zAush);
    for (int i = 2; i <= kGleitTiefen; ++i) {
        if (!(zt[i] > zt[i - 1])) {
            // The depth list would not ascend: the search is not possible for this stage. The
            // report says so once, in the pass of the stage that prints.
            if (B.DruckLastfall == 1 && vb::IsOpen(zorma::kBerichtDateiNr))
                zorma::HinweisDrucken(
                    zorma::Leerzeichen(12),
                    "*** Erdwiderstand aus Gleitflächen nicht bestimmbar: Aushubkote zu tief.");
            return;
        }
    }

    // A search made before from the same data: its results; the model and its last wedge are built
    // again, so that the model stands as the search leaves it.
    const std::vector<uint32_t> geometrie = GeometrieSchluessel();
    std::vector<uint32_t> schluessel = SuchSchluessel(geometrie);
    const auto& K = Keil;
    const Keilmodell::Suche* frueher = nullptr;
    if (!schluessel.empty())
        for (const auto& s : K.Suchen)
            if (s.schluessel == schluessel) frueher = &s;
    if (frueher) {
        const Keilmodell::Suche alt = *frueher;
        KeilmodellAufbauen();
        int16_t kExit = 0, kWall = 0;
        Probekeil(alt.letzteTiefe, alt.letzterWinkel, kExit, kWall);
        R.z = alt.z;
        R.E = alt.E;
        R.Winkel = alt.Winkel;
    } else {
        Suchen(schluessel, geometrie);
    }
    Ausgeben();
}

namespace {

void Suchen(std::vector<uint32_t>& schluessel, const std::vector<uint32_t>& geometrie) {
    auto& R = GleitErgebnis;
    const std::array<float, kGleitTiefen + 1> zt = GleitTiefen(P.zAush);
    KeilmodellAufbauen();
    // Only the seepage passes search a geometry again under other unit weights; without seepage a search
    // asked for again is one of the same data, whose results are kept whole.
    Keilmodell::Formen* const formen = zormcom::Lauf.kzStroem != 0 ? FormenVon(geometrie) : nullptr;

    float letzteTiefe = 0.0f, letzterWinkel = 0.0f;
    bool letzterGebaut = true;
    float bestRad = 0.0f, bestGrad = 0.0f;
    // The wedge forces of the depth point by their plane angle's bits: a plane met again (the first of
    // the second pass, the first of the third) gives its force without building its wedge again.
    struct Kraft {
        uint32_t winkel = 0;
        int tiefe = 0;
        float T = 0.0f;
    };
    std::array<Kraft, 128> kraefte{};
    for (int i = 1; i <= kGleitTiefen; ++i) {
        const float zp = zt[i];
        float best = -1e20f;
        for (int pass = 1; pass <= 3; ++pass) {
            float start, ende, schritt;
            if (pass == 1) {
                start = 15.0f;
                ende = -55.0f;
                schritt = -1.0f;
            } else if (pass == 2) {
                start = 15.0f;
                ende = 75.0f;
                schritt = 1.0f;
            } else {
                start = bestGrad - 1.0f;
                ende = bestGrad + 1.0f;
                schritt = 0.1f;
            }
            // Planes descending beyond the line to the foot of a bottom slope that lies deeper than
            // the depth point are turned onto that line.
            bool grenzeAktiv = false;
            float a = 0.0f;
            if (P.StBx2 != 0.0f) {
                a = static_cast<float>(std::atan(static_cast<double>((P.zAush + P.StBH - zp) / P.StBx2)));
                grenzeAktiv = a < 0.0f;
            }
            bool begrenzt = false;
            for (float w = start; schritt < 0.0f ? w >= ende : w <= ende; w += schritt) {
                float theta = w * P.GradZuRad;
                if (grenzeAktiv && theta < a) {
                    theta = a;
                    begrenzt = true;
                }
                const uint32_t bits = std::bit_cast<uint32_t>(theta);
                Kraft& gemerkt = kraefte[(bits ^ (bits >> 11) ^ (bits >> 19)) & 127u];
                float T;
                const uint64_t ebene = EbenenSchluessel(zp, bits);
                const Keilmodell::Keilform* form = nullptr;
                if (formen && !(gemerkt.tiefe == i && gemerkt.winkel == bits)) {
                    const auto gefunden = formen->nachEbene.find(ebene);
                    if (gefunden != formen->nachEbene.end()) form = &formen->keile[gefunden->second];
                }
                if (gemerkt.tiefe == i && gemerkt.winkel == bits) {
                    T = gemerkt.T;
                    letzterGebaut = false;
                } else if (form) {
                    // A wedge of this geometry built in an earlier search: its force under this search's
                    // unit weights.
                    T = KraftAusForm(*formen, *form);
                    gemerkt = {bits, i, T};
                    letzterGebaut = false;
                } else {
                    int16_t kExit = 0, kWall = 0;
                    Probekeil(zp, theta, kExit, kWall);
                    T = KeilKraft(theta, kExit, kWall);
                    if (formen) FormMerken(*formen, ebene, theta, kExit, kWall);
                    gemerkt = {bits, i, T};
                    letzterGebaut = true;
                }
                letzteTiefe = zp;
                letzterWinkel = theta;
                if (!(T < 0.0f)) break;
                if (best < T) {
                    best = T;
                    bestRad = theta;
                    bestGrad = w;
                }
                if (T / best > 1.5f || begrenzt) break;
            }
        }
        R.z[i] = zp;
        R.E[i] = best == -1e20f ? 0.0f : best;
        R.Winkel[i] = bestRad;
    }
    // The model as the last plane of the search leaves it.
    if (!letzterGebaut) {
        int16_t kExit = 0, kWall = 0;
        Probekeil(letzteTiefe, letzterWinkel, kExit, kWall);
    }
    if (schluessel.empty()) return;
    auto& suchen = Keil.Suchen;
    if (suchen.size() >= kMaxSuchen) suchen.clear();
    suchen.push_back({std::move(schluessel), R.z, R.E, R.Winkel, letzteTiefe, letzterWinkel});
}

// Pressure ordinates and the file "ZOREPP." from the resultants.
void Ausgeben() {
    auto& R = GleitErgebnis;
    // Pressure ordinates from the resultants.
    auto& L = zormcom::Lauf;
    std::array<float, kGleitTiefen + 1> e{};
    OrdinatenAusResultierenden(R.z.data(), R.E.data(), kGleitTiefen, e.data());
    for (int i = 1; i <= kGleitTiefen; ++i) {
        L.Eph.z[i] = R.z[i];
        L.Eph.e[i] = e[i];
    }
    L.Eph.n = kGleitTiefen;
    zormb::GleitErgebnis.AnzGleitflaechen = static_cast<int16_t>(L.Eph.n + 1);

    vb::FileGuard d("ZOREPP.", vb::OpenMode::Output);
    const int16_t f = d.nr();
    vb::Write(f, static_cast<int16_t>(1));
    vb::Write(f, zormb::GleitErgebnis.AnzGleitflaechen);
    vb::Write(f, 0.0f, 0.0f, 0.0f, 0.0f);
    for (int i = 1; i <= L.Eph.n; ++i)
        vb::Write(f, L.Eph.z[i], P.EtaAnpass * L.Eph.e[i], R.Winkel[i], R.E[i]);
    d.Close();
}

} // namespace

} // namespace zormb
