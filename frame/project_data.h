// The one set of project data of the program (`zorm1::P`): every input value of the project being worked on,
// the values of the current excavation stage, the excavation stages and the settings kept beside them. It
// exists once for the program's life and is read and written in place by the dialogs, the calculation, the
// report and the graphics.
//
// What belongs here: what the project file and the settings hold (the project as read and written), the
// values of the current stage loaded from the stage table, and the few values the pages derive from them
// or keep while the user works (file names, working partial factors and flags, the wall's derived values).
// What does not: a value a calculation run makes. A run works on this data as its own copy of the project
// (request/run_driver.h) and keeps what it makes in the state header of the folder that makes it
// (earthpressure/state.h, statics/state.h, verification/state.h, design/state.h, slipcircle/state.h), reset
// with zor::LaufZuruecksetzen (frame/run_state.h); the pictures keep theirs in the graphics' state.
//
// Conventions:
// - counts, flags and codes are int16_t, engineering values float, texts std::string (UTF-8);
// - arrays keep the declared index range 0..N (std::array<T, N + 1>) and are used from index 1 unless a
//   comment says otherwise; entries behind a count keep whatever they last held;
// - two- and three-index arrays are stored with the first index running fastest, so element (lc, j) of a
//   load array 0..8 x 0..15 sits at flat index lc + 9 * j, as the stored layouts expect.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zorm1 {

// Fixed two-index array with index ranges 0..Hi1 x 0..Hi2, first index fastest.
template <typename T, int Hi1, int Hi2> struct Array2 {
    static constexpr int hi1 = Hi1;
    static constexpr int hi2 = Hi2;
    static constexpr std::size_t n1 = Hi1 + 1;
    static constexpr std::size_t n2 = Hi2 + 1;
    std::array<T, n1 * n2> a{};

    T& operator()(int i, int j) { return a[flat(i, j)]; }
    const T& operator()(int i, int j) const { return a[flat(i, j)]; }
    static constexpr std::size_t flat(int i, int j) {
        return static_cast<std::size_t>(i) + n1 * static_cast<std::size_t>(j);
    }
    void fill(const T& v) { a.fill(v); }
    bool operator==(const Array2&) const = default;
};

