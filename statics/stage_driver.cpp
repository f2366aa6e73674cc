// The statics stage of a load case and excavation stage: the foot-mode sequences, the bedding check,
// hydraulic heave, the seepage iteration and the re-read of the stage files.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "earthpressure/diagrams.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/handover_b.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/run_status.h"
#include "frame/stage_table.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "statics/redistribution.h"
#include "statics/stage.h"
#include "statics/state.h"

using zorm1::P;
using Datei = vb::FileGuard;

namespace zormc {

namespace {

using Liste = zor::Ordinatenliste;

std::string Stelle() {
    return "Lastfall " + std::to_string(P.LFNr) + ", Aushub " + std::to_string(P.AushNr);
}

bool Durchlauf() {
    StatikBerechnen();
    return St.StatikStatus != zor::Laufstatus::Stop;
}

void FreieSuche() {
    P.Wandfuss = 4;
    St.GelenkFussModus = 1;
    St.ZFussVorgabe = 0.0f;
}

void FesteSuche() {
    P.Wandfuss = 4;
    St.GelenkFussModus = 0;
    St.ZFussVorgabe = 0.0f;
    P.ZWandfuss = St.zFussFrei - 0.01f;
}

void Vorgabe(float z) {
    P.Wandfuss = 4;
    St.GelenkFussModus = 1;
    St.ZFussVorgabe = z;
    P.ZWandfuss = z - 0.01f;
}

// Re-read that keeps the foot level reached.
void NeuLesen() {
    const float zf = zormcom::Lauf.zFuss;
    ZwischendateienLesen();
    zormcom::Lauf.zFuss = zf;
}

void HinweiseDrucken() {
    if (St.Hinweise.empty()) return;
    const bool offen = vb::IsOpen(zorma::kBerichtDateiNr);
    try {
        if (!offen) zorma::BerichtAnhaengen();
        // A note repeated by the iterations of a stage stands once.
        std::vector<std::string> gedruckt;
        for (const std::string& h : St.Hinweise) {
            if (std::find(gedruckt.begin(), gedruckt.end(), h) != gedruckt.end()) continue;
            gedruckt.push_back(h);
            for (const std::string& z : zorma::HinweisZeilen(zorma::Bericht.Einrueckung, h))
                vb::Print(zorma::kBerichtDateiNr, z);
        }
        if (!offen) zorma::BerichtSchliessen();
    } catch (const vb::RuntimeError&) {
        // no report in this folder (a test of the statics alone): the notes stay in memory
        return;
    }
    St.Hinweise.clear();
}

void Z10Schreiben(int16_t geaendert, int16_t konv, float wE, float wL, float iE, float iL, bool schichten) {
    Datei d("zorz10", vb::OpenMode::Output);
    vb::Write(d.nr(), geaendert, konv, wE, wL, iE, iL);
    if (schichten)
        for (int i = 1; i <= P.AnzErd; ++i)
            vb::Write(d.nr(), P.SchichtGammaAuftrieb[i], P.SchichtGammaAuftriebAush[i]);
    d.Close();
}

} // namespace

float TeilEinspannungsTiefe(float frei, float fest, float p) {
    return static_cast<float>(static_cast<double>(frei) +
                              (static_cast<double>(fest) - frei) * std::sqrt(static_cast<double>(p) / 100.0));
}

namespace {
void StufenStatik(zor::Laufstatus& status);
} // namespace

void WandStatik(zor::Laufstatus& status) {
    // The files the trial foot levels read and rewrite are held for the stage and written once.
    St.Dateien = {};
    St.Dateien.aktiv = true;
    try {
        StufenStatik(status);
    } catch (...) {
        St.Dateien.aktiv = false;
        try {
            StufendateienSchreiben();
        } catch (...) {
            // the error that ended the stage is the one to report
        }
        throw;
    }
    St.Dateien.aktiv = false;
    StufendateienSchreiben();
}

namespace {

void StufenStatik(zor::Laufstatus& status) {
    auto& B = zormb::B;
    St.StatikStatus = zor::Laufstatus::Offen;
    // Preparation.
    St.EpFaktor = 1.0f;
    St.GelenkFussModus = 0;
    St.zGelenk = 0.0f;
    St.FussVersatz = 0.01f;
    St.ToleranzFussTBW = 0.2f;
    St.ZFussVorgabe = 0.0f;
    St.EinspDrucken = 0;
    St.EinspErg = 0.0f;
    St.CKraftDt = 0.0f; // the report prints the C-force extra embedment only when this stage computed it
    St.TanDeltaP = 0.0f;
    St.EphPfahl = 0.0f;
    if (P.TeilsicherheitenAn == 0) St.gamMittel = 1.0f;
    ZwischendateienLesen();
    St.AnzAuflagerKopf = static_cast<int16_t>(P.AnzAnker + ((P.WandKopf == 2 || P.WandKopf == 3) ? 1 : 0));
    St.AnzBettungStufe = (P.AushNr >= 0 && P.AushNr <= 20) ? P.BettAnz[P.AushNr] : int16_t{0};
    St.GebetteteKragwand = (St.BettungStufe == 1 && St.AnzAuflagerKopf == 0) ? 1 : 0;
    St.WandfussEingabe = P.Wandfuss;
    St.WandartEingabe = P.Wandart;
    St.ZWandfussEingabe = P.ZWandfuss;
    St.ErdauflagerModus = 0;
    St.KeineKonvergenz = 0;
    BettungsfedernLaden();

    const int modus = P.Wandfuss;
    const float p = P.Einsp;
    if (modus == 2 && St.BettungStufe == 1) {
        St.BettungDurchlauf = 0;
        for (;;) {
            P.Wandfuss = 1;
            St.ErdauflagerModus = 1;
            if (!Durchlauf()) {
                status = zor::Laufstatus::Stop;
                return;
            }
            BettungIterieren();
            if (St.BettungWiederholen != 1) break;
            ZwischendateienLesen();
        }
        NeuLesen();
    } else if (modus == 2) {
        P.ZWandfuss = P.zAush;
        FreieSuche();
        St.ErdauflagerModus = 1;
        if (!Durchlauf()) {
            status = zor::Laufstatus::Stop;
            return;
        }
        St.zFussFrei = zormcom::Lauf.zFuss;
        const int16_t iterFrei = St.IterZaehler;
        NeuLesen();
        St.EinspDrucken = 1;
        float z = 0.0f;
        if (iterFrei == 1 && P.Wandart == 2) {
            St.EinspDrucken = 0;
            z = St.ZWandfussEingabe;
        } else if (St.ZWandfussEingabe < St.zFussFrei) {
            St.EinspDrucken = 0;
            z = St.zFussFrei;
        } else {
            FesteSuche();
            if (!Durchlauf()) {
                status = zor::Laufstatus::Stop;
                return;
            }
            St.zFussFest = zormcom::Lauf.zFuss;
            NeuLesen();
            z = std::min(St.ZWandfussEingabe, St.zFussFest);
            const float d = St.zFussFest - St.zFussFrei;
            St.EinspErg = (d != 0.0f) ? ((z - St.zFussFrei) / d) * ((z - St.zFussFrei) / d) * 100.0f : 0.0f;
        }
        St.ErdauflagerModus = 0;
        Vorgabe(z);
        if (!Durchlauf()) {
            status = zor::Laufstatus::Stop;
            return;
        }
    } else if (p > 0.0f && p < 100.0f) {
        FreieSuche();
        if (!Durchlauf()) {
            status = zor::Laufstatus::Stop;
            return;
        }
        St.zFussFrei = zormcom::Lauf.zFuss;
        NeuLesen();
        P.Wandart = St.WandartEingabe;
        FesteSuche();
        if (!Durchlauf()) {
            status = zor::Laufstatus::Stop;
            return;
        }
        St.zFussFest = zormcom::Lauf.zFuss;
        const float z = TeilEinspannungsTiefe(St.zFussFrei, St.zFussFest, p);
        NeuLesen();
        P.Wandart = St.WandartEingabe;
        Vorgabe(z);
        if (!Durchlauf()) {
            status = zor::Laufstatus::Stop;
            return;
        }
    } else if (modus == 4) {
        if (!Durchlauf()) {
            status = zor::Laufstatus::Stop;
            return;
        }
    } else {
        St.ErdauflagerModus = 0;
        St.GelenkFussModus = 0;
        St.BettungDurchlauf = 0;
        for (;;) {
            if (!Durchlauf()) {
                status = zor::Laufstatus::Stop;
                return;
            }
            BettungIterieren();
            if (St.BettungWiederholen != 1) break;
            NeuLesen();
        }
        NeuLesen();
    }

    // Bedding files.
    if (P.BettungPruefen != 0) {
        BettungSchreiben();
    } else if (St.BettungStufe == 1) {
        ErdwiderstandsKurve();
        BettungSchreiben();
    }
    // Passive-pressure copy cut at the foot.
    {
        Liste s;
        s.n = St.AnzAuflagerAlle;
        for (int i = 1; i <= s.n; ++i) {
            s.z[i] = St.SigmaVKopie[i][1];
            s.e[i] = St.SigmaVKopie[i][2];
        }
        if (s.n >= 2 && s.z[1] < zormcom::Lauf.zFuss) KurveKappen(s, zormcom::Lauf.zFuss);
        St.AnzAuflagerAlle = s.n;
        for (int i = 1; i <= s.n; ++i)
            St.SigmaVKopie[i] = {0.0f, s.z[i], s.e[i]};
    }
    if (P.Wandart == 1) St.EpvWand = St.EpvTBW;
    if (P.Erddruckart == 2) St.ZRuhedruckFuss = zormcom::Lauf.zFuss;
    St.Ze1Fig6Wirksam = zormcom::Lauf.AnzFigur6 != 0 ? zormcom::Lauf.Ze1Fig6 : 99.0f;

    // Seepage iteration.
    B.GefaelleErd = B.GefaelleErdWirksam;
    B.GefaelleLuft = B.GefaelleLuftWirksam;
    if (std::fabs(P.ZWasserErd - P.ZWasserLuft) < 0.01f || zormcom::Lauf.kzStroem == 0)
        B.GefaelleErd = B.GefaelleLuft = 0.0f;
    St.WasserwichteErd = (1.0f - B.GefaelleErd) * 10.0f;
    St.WasserwichteLuft = (1.0f - B.GefaelleLuft) * 10.0f;
    if (zormcom::Lauf.kzStroem != 0 && B.SickerKonv == 0 && St.SickerDurchlaeufe < kMaxSickerDurchlaeufe) {
        ++St.SickerDurchlaeufe;
        float altE = 10.0f;
        {
            Datei d("zorz10", vb::OpenMode::Input);
            int16_t g = 0;
            vb::Input(d.nr(), g, B.SickerKonv, altE);
        }
        if (std::fabs(altE - St.WasserwichteErd) < 0.05f) B.SickerKonv = 1;
        {
            Datei d("ZORZ12", vb::OpenMode::Input);
            int16_t n = 0;
            vb::Input(d.nr(), n);
            if (n < 0 || n > zorm1::MaxSchichtenDatei)
                throw zor::CalcAbort("Die Datei ZORZ12 enthält " + std::to_string(n) +
                                     " Schichten (höchstens 12). Die Berechnung wird abgebrochen.");
            P.AnzErd = n;
            for (int i = 1; i <= n; ++i)
                vb::Input(d.nr(), P.SchichtGammaAuftrieb[i], P.SchichtGammaAuftriebAush[i]);
        }
        for (int i = 1; i <= P.AnzErd; ++i) {
            if (P.SchichtGammaAuftrieb[i] != 0.0f) P.SchichtGammaAuftrieb[i] += 10.0f * B.GefaelleErdWirksam;
            P.SchichtGammaAuftriebAush[i] += 10.0f * B.GefaelleLuftWirksam;
            if (P.SchichtGammaAuftriebAush[i] < 0.001f) P.SchichtGammaAuftriebAush[i] = 0.001f;
        }
        Z10Schreiben(1, B.SickerKonv, St.WasserwichteErd, St.WasserwichteLuft, B.GefaelleErd, B.GefaelleLuft,
                     true);
        HinweiseDrucken();
        status = zor::Laufstatus::Nochmal;
        return;
    }
    if (zormcom::Lauf.kzStroem != 0 && B.SickerKonv == 0)
        St.Hinweise.push_back("*** " + Stelle() + ": die Sickerströmung ist nach " +
                              std::to_string(kMaxSickerDurchlaeufe) +
                              " Durchläufen nicht konvergiert; es gelten die Werte des letzten Durchlaufs.");
    St.SickerDurchlaeufe = 0;
    if (zormcom::Lauf.kzHydGrBr != 0 && P.ZWasserLuft - P.ZWasserErd > 0.01f) HydraulischerGrundbruch(50);
    Z10Schreiben(0, 0, 10.0f, 10.0f, B.GefaelleErd, B.GefaelleLuft, false);
    HinweiseDrucken();
    status = zor::Laufstatus::Weiter;
}

} // namespace

// ---- re-read of the stage files
void ZwischendateienLesen() {
    for (int i = 1; i <= zor::kMaxOrdinaten; ++i) {
        St.Lastbild.e[i] = 0.0f;
        St.Wasserbild.e[i] = 0.0f;
        St.Knoten.e[i] = 0.0f;
    }
    zormcom::LastfallLesen(P.LFNr);
    zormcom::AushubDateiLesen(P.AushNr);
    zormcom::AushubLaden(P.AushNr);
    {
        Datei d("ZORZ4", vb::OpenMode::Input);
        int16_t n = 0, n2 = 0;
        vb::Input(d.nr(), n, n2);
        if (n < 0 || n > zor::kMaxOrdinaten || n2 < 0 || n2 > zor::kMaxOrdinaten)
            throw zor::CalcAbort("Die Datei ZORZ4 enthält " + std::to_string(std::max(n, n2)) +
                                 " Punkte (höchstens 250). Die Berechnung wird abgebrochen.");
        St.BegrLast.n = n;
        St.ESumme.n = n2;
        St.AnzWiderstand = n;
        P.AnzPunkte2 = n2;
        for (int i = 1; i <= n; ++i)
            vb::Input(d.nr(), St.BegrLast.e[i], St.ESumme.e[i], St.BegrLast.z[i], St.ESumme.z[i]);
    }
    {
        Datei d("ZORZ2", vb::OpenMode::Input);
        const int16_t f = d.nr();
        int16_t n = 0;
        vb::Input(f, n);
        if (n < 1 || n > 29)
            throw zor::CalcAbort("Die Datei ZORZ2 enthält " + std::to_string(n) +
                                 " Schichten (höchstens 29). Die Berechnung wird abgebrochen.");
        P.AnzErd = n;
        float feld3 = 0.0f, gA = 0.0f, gAA = 0.0f;
        for (int i = 1; i <= n; ++i) {
            vb::Input(f, zormcom::Lauf.SchichtKaAnteil[i], zormcom::Lauf.SchichtK0Anteil[i], feld3,
                      zormcom::Lauf.SchichtKote[i], P.SchichtDicke[i], P.SchichtPhi[i], P.SchichtDeltaA[i],
                      gA, gAA, P.SchichtDeltaP[i]);
            if (i <= zorm1::MaxSchichtenDatei) {
                P.SchichtGammaAush[i] = gA;
                P.SchichtGammaAuftriebAush[i] = gAA;
            }
            vb::Input(f, P.SchichtCa[i], P.SchichtCp[i], P.SchichtGamma[i], P.SchichtGammaAuftrieb[i],
                      P.SchichtEI[i], P.SchichtKaghVorgabe[i]);
            vb::Input(f, zormcom::Lauf.SchichtKagh[i], zormcom::Lauf.SchichtKpgh[i],
                      zormcom::Lauf.SchichtKach[i], zormcom::Lauf.SchichtKpch[i], P.SchichtDeltaANeu[i],
                      P.SchichtDeltaPNeu[i]);
        }
        float dickeLetzte = 0.0f;
        vb::Input(f, zormcom::Lauf.SchichtKote[n + 1], dickeLetzte);
        P.SchichtDicke[n] = dickeLetzte;
    }
    auto& L = zormcom::Lauf;
    // A soldier-pile stage keeps the rules of the stage page: figure 8 becomes the figure after EB 69,
    // figures 6 and 7 none, redistribution at once.
    if (P.Wandart == 1) {
        const int g = P.UmFigur % 20;
        if (g == 8 || L.UmZeitAkt != 0 || g == 6 || g == 7) {
            if (g == 8) {
                int16_t fig = 4;
                zormcom::UmlagerungEB69(P.UmZ1, P.UmZ2, P.EpsUml, fig);
                P.UmFigur = fig;
                St.FigurEB69 = fig;
            } else if (g == 6 || g == 7) {
                P.UmFigur = 0;
            }
            L.UmZeitAkt = 0;
        }
    }
    if (P.Erddruckart == 1) {
        if (P.UmFigur != 0 && L.UmArtAkt == 0 && P.UmFigur < 20)
            P.UmFigur = static_cast<int16_t>(P.UmFigur + 20);
        if (P.UmFigur == 0 && zormcom::Lauf.kzUebAkt != 1) L.UmZeitAkt = 2;
    }
    St.BettungStufe = (P.AushNr >= 0 && P.AushNr <= 20) ? P.FussGebettet[P.AushNr] : int16_t{0};
}

// ---- bedding
void TiefeEinfuegenListe(Liste& l, float z) {
    if (l.n < 2 || z <= l.z[1] + 0.001f || z >= l.z[l.n] - 0.001f) return;
    for (int i = 1; i <= l.n; ++i)
        if (std::fabs(l.z[i] - z) < 0.001f) return;
    if (l.n >= zor::kMaxOrdinaten) return;
    float e = 0.0f;
    Interpolieren(l, z, e);
    int k = 1;
    while (k <= l.n && l.z[k] < z)
        ++k;
    for (int j = l.n; j >= k; --j) {
        l.z[j + 1] = l.z[j];
        l.e[j + 1] = l.e[j];
    }
    l.z[k] = z;
    l.e[k] = e;
    ++l.n;
}

void BettungsfedernLaden() {
    const int s = P.AushNr;
    Liste& b = St.BettFeder;
    b = Liste{};
    if (s < 0 || s > 15) return;
    const int n = std::clamp<int>(St.AnzBettungStufe, 0, 20);
    for (int i = 1; i <= n; ++i) {
        b.e[i] = P.BettC(s, i);
        b.z[i] = P.BettT(s, i);
    }
    b.n = static_cast<int16_t>(n);
    if (n > 0) b.z[n] = 99.0f - P.zAush;
}

void ErdwiderstandsKurve() {
    for (int i = 0; i < St.AnzZeilen; ++i) {
        const auto& r = St.ErgebnisTabelle[i];
        const float z = r[kTiefe];
        if (r[kP1 + 4] == 0.0f || !(z > St.HUmlagerung)) continue;
        TiefeEinfuegenListe(St.BettFeder, z - St.HUmlagerung);
        TiefeEinfuegenListe(St.Erdwiderstand, z);
    }
}

namespace {
const Ergebniszeile* ZeileBei(float z, float tol) {
    for (int i = 0; i < St.AnzZeilen; ++i)
        if (std::fabs(St.ErgebnisTabelle[i][kTiefe] - z) <= tol) return &St.ErgebnisTabelle[i];
    return nullptr;
}
float GamMittel() {
    return St.gamMittel > 0.0f ? St.gamMittel : 1.0f;
}
} // namespace

void BettungBegrenzen(int16_t& reduziert) {
    reduziert = 0;
    float e = 0.0f, w = 0.0f;
    const Liste& ew = St.Erdwiderstand;
    for (int i = 1; i <= St.BettFeder.n; ++i) {
        const float z = St.HUmlagerung + St.BettFeder.z[i];
        if (z > zormcom::Lauf.zFuss) continue;
        for (int k = 1; k <= ew.n; ++k)
            if (std::fabs(ew.z[k] - z) <= 0.002f) {
                e = ew.e[k] * (P.EtaBettung == 0 ? P.Etap : 1.0f);
                break;
            }
        if (const Ergebniszeile* r = ZeileBei(z, 0.002f)) w = (*r)[kW] / GamMittel();
        if (w > 0.0f) {
            const float k = -e / w;
            if (St.BettFeder.e[i] > k) {
                St.BettFeder.e[i] = k;
                reduziert = 1;
            }
        }
    }
}

void BettungIterieren() {
    ++St.BettungDurchlauf;
    St.BettungWiederholen = 1;
    if (St.BettungStufe != 1 || P.BettungPruefen == 0) {
        St.BettungWiederholen = 0;
        return;
    }
    if (St.BettungDurchlauf == 1) BettungsfedernLaden();
    ErdwiderstandsKurve();
    int16_t red = 0;
    BettungBegrenzen(red);
    if (red == 0)
        St.BettungWiederholen = 0;
    else if (St.BettungDurchlauf < 16)
        St.BettungReduziert = 1;
    else
        St.BettungWiederholen = 0;
}

void BettungSchreiben() {
    const int s = P.AushNr;
    Liste anfang;
    if (s >= 0 && s <= 15)
        for (int i = 1; i <= std::clamp<int>(St.AnzBettungStufe, 0, 20); ++i) {
            ++anfang.n;
            anfang.z[anfang.n] = P.BettT(s, i);
            anfang.e[anfang.n] = P.BettC(s, i);
        }
    for (int i = 1; i <= anfang.n; ++i)
        TiefeEinfuegenListe(St.BettFeder, anfang.z[i]);
    const Liste& b = St.BettFeder;
    {
        Datei d("ZORBETTU", vb::OpenMode::Output);
        vb::Write(d.nr(), zormcom::Lauf.zFuss);
        for (int i = 1; i <= b.n; ++i) {
            const float z = St.HUmlagerung + b.z[i];
            if (z > zormcom::Lauf.zFuss) continue;
            float k0 = 0.0f;
            if (anfang.n >= 1) Interpolieren(anfang, b.z[i], k0);
            vb::Write(d.nr(), z, k0, b.e[i]);
        }
        d.Close();
    }
    Datei d(("ZOREwidVerw." + zormcom::Lauf.DateiEndung).c_str(), vb::OpenMode::Output);
    float w = 0.0f;
    for (int i = 1; i <= b.n; ++i) {
        const float z = St.HUmlagerung + b.z[i];
        if (z > zormcom::Lauf.zFuss) continue;
        if (const Ergebniszeile* r = ZeileBei(z, 0.001f)) w = std::max((*r)[kW], 0.0f) / GamMittel();
        vb::Write(d.nr(), z, w * b.e[i] * St.EpFaktor);
    }
    d.Close();
}

// ---- hydraulic heave
void HydraulischerGrundbruch(int16_t n) {
    if (n < 0) return;
    auto& B = zormb::B;
    const float z0 = P.Wandart == 1 ? zormcom::Lauf.zFuss : zormcom::Lauf.zFuss + St.DeltaT;
    const float dh = P.ZWasserLuft - P.ZWasserErd;
    auto ohneStroemung = [&]() {
        if (n == 0) B.GefaelleErd = B.GefaelleLuft = 0.0f;
    };
    if (dh <= 0.0f) {
        ohneStroemung();
        return;
    }
    const float gstb = P.gamGstb > 0.0f ? P.gamGstb : 1.0f, gH = P.gamH > 0.0f ? P.gamH : 1.0f;
    for (int k = 0; k <= n && k <= 80; ++k) {
        const float zF = z0 + 0.2f * static_cast<float>(k);
        float te = zF - P.ZWasserErd;
        if (te <= 0.0f) {
            ohneStroemung();
            return;
        }
        const float dow = zormcom::Lauf.DickeOhneWichte;
        if (zF - dow < te) te = std::max(zF - dow, 0.0f);
        float tx = (P.ZWasserLuft > P.zAush) ? zF - P.ZWasserLuft : zF - P.zAush;
        tx = std::max(tx, 0.0f);
        const double wx = std::sqrt(static_cast<double>(tx)), we = std::sqrt(static_cast<double>(te));
        if (n == 0) {
            B.GefaelleErd = te != 0.0f ? static_cast<float>(0.7 * dh / (te + wx * we)) : 0.0f;
            B.GefaelleLuft = tx != 0.0f ? static_cast<float>(-0.7 * dh / (tx + wx * we)) : 0.0f;
            return;
        }
        if (wx + we <= 0.0) continue; // no seepage path at this step
        float G = 0.0f;
        Interpolieren(St.SohlSpannung, zF, G);
        if (G < 0.0f) G = 0.01f;
        if (k == 0) St.GBr = G;
        const float Gd = gstb * G;
        const float hWe = std::max(zF - P.ZWasserErd, 0.0f), hWx = std::max(zF - P.ZWasserLuft, 0.0f);
        const float hF = static_cast<float>((hWe * wx + hWx * we) / (wx + we));
        float hr[3];
        hr[0] = hF - hWx;
        if (hr[0] <= 0.0f) hr[0] = 0.01f;
        hr[1] = tx != 0.0f ? static_cast<float>(dh / (1.0 + std::pow(1.0 + dh / tx, 0.3333))) : hr[0];
        hr[2] = dh * tx / (tx + te);
        if (hr[2] <= 0.0f) hr[2] = 0.01f;
        if (k == 0) {
            St.hWu = hWx;
            St.hF = hF;
            St.Stroemungskraft = 10.0f * hr[0];
        }
        bool sicher = true;
        for (int m = 0; m < 3; ++m) {
            const float S = 10.0f * hr[m] * gH;
            float v = 0.0f;
            if (S != 0.0f) {
                v = Gd / S;
                B.GrundbruchTab[static_cast<std::size_t>(m * 81 + k)] = v;
            }
            if (P.TeilsicherheitenAn != 0) {
                if (Gd < S) sicher = false;
            } else if (v < 1.5f) {
                sicher = false;
            }
        }
        if (sicher) {
            St.HydrSchritte = static_cast<int16_t>(k);
            return;
        }
    }
    St.HydrSchritte = -1;
    St.Hinweise.push_back("*** " + Stelle() + ": hydraulischer Grundbruch bis " + std::to_string(n) +
                          " Schritte (je 0,2 m) nicht ausreichend sicher.");
}

} // namespace zormc
