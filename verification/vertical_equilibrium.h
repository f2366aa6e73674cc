#pragma once
// Vertical equilibrium of the wall: head load, wall weight and buoyancy, the vertical components of
// earth pressure, cut-off pressure, additional stresses, supports and C force, and the mobilised
// vertical passive resistance Bv; the sums Summe V2(d) and V2(k).
//
// Forces in kN/m, positive downwards. Working values are characteristic: design sources are divided
// by gamMittel (1 in the global mode, and wherever the factor is 0).
namespace zormd {

// The factors of the vertical view: gamMittel and gamG with partial factors, 1 in the global mode
// and wherever the factor is 0. The normal force of the depth grid uses the same, so both sums close.
float VertikalFaktorMittel();
float VertikalFaktorG();

// Forms the working values of the stage (called once per stage, before the horizontal sum):
// Wandgewicht, WandAuftrieb (0 when the foot lies above the excavation-side water), St.EahErdV and
// N.EavZusatz as areas down to zAush (soldier pile wall) or zFuss, St.AbgeschnDruckV and
// N.SummeAnkerAv divided by gamMittel, St.CKraftV = -CKraft tan(CKraftDelta) / gamMittel, and Bv:
// other walls Bh EpvWand / Eph (0 when Eph is 0); soldier piles (EdFuss + AbgeschnDruck) Rvd / Rhd /
// gamMittel (0 when Rhd is 0), the piles' own value kept in N.BvPfahl. A rock foot clears CKraftV,
// Bv and EpvWand. Without additional-stress rows St.EahZusatz is cleared.
void VertikalWerteBilden();

// The table of one view; stores N.SummeV2d and N.SummeV2k.
void VertikalGleichgewicht();

// The section: the table (twice for a soldier pile wall, the second for the piles alone), the
// warning for Summe V2(k) < -1 on other walls, the hint lines.
void VertikalGleichgewichtDrucken();

} // namespace zormd
