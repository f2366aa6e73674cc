#pragma once
// The fields of the project data by name, for tests that compare two sets of project data and must say which
// fields differ. The list names every field of zorm1::ProjectData; a field missing from it still makes two
// sets unequal (operator==), and is then reported as "(a field not in the list)".
#include <string>
#include <vector>

#include "frame/project_data.h"

namespace zortest {

// clang-format off
#define ZORTEST_PROJEKTFELDER(X) \
    X(AnzBoesch) X(AnzErd) X(AnzAush) X(AnzLF) X(AnzAnkerGesamt) X(AnzLastLuftLF) X(AnzLastErdLF) \
    X(AnzAnkerStufenPaare) X(AushNr) X(LFNr) X(GanzerName) X(DateiPfad) X(DateiName) X(NameOhneExt) \
    X(DateiwahlModus) X(DatenGelesen) X(NaechsteSeite) X(WurzelOrdner) X(Versionstext) X(GradZuRad) \
    X(Wandtyp) X(Wandart) X(WandKopf) X(Erddruckart) X(RuheProz) X(KonzFaktor) X(Etap) \
    X(EtaGlobal) X(BeiwerteGegeben) X(WandreibungStufen) X(BBohl) X(ABohl) X(EntlastFaktor) X(AnkerLaengen) \
    X(BBFuss) X(ZBFuss) X(DWand) X(GamWand) X(GamWand2) X(BPfDUeb) X(BPfD) X(BPfAbstand) X(BPfDBemessung) \
    X(KoteOKWand) X(TiefeUnendlich) X(EIWand) X(EModul) X(ProjBez) X(ProjNr) X(PosName) X(GanzerNameOhneExt) \
    X(Datum) X(Kommentar) X(SchichtDicke) X(SchichtPhi) X(SchichtDeltaA) X(SchichtDeltaP) X(SchichtCa) \
    X(SchichtCp) X(SchichtGamma) X(SchichtGammaAuftrieb) X(SchichtEI) X(SchichtGammaAush) \
    X(SchichtGammaAuftriebAush) X(SchichtKaghVorgabe) X(SchichtKachVorgabe) X(SchichtKpchVorgabe) \
    X(SchichtKpghVorgabe) X(SchichtDeltaANeu) X(SchichtDeltaPNeu) \
    X(DeltaNeuAushub) X(MinEah) \
    X(DeltaZF) X(PhiCaq) X(BoeschX1) X(BoeschX2) X(BoeschZ1) X(BoeschZ2) X(BoeschGamma) X(BoeschPhi) \
    X(ZWasserErdAush) X(AushubWert19) X(AnzFigur6Aush) X(Ze1Fig6Aush) X(UmZeit) X(UmArt) X(kzUeb) \
    X(EpsFuss6Aush) X(Fig6Verh) X(Fig6Z) X(FussGebettet) X(BettAnz) X(BettT) X(BettC) X(EahGeg) X(ZEahGeg) \
    X(EphGeg) X(TEphGeg) X(kzWasserenthAush) X(AnzPunkte1) X(AnzPunkte2) X(Aushubstufen) X(Wandfuss) \
    X(ZWandfuss) X(zAush) X(AnzAnker) X(UmFigur) X(UmZ1) X(UmZ2) X(EpsUml) X(ZAnker) X(ZNextAnker) \
    X(ZWasserLuft) X(EFaktor) X(StBx1) X(StBx2) X(StBH) X(ZWasserErd) X(Einsp) X(AnzSohlLast) X(SohlLastX1) \
    X(SohlLastX2) X(SohlLastQ) X(SohlLastZ) X(AnzZusatzSpannung) X(ZusZ) X(ZusSpannung) X(AnzErddruckFaktor) \
    X(EVerZ) X(EVerFaktor) X(ZusZVorher) X(ZusSpannungVorher) \
    X(FigurEB69) X(UeberlagernNoetig) X(BegrenzteLast) X(LuftLastH) X(LuftLastM) \
    X(LuftLastZ) X(LuftLastNichtIn) X(ErdLastPv) X(ErdLastPh) X(ErdLastXA) X(ErdLastXE) X(ErdLastZ) \
    X(ErdLastDauer) X(ErdLastRuheProz) X(ErdLastRuheFaktor) X(ErdLastNichtIn) X(NKopfLF) X(NKopf) \
    X(VerteilungAktiv) X(ZAuflager) X(AnzAuflagerStufe) X(AnkerNeigungGrad) X(AnkerLmin) X(AnkerLmax) \
    X(AnkerAbstand) X(EtaGl) X(EtaAbwAushub) X(EtaAbwWert) X(StahlStaebe) X(AnkerStahlFliess) \
    X(AnkerStahlStreck) X(TeilsicherheitenAn) X(Bemessungssituation) X(EtaAnpass) X(UntergrundGuenstig) \
    X(kzRered) X(kzRered2) X(kzWred) X(EtaBettung) X(kzHydGrBrEin) X(kzStroemEin) X(kzHydGrBr) X(kzStroem) \
    X(gamGEig) X(gamE0gEig) X(gamQEig) X(gamReEig) X(gamG1CEig) X(gamQ1CEig) X(gamPhiEig) X(gamCEig) \
    X(gamGstbEig) X(gamGdstEig) X(gamHEig) X(gamQdstEig) X(gamRhEig) X(gamG) X(gamE0g) X(gamQ) X(gamRe) \
    X(gamRered) X(gamRh) X(gamPhi) X(gamC) X(gamGstb) X(gamGdst) X(gamQdst) X(gamH) X(gamWred) X(gamStahlAnker) \
    X(gamG1C) X(gamQ1C) X(gamGBSP) X(gamE0gBSP) X(gamQBSP) X(BemessungEin) X(StahlNachEAU) \
    X(StahlGuete) X(EtaBSt500) X(BetonKlasse) X(EBreiteM) X(EBreiteN) X(d1Rand) X(AsMmin) X(AsQmin) \
    X(CotThetaWahl) X(MitNormalkraft) X(ZulSigma) X(ZulTau) X(ProfilName) X(ProfilText) X(ProfilPraefix) \
    X(ProfilWert1) X(ProfilWert2) X(ProfilWert3) X(ProfilWert4) X(ProfilWert5) X(Herstellart) X(Satz35Wert1) \
    X(Satz35Wert2) X(AllgAngaben) \
    X(GelaendebruchEin) X(TiefeMittelpunkte) X(BettungPruefen) X(zMGelenk) X(Massstab) X(GrafikRandOU) \
    X(GrafikRandLR) X(xNull) X(zNull) X(SeitenVorsatz) X(StartSeite) X(SeitenNr) \
    \
    \
    \
    X(GrafikRandLinks) \
    X(GrafikRandRechts) X(GrafikRandOben) X(GrafikRandUnten) X(Einst3c) X(TextFontName) X(TextFontSize) \
    X(TextFontBold) X(GrafikFontName) X(GrafikFontSize) X(GrafikFontBold) X(RandOben) X(RandUnten) X(H504Ein) \
    X(Querformat) X(Einst8a) X(Einst8b) X(Einst8c) X(HintergrundFarbe) X(VordergrundFarbe) X(RahmenEin) \
    X(BilderAlleDrucken) \
    X(KurzAusdruck)

// clang-format on

// The names of the fields in which a and b differ, in the order of the list.
inline std::vector<std::string> ProjektdatenUnterschiede(const zorm1::ProjectData& a,
                                                         const zorm1::ProjectData& b) {
    std::vector<std::string> namen;
#define ZORTEST_FELD_VERGLEICHEN(f)                                                                          \
    if (!(a.f == b.f)) namen.push_back(#f);
    ZORTEST_PROJEKTFELDER(ZORTEST_FELD_VERGLEICHEN)
#undef ZORTEST_FELD_VERGLEICHEN
    if (namen.empty() && !(a == b)) namen.push_back("(a field not in the list)");
    return namen;
}

} // namespace zortest
