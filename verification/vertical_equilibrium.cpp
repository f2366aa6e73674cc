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

void VertikalGleichgewicht() {
    const float gm = VertikalFaktorMittel(), gG = VertikalFaktorG();
    if (Teilsicherheiten())
        ZeileDrucken(Einzug(), "                       vertikal (d)   vertikal (k)");
    else
        ZeileDrucken(Einzug(), "                           vertikal");
    if (P.NKopf != 0.0f) {
        Zeile("zentr. Dauerlast NKopf  =  ", P.NKopf, gG);
        ZeileBeenden();
    }
    Zeile("Wandgewicht        Gv   =  ", N.Wandgewicht, gG);
    ZeileBeenden();
    if (N.WandAuftrieb < 0.0f) {
        Zeile("Wand-Auftrieb      Gva  =  ", N.WandAuftrieb, gG);
        ZeileBeenden();
    }
    Zeile("Erdseite           Eav  =  ", St.EahErdV, gm);
    if (Teilsicherheiten()) Drucken(" (", vb::Format(gm, "0.000"), " = gamGdk)");
    ZeileBeenden();
    if (St.AbgeschnDruckV != 0.0f) {
        Zeile("abgeschnittener Druck   =  ", St.AbgeschnDruckV, gm);
        ZeileBeenden();
    }
    if (St.EahZusatz != 0.0f) {
        Zeile("Zusatzspannungen   Eav  =  ", N.EavZusatz, gm);
        ZeileBeenden();
    }
    if (N.SummeAnkerAh != 0.0f) {
        Zeile("Anker u. Steifen   Av   =  ", N.SummeAnkerAv, gm);
        ZeileBeenden();
    }
    if (St.CKraft != 0.0f) {
        Zeile("Kraft  C * 1.00    Cv   =  ", St.CKraftV, gm);
        const float grad = P.GradZuRad != 0.0f ? St.CKraftDelta / P.GradZuRad : 0.0f;
        ZeileDrucken(" deltaC = ", vb::Format(grad, "##0.00"), "°");
    }
    Zeile("passiv (2)   vorh. Bv   =  ", N.BvTBW, gm);
    if (Teilsicherheiten()) Drucken(" (= vorh. Einwi.)");
    ZeileBeenden();

    const float vk = St.AbgeschnDruckV + St.EahErdV + N.SummeAnkerAv + St.CKraftV + N.EavZusatz + N.BvTBW;
    N.SummeV2d = vk * gm + (N.Wandgewicht + P.NKopf + N.WandAuftrieb) * gG;
    N.SummeV2k = vk + (N.Wandgewicht + P.NKopf + N.WandAuftrieb);
    if (Teilsicherheiten()) {
        ZeileDrucken(Einzug(), "                   -------------------------------");
        Drucken(Einzug(), "Summe              V2(d)=  ");
        ZahlDrucken(N.SummeV2d, 8, 2);
        Drucken("  V2(k)=");
        ZahlDrucken(N.SummeV2k, 7, 2);
        ZeileBeenden();
        ZeileDrucken(Einzug(), "                   ===============================");
    } else {
        ZeileDrucken(Einzug(), "                   ----------------");
        Drucken(Einzug(), "Summe              V2   =  ");
        ZahlDrucken(N.SummeV2d, 8, 2);
        ZeileBeenden();
        ZeileDrucken(Einzug(), "                   ================");
    }
    Leerzeilen();
}

void VertikalGleichgewichtDrucken() {
    VertikalGleichgewicht();
    if (P.Wandart != 1 && N.SummeV2k < -1.0f) {
        ZeileDrucken("         *** Negative Auflagerkraft V2 nicht zulässig; siehe Hinweis 1.");
        Leerzeilen();
    }
    if (P.Wandart == 1) {
        ZeileDrucken(Einzug(), "Vertikales Gleichgewicht der Trägerbohlwand (kN/m):");
        ZeileDrucken(Einzug(), "---------------------------------------------------");
        St.AbgeschnDruckV = 0.001f;
        N.BvTBW = N.BvPfahl;
        VertikalGleichgewicht();
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
