// Speed of the slip-circle search: circles per second of the whole search of one load case on the
// anchored soldier-pile wall of the example projects (items = circles evaluated).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "earthpressure/state.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "platform/runtime/vbfile.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"
#include "slipcircle/input.h"
#include "slipcircle/model.h"
#include "slipcircle/search.h"
#include "slipcircle/state.h"

using zorm1::P;

namespace {

// Hand-over files of the example project: the project copy and, per stage, plot records with the foot
// 4 m below the excavation level and the anchors at their support levels (length 8 m, 120 kN/m).
void HandOver(const std::string& projekt) {
    const std::string kopie = vb::ReadFileBytes(projekt);
    vb::WriteFileBytes("wexasave.GL1", "\"ZOR\",\"\",\"wexasave.GL1\",\"ZOR\",\"ZOR\",1,2,3,4\r\n" + kopie);
    zorm1::ResetProjectData();
    zor::LaufZuruecksetzen();
    P.GradZuRad = 3.141593f / 180.0f;
    zorm1::EingabeLesen(projekt);
    auto n = [](float v) { return vb::StrPlain(v); };
    std::string t;
    for (int lc = 1; lc <= P.AnzLF; ++lc)
        for (int s = 1; s <= P.AnzAush; ++s) {
            const float zA = P.Aushubstufen[static_cast<size_t>(s)].zAush,
                        fuss = P.Aushubstufen[static_cast<size_t>(P.AnzAush)].zAush + 4.0f;
            const std::string k = std::to_string(lc) + "," + std::to_string(s);
            t += std::to_string(P.AnzLF) + "," + std::to_string(lc) + "," + std::to_string(P.AnzAush) + "," +
                 std::to_string(s) + ",0\r\n";
            t += k + ",0\r\n" + k + ",1,0," + n(fuss) + "\r\n" + n(fuss) + ",0,0,0,0\r\n";
            int anker = 0;
            std::string zeilen;
            for (int a = 1; a <= P.AnzAnkerGesamt; ++a)
                if (P.ZAuflager[a] < zA) {
                    ++anker;
                    zeilen += n(P.ZAuflager[a]) + ",8,120\r\n";
                }
            t += k + "," + std::to_string(anker) + "\r\n" + zeilen;
            t += n(fuss) + ",\"91\",0," + n(fuss) + ",.5,.6,1.5,0," + n(zA) + "\r\n0\r\n99,99,0,0\r\n0,0\r\n";
        }
    vb::WriteFileBytes("wexasave.gl2", t);
}

void BM_GleitkreisSuche(benchmark::State& state) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("zor_bench_slip_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto alt = std::filesystem::current_path();
    const std::string projekt = std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert";
    std::filesystem::current_path(dir);
    HandOver(projekt);
    Zormg::FelderDimensionieren();
    Zormg::GLDatenLesen(0);
    auto& d = Zormg::D();
    d.Lastfall = 1;
    Zormg::GLDatenLesen(1);
    // The wall body's defaults and the factors of limit state GEO-3 (the project uses partial factors).
    if (d.GkDWand < 0.01f) d.GkDWand = 0.01f;
    if (d.GkGamWand == 0.0f) d.GkGamWand = 25;
    d.GkGamWandAuftrieb = 15;
    d.GkPhiWand = 45;
    d.GkCWand = 999;
    P.gamG1C = 1.0f;
    P.gamQ1C = 1.3f;
    zormcom::Vorgaben.gamPhiWirk = 1.25f;
    zormcom::Vorgaben.gamCWirk = 1.25f;
    int64_t kreise = 0;
    for (auto _ : state) {
        Zormg::SystemAufbauen();
        d.KreisZaehler = 0;
        Zormg::MittelpunktIteration();
        kreise += d.KreisZaehler;
        benchmark::DoNotOptimize(d.etaMin);
    }
    state.SetItemsProcessed(kreise);
    state.counters["eta"] = d.etaMin;
    state.counters["circles"] = static_cast<double>(d.KreisZaehler);
    vb::ResetFileState();
    std::filesystem::current_path(alt);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_GleitkreisSuche)->Unit(benchmark::kMillisecond);

} // namespace
