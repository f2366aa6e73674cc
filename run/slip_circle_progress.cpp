#include "run/slip_circle_progress.h"

#include "platform/forms/forms.h"
#include "platform/runtime/vbnum.h"
#include "run/frmIterZeig.h"

namespace zorrun {

void GleitkreisFenster::Beginn() {
    vb::Screen::setMousePointer(vb::vbHourglass);
    gesperrt_.clear();
    for (vb::Form* f : vb::Forms())
        if (f->Enabled()) {
            f->setEnabled(false);
            gesperrt_.push_back(f->name());
        }
}

void GleitkreisFenster::Ende() {
    vb::Unload<frmIterZeig>();
    for (vb::Form* f : vb::Forms())
        for (const std::string& n : gesperrt_)
            if (f->name() == n) f->setEnabled(true);
    gesperrt_.clear();
    vb::Screen::setMousePointer(vb::vbDefault);
}

void GleitkreisFenster::Lastfall(int16_t lastfall, int16_t aushub) {
    frmIterZeig& f = vb::form<frmIterZeig>();
    f.setCaption("Gleitkreis-Iteration im Lastfall " + vb::Str(lastfall) + ", Aushub " + vb::Str(aushub));
    f.Show(vb::vbModeless);
    f.Leeren();
}

void GleitkreisFenster::Zeile(int zeile, const std::string& text) {
    if (frmIterZeig* f = vb::loadedInstance<frmIterZeig>()) f->Drucken(zeile, text);
}

void GleitkreisFenster::Nachgeben() {
    vb::DoEvents();
}

} // namespace zorrun
