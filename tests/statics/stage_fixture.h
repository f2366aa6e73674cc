#pragma once
// A sand stage run through stage a and the earth-pressure stage in a working folder of its own, then
// handed to the statics. Sand gamma 18, phi 30, no wall friction: Ka = 1/3, Kp = 3 (global safety,
// Etap 1.5: design passive ordinate 36 (z - zAush)), EI 50 MNm2/m, free head, dry.
#include <cmath>
#include <string>

#include "earthpressure/report_file.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/stage_b.h"
#include "frame/messages.h"
#include "frame/run_status.h"
#include "frame/stage_table.h"
#include "statics/stage.h"
#include "statics/state.h"
#include "tests/earthpressure/stage_b_fixture.h"

namespace statik_test {

using stageb_test::Sandstufe;
using zorm1::P;
using zormc::St;

class SandStatik : public Sandstufe {
protected:
    void SetUp() override {
        Sandstufe::SetUp();
        P.Einsp = 0.0f;
        P.gamGstb = P.gamH = 1.0f;
    }
    // Stage 1 as the test set it, then stage a, earth pressure and the statics.
    std::string Rechnen() {
        zormcom::AushubSpeichern(1);
        zorma::EingabeAuswerten();
        zormb::ErddruckBerechnen();
        vb::Close(zorma::kBerichtDateiNr);
        zor::Laufstatus status = zor::Laufstatus::Offen;
        zormc::WandStatik(status);
        return std::string(zor::Text(status));
    }
    // Row of the result table of kind art nearest to depth z.
    static const zormc::Ergebniszeile* Zeile(float z, int art) {
        const zormc::Ergebniszeile* best = nullptr;
        for (int i = 0; i < St.AnzZeilen; ++i) {
            const auto& r = St.ErgebnisTabelle[i];
            if (static_cast<int>(r[zormc::kArt]) != art) continue;
            if (!best || std::fabs(r[zormc::kTiefe] - z) < std::fabs((*best)[zormc::kTiefe] - z)) best = &r;
        }
        return best;
    }
    static float KopfW() { return St.ErgebnisTabelle[1][zormc::kW]; }
};

} // namespace statik_test
