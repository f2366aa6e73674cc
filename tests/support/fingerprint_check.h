#pragma once
// Compares a run's fingerprint list (one "name  sha256" line a file or report part) with the list
// stored under tests/data/outputs. With ZOR_OUTPUTS_WRITE set the stored list is written anew and
// the test is skipped: only after the new lines have been read and found right.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/runtime/winfs.h"

namespace zortest {

inline void FingerabdrueckeVergleichen(const std::string& name, const std::string& ist,
                                       const std::filesystem::path& soll) {
    if (std::getenv("ZOR_OUTPUTS_WRITE")) {
        std::ofstream(soll, std::ios::binary) << ist;
        GTEST_SKIP() << "written " << soll;
    }
    const std::string erwartet = vb::ReadFileBytes(soll.string());
    std::istringstream a(ist), b(erwartet);
    std::string za, zb;
    int zeile = 0, fehler = 0;
    while (fehler < 10) {
        const bool ha = static_cast<bool>(std::getline(a, za)), hb = static_cast<bool>(std::getline(b, zb));
        if (!ha && !hb) break;
        ++zeile;
        if (!ha) za = "<fehlt>";
        if (!hb) zb = "<fehlt>";
        if (za != zb) {
            ++fehler;
            ADD_FAILURE() << name << " line " << zeile << "\n  now:      " << za << "\n  expected: " << zb;
        }
    }
}

} // namespace zortest
