#pragma once
// Section "ERFORDERLICHE EINBINDETIEFE" of a stage: embedment t below the excavation level, the extra
// embedment dt with its reason and notes, total embedment and wall length; without extra embedment
// the check of the wall foot against the load zero point; the notes on the horizontal equilibrium
// reached by dt and on the degree of fixity.
namespace zormd {

// Partial-factor mode: the minimum extra embedment 0.1 t EinspErg / 100 (N.MinDt), taken as DeltaT
// when DeltaT is smaller. The global mode forms nothing.
void MindestRammtiefenzuschlag();

// Prints the section; true when the wall foot lies above the load zero point (the run stops: the
// section ends after its three stop lines).
bool ErforderlicheEinbindungDrucken();

} // namespace zormd