// Fixed three-index array with index ranges 0..Hi1 x 0..Hi2 x 0..Hi3, first index fastest.
template <typename T, int Hi1, int Hi2, int Hi3> struct Array3 {
    static constexpr int hi1 = Hi1;
    static constexpr int hi2 = Hi2;
    static constexpr int hi3 = Hi3;
    static constexpr std::size_t n1 = Hi1 + 1;
    static constexpr std::size_t n2 = Hi2 + 1;
    static constexpr std::size_t n3 = Hi3 + 1;
    std::array<T, n1 * n2 * n3> a{};

    T& operator()(int i, int j, int k) { return a[flat(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return a[flat(i, j, k)]; }
    static constexpr std::size_t flat(int i, int j, int k) {
        return static_cast<std::size_t>(i) + n1 * static_cast<std::size_t>(j) +
               n1 * n2 * static_cast<std::size_t>(k);
    }
    void fill(const T& v) { a.fill(v); }
    bool operator==(const Array3&) const = default;
};

// Array with index range 0..Hi.
template <typename T, int Hi> using Arr = std::array<T, Hi + 1>;

// Limits of the project data.
inline constexpr int MaxSchichtenDatei = 12; // soil layers a project file can hold
inline constexpr int MaxBoeschungen = 8;
inline constexpr int MaxAushub = 15; // excavation stages
inline constexpr int MaxLastfaelle = 8;
inline constexpr int MaxLastenJeLF = 8;  // usable wall loads and earth-side loads per load case
inline constexpr int MaxAnkerlagen = 13; // distinct support levels of a project
inline constexpr int AushubZeilen = 130; // numbers per stage in the project file and the hand-over files

// The input of one excavation stage as the project keeps it. The current-stage values below are loaded from
// it and stored into it (frame/stage_table.h). Values marked "integer" are counts or codes kept as singles,
// as the project file holds them; loading rounds them. Levels are in m below the wall head.
struct Aushubstufe {
    // support of the wall foot (integer): 1 free, 2 given, 3 hinged in rock, 4 fixed after Blum
    float Wandfuss = 0.0f;
    float ZWandfuss = 0.0f; // level of the wall foot (m)
    float zAush = 0.0f;     // excavation level (m)
    float AnzAnker = 0.0f;  // supports in force (integer), at most 8
    float UmFigur = 0.0f;   // redistribution figure (integer), or the reduction figure under at-rest pressure
    float UmZ1 = 0.0f;      // figure parameter z1 (m)
    float UmZ2 = 0.0f;      // figure parameter z2 (m)
    float EpsUml = 0.0f;    // redistribution or reduction ratio eps
    Arr<float, 8> ZAnker{}; // levels of the supports in force 1..8, top to bottom (m); all eight kept
    float ZNextAnker = 0.0f;    // level of the support installed after this excavation (m); 99 = none
    float ZWasserLuft = 0.0f;   // water level on the excavation side (m)
    float EFaktor = 0.0f;       // factor on the redistributed earth pressure
    float StBx1 = 0.0f;         // sloped bottom: x of the top of the slope (m), 0 or negative
    float StBx2 = 0.0f;         // sloped bottom: x of the foot of the slope (m), StBx2 <= StBx1
    float StBH = 0.0f;          // sloped bottom: depth below the excavation level beyond StBx2 (m); 0 = flat
    float ZWasserErd = 0.0f;    // water level on the earth side (m)
    float Einsp = 0.0f;         // partial fixity of the wall foot (%)
    float AnzSohlLast = 0.0f;   // bottom loads (integer), at most 8
    Arr<float, 8> SohlLastX1{}; // start x of bottom load i (m, negative towards the excavation)
    Arr<float, 8> SohlLastX2{}; // end x of bottom load i (m)
    Arr<float, 8> SohlLastQ{};  // bottom load i (kN/m2)
    Arr<float, 8> SohlLastZ{};  // level of bottom load i (m)
    float AnzZusatzSpannung = 0.0f; // rows of additional horizontal stresses (integer), at most 15
    Arr<float, 15> ZusZ{};          // level of row i (m)
    Arr<float, 15> ZusSpannung{};   // additional stress of row i (kN/m2, towards the wall)
    float AnzErddruckFaktor = 0.0f; // rows of the earth-pressure factor table (integer), at most 15
    Arr<float, 15> EVerZ{};         // level of row i (m; 99 = wall foot)
    Arr<float, 15> EVerFaktor{};    // factor of row i on the pressure from soil weight and large-area loads
    // List entries behind their count are 0. The places of the stored form (frame/stage_table.h) that hold no
    // value of the stage keep what they last held, by their place: a stage read and written again stays the
    // same byte for byte. Nothing else reads them.
    Arr<float, AushubZeilen> Ablage{};

    bool operator==(const Aushubstufe&) const = default;
};

struct ProjectData {
    // ---------------------------------------------------------------- counts and current indices
    int16_t AnzBoesch = 0;           // earth-side slopes 0..8
    int16_t AnzErd = 0;              // soil layers (file: at most 12)
    int16_t AnzAush = 0;             // excavation stages 1..15
    int16_t AnzLF = 0;               // load cases 1..8
    int16_t AnzAnkerGesamt = 0;      // distinct support levels 0..13
    Arr<int16_t, 8> AnzLastLuftLF{}; // wall loads per load case
    Arr<int16_t, 8> AnzLastErdLF{};  // earth-side area loads per load case
    int16_t AnzAnkerStufenPaare = 0; // stage/anchor-safety pairs 0..15
    int16_t AushNr = 0;              // current excavation stage
    int16_t LFNr = 0;                // current load case

    // --------------------------------------------------------------- program state (not in the project file)
    std::string GanzerName;     // full path and name of the project file
    std::string DateiPfad;      // folder of the project file with trailing separator
    std::string DateiName;      // project file name without folder
    std::string NameOhneExt;    // DateiName without extension
    int16_t DateiwahlModus = 0; // file dialog: 0 read, 1 save
    int16_t DatenGelesen = 0;   // -1 once a project file has been read
    int16_t NaechsteSeite = 0;  // next page number of printouts (settings file)
    std::string WurzelOrdner;   // root folder
    std::string Versionstext;   // the program's version text
    float GradZuRad = 0.0f;     // 3.141593 / 180, set by the start dialog

    // ---------------------------------------------------------------- general switches and the wall
    int16_t Wandtyp = 0;           // 1..6
    int16_t Wandart = 0;           // 1 soldier pile, 2 sheet pile, 3 concrete wall
    int16_t WandKopf = 0;          // 1 free, 2 hinged, 3 fixed, 4 fixed but displaceable
    int16_t Erddruckart = 0;       // 1 active (+ at-rest share), 2 pure at-rest pressure
    float RuheProz = 0.0f;         // at-rest share %, 0..100
    int16_t KonzFaktor = 0;        // Froehlich concentration factor 3..6
    float Etap = 0.0f;             // safety (or partial factor) of the passive resistance
    float EtaGlobal = 0.0f;        // Etap of the global safety concept, kept with the project
    int16_t BeiwerteGegeben = 0;   // 1: given coefficients per layer replace the computed ones
    int16_t WandreibungStufen = 0; // 1: changed wall friction in the stages of DeltaNeuAushub
    float BBohl = 0.0f;            // soldier pile width b (m)
    float ABohl = 0.0f;            // soldier pile spacing a (m)
    float EntlastFaktor = 0.0f;    // relief factor of the earth support of soldier pile walls
    int16_t AnkerLaengen = 0;      // 1: anchor lengths by the deep slip plane, Lmin/Lmax kept
    float BBFuss = 0.0f;           // width of the concrete toe (m)
    float ZBFuss = 0.0f;           // level from which the soldier piles are concreted (m)
    float DWand = 0.0f;            // wall thickness d (m)
    float GamWand = 0.0f;          // unit weight of the wall material (kN/m3)
    float GamWand2 = 0.0f;         // unit weight used for the buoyancy of the wall (run value)
    float BPfDUeb = 0.0f;          // pile diameter, overlapped bored pile wall (m)
    float BPfD = 0.0f;             // pile diameter, bored piles with spacing (m)
    float BPfAbstand = 0.0f;       // axis spacing, bored piles with spacing (m)
    float BPfDBemessung = 0.0f;    // pile diameter used by the section design
    float KoteOKWand = 0.0f;       // elevation of the wall head above datum (m)
    float TiefeUnendlich = 0.0f;   // 99, lower end of unlimited load figures (not saved)
    float EIWand = 0.0f;           // bending stiffness of the wall (run value)
    float EModul = 0.0f;           // E modulus of the concrete (run value)

    // ---------------------------------------------------------------- project texts
    std::string ProjBez;
    std::string ProjNr;
    std::string PosName;
    std::string GanzerNameOhneExt;
    std::string Datum;
    Arr<std::string, 10> Kommentar{}; // comment lines; the file holds 5..10

    // ---------------------------------------------------------------- soil layers
    Arr<float, 30> SchichtDicke{};
    Arr<float, 100> SchichtPhi{};
    Arr<float, 100> SchichtDeltaA{};
    Arr<float, 30> SchichtDeltaP{};
    Arr<float, 100> SchichtCa{};
    Arr<float, 30> SchichtCp{};
    Arr<float, 100> SchichtGamma{}; // exactly 0.0: empty layer
    Arr<float, 100> SchichtGammaAuftrieb{};
    Arr<float, 30> SchichtEI{};
    Arr<float, 12> SchichtGammaAush{};
    Arr<float, 12> SchichtGammaAuftriebAush{};
    Arr<float, 30> SchichtKaghVorgabe{};
    Arr<float, 30> SchichtKachVorgabe{};
    Arr<float, 30> SchichtKpchVorgabe{};
    Arr<float, 30> SchichtKpghVorgabe{};
    Arr<float, 30> SchichtDeltaANeu{};
    Arr<float, 30> SchichtDeltaPNeu{};

    Arr<int16_t, 12> DeltaNeuAushub{}; // stages in which the changed wall friction acts
    float MinEah = 0.0f;
    float DeltaZF = 0.0f;
    float PhiCaq = 0.0f;

    // ---------------------------------------------------------------- earth-side slopes
    Arr<float, 8> BoeschX1{};
    Arr<float, 8> BoeschX2{};
    Arr<float, 8> BoeschZ1{};
    Arr<float, 8> BoeschZ2{};
    Arr<float, 8> BoeschGamma{};
    Arr<float, 8> BoeschPhi{};

    // --------------------------------------------------------------- per-stage arrays beside the stages
    Arr<float, 30> ZWasserErdAush{}; // element 0 = 99 when a stage is opened
    Arr<float, 15> AushubWert19{};
    Arr<int16_t, 15> AnzFigur6Aush{};
    Arr<float, 15> Ze1Fig6Aush{};
    Arr<int16_t, 15> UmZeit{};
    Arr<int16_t, 15> UmArt{};
    Arr<int16_t, 15> kzUeb{};
    Arr<float, 15> EpsFuss6Aush{};
    Array2<float, 15, 15> Fig6Verh{}; // (stage, row)
    Array2<float, 15, 15> Fig6Z{};
    Arr<int16_t, 20> FussGebettet{};
    Arr<int16_t, 20> BettAnz{};
    Array2<float, 15, 20> BettT{}; // (stage, row)
    Array2<float, 15, 20> BettC{};
    Array2<float, 15, 30> EahGeg{}; // (stage, row); row 0 holds the row count as float
    Array2<float, 15, 15> ZEahGeg{};
    Array2<float, 15, 15> EphGeg{}; // row 0 holds the row count as float
    Array2<float, 15, 15> TEphGeg{};
    Arr<int16_t, 15> kzWasserenthAush{};
    int16_t AnzPunkte1 = 0;
    int16_t AnzPunkte2 = 0;

    // ---------------------------------------------------------------- the stages and current-stage values
    Arr<Aushubstufe, MaxAushub> Aushubstufen{}; // stage 0..15; stages 1..AnzAush are the project's
    // The current stage's values, meanings as in Aushubstufe.
    int16_t Wandfuss = 0;
    float ZWandfuss = 0.0f;
    float zAush = 0.0f;
    int16_t AnzAnker = 0; // at most 8
    int16_t UmFigur = 0;
    float UmZ1 = 0.0f;
    float UmZ2 = 0.0f;
    float EpsUml = 0.0f;
    Arr<float, 9> ZAnker{}; // entries 1..8 belong to the stage
    float ZNextAnker = 0.0f;
    float ZWasserLuft = 0.0f;
    float EFaktor = 0.0f;
    float StBx1 = 0.0f;
    float StBx2 = 0.0f;
    float StBH = 0.0f;
    float ZWasserErd = 0.0f;
    float Einsp = 0.0f;
    int16_t AnzSohlLast = 0; // at most 8
    Arr<float, 8> SohlLastX1{};
    Arr<float, 8> SohlLastX2{};
    Arr<float, 8> SohlLastQ{};
    Arr<float, 8> SohlLastZ{};
    int16_t AnzZusatzSpannung = 0; // at most 15
    Arr<float, 15> ZusZ{};
    Arr<float, 15> ZusSpannung{};
    int16_t AnzErddruckFaktor = 0; // at most 15
    Arr<float, 15> EVerZ{};
    Arr<float, 15> EVerFaktor{};
    // working values of the stage pages
    Arr<float, 15> ZusZVorher{};
    Arr<float, 15> ZusSpannungVorher{};
    int16_t FigurEB69 = 0;
    int16_t UeberlagernNoetig = 0;
    int16_t BegrenzteLast = 0;

    // ---------------------------------------------------------------- loads per load case
    Array2<float, 8, 8> LuftLastH{}; // (lc, j)
    Array2<float, 8, 8> LuftLastM{};
    Array2<float, 8, 8> LuftLastZ{};
    Array3<int16_t, 8, 8, 8> LuftLastNichtIn{}; // (lc, j, k); k = 0 holds the count
    Array2<float, 8, 15> ErdLastPv{};
    Array2<float, 8, 15> ErdLastPh{};
    Array2<float, 8, 15> ErdLastXA{};
    Array2<float, 8, 15> ErdLastXE{}; // 999 = unlimited
    Array2<float, 8, 15> ErdLastZ{};
    Array2<float, 8, 15> ErdLastDauer{};
    Array2<int16_t, 8, 8> ErdLastRuheProz{};
    Array2<float, 8, 8> ErdLastRuheFaktor{};
    Array3<int16_t, 8, 8, 8> ErdLastNichtIn{}; // (lc, j, k); k = 0 holds the count
    Arr<float, 8> NKopfLF{};
    float NKopf = 0.0f;
    int16_t VerteilungAktiv = 0;

    // ---------------------------------------------------------------- supports and anchors
    Arr<float, 20> ZAuflager{};
    int16_t AnzAuflagerStufe = 0;
    Arr<float, 13> AnkerNeigungGrad{};
    Arr<float, 13> AnkerLmin{};
    Arr<float, 13> AnkerLmax{};
    Arr<float, 15> AnkerAbstand{};
    float EtaGl = 0.0f;
    Arr<float, 15> EtaAbwAushub{};
    Arr<float, 15> EtaAbwWert{};
    int16_t StahlStaebe = 0;
    float AnkerStahlFliess = 0.0f;
    float AnkerStahlStreck = 0.0f;

    // ---------------------------------------------------------------- safety concept
    int16_t TeilsicherheitenAn = 0;
    int16_t Bemessungssituation = 0; // 1 BS-P, 2 BS-T, 3 BS-A, 23 BS-T/A, 0 own factors
    float EtaAnpass = 0.0f;
    int16_t UntergrundGuenstig = 0;
    int16_t kzRered = 0;
    int16_t kzRered2 = 0;
    int16_t kzWred = 0;
    int16_t EtaBettung = 0;
    int16_t kzHydGrBrEin = 0;
    int16_t kzStroemEin = 0;
    int16_t kzHydGrBr = 0; // working flags of the wall page; a run takes them as its own (zormcom::Lauf)
    int16_t kzStroem = 0;
    float gamGEig = 0.0f, gamE0gEig = 0.0f, gamQEig = 0.0f, gamReEig = 0.0f, gamG1CEig = 0.0f,
          gamQ1CEig = 0.0f;
    float gamPhiEig = 0.0f, gamCEig = 0.0f, gamGstbEig = 0.0f, gamGdstEig = 0.0f, gamHEig = 0.0f,
          gamQdstEig = 0.0f;
    float gamRhEig = 0.0f;
    // working partial factors, set by the safety dialog (not saved)
    float gamG = 0.0f, gamE0g = 0.0f, gamQ = 0.0f, gamRe = 0.0f, gamRered = 0.0f, gamRh = 0.0f;
    float gamPhi = 0.0f, gamC = 0.0f, gamGstb = 0.0f, gamGdst = 0.0f, gamQdst = 0.0f, gamH = 0.0f;
    float gamWred = 0.0f, gamStahlAnker = 0.0f, gamG1C = 0.0f, gamQ1C = 0.0f;
    float gamGBSP = 0.0f, gamE0gBSP = 0.0f, gamQBSP = 0.0f;

    // ---------------------------------------------------------------- design settings
    int16_t BemessungEin = 0;
    int16_t StahlNachEAU = 0;
    int16_t StahlGuete = 0;
    float EtaBSt500 = 0.0f;
    float BetonKlasse = 0.0f;
    float EBreiteM = 0.0f;
    float EBreiteN = 0.0f;
    float d1Rand = 0.0f;
    float AsMmin = 0.0f;
    float AsQmin = 0.0f;
    int16_t CotThetaWahl = 0;
    int16_t MitNormalkraft = 0;
    float ZulSigma = 0.0f;
    float ZulTau = 0.0f;
    std::string ProfilName;
    std::string ProfilText;
    std::string ProfilPraefix;
    float ProfilWert1 = 0.0f, ProfilWert2 = 0.0f, ProfilWert3 = 0.0f, ProfilWert4 = 0.0f, ProfilWert5 = 0.0f;
    std::string Herstellart;
    float Satz35Wert1 = 0.0f;
    float Satz35Wert2 = 0.0f;

    // ---------------------------------------------------------------- output and graphics settings
    int16_t AllgAngaben = 0;
    int16_t GelaendebruchEin = 0;
    int16_t TiefeMittelpunkte = 0;
    int16_t BettungPruefen = 0;
    float zMGelenk = 0.0f;
    float Massstab = 0.0f;
    int16_t GrafikRandOU = 0;
    int16_t GrafikRandLR = 0;
    float xNull = 0.0f;
    float zNull = 0.0f;

    // --------------------------------------- page numbering (header texts: page_header_texts.h)
    std::string SeitenVorsatz;
    int16_t StartSeite = 0;
    int16_t SeitenNr = 0;

    // --------------------------------------------------------------- settings file and shared drawing values
    int16_t GrafikRandLinks = 0, GrafikRandRechts = 0, GrafikRandOben = 0, GrafikRandUnten = 0;
    float Einst3c = 0.0f;
    std::string TextFontName;
    float TextFontSize = 0.0f;
    int16_t TextFontBold = 0;
    std::string GrafikFontName;
    float GrafikFontSize = 0.0f;
    int16_t GrafikFontBold = 0;
    int16_t RandOben = 0, RandUnten = 0;
    int16_t H504Ein = 0;
    int16_t Querformat = 0;
    std::string Einst8a;
    std::string Einst8b;
    int16_t Einst8c = 0;
    int32_t HintergrundFarbe = 0;
    int32_t VordergrundFarbe = 0;
    int16_t RahmenEin = 0;
    int16_t BilderAlleDrucken = 0;
    int16_t KurzAusdruck = 0; // -1 while a short printout of the report runs

    bool operator==(const ProjectData&) const = default;
};

// The project data of the program.
extern ProjectData P;

// Back to the state at program start: every field 0 or empty.
void ResetProjectData();

} // namespace zorm1
