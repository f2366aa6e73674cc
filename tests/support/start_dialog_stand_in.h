#pragma once
// A stand-in for the start dialog "frmTitel" while it is not part of the program: its four text
// boxes txtEin(0..3) and a count of its loadings. Register() puts it into the window registry;
// the fixture's TearDown calls vb::ClearRegistry().
#include "platform/forms/registry.h"

namespace zortest {

class StartDialogStandIn : public vb::Form {
public:
    vb::ControlArray<vb::TextBox> txtEin{*this, "txtEin"};
    static inline int loads = 0;
    static inline bool zeigen = true; // shown when loaded
    StartDialogStandIn() : vb::Form("frmTitel") {
        for (int16_t i = 0; i < 4; ++i)
            txtEin.add(i).Move(120, 120 + 400 * i, 3000, 300);
    }
    void Form_Load() override {
        ++loads;
        if (zeigen) Show();
    }
    static void Register() {
        loads = 0;
        zeigen = true;
        vb::RegisterForm<StartDialogStandIn>("frmTitel");
    }
};

} // namespace zortest
