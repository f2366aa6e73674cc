#pragma once
// The report has 80 columns. Some of its lines are wider in the report's original layout (fixed texts and
// number fields that together pass column 80); they keep that layout. The tests of whole runs and the fuzz
// target of the whole chain allow these lines, each up to its width, and no other line beyond column 80.
#include <cstdint>
#include <string>

#include "platform/runtime/vbstring.h"

namespace zortest {

inline constexpr int32_t kBerichtSpalten = 80;

// True when the report line (UTF-8) fits 80 columns or is one of the layout's wider lines within its width.
inline bool BerichtszeileErlaubt(const std::string& zeile) {
    struct Ausnahme {
        const char* stueck; // a piece of the line
        int32_t hoechstens; // its columns at most
    };
    static const Ausnahme ausnahmen[] = {
        {") nicht maßgeb: vorh. Einwirkung", 81},
        {" (= vorh. Einwi.)", 81},
        {" m    bs,r und bs,koh    sind die Startwerte der Berechnung", 82},
        {"Jedoch Überschneidung der Seitenwiderstände nicht maßgebend.", 82},
        {"Ab der Zusammenfassung wird die Querkraft unterhalb der Aushubsohle", 83},
        {"abgemindert. Die Querkraft am Wandfuß entspricht der C-Kraft. Diese", 83},
        {"darf nach EAB, EB 9 (Bild EB 9-1) bzw. EB 84 auf beiden Seiten der", 82},
        {"Reibungswinkel Erdseite am Wandfuß für C-Kraft (+,-) .. :", 82},
        {" m  =0.1*t*Einspanngrad ab 20.2.2008)", 82},
        {" m = Potentialhöhe über dem Wandfuß lufts.", 82},
        {"eine größere als die min. erforderliche Wandlänge vorgegeben werden.", 81},
        {" cm; Bew. für Einflußbr.(MQ)= ", 81},
        {"-------------------------                     Einflußbr.(N) = ", 81},
        {"AsBü = 10 * VEd / ((500/1,15) * z * cot(theta)); Formel 75 DIN 1045-1", 84},
        {" bei cot(theta) = ", 84},
        {"ANKERPRÜFUNGEN; Faktor gamA = 1.10; DIN 1054:2010-12, Zu 8.7, Zu 8.8", 81},
        {" kNm/m Q =", 81},
        {" cm2/m; Betondeckung 4 cm; d1=4,5; d=", 82},
        // The design head of a concrete section prints d1 and d as plain numbers: 80 columns hold two digits
        // each; a section of a metre and more, or a d1 with decimals, needs up to three digits and a decimal
        // part of two for each.
        {" cm; gamS = ", 88},
        // The strut check prints VEd and VRdmax in fields of four digits; a section overloaded past them
        // ("UNZULÄSSIG") needs one more digit each and one for the ratio.
        {"  Druckstrebe:    VEd / VRdmax = ", 84},
        // The earth support of a soldier pile wall with a relief factor appends its share in percent, as
        // Str prints it (up to seven digits with the point), behind the pressure.
        {"Als geschlossene Wand: Erddr. Aushub bis Wandfuß  =", 88},
        {"Vertikal (seit 24.1.2009)  =", 88},
        // The cut-off pressure of the horizontal equilibrium with both of its notes, water and additional
        // stresses, behind its number field.
        {"abgeschnittener Druck   =  ", 85},
    };
    const int32_t spalten = vb::Len(zeile);
    if (spalten <= kBerichtSpalten) return true;
    // The rule under the anchor checks' heading is as long as the heading.
    if (zeile == std::string(13, ' ') + std::string(68, '-')) return true;
    for (const Ausnahme& a : ausnahmen)
        if (spalten <= a.hoechstens && zeile.find(a.stueck) != std::string::npos) return true;
    return false;
}

} // namespace zortest
