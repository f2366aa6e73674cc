#pragma once
// Hand-made plot records in the line format of "ZZZPLOT2" (items separated by commas, texts quoted).
#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace grafik_test {

struct SatzText {
    int anzLF = 1, lf = 1, anzAush = 1, stufe = 1;
    std::vector<std::array<float, 2>> sigmaV{{0.0f, 0.0f}, {5.0f, 12.5f}};
    float dt = 0.5f, zE = 8.0f;
    // z, wall load, deflection, M, Q, N
    std::vector<std::array<float, 6>> knoten{{0, 1, 2, 3, 4, 5}, {8, -6, -7, -8, -9, -10}};
    std::vector<std::array<float, 3>> anker;    // z, length, Ah
    std::vector<std::array<float, 2>> auflager; // z, force
    float kraftMax = 6.0f;
    std::string folge = "1";
    float zFuss = 7.0f, winkel1 = 0.9f, winkel2 = 0.5f, eta = 1.5f, zAush = 4.0f;
    int q = 0;
    int f = 0, w = 0;
    std::vector<std::array<float, 2>> keile; // z, angle (written only for f = 1)
    bool wasser = true; // the water-pressure block (absent when the statics' diagram file was empty)
    float summeV = 10.0f, summeV2 = 12.0f;
    std::array<float, 21> glf{};
    std::vector<float> faktoren; // what closes line C16 after the nine slip-plane values (the run's factors)

    std::string Text() const {
        std::ostringstream o;
        o << anzLF << "," << lf << "," << anzAush << "," << stufe << ",1\n";
        o << "0,1,1,0\n";
        o << lf << "," << stufe << "," << sigmaV.size() << "\n";
        for (auto& s : sigmaV)
            o << s[0] << "," << s[1] << "\n";
        o << lf << "," << stufe << "," << knoten.size() << "," << dt << "," << zE << "\n";
        for (auto& k : knoten)
            o << k[0] << "," << k[1] << "," << k[2] << "," << k[3] << "," << k[4] << "," << k[5] << "\n";
        o << lf << "," << stufe << "," << anker.size() << "\n";
        for (auto& a : anker)
            o << a[0] << "," << a[1] << "," << a[2] << "\n";
        o << kraftMax << ",\"" << folge << "\",0," << zFuss << "," << winkel1 << "," << winkel2 << "," << eta
          << ",0," << zAush << "\n";
        o << auflager.size() << "\n";
        for (auto& a : auflager)
            o << a[0] << "," << a[1] << "\n";
        o << "3,0," << q << ",0\n";
        for (int i = 0; i < q; ++i)
            o << i << ",1\n";
        o << f << "," << w << "\n";
        if (f == 1)
            for (auto& k : keile)
                o << k[0] << ",0," << k[1] << ",0\n";
        if (wasser) o << "2\n0,0\n3,0\n";
        o << summeV << "," << summeV2 << ",8,0,0,0,0,0,0," << zFuss << ",0\n";
        o << "1,0,0,0,0,0,0,0\n0,0\n";
        for (int i = 1; i <= 11; ++i)
            o << glf[static_cast<size_t>(i)] << (i < 11 ? "," : "\n");
        for (int i = 12; i <= 20; ++i)
            o << glf[static_cast<size_t>(i)] << (i < 20 ? "," : "");
        for (float v : faktoren)
            o << "," << v;
        o << "\n";
        return o.str();
    }
};

inline void PlotDatei(const std::vector<SatzText>& saetze, const std::string& name = "ZZZPLOT2") {
    std::ofstream f(name, std::ios::binary);
    for (auto& s : saetze)
        f << s.Text();
}

// A run of anzLF load cases with anzAush stages each, every record the default one.
inline std::vector<SatzText> Lauf(int anzLF, int anzAush) {
    std::vector<SatzText> v;
    for (int l = 1; l <= anzLF; ++l)
        for (int s = 1; s <= anzAush; ++s) {
            SatzText t;
            t.anzLF = anzLF;
            t.lf = l;
            t.anzAush = anzAush;
            t.stufe = s;
            v.push_back(t);
        }
    return v;
}

} // namespace grafik_test
