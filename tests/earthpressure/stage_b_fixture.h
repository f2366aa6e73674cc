#pragma once
// A working folder of its own and a small soil model for the tests of the earth-pressure stage.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
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

namespace stageb_test {

namespace fs = std::filesystem;

inline constexpr float kGrad = 3.141593f / 180.0f;

class StageB : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProjectData();
        zormcom::LaufwerteZuruecksetzen();
        zormb::ErddruckZustandZuruecksetzen();
        zormb::KeilZuruecksetzen();
        zorma::BerichtZuruecksetzen();
        vb::ResetFileState();
        vb::SetDecimalSeparator('.');
        static int zaehler = 0;
        dir_ = fs::temp_directory_path() /
               ("zor_stage_b_" + std::to_string(::getpid()) + "_" + std::to_string(++zaehler));
        fs::create_directories(dir_);
        alt_ = fs::current_path();
        fs::current_path(dir_);
        P.GradZuRad = kGrad;
        P.TiefeUnendlich = 99.0f;
        P.LFNr = 1;
        P.AushNr = 1;
        P.gamG = P.gamQ = P.gamE0g = 1.0f;
        P.ZWasserErd = 99.0f;
        P.ZWasserLuft = 99.0f;
    }
    void TearDown() override {
        vb::ResetFileState();
        vb::SetDecimalSeparator(0);
        fs::current_path(alt_);
        fs::remove_all(dir_);
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

    // Lines of a file of the working folder (CR LF or LF), as UTF-8.
    static std::vector<std::string> Zeilen(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string t = vb::FromCp1252(ss.str());
        std::vector<std::string> out;
        std::size_t a = 0;
        while (a < t.size()) {
            std::size_t e = t.find('\n', a);
            if (e == std::string::npos) e = t.size();
            std::string z = t.substr(a, e - a);
            if (!z.empty() && z.back() == '\r') z.pop_back();
            out.push_back(z);
            a = e + 1;
        }
        return out;
    }

    fs::path dir_, alt_;
};

} // namespace stageb_test
