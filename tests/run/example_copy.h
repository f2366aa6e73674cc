#pragma once
// The example projects of tests/data as the whole-run tests use them, and the reset of everything a run leaves.
#include <filesystem>
#include <string>

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/runtime/vbnum.h"
#include "slipcircle/state.h"
#include "tests/support/large_project.h"

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

// Writes the example project `name` of tests/data (or, failing that, of examples/) to ziel, by default under its own name in the current folder.
// The copy names itself (statement 4) after its file, so that the report copy of a run lands beside it; under
// its own name the copy is the example byte for byte. The project data are reset before and after. "" when the
// example cannot be read or the copy not written.
inline std::string BeispielKopieren(const std::string& name, std::string ziel = "") {
    ResetProjectData();
    Anzeigen::ResetH504();
    Zormg::FelderDimensionieren();
    std::filesystem::path quelle = std::filesystem::path(ZOR_TEST_DATA) / name;
    if (!std::filesystem::exists(quelle)) quelle = std::filesystem::path(ZOR_EXAMPLES) / name;
    if (!zorm1::EingabeLesen(quelle.string())) return "";
    if (ziel.empty()) ziel = name;
    P.GanzerNameOhneExt = std::filesystem::path(ziel).filename().string();
    const bool ok = zorm1::EingabeSchreiben(ziel);
    ResetProjectData();
    Anzeigen::ResetH504();
    return ok ? ziel : "";
}

// Stage 3 of the strutted diaphragm wall in the project data (excavated to 12 m, a layer boundary at 13 m)
// redistributes its earth pressure by figure 8 at once (time 4, no superposition), with the foot searched on
// a free earth support from the excavation level.
inline void Figur8Setzen() {
    zormcom::AushubLaden(3);
    P.UmFigur = 8;
    P.Wandfuss = 1;
    P.ZWandfuss = P.zAush;
    P.Einsp = 0.0f;
    zormcom::AushubSpeichern(3);
    P.UmZeit[3] = 4;
    P.kzUeb[3] = 0;
}
// The strutted diaphragm wall with its layers and ground water whose last stage is set so (Figur8Setzen).
inline std::string SchlitzwandFigur8Schreiben(const std::string& ziel) {
    const std::string v = BeispielKopieren("Schlitzwand_gesteift_GW", ziel);
    if (v.empty()) return "";
    ResetProjectData();
    Anzeigen::ResetH504();
    Zormg::FelderDimensionieren();
    if (!zorm1::EingabeLesen(v)) return "";
    Figur8Setzen();
    P.GanzerNameOhneExt = std::filesystem::path(ziel).filename().string();
    const bool ok = zorm1::EingabeSchreiben(ziel);
    ResetProjectData();
    Anzeigen::ResetH504();
    return ok ? ziel : "";
}

// The projects the whole-run tests calculate, written into the current folder: the variants of the
// examples (BeispielKopieren), "Schlitzwand_Figur8" and the large generated project "gross"
// (tests/support/large_project.h) and its form in ground water "gross_gw". The file name, "" when it cannot
// be written.
inline std::string ProjektSchreiben(const std::string& name) {
    if (name == "Schlitzwand_Figur8") return SchlitzwandFigur8Schreiben(name);
    if (name != "gross" && name != "gross_gw") return BeispielKopieren(name);
    ResetProjectData();
    Zormg::FelderDimensionieren();
    P.GradZuRad = 3.141593f / 180.0f;
    P.TiefeUnendlich = 99.0f;
    const bool gemacht =
        name == "gross" ? GrossesProjekt(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert")
                        : GrossesProjektMitGrundwasser(std::string(ZOR_TEST_DATA) + "/Schlitzwand_gesteift_GW");
    if (!gemacht) return "";
    P.GanzerNameOhneExt = name;
    const bool ok = zorm1::EingabeSchreiben(name);
    ResetProjectData();
    return ok ? name : "";
}

} // namespace zortest
