#include "slipcircle/zormg_data.h"

#include "platform/forms/forms.h"
#include "slipcircle/zormg_state.h"

namespace Zormg {

namespace {
Daten g_daten;
} // namespace

Daten& D() {
    return g_daten;
}

void DatenZuruecksetzen() {
    g_daten = Daten{};
    ZustandZuruecksetzen();
}

void Nachgeben(bool immer) {
    Daten& d = g_daten;
    const auto jetzt = std::chrono::steady_clock::now();
    if (!immer && jetzt - d.LetztesNachgeben < std::chrono::milliseconds(d.YieldAbstandMs)) return;
    vb::DoEvents();
    d.LetztesNachgeben = std::chrono::steady_clock::now();
}

void Drucken(int zeile, const std::string& text) {
    if (g_daten.ZeileDrucken) g_daten.ZeileDrucken(zeile, text);
}

} // namespace Zormg
