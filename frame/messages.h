#pragma once
// What the calculation and the project files tell the user, without a window. A message is a text with the
// buttons and the symbol of a message box (the codes of platform/runtime/msgbox_codes.h) and an optional
// title (empty: the program's name); the answer is the button chosen. The beep belongs to the same channel.
//
// Where the messages go is the choice of the layer on top: the program's windows connect a sink that shows
// message boxes, the headless run one that writes to standard error. Without a connected sink every message
// is recorded and answered with its default button (the record is what tests look at).
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/errors.h"
#include "platform/runtime/msgbox_codes.h"

namespace zor {

class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual int Zeigen(std::string_view text, int knoepfe, std::string_view titel) = 0;
    virtual void Signalton() = 0;
};

// Connects a sink (nullptr: the recorder again). The caller keeps ownership; the previous sink is returned.
Meldungen* MeldungenAnschliessen(Meldungen* senke);

// A message to the user; the answer is the button chosen.
int Melden(std::string_view text, int knoepfe = vb::vbOKOnly, std::string_view titel = {});
// The beep.
void Signalton();

// What a failed write says, naming the file and its folder: that the disk there is full (or the quota on it
// reached), or that the device failed.
std::string SchreibfehlerText(const vb::WriteError& e);

// The recorder, which takes the messages while no sink is connected.
struct GemeldeteMeldung {
    std::string text;
    int knoepfe = 0;
    std::string titel;
    int antwort = 0;
};
namespace meldeprotokoll {
const std::vector<GemeldeteMeldung>& Eintraege();
int Signaltoene();
void AntwortVormerken(int antwort); // the next message answers so instead of with its default button
void Zuruecksetzen();               // forgets messages, beeps and pending answers
} // namespace meldeprotokoll

} // namespace zor
