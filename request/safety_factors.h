#pragma once
// The working safety factors of a project, window-free: what the OK of the safety-concept page and then,
// with partial factors, the OK of the page of reduced factors set when both pages are confirmed as they open
// from the saved project (concept, design situation, subsoil class, adaption factor, own factors and the
// three reduction flags). The pages call the same routines from their OK; the headless run of a project
// calls SicherheitsbeiwerteSetzen before its calculation request.
//
// The working factors (gamG, gamE0g, gamQ, gamRe, gamRh, gamG1C, gamQ1C, gamPhi, gamC, gamGstb, gamGdst,
// gamQdst, gamH, gamStahlAnker, gamGBSP, gamQBSP, gamE0gBSP and, for the global concept, gamRered, gamWred,
// gamMittel) are not saved with the project: they exist only once these routines have run. All values are
// single precision.
#include <cstdint>

namespace Sicherheiten {

// The safety-concept page confirmed as it opens from the project data:
// - TeilsicherheitenAn becomes 0 or 1; UntergrundGuenstig 1 (favourable) or 0;
// - global concept: Bemessungssituation := 2 (the page's preset), every working factor, gamRered, gamWred,
//   gamMittel and EtaAnpass := 1.0, gamStahlAnker := 1.75, Etap := EtaGlobal when EtaGlobal > 1;
// - partial factors after DIN 1054 (no own factors, gamE0gEig = 0): a situation other than 1, 2, 3 or 23
//   becomes 2 (BS-T); the factors of the situation's column, gamH from the subsoil class; gamStahlAnker 1.15;
// - own factors (gamE0gEig not 0): Bemessungssituation := 0 and kzRered := 0; an own factor of 0 becomes
//   1.0 (also in the project data) and every working factor takes its own factor; gamStahlAnker 1.15;
// - partial factors of both kinds: gamGBSP 1.35, gamQBSP 1.50, gamE0gBSP 1.20; EtaAnpass 0 becomes 1.0.
void KonzeptUebernehmen();

// The page of reduced factors confirmed as it opens (partial factors only): gamWred := gamE0g; the saved
// flags are taken as the page's check boxes take them (the EAB reduction kzRered2 excludes both EAU
// reductions, and a saved kzWred clears kzRered2); gamRered := the E 215 value of the situation (BS-P 1.20,
// BS-T 1.15, BS-A 1.10, BS-T/A 1.13) with kzRered, 1.0 with kzRered2, else 0.
void ReduktionenUebernehmen();

// Both in the order of the start dialog: the concept, then the reductions when partial factors are on.
void SicherheitsbeiwerteSetzen();

// The E 215 factor of a design situation; 0 for any other situation (own factors).
float ReduzierterErdwiderstand(int16_t bemessungssituation);

} // namespace Sicherheiten
