// The governing sections of the design with the local normal force: at every grid point of every stage and
// load case the section is designed with its own M, N and Q; the largest longitudinal and the largest shear
// value of the run are kept with their section forces and place.
#include <cmath>
#include <cstddef>

#include "design/circle_section.h"
#include "design/design_stage.h"
#include "design/rect_section.h"
#include "design/state.h"
#include "design/steel_profile.h"
#include "frame/project_data.h"
#include "statics/state.h"
#include "verification/state.h"

using zorm1::P;

namespace zormd {

namespace {

constexpr float kNichtBemessbar = 999.0f;

float Vorzeichen(float v) {
    return v > 0.0f ? 1.0f : (v < 0.0f ? -1.0f : 0.0f);
}

float Wert(const std::vector<float>& liste, int k) {
    const auto i = static_cast<std::size_t>(k);
    return i < liste.size() ? liste[i] : 0.0f;
}

void Fuellen(Schnittsatz& s, float begleitwert, float z, float M, float Q, float Qs, float Nk) {
    s.Begleitwert = begleitwert;
    s.zs = z;
    s.N = P.EBreiteN * Nk;
    s.M = M * P.EBreiteM;
    s.Nx = Vorzeichen(Q) * Qs;
    s.Cot = BW.CotTheta;
    s.VRdC = BW.VRdC;
    s.D1 = static_cast<float>(zorm0::K.KreisErgD1);
    s.D3 = static_cast<float>(zorm0::K.KreisErgD3);
    s.A = BW.KreisBewGrad;
    s.B = BW.KreisBreiteNull;
    s.C = BW.KreisStegBreite;
    s.G = BW.KreisHebelarm;
    s.Aushub = P.AushNr;
    s.LF = P.LFNr;
}

} // namespace

void MassgebendeSchnitte() {
    if (P.TeilsicherheitenAn == 0) return;
    if (P.Wandtyp >= 3 && P.MitNormalkraft == 0) return;
    const bool stahl = P.Wandtyp == 1 || P.Wandtyp == 2;
    if (stahl) {
        if (P.ProfilName.empty()) return;
        zormd::ProfilZeileZerlegen(P.ProfilName, P.ProfilText, P.ProfilWert3, P.ProfilWert5, P.ProfilWert1,
                                   P.ProfilWert4, P.ProfilWert2);
        if (P.ProfilWert5 == 0.0f || P.ProfilWert1 == 0.0f || P.ProfilWert2 == 0.0f || P.ProfilWert4 == 0.0f)
            return;
    }
    const float red = 1.0f - zormc::St.EinspErg * 0.5f / 100.0f;
    switch (P.Wandtyp) {
    case 1:
        P.EBreiteM = P.ABohl;
        BS.BemQuerschnitt = P.ABohl * P.ABohl;
        break;
    case 2:
        P.EBreiteM = 1.0f;
        BS.BemQuerschnitt = 1.0f;
        break;
    case 3:
        BS.BemQuerschnitt = P.EBreiteM;
        break;
    case 4:
        BS.BemQuerschnitt = P.BPfDUeb;
        break;
    case 5:
    case 6:
        BS.BemQuerschnitt = P.BPfD;
        break;
    default:
        break;
    }
    if (P.MitNormalkraft == 0) return;
    if (!stahl && (P.Wandtyp < 3 || P.Wandtyp > 6)) return;

    const float W = P.ProfilWert5, A = P.ProfilWert1, h = P.ProfilWert2, t = P.ProfilWert4;
    // Working values of the stage: a kernel that leaves one unwritten keeps the previous point's value.
    float L = 0.0f, S = 0.0f;
    const int n = N.AnzKoten;
    for (int k = 1; k <= n; ++k) {
        const float z = Wert(N.KotenListe, k);
        const float M = Wert(N.KotenM, k);
        const float Q = Wert(N.KotenQ, k);
        const float Nk = Wert(N.KotenN, k);
        if (M == 0.0f && Q == 0.0f) continue;
        float Qs = std::fabs(Q) * P.EBreiteM;
        if (z > P.zAush && Q > 0.0f && zormc::St.BettungStufe == 0) Qs = Qs * red;

        bool nichtBemessbar = false;
        if (stahl) {
            L = std::fabs(M) * P.EBreiteM / W * 1000.0f + std::fabs(Nk) * P.EBreiteM / A * 10.0f;
            S = Qs / t / h * 10.0f;
        } else {
            float Md = std::fabs(M) * P.EBreiteM;
            float Nd = P.EBreiteN * Nk;
            float As2 = 0.0f;
            bool kernelLief = true;
            // Tell a shear value the kernel wrote from one it left unwritten.
            const float Svorher = S;
            S = NAN;
            if (P.Wandtyp == 3) {
                float dicke = P.DWand;
                float d1 = P.d1Rand / 100.0f;
                zormd::RechteckBemessungTabelle(Md, Nd, Qs, dicke, d1, L, As2, S);
            } else {
                float D = BS.BemQuerschnitt * 100.0f;
                float d1 = P.d1Rand;
                // Without a moment the kernel designs nothing and both values of the point above stand.
                kernelLief = Md != 0.0f;
                zormd::KreisBemessung(D, d1, Md, Qs, Nd, L, S);
                if (kernelLief && BW.KreisNichtKonvergiert) nichtBemessbar = true;
            }
            const bool Sgeschrieben = !std::isnan(S);
            if (!Sgeschrieben) S = Svorher;
            if (kernelLief && (L >= kNichtBemessbar || (Sgeschrieben && S >= kNichtBemessbar)))
                nichtBemessbar = true;
        }
        if (nichtBemessbar) {
            ++BS.NichtBemessbar;
            continue;
        }
        // A steel stress is a stress however large; 999 marks only the kernels' sections.
        if ((stahl || L < kNichtBemessbar) && L > BS.MaxLaengs) {
            BS.MaxLaengs = L;
            Fuellen(BS.Laengs, S, z, M, Q, Qs, Nk);
            BS.Laengs.Ns = N.AnzKoten;
        }
        if (S > 0.0f && (stahl || S < kNichtBemessbar) && S > BS.MaxQuer) {
            BS.MaxQuer = S;
            Fuellen(BS.Quer, L, z, M, Q, Qs, Nk);
        }
    }
}

} // namespace zormd
