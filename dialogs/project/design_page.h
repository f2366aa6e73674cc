#pragma once
// The opening and the handlers of the design-settings page frmBemessung (dialogs/project/frmBemessung.h),
// installed as its frmBemessung::Laden by RegisterProjectDialogs.
class frmBemessung;

namespace Bemessung {

// Form_Load of the page: enabling by wall type and safety concept, the options from the project data
// (EtaBSt500 included), the default influence widths, the allowed stresses, the recommended minimum
// reinforcement of bored piles, then shown with the focus and mouse rules of every page.
void SeiteLaden(frmBemessung& f);

// zormd::StahlSpannungenSetzen, then both stresses written into the page's boxes txtSigma and txtTau, which
// loads (and so shows) the page when it is not loaded. The texts are the plain number form with the
// locale's decimal separator.
void StahlSpannungenZeigen();

// The allowed stresses after the safety pages: shown on the page when it is open; otherwise set with what
// the page's opening sets (Bemessung::SeiteOeffnen), without leaving the page open behind the wall page.
void SpannungenSetzen();

} // namespace Bemessung
