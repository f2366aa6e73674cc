#pragma once
// Section values of the wall, window-free: the concrete constants of a grade, E*I of concrete walls, pile
// walls and steel profiles, the wall kind and the default influence widths of the section design. The wall
// page, the profile page and the design page call them and show what they set.
//
// Units: thicknesses and diameters m, E modulus MN/m2, E*I MNm2 per metre of wall, unit weights kN/m3,
// moments of inertia of profiles cm4, areas cm2, section depths cm.
#include <string>

namespace Wand {

// The concrete constants of P.BetonKlasse (EModul, BetonFestigkeit, zulTau01..03) and StahlFestigkeit 500.
// bSorten: the grades B 25 / B 35 of global safety are offered (any code other than 35 becomes 25);
// otherwise the C grades 120..135 get their rows and any other code changes nothing further.
void BETON2(bool bSorten);
// BETON2 with the grades the safety concept offers (B grades under global safety).
void BETON2();

// E*I of a solid section of thickness d: d^3 x EModul / 12 into P.EIWand (returned).
float EIausDicke(float d);
// E*I of piles with spacing: EModul x pi x BPfD^4 / 64 / BPfAbstand into P.EIWand; false (nothing set)
// when the spacing is 0.
bool EIausPfaehlen();

// Wandart from Wandtyp (types above 3 are concrete walls), then the default influence widths.
void TBWKennung();

// What opening the wall page sets in the project data, without the page: the grade code fitted to the safety
// concept with its concrete constants; kzStroem cleared for pure earth pressure at rest or a soldier pile
// wall; Wandtyp 0 from Wandart (else 2) and the profile forgotten above type 2; WandKopf and Erddruckart in
// their ranges; Etap 0 of global safety 1.5; E*I, thickness and unit weights (GamWand2 included) from the
// section of the wall type; the concrete foot width; the saved flags switch on the working flags
// (BettungPruefen, EtaBettung, kzStroem from kzStroemEin, kzHydGrBr from kzHydGrBrEin); the design page's
// opening when no steel stress is set; Wandart from Wandtyp. Thickness, unit weight, anchor spacing and pile
// values take the value their box shows (7 significant digits) where the page's focus passes the box, as the
// page does.
void SeiteOeffnen();

} // namespace Wand

namespace Bemessung {

// frmBemessung.subEBreite: EBreiteM 0 becomes 1.0 for a diaphragm wall, 2 x BPfDUeb x 0.875 for overlapped
// piles and BPfAbstand for piles with spacing (other types leave it 0); then EBreiteN 0 or below takes
// EBreiteM.
void subEBreite();

// What opening the design-settings page sets in the project data, without the page: a steel wall counts the
// normal force exactly with partial factors (MitNormalkraft), the choices of the normal force and of cot
// theta as 0 or 1 with partial factors, the default influence widths, steel grade 0 as 240, the steel
// stresses of the grade, the recommended minimum reinforcement of a bored pile where none is set (AsMmin,
// AsQmin 6.54) and EtaBSt500 0 as 1.75.
void SeiteOeffnen();

// The recommended longitudinal reinforcement of a bored pile of diameter D (m) with the axis distance d1
// (cm): bars of 20 mm at 20 cm on the circle through the bar axes. n = 0 for D of 0.4 m or less.
struct Mindestbewehrung {
    int n = 0;
    float As = 0.0f; // cm2, one decimal
};
Mindestbewehrung Empfehlung(float D, float d1);

} // namespace Bemessung

namespace Profil {

// The digits of a soldier-pile profile name read as one number of millimetres, in m ("2U240" 0.24,
// "HE300B2" 3.002); nullopt-like 0 with `gefunden` false when the name has no digit.
float DickeAusName(const std::string& name, bool& gefunden);

// frmProfile.EIStahl without the boxes: splits P.ProfilName (zormd::ProfilZeileZerlegen), ABohl 0 becomes
// 1, EIWand = I x 210000 / 10^8 / ABohl; when the section depth is above 10 cm: DWand from the depth, or
// for soldier piles from the name, and GamWand = A x 78.5 / ABohl / DWand / 10000, GamWand2 = GamWand x
// 10 / 78.5. A soldier-pile name without digits leaves thickness and unit weights as they were. Returns
// whether thickness and unit weights were set.
bool EIStahlRechnen();

} // namespace Profil
