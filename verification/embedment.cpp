#include "verification/embedment.h"

#include <cmath>
#include <string>

#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "verification/section_tools.h"
#include "verification/state.h"
#include "verification/weissenbach.h"

using zorma::Spalte;

namespace zormd {

namespace {

// Steps the statics recorded (IterZaehler - 1, never beyond the record).
int Schritte() {
    const int n = St.IterZaehler - 1;
    return n < 0
               ? 0
               : (n > zormc::Statikzustand::kMaxIterProtokoll ? zormc::Statikzustand::kMaxIterProtokoll : n);
}

void TabelleFreiesAuflager(bool pfahl) {
    if (St.IterZaehler <= 1) return;
    Leerzeilen();
    if (pfahl) {
        ZeileDrucken(Einzug(), "                        durchgehende  Wand        Trägerbohlwand");
        ZeileDrucken(Einzug(), "ITERATION  Einbindetiefe     Ed       Rd", "           Ed       Rd");
        ZeileDrucken(Einzug(), "------------------------------------------", "----------------------");
    } else {
        ZeileDrucken(Einzug(), "ITERATION  Einbindetiefe     Ed       Rd");
        ZeileDrucken(Einzug(), "------------------------------------------");
    }
    for (int i = 1; i <= Schritte(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        Drucken(Einzug());
        ZahlDrucken(St.IterT[k], 20, 2);
        ZahlDrucken(St.IterBh[k], 13, 2);
        ZahlDrucken(St.IterEph[k], 9, 2);
        if (pfahl) {
            ZahlDrucken(St.IterMFuss[k], 13, 2);
            ZahlDrucken(St.IterEphPfahl[k], 9, 2);
        }
        ZeileBeenden();
    }
    Leerzeilen();
}

void TabelleBlum() {
    Leerzeilen();
    ZeileDrucken(Einzug(), "ITERATION      Tiefe t   Fussmoment (M = 0: erf. Tiefe nach Blum)");
    ZeileDrucken(Einzug(), std::string(65, '-'));
    for (int i = 1; i <= Schritte(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        Drucken(Spalte(28));
        ZahlDrucken(St.IterT[k], 6, 2);
        ZahlDrucken(St.IterMFuss[k], 13, 2);
        ZeileBeenden();
    }
    Leerzeilen();
}

// A foot search stopped at its bound whose final forces agree within 3 % found its foot after all.
// After Blum the earth-support force is the resistance itself (Bh = Eph), so the agreement proves
// nothing there: a search stopped at its bound stays unconverged.
void KonvergenzNachpruefen() {
    if (St.KeineKonvergenz <= 28 || P.Wandfuss == 4) return;
    float r1 = St.Eph != 0.0f ? std::fabs((St.Bh - St.Eph) / St.Eph) : std::fabs(St.Bh - St.Eph);
    const float r2 =
        P.Wandart == 1 && St.EphPfahl != 0.0f ? std::fabs((St.MFuss - St.EphPfahl) / St.EphPfahl) : 0.0f;
    if (P.Wandfuss == 2) r1 = 10000.0f;
    if (r1 < 0.03f && r2 < 0.03f) St.KeineKonvergenz = 0;
}

bool KeineKonvergenz() {
    return St.KeineKonvergenz > 30;
}

// In place of a verdict that would read as met when the foot search did not converge.
constexpr const char* kNichtNachgewiesen = "  *** nicht nachgewiesen";

void Abschluss() {
    Leerzeilen(3);
    if (KeineKonvergenz()) {
        ZeileDrucken("         *** Keine Konvergenz für die Fusstiefe!");
        ZeileDrucken("                   Die Ergebnisse sind möglicherweise unbrauchbar.");
        if (St.BettungStufe == 0)
            ZeileDrucken("                   Rechnen Sie besser mit elastischer Bettung.");
        Leerzeilen(2);
    }
    if (P.Wandfuss != 3 && St.Bh < -0.1f) {
        ZeileDrucken("         *** Negative Auflagerkraft nicht zulässig.");
        Leerzeilen();
    }
    // The head row of the solved table (deflection in mm, either direction).
    if (St.AnzZeilen >= 1 && std::fabs(St.ErgebnisTabelle[1][zormc::kW]) > 300.0f) {
        ZeileDrucken("         *** Sehr große Verformung am Wandkopf.");
        Leerzeilen();
    }
}

} // namespace

void EntlastungProzent() {
    if (P.EntlastFaktor > 0.0f && P.UmFigur != 0) {
        const float prozent = (1.0f - P.EntlastFaktor) * 100.0f;
        ZeileDrucken(" =", vb::Str(prozent), "%");
    } else {
        ZeileBeenden();
    }
}

void HinweisKorrigiert() {
    if (P.Wandart == 1) ZeileDrucken(Spalte(48), "Korrigierte Einbindetiefe s.u.");
}

void ErdauflagerWerte() {
    N.RdFuss = St.EpFaktor * St.Eph;
    N.EdFuss = P.Wandart == 1 ? St.MFuss : St.Bh;
    N.Ed00Bestimmbar = St.Eph != 0.0f;
    N.Ed00 = N.Ed00Bestimmbar ? N.Rhd * St.Bh / St.Eph : 0.0f;
}

void ErdauflagerSicherheit() {
    const bool teil = P.TeilsicherheitenAn != 0;
    const bool pfahl = P.Wandart == 1;
    const bool ruhe = P.Erddruckart == 2;
    if (P.Wandfuss == 3) return;

    Leerzeilen();
    ZeileDrucken(Einzug(), "SICHERHEIT DES ERDAUFLAGERS bei der ermittelten Tiefe:");
    ZeileDrucken(Einzug(), std::string(54, '-'));
    if (pfahl) {
        Drucken(Einzug(), "Als geschlossene Wand:");
        if (ruhe) {
            ZeileBeenden();
        } else {
            Drucken(" Erddr. Aushub bis Wandfuß  =");
            ZahlDrucken(St.AbgeschnDruck, 7, 2);
            Drucken(" kN/m");
            EntlastungProzent();
            Drucken(Einzug(), "                       Vertikal (seit 24.1.2009)  =");
            ZahlDrucken(St.AbgeschnDruckV, 7, 2);
            Drucken(" kN/m");
            EntlastungProzent();
        }
    }
    if (!teil) {
        Drucken(Spalte(14), "Fuß-Stützkraft            zul.A =");
    } else {
        ZeileDrucken(Spalte(43), "Rd nach EAB 2006, EB 15(1) mit dem ");
        ZeileDrucken(Spalte(43), "eingegebenen AnpassFaktor eta = ", vb::Format(P.EtaAnpass, "0.00"));
        Drucken(Spalte(14), "Fuß-Stützkraft (Bemessung)   Rd =");
    }
    ZahlDrucken(St.Eph, 7, 2);
    if (!teil) {
        Drucken(" bei etaA =  ");
        ZahlDrucken(P.Etap, 5, 2);
    } else if (!pfahl && !ruhe) {
        Drucken("  Rd00 =");
        ZahlDrucken(N.Rhd, 8, 2);
    }
    ZeileBeenden();

    if (!teil)
        Drucken(Spalte(39), "vorh.A =");
    else if (pfahl || ruhe)
        Drucken(Spalte(43), "Ed =");
    else
        Drucken(Spalte(14), "00: ohne Überlagerung        Ed =");
    ZahlDrucken(St.Bh, 7, 2);
    if (pfahl) {
        Drucken(" =");
        ZahlDrucken(St.AbgeschnDruck, 7, 2);
        Drucken(" +");
        ZahlDrucken(St.MFuss, 7, 2);
        Drucken(" (s.u.)");
    } else if (teil && !ruhe) {
        Drucken("  Ed00 =");
        if (N.Ed00Bestimmbar)
            ZahlDrucken(N.Ed00, 8, 2);
        else
            Drucken(" nicht bestimmbar");
    }
    ZeileBeenden();

    if (!teil) {
        const float eta = St.Bh != 0.0f ? St.Eph / St.Bh * P.Etap : P.Etap;
        if (eta <= -0.01f) {
            ZeileDrucken("        ---> vorhandene Sicherheit: siehe bei Summe H.");
        } else {
            Drucken("        ---> vorhandene Sicherheit      eta' =");
            ZahlDrucken(eta, 7, 2);
            if (eta < P.Etap) {
                Drucken(" < ");
                ZahlDrucken(P.Etap, 5, 2);
                ZeileBeenden();
                HinweisKorrigiert();
            } else if (KeineKonvergenz()) {
                ZeileDrucken(kNichtNachgewiesen);
            } else {
                Drucken(" >=");
                ZahlDrucken(P.Etap, 5, 2);
                ZeileBeenden();
            }
        }
    } else {
        Drucken("        ---> Ausnutzung ............ Ed / Rd = ");
        if (St.Eph != 0.0f) {
            const float u = St.Bh / St.Eph;
            ZahlDrucken(u, 6, 2);
            if (u >= 1.02f) {
                ZeileDrucken("  >  1.00 UNZULÄSSIG!");
                HinweisKorrigiert();
            } else if (KeineKonvergenz()) {
                ZeileDrucken(kNichtNachgewiesen);
            } else {
                ZeileBeenden();
            }
        } else if (St.Bh > 0.0f) {
            // No resistance at all against a force: the earth support fails.
            ZeileDrucken("nicht bestimmbar  UNZULÄSSIG!");
            HinweisKorrigiert();
        } else {
            ZeileDrucken("nicht bestimmbar");
        }
    }
    Leerzeilen();
}

void EinbindungBerechnen() {
    KonvergenzNachpruefen();
    if (P.Wandfuss == 4) St.EinspErg = 100.0f;
    ErdauflagerWerte();
    if (P.Wandart == 1) WeissenbachWerte();
}

void EinbindungDrucken() {
    const bool pfahl = P.Wandart == 1;
    switch (P.Wandfuss) {
    case 1:
        TabelleFreiesAuflager(pfahl);
        break;
    case 4:
        TabelleBlum();
        break;
    default: // 2 given, 3 hinged in rock: no table
        break;
    }
    ErdauflagerSicherheit();
    if (pfahl) Weissenbach();
    Abschluss();
}

} // namespace zormd
