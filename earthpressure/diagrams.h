#pragma once
// Ordinate lists and the numeric routines that work on them.
//
// A pressure, stress or load diagram is a list of depth/value points (depth z in m,
// positive downward from the top of the wall). Points live at indices 1..n, index 0
// belongs to no point, at most 250 points. Depths never decrease; a jump of the
// diagram is two consecutive points at the same depth (value above first, then the
// value below). Between points the diagram is linear. Lists that must reach below any
// wall foot end at depth 99.
//
// The unit of exchange is the complete list, zor::Ordinatenliste (values, depths and
// count together): the stage state keeps its lists as such, and every routine below has
// a form that takes them. Each routine also keeps its form on the three pieces
// (ordinates, depths, count) for work arrays that are not lists of their own; there the
// arrays are passed as spans, so any std::array<float, N> (or vector) binds, the span's
// size bounds every index the routine touches, and the argument orders differ from
// routine to routine (they are part of each routine's contract). A list form does
// exactly what the piece form does on the list's e, z and n.
#include <array>
#include <cstdint>
#include <span>

namespace zor {

// Largest number of points of an ordinate list.
inline constexpr int16_t kMaxOrdinaten = 250;

// One array of an ordinate list, indices 0..250.
using Ordinatenfeld = std::array<float, kMaxOrdinaten + 1>;

// A complete ordinate list: ordinates e, depths z, count n (points at 1..n).
struct Ordinatenliste {
    Ordinatenfeld e{};
    Ordinatenfeld z{};
    int16_t n = 0;
};

} // namespace zor

namespace zormcom {

// Call-site tag of the last DiagrammAddieren call (diagnostics only: named in the
// message of a rejected call). The tagged overload sets it; callers of the untagged
// overload may set it before the call.
extern int16_t AufrufKennung;

// Brings two ordinate lists onto their common depths and, when summieren is not 0,
// adds them.
//  - first list (eA, zA, nA): read only;
//  - second list (eB, zB, nB): replaced by itself resampled onto the common depths;
//  - result list (eR, zR, nR): the common depths, at each the first list's value
//    (plus the second list's value when summieren is not 0).
// Afterwards nB = nR = number of common depths and zB equals zR point by point.
// Depths closer than 0.001 m count as one (the first list's depth is kept). A jump of
// either list survives. Nothing happens when nA or nB is 0.
// Lists that do not start or do not end at the same depth (within 0.001 m), or whose
// common depths would not fit into 250 points (or into the arrays handed over), throw
// zor::CalcAbort and leave every list unchanged.
void DiagrammAddieren(std::span<const float> eA, std::span<float> eB, std::span<float> eR,
                      std::span<const float> zA, std::span<float> zB, std::span<float> zR, int16_t nA,
                      int16_t& nB, int16_t& nR, int16_t summieren);

// The same with a call-site tag in front (stored in AufrufKennung).
void DiagrammAddieren(int16_t kennung, std::span<const float> eA, std::span<float> eB, std::span<float> eR,
                      std::span<const float> zA, std::span<float> zB, std::span<float> zR, int16_t nA,
                      int16_t& nB, int16_t& nR, int16_t summieren);

// On complete lists: A read only, B resampled, R the result (B.n = R.n afterwards).
void DiagrammAddieren(const zor::Ordinatenliste& A, zor::Ordinatenliste& B, zor::Ordinatenliste& R,
                      int16_t summieren);
void DiagrammAddieren(int16_t kennung, const zor::Ordinatenliste& A, zor::Ordinatenliste& B,
                      zor::Ordinatenliste& R, int16_t summieren);

// Resets the module state (the call-site tag).
void DiagrammZustandZuruecksetzen();

} // namespace zormcom

