#pragma once
// A project made ready for its calculation, without a window: what the start window, the start dialog, the
// safety pages, the design page and the wall page do to the project data before "Berechnung starten". The
// start dialog's OK (also after "aktueller Dateiname; ändern in......") and the headless run call these
// routines; the pages do the same when the user confirms them as they open.
#include <string>

namespace zorrun {

// The start window's "Weiter": the version text, the depth of the wall foot mark (TiefeUnendlich 99), the
// root folder, the list of project files tidied. False when no root folder can be had (the message has said
// so): the program ends.
bool Starten();

// The start dialog's loading: the degree-to-radian factor, the settings file and its defaults.
void EinstellungenLaden();

// The names of the project file from the folder DateiPfad and the name DateiName (trimmed): NameOhneExt,
// GanzerName, GanzerNameOhneExt.
void NamenAbleiten();

// The folder and the name of a project file given as a path (absolute, or relative to the current folder),
// then the names derived from them. The path is this machine's own: a name the file holds is never taken.
void NamenAusPfad(const std::string& projektDatei);

// Reads the project file GanzerName: the slip-circle arrays made anew, then the file. False (after the
// reader's message) when it cannot be read; the project data are then as before.
bool ProjektEinlesen();

// The project read (or entered) made ready for the calculation: the names derived again from DateiPfad and
// DateiName (the file read or the save place chosen; the full name stored in the file, which the report's
// head prints, becomes that of the file read, as the start dialog's save name box makes it); the working
// safety factors as the safety pages set them when they are confirmed, with the steel stresses of the grade;
// what the design page and the wall page set when they open (among them the working flags of seepage and
// heave, kzStroem and kzHydGrBr, from the saved ones, and the unit weight of the wall under buoyancy,
// GamWand2).
void RechnungVorbereiten();

} // namespace zorrun
