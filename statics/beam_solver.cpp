#include "statics/beam_solver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "frame/input_ranges.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/run_status.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"

using zorm1::P;

namespace zormc {

namespace {

// Depth the second sweep has reached.
double laufTiefe = 0.0;

bool Ganzzahlig(float m) {
    return m == std::trunc(m);
}

void AbbruchMelden(const std::string& text) {
    throw zor::CalcAbort(text);
}

// Checks the row index before a row is written.
void ZeilePruefen() {
    if (St.AnzZeilen > kMaxZeile)
        AbbruchMelden("Der Durchlaufträger braucht mehr als " + std::to_string(kMaxZeile) +
                      " Zeilen. Die Berechnung wird abgebrochen.");
}

// Stiffness of layer j, refused when the beam would take an index beyond the table or no stiffness.
double Steifigkeit(int j) {
    if (j < 1 || j > kMaxSteifigkeiten)
        AbbruchMelden("Die Wand reicht in Schicht " + std::to_string(j) +
                      ", für die keine Biegesteifigkeit vorliegt. Die Berechnung wird abgebrochen.");
    const float ei = P.SchichtEI[j];
    if (!(ei > 0.0f) || !std::isfinite(ei))
        AbbruchMelden("Die Biegesteifigkeit EI der Schicht " + std::to_string(j) +
                      " ist nicht größer als 0. Die Berechnung wird abgebrochen.");
    return ei;
}

void FeldZeile(float l, double ei, float p0, float dp) {
    St.Zeilenwerte[1] = l;
    St.Zeilenwerte[2] = static_cast<float>(ei);
    St.Zeilenwerte[3] = p0;
    St.Zeilenwerte[4] = dp;
    St.Zeilenwerte[5] = 0.0f;
    ZeileSchreiben(kFeld);
}

// Transfer matrix and load vector of a field row.
void FeldMatrix(const Ergebniszeile& r, double (&T)[5][5], double (&t)[5]) {
    const double l = r[kP1], ei = r[kP1 + 1], p0 = r[kP1 + 2], dp = r[kP1 + 3];
    for (int i = 0; i <= 4; ++i)
        for (int k = 0; k <= 4; ++k)
            T[i][k] = (i == k) ? 1.0 : 0.0;
    const double l2 = l * l, l3 = l2 * l, l4 = l3 * l;
    T[1][2] = l;
    T[1][3] = -l2 / (2.0 * ei);
    T[1][4] = -l3 / (6.0 * ei);
    T[2][3] = -l / ei;
    T[2][4] = -l2 / (2.0 * ei);
    T[3][4] = l;
    t[0] = 0.0;
    t[1] = p0 * l4 / (24.0 * ei) + dp * l4 / (120.0 * ei);
    t[2] = p0 * l3 / (6.0 * ei) + dp * l3 / (24.0 * ei);
    t[3] = -p0 * l2 / 2.0 - dp * l2 / 6.0;
    t[4] = -p0 * l - dp * l / 2.0;
}

// The transfer matrix and load vector of a field row, made once per solution for both sweeps.
struct Feldwerte {
    double T[5][5];
    double t[5];
};

void Feld(const Feldwerte& f, double (&v)[5], bool mitLast) {
    MatrixMalVektor(v, f.T, v);
    if (mitLast)
        for (int i = 1; i <= 4; ++i)
            v[i] += f.t[i];
}

void Einheitsvektor(double (&v)[5], int k) {
    for (double& x : v)
        x = 0.0;
    v[k] = 1.0;
}

// Writes row St.AnzZeilen with its kind, the running depth, its parameters and the state.
void ErgebnisZeileSchreiben(int art, const double (&s)[5]) {
    ZeilePruefen();
    Ergebniszeile& r = St.ErgebnisTabelle[St.AnzZeilen];
    r[kArt] = static_cast<float>(art);
    r[kTiefe] = static_cast<float>(laufTiefe);
    for (int i = 1; i <= 4; ++i)
        r[kW + i - 1] = static_cast<float>(s[i]);
    ++St.AnzZeilen;
}

void Aufbauen() {
    const zor::Ordinatenliste& lb = St.Lastbild;
    const zor::Ordinatenliste& kn = St.Knoten;
    const int anzErd = P.AnzErd;
    for (int c = 1; c <= 12; ++c)
        St.ErgebnisTabelle[1][c] = 0.0f;
    St.AnzZeilen = 2;
    St.Zeilenwerte.fill(0.0f);
    int j = 1;
    int anzBedingungen = 0;
    bool gelenkGesetzt = false;
    for (int i = 2; i <= lb.n; ++i) {
        const float zi = lb.z[i], zv = lb.z[i - 1], ei = lb.e[i];
        if (std::fabs(zi - zv) >= 0.001f) {
            float zs = zv, ps = lb.e[i - 1];
            // Layer tops inside the segment split it where the stiffness changes; a top between
            // two layers of (nearly) the same stiffness is passed over.
            while (j + 1 <= anzErd && zormcom::Lauf.SchichtKote[j + 1] <= zi) {
                ++j;
                const double eiOben = Steifigkeit(j - 1);
                const double eiUnten = Steifigkeit(j);
                if (std::fabs(eiUnten - eiOben) < 0.001) continue;
                const float t = zormcom::Lauf.SchichtKote[j + 0];
                const float l = t - zs;
                const float dp = (ei - ps) * l / (zi - zs);
                FeldZeile(l, eiOben, ps, dp);
                zs = t;
                ps = ps + dp;
            }
            FeldZeile(zi - zs, Steifigkeit(j), ps, ei - ps);
        }
        const float m = (i <= kn.n) ? kn.e[i] : 0.0f;
        if (m == -1.0f) {
            AuflagerVerschiebung(zi, St.Zeilenwerte[1]);
            ++anzBedingungen;
            ZeileSchreiben(kAuflager);
        } else if (m < 0.0f && Ganzzahlig(m)) {
            const float mm = -m;
            // The last digit of the marker names the wall load; a marker no load has gives none.
            const float ziffer = std::fmod(mm, 10.0f);
            const int last = ziffer >= 0.0f && ziffer < 10.0f ? static_cast<int>(ziffer) : -1;
            const zormcom::Laufwerte& L = zormcom::Lauf;
            const float h = (last >= 0 && last <= 10) ? L.LuftH[last] : 0.0f;
            const float mo = (last >= 0 && last <= 10) ? L.LuftM[last] : 0.0f;
            St.Zeilenwerte[3] = -P.gamQ * mo;
            St.Zeilenwerte[4] = P.gamQ * h;
            ZeileSchreiben(kPunkt);
        } else if (m != 0.0f) {
            St.Zeilenwerte[5] = m;
            ZeileSchreiben(kPunkt);
        }
        // One hinge row, also when the diagram has a jump at the hinge depth.
        if (St.zGelenk != 0.0f && zi == St.zGelenk && !gelenkGesetzt) {
            gelenkGesetzt = true;
            ++anzBedingungen;
            ZeileSchreiben(kGelenk);
        }
        if (anzBedingungen > kMaxAuflagerGelenke)
            AbbruchMelden("Der Durchlaufträger hat mehr als " + std::to_string(kMaxAuflagerGelenke) +
                          " Auflager und Gelenke. Die Berechnung wird abgebrochen.");
    }
    ZeileSchreiben(kEnde);
}

bool Endlich(const double (&v)[5]) {
    for (int i = 1; i <= 4; ++i)
        if (!std::isfinite(v[i])) return false;
    return true;
}

// Puts the singular-system box up and stops the stage.
void SingulaerMelden(zor::Laufstatus& status) {
    SingulaeresSystemMelden();
    status = zor::Laufstatus::Stop;
    St.StatikStatus = status;
}

// A condition of the state (at a support, a hinge or the foot) counts as met when it misses by no more than
// this share of the largest magnitude the quantity takes along the wall.
constexpr double kGenauigkeit = 1.0e-6;

// The second sweep: the state after every row from the head unknowns Xa and R. It also measures how far
// the state it carries misses the conditions at the supports, the hinges and the foot: false when a miss
// exceeds kGenauigkeit, that is when the sweep from the head has lost its digits (the unit solutions of a
// long bedded part grow with e^(z / elastic length) and swamp the decaying ones).
bool ZweiterDurchlauf(int a, int b, int f1, int f2, double Xa, const double (&R)[kMaxAuflagerGelenke + 2],
                      const std::vector<Ergebniszeile>& gebaut, const std::vector<Feldwerte>& felder) {
    const int ende = static_cast<int>(gebaut.size()) - 1;
    double groesst[5] = {}, fehler[5] = {};
    auto merken = [&](const double(&s)[5]) {
        for (int i = 1; i <= 4; ++i)
            groesst[i] = std::max(groesst[i], std::fabs(s[i]));
    };
    auto verfehlt = [&](int i, double soll, double ist) {
        fehler[i] = std::max(fehler[i], std::fabs(ist - soll));
    };

    St.AnzZeilen = 0;
    laufTiefe = 0.0;
    double S[5] = {};
    {
        double s0[5] = {};
        if (a == 4) s0[1] = Xa;
        if (b == 4) s0[1] = R[1];
        Ergebniszeile& r0 = St.ErgebnisTabelle[0];
        for (int col = 1; col <= 12; ++col)
            r0[col] = 0.0f;
        r0[kP1 + 2] = St.Lastbild.n >= 1 ? St.Lastbild.e[1] : 0.0f;
        ErgebnisZeileSchreiben(kKopfMarke, s0);
    }
    S[5 - a] += Xa;
    S[5 - b] += R[1];
    {
        Ergebniszeile& r1 = St.ErgebnisTabelle[1];
        r1[kP1 + 2] = St.ErgebnisTabelle[0][kP1 + 2];
        ErgebnisZeileSchreiben(kKopf, S);
    }
    merken(S);
    int zaehler = 1;
    for (int z = 2; z <= ende; ++z) {
        Ergebniszeile& r = St.ErgebnisTabelle[z];
        const int art = static_cast<int>(r[kArt]);
        switch (art) {
        case kFeld:
            Feld(felder[static_cast<std::size_t>(z)], S, true);
            laufTiefe += r[kP1];
            break;
        case kPunkt:
            for (int i = 1; i <= 4; ++i)
                S[i] += r[kP1 + i - 1];
            S[4] += r[kP1 + 4] * S[1];
            break;
        case kAuflager:
        case kGelenk:
            if (art == kAuflager)
                verfehlt(1, gebaut[z][kP1], S[1]);
            else
                verfehlt(3, 0.0, S[3]);
            ++zaehler;
            r[kP1] = 0.0f;
            r[kP1 + 1] = 0.0f;
            r[kP1 + 2] = 0.0f;
            r[kP1 + 3] = static_cast<float>(R[zaehler]);
            S[4] += R[zaehler];
            break;
        case kEnde:
            verfehlt(f1, gebaut[z][kP1 + f1 - 1], S[f1]);
            verfehlt(f2, gebaut[z][kP1 + f2 - 1], S[f2]);
            break;
        default:
            break;
        }
        ErgebnisZeileSchreiben(art, S);
        merken(S);
    }
    for (int i = 1; i <= 4; ++i)
        if (!std::isfinite(groesst[i]) || !(fehler[i] <= kGenauigkeit * groesst[i] + 1.0e-9)) return false;
    return true;
}

// A square system with its non-zero coefficients near the diagonal, solved by orthogonal (Givens) rotations,
// which keep the rounding errors small whatever the scale of the coefficients.
class Bandsystem {
public:
    explicit Bandsystem(int n) : n_(n), rechts_(static_cast<std::size_t>(n), 0.0) {}
    void Setzen(int i, int j, double v) {
        if (v != 0.0) eintraege_.push_back({i, j, v});
    }
    void Rechts(int i, double v) { rechts_[static_cast<std::size_t>(i)] = v; }

