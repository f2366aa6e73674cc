#pragma once
// The verification stage of a calculation run: one call per excavation stage of every load case
// (load cases outer, stages inner), after the statics has solved the stage.
//
// A call prepares the stage's working values, appends the stage's report sections in their fixed
// order to the report "LPTZW" (file 6, opened for appending), writes the plot records "A", "B", "C"
// to "zzzplot2" and "wexasave.gl2", steps AushNr / LFNr and answers "B" while stages or load cases
// remain. After the last stage of the last load case it runs the end of the run: maxima over all load
// cases, the slip-circle hand-over files, the slip circle (GelaendebruchEin) with its table in the
// reopened report, the section design, and "ENDE" into "ZORDENDE.DOS"; it answers "ENDE".
// When the required-embedment section finds the wall foot above the load zero point, the call writes
// the marker after that section and answers "ENDE" at once (AushNr and LFNr stay; the report stays open).
//
// Sections and end-of-run steps that other parts of the program provide are slots (Abschnitte());
// each slot starts as the named function below, and tests may put stand-ins in their place.
//
// Errors: "ZOREPP." with more than 250 points abandons the calculation (zor::CalcAbort); file errors
// are thrown as they come. Nothing is trapped here.
#include <functional>
#include <string>

#include "frame/run_status.h"

namespace zormd {

struct Nachweisabschnitte {
    std::function<void()> GlfrLesen;             // anchor data of the deep slip plane ("ZORGLFR")
    std::function<void()> Erdwiderstand;         // 1: earth resistance in front of the wall
    std::function<void()> Einbindung;            // 2: embedment iteration, earth-support safety
    std::function<void()> Gleichgewicht;         // 6: result diagrams, horizontal equilibrium
    std::function<void()> VertikalGleichgewicht; // 7: vertical equilibrium
    std::function<void()> Bemessungsschnitte;    // 8: depth grid, governing sections, summary
    // Inside 8, after the normal force of every grid point and before the minimum extra embedment:
    // the governing design sections over the grid (it decides itself on the partial-factor mode and
    // the wall type). The design stage installs it. It may read the grid of zormd::N
    // (verification/state.h): KotenListe, KotenM, KotenQ, KotenN at 1..AnzKoten (AnzKoten still
    // counts the last point; the section drops it afterwards), and the stage values zAush,
    // BettungStufe, EinspErg, Wandtyp, MitNormalkraft, ProfilName of zorm1::P. It must fill the
    // governing longitudinal and shear records (MaxLaengs ..., MaxQuer ...) that the design stage
    // reads, and may set the influence widths of the project data. It must not change the grid.
    std::function<void()> MassgebendeSchnitte;
    std::function<bool()>
        ErforderlicheEinbindung; // 9: true when the wall foot lies above the load zero point
    std::function<void()> HydraulischerGrundbruch; // 10: hydraulic heave
    std::function<void()> TiefeGleitfuge;          // 11: anchor maxima, deep slip plane, anchor lengths
    std::function<void()> LastfallMaxima;          // anchor and strut maxima of the load case
    std::function<void()> GesamtMaxima;            // maxima over all load cases
    std::function<void()> Gleitkreis;              // slip circle of every load case
    std::function<void()> GleitkreisTabelle;       // slip-circle result table
    std::function<void()> Bemessung;               // section design
};

// The slots the driver calls.
Nachweisabschnitte& Abschnitte();
// Every slot back to its named function.
void AbschnitteStandard();

// The verifications of load case LFNr and stage AushNr; status := "B" or "ENDE".
void Nachweise(zor::Laufstatus& status);

// Preparation steps of a call (also used by tests): files closed, anchor forces and extremes cleared,
// report opened, load case and stage loaded, C force and extra embedment cleaned, the statics' heave
// values of step 0 taken for plot record "C", passive list read, Rhd computed.
void NachweiseVorbereiten();

// ---- the slots' named functions; those not built yet do nothing
void GlfrLesen();
void ErdwiderstandAbschnitt();
void EinbindungAbschnitt();
void GleichgewichtAbschnitt();
void VertikalGleichgewichtAbschnitt();
void BemessungsschnitteAbschnitt();
void MassgebendeSchnitteAbschnitt();     // nothing until the design stage installs its own
bool ErforderlicheEinbindungAbschnitt(); // false: the run goes on
// The heave values computed, then printed; what the section shows of step 0 goes to plot record "C".
void HydraulischerGrundbruchAbschnitt();
void TiefeGleitfugeAbschnitt();
void LastfallMaximaAbschnitt();
void GesamtMaximaAbschnitt();
void GleitkreisRechnenAbschnitt(); // the slip circle (Zormg::GleitkreisRechnen)
void GleitkreisTabelleAbschnitt();
void BemessungAbschnitt();

// Hand-over files of a complete run: "wexasave.GL1" (header line and a copy of "WEXASAVE"), the
// anchor block "Gebrauchskraft" at the end of "wexasave.gl2" (only with support levels), "ANKMAX.-12".
void UebergabeDateienSchreiben();

} // namespace zormd
