#include "verification/required_embedment.h"

#include <cmath>
#include <string>

#include "earthpressure/report_file.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "verification/section_tools.h"
#include "verification/state.h"

namespace zormd {

void MindestRammtiefenzuschlag() {
    if (P.TeilsicherheitenAn == 0) return;
    N.MinDt = N.EinbindeTiefe * 0.1f * St.EinspErg / 100.0f;
    if (St.DeltaT < N.MinDt) St.DeltaT = N.MinDt;
}

bool ErforderlicheEinbindungDrucken() {
    const float t = N.EinbindeTiefe;
    const float dt = St.DeltaT;
    const float dtH = N.DtHGesucht && N.DtHBestimmbar ? N.DtH : 0.0f;
    ZeileDrucken("         *** ERFORDERLICHE EINBINDETIEFE:");
    ZeileDrucken("             ----------------------------");
    Drucken(Einzug(), "Rechn. Einbindetiefe  t =  ");
    ZahlDrucken(t, 5, 2);
    ZeileDrucken(" m  ab Aushubsohle ");

    const auto wandlaenge = [&] {
        Drucken(Einzug(), "Gesamte Wandlänge       =  ");
        ZahlDrucken(t + dt + P.zAush, 5, 2);
        ZeileDrucken(" m");
    };
    if (dt != 0.0f) {
        Drucken(Einzug(), "Rammtiefenzuschlag   dt = ");
        ZahlDrucken(dt, 6, 2);
        Drucken(" m  ");
        if (dtH == dt) {
            ZeileDrucken("wegen Summe H = 0 erford.");
        } else {
            ZeileDrucken("für Kraft C erforderlich");
            if (P.Wandart == 1) {
                ZeileDrucken(Einzug(), "  (bei Trägerbohlw.  dt =   0.20 *  t; Weißenbach Baugruben T. 3)");
                if (P.AnzBoesch > 0)
                    ZeileDrucken(Einzug(), "  (Dieser Nachweis geht von horizontalem Gelände erdseitig aus)");
            } else {
                if (P.TeilsicherheitenAn == 0) {
                    Drucken(Einzug(), "  (Sicherheitsbeiwert   =   ");
                    ZahlDrucken(P.Etap, 4, 2);
                    ZeileDrucken("    in dt enthalten ab 23.9.01)");
                }
                if (P.AnzBoesch > 0)
                    ZeileDrucken(Einzug(), "  (Erdseitige Böschungen, auch negative, wurden berücksichtigt)");
                if (P.TeilsicherheitenAn == 1) {
                    Drucken(Einzug(), "                (min dt = ");
                    ZahlDrucken(N.MinDt, 6, 2);
                    ZeileDrucken(" m  =0.1*t*Einspanngrad ab 20.2.2008)");
                }
            }
        }
        Drucken(Einzug(), "Gesamte Einbindetiefe   =  ");
        ZahlDrucken(t + dt, 5, 2);
        ZeileDrucken(" m  ab Aushubsohle");
        wandlaenge();
    } else if (N.SummeH1 < 0.0f && P.Wandfuss == 2) {
        ZeileDrucken("         *** Summe H >= 0 ist nicht erfüllt. Größere Fußtiefe wählen");
        ZeileDrucken(Einzug(), "oder Fußtiefe suchen lassen.");
    } else if (static_cast<float>(St.ZRuhedruckFuss - 0.01f) >= zormcom::Lauf.zFuss) {
        ZeileDrucken(Einzug(), "*** Wandfuß liegt höher als Belastungs-Nullpunkt ( unzulässig ).");
        ZeileDrucken(Einzug(), "    Berechnung unbrauchbar.");
        ZeileDrucken(Einzug(), "    Einbindetiefe suchen lassen: Fußtiefe NICHT vorgeben.");
        return true;
    } else {
        wandlaenge();
        Leerzeilen();
        if (St.GebetteteKragwand != 0) {
            ZeileDrucken(Einzug(), "26.4.2009: Gebettete Kragwand: Die wirksame Einbindetiefe früherer");
            ZeileDrucken(Einzug(), "Programm-Versionen (zur Begrenzung der Duchbiegung) ist entfallen.");
            ZeileDrucken(Einzug(), "Durch Ansatz des Drehpunktes ergab sich eine größere Einbindetiefe.");
            ZeileDrucken(Einzug(), "Wenn jetzt die rechnerische Durchbiegung begrenzt werden soll, muß ");
            ZeileDrucken(Einzug(), "eine größere als die min. erforderliche Wandlänge vorgegeben werden.");
        }
    }

    // An extra embedment that could not be determined carries none of these notes (dtH is 0 then).
    if (N.SummeH1 < -1.0f && P.Wandart == 1 && dtH > 0.0f) {
        Leerzeilen();
        ZeileDrucken("        ---> Summe H >= 0 war nicht eingehalten. Durch den oben angegebenen");
        ZeileDrucken("             Rammtiefenzuschlag ist das horizontale Gleichgewicht erfüllt.");
        if (P.ZWasserLuft != P.ZWasserErd) {
            ZeileDrucken("             22.4.2009: Wasserdruck beim Rammtiefenzuschlag berücksichtigt,");
            ZeileDrucken("                        obwohl dieser bei einer TBW nicht auftreten kann.");
        }
        Leerzeilen();
    }

    if (St.BettungStufe != 1 && P.Wandfuss != 3 && P.Wandfuss != 4 &&
        !(St.EinspErg == 0.0f && P.Wandfuss == 1)) {
        if (St.EinspErg != 0.0f && St.EinspDrucken == 1) {
            Drucken(Einzug(), "Einspanngrad            = ");
            ZahlDrucken(St.EinspErg, 6, 2);
            ZeileDrucken(" %");
            if (St.EinspErg != 100.0f && std::fabs(static_cast<float>(St.DeltaT - dtH)) > 0.01f &&
                P.Wandart == 1)
                ZeileDrucken(Einzug(), "(wurde bei der Ermittlung von dt berücksichtigt)");
            Leerzeilen();
        }
        if (St.EinspErg == 100.0f) {
            ZeileDrucken(Einzug(), "Die Einbindetiefe wurde auf 100 % Einspannung reduziert.");
            Leerzeilen();
        }
    }
    Leerzeilen(2);
    return false;
}

} // namespace zormd
