// Fuzz target of the whole calculation chain: any bytes as a project file, calculated by the headless run
// (request/headless_run.h) in a scratch working folder: read, stage a, earth pressure, statics, verifications
// and design. After every run it checks:
//  - the run ended with status 0, or the user was told why (a message, the beep, or a window the request
//    would open);
//  - no output holds a number that is none ("1.#INF", "-1.#IND", "nan", "inf" ...);
//  - no file was written outside the working folder and the project folder;
//  - no report line passes column 80 unless it is one of the report's own wider lines (by its exact text),
//    or a line of the layout whose numbers outgrew their fields, as Print widens a field for a number that
//    does not fit: a line of a form that an unmutated example prints (the same texts) or that
//    tests/support/report_width.h names; its numbers must stay apart (no two run together).
// A check that fails aborts, so that libFuzzer keeps the input; the sanitizers of the fuzz build report the
// rest.
//   fuzz_whole_chain <corpus folder> [seed folders...] -max_total_time=60
// With ZOR_KETTE_ZEIGEN set, each run's status and messages go to standard error, and the run's report is
// copied to the file ZOR_KETTE_ZEIGEN names, to read what a kept input does.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "frame/messages.h"
#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/run_state.h"
#include "platform/runtime/folder_lock.h"
#include "platform/runtime/runtime.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/vbstring.h"
#include "platform/runtime/winfs.h"
#include "request/headless_run.h"
#include "request/run_stages.h"
#include "request/run_windows.h"
#include "slipcircle/state.h"
#include "tests/support/report_width.h"

namespace fs = std::filesystem;

namespace {

// base/a/b/arbeit (the working folder, with the root folder in arbeit/xdg) and base/a/b/projekte (the project
// file): a name leading up to three folders out of them still lands inside base, where the check sees it.
fs::path g_basis, g_lauf, g_arbeit, g_projekte;
fs::path g_start; // the fuzzer's own current folder: its paths are relative to it
const char* const kProjekt = "projekt";
bool g_fenster = false;               // a window the request would open instead of a run
std::set<std::string> g_formen; // forms of the report lines of the unmutated examples

void aufraeumen() {
    std::error_code ec;
    fs::current_path(g_start, ec);
    fs::remove_all(g_basis, ec);
}

// A failed check: said, the scratch folder removed (abort skips atexit), and abort, so that libFuzzer keeps
// the input.
[[noreturn]] void Fehler(const std::string& was) {
    std::fprintf(stderr, "whole chain: %s\n", was.c_str());
    aufraeumen();
    std::abort();
}

// A report line reduced to its words: numbers, signs, separators and blanks taken out, so that the wide lines
// of the report's own layout are known by their texts whatever their numbers.
std::string Form(std::string_view zeile) {
    std::string f;
    for (char c : zeile)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != ' ' && c != ',' && c != '.' && c != '-' &&
            c != '+')
            f += c;
    return f;
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::size_t a = 0;
    while (a < text.size()) {
        std::size_t e = text.find('\n', a);
        if (e == std::string::npos) e = text.size();
        std::string zeile = text.substr(a, e - a);
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        z.push_back(std::move(zeile));
        a = e + 1;
    }
    return z;
}

// The reports of a run: the report of the working folder and its copy beside the project.
std::vector<fs::path> Berichte() {
    std::vector<fs::path> b;
    std::error_code ec;
    for (const fs::path& p : {g_arbeit / "LPTZW", g_projekte / (std::string(kProjekt) + ".AUS")})
        if (fs::is_regular_file(p, ec)) b.push_back(p);
    return b;
}

void OrdnerLeeren() {
    std::error_code ec;
    fs::current_path(g_start, ec);
    fs::remove_all(g_lauf, ec);
    fs::create_directories(g_arbeit / "xdg");
    fs::create_directories(g_projekte);
}

// One run of the headless program on the bytes as its project file, from a clean state.
int Rechnen(std::string_view bytes) {
    OrdnerLeeren();
    fs::current_path(g_arbeit);
    vb::ResetRuntime();
    zorm1::ResetProjectData();
    Anzeigen::ResetH504();
    zor::LaufZuruecksetzen();
    Zormg::ZustandZuruecksetzen();
    zor::meldeprotokoll::Zuruecksetzen();
    vb::SetDecimalSeparator(',');
    zorrun::StufenStandard();
    g_fenster = false;
    zorrun::Fenster().AnkerDialogLaden = [] { g_fenster = true; };
    zorrun::Fenster().ProfilListeLaden = [] { g_fenster = true; };
    vb::WriteFileBytes((g_projekte / kProjekt).string(), std::string(bytes));
    int status = -1;
    try {
        status = zorrun::ProjektRechnen((g_projekte / kProjekt).string());
    } catch (const std::exception& e) {
        Fehler(std::string("an error no handler trapped: ") + e.what());
    }
    vb::ResetRuntime(); // closes what a run left open
    return status;
}

// Where `wort` stands in `text` as a word of its own (a letter on neither side; bytes beyond ASCII count as
// letters), without regard to case; npos when nowhere.
std::size_t Wort(std::string_view text, std::string_view wort, std::size_t ab = 0) {
    auto buchstabe = [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
    };
    for (std::size_t p = ab; p + wort.size() <= text.size(); ++p) {
        bool gleich = true;
        for (std::size_t k = 0; gleich && k < wort.size(); ++k)
            gleich = std::tolower(static_cast<unsigned char>(text[p + k])) ==
                     std::tolower(static_cast<unsigned char>(wort[k]));
        if (!gleich) continue;
        if ((p > 0 && buchstabe(text[p - 1])) ||
            (p + wort.size() < text.size() && buchstabe(text[p + wort.size()])))
            continue;
        return p;
    }
    return std::string_view::npos;
}

