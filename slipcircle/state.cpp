#include "slipcircle/state.h"

#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/errors.h"
#include "slipcircle/progress.h"

using zorm1::P;

namespace Zormg {

namespace {
Zustand g_zustand;
Daten g_daten;
const zor::LaufzustandAnmeldung anmeldung(&ZustandZuruecksetzen);

template <class T> void neu(std::vector<T>& v, int oben) {
    v.assign(static_cast<std::size_t>(oben) + 1, T{});
}
} // namespace

Zustand& Z() {
    return g_zustand;
}

void ZustandZuruecksetzen() {
    g_zustand = Zustand{};
    g_daten = Daten{};
}

void FelderDimensionieren() {
    Zustand& z = g_zustand;
    const int n = P.AnzSohlLast;
    neu(z.PunktNummer, 150);
    neu(z.PunktX, 150);
    neu(z.PunktZ, 150);
    neu(z.LinienText, 20);
    neu(z.GkSchichtGamma, 20);
    neu(z.GkSchichtGammaAuftrieb, 20);
    neu(z.GkSchichtPhi, 20);
    neu(z.GkSchichtC, 20);
    neu(z.GkAnkerKraft, 20);
    neu(z.GkAnkerNeigung, 20);
    neu(z.GkAnkerLaenge, 20);
    neu(z.GkAnkerX, 20);
    neu(z.GkAnkerZ, 20);
    // The bottom-load count of the current stage never lies below 0 in real input; a
    // negative value would give fewer load slots than the 30 the earth side needs.
    const int lastenOben = (n > 0 ? n : 0) + 30;
    neu(z.LastPunkt1, lastenOben);
    neu(z.LastPunkt2, lastenOben);
    neu(z.VLastA, lastenOben);
    neu(z.VLastE, lastenOben);
    neu(z.HLastA, 30);
    neu(z.HLastE, 30);
    neu(z.LastStaendig, 30);
}

Daten& D() {
    return g_daten;
}

void Nachgeben(bool immer) {
    Daten& d = g_daten;
    const auto jetzt = std::chrono::steady_clock::now();
    if (!immer && jetzt - d.LetztesNachgeben < std::chrono::milliseconds(d.YieldAbstandMs)) return;
    Beobachter().Nachgeben();
    d.LetztesNachgeben = std::chrono::steady_clock::now();
}

void Drucken(int zeile, const std::string& text) {
    Beobachter().Zeile(zeile, text);
}

} // namespace Zormg
