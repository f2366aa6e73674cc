#include "statics/beam_solver.h"

#include <cmath>
#include <string>

#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/run_status.h"
#include "platform/runtime/errors.h"
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

void Feld(const Ergebniszeile& r, double (&v)[5], bool mitLast) {
    double T[5][5], t[5];
    FeldMatrix(r, T, t);
    MatrixMalVektor(v, T, v);
    if (mitLast)
        for (int i = 1; i <= 4; ++i)
            v[i] += t[i];
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

    // Forward sweep.
    double L[5] = {}, A[5], B[5];
    Einheitsvektor(A, 5 - a);
    Einheitsvektor(B, 5 - b);
    double c[kMaxAuflagerGelenke + 2] = {}, d[kMaxAuflagerGelenke + 2] = {}, R[kMaxAuflagerGelenke + 2] = {};
    int k = 0;
    bool singulaer = false;
    double Xa = 0.0, Xb = 0.0;
    for (int z = 2; z <= ende && !singulaer; ++z) {
        const Ergebniszeile& r = St.ErgebnisTabelle[z];
        const int art = static_cast<int>(r[kArt]);
        switch (art) {
        case kFeld:
            Feld(r, L, true);
            Feld(r, A, false);
            Feld(r, B, false);
            break;
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
            if (B[comp] == 0.0 || !std::isfinite(B[comp])) {
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
            if (D == 0.0 || !std::isfinite(D)) {
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
        if (!singulaer && !(Endlich(L) && Endlich(A) && Endlich(B))) singulaer = true;
    }
    if (!singulaer && !(std::isfinite(Xa) && std::isfinite(Xb))) singulaer = true;
    if (singulaer) {
        SingulaeresSystemMelden();
        status = zor::Laufstatus::Stop;
        St.StatikStatus = status;
        return;
    }
    R[k + 1] = Xb;
    for (int i = 1; i <= k; ++i)
        R[i] = Xa * c[i] + d[i];

    // Second sweep: the state after every row.
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
    int zaehler = 1;
    for (int z = 2; z <= ende; ++z) {
        Ergebniszeile& r = St.ErgebnisTabelle[z];
        const int art = static_cast<int>(r[kArt]);
        switch (art) {
        case kFeld:
            Feld(r, S, true);
            laufTiefe += r[kP1];
            break;
        case kPunkt:
            for (int i = 1; i <= 4; ++i)
                S[i] += r[kP1 + i - 1];
            S[4] += r[kP1 + 4] * S[1];
            break;
        case kAuflager:
        case kGelenk:
            ++zaehler;
            r[kP1] = 0.0f;
            r[kP1 + 1] = 0.0f;
            r[kP1 + 2] = 0.0f;
            r[kP1 + 3] = static_cast<float>(R[zaehler]);
            S[4] += R[zaehler];
            break;
        default:
            break;
        }
        ErgebnisZeileSchreiben(art, S);
    }
}

} // namespace zormc
