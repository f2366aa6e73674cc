#pragma once
// A project read through the start dialog and every input page confirmed with OK as it opens, headless: the
// start dialog's "Daten einlesen" with the folder and name typed, the safety pages, the wall page that opens by
// itself, then from the main window every topic in turn (soil, each excavation stage, each load case, anchors,
// output with the design page). What the pages write is what the program saves with "Programm beenden".
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame/project_data.h"
#include "platform/forms/forms.h"
#include "platform/forms/headless.h"

namespace seitenbestaetigung {

// The newest loaded page that shows an OK button that can be clicked; "" when there is none.
inline std::string NeuesteSeite() {
    const auto seiten = vb::headless::loadedForms();
    for (auto it = seiten.rbegin(); it != seiten.rend(); ++it) {
        if (*it == "frmAuswahl") return "";
        const std::string ok = *it + ".cmdOK";
        if (vb::findControl(ok) && vb::headless::visible(ok) && vb::headless::enabled(ok)) return *it;
    }
    return "";
}

// Confirms the open chain page by page until the main window is back; the pages confirmed, in order. A chain
// that does not end within its bound fails the test.
inline std::vector<std::string> KetteBestaetigen() {
    std::vector<std::string> seiten;
    for (int schritt = 0; schritt < 40; ++schritt) {
        const std::string seite = NeuesteSeite();
        if (seite.empty()) return seiten;
        seiten.push_back(seite);
        vb::user::click(seite + ".cmdOK");
    }
    ADD_FAILURE() << "a chain of pages did not end: " << (seiten.empty() ? "" : seiten.back());
    return seiten;
}

// A topic of the main window opened and its chain confirmed. Stages (3) and load cases (4) take their number
// in the number box, which opens the chain when it is left.
inline std::vector<std::string> ThemaBestaetigen(int16_t thema, int16_t nummer = 0) {
    vb::user::click("frmAuswahl.optAuswahl(" + std::to_string(thema) + ")");
    if (thema == 3 || thema == 4) {
        vb::user::focus(thema == 3 ? "frmAuswahl.txtAushub(1)" : "frmAuswahl.txtAushub(3)");
        vb::user::type(std::to_string(nummer));
        vb::user::focus("frmAuswahl.cmdOK");
    } else {
        vb::user::click("frmAuswahl.cmdOK");
    }
    const auto seiten = KetteBestaetigen();
    EXPECT_FALSE(seiten.empty()) << "topic " << thema << " opened no page";
    return seiten;
}

// From the start dialog (loaded, headless) to the main window with every page confirmed: the project in
// folder/name read, the safety pages and the wall page confirmed, then soil, every stage, every load case,
// anchors and output. Leaves the main window open, ready for "Programm beenden".
inline void AlleSeitenBestaetigen(const std::string& ordner, const std::string& name) {
    vb::user::click("frmTitel.cmdLesen(1)");
    vb::user::focus("frmTitel.txtEin(0)");
    vb::user::type(ordner);
    vb::user::focus("frmTitel.txtEin(1)");
    vb::user::type(name);
    // The safety pages wait for their OK; the reduced factors' page follows under partial factors only.
    vb::script::clear();
    vb::script::click("frmBTeilSi.cmdOK");
    vb::script::call([] {
        if (vb::findForm("frmBTeilSi2")) vb::user::click("frmBTeilSi2.cmdOK");
    });
    vb::user::click("frmTitel.cmdOK");
    vb::script::clear();
    EXPECT_FALSE(KetteBestaetigen().empty()); // the wall page, opened by itself
    ThemaBestaetigen(2);
    for (int16_t s = 1; s <= zorm1::P.AnzAush; ++s)
        ThemaBestaetigen(3, s);
    for (int16_t lf = 1; lf <= zorm1::P.AnzLF; ++lf)
        ThemaBestaetigen(4, lf);
    ThemaBestaetigen(5);
    ThemaBestaetigen(6);
}

} // namespace seitenbestaetigung
