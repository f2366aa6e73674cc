#include "run/working_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "frame/project_data.h"
#include "platform/runtime/winfs.h"

namespace zorm1 {

namespace {

bool GleicherOrdner(const std::filesystem::path& a, const std::string& b) {
    if (b.empty()) return false;
    std::error_code ec;
    const auto rb = vb::Resolve(b);
    return std::filesystem::exists(rb, ec) && std::filesystem::equivalent(a, rb, ec);
}

} // namespace

void DateienLoeschen() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto hier = fs::current_path(ec);
    if (ec) return;
    if (GleicherOrdner(hier, P.WurzelOrdner)) return;
    // The working folder may hold the projects too: the program's own working files go, the project's
    // own files stay even where a name of the list would take them.
    std::vector<fs::path> bleiben;
    for (const std::string& n :
         {P.GanzerName, P.GanzerNameOhneExt + ".AUS", P.GanzerName + ".gl1", P.GanzerName + ".gl2"}) {
        if (n.empty()) continue;
        const fs::path p = vb::Resolve(n);
        if (fs::is_regular_file(p, ec)) bleiben.push_back(fs::canonical(p, ec));
    }
    for (const auto& e : fs::directory_iterator(hier, ec)) {
        if (!e.is_regular_file(ec)) continue;
        const std::string name = e.path().filename().string();
        bool weg = false;
        for (const std::string& n : LoeschNamen())
            weg = weg || vb::MatchPattern(n, name);
        if (!weg) continue;
        const fs::path p = fs::canonical(e.path(), ec);
        if (std::find(bleiben.begin(), bleiben.end(), p) != bleiben.end()) continue;
        try {
            vb::Kill(e.path().string()); // a file still open under a file number is closed first
        } catch (const std::exception&) {
            // one that cannot be deleted stays
        }
    }
}

} // namespace zorm1
