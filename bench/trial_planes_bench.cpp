// Speed of the passive-pressure search by trial slip planes for a loaded, sloped bottom.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "earthpressure/handover_a.h"
#include "earthpressure/stage_b.h"
#include "earthpressure/trial_planes.h"
#include "earthpressure/wedge_geometry.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/vbfile.h"
#include "tests/support/project_builder.h"

using zorm1::P;
using zorm1::ResetProjectData;

namespace {

void Modell() {
    zortest::Zuruecksetzen();
    P.GradZuRad = 3.141593f / 180.0f;
    P.AnzErd = 3;
    const float d[] = {2.0f, 4.0f, 20.0f}, phi[] = {30.0f, 32.5f, 27.5f};
    for (int i = 1; i <= 3; ++i) {
        P.SchichtDicke[i] = d[i - 1];
        P.SchichtPhi[i] = phi[i - 1];
        P.SchichtDeltaP[i] = -phi[i - 1] / 3.0f;
        P.SchichtCp[i] = i == 3 ? 10.0f : 0.0f;
        P.SchichtGammaAush[i] = 19.0f;
        P.SchichtGammaAuftriebAush[i] = 11.0f;
    }
    P.AushNr = 1;
    P.zAush = 5.0f;
    P.ZWasserLuft = 8.0f;
    P.Aushubstufen[1].ZWasserLuft = 8.0f;
    P.StBx1 = -1.0f;
    P.StBx2 = -3.0f;
    P.StBH = 1.0f;
    P.AnzSohlLast = 1;
    P.SohlLastX1[1] = -20.0f;
    P.SohlLastX2[1] = -4.0f;
    P.SohlLastQ[1] = 15.0f;
    P.SohlLastZ[1] = 6.0f;
    P.EtaAnpass = 1.0f;
}

void BM_ErdwiderstandGleitflaechen(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / ("zor_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto alt = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    for (auto _ : state) {
        Modell();
        zormb::ErdwiderstandGleitflaechen();
        benchmark::DoNotOptimize(zormcom::Lauf.Eph.e[20]);
    }
    vb::ResetFileState();
    std::filesystem::current_path(alt);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ErdwiderstandGleitflaechen)->Unit(benchmark::kMillisecond);

} // namespace
