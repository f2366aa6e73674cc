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
#include "earthpressure/stage_a.h"
#include "earthpressure/stage_b.h"
#include "earthpressure/state.h"
#include "earthpressure/wedge_geometry.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "frame/stage_table.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "tests/support/project_builder.h"
#include "tests/support/text_file.h"
#include "tests/support/working_folder.h"

namespace stageb_test {

using zorm1::P;
using zorm1::ResetProjectData;

namespace fs = std::filesystem;

inline constexpr float kGrad = 3.141593f / 180.0f;

using zortest::Zeilen;

class StageB : public ::testing::Test {
protected:
    void SetUp() override {
        zortest::Zuruecksetzen();
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
            zormcom::Lauf.SchichtKote[i] = z;
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
        zormcom::Lauf.SchichtKote[P.AnzErd + 1] = 99.0f;
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
    static float Wert(const zor::Ordinatenliste& L, float t) {
        float y = 0.0f;
        zormc::Interpolieren(L, t, y);
        return y;
    }

    // Reads an example project as the start dialog does, with the working partial factors of BS-T.
    bool Beispiel(const std::string& name) {
        ResetProjectData();
        P.GradZuRad = kGrad;
        P.TiefeUnendlich = 99.0f;
        P.Versionstext = "V.07.05.2012";
        P.WurzelOrdner = dir_.path().string() + "/";
        if (!zorm1::EingabeLesen(std::string(ZOR_TEST_DATA) + "/" + name)) return false;
        P.GanzerName = "/projekte/" + name;
        P.gamG = 1.20f;
        P.gamE0g = 1.10f;
        P.gamQ = 1.30f;
        return true;
    }

    zortest::WorkingFolder dir_;
};

using zormb::B;

// A project of its own for the whole run: a sheet pile wall in one sand layer 20 m thick (phi 30,
// gamma 18 / 10, no wall friction), excavated to 4 m, one load case, global safety; earth-side loads
// are added as the project data hold them.
class Sandstufe : public StageB {
protected:
    void SetUp() override {
        StageB::SetUp();
        zor::meldeprotokoll::Zuruecksetzen();
        P.WurzelOrdner = dir_.path().string() + "/";
        zortest::Spundwand("Baugrube", "1", 3);
        P.EtaAnpass = 1.0f;
        zortest::Bodenschichten({{20.0f, 30.0f, 18.0f, 10.0f}});
        P.AnzAush = 1;
        zortest::Stufe(1, 4.0f);
        P.AnzLF = 1;
    }
    // Earth-side load j of load case 1 (kN/m2, m), permanent share in %.
    static void Last(int j, float pv, float xA, float xE, float z, float ph = 0.0f, float dauer = 0.0f) {
        zortest::Flaechenlast(1, j, pv, xA, xE, z, ph, dauer);
    }
    static float Begr(float t) { return Wert(B.BegrLast, t); }
    static float Summe(float t) { return Wert(B.ESumme, t); }
    static float Boden(float t) { return Wert(B.Eah, t); }
};

} // namespace stageb_test
