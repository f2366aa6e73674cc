#pragma once
// The page set-up of a picture and the small drawing helpers every picture uses. All of them draw on
// the surface they are given (the graphics window, the printer, a PNG or the recorder) in user units:
// x in m to the right from the back face of the wall, depth z in m downward from the wall head.
//
// The frame of the picture (BildLinks, BildRechts, BildOben, BildUnten, ZeichenEinheit) and the rest of
// the graphics' run state is Grafik() (one place, one reset).
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "graphics/plot.h"
#include "platform/draw/surface.h"

namespace zorg {

using Flaeche = vb::draw::Surface;

// The values of one excavation stage as the project keeps them (read, never loaded into the
// project's current-stage values: drawing changes no project data).
struct StufenWerte {
    float zAush = 0;
    int16_t AnzAnker = 0;
    std::array<float, 9> ZAnker{};
    float ZNextAnker = 99, ZWasserLuft = 99, ZWasserErd = 99;
    float StBx1 = 0, StBx2 = 0, StBH = 0;
    int16_t AnzSohlLast = 0;
    std::array<float, 9> SohlLastX1{}, SohlLastX2{}, SohlLastQ{}, SohlLastZ{};
};
StufenWerte StufeAusTabelle(int16_t stufe);

// The run state of the graphics window.
struct Zustand {
    // the frame of the picture in user units (set by MassstabEinrichten): left and right x, top and bottom z
    // (m), and the drawing unit, 0.25 mm of paper (m)
    float BildLinks = 0, BildRechts = 0, BildOben = 0, BildUnten = 0;
    float ZeichenEinheit = 0;
    // margins of the printed page in user units (0 on the window)
    float RandLinksUE = 0, RandObenUE = 0, RandRechtsUE = 0, RandUntenUE = 0;
    int16_t RandObenKopie = 0, RandUntenH504 = 0; // mm reserved for the header boxes (printer)
    float H504Versatz = 0;
    float KleinFaktor = 0; // factor of the last SchriftKlein
    // On the window: the factor by which it shows the printed picture, enlarged or reduced as a whole (the
    // window's shorter side against the printed picture's shorter side; set by MassstabEinrichten; 1 on the
    // printer). Frame and fonts follow it, so the labels keep the proportions of the printout.
    float SchirmFaktor = 1;
    std::string TextPuffer; // the label in hand
    // the boxes of the labels of the picture in hand, in twips of its surface (emptied by the page set-up)
    struct Kasten {
        double x1, y1, x2, y2;
        std::string text;
    };
    std::vector<Kasten> Beschriftungen;
    // the tag of the picture being printed ("B101 zu ..."): its corner of the frame is kept free of labels
    std::string Kennung;
    float SummeH = 0; // horizontal force sum of the last per-stage figure file read
    // fixed by the maxima pass
    float ZFussMax = 0; // deepest wall foot over all load cases and stages
    int16_t StufeMaxAushub = 0;
    float AnkMaxWert2 = 0, AnkMaxWert3 = -100.0f;
    // the stage of the statics picture in hand
    StufenWerte stufe;
    // the record last read and its maxima
    PlotSatz plot;
    SatzMaxima max;
    // per support level 1..13: the largest force of the load case so far and its stage
    std::array<float, kMaxAnkerLagen + 1> AnkerKraftMax{};
    std::array<int16_t, kMaxAnkerLagen + 1> AnkerMaxStufe{};
};
Zustand& Grafik();
void GrafikZuruecksetzen();

// Page set-up of a picture on the surface (see the header of this file). A scale of 0 or below becomes
// 1 : 100 (and stays), a font size of 0 becomes 6.25. On the printer, margins that leave no drawing area
// return false and the surface keeps its scale; the window always returns true.
bool MassstabEinrichten(Flaeche& z);

// On the printer only: white bands outside the frame, then the frame.
void GrafikRandLoeschen(Flaeche& z);

// Applies the graphics font (name, size, bold of the settings) to the surface. On the window the size is
// the one the labels have relative to the picture on the printed page: the window shows the printed picture
// enlarged or reduced by SchirmFaktor (its shorter side against the printed picture's shorter side), and the
// font follows by the same factor, down to whole pixels; text is measured in the font that draws it.
void GrafikSchriftSetzen(Flaeche& z);
// Multiplies the graphics font size by faktor and applies the font.
void GrafikSchriftSkalieren(Flaeche& z, float faktor);
// The small 6 pt font and back; SchriftNormal before any SchriftKlein leaves the font as it is. On the window
// the small labels keep the graphics font (6 pt of paper are not readable on a screen).
void SchriftKlein(Flaeche& z);
void SchriftNormal(Flaeche& z);

// --- symbols (sizes follow the height of "3" in the current font or the drawing unit) -------------
void Markierung(Flaeche& z, float x, float zt, int16_t art); // 2: angle, 3: triangle on its apex
void Schraffur(Flaeche& z, float x, float zt, int16_t art);  // solid wedge 1 right, 2 left, 3 up, 4 down
// Sawtooth line of n teeth; a vertical line draws its teeth to the side the factor's sign gives.
void Zackenlinie(Flaeche& z, float x1, float z1, float x2, float z2, float faktor, int16_t n);
void WasserspiegelZeichen(Flaeche& z, float x, float zt);
void KeilSymbol(Flaeche& z, float x, float zt, float winkel); // tip at (x, z) pointing along winkel (rad)
// Arrowhead at (x2, z2) for the vector from (x1, z1): two strokes of 6 units, 20 degrees off the shaft.
void PfeilspitzeFest(Flaeche& z, float x1, float z1, float x2, float z2);

// Text turned counter-clockwise by winkel tenths of a degree about its top left corner at (x, z);
// schrift 0: graphics font, 1: the report text font.
void TextGedreht(Flaeche& z, int32_t winkel, float x, float zt, const std::string& text, int16_t schrift);
// Keeps the place of a turned text free of the labels printed from now on, as TextGedreht does when it draws
// the text (in the current font): a caption drawn after the labels around it claims its place first.
void TextGedrehtFreihalten(Flaeche& z, int32_t winkel, float x, float zt, const std::string& text);
// Keeps the region between (x1, y1) and (x2, y2) free of the labels printed from now on: the strip of the
// ticks of a scale, which a label must not cover.
void Freihalten(Flaeche& z, float x1, float y1, float x2, float y2);

// --- labels -----------------------------------------------------------------------------------
// "#####0.00" of the depth, and with a wall-head elevation the elevation in parentheses behind it:
// "7.25(143.25)".
std::string KotenText(float zt);
// Moves the pen below grenze when it is at or above it; empties TextPuffer when its number is below 0.1.
void TextYPruefen(Flaeche& z, float grenze);
// The number a label text starts with, read with "." or "," as decimal separator (no number: 0).
float ZahlAmAnfang(const std::string& text);
// Prints TextPuffer at the pen.
void PufferDrucken(Flaeche& z);

// Prints text at the pen as a label of the picture, so that it stands free: a label that reaches beyond the
// frame is moved inside it, and one that would lie on a label printed before is moved to the nearest free
// place (above or below first, then to the side). A label wholly outside the frame stays where it is (it is
// not shown). fest: the label stays where it is (a column of a table) and only keeps its place free.
void Beschriften(Flaeche& z, const std::string& text, vb::draw::PrintEnd ende = vb::draw::PrintEnd::Stay,
                 bool fest = false);

// Prints a row of a table at the depth y: each text at its x as a label of the picture. A row that would lie
// on a label printed before or reach beyond the frame's top or bottom moves up or down as a whole, half a
// line at a time, to the nearest depth where all its texts stand free and not above yMin (the rows of a
// table keep their order); where there is none, each text is placed alone as Beschriften places it. Texts
// wholly outside the frame stay where they are (they are not shown). Returns the depth of the row's top.
double ZeileBeschriften(Flaeche& z, const std::vector<std::pair<double, std::string>>& zeile, double y,
                        double yMin);

} // namespace zorg
