#include "design/anchor_values.h"

#include "design/state.h"
#include "frame/project_data.h"
#include "verification/anchor_files.h"
#include "verification/state.h"

namespace zormd {

void AnkerwerteUebernehmen() {
    for (int i = 1; i <= MaxAnkerLagen && i <= kMaxAnkerSlots; ++i) {
        AW.AnkerNeigungRad[i] = AB.AnkerNeigungRad[i];
        AW.AnkerLaengeBem[i] = AB.AnkerLaengeBem[i];
        AW.AnkerLmaxD[i] = AB.AnkerLmaxD[i];
        AW.AnkerLminD[i] = AB.AnkerLminD[i];
        AW.AnkerKraft[i] = N.AnkerKraft[i];
        AW.AnkerKraftAktiv[i] = AB.AnkerKraftAktiv[i];
        zormd::BS.AnkerAhMax[i] = AB.AnkerAhMax[i]; // largest Ah of the run, the tables' design force
    }
}

} // namespace zormd
