// The anchor tables receive the bookkeeping of the verification run level by level.
#include <gtest/gtest.h>

#include "design/anchor_values.h"
#include "design/state.h"
#include "frame/project_data.h"
#include "verification/anchor_files.h"
#include "verification/state.h"

TEST(AnchorValues, EveryLevelReachesTheAnchorTables) {
    zormd::AnkerbuchZuruecksetzen();
    zormd::NachweisZustandZuruecksetzen();
    for (int i = 1; i <= 13; ++i) {
        zormd::AB.AnkerNeigungRad[i] = 0.01f * i;
        zormd::AB.AnkerLaengeBem[i] = 1.0f * i;
        zormd::AB.AnkerLminD[i] = 2.0f * i;
        zormd::AB.AnkerLmaxD[i] = 3.0f * i;
        zormd::AB.AnkerKraftAktiv[i] = 4.0f * i;
        zormd::N.AnkerKraft[i] = 5.0f * i;
        zormd::AB.AnkerAhMax[i] = 6.0f * i;
    }
    zormd::AnkerwerteUebernehmen();
    for (int i : {1, 7, 13}) {
        EXPECT_FLOAT_EQ(zormd::AW.AnkerNeigungRad[i], 0.01f * i);
        EXPECT_FLOAT_EQ(zormd::AW.AnkerLaengeBem[i], 1.0f * i);
        EXPECT_FLOAT_EQ(zormd::AW.AnkerLminD[i], 2.0f * i);
        EXPECT_FLOAT_EQ(zormd::AW.AnkerLmaxD[i], 3.0f * i);
        EXPECT_FLOAT_EQ(zormd::AW.AnkerKraftAktiv[i], 4.0f * i);
        EXPECT_FLOAT_EQ(zormd::AW.AnkerKraft[i], 5.0f * i);
        EXPECT_FLOAT_EQ(zormd::BS.AnkerAhMax[i], 6.0f * i);
    }
}
