// One pass of the statics of a stage: the foot search around the iterations, the loads of a trial
// foot level, the passive resistance, the solution and the files written on the way.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "earthpressure/coefficients.h"
#include "earthpressure/curved_passive.h"
#include "earthpressure/diagrams.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/handover_b.h"
#include "earthpressure/report_file.h"
#include "earthpressure/soil_pressure.h"
#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/run_status.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "statics/beam_nodes.h"
#include "statics/beam_solver.h"
#include "statics/redistribution.h"
#include "statics/soldier_piles.h"
#include "statics/stage.h"
#include "statics/state.h"
#include "statics/vertical_stress.h"

using zorm1::P;
using Datei = vb::FileGuard;

namespace zormc {

namespace {

using Liste = zor::Ordinatenliste;

float Flaeche(const Liste& l, float z) {
    float a = 0.0f, y = 0.0f;
    Integrieren(l, z, a, y);
    return a;
}

void Hinweis(const std::string& s) {
    St.Hinweise.push_back(s);
}

// A depth in a notice: two decimals with the report's separator.
std::string Zahl2(float v) {
    return zorma::HinweisZahl(v, 2);
}

Liste NullListe(std::initializer_list<float> tiefen) {
    Liste l;
    for (float z : tiefen) {
        ++l.n;
        l.z[l.n] = z;
        l.e[l.n] = 0.0f;
    }
    return l;
}

// A on the common depths of A and B (summieren 0) or A + B (1).
Liste Verbinden(const Liste& A, const Liste& B, int16_t summieren) {
    if (A.n == 0) return B;
    if (B.n == 0) return A;
    Liste b = B, r;
    zormcom::DiagrammAddieren(A, b, r, summieren);
    return r;
}

void Anhaengen(Liste& l, float z, float e) {
    if (l.n >= zor::kMaxOrdinaten)
        throw zor::CalcAbort("Ein Lastbild der Statik braucht mehr als 250 Punkte. Die Berechnung wird "
                             "abgebrochen.");
    ++l.n;
    l.z[l.n] = z;
    l.e[l.n] = e;
}

// Inserts (z0, 0) at every change of sign and sets ordinates below 0.001 in magnitude to 0; repeated
// until no point is added, bounded by the capacity of the list.
void NullstellenEinfuegen(Liste& l) {
    for (int runde = 0; runde <= zor::kMaxOrdinaten; ++runde) {
        bool neu = false;
        for (int i = 2; i <= l.n; ++i) {
            if (l.e[i - 1] * l.e[i] < 0.0f) {
                if (l.n >= zor::kMaxOrdinaten) break;
                const float z0 = l.z[i - 1] - (l.z[i] - l.z[i - 1]) * l.e[i - 1] / (l.e[i] - l.e[i - 1]);
                for (int k = l.n; k >= i; --k) {
                    l.z[k + 1] = l.z[k];
                    l.e[k + 1] = l.e[k];
                }
                l.z[i] = z0;
                l.e[i] = 0.0f;
                ++l.n;
                neu = true;
                ++i;
            }
        }
        for (int i = 1; i <= l.n; ++i)
            if (std::fabs(l.e[i]) < 0.001f) l.e[i] = 0.0f;
        if (!neu) return;
    }
}

// Inserts the depth z (value interpolated) when no point lies within 0.001 m.
void TiefeEinfuegen(Liste& l, float z) {
    if (l.n < 2 || z <= l.z[1] || z >= l.z[l.n]) return;
    for (int i = 1; i <= l.n; ++i)
        if (std::fabs(l.z[i] - z) < 0.001f) return;
    float e = 0.0f;
    Interpolieren(l, z, e);
    int k = 1;
    while (k <= l.n && l.z[k] < z)
        ++k;
    if (l.n >= zor::kMaxOrdinaten) return;
    for (int j = l.n; j >= k; --j) {
        l.z[j + 1] = l.z[j];
        l.e[j + 1] = l.e[j];
    }
    l.z[k] = z;
    l.e[k] = e;
    ++l.n;
}

float Tan(float w) {
    return static_cast<float>(std::tan(static_cast<double>(w)));
}

int16_t Schicht(int i, const Liste& l) {
    const int16_t j = zormb::SchichtVonPunkt(static_cast<int16_t>(i), l.z);
    return static_cast<int16_t>(std::clamp<int>(j, 1, 100));
}

bool IstPlus20(int f) {
    return f > 20;
}

// ---- "ZORZ3"
void Z3Lesen() {
    Datei d("ZORZ3", vb::OpenMode::Input);
    int16_t n = 0;
    vb::Input(d.nr(), n);
    if (n < 0 || n > zor::kMaxOrdinaten)
        throw zor::CalcAbort("Die Datei ZORZ3 enthält " + std::to_string(n) +
                             " Punkte (höchstens 250). Die Berechnung wird abgebrochen.");
    St.Eah.n = n;
    for (int i = 1; i <= n; ++i)
        vb::Input(d.nr(), St.Eah.e[i], St.Eah.z[i]);
}

// ---- the redistribution figures
void Figur(int f) {
    switch (f % 20) {
    case 1:
        UmlagerungAnkerlagen();
        break;
    case 2:
        UmlagerungRechteck();
        break;
    case 4:
        UmlagerungTrapez();
        break;
    case 5:
        UmlagerungBlock();
        break;
    case 7:
        UmlagerungBauweise();
        break;
    case 8:
        UmlagerungEAB();
        break;
    default:
        break;
    }
}

// Step 5.3: redistribution before the superposition.
void UmlagerungVorher() {
    const int fig = P.UmFigur, zeit = zormcom::Lauf.UmZeitAkt;
    const float zA = P.zAush, zF = zormcom::Lauf.zFuss;
    float H = (zeit == 1 || zeit == 2) ? zF : zA;
    if (fig % 20 == 7 || fig % 20 == 8) H = zA;
    if (fig == 0 || fig == 20) return;
    if (fig % 20 == 6) {
        UmlagerungEigeneFigur(static_cast<int16_t>(fig));
        return;
    }
    const Liste& kopie = zormb::B.BegrLastKopie;
    // The kept part below the excavation level, every point of it: its first point at zAush makes the
    // jump from the figure to the earth pressure there, and its double points keep the jumps at layer
    // boundaries. The figure ends at zAush, so the depths stay in order.
    auto unten = [&]() {
        for (int i = 1; i <= St.SigmaV.n; ++i)
            Anhaengen(St.Lastbild, St.SigmaV.z[i], St.SigmaV.e[i]);
    };
    if (fig % 20 == 7 || fig % 20 == 8) {
        LastUnterSohle();
        float E = St.LastResultierendeOben;
        if (IstPlus20(fig)) E -= Flaeche(kopie, zA);
        St.LastResultierendeOben = E;
        St.UmlagerungsTiefe = zA;
        St.Lastbild.z[1] = 0.0f;
        St.Lastbild.e[1] = 0.0f;
        Figur(fig);
        unten();
        if (IstPlus20(fig)) ZusatzlastAddieren();
        return;
    }
    const int g = fig % 20;
    if (g != 1 && g != 2 && g != 4 && g != 5) return;
    float E = 0.0f;
    if (zeit == 3 || zeit == 4) {
        LastUnterSohle();
        E = St.LastResultierendeOben;
    } else {
        E = Flaeche(St.Lastbild, H);
    }
    if (IstPlus20(fig)) E -= Flaeche(kopie, H);
    St.LastResultierendeOben = E;
    St.UmlagerungsTiefe = H;
    St.Lastbild.z[1] = 0.0f;
    St.Lastbild.e[1] = 0.0f;
    Figur(fig);
    if (zeit == 3 || zeit == 4) unten();
    if (IstPlus20(fig)) {
        if (zeit == 1 || zeit == 2) {
            Liste k = kopie;
            KurveKappen(k, zF);
            St.Lastbild = Verbinden(k, St.Lastbild, 1);
        } else {
            ZusatzlastAddieren();
        }
    }
}

// Step 6: net diagram of the superposition, load zero point, HUmlagerung, new load diagram.
void Nettobild() {
    Liste& W = St.Wasserbild;
    const float zF = zormcom::Lauf.zFuss;
    KopfpunkteBereinigen(W);
    NullstellenEinfuegen(W);
    St.ZRuhedruckFuss = zF;
    if (W.n >= 2 && W.e[W.n] < 0.0f) {
        for (int i = W.n; i >= 2; --i) {
            if (W.e[i - 1] * W.e[i] <= 0.0f) {
                const float d = W.e[i] - W.e[i - 1];
                St.ZRuhedruckFuss =
                    (d != 0.0f) ? W.z[i - 1] - (W.z[i] - W.z[i - 1]) * W.e[i - 1] / d : W.z[i - 1];
                break;
            }
        }
    }
    St.HUmlagerung = std::max(St.ZRuhedruckFuss, P.zAush);
    bool marke = false;
    if ((P.Wandfuss == 2 || P.Wandfuss == 3) && St.HUmlagerung >= zF) {
        St.HUmlagerung = zF - 0.005f;
        marke = true;
    }
    St.Lastbild = Verbinden(W, NullListe({0.0f, St.HUmlagerung, zF}), 0);
    if (marke) {
        for (int i = 1; i <= St.Lastbild.n; ++i) {
            if (St.Lastbild.z[i] == St.HUmlagerung) St.Lastbild.e[i] = 0.0f;
            if (St.Lastbild.z[i] == zF) St.Lastbild.e[i] = -0.1f;
        }
    }
    W = St.Lastbild;
}

// Step 7: load (positive part) and resistance (negative part).
void Aufteilen() {
    Liste& eph = zormcom::Lauf.Eph;
    St.Wasserbild = Verbinden(St.Wasserbild, NullListe({0.0f, zormcom::Lauf.zFuss}), 0);
    eph = St.Wasserbild;
    for (int i = 1; i <= eph.n; ++i)
        if (eph.e[i] > -0.001f) eph.e[i] = 0.0f;
    for (int i = 1; i <= St.Lastbild.n; ++i)
        if (St.Lastbild.e[i] < 0.001f) St.Lastbild.e[i] = 0.0f;
}

// Soldier-pile earth resistance of the trial foot (steps 10-13 of the passive resistance).
void PfahlWiderstand() {
    ErdwiderstandTBW();
    if (P.StBH != 0.0f && St.ERefGesetzt == 1 && St.ERef != 0.0f) {
        const float A =
            -Flaeche(zormcom::Lauf.Eph, zormcom::Lauf.zFuss) / (P.EtaAnpass != 0.0f ? P.EtaAnpass : 1.0f);
        const float k = std::fabs(A) / St.ERef;
        St.EpTBW *= k;
        St.EphTBW *= k;
        St.EpvTBW *= k;
    }
    if (P.TeilsicherheitenAn != 0) {
        St.EpTBW *= 0.8f;
        St.EphTBW *= 0.8f;
        St.EpvTBW *= 0.8f;
    }
    float eta = P.Etap;
    if (P.TeilsicherheitenAn == 0)
        eta = zormcom::Vorgaben.Etap2 > 0.0f ? zormcom::Vorgaben.Etap2
                                             : (P.Etap > 0.0f ? 2.0f * P.Etap / 1.5f : 1.0f);
    St.EphPfahl = eta > 0.0f ? St.EpTBW / eta : St.EpTBW;
    St.EWidh = St.EpTBW;
}

// Step 8: embedment, passive resistance, lowering of the foot, earth-support point.
// Returns true when the foot was lowered (the iteration is built again from step 3).
bool Einbindung() {
    const float t = zormcom::Lauf.zFuss - St.HUmlagerung;
    St.EinbindeTiefe = t;
    St.Eph = -Flaeche(zormcom::Lauf.Eph, zormcom::Lauf.zFuss);
    if ((St.WandfussEingabe == 1 || St.ErdauflagerModus == 1) && St.Eph <= 1.0f) {
        if (zormcom::Lauf.zFuss + 0.2f < 99.0f) {
            zormcom::Lauf.zFuss += 0.2f;
            return true;
        }
        St.FussUntenBegrenzt = 1;
        if (St.KeineKonvergenz != 20000)
            Hinweis("*** Lastfall " + std::to_string(P.LFNr) + ", Aushub " + std::to_string(P.AushNr) +
                    ": kein Erdwiderstand bis " + Zahl2(zormcom::Lauf.zFuss) +
                    " m; die Fußtiefe wird nicht weiter vergrößert.");
        St.KeineKonvergenz = 20000;
    }
    if (P.Wandart == 1) PfahlWiderstand();
    if (t > 0.0f) {
        float R = 0.0f, zS = 0.0f;
        ResultierendeSchwerpunkt(zormcom::Lauf.Eph, 0.0f, zormcom::Lauf.zFuss, R, zS);
        float v = (zS - St.HUmlagerung) * (0.6f / 0.6667f) / t;
        v = std::max(v, 0.5f);
        St.ZErdauflager = St.HUmlagerung + t * v;
    } else {
        St.ZErdauflager = St.HUmlagerung;
    }
    return false;
}

// Soldier-pile scaling of the passive list (step 14).
void PfahlSkalieren() {
    Liste& eph = zormcom::Lauf.Eph;
    if (eph.n >= 1) eph.z[eph.n] = zormcom::Lauf.zFuss;
    if (St.Eph != 0.0f) St.EpFaktor = std::min(St.EphPfahl / St.Eph, 1.0f);
    for (int i = 1; i <= eph.n; ++i)
        eph.e[i] *= St.EpFaktor;
}

// The deepest support in force of the stage (m; 0 without one).
float TiefsteStuetze() {
    float z = 0.0f;
    for (int i = 1; i <= P.AnzAnker && i <= 8; ++i)
        z = std::max(z, P.ZAnker[i]);
    return z;
}

void Randbedingungen() {
    int16_t a = 3, b = 4;
    switch (P.WandKopf) {
    case 2:
        a = 3, b = 1;
        break;
    case 3:
        a = 1, b = 2;
        break;
    case 4:
        a = 4, b = 2;
        break;
    default:
        break;
    }
    int16_t f1 = 3, f2 = 4;
    if (P.Wandfuss == 3) f1 = 3, f2 = 1;
    if (P.Wandfuss == 4) f1 = 2, f2 = 1;
    if (St.GelenkFussModus == 1 && (St.WandfussEingabe == 1 || St.WandfussEingabe == 2)) f1 = 3, f2 = 1;
    // A support at the foot holds its deflection: the foot keeps its other condition and passes the shear
    // to the support (the node builder joins the two nodes; w held twice leaves nothing to solve).
    if (f2 == 1 && TiefsteStuetze() > zormcom::Lauf.zFuss - 0.001f) f2 = 4;
    St.KopfUnbekannte = {0, a, b};
    St.FussBedingung = {0, f1, f2};
}

// ---- loads after the superposition
void UmlagerungNachher(bool wiederholt) {
    const int fig = P.UmFigur;
    const float zF = zormcom::Lauf.zFuss;
    float E = St.LastResultierendeOben;
    const bool zeit0 = zormcom::Lauf.UmZeitAkt == 0;
    // The figure below spreads E over the depth down to the load zero point and leaves nothing beneath
    // it, so E is the load down to that point: the superposed load between the excavation level and
    // the load zero point is redistributed, not dropped. A soldier-pile wall is not superposed; its
    // depth is the excavation level.
    const float tiefe = P.Wandart == 1 ? St.UmlagerungsTiefe : std::max(St.UmlagerungsTiefe, St.HUmlagerung);
    if (zeit0 && !wiederholt) {
        if (P.Wandart == 1) {
            E = St.E0;
            const float f = P.EntlastFaktor;
            if (f > 0.0f && fig != 0) {
                St.AbgeschnUmlagern = f * St.AbgeschnDruck;
                if (St.E0 != 0.0f) {
                    const float k = (St.AbgeschnUmlagern + St.E0) / St.E0;
                    St.EahErd *= k;
                    St.EahErdV *= k;
                }
                E = St.AbgeschnUmlagern + St.E0;
                St.AbgeschnDruck *= 1.0f - f;
                St.AbgeschnDruckV *= 1.0f - f;
            }
        } else {
            E = Flaeche(St.Lastbild, tiefe);
        }
        if (IstPlus20(fig)) E -= Flaeche(zormb::B.BegrLastKopie, tiefe);
        St.LastResultierendeOben = E;
    }
    St.MFuss = 0.0f;
    Randbedingungen();
    const int g = fig % 20;
    if (zeit0 && P.Erddruckart == 1 && (g == 1 || g == 2 || g == 4 || g == 5) && fig != 0 &&
        St.AnzAuflagerKopf > 0) {
        const float H = St.HUmlagerung;
        St.UmlagerungsTiefe = H;
        if (St.Lastbild.n < 1) St.Lastbild.n = 1;
        St.Lastbild.z[1] = 0.0f;
        St.Lastbild.e[1] = 0.0f;
        Figur(fig);
        Anhaengen(St.Lastbild, H, 0.0f);
        if (zF > H) Anhaengen(St.Lastbild, zF, 0.0f);
        if (IstPlus20(fig)) {
            Liste k = zormb::B.BegrLastKopie;
            KurveKappen(k, H);
            Anhaengen(k, H, 0.0f);
            if (zF > H) Anhaengen(k, zF, 0.0f);
            St.Lastbild = Verbinden(k, St.Lastbild, 1);
        }
    }
}

void Zusatzspannungen(float zE) {
    if (P.AnzZusatzSpannung == 0) {
        St.EahZusatz = 0.0f;
        St.ZspSkala = 1.0f;
        St.ZspSkalaBSP = 1.0f;
        St.ZusSpannungV.clear();
        return;
    }
    const float gamG = P.gamG != 0.0f ? P.gamG : 1.0f;
    if (zormcom::Lauf.kzWasserenth != 0) {
        St.ZspSkala = P.kzWred != 0 ? P.gamWred : P.gamG;
        St.ZspSkalaBSP = St.ZspSkala * P.gamGBSP / gamG;
    } else {
        St.ZspSkala = P.gamQ;
        St.ZspSkalaBSP = P.gamQBSP;
    }
    const int n = std::min<int>(P.AnzZusatzSpannung, 15);
    St.ZusSpannungV.assign(static_cast<std::size_t>(n) + 3, 0.0f);
    Liste w;
    for (int j = 1; j <= n; ++j) {
        Anhaengen(w, P.ZusZ[j], St.ZspSkala * P.ZusSpannung[j]);
        // Vertical share in proportion to the earth pressure; none without earth pressure.
        St.ZusSpannungV[j] =
            (zormcom::Lauf.kzWasserenth != 0 || St.EahErd == 0.0f) ? 0.0f : St.EahErdV / St.EahErd * w.e[w.n];
    }
    St.EahZusatz = Flaeche(w, zE);
    KurveKappen(w, zormcom::Lauf.zFuss);
    if (w.n >= 1 && w.z[1] > 0.001f) {
        // The rows start below the head: the diagram is 0 above them.
        Liste v = NullListe({0.0f});
        Anhaengen(v, w.z[1], 0.0f);
        for (int i = 1; i <= w.n; ++i)
            Anhaengen(v, w.z[i], w.e[i]);
        w = v;
    }
    if (w.n >= 1 && w.z[w.n] < zormcom::Lauf.zFuss - 0.001f) Anhaengen(w, zormcom::Lauf.zFuss, w.e[w.n]);
    St.Lastbild = Verbinden(w, St.Lastbild, 1);
}

} // namespace

void StufendateienSchreiben() {
    auto& D = St.Dateien;
    if (D.eppGeaendert) {
        D.eppGeaendert = false;
        Datei d("ZOREPP.", vb::OpenMode::Output);
        vb::Write(d.nr(), D.eppFlag);
        vb::Write(d.nr(), D.eppAnzahl);
        for (const auto& r : D.eppZeilen)
            vb::Write(d.nr(), r[0], r[1], r[2], r[3]);
        d.Close();
    }
    if (D.ewidGeaendert) {
        D.ewidGeaendert = false;
        const Liste& ew = D.ewid;
        Datei d(D.ewidName.c_str(), vb::OpenMode::Output);
        const int16_t fn = d.nr();
        vb::Write(fn, static_cast<int16_t>(ew.n + 1));
        vb::Write(fn, 0.0f, 0.0f);
        vb::Write(fn, D.ewidH, int16_t{0});
        for (int i = 2; i <= ew.n; ++i)
            vb::Write(fn, ew.z[i], ew.e[i]);
        d.Close();
    }
    if (D.plotwGeaendert) {
        D.plotwGeaendert = false;
        const Liste& w = D.plotw;
        Datei d("zzzplotw", vb::OpenMode::Output);
        const int16_t f = d.nr();
        vb::Write(f, static_cast<int16_t>(w.n + 1));
        for (int i = 1; i <= w.n; ++i)
            vb::Write(f, w.z[i], w.e[i]);
        vb::Write(f, w.n >= 1 ? w.z[w.n] : 0.0f, int16_t{0});
        d.Close();
    }
}

namespace {

// The seepage state of the stage: "zorz10", read once by the stage's statics.
void SickerzustandLesen() {
    auto& D = St.Dateien;
    if (!D.aktiv || !D.sickerGelesen) {
        Datei d("zorz10", vb::OpenMode::Input);
        vb::Input(d.nr(), D.sickerGeaendert, D.sickerKonv, D.wasserwichteErd, D.wasserwichteLuft, D.gefaelleErd,
                  D.gefaelleLuft);
        D.sickerGelesen = D.aktiv;
    }
    zormb::B.SickerKonv = D.sickerKonv;
    St.WasserwichteErd = D.wasserwichteErd;
    St.WasserwichteLuft = D.wasserwichteLuft;
    zormb::B.GefaelleErd = D.gefaelleErd;
    zormb::B.GefaelleLuft = D.gefaelleLuft;
}

void PlotwSchreiben(const Liste& w) {
    St.Dateien.plotw = w;
    St.Dateien.plotwGeaendert = true;
    if (!St.Dateien.aktiv) StufendateienSchreiben();
}

void Wasserdruck(float zE) {
    SickerzustandLesen();
    Liste& W = St.Wasserbild;
    W.n = 2;
    W.z[2] = P.ZWasserErd;
    St.WasserNeigungUnten = St.WasserwichteErd;
    float d = zormcom::Lauf.DickeOhneWichte, s = 10.0f;
    WasserdruckBild(d, s);
    const Liste erd = W;
    W.n = 2;
    W.z[2] = P.ZWasserLuft;
    St.WasserNeigungUnten = -St.WasserwichteLuft;
    d = P.zAush;
    s = -10.0f;
    WasserdruckBild(d, s);
    Liste netz = Verbinden(W, erd, 1);
    const float gamG = P.gamG != 0.0f ? P.gamG : 1.0f;
    St.WasserFaktor = P.kzWred != 0 ? P.gamWred : P.gamG;
    if (St.WasserFaktor == 0.0f) St.WasserFaktor = 1.0f;
    St.WasserFaktorBSP = St.WasserFaktor * P.gamGBSP / gamG;
    for (int i = 1; i <= netz.n; ++i)
        netz.e[i] *= St.WasserFaktor;
    KurveKappen(netz, zormcom::Lauf.zFuss);
    St.WasserErd = netz;
    St.Wh = Flaeche(netz, zE);
    PlotwSchreiben(netz);
    St.Lastbild = Verbinden(netz, St.Lastbild, 1);
}

void SoldatenpfahlAbschneiden() {
    const float zA = P.zAush, zF = zormcom::Lauf.zFuss;
    const float Lb = Flaeche(St.Lastbild, zF) - Flaeche(St.Lastbild, zA);
    if (P.Erddruckart == 1)
        St.AbgeschnDruck += Lb;
    else if (P.Wandfuss != 4)
        St.AbgeschnDruck = Lb;
    Liste& lb = St.Lastbild;
    if (P.Erddruckart == 2 && P.UmFigur == 0) {
        int anz = 0, k = 0;
        for (int i = 1; i <= lb.n; ++i)
            if (lb.z[i] == zA) ++anz, k = i;
        if (anz == 0) {
            lb = Verbinden(lb, NullListe({0.0f, zA, zF}), 1);
        } else if (anz == 1 && lb.n < zor::kMaxOrdinaten) {
            for (int j = lb.n; j >= k; --j) {
                lb.z[j + 1] = lb.z[j];
                lb.e[j + 1] = lb.e[j];
            }
            ++lb.n;
        }
    }
    if (St.AbgeschnDruck != 0.0f) {
        int k = 0;
        for (int i = 1; i <= lb.n; ++i)
            if (lb.z[i] == zA) k = i;
        if (k == 0) {
            TiefeEinfuegen(lb, zA);
            for (int i = 1; i <= lb.n; ++i)
                if (lb.z[i] == zA) k = i;
        }
        if (k > 0 && lb.n < zor::kMaxOrdinaten) {
            for (int j = lb.n; j >= k; --j) {
                lb.z[j + 1] = lb.z[j];
                lb.e[j + 1] = lb.e[j];
            }
            ++lb.n;
            for (int j = k + 1; j <= lb.n; ++j)
                lb.e[j] = 0.0f;
        }
    }
}

// "ZOREwid." + DateiEndung and the earth-resistance list of the bedding check.
void ErdwiderstandDatei() {
    const Liste& eph = zormcom::Lauf.Eph;
    Liste& ew = St.Erdwiderstand;
    ew = Liste{};
    ew.n = 1;
    int start = 0;
    for (int i = eph.n; i >= 1; --i)
        if (eph.z[i] == St.HUmlagerung) {
            start = i;
            break;
        }
    if (start == 0) start = 1; // no point at HUmlagerung: the first point
    const float f = St.EpFaktor != 0.0f ? St.EpFaktor : 1.0f;
    for (int i = start; i <= eph.n && ew.n < zor::kMaxOrdinaten; ++i) {
        ++ew.n;
        ew.z[ew.n] = eph.z[i];
        ew.e[ew.n] = eph.e[i] / f;
    }
    for (int i = 1; i <= ew.n; ++i)
        if (ew.z[i] == zormcom::Lauf.zFuss) {
            ew.n = static_cast<int16_t>(i);
            break;
        }
    {
        auto& D = St.Dateien;
        std::string name = "ZOREwid." + zormcom::Lauf.DateiEndung;
        if (D.ewidGeaendert && name != D.ewidName) StufendateienSchreiben();
        D.ewidName = std::move(name);
        D.ewid = ew;
        D.ewidH = St.HUmlagerung;
        D.ewidGeaendert = true;
        if (!D.aktiv) StufendateienSchreiben();
    }
    // One more point for the bedding check, at the end of the lists (99).
    if (ew.n < zor::kMaxOrdinaten && ew.z[ew.n] < 99.0f) {
        ++ew.n;
        ew.z[ew.n] = 99.0f;
        ew.e[ew.n] = ew.e[ew.n - 1];
    }
}

void Loesen() {
    NullstellenEinfuegen(St.Lastbild);
    TiefeEinfuegen(St.Lastbild, P.zAush);
    DoppelpunkteEntfernen(St.BettFeder);
    KnotenAufbauen();
    KopfpunkteBereinigen(St.Lastbild);
    KopfpunkteBereinigen(St.Wasserbild);
    KopfpunkteBereinigen(St.Knoten);
    Durchlauftraeger(St.StatikStatus);
}

// ---- one iteration at zormcom::Lauf.zFuss; false when the solver stopped
bool Iteration() {
    const float zA = P.zAush;
    // 2. Pressure-change rows.
    const int n = std::min<int>(P.AnzErddruckFaktor, 15);
    if (n > 0) {
        P.EVerZ[n] = zormcom::Lauf.zFuss;
        Liste f;
        if (std::min(P.EVerZ[1], zormcom::Lauf.zFuss) > 0.001f) Anhaengen(f, 0.0f, P.EVerFaktor[1]);
        for (int i = 1; i <= n; ++i)
            Anhaengen(f, std::max(std::min(P.EVerZ[i], zormcom::Lauf.zFuss), f.n ? f.z[f.n] : 0.0f),
                      P.EVerFaktor[i]);
        Anhaengen(f, 99.0f, P.EVerFaktor[n]);
        Liste r = St.Eah, fr = f;
        Liste gemeinsam;
        zormcom::DiagrammAddieren(St.Eah, fr, gemeinsam, 0);
        St.ErddruckAenderung.assign(static_cast<std::size_t>(gemeinsam.n) + 1, {0, 0, 0});
        for (int i = 1; i <= gemeinsam.n; ++i) {
            const float e = gemeinsam.e[i];
            gemeinsam.e[i] = fr.e[i] * e;
            St.ErddruckAenderung[i] = {gemeinsam.z[i], e, gemeinsam.e[i]};
        }
        St.AnzErddruckAenderung = gemeinsam.n;
        St.ESumme = Verbinden(St.BegrLast, gemeinsam, 1);
        (void)r;
    }
    bool wiederholt = false;
    for (int umbau = 0;; ++umbau) {
        const float zF = zormcom::Lauf.zFuss;
        // 3. Earth-pressure sum by components.
        const Liste& es = St.ESumme;
        St.AnzGlfListe = es.n;
        St.EhListe.assign(static_cast<std::size_t>(es.n) + 11, 0.0f);
        St.EvListe = St.EhListe;
        St.EhListeZ = St.EhListe;
        St.ESummeKopie = es;
        for (int i = 1; i <= es.n; ++i) {
            const int j = Schicht(i, es);
            St.EhListeZ[i] = es.z[i];
            St.EhListe[i] = es.e[i];
            St.EvListe[i] = es.e[i] * Tan(P.SchichtDeltaA[j]);
            const float s = zormcom::Lauf.SchichtK0Anteil[j] + zormcom::Lauf.SchichtKaAnteil[j];
            St.ESummeKopie.e[i] = (P.Erddruckart == 1 && s != 0.0f) ? zormcom::Lauf.SchichtKaAnteil[j] / s *
                                                                          es.e[i] * Tan(P.SchichtDeltaA[j])
                                                                    : 0.0f;
        }
        St.E0 = Flaeche(es, zA);
        St.AbgeschnDruck = 0.0f;
        St.AbgeschnDruckV = 0.0f;
        St.AbgeschnUmlagern = 0.0f;
        if (P.Erddruckart == 2) LastbildAufbauen(St.Lastbild, St.ESumme, St.BegrLast);
        if (P.Wandart == 1 && P.Erddruckart == 1) {
            St.AbgeschnDruck = Flaeche(es, zF) - Flaeche(es, zA);
            St.AbgeschnDruckV = Flaeche(St.ESummeKopie, zF) - Flaeche(St.ESummeKopie, zA);
        }
        const float zE = P.Wandart == 1 ? zA : zF;
        St.EahErdV = Flaeche(St.ESummeKopie, zE);
        St.EahErd = Flaeche(es, zE);
        // 4. Passive resistance.
        ErdwiderstandIteration();
        // 5. Load diagram before the superposition.
        bool ueberlagert = false;
        if (P.Erddruckart != 2 && P.Wandart != 1) {
            St.Lastbild = St.ESumme;
            KurveKappen(St.Lastbild, zF);
            if (P.Wandtyp != 1 && P.Wandtyp != 5) {
                St.LastbildKopie = St.Lastbild;
                // The copy the verification stage plots, with its count.
                const int n = std::min<int>(St.Lastbild.n, static_cast<int>(St.LastbildKopieZ.size()) - 1);
                for (int i = 1; i <= n; ++i) {
                    St.LastbildKopieZ[i] = St.Lastbild.z[i];
                    St.LastbildKopieE[i] = St.Lastbild.e[i];
                }
                St.AnzAuflagerVersch = static_cast<int16_t>(n);
            }
            if (zormcom::Lauf.UmZeitAkt > 0 && St.AnzAuflagerKopf > 0) UmlagerungVorher();
            const int zeit = zormcom::Lauf.UmZeitAkt;
            if (zeit == 2 || zeit == 4) {
                St.Wasserbild = zormcom::Lauf.Eph;
            } else {
                St.Wasserbild = Verbinden(zormcom::Lauf.Eph, St.Lastbild, 1);
                ueberlagert = true;
            }
        } else {
            St.Wasserbild = zormcom::Lauf.Eph;
        }
        // 6. and 7.
        if (ueberlagert) Nettobild();
        Aufteilen();
        // 8. Embedment and earth support.
        if (Einbindung()) continue;
        // 9. Soldier-pile scaling; at-rest pressure with a fixed foot superposes once more.
        if (P.Wandart == 1) PfahlSkalieren();
        if (P.Erddruckart == 2 && P.Wandfuss == 4) {
            St.Wasserbild = Verbinden(St.Lastbild, zormcom::Lauf.Eph, 1);
            Nettobild();
            Aufteilen();
            if (Einbindung()) continue;
            wiederholt = true;
        }
        // Loads after the superposition.
        UmlagerungNachher(wiederholt);
        Zusatzspannungen(zE);
        Wasserdruck(zE);
        if (P.TeilsicherheitenAn != 0) {
            float AE = Flaeche(St.Eah, zE);
            if (AE == 0.0f) AE = 0.01f;
            const float AQ = Flaeche(St.BegrLast, zE);
            float g = 0.0f;
            MittlererTeilfaktor(AE, AQ, St.Wh, St.EahZusatz, zormb::B.gamEMisch, P.gamQ, St.WasserFaktor,
                                St.ZspSkala, zormb::B.gamEMischBSP, P.gamQBSP, St.WasserFaktorBSP,
                                St.ZspSkalaBSP, St.gamMittel, g);
            if (P.Bemessungssituation == 2) St.AnkerFaktor = MaxWert(St.AnkerFaktor, g);
        }
        if (P.Wandart == 1) SoldatenpfahlAbschneiden();
        if (P.Wandfuss == 4 || (P.Wandfuss == 3 && zormcom::Lauf.kzUebAkt == 1 && St.BettungStufe == 0))
            St.Lastbild = Verbinden(St.Lastbild, zormcom::Lauf.Eph, 1);
        ErdwiderstandDatei();
        Loesen();
        return St.StatikStatus != zor::Laufstatus::Stop;
    }
}

const Ergebniszeile* Endzeile() {
    for (int i = 0; i < St.AnzZeilen; ++i)
        if (static_cast<int>(St.ErgebnisTabelle[i][kArt]) == kEnde) return &St.ErgebnisTabelle[i];
    return nullptr;
}

void ProtokollSchreiben() {
    const int k = St.IterZaehler - 1;
    if (k < 0 || k > Statikzustand::kMaxIterProtokoll) return;
    St.IterT[k] = zormcom::Lauf.zFuss - P.zAush;
    St.IterBh[k] = St.Bh;
    St.IterEph[k] = St.Eph;
    St.IterMFuss[k] = (P.Wandfuss == 4) ? -St.FussRest : St.MFuss;
    St.IterEphPfahl[k] = St.EphPfahl;
}

void FreierFussMeldung() {
    zor::Melden("*** Pos. Moment im Lastnullpunkt; Weiterrechnung ohne Einspannung.\r\n\r\n"
                "         Bei Kragarm ohne Bettung:\r\n             Programm-Abbruch.\r\n"
                "             Mit Bettung (Fuß frei beweglich, nicht eingespannt) erneut berechnen.",
                vb::vbOKOnly, "Aushub " + std::to_string(P.AushNr));
}

// Vertical stress at the foot for the C force: layer weights plus half of a positive "ZORGZ" value.
float SpannungAmFuss() {
    float s = 0.0f;
    for (int i = 1; i <= P.AnzErd && i < 100; ++i) {
        float d = P.SchichtDicke[i];
        bool letzte = false;
        if (zormcom::Lauf.zFuss < zormcom::Lauf.SchichtKote[i + 1]) {
            d = zormcom::Lauf.zFuss - zormcom::Lauf.SchichtKote[i];
            letzte = true;
        }
        s += P.SchichtGamma[i] * d;
        if (letzte) break;
    }
    try {
        Datei d("ZORGZ", vb::OpenMode::Input);
        int16_t n = 0;
        vb::Input(d.nr(), n);
        float zv = 0.0f, gv = 0.0f;
        for (int k = 1; k <= n && k <= 1000; ++k) {
            float z = 0.0f, g = 0.0f;
            vb::Input(d.nr(), z, g);
            if (z > zormcom::Lauf.zFuss) {
                float v = (k > 1 && z != zv) ? gv + (g - gv) * (zormcom::Lauf.zFuss - zv) / (z - zv) : g;
                if (v > 0.0f) v *= 0.5f;
                s += v;
                break;
            }
            zv = z;
            gv = g;
        }
    } catch (const vb::RuntimeError&) {
        // no additional stress list: nothing added
    }
    return s;
}

void CKraftZusatz() {
    const Ergebniszeile* e = Endzeile();
    St.CKraft = e ? -(*e)[kQ] : 0.0f;
    if (e) St.AnzZeilen = static_cast<int16_t>(e - &St.ErgebnisTabelle[0] + 1);
    if (St.CKraft > 0.0f) St.CKraft = 0.0f;
    const float sigma = SpannungAmFuss();
    St.SohlSpannungFuss = sigma;
    int j = 1;
    while (j < P.AnzErd && zormcom::Lauf.SchichtKote[j + 1] < zormcom::Lauf.zFuss)
        ++j;
    float phi = P.SchichtPhi[j], c = 0.0f, dt = 0.0f, delta = 0.0f, Kp = 0.0f;
    // Mean wall friction of the active side between the head and the foot.
    float deltaA = 0.0f;
    zormcom::SchichtMittel(P.SchichtDeltaA, zormcom::Lauf.SchichtKote, P.AnzErd, 0.0f, zormcom::Lauf.zFuss,
                           deltaA);
    bool fertig = false, bestimmbar = true;
    for (int runde = 0; runde < 50; ++runde) {
        const float alt = dt;
        if (alt != 0.0f) {
            zormcom::SchichtMittel(P.SchichtPhi, zormcom::Lauf.SchichtKote, P.AnzErd,
                                   zormcom::Lauf.zFuss - alt, zormcom::Lauf.zFuss + alt, phi);
            zormcom::SchichtMittel(P.SchichtCa, zormcom::Lauf.SchichtKote, P.AnzErd,
                                   zormcom::Lauf.zFuss - alt, zormcom::Lauf.zFuss + alt, c);
        }
        delta = P.DeltaZF;
        if (phi > P.PhiCaq * P.GradZuRad + 1e-6f && P.DeltaZF < 0.0f) {
            delta = std::max(delta, -phi);
            zormb::KpCaquot(phi, delta, zormcom::Lauf.AlphaWand, 0.0f, Kp);
        } else {
            if (P.DeltaZF > 0.0f)
                delta = std::min(delta, phi / 3.0f);
            else
                delta = std::max(delta, -2.0f * phi / 3.0f);
            float beta = 0.0f, ka = 0, kac = 0, kpc = 0;
            zormcom::ErddruckBeiwerte(phi, zormcom::Lauf.AlphaWand, beta, deltaA, delta, ka, Kp, kac, kpc);
        }
        if (St.CKraft != 0.0f) {
            const double nenner = 2.0 * (2.0 * c * std::sqrt(std::max(Kp, 0.0f)) + Kp * sigma) *
                                  std::cos(static_cast<double>(delta));
            if (!(nenner > 0.0) || !std::isfinite(nenner)) {
                bestimmbar = false;
                break;
            }
            dt = static_cast<float>(std::fabs(P.Etap * St.CKraft) / nenner);
        } else {
            dt = 0.0f;
        }
        if (std::fabs(dt - alt) <= 0.005f) {
            fertig = true;
            break;
        }
    }
    std::string wo = "Lastfall " + std::to_string(P.LFNr) + ", Aushub " + std::to_string(P.AushNr);
    St.DeltaTBestimmbar = 1;
    if (!bestimmbar) {
        Hinweis("*** " + wo +
                ": Zusatzlänge für die Ersatzkraft C nicht bestimmbar (kein Erdwiderstand am Fuß).");
        St.DeltaTBestimmbar = 0;
        dt = 0.0f;
    } else if (!fertig) {
        Hinweis("*** " + wo + ": die Zusatzlänge für die Ersatzkraft C konvergiert nicht nach 50 Schritten.");
        St.DeltaTBestimmbar = 0;
    }
    St.DeltaT = dt;
    St.CKraftSigV = sigma;
    St.CKraftBericht = St.CKraft;
    St.CKraftEtap = P.Etap;
    St.CKraftKp = Kp;
    St.CKraftDelta = delta;
    St.CKraftDt = dt;
    St.CKraftPhi = phi;
}

} // namespace

void StatikBerechnen() {
    auto& L = zormcom::Lauf;
    L.IterZustand = 0;
    St.FussRest = St.FussRestAlt = St.FussSchritt = 0.0f;
    St.FussSucheStatus = 0;
    for (int schritt = 0; schritt < 1000; ++schritt) {
        // Head of an iteration.
        if (L.IterZustand == 0 || L.IterZustand == 3) {
            St.IterZaehler = 0;
            St.FussSchritt = 0.0f;
            Z3Lesen();
        }
        ++St.IterZaehler;
        if (St.IterZaehler == 1) {
            zormcom::Lauf.zFuss = (P.Wandfuss == 3) ? P.ZWandfuss : P.ZWandfuss + St.FussVersatz;
            // A search tries no foot above a support in force: it starts below the deepest one.
            if (P.Wandfuss != 3 && St.ZFussVorgabe == 0.0f)
                zormcom::Lauf.zFuss = std::max(zormcom::Lauf.zFuss, TiefsteStuetze() + St.FussVersatz);
        } else {
            ProtokollSchreiben();
            if (P.Wandfuss == 3) {
                if (St.IterZaehler < 3) {
                    St.FussSchritt = 0.0f;
                    zormcom::Lauf.zFuss = P.ZWandfuss;
                } else {
                    St.FussSucheStatus = 4;
                }
            }
            if (St.FussSucheStatus == 4) break;
            if (zormcom::Lauf.zFuss + St.FussSchritt >= 99.0f) {
                // The lists end at 99: the search stops with the last solved level.
                St.KeineKonvergenz = 20000;
                Hinweis("*** Lastfall " + std::to_string(P.LFNr) + ", Aushub " + std::to_string(P.AushNr) +
                        ": die Fußtiefe erreicht das Ende der Schichten; die Suche endet bei " +
                        Zahl2(zormcom::Lauf.zFuss) + " m.");
                break;
            }
            zormcom::Lauf.zFuss += St.FussSchritt;
        }
        St.FussUntenBegrenzt = 0;
        if (!Iteration()) return;

        // Evaluation.
        float R = 0.0f;
        for (int i = St.AnzZeilen - 1; i >= 0; --i) {
            const auto& r = St.ErgebnisTabelle[i];
            if (static_cast<int>(r[kArt]) == kAuflager) {
                if (r[kTiefe] >= P.zAush) R = r[kP1 + 3];
                break;
            }
        }
        St.Bh = (P.Wandfuss == 1 || P.Wandfuss == 3) ? R : 0.0f;
        if (St.BettungStufe == 1) {
            for (int i = 0; i < St.AnzZeilen; ++i) {
                const auto& r = St.ErgebnisTabelle[i];
                const float z = r[kTiefe], k = r[kP1 + 4];
                if (static_cast<int>(r[kArt]) == kPunkt && z >= P.zAush && z <= zormcom::Lauf.zFuss &&
                    k > 0.0f) {
                    const float f = r[kW] * k;
                    if (f > 0.0f) St.Bh += f;
                }
            }
        }
        const Ergebniszeile* ende = Endzeile();
        const float MFussZ = ende ? (*ende)[kM] : 0.0f, QFussZ = ende ? (*ende)[kQ] : 0.0f;
        float r = 0.0f;
        const bool vorgabe12 = St.WandfussEingabe == 1 || St.WandfussEingabe == 2;
        if (P.Wandfuss == 4) {
            float QS = 0.0f;
            for (int i = 0; i < St.AnzZeilen; ++i)
                if (std::fabs(St.ErgebnisTabelle[i][kTiefe] - P.zAush) <= 0.001f) {
                    QS = St.ErgebnisTabelle[i][kQ];
                    break;
                }
            if (P.Wandart == 1) {
                St.MFuss = QFussZ - QS;
                St.Bh = St.AbgeschnDruck + St.MFuss;
            } else {
                St.Bh = St.Eph;
            }
            r = -MFussZ;
            if (vorgabe12 && St.GelenkFussModus == 1) {
                r = QFussZ;
                if (St.IterZaehler == 1 && r > 0.0f) {
                    St.FussSucheStatus = 4;
                    L.IterZustand = 4;
                    continue;
                }
            }
            if (vorgabe12 && St.ZFussVorgabe != 0.0f) {
                St.FussSucheStatus = 4;
                L.IterZustand = 4;
                continue;
            }
        }
        if (P.Wandfuss == 3) St.Bh = -QFussZ;
        if (P.Wandfuss == 1 || P.Wandfuss == 3) {
            St.Bh = St.AbgeschnDruck + St.Bh;
            r = St.Bh - St.Eph;
        }
        if (St.IterZaehler >= 40 || St.FussUntenBegrenzt == 1) {
            St.KeineKonvergenz = 20000;
            St.FussSucheStatus = 4;
            L.IterZustand = 4;
            continue;
        }
        St.FussRest = r;
        St.MFuss = St.Bh - St.AbgeschnDruck;
        const float rP = St.MFuss - St.EphPfahl;
        bool fertig = false, schrittSteuerung = false;
        if (P.Wandfuss == 3 && St.WandfussEingabe == 3 && P.Wandart != 1 && r <= 0.0f) {
            fertig = true;
        } else if (P.Wandfuss == 1 && St.IterZaehler == 1 && r <= 0.0f && (P.Wandart != 1 || rP <= 0.0f)) {
            fertig = true;
        } else if (P.Wandfuss == 4) {
            if (r > 0.01f || vorgabe12 || St.IterZaehler != 1) {
                schrittSteuerung = true;
            } else {
                FreierFussMeldung();
                P.Wandfuss = 1;
                St.WandfussEingabe = 1;
                P.ZWandfuss = P.zAush;
                L.IterZustand = 3;
                continue;
            }
        } else if (P.Wandart == 1 && (P.Wandfuss == 1 || P.Wandfuss == 3)) {
            St.FussRest = std::max(r, rP);
            if (std::fabs(St.FussRest) <= St.ToleranzFussTBW)
                fertig = true;
            else
                schrittSteuerung = true;
        } else {
            schrittSteuerung = true;
        }
        if (fertig) {
            St.FussSucheStatus = 4;
            L.IterZustand = 4;
            continue;
        }
        if (schrittSteuerung) {
            if (St.FussSchritt == 0.0f) St.FussSchritt = 1.0f;
            if (St.FussRestAlt * St.FussRest < 0.0f) {
                if (St.FussSchritt < 0.0021f) {
                    St.FussSucheStatus = 4;
                    L.IterZustand = 4;
                    continue;
                }
                St.FussRest = St.FussRestAlt;
                zormcom::Lauf.zFuss -= St.FussSchritt;
                --St.IterZaehler;
                // The log entry of the iteration the search returns to.
                const int k = St.IterZaehler;
                if (k >= 1 && k <= Statikzustand::kMaxIterProtokoll) {
                    St.Bh = St.IterBh[k];
                    St.Eph = St.IterEph[k];
                    St.MFuss = St.IterMFuss[k];
                    St.EphPfahl = St.IterEphPfahl[k];
                }
                const float s = St.FussSchritt;
                St.FussSchritt = s > 0.51f     ? 0.5f
                                 : s > 0.21f   ? 0.2f
                                 : s > 0.11f   ? 0.1f
                                 : s > 0.051f  ? 0.05f
                                 : s > 0.021f  ? 0.02f
                                 : s > 0.011f  ? 0.01f
                                 : s > 0.0051f ? 0.005f
                                               : 0.002f;
            }
            St.FussRestAlt = St.FussRest;
            L.IterZustand = 4;
        }
    }
    // Final block.
    CKraftZusatz();
    if (std::fabs(P.ZWasserErd - P.ZWasserLuft) >= 0.01f) HydraulischerGrundbruch(0);
    if (zormb::B.SickerKonv == 0) {
        zormb::B.GefaelleErdWirksam = zormb::B.GefaelleErd;
        zormb::B.GefaelleLuftWirksam = zormb::B.GefaelleLuft;
    }
    St.EphKopie = St.Eph;
}

void ErdwiderstandIteration() {
    auto& L = zormcom::Lauf;
    Liste& eph = L.Eph;
    const float zA = P.zAush, zF = zormcom::Lauf.zFuss;
    const float eta = P.Etap != 0.0f ? P.Etap : 1.0f;
    // 1.-2. From the layer coefficients.
    St.BezugsTiefe = zA;
    VertikalspannungUnterSohle();
    eph = Liste{};
    const Liste& gz = St.Gz;
    const int erste = St.ErsteSchichtUnterSohle;
    for (int i = 1; i <= St.AushSchichtAnz; ++i) {
        const float oben = St.AushSchichtKote[i], unten = St.AushSchichtKote[i + 1];
        if (i < erste) {
            Anhaengen(eph, oben, 0.0f);
            continue;
        }
        if (i == erste) Anhaengen(eph, zA, 0.0f);
        int j = 0;
        for (int k = gz.n; k >= 1; --k)
            if (std::fabs(gz.z[k] - oben) <= 0.001f) {
                j = k;
                break;
            }
        if (j == 0) continue;
        const float sOben = gz.e[j], sUnten = (j < gz.n) ? gz.e[j + 1] : gz.e[j];
        const float eo = (-St.AushSchichtKpgh[i] * sOben - St.AushSchichtKpch[i] * St.AushSchichtCp[i]) / eta;
        const float eu =
            (-St.AushSchichtKpgh[i] * sUnten - St.AushSchichtKpch[i] * St.AushSchichtCp[i]) / eta;
        if (!(eph.n >= 1 && std::fabs(eo - eph.e[eph.n]) < 0.001f)) Anhaengen(eph, oben, eo);
        Anhaengen(eph, unten, eu);
    }
    // 3. Three points at one depth: the middle one goes.
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (int i = 1; i + 2 <= eph.n; ++i) {
            if (eph.z[i] == eph.z[i + 1] && eph.z[i + 1] == eph.z[i + 2]) {
                for (int k = i + 1; k < eph.n; ++k) {
                    eph.z[k] = eph.z[k + 1];
                    eph.e[k] = eph.e[k + 1];
                }
                --eph.n;
                weiter = true;
                break;
            }
        }
    }
    // 4. Slip-plane angles.
    {
        float phi = 0, dp = 0, da = 0, tA = St.GleitWinkel1, tP = St.GleitWinkel2;
        zormcom::SchichtMittel(P.SchichtPhi, zormcom::Lauf.SchichtKote, P.AnzErd, zA, zF, phi);
        zormcom::SchichtMittel(P.SchichtDeltaP, zormcom::Lauf.SchichtKote, P.AnzErd, zA, zF, dp);
        GleitflaechenWinkel(phi, 0.0f, 0.0f, dp, tA, tP);
        St.GleitWinkel1 = tA;
        St.GleitWinkel2 = tP;
        zormcom::SchichtMittel(P.SchichtPhi, zormcom::Lauf.SchichtKote, P.AnzErd, 0.0f, zF, phi);
        zormcom::SchichtMittel(P.SchichtDeltaA, zormcom::Lauf.SchichtKote, P.AnzErd, 0.0f, zF, da);
        float tP2 = St.GleitWinkelDatei;
        GleitflaechenWinkel(phi, 0.0f, da, dp, tA, tP2);
        St.GleitWinkel1 = tA;
        St.GleitWinkelDatei = tP2;
    }
    // 5.-6. Given points, or the trial-slip-plane file.
    St.ERefGesetzt = 0;
    if (L.AnzEphGegeben > 0) {
        zormcom::ErdwiderstandVorgabe();
    } else {
        if (P.StBH != 0.0f) {
            St.ERef = std::fabs(Flaeche(eph, zF));
            St.ERefGesetzt = 1;
        }
        // "ZOREPP.", read once by the stage's statics.
        auto& D = St.Dateien;
        if (!D.aktiv || !D.eppGelesen) {
            Datei d("ZOREPP.", vb::OpenMode::Input);
            vb::Input(d.nr(), D.eppFlag);
            D.eppZeilen.clear();
            if (D.eppFlag == 1) {
                int16_t m = 0;
                vb::Input(d.nr(), m);
                if (m < 0 || m > zor::kMaxOrdinaten)
                    throw zor::CalcAbort("Die Datei ZOREPP. enthält " + std::to_string(m) +
                                         " Zeilen (höchstens 250). Die Berechnung wird abgebrochen.");
                D.eppAnzahl = m;
                D.eppZeilen.resize(static_cast<std::size_t>(m));
                for (auto& r : D.eppZeilen)
                    vb::Input(d.nr(), r[0], r[1], r[2], r[3]);
            }
            D.eppGelesen = D.aktiv;
        }
        if (D.eppFlag == 1) {
            eph = Liste{};
            eph.n = D.eppAnzahl;
            for (int i = 1; i <= eph.n; ++i) {
                eph.z[i] = D.eppZeilen[static_cast<std::size_t>(i - 1)][0];
                eph.e[i] = D.eppZeilen[static_cast<std::size_t>(i - 1)][1];
                eph.e[i] /= eta;
            }
        } else {
            const float anpass = P.EtaAnpass != 0.0f ? P.EtaAnpass : 1.0f;
            for (int i = 1; i <= eph.n; ++i)
                eph.e[i] *= anpass;
            // The passive diagram of the layer coefficients, flag 0: what the stage's later trial levels
            // read of it is the flag.
            D.eppFlag = 0;
            D.eppAnzahl = eph.n;
            D.eppZeilen.resize(static_cast<std::size_t>(std::max<int>(eph.n, 0)));
            for (int i = 1; i <= eph.n; ++i)
                D.eppZeilen[static_cast<std::size_t>(i - 1)] = {eph.z[i], P.Etap * eph.e[i], St.GleitWinkelDatei,
                                                                 St.GleitWinkelDatei};
            D.eppGeaendert = true;
            if (!D.aktiv) StufendateienSchreiben();
        }
    }
    // 7. Copy for the driver.
    if (eph.n > Statikzustand::kMaxSigmaVKopie)
        throw zor::CalcAbort(
            "Der Erdwiderstand im Aushubzustand " + std::to_string(P.AushNr) + " hat " +
            std::to_string(eph.n) +
            " Punkte; die Statik kann höchstens 50 übernehmen. Die Berechnung wird abgebrochen.");
    St.AnzAuflagerAlle = eph.n;
    for (int i = 1; i <= eph.n; ++i)
        St.SigmaVKopie[i] = {0.0f, eph.z[i], eph.e[i]};
    // 8. Resultant and vertical component.
    St.EphKopie = -Flaeche(eph, zF);
    Liste ev = eph;
    St.EphKopieListe = eph;
    for (int i = 1; i <= eph.n; ++i) {
        const int j = Schicht(i, eph);
        ev.e[i] = -eph.e[i] * Tan(P.SchichtDeltaP[std::min(j, 30)]);
        St.EphKopieListe.e[i] = P.Etap * ev.e[i];
    }
    St.EpvWand = Flaeche(ev, zF);
    St.TanDeltaP = St.EphKopie != 0.0f ? St.EpvWand / St.EphKopie : 0.0f;
    // 9.
    St.ZRuhedruckFuss = zA;
    St.HUmlagerung = zA;
    St.UmlagerungsTiefe = zA;
    St.Rvd = St.EpvWand;
    KurveKappen(eph, zF);
}

void MittlererTeilfaktor(float AE, float AQ, float Wh, float Zus, float gamE, float gamQ, float gamW,
                         float gamZ, float gamEBSP, float gamQBSP, float gamWBSP, float gamZBSP,
                         float& gamMittel, float& g) {
    auto k = [](float a, float f) { return f != 0.0f ? std::fabs(a) / f : std::fabs(a); };
    const float Ek = k(AE, gamE), Qk = k(AQ, gamQ), Wk = k(Wh, gamW), Zk = k(Zus, gamZ);
    const float summeD = std::fabs(AE) + std::fabs(AQ) + std::fabs(Wh) + std::fabs(Zus);
    const float summeK = Ek + Qk + Wk + Zk;
    gamMittel = summeK > 0.0f ? summeD / summeK : 1.0f;
    g = summeD > 0.0f ? (gamEBSP * Ek + gamQBSP * Qk + gamWBSP * Wk + gamZBSP * Zk) / summeD : 1.0f;
}

} // namespace zormc
