#include "slipcircle/slip_circle_stage.h"

#include <string>
#include <utility>
#include <vector>

#include "frame/project_data.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "slipcircle/input.h"
#include "slipcircle/model.h"
#include "slipcircle/progress.h"
#include "slipcircle/search.h"
#include "slipcircle/state.h"

using zorm1::P;

namespace Zormg {

namespace {

constexpr const char* kErgebnis = "DIDUVU.ERG";
constexpr const char* kPlot = "DIDUVU.PLT";

// The observer told of the stage's beginning and, however the stage ends, of its end.
class Sperre {
public:
    Sperre() {
        D().AbbruchGewuenscht = false;
        Beobachter().Beginn();
    }
    ~Sperre() { Beobachter().Ende(); }
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;
};

void Anhaengen() {
    Daten& d = D();
    const int16_t fn = vb::FreeFile();
    vb::Open(kErgebnis, vb::OpenMode::Append, fn);
    vb::Write(fn, d.Lastfall, d.GkAushub, d.xMKrit, d.zMKrit, d.RKrit, d.etaMin, d.Abbruch,
              P.TiefeMittelpunkte);
    vb::Close(fn);
    vb::Open(kPlot, vb::OpenMode::Append, fn);
    vb::Write(fn, d.Lastfall, d.GkAushub, d.KritPunktzahl);
    vb::Write(fn, d.xMKrit, d.zMKrit, d.RKrit, d.etaMin);
    for (int i = 1; i <= d.KritPunktzahl; ++i)
        vb::Write(fn, d.KritLinieX[i], d.KritLinieZ[i]);
    vb::Close(fn);
}

void LastfallZeigen() {
    Daten& d = D();
    Beobachter().Lastfall(d.Lastfall, d.GkAushub);
    Drucken(2, "  Iter     xM        zM     Radius      eta     etamin");
    Drucken(5, "  Der Gleitkreis verläuft durch den erdseitigen Fußpunkt der Wand.");
    Drucken(6, "  Die Luftseite des Kreises läuft mit 30°, die Erdseite mit 85° aus.");
    Drucken(7, "");
    Nachgeben(true);
}

} // namespace

void GleitkreisRechnen() {
    Daten& d = D();
    // The input reader sets the load case and stage of the blocks it reads; the run's own stage counters
    // (they tell the run driver that the run reached its end) are given back however the stage ends.
    struct StufeZurueck {
        int16_t lf = P.LFNr, aushub = P.AushNr;
        ~StufeZurueck() {
            P.LFNr = lf;
            P.AushNr = aushub;
        }
    } stufe;
    Sperre sperre;
    FelderDimensionieren();
    GLDatenLesen(0);
    for (int16_t lc = 1; lc <= d.GlAnzLF; ++lc)
        ModellPruefen(lc);
    for (const char* datei : {kErgebnis, kPlot}) {
        const int16_t fn = vb::FreeFile();
        vb::Open(datei, vb::OpenMode::Output, fn);
        vb::Close(fn);
    }
    for (d.Lastfall = 1; d.Lastfall <= d.GlAnzLF; ++d.Lastfall) {
        GLDatenLesen(1);
        if (!d.AbbruchGewuenscht) LastfallZeigen();
        d.KreisZaehler = 0;
        if (d.GkDWand < 0.01f) d.GkDWand = 0.01f;
        if (d.GkGamWand == 0.0f) d.GkGamWand = 25.0f;
        if (d.GkGamWandAuftrieb == 0.0f) d.GkGamWandAuftrieb = 15.0f;
        if (d.GkPhiWand == 0.0f) d.GkPhiWand = 45.0f;
        if (d.GkCWand == 0.0f) d.GkCWand = 999.0f;
        SystemAufbauen();
        // The search starts in the field asked for and also in the other one.
        d.ZweitFeld = true;
        d.ZweitFeldZAnfang = P.zAush - 1.0f;
        d.ZweitFeldZEnde = P.zAush + 4.0f;
        if (P.TiefeMittelpunkte == 1) {
            std::swap(d.FeldZAnfang, d.ZweitFeldZAnfang);
            std::swap(d.FeldZEnde, d.ZweitFeldZEnde);
        }
        if (d.AbbruchGewuenscht) {
            // Cancelled in an earlier load case: a record without a circle.
            d.etaMin = kKeinKreis;
            d.xMKrit = d.zMKrit = d.RKrit = 0.0f;
            d.KritPunktzahl = 0;
            d.Abbruch = 3;
        } else {
            MittelpunktIteration();
        }
        Anhaengen();
    }
    (void)sperre;
    (void)stufe;
}

} // namespace Zormg
