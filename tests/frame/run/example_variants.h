#pragma once
// Variants of the example projects that the statics can solve in every stage.
#include <filesystem>
#include <string>

#include "frame/page_header_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "frame/stage_table.h"
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

// The examples start with an unbedded cantilever in foot mode 1 or 2, which the statics cannot solve (a
// mechanism). Their variants can: the cantilever stages of the sheet pile and the soldier pile wall fixed
// after Blum (mode 4, searched from the excavation level), the diaphragm wall's stage 1 bedded with
// 20 MN/m3 down to the foot and the bedding checked. Written to ziel, by default "<name>_V" in the current
// folder; the project data are reset before and after.
inline std::string VarianteSchreiben(const std::string& name, std::string ziel = "") {
    ResetProjectData();
    Anzeigen::ResetH504();
    Zormg::FelderDimensionieren();
    const std::string quelle = (std::filesystem::path(ZOR_TEST_DATA) / name).string();
    if (!zorm1::EingabeLesen(quelle)) return "";
    zormcom::AushubLaden(1);
    if (name == "Schlitzwand_gesteift_GW") {
        P.FussGebettet[1] = 1;
        P.BettAnz[1] = 2;
        P.BettT(1, 1) = 0.0f;
        P.BettC(1, 1) = 20.0f;
        P.BettT(1, 2) = 10.0f;
        P.BettC(1, 2) = 20.0f;
        P.BettungPruefen = 1;
    } else {
        P.Wandfuss = 4;
        P.ZWandfuss = P.zAush;
        P.Einsp = 0.0f;
    }
    zormcom::AushubSpeichern(1);
    if (ziel.empty()) ziel = name + "_V";
    P.GanzerNameOhneExt = std::filesystem::path(ziel).filename().string(); // the name the report copy takes
    const bool ok = zorm1::EingabeSchreiben(ziel);
    ResetProjectData();
    Anzeigen::ResetH504();
    return ok ? ziel : "";
}

// The strutted diaphragm wall with its layers and ground water (the variant above) whose last stage
// (excavated to 12 m, a layer boundary at 13 m) redistributes its earth pressure by figure 8 at once (time 4,
// no superposition), with the foot searched on a free earth support from the excavation level.
inline std::string SchlitzwandFigur8Schreiben(const std::string& ziel) {
    const std::string v = VarianteSchreiben("Schlitzwand_gesteift_GW", ziel);
    if (v.empty()) return "";
    ResetProjectData();
    Anzeigen::ResetH504();
    Zormg::FelderDimensionieren();
    if (!zorm1::EingabeLesen(v)) return "";
    zormcom::AushubLaden(3);
    P.UmFigur = 8;
    P.Wandfuss = 1;
    P.ZWandfuss = P.zAush;
    P.Einsp = 0.0f;
    zormcom::AushubSpeichern(3);
    P.UmZeit[3] = 4;
    P.kzUeb[3] = 0;
    P.GanzerNameOhneExt = std::filesystem::path(ziel).filename().string();
    const bool ok = zorm1::EingabeSchreiben(ziel);
    ResetProjectData();
    Anzeigen::ResetH504();
    return ok ? ziel : "";
}

// The projects the whole-run tests calculate, written into the current folder: the variants of the
// examples (VarianteSchreiben), "Schlitzwand_Figur8" and the large generated project "gross"
// (tests/support/large_project.h). The file name, "" when it cannot be written.
inline std::string ProjektSchreiben(const std::string& name) {
    if (name == "Schlitzwand_Figur8") return SchlitzwandFigur8Schreiben(name);
    if (name != "gross") return VarianteSchreiben(name);
    ResetProjectData();
    Zormg::FelderDimensionieren();
    P.GradZuRad = 3.141593f / 180.0f;
    P.TiefeUnendlich = 99.0f;
    if (!GrossesProjekt(std::string(ZOR_TEST_DATA) + "/Traegerbohlwand_verankert")) return "";
    P.GanzerNameOhneExt = "gross";
    const bool ok = zorm1::EingabeSchreiben("gross");
    ResetProjectData();
    return ok ? "gross" : "";
}

} // namespace zortest
