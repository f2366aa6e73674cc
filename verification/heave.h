#pragma once
// Report section of the approximate check against hydraulic heave for vertical seepage around the
// wall foot: the heads and weights of the statics, the safeties (global concept) or utilisations
// (partial factors) of three models of the residual head, and the table for a deeper wall foot.
//
// Two steps: HydraulischerGrundbruchBerechnen reads what the statics left (the table
// zormb::B.GrundbruchTab, model m = 1..3 at index (m - 1) 81 + k, step k = 0..80 of 0.2 m; St.HydrSchritte,
// the steps of the table, below 0 taken as 0; the heads and weights of step 0) and returns the values
// the report shows, changing nothing; HydraulischerGrundbruchDrucken prints those values and nothing
// else. Printing the same values twice gives the same lines.
#include <array>
#include <cstdint>

namespace zormd {

inline constexpr int kGrundbruchSchritte = 80; // last step of the statics' table (0.2 m each)

// The values of the heave section of one stage.
struct Grundbruchwerte {
    bool Teilsicherheiten = false; // partial factors: Wert holds utilisations, else safeties eta
    // The excavation-side water lies below the total wall foot (zFuss + DeltaT < ZWasserLuft): there is
    // no upward flow; only the head of the section is printed, and Wert and the heads stay 0.
    bool WasserUnterFuss = false;
    int16_t kzStroem = 0;         // seepage pressure on the weights considered (1)
    float GefaelleLuft = 0.0f;    // gradient applied to the excavation-side unit weights
    float gamGstb = 0.0f;         // partial factor of stabilising permanent actions
    float gamH = 0.0f;            // partial factor of the seepage force
    int16_t Schritte = 0;         // n: steps of the deeper-foot table, 0..80 (0: step 0 only)
    float hF = 0.0f;              // potential head above the wall foot, excavation side (m)
    float hWu = 0.0f;             // water height above the wall foot, excavation side (m)
    float hr = 0.0f;              // residual head hF - hWu (m)
    float GBr = 0.0f;             // weight of the soil above the wall foot, excavation side (kN/m2)
    float Stroemungskraft = 0.0f; // residual head x 10 (kN/m2)
    // Wert[m - 1][k], k = 0..Schritte: safety eta of model m with the foot lowered by 0.2 k m, or its
    // utilisation 1 / eta with partial factors; 0 where the statics found none (with partial factors:
    // not determinable, never an infinite utilisation).
    std::array<std::array<float, kGrundbruchSchritte + 1>, 3> Wert{};
};

// The column steps of the deeper-foot table for n steps: 1..n when n <= 8, else n c / 8 for
// c = 1..8, halves to the even integer.
int16_t HeaveSchritt(int16_t n, int c);

// The values of the section from the statics' results and the project's flags; changes nothing.
Grundbruchwerte HydraulischerGrundbruchBerechnen();

// Prints the section from w alone.
void HydraulischerGrundbruchDrucken(const Grundbruchwerte& w);

} // namespace zormd
