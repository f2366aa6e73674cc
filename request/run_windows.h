#pragma once
// What the calculation request does to windows: the main window's buttons, pointer and focus, the anchor
// dialog, the profile list, the input dialogs, the report and the graphics window, and the yield to the
// window system before each run. Each is a slot, empty (nothing happens) until the program's windows
// install theirs (FensterStandard, run/connect_windows.h), which reach the windows by their names. The
// request never reaches a window any other way, so it runs the same with the windows, headless, and in the
// tests, which may install slots of their own.
#include <functional>
#include <string>

namespace zorrun {

struct Fensteraufrufe {
    // Main window: enables (true) or disables one of its buttons, named "cmdEnd", "cmdNeustart",
    // "cmdNeustart2", "cmdStart" or "cmdOK".
    std::function<void(const std::string& name, bool freigeben)> Schaltflaeche;
    // Main window: the hourglass (true) or the normal pointer (false) over it.
    std::function<void(bool sanduhr)> Sanduhr;
    // Main window: the focus onto the load-case option (a project without load case).
    std::function<void()> LastfallFokus;
    // Main window: the focus onto "Programm beenden" (after a complete request).
    std::function<void()> EndeFokus;
    // The anchor dialog: unloaded before the support levels are rebuilt, loaded when they changed.
    std::function<void()> AnkerDialogEntladen;
    std::function<void()> AnkerDialogLaden;
    // The steel-profile list, loaded when the user wants another profile.
    std::function<void()> ProfilListeLaden;
    // zorm1.MaskenEntladen: every input dialog unloaded.
    std::function<void()> MaskenEntladen;
    // The report and the graphics window of an earlier run unloaded; false when a window refuses (the report
    // window while it prints), and the request then makes no run.
    std::function<bool()> ErgebnisFensterEntladen;
    // After a run: the report window shown (not modal); loading it copies the report beside the project file
    // as ".AUS".
    std::function<void()> BerichtFensterZeigen;
    // After a run: the graphics window loaded, which runs the picture sequence.
    std::function<void()> GrafikFensterLaden;
    // A picture sequence that waits for the user is ended (the click that loaded the graphics window then
    // returns); false when no sequence waits.
    std::function<bool()> GrafikFolgeBeenden;
    // Pending repaints and clicks processed: the only yield of a request, immediately before each run.
    std::function<void()> Nachgeben;
};

// The installed slots.
Fensteraufrufe& Fenster();

} // namespace zorrun
