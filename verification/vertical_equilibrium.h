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

// One view of the vertical equilibrium: its rows (characteristic, kN/m) as the stage's working values
// hold them, the factors, and its sums Summe V2(d) and V2(k).
struct VertikalSicht {
    float gm = 1.0f, gG = 1.0f; // VertikalFaktorMittel, VertikalFaktorG
    float NKopf = 0.0f, Wandgewicht = 0.0f, WandAuftrieb = 0.0f, EahErdV = 0.0f, AbgeschnDruckV = 0.0f;
    bool MitZusatz = false; // additional stresses act (St.EahZusatz not 0): their row is shown
    float EavZusatz = 0.0f;
    bool MitAnkern = false; // supports carry a horizontal force: their row is shown
    float SummeAnkerAv = 0.0f;
    bool MitCKraft = false; // a C force acts: its row is shown
    float CKraftV = 0.0f, CKraftDeltaGrad = 0.0f;
    float BvTBW = 0.0f;
    float SummeV2d = 0.0f, SummeV2k = 0.0f;
};
// The view of the current working values; changes nothing.
VertikalSicht VertikalSichtBilden();

// The section's values: the view of the wall, and for a soldier pile wall the view of the piles alone.
struct Vertikalwerte {
    VertikalSicht Wand;
    bool Pfahl = false;
    VertikalSicht Pfaehle;
};

// The views of the stage (after VertikalWerteBilden). For a soldier pile wall the piles' view takes a
// token cut-off pressure St.AbgeschnDruckV = 0.001 and Bv := N.BvPfahl, which stay (the depth grid
// reads Bv). N.SummeV2d and N.SummeV2k: the sums of the last view.
Vertikalwerte VertikalGleichgewichtBerechnen();

// The table of one view.
void VertikalGleichgewicht(const VertikalSicht& v);

// The section from its values: the table (twice for a soldier pile wall, the second for the piles
// alone), the warning for Summe V2(k) < -1 on other walls, the hint lines. Changes nothing.
void VertikalGleichgewichtDrucken(const Vertikalwerte& w);

} // namespace zormd
