#pragma once
// The anchor section at the end of the design: required safety of the steel tension member and lock-off
// factor (global safety) or test and lock-off loads (partial factors), the strand anchor table
// (St 1570/1770, 0.6" strands of 140 mm2), the single-bar tables (St 1080/1230 and/or the user's own
// steel) and the form for the chosen anchor lengths. Everything goes to the report, file number 6, which
// must be open.
//
// Reads per level i = 1 .. min(P.AnzAnkerGesamt, 13): P.ZAuflager, zormd::BS.AnkerAhMax, P.AnkerAbstand and
// the anchor bookkeeping values in zormd::AW (AnkerNeigungRad, AnkerLaengeBem, AnkerLmaxD, AnkerLminD,
// AnkerKraft, AnkerKraftAktiv); further zormc::St.AnkerFaktor, P.RuheProz, P.TeilsicherheitenAn,
// P.gamStahlAnker, P.StahlStaebe, P.AnkerStahlStreck, P.AnkerStahlFliess, P.DWand.
//
// A level takes part when its spacing is not 0 and AnkerLmaxD + AnkerLminD > 0. Its force per anchor in
// anchor direction is A = AnkerFaktor AnkerAhMax AnkerAbstand / cos(inclination). A level whose A is not a
// positive number (a maximum still at its start -9999, no force, an inclination of 90 degrees) gets a line
// "*** Kote ...: keine gültige Ankerkraft, Anker nicht bemessen" in every list instead of its rows.
// Counts and bar diameters are the integer nearest to q + 0.5, halves to even (q rounded up). The tables
// hold two digits of them: a level whose force needs more than 99 strands (or a bar above 99 mm) gets a line
// "*** Kote ...: über 99 Litzen nötig, kein Litzenanker reicht aus" (for bars "über 99 mm nötig, kein
// Einstabanker reicht aus") instead of its rows in that table.
#include <cstdint>
#include <string>

namespace zormd {

// The whole anchor section; ends with two empty lines and P.DatenGelesen = -1 also when no level takes
// part (then nothing else is printed).
void AnkerNachweise();

// Row builders on AW.ZeilenPuffer and AW.FeldPuffer (see the section's description above).
void AnkerZeileLitze(int16_t& i);
void AnkerZeileReinAktiv(int16_t& i);
void AnkerZeilePruefkraft(int16_t& i);
void AnkerZeileBemessung(int16_t& i);
void MaximaMerken();
void AusnutzungAnhaengen();
// The single-bar table for AW.fy and AW.ft.
void AnkerTabelle();

// The text right-aligned in 6 characters (a longer text is not cut).
std::string Rechtsbuendig6(const std::string& s);
// q rounded up the way the tables count: the integer nearest to q + 0.5, halves to even.
int16_t Aufgerundet(double q);
// A of level i (kN per anchor, anchor direction).
float AnkerKraftJeAnker(int i);

} // namespace zormd
