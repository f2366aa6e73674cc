#include "verification/anchor_maxima.h"

#include <array>
#include <cmath>
#include <string>

#include "earthpressure/report_file.h"
#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"
#include "statics/state.h"
#include "verification/anchor_files.h"
#include "verification/section_tools.h"
#include "verification/state.h"

using zorma::ZahlText;

namespace zormd {

namespace {

using Werte = std::array<float, kMaxAnkerSlots + 1>;

void Kopf() {
    ZeileDrucken(Einzug(), " Kote     max Ah   Steife / Anker   Neigung     Länge      max A");
    ZeileDrucken(Einzug(), "  (m)     (kN/m)                      (°)        (m)      (kN/m)");
    ZeileDrucken(Einzug(), std::string(64, '-'));
}

// The rows with the factor f; true when an anchor row was among them.
bool Zeilen(const Werte& kraft, const Werte& laenge, float f) {
    bool anker = false;
    const int n = P.AnzAnkerGesamt < kMaxAnkerSlots ? P.AnzAnkerGesamt : kMaxAnkerSlots;
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const float F = f * kraft[k];
        Drucken(Einzug());
        ZahlDrucken(P.ZAuflager[k], 5, 2);
        ZahlDrucken(F, 11, 2);
        if (laenge[k] == 0.0f) {
            ZeileDrucken("   Steife");
            continue;
        }
        anker = true;
        const float neigung = AB.AnkerNeigungRad[k];
        const float c = std::cos(neigung);
        Drucken("            Anker");
        ZahlDrucken(P.GradZuRad != 0.0f ? neigung / P.GradZuRad : 0.0f, 9, 2);
        ZahlDrucken(laenge[k], 11, 2);
        if (c != 0.0f)
            ZahlDrucken(F / c, 11, 2);
        else
            Drucken("        ***"); // a vertical anchor has no force from its horizontal share
        ZeileBeenden();
    }
    return anker;
}

bool FaktorAktiv() {
    return zormc::St.AnkerFaktor != 1.0f;
}

} // namespace

void AnkerMaximaLastfall() {
    GlfLesen();
    Leerzeilen();
    ZeileDrucken(Einzug(), "MAXIMALWERTE DER ANKER- UND STEIFENKRÄFTE IM   LF  ", P.LFNr);
    ZeileDrucken(Einzug(), std::string(53, '-'));
    const bool teil = P.TeilsicherheitenAn != 0;
    ZeileDrucken(Einzug(), teil ? "Bemessungswerte (d) nach Grenzzustand GZ STR."
                                : "( wie errechnet; ohne Zusatz-Faktoren nach EAB )");
    Leerzeilen();
    Kopf();
    bool anker = Zeilen(AB.AnkerKraftMax, AB.AnkerGlfWert, 1.0f);
    if (FaktorAktiv()) {
        Leerzeilen();
        ZeileDrucken(Einzug(), "(Faktor * Kraft für Anker- und Steifen-Nachweise):");
        anker = Zeilen(AB.AnkerKraftMax, AB.AnkerGlfWert, zormc::St.AnkerFaktor) || anker;
    }
    if (P.Bemessungssituation == 2 && teil) {
        Leerzeilen();
        ZeileDrucken(Einzug(), "Ab 7.2.2008: Erhöhung der Bemessungswerte auf BS-P.");
        ZeileDrucken(Einzug(), "bei Steifen und Ankern nach DIN 1054:2010-12, A 9.7.1.3, A(4), A(5)");
        ZeileDrucken(Einzug(), "Max. Faktor = ", vb::Format(zormc::St.AnkerFaktor, "0.000 "),
                     "von BS-T nach BS-P.");
    }
    if (anker) {
        Leerzeilen();
        ZeileDrucken(Einzug(), "Hinw.: Bei Verankerungen unter Bauwerken sollte die EB 46 der EAB");
        ZeileDrucken(Einzug(), "       beachtet werden: Anker verlängern, staffeln und spreizen.");
        Leerzeilen();
    }
    Leerzeilen(2);
}

void AnkerMaximaGesamt() {
    Leerzeilen(3);
    ZeileDrucken(Einzug(), "MAXIMALWERTE DER ANKER- UND STEIFENKRÄFTE AUS ALLEN LASTFÄLLEN:");
    ZeileDrucken(Einzug(), std::string(63, '-'));
    Kopf();
    Zeilen(AB.AnkerAhMax, AB.AnkerLaengeBem, 1.0f);
    if (FaktorAktiv()) {
        Leerzeilen();
        ZeileDrucken(Einzug(), "Faktor * Kraft für Anker- und Steifen-Nachweise:");
        Zeilen(AB.AnkerAhMax, AB.AnkerLaengeBem, zormc::St.AnkerFaktor);
    }
    Leerzeilen(2);
}

} // namespace zormd