namespace zormc {

// The larger (smaller) of two values; on a tie the first one.
float MaxWert(float a, float b);
float MinWert(float a, float b);

// Exchange sort of elements 1..n by the keys B (ascending); A is carried along.
void Sortieren(std::span<float> A, std::span<float> B, int16_t n);
// The list by its depths (ascending), values carried along.
void Sortieren(zor::Ordinatenliste& L);

// Value y of the list (X abscissae, Y ordinates, n points) at x. At a jump the value
// below the jump is returned; above X(1) the first segment is extended; at or beyond
// the last abscissa the last ordinate is returned.
void Interpolieren(std::span<const float> X, std::span<const float> Y, int16_t n, float x, float& y);
// The value e of the list at depth z.
void Interpolieren(const zor::Ordinatenliste& L, float z, float& e);

// The same, but at a jump the value above the jump: the segment that ends at x is
// taken (abscissae closer than 0.001 give the first point's value). For a caller that
// cuts a figure at a depth of its own and keeps the value the figure reaches there
// (the result picture's figures at the picture depth).
void InterpolierenOben(std::span<const float> X, std::span<const float> Y, int16_t n, float x, float& y);
void InterpolierenOben(const zor::Ordinatenliste& L, float z, float& e);

// Trapezoid area under the list (Y ordinates, X abscissae) from X(1) to xEnde, and the
// ordinate yEnde at xEnde. flaeche is 0 when xEnde <= 0 or n < 2; beyond the last
// point it is the whole area and yEnde is left unchanged.
void Integrieren(std::span<const float> Y, std::span<const float> X, int16_t n, float xEnde, float& flaeche,
                 float& yEnde);
// Area under the list from its first depth down to zEnde, and its value eEnde there.
void Integrieren(const zor::Ordinatenliste& L, float zEnde, float& flaeche, float& eEnde);

// Cuts the list at xEnde: the first point at or below xEnde is moved onto it
// (value interpolated) and becomes the last one.
void KurveKappen(std::span<float> Y, std::span<float> X, int16_t& n, float xEnde);
void KurveKappen(zor::Ordinatenliste& L, float zEnde);

// Depths above 0.005 m become 0; of several points at depth 0 only the last stays.
void KopfpunkteBereinigen(std::span<float> Z, std::span<float> E, int16_t& n);
void KopfpunkteBereinigen(zor::Ordinatenliste& L);

// Resultant R of the section zA..zB (depths that occur in the list exactly) and the
// depth zS of its centroid. R = 0 and zS = zA when the section is empty.
void ResultierendeSchwerpunkt(std::span<const float> E, std::span<const float> Z, int16_t n, float zA,
                              float zB, float& R, float& zS);
void ResultierendeSchwerpunkt(const zor::Ordinatenliste& L, float zA, float zB, float& R, float& zS);

// Gives the list (e, z, n) a point at z0 (value interpolated) and, where missing,
// points at 0 and at the current wall foot (zormcom::Lauf.zFuss). The two work
// lists are overwritten. The list must start at 0 and end at the wall foot.
void KurveAbTiefe(std::span<float> e, std::span<float> e1, std::span<float> e2, std::span<float> z,
                  std::span<float> z1, std::span<float> z2, int16_t& n, int16_t& n1, int16_t& n2, float z0);

// The same with the wall foot given explicitly.
void KurveAbTiefe(std::span<float> e, std::span<float> e1, std::span<float> e2, std::span<float> z,
                  std::span<float> z1, std::span<float> z2, int16_t& n, int16_t& n1, int16_t& n2, float z0,
                  float zFuss);
// On complete lists: L gets the point at z0, A1 and A2 are the work lists.
void KurveAbTiefe(zor::Ordinatenliste& L, zor::Ordinatenliste& A1, zor::Ordinatenliste& A2, float z0);
void KurveAbTiefe(zor::Ordinatenliste& L, zor::Ordinatenliste& A1, zor::Ordinatenliste& A2, float z0,
                  float zFuss);

// No-result marker of Schnittpunkt.
inline constexpr float kKeinSchnitt = -987654.0f;

// Intersection (xS, yS) of the line P1P2 with the line P3P4; treffer = 1 when it lies
// on both segments (tolerance 0.0001), else 0. Parallel lines leave xS and yS at
// -987654; two vertical lines give xS = x1 and yS = -987654.
void Schnittpunkt(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4, float& xS,
                  float& yS, int16_t& treffer);

// Removes interior points that lie less than 0.002 above their successor; the first
// and the last point always stay.
void DoppelpunkteEntfernen(int16_t& n, std::span<float> Z, std::span<float> E);
void DoppelpunkteEntfernen(zor::Ordinatenliste& L);

} // namespace zormc
