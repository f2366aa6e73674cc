// Fuzz target of the project-file reader: any bytes as a project file, read from an example project
// already loaded; every promise of the reader is checked after each read (see project_file_check.h).
//   fuzz_project_file <corpus folder> [seed folders...] -max_total_time=60
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/project_file_check.h"

namespace {
zortest::LeseBasis g_basis;
std::filesystem::path g_ordner;
std::filesystem::path g_start; // the fuzzer's own current folder: its paths are relative to it

void aufraeumen() {
    std::error_code ec;
    std::filesystem::current_path(g_start, ec);
    std::filesystem::remove_all(g_ordner, ec);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The input file and every file the reader writes ("zorH504.txt") go to a folder of their own.
    // In memory where the system has such a folder: a read that succeeds saves the header texts, and
    // a save waits for the disk.
    std::error_code ec;
    const std::filesystem::path basis = std::filesystem::is_directory("/dev/shm", ec)
                                            ? std::filesystem::path("/dev/shm")
                                            : std::filesystem::temp_directory_path();
    std::string ordner = (basis / "zor_fuzz_XXXXXX").string();
    if (!::mkdtemp(ordner.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    g_ordner = ordner;
    g_start = std::filesystem::current_path();
    std::atexit(aufraeumen);
    std::filesystem::current_path(g_ordner);
    g_basis = zortest::LeseBasisAus(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert");
    std::filesystem::current_path(g_start);
    if (g_basis.projekt.DatenGelesen != -1) {
        std::fprintf(stderr, "the example project cannot be read\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::filesystem::current_path(g_ordner);
    const std::string fehler =
        zortest::ProjektdateiPruefen(std::string(reinterpret_cast<const char*>(data), size), g_basis);
    if (!fehler.empty()) {
        std::fprintf(stderr, "project-file reader: %s\n", fehler.c_str());
        std::abort();
    }
    std::filesystem::current_path(g_start);
    return 0;
}
