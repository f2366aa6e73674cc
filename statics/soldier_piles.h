#pragma once
// Earth resistance of soldier piles after Weißenbach for narrow pressure areas, per metre of wall,
// and the Coulomb slip-plane angles.
//
// Results stay in the state (statics/state.h): the means over the embedment (phiTBW, deltapTBW,
// cTBW, b0TBW, GammaTTBW), the coefficients, the candidates EW1 (start value), EW2 (narrow piles),
// EW3 (small clear spacing), the governing EpTBW with its part on the pile faces EphTBW and that
// part's vertical component EpvTBW, the case TBWFall (0 no small clear spacing, 1 small clear
// spacing governs, 2 computed but not governing), the widenings bsR, bsKoh (m).
// Values that give no resistance (pile width, spacing or embedment not above 0) leave every result
// 0 with a "***" note in St.Hinweise.

namespace zormc {

// For the current foot depth (t = zormcom::Lauf.zFuss - P.zAush): means over the embedment, earth-support
// point St.ZErdauflager = zAush + 0.6 t, for pure active pressure without redistribution figure the load
// diagram (St.ESumme down to zAush, then 0 down to the foot), the vertical stress below the
// excavation (cut at the foot) and the earth resistance of the piles.
void ErdwiderstandTBW();

// Earth resistance of the piles for the friction angle phi, the magnitude delta of the passive wall
// friction (radians), the mean cohesion (the routine reads St.cTBW) and the embedment t (m), with
// a = P.ABohl, b0 = St.b0TBW and T = St.EinbindeTiefe.
void ErdwiderstandTraeger(float phi, float delta, float c, float t);

// Adds the friction part and the cohesion part of the table values for phi and delta (degrees,
// delta >= 0) to St.EpTBW; the table values go to St.khRTab, St.khKohTab.
void ErdwiderstandTabelle(float phiGrad, float deltaGrad);

// Bilinear lookup of kh,r and kh,koh. A friction angle of 52.5 degrees or more is read in the 50
// degree column with a "***" note.
void KpTabelle(float phiGrad, float deltaGrad, float& khr, float& khkoh);

// The k-th and the (k + 1)-th number of a row text of blank-separated numbers (decimal point).
void TabellenWertePaar(const char* zeile, int k, float& w1, float& w2);

// EpvTBW := TanDeltaP * EpTBW, EphTBW := EpTBW.
void ErdwiderstandAbgemindert();

// Angles against the horizontal of the active and the passive Coulomb slip plane (radians) for the
// friction angle phi, the terrain slope beta and the wall friction angles (radians). An angle whose
// root has a negative argument or whose divisor is 0 keeps the value it had.
void GleitflaechenWinkel(float phi, float beta, float deltaA, float deltaP, float& thetaA, float& thetaP);

} // namespace zormc
