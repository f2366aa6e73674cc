#pragma once
// The fixture of the stage page tests: the page-test fixture with the stage pages registered, and the few
// user steps the tests repeat.
#include <string>

#include "dialogs/stages/stage_dialogs.h"
#include "frame/project_data.h"
#include "frame/stage_table.h"
#include "platform/forms/headless.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/registry.h"
#include "tests/dialogs/project/frmAuswahl_stand_in.h"

namespace zortest {

class StufenTest : public SeitenTest {
protected:
    void SetUp() override {
        SeitenTest::SetUp();
        RegisterStageDialogs();
    }
    // Types a text into a box (the focus moved there first, so the box before it is left).
    static void Tippen(const std::string& box, const std::string& text) {
        vb::user::focus(box);
        vb::user::type(text);
    }
    // A stage column written from the current values: stage s with the excavation level z, foot mode and
    // the supports given; every other value 0.
    static void Stufe(int16_t s, float z, int16_t fuss, std::initializer_list<float> anker = {}) {
        auto& P = zorm1::P;
        P.zAush = z;
        P.Wandfuss = fuss;
        P.ZWandfuss = z + 0.01f;
        P.AnzAnker = static_cast<int16_t>(anker.size());
        int i = 0;
        for (float a : anker)
            P.ZAnker[++i] = a;
        P.ZNextAnker = 99.0f;
        zormcom::AushubSpeichern(s);
    }
    // The current stage s of n stages, loaded from the table as the main window does.
    static void Aktuell(int16_t s, int16_t n) {
        zorm1::P.AnzAush = n;
        zorm1::P.AushNr = s;
        zormcom::AushubLaden(s);
    }
};

} // namespace zortest
