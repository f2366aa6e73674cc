#include "windows/window_routines.h"

#include <cmath>

#include "frame/file_routines.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbstring.h"

namespace Anzeigen {

FensterDaten Fenster;

void FensterZuruecksetzen() {
    Fenster = FensterDaten{};
}

void ZahlTaste(int16_t& KeyAscii) {
    if (KeyAscii == 8) return;
    if (KeyAscii == 44) KeyAscii = 46;
    if (KeyAscii < 43 || KeyAscii == 47 || KeyAscii > 57) {
        KeyAscii = 0;
        vb::Beep();
    }
}

namespace {
// The point at 80 % of the width and half the height, in whole pixels (halves to the even
// neighbour, the default rounding mode); false when the screen gives no scale.
bool zielpunkt(float breite, float hoehe, int& x, int& y) {
    const double tx = vb::Screen::TwipsPerPixelX();
    const double ty = vb::Screen::TwipsPerPixelY();
    if (tx <= 0 || ty <= 0) return false;
    x = static_cast<int>(std::nearbyint(static_cast<double>(breite) * 0.8 / tx));
    y = static_cast<int>(std::nearbyint(static_cast<double>(hoehe) * 0.5 / ty));
    return true;
}
} // namespace

void MausAufSteuerelement(vb::Control& ctl) {
    int x, y;
    if (zielpunkt(ctl.Width(), ctl.Height(), x, y)) vb::MovePointer(ctl, x, y);
}

void MausAufSteuerelement(vb::Form& frm) {
    int x, y;
    if (zielpunkt(frm.ScaleWidth(), frm.ScaleHeight(), x, y)) vb::MovePointer(frm, x, y);
}

void FormZentrieren(vb::Form& frm) {
    frm.Move((vb::Screen::Width() - frm.Width()) / 2, (vb::Screen::Height() - frm.Height()) / 2, frm.Width(),
             frm.Height());
}

void BildschirmMasse() {
    Fenster.TwipsProPixelX = vb::Screen::TwipsPerPixelX();
    Fenster.TwipsProPixelY = vb::Screen::TwipsPerPixelY();
}

void MusterListeFuellen(vb::ListBox& sammelListe, vb::ListBox& musterListe, vb::FileListBox& dateiListe) {
    const std::string altesMuster = dateiListe.Pattern();
    sammelListe.Clear();
    musterListe.Clear();
    dateiListe.setPattern("*.*");
    if (dateiListe.ListCount() == 0) {
        dateiListe.setPattern(altesMuster);
        return;
    }
    for (int32_t i = 0; i < dateiListe.ListCount(); ++i) {
        std::string name = vb::UCase(dateiListe.List(i));
        const std::string ext = Erweiterung(name);
        bool ausgeschlossen = false;
        SystemErweiterung(ext, ausgeschlossen);
        if (ausgeschlossen) continue;
        const std::string muster = "*." + ext;
        bool schonDa = false;
        for (int32_t k = 0; k < sammelListe.ListCount(); ++k)
            if (sammelListe.List(k) == muster) schonDa = true;
        if (!schonDa) sammelListe.AddItem(muster);
    }
    musterListe.AddItem("*.*");
    for (int32_t k = 0; k < sammelListe.ListCount(); ++k)
        musterListe.AddItem(sammelListe.List(k));
    dateiListe.setPattern(altesMuster);
}

void SanduhrZeigen() {
    vb::Screen::setMousePointer(vb::vbHourglass);
}
void PfeilZeigen() {
    vb::Screen::setMousePointer(vb::vbDefault);
}

} // namespace Anzeigen
