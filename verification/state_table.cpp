#include "verification/state_table.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "statics/state.h"
#include "verification/section_tools.h"
#include "verification/state.h"

using zorma::ZahlText;

namespace zormd {

namespace {

// The larger / smaller of two; on a tie the first.
float Groesser(float a, float b) {
    return b > a ? b : a;
}
float Kleiner(float a, float b) {
    return b < a ? b : a;
}

void Extrema(float m) {
    N.MaxMoment = Groesser(N.MaxMoment, m);
    N.MinMoment = Kleiner(N.MinMoment, m);
}
void Druck(float h) {
    N.MaxHDruck = Groesser(N.MaxHDruck, h);
}

// Appends a row to the table being built.
void Zeile(Zustandstabelle& t, Tabellenzeile::Art art, std::array<float, 5> w, int8_t zusatz = 0,
           bool plus = false) {
    Tabellenzeile r;
    r.art = art;
    r.w = w;
    r.zusatz = zusatz;
    r.plus = plus;
    t.Zeilen.push_back(r);
}

void Aushubkote(Zustandstabelle& t) {
    Zeile(t, Tabellenzeile::Aushubkote, {P.zAush, 0.0f, 0.0f, 0.0f, 0.0f});
    N.AushubkoteGedruckt = 1;
}

// The row of a record: z, load, w, M, Q; the star behind w (record 1) or M (record 2).
void ZwischenZeile(const std::array<float, 5>& r, bool sternBeiW) {
    if (sternBeiW)
        zorma::ZeileDrucken(Einzug(), ZahlText(r[0], 5, 2), ZahlText(r[1], 10, 2), ZahlText(r[2], 10, 2), "*",
                            ZahlText(r[3], 9, 2), ZahlText(r[4], 10, 2));
    else
        zorma::ZeileDrucken(Einzug(), ZahlText(r[0], 5, 2), ZahlText(r[1], 10, 2), ZahlText(r[2], 10, 2),
                            ZahlText(r[3], 10, 2), "*", ZahlText(r[4], 9, 2));
}

// The zero-shear row of the current field, when the table shows it (not below the excavation level of a
// bedded stage); sets the foot point of the deep slip plane there.
void NullQuerkraft(Zustandstabelle& t) {
    const auto& r = N.Zwischen2;
    if (!(zormc::St.BettungStufe == 1 && r[0] > P.zAush)) {
        Zeile(t, Tabellenzeile::Zwischen2, r);
        N.zGLF = r[0];
        if (r[3] > 0.0f || r[0] < P.zAush) N.zGLF = 0.0f;
    }
    Extrema(r[3]);
    Druck(r[1]);
}

void NaechsteStuetzung(Zustandstabelle& t) {
    Zeile(t, Tabellenzeile::Zwischen1, N.Zwischen1);
    Druck(N.Zwischen1[1]);
}

// Element at x into a record.
void Auswerten(int i, float x, std::array<float, 5>& r, float zA) {
    N.ElementNr = static_cast<int16_t>(i);
    N.ElementFaktor = x;
    ElementKraefte();
    r[0] = zA + x;
    r[1] = N.ElementBettung + N.ElementWertEI;
    r[2] = static_cast<float>(N.Zustand[1]);
    r[3] = static_cast<float>(N.Zustand[3]);
    r[4] = static_cast<float>(N.Zustand[4]);
}

void Ueberschrift() {
    using zorma::ZeileDrucken;
    ZeileDrucken(Einzug(), "ZUSTANDS-GRÖSSEN  LASTFALL ", ZahlText(P.LFNr, 2, 0), ",   AUSHUB ",
                 ZahlText(P.AushNr, 2, 0));
    ZeileDrucken(Einzug(), std::string(42, '-'));
    if (P.TeilsicherheitenAn != 0) {
        ZeileDrucken(Einzug(), "Bemessungsgrößen (d) incl. Durchbiegung nach Grenzzustand GZ STR.");
        ZeileDrucken(Einzug(), ">>> Durchbiegung im Gebrauchszustand (k) siehe Grafik.");
        ZeileDrucken(Einzug(), "Gewichtetes Mittel der aktiven Teilsicherheiten der Wandbelastung:");
        ZeileDrucken(Einzug(), "gamGdk = ", vb::Format(St.gamMittel, "0.000"),
                     "; zum Rückrechnen von (d) nach (k).");
        zorma::Leerzeilen();
        if (P.gamRe != 1.0f) {
            if (P.EtaAnpass < 1.0f)
                ZeileDrucken(Einzug(), "etaAnpassFaktor = ", vb::Format(P.EtaAnpass, "0.000"),
                             " bleibt erhalten;");
            ZeileDrucken(Einzug(), "gamRe  = ", vb::Format(P.gamRe, "0.000"),
                         "  bleibt erhalten, um die zum Aufbau des");
            ZeileDrucken(Einzug(), "Erdwiderstandes notwendige Bewegung des Bodens zu begrenzen. Diese");
            ZeileDrucken(Einzug(), "Bewegung wird bei der DLT-Berechnung aller Programme nicht erfasst.");
        } else if (P.EtaAnpass < 1.0f) {
            ZeileDrucken(Einzug(), "gamRe  = ", vb::Format(P.gamRe, "0.000"), ";");
            ZeileDrucken(Einzug(), "etaAnpassFaktor = ", vb::Format(P.EtaAnpass, "0.00"),
                         " bleibt erhalten, um die zum Aufbau des");
            ZeileDrucken(Einzug(), "Erdwiderstandes notwendige Bewegung des Bodens zu begrenzen. Diese");
            ZeileDrucken(Einzug(), "Bewegung wird bei der DLT-Berechnung aller Programme nicht erfasst.");
        } else {
            ZeileDrucken(Einzug(), "gamRe  = ", vb::Format(P.gamRe, "0.000"),
                         ": die zum Aufbau des Erdwiderstandes notwendige");
            ZeileDrucken(Einzug(), "Bewegung des Bodens wird nicht begrenzt. Diese Bewegung wird");
            ZeileDrucken(Einzug(), "bei der DLT-Berechnung aller Programme nicht erfasst.");
        }
        ZeileDrucken(Einzug(), "Vergleiche EAB 4. Auflage, EB 83; insbesondere Abschnitt 10.");
    }
    zorma::Leerzeilen();
    ZeileDrucken(Einzug(), "Kote    H-Druck    Durchb.   Moment   Querkr.  H-Kraft Fed.Konst.");
    ZeileDrucken(Einzug(), "z (m)   (kN/m2)     (mm)    (kNm/m)   (kN/m)   (kN/m)   (kN/m2)");
    ZeileDrucken(P.Kommentar[4]);
}

void KopfZeile(int i, Zustandstabelle& t) {
    const float z = Zeilenwert(i, zormc::kTiefe), h = Zeilenwert(i, 5) + Zeilenwert(i, 6);
    const float w = Zeilenwert(i, zormc::kW), m = Zeilenwert(i, zormc::kM), q = Zeilenwert(i, zormc::kQ);
    const bool gestuetzt = P.WandKopf == 2 || P.WandKopf == 3;
    Zeile(t, Tabellenzeile::Kopf, {z, h, w, m, q}, gestuetzt ? 1 : 0, q > 0.0f);
    if (gestuetzt && !(q > 0.0f)) N.NegAuflagerFlag = 1;
    Extrema(m);
    Druck(h);
    if (gestuetzt) N.SummeAnkerAh += q;
}

// Depth of the nearest spring row from row `von` in steps of `schritt` up to `bis` (inclusive).
void FederSuchen(int von, int bis, int schritt, float& z) {
    for (int j = von; schritt < 0 ? j >= bis : j <= bis; j += schritt)
        if (Zeilenwert(j, 7) != 0.0f) {
            z = Zeilenwert(j, zormc::kTiefe);
            return;
        }
}

void KraftZeile(int i, int art, Zustandstabelle& t) {
    const float z0 = Zeilenwert(i, zormc::kTiefe), m = Zeilenwert(i, zormc::kM), q = Zeilenwert(i, zormc::kQ);
    float dQ = q - Zeilenwert(i - 1, zormc::kQ);
    if (std::fabs(dQ) < 0.01f) dQ = 0.0f;
    const float k = Zeilenwert(i, 7);
    if (dQ != 0.0f) {
        float z = z0;
        float f = dQ;
        AnkerkraftZuordnen(f, z);
        int8_t zusatz = Tabellenzeile::kEnde;
        if (k == 0.0f) {
            if (art == zormc::kGelenk) {
                zusatz = Tabellenzeile::kGelenk;
            } else if (art == zormc::kAuflager && z0 < zormc::St.HUmlagerung) {
                zusatz = Tabellenzeile::kAuflager;
            } else if (art == zormc::kAuflager) {
                zormd::N.zEndeStatik = z0;
                zusatz = Tabellenzeile::kErdlager;
            }
            if ((zusatz == Tabellenzeile::kAuflager || zusatz == Tabellenzeile::kErdlager) && !(dQ > 0.0f))
                N.NegAuflagerFlag = 1;
            Zeile(t, Tabellenzeile::Kraft, {m, q, dQ, 0.0f, 0.0f}, zusatz, dQ > 0.0f);
        } else {
            Zeile(t, Tabellenzeile::Kraft, {m, q, dQ, k, 0.0f}, Tabellenzeile::kFeder, dQ > 0.0f);
            if (dQ < 0.0f && St.GebetteteKragwand == 0) N.SummeNegKraefte += dQ;
            FederSuchen(i - 1, 1, -1, N.FederZOben);
            // Rows behind AnzZeilen belong to an earlier solve.
            FederSuchen(i + 1, LetzteZeile(), 1, N.FederZUnten);
            const float h = (N.FederZUnten - N.FederZOben) / 2.0f;
            if (h > 0.0f && dQ / h > N.MaxFederPressung) {
                N.MaxFederPressung = dQ / h;
                N.zMaxFederPressung = z0;
            }
        }
    }
    if (art == zormc::kPunkt || art == zormc::kAuflager) Extrema(m);
}

void FeldZeilen(int i, Zustandstabelle& t) {
    const float zE = Zeilenwert(i, zormc::kTiefe), L = Zeilenwert(i, 3);
    const float zA = zE - L;
    const float QA = Zeilenwert(i - 1, zormc::kQ), QE = Zeilenwert(i, zormc::kQ);
    N.Zwischen1 = {99.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    N.Zwischen2 = {99.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    bool satz1 = false, satz2 = false;

    // a. Load jump between two fields.
    if (ZeilenArt(i) == zormc::kFeld && ZeilenArt(i - 1) == zormc::kFeld &&
        std::fabs(Zeilenwert(i, 5) - (Zeilenwert(i - 1, 5) + Zeilenwert(i - 1, 6))) > 0.01f) {
        Zeile(t, Tabellenzeile::Lastsprung, {zA, Zeilenwert(i, 5), 0.0f, 0.0f, 0.0f});
        Druck(Zeilenwert(i, 5));
    }
    // b. Level of the support installed after this excavation: the deflection there is kept.
    if (P.ZNextAnker != 0.0f && P.ZNextAnker != 99.0f && zA < P.ZNextAnker && P.ZNextAnker <= zE) {
        Auswerten(i, P.ZNextAnker - zA, N.Zwischen1, zA);
        satz1 = true;
        for (int k = 1; k <= P.AnzAnkerGesamt && k <= 13; ++k)
            if (P.ZAuflager[k] == P.ZNextAnker) {
                St.AuflagerSenkung[k] = N.Zwischen1[2];
                St.AuflagerSenkungZ[k] = P.ZNextAnker;
            }
    }
    // c. Zero shear inside the field.
    if (QA * QE < 0.0f) {
        float a = L != 0.0f ? Zeilenwert(i, 6) * 0.5f / L : 0.0f;
        float b = Zeilenwert(i, 5);
        float c = -QA;
        if (!(std::fabs(a) < 0.001f && b == 0.0f)) {
            float x1 = 0.0f, x2 = 0.0f;
            QuadGleichung(a, b, c, x1, x2);
            const float x = x1 * (x1 - L) <= 0.0f ? x1 : x2;
            if (x >= 0.0f && x <= L) {
                Auswerten(i, x, N.Zwischen2, zA);
                satz2 = true;
                Extrema(N.Zwischen2[3]);
                Druck(N.Zwischen2[1]);
            }
        }
    }
    // d. In depth order.
    if (satz1 && N.Zwischen1[0] <= N.Zwischen2[0]) {
        NaechsteStuetzung(t);
        if (satz2) NullQuerkraft(t);
    } else if (satz2) {
        NullQuerkraft(t);
        if (satz1) NaechsteStuetzung(t);
    }
    // e. Excavation level.
    if (N.AushubkoteGedruckt == 0 && std::fabs(zE - P.zAush) < 0.006f) Aushubkote(t);
    // f. End of the field, unless an extra row stands exactly there.
    if (zE != N.Zwischen1[0] && zE != N.Zwischen2[0]) {
        const float h = Zeilenwert(i, 5) + Zeilenwert(i, 6);
        Extrema(Zeilenwert(i, zormc::kM));
        Druck(h);
        Zeile(t, Tabellenzeile::Feldende,
              {zE, h, Zeilenwert(i, zormc::kW), Zeilenwert(i, zormc::kM), Zeilenwert(i, zormc::kQ)});
    }
}

} // namespace

void SteifigkeitMalVektor(const std::array<std::array<double, 5>, 5>& A, const std::array<double, 5>& v,
                          std::array<double, 5>& r) {
    for (int i = 1; i <= 4; ++i) {
        double s = 0.0;
        for (int j = 1; j <= 4; ++j)
            s += A[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] * v[static_cast<std::size_t>(j)];
        r[static_cast<std::size_t>(i)] = s;
    }
}

void ElementKraefte() {
    const int i = N.ElementNr;
    const float x = N.ElementFaktor;
    const float ei = Zeilenwert(i, 4);
    const float q0 = Zeilenwert(i, 5);
    const float laenge = Zeilenwert(i, 3);
    const float dq = laenge != 0.0f ? x * Zeilenwert(i, 6) / laenge : 0.0f;
    N.ElementBettung = q0;
    N.ElementWertEI = dq;

    auto& A = N.ElementMatrix;
    for (auto& zeile : A)
        zeile.fill(0.0);
    for (int k = 1; k <= 4; ++k)
        A[static_cast<std::size_t>(k)][static_cast<std::size_t>(k)] = 1.0;
    const float eiSicher = ei != 0.0f ? ei : 1.0f; // a field always has a stiffness; guard only
    A[1][2] = x;
    A[3][4] = x;
    A[2][3] = -x / eiSicher;
    const float x2 = -x * x / (2.0f * eiSicher);
    A[1][3] = x2;
    A[2][4] = x2;
    A[1][4] = -x * x * x / (6.0f * eiSicher);

    const float s = x * x * x / (2.0f * eiSicher);
    N.TMVektor[1] = q0 * s * x / 12.0f + dq * s * x / 60.0f;
    N.TMVektor[2] = q0 * s / 3.0f + dq * s / 12.0f;
    N.TMVektor[3] = -q0 * x * x / 2.0f - dq * x * x / 6.0f;
    N.TMVektor[4] = -q0 * x - dq * x / 2.0f;

    SteifigkeitMalVektor(A, N.TMVektor2, N.Zustand);
    for (int k = 1; k <= 4; ++k)
        N.Zustand[static_cast<std::size_t>(k)] += N.TMVektor[static_cast<std::size_t>(k)];
}

void QuadGleichung(float& a, float& b, float& c, float& x1, float& x2) {
    if (std::fabs(a) >= 0.001f) {
        const float p = b / a / 2.0f;
        float r = p * p - c / a;
        if (r < 0.0f) r = 0.0f; // rounding at a double root
        x1 = -p + std::sqrt(r);
        x2 = -p - std::sqrt(r);
    } else {
        x1 = b != 0.0f ? -c / b : 0.0f;
        x2 = x1;
    }
}

void KotenRaster() {
    auto& k = N.KotenListe;
    k.assign(1, 0.0f);
    k.push_back(0.0f); // point 1
    const int zeilen = LetzteZeile();
    for (int i = 1; i <= zeilen; ++i) {
        const float z = Zeilenwert(i, zormc::kTiefe);
        if (z > 0.0f && z - 0.0001f != k[k.size() - 2]) {
            k.push_back(z - 0.0001f);
            k.push_back(z + 0.0001f);
        }
    }
    for (std::size_t j = 1; j < k.size(); ++j)
        if (k[j] > zormcom::Lauf.zFuss) k[j] = zormcom::Lauf.zFuss;
    for (int i = 1; i <= zeilen; ++i) {
        if (ZeilenArt(i) != zormc::kFeld) continue;
        const float L = Zeilenwert(i, 3);
        int m = static_cast<int>(vb::CInt(L / 0.1f));
        if (m < 2) m = 2;
        const float dx = L / static_cast<float>(m);
        if (dx > 0.01f)
            for (int j = 1; j <= m - 1; ++j)
                k.push_back(Zeilenwert(i - 1, zormc::kTiefe) + static_cast<float>(j) * dx);
    }
    N.AnzKoten = static_cast<int16_t>(k.size() - 1);
}

void AnkerkraftZuordnen(float& F, float& z) {
    for (int k = 1; k <= P.AnzAnkerGesamt && k <= kMaxAnkerSlots; ++k) {
        if (std::fabs(P.ZAuflager[k] - z) < 0.005f && z < P.zAush) {
            const float neigung = P.AnkerNeigungGrad[k] * P.GradZuRad;
            N.AnkerAh[k] = F;
            N.AnkerAv[k] = F * std::tan(neigung);
            N.SummeAnkerAh += N.AnkerAh[k];
            N.SummeAnkerAv += N.AnkerAv[k];
            return;
        }
    }
}

Zustandstabelle ZustandsgroessenBerechnen() {
    N.SummeAnkerAh = N.SummeAnkerAv = N.SummeNegKraefte = N.FelslagerKraft = 0.0f;
    N.NegAuflagerFlag = 0;
    N.MaxFederPressung = N.zMaxFederPressung = 0.0f;
    N.FederZOben = N.FederZUnten = 0.0f;
    N.AushubkoteGedruckt = 0;
    N.TMVektor2.fill(0.0);

    Zustandstabelle t;
    const int zeilen = LetzteZeile();
    for (int i = 1; i <= zeilen; ++i) {
        auto& zeile = St.ErgebnisTabelle[static_cast<std::size_t>(i)];
        if (std::fabs(zeile[zormc::kQ]) < 0.01f) zeile[zormc::kQ] = 0.0f;
        if (std::fabs(zeile[zormc::kM]) < 0.01f) zeile[zormc::kM] = 0.0f;
    }
    for (int i = 1; i <= zeilen; ++i) {
        const int art = ZeilenArt(i);
        if (art == zormc::kEnde) {
            if (N.zEndeStatik == 0.0f && Zeilenwert(i - 1, 7) == 0.0f)
                N.zEndeStatik = Zeilenwert(i, zormc::kTiefe);
            break;
        }
        if (art == zormc::kKopf)
            KopfZeile(i, t);
        else if (art == zormc::kPunkt || art == zormc::kAuflager || art == zormc::kGelenk)
            KraftZeile(i, art, t);
        else
            FeldZeilen(i, t);

        const float z = Zeilenwert(i, zormc::kTiefe), q = Zeilenwert(i, zormc::kQ);
        if (N.AushubkoteGedruckt == 0 && std::fabs(z - P.zAush) < 0.002f) Aushubkote(t);
        N.MinQuerkraft = Kleiner(N.MinQuerkraft, q);
        N.QuerkraftReduziert = 0;
        if (z > P.zAush && q > 0.0f && St.BettungStufe == 0) {
            N.MaxQuerkraft = Groesser(N.MaxQuerkraft, (1.0f - 0.5f * St.EinspErg / 100.0f) * q);
            N.QuerkraftReduziert = 1;
        } else {
            N.MaxQuerkraft = Groesser(N.MaxQuerkraft, q);
        }
        for (int k = 1; k <= 4; ++k)
            N.TMVektor2[static_cast<std::size_t>(k)] = Zeilenwert(i, 8 + k);
    }
    return t;
}

void ZustandsgroessenDrucken(const Zustandstabelle& t) {
    Ueberschrift();
    for (const Tabellenzeile& r : t.Zeilen) {
        const auto& w = r.w;
        const char* vorzeichen = r.plus ? "+" : "-";
        switch (r.art) {
        case Tabellenzeile::Kopf:
            zorma::Drucken(Einzug(), ZahlText(w[0], 5, 2), ZahlText(w[1], 10, 2), ZahlText(w[2], 10, 2),
                           ZahlText(w[3], 10, 2), ZahlText(w[4], 10, 2));
            if (r.zusatz != 0) zorma::Drucken(ZahlText(w[4], 10, 2), " Auflag.", vorzeichen);
            zorma::ZeileBeenden();
            break;
        case Tabellenzeile::Kraft:
            zorma::Drucken(Einzug(), ZahlText(w[0], 35, 2), ZahlText(w[1], 10, 2), ZahlText(w[2], 10, 2));
            switch (r.zusatz) {
            case Tabellenzeile::kGelenk:
                zorma::ZeileDrucken(" (M-Gelenk)");
                zorma::ZeileDrucken(zorma::Spalte(67), "(Koppelkraft)");
                break;
            case Tabellenzeile::kAuflager:
                zorma::ZeileDrucken(" Auflag. ", vorzeichen);
                break;
            case Tabellenzeile::kErdlager:
                zorma::ZeileDrucken(" Erdlag. ", vorzeichen);
                break;
            case Tabellenzeile::kFeder:
                zorma::ZeileDrucken(ZahlText(1000.0f * w[3], 9, 0));
                break;
            default:
                zorma::ZeileBeenden();
                break;
            }
            break;
        case Tabellenzeile::Lastsprung:
            zorma::ZeileDrucken(Einzug(), ZahlText(w[0], 5, 2), ZahlText(w[1], 10, 2));
            break;
        case Tabellenzeile::Zwischen1:
            ZwischenZeile(w, true);
            break;
        case Tabellenzeile::Zwischen2:
            ZwischenZeile(w, false);
            break;
        case Tabellenzeile::Aushubkote:
            zorma::ZeileDrucken(Einzug(), ZahlText(w[0], 5, 2), "  Aushubkote");
            break;
        case Tabellenzeile::Feldende:
            zorma::ZeileDrucken(Einzug(), ZahlText(w[0], 5, 2), ZahlText(w[1], 10, 2), ZahlText(w[2], 10, 2),
                                ZahlText(w[3], 10, 2), ZahlText(w[4], 10, 2));
            break;
        }
    }
}

Fusszeile FussZeileBerechnen() {
    // The last row before the end of the beam.
    const int ende = LetzteZeile();
    const int letzte = ende >= 1 && ZeilenArt(ende) == zormc::kEnde ? ende - 1 : ende;
    Fusszeile f;
    f.Q = letzte >= 1 ? Zeilenwert(letzte, zormc::kQ) : 0.0f;
    f.M = letzte >= 1 ? Zeilenwert(letzte, zormc::kM) : 0.0f;
    f.Zeile = std::floor(100.0f * f.Q) != 0.0f;
    if (f.Zeile && P.Wandfuss == 3) N.FelslagerKraft = -f.Q;
    if (f.Zeile && P.Wandfuss == 2 && f.Q < 0.0f) St.DeltaT = 0.0f;
    return f;
}

void FussZeileDrucken(const Fusszeile& f) {
    const float QF = f.Q, MF = f.M;
    const bool fussZeile = f.Zeile;
    if (fussZeile) {
        zorma::Drucken(Einzug(), ZahlText(MF, 35, 2), ZahlText(QF, 10, 2), ZahlText(-QF, 10, 2));
        if (P.Wandfuss == 4) {
            zorma::ZeileDrucken(" Kraft C -");
        } else if (P.Wandfuss == 3) {
            zorma::ZeileDrucken(" Felslag.", QF <= 0.0f ? "+" : "-");
        } else if (P.Wandfuss == 2 && QF < 0.0f) {
            zorma::ZeileDrucken(" Felslag.");
            zorma::ZeileDrucken("         *** Einbindetiefe verlängern!");
            zorma::ZeileDrucken(Einzug(), "Das Gleichgewicht ist nicht erfüllt. Felslager = Ausweg.");
        } else {
            zorma::ZeileDrucken(" Kraft C ", QF <= 0.0f ? "+" : "-");
        }
    }
    if (fussZeile && St.CKraftDt > 0.01f) {
        const float g = P.GradZuRad != 0.0f ? P.GradZuRad : 1.0f;
        zorma::Leerzeilen();
        zorma::ZeileDrucken(Einzug(), "Rammtiefenzuschlag für C-Kraft (Spundwand-Handbuch, S. 105):");
        zorma::ZeileDrucken(Einzug(), " phiC = ", ZahlText(St.CKraftPhi / g, 5, 2),
                            "°; deltaC = ", ZahlText(St.CKraftDelta / g, 5, 2),
                            "°; kpghC = ", ZahlText(St.CKraftKp, 5, 2), ";  ev. Cohäsion ber.");
        zorma::ZeileDrucken(Einzug(), " sigmaC = ", ZahlText(St.CKraftSigV, 5, 2),
                            " kN/m2 Vertikalspannung erdseitig am Wandfuß");
        if (P.TeilsicherheitenAn == 0) {
            zorma::ZeileDrucken(Einzug(), " eta = ", ZahlText(St.CKraftEtap, 5, 2), " Sicherheit");
            zorma::Drucken(Einzug(), " dt = Abs(C) * eta / (2 * sigmaC * kpghC * cos(deltaC)) = ");
        } else {
            zorma::ZeileDrucken(Einzug(), " gamRe = ", ZahlText(St.CKraftEtap, 5, 2),
                                " Teilsicherheit Erdwiderstand");
            zorma::ZeileDrucken(Einzug(), " C(d), alles andere hier bei dt sind (k)-Werte");
            zorma::Drucken(Einzug(), " dt = Abs(C) * gamRe / (2 * sigmaC * kpghC * cos(deltaC)) = ");
        }
        zorma::ZeileDrucken(ZahlText(St.CKraftDt, 5, 2), " m");
        zorma::ZeileDrucken(Einzug(), " maßgeb. Rammtiefenzuschlag s. unten: erf. Einbindetiefe.");
        zorma::Leerzeilen();
    }

    zorma::Leerzeilen();
    if (N.NegAuflagerFlag != 0) {
        zorma::ZeileDrucken("         *** Negative Auflagerkraft zulässig ?  Bitte überprüfen.");
        zorma::Leerzeilen();
    }
    if (N.MaxFederPressung != 0.0f) {
        zorma::ZeileDrucken(Einzug(),
                            "Max horiz. Pressung Bodenfeder = ", vb::Format(N.MaxFederPressung, "#.0"),
                            " kN/m2 bei Kote ", vb::Format(N.zMaxFederPressung, "#.00"), " m");
        zorma::Leerzeilen();
    }
}

Bettungstabelle BettungsTabelleLesen() {
    Bettungstabelle t;
    if (St.BettungReduziert == 0) return t;
    t.Da = true;
    {
        vb::FileGuard d("ZORBETTU", vb::OpenMode::Input);
        vb::Input(d.nr(), zormcom::Lauf.zFuss);
        while (!vb::Eof(d.nr())) {
            std::array<float, 3> r{};
            vb::Input(d.nr(), r[0], r[1], r[2]);
            if (t.Zeilen.size() > 250)
                throw zor::CalcAbort("Die Bettungsdatei \"ZORBETTU\" hat mehr als 250 Zeilen; die Berechnung "
                                     "wird abgebrochen.");
            t.Zeilen.push_back(r);
            if (r[1] - r[2] > 0.01f) t.Letzte = static_cast<int>(t.Zeilen.size() - 1);
        }
    }
    t.zFuss = zormcom::Lauf.zFuss;
    N.AnzBettung = static_cast<int16_t>(t.Zeilen.size() - 1);
    St.BettungReduziert = 0;
    return t;
}

void BettungsTabelleDrucken(const Bettungstabelle& t) {
    if (!t.Da) return;
    const int n = static_cast<int>(t.Zeilen.size() - 1);
    const int letzte = t.Letzte;

    zorma::Leerzeilen();
    if (P.EtaBettung != 0) {
        zorma::ZeileDrucken(Einzug(), "Auf Wunsch des Anwenders wurde der Erdwiderstand durch den");
        zorma::ZeileDrucken(Einzug(), "Sicherheitsbeiwert dividiert (siehe oben: Hinweise zur Bettung).");
        zorma::Leerzeilen();
    }
    zorma::ZeileDrucken(Einzug(), "Kote      Tiefe   BETTUNGSZIFFERN MN/m3     (s. auch Grafik");
    zorma::ZeileDrucken(Einzug(), "  z   (m)    t    eingegeben  reduziert     (Wandbelastung)");
    zorma::ZeileDrucken(Einzug(), "---------------------------------------     ***************");
    for (int i = 1; i <= letzte + 1 && i <= n; ++i) {
        const auto& r = t.Zeilen[static_cast<std::size_t>(i)];
        zorma::Drucken(Einzug(), ZahlText(r[0], 5, 2), ZahlText(r[0] - zormc::St.HUmlagerung, 10, 2),
                       ZahlText(r[1], 10, 2), ZahlText(r[2], 10, 2));
        if (r[1] - r[2] > 0.005f) zorma::Drucken("  *");
        zorma::ZeileBeenden();
        if (r[0] > t.zFuss - 0.001f) break; // the foot is reached
        if (i == letzte + 1) {
            zorma::Leerzeilen();
            zorma::ZeileDrucken(Einzug(), "Ab hier: keine Reduktion der eingegebenen Bettung erforderlich.");
            zorma::ZeileDrucken(Einzug(),
                                "Die Reduzier-Liste sollte möglichst kurz ausfallen; bei langer Liste");
            zorma::ZeileDrucken(Einzug(), "wird empfohlen, bereichsweise eine kleinere Bettung vorzugeben.");
            break;
        }
    }
    zorma::Leerzeilen();
}

} // namespace zormd
