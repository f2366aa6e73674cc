#pragma once
// The design-settings page "Spannungsnachweis / Bemessung": the part of it that the section design writes
// into, the boxes of the allowed steel stresses (N/mm2). The class lives with the section design, below the
// dialogs, so that the design can write into the page; the project dialogs complete it: they add the page's
// other controls to this class and set `Laden` (the page's opening, with the wiring of its handlers) at
// program start, before the page is first used.
//
// Touching the page through vb::form<frmBemessung>() loads it when it is not loaded, and its opening shows
// it (also when the section design's write is what loads it).
#include <functional>

#include "platform/forms/forms.h"

class frmBemessung : public vb::Form {
public:
    vb::TextBox txtSigma{*this, "txtSigma"}; // "zul. sigma"
    vb::TextBox txtTau{*this, "txtTau"};     // "zul. tau"

    frmBemessung();
    void Form_Load() override;

    // The page's opening as the project dialogs build it; without it the page is only shown.
    static inline std::function<void(frmBemessung&)> Laden;
};
