// Speed of a whole run of a large project: the program's request on the generated project of the tests
// (12 layers, 8 slopes, 7 support levels, 15 stages x 8 load cases, a sloped and loaded bottom in every
// stage): the project file read, the safety factors, and the runs through every stage the program has,
// without windows (items = passes of load case and stage). The second form stands in ground water at
// different levels on the two sides, with seepage and the heave check in every stage (the strutted
// diaphragm wall grown alike).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "frame/messages.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "frame/run_status.h"
#include "platform/runtime/runtime.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "slipcircle/state.h"
#include "tests/support/large_project.h"

using zorm1::P;

namespace {

// Messages of the run: counted; a run that tells the user something did not calculate what is measured.
struct Meldungen : zor::Meldungen {
    int anzahl = 0;
    std::string erste;
    int Zeigen(std::string_view text, int knoepfe, std::string_view) override {
        if (anzahl++ == 0) erste = text;
        return vb::DefaultButtonAnswer(knoepfe);
    }
    void Signalton() override {}
};

void GanzerLauf(benchmark::State& state, bool grundwasser) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("zor_bench_run_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path alt = fs::current_path();
    fs::current_path(dir);
    ::setenv("XDG_DATA_HOME", (dir / "xdg").c_str(), 1);
    Meldungen meldungen;
    zor::MeldungenAnschliessen(&meldungen);

    zorm1::ResetProjectData();
    P.GradZuRad = 3.141593f / 180.0f;
    P.TiefeUnendlich = 99.0f;
    const bool gemacht =
        grundwasser ? zortest::GrossesProjektMitGrundwasser(std::string(ZOR_TEST_DATA) + "/Schlitzwand_gesteift_GW")
                    : zortest::GrossesProjekt(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert");
    if (!gemacht ||
        !zorm1::EingabeSchreiben("gross"))
        state.SkipWithError("the large project cannot be made");

    // The pass a run stops in, for the message.
    int lfZuletzt = 0, stufeZuletzt = 0;
    const auto statik = zorrun::Stufen().WandStatik;
    zorrun::Stufen().WandStatik = [&](zor::Laufstatus& status) {
        lfZuletzt = P.LFNr;
        stufeZuletzt = P.AushNr;
        statik(status);
    };
    int64_t durchgaenge = 0;
    for (auto _ : state) {
        zorm1::ResetProjectData();
        zor::LaufZuruecksetzen();
        Zormg::ZustandZuruecksetzen();
        const int code = zorrun::ProjektRechnen("gross");
        if (code != zorrun::kLaufFertig || meldungen.anzahl > 0) {
            state.SkipWithError(("the run did not end (load case " + std::to_string(lfZuletzt) + ", stage " +
                                 std::to_string(stufeZuletzt) + "): " + meldungen.erste)
                                    .c_str());
            break;
        }
        durchgaenge += P.AnzLF * P.AnzAush;
    }
    state.SetItemsProcessed(durchgaenge);
    zorrun::StufenStandard();
    zor::MeldungenAnschliessen(nullptr);
    vb::ResetRuntime();
    fs::current_path(alt);
    fs::remove_all(dir);
}
void BM_GanzerLauf(benchmark::State& state) { GanzerLauf(state, false); }
void BM_GanzerLaufMitGrundwasser(benchmark::State& state) { GanzerLauf(state, true); }
BENCHMARK(BM_GanzerLauf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GanzerLaufMitGrundwasser)->Unit(benchmark::kMillisecond);

} // namespace
