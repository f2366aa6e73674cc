#include "request/support_levels.h"

#include <algorithm>
#include <cstdint>

#include "frame/project_data.h"
#include "frame/stage_table.h"

using zorm1::P;

namespace Anker {

namespace {
constexpr int kMaxKoten = 20; // ZAuflager(1..20)
} // namespace

std::vector<float> AuflagerKotenAllerStufen() {
    std::vector<float> koten;
    const int anzAush = std::clamp<int>(P.AnzAush, 0, zorm1::MaxAushub);
    for (int s = 1; s <= anzAush; ++s) {
        // All eight support levels of a stage count, whatever its number of supports.
        for (int i = 1; i <= 8; ++i) {
            const float z = P.Aushubstufen[static_cast<size_t>(s)].ZAnker[static_cast<size_t>(i)];
            if (z > 0.0f && std::find(koten.begin(), koten.end(), z) == koten.end() &&
                static_cast<int>(koten.size()) < kMaxKoten)
                koten.push_back(z);
        }
    }
    std::sort(koten.begin(), koten.end());
    return koten;
}

void AnkerAktualisieren() {
    const std::vector<float> koten = AuflagerKotenAllerStufen();
    for (int i = 1; i <= kMaxKoten; ++i)
        P.ZAuflager[i] = 0.0f;
    for (std::size_t i = 0; i < koten.size(); ++i)
        P.ZAuflager[i + 1] = koten[i];
    P.AnzAnkerGesamt = static_cast<int16_t>(koten.size());
    const int anzAush = std::clamp<int>(P.AnzAush, 0, zorm1::MaxAushub);
    for (int s = 1; s <= anzAush; ++s)
        zormcom::AushubLaden(static_cast<int16_t>(s));
}

} // namespace Anker

namespace Wand {

void BPfalsTBW() {
    if (P.Wandtyp != 5) return;
    P.Wandart = 1;
    P.ABohl = P.BPfAbstand;
    P.BBohl = P.BPfD;
    P.BBFuss = P.BPfD;
    P.ZBFuss = 0.0f;
}

} // namespace Wand