// Numbers that are none, as the program's number texts would show them ("1.#INF", "-1.#IND") and as printf
// and the streams write them ("nan", "inf"). A word the input itself holds (a title echoed) does not count.
bool KeineZahl(const std::string& text, std::string_view eingabe, std::string& fund) {
    for (const char* t : {"#INF", "#IND", "#QNAN", "#SNAN", "nan", "inf", "infinity"}) {
        const std::string_view w = t[0] == '#' ? std::string_view(t + 1) : std::string_view(t);
        if (Wort(eingabe, w) != std::string_view::npos) continue;
        const std::size_t p = Wort(text, w);
        if (p == std::string_view::npos) continue;
        fund = text.substr(p >= 12 ? p - 12 : 0, 24);
        return true;
    }
    return false;
}

void Pruefen(std::string_view eingabe, int status) {
    // 1. Status 0, or the user was told.
    if (status != zorrun::kLaufFertig && zor::meldeprotokoll::Eintraege().empty() &&
        zor::meldeprotokoll::Signaltoene() == 0 && !g_fenster)
        Fehler("status " + std::to_string(status) + " without a message");

    // 2. Nothing outside the working and the project folder.
    std::error_code ec;
    for (const fs::path& ordner : {g_basis, g_basis / "a", g_lauf}) {
        for (const auto& e : fs::directory_iterator(ordner, ec)) {
            const fs::path& p = e.path();
            if (p == g_basis / "a" || p == g_lauf || p == g_arbeit || p == g_projekte) continue;
            Fehler("a file written outside the working and project folders: " + p.string());
        }
    }

    // 3. No number that is none in any output, 4. no report line wider than the examples have it.
    for (const fs::path& ordner : {g_arbeit, g_projekte}) {
        for (const auto& e : fs::recursive_directory_iterator(ordner, ec)) {
            if (!e.is_regular_file(ec) || e.path().filename() == vb::OrdnerSperre::kSperrDatei) continue;
            if (e.path() == g_projekte / kProjekt && status != zorrun::kLaufFertig) continue; // as given
            const std::string text = vb::ReadFileBytes(e.path().string());
            std::string fund;
            if (KeineZahl(text, eingabe, fund))
                Fehler("a number that is none in " + e.path().filename().string() + ": \"" + fund + "\"");
        }
    }
    for (const fs::path& bericht : Berichte()) {
        for (const std::string& zeile : Zeilen(vb::ReadTextFile(bericht.string()))) {
            if (zortest::BerichtszeileErlaubt(zeile) ||
                (g_formen.count(Form(zeile)) && zortest::ZahlenLesbar(zeile)))
                continue;
            Fehler("a report line wider than 80 columns (" + std::to_string(vb::Len(zeile)) + ") in " +
                   bericht.filename().string() + ": " + zeile);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::error_code ec;
    const fs::path tmp = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string ordner = (tmp / "zor_kette_XXXXXX").string();
    if (!::mkdtemp(ordner.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    g_basis = ordner;
    g_lauf = g_basis / "a" / "b";
    g_arbeit = g_lauf / "arbeit";
    g_projekte = g_lauf / "projekte";
    g_start = fs::current_path();
    std::atexit(aufraeumen);
    ::setenv("XDG_DATA_HOME", (g_arbeit / "xdg").c_str(), 1);
    ::unsetenv("ZOR_PROJEKTORDNER");

    // The lines of the report's own layout, as the unmutated examples have them. Each example must run clean:
    // a seed that does not shows the checks' fault, not the program's.
    std::vector<fs::path> beispiele;
    for (const char* quelle : {ZOR_EXAMPLES, ZOR_TEST_DATA})
        for (const auto& e : fs::directory_iterator(quelle, ec))
            if (e.is_regular_file() && e.path().extension().empty()) beispiele.push_back(e.path());
    std::sort(beispiele.begin(), beispiele.end());
    for (const fs::path& b : beispiele) {
        const std::string bytes = vb::ReadFileBytes(b.string());
        const int status = Rechnen(bytes);
        if (status != zorrun::kLaufFertig)
            Fehler("the example " + b.string() + " ends with status " + std::to_string(status));
        for (const fs::path& bericht : Berichte())
            for (const std::string& zeile : Zeilen(vb::ReadTextFile(bericht.string())))
                g_formen.insert(Form(zeile));
        Pruefen(bytes, status);
    }
    if (g_formen.empty()) Fehler("no example ran to its end");
    fs::current_path(g_start);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view eingabe(reinterpret_cast<const char*>(data), size);
    const int status = Rechnen(eingabe);
    if (const char* ziel = std::getenv("ZOR_KETTE_ZEIGEN")) {
        std::fprintf(stderr, "whole chain: status %d\n", status);
        std::error_code ec;
        if (*ziel && fs::is_regular_file(g_arbeit / "LPTZW", ec))
            fs::copy_file(g_arbeit / "LPTZW", g_start / ziel, fs::copy_options::overwrite_existing, ec);
        for (const auto& m : zor::meldeprotokoll::Eintraege()) {
            std::string t = m.text;
            std::replace(t.begin(), t.end(), '\r', ' ');
            std::fprintf(stderr, "  [%s] %s\n", m.titel.c_str(), t.c_str());
        }
    }
    Pruefen(eingabe, status);
    fs::current_path(g_start);
    return 0;
}
