#pragma once
// The plot records of a run as the graphics window reads them, and the maxima files made from them.
//
// "ZZZPLOT2" (current folder) holds for every load case and stage, in the order load case 1 stages
// 1..AnzAush, load case 2, ..., the lines A1..C16 (see PlotLesen). The graphics keep what they read in
// their own run state (Grafik()), never in the project data: drawing changes no project data.
//
// Files written here (current folder): "ZORGMAX.ZZZ" (two lines per record), "ZORGMAX2.ZZZ" (two lines
// per load case), "ZORGMAX3.ZZZ" (two lines over all load cases) and "ZORG.ZZZ" (the wall lines of every
// stage for the envelope pictures).
#include <cstdint>
#include <string>
#include <vector>

namespace zorg {

// Fixed limits the pictures rely on.
constexpr int kMaxZusatz = 15;      // additional stresses of a record (C7)
constexpr int kMaxGleitkeile = 100; // passive slip wedges (C9)
constexpr int kMaxAnkerLagen = 13;  // support levels of a project

// One plot record (lists used from index 1; index 0 and the closing entries as the pictures expect).
struct PlotSatz {
    int16_t AnzLF = 0, LFNr = 0, AnzAush = 0, AushNr = 0;
    // A: earth pressure and wall-load list
    int16_t AnzWiderstand = 0;
    std::vector<float> ErddruckZ, ErddruckSumme, ErddruckOhneBegr, ErddruckBegr;
    int16_t AnzSigmaVPlot = 0;
    std::vector<float> SigmaVZ, SigmaVWert;
    // B: node values
    int16_t AnzKoten = 0;
    float DeltaTPlot = 0, ZEndeKoten = 0;
    std::vector<float> KoteZ, WandBelastung, Verformung, Moment, Querkraft, Normalkraft;
    // C: statics
    int16_t AnzAnkerPlot = 0;
    std::vector<float> AnkerPlotZ, AnkerPlotLaenge, AnkerPlotAh;
    float KraftMax = 0; // depth of the foot point of the deep slip plane at the back of the wall (m)
    std::string GlfAnkerFolge;
    float GlfMaxPlot = 0, zFuss = 0, GleitWinkelPlot1 = 0, GleitWinkelPlot2 = 0, EtaGlfPlot = 0;
    int16_t BettungPlot = 0;
    float zAush = 0;
    int16_t AnzAuflagerKraft = 0;
    std::vector<float> AuflagerKraftZ, AuflagerKraft;
    float ZWasserErd = 0, ZWasserLuft = 0;
    int16_t AnzZusatzSpannung = 0, kzWasserenth = 0;
    std::vector<float> ZusZ, ZusSpannung;
    int16_t GleitkeileFlag = 0, AnzGleitkeile = 0, AnzGleitflaechen = 0;
    std::vector<float> EphPlotZ, EphWinkel;
    int16_t AnzWasserPunkte = 0;
    std::vector<float> WasserZ, WasserDruck;
    float SummeV = 0, SummeV2 = 0, zEndeStatik = 0, Rhd = 0, RdFuss = 0, EdFuss = 0, AbgeschnDruck = 0;
    int16_t UmFigur = 0;
    float HUmlagerung = 0;
    int16_t AnzAuflagerVersch = 0;
    float EinspErg = 0, Rvd = 0, EpFaktor = 0, GamMittelPlot = 0;
    float GrundbruchEta0 = 0, GrundbruchEta1 = 0, GrundbruchEta2 = 0;
    std::vector<float> LastbildKopieZ, LastbildKopieE;
    float GlfWert[21] = {}; // 1..20
    // The run's partial factors on the earth pressure and on the resistance, closing line C16 (0 with global
    // safety, and in a record whose C16 has only the nine values of the slip plane).
    float gamEWirkPlot = 0, gamReWirkPlot = 0;
};

// The maxima of one record as "ZORGMAX.ZZZ" keeps them.
struct SatzMaxima {
    float ZEndeKoten = 0, MaxZSigmaV = 0, MaxAbsSigmaV = 0, MaxAbsBelastung = 0, MaxAbsVerformung = 0,
          MaxAbsMoment = 0, MaxAbsQuerkraft = 0, MaxAbsNormalkraft = 0;
    float MaxVerformung = 0, MinVerformung = 0, MaxMoment = 0, MinMoment = 0, MaxQuerkraft = 0,
          MinQuerkraft = 0, MaxNormalkraft = 0, MinNormalkraft = 0, SummeV2 = 0, SummeV = 0;
};

// The maxima of a load case or of all load cases ("ZORGMAX2.ZZZ", "ZORGMAX3.ZZZ").
struct FallMaxima {
    float ZFuss = 0, ZSigmaV = 0, AbsVerformung = 0, AbsMoment = 0, AbsQuerkraft = 0;
    float MaxVerformung = 0, MinVerformung = 0, MaxMoment = 0, MinMoment = 0, MaxQuerkraft = 0,
          MinQuerkraft = 0;
    float SummeV = -99999.0f, SummeV2 = -99999.0f;
};

// Reads the next record from the open file number fn into s (the old contents are replaced). Returns
// false, with a reason in fehler, when the file ends inside the record, an item is no number, or a count
// is negative or beyond its limit (q above 15, w above 100). Nothing is read beyond a list's count.
bool PlotLesen(int16_t fn, PlotSatz& s, std::string& fehler);

// The maxima of one record (Max/Min start at 0, magnitudes at 0).
SatzMaxima MaximaVon(const PlotSatz& s);

// The result of the maxima pass.
struct MaximaErgebnis {
    bool ok = false;
    std::string fehler;          // why the pass stopped (a message for the user)
    float ZFussMax = 0;          // greatest foot depth over all records
    int16_t StufeMaxAushub = 0;  // first stage with the deepest excavation level (0: none below 0)
    float AnkMaxWert2 = 0;       // second value of "ANKMAX.-12"
    float AnkMaxWert3 = -100.0f; // third value (level of the far points of the rays)
    std::vector<SatzMaxima> saetze;
};

// One pass over "ZZZPLOT2" (anzLF x anzAush records), reading "ANKMAX.-12" and the stages' excavation levels
// (zAushStufe[1..anzAush]); writes "ZORGMAX.ZZZ", "ZORGMAX2.ZZZ" and "ZORGMAX3.ZZZ". A missing or short
// plot file ends with ok = false and a message; a missing "ANKMAX.-12" keeps the defaults.
MaximaErgebnis MaximaErmitteln(int16_t anzLF, int16_t anzAush, const std::vector<float>& zAushStufe);

// Record nr (1-based) of "ZORGMAX.ZZZ"; false when the file is missing or shorter.
bool MaximaLesen(int nr, SatzMaxima& m);

// Writes the block of a record to "ZORG.ZZZ" (created anew when neu is set, else appended).
void ZorgBlockSchreiben(const PlotSatz& s, bool neu);

} // namespace zorg
