#include "statics/vertical_stress.h"

#include <string>

#include "earthpressure/diagrams.h"
#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "statics/state.h"

using zorm1::P;

namespace zormc {

void SchichtTeilen() {
    Statikzustand& S = St;
    const float d = S.TeilungsTiefe;
    const int n = S.AushSchichtAnz;
    int i = 0;
    for (int k = 1; k <= n; ++k) {
        if (S.AushSchichtKote[k] <= d && d <= S.AushSchichtKote[k + 1]) {
            i = k;
            break;
        }
    }
    if (i == 0) return;
    if (n + 2 > kMaxAushSchichten)
        throw zor::CalcAbort("Die Schichttabelle der Baugrubenseite ist voll (" + std::to_string(n) +
                             " Schichten). Die Berechnung wird abgebrochen.");
    for (int k = n + 1; k >= i; --k) {
        S.AushSchichtKote[k + 1] = S.AushSchichtKote[k];
        S.AushSchichtDicke[k + 1] = S.AushSchichtDicke[k];
        S.AushSchichtGamma[k + 1] = S.AushSchichtGamma[k];
        S.AushSchichtGammaAuftrieb[k + 1] = S.AushSchichtGammaAuftrieb[k];
        S.AushSchichtKpgh[k + 1] = S.AushSchichtKpgh[k];
        S.AushSchichtKpch[k + 1] = S.AushSchichtKpch[k];
        S.AushSchichtCp[k + 1] = S.AushSchichtCp[k];
    }
    S.AushSchichtKote[i + 1] = d;
    S.AushSchichtDicke[i] = d - S.AushSchichtKote[i];
    S.AushSchichtDicke[i + 1] = S.AushSchichtKote[i + 2] - d;
    S.AushSchichtAnz = static_cast<int16_t>(n + 1);
}

void VertikalspannungUnterSohle() {
    Statikzustand& S = St;
    const int anz = P.AnzErd;
    if (anz + 1 > kMaxAushSchichten)
        throw zor::CalcAbort("Die Schichttabelle der Baugrubenseite faßt nicht " + std::to_string(anz) +
                             " Schichten. Die Berechnung wird abgebrochen.");
    for (int i = 1; i <= anz; ++i) {
        S.AushSchichtKote[i] = zormcom::Lauf.SchichtKote[i];
        S.AushSchichtDicke[i] = P.SchichtDicke[i];
        // The excavation side has unit weights for the first 12 layers only, as the hand-over files.
        const bool aush = i <= zorm1::MaxSchichtenDatei;
        S.AushSchichtGamma[i] = aush ? P.SchichtGammaAush[i] : 0.0f;
        S.AushSchichtGammaAuftrieb[i] = aush ? P.SchichtGammaAuftriebAush[i] : 0.0f;
        S.AushSchichtKpgh[i] = zormcom::Lauf.SchichtKpgh[i];
        S.AushSchichtKpch[i] = zormcom::Lauf.SchichtKpch[i];
        S.AushSchichtCp[i] = P.SchichtCp[i];
        if (!aush && zormcom::Lauf.SchichtKote[i + 1] > S.BezugsTiefe)
            S.Hinweise.push_back(
                "*** Schicht " + std::to_string(i) +
                ": keine Wichte der Baugrubenseite (höchstens 12 Schichten); sie zählt mit 0.");
    }
    S.AushSchichtAnz = static_cast<int16_t>(anz);
    S.AushSchichtKote[anz + 1] = 99.0f;

    S.TeilungsTiefe = S.BezugsTiefe;
    SchichtTeilen();
    if (P.ZWasserLuft < 99.0f && P.ZWasserLuft != P.ZWasserErd) {
        S.TeilungsTiefe = P.ZWasserLuft;
        SchichtTeilen();
    }
    zor::Ordinatenliste& gz = S.Gz;
    gz = zor::Ordinatenliste{};
    gz.n = 3;
    gz.z[2] = S.BezugsTiefe;
    gz.z[3] = 99.0f;
    if (gz.z[2] != 0.0f && gz.z[2] != 99.0f && gz.z[2] != gz.z[1]) {
        S.TeilungsTiefe = gz.z[2];
        SchichtTeilen();
    }
    const int n = S.AushSchichtAnz;
    S.ErsteSchichtUnterSohle = static_cast<int16_t>(n + 1);
    for (int i = 1; i <= n; ++i) {
        if (S.AushSchichtKote[i + 1] > S.BezugsTiefe) {
            S.ErsteSchichtUnterSohle = static_cast<int16_t>(i);
            break;
        }
    }
    // One stress point per layer bottom. The bottom is taken from the next top, so that the list
    // always ends at 99 whatever thickness the last layer was given.
    zor::Ordinatenliste& sig = S.SchichtSigma;
    sig = zor::Ordinatenliste{};
    sig.n = 1;
    for (int i = 1; i <= n; ++i) {
        const float unten = S.AushSchichtKote[i + 1];
        float wert = 0.0f;
        if (i >= S.ErsteSchichtUnterSohle) {
            const float dicke = unten - S.AushSchichtKote[i];
            const float gamma =
                (unten > P.ZWasserLuft + 0.0001f) ? S.AushSchichtGammaAuftrieb[i] : S.AushSchichtGamma[i];
            wert = sig.e[sig.n] + dicke * gamma;
        }
        ++sig.n;
        sig.z[sig.n] = unten;
        sig.e[sig.n] = wert;
    }
    zormcom::DiagrammAddieren(gz, sig, S.LastSumme, 1);
    S.Gz = S.LastSumme;
    S.SohlSpannung = S.Gz;
}

} // namespace zormc
