#pragma once
// The one reset of a calculation run's state.
//
// Every calculation folder keeps what a run leaves between the calls of its routines in one state
// header of its own (earthpressure/state.h, ...), with one reset for the whole folder. The folder's
// state.cpp announces that reset here once, at program start:
//
//     static const zor::LaufzustandAnmeldung anmeldung(&zor::ErddruckLaufZuruecksetzen);
//
// so that zor::LaufZuruecksetzen() reaches every folder linked into the program, also the folders
// above frame/, without frame/ including them. A folder whose state.cpp is not linked has no run
// state in the program and nothing to reset.
//
// The project data zorm1::P are not run state: they are reset by zorm1::ResetProjectData.

namespace zor {

// Puts the run state of every calculation folder in the program back to program start. Test
// fixtures call it before each test, the run driver before a run. Never throws.
void LaufZuruecksetzen();

// Announces the reset of one folder's run state to LaufZuruecksetzen (at static initialisation).
struct LaufzustandAnmeldung {
    explicit LaufzustandAnmeldung(void (*zuruecksetzen)());
};

} // namespace zor
