#pragma once
// The stages of a calculation run as the run driver calls them. Each stage is a slot that holds a call; the
// driver calls the slots and never the stages directly, so a stage that is not built yet is a stand-in with
// the same hand-over, and tests drive the loop with stand-ins of their own.
//
// Contract of the slots (all run in the working folder, on the project data in place):
// - EingabeAuswerten (stage a): evaluates the input, writes the working copy "WEXASAVE.", the report "LPTZW"
//   and the hand-over files, leaves LFNr = AushNr = 1 and writes "ENDE" into "ZORDENDE.DOS" last. It refuses
//   input it cannot calculate by throwing zor::CalcAbort with the message for the user.
// - ErddruckBerechnen: the earth-pressure stage of load case LFNr and stage AushNr.
// - WandStatik(status): the statics of load case LFNr and stage AushNr. It sets status (frame/run_status.h) to
//     Weiter  ("D") the stage is solved: go on to the verifications,
//     Nochmal ("B") repeat earth pressure and statics of the same stage (the seepage iteration changed the
//             unit weights); the statics bounds its own repetitions, the driver bounds them once more,
//     Stop    ("STOP") the beam system is singular: the statics has told the user, the run is abandoned.
// - Nachweise(status): the verifications of load case LFNr and stage AushNr. It steps AushNr (inner) and
//   LFNr (outer) and sets Nochmal while stages or load cases remain. After the last stage of the last
//   load case it writes the end-of-run files ("wexasave.GL1", "ANKMAX.-12"), writes "ENDE" into
//   "ZORDENDE.DOS" and sets Ende. When the wall foot lies above the load zero point it writes the marker
//   and sets Ende at once, leaving LFNr and AushNr where they were (LFNr <= AnzLF).
// Any stage may throw zor::CalcAbort (message for the user) or a run-time error; the driver abandons the run.
#include <functional>
#include <string>

#include "frame/run_status.h"

namespace zorrun {

struct Laufstufen {
    std::function<void()> EingabeAuswerten;
    std::function<void()> ErddruckBerechnen;
    std::function<void(zor::Laufstatus& status)> WandStatik;
    std::function<void(zor::Laufstatus& status)> Nachweise;
};

// The stages the driver calls.
Laufstufen& Stufen();

// Back to the program's stages: stage a, the earth-pressure stage, the statics (zormc::WandStatik) and
// the verification stage (zormd::Nachweise), with the design stage and the governing-section search in the
// verification stage's slots (zormd::BemessungAnmelden).
void StufenStandard();

// Stand-in of the statics for tests of the driver: every stage is solved at once ("D").
void StatikPlatzhalter(zor::Laufstatus& status);

// Stand-in of the verifications: steps stage and load case as the verification stage does, answers "B" while
// stages or load cases remain; after the last one writes "wexasave.GL1" (the header line of the slip-circle
// input and a copy of "WEXASAVE"), "ENDE" into "ZORDENDE.DOS", and answers "ENDE".
void NachweisePlatzhalter(zor::Laufstatus& status);

} // namespace zorrun
