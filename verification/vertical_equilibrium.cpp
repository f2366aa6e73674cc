#include "verification/vertical_equilibrium.h"

#include <cmath>
#include <span>
#include <string>

#include "earthpressure/diagrams.h"
#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "verification/section_tools.h"
#include "verification/state.h"

namespace zormd {

namespace {

// One value line: label, design value (8.2); partial mode " /" factor "=" characteristic value.
void Zeile(const char* text, float k, float faktor) {
    Drucken(Einzug(), text);
    ZahlDrucken(k * faktor, 8, 2);
    if (Teilsicherheiten()) {
        Drucken(" /", vb::Format(faktor, "0.000"), "=");
        ZahlDrucken(k, 7, 2);
    }
}

} // namespace

float VertikalFaktorMittel() {
    return Teilsicherheiten() && St.gamMittel != 0.0f ? St.gamMittel : 1.0f;
}
float VertikalFaktorG() {
    return Teilsicherheiten() && P.gamG != 0.0f ? P.gamG : 1.0f;
}

void VertikalWerteBilden() {
    const float gm = VertikalFaktorMittel();
    const bool pfahl = P.Wandart == 1;
    N.Wandgewicht = P.GamWand * P.DWand * zormcom::Lauf.zFuss;
    N.WandAuftrieb = -P.DWand * P.GamWand2 * (zormcom::Lauf.zFuss - P.ZWasserLuft);
    if (N.WandAuftrieb > 0.0f) N.WandAuftrieb = 0.0f;
    const float zEnde = pfahl ? P.zAush : zormcom::Lauf.zFuss;
    float flaeche = 0.0f, e = 0.0f;
    zormc::Integrieren(St.ESummeKopie, zEnde, flaeche, e);
    St.EahErdV = flaeche / gm;
    St.AbgeschnDruckV /= gm;
    N.EavZusatz = 0.0f;
    const int nz = P.AnzZusatzSpannung;
    if (nz > 0 && static_cast<int>(St.ZusSpannungV.size()) > nz) {
        float fz = 0.0f, ez = 0.0f;
        zormc::Integrieren(std::span<const float>(St.ZusSpannungV), std::span<const float>(P.ZusZ),
                           static_cast<int16_t>(nz), zEnde, fz, ez);
        N.EavZusatz = fz / gm;
    } else if (nz <= 0) {
        St.EahZusatz = 0.0f;
    }
    N.SummeAnkerAv /= gm;
    St.CKraftV = -St.CKraft * std::tan(St.CKraftDelta) / gm;
    if (!pfahl) {
        N.BvTBW = St.Eph != 0.0f ? St.Bh * St.EpvWand / St.Eph : 0.0f;
    } else {
        N.BvPfahl = N.BvTBW;
        N.BvTBW = N.Rhd != 0.0f ? (N.EdFuss + St.AbgeschnDruck) * St.Rvd / N.Rhd / gm : 0.0f;
    }
    if (P.Wandfuss == 3) {
        St.CKraftV = 0.0f;
        N.BvTBW = 0.0f;
        St.EpvWand = 0.0f;
    }
}

VertikalSicht VertikalSichtBilden() {
    VertikalSicht v;
    v.gm = VertikalFaktorMittel();
    v.gG = VertikalFaktorG();
    v.NKopf = P.NKopf;
    v.Wandgewicht = N.Wandgewicht;
    v.WandAuftrieb = N.WandAuftrieb;
    v.EahErdV = St.EahErdV;
    v.AbgeschnDruckV = St.AbgeschnDruckV;
    v.MitZusatz = St.EahZusatz != 0.0f;
    v.EavZusatz = N.EavZusatz;
    v.MitAnkern = N.SummeAnkerAh != 0.0f;
    v.SummeAnkerAv = N.SummeAnkerAv;
    v.MitCKraft = St.CKraft != 0.0f;
    v.CKraftV = St.CKraftV;
    v.CKraftDeltaGrad = P.GradZuRad != 0.0f ? St.CKraftDelta / P.GradZuRad : 0.0f;
    v.BvTBW = N.BvTBW;
    const float vk = v.AbgeschnDruckV + v.EahErdV + v.SummeAnkerAv + v.CKraftV + v.EavZusatz + v.BvTBW;
    v.SummeV2d = vk * v.gm + (v.Wandgewicht + v.NKopf + v.WandAuftrieb) * v.gG;
    v.SummeV2k = vk + (v.Wandgewicht + v.NKopf + v.WandAuftrieb);
    return v;
}

void VertikalGleichgewicht(const VertikalSicht& v) {
    if (Teilsicherheiten())
        ZeileDrucken(Einzug(), "                       vertikal (d)   vertikal (k)");
    else
        ZeileDrucken(Einzug(), "                           vertikal");
    if (v.NKopf != 0.0f) {
        Zeile("zentr. Dauerlast NKopf  =  ", v.NKopf, v.gG);
        ZeileBeenden();
    }
    Zeile("Wandgewicht        Gv   =  ", v.Wandgewicht, v.gG);
    ZeileBeenden();
    if (v.WandAuftrieb < 0.0f) {
        Zeile("Wand-Auftrieb      Gva  =  ", v.WandAuftrieb, v.gG);
        ZeileBeenden();
    }
    Zeile("Erdseite           Eav  =  ", v.EahErdV, v.gm);
    if (Teilsicherheiten()) Drucken(" (", vb::Format(v.gm, "0.000"), " = gamGdk)");
    ZeileBeenden();
    if (v.AbgeschnDruckV != 0.0f) {
        Zeile("abgeschnittener Druck   =  ", v.AbgeschnDruckV, v.gm);
        ZeileBeenden();
    }
    if (v.MitZusatz) {
        Zeile("Zusatzspannungen   Eav  =  ", v.EavZusatz, v.gm);
        ZeileBeenden();
    }
    if (v.MitAnkern) {
        Zeile("Anker u. Steifen   Av   =  ", v.SummeAnkerAv, v.gm);
        ZeileBeenden();
    }
    if (v.MitCKraft) {
        Zeile("Kraft  C * 1.00    Cv   =  ", v.CKraftV, v.gm);
        ZeileDrucken(" deltaC = ", vb::Format(v.CKraftDeltaGrad, "##0.00"), "°");
    }
    Zeile("passiv (2)   vorh. Bv   =  ", v.BvTBW, v.gm);
    if (Teilsicherheiten()) Drucken(" (= vorh. Einwi.)");
    ZeileBeenden();

    if (Teilsicherheiten()) {
        ZeileDrucken(Einzug(), "                   -------------------------------");
        Drucken(Einzug(), "Summe              V2(d)=  ");
        ZahlDrucken(v.SummeV2d, 8, 2);
        Drucken("  V2(k)=");
        ZahlDrucken(v.SummeV2k, 7, 2);
        ZeileBeenden();
        ZeileDrucken(Einzug(), "                   ===============================");
    } else {
        ZeileDrucken(Einzug(), "                   ----------------");
        Drucken(Einzug(), "Summe              V2   =  ");
        ZahlDrucken(v.SummeV2d, 8, 2);
        ZeileBeenden();
        ZeileDrucken(Einzug(), "                   ================");
    }
    Leerzeilen();
}

Vertikalwerte VertikalGleichgewichtBerechnen() {
    Vertikalwerte w;
    w.Wand = VertikalSichtBilden();
    w.Pfahl = P.Wandart == 1;
    if (w.Pfahl) {
        // The piles alone: a token cut-off pressure keeps its row, and Bv is the piles' own value, which
        // the depth grid takes from here.
        St.AbgeschnDruckV = 0.001f;
        N.BvTBW = N.BvPfahl;
        w.Pfaehle = VertikalSichtBilden();
    }
    const VertikalSicht& letzte = w.Pfahl ? w.Pfaehle : w.Wand;
    N.SummeV2d = letzte.SummeV2d;
    N.SummeV2k = letzte.SummeV2k;
    return w;
}

void VertikalGleichgewichtDrucken(const Vertikalwerte& w) {
    VertikalGleichgewicht(w.Wand);
    if (!w.Pfahl && w.Wand.SummeV2k < -1.0f) {
        ZeileDrucken("         *** Negative Auflagerkraft V2 nicht zulässig; siehe Hinweis 1.");
        Leerzeilen();
    }
    if (w.Pfahl) {
        ZeileDrucken(Einzug(), "Vertikales Gleichgewicht der Trägerbohlwand (kN/m):");
        ZeileDrucken(Einzug(), "---------------------------------------------------");
        VertikalGleichgewicht(w.Pfaehle);
    }
    if (Teilsicherheiten()) {
        for (const char* t : {"Hinweis 1: Summe V2(k) > 0  muss vom Anwender erfüllt werden durch",
                              "                            Änderung der neg. Wandreibungswinkel,",
                              "                            Verlängerung der Wand.",
                              "           Summe V2(k) < 0: Betrag von deltap reduzieren!",
                              "           Summe V2(k) > 0: Negatives deltap ist ok, sonst nicht!",
                              "           Summe V2(d) < 0: kein Versinken der Wand zu erwarten.",
                              "           Summe V2(d) > 0: Spitzendruck ansetzen."})
            ZeileDrucken(Einzug(), t);
    } else {
        for (const char* t : {"Hinweis 1: Summe V2 > 0  muss vom Anwender erfüllt werden durch",
                              "                         Änderung der neg. Wandreibungswinkel,",
                              "                         Verlängerung der Wand.",
                              "           Summe V2 < 0: Betrag von deltap reduzieren!",
                              "           Summe V2 > 0: Negatives deltap ist ok, sonst nicht!",
                              "           Summe V2 < 0: kein Versinken der Wand zu erwarten.",
                              "           Summe V2 > 0: Spitzendruck ansetzen."})
            ZeileDrucken(Einzug(), t);
    }
    Leerzeilen(3);
}

} // namespace zormd
