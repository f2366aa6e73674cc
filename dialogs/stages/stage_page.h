#pragma once
// What the pages of the stage chain share beyond every input page (dialogs/project/page.h): the current
// stage as an index of the per-stage arrays, and the stage number at the top of a page.
#include <cstdint>

#include "platform/forms/forms.h"

namespace Stufenseite {

// The current stage AushNr kept inside 0..15, for addressing the per-stage arrays.
int16_t Stufe();

// The stage number at the top left of a page: the label "Aushubzustand Nr." and its box, which is locked
// and left out of the tab order (the page fills it).
void Nummer(vb::Label& label, vb::TextBox& box);

} // namespace Stufenseite
