#include "slipcircle/lines.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "earthpressure/diagrams.h"
#include "platform/runtime/errors.h"
#include "slipcircle/state.h"

namespace Zormg {

namespace {
// A pass can only add abscissae that some line already holds, so the passes settle long
// before this bound; reaching it means a broken model.
constexpr int kMaxDurchlaeufe = 1000;

int16_t& Punktzahl(Zustand& z, int linie) {
    if (linie < 0 || static_cast<std::size_t>(linie) >= z.LinienPunktzahl.size())
        throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
    return z.LinienPunktzahl[static_cast<std::size_t>(linie)];
}
} // namespace

void LinienBereinigen(int16_t n) {
    Zustand& z = Z();
    const int letzte = z.AnzLinien + n;
    for (int durchlauf = 1;; ++durchlauf) {
        if (durchlauf > kMaxDurchlaeufe)
            throw zor::CalcAbort("*** Die Linien des Gleitkreis-Modells lassen sich nicht auf gemeinsame "
                                 "Punkte bringen; Berechnung abgebrochen.");
        int16_t changed = 0;
        for (int j = 1; j <= letzte; ++j)
            LinienVerschneiden(z.LinieZ, z.LinieX, Punktzahl(z, 0), Punktzahl(z, j), 0, j, changed);
        if (changed == 0) break;
    }
}

void KreisLinieSetzen(int16_t k) {
    Zustand& z = Z();
    const int oben = z.LinieX.PunkteOben();
    if (oben >= 1) {
        // The last cells cleared: a line outside the tables calls their range handler first.
        (void)z.LinieX(k, oben);
        (void)z.LinieZ(k, oben);
        std::fill(z.LinieX.Zeile(k) + 1, z.LinieX.Zeile(k) + 1 + oben, 0.0f);
        std::fill(z.LinieZ.Zeile(k) + 1, z.LinieZ.Zeile(k) + 1 + oben, 0.0f);
    }
    int anzahl = 0;
    float letzter = 0.0f;
    for (int i = 1; i <= z.AnzXListe; ++i) {
        if (static_cast<std::size_t>(i) >= z.XListe.size())
            throw vb::RuntimeError(9, "Index außerhalb des gültigen Bereichs");
        const float x = z.XListe[static_cast<std::size_t>(i)];
        if (anzahl == 0 || std::fabs(x - letzter) > 0.0001f) {
            ++anzahl;
            z.LinieX(k, anzahl) = x;
            letzter = x;
        }
    }
    Punktzahl(z, k) = static_cast<int16_t>(anzahl);
}

void SchnittpunkteSammeln(int16_t k) {
    Zustand& z = Z();
    const int nk = Punktzahl(z, k);
    for (int i = 0; i <= z.AnzLinien; ++i) {
        const int ni = Punktzahl(z, i);
        for (int s = 1; s <= ni - 1; ++s) {
            for (int t = 1; t <= nk - 1; ++t) {
                float xs = 0.0f, zs = 0.0f;
                int16_t treffer = 0;
                zormc::Schnittpunkt(z.LinieX(i, s), z.LinieZ(i, s), z.LinieX(i, s + 1), z.LinieZ(i, s + 1),
                                    z.LinieX(k, t), z.LinieZ(k, t), z.LinieX(k, t + 1), z.LinieZ(k, t + 1),
                                    xs, zs, treffer);
                if (treffer != 1) continue;
                const int neu = z.AnzXListe + 1;
                if (neu < 1 || static_cast<std::size_t>(neu) >= z.XListe.size())
                    throw vb::RuntimeError(9,
                                           "Zu viele Schnittpunkte für die Abszissenliste des Gleitkreises");
                z.XListe[static_cast<std::size_t>(neu)] = xs;
                z.AnzXListe = static_cast<int16_t>(neu);
            }
        }
    }
}

} // namespace Zormg
