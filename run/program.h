#pragma once
// The program after its window backend is installed: every window registered by its name, the calculation
// connected to the windows, the working folder locked for this instance (request/working_folder.h), the start
// window, and the windows' loop until the last window is gone.
namespace zorrun {

// Exit status of the program.
inline constexpr int kProgrammEnde = 0;         // the last window is gone, or "End" without a code
inline constexpr int kProgrammFehler = 1;       // an error no handler trapped, and no window left
inline constexpr int kProgrammOrdnerBelegt = 3; // another instance runs in the working folder: a message box
                                                // has said so, no window opened and no file touched

// The program's lock of its working folder, held from its start until the process ends.
// ArbeitsordnerBelegen takes it for the current folder; false when another instance holds it (a message box
// has said so). ArbeitsordnerFreigeben lets it go before the program starts itself anew and ends, so that
// the new instance can take it; it returns whether it was held.
bool ArbeitsordnerBelegen();
bool ArbeitsordnerFreigeben();

// Runs the program on the installed backend (the Qt windows, or the headless backend of the tests) and
// returns its exit status; the code of "End" where the program ends by it.
int ProgrammAusfuehren();

} // namespace zorrun
