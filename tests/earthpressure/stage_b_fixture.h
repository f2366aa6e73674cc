#pragma once
// A working folder of its own and a small soil model for the tests of the earth-pressure stage.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "earthpressure/diagrams.h"
#include "earthpressure/handover_a.h"
#include "earthpressure/report_file.h"
#include "earthpressure/stage_b.h"
#include "earthpressure/wedge_geometry.h"
#include "frame/project_data.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace stageb_test {

namespace fs = std::filesystem;

inline constexpr float kGrad = 3.141593f / 180.0f;

using zortest::Zeilen;

class StageB : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProjectData();
        zormcom::LaufwerteZuruecksetzen();
        zormb::ErddruckZustandZuruecksetzen();
        zormb::KeilZuruecksetzen();
        zorma::BerichtZuruecksetzen();
        vb::SetDecimalSeparator('.');
        P.GradZuRad = kGrad;
        P.TiefeUnendlich = 99.0f;
        P.LFNr = 1;
        P.AushNr = 1;
        P.gamG = P.gamQ = P.gamE0g = 1.0f;
        P.ZWasserErd = 99.0f;
        P.ZWasserLuft = 99.0f;
    }

    // Layers as a run holds them: tops, angles in radians, coefficients of the layer
    // (phi in degrees; the last layer reaches 99).
    struct Schicht {
        float dicke, phiGrad, gamma, gammaAuftrieb, c = 0.0f, deltaAGrad = 0.0f;
    };
    static void Schichten(const std::vector<Schicht>& s) {
        P.AnzErd = static_cast<int16_t>(s.size());
        float z = 0.0f;
        for (std::size_t k = 0; k < s.size(); ++k) {
            const int i = static_cast<int>(k) + 1;
            P.SchichtKote[i] = z;
            P.SchichtDicke[i] = k + 1 == s.size() ? 99.0f - z : s[k].dicke;
            z += P.SchichtDicke[i];
            P.SchichtPhi[i] = s[k].phiGrad * kGrad;
            P.SchichtDeltaA[i] = s[k].deltaAGrad * kGrad;
            P.SchichtGamma[i] = s[k].gamma;
            P.SchichtGammaAuftrieb[i] = s[k].gammaAuftrieb;
            if (static_cast<std::size_t>(i) < P.SchichtGammaAush.size()) {
                P.SchichtGammaAush[i] = s[k].gamma;
                P.SchichtGammaAuftriebAush[i] = s[k].gammaAuftrieb;
            }
            P.SchichtCa[i] = s[k].c;
            P.SchichtCp[i] = s[k].c;
        }
        P.SchichtKote[P.AnzErd + 1] = 99.0f;
    }

    // An earth-side load j of the current load case (kN/m2, m).
    static void Last(int j, float pv, float xA, float xE, float z, float ph = 0.0f) {
        auto& L = zormcom::Lauf;
        if (L.AnzLastErd < j) L.AnzLastErd = static_cast<int16_t>(j);
        L.ErdPv[j] = pv;
        L.ErdPh[j] = ph;
        L.ErdXA[j] = xA;
        L.ErdXE[j] = xE;
        L.ErdZ[j] = z;
        L.ErdNichtIn(j, 0) = 0;
        L.ErdRuheProz[j] = 0;
        L.ErdRuheFaktor[j] = 1.0f;
    }

    // Value of a list at depth z (below a jump: the value below it).
    static float Wert(const zor::Ordinatenfeld& e, const zor::Ordinatenfeld& z, int16_t n, float t) {
        float y = 0.0f;
        zormc::Interpolieren(z, e, n, t, y);
        return y;
    }

    zortest::WorkingFolder dir_;
};

} // namespace stageb_test
