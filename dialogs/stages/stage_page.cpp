#include "dialogs/stages/stage_page.h"

#include <algorithm>

#include "frame/project_data.h"

namespace Stufenseite {

int16_t Stufe() {
    return std::clamp<int16_t>(zorm1::P.AushNr, 0, zorm1::MaxAushub);
}

void Nummer(vb::Label& label, vb::TextBox& box) {
    label.setCaption("Aushubzustand Nr.");
    label.Move(240, 150, 2000, 240);
    box.Move(2280, 120, 700, 285);
    box.Locked = true;
    box.TabStop = false;
}

} // namespace Stufenseite
