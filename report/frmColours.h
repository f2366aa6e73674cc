#pragma once
// The colour palette: 48 fixed colours; the left mouse button chooses the text colour, the right one the
// background of the report box and of the graphics window. The palette stays open after a click.
#include <array>
#include <cstdint>
#include <functional>

#include "platform/forms/forms.h"

namespace Anzeigen {
// Asks the graphics window to redraw in the new colours (P.VordergrundFarbe, P.HintergrundFarbe). The
// graphics window sets it while it is open and clears it when it closes; while it is not open a colour
// takes effect when the window is next loaded, and the palette never opens it.
inline std::function<void()> GrafikFarbenNeu;
// The colour of field i (0..47) as red + 256 x green + 65536 x blue.
int32_t PalettenFarbe(int i);
} // namespace Anzeigen

class frmColours : public vb::Form {
public:
    vb::ControlArray<vb::PictureBox> Picture1{*this, "Picture1"};
    vb::PictureBox hFarbe{*this, "hFarbe"};
    vb::PictureBox vFarbe{*this, "vFarbe", &hFarbe};
    vb::Label Label1{*this, "Label1"};

    frmColours();
    void Form_Load() override;
    void Picture1_MouseDown(int16_t Index, int16_t Button);
};
