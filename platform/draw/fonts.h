#pragma once
// Font names and a toolkit-free model of font metrics.
// The program knows its fonts by their Windows names ("Courier New", "Arial",
// "Times New Roman"); on this system they are drawn with the metric-compatible Liberation
// faces. The metric model serves surfaces that do not render (the recorder): it uses the
// proportions of those faces, so that text widths and heights in twips come out as they do
// on paper to within a few per cent (exactly for the fixed-pitch face).
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw/surface.h"

namespace vb::draw {

// The installed family that draws a Windows font name ("Courier New" -> "Liberation Mono",
// "Arial" -> "Liberation Sans", "Times New Roman" -> "Liberation Serif"); other names are
// returned unchanged. Case does not matter.
std::string InstalledFamily(std::string_view windowsName);

// Whether a font name denotes a fixed-pitch face (Courier New, Liberation Mono, Lucida
// Console, names with "Mono" or "Courier").
bool IsFixedPitchName(std::string_view name);

// The three Windows names the program offers on every system, in this order.
const std::vector<std::string>& StandardFontNames();

// Model metrics, in twips, of one line of text (no line breaks).
Extent ModelMeasure(std::string_view line, const FontSpec& f);
// Height of the character cell (ascent + descent) per em of the face.
double ModelCellPerEm(std::string_view name);

// The size a font really gets on a device of twipsPerPixel: its em a whole number of pixels
// (at least one), as the screen's font mapper takes it. At 15 twips per pixel 7 pt becomes
// 6.75 pt (9 pixels), 8.25 pt and 9 pt stay. Undefined or non-positive sizes come back unchanged.
float SnapFontSize(float points, double twipsPerPixel);

// The fonts of the screen. The Qt layer installs the system's list; without it the
// standard names are offered.
std::vector<std::string> ScreenFonts();
void SetScreenFonts(std::vector<std::string> fonts); // empty: back to the standard names

} // namespace vb::draw
