// Every test of the frame's windows and of the run works as the program does: the calculation's messages
// shown as message boxes, the slip circle's progress in its window, the request's window slots at their
// defaults.
#include <gtest/gtest.h>

#include "run/connect_windows.h"

namespace {

class FensterAngeschlossen : public ::testing::Environment {
public:
    void SetUp() override { zorrun::FensterAnschliessen(); }
    void TearDown() override { zorrun::FensterTrennen(); }
};

[[maybe_unused]] ::testing::Environment* const umgebung =
    ::testing::AddGlobalTestEnvironment(new FensterAngeschlossen);

} // namespace
