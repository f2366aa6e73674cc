#pragma once
// The plot records of the slip circle's hand-over file "wexasave.gl2" as a whole run leaves them, read by the
// record layout: per load case and stage record A (the earth-pressure block and the point list), record B
// (head with the foot level, one line per grid point) and record C up to its passive count line; then the
// anchor block "Gebrauchskraft".
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/vbnum.h"

namespace zortest {

struct Gl2Block {
    int lf = 0, aushub = 0;
    double fuss = 0;                              // foot level with the extra embedment (record B)
    std::vector<std::pair<double, double>> anker; // record C: level, length
    double zGLF = 0;                              // record C: foot point of the deep slip plane
};
struct Uebergabe {
    std::vector<Gl2Block> bloecke;
    std::vector<std::pair<double, double>> kraefte; // anchor block: level, force in anchor direction
};

inline std::vector<std::string> Gl2Items(const std::string& zeile) {
    std::vector<std::string> out;
    std::size_t a = 0;
    for (;;) {
        const std::size_t e = zeile.find(',', a);
        out.push_back(zeile.substr(a, e == std::string::npos ? std::string::npos : e - a));
        if (e == std::string::npos) return out;
        a = e + 1;
    }
}

inline Uebergabe UebergabeLesen(const std::vector<std::string>& z) {
    const auto zeile = [&](std::size_t k) { return Gl2Items(z.at(k)); };
    const auto ganz = [](const std::string& s) { return static_cast<int>(std::lround(vb::ValSingle(s))); };
    const auto wert = [](const std::string& s) { return static_cast<double>(vb::ValSingle(s)); };
    Uebergabe u;
    std::size_t i = 0;
    while (i < z.size()) {
        if (z[i].find("Gebrauchskraft") != std::string::npos) {
            const int n = ganz(z.at(i + 1));
            for (int k = 0; k < n; ++k) {
                const auto w = zeile(i + 2 + static_cast<std::size_t>(k));
                u.kraefte.emplace_back(wert(w.at(0)), wert(w.at(1)));
            }
            break;
        }
        Gl2Block b;
        i += 1 + static_cast<std::size_t>(ganz(zeile(i).at(4))); // record A: the earth-pressure block
        i += 1 + static_cast<std::size_t>(ganz(zeile(i).at(2))); // its point list
        const auto kopfB = zeile(i);
        b.lf = ganz(kopfB.at(0));
        b.aushub = ganz(kopfB.at(1));
        b.fuss = wert(kopfB.at(4));
        i += 1 + static_cast<std::size_t>(ganz(kopfB.at(2)));
        const int a = ganz(zeile(i).at(2)); // record C
        for (int k = 1; k <= a; ++k) {
            const auto w = zeile(i + static_cast<std::size_t>(k));
            b.anker.emplace_back(wert(w.at(0)), wert(w.at(1)));
        }
        i += 1 + static_cast<std::size_t>(a);
        b.zGLF = wert(zeile(i).at(0));
        i += 1;
        i += 1 + static_cast<std::size_t>(ganz(zeile(i).at(0))); // struts
        i += 1 + static_cast<std::size_t>(ganz(zeile(i).at(2))); // additional stresses
        i += 1;                                                  // the passive count line
        u.bloecke.push_back(b);
    }
    return u;
}

} // namespace zortest
