#pragma once
// What the calculation request does to windows: the main window's buttons, pointer and focus, the anchor
// dialog, the profile list, the input dialogs, the report and the graphics window. Each is a slot the window
// concerned installs when it becomes part of the program; an empty slot does nothing. The request never
// reaches a window any other way, so it runs the same with the windows, headless, and in the tests.
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
    // The report and the graphics window of an earlier run unloaded.
    std::function<void()> ErgebnisFensterEntladen;
    // After a run: the report window shown (not modal). Loading it copies the report beside the project file
    // (".AUS"); until the report window is part of the program the default slot makes that copy alone.
    std::function<void()> BerichtFensterZeigen;
    // After a run: the graphics window loaded, which runs the picture sequence.
    std::function<void()> GrafikFensterLaden;
};

// The installed slots.
Fensteraufrufe& Fenster();

// Back to the defaults: every slot empty except BerichtFensterZeigen, which copies the report.
void FensterStandard();

// The copy of the report "LPTZW" beside the project file: GanzerNameOhneExt + ".AUS", every line ended by
// CR LF, written to a temporary file that then replaces the old copy. Returns false after a message box when
// the report cannot be read or the copy cannot be written; the old copy then stays as it was. The report
// window's own copy replaces this one when the report window is part of the program.
extern std::function<bool()> DruckDateiSchreiben;
bool BerichtKopieren();

// The name of the copy: GanzerNameOhneExt + ".AUS".
std::string DruckDatei();

} // namespace zorrun
