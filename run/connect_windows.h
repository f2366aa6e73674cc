#pragma once
// The calculation connected to the program's windows: its messages (frame/messages.h) as message boxes with
// the beep, the slip circle's progress (slipcircle/progress.h) in its progress window, and the calculation
// request's window slots (run_windows.h) at their defaults. The program connects them at its start; tests
// that run the calculation under the headless windows connect them too.
#include <string_view>

#include "frame/messages.h"

namespace zorrun {

// The calculation's messages as message boxes (vb::MsgBox, vb::Beep).
class Meldungsfenster : public zor::Meldungen {
public:
    int Zeigen(std::string_view text, int knoepfe, std::string_view titel) override;
    void Signalton() override;
};

// The request's window slots at their defaults: the main window "frmAuswahl" (its buttons, MousePointer,
// optAuswahl(4), cmdEnd), "frmAnker1", "frmProfile", zorm1::MaskenEntladen, the report window frmAnzeigen,
// "frmZorG1", and DoEvents as the yield before each run. A window that is not loaded or not part of the
// program is left alone.
void FensterStandard();

// Connects all three; FensterTrennen connects the calculation back to its record and to no progress
// display (the request's slots keep their defaults).
void FensterAnschliessen();
void FensterTrennen();

} // namespace zorrun
