#pragma once
// State of the slip-circle module: the point-and-line model of one excavation stage and
// the work arrays of the circle evaluation (Zustand), and the run state of the calculation: the input
// read from the hand-over files, the stage values of the model, the loads, the slices of the circle
// being evaluated, the critical circle and the state of the centre search (Daten). One instance each
// for the program life; one reset for both.
//
// Units: lengths m (x from the back face of the wall towards the earth side, z downward from the wall
// head), forces kN/m, intensities kN/m2, unit weights kN/m3. Friction angles and anchor inclinations are
// in degrees in the model and in radians while a centre search runs.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "earthpressure/polylines.h"
#include "frame/project_data.h"

namespace Zormg {

struct Zustand {
    // Model arrays, created by FelderDimensionieren (index 0 up to the bound noted).
    std::vector<int16_t> PunktNummer;                                                    // 0..150
    std::vector<float> PunktX, PunktZ;                                                   // 0..150
    std::vector<std::string> LinienText;                                                 // 0..20
    std::vector<float> GkSchichtGamma, GkSchichtGammaAuftrieb, GkSchichtPhi, GkSchichtC; // 0..20
    std::vector<float> GkAnkerKraft, GkAnkerNeigung, GkAnkerLaenge, GkAnkerX, GkAnkerZ;  // 0..20
    std::vector<int16_t> LastPunkt1, LastPunkt2; // 0..AnzSohlLast + 30
    std::vector<float> VLastA, VLastE;           // 0..AnzSohlLast + 30
    std::vector<float> HLastA, HLastE;           // 0..30
    std::vector<int16_t> LastStaendig;           // 0..30

    int16_t AnzPunkte = 0;
    int16_t AnzLinien = 0;

    // Lines of the model as polylines (line, point) with their point counts; made by the
    // circle search for lines 0..AnzLinien + 2.
    zor::Linientafel LinieX, LinieZ;
    std::vector<int16_t> LinienPunktzahl;

    // Sorted abscissae from which a new line is formed; sized by its callers.
    std::vector<float> XListe;
    int16_t AnzXListe = 0;
};

// The module's one state.
Zustand& Z();

// Back to program start: every array empty, every count 0, the run state of the calculation (D())
// as well. Announced to zor::LaufZuruecksetzen.
void ZustandZuruecksetzen();

// Creates the model arrays anew and empty (bounds 150 points, 20 lines and layers, 20
// anchors, 30 loads, AnzSohlLast + 30 for the load points and vertical intensities),
// keeping no old values.
void FelderDimensionieren();

// Limits of the input arrays (load cases, loads per load case, not-acting lists).
inline constexpr int kMaxLastfaelle = 8;
inline constexpr int kMaxErdLasten = 15;
inline constexpr int kMaxLuftLasten = 8;
inline constexpr int kMaxStufen = 15;
inline constexpr int kMaxAuflager = 20;
// Limits of the model: points, lines and layers, anchors and struts, loads.
inline constexpr int kMaxPunkte = 150;
inline constexpr int kMaxLinien = 20;
inline constexpr int kMaxAnker = 20;
inline constexpr int kMaxLasten = 30;

// Marks of a circle: invalid (a moment of 0 or less, or no finite value) and no circle in the minima.
inline constexpr float kUngueltig = 888.0f;
inline constexpr float kKeinKreis = 999.0f;
inline constexpr float kStartMinimum = 1E20f;

struct Daten {
    // ------------------------------------------------------------------ input of the project copy
    int16_t GlAnzBoesch = 0;
    std::vector<float> GlBoeschX1, GlBoeschX2, GlBoeschZ1, GlBoeschZ2, GlBoeschGamma, GlBoeschPhi; // 0..n
    int16_t GlAnzErd = 0;
    std::vector<float> GlSchichtDicke, GlSchichtPhi, GlSchichtC, GlSchichtGamma,
        GlSchichtGammaAuftrieb; // 0..m
    int16_t GlAnzAush = 0;
    zorm1::Arr<zorm1::Aushubstufe, kMaxStufen> GlAushub{}; // stages 1..GlAnzAush
    int16_t GlAnzAnker = 0;
    std::vector<float> GlZAuflager, GlAnkerNeigung; // 0..GlAnzAnker
    int16_t GlAnzLF = 0;
    zorm1::Arr<int16_t, kMaxLastfaelle> GlAnzLastLuft{}, GlAnzLastErd{};
    zorm1::Array2<float, kMaxLastfaelle, kMaxLuftLasten> GlLuftLastZ{}, GlLuftLastH{};
    zorm1::Array2<float, kMaxLastfaelle, kMaxErdLasten> GlErdLastPv{}, GlErdLastXA{}, GlErdLastXE{},
        GlErdLastZ{}, GlErdLastDauer{}, GlErdLastPh{};
    zorm1::Array3<int16_t, kMaxLastfaelle, kMaxErdLasten, 15> GlErdLastNichtIn{}; // (lc, j, 0 = count)
    zorm1::Array3<int16_t, kMaxLastfaelle, kMaxLuftLasten, 8> GlLuftLastNichtIn{};
    zorm1::Arr<float, kMaxStufen> GlZWasserErd{};

