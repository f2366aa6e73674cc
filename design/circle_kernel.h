#pragma once
// Circular section kernel: longitudinal reinforcement of a bored pile under bending and normal force, and
// the strain state that goes with it.
//
// The reinforcement is a thin steel ring of radius rs spread evenly round the circumference; the concrete
// follows the parabola-rectangle law (-2 / -3.5 per mille), the steel is elastic-plastic with E 210000
// N/mm2. The unknowns are the depth x of the neutral axis and the mechanical reinforcement ratio omega; a
// secant search in the (x, omega) plane with restarts finds the pair whose inner forces equal the applied
// ones. A reinforcement below the minimum gets the strain state of the minimum reinforcement.
//
// Units: lengths cm, forces kN, moments kNm on input, strengths kN/cm2, strains per mille (tension
// positive), angles rad. Working values are double; fcd, fyd, N and M are kept in single precision. pi is
// the single-precision value 3.1415929794311523 throughout.
//
// The working state lives in zorm0::K (design/state.h) and persists between calls: auxiliary points of the
// search that a step cannot move keep their values from before, so results may depend on earlier calls.
// zor::LaufZuruecksetzen() (frame/run_state.h) brings it back to the state at program start.

namespace zorm0 {

inline constexpr double kPi = 3.1415929794311523;      // pi in single precision
inline constexpr double kPiHalbe = 1.5707964897155762; // pi / 2 in single precision

// Bounds of the searches for the strain state of a given reinforcement; at a bound the last state stands
// and K.Abbrueche counts it.
inline constexpr int kGrenzeKruemmung = 200;   // steps on the curvature
inline constexpr int kGrenzeRegulaFalsi = 200; // regula falsi on the mid-depth strain
inline constexpr int kGrenzeAbstieg = 1000;    // evaluations of the step-down on the mid-depth strain

// Entry. AsMin minimum reinforcement (cm2); r, rs radii of the section and the ring; d = r + rs; delta =
// d1 / d; Ac = pi r^2; fcd, fyd design strengths; N (tension positive), M. Results: As (cm2) and rho
// (percent of Ac). As is the reinforcement found (at least AsMin); 999 when rho > 8; when no pass of the
// search converged: 888 with N = 0, else 0, and K.Konvergiert is false. Leaves the strain state in
// K.KreisErgD1..4: that of the reinforcement returned (of the minimum when it governs, of the plain
// concrete when a compression needs no steel and the minimum is 0). Needs r > 0, rs > 0, fcd > 0,
// fyd > 0 (the caller checks).
void KreisBemessen(float& AsMin, double& r, double& rs, double& d, double& delta, double& Ac, double& fcd,
                   double& fyd, float& N, float& M, float& As, float& rho);

// Secant search from the trial points K.Pkt[1..3]; true when it converged (omega and the strain state
// are then those of the converged point); on failure K.omega is 0 or its last value.
bool GleichgewichtSuchen();

// Under a compression where the secant search found no equilibrium (a nearly centric force beyond the
// concrete, where the moment hardly moves with x): the least reinforcement whose limit state carries nu
// with at least mu, by halving the interval (0 to just above 8 percent; above it K.omega is that bound);
// true when it leaves a finite limit state in K.
bool DruckBemessen();

// n and m of the state (K.x, K.omega) into K.n and K.m, with the strain state and gamma.
void ZustandAuswerten();
// Strains of the state K.X by strain region.
void DehnungenBestimmen();
// gamma: 1.0 with partial factors, else from the strain of the lowest steel point.
void Sicherheitsbeiwert();

// Compression zone: angles and parabola coefficients; its normal force; its moment.
void DruckzoneGeometrie();
double DruckzoneParabel();
double DruckzoneRechteck();
// Closed-form integrals of the parabolic part (force, moment) and of the constant part (force, moment).
double IntegralA(double a);
double IntegralB(double a);
double IntegralC(double a);
double IntegralD(double a);
void WinkelFunktionen(double a, double& s, double& c, double& s2);
// Arc cosine clamped to [-1, 1]: 0 for 1, pi for -1, pi/2 for 0.
double WinkelAusKosinus(double c);

// Steel ring: yield angles; normal force; moment.
void StahlringGeometrie();
double StahlringKraft();
double StahlringKraft2();
double StahlTermA(double a, double s);
double StahlTermB(double a, double s);
double StahlTermC(double a);
double StahlTermD(double a);

// Strain state for the reinforcement K.omega under nu and mu.
void ZustandBeiBewehrung();
// Mid-depth strain for the strain difference k so that n = nu (a bracketing search under compression);
// returns it.
double SekantenVerfahren(double k);
// m (moment only) and n (force only) of the state set by NulllinieBestimmen.
void ZustandAuswertenB();
void ZustandAuswertenC();
// Strains and neutral axis from the mid-depth strain em and the strain difference k between the edges.
void NulllinieBestimmen(double em, double k);

} // namespace zorm0
