#include "graphics/plot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"

namespace zorg {
namespace {

// A count read from the file, checked against its limit.
int16_t Anzahl(int16_t fn, int limit, const char* was) {
    int16_t n = 0;
    vb::Input(fn, n);
    if (n < 0 || n > limit)
        throw vb::RuntimeError(9, std::string("Anzahl ") + was + " = " + std::to_string(n) +
                                      " außerhalb 0.." + std::to_string(limit));
    return n;
}

void Liste(int16_t fn, int n, std::vector<float*> spalten) {
    for (int i = 1; i <= n; ++i)
        for (float* s : spalten) {
            if (s == nullptr) {
                float weg = 0;
                vb::Input(fn, weg);
            } else {
                vb::Input(fn, s[i]);
            }
        }
}

// The items of a line of the file, split at its commas.
std::vector<std::string> Eintraege(const std::string& zeile) {
    std::vector<std::string> items;
    for (size_t a = 0;;) {
        const size_t b = zeile.find(',', a);
        items.push_back(zeile.substr(a, b == std::string::npos ? std::string::npos : b - a));
        if (b == std::string::npos) break;
        a = b + 1;
    }
    return items;
}

// Item i of a line as a number.
float Zahl(const std::vector<std::string>& items, size_t i) {
    const float v = static_cast<float>(vb::Val(items[i]));
    if (!std::isfinite(v)) throw vb::RuntimeError(13, "keine Zahl: " + items[i]);
    return v;
}

void Groesse(int n, std::initializer_list<std::vector<float>*> v) {
    for (auto* l : v)
        l->assign(static_cast<size_t>(n) + 2, 0.0f);
}

void Lesen(int16_t fn, PlotSatz& s) {
    s = PlotSatz{};
    vb::Input(fn, s.AnzLF, s.LFNr, s.AnzAush, s.AushNr);
    s.AnzWiderstand = Anzahl(fn, 32767, "A2");
    Groesse(s.AnzWiderstand, {&s.ErddruckZ, &s.ErddruckSumme, &s.ErddruckOhneBegr, &s.ErddruckBegr});
    Liste(fn, s.AnzWiderstand,
          {s.ErddruckZ.data(), s.ErddruckSumme.data(), s.ErddruckOhneBegr.data(), s.ErddruckBegr.data()});
    vb::Input(fn, s.LFNr, s.AushNr);
    s.AnzSigmaVPlot = Anzahl(fn, 32767, "A4");
    Groesse(s.AnzSigmaVPlot, {&s.SigmaVZ, &s.SigmaVWert});
    Liste(fn, s.AnzSigmaVPlot, {s.SigmaVZ.data(), s.SigmaVWert.data()});
    vb::Input(fn, s.LFNr, s.AushNr);
    s.AnzKoten = Anzahl(fn, 32767, "B2");
    vb::Input(fn, s.DeltaTPlot, s.ZEndeKoten);
    Groesse(s.AnzKoten, {&s.KoteZ, &s.WandBelastung, &s.Verformung, &s.Moment, &s.Querkraft, &s.Normalkraft});
    Liste(fn, s.AnzKoten,
          {s.KoteZ.data(), s.WandBelastung.data(), s.Verformung.data(), s.Moment.data(), s.Querkraft.data(),
           s.Normalkraft.data()});
    vb::Input(fn, s.LFNr, s.AushNr);
    s.AnzAnkerPlot = Anzahl(fn, 32767, "C2");
    Groesse(s.AnzAnkerPlot, {&s.AnkerPlotZ, &s.AnkerPlotLaenge, &s.AnkerPlotAh});
    Liste(fn, s.AnzAnkerPlot, {s.AnkerPlotZ.data(), s.AnkerPlotLaenge.data(), s.AnkerPlotAh.data()});
    vb::Input(fn, s.KraftMax, s.GlfAnkerFolge, s.GlfMaxPlot, s.zFuss, s.GleitWinkelPlot1, s.GleitWinkelPlot2,
              s.EtaGlfPlot, s.BettungPlot, s.zAush);
    s.AnzAuflagerKraft = Anzahl(fn, 32767, "C5");
    Groesse(s.AnzAuflagerKraft, {&s.AuflagerKraftZ, &s.AuflagerKraft});
    Liste(fn, s.AnzAuflagerKraft, {s.AuflagerKraftZ.data(), s.AuflagerKraft.data()});
    vb::Input(fn, s.ZWasserErd, s.ZWasserLuft);
    s.AnzZusatzSpannung = Anzahl(fn, kMaxZusatz, "C7");
    vb::Input(fn, s.kzWasserenth);
    Groesse(s.AnzZusatzSpannung, {&s.ZusZ, &s.ZusSpannung});
    Liste(fn, s.AnzZusatzSpannung, {s.ZusZ.data(), s.ZusSpannung.data()});
    vb::Input(fn, s.GleitkeileFlag);
    s.AnzGleitkeile = Anzahl(fn, kMaxGleitkeile, "C9");
    Groesse(s.GleitkeileFlag == 1 ? s.AnzGleitkeile : 0, {&s.EphPlotZ, &s.EphWinkel});
    if (s.GleitkeileFlag == 1) {
        Liste(fn, s.AnzGleitkeile, {s.EphPlotZ.data(), nullptr, s.EphWinkel.data(), nullptr});
        s.AnzGleitflaechen = s.AnzGleitkeile;
    }
    // The water-pressure block is copied from the statics' diagram file and is missing when that file was
    // empty: its count line holds one item, the line of the vertical sums that follows it eleven.
    const std::string zeile = vb::LineInput(fn);
    const std::vector<std::string> items = Eintraege(zeile);
    auto zahl = [&](size_t i) { return Zahl(items, i); };
    float c12[11] = {};
    if (items.size() == 1) {
        const float p = zahl(0);
        if (p < 0 || p > 32767 || p != std::floor(p))
            throw vb::RuntimeError(9, "Anzahl C11 = " + items[0] + " außerhalb 0..32767");
        s.AnzWasserPunkte = static_cast<int16_t>(p);
        Groesse(s.AnzWasserPunkte, {&s.WasserZ, &s.WasserDruck});
        Liste(fn, s.AnzWasserPunkte, {s.WasserZ.data(), s.WasserDruck.data()});
        for (float& v : c12)
            vb::Input(fn, v);
    } else if (items.size() == 11) {
        s.AnzWasserPunkte = 0;
        Groesse(0, {&s.WasserZ, &s.WasserDruck});
        for (size_t i = 0; i < 11; ++i)
            c12[i] = zahl(i);
    } else {
        throw vb::RuntimeError(13, "unerwartete Zeile: " + zeile);
    }
    s.SummeV = c12[0], s.SummeV2 = c12[1], s.zEndeStatik = c12[2], s.Rhd = c12[3], s.RdFuss = c12[4];
    s.EdFuss = c12[5], s.AbgeschnDruck = c12[6];
    s.UmFigur = static_cast<int16_t>(std::clamp(std::nearbyint(c12[7]), -32768.0f, 32767.0f));
    s.zFuss = c12[9], s.HUmlagerung = c12[10];
    s.AnzAuflagerVersch = Anzahl(fn, 32767, "C14");
    vb::Input(fn, s.EinspErg, s.Rvd, s.EpFaktor, s.GamMittelPlot, s.GrundbruchEta0, s.GrundbruchEta1,
              s.GrundbruchEta2);
    Groesse(s.AnzAuflagerVersch, {&s.LastbildKopieZ, &s.LastbildKopieE});
    Liste(fn, s.AnzAuflagerVersch, {s.LastbildKopieZ.data(), s.LastbildKopieE.data()});
    const size_t r = static_cast<size_t>(s.AnzAuflagerVersch);
    s.LastbildKopieZ[r + 1] = s.LastbildKopieZ[r];
    s.LastbildKopieE[r + 1] = 0;
    for (int i = 1; i <= 11; ++i)
        vb::Input(fn, s.GlfWert[i]);
    // C16: the nine values of the slip plane's points, and the run's two partial factors where the run wrote
    // them
    const auto c16 = Eintraege(vb::LineInput(fn));
    if (c16.size() != 9 && c16.size() != 11)
        throw vb::RuntimeError(13, "C16 mit " + std::to_string(c16.size()) + " Werten");
    for (size_t i = 0; i < 9; ++i)
        s.GlfWert[12 + i] = Zahl(c16, i);
    s.gamEWirkPlot = c16.size() == 11 ? Zahl(c16, 9) : 0.0f;
    s.gamReWirkPlot = c16.size() == 11 ? Zahl(c16, 10) : 0.0f;
}

void Max(float& m, float v) {
    if (v > m) m = v;
}
void Min(float& m, float v) {
    if (v < m) m = v;
}

} // namespace

bool PlotLesen(int16_t fn, PlotSatz& s, std::string& fehler) {
    try {
        Lesen(fn, s);
        return true;
    } catch (const vb::RuntimeError& e) {
        fehler = e.number() == 62 ? "Die Datei ZZZPLOT2 ist zu kurz."
                                  : "Die Datei ZZZPLOT2 ist fehlerhaft (" + std::string(e.what()) + ").";
        return false;
    }
}

SatzMaxima MaximaVon(const PlotSatz& s) {
    SatzMaxima m;
    m.ZEndeKoten = s.ZEndeKoten;
    for (int i = 1; i <= s.AnzSigmaVPlot; ++i) {
        Max(m.MaxZSigmaV, s.SigmaVZ[i]);
        Max(m.MaxAbsSigmaV, std::fabs(s.SigmaVWert[i]));
    }
    for (int i = 1; i <= s.AnzKoten; ++i) {
        Max(m.MaxAbsBelastung, std::fabs(s.WandBelastung[i]));
        Max(m.MaxAbsVerformung, std::fabs(s.Verformung[i]));
        Max(m.MaxAbsMoment, std::fabs(s.Moment[i]));
        Max(m.MaxAbsQuerkraft, std::fabs(s.Querkraft[i]));
        Max(m.MaxAbsNormalkraft, std::fabs(s.Normalkraft[i]));
        Max(m.MaxVerformung, s.Verformung[i]);
        Min(m.MinVerformung, s.Verformung[i]);
        Max(m.MaxMoment, s.Moment[i]);
        Min(m.MinMoment, s.Moment[i]);
        Max(m.MaxQuerkraft, s.Querkraft[i]);
        Min(m.MinQuerkraft, s.Querkraft[i]);
        Max(m.MaxNormalkraft, s.Normalkraft[i]);
        Min(m.MinNormalkraft, s.Normalkraft[i]);
    }
    m.SummeV2 = s.SummeV2;
    m.SummeV = s.SummeV;
    return m;
}

namespace {

void SchreibeMaxima(int16_t fn, const SatzMaxima& m) {
    vb::Write(fn, m.ZEndeKoten, m.MaxZSigmaV, m.MaxAbsSigmaV, m.MaxAbsBelastung, m.MaxAbsVerformung,
              m.MaxAbsMoment, m.MaxAbsQuerkraft, m.MaxAbsNormalkraft);
    vb::Write(fn, m.MaxVerformung, m.MinVerformung, m.MaxMoment, m.MinMoment, m.MaxQuerkraft, m.MinQuerkraft,
              m.MaxNormalkraft, m.MinNormalkraft, m.SummeV2, m.SummeV);
}

void SchreibeFall(int16_t fn, const FallMaxima& f) {
    vb::Write(fn, f.ZFuss, f.ZSigmaV, f.AbsVerformung, f.AbsMoment, f.AbsQuerkraft);
    // Sum V (k) before Sum V (d), as in the stage lines
    vb::Write(fn, f.MaxVerformung, f.MinVerformung, f.MaxMoment, f.MinMoment, f.MaxQuerkraft, f.MinQuerkraft,
              f.SummeV2, f.SummeV);
}

void Falten(FallMaxima& f, const SatzMaxima& m) {
    Max(f.ZFuss, m.ZEndeKoten);
    Max(f.ZSigmaV, m.MaxZSigmaV);
    Max(f.AbsVerformung, m.MaxAbsVerformung);
    Max(f.AbsMoment, m.MaxAbsMoment);
    Max(f.AbsQuerkraft, m.MaxAbsQuerkraft);
    Max(f.MaxVerformung, m.MaxVerformung);
    Min(f.MinVerformung, m.MinVerformung);
    Max(f.MaxMoment, m.MaxMoment);
    Min(f.MinMoment, m.MinMoment);
    Max(f.MaxQuerkraft, m.MaxQuerkraft);
    Min(f.MinQuerkraft, m.MinQuerkraft);
    Max(f.SummeV, m.SummeV);
    Max(f.SummeV2, m.SummeV2);
}

void FallFalten(FallMaxima& alle, const FallMaxima& f) {
    Max(alle.ZFuss, f.ZFuss);
    Max(alle.ZSigmaV, f.ZSigmaV);
    Max(alle.AbsVerformung, f.AbsVerformung);
    Max(alle.AbsMoment, f.AbsMoment);
    Max(alle.AbsQuerkraft, f.AbsQuerkraft);
    Max(alle.MaxVerformung, f.MaxVerformung);
    Min(alle.MinVerformung, f.MinVerformung);
    Max(alle.MaxMoment, f.MaxMoment);
    Min(alle.MinMoment, f.MinMoment);
    Max(alle.MaxQuerkraft, f.MaxQuerkraft);
    Min(alle.MinQuerkraft, f.MinQuerkraft);
}

} // namespace

MaximaErgebnis MaximaErmitteln(int16_t anzLF, int16_t anzAush, const std::vector<float>& zAushStufe) {
    MaximaErgebnis e;
    // "ANKMAX.-12": three numbers; a missing or short file keeps the defaults
    if (vb::FileExists("ANKMAX.-12")) {
        try {
            vb::FileGuard a("ANKMAX.-12", vb::OpenMode::Input);
            float w1 = 0, w2 = 0, w3 = 0;
            vb::Input(a.nr(), w1, w2, w3);
            e.AnkMaxWert2 = w2;
            e.AnkMaxWert3 = w3;
        } catch (const vb::RuntimeError&) {
        }
    }
    float tiefst = 0;
    for (int s = 1; s <= anzAush && s < static_cast<int>(zAushStufe.size()); ++s)
        if (zAushStufe[static_cast<size_t>(s)] > tiefst) {
            tiefst = zAushStufe[static_cast<size_t>(s)];
            e.StufeMaxAushub = static_cast<int16_t>(s);
        }
    if (!vb::FileExists("ZZZPLOT2")) {
        e.fehler = "Die Datei ZZZPLOT2 fehlt: keine Grafik.";
        return e;
    }
    try {
        vb::FileGuard m1("ZORGMAX.ZZZ", vb::OpenMode::Output);
        vb::FileGuard m2("ZORGMAX2.ZZZ", vb::OpenMode::Output);
        vb::FileGuard plot("ZZZPLOT2", vb::OpenMode::Input);
        FallMaxima alle, fall;
        PlotSatz s;
        for (int lf = 1; lf <= anzLF; ++lf)
            for (int st = 1; st <= anzAush; ++st) {
                if (!PlotLesen(plot.nr(), s, e.fehler)) return e;
                const SatzMaxima m = MaximaVon(s);
                e.saetze.push_back(m);
                SchreibeMaxima(m1.nr(), m);
                if (st == 1) fall = FallMaxima{};
                Falten(fall, m);
                Max(alle.SummeV, m.SummeV);
                Max(alle.SummeV2, m.SummeV2);
                if (st == anzAush) {
                    SchreibeFall(m2.nr(), fall);
                    FallFalten(alle, fall);
                }
            }
        m1.Close();
        m2.Close();
        vb::FileGuard m3("ZORGMAX3.ZZZ", vb::OpenMode::Output);
        SchreibeFall(m3.nr(), alle);
        m3.Close();
        e.ZFussMax = alle.ZFuss;
        e.ok = true;
    } catch (const vb::RuntimeError& x) {
        e.fehler = std::string("Die Maxima der Grafik können nicht geschrieben werden (") + x.what() + ").";
    }
    return e;
}

bool MaximaLesen(int nr, SatzMaxima& m) {
    if (nr < 1 || !vb::FileExists("ZORGMAX.ZZZ")) return false;
    try {
        vb::FileGuard f("ZORGMAX.ZZZ", vb::OpenMode::Input);
        for (int i = 1; i <= nr; ++i)
            vb::Input(f.nr(), m.ZEndeKoten, m.MaxZSigmaV, m.MaxAbsSigmaV, m.MaxAbsBelastung,
                      m.MaxAbsVerformung, m.MaxAbsMoment, m.MaxAbsQuerkraft, m.MaxAbsNormalkraft,
                      m.MaxVerformung, m.MinVerformung, m.MaxMoment, m.MinMoment, m.MaxQuerkraft,
                      m.MinQuerkraft, m.MaxNormalkraft, m.MinNormalkraft, m.SummeV2, m.SummeV);
        return true;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

void ZorgBlockSchreiben(const PlotSatz& s, bool neu) {
    vb::FileGuard f("ZORG.ZZZ", neu ? vb::OpenMode::Output : vb::OpenMode::Append);
    vb::Write(f.nr(), s.LFNr, s.AushNr, s.AnzKoten, s.DeltaTPlot, s.ZEndeKoten, s.zAush);
    for (int i = 1; i <= s.AnzKoten; ++i)
        vb::Write(f.nr(), s.KoteZ[static_cast<size_t>(i)], s.Verformung[static_cast<size_t>(i)],
                  s.Moment[static_cast<size_t>(i)], s.Querkraft[static_cast<size_t>(i)]);
    f.Close();
}

} // namespace zorg
