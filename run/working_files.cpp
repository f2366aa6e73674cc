#include "run/working_files.h"

#include <filesystem>
#include <system_error>

#include "frame/project_data.h"
#include "platform/runtime/winfs.h"

namespace zorm1 {

const std::vector<std::string>& LoeschNamen() {
    static const std::vector<std::string> namen = {
        // Leftovers of installations of older versions.
        "INSTALL.LOG", "olepro32.dll", "vbrun300.dll", "msvbvm50.dll", "wexapcx0.drv", "wexapcx1.drv",
        "wexascrn.drv", "wexazz0.drv", "wexazze1.drv", "zora.exe", "zorb.exe", "zorc.exe", "zord.exe",
        "zorg.exe", "diduvu.exe",
        // Working and result files of runs.
        "LPTZW.", "LPTZW2.", "zzzplot2.", "zzzplotw.", "zzzplotE.", "zorzz.", "zorz10.", "zorz11.", "zorz12.",
        "diduvu.erg", "diduvu.akt", "zorlast.", "zoraush.", "zorglfr.", "zorglf.", "zorz2.", "zorz3.",
        "zorz4.", "zorepp.", "zorgz.", "ankmax.-12", "zorgmax.zzz", "zorgmax2.ZZZ", "zorgmax3.ZZZ",
        "zorg.ZZZ", "zordende.dos", "ZORDLIST.txt", "ZOREred", "ZOREax*.*", "ZOREwid.*", "ZOREwidVerw.*",
        "DOVUDUvozud.*", "zoreats10.*", "wexasave.*", "ZorBettu", "DIDUVU.plt", "ZOREwidvW.*", "ZOReP0.*",
        "ZOReWas.*", "ZOReZsp.*"};
    return namen;
}

namespace {

bool GleicherOrdner(const std::filesystem::path& a, const std::string& b) {
    if (b.empty()) return false;
    std::error_code ec;
    const auto rb = vb::Resolve(b);
    return std::filesystem::exists(rb, ec) && std::filesystem::equivalent(a, rb, ec);
}

} // namespace

void DateienLoeschen() {
    std::error_code ec;
    const auto hier = std::filesystem::current_path(ec);
    if (ec) return;
    if (GleicherOrdner(hier, P.WurzelOrdner) || GleicherOrdner(hier, P.DateiPfad)) return;
    const std::string ordner = hier.string() + vb::PathSep;
    for (const std::string& n : LoeschNamen()) {
        try {
            vb::Kill(ordner + n);
        } catch (const std::exception&) {
            // a missing file is no error; one that cannot be deleted stays
        }
    }
}

} // namespace zorm1
