#include "verification/deep_slip_plane.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "earthpressure/coefficients.h"
#include "earthpressure/diagrams.h"
#include "earthpressure/slopes.h"
#include "earthpressure/soil_pressure.h"
#include "earthpressure/state.h"
#include "earthpressure/surface_loads.h"
#include "frame/project_data.h"
#include "statics/state.h"

namespace zormd {

Gleitfugenzustand GF;

void GleitfugeZuruecksetzen() {
    GF = Gleitfugenzustand{};
}

namespace {

using zorm1::P;
constexpr float kViertelPi = 0.7853982f;

} // namespace

void GleitfugeKopieSichern() {
    GF.GlfAnzErdKopie = P.AnzErd;
    const int n = P.AnzErd;
    auto kopie = [](const auto& a, int k) { return std::vector<float>(a.begin(), a.begin() + k + 2); };
    GF.KKote = kopie(zormcom::Lauf.SchichtKote, n);
    GF.KDicke = kopie(P.SchichtDicke, std::min(n, 29));
    GF.KPhi = kopie(P.SchichtPhi, n);
    GF.KGamma = kopie(P.SchichtGamma, n);
    GF.KGammaA = kopie(P.SchichtGammaAuftrieb, n);
    GF.KCa = kopie(P.SchichtCa, n);
    GF.GlfAnzBoeschKopie = P.AnzBoesch;
    const int b = std::min<int>(P.AnzBoesch, 7);
    GF.KBX1 = kopie(P.BoeschX1, b);
    GF.KBX2 = kopie(P.BoeschX2, b);
    GF.KBZ1 = kopie(P.BoeschZ1, b);
    GF.KBZ2 = kopie(P.BoeschZ2, b);
    GF.KBGamma = kopie(P.BoeschGamma, b);
    auto& L = zormcom::Lauf;
    GF.GlfAnzLastKopie = L.AnzLastErd;
    const int l = std::min<int>(L.AnzLastErd, 14);
    GF.KXA = kopie(L.ErdXA, l);
    GF.KXE = kopie(L.ErdXE, l);
    GF.KPv = kopie(L.ErdPv, l);
    GF.KPh = kopie(L.ErdPh, l);
    GF.KZ = kopie(L.ErdZ, l);
}

void DatenZurueck() {
    auto zurueck = [](auto& a, const std::vector<float>& k) {
        for (std::size_t i = 0; i < k.size() && i < a.size(); ++i)
            a[i] = k[i];
    };
    P.AnzErd = GF.GlfAnzErdKopie;
    zurueck(zormcom::Lauf.SchichtKote, GF.KKote);
    zurueck(P.SchichtDicke, GF.KDicke);
    zurueck(P.SchichtPhi, GF.KPhi);
    zurueck(P.SchichtGamma, GF.KGamma);
    zurueck(P.SchichtGammaAuftrieb, GF.KGammaA);
    zurueck(P.SchichtCa, GF.KCa);
    if (P.AnzErd + 1 < static_cast<int>(zormcom::Lauf.SchichtKote.size()))
        zormcom::Lauf.SchichtKote[P.AnzErd + 1] = 99.0f;
    P.AnzBoesch = GF.GlfAnzBoeschKopie;
    zurueck(P.BoeschX1, GF.KBX1);
    zurueck(P.BoeschX2, GF.KBX2);
    zurueck(P.BoeschZ1, GF.KBZ1);
    zurueck(P.BoeschZ2, GF.KBZ2);
    zurueck(P.BoeschGamma, GF.KBGamma);
    auto& L = zormcom::Lauf;
    L.AnzLastErd = GF.GlfAnzLastKopie;
    zurueck(L.ErdXA, GF.KXA);
    zurueck(L.ErdXE, GF.KXE);
    zurueck(L.ErdPv, GF.KPv);
    zurueck(L.ErdPh, GF.KPh);
    zurueck(L.ErdZ, GF.KZ);
}

void AnkerImGleitkoerper(float xL, float xR, float m, float c) {
    for (int i = 1; i <= N.AnzAnkerGlf; ++i) {
        const float x = GF.GlfPunktX[i];
        if (!(xL - 0.001f <= x && x < xR)) continue;
        const float d = GF.GlfPunktZ[i] - (m * x + c);
        if (d > 0.01f || N.GlfAnkerAh[i] <= 0.0f) continue;
        const float ah = N.GlfAnkerAh[i];
        const float av = ah * std::tan(GF.GlfAnkerNeigung[i]);
        N.GlfSumAh += ah;
        N.GlfSumAv += av;
        GF.GlfMomentAnker = GF.GlfMomentAnker - (GF.GlfZBezug - N.GlfAnkerZ[i]) * ah + av * GF.GlfXBezug;
    }
}

namespace {

// Layer containing depth z (a depth on a boundary belongs to the layer below it).
int SchichtBei(float z) {
    int m = 1;
    for (int i = 1; i <= P.AnzErd; ++i)
        if (zormcom::Lauf.SchichtKote[i] <= z) m = i;
    return m;
}

// Puts a new top layer in front of all layers.
void SchichtVorne(float zTop, float gamma, float phi) {
    const int n = P.AnzErd;
    if (n + 2 >= static_cast<int>(P.SchichtDicke.size())) return;
    for (int i = n + 1; i >= 1; --i) {
        zormcom::Lauf.SchichtKote[i + 1] = zormcom::Lauf.SchichtKote[i];
        P.SchichtDicke[i + 1] = P.SchichtDicke[i];
        P.SchichtPhi[i + 1] = P.SchichtPhi[i];
        P.SchichtGamma[i + 1] = P.SchichtGamma[i];
        P.SchichtGammaAuftrieb[i + 1] = P.SchichtGammaAuftrieb[i];
        P.SchichtCa[i + 1] = P.SchichtCa[i];
    }
    zormcom::Lauf.SchichtKote[1] = zTop;
    P.SchichtGamma[1] = gamma;
    P.SchichtGammaAuftrieb[1] = 0.0f;
    P.SchichtPhi[1] = phi;
    P.SchichtCa[1] = 0.0f;
    P.SchichtDicke[1] = zormcom::Lauf.SchichtKote[2] - zTop;
    P.AnzErd = static_cast<int16_t>(n + 1);
}

// Steps 3 to 6: earth pressure on the substitute anchor wall at xA down to zA; gives phiAW.
void ErsatzwandErddruck(float xA, float zA, float& phiAW) {
    // Ground at the substitute anchor wall.
    float zG = 0.0f;
    int iS = 0;
    bool imHang = false;
    for (int i = 1; i <= P.AnzBoesch; ++i)
        if (xA >= P.BoeschX2[i]) {
            iS = i;
            zG = P.BoeschZ2[i];
        }
    for (int i = 1; i <= P.AnzBoesch; ++i)
        if (P.BoeschX1[i] < xA && xA < P.BoeschX2[i]) {
            iS = i;
            const float dx = P.BoeschX2[i] - P.BoeschX1[i];
            zG = P.BoeschZ1[i] + (P.BoeschZ2[i] - P.BoeschZ1[i]) * (xA - P.BoeschX1[i]) / dx;
            imHang = true;
        }
    // Soil above the top of the layer table.
    for (int j = 1; j <= iS; ++j) {
        const float zTop = j < iS ? P.BoeschZ2[j] : zG;
        if (P.BoeschZ1[j] - zTop > 0.0f) {
            SchichtVorne(zTop, P.BoeschGamma[j], P.BoeschPhi[j] * P.GradZuRad);
        } else {
            if (zTop > 0.0f) zormb::SchichtgrenzeEinfuegen(zTop);
            for (int i = 1; i <= P.AnzErd; ++i)
                if (zormcom::Lauf.SchichtKote[i + 1] <= zTop) {
                    P.SchichtGamma[i] = 0.0f;
                    P.SchichtGammaAuftrieb[i] = 0.0f;
                }
        }
    }
    zormb::SchichtgrenzeEinfuegen(zA);
    zormcom::SchichtMittel(P.SchichtPhi, zormcom::Lauf.SchichtKote, P.AnzErd, zG, zA, phiAW);
    zormcom::SchichtMittel(P.SchichtPhi, zormcom::Lauf.SchichtKote, P.AnzErd, zA, N.zGLF, GF.GlfPhiMittel);
    // Slopes seen from the substitute anchor wall.
    for (int i = 1; i < iS; ++i)
        P.BoeschGamma[i] = 0.0f;
    if (iS >= 1) {
        P.BoeschX1[iS] = xA;
        P.BoeschZ1[iS] = zG;
        if (!imHang) P.BoeschGamma[iS] = 0.0f;
    }
    for (int i = 1; i <= P.AnzBoesch; ++i) {
        P.BoeschX1[i] = std::max(0.0f, P.BoeschX1[i] - xA);
        P.BoeschX2[i] = std::max(0.0f, P.BoeschX2[i] - xA);
    }
    for (int i = 1; i <= P.AnzBoesch; ++i) {
        if (i > 1 && P.BoeschX1[i] < P.BoeschX2[i - 1]) P.BoeschX1[i] = P.BoeschX2[i - 1] + 0.001f;
        if (P.BoeschX2[i] <= P.BoeschX1[i]) P.BoeschX2[i] = P.BoeschX1[i] + 0.001f;
    }
    // Vertical stress of the slopes and the unlimited loads, soil weight and cohesion.
    auto& B = zormb::B;
    zor::Ordinatenliste R, F, S, L;
    zormb::ErddruckBoeschung(R, F, S, 0.0f);
    // An unlimited load acts on the substitute anchor wall from where it begins as seen from that wall:
    // one that begins in front of it covers all the ground behind it, one that begins beyond it keeps
    // the rest of its distance. The limited loads are moved behind the wall further down.
    auto& Lf = zormcom::Lauf;
    std::array<float, 16> startWand{};
    for (int j = 1; j <= Lf.AnzLastErd && j < static_cast<int>(startWand.size()); ++j) {
        startWand[j] = Lf.ErdXA[j];
        if (Lf.ErdXE[j] >= 99.0f) Lf.ErdXA[j] = std::max(0.0f, Lf.ErdXA[j] - xA);
    }
    zormb::FlaechenlastFigur(L);
    for (int j = 1; j <= Lf.AnzLastErd && j < static_cast<int>(startWand.size()); ++j)
        Lf.ErdXA[j] = startWand[j];
    zormcom::DiagrammAddieren(12350, R, L, B.Gz, 1);
    if (P.ZWasserErd > 0.0f) zormb::SchichtgrenzeEinfuegen(P.ZWasserErd);
    zormb::ErddruckBoden(1);
    zormb::Mindesterddruck(1.0f);
    float eEnde = 0.0f;
    zormc::Integrieren(B.Eah, zA, N.GlfEahAW, eEnde);
    float r = 0.0f;
    zormc::ResultierendeSchwerpunkt(B.Eah, zG, zA, r, N.GlfZEahAW);
    // Limited loads behind the substitute anchor wall.
    zormb::LastenAufBoeschung(zG);
    for (int j = 1; j <= Lf.AnzLastErd; ++j) {
        const float a = Lf.ErdXA[j], e = Lf.ErdXE[j];
        if (a >= xA) continue;
        if (e <= xA) {
            Lf.ErdXA[j] = xA + (xA - e);
            Lf.ErdXE[j] = xA + (xA - a);
        } else {
            Lf.ErdXA[j] = xA;
            Lf.ErdXE[j] = xA + std::max(xA - a, e - xA);
        }
    }
    for (int j = 1; j <= Lf.AnzLastErd; ++j) {
        Lf.ErdXA[j] = std::max(0.0f, Lf.ErdXA[j] - xA);
        Lf.ErdXE[j] = Lf.ErdXE[j] - xA;
    }
    GF.GlfEahAWLast = 0.0f;
    if (Lf.AnzLastErd > 0) {
        zormb::BegrenzteLastAktiv();
        zormb::NegativeAbschneiden();
        zormc::Integrieren(B.BegrLast, zA, GF.GlfEahAWLast, eEnde);
        float zL = zG;
        zormc::ResultierendeSchwerpunkt(B.BegrLast, zG, zA, r, zL);
        const float summe = GF.GlfEahAWLast + N.GlfEahAW;
        if (summe != 0.0f) N.GlfZEahAW = (GF.GlfEahAWLast * zL + N.GlfZEahAW * N.GlfEahAW) / summe;
        N.GlfEahAW += GF.GlfEahAWLast;
    }
    N.GlfEavAW = 0.0f;
    DatenZurueck();
}

// The chain's next point (its last character); false when the chain is empty.
bool NaechsterPunkt(float& x, float& z) {
    if (GF.GlfPunktFolge.empty()) return false;
    const char c = GF.GlfPunktFolge.back();
    GF.GlfPunktFolge.pop_back();
    int n = c - '0';
    if (n < 1 || n > 9) n = 9;
    x = GF.GlfPunktX[n];
    z = GF.GlfPunktZ[n];
    return true;
}

} // namespace

void ErsatzankerwandDruck() {
    // 1. Grout-body centres.
    DatenZurueck();
    GF.xAW = 0.0f;
    GF.zAW = 0.0f;
    for (int n = 1; n <= N.AnzAnkerGlf; ++n) {
        GF.GlfPunktX[n] = GF.AnkerLaengeTest[n] * std::cos(GF.GlfAnkerNeigung[n]) - GF.GlfXWand;
        GF.GlfPunktZ[n] = GF.AnkerLaengeTest[n] * std::sin(GF.GlfAnkerNeigung[n]) + N.GlfAnkerZ[n];
        if (GF.GlfPunktX[n] >= GF.xAW) {
            GF.xAW = GF.GlfPunktX[n];
            GF.zAW = GF.GlfPunktZ[n];
        }
    }
    GF.GlfPunktX[9] = 0.0f;
    GF.GlfPunktZ[9] = N.zGLF;
    // 2. Reset and the first chain point.
    N.GlfXQ = 0.0f;
    N.GlfXQMoegl = 0.0f;
    GF.GlfMomentAnker = 0.0f;
    N.GlfSumAh = N.GlfSumAv = N.GlfSumCh = N.GlfSumCv = N.GlfSumG = 0.0f;
    float momentG = 0.0f, T = 0.0f, winkelErst = 0.0f, phi0 = 0.0f;
    GF.GlfPunktFolge = GF.GlfPunktFolgeStart;
    const bool gesamt = GF.GlfPunktFolgeStart.size() > 2;
    float xA = 0.0f, zA = 0.0f;
    NaechsterPunkt(xA, zA);
    GF.GlfZBezug = (N.zGLF + zA) / 2.0f;
    GF.GlfXBezug = xA / 2.0f;
    // 3.-6. Substitute anchor wall.
    float phiAW = 0.0f;
    ErsatzwandErddruck(xA, zA, phiAW);
    // 7. Wedge behind the substitute anchor wall.
    const float theta = kViertelPi + phiAW / 2.0f;
    const float tanTheta = std::tan(theta);
    const float xFar = (zA + 100.0f) / tanTheta + xA;
    if (GF.GlfSchritt < 0.5f) N.GlfMaxAushub = std::max(N.GlfMaxAushub, xFar);
    if (N.GlfMaxAushub == 0.0f) N.GlfMaxAushub = xFar;
    N.GlfMaxGesamt = std::max(N.GlfMaxGesamt, N.GlfMaxAushub);
    float bxL = xA, bxR = xFar, bm = -tanTheta, bc = zA + tanTheta * xA; // pending anchor region
    // 8./9. Segments and slices.
    float xP = xA, zP = zA, alphaLast = 0.0f, phiLast = 0.0f;
    bool ersteScheibe = true;
    float x2 = 0.0f, z2 = 0.0f;
    while (NaechsterPunkt(x2, z2)) {
        const float xStart = xP;
        float alpha;
        if (gesamt) {
            alpha = (xP - x2) != 0.0f ? std::atan((z2 - zP) / (xP - x2)) : 1.5707964f;
        } else {
            if (x2 == xP)
                alpha = 1.5707964f;
            else
                alpha = std::atan((z2 - zP) / (xP - x2));
            if (alpha == 0.0f) alpha = 0.000001f;
            if (winkelErst == 0.0f) winkelErst = alpha;
            alphaLast = alpha;
            if (kViertelPi + GF.GlfPhiMittel / 2.0f < alpha) {
                N.EtaGlf = 0.0f;
                N.GlfAhMoegl = 0.0f;
                N.GlfAvMoegl = 0.0f;
                return;
            }
        }
        const float tanA = std::tan(alpha);
        auto zAuf = [&](float x) { return z2 - (x - x2) * tanA; };
        int schutz = 0;
        while (xP - x2 > 0.0001f && ++schutz < 10000) {
            // End of the slice.
            float xs = x2, zs = z2;
            for (int k = GF.GlfAnzX; k >= 0; --k)
                if (GF.GlfXListe[k] < xP) {
                    if (GF.GlfXListe[k] >= x2) {
                        xs = GF.GlfXListe[k];
                        zs = zAuf(xs);
                    }
                    break;
                }
            const int m = SchichtBei(zP);
            const float kUnten = zormcom::Lauf.SchichtKote[m + 1];
            if (xP != x2 && m < P.AnzErd + 1 && kUnten > zP && kUnten < zs && tanA != 0.0f) {
                zs = kUnten;
                xs = x2 + (z2 - zs) / tanA;
            }
            const float phiS = P.SchichtPhi[m];
            // Surface load of the strip.
            float q = 0.0f;
            for (int k = 1; k <= GF.GlfAnzX; ++k)
                if (GF.GlfXListe[k] >= xP) {
                    q = GF.GlfLastStaendig[k];
                    if (!(alpha < phiS)) q += GF.GlfLastVeraenderlich[k];
                    break;
                }
            if (ersteScheibe) phi0 = phiS;
            ersteScheibe = false;
            const float b = xP - xs;
            float G = q * b;
            for (int i = 1; i <= P.AnzBoesch; ++i) {
                const float x1 = P.BoeschX1[i], xe = P.BoeschX2[i];
                if (xe <= xs) {
                    G += (P.BoeschZ1[i] - P.BoeschZ2[i]) * P.BoeschGamma[i] * b;
                } else if (x1 <= xs && xP <= xe && xe > x1) {
                    auto h = [&](float x) { return -(P.BoeschZ2[i] - P.BoeschZ1[i]) * (x - x1) / (xe - x1); };
                    G += (h(xs) + h(xP)) / 2.0f * b * P.BoeschGamma[i];
                }
            }
            for (int i = 1; i < m; ++i)
                G += GF.GlfGamma[i] * (zormcom::Lauf.SchichtKote[i + 1] - zormcom::Lauf.SchichtKote[i]) * b;
            G += GF.GlfGamma[m] *
                 ((zP - zormcom::Lauf.SchichtKote[m]) + (zs - zormcom::Lauf.SchichtKote[m])) / 2.0f * b;
            const float zz = zP + zs;
            const float xc = zz != 0.0f ? xP + (xs - xP) * (zP + 2.0f * zs) / (3.0f * zz) : (xP + xs) / 2.0f;
            N.GlfSumCv += (zs - zP) * P.SchichtCa[m];
            N.GlfSumCh += b * P.SchichtCa[m];
            N.GlfSumG += G;
            momentG += (xc - GF.GlfXBezug) * G;
            T += G * std::tan(P.SchichtPhi[m] - alpha);
            phiLast = P.SchichtPhi[m];
            xP = xs;
            zP = zs;
        }
        // End of the segment.
        N.GlfXSchwerpunkt = N.GlfSumG != 0.0f ? momentG / N.GlfSumG + GF.GlfXBezug : GF.GlfXBezug;
        AnkerImGleitkoerper(bxL, bxR, bm, bc);
        bxL = x2;
        bxR = xStart;
        bm = -tanA;
        bc = z2 + tanA * x2;
        xP = x2;
        zP = z2;
        if (x2 <= 0.0f) {
            AnkerImGleitkoerper(bxL, bxR, bm, bc);
            break;
        }
    }
    // 10. Anchor forces, friction of the vertical forces.
    if (P.TeilsicherheitenAn != 0 && zormc::St.gamMittel != 0.0f) {
        N.GlfSumAh /= zormc::St.gamMittel;
        N.GlfSumAv /= zormc::St.gamMittel;
    }
    T += N.GlfEavAW * std::tan(phi0 - winkelErst);
    T -= N.GlfEavWand * std::tan(phiLast - alphaLast);
    // 11. Force polygon.
    if (N.GlfSumAh < 0.01f) {
        N.GlfAhMoegl = 99999.0f;
        N.EtaGlf = 999.0f;
        N.GlfSumAh = 0.01f;
    } else {
        const float H = N.GlfEahWand - N.GlfEahAW + N.GlfSumCh + T;
        const float V = N.GlfSumG - N.GlfEavWand + N.GlfEavAW - N.GlfSumCv;
        const float nenner = V != 0.0f ? 1.0f + (N.GlfSumAv / N.GlfSumAh) * T / V : 0.0f;
        if (V == 0.0f || nenner == 0.0f) {
            N.GlfAhMoegl = 0.0f;
            N.GlfAvMoegl = 0.0f;
            N.EtaGlf = 0.0f;
        } else {
            N.GlfAhMoegl = H / nenner;
            N.GlfAvMoegl = N.GlfAhMoegl * N.GlfSumAv / N.GlfSumAh;
            if (N.GlfSumG - N.GlfSumCv < N.GlfAvMoegl)
                N.EtaGlf = 0.0f;
            else if (P.TeilsicherheitenAn == 0)
                N.EtaGlf = N.GlfAhMoegl / N.GlfSumAh;
            else if (zormcom::Vorgaben.gamReWirk != 0.0f && zormcom::Vorgaben.gamEWirk != 0.0f)
                N.EtaGlf =
                    (N.GlfAhMoegl / zormcom::Vorgaben.gamReWirk) / (zormcom::Vorgaben.gamEWirk * N.GlfSumAh);
            else
                N.EtaGlf = 0.0f;
        }
    }
    // 12. Reactions and lines of action.
    N.GlfQhMoegl = N.GlfAhMoegl + N.GlfEahAW - N.GlfEahWand - N.GlfSumCh;
    N.GlfQvMoegl = N.GlfSumG - N.GlfSumCv + N.GlfEavAW - N.GlfEavWand - N.GlfAvMoegl;
    N.GlfQh = N.GlfEahAW + N.GlfSumAh - N.GlfEahWand - N.GlfSumCh;
    N.GlfQv = N.GlfSumG - N.GlfSumCv + N.GlfEavAW - N.GlfEavWand - N.GlfSumAv;
    const double S = static_cast<double>(N.GlfXSchwerpunkt - GF.GlfXBezug) * N.GlfSumG +
                     static_cast<double>(GF.GlfZBezug - N.GlfZEahWand) * N.GlfEahWand +
                     static_cast<double>(N.GlfEavWand) * GF.GlfXBezug -
                     static_cast<double>(GF.GlfZBezug - N.GlfZEahAW) * N.GlfEahAW;
    const double d1 = static_cast<double>(N.GlfSumG) - N.GlfEavWand - N.GlfSumAv;
    N.GlfXQ = d1 != 0.0 ? static_cast<float>(GF.GlfXBezug + (S + GF.GlfMomentAnker) / d1) : GF.GlfXBezug;
    const float d2 = N.GlfSumG - N.GlfEavWand - N.GlfAvMoegl;
    N.GlfXQMoegl =
        d2 != 0.0f && N.GlfSumAh != 0.0f
            ? GF.GlfXBezug + static_cast<float>(S + (N.GlfAhMoegl / N.GlfSumAh) * GF.GlfMomentAnker) / d2
            : GF.GlfXBezug;
}

} // namespace zormd

