// The ranges of the input values: what a project may hold for the calculation to carry it. One table for
// every place that checks input: stage a before anything is written, and the pages that refuse a value at
// their OK. The ranges are those of the pages where the pages keep a value inside one; where a page lets any
// value through, the range is what the arithmetic of the stages carries in single precision (lengths and
// levels inside the model's depth of 99 m, unit weights, moduli and factors inside physical bounds).
#pragma once

#include <optional>
#include <string>

namespace zorm1 {

// The largest modulus of subgrade reaction a bedding row may hold (MN/m3): that of sound rock; soils lie
// far below it.
inline constexpr float kBettungsmodulMax = 1.0e4f;

// Checks the whole project `P` (counts, lists and every value of the project file, stages 1..AnzAush,
// load cases 1..AnzLF, layers 1..AnzErd, slopes 1..AnzBoesch). The counts must have been checked against
// the arrays before (zorma::PruefeUebergabeGrenzen). Returns the first value outside its range as one line
// naming the value, its statement of the project file, its field and the allowed range, for example
// "Wichte der Bodenschicht 1 (Satz 5, SchichtGamma) = 999999; zulässig 0 bis 50 kN/m3."; nothing when every
// value fits.
std::optional<std::string> EingabeBereichePruefen();

// The given earth pressure of stage s (1..15): rows 1..n of `ZEahGeg`/`EahGeg` with n = `EahGeg`(s, 0).
// With rows, the levels rise from 0 (first row) to 99 (the wall foot, last row); the earth-pressure stage
// adds the list to diagrams that run from the wall head to depth 99, so a list that stops short has no
// value below its end. Returns the line as EingabeBereichePruefen does.
std::optional<std::string> VorgabeErddruckPruefen(int s);

// The redistribution figure of stage s (1..15), row 5 of the stage table: one of the figures the page
// offers (0, 1, 2, 4 to 8; 6 and 7 not on a soldier pile wall; with pure earth pressure at rest 0 to 2), and
// none (0) in a stage without a support in force whose wall head is free or displaceably fixed (`WandKopf`
// 1 or 4), where the page offers no figure.
std::optional<std::string> UmlagerungsfigurPruefen(int s);

// The supports in force of stage s (1..15) with the wall foot given (`Wandfuss` 2, or 3 in rock): each lies at
// the foot level `ZWandfuss` or above it; a support below the wall is refused. Returns the line as
// EingabeBereichePruefen does.
std::optional<std::string> AuflagerUeberFussPruefen(int s);

// The refusal of a run, as stage a and the pages say it: "Die Berechnung ist nicht möglich:" + the line +
// "Bitte die Eingabe überprüfen.", lines ended by CR LF.
std::string BerechnungNichtMoeglich(const std::string& zeile);

} // namespace zorm1
