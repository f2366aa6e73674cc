#pragma once
// The design stage at the end of a calculation run: the design of the wall section (steel profile check of
// soldier pile and sheet pile walls, timber, steel-plate and shotcrete lagging, reinforcement of diaphragm
// walls and bored piles), the block of detailed results of the design with the local normal force, then the
// anchor section. Everything is appended to the report "LPTZW" (file 6), which the stage opens for appending
// and leaves open for the caller.
//
// Reads the project values of the wall, of the design settings and the running design values of the run
// (zormd::N.BemMaxMoment, BemMaxQuerkraft, BemMinNormalkraft, BemVerbauDruck, BemVerbauDruckFlag; for soldier
// pile walls per pile, otherwise per metre), the governing sections of the depth grid (zormd::BS and the keys
// zormd::BS.MaxLaengs, zormd::BS.MaxQuer) and what the design kernels leave in zormd::BW and zorm0::K.
//
// Units: moments kNm, forces kN, earth pressure kN/m2, lengths m (d1Rand cm), reinforcement cm2 and cm2/m,
// steel stresses N/mm2. Every line starts with the 13-blank indent unless told otherwise; masks use the
// locale's decimal separator, Str a point.
//
// Where a section cannot be designed the report says so in a line beginning "***" instead of printing a
// meaningless value: a steel plate without a positive design stress, a shotcrete shell without a thickness up
// to 1.00 m, grid sections of the detailed design that could not be designed.
#include <cstdint>
#include <string>

namespace zormd {

// ---- the stage
// The whole design stage (closes every file, opens the report for appending; the report stays open).
void Bemessung();
// Puts the design stage and the governing-section search into the verification stage's slots
// (Abschnitte().Bemessung, Abschnitte().MassgebendeSchnitte). The run driver calls it when it sets up its
// stages; tests that run the verification stage with the design call it too.
void BemessungAnmelden();

// The text padded on the left with blanks to 6 (4, 3) characters; a text of that length or longer stays.
void Rechtsbuendig6(std::string& text);
void Rechtsbuendig4(std::string& text);
void Rechtsbuendig3(std::string& text);

// ---- sections of the stage (each prints its lines; used by Bemessung and by tests)
// Stress check of the steel profile with max M, N, Q of the run (P.ProfilWert1..5 already parsed, none 0),
// followed by the block of detailed results.
void StahlprofilNachweis();
// Timber and steel-plate lagging between soldier piles for BemVerbauDruck over the clear span
// ABohl - 0.8 BBohl. A steel plate with ZulSigma <= 0 gets a "***" line instead of a thickness.
void HolzUndStahlplattenAusfachung();
// Shotcrete lagging between piles of spacing BPfAbstand and width BPfD. The thickness grows from 10 cm in
// steps of 2 cm up to 1.00 m until As / h <= 50 (As cm2/m, h m) with a designed As (never 999); when no
// thickness qualifies a "***" line stands in place of the design lines.
void Spritzbetonausfachung();
// Reinforcement of a diaphragm wall (Wandtyp 3) or of bored piles (Wandtyp 4, 5, 6).
void SchlitzwandBemessung();
void BohrpfahlBemessung();

// ---- printers of the concrete sections
// Prints the design heading and sets factor: global safety EtaBSt500 EBreiteM / 1.75, partial factors
// EBreiteM; for Wandtyp 5 (values already per pile) EtaBSt500 / 1.75 or 1 directly.
void BemessungKopf(float& faktor, float& h);
// Prints the separator for N = 0 and builds the shear line in ZeilenPuffer (not printed).
void QuerkraftZeile(std::string& einzug, float& Q, float& asw, float& tau0);
// Prints line, ends it (with the cot theta note under partial factors) and a separator line.
void CotThetaZeile(std::string& zeile, float& cotTheta, std::string& einzug);
// A section that cannot be designed (As or asw above 900 or exactly 0, but not the 888 of no convergence):
// markers 999 (and tau0 9.99) and the message box.
void MeldungUeberlastet(float& As, float& asw);
// As exactly 888: markers 888 and tau0 8.88, and the message box.
void MeldungKeineKonvergenz(float& As, float& asw);
// The line for the chosen bars and the staggering hint.
void StaffelungHinweis();

// ---- the block of detailed results and its printers
void BemessungErgebnis();
void DehnungenZeilen(float& eps1, float& eps3, float& b0, float& bw, float& z, float& prozent);
void SchnittgroessenZeile(float& zs, float& N, float& M, float& Q, int16_t& lastfall, int16_t& aushub);
// Nothing with global safety. VEd = 0 prints W1 without W2.
void VRdCZeile(float& VRdC, float& VEd);
void FlaecheProMeter(std::string& zeile, float& flaeche, float& cotTheta);
void FlaecheZeile(std::string& zeile, float& flaeche);

// ---- the governing sections of the depth grid
// For the grid of the current stage (zormd::N.KotenListe, KotenM, KotenQ, KotenN, AnzKoten) and load case:
// influence widths, then with partial factors and MitNormalkraft the design at every grid point and the
// governing longitudinal and shear sections (see zormd::BS). Points that cannot be designed are counted in
// BS.NichtBemessbar and never become governing.
void MassgebendeSchnitte();

} // namespace zormd
