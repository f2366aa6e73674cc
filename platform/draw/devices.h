#pragma once
// The program's printer. Drawing code reaches the printer through Printer(); the program
// installs the real one (system printer or PDF file) at start, and until then, and in
// tests, a recording printer stands in for it.
#include <string>
#include <string_view>

#include "platform/draw/recorder.h"
#include "platform/draw/surface.h"

namespace vb::draw {

Surface& Printer();
// Installs the printer (the caller keeps ownership); nullptr restores the recording printer.
void SetPrinter(Surface* printer);
// The recording printer that stands in while no other printer is installed.
RecordingSurface& HeadlessPrinter();
// A fresh recording printer, no installed printer, the standard screen font list.
void ResetDevices();

// The PDF file that stands in for a printout when no printer is set up: beside the project
// file, named after the project and what was printed, e.g. for "/daten/Baugrube7" and
// "Bericht" "/daten/Baugrube7-Bericht.pdf" (an extension of the project file is dropped).
std::string PrintFileName(std::string_view projectFile, std::string_view what);

} // namespace vb::draw
