#pragma once
// The report has 80 columns. Two kinds of line pass column 80, and no other:
//  1. the report's own texts that are wider: a fixed line of the layout (13 blanks of indent and a text of
//     68 characters and more). Each is allowed by its exact text (kEigeneBreiteZeilen).
//  2. the layout's lines with numbers, where a number outgrew its field: Print widens a field for a number
//     that does not fit, so such a line is as wide as its numbers make it (an overloaded strut check was seen
//     at 139 columns). A line of this kind is known by a fixed piece of its text (kZahlenzeilen), whatever
//     its width, as long as its numbers stay readable: no two of them run together (ZahlenLesbar).
// The tests of whole runs and the fuzz target of the whole chain allow these lines.
#include <cstdint>
#include <string>

#include "platform/runtime/vbstring.h"

namespace zortest {

inline constexpr int32_t kBerichtSpalten = 80;

// The indent of the report lines.
inline const std::string kBerichtEinzug(13, ' ');

// 1. The fixed lines of the report wider than 80 columns, as they are printed.
inline const std::string kEigeneBreiteZeilen[] = {
    // The anchor checks' heading and its rule.
    kBerichtEinzug + "ANKERPRÜFUNGEN; Faktor gamA = 1.10; DIN 1054:2010-12, Zu 8.7, Zu 8.8",
    kBerichtEinzug + std::string(68, '-'),
    // The notes on the bedding in the input echo.
    kBerichtEinzug + "   Zustandsgrößen: Fed.Konst. = (red) Bettung / vert.Abstand (kN/m2) ",
    kBerichtEinzug + "                   hor.Press. = H-Kraft / vert.Abstand       (kN/m2)",
    // The closing notes of the list of reduced bedding moduli.
    kBerichtEinzug + "Die Reduzier-Liste sollte möglichst kurz ausfallen; bei langer Liste",
    // The soldier pile wall's earth support after Weißenbach.
    kBerichtEinzug + "         Jedoch Überschneidung der Seitenwiderstände nicht maßgebend.",
    // The shear force below the excavation level in the summary.
    kBerichtEinzug + "   Ab der Zusammenfassung wird die Querkraft unterhalb der Aushubsohle",
    kBerichtEinzug + "   abgemindert. Die Querkraft am Wandfuß entspricht der C-Kraft. Diese",
    kBerichtEinzug + "   darf nach EAB, EB 9 (Bild EB 9-1) bzw. EB 84 auf beiden Seiten der",
    // The bedded cantilever's note on the required wall length.
    kBerichtEinzug + "eine größere als die min. erforderliche Wandlänge vorgegeben werden.",
    // The stirrups' formula under the strut check, from column 16.
    kBerichtEinzug + "  AsBü = 10 * VEd / ((500/1,15) * z * cot(theta)); Formel 75 DIN 1045-1",
};

// 2. Fixed pieces of the lines with numbers that pass column 80 once a number outgrows its field.
inline const char* const kZahlenzeilen[] = {
    ") nicht maßgeb: vorh. Einwirkung",
    " (= vorh. Einwi.)",
    " m    bs,r und bs,koh    sind die Startwerte der Berechnung",
    "Reibungswinkel Erdseite am Wandfuß für C-Kraft (+,-) .. :",
    " m  =0.1*t*Einspanngrad ab 20.2.2008)",
    " m = Potentialhöhe über dem Wandfuß lufts.",
    " cm; Bew. für Einflußbr.(MQ)= ",
    "-------------------------                     Einflußbr.(N) = ",
    " bei cot(theta) = ",
    " kNm/m Q =",
    " cm2/m; Betondeckung 4 cm; d1=4,5; d=",
    // The design head of a concrete section prints d1 and d as plain numbers.
    " cm; gamS = ",
    // The strut check prints VEd and VRdmax in fields of four digits.
    "  Druckstrebe:    VEd / VRdmax = ",
    // The earth support of a soldier pile wall with a relief factor appends its share in percent, as Str
    // prints it, behind the pressure.
    "Als geschlossene Wand: Erddr. Aushub bis Wandfuß  =",
    "Vertikal (seit 24.1.2009)  =",
    // The cut-off pressure of the horizontal equilibrium with both of its notes.
    "abgeschnittener Druck   =  ",
};

// True when no two numbers of the line run together: a run of digits and decimal commas holds at most one
// comma (the report's decimal separator in the tests). "5635,81876,5" is two numbers without a gap.
inline bool ZahlenLesbar(const std::string& zeile) {
    int kommas = 0;
    bool ziffer = false;
    for (const char c : zeile) {
        if (c >= '0' && c <= '9') {
            ziffer = true;
        } else if (c == ',' && ziffer) {
            if (++kommas > 1) return false;
            ziffer = false;
        } else {
            kommas = 0;
            ziffer = false;
        }
    }
    return true;
}

// True when the report line (UTF-8) fits 80 columns, is one of the report's own wider lines, or is a line of
// the layout whose numbers outgrew their fields and stay readable.
inline bool BerichtszeileErlaubt(const std::string& zeile) {
    if (vb::Len(zeile) <= kBerichtSpalten) return true;
    for (const std::string& z : kEigeneBreiteZeilen)
        if (zeile == z) return true;
    for (const char* stueck : kZahlenzeilen)
        if (zeile.find(stueck) != std::string::npos) return ZahlenLesbar(zeile);
    return false;
}

} // namespace zortest