namespace zormd {

namespace {

void Auswerten(const std::string& folge) {
    GF.GlfPunktFolgeStart = folge;
    ErsatzankerwandDruck();
}

// Steps 13 to 14 of the search: the single checks, deepest anchor first in every pass.
void Einzelnachweise(float etaGl, float xBoeschEnde) {
    const int n = N.AnzAnkerGlf;
    for (int a = 1; a <= n; ++a) {
        for (int i = 1; i <= n; ++i)
            GF.AnkerLaengeTest[i] = N.AnkerLaenge[i];
        for (int k = n; k >= a; --k) {
            N.GlfMaxAushub = 0.0f;
            const std::string folge = std::string("9") + static_cast<char>('0' + k % 10);
            GF.GlfSchritt = GF.AnkerLaengeTest[k] == GF.AnkerLmin[k] ? 1.0f : 0.1f;
            float vorher = GF.AnkerLaengeTest[k];
            Auswerten(folge);
            // Each step lengthens the anchor or ends: bounded by the length range.
            for (int schutz = 0; schutz < 100000; ++schutz) {
                if (GF.AnkerLaengeTest[k] == GF.AnkerLmax[k]) break;
                if (N.EtaGlf < etaGl) {
                    vorher = GF.AnkerLaengeTest[k];
                    GF.AnkerLaengeTest[k] = std::min(GF.AnkerLaengeTest[k] + GF.GlfSchritt, GF.AnkerLmax[k]);
                    Auswerten(folge);
                    continue;
                }
                if (GF.AnkerLaengeTest[k] < GF.AnkerLmin[k] + 0.001f || GF.GlfSchritt <= 0.1f) break;
                const float xG = GF.AnkerLaengeTest[k] * std::cos(GF.GlfAnkerNeigung[k]) - GF.GlfXWand;
                if (xG < xBoeschEnde) {
                    GF.AnkerLaengeTest[k] = std::min(GF.AnkerLaengeTest[k] + 1.0f, GF.AnkerLmax[k]);
                    if (GF.AnkerLaengeTest[k] < GF.AnkerLmax[k]) {
                        Auswerten(folge);
                        continue;
                    }
                    Auswerten(folge);
                    break;
                }
                GF.GlfSchritt = 0.1f;
                GF.AnkerLaengeTest[k] = vorher + 0.1f;
                Auswerten(folge);
            }
            GF.GlfSummeAh[k] = N.GlfSumAh;
            GF.GlfWertAnker[k] = N.GlfAhMoegl;
            GF.GlfEtaAnker[k] = N.EtaGlf;
            GF.GlfPhiAnker[k] = GF.GlfPhiMittel;
        }
        N.AnkerLaenge[a] = GF.AnkerLaengeTest[a];
    }
}

} // namespace

void LaengenSuche(float etaGl) {
    GF.GlfRunden = 0;
    GF.GlfGesamtNichtErfuellt = false;
    GF.GlfPunktX[9] = 0.0f;
    GF.GlfPunktZ[9] = N.zGLF;
    float xBoeschEnde = 0.0f;
    for (int i = 1; i <= GF.GlfAnzBoeschKopie && i < static_cast<int>(GF.KBX2.size()); ++i)
        if (GF.KBZ2[i] - GF.KBZ1[i] < 0.0f) xBoeschEnde = GF.KBX2[i];
    const int n = N.AnzAnkerGlf;
    for (;;) {
        Einzelnachweise(etaGl, xBoeschEnde);
        if (n <= 1) break;
        // Anchors of the overall slip line.
        for (int i = 1; i <= n + 1; ++i)
            GF.GlfAnkerFlag[i] = 1.0f;
        for (int i = 2; i <= n; ++i) {
            const float t = std::tan(0.7853982f + GF.GlfPhiAnker[i] / 2.0f);
            for (int j = 1; j < i; ++j) {
                const float zLinie = GF.GlfPunktZ[i] - (GF.GlfPunktX[j] - GF.GlfPunktX[i]) * t;
                if (zLinie >= GF.GlfPunktZ[j]) GF.GlfAnkerFlag[j] = 0.0f;
            }
        }
        std::array<float, kMaxAnkerGlf + 3> px{}, pz{};
        for (int i = 1; i <= n; ++i) {
            px[i] = GF.GlfPunktX[i];
            pz[i] = GF.GlfPunktZ[i];
        }
        px[n + 1] = 0.0f;
        pz[n + 1] = N.zGLF;
        for (int i = 3; i <= n + 1; ++i) {
            float dx1 = px[i - 2] - px[i], dx2 = px[i - 1] - px[i];
            if (dx1 <= 0.0001f) {
                dx1 = 0.0001f;
                GF.GlfAnkerFlag[i - 2] = 0.0f;
            }
            if (dx2 <= 0.0001f) {
                dx2 = 0.0001f;
                GF.GlfAnkerFlag[i - 1] = 0.0f;
            }
            const float s1 = (pz[i] - pz[i - 2]) / dx1, s2 = (pz[i] - pz[i - 1]) / dx2;
            if (s2 >= s1) GF.GlfAnkerFlag[i - 1] = 0.0f;
        }
        bool obere = false;
        for (int i = 1; i < n; ++i)
            obere = obere || GF.GlfAnkerFlag[i] == 1.0f;
        if (!obere) break;
        std::string folge;
        for (int i = 1; i <= n; ++i)
            if (GF.GlfAnkerFlag[i] == 1.0f) folge.insert(folge.begin(), static_cast<char>('0' + i % 10));
        folge.insert(folge.begin(), '9');
        for (int i = 1; i <= n; ++i)
            GF.AnkerLaengeTest[i] = N.AnkerLaenge[i];
        Auswerten(folge);
        if (N.EtaGlf >= etaGl) break;
        if (GF.GlfRunden >= kMaxGlfRunden) {
            GF.GlfGesamtNichtErfuellt = true;
            break;
        }
        // Lengthen the anchors of the overall slip line.
        bool geaendert = false;
        int gezaehlt = 0;
        float z1 = 0.0f, z2 = 0.0f;
        for (int i = 1; i <= n; ++i) {
            if (GF.GlfAnkerFlag[i] != 1.0f || GF.AnkerLaengeTest[i] == GF.AnkerLmax[i]) continue;
            ++gezaehlt;
            const float z = GF.GlfPunktZ[i];
            if (gezaehlt == 1) {
                z1 = z;
                continue;
            }
            if (gezaehlt == 2) z2 = z;
            float r = z2 != z1 ? 0.1f * (z - z1) / (z2 - z1) : 0.1f;
            r = static_cast<float>(static_cast<int>(std::floor(100.0f * r + 5.0f)) / 10) / 10.0f;
            const float neu = std::min(GF.AnkerLaengeTest[i] + r, GF.AnkerLmax[i]);
            if (neu != N.AnkerLaenge[i]) geaendert = true;
            N.AnkerLaenge[i] = neu;
        }
        if (!geaendert) {
            if (GF.GlfRunden > 20) GF.AnkerLmax[n] = 99.0f;
            for (int i = 1; i <= n; ++i)
                N.AnkerLaenge[i] = std::min(GF.AnkerLaengeTest[i] + 0.1f, GF.AnkerLmax[i]);
        }
        ++GF.GlfRunden;
        GF.GlfPunktFolgeStart = '9'; // the search goes on from point 9 alone
    }
    GF.GlfPunktFolge = GF.GlfPunktFolgeStart;
    DatenZurueck();
}

} // namespace zormd
