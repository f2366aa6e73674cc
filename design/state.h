#pragma once
// Run state of the section design: the values the design kernels leave behind for their callers and the
// report, the working state of the circular-section kernel, and the anchor values the anchor tables read.
// One reset (zor::BemessungLaufZuruecksetzen) brings all of it back to the state at program start; it is
// announced to zor::LaufZuruecksetzen (frame/run_state.h), which test fixtures and the run driver call.
//
// Units follow the kernels: forces kN, moments kNm, lengths m (pile diameters and axis distances cm),
// reinforcement cm2 and cm2/m, stresses MN/m2 unless a field says otherwise.
#include <array>
#include <cstdint>
#include <string>

namespace zorm0 {

// A trial point of the secant search: position (x, omega) and its normalised inner forces.
struct Versuchspunkt {
    double x = 0.0, omega = 0.0, n = 0.0, m = 0.0;
};
struct Hilfspunkt {
    double x = 0.0, omega = 0.0;
};

// Working state of the circular-section kernel. It persists from call to call: the auxiliary points Q of
// the secant search keep their values where a step cannot move them.
struct Kreiszustand {
    // Inputs of the call (lengths cm, forces kN, moments kNm, strengths kN/cm2).
    double r = 0.0, rs = 0.0, d = 0.0, delta = 0.0, hd = 0.0, Ac = 0.0;
    float fcd = 0.0f, fyd = 0.0f, N = 0.0f, M = 0.0f;
    float AsMin = 0.0f;
    // Derived values.
    double nu = 0.0, mu = 0.0;
    double epsSu = 0.0, epsYd = 0.0;
    int16_t Durchgangsgrenze = 0; // step limit of the secant search

    // Strain state (per mille, tension positive): compressed edge, highest steel point, lowest steel point,
    // opposite edge.
    double KreisErgD1 = 0.0, KreisErgD2 = 0.0, KreisErgD3 = 0.0, KreisErgD4 = 0.0;

    // State of one evaluation.
    double x = 0.0, X = 0.0, omega = 0.0, gamma = 1.0;
    double n = 0.0, m = 0.0;
    // Compression zone and steel ring of the last evaluation.
    double x2 = 0.0, alphaN = 0.0, alpha2 = 0.0, K0 = 0.0, K1 = 0.0, K2 = 0.0;
    double xY = 0.0, alphaA = 0.0, alphaB = 0.0;
    double Nc = 0.0, Mc = 0.0, Ns = 0.0, Ms = 0.0;

    std::array<Versuchspunkt, 4> Pkt{}; // P1..P3 at 1..3
    std::array<Hilfspunkt, 5> Q{};      // Q1..Q4 at 1..4

    bool Konvergiert = false; // the last KreisBemessen found its equilibrium
    // Passes of the last searches for a given reinforcement that stopped at their bound.
    int32_t Abbrueche = 0;
};
extern Kreiszustand K;

} // namespace zorm0

namespace zormd {

// Values the rectangular, shear and circular kernels write.
struct Bemessungswerte {
    // Shear design with variable strut angle (Querkraftbemessung); kept from call to call when V = 0.
    float CotTheta = 0.0f; // cot theta of the struts, 0.58..3.0 (1.2 when CotThetaWahl is 1)
    float VRdC = 0.0f;     // shear resistance of the concrete (MN), at most 0.999 VEd
    float VRdmax = 0.0f;   // maximum shear resistance of the struts (kN)

    // Shear stresses of the global concept (the callers pass them to RechteckBemessungGlobal).
    float tau0 = 0.0f;     // nominal shear stress (MN/m2), also written by KreisBemessung
    float tauMassg = 0.0f; // governing design shear stress (MN/m2)

    // Circular section (KreisBemessung).
    float KreisBewGrad = 0.0f;    // reinforcement ratio, percent of the section area
    float KreisHebelarm = 0.0f;   // inner lever arm z (m)
    float KreisBreiteNull = 0.0f; // width of the section at the neutral axis (m)
    float KreisStegBreite = 0.0f; // effective web width bw (m)
    float KreisHebelarmN0 = 0.0f, KreisBreiteNullN0 = 0.0f, KreisStegBreiteN0 = 0.0f; // the same, N = 0
    // true after a KreisBemessung whose bending design did not converge (As holds 888 or 0): the section
    // is not designed, whatever As says.
    bool KreisNichtKonvergiert = false;
    // true when the last KreisBemessung's asw is the minimum AsQmin because the minimum governs.
    bool KreisAswMindest = false;

