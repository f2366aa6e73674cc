#pragma once
// A beam of one layer (stiffness EI) whose load diagram and node markers the test sets itself.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "earthpressure/handover_a.h"
#include "earthpressure/state.h"
#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "frame/run_status.h"
#include "statics/beam_solver.h"
#include "statics/state.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace zortest {

class Balken : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProjectData();
        zor::LaufZuruecksetzen();
        zor::meldeprotokoll::Zuruecksetzen();
        P.AnzErd = 1;
        zormcom::Lauf.SchichtKote[1] = 0.0f;
        zormcom::Lauf.SchichtKote[2] = 99.0f;
        P.SchichtEI[1] = 50.0f;
        P.gamQ = 1.0f;
    }

    // Load diagram points (depth, ordinate); every marker 0.
    static void Lastbild(std::initializer_list<std::pair<float, float>> punkte) {
        auto& lb = zormc::St.Lastbild;
        auto& kn = zormc::St.Knoten;
        lb.n = 0;
        for (auto [z, e] : punkte) {
            ++lb.n;
            lb.z[lb.n] = z;
            lb.e[lb.n] = e;
            kn.z[lb.n] = z;
            kn.e[lb.n] = 0.0f;
        }
        kn.n = lb.n;
    }
    // Appends a point on the straight load p(z) = p0 + dp z with a marker.
    static void Knoten(float z, float p, float marke) {
        auto& lb = zormc::St.Lastbild;
        auto& kn = zormc::St.Knoten;
        ++lb.n;
        lb.z[lb.n] = z;
        lb.e[lb.n] = p;
        kn.n = lb.n;
        kn.z[kn.n] = z;
        kn.e[kn.n] = marke;
    }
    static void Raender(int a, int b, int f1, int f2) {
        zormc::St.KopfUnbekannte = {0, static_cast<int16_t>(a), static_cast<int16_t>(b)};
        zormc::St.FussBedingung = {0, static_cast<int16_t>(f1), static_cast<int16_t>(f2)};
    }
    std::string Loesen() {
        zor::Laufstatus status = zor::Laufstatus::Offen;
        zormc::Durchlauftraeger(status);
        return std::string(zor::Text(status));
    }
    // The last row at depth z (within 1e-4 m) of kind art, or nullptr.
    static const zormc::Ergebniszeile* Zeile(float z, int art) {
        const zormc::Ergebniszeile* r = nullptr;
        for (int i = 0; i < zormc::St.AnzZeilen; ++i) {
            const auto& row = zormc::St.ErgebnisTabelle[i];
            if (static_cast<int>(row[zormc::kArt]) == art && std::fabs(row[zormc::kTiefe] - z) < 1e-4f)
                r = &row;
        }
        return r;
    }
};

} // namespace zortest
