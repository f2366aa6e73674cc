#pragma once
// The example projects of tests/data as the whole-run tests use them, and the reset of everything a run leaves.
#include <filesystem>
#include <string>

#include "frame/h504_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbnum.h"
#include "slipcircle/zormg_state.h"

namespace zortest {

using zorm1::P;
using zorm1::ResetProjectData;

// Everything a whole run in the test's own process leaves behind, back to the start: windows, boxes, project
// data, header texts, every module's run state and the slip-circle arrays; the decimal separator pinned.
inline void LaufUmgebungZuruecksetzen() {
    vb::headless::ResetForms();
    vb::headless::Reset();
    ResetProjectData();
    Anzeigen::ResetH504();
    zor::LaufZuruecksetzen();
    Zormg::ZustandZuruecksetzen();
    vb::SetDecimalSeparator(',');
}

// Writes the example project `name` of tests/data to ziel, by default under its own name in the current folder.
// The copy names itself (statement 4) after its file, so that the report copy of a run lands beside it; under
// its own name the copy is the example byte for byte. The project data are reset before and after. "" when the
// example cannot be read or the copy not written.
inline std::string BeispielKopieren(const std::string& name, std::string ziel = "") {
    ResetProjectData();
    Anzeigen::ResetH504();
    Zormg::FelderDimensionieren();
    const std::string quelle = (std::filesystem::path(ZOR_TEST_DATA) / name).string();
    if (!zorm1::EingabeLesen(quelle)) return "";
    if (ziel.empty()) ziel = name;
    P.GanzerNameOhneExt = std::filesystem::path(ziel).filename().string();
    const bool ok = zorm1::EingabeSchreiben(ziel);
    ResetProjectData();
    Anzeigen::ResetH504();
    return ok ? ziel : "";
}

} // namespace zortest
