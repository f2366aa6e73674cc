#pragma once
// Earth pressure at rest of limited strip loads on the earth side: the horizontal stress
// that a strip load causes at the wall in an elastic half-space after Froehlich.
#include <cstdint>
#include <vector>

namespace zormb {

// Horizontal stress at the wall at the depth dz below a strip load of intensity p that
// reaches from xA to xE (m from the back of the wall), after Froehlich with the
// concentration factor nu (3 = Boussinesq). A factor outside 3..6 gives 0.
float FroehlichOrdinate(int16_t nu, float p, float xA, float xE, float dz);

// Depths of the at-rest figure of a load at the level zL, before the ordinates are computed:
// `null` holds the depths of the leading zero points, `rechnen` the depths at which the
// stress is computed. The figure starts at the wall head (depth 0) and always ends at
// zUnten (the depth taken as infinite, 99), so that it can be merged with the other lists.
struct FroehlichTiefen {
    std::vector<float> null;
    std::vector<float> rechnen;
};
FroehlichTiefen FroehlichRaster(float zL, float zUnten);

// Replaces the limited-load list of the stage (BegrLastE/BegrLastZ/AnzWiderstand) by the
// at-rest pressure of all acting limited earth-side loads of the current load case.
void BegrenzteLastRuhe();

} // namespace zormb
