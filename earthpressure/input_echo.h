#pragma once
// The echo of the input in the report (file 6, already open with its page head): the data as
// the run will use them, with explanatory notes. Part of the first stage of a run; the echo
// also sets a few working values (see the functions).

namespace zorma {

// General notes, safety concept, wall, wall head and earth-pressure options, soil
// parameters with the computed coefficients, given coefficients and slopes.
// Clears kzStroem and kzHydGrBr for an open wall (Wandart 1), and SchichtKach / SchichtKpch
// of layers without active / passive cohesion.
void EchoAllgemeinWandBoden();

// Excavation stages with their options, bedding notes, load cases, anchors of the vertical
// equilibrium and of the deep slip plane. Loads every stage (AushNr, AushubLaden,
// BettungStufe, UeberlagernNoetig) and sets kzUeb(s) := 1 where superposition is needed;
// leaves the last stage and the last load case (LFNr, NKopf, AnzLastLuft, AnzLastErd) current.
void EchoAushubLastenAnker();

} // namespace zorma