    // 1 while the shotcrete lagging design calls the partial-factor kernel: no shear design then.
    int16_t SpritzbetonFlag = 0;
};
extern Bemessungswerte BW;

inline constexpr int MaxAnkerLagen = 13; // anchor levels the per-anchor arrays hold

// Values of the anchor bookkeeping that the anchor tables read (per level 1..13, index 0 unused). The design
// stage fills them from the anchor bookkeeping of the run before it prints the anchor section.
struct Ankerwerte {
    std::array<float, MaxAnkerLagen + 1> AnkerNeigungRad{}; // inclination (rad)
    std::array<float, MaxAnkerLagen + 1> AnkerLaengeBem{};  // anchor length from the deep slip plane (m)
    std::array<float, MaxAnkerLagen + 1> AnkerLmaxD{};      // length range of the level (m), 0 for a strut
    std::array<float, MaxAnkerLagen + 1> AnkerLminD{};
    std::array<float, MaxAnkerLagen + 1> AnkerKraft{}; // characteristic force per metre, anchor direction
    std::array<float, MaxAnkerLagen + 1> AnkerKraftAktiv{}; // the same from the purely active run (kN/m)

    // Set by the anchor section.
    float EtaStahlZugglied = 0.0f; // required safety of the steel tension member
    float EtaStahlAktiv = 0.0f;    // 1.75
    float FestlegeFaktor = 0.0f;   // lock-off factor
    float AnkerKraftAkt = 0.0f;    // force of the row in hand (kN per anchor, anchor direction)

    // Working values of the row being built.
    std::string ZeilenPuffer;   // the line being built
    std::string FeldPuffer;     // the field in hand
    float Abstand = 0.0f;       // spacing of the row's level (m)
    int16_t n = 0, n2 = 0;      // strand counts of the main and the second row
    int16_t ds = 0, ds2 = 0;    // bar diameters (mm)
    float Azul = 0.0f;          // allowable force (kN)
    float fy = 0.0f, ft = 0.0f; // yield and tensile strength of the bar table in hand (N/mm2)
};
extern Ankerwerte AW;

// A governing section of the detailed design at the grid points (design with the local normal force).
// Its key is BS.MaxLaengs of the longitudinal, BS.MaxQuer of the shear record.
struct Schnittsatz {
    float Begleitwert = 0.0f; // the other design value at the section: tau or asw (longitudinal record),
                              // sigma(M + N) or As (shear record)
    int16_t Ns = 0;           // grid sections of the stage of the record (longitudinal record only)
    float zs = 0.0f;          // depth of the section (m)
    float N = 0.0f;           // normal force x EBreiteN (kN)
    float M = 0.0f;           // moment x EBreiteM (kNm)
    float Nx = 0.0f;          // shear force x EBreiteM with its sign (kN)
    int16_t LF = 0, Aushub = 0;
    float Cot = 0.0f;           // cot theta of the shear design at the section
    float VRdC = 0.0f;          // VRd,c of the shear design at the section (MN)
    float D1 = 0.0f, D3 = 0.0f; // strains eps1, eps3 of a circular section (per mille)
    float B = 0.0f, C = 0.0f;   // width at the neutral axis b0, width of the compression zone bw (m)
    float G = 0.0f, A = 0.0f;   // lever arm z (m), reinforcement percentage (%)
};

// Working values of the design stage and the governing sections collected over a run.
struct Bemessungsstufe {
    // strengths of the concrete grade and the steel of the run (set with the grade's constants at the start
    // of every run, request/wall_section.h BETON2; the design stage replaces the concrete's for its sections)
    float BetonFestigkeit = 0.0f;                            // design strength of the concrete (MN/m2)
    float StahlFestigkeit = 0.0f;                            // of the reinforcing steel (MN/m2)
    float zulTau01 = 0.0f, zulTau02 = 0.0f, zulTau03 = 0.0f; // allowable shear stresses of the grade (MN/m2)
    // largest horizontal anchor force of the run per support level 1..13 (kN/m; -9999 before any), the design
    // force of the anchor tables
    std::array<float, 14> AnkerAhMax{};
    float MaxLaengs = 0.0f;      // key of the governing longitudinal section (Laengs)
    float MaxQuer = 0.0f;        // key of the governing shear section (Quer)
    Schnittsatz Laengs;          // largest longitudinal value (MaxLaengs...)
    Schnittsatz Quer;            // largest shear value (MaxQuer...)
    int32_t NichtBemessbar = 0;  // grid sections the detailed design could not design (999, no convergence)
    float BemQuerschnitt = 0.0f; // pile diameter of the design (m); for steel walls the influence area
    float BemQuerkraft = 0.0f;   // design shear force Q' of the concrete pre-design (kN)
    std::string Einzug = std::string(13, ' '); // left indent of the design lines
    std::string ZeilenPuffer;                  // the line being built
    std::string FeldPuffer;                    // the field in hand
};
extern Bemessungsstufe BS;

} // namespace zormd

namespace zor {
// Back to the state at program start: every value of the section design above 0.
void BemessungLaufZuruecksetzen();
} // namespace zor
