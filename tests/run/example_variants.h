#pragma once
// Variants of the example projects that the statics can solve in every stage.
#include <filesystem>
#include <string>

#include "frame/h504_texts.h"
#include "frame/project_data.h"
#include "frame/project_file.h"
#include "frame/run_state.h"
#include "frame/stage_table.h"
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

} // namespace zortest