    // Values of the plot records that have no place in the project data.
    int16_t AnzAuflagerAlle = 0;
    int16_t AnzAnkerGlf = 0;
    float zGLF = 0.0f;
    float GlfMaxAushub = 0.0f;

    // ------------------------------------------------------------------ wall body, stage, anchors
    float GkDWand = 0.0f, GkGamWand = 0.0f, GkGamWandAuftrieb = 0.0f, GkPhiWand = 0.0f, GkCWand = 0.0f;
    int16_t GkAushub = 0;   // the governing excavation stage
    int16_t Lastfall = 0;   // the load case being computed
    float GkFussZ = 0.0f;   // wall foot including the extra embedment
    int16_t AnzGkAnker = 0; // anchors and struts (arrays in state.h)
    int16_t FestPunkt = 0;  // the point every circle passes through

    // ------------------------------------------------------------------ model extras
    std::string WasserlinienText;
    zorm1::Arr<float, 8> GkSohlLastX1{}, GkSohlLastX2{}, GkSohlLastQ{}, GkSohlLastZ{};
    int16_t AnzGkLasten = 0;
    float FeldXAnfang = 0.0f, FeldXEnde = 0.0f, FeldZAnfang = 0.0f, FeldZEnde = 0.0f;
    int16_t FeldTeileX = 0, FeldTeileZ = 0, FeldVerschieben = 0;
    // A second start field of the search, with the x range of the field above and z from ZweitFeldZAnfang to
    // ZweitFeldZEnde: the driver sets the deep field when the field is the default one, and the other way
    // round.
    bool ZweitFeld = false;
    float ZweitFeldZAnfang = 0.0f, ZweitFeldZEnde = 0.0f;
    float AuslaufwinkelLuft = 0.0f, AuslaufwinkelErde = 0.0f;

    // ------------------------------------------------------------------ lines on the common grid
    float xLinks = 0.0f, xRechts = 0.0f;
    std::vector<float> LinienRaster; // rows 0..AnzLinien + 1, points 0..RasterPunktzahl (row-major)
    int16_t RasterPunktzahl = 0;
    float& Raster(int zeile, int punkt) {
        return LinienRaster[static_cast<std::size_t>(zeile) *
                                (static_cast<std::size_t>(RasterPunktzahl) + 1) +
                            static_cast<std::size_t>(punkt)];
    }

    // ------------------------------------------------------------------ one circle
    float xM = 0.0f, zM = 0.0f, Radius = 0.0f;
    float eta = 0.0f;
    float Etap = 0.0f; // the iterated safety of the last circle
    int16_t IterZustand = 0;
    int16_t ErsteLamelle = 0, LetzteLamelle = 0;
    std::vector<float> LamBreite, LamWinkel, LamGewicht, LamVerkehr, LamPhi, LamC;

    // ------------------------------------------------------------------ minima and the critical circle
    float etaMinMP = 0.0f, xMMP = 0.0f, zMMP = 0.0f, RMP = 0.0f;
    float etaMin = 0.0f, xMKrit = 0.0f, zMKrit = 0.0f, RKrit = 0.0f;
    float etaMinRing = 0.0f;
    std::vector<float> KritLinieX, KritLinieZ; // 1..KritPunktzahl
    int16_t KritPunktzahl = 0;
    int32_t KreisZaehler = 0;
    // 0 go on; 1 a safety below 0.7; 2 search given up; 3 cancelled by closing the progress window.
    int16_t Abbruch = 0;
    int16_t Verschiebungen = 0; // field shifts of the current load case

    // ------------------------------------------------------------------ yielding to the window system
    int YieldAbstandMs = 25;        // a search lets the user act at most this often (0: at every chance)
    bool AbbruchGewuenscht = false; // the user closed the progress window
    std::chrono::steady_clock::time_point LetztesNachgeben{};
};

// The run state of the calculation beyond the model.
Daten& D();

// Lets the user act (the progress observer, slipcircle/progress.h) when YieldAbstandMs have passed since the
// last time (immer: at once). The search calls it at every chance; the clock keeps the cost low.
void Nachgeben(bool immer = false);

// Prints into a row of the progress display (rows counted from 1).
void Drucken(int zeile, const std::string& text);

} // namespace Zormg
