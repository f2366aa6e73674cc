#include "request/safety_factors.h"

#include "frame/project_data.h"
#include "platform/runtime/vbnum.h"

using zorm1::P;

namespace Sicherheiten {

namespace {

struct Spalte {
    float G, E0g, Q, Re, Rh, G1C, Q1C, Phi, C, Gstb, Gdst, Qdst, HGuenstig, HUnguenstig;
};

// Factors of the design situations BS-P, BS-T, BS-A and BS-T/A after DIN 1054:2010-12.
constexpr Spalte kBSP{1.35f, 1.20f, 1.50f, 1.40f, 1.10f, 1.00f, 1.30f,
                      1.25f, 1.25f, 0.95f, 1.05f, 1.50f, 1.35f, 1.80f};
constexpr Spalte kBST{1.20f, 1.10f, 1.30f, 1.30f, 1.10f, 1.00f, 1.20f,
                      1.15f, 1.15f, 0.95f, 1.05f, 1.30f, 1.30f, 1.60f};
constexpr Spalte kBSA{1.10f, 1.00f, 1.10f, 1.20f, 1.10f, 1.00f, 1.00f,
                      1.10f, 1.10f, 0.95f, 1.00f, 1.00f, 1.20f, 1.35f};
constexpr Spalte kBSTA{1.15f, 1.05f, 1.20f, 1.25f, 1.10f, 1.00f, 1.10f,
                       1.13f, 1.13f, 0.95f, 1.03f, 1.15f, 1.25f, 1.50f};

// An own factor as its box hands it over: the number text it shows, read back; 0 becomes 1.00.
float EigenerWert(float& eigen) {
    if (eigen != 0.0f) eigen = vb::ValSingle(vb::Str(eigen));
    if (eigen == 0.0f) eigen = 1.0f;
    return eigen;
}

} // namespace

float ReduzierterErdwiderstand(int16_t bemessungssituation) {
    switch (bemessungssituation) {
    case 1:
        return 1.20f;
    case 2:
        return 1.15f;
    case 3:
        return 1.10f;
    case 23:
        return 1.13f;
    default:
        return 0.0f;
    }
}

void KonzeptUebernehmen() {
    const bool teil = P.TeilsicherheitenAn != 0;
    const bool eigen = teil && P.gamE0gEig != 0.0f;

    P.UntergrundGuenstig = P.UntergrundGuenstig == 1 ? 1 : 0;
    P.TeilsicherheitenAn = teil ? 1 : 0;
    if (eigen) {
        P.Bemessungssituation = 0;
        P.kzRered = 0;
    } else if (!teil || (P.Bemessungssituation != 1 && P.Bemessungssituation != 2 &&
                         P.Bemessungssituation != 3 && P.Bemessungssituation != 23)) {
        P.Bemessungssituation = 2; // the situation the page shows when none is saved
    }
    // The adaption factor as its box shows it; an empty box (0) counts as 1.
    P.EtaAnpass = P.EtaAnpass != 0.0f ? vb::ValSingle(vb::Str(P.EtaAnpass)) : 1.0f;
    if (P.EtaAnpass == 0.0f) P.EtaAnpass = 1.0f;

    if (!teil) {
        P.gamG = P.gamE0g = P.gamQ = P.gamRe = P.gamG1C = P.gamQ1C = P.gamPhi = P.gamC = 1.0f;
        P.gamGstb = P.gamGdst = P.gamH = P.gamQdst = P.gamRh = P.gamWred = P.gamRered = 1.0f;
        P.EtaAnpass = 1.0f;
        P.gamStahlAnker = 1.75f;
        if (P.EtaGlobal > 1.0f) P.Etap = P.EtaGlobal;
        return;
    }

    P.gamGBSP = 1.35f;
    P.gamQBSP = 1.50f;
    P.gamE0gBSP = 1.20f;
    if (eigen) {
        P.gamG = EigenerWert(P.gamGEig);
        P.gamE0g = EigenerWert(P.gamE0gEig);
        P.gamQ = EigenerWert(P.gamQEig);
        P.gamRe = EigenerWert(P.gamReEig);
        P.gamRh = EigenerWert(P.gamRhEig);
        P.gamG1C = EigenerWert(P.gamG1CEig);
        P.gamQ1C = EigenerWert(P.gamQ1CEig);
        P.gamPhi = EigenerWert(P.gamPhiEig);
        P.gamC = EigenerWert(P.gamCEig);
        P.gamGstb = EigenerWert(P.gamGstbEig);
        P.gamGdst = EigenerWert(P.gamGdstEig);
        P.gamH = EigenerWert(P.gamHEig); // one own value for both subsoil classes
        P.gamQdst = EigenerWert(P.gamQdstEig);
        P.gamStahlAnker = 1.15f;
        return;
    }

    const Spalte& s = P.Bemessungssituation == 1    ? kBSP
                      : P.Bemessungssituation == 3  ? kBSA
                      : P.Bemessungssituation == 23 ? kBSTA
                                                    : kBST;
    P.gamG = s.G;
    P.gamE0g = s.E0g;
    P.gamQ = s.Q;
    P.gamRe = s.Re;
    P.gamRh = s.Rh;
    P.gamG1C = s.G1C;
    P.gamQ1C = s.Q1C;
    P.gamPhi = s.Phi;
    P.gamC = s.C;
    P.gamGstb = s.Gstb;
    P.gamGdst = s.Gdst;
    P.gamQdst = s.Qdst;
    P.gamH = P.UntergrundGuenstig == 1 ? s.HGuenstig : s.HUnguenstig;
    P.gamStahlAnker = 1.15f;
}

void ReduktionenUebernehmen() {
    // The three check boxes as the page's load leaves them; each one's click handler runs on every change.
    bool eab = false, e215 = false, e216 = false;
    if (P.Bemessungssituation == 0) P.gamRered = 0.0f;
    P.gamWred = P.gamE0g;
    if (P.kzWred != 0) {
        e216 = true;
        P.kzWred = 1;
        P.kzRered2 = 0;
    }
    const float e215Wert = ReduzierterErdwiderstand(P.Bemessungssituation);
    if (e215Wert != 0.0f) P.gamRered = e215Wert;
    if (P.kzRered != 0) {
        e215 = true;
        P.kzRered = 1;
    }
    if (P.kzRered2 != 0) {
        eab = true;
        if (e215) {
            e215 = false;
            P.kzRered = 0;
        }
        P.kzRered2 = 1;
        if (e216) e216 = false;
        P.kzWred = 0;
    }

    // OK.
    P.kzRered = P.kzRered2 = 0;
    P.kzWred = e216 ? 1 : 0;
    if (e215) {
        P.kzRered = 1;
        if (e215Wert != 0.0f) P.gamRered = e215Wert;
    }
    if (eab) {
        P.kzRered2 = 1;
        P.gamRered = 1.0f;
    }
    if (P.kzRered == 0 && P.kzRered2 == 0) P.gamRered = 0.0f;
}

void SicherheitsbeiwerteSetzen() {
    KonzeptUebernehmen();
    if (P.TeilsicherheitenAn != 0) ReduktionenUebernehmen();
}

} // namespace Sicherheiten
