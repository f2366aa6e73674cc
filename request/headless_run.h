#pragma once
// A whole project calculated without windows: the start-up rules (root folder, list of project files,
// settings and their defaults), the project file read, the project made ready for its calculation as the
// start dialog's OK does it (project_preparation.h), and the calculation request with every window slot
// empty. The run first locks its working folder (working_folder.h): when another instance holds it, the run
// says so and ends with kOrdnerBelegt before it touches a file. Messages go to the connected sink
// (frame/messages.h); the tool of the tests connects MeldungenAufStderr. The current folder is the working
// folder of the run; the report copy, the project file and the slip-circle input ".gl1"/".gl2" are written
// beside the project file read.
#include <string>
#include <string_view>

#include "frame/messages.h"

namespace zorrun {

// Exit status of a headless run.
inline constexpr int kLaufFertig = 0;       // every run ended with "ENDE"
inline constexpr int kLaufNichtFertig = 1;  // no run, a run abandoned, or stopped at the wall-foot check
inline constexpr int kDateiNichtLesbar = 2; // the project file cannot be read
inline constexpr int kOrdnerBelegt = 3;     // another instance runs in the working folder: nothing done

// Calculates the project file (absolute, or relative to the current folder).
int ProjektRechnen(const std::string& projektDatei);

// Messages of a run without windows: each answers with its default button, and its title and text go to
// standard error, with the answer; the beep as a line of its own.
class MeldungenAufStderr : public zor::Meldungen {
public:
    int Zeigen(std::string_view text, int knoepfe, std::string_view titel) override;
    void Signalton() override;
};

} // namespace zorrun
