#include "design/circle_kernel.h"

#include <cmath>

#include "design/state.h"
#include "frame/project_data.h"

using zorm1::P;

namespace zorm0 {

void KreisBemessen(float& AsMin, double& r, double& rs, double& d, double& delta, double& Ac, double& fcd,
                   double& fyd, float& N, float& M, float& As, float& rho) {
    K.AsMin = AsMin;
    K.r = r;
    K.rs = rs;
    K.d = d;
    K.delta = delta;
    K.hd = 1.0 + delta;
    K.Ac = Ac;
    K.fcd = static_cast<float>(fcd);
    K.fyd = static_cast<float>(fyd);
    K.N = N;
    K.M = M;
    K.epsSu = 5.0;
    if (P.TeilsicherheitenAn != 0) {
        K.epsSu = 25.0;
        K.gamma = 1.0;
    }
    K.Durchgangsgrenze = 20;
    K.epsYd = K.fyd / 21.0;

    // Both are divisors of the convergence test.
    K.nu = K.N / (K.fcd * K.Ac);
    if (std::fabs(K.nu) < 0.0001) K.nu = -0.0001;
    K.mu = 100.0 * K.M / (2.0 * K.Ac * K.r * K.fcd);
    if (K.mu < 0.0001) K.mu = 0.0001;

    bool konvergiert = false;
    for (int p = 0; p <= 18 && !konvergiert; ++p) {
        const double f = 1.0 - 0.05 * p;
        K.Pkt[1] = Versuchspunkt{K.d, f, 0.0, 0.0};
        K.Pkt[2] = Versuchspunkt{0.5 * K.d, 1.5 * f, 0.0, 0.0};
        K.Pkt[3] = Versuchspunkt{-0.2 * K.d, 1.3 * f, 0.0, 0.0};
        konvergiert = GleichgewichtSuchen();
    }
    if (!konvergiert && K.N < 0.0f) konvergiert = DruckBemessen();
    if (!konvergiert) K.omega = 0.0;
    K.Konvergiert = konvergiert;

    As = static_cast<float>(K.omega * K.fcd / K.fyd * kPi * K.r * K.r);
    if (As < K.AsMin) {
        As = K.AsMin;
        K.omega = K.fyd * static_cast<double>(K.AsMin) / (K.fcd * K.Ac);
        if (K.AsMin > 0.0f) ZustandBeiBewehrung();
    }
    if (konvergiert && As == 0.0f && K.omega <= 0.0) {
        // The concrete alone is more than enough (a compression that needs no steel), and the search
        // ended on a reinforcement of 0 or below: its strain state (the steel at its limit strain over a
        // sliver of compression zone) belongs to no real section. Without steel the strain state is the
        // plain concrete's under N and M.
        K.omega = 0.0;
        ZustandBeiBewehrung();
    }
    rho = static_cast<float>(100.0 * As / K.Ac);
    if (rho > 8.0f) As = 999.0f;
    if (!konvergiert) As = (K.N == 0.0f) ? 888.0f : 0.0f;
}

namespace {
// The limit state of the reinforcement w whose normal force is nu: false when even the centric limit
// state carries less. Leaves the state in K.
bool GrenzzustandBei(double w) {
    // X runs from -10 (all stretched) to 10^4 (all but centric) over v in [-1, 1 - 10^-4]; n falls with X.
    auto X = [](double v) { return v < 0.0 ? 10.0 * v : v / (1.0 - v); };
    auto n = [&](double v) {
        K.x = X(v) * K.d;
        K.omega = w;
        ZustandAuswerten();
        return K.n;
    };
    double lo = -1.0, hi = 1.0 - 1e-4;
    if (!(n(hi) <= K.nu)) return false;
    for (int i = 0; i < 100 && hi - lo > 1e-15; ++i) {
        const double mitte = 0.5 * (lo + hi);
        if (n(mitte) > K.nu)
            lo = mitte;
        else
            hi = mitte;
    }
    n(hi);
    return true;
}
} // namespace

bool DruckBemessen() {
    // Up to just above 8 percent of the section: more is overloaded either way.
    const double wGrenze = 1.01 * 0.08 * K.fyd / K.fcd;
    auto reicht = [](double w) { return GrenzzustandBei(w) && K.m >= K.mu; };
    if (!reicht(wGrenze)) {
        K.omega = wGrenze;
        return std::isfinite(K.n) && std::isfinite(K.m);
    }
    double lo = 0.0, hi = wGrenze;
    if (reicht(0.0)) {
        hi = 0.0;
    } else {
        for (int i = 0; i < 100 && hi - lo > 1e-9; ++i) {
            const double mitte = 0.5 * (lo + hi);
            if (reicht(mitte))
                hi = mitte;
            else
                lo = mitte;
        }
    }
    GrenzzustandBei(hi);
    K.omega = hi;
    return std::isfinite(K.n) && std::isfinite(K.m);
}

namespace {
void Auswerten(Versuchspunkt& p) {
    K.x = p.x;
    K.omega = p.omega;
    ZustandAuswerten();
    p.n = K.n;
    p.m = K.m;
}
} // namespace

bool GleichgewichtSuchen() {
    std::array<Versuchspunkt, 4>& pkt = K.Pkt;
    Auswerten(pkt[1]);
    Auswerten(pkt[2]);
    Auswerten(pkt[3]);
    int schritt = 0;
    for (;;) {
        const double dn = K.nu - pkt[1].n;
        if (!(std::fabs(dn) <= 1000.0)) {
            K.omega = 0.0;
            return false;
        }
        if (pkt[2].n != pkt[1].n) {
            const double t = dn / (pkt[2].n - pkt[1].n);
            K.Q[1] = {pkt[1].x + (pkt[2].x - pkt[1].x) * t, pkt[1].omega + (pkt[2].omega - pkt[1].omega) * t};
        }
        if (pkt[3].n != pkt[1].n) {
            const double t = dn / (pkt[3].n - pkt[1].n);
            K.Q[2] = {pkt[1].x + (pkt[3].x - pkt[1].x) * t, pkt[1].omega + (pkt[3].omega - pkt[1].omega) * t};
        }
        const double dm = K.mu - pkt[1].m;
        if (!(std::fabs(dm) <= 1000.0)) {
            K.omega = 0.0;
            return false;
        }
        if (pkt[2].m != pkt[1].m) {
            const double t = dm / (pkt[2].m - pkt[1].m);
            K.Q[3] = {pkt[1].x + (pkt[2].x - pkt[1].x) * t, pkt[1].omega + (pkt[2].omega - pkt[1].omega) * t};
        }
        if (pkt[3].m != pkt[1].m) {
            const double t = dm / (pkt[3].m - pkt[1].m);
            K.Q[4] = {pkt[1].x + (pkt[3].x - pkt[1].x) * t, pkt[1].omega + (pkt[3].omega - pkt[1].omega) * t};
        }
        // Line Q1-Q2 (n = nu) meets line Q3-Q4 (m = mu).
        const double x1 = K.Q[1].x, w1 = K.Q[1].omega, x2 = K.Q[2].x, w2 = K.Q[2].omega;
        const double x3 = K.Q[3].x, w3 = K.Q[3].omega, x4 = K.Q[4].x, w4 = K.Q[4].omega;
        const double den = (x2 - x1) * (w3 - w4) + (w2 - w1) * (x4 - x3);
        if (den == 0.0) {
            K.omega = 0.0;
            return false;
        }
        const double t = ((w3 - w1) * (x4 - x3) + (w3 - w4) * (x3 - x1)) / den;
        const double xn = x1 + (x2 - x1) * t;
        const double wn = w1 + (w2 - w1) * t;
        // Also a point that is no number ends the pass.
        if (!(std::fabs(xn) <= 1000.0) || !(std::fabs(wn) <= 1000.0)) {
            K.omega = 0.0;
            return false;
        }
        // The new point replaces the farthest trial point (the later one on equal distances).
        int weg = 1;
        double weitest = -1.0;
        for (int k = 1; k <= 3; ++k) {
            const double dist =
                std::sqrt((pkt[k].x - xn) * (pkt[k].x - xn) + (pkt[k].omega - wn) * (pkt[k].omega - wn));
            if (dist >= weitest) {
                weitest = dist;
                weg = k;
            }
        }
        pkt[weg].x = xn;
        pkt[weg].omega = wn;
        Auswerten(pkt[weg]);
        if (std::fabs(K.n - K.nu) / std::fabs(K.nu) <= 0.005 &&
            std::fabs(K.m - K.mu) / std::fabs(K.mu) <= 0.005)
            return true;
        ++schritt;
        if (schritt > K.Durchgangsgrenze) return false;
    }
}

namespace {
void KraefteSummieren(bool kraft, bool moment) {
    K.Nc = K.Mc = 0.0;
    if (K.X > 0.0) {
        DruckzoneGeometrie();
        if (kraft) K.Nc = DruckzoneParabel();
        if (moment) K.Mc = DruckzoneRechteck();
    }
    StahlringGeometrie();
    K.Ns = kraft ? StahlringKraft() : 0.0;
    K.Ms = moment ? StahlringKraft2() : 0.0;
    if (kraft) K.n = (K.Nc + K.Ns) / (K.fcd * K.Ac * K.gamma);
    if (moment) K.m = (K.Mc + K.Ms) / (2.0 * K.Ac * K.r * K.fcd * K.gamma);
}
} // namespace

void ZustandAuswerten() {
    K.X = K.x / K.d;
    DehnungenBestimmen();
    Sicherheitsbeiwert();
    KraefteSummieren(true, true);
}

void DehnungenBestimmen() {
    const double X = K.X;
    const double delta = K.delta;
    const double esu = K.epsSu;
    const double lim = 3.5 / (esu + 3.5);
    K.KreisErgD4 = 0.0;
    if (X <= lim) {
        K.KreisErgD3 = esu;
        K.KreisErgD1 = esu * X / (X - 1.0);
        K.KreisErgD2 = esu * (X - delta) / (X - 1.0);
    } else if (X <= 1.0 + delta) {
        K.KreisErgD1 = -3.5;
        K.KreisErgD2 = 3.5 * (delta - X) / X;
        K.KreisErgD3 = 3.5 * (1.0 - X) / X;
    } else {
        const double e4 = 2.0 * (1.0 + delta - X) / (X - (3.0 / 7.0) * (1.0 + delta));
        K.KreisErgD4 = e4;
        K.KreisErgD1 = -(14.0 + 3.0 * e4) / 4.0;
        K.KreisErgD2 = e4 - (7.0 / 4.0) * (e4 + 2.0) / (1.0 + delta);
        K.KreisErgD3 = e4 - (7.0 / 4.0) * (e4 + 2.0) * delta / (1.0 + delta);
    }
}

void Sicherheitsbeiwert() {
    if (P.TeilsicherheitenAn != 0) {
        K.gamma = 1.0;
        return;
    }
    const double es = K.KreisErgD3;
    if (es >= 3.0)
        K.gamma = 1.75;
    else if (es < 0.0)
        K.gamma = 2.1;
    else
        K.gamma = 1.75 + (3.0 - es) * 0.35 / 3.0;
}

void DruckzoneGeometrie() {
    const double ec = K.KreisErgD1;
    const double x = K.x, r = K.r;
    K.x2 = -2.0 * x / ec;
    K.alphaN = WinkelAusKosinus((r - x) / r);
    K.alpha2 = WinkelAusKosinus((r - x + K.x2) / r);
    K.K2 = 0.25 * ec * ec * r * r / (x * x);
    K.K1 = 2.0 * K.K2 * (x / r - 1.0) + r * ec / x;
    K.K0 = 0.25 * ec * ec + ec - K.K1 - K.K2;
}

double DruckzoneParabel() {
    return K.r * K.r * K.fcd * (IntegralA(K.alphaN) - IntegralA(K.alpha2) - IntegralC(K.alpha2));
}

double DruckzoneRechteck() {
    return K.r * K.r * K.r * K.fcd * (IntegralB(K.alphaN) - IntegralB(K.alpha2) + IntegralD(K.alpha2));
}

double IntegralA(double a) {
    double s, c, s2;
    WinkelFunktionen(a, s, c, s2);
    return 2.0 * (K.K1 * s * s * s / 3.0 + K.K0 * (a / 2.0 - s2 / 4.0) +
                  K.K2 * (a / 8.0 - c * c * c * s / 4.0 + s2 / 16.0));
}

double IntegralB(double a) {
    double s, c, s2;
    WinkelFunktionen(a, s, c, s2);
    return -2.0 * (K.K0 * s * s * s / 3.0 + (K.K1 / 4.0) * (a / 2.0 - c * c * c * s + s2 / 4.0) +
                   (K.K2 / 5.0) * (s - c * c * c * c * s - s * s * s / 3.0));
}

double IntegralC(double a) {
    double s, c, s2;
    WinkelFunktionen(a, s, c, s2);
    return a - s2 / 2.0;
}

double IntegralD(double a) {
    double s, c, s2;
    WinkelFunktionen(a, s, c, s2);
    return (2.0 / 3.0) * s * s * s;
}

void WinkelFunktionen(double a, double& s, double& c, double& s2) {
    s = std::sin(a);
    c = std::cos(a);
    s2 = std::sin(2.0 * a);
}

double WinkelAusKosinus(double c) {
    if (c >= 1.0) return 0.0;
    if (c <= -1.0) return kPi;
    if (c == 0.0) return kPiHalbe;
    const double w = std::atan(std::sqrt(1.0 - c * c) / std::fabs(c));
    return c < 0.0 ? kPi - w : w;
}

namespace {
// eps_c / x, the strain gradient of the state with its sign; at a compressed-edge strain of exactly 0 (or
// a neutral axis exactly at the edge) it comes from the two steel strains instead.
double Neigung() {
    const double ec = K.KreisErgD1;
    if (ec != 0.0 && K.x != 0.0) return ec / K.x;
    const double dist = K.d - K.delta * K.d; // depth between the two steel points
    return dist != 0.0 ? -(K.KreisErgD3 - K.KreisErgD2) / dist : 0.0;
}
} // namespace

void StahlringGeometrie() {
    const double ec = K.KreisErgD1;
    const double x = K.x, r = K.r, rs = K.rs;
    if (ec != 0.0 && x != 0.0) {
        K.xY = -x * K.epsYd / ec;
    } else {
        const double q = Neigung();
        if (q == 0.0) {
            // No strain anywhere: the whole ring elastic (and without force).
            K.xY = 0.0;
            K.alphaA = 0.0;
            K.alphaB = kPi;
            return;
        }
        K.xY = -K.epsYd / q;
    }
    K.alphaA = WinkelAusKosinus((r - x + K.xY) / rs);
    K.alphaB = WinkelAusKosinus((r - x - K.xY) / rs);
}

double StahlringKraft() {
    return K.r * K.r * K.fcd *
           (StahlTermA(K.alphaA, -1.0) - StahlTermA(0.0, -1.0) + StahlTermA(kPi, 1.0) -
            StahlTermA(K.alphaB, 1.0) + StahlTermC(K.alphaB) - StahlTermC(K.alphaA));
}

double StahlringKraft2() {
    return K.r * K.r * K.r * K.fcd *
           (StahlTermB(K.alphaA, -1.0) - StahlTermB(0.0, -1.0) + StahlTermB(kPi, 1.0) -
            StahlTermB(K.alphaB, 1.0) + StahlTermD(K.alphaB) - StahlTermD(K.alphaA));
}

double StahlTermA(double a, double s) {
    return s * K.omega * a;
}

double StahlTermB(double a, double s) {
    return -s * K.omega * (K.rs / K.r) * std::sin(a);
}

double StahlTermC(double a) {
    const double q = Neigung();
    return (21.0 / K.fyd) * q * K.omega * ((K.x - K.r) * a + K.rs * std::sin(a));
}

double StahlTermD(double a) {
    const double q = Neigung();
    return -(21.0 / K.fyd) * (K.rs / K.r) * q * K.omega *
           (K.rs * (a / 2.0 + std::sin(2.0 * a) / 4.0) + (K.x - K.r) * std::sin(a));
}

void NulllinieBestimmen(double em, double k) {
    K.KreisErgD1 = em - k / 2.0;
    K.KreisErgD4 = em + k / 2.0;
    K.KreisErgD2 = em - K.rs * k / (2.0 * K.r);
    K.KreisErgD3 = em + K.rs * k / (2.0 * K.r);
    K.x = (k != 0.0) ? -2.0 * K.r * K.KreisErgD1 / k : -1000000.0;
    K.X = K.x / K.d;
}

void ZustandAuswertenB() {
    Sicherheitsbeiwert();
    KraefteSummieren(false, true);
}

void ZustandAuswertenC() {
    Sicherheitsbeiwert();
    KraefteSummieren(true, false);
}

namespace {
double MomentBei(double k) {
    const double em = SekantenVerfahren(k);
    NulllinieBestimmen(em, k);
    ZustandAuswertenB();
    return K.m;
}
double KraftBei(double em, double k) {
    NulllinieBestimmen(em, k);
    ZustandAuswertenC();
    return K.n;
}
} // namespace

void ZustandBeiBewehrung() {
    double ka = 0.000000001;
    double ma = MomentBei(ka);
    double kb = 2.5;
    double mb = MomentBei(kb);
    if (mb == ma) mb = 1.01 * ma;
    // The last state whose moment is a number: a moment the reinforcement cannot reach drives the
    // curvature beyond every bound, and that state is kept instead.
    Kreiszustand letzter = K;
    for (int schritt = 0;; ++schritt) {
        if (schritt >= kGrenzeKruemmung || mb == ma) {
            ++K.Abbrueche;
            return;
        }
        const double k = ka + (K.mu - ma) / (mb - ma) * (kb - ka);
        const double m = std::isfinite(k) ? MomentBei(k) : k;
        if (!std::isfinite(m) || !std::isfinite(K.KreisErgD1)) {
            const int32_t abbrueche = K.Abbrueche;
            K = letzter;
            K.Abbrueche = abbrueche + 1;
            return;
        }
        if (std::fabs(m - K.mu) < 0.0001) return;
        letzter = K;
        if (m >= K.mu) {
            kb = k;
            mb = m;
        } else {
            ka = k;
            ma = m;
        }
    }
}

double SekantenVerfahren(double k) {
    const double nu = K.nu;
    if (nu < -0.00005) {
        // n grows with em: em_a (stretched) lies above the root, em_b (compressed) below it. A new
        // point replaces the end on its own side, so the root stays between the two; an end kept twice
        // in a row counts half (else a curved n, as of concrete without steel, creeps up from one side).
        double ema = 2.0, emb = -3.0;
        double na = KraftBei(ema, k);
        double nb = KraftBei(emb, k);
        double em = ema;
        int seite = 0;
        for (int schritt = 0;; ++schritt) {
            if (schritt >= kGrenzeRegulaFalsi || nb == na) {
                ++K.Abbrueche;
                return em;
            }
            em = ema + (nu - na) / (nb - na) * (emb - ema);
            const double n = KraftBei(em, k);
            if (std::fabs(n - nu) / std::fabs(nu) < 0.0001) return em;
            if (!std::isfinite(n)) {
                ++K.Abbrueche;
                return em;
            }
            if (n >= nu) {
                ema = em;
                na = n;
                if (seite == 1) nb = nu + (nb - nu) / 2.0;
                seite = 1;
            } else {
                emb = em;
                nb = n;
                if (seite == -1) na = nu + (na - nu) / 2.0;
                seite = -1;
            }
        }
    }
    double em = K.epsSu;
    double schrittweite = 1.0;
    for (int auswertungen = 0;; ++auswertungen) {
        if (auswertungen >= kGrenzeAbstieg) {
            ++K.Abbrueche;
            return em;
        }
        const double n = KraftBei(em, k);
        if (n > nu) {
            em -= schrittweite;
        } else {
            if (schrittweite < 0.001) return em;
            em += schrittweite;
            schrittweite /= 10.0;
        }
    }
}

} // namespace zorm0
