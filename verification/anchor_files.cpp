#include "verification/anchor_files.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "statics/state.h"

namespace zormd {

Ankerbuchzustand AB;

void AnkerbuchZuruecksetzen() {
    AB = Ankerbuchzustand{};
}

namespace {

using zorm1::P;

void AnzahlPruefen(int16_t n, const char* datei) {
    if (n < 0 || n > kMaxAnkerSlots)
        throw zor::CalcAbort(std::string("Zu viele Ankerlagen in \"") + datei + "\": " + std::to_string(n));
}

} // namespace

void GlfrDateiLesen() {
    const int16_t f = vb::FreeFile();
    vb::Open("ZORGLFR", vb::OpenMode::Input, f);
    int16_t n = 0;
    vb::Input(f, P.EtaGl, n);
    if (n < 0 || n > kMaxAnkerSlots) {
        vb::Close(f);
        AnzahlPruefen(n, "ZORGLFR");
    }
    P.AnzAnkerGesamt = n;
    for (int i = 1; i <= n; ++i) {
        float grad = 0.0f;
        vb::Input(f, P.ZAuflager[i], grad, AB.AnkerLminD[i], AB.AnkerLmaxD[i]);
        AB.AnkerNeigungRad[i] = grad * P.GradZuRad;
    }
    vb::Close(f);
}

void GlfSchreiben() {
    const int16_t f = vb::FreeFile();
    vb::Open("ZORGLF.", vb::OpenMode::Output, f);
    vb::Write(f, P.EtaGl, P.AnzAnkerGesamt, N.GlfMaxAushub, N.GlfMaxGesamt);
    for (int i = 1; i <= P.AnzAnkerGesamt && i <= kMaxAnkerSlots; ++i)
        vb::Write(f, P.ZAuflager[i], AB.AnkerNeigungRad[i], AB.AnkerLminD[i], AB.AnkerLmaxD[i],
                  AB.AnkerGlfWert[i], AB.AnkerKraftMax[i], AB.AnkerAhMax[i], AB.AnkerLaengeBem[i]);
    vb::Close(f);
}

void GlfLesen() {
    const int16_t f = vb::FreeFile();
    vb::Open("ZORGLF.", vb::OpenMode::Input, f);
    int16_t n = 0;
    vb::Input(f, P.EtaGl, n, N.GlfMaxAushub, N.GlfMaxGesamt);
    if (n < 0 || n > kMaxAnkerSlots) {
        vb::Close(f);
        AnzahlPruefen(n, "ZORGLF.");
    }
    P.AnzAnkerGesamt = n;
    for (int i = 1; i <= n; ++i)
        vb::Input(f, P.ZAuflager[i], AB.AnkerNeigungRad[i], AB.AnkerLminD[i], AB.AnkerLmaxD[i],
                  AB.AnkerGlfWert[i], AB.AnkerKraftMax[i], AB.AnkerAhMax[i], AB.AnkerLaengeBem[i]);
    vb::Close(f);
    for (int i = 1; i <= n; ++i) {
        const float c = std::cos(AB.AnkerNeigungRad[i]);
        const float g = zormc::St.gamMittel != 0.0f ? zormc::St.gamMittel : 1.0f;
        if (c != 0.0f) {
            N.AnkerKraft[i] = AB.AnkerAhMax[i] / c / g;
            if (P.RuheProz == 0.0f && P.TeilsicherheitenAn == 0) AB.AnkerKraftAktiv[i] = AB.AnkerAhMax[i] / c;
        }
    }
}

void AnkerbuchVorher() {
    if (P.AushNr == 1 && P.LFNr == 1) {
        for (int i = 1; i <= kMaxAnkerSlots; ++i) {
            AB.AnkerAhMax[i] = -9999.0f;
            AB.AnkerLaengeBem[i] = 0.0f;
        }
    }
    if (P.AushNr == 1) {
        GlfrDateiLesen();
        for (int i = 1; i <= kMaxAnkerSlots; ++i) {
            AB.AnkerKraftMax[i] = -9999.0f;
            AB.AnkerGlfWert[i] = 0.0f;
        }
        GlfSchreiben();
    }
    GlfLesen();
    for (int j = 1; j <= P.AnzAnkerGesamt; ++j) {
        AB.AnkerKraftMax[j] = std::max(AB.AnkerKraftMax[j], N.AnkerAh[j]);
        if (AB.AnkerAhMax[j] < N.AnkerAh[j]) {
            AB.AnkerAhMax[j] = N.AnkerAh[j];
            AB.AnkerMaxLF[j] = P.LFNr;
            AB.AnkerMaxAushub[j] = P.AushNr;
        }
    }
    GlfSchreiben();
    if (P.AushNr != 1) GlfLesen();
}

void AnkerbuchNachher() {
    for (int n = 1; n <= N.AnzAnkerGlf; ++n)
        for (int j = 1; j <= P.AnzAnkerGesamt; ++j)
            if (N.GlfAnkerZ[n] == P.ZAuflager[j]) AB.AnkerGlfWert[j] = N.AnkerLaenge[n];
    for (int j = 1; j <= P.AnzAnkerGesamt; ++j) {
        AB.AnkerKraftMax[j] = std::max(AB.AnkerKraftMax[j], N.AnkerAh[j]);
        AB.AnkerAhMax[j] = std::max(AB.AnkerAhMax[j], AB.AnkerKraftMax[j]);
        AB.AnkerLaengeBem[j] = std::max(AB.AnkerLaengeBem[j], AB.AnkerGlfWert[j]);
    }
    GlfSchreiben();
}

} // namespace zormd
