#pragma once
// Small hand-made hand-over files for the slip circle: "wexasave.GL1" (header line and the project file
// of the project data) and "wexasave.gl2" (plot records A, B, C per load case and stage, anchor block).
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "frame/project_file.h"
#include "platform/runtime/vbnum.h"
#include "platform/runtime/winfs.h"

using zorm1::P;

namespace slipfiles {

// One soil layer of 20 m (phi 30, c 0, gamma 18/10), a wall 0.5 m thick, the given excavation levels per
// stage and load cases without loads. Water on both sides at 99 (none).
inline void Projekt(std::vector<float> aushub, int lastfaelle) {
    auto& p = P;
    p.AnzBoesch = 0;
    p.Wandart = 1;
    p.WandKopf = 1;
    p.Erddruckart = 1;
    p.AnzErd = 1;
    p.SchichtDicke[1] = 20;
    p.SchichtPhi[1] = 30;
    p.SchichtCa[1] = 0;
    p.SchichtGamma[1] = 18;
    p.SchichtGammaAuftrieb[1] = 10;
    p.AnzAush = static_cast<int16_t>(aushub.size());
    for (std::size_t s = 1; s <= aushub.size(); ++s) {
        p.Aushubstufen[static_cast<size_t>(s)].zAush = aushub[s - 1];
        p.Aushubstufen[static_cast<size_t>(s)].ZWasserLuft = 99;
        p.ZWasserErdAush[s] = 99;
    }
    p.AnzLF = static_cast<int16_t>(lastfaelle);
    p.DWand = 0.5f;
    p.GamWand = 24;
    p.Massstab = 200;
}

// "wexasave.GL1" from the project data.
inline void GL1() {
    zorm1::ArbeitskopieSchreiben("WEXASAVE");
    const std::string kopie = vb::ReadFileBytes("WEXASAVE");
    vb::WriteFileBytes("wexasave.GL1", "\"ZOR\",\"\",\"wexasave.GL1\",\"ZOR\",\"ZOR\",1,2,3,4\r\n" + kopie);
}

struct Anker {
    float z, laenge, ah;
};
struct Steife {
    float z, ah;
};

// One block: records A, B, C of load case lc and stage s as the verification stage writes them for the
// slip circle (the earth-pressure copy with one line, one point, two grid points).
inline std::string Block(int lc, int s, int anzLF, int anzAush, float zAush, float fuss,
                         const std::vector<Anker>& anker = {}, const std::vector<Steife>& steifen = {}) {
    auto n = [](float v) { return vb::StrPlain(v); };
    auto i = [](int v) { return std::to_string(v); };
    std::string t;
    t += i(anzLF) + "," + i(lc) + "," + i(anzAush) + "," + i(s) + ",1\r\n";
    t += "1.5,2,1.5,.5\r\n";
    t += i(lc) + "," + i(s) + ",1\r\n";
    t += "0,0\r\n";
    t += i(lc) + "," + i(s) + ",2,0," + n(fuss) + "\r\n";
    t += "0,0,0,0,0\r\n";
    t += n(fuss) + ",0,0,0,0\r\n";
    t += i(lc) + "," + i(s) + "," + i(static_cast<int>(anker.size())) + "\r\n";
    for (const Anker& a : anker)
        t += n(a.z) + "," + n(a.laenge) + "," + n(a.ah) + "\r\n";
    t += n(fuss) + ",\"91\",0," + n(fuss) + ",.5,.6,1.5,0," + n(zAush) + "\r\n";
    t += i(static_cast<int>(steifen.size())) + "\r\n";
    for (const Steife& st : steifen)
        t += n(st.z) + "," + n(st.ah) + "\r\n";
    t += "99,99,0,0\r\n";
    t += "0,0\r\n";
    return t;
}

inline std::string AnkerBlock(const std::vector<std::pair<float, float>>& zeilen) {
    std::string t = "\"Gebrauchskraft\"\r\n" + std::to_string(zeilen.size()) + "\r\n";
    for (auto [z, f] : zeilen)
        t += vb::StrPlain(z) + "," + vb::StrPlain(f) + "\r\n";
    return t;
}

// "wexasave.gl2" with one block per load case and stage of the project data (levels from the stage
// table, foot 9 m), followed by the given tail.
inline void GL2(const std::string& schluss = "") {
    std::string t;
    for (int lc = 1; lc <= P.AnzLF; ++lc)
        for (int s = 1; s <= P.AnzAush; ++s)
            t += Block(lc, s, P.AnzLF, P.AnzAush, P.Aushubstufen[static_cast<size_t>(s)].zAush, 9.0f);
    vb::WriteFileBytes("wexasave.gl2", t + schluss);
}

} // namespace slipfiles
