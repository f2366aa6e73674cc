#include "graphics/picture_sequence.h"

#include <algorithm>
#include <cmath>

#include "frame/project_data.h"
#include "graphics/drawing.h"
#include "graphics/plot.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/winfs.h"

namespace zorg {

int16_t BildAnzahlVon(int16_t anzLF, int16_t anzAush) {
    if (anzLF < 1 || anzAush < 1) return 0;
    return static_cast<int16_t>(1 + anzLF * (2 * anzAush + (anzAush > 1 ? 1 : 0)) + (anzLF > 1 ? 1 : 0));
}

void Bilderfolge::ZielSetzen(double zahl) {
    double z = std::isfinite(zahl) ? std::nearbyint(zahl) : 0.0;
    anf.ZielBild = static_cast<int16_t>(std::clamp(z, -32768.0, 32767.0));
    anf.Neustart = true;
}

void Bilderfolge::Zeichnen(int16_t stufe, int16_t lf) {
    anf.Weiter = anf.NeuZeichnen = anf.Druck = anf.Neustart = false;
    if (anf.Ende) return;
    verlauf.push_back({BildNr, BildTyp, stufe, lf});
    if (a_.zeichnen) a_.zeichnen(BildTyp, stufe, lf);
}

void Bilderfolge::Warten(int16_t stufe, int16_t lf) {
    if (anf.Ende) return;
    const size_t nr = static_cast<size_t>(BildNr);
    if (anf.AlleDrucken) {
        if (nr < Gedruckt.size() && !Gedruckt[nr]) {
            anf.Weiter = anf.NeuZeichnen = anf.Druck = anf.Neustart = false;
            if (a_.drucken) a_.drucken(BildTyp, stufe, lf);
            Gedruckt[nr] = true;
        }
        if (BildNr == BildAnzahl) anf.AlleDrucken = false;
        anf.Druck = false;
    }
    for (;;) {
        if (anf.Ende) return;
        if (anf.AlleDrucken) anf.Weiter = true;
        if (anf.ZielBild > 0) {
            anf.Weiter = true;
            // the target is reached, or lies beyond the last picture: the wait is real
            if (anf.ZielBild == BildNr || BildNr >= BildAnzahl) {
                anf.Weiter = false;
                anf.ZielBild = 0;
            }
        }
        auto fertig = [this] {
            return (anf.Weiter && BildNr < BildAnzahl) || anf.Neustart || anf.Druck || anf.NeuZeichnen ||
                   anf.Ende;
        };
        if (!fertig()) {
            if (!a_.warten) return; // nobody to wait for: go on
            a_.warten(fertig);
        }
        if (anf.Ende) return;
        if (BildNr == 1 && anf.Neustart) {
            anf.Neustart = false;
            continue;
        }
        if (anf.NeuZeichnen) {
            Zeichnen(stufe, lf);
            continue;
        }
        if (anf.Druck) {
            anf.Weiter = anf.NeuZeichnen = anf.Druck = anf.Neustart = false;
            if (a_.drucken) a_.drucken(BildTyp, stufe, lf);
            continue;
        }
        return;
    }
}

bool Bilderfolge::Bild(int16_t art, int16_t stufe, int16_t lf) {
    ++BildNr;
    BildTyp = art;
    Zeichnen(stufe, lf);
    Warten(stufe, lf);
    return !anf.Ende && !anf.Neustart;
}

bool Bilderfolge::SatzLesen(int16_t fn, int16_t lf, int16_t stufe) {
    auto& g = Grafik();
    std::string fehler;
    if (!PlotLesen(fn, g.plot, fehler)) {
        if (a_.meldung) a_.meldung(fehler);
        return false;
    }
    // anchor maxima of the load case: support levels of the project, at most 13
    const int lagen = std::clamp<int>(zorm1::P.AnzAnkerGesamt, 0, kMaxAnkerLagen);
    auto heben = [&](float z, float kraft) {
        for (int j = 1; j <= lagen; ++j)
            if (z == zorm1::P.ZAuflager[j] && g.AnkerKraftMax[static_cast<size_t>(j)] < kraft) {
                g.AnkerKraftMax[static_cast<size_t>(j)] = kraft;
                g.AnkerMaxStufe[static_cast<size_t>(j)] = g.plot.AushNr;
            }
    };
    for (int i = 1; i <= g.plot.AnzAnkerPlot; ++i)
        heben(g.plot.AnkerPlotZ[static_cast<size_t>(i)], g.plot.AnkerPlotAh[static_cast<size_t>(i)]);
    for (int i = 1; i <= g.plot.AnzAuflagerKraft; ++i)
        heben(g.plot.AuflagerKraftZ[static_cast<size_t>(i)], g.plot.AuflagerKraft[static_cast<size_t>(i)]);
    // the record's maxima: the record of its own load case and stage
    const int nr = (g.plot.LFNr - 1) * anzAush_ + g.plot.AushNr;
    if (!MaximaLesen(nr, g.max)) {
        if (a_.meldung) a_.meldung("Die Datei ZORGMAX.ZZZ fehlt oder ist zu kurz: keine weiteren Bilder.");
        return false;
    }
    g.plot.ZEndeKoten = g.max.ZEndeKoten;
    g.plot.SummeV = g.max.SummeV;
    g.plot.SummeV2 = g.max.SummeV2;
    try {
        ZorgBlockSchreiben(g.plot, lf == 1 && stufe == 1);
    } catch (const vb::RuntimeError& e) {
        if (a_.meldung) a_.meldung(std::string("ZORG.ZZZ kann nicht geschrieben werden: ") + e.what());
        return false;
    }
    return true;
}

void Bilderfolge::Laufen(int16_t anzLF, int16_t anzAush, const std::vector<float>& zAushStufe) {
    laeuft = true;
    anzAush_ = anzAush;
    struct Ende {
        bool& b;
        ~Ende() { b = false; }
    } ende{laeuft};
    auto& g = Grafik();
    const MaximaErgebnis m = MaximaErmitteln(anzLF, anzAush, zAushStufe);
    g.ZFussMax = m.ZFussMax;
    g.StufeMaxAushub = m.StufeMaxAushub;
    g.AnkMaxWert2 = m.AnkMaxWert2;
    g.AnkMaxWert3 = m.AnkMaxWert3;
    g.plot.GlfMaxPlot = m.AnkMaxWert2;
    BildAnzahl = BildAnzahlVon(anzLF, anzAush);
    const bool plotOk = m.ok;
    if (!plotOk && a_.meldung) a_.meldung(m.fehler);
    for (;;) {
        if (anf.Ende) return;
        Gedruckt.assign(static_cast<size_t>(BildAnzahl) + 1, false);
        anf.AlleDrucken = false;
        BildNr = 0;
        if (!Bild(kSystem, 0, 0)) {
            if (anf.Ende) return;
            continue;
        }
        if (!plotOk) {
            // only picture 1 can be shown: it waits until the window is closed
            while (!anf.Ende) {
                anf.ZielBild = 0;
                anf.Weiter = anf.AlleDrucken = false;
                Warten(0, 0);
                if (anf.Neustart) anf.Neustart = false;
            }
            return;
        }
        bool neustart = false;
        {
            vb::FileGuard plot("ZZZPLOT2", vb::OpenMode::Input);
            for (int16_t lf = 1; lf <= anzLF && !neustart; ++lf) {
                g.AnkerKraftMax.fill(0);
                for (int16_t st = 1; st <= anzAush && !neustart; ++st) {
                    if (!SatzLesen(plot.nr(), lf, st)) return;
                    if (!Bild(kStatik, st, lf) || !Bild(kErgebnis, st, lf)) neustart = true;
                }
                if (!neustart && anzAush > 1 && !Bild(kHuelleLF, anzAush, lf)) neustart = true;
            }
            if (!neustart && anzLF > 1 && !Bild(kHuelleAlle, anzAush, anzLF)) neustart = true;
        }
        if (anf.Ende) return;
        if (!neustart) {
            // the last picture waits (Warten returns only for a restart or the end)
            return;
        }
    }
}

} // namespace zorg
