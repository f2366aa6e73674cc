#pragma once
// The calculation request of the main window ("Berechnung starten") and the run driver.
//
// cmdStart_Click prepares the project (loads moved off support levels, empty layers, support levels, bored
// piles as soldier piles), stops where the input is not ready, saves the project, sets the factors of the
// run, makes one run (partial factors) or one or two runs (global safety), copies the run's working copy and
// slip-circle input beside the project file and shows the result windows. Rechnen is one run: stage a, then
// earth pressure, statics and verifications per load case and stage, steered by the run status. Every stage
// is a call through the slots of run_stages.h; windows are reached through run_windows.h; both work in the
// current folder, which holds the working files of a run.
//
// The project and the run's copy: a run works on the project data in place, as its own copy of the project
// saved in step 12 (wall loads moved off the support levels, factors, at-rest share, slip circle and anchor
// lengths set for it, angles in radians, layers split, stages loaded); the working copy "WEXASAVE" holds that
// copy, the project file the project with the user's wall loads. Every run starts from the copy as step 12
// made it, and after the runs the request puts the saved project back; what a run leaves for the report
// window, the pictures and the next run is in the run state of the folders (their state.h). So after a
// request every project value in memory is the user's, Etap, gamRe and the wall loads' levels included, with
// the last stage loaded as step 5 left it, and the project file keeps what step 12 saved: the run's working
// copy "WEXASAVE." stays in the working folder (it feeds the slip circle) and is not copied over it.
//
// Runs (their factors in zormcom::Vorgaben): with partial factors one run (ErsterLauf 1, the anchor lengths
// by the deep slip plane switched on, Etap := gamRe, or gamRered where a reduction is in force, on the run's
// copy). With global safety a first run with pure active pressure and no slip circle (ErsterLauf 1), then,
// when the project has an at-rest share or the slip circle, a second run with them (ErsterLauf 0) that reads
// the anchor lengths the first one kept. Pure earth pressure
// at rest (Erddruckart 2) always makes exactly one run, of the first kind, with the project's own share and
// slip-circle switch. Before the runs the result files of earlier runs go, the slip-circle input
// "wexasave.GL1" and "ANKMAX.-12" included, so that a run that stops early leaves no stale copy.
//
// Failures: a run that cannot go on (a stage refusing the input or failing, the statics answering "STOP",
// a missing end marker, a bound reached) is abandoned: every file is closed, the user is told (the statics
// tells "STOP" itself), nothing is copied, no result window opens, pointer and buttons are restored, and the
// project data are those saved before the runs (angles in degrees); the project file is not touched after
// that save. A failed save ends the request before any run.
// Stage a refuses a value outside the ranges of frame/input_ranges.h before it writes anything. While a run
// calculates, no file takes a value that is no number (vb::ZahlenwerteWaechter): a stage that produces one
// abandons the run with a message naming load case, excavation stage, the stage and the line of the value.
#include <cstdint>
#include <string>

#include "frame/run_status.h"

namespace zorrun {

// Outcome of one run.
enum class Laufausgang {
    Ende,             // "ENDE" after the last stage of the last load case
    WandfussOberhalb, // "ENDE" early: the wall foot lies above the load zero point
    Abgebrochen,      // abandoned (see above)
};

// Outcome of a request.
enum class Anfrageausgang {
    KeinLauf,         // ended before a run: support levels changed, another profile wanted, no load case,
                      // a load that cannot be moved off a support, the report window printing, a failed save
    Abgebrochen,      // a run was abandoned
    WandfussOberhalb, // every run ended, one of them early at the wall-foot check
    Fertig,           // every run ended with "ENDE"
};

// Bounds of the loop: repetitions of the statics within one stage, and calls of the verifications per run
// (AnzLF x AnzAush, since each call steps one stage).
inline constexpr int kMaxStatikWiederholungen = 100;

// The handler of "Berechnung starten". While it runs (AnfrageLaeuft), a second call returns KeinLauf at once;
// when the pictures of the running request wait for the user, that call also ends the picture sequence, and
// the new request runs as soon as the running one has returned (never nested inside it).
Anfrageausgang cmdStart_Click();

// True while a request runs (its pictures waiting for the user included).
bool AnfrageLaeuft();
// True while a request calculates, up to the showing of its report and pictures; the main window refuses
// to close meanwhile (while the pictures wait, its close box ends the program).
bool AnfrageRechnet();

// On the project data in place (within a request: the run's copy). Moves every wall load of every load case
// that lies less than 0.005 m from a support level of any stage (the eight support levels ZAnker of every
// stage, as the anchor page lists them) downward in steps of 0.005 m until it is 0.005 m or more away from all
// of them (differences in single precision). A load at a level where a step of 0.005 m no longer changes the
// single value is told to the user and the result is false.
bool LastenVerschieben();

// One run on the project data in place. status is the run status the stages set; the result says how the
// run ended. The project data are left as the run changed them: the caller puts the project back.
Laufausgang Rechnen(zor::Laufstatus& status);

} // namespace zorrun