    // x from the coefficients; false when the system is singular or a coefficient is no number.
    bool Loesen(std::vector<double>& x) {
        int kl = 0, ku = 0;
        for (const Eintrag& e : eintraege_) {
            if (!std::isfinite(e.v)) return false;
            kl = std::max(kl, e.i - e.j);
            ku = std::max(ku, e.j - e.i);
        }
        kl_ = kl;
        breite_ = 2 * kl + ku + 1;
        a_.assign(static_cast<std::size_t>(n_) * static_cast<std::size_t>(breite_), 0.0);
        for (const Eintrag& e : eintraege_)
            Wert(e.i, e.j) += e.v;
        // Every equation and every unknown scaled to the largest coefficient 1.
        for (int i = 0; i < n_; ++i) {
            double m = 0.0;
            for (int j = std::max(0, i - kl); j <= std::min(n_ - 1, i + ku); ++j)
                m = std::max(m, std::fabs(Wert(i, j)));
            if (m == 0.0) return false;
            for (int j = std::max(0, i - kl); j <= std::min(n_ - 1, i + ku); ++j)
                Wert(i, j) /= m;
            rechts_[static_cast<std::size_t>(i)] /= m;
        }
        std::vector<double> spalte(static_cast<std::size_t>(n_), 0.0);
        for (int j = 0; j < n_; ++j) {
            double m = 0.0;
            for (int i = std::max(0, j - ku); i <= std::min(n_ - 1, j + kl); ++i)
                m = std::max(m, std::fabs(Wert(i, j)));
            if (m == 0.0) return false;
            for (int i = std::max(0, j - ku); i <= std::min(n_ - 1, j + kl); ++i)
                Wert(i, j) /= m;
            spalte[static_cast<std::size_t>(j)] = m;
        }
        // Triangular by rotations; a row keeps its coefficients within kl + ku right of the diagonal.
        const int oben = kl + ku;
        for (int j = 0; j < n_; ++j) {
            for (int i = j + 1; i <= std::min(n_ - 1, j + kl); ++i) {
                const double y = Wert(i, j);
                if (y == 0.0) continue;
                const double xx = Wert(j, j);
                const double r = std::hypot(xx, y);
                const double cs = xx / r, sn = y / r;
                for (int col = j; col <= std::min(n_ - 1, j + oben); ++col) {
                    const double u = Wert(j, col), v = Wert(i, col);
                    Wert(j, col) = cs * u + sn * v;
                    Wert(i, col) = -sn * u + cs * v;
                }
                Wert(i, j) = 0.0;
                const double u = rechts_[static_cast<std::size_t>(j)],
                             v = rechts_[static_cast<std::size_t>(i)];
                rechts_[static_cast<std::size_t>(j)] = cs * u + sn * v;
                rechts_[static_cast<std::size_t>(i)] = -sn * u + cs * v;
            }
        }
        x.assign(static_cast<std::size_t>(n_), 0.0);
        for (int j = n_ - 1; j >= 0; --j) {
            const double piv = Wert(j, j);
            // Every column has a coefficient 1 after the scaling: a pivot at the rounding level is a
            // mechanism.
            if (!(std::fabs(piv) > 1.0e-12)) return false;
            double s = rechts_[static_cast<std::size_t>(j)];
            for (int col = j + 1; col <= std::min(n_ - 1, j + oben); ++col)
                s -= Wert(j, col) * x[static_cast<std::size_t>(col)];
            x[static_cast<std::size_t>(j)] = s / piv;
        }
        for (int j = 0; j < n_; ++j) {
            x[static_cast<std::size_t>(j)] /= spalte[static_cast<std::size_t>(j)];
            if (!std::isfinite(x[static_cast<std::size_t>(j)])) return false;
        }
        return true;
    }

private:
    struct Eintrag {
        int i, j;
        double v;
    };
    double& Wert(int i, int j) {
        return a_[static_cast<std::size_t>(i) * static_cast<std::size_t>(breite_) +
                  static_cast<std::size_t>(j - i + kl_)];
    }
    int n_;
    int kl_ = 0, breite_ = 1;
    std::vector<Eintrag> eintraege_;
    std::vector<double> rechts_;
    std::vector<double> a_;
};

// All rows as one system: the unknowns are the state after every row from the head row on and the force at
// every support and hinge; the equations are the two head conditions, the transfer of every row (with the
// condition of a support or hinge on the state above it) and the two foot conditions. Writes the rows as the
// second sweep does; false when the system is singular.
bool GesamtsystemLoesen(int a, int b, int f1, int f2, int ende) {
    std::vector<int> spalteS(static_cast<std::size_t>(ende + 1), 0),
        spalteR(static_cast<std::size_t>(ende + 1), -1);
    int n = 0;
    for (int z = 1; z <= ende; ++z) {
        const int art = static_cast<int>(St.ErgebnisTabelle[z][kArt]);
        if (z >= 2 && (art == kAuflager || art == kGelenk)) spalteR[static_cast<std::size_t>(z)] = n++;
        spalteS[static_cast<std::size_t>(z)] = n;
        n += 4;
    }
    Bandsystem sys(n);
    int e = 0;
    const int s1 = spalteS[1];
    sys.Setzen(e++, s1 + a - 1, 1.0);
    sys.Setzen(e++, s1 + b - 1, 1.0);
    for (int z = 2; z <= ende; ++z) {
        const Ergebniszeile& r = St.ErgebnisTabelle[z];
        const int art = static_cast<int>(r[kArt]);
        const int o = spalteS[static_cast<std::size_t>(z - 1)], u = spalteS[static_cast<std::size_t>(z)];
        double T[5][5], t[5] = {};
        for (int i = 0; i <= 4; ++i)
            for (int j = 0; j <= 4; ++j)
                T[i][j] = (i == j) ? 1.0 : 0.0;
        switch (art) {
        case kFeld:
            FeldMatrix(r, T, t);
            break;
        case kPunkt:
            for (int i = 1; i <= 4; ++i)
                t[i] = r[kP1 + i - 1];
            T[4][1] = r[kP1 + 4];
            t[4] += static_cast<double>(r[kP1 + 4]) * r[kP1];
            break;
        case kAuflager:
        case kGelenk: {
            const int comp = (art == kAuflager) ? 1 : 3;
            sys.Setzen(e, o + comp - 1, 1.0);
            sys.Rechts(e++, (art == kAuflager) ? r[kP1] : 0.0);
            sys.Setzen(e + 3, spalteR[static_cast<std::size_t>(z)], -1.0);
            break;
        }
        default:
            break;
        }
        for (int i = 1; i <= 4; ++i) {
            sys.Setzen(e, u + i - 1, 1.0);
            for (int j = 1; j <= 4; ++j)
                sys.Setzen(e, o + j - 1, -T[i][j]);
            sys.Rechts(e++, t[i]);
        }
        if (art == kEnde) {
            sys.Setzen(e, u + f1 - 1, 1.0);
            sys.Rechts(e++, r[kP1 + f1 - 1]);
            sys.Setzen(e, u + f2 - 1, 1.0);
            sys.Rechts(e++, r[kP1 + f2 - 1]);
        }
    }
    std::vector<double> x;
    if (e != n || !sys.Loesen(x)) return false;

    auto zustand = [&](int z, double(&s)[5]) {
        s[0] = 0.0;
        for (int i = 1; i <= 4; ++i)
            s[i] = x[static_cast<std::size_t>(spalteS[static_cast<std::size_t>(z)] + i - 1)];
    };
    St.AnzZeilen = 0;
    laufTiefe = 0.0;
    double S[5];
    zustand(1, S);
    // The head quantities held at 0 are 0, as the sweep gives them.
    S[a] = 0.0;
    S[b] = 0.0;
    {
        const double s0[5] = {0.0, (a == 4 || b == 4) ? S[1] : 0.0, 0.0, 0.0, 0.0};
        Ergebniszeile& r0 = St.ErgebnisTabelle[0];
        for (int col = 1; col <= 12; ++col)
            r0[col] = 0.0f;
        r0[kP1 + 2] = St.Lastbild.n >= 1 ? St.Lastbild.e[1] : 0.0f;
        ErgebnisZeileSchreiben(kKopfMarke, s0);
    }
    St.ErgebnisTabelle[1][kP1 + 2] = St.ErgebnisTabelle[0][kP1 + 2];
    ErgebnisZeileSchreiben(kKopf, S);
    for (int z = 2; z <= ende; ++z) {
        Ergebniszeile& r = St.ErgebnisTabelle[z];
        const int art = static_cast<int>(r[kArt]);
        if (art == kFeld) laufTiefe += r[kP1];
        if (art == kAuflager || art == kGelenk) {
            r[kP1] = 0.0f;
            r[kP1 + 1] = 0.0f;
            r[kP1 + 2] = 0.0f;
            r[kP1 + 3] =
                static_cast<float>(x[static_cast<std::size_t>(spalteR[static_cast<std::size_t>(z)])]);
        }
        zustand(z, S);
        ErgebnisZeileSchreiben(art, S);
    }
    return true;
}

// A sum of the equilibrium check for a message: two decimals, very large ones with an exponent.
std::string Summe(double v) {
    char b[40];
    std::snprintf(b, sizeof b, std::fabs(v) < 1.0e6 ? "%.2f" : "%.3E", v);
    return b;
}

// The solved rows in equilibrium: the loads of the fields, the wall loads, the spring forces of the bedding
// and the forces at the supports and hinges, with the head and foot forces and moments where the wall is held
// there, sum to zero horizontally and in their moment about the foot. Stops the run where they do not.
void GleichgewichtPruefenMit(int a, int b, int f1, int f2) {
    const int ende = St.AnzZeilen - 1;
    const Ergebniszeile& kopf = St.ErgebnisTabelle[1];
    const Ergebniszeile& fuss = St.ErgebnisTabelle[ende];
    const double zf = fuss[kTiefe];
    double H = 0.0, Hbetrag = 0.0, M = 0.0, Mbetrag = 0.0;
    auto kraft = [&](double F, double z) {
        H += F;
        Hbetrag += std::fabs(F);
        M += F * (zf - z);
        Mbetrag += std::fabs(F * (zf - z));
    };
    auto moment = [&](double m) {
        M += m;
        Mbetrag += std::fabs(m);
    };
    // The head and the foot carry a force (a moment) only where Q (M) is not held at 0 there.
    if (a != 4 && b != 4) kraft(kopf[kQ], 0.0);
    if (a != 3 && b != 3) moment(kopf[kM]);
    for (int z = 2; z < ende; ++z) {
        const Ergebniszeile& r = St.ErgebnisTabelle[z];
        switch (static_cast<int>(r[kArt])) {
        case kFeld: {
            const double l = r[kP1], p0 = r[kP1 + 2], dp = r[kP1 + 3];
            kraft(-l * (p0 + dp / 2.0), r[kTiefe]);
            moment(-(p0 * l * l / 2.0 + dp * l * l / 6.0));
            break;
        }
        case kPunkt:
            kraft(r[kP1 + 3] + static_cast<double>(r[kP1 + 4]) * r[kW], r[kTiefe]);
            moment(r[kP1 + 2]);
            break;
        case kAuflager:
        case kGelenk:
            kraft(r[kP1 + 3], r[kTiefe]);
            break;
        default:
            break;
        }
    }
    if (f1 != 4 && f2 != 4) kraft(-static_cast<double>(fuss[kQ]), zf);
    if (f1 != 3 && f2 != 3) moment(-static_cast<double>(fuss[kM]));
    // The rows keep depths and values in single precision: a moment may miss by the forces times the rounding
    // of their depths as well (a support just above a held foot takes forces that form a couple).
    const bool haelt = std::fabs(H) <= 1.0e-4 * Hbetrag + 1.0e-3 &&
                       std::fabs(M) <= 1.0e-4 * (Mbetrag + Hbetrag * 1.0) + 1.0e-3;
    if (haelt) return;
    std::string text =
        "Die Berechnung wurde abgebrochen:\r\n\r\nIm Lastfall " + std::to_string(P.LFNr) +
        ", Aushubzustand " + std::to_string(P.AushNr) +
        " stehen die Lasten, die Auflagerkräfte und die Bettung der Wand nicht im Gleichgewicht "
        "(Summe H = " +
        Summe(H) + " kN/m, Summe M um den Wandfuß = " + Summe(M) + " kNm/m).\r\n";
    if (St.BettungStufe == 1) {
        const int s = P.AushNr;
        float cmin = 0.0f, cmax = 0.0f;
        for (int i = 1; i <= P.BettAnz[s]; ++i) {
            cmin = (i == 1) ? P.BettC(s, i) : std::min(cmin, P.BettC(s, i));
            cmax = std::max(cmax, P.BettC(s, i));
        }
        text += "Bettung des Aushubzustands " + std::to_string(s) + " (Satz 32, BettC): Bettungsmodul " +
                vb::StrPlain(cmin) + " bis " + vb::StrPlain(cmax) + " MN/m3; zulässig 0 bis " +
                vb::StrPlain(zorm1::kBettungsmodulMax) + " MN/m3.\r\n";
    }
    text += "Bitte die Eingabe überprüfen.";
    AbbruchMelden(text);
}

} // namespace

void AuflagerVerschiebung(float z, float& w) {
    w = 0.0f;
    const int n = P.AnzAnkerGesamt;
    for (int i = 1; i <= n && i <= 20; ++i) {
        if (std::fabs(z - St.AuflagerSenkungZ[i]) < 0.001f) {
            w = St.AuflagerSenkung[i];
            return;
        }
    }
}

void ZeileSchreiben(int art) {
    ZeilePruefen();
    Ergebniszeile& r = St.ErgebnisTabelle[St.AnzZeilen];
    r[kArt] = static_cast<float>(art);
    for (int i = 1; i <= 5; ++i)
        r[kP1 + i - 1] = St.Zeilenwerte[i];
    St.Zeilenwerte.fill(0.0f);
    ++St.AnzZeilen;
}

void MatrixMalVektor(const double (&x)[5], const double (&A)[5][5], double (&y)[5]) {
    for (int i = 1; i <= 4; ++i) {
        double s = 0.0;
        for (int j = 1; j <= 4; ++j)
            s += A[i][j] * x[j];
        y[i] = s;
    }
}

void SingulaeresSystemMelden() {
    zor::Signalton();
    zor::Signalton();
    const std::string nl = "\r\n";
    const std::string text = "    Achtung!!!" + nl + nl +
                             "    NENNERDETERMINANTE = 0.0. >>>>  ABBRUCH DER BERECHNUNG." + nl + nl +
                             "  Bei Bettung UND Überlagerung: rechnen Sie OHNE Überlagerung oder" + nl +
                             "      geben Sie die Fußtiefe vor, größer als der Belastungsnullpunkt." + nl +
                             nl + "  Falls Einbindetiefe gesucht: Geben Sie die Einbindetiefe vor." + nl + nl;
    zor::Melden(text, vb::vbOKOnly | vb::vbCritical, "ZORDLT");
}

void Durchlauftraeger(zor::Laufstatus& status) {
    Aufbauen();
    const int a = St.KopfUnbekannte[1], b = St.KopfUnbekannte[2];
    const int f1 = St.FussBedingung[1], f2 = St.FussBedingung[2];
    if (a < 1 || a > 4 || b < 1 || b > 4 || f1 < 1 || f1 > 4 || f2 < 1 || f2 > 4)
        AbbruchMelden("Die Rand-Bedingungen des Durchlaufträgers sind nicht gesetzt. Die Berechnung wird "
                      "abgebrochen.");
    const int ende = St.AnzZeilen - 1;
    // The rows as built, for a second solution when the sweeps lose their accuracy.
    std::vector<Ergebniszeile> gebaut(St.ErgebnisTabelle.begin(), St.ErgebnisTabelle.begin() + ende + 1);

    // Forward sweep.
    double L[5] = {}, A[5], B[5];
    Einheitsvektor(A, 5 - a);
    Einheitsvektor(B, 5 - b);
    double c[kMaxAuflagerGelenke + 2] = {}, d[kMaxAuflagerGelenke + 2] = {}, R[kMaxAuflagerGelenke + 2] = {};
    int k = 0;
    bool singulaer = false;
    // The sweep overflowed: the unit solutions grew beyond double precision along a long bedded part.
    bool ueberlauf = false;
    double Xa = 0.0, Xb = 0.0;
    thread_local std::vector<Feldwerte> felder;
    felder.resize(static_cast<std::size_t>(ende + 1));
    for (int z = 2; z <= ende && !singulaer && !ueberlauf; ++z) {
        const Ergebniszeile& r = St.ErgebnisTabelle[z];
        const int art = static_cast<int>(r[kArt]);
        switch (art) {
        case kFeld: {
            Feldwerte& f = felder[static_cast<std::size_t>(z)];
            FeldMatrix(r, f.T, f.t);
            Feld(f, L, true);
            Feld(f, A, false);
            Feld(f, B, false);
            break;
        }
        case kPunkt:
            for (int i = 1; i <= 4; ++i)
                L[i] += r[kP1 + i - 1];
            A[4] += r[kP1 + 4] * A[1];
            B[4] += r[kP1 + 4] * B[1];
            L[4] += r[kP1 + 4] * L[1];
            break;
        case kAuflager:
        case kGelenk: {
            // A support fixes w, a hinge M; the pivot is that component of B.
            const int comp = (art == kAuflager) ? 1 : 3;
            const double ziel = (art == kAuflager) ? r[kP1] : 0.0;
            if (!std::isfinite(B[comp])) {
                ueberlauf = true;
                break;
            }
            if (B[comp] == 0.0) {
                singulaer = true;
                break;
            }
            ++k;
            c[k] = -A[comp] / B[comp];
            d[k] = (ziel - L[comp]) / B[comp];
            for (int i = 1; i <= 4; ++i) {
                A[i] += c[k] * B[i];
                L[i] += d[k] * B[i];
            }
            Einheitsvektor(B, 4);
            break;
        }
        case kEnde: {
            const double D = B[f2] * A[f1] - B[f1] * A[f2];
            if (!std::isfinite(D)) {
                ueberlauf = true;
                break;
            }
            if (D == 0.0) {
                // Two products that cancel exactly are unit solutions grown parallel (their digits are
                // lost); with a product 0 the system has no stiffness against a displacement.
                if (B[f2] * A[f1] != 0.0 || B[f1] * A[f2] != 0.0)
                    ueberlauf = true;
                else
                    singulaer = true;
                break;
            }
            const double ra = r[kP1 + f1 - 1] - L[f1];
            const double rb = r[kP1 + f2 - 1] - L[f2];
            Xa = (ra * B[f2] - rb * B[f1]) / D;
            Xb = (rb * A[f1] - ra * A[f2]) / D;
            break;
        }
        default:
            break;
        }
        if (!singulaer && !(Endlich(L) && Endlich(A) && Endlich(B))) ueberlauf = true;
    }
    if (!singulaer && !ueberlauf && !(std::isfinite(Xa) && std::isfinite(Xb))) ueberlauf = true;
    if (singulaer) {
        SingulaerMelden(status);
        return;
    }
    bool genau = false;
    if (!ueberlauf) {
        R[k + 1] = Xb;
        for (int i = 1; i <= k; ++i)
            R[i] = Xa * c[i] + d[i];
        genau = ZweiterDurchlauf(a, b, f1, f2, Xa, R, gebaut, felder);
    }
    if (!genau) {
        // The sweep from the head has lost its digits (a long bedded part): all rows as one system.
        std::copy(gebaut.begin(), gebaut.end(), St.ErgebnisTabelle.begin());
        St.AnzZeilen = static_cast<int16_t>(ende + 1);
        if (!GesamtsystemLoesen(a, b, f1, f2, ende)) {
            SingulaerMelden(status);
            return;
        }
    }
    GleichgewichtPruefenMit(a, b, f1, f2);
}

void GleichgewichtPruefen() {
    GleichgewichtPruefenMit(St.KopfUnbekannte[1], St.KopfUnbekannte[2], St.FussBedingung[1],
                            St.FussBedingung[2]);
}

} // namespace zormc
