#pragma once
// A whole project calculated without windows, as the tests run it: the start-up rules (root folder, list of
// project files, settings and their defaults), the slip-circle arrays, the project file read, the seepage and
// heave options as the wall page takes them, the working safety factors as the safety pages' OK sets them from
// the saved project, and the calculation request with
// every window slot at its default (the report is copied beside the project file as ".AUS"). Message boxes
// take their default answer. The current folder is the working folder of the run.
#include <string>

#include "platform/forms/msgbox.h"

namespace zorrun {

// Exit status of a headless run.
inline constexpr int kLaufFertig = 0;       // every run ended with "ENDE"
inline constexpr int kLaufNichtFertig = 1;  // no run, a run abandoned, or stopped at the wall-foot check
inline constexpr int kDateiNichtLesbar = 2; // the project file cannot be read

// Calculates the project file (absolute, or relative to the current folder).
int ProjektRechnen(const std::string& projektDatei);

// Message boxes for a run without windows: each box answers with its default button, and its title and text
// go to standard error, with the answer.
class MeldungenAufStderr : public vb::MsgBoxHandler {
public:
    int show(std::string_view prompt, int buttons, std::string_view title) override;
    void beep() override;
};

} // namespace zorrun
