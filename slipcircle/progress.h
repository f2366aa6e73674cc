#pragma once
// What the slip-circle stage shows of its progress and where it lets the user act, without a window. The
// layer on top supplies an observer (the run's progress window); without one the stage runs quietly.
#include <cstdint>
#include <string>

namespace Zormg {

class Fortschritt {
public:
    virtual ~Fortschritt() = default;
    // The stage begins (input to the other windows is held back, the hourglass shows) and ends, however
    // it ends.
    virtual void Beginn() {}
    virtual void Ende() {}
    // The search of a load case begins, in the stage the model takes; the texts follow through Zeile.
    virtual void Lastfall(int16_t /*lastfall*/, int16_t /*aushub*/) {}
    // Text at the start of row zeile (1 = top); a text of blanks clears what the row held.
    virtual void Zeile(int /*zeile*/, const std::string& /*text*/) {}
    // The user may act now. Closing the progress display asks the search to stop: the observer then sets
    // D().AbbruchGewuenscht.
    virtual void Nachgeben() {}
};

// Connects the observer (nullptr: none). The caller keeps ownership; the previous one is returned.
Fortschritt* FortschrittAnschliessen(Fortschritt* beobachter);

// The connected observer; one that does nothing when none is connected.
Fortschritt& Beobachter();

} // namespace Zormg
