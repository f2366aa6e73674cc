#include "verification/required_embedment.h"

#include <cmath>
#include <string>

#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "verification/state.h"

using zorm1::P;
using zorma::Drucken;
using zorma::Leerzeilen;
using zorma::ZahlDrucken;
using zorma::ZeileBeenden;
using zorma::ZeileDrucken;
using zormc::St;

namespace zormd {

namespace {
const std::string& I() {
    return zorma::Bericht.Einrueckung;
}
} // namespace

void MindestRammtiefenzuschlag() {
    if (P.TeilsicherheitenAn == 0) return;
    N.MinDt = N.EinbindeTiefe * 0.1f * P.EinspErg / 100.0f;
    if (St.DeltaT < N.MinDt) St.DeltaT = N.MinDt;
}

bool ErforderlicheEinbindungDrucken() {
    const float t = N.EinbindeTiefe;
    const float dt = St.DeltaT;
    const float dtH = N.DtHGesucht && N.DtHBestimmbar ? N.DtH : 0.0f;
    ZeileDrucken("         *** ERFORDERLICHE EINBINDETIEFE:");
    ZeileDrucken("             ----------------------------");
    Drucken(I(), "Rechn. Einbindetiefe  t =  ");
    ZahlDrucken(t, 5, 2);
    ZeileDrucken(" m  ab Aushubsohle ");

    const auto wandlaenge = [&] {
        Drucken(I(), "Gesamte Wandlänge       =  ");
        ZahlDrucken(t + dt + P.zAush, 5, 2);
        ZeileDrucken(" m");
    };
    if (dt != 0.0f) {
        Drucken(I(), "Rammtiefenzuschlag   dt = ");
        ZahlDrucken(dt, 6, 2);
        Drucken(" m  ");
        if (dtH == dt) {
            ZeileDrucken("wegen Summe H = 0 erford.");
        } else {
            ZeileDrucken("für Kraft C erforderlich");
            if (P.Wandart == 1) {
                ZeileDrucken(I(), "  (bei Trägerbohlw.  dt =   0.20 *  t; Weißenbach Baugruben T. 3)");
                if (P.AnzBoesch > 0)
                    ZeileDrucken(I(), "  (Dieser Nachweis geht von horizontalem Gelände erdseitig aus)");
            } else {
                if (P.TeilsicherheitenAn == 0) {
                    Drucken(I(), "  (Sicherheitsbeiwert   =   ");
                    ZahlDrucken(P.Etap, 4, 2);
                    ZeileDrucken("    in dt enthalten ab 23.9.01)");
                }
                if (P.AnzBoesch > 0)
                    ZeileDrucken(I(), "  (Erdseitige Böschungen, auch negative, wurden berücksichtigt)");
                if (P.TeilsicherheitenAn == 1) {
                    Drucken(I(), "                (min dt = ");
                    ZahlDrucken(N.MinDt, 6, 2);
                    ZeileDrucken(" m  =0.1*t*Einspanngrad ab 20.2.2008)");
                }
            }
        }
        Drucken(I(), "Gesamte Einbindetiefe   =  ");
        ZahlDrucken(t + dt, 5, 2);
        ZeileDrucken(" m  ab Aushubsohle");
        wandlaenge();
    } else if (N.SummeH1 < 0.0f && P.Wandfuss == 2) {
        ZeileDrucken("         *** Summe H >= 0 ist nicht erfüllt. Größere Fußtiefe wählen");
        ZeileDrucken(I(), "oder Fußtiefe suchen lassen.");
    } else if (static_cast<float>(St.ZRuhedruckFuss - 0.01f) >= P.zFuss) {
        ZeileDrucken(I(), "*** Wandfuß liegt höher als Belastungs-Nullpunkt ( unzulässig ).");
        ZeileDrucken(I(), "    Berechnung unbrauchbar.");
        ZeileDrucken(I(), "    Einbindetiefe suchen lassen: Fußtiefe NICHT vorgeben.");
        return true;
    } else {
        wandlaenge();
        Leerzeilen();
        if (St.GebetteteKragwand != 0) {
            ZeileDrucken(I(), "26.4.2009: Gebettete Kragwand: Die wirksame Einbindetiefe früherer");
            ZeileDrucken(I(), "Programm-Versionen (zur Begrenzung der Duchbiegung) ist entfallen.");
            ZeileDrucken(I(), "Durch Ansatz des Drehpunktes ergab sich eine größere Einbindetiefe.");
            ZeileDrucken(I(), "Wenn jetzt die rechnerische Durchbiegung begrenzt werden soll, muß ");
            ZeileDrucken(I(), "eine größere als die min. erforderliche Wandlänge vorgegeben werden.");
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

    if (P.BettungStufe != 1 && P.Wandfuss != 3 && P.Wandfuss != 4 &&
        !(P.EinspErg == 0.0f && P.Wandfuss == 1)) {
        if (P.EinspErg != 0.0f && St.EinspDrucken == 1) {
            Drucken(I(), "Einspanngrad            = ");
            ZahlDrucken(P.EinspErg, 6, 2);
            ZeileDrucken(" %");
            if (P.EinspErg != 100.0f && std::fabs(static_cast<float>(St.DeltaT - dtH)) > 0.01f &&
                P.Wandart == 1)
                ZeileDrucken(I(), "(wurde bei der Ermittlung von dt berücksichtigt)");
            Leerzeilen();
        }
        if (P.EinspErg == 100.0f) {
            ZeileDrucken(I(), "Die Einbindetiefe wurde auf 100 % Einspannung reduziert.");
            Leerzeilen();
        }
    }
    Leerzeilen(2);
    return false;
}

} // namespace zormd
