#include "frame/startup.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "frame/messages.h"
#include "frame/project_data.h"

using zorm1::P;

namespace Anzeigen {

namespace fs = std::filesystem;

namespace {

std::string mitTrenner(std::string s) {
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

// Creates the probe file in the folder and removes it again; errors count as "not writable". The
// probe is only ever a new file: a file of that name that is already there (the user's own, in the
// home folder) is neither emptied nor deleted, and a probe of another name is made instead.
bool beschreibbar(const std::string& ordner) {
    std::error_code ec;
    if (ordner.empty() || !fs::is_directory(ordner, ec)) return false;
    for (int versuch = 0; versuch < 100; ++versuch) {
        std::string name = kProbeDatei;
        if (versuch > 0) name += "." + std::to_string(versuch);
        const fs::path probe = fs::path(ordner) / name;
        if (fs::exists(fs::symlink_status(probe, ec))) continue;
        std::FILE* f = std::fopen(probe.c_str(), "wbx"); // fails when the name exists
        if (!f) {
            if (fs::exists(fs::symlink_status(probe, ec))) continue; // made by someone else meanwhile
            return false;
        }
        std::fclose(f);
        return fs::remove(probe, ec) && !ec;
    }
    return false;
}

// Creates the user's data folder with the parents it lacks, each only for the user (0700), as the
// base-directory rule of the desktop asks; folders that exist are left as they are. Errors are
// ignored: the folder then proves not writable and the next candidate is tried.
void datenOrdnerAnlegen(const std::string& ordner) {
    std::error_code ec;
    if (ordner.empty() || ordner.front() != '/' || fs::exists(ordner, ec)) return;
    fs::path teil;
    for (const auto& stueck : fs::path(ordner)) {
        teil /= stueck;
        if (stueck.empty() || fs::exists(teil, ec)) continue;
        if (::mkdir(teil.c_str(), 0700) != 0 && errno != EEXIST) return;
    }
}

} // namespace

std::string DatenOrdner() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string ordner;
    if (xdg && *xdg == '/') // a relative path does not count, as when the variable is not set
        ordner = xdg;
    else if (home && *home)
        ordner = mitTrenner(home) + ".local/share";
    while (ordner.size() > 1 && ordner.back() == '/')
        ordner.pop_back();
    return ordner;
}

std::vector<std::string> WurzelOrdnerKandidaten() {
    std::vector<std::string> v;
    const char* home = std::getenv("HOME");
    if (std::string daten = DatenOrdner(); !daten.empty()) v.push_back(daten);
    if (home && *home) v.emplace_back(home);
    std::error_code ec;
    const fs::path tmp = fs::temp_directory_path(ec);
    if (!ec) {
        v.push_back(tmp.string());
    } else {
        const char* t = std::getenv("TMPDIR"); // named, but not usable: tried and reported as such
        v.emplace_back(t && *t ? t : "/tmp");
    }
    for (auto& s : v)
        while (s.size() > 1 && s.back() == '/')
            s.pop_back();
    return v;
}

bool WurzelOrdnerSuchen() {
    datenOrdnerAnlegen(DatenOrdner());
    const auto kandidaten = WurzelOrdnerKandidaten();
    std::string gefunden;
    for (const auto& k : kandidaten)
        if (beschreibbar(k)) {
            gefunden = k;
            break;
        }
    if (gefunden.empty()) {
        std::string text = "Das Programm kann in keinem dieser Ordner Dateien anlegen:\r\n\r\n";
        for (const auto& k : kandidaten)
            text += "   " + k + "\r\n";
        text += "\r\nBitte Schreibrechte für einen dieser Ordner einrichten.";
        zor::Melden(text, vb::vbExclamation);
        return false;
    }
    P.WurzelOrdner = mitTrenner(gefunden) + kWurzelName + "/";
    if (!beschreibbar(P.WurzelOrdner)) {
        std::error_code ec;
        fs::create_directory(P.WurzelOrdner, ec); // a failure leaves the files to their first use
    }
    return true;
}

} // namespace Anzeigen
