#pragma once
// Earth-side slopes as an additional vertical stress on the wall's depth axis: each slope
// segment acts like a surcharge gamma x height that sets in below a starting depth and
// reaches its full value at an end depth.
#include <cstdint>
#include <span>

namespace zormb {

// Builds the vertical stress of the slopes of the current slope table into the list R
// (ordinates Re, depths Rz, count Rn), with F and S as scratch lists (depths before
// ordinates). deltaP is only handed to the coefficient routine and does not change the result.
// A slope with unit weight 0 and a level segment contribute nothing. The result starts at the
// top of the first layer, ends at 99, has no jumps and no two depths closer than 1 cm.
void ErddruckBoeschung(std::span<float> Re, std::span<float> Rz, int16_t& Rn, std::span<float> Fz,
                       std::span<float> Fe, int16_t& Fn, std::span<float> Sz, std::span<float> Se,
                       int16_t& Sn, float deltaP);

} // namespace zormb
