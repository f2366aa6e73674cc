#pragma once
// Layer table and effective vertical stress of the excavation side below the excavation level.

namespace zormc {

// Builds the excavation-side layer table (St.AushSchicht..., entries 1..AushSchichtAnz + 1) from
// the soil layers (zormcom::Lauf.SchichtKote, the excavation-side unit weights, Kpgh, Kpch, Cp), split at
// St.BezugsTiefe, at the excavation-side water level P.ZWasserLuft when it lies above 99 and differs
// from P.ZWasserErd, and once more at BezugsTiefe (a layer of zero thickness there); and the stress
// list St.Gz (kN/m2): 0 down to BezugsTiefe, then the sum of thickness times unit weight (buoyant
// below ZWasserLuft), on the common depths of the layer bottoms; St.SchichtSigma the same per layer
// bottom, St.SohlSpannung a copy. Layers beyond the 12th have no excavation-side unit weights and
// count with 0 ("***" note in St.Hinweise when they lie below BezugsTiefe). A table that cannot take
// the layers and their splits (16 entries) throws zor::CalcAbort.
void VertikalspannungUnterSohle();

// Splits the layer table at St.TeilungsTiefe: the first layer whose top and bottom enclose the depth
// (bounds included) becomes two, the lower one with the same properties. A depth outside the table
// changes nothing; a table that is full throws zor::CalcAbort.
void SchichtTeilen();

} // namespace zormc
